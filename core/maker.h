#pragma once
// Who makes the program: the one place that names the maker and its web site,
// for the about box, the export footers and the update check.
#include <string_view>

namespace crv {

inline constexpr std::string_view Maker_Name = "Veltrane";
inline constexpr std::string_view Maker_Web_Address = "https://www.veltrane.com/";

// The update check: where the maker's server keeps the version service and
// the package. Joined to Maker_Web_Address (or the test server that stands in
// for it) by Join_Web_Address in core/update_check.h.
inline constexpr std::string_view Version_Service_Path = "/fns/genfns.php";
inline constexpr std::string_view Update_Package_Path = "/downloads/crv/Corvalin.zip";

}  // namespace crv
