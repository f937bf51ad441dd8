#pragma once
// The network browser's port over NetServerEnum (netapi32). Windows only.
#include <string>

#include "wmi/network_browser.h"

namespace crv {

// A zero-terminated UTF-16 text as UTF-8; a null pointer gives "".
std::string Ptr_To_String(const wchar_t* text);

// The port over the local computer's browse service.
NetServerPort& Net_Api_Server_Port();

}  // namespace crv
