// The export file chosen in a Save dialog: its default name, starting it
// afresh, and the writer its filter index picks.
#include "export/export_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/error.h"
#include "core/tests/read_all.h"
#include "export/tests/test_encoder.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

using test::Read_All;

struct Boxes : ErrorReporter {
    std::vector<std::string> texts;
    void Report_Error(const std::string& text) override { texts.push_back(text); }
};

class ExportFile : public ::testing::Test {
protected:
    void SetUp() override {
        Clear_Error();
        previous_ = Set_Error_Reporter(&boxes_);
        dir_ = fs::temp_directory_path() /
               ("crv-export-file-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        list_.Add_Column("Computer", "Computer", 2000);
        list_.Add_Column("Free", "Free", 2000);
        list_.Add_Item("", "PC1")->Set_Sub_Item(1, "10 GB");
        list_.Add_Item("", "PC2")->Set_Sub_Item(1, "2 GB");
    }
    void TearDown() override {
        Set_Error_Reporter(previous_);
        fs::remove_all(dir_);
    }
    std::string File(const std::string& name) const {
        auto s = (dir_ / name).u8string();
        return std::string(s.begin(), s.end());
    }

    clsExport writer_{test::Platform_Encoder(), [] { return Export_Date_Time{2026, 12, 8, 1, 58, 46}; }};
    ListModel list_;
    Boxes boxes_;
    ErrorReporter* previous_ = nullptr;
    fs::path dir_;
};

TEST(ExportFileName, DefaultNamesHoldNoCharacterWindowsRefuses) {
    EXPECT_EQ(Quick_Export_File_Name("Cust_InstalledProducts", "Installed Products", "PC7"),
              "Installed_Products(PC7)");
    // An IPv6 address as the computer's name.
    EXPECT_EQ(Quick_Export_File_Name("Win32_Processor", "Processor", "fe80::1"), "Processor(fe80__1)");
    EXPECT_EQ(Quick_Export_File_Name("Tabu_3", "Disks by office", "PC7"), "Disks_by_office");
    EXPECT_EQ(Quick_Export_File_Name("", "Something", "PC7"), "Corvalin");
    EXPECT_EQ(Quick_Export_File_Name("Win32_Codec", "Multimedia Audio / Visual", "PC7"),
              "Multimedia_Audio__Visual(PC7)");
    EXPECT_EQ(Quick_Export_File_Name("Win32_PortResource", "I/O Ports", "PC7"), "IO_Ports(PC7)");
    EXPECT_EQ(Quick_Export_File_Name("", "", ""), "Corvalin");
    EXPECT_EQ(Clean_File_Name("a\\b/c:d*e?f\"g<h>i|j\tk.txt"), "a_b_c_d_e_f_g_h_i_j_k.txt");
    EXPECT_EQ(Clean_File_Name("Caf\xC3\xA9 (1)"), "Caf\xC3\xA9 (1)");
}

TEST_F(ExportFile, StartingAfreshReplacesAnEarlierExport) {
    const std::string path = File("quick.csv");
    {
        std::ofstream old(dir_ / "quick.csv", std::ios::binary);
        old << "an earlier export\r\n";
    }
    ASSERT_TRUE(Start_Export_File(path));
    EXPECT_EQ(fs::file_size(dir_ / "quick.csv"), 0u);
    ASSERT_TRUE(Write_Export_File(writer_, 1, list_, path, {"", "Free space", "", true}));
    const std::string once = Read_All(dir_ / "quick.csv");
    EXPECT_EQ(once.find("earlier"), std::string::npos);
    EXPECT_EQ(once.rfind("\xEF\xBB\xBF\"Free space\"\r\n\"Computer\",\"Free\"\r\n\"PC1\",\"10 GB\"", 0), 0u) << once;
    // Started afresh, the file is a new UTF-8 file with its mark; the same
    // export again over it gives the same file, not two tables.
    ASSERT_TRUE(Start_Export_File(path));
    ASSERT_TRUE(Write_Export_File(writer_, 1, list_, path, {"", "Free space", "", true}));
    EXPECT_EQ(Read_All(dir_ / "quick.csv"), once);
    EXPECT_TRUE(boxes_.texts.empty());
    // A folder that does not exist cannot be started.
    EXPECT_FALSE(Start_Export_File(File("missing/x.csv")));
    EXPECT_NE(Pending_Error().description.find("missing"), std::string::npos);
}

TEST_F(ExportFile, FilterIndexPicksTheWriterAndItsFooter) {
    ASSERT_TRUE(Write_Export_File(writer_, 2, list_, File("r.html"), {"", "Free space", "", true}));
    const std::string html = Read_All(dir_ / "r.html");
    EXPECT_NE(html.find("<b>Free space ()</b>"), std::string::npos);
    EXPECT_NE(html.find("<td>PC2</td>"), std::string::npos);
    EXPECT_NE(html.find(Html_Footer_Credit().substr(0, 20)), std::string::npos);

    ASSERT_TRUE(Write_Export_File(writer_, 3, list_, File("r.txt"), {"Free space", "Free space", "", true}));
    const std::string text = Read_All(dir_ / "r.txt");
    EXPECT_NE(text.find("Free space ()"), std::string::npos);
    EXPECT_NE(text.find(" PC2"), std::string::npos);
    EXPECT_NE(text.find("[Report Taken @ 12/8/2026 1:58:46 AM]"), std::string::npos);

    // A text table needs a key to lay it out: without one the export fails.
    EXPECT_FALSE(Write_Export_File(writer_, 3, list_, File("nokey.txt"), {"", "Free space", "", true}));
    EXPECT_EQ(Read_All(dir_ / "nokey.txt"), "");

    EXPECT_FALSE(Write_Export_File(writer_, 4, list_, File("r.xyz"), {"", "", "", true}));
    EXPECT_FALSE(fs::exists(dir_ / "r.xyz"));
    EXPECT_FALSE(boxes_.texts.empty());
}

TEST_F(ExportFile, AWriterThatCannotWriteIsNoSuccess) {
    boxes_.texts.clear();
    for (int index = 1; index <= 3; ++index)
        EXPECT_FALSE(Write_Export_File(writer_, index, list_, File("missing/r.out"), {"Key", "T", "", true}))
            << index;
    EXPECT_EQ(boxes_.texts.size(), 3u);
}

}  // namespace
}  // namespace crv
