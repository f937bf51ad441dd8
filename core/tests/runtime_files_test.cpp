#include "core/runtime_files.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/error.h"

namespace {

using crv::Compare_Versions;
using crv::Version_Is_Below;

TEST(RuntimeFileTable, ElevenPairsInOrder) {
    const auto table = crv::Runtime_File_Table();
    ASSERT_EQ(table.size(), 11u);
    EXPECT_EQ(table[0].name, "asycfilt.dll");
    EXPECT_EQ(table[0].minimum_version, "5.1.2600.5949");
    EXPECT_EQ(table[4].name, "MSCOMCT2.OCX");
    EXPECT_EQ(table[5].name, "mscomctl.ocx");
    EXPECT_EQ(table[5].minimum_version, "6.1.98.18");
    EXPECT_EQ(table[8].minimum_version, "6.20.1099.0");
    EXPECT_EQ(table[10].name, "stdole2.tlb");
    EXPECT_EQ(table[10].minimum_version, "5.1.2600.5512");
    for (const auto& f : table) {
        EXPECT_EQ(f.name.find(' '), std::string::npos);
        EXPECT_EQ(f.minimum_version.find(' '), std::string::npos);
    }
}

TEST(CompareVersions, FieldByFieldAsNumbers) {
    // Where a text comparison gets it backwards.
    EXPECT_FALSE(Version_Is_Below("6.1.98.18", "6.1.98.18"));
    EXPECT_TRUE(Version_Is_Below("6.1.98.9", "6.1.98.18"));
    EXPECT_FALSE(Version_Is_Below("6.100.0.0", "6.20.1099.0"));
    EXPECT_FALSE(Version_Is_Below("6.0.98.16", "6.0.98.15"));
    EXPECT_FALSE(Version_Is_Below("10.0.0.0", "6.20.1099.0"));
    EXPECT_TRUE(Version_Is_Below("", "5.0.2600.1"));
    // Missing fields count as 0.
    EXPECT_EQ(Compare_Versions("6.0", "6.0.0.0"), 0);
    EXPECT_LT(Compare_Versions("6.0", "6.0.0.1"), 0);
    EXPECT_GT(Compare_Versions("6.0.0.1", "6"), 0);
    // Leading zeros and long fields are numbers, not text.
    EXPECT_EQ(Compare_Versions("06.01", "6.1"), 0);
    EXPECT_GT(Compare_Versions("5.99999999999999999999999", "5.1"), 0);
}

// A fake file system: versions of the system folder, files of the program
// folder, and an optional path whose query raises an error.
struct FakeFiles {
    std::map<std::string, std::string> versions;  // system path -> version
    std::set<std::string> program_files;           // program-folder paths
    std::string failing_path;
    std::vector<std::string> queried;
    std::vector<std::pair<std::string, std::string>> copies;

