#pragma once
// Who makes the program: the one place that names the maker and its web site,
// for the about box, the export footers and the update check.
#include <string_view>

namespace crv {

inline constexpr std::string_view Maker_Name = "Veltrane";
inline constexpr std::string_view Maker_Web_Address = "https://www.veltrane.com/";

}  // namespace crv
