#pragma once
// The export encoding on Windows: the system's ANSI code page (CP_ACP).
#include "export/ansi_encoder.h"

namespace crv {

// UTF-8 to CP_ACP through UTF-16; characters the code page lacks become its
// default character (no best-fit look-alikes).
Ansi_Encoder Ansi_Code_Page_Encoder();

}  // namespace crv
