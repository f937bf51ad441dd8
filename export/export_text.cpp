#include "export/export_text.h"

#include <array>
#include <bit>
#include <cstdint>

#include "core/utf.h"

namespace crv {
namespace {

// What a byte is to a format: copied, escaped, dropped, or part of a
// multi-byte character (every byte from 0x80 up).
enum Byte_Class : unsigned char { Plain, Escape, Drop, High };
using Class_Table = std::array<Byte_Class, 256>;

template <char... Specials>
constexpr Class_Table Classes() {
    Class_Table table{};
    for (int b = 0x80; b < 0x100; ++b) table[b] = High;
    ((table[static_cast<unsigned char>(Specials)] = Escape), ...);
    table[0] = Drop;
    return table;
}

constexpr std::uint64_t Ones = 0x0101010101010101ULL;
constexpr std::uint64_t Highs = 0x8080808080808080ULL;

// Bytes of the word equal to c, as their high bits (exact enough when the
// word is ASCII, which is all it is asked about: a false mark can only
// follow a true one).
constexpr std::uint64_t Equal_Bytes(std::uint64_t word, char c) {
    const std::uint64_t x = word ^ (Ones * static_cast<unsigned char>(c));
    return (x - Ones) & ~x & Highs;
}

// The bytes of the word that are NUL, a special, or 0x80 and up, as their
// high bits; only the lowest mark is exact, which is the one used.
template <char... Specials>
std::uint64_t Marks(std::uint64_t word) {
    return (word & Highs) | Equal_Bytes(word, '\0') | (Equal_Bytes(word, Specials) | ... | 0);
}

// The next bytes from s[i], up to eight, as one word (the first in the low
// byte) and how many of them are the text's; the rest are zero.
std::uint64_t Load(const char* s, std::size_t i, std::size_t size, std::size_t& got) {
    std::uint64_t word = 0;
    if (i + 8 <= size) {
        std::memcpy(&word, s + i, 8);
        got = 8;
    } else if (size >= 8) {
        std::memcpy(&word, s + size - 8, 8);  // the last word, read back over bytes already done
        word >>= 8 * (i - (size - 8));
        got = size - i;
    } else {
        got = size - i;  // a short text: byte by byte, cheaper than a copy of unknown length
        for (std::size_t k = 0; k < got; ++k) word |= std::uint64_t{static_cast<unsigned char>(s[i + k])} << (8 * k);
    }
    return word;
}

// How many bytes of the loaded word are plain.
template <char... Specials>
std::size_t Plain_Bytes(std::uint64_t word, std::size_t got) {
    std::uint64_t marks = Marks<Specials...>(word);
    if (got < 8) marks &= (std::uint64_t{1} << (8 * got)) - 1;
    return marks == 0 ? got : static_cast<std::size_t>(std::countr_zero(marks)) / 8;
}

// The length of the well-formed character at s[i] (a byte from 0x80 up), or 0.
std::size_t Character_At(const char* s, std::size_t i, std::size_t size) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b >= 0xC2 && b <= 0xDF)  // two bytes, the common case
        return i + 1 < size && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80 ? 2 : 0;
    const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    return i + length <= size && Is_Valid_Utf8(std::string_view(s + i, length)) ? length : 0;
}

// The one pass: plain bytes a word at a time (the whole word is stored,
// the output moves on by its plain bytes: the room has Room_Slack for it),
// specials through `escape`, NULs dropped, characters from 0x80 up checked
// and copied.
template <char... Specials, class Escape_Byte>
char* Put_Escaped(char* p, std::string_view text, const Class_Table& classes, Escape_Byte escape,
                  bool& ill_formed) {
    const char* s = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        std::size_t got = 0;
        const std::uint64_t word = Load(s, i, size, got);
        const std::size_t plain = Plain_Bytes<Specials...>(word, got);
        std::memcpy(p, &word, 8);
        p += plain;
        i += plain;
        if (plain == got) continue;
        switch (classes[static_cast<unsigned char>(s[i])]) {
        case Escape: p = escape(p, s[i]); ++i; break;
        case Drop: ++i; break;
        default: {
            std::size_t length = Character_At(s, i, size);
            if (length == 0) {
                ill_formed = true;  // copied as it is; the file's pass repairs it
                length = 1;
            }
            for (std::size_t k = 0; k < length; ++k) *p++ = s[i++];
        }
        }
    }
    return p;
}

constexpr Class_Table Csv_Classes = Classes<'"'>();
constexpr Class_Table Html_Classes = Classes<'&', '<', '>', '"'>();
constexpr Class_Table Text_Classes = Classes<'\r', '\n'>();

}  // namespace

char* Put_Csv_Field(char* p, std::string_view s, bool& ill_formed) {
    *p++ = '"';
    p = Put_Escaped<'"'>(
        p, s, Csv_Classes, [](char* q, char) { return Put(q, "\"\""); }, ill_formed);
    *p++ = '"';
    return p;
}

char* Put_Html(char* p, std::string_view s, bool& ill_formed) {
    return Put_Escaped<'&', '<', '>', '"'>(
        p, s, Html_Classes,
        [](char* q, char c) {
            switch (c) {
            case '&': return Put(q, "&amp;");
            case '<': return Put(q, "&lt;");
            case '>': return Put(q, "&gt;");
            default: return Put(q, "&quot;");
            }
        },
        ill_formed);
}

std::size_t Plain_Char_Count(std::string_view text) {
    const char* s = text.data();
    const std::size_t size = text.size();
    std::size_t n = 0;
    for (std::size_t i = 0; i < size;) {
        std::size_t got = 0;
        const std::uint64_t word = Load(s, i, size, got);  // before got is read
        const std::size_t plain = Plain_Bytes<'\r', '\n'>(word, got);
        n += plain;
        i += plain;
        if (plain == got) continue;
        if (Text_Classes[static_cast<unsigned char>(s[i])] != High) return std::string_view::npos;
        const std::size_t length = Character_At(s, i, size);
        if (length == 0) return std::string_view::npos;
        i += length;
        ++n;
    }
    return n;
}

}  // namespace crv
