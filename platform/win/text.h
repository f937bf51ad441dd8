#pragma once
// Text at the Win32 boundary: UTF-8 inside, UTF-16 at the calls, the ANSI
// code page only where a file format asks for it.
#include <string>
#include <string_view>

namespace crv {

std::wstring To_Wide(std::string_view utf8);
std::string To_Utf8(std::wstring_view wide);
// UTF-8 to the bytes of a code page (CP_ACP by default) and back; a
// character the code page lacks becomes the code page's default character.
std::string To_Code_Page(std::string_view utf8, unsigned code_page);
std::string From_Code_Page(std::string_view bytes, unsigned code_page);
std::string To_Ansi(std::string_view utf8);
std::string From_Ansi(std::string_view ansi);

// Upper case by the system's rules for every letter (not only A to Z), as
// names such as computer names are compared.
std::string Upper_Case(std::string_view utf8);

}  // namespace crv
