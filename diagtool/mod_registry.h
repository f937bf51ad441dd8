#pragma once
// Registry values by their full path ("HKLM\SOFTWARE\...\Value").
#include <string>
#include <string_view>

namespace crv::tessarine {

// The value as text (a DWORD in decimal); empty when it cannot be read.
std::string Reg_Read(std::string_view full_path);
// Writes value as type_name ("REG_DWORD" or "REG_SZ"), creating the key when
// it is missing. False on any failure; no error text is kept.
bool Reg_Write(std::string_view full_path, std::string_view value, std::string_view type_name);

}  // namespace crv::tessarine
