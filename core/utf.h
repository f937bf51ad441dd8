#pragma once
// Portable UTF-8 <-> UTF-16 conversion for the routines that work on UTF-16
// code units (as the Windows side counts characters). Ill-formed input turns
// into U+FFFD instead of failing.
#include <string>
#include <string_view>

namespace crv {

std::u16string Utf8_To_Utf16(std::string_view text);
std::string Utf16_To_Utf8(std::u16string_view text);

// The text with each ill-formed UTF-8 sequence (a stray byte, a sequence cut
// short, an overlong form, a surrogate, a code point past U+10FFFF) replaced
// by one replacement character; well-formed text comes back unchanged.
std::string Valid_Utf8(std::string_view text, char replacement);
// True when the text holds no ill-formed sequence (Valid_Utf8 would keep it).
bool Is_Valid_Utf8(std::string_view text);

}  // namespace crv
