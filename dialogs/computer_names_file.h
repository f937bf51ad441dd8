#pragma once
// The computer names file of the computer list manager: plain text, one name
// a line (Export writes CR LF after each), read back as fields separated by
// commas or line ends; a name that holds a comma or a quote is written in
// double quotes with its quotes doubled, so every name reads back as it was.
// Portable.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

// The most an import reads: a names file is small, anything larger is not one.
inline constexpr std::size_t Names_File_Max_Bytes = 1u << 20;

// The file's text as UTF-8: after a UTF-8 or UTF-16 (little-endian) byte
// order mark as marked; otherwise as UTF-8 when the bytes are UTF-8 and not
// plain ASCII (what Notepad writes today); otherwise in the ANSI code page
// through from_ansi.
std::string Decode_Names_File(const std::string& bytes,
                              const std::function<std::string(const std::string&)>& from_ansi);

// The fields of the text in order: separated by commas and line ends (CR LF,
// LF or CR); blanks and tabs around a field do not count; a field opening
// with a double quote runs to the next double quote (commas and line ends
// included, two quotes standing for one; an unclosed quote ends at the end
// of the text) and what follows up to the next separator is dropped. Empty
// fields are kept.
std::vector<std::string> Split_Names_File(std::string_view text);

// True when the text holds a C0 or C1 control character or DEL.
bool Has_Control_Character(std::string_view utf8);

// The names as Export writes them: each followed by CR LF; quoted (quotes
// doubled) when it holds a comma, a quote or a line end, or has blanks at
// either end, so that Split_Names_File gives every name back unchanged.
std::string Names_File_Text(const std::vector<std::string>& names);

// The path with ".txt" added when its file name has no extension; appended
// tells whether it was.
std::string With_Text_Extension(const std::string& path, bool& appended);

}  // namespace crv
