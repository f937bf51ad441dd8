#include "export/export_text.h"

#include <gtest/gtest.h>

#include <string>

namespace crv {
namespace {

std::string Csv(std::string_view s, bool* ill_formed = nullptr) {
    Export_Text out;
    Append_Csv_Field(out, s);
    if (ill_formed) *ill_formed = out.ill_formed;
    return out.bytes;
}

std::string Html(std::string_view s) {
    Export_Text out;
    Append_Html(out, s);
    return out.bytes;
}

TEST(ExportText, SpecialsAreFoundAtEveryPlaceOfAWord) {
    // The plain runs are skipped eight bytes at a time: a special in any
    // byte of a word, or right after one, must still be seen.
    for (std::size_t at = 0; at < 20; ++at) {
        std::string cell(20, 'x');
        cell[at] = '"';
        std::string csv = cell;
        csv.insert(at, 1, '"');
        EXPECT_EQ(Csv(cell), "\"" + csv + "\"") << at;
        cell[at] = '<';
        EXPECT_EQ(Html(cell), cell.substr(0, at) + "&lt;" + cell.substr(at + 1)) << at;
        cell[at] = '\0';
        EXPECT_EQ(Html(cell), std::string(19, 'x')) << at;
    }
    EXPECT_EQ(Html("a&b<c>d\"e"), "a&amp;b&lt;c&gt;d&quot;e");
    EXPECT_EQ(Csv(""), "\"\"");
    EXPECT_EQ(Csv("\"\""), "\"\"\"\"\"\"");
    // Other ASCII that only looks close to a special (one bit apart) stays.
    EXPECT_EQ(Html("#$%'()*+;=?@~\x7F"), "#$%'()*+;=?@~\x7F");
}

TEST(ExportText, CharactersPassCheckedAndOnlyIllFormedTextIsReported) {
    bool ill = true;
    EXPECT_EQ(Csv("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 longer than a word", &ill),
              "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 longer than a word\"");
    EXPECT_FALSE(ill);
    // A stray byte, a cut-off sequence, a surrogate, an overlong form: copied, reported.
    for (std::string_view bad : {"a\xFF" "b", "ab\xE2\x82", "\xED\xA0\x80x", "\xC0\xAFxxxxxxxxxx"}) {
        EXPECT_EQ(Csv(bad, &ill), "\"" + std::string(bad) + "\"");
        EXPECT_TRUE(ill) << bad;
    }
}

TEST(ExportText, PlainCharCountCountsCharactersAndRefusesWhatMustBeRepaired) {
    EXPECT_EQ(Plain_Char_Count(""), 0u);
    EXPECT_EQ(Plain_Char_Count("0123456789abcdefghij"), 20u);
    EXPECT_EQ(Plain_Char_Count("Zo\xC3\xAB in 20 characters"), 20u);
    EXPECT_EQ(Plain_Char_Count("\xE2\x82\xAC\xF0\x9F\x98\x80"), 2u);
    for (std::string_view refused : {std::string_view("0123456789\r\n"), std::string_view("012345678901\n"),
                                     std::string_view("01234567890\0", 12), std::string_view("x\xFF")})
        EXPECT_EQ(Plain_Char_Count(refused), std::string_view::npos) << refused;
}

}  // namespace
}  // namespace crv
