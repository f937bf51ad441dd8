#include "platform/win/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/error.h"
#include "platform/win/text.h"

namespace {

namespace fs = std::filesystem;

class WholeFiles : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        dir_ = fs::path(temp) / (L"crv_files_" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        crv::Clear_Error();
    }
    void TearDown() override { fs::remove_all(dir_); }
    // A UTF-8 path inside the test's folder.
    std::string Path(const std::wstring& name) const { return crv::To_Utf8((dir_ / name).wstring()); }

    fs::path dir_;
};

TEST_F(WholeFiles, WriteReplacesAndReadGivesTheBytesBackUnderANonAsciiName) {
    const std::string path = Path(L"Zo\u00EB \u041F\u041A.txt");
    EXPECT_FALSE(crv::File_Exists(path));
    ASSERT_TRUE(crv::Write_Whole_File(path, std::string("one\r\ntwo\0three", 14)));
    EXPECT_TRUE(crv::File_Exists(path));
    ASSERT_TRUE(crv::Write_Whole_File(path, "PC1\r\n"));  // replaced, not appended
    std::string bytes = "stale";
    EXPECT_EQ(crv::Read_Whole_File(path, 5, bytes), crv::FileRead::Ok);
    EXPECT_EQ(bytes, "PC1\r\n");
    ASSERT_TRUE(crv::Write_Whole_File(path, ""));
    EXPECT_EQ(crv::Read_Whole_File(path, 5, bytes), crv::FileRead::Ok);
    EXPECT_EQ(bytes, "");
}

TEST_F(WholeFiles, ALimitRefusesALargerFileAndFailuresSayWhy) {
    const std::string path = Path(L"big.txt");
    ASSERT_TRUE(crv::Write_Whole_File(path, std::string(1025, 'x')));
    std::string bytes;
    EXPECT_EQ(crv::Read_Whole_File(path, 1024, bytes), crv::FileRead::Too_Large);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(crv::Read_Whole_File(path, 1025, bytes), crv::FileRead::Ok);
    EXPECT_EQ(bytes.size(), 1025u);

    EXPECT_EQ(crv::Read_Whole_File(Path(L"missing.txt"), 10, bytes), crv::FileRead::Failed);
    EXPECT_EQ(crv::Pending_Error().number, 53);
    EXPECT_NE(crv::Pending_Error().description.find("missing.txt"), std::string::npos);
    crv::Clear_Error();
    // A folder is no file: neither read, written nor counted as one.
    EXPECT_FALSE(crv::File_Exists(crv::To_Utf8(dir_.wstring())));
    EXPECT_EQ(crv::Read_Whole_File(crv::To_Utf8(dir_.wstring()), 10, bytes), crv::FileRead::Failed);
    EXPECT_FALSE(crv::Write_Whole_File(crv::To_Utf8(dir_.wstring()), "x"));
    EXPECT_FALSE(crv::Pending_Error().empty());
}

TEST(UpperCase, EveryLetterByTheSystemsRules) {
    EXPECT_EQ(crv::Upper_Case("zo\xC3\xAB-laptop"), "ZO\xC3\x8B-LAPTOP");  // ë -> Ë
    EXPECT_EQ(crv::Upper_Case("\xD0\xBA\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB-\xD0\xBF\xD0\xBA"),
              "\xD0\x9A\xD0\x98\xD0\xA0\xD0\x98\xD0\x9B\xD0\x9B-\xD0\x9F\xD0\x9A");  // кирилл-пк
    EXPECT_EQ(crv::Upper_Case("\xCE\xB1\xCE\xB2\xCE\xB3"), "\xCE\x91\xCE\x92\xCE\x93");  // αβγ
    EXPECT_EQ(crv::Upper_Case("pc-01_x"), "PC-01_X");
    EXPECT_EQ(crv::Upper_Case(""), "");
}

}  // namespace
