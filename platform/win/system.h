#pragma once
// The common routines that ask Windows.
#include <cstdint>
#include <string>

namespace crv {

// The local computer's name, or "" when it cannot be read; read once.
std::string Get_Local_Computer_Name();
// The value of an environment variable of this process, or "" when unset.
std::string Get_Environment_Value(const std::string& name);
// The Windows system directory without a trailing backslash, or "".
std::string Get_System_Directory();
// The code of the running Windows version (see OS_Version_Code), 0 on failure.
std::int32_t Get_OS_Version_Code();

}  // namespace crv
