#include "export/export_text.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "core/utf.h"

namespace crv {
namespace {

// What a byte is to a format: copied, escaped, dropped, or the lead of a
// multi-byte character (every byte from 0x80 up).
enum Byte_Class : unsigned char { Plain, Escape, Drop, High };

template <char... Specials>
constexpr std::array<Byte_Class, 256> Classes() {
    std::array<Byte_Class, 256> table{};
    for (int b = 0x80; b < 0x100; ++b) table[b] = High;
    ((table[static_cast<unsigned char>(Specials)] = Escape), ...);
    table[0] = Drop;
    return table;
}

constexpr std::uint64_t Ones = 0x0101010101010101ULL;
constexpr std::uint64_t Highs = 0x8080808080808080ULL;

// Bytes of the word equal to c, as their high bits (exact when the word is
// ASCII, which is all it is asked about).
constexpr std::uint64_t Equal_Bytes(std::uint64_t word, char c) {
    const std::uint64_t x = word ^ (Ones * static_cast<unsigned char>(c));
    return (x - Ones) & ~x & Highs;
}

// Leading bytes of s from `at` that are plain ASCII for the format: none is
// NUL, a special, or 0x80 and up.
template <char... Specials>
std::size_t Plain_Run(std::string_view s, std::size_t at, const std::array<Byte_Class, 256>& classes) {
    std::size_t i = at;
    while (i + 8 <= s.size()) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if ((word & Highs) | Equal_Bytes(word, '\0') | (Equal_Bytes(word, Specials) | ... | 0)) break;
        i += 8;
    }
    while (i < s.size() && classes[static_cast<unsigned char>(s[i])] == Plain) ++i;
    return i - at;
}

std::size_t Lead_Length(unsigned char b) { return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2; }

// The length of the well-formed character at i, or 0.
std::size_t Character_At(std::string_view s, std::size_t i) {
    const std::size_t length = Lead_Length(static_cast<unsigned char>(s[i]));
    return i + length <= s.size() && Is_Valid_Utf8(s.substr(i, length)) ? length : 0;
}

// The one pass: plain runs whole, specials through `escape`, NULs dropped,
// characters from 0x80 up checked and copied.
template <char... Specials, class Escape_Byte>
void Append_Escaped(Export_Text& out, std::string_view s, const std::array<Byte_Class, 256>& classes,
                    Escape_Byte escape) {
    std::string& bytes = out.bytes;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t run = Plain_Run<Specials...>(s, i, classes);
        bytes.append(s.data() + i, run);
        i += run;
        if (i >= s.size()) break;
        const unsigned char b = static_cast<unsigned char>(s[i]);
        switch (classes[b]) {
        case Escape: escape(bytes, static_cast<char>(b)); ++i; break;
        case Drop: ++i; break;
        default: {
            std::size_t length = Character_At(s, i);
            if (length == 0) {
                out.ill_formed = true;  // copied as it is; the file's pass repairs it
                length = 1;
            }
            bytes.append(s.data() + i, length);
            i += length;
        }
        }
    }
}

constexpr auto Csv_Classes = Classes<'"'>();
constexpr auto Html_Classes = Classes<'&', '<', '>', '"'>();
constexpr auto Text_Classes = Classes<'\r', '\n'>();

}  // namespace

void Append_Csv_Field(Export_Text& out, std::string_view s) {
    out.bytes += '"';
    Append_Escaped<'"'>(out, s, Csv_Classes, [](std::string& bytes, char) { bytes += "\"\""; });
    out.bytes += '"';
}

void Append_Html(Export_Text& out, std::string_view s) {
    Append_Escaped<'&', '<', '>', '"'>(out, s, Html_Classes, [](std::string& bytes, char c) {
        switch (c) {
        case '&': bytes += "&amp;"; break;
        case '<': bytes += "&lt;"; break;
        case '>': bytes += "&gt;"; break;
        default: bytes += "&quot;"; break;
        }
    });
}

std::size_t Plain_Char_Count(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t run = Plain_Run<'\r', '\n'>(s, i, Text_Classes);
        n += run;
        i += run;
        if (i >= s.size()) break;
        if (Text_Classes[static_cast<unsigned char>(s[i])] != High) return std::string_view::npos;
        const std::size_t length = Character_At(s, i);
        if (length == 0) return std::string_view::npos;
        i += length;
        ++n;
    }
    return n;
}

}  // namespace crv