    crv::RuntimeFileAccess Access() {
        crv::RuntimeFileAccess a;
        a.get_file_version = [this](const std::string& path, std::string& version) {
            queried.push_back(path);
            if (path == failing_path) {
                crv::Set_Error(53, "File not found");
                return false;
            }
            auto it = versions.find(path);
            version = it == versions.end() ? "" : it->second;
            return true;
        };
        a.file_exists = [this](const std::string& path, bool& exists) {
            exists = program_files.count(path) > 0;
            return true;
        };
        a.copy_file = [this](const std::string& from, const std::string& to) {
            if (to == failing_path + ".copy") return false;
            copies.emplace_back(from, to);
            return true;
        };
        return a;
    }
    void All_Current() {
        for (const auto& f : crv::Runtime_File_Table()) versions["C:\\sys\\" + f.name] = f.minimum_version;
    }
};

struct RecordingReporter : crv::ErrorReporter {
    std::vector<std::string> shown;
    void Report_Error(const std::string& text) override { shown.push_back(text); }
};

class RuntimeCheckTest : public ::testing::Test {
protected:
    void SetUp() override { crv::Set_Error_Reporter(&reporter); crv::Clear_Error(); }
    void TearDown() override { crv::Set_Error_Reporter(nullptr); crv::Clear_Error(); }
    crv::RuntimeCheckResult Check(bool copy, bool show_errors) {
        return crv::Run_Runtime_File_Check("C:\\sys", "E:\\prog", copy, show_errors, files.Access());
    }
    bool Offer(bool answer) {
        asked = 0;
        return crv::Offer_Runtime_File_Copy("C:\\sys", "E:\\prog", files.Access(), [&] {
            ++asked;
            return answer;
        });
    }
    FakeFiles files;
    RecordingReporter reporter;
    int asked = 0;
};

TEST_F(RuntimeCheckTest, AllCurrentNeedsNothing) {
    files.All_Current();
    files.program_files.insert("E:\\prog\\msxml6.dll");
    const auto r = Check(false, false);
    EXPECT_FALSE(r.any_failed);
    EXPECT_EQ(files.queried.size(), 11u);
    EXPECT_EQ(files.queried[0], "C:\\sys\\asycfilt.dll");
    EXPECT_FALSE(Offer(true));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(files.copies.empty());
}

TEST_F(RuntimeCheckTest, FailingFilesAreCopiedOnlyWhenTheProgramFolderHasThem) {
    files.All_Current();
    files.versions["C:\\sys\\mscomctl.ocx"] = "6.1.98.9";   // older by number
    files.versions["C:\\sys\\comcat.dll"] = "";             // no version
    files.versions.erase("C:\\sys\\stdole2.tlb");           // missing
    files.versions["C:\\sys\\msxml6.dll"] = "6.100.0.0";    // newer by number
    files.program_files = {"E:\\prog\\mscomctl.ocx", "E:\\prog\\stdole2.tlb", "E:\\prog\\msxml6.dll"};

    const auto check = Check(false, false);
    EXPECT_TRUE(check.any_failed);
    EXPECT_TRUE(check.any_available);
    EXPECT_TRUE(files.copies.empty());

    const auto copy = Check(true, false);
    EXPECT_EQ(copy.copied, 2);
    // comcat.dll fails but is not in the program folder: skipped; the newer
    // msxml6.dll is never overwritten.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"E:\\prog\\mscomctl.ocx", "C:\\sys\\mscomctl.ocx"},
        {"E:\\prog\\stdole2.tlb", "C:\\sys\\stdole2.tlb"}};
    EXPECT_EQ(files.copies, expected);
}

TEST_F(RuntimeCheckTest, AsksOnlyWhenSomethingCanBeCopiedAndCopiesOnlyOnYes) {
    files.All_Current();
    files.versions["C:\\sys\\comcat.dll"] = "";
    // Failing but nothing to offer: no question.
    EXPECT_FALSE(Offer(true));
    EXPECT_EQ(asked, 0);

    files.program_files.insert("E:\\prog\\comcat.dll");
    EXPECT_TRUE(Offer(false));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(files.copies.empty());

    EXPECT_TRUE(Offer(true));
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(files.copies.size(), 1u);
    EXPECT_EQ(files.copies[0].second, "C:\\sys\\comcat.dll");
    EXPECT_TRUE(reporter.shown.empty());
}

TEST_F(RuntimeCheckTest, AnErrorEndsTheCheckAndIsShownOnlyWhenAsked) {
    files.All_Current();
    files.versions["C:\\sys\\asycfilt.dll"] = "1.0";
    files.versions["C:\\sys\\stdole2.tlb"] = "1.0";
    files.program_files = {"E:\\prog\\asycfilt.dll", "E:\\prog\\stdole2.tlb"};
    files.failing_path = "C:\\sys\\msvbvm60.dll";

    auto r = Check(true, false);
    EXPECT_TRUE(r.stopped_by_error);
    EXPECT_TRUE(r.any_failed);  // the flag as it stood
    EXPECT_EQ(r.copied, 1);     // files after the error are neither checked nor copied
    EXPECT_EQ(files.queried.back(), "C:\\sys\\msvbvm60.dll");
    EXPECT_TRUE(reporter.shown.empty());
    EXPECT_EQ(crv::Pending_Error().number, 53);

    crv::Clear_Error();
    r = Check(false, true);
    EXPECT_TRUE(r.stopped_by_error);
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(reporter.shown[0], "53: File not found");
    EXPECT_TRUE(crv::Pending_Error().empty());

    // At start-up nothing is shown and nothing stays pending.
    reporter.shown.clear();
    EXPECT_TRUE(Offer(false));
    EXPECT_TRUE(reporter.shown.empty());
    EXPECT_TRUE(crv::Pending_Error().empty());
}

}  // namespace
