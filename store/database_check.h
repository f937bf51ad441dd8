#pragma once
// Whether the data file can be used at all, asked once at start-up: every
// store routine fails without a box when it cannot connect, so without this
// the user would see empty trees and no reason.
#include <optional>
#include <string>

namespace crv {

// Empty when the data file is found, opens and answers a query. Otherwise
// the text of the one box that says so: what went wrong, with the file's
// path when it was found, and the folders it is looked for in.
std::optional<std::string> Database_Problem();

}  // namespace crv
