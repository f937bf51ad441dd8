#pragma once
#include "export/ansi_encoder.h"

namespace crv::test {
// The encoder the program uses on this platform.
Ansi_Encoder Platform_Encoder();
// True when that encoder writes Windows-1252 (always natively; under Windows
// when the system's ANSI code page is 1252).
bool Platform_Code_Page_Is_1252();
}  // namespace crv::test
