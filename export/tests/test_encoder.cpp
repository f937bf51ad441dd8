#include "export/tests/test_encoder.h"

#ifdef _WIN32
#include <windows.h>

#include "export/win/ansi_code_page_encoder.h"
#endif

namespace crv::test {

Ansi_Encoder Platform_Encoder() {
#ifdef _WIN32
    return Ansi_Code_Page_Encoder();
#else
    return Cp1252_Encoder();
#endif
}

bool Platform_Code_Page_Is_1252() {
#ifdef _WIN32
    return GetACP() == 1252;
#else
    return true;
#endif
}

}  // namespace crv::test
