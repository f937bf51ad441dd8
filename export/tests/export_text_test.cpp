#include "export/export_text.h"

#include <gtest/gtest.h>

#include <string>

#ifndef _WIN32
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace crv {
namespace {

std::string Csv(std::string_view s, bool* ill_formed = nullptr) {
    Export_Text out;
    Append_Csv_Field(out, s);
    if (ill_formed) *ill_formed = out.ill_formed;
    return std::string(out.bytes.View());
}

std::string Html(std::string_view s) {
    Export_Text out;
    Append_Html(out, s);
    return std::string(out.bytes.View());
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

// The cell routines read a block past a cell's end only within its memory
// page: a cell that ends where the next page is not mapped is read, copied
// and counted like any other.
TEST(ExportText, ACellAtTheEndOfMappedMemoryIsReadWithoutFault) {
#ifdef _WIN32
    GTEST_SKIP() << "maps pages with mmap";
#else
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* mapped = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    char* base = static_cast<char*>(mapped);
    ASSERT_EQ(mprotect(base + page, page, PROT_NONE), 0);
    for (std::size_t length = 1; length <= 40; ++length) {
        char* cell = base + page - length;
        std::memset(cell, 'a', length);
        cell[length / 2] = '"';
        const std::string_view text(cell, length);
        std::string expected(text);
        expected.insert(length / 2, 1, '"');
        EXPECT_EQ(Csv(text), "\"" + expected + "\"") << length;
        std::string html(text);
        html.replace(length / 2, 1, "&quot;");
        EXPECT_EQ(Html(text), html) << length;
        cell[length / 2] = 'b';
        EXPECT_EQ(Plain_Char_Count(text), length);
        char copy[64 + Room_Slack];
        EXPECT_EQ(Put_Plain_Cell(copy, text), length);
        EXPECT_EQ(std::string_view(copy, length), text);
    }
    munmap(mapped, 2 * page);
#endif
}

}  // namespace
}  // namespace crv
