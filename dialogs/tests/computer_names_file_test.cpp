// The computer names file: fields, decoding, control characters, names.
#include <gtest/gtest.h>

#include "dialogs/computer_names_file.h"

namespace crv {
namespace {

using Fields = std::vector<std::string>;

TEST(NamesFile, FieldsAreSeparatedByCommasAndEveryKindOfLineEnd) {
    EXPECT_EQ(Split_Names_File("PC1\r\nPC2\r\nPC3\r\n"), (Fields{"PC1", "PC2", "PC3"}));
    EXPECT_EQ(Split_Names_File("PC1,PC2\nPC3\rPC4"), (Fields{"PC1", "PC2", "PC3", "PC4"}));
    // Blank lines and doubled commas give empty fields (skipped later as names).
    EXPECT_EQ(Split_Names_File("A,,B\r\n\r\nC,"), (Fields{"A", "", "B", "", "C"}));
    EXPECT_EQ(Split_Names_File(""), Fields{});
}

TEST(NamesFile, QuotesAndBlanksAroundAField) {
    // The single line of the quoted and blank-padded file.
    EXPECT_EQ(Split_Names_File("\"pc-1\",  pc-2  ,PC 3\r\n"), (Fields{"pc-1", "pc-2", "PC 3"}));
    // Inside quotes commas and line ends belong to the field; what follows
    // the closing quote up to the separator is dropped.
    EXPECT_EQ(Split_Names_File("\t\"a,b\r\nc\" tail,D"), (Fields{"a,b\r\nc", "D"}));
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(Split_Names_File("X,\"open, still\nopen"), (Fields{"X", "open, still\nopen"}));
    EXPECT_EQ(Split_Names_File("\""), (Fields{""}));
}

TEST(NamesFile, NamesHoldingSeparatorsOrQuotesAreQuotedAndReadBackExactly) {
    const Fields names = {"A,B", "\"Q\"", "X\"Y", "\"", ",", "PLAIN", " PAD\t", "L1\r\nL2"};
    const std::string text = Names_File_Text(names);
    EXPECT_EQ(text.substr(0, 20), "\"A,B\"\r\n\"\"\"Q\"\"\"\r\n\"X\"\"");
    EXPECT_NE(text.find("\r\nPLAIN\r\n"), std::string::npos);  // a plain name stands as it is
    EXPECT_EQ(Split_Names_File(text), names);
    // Two quotes inside quotes stand for one in files written by others too.
    EXPECT_EQ(Split_Names_File("\"a\"\"b\",c"), (Fields{"a\"b", "c"}));
}

TEST(NamesFile, DecodingFollowsTheMarkThenUtf8ThenTheAnsiCodePage) {
    auto latin1 = [](const std::string& bytes) {
        std::string out;
        for (unsigned char c : bytes) {
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return out;
    };
    EXPECT_EQ(Decode_Names_File("ZO\xCB-PC\r\n", latin1), "ZO\xC3\x8B-PC\r\n");            // ANSI Ë
    EXPECT_EQ(Decode_Names_File("ZO\xC3\x8B-PC", latin1), "ZO\xC3\x8B-PC");                // UTF-8 without mark
    EXPECT_EQ(Decode_Names_File("\xEF\xBB\xBFPC1\r\n", latin1), "PC1\r\n");                // UTF-8 mark
    EXPECT_EQ(Decode_Names_File(std::string("\xFF\xFEP\0C\0\x1A\x04", 8), latin1), "PC\xD0\x9A");  // UTF-16
    EXPECT_EQ(Decode_Names_File("plain", latin1), "plain");
    // Not UTF-8 (a lone continuation byte, an overlong form): the code page.
    EXPECT_EQ(Decode_Names_File("A\x8B", latin1), "A\xC2\x8B");
    EXPECT_EQ(Decode_Names_File("\xC0\xAF", latin1), "\xC3\x80\xC2\xAF");
    // A truncated sequence at the very end is not UTF-8 either.
    EXPECT_EQ(Decode_Names_File("PC\xC3", latin1), "PC\xC3\x83");
}

TEST(NamesFile, ControlCharactersOfBothRangesAndDel) {
    EXPECT_FALSE(Has_Control_Character("ZO\xC3\x8B-PC_01.corp"));
    EXPECT_TRUE(Has_Control_Character("A\tB"));
    EXPECT_TRUE(Has_Control_Character(std::string("A\0B", 3)));
    EXPECT_TRUE(Has_Control_Character("A\x7F"));
    EXPECT_TRUE(Has_Control_Character("A\xC2\x85"));    // U+0085
    EXPECT_FALSE(Has_Control_Character("A\xC2\xA0"));   // U+00A0 is a space, not a control
}

TEST(NamesFile, ExportTextAndTheTextExtension) {
    EXPECT_EQ(Names_File_Text({"PC1", "PC2", "PC3"}), "PC1\r\nPC2\r\nPC3\r\n");
    EXPECT_EQ(Names_File_Text({}), "");
    bool appended = false;
    EXPECT_EQ(With_Text_Extension("C:\\out\\names", appended), "C:\\out\\names.txt");
    EXPECT_TRUE(appended);
    EXPECT_EQ(With_Text_Extension("C:\\out\\names.lst", appended), "C:\\out\\names.lst");
    EXPECT_FALSE(appended);
    EXPECT_EQ(With_Text_Extension("C:\\my.dir\\names", appended), "C:\\my.dir\\names.txt");
    EXPECT_TRUE(appended);
    EXPECT_EQ(With_Text_Extension("C:\\out\\names.", appended), "C:\\out\\names.txt");
    EXPECT_TRUE(appended);
}

}  // namespace
}  // namespace crv
