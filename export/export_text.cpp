#include "export/export_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "core/utf.h"

// Every x86-64 processor has SSE2, the one target of these programs.
#include <emmintrin.h>

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

// The length of the well-formed character at s[i] (a byte from 0x80 up), or 0.
std::size_t Character_At(const char* s, std::size_t i, std::size_t size) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b >= 0xC2 && b <= 0xDF)  // two bytes, the common case
        return i + 1 < size && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80 ? 2 : 0;
    const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    return i + length <= size && Is_Valid_Utf8(std::string_view(s + i, length)) ? length : 0;
}

// Sixteen bytes at a time. A block may be read past the end of the text,
// but never into the next memory page, so the read cannot fault; the bytes
// past the end are masked off and never used.
using Block = __m128i;
constexpr std::size_t Block_Bytes = 16;
constexpr std::uintptr_t Page_Bytes = 4096;

__attribute__((no_sanitize_address)) inline Block Load_Over(const char* p) {
    return _mm_loadu_si128(reinterpret_cast<const Block*>(p));
}

inline Block Load_Block(const char* s, std::size_t i, std::size_t size, std::size_t& got) {
    got = std::min(Block_Bytes, size - i);
    const char* at = s + i;
    if (got == Block_Bytes || (reinterpret_cast<std::uintptr_t>(at) % Page_Bytes) <= Page_Bytes - Block_Bytes)
        return Load_Over(at);
    alignas(16) char copy[Block_Bytes] = {};
    std::memcpy(copy, at, got);
    return _mm_load_si128(reinterpret_cast<const Block*>(copy));
}

inline void Store_Block(char* p, Block b) { _mm_storeu_si128(reinterpret_cast<Block*>(p), b); }

// How many bytes of the block, from its first, are plain.
template <char... Specials>
std::size_t Plain_In_Block(Block b, std::size_t got) {
    Block marks = _mm_cmpeq_epi8(b, _mm_setzero_si128());
    ((marks = _mm_or_si128(marks, _mm_cmpeq_epi8(b, _mm_set1_epi8(Specials)))), ...);
    std::uint32_t bits = static_cast<std::uint32_t>(_mm_movemask_epi8(marks) | _mm_movemask_epi8(b));
    bits &= (std::uint32_t{1} << got) - 1;
    return bits == 0 ? got : static_cast<std::size_t>(std::countr_zero(bits));
}
static_assert(Block_Bytes <= Room_Slack, "the room's slack takes one whole block");

// The one pass: plain bytes a block at a time (the whole block is stored,
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
        const Block block = Load_Block(s, i, size, got);
        const std::size_t plain = Plain_In_Block<Specials...>(block, got);
        Store_Block(p, block);
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

namespace {

// The one pass of a fixed-width cell: counts its characters and, when `p`
// is given, copies it there a block at a time.
std::size_t Count_Plain(char* p, std::string_view text) {
    const char* s = text.data();
    const std::size_t size = text.size();
    std::size_t n = 0;
    for (std::size_t i = 0; i < size;) {
        std::size_t got = 0;
        const Block block = Load_Block(s, i, size, got);  // before got is read
        const std::size_t plain = Plain_In_Block<'\r', '\n'>(block, got);
        if (p) Store_Block(p + i, block);
        n += plain;
        i += plain;
        if (plain == got) continue;
        if (Text_Classes[static_cast<unsigned char>(s[i])] != High) return std::string_view::npos;
        const std::size_t length = Character_At(s, i, size);
        if (length == 0) return std::string_view::npos;
        if (p) std::memcpy(p + i, s + i, length);
        i += length;
        ++n;
    }
    return n;
}

}  // namespace

std::size_t Plain_Char_Count(std::string_view text) { return Count_Plain(nullptr, text); }

std::size_t Put_Plain_Cell(char* p, std::string_view text) { return Count_Plain(p, text); }

char* Put_Short(char* p, std::string_view s) {
    if (s.size() > Block_Bytes) return Put(p, s);
    std::size_t got = 0;
    if (!s.empty()) Store_Block(p, Load_Block(s.data(), 0, s.size(), got));
    return p + s.size();
}

char* Put_Blanks(char* p, std::size_t count) {
    const Block blanks = _mm_set1_epi8(' ');
    for (std::size_t k = 0; k < count; k += Block_Bytes) Store_Block(p + k, blanks);
    return p + count;
}

}  // namespace crv
