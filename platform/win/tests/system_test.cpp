#include "platform/win/system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/common.h"
#include "core/error.h"
#include "platform/win/startup.h"
#include "platform/win/text.h"

namespace {

bool Is_Directory(const std::string& path) {
    const DWORD a = GetFileAttributesW(crv::To_Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(SystemQueries, DirectoryNameAndVersion) {
    const std::string dir = crv::Get_System_Directory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    EXPECT_TRUE(Is_Directory(dir));

    const std::string name = crv::Get_Local_Computer_Name();
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 63u);

    // Every system the program runs on is at least XP: the WMI connection
    // relies on that code.
    EXPECT_GE(crv::Get_OS_Version_Code(), 2501);

    const std::string folder = crv::Get_Program_Folder();
    EXPECT_TRUE(Is_Directory(folder));
    EXPECT_NE(folder.back(), '\\');
    EXPECT_FALSE(crv::Is_Running_From_Removable_Drive());
}

// The runtime-file check against real folders: a scratch "system" folder
// and a scratch program folder.
class RuntimeFilesOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = crv::To_Utf8(temp) + "crv-runtime-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(crv::To_Wide(root).c_str(), nullptr);
        CreateDirectoryW(crv::To_Wide(root + "\\sys").c_str(), nullptr);
        CreateDirectoryW(crv::To_Wide(root + "\\prog").c_str(), nullptr);
    }
    void TearDown() override {
        for (const auto& f : crv::Runtime_File_Table()) {
            DeleteFileW(crv::To_Wide(root + "\\sys\\" + f.name).c_str());
            DeleteFileW(crv::To_Wide(root + "\\prog\\" + f.name).c_str());
        }
        RemoveDirectoryW(crv::To_Wide(root + "\\sys").c_str());
        RemoveDirectoryW(crv::To_Wide(root + "\\prog").c_str());
        RemoveDirectoryW(crv::To_Wide(root).c_str());
    }
    void Write(const std::string& path, const std::string& content) {
        std::ofstream(crv::To_Wide(path).c_str(), std::ios::binary) << content;
    }
    std::string root;
};

TEST_F(RuntimeFilesOnDisk, VersionsExistenceAndCopy) {
    const crv::RuntimeFileAccess access = crv::System_Runtime_File_Access();
    std::string version = "x";
    ASSERT_TRUE(access.get_file_version(root + "\\sys\\missing.dll", version));
    EXPECT_EQ(version, "");  // missing: no version, fails the test
    Write(root + "\\prog\\comcat.dll", "no version resource");
    ASSERT_TRUE(access.get_file_version(root + "\\prog\\comcat.dll", version));
    EXPECT_EQ(version, "");
    ASSERT_TRUE(access.get_file_version(crv::Get_System_Directory() + "\\kernel32.dll", version));
    EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 3) << version;

    bool exists = true;
    ASSERT_TRUE(access.file_exists(root + "\\prog", exists));
    EXPECT_FALSE(exists);  // a folder is no file
    ASSERT_TRUE(access.file_exists(root + "\\prog\\comcat.dll", exists));
    EXPECT_TRUE(exists);

    // Nothing in the scratch system folder: every file fails; the two the
    // program folder holds are copied, overwriting what is there.
    Write(root + "\\prog\\stdole2.tlb", "new");
    Write(root + "\\sys\\stdole2.tlb", "old");
    const auto check = crv::Run_Runtime_File_Check(root + "\\sys", root + "\\prog", false, false, access);
    EXPECT_TRUE(check.any_failed);
    EXPECT_TRUE(check.any_available);
    EXPECT_EQ(check.copied, 0);
    const auto copy = crv::Run_Runtime_File_Check(root + "\\sys", root + "\\prog", true, false, access);
    EXPECT_EQ(copy.copied, 2);
    EXPECT_FALSE(copy.stopped_by_error);
    std::ifstream in(crv::To_Wide(root + "\\sys\\stdole2.tlb").c_str());
    std::string content;
    in >> content;
    EXPECT_EQ(content, "new");
    ASSERT_TRUE(access.file_exists(root + "\\sys\\comcat.dll", exists));
    EXPECT_TRUE(exists);

    // A copy that cannot happen raises an error with the system's reason.
    crv::Clear_Error();
    EXPECT_FALSE(access.copy_file(root + "\\prog\\nothing.dll", root + "\\sys\\nothing.dll"));
    EXPECT_EQ(crv::Pending_Error().number, ERROR_FILE_NOT_FOUND);
    crv::Clear_Error();
}

}  // namespace
