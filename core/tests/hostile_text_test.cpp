// Hostile names and numbers: file names built from computer names, WQL
// names, control characters in credentials, ill-formed UTF-8, numbers past
// the 64-bit range, and a bounded fuzz loop over the text routines.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "core/common.h"
#include "core/names.h"
#include "core/utf.h"

namespace crv {
namespace {

constexpr std::int64_t Max64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Min64 = std::numeric_limits<std::int64_t>::min();

TEST(CleanFileName, RefusedCharactersBecomeUnderscores) {
    EXPECT_EQ(Clean_File_Name("PC7"), "PC7");
    EXPECT_EQ(Clean_File_Name("..\\..\\..\\ESCAPED"), ".._.._.._ESCAPED");
    EXPECT_EQ(Clean_File_Name("../../x"), ".._.._x");
    EXPECT_EQ(Clean_File_Name("a:b*c?d\"e<f>g|h"), "a_b_c_d_e_f_g_h");
    EXPECT_EQ(Clean_File_Name("tab\there\nCR\r\x7F" "end"), "tab_here_CR__end");
    EXPECT_EQ(Clean_File_Name(std::string("nul\0byte", 8)), "nul_byte");
    EXPECT_EQ(Clean_File_Name("c1\xC2\x85" "x"), "c1_x");  // U+0085, a C1 control
    // Letters of every script stay.
    EXPECT_EQ(Clean_File_Name("Zo\xC3\xAB-Laptop"), "Zo\xC3\xAB-Laptop");
    EXPECT_EQ(Clean_File_Name("\xD0\x9A\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB-\xD0\x9F\xD0\x9A"),
              "\xD0\x9A\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB-\xD0\x9F\xD0\x9A");
    EXPECT_EQ(Clean_File_Name("O'Brien's PC"), "O'Brien's PC");
    EXPECT_EQ(Clean_File_Name("bad\xFF" "utf"), "bad_utf");
}

TEST(CleanFileName, NeverAFolderStepOrADevice) {
    EXPECT_EQ(Clean_File_Name(""), "_");
    EXPECT_EQ(Clean_File_Name("."), "_");
    EXPECT_EQ(Clean_File_Name(".."), "__");
    EXPECT_EQ(Clean_File_Name("name. "), "name__");
    EXPECT_EQ(Clean_File_Name("CON"), "_CON");
    EXPECT_EQ(Clean_File_Name("con.txt"), "_con.txt");
    EXPECT_EQ(Clean_File_Name("LPT9"), "_LPT9");
    EXPECT_EQ(Clean_File_Name("COM0"), "COM0");
    EXPECT_EQ(Clean_File_Name("CONSOLE"), "CONSOLE");
    // Whatever comes in, nothing separates folders in what goes out.
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string name;
        for (int i = random() % 12; i > 0; --i) name += static_cast<char>(random() % 256);
        const std::string clean = Clean_File_Name(name);
        EXPECT_EQ(clean.find_first_of("\\/:*?\"<>|"), std::string::npos);
        EXPECT_FALSE(Has_Control_Characters(clean));
        EXPECT_NE(clean, "..");
        EXPECT_EQ(Valid_Utf8(clean, '?'), clean);
    }
}

TEST(WqlName, OnlyIdentifiers) {
    for (const char* good : {"Name", "Win32_Process", "_x", "A1", "MSAcpi_ThermalZoneTemperature"})
        EXPECT_TRUE(Is_Wql_Name(good)) << good;
    for (const char* bad : {"", "1A", "X FROM Win32_Process WHERE Name", "Name,Caption", "a-b", "*", "Na me",
                            "Name;", "N\xC3\xA4me", "Name'"})
        EXPECT_FALSE(Is_Wql_Name(bad)) << bad;
}

TEST(ControlCharacters, FoundInCredentials) {
    EXPECT_FALSE(Has_Control_Characters("abcdefgh ij"));
    EXPECT_FALSE(Has_Control_Characters("P@ss w\xC3\xB6rd \xD0\x9F"));
    EXPECT_TRUE(Has_Control_Characters("abcdefgh\tij"));
    EXPECT_TRUE(Has_Control_Characters(std::string("a\0b", 3)));
    EXPECT_TRUE(Has_Control_Characters("line\r\n"));
    EXPECT_TRUE(Has_Control_Characters("del\x7F"));
    EXPECT_TRUE(Has_Control_Characters("c1\xC2\x9F"));
    // Every character that the scramble can turn into NUL is refused: the
    // scramble XORs position mod 32 into the code, so only codes below 32 can.
    for (int position = 1; position <= 64; ++position) {
        const char c = static_cast<char>(position % 32);
        if (c == 0) continue;
        std::string text(static_cast<std::size_t>(position - 1), 'a');
        text += c;
        EXPECT_EQ(Scramble_Text(text)[static_cast<std::size_t>(position - 1)], '\0');
        EXPECT_TRUE(Has_Control_Characters(text));
    }
}

TEST(ValidUtf8, OneReplacementPerBrokenSequence) {
    EXPECT_EQ(Valid_Utf8("plain", '?'), "plain");
    EXPECT_EQ(Valid_Utf8("Zo\xC3\xAB \xF0\x9F\x98\x80", '?'), "Zo\xC3\xAB \xF0\x9F\x98\x80");
    EXPECT_EQ(Valid_Utf8("a\xFF" "b", '?'), "a?b");
    EXPECT_EQ(Valid_Utf8("\xE2\x82" "x", '?'), "?x");           // cut short: one character
    EXPECT_EQ(Valid_Utf8("\xF0\x9F\x98", '?'), "?");            // cut short at the end
    EXPECT_EQ(Valid_Utf8("\xC0\xAF", '?'), "??");               // overlong: two stray bytes
    EXPECT_EQ(Valid_Utf8("\xED\xA0\x80", '?'), "???");          // a surrogate
    EXPECT_EQ(Valid_Utf8("\xF4\x90\x80\x80", '?'), "????");     // past U+10FFFF
    EXPECT_EQ(Valid_Utf8("\x80\x80", '_'), "__");
}

TEST(SaturatingNumbers, NeverWrapNorOverflow) {
    std::size_t used = 0;
    EXPECT_EQ(Parse_Leading_Int64("9223372036854775807", used), Max64);
    EXPECT_EQ(used, 19u);
    EXPECT_EQ(Parse_Leading_Int64("9223372036854775808", used), Max64);
    EXPECT_EQ(Parse_Leading_Int64("18446744073709551615", used), Max64);
    EXPECT_EQ(used, 20u);
    EXPECT_EQ(Parse_Leading_Int64("-9223372036854775808", used), Min64);
    EXPECT_EQ(Parse_Leading_Int64("-9223372036854775809", used), Min64);
    EXPECT_EQ(Parse_Leading_Int64("-99999999999999999999999999x", used), Min64);
    EXPECT_EQ(used, 27u);
    EXPECT_EQ(Parse_Leading_Int64("+42 K", used), 42);
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(Parse_Leading_Int64("-", used), 0);
    EXPECT_EQ(used, 0u);
    EXPECT_EQ(Parse_Leading_Int64("", used), 0);

    EXPECT_EQ(Clamp_To_Int64(1e300), Max64);
    EXPECT_EQ(Clamp_To_Int64(-1e300), Min64);
    EXPECT_EQ(Clamp_To_Int64(9223372036854775808.0), Max64);
    EXPECT_EQ(Clamp_To_Int64(-9223372036854775808.0), Min64);
    EXPECT_EQ(Clamp_To_Int64(std::numeric_limits<double>::infinity()), Max64);
    EXPECT_EQ(Clamp_To_Int64(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Clamp_To_Int64(-2.9), -2);
    EXPECT_EQ(Clamp_To_Int32(Max64), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Clamp_To_Int32(Min64), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Clamp_To_Int32(-5), -5);
}

TEST(WmiDate, WholeCharactersOnly) {
    // Non-ASCII text is no date and comes back whole, never cut inside a character.
    const std::string cyrillic = "\xD0\x9A\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB-\xD0\x9F\xD0\x9A";
    EXPECT_EQ(Format_WMI_Date(cyrillic), cyrillic);
    EXPECT_EQ(Format_WMI_Date("2023041512300\xC3\xA9.000000+000"), "2023041512300\xC3\xA9.000000+000");
    EXPECT_EQ(Format_WMI_Date("not a date at all, really"), "not a date at all, really");
    EXPECT_EQ(Format_WMI_Date("********123000.000000+000"), "**/**/**** 12:30:00");
}

// A bounded fuzz loop (about two seconds at most) over the number, date,
// size and field routines: under the sanitizers any overflow, bad cast or
// out-of-range read stops the test; the checks catch invalid UTF-8 output.
TEST(Fuzz, TextAndNumberRoutinesHoldUnderRandomInput) {
    std::mt19937_64 random(20261209);
    const std::string alphabet = std::string("0123456789+-. *\x0B\xC3\xA9\xD0\x9F\xFF\x80", 22) + "abcXYZ";
    auto random_text = [&](std::size_t max) {
        std::string s;
        for (std::size_t i = random() % (max + 1); i > 0; --i) s += alphabet[random() % alphabet.size()];
        return s;
    };
    auto random_double = [&]() {
        switch (random() % 5) {
        case 0: return static_cast<double>(static_cast<std::int64_t>(random()));
        case 1: return std::ldexp(static_cast<double>(random() % 1000000), static_cast<int>(random() % 2100) - 1050);
        case 2: return -std::ldexp(static_cast<double>(random() % 1000000), static_cast<int>(random() % 200));
        case 3: return std::numeric_limits<double>::infinity() * ((random() % 2) ? 1 : -1);
        default: return static_cast<double>(random() % 200000) / 7.0;
        }
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (int round = 0; round < 20000 && std::chrono::steady_clock::now() < deadline; ++round) {
        const std::string text = random_text(30);
        std::size_t used = 0;
        const std::int64_t n = Parse_Leading_Int64(text, used);
        EXPECT_LE(used, text.size());
        if (used == 0) {
            EXPECT_EQ(n, 0);
        }
        (void)Clamp_To_Int32(n);
        const double d = random_double();
        (void)Clamp_To_Int64(d);
        EXPECT_FALSE(Format_Size(d, (random() % 2) != 0).empty());
        (void)Format_Duration(d);
        (void)Shortest_Number_Text(d);
        (void)Fixed_Number_Text(d, static_cast<int>(random() % 4));
        const std::string date = Format_WMI_Date(text);
        if (Valid_Utf8(text, '?') == text) {
            EXPECT_EQ(Valid_Utf8(date, '?'), date) << text;
        }
        (void)Get_Field(text, static_cast<std::int32_t>(random() % 5) - 1);
        const std::string caption = Make_Display_Name(text);
        EXPECT_EQ(Valid_Utf8(caption, '?'), caption);
        EXPECT_EQ(Scramble_Text(Scramble_Text(Valid_Utf8(text, '?'))), Valid_Utf8(text, '?'));
        (void)Clean_File_Name(text);
    }
}

}  // namespace
}  // namespace crv
