#pragma once
// The live process and service lists of one computer, refreshed in place by
// the main window's timer: rows of what still exists are kept and only
// changed cells rewritten, new ones are appended, vanished ones removed, so
// the user's selection and scroll position survive.
//
// The computer is the DEV_ID in field 0 of the list's tag. A refresh that
// cannot connect or query appends one bold failure row and returns false
// with the error pending; a failure while the objects are read is passed
// over and leaves every row in place. A device row the store could not read
// (its box shown) returns false and leaves the list as it was, so the
// periodic refresh stops; a device the store does not hold changes nothing
// and returns true.
#include <cstdint>
#include <string>

#include "ui/model/list_model.h"

namespace crv {

// Win32_Process, one row per process keyed "p" & ProcessId & CreationDate,
// with the ten sub-items of the process-list layout.
bool Refresh_Process_List(ListModel& list);

// Win32_Service, one row per service keyed by its Name, with the six
// sub-items of the service-list layout.
bool Refresh_Service_List(ListModel& list);

// The same refreshes of the computer deviceId, whatever the list's tag: a
// list that is not the pane (an export's or a scan's) is filled once so.
bool Refresh_Process_List(ListModel& list, std::int32_t deviceId);
bool Refresh_Service_List(ListModel& list, std::int32_t deviceId);

// The "VirtualMemory" cell: PageFileUsage in K on Windows 6 and later
// (major version compared as a number, so 10.0 counts as later), divided by
// 1024 before.
std::string Process_Memory_Text(std::int64_t pageFileUsage, const std::string& windowsVersion);

}  // namespace crv
