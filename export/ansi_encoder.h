#pragma once
// The export files hold 8-bit text of the Windows ANSI code page. The writers
// get the conversion handed in: the code page of the system on Windows
// (export/win), Windows-1252 elsewhere.
#include <functional>
#include <string>
#include <string_view>

namespace crv {

// Appends the code-page bytes of the UTF-8 text to out. A character the code
// page cannot hold becomes the code page's replacement character (invalid
// UTF-8 too); nothing is dropped. Returns false only when the conversion
// itself cannot run, with the pending error set.
using Ansi_Encoder = std::function<bool(std::string_view utf8, std::string& out)>;

#ifndef _WIN32
// Windows-1252 through iconv; "?" for what it cannot hold.
Ansi_Encoder Cp1252_Encoder();
#endif

}  // namespace crv
