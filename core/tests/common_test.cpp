#include "core/common.h"
#include "core/utf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>


namespace {

using crv::Format_Size;

TEST(FormatSize, SwitchesUnitsExactlyAtTheBoundaries) {
    EXPECT_EQ(Format_Size(0, false), "0 bytes");
    EXPECT_EQ(Format_Size(512, false), "512 bytes");
    EXPECT_EQ(Format_Size(1023, false), "1023 bytes");
    EXPECT_EQ(Format_Size(1023.5, false), "1023.5 bytes");
    EXPECT_EQ(Format_Size(1024, false), "1.00 KB");
    EXPECT_EQ(Format_Size(1048575, false), "1024.00 KB");
    EXPECT_EQ(Format_Size(1048576, false), "1.00 MB");
    EXPECT_EQ(Format_Size(1073741823, false), "1024.00 MB");
    EXPECT_EQ(Format_Size(1073741824, false), "1.00 GB");
    // No unit above GB.
    EXPECT_EQ(Format_Size(5.0 * 1024 * 1024 * 1024 * 1024, false), "5120.00 GB");
    // No thousands separator, whatever the size.
    EXPECT_EQ(Format_Size(1234567.0 * 1073741824.0, false), "1234567.00 GB");
}

TEST(FormatSize, HalvesRoundAwayFromZero) {
    // 1152 / 1024 = 1.125 exactly: an even-rounding formatter would give 1.12.
    EXPECT_EQ(Format_Size(1152, false), "1.13 KB");
    // 1.375 and 2.625 exactly.
    EXPECT_EQ(Format_Size(1408, false), "1.38 KB");
    EXPECT_EQ(Format_Size(2.625 * 1048576, false), "2.63 MB");
    // Just below a half stays down: 1.00488... KB.
    EXPECT_EQ(Format_Size(1029, false), "1.00 KB");
    // Rounding carries into the whole part.
    EXPECT_EQ(Format_Size(1.999 * 1024 * 1024 * 1024, false), "2.00 GB");
    EXPECT_EQ(crv::Fixed_Number_Text(9.995, 2), "9.99");  // 9.99499999... in binary
    EXPECT_EQ(crv::Fixed_Number_Text(0.5, 0), "1");
    EXPECT_EQ(crv::Fixed_Number_Text(-2.5, 0), "-3");
    EXPECT_EQ(crv::Fixed_Number_Text(-0.001, 2), "0.00");
}

TEST(FormatSize, AppendsThePlainCountInEveryUnit) {
    EXPECT_EQ(Format_Size(512, true), "512 bytes(512 bytes)");
    EXPECT_EQ(Format_Size(1536, true), "1.50 KB(1536 bytes)");
    EXPECT_EQ(Format_Size(3145728, true), "3.00 MB(3145728 bytes)");
    EXPECT_EQ(Format_Size(8589934592.0, true), "8.00 GB(8589934592 bytes)");
    EXPECT_EQ(Format_Size(0.25, true), "0.25 bytes(0.25 bytes)");
}

TEST(FormatDuration, UnitsAndTheirEdges) {
    using crv::Format_Duration;
    EXPECT_EQ(Format_Duration(0), "0 secs");
    EXPECT_EQ(Format_Duration(45), "45 secs");
    EXPECT_EQ(Format_Duration(59), "59 secs");
    EXPECT_EQ(Format_Duration(59.5), "59.5 secs");
    EXPECT_EQ(Format_Duration(60), "1 mins, 0 secs");
    EXPECT_EQ(Format_Duration(61), "1 mins, 1 secs");
    EXPECT_EQ(Format_Duration(3599), "59 mins, 59 secs");
    EXPECT_EQ(Format_Duration(3600), "1 hours, 0 mins, 0 secs");
    EXPECT_EQ(Format_Duration(86399), "23 hours, 59 mins, 59 secs");
    EXPECT_EQ(Format_Duration(86400), "");
    EXPECT_EQ(Format_Duration(1e9), "");
    EXPECT_EQ(Format_Duration(90 * 60), "1 hours, 30 mins, 0 secs");  // battery minutes x 60
}

TEST(FormatDuration, HalvesRoundToEven) {
    using crv::Format_Duration;
    // 90.5 rounds to 90, 30.5 to 30; 91.5 to 92, 31.5 to 32.
    EXPECT_EQ(Format_Duration(90.5), "1 mins, 30 secs");
    EXPECT_EQ(Format_Duration(91.5), "1 mins, 32 secs");
    // round(119.5) = 120 gives 2 minutes; the remainder -0.5 rounds to 0.
    EXPECT_EQ(Format_Duration(119.5), "2 mins, 0 secs");
    EXPECT_EQ(Format_Duration(3661.5), "1 hours, 1 mins, 2 secs");
    EXPECT_EQ(Format_Duration(3660.5), "1 hours, 1 mins, 0 secs");
}

TEST(FormatWmiDate, FixedPositions) {
    using crv::Format_WMI_Date;
    EXPECT_EQ(Format_WMI_Date(""), "");
    EXPECT_EQ(Format_WMI_Date("20230415123005.000000+060"), "04/15/2023 12:30:05");
    EXPECT_EQ(Format_WMI_Date("20230415123005"), "04/15/2023 12:30:05");
    // Wine's two-digit offset (24 characters) and odd offsets read the same.
    EXPECT_EQ(Format_WMI_Date("20231015191000.000000+00"), "10/15/2023 19:10:00");
    EXPECT_EQ(Format_WMI_Date("19991231235959.999999-330"), "12/31/1999 23:59:59");
    EXPECT_EQ(Format_WMI_Date("20010101000000.000000+765"), "01/01/2001 00:00:00");
    // A text that is no WMI date (short, or not digits) comes back as it is.
    EXPECT_EQ(Format_WMI_Date("2023"), "2023");
    EXPECT_EQ(Format_WMI_Date("2023041"), "2023041");
    EXPECT_EQ(Format_WMI_Date("202304151230"), "202304151230");
}

TEST(MakeDisplayName, CaptionsFromPropertyNames) {
    using crv::Make_Display_Name;
    EXPECT_EQ(Make_Display_Name("NumberOfCores"), "Number Of Cores");
    EXPECT_EQ(Make_Display_Name("PNPDeviceID"), "PNP Device ID");
    EXPECT_EQ(Make_Display_Name("MACAddress"), "MAC Address");
    EXPECT_EQ(Make_Display_Name("SMBIOSBIOSVersion"), "SMBIOSBIOS Version");
    EXPECT_EQ(Make_Display_Name("L2CacheSize"), "L2 Cache Size");
    EXPECT_EQ(Make_Display_Name("IPv6Enabled"), "I Pv6 Enabled");
    EXPECT_EQ(Make_Display_Name("OSVersion"), "OS Version");
    EXPECT_EQ(Make_Display_Name("caption"), "Caption");
    EXPECT_EQ(Make_Display_Name("WakeUpA"), "Wake UpA");
    EXPECT_EQ(Make_Display_Name(""), "");
    EXPECT_EQ(Make_Display_Name("x"), "X");
    EXPECT_EQ(Make_Display_Name("ID"), "ID");
    // Each insertion hides one more character at the end from the walk.
    EXPECT_EQ(Make_Display_Name("aBcDeF"), "A Bc DeF");
    // Only A-Z count as capitals, only a-z as small letters.
    EXPECT_EQ(Make_Display_Name("\u00e9t\u00c9Ab"), "\u00c9t\u00c9 Ab");
}

TEST(ScrambleText, IsItsOwnInverseAndKeepsEvery32ndUnit) {
    using crv::Scramble_Text;
    EXPECT_EQ(Scramble_Text(""), "");
    EXPECT_EQ(Scramble_Text("A"), "@");  // 0x41 ^ 1
    EXPECT_EQ(Scramble_Text("abc"), std::string("`") + "`" + "`");  // 0x61^1, 0x62^2, 0x63^3
    std::string long_text;
    for (int i = 0; i < 70; ++i) long_text += static_cast<char>('A' + i % 26);
    const std::string scrambled = Scramble_Text(long_text);
    ASSERT_EQ(scrambled.size(), long_text.size());
    EXPECT_EQ(scrambled[31], long_text[31]);
    EXPECT_EQ(scrambled[63], long_text[63]);
    EXPECT_NE(scrambled[32], long_text[32]);
    EXPECT_EQ(Scramble_Text(scrambled), long_text);
    // Counted in UTF-16 code units: a character outside the BMP takes two.
    const std::string wide = "p\u00e4\U0001F600w!";
    EXPECT_EQ(Scramble_Text(Scramble_Text(wide)), wide);
    EXPECT_NE(Scramble_Text(wide), wide);
    EXPECT_EQ(Scramble_Text(wide).substr(0, 1), "q");
    EXPECT_EQ(Scramble_Text(wide).back(), static_cast<char>('!' ^ 6));
}

TEST(GetField, SplitsAtTheSeparatorOnly) {
    using crv::Get_Field;
    const std::string packed = std::string("12") + std::string(crv::Row_Key_Separator) + "Win32_BIOS" +
                               crv::Row_Key_Separator_Char + crv::Row_Key_Separator_Char + "last";
    EXPECT_EQ(crv::Row_Key_Separator, std::string_view("\x0B"));
    EXPECT_EQ(Get_Field(packed, 0), "12");
    EXPECT_EQ(Get_Field(packed, 1), "Win32_BIOS");
    EXPECT_EQ(Get_Field(packed, 2), "");
    EXPECT_EQ(Get_Field(packed, 3), "last");
    EXPECT_EQ(Get_Field(packed, 4), "");
    EXPECT_EQ(Get_Field(packed, 1000), "");
    EXPECT_EQ(Get_Field("plain|text,x", 0), "plain|text,x");
    EXPECT_EQ(Get_Field("plain", 1), "");
    EXPECT_EQ(Get_Field("", 0), "");
    EXPECT_EQ(Get_Field("a\x0B", 1), "");
    EXPECT_EQ(Get_Field("\x0B" "b", 0), "");
    EXPECT_EQ(Get_Field("\x0B" "b", 1), "b");
}

TEST(SetMaskBit, SetsAndClearsAndDropsBit31WhenClearing) {
    using crv::Set_Mask_Bit;
    EXPECT_EQ(Set_Mask_Bit(0, 4, true), 4);
    EXPECT_EQ(Set_Mask_Bit(5, 4, true), 5);
    EXPECT_EQ(Set_Mask_Bit(7, 2, false), 5);
    EXPECT_EQ(Set_Mask_Bit(5, 2, false), 5);
    EXPECT_EQ(Set_Mask_Bit(INT32_MIN | 1, 1, false), 0);
    EXPECT_EQ(Set_Mask_Bit(1, INT32_MIN, true), INT32_MIN | 1);
    EXPECT_EQ(Set_Mask_Bit(-1, 0, false), INT32_MAX);
}

TEST(OsVersionCode, Table) {
    using crv::OS_Version_Code;
    EXPECT_EQ(OS_Version_Code(1, 4, 0), 1400);
    EXPECT_EQ(OS_Version_Code(1, 4, 10), 1410);
    EXPECT_EQ(OS_Version_Code(1, 4, 90), 0);
    EXPECT_EQ(OS_Version_Code(2, 3, 51), 2351);
    EXPECT_EQ(OS_Version_Code(2, 3, 50), 2300);
    EXPECT_EQ(OS_Version_Code(2, 4, 7), 2400);
    EXPECT_EQ(OS_Version_Code(2, 5, 0), 2500);
    EXPECT_EQ(OS_Version_Code(2, 5, 1), 2501);
    EXPECT_EQ(OS_Version_Code(2, 5, 2), 2502);
    EXPECT_EQ(OS_Version_Code(2, 5, 3), 2500);
    EXPECT_EQ(OS_Version_Code(2, 6, 1), 2601);
    EXPECT_EQ(OS_Version_Code(2, 6, 2), 2600);
    EXPECT_EQ(OS_Version_Code(2, 10, 0), 0);
    EXPECT_EQ(OS_Version_Code(3, 6, 1), 0);
}

TEST(SmallRoutines, VersionTextArraysAndCounters) {
    EXPECT_EQ(crv::Get_Version_Text(), "Version: 4.0 Build:4004");
    EXPECT_FALSE(crv::Is_String_Array_Dimensioned({}));
    EXPECT_TRUE(crv::Is_String_Array_Dimensioned({""}));
    EXPECT_FALSE(crv::Is_Array_Dimensioned(std::vector<std::vector<std::string>>{}));
    EXPECT_TRUE(crv::Is_Array_Dimensioned(std::vector<std::vector<std::string>>{{"NAME"}}));
}

}  // namespace

namespace {

TEST(Utf, IllFormedInputBecomesReplacementCharacters) {
    using crv::Utf16_To_Utf8;
    using crv::Utf8_To_Utf16;
    EXPECT_EQ(Utf8_To_Utf16("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), std::u16string(u"a\u00E9\u20AC\U0001F600"));
    EXPECT_EQ(Utf8_To_Utf16("\xC3"), std::u16string(u"\uFFFD"));                 // cut short at the end
    EXPECT_EQ(Utf8_To_Utf16("\xE2\x82" "A"), std::u16string(u"\uFFFDA"));        // cut short mid-text
    EXPECT_EQ(Utf8_To_Utf16("\xC0\xAF"), std::u16string(u"\uFFFD"));             // overlong
    EXPECT_EQ(Utf8_To_Utf16("\xED\xA0\x80"), std::u16string(u"\uFFFD"));         // encoded surrogate
    EXPECT_EQ(Utf8_To_Utf16("\xFF" "b"), std::u16string(u"\uFFFDb"));
    EXPECT_EQ(Utf16_To_Utf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
    EXPECT_EQ(Utf16_To_Utf8(u"\u00E9\U0001F600"), "\xC3\xA9\xF0\x9F\x98\x80");
}

}  // namespace
