#include "platform/win/settings_store.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr const char* App = "CorvalinSettingsTest";

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\CorvalinSettingsTest"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\CorvalinSettingsTest"); }
};

TEST_F(SettingsStoreTest, RoundTripAndDefaults) {
    EXPECT_EQ(crv::Get_Setting(App, "Layout", "Width", "7000"), "7000");
    EXPECT_EQ(crv::Get_Setting(App, "Layout", "Width"), "");

    ASSERT_TRUE(crv::Save_Setting(App, "Layout", "Width", "9120"));
    ASSERT_TRUE(crv::Save_Setting(App, "Layout", "Caption", "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"));
    ASSERT_TRUE(crv::Save_Setting(App, "Layout", "Empty", ""));
    EXPECT_EQ(crv::Get_Setting(App, "Layout", "Width", "7000"), "9120");
    EXPECT_EQ(crv::Get_Setting(App, "Layout", "Caption"), "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC");
    EXPECT_EQ(crv::Get_Setting(App, "Layout", "Empty", "x"), "");  // stored empty is not missing
    EXPECT_EQ(crv::Get_Setting(App, "Other", "Width", "1"), "1");

    ASSERT_TRUE(crv::Save_Setting(App, "Layout", "Width", "100"));
    EXPECT_EQ(crv::Get_Setting(App, "Layout", "Width"), "100");

    // Stored as text where other tools can read it.
    wchar_t buffer[32] = {};
    DWORD size = sizeof buffer;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\CorvalinSettingsTest\\Layout", L"Width", RRF_RT_REG_SZ,
                           nullptr, buffer, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(buffer, L"100");

    // A number written by another writer reads as text.
    const DWORD number = 42;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\CorvalinSettingsTest\\Layout", L"Number", REG_DWORD, &number,
                    sizeof number);
    EXPECT_EQ(crv::Get_Setting(App, "Layout", "Number"), "42");
}

TEST_F(SettingsStoreTest, DeleteKeyAndSection) {
    ASSERT_TRUE(crv::Save_Setting(App, "Tree", "a", "1"));
    ASSERT_TRUE(crv::Save_Setting(App, "Tree", "b", "2"));
    ASSERT_TRUE(crv::Save_Setting(App, "Export", "Folder", "C:\\out"));

    EXPECT_TRUE(crv::Delete_Setting(App, "Tree", "a"));
    EXPECT_EQ(crv::Get_Setting(App, "Tree", "a", "gone"), "gone");
    EXPECT_EQ(crv::Get_Setting(App, "Tree", "b"), "2");
    EXPECT_TRUE(crv::Delete_Setting(App, "Tree", "a"));  // again: nothing to do

    EXPECT_TRUE(crv::Delete_Setting(App, "Tree"));
    EXPECT_EQ(crv::Get_Setting(App, "Tree", "b", "gone"), "gone");
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\CorvalinSettingsTest\\Tree", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(crv::Get_Setting(App, "Export", "Folder"), "C:\\out");  // other sections stay
    EXPECT_TRUE(crv::Delete_Setting(App, "Missing"));

    EXPECT_FALSE(crv::Save_Setting("", "Tree", "a", "1"));
    EXPECT_EQ(crv::Get_Setting(App, "", "a", "d"), "d");
}

}  // namespace
