// clsRegistry under a test key of HKEY_CURRENT_USER that each test deletes.
#include "platform/win/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win/text.h"

namespace crv {
namespace {

constexpr std::int64_t HKCU = clsRegistry::Hkey_Current_User;

struct Registry : ::testing::Test {
    clsRegistry reg;
    std::string base = "Software\\CorvalinRegistryTest" + std::to_string(GetCurrentProcessId());

    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, To_Wide(base).c_str()); }

    // The raw type and bytes of a value, read past the class.
    DWORD Type_Of(const std::string& path, const std::string& name) {
        DWORD type = 0;
        RegGetValueW(HKEY_CURRENT_USER, To_Wide(path).c_str(), To_Wide(name).c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                     &type, nullptr, nullptr);
        return type;
    }
    void Put_Raw(const std::string& name, DWORD type, const void* data, DWORD size) {
        HKEY k;
        ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, To_Wide(base).c_str(), &k), ERROR_SUCCESS);
        RegSetValueExW(k, To_Wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(k);
    }
    RegistryValue Query(const std::string& name, std::int32_t& error) {
        return reg.RegQueryKeyValue(HKCU, base, name, error);
    }
};

TEST_F(Registry, CreatesTestsAndDeletesKeys) {
    EXPECT_FALSE(reg.RegKeyDoesExist(HKCU, base));
    EXPECT_FALSE(reg.CanOpenRegKey(HKCU, base));
    EXPECT_TRUE(reg.CreateKey(HKCU, base + "\\Outer\\Inner"));
    EXPECT_TRUE(reg.CreateKey(HKCU, base + "\\Outer\\Inner"));  // existing: still done
    EXPECT_TRUE(reg.RegKeyDoesExist(HKCU, base + "\\Outer\\Inner"));
    EXPECT_TRUE(reg.CanOpenRegKey(HKCU, base));
    // The root key as the sign-extended 64-bit handle is the same key.
    EXPECT_TRUE(reg.RegKeyDoesExist(static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(HKEY_CURRENT_USER)),
                                    base + "\\Outer"));

    EXPECT_FALSE(reg.DeleteKey(HKCU, base, "Outer"));  // it has a subkey
    EXPECT_FALSE(reg.DeleteKey(HKCU, base + "\\Outer", ""));  // would be the key itself
    EXPECT_TRUE(reg.RegKeyDoesExist(HKCU, base + "\\Outer"));
    EXPECT_TRUE(reg.DeleteKey(HKCU, base + "\\Outer", "Inner"));
    EXPECT_FALSE(reg.RegKeyDoesExist(HKCU, base + "\\Outer\\Inner"));
    EXPECT_FALSE(reg.DeleteKey(HKCU, base + "\\Missing", "Inner"));
    EXPECT_FALSE(reg.DeleteKey(HKCU, base + "\\Outer", "Inner"));  // already gone
}

TEST_F(Registry, WritesNumbersAsDwordAndOtherTextTrimmed) {
    EXPECT_TRUE(reg.RegSetKeyValue(HKCU, base + "\\New", "Count", std::string("42")));  // key created
    EXPECT_EQ(Type_Of(base + "\\New", "Count"), static_cast<DWORD>(REG_DWORD));
    std::int32_t error = -1;
    EXPECT_EQ(reg.RegQueryKeyValue(HKCU, base + "\\New", "Count", error), RegistryValue(42));
    EXPECT_EQ(error, 0);

    struct Case {
        RegistryValue in;
        DWORD type;
        RegistryValue out;
    };
    const Case cases[] = {
        {std::int32_t{-7}, REG_DWORD, std::int32_t{-7}},
        {std::string(" -2147483648 "), REG_DWORD, std::int32_t{INT32_MIN}},
        {std::string("+2147483647"), REG_DWORD, std::int32_t{INT32_MAX}},
        {std::string("0"), REG_DWORD, std::int32_t{0}},
        {std::string("007"), REG_SZ, std::string("007")},
        {std::string("1.5"), REG_SZ, std::string("1.5")},
        {std::string("-"), REG_SZ, std::string("-")},
        {std::string("  two words  "), REG_SZ, std::string("two words")},
        {std::string(""), REG_SZ, std::string("")},
    };
    int i = 0;
    for (const Case& c : cases) {
        const std::string name = "v" + std::to_string(i++);
        ASSERT_TRUE(reg.RegSetKeyValue(HKCU, base, name, c.in)) << name;
        EXPECT_EQ(Type_Of(base, name), c.type) << name;
        EXPECT_EQ(Query(name, error), c.out) << name;
    }
    // Too large for 32 bits: refused before the key is even created.
    EXPECT_FALSE(reg.RegSetKeyValue(HKCU, base + "\\Big", "n", std::string("2147483648")));
    EXPECT_FALSE(reg.RegSetKeyValue(HKCU, base + "\\Big", "n", std::string("-99999999999999999999")));
    EXPECT_FALSE(reg.RegKeyDoesExist(HKCU, base + "\\Big"));
}

