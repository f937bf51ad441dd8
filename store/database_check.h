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

// While one lives, the store routines of this thread do not look for the
// data file: each fails as it does when the file is missing (without a box
// outside a run). Start-up holds the store off once its box has said the
// file cannot be used; a locked file would otherwise make each of its reads
// wait out the busy time and show the same box again.
class StoreHeldOff {
public:
    StoreHeldOff();
    ~StoreHeldOff();
    StoreHeldOff(const StoreHeldOff&) = delete;
    StoreHeldOff& operator=(const StoreHeldOff&) = delete;

private:
    bool outer_;
};

}  // namespace crv
