#pragma once
#include <cstdint>
#include <string_view>

namespace crv {

// Opens a web page, mail address or file with the program the shell
// associates with it ("open", no parameters, shown normally). Returns the
// ShellExecute result unchanged: above 32 on success.
std::int32_t Open_With_Shell(std::string_view target);

}  // namespace crv
