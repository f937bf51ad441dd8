#include "core/utf.h"

#include <cstdint>
#include <cstring>

namespace crv {
namespace {

constexpr char32_t Replacement = 0xFFFD;

void Append_Utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::u16string Utf8_To_Utf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        std::size_t need = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b0 < 0x80) { need = 0; cp = b0; }
        else if ((b0 & 0xE0) == 0xC0) { need = 1; cp = b0 & 0x1F; min = 0x80; }
        else if ((b0 & 0xF0) == 0xE0) { need = 2; cp = b0 & 0x0F; min = 0x800; }
        else if ((b0 & 0xF8) == 0xF0) { need = 3; cp = b0 & 0x07; min = 0x10000; }
        else { out += static_cast<char16_t>(Replacement); ++i; continue; }
        // Take continuation bytes while they come; a sequence cut short is
        // one replacement character and decoding resumes at the odd byte.
        std::size_t got = 0;
        while (got < need && i + 1 + got < n &&
               (static_cast<unsigned char>(text[i + 1 + got]) & 0xC0) == 0x80) {
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + 1 + got]) & 0x3F);
            ++got;
        }
        i += 1 + got;
        if (got < need || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += static_cast<char16_t>(Replacement);
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

namespace {

// The bytes a well-formed sequence starting at text[i] takes, or 0 when it is
// ill-formed; `got` the continuation bytes that fit (what one replacement
// character stands for). The second byte's range rules out overlong forms,
// surrogates and values past U+10FFFF.
std::size_t Sequence_At(std::string_view text, std::size_t i, std::size_t& got) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    got = 0;
    if (b0 < 0x80) return 1;
    std::size_t need = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) need = 1;
    else if (b0 == 0xE0) { need = 2; lo = 0xA0; }
    else if (b0 >= 0xE1 && b0 <= 0xEC) need = 2;
    else if (b0 == 0xED) { need = 2; hi = 0x9F; }
    else if (b0 >= 0xEE && b0 <= 0xEF) need = 2;
    else if (b0 == 0xF0) { need = 3; lo = 0x90; }
    else if (b0 >= 0xF1 && b0 <= 0xF3) need = 3;
    else if (b0 == 0xF4) { need = 3; hi = 0x8F; }
    while (need > 0 && got < need && i + 1 + got < text.size()) {
        const auto b = static_cast<unsigned char>(text[i + 1 + got]);
        const bool fits = got == 0 ? (b >= lo && b <= hi) : (b & 0xC0) == 0x80;
        if (!fits) break;
        ++got;
    }
    return need > 0 && got == need ? 1 + need : 0;
}

}  // namespace

bool Is_Valid_Utf8(std::string_view text) {
    std::size_t got = 0;
    for (std::size_t i = 0; i < text.size();) {
        // Runs of ASCII, eight bytes at a time: most text is ASCII.
        while (i + 8 <= text.size()) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + i, 8);
            if (word & 0x8080808080808080ULL) break;
            i += 8;
        }
        if (i >= text.size()) break;
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Sequence_At(text, i, got);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string Valid_Utf8(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t got = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Sequence_At(text, i, got);
        if (length > 0) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += replacement;  // the longest well-begun prefix is one character
            i += 1 + got;
        }
    }
    return out;
}

std::string Utf16_To_Utf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = Replacement;
        }
        Append_Utf8(out, cp);
    }
    return out;
}

}  // namespace crv