TEST_F(Registry, CyrillicNamesAndDataSurvive) {
    const std::string key = base + "\\Настройки";
    ASSERT_TRUE(reg.RegSetKeyValue(HKCU, key, "Имя", std::string("Значение ёЁ")));
    std::int32_t error = -1;
    EXPECT_EQ(reg.RegQueryKeyValue(HKCU, key, "Имя", error), RegistryValue(std::string("Значение ёЁ")));
    EXPECT_EQ(error, 0);
    // What the wide API sees is the same text, not code-page question marks.
    wchar_t data[64] = {};
    DWORD size = sizeof data;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, To_Wide(key).c_str(), L"\u0418\u043c\u044f", RRF_RT_REG_SZ, nullptr,
                           data, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(To_Utf8(data), "Значение ёЁ");
    EXPECT_TRUE(reg.RegDeleteKeyValue(HKCU, key, "Имя"));
    EXPECT_EQ(reg.RegQueryKeyValue(HKCU, key, "Имя", error), RegistryValue(std::string()));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, ReadsEveryStoredFormOfText) {
    ASSERT_TRUE(reg.CreateKey(HKCU, base));
    const wchar_t with_zero[] = L"abc";
    Put_Raw("WithZero", REG_SZ, with_zero, sizeof with_zero);
    Put_Raw("NoZero", REG_SZ, L"abc", 3 * sizeof(wchar_t));
    Put_Raw("TwoZeros", REG_SZ, L"ab\0\0", 4 * sizeof(wchar_t));
    Put_Raw("Empty", REG_SZ, L"", 0);
    Put_Raw("Multi", REG_MULTI_SZ, L"one\0two\0\0", 9 * sizeof(wchar_t));
    Put_Raw("Binary", REG_BINARY, "xy\0z", 4);
    const std::uint64_t q = 0x4142;
    Put_Raw("Qword", REG_QWORD, &q, sizeof q);
    std::int32_t error = -1;
    EXPECT_EQ(Query("WithZero", error), RegistryValue(std::string("abc")));
    EXPECT_EQ(Query("NoZero", error), RegistryValue(std::string("abc")));  // no character lost
    EXPECT_EQ(error, 0);
    EXPECT_EQ(Query("TwoZeros", error), RegistryValue(std::string("ab")));
    error = -1;
    EXPECT_EQ(Query("Empty", error), RegistryValue(std::string()));
    EXPECT_EQ(error, 0);  // read without error
    EXPECT_EQ(Query("Multi", error), RegistryValue(std::string("one\0two", 7)));
    EXPECT_EQ(Query("Binary", error), RegistryValue(std::string("xy")));
    EXPECT_EQ(Query("Qword", error), RegistryValue(std::string("BA")));
}

TEST_F(Registry, MissingThingsReportTheirStatus) {
    std::int32_t error = 0;
    // The key cannot be opened: its open status.
    EXPECT_EQ(reg.RegQueryKeyValue(HKCU, base + "\\Nowhere", "x", error), RegistryValue(std::string()));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
    ASSERT_TRUE(reg.CreateKey(HKCU, base));
    error = 0;
    EXPECT_EQ(Query("absent", error), RegistryValue(std::string()));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(reg.RegDeleteKeyValue(HKCU, base, "absent"));
    EXPECT_FALSE(reg.RegDeleteKeyValue(HKCU, base + "\\Nowhere", "absent"));
    // RegDeleteKeyValue does not create the key it looked for.
    EXPECT_FALSE(reg.RegKeyDoesExist(HKCU, base + "\\Nowhere"));
}

}  // namespace
}  // namespace crv
