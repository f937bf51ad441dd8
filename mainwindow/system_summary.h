#pragma once
// The System Summary: the one-page overview of one computer that the root
// node of the feature tree ("[Root...]") stands for. Eleven fixed classes of
// root\cimv2 are read live, one "Select *" query each, into a two-column
// name/value list: a bold section row per area, an indented row per
// property, blank separator rows between instances and sections.
//
// The rows are also what a scan of the root feature stores, and the
// computer properties dialog reads eight of the labels back by exact text,
// so labels, row keys and icon keys are a stored format: they must not
// change, typing slips included.
//
// Portable: WMI is reached through the installed port (wmi/wmi_port.h).
#include <cstdint>
#include <memory>
#include <string>

#include "wmi/wmi_port.h"

namespace crv {

class ListModel;

// Reads the computer's stored credentials, connects to root\cimv2 of
// strDevice and appends the summary to lvwTemp (see the overload below).
// True when the connection succeeded and the listing ran; false when the
// connection failed. picMainVisible (the main window's progress panel) is
// set to false on both roads. Never throws and leaves no error pending.
bool Show_System_Summary(std::int32_t lngDeviceID, const std::string& strDevice, ListModel& lvwTemp,
                         bool& picMainVisible);

// The same over a connection the caller opened (Connect_WMI's result):
// nullptr means the connection failed and Pending_Error() holds why; the
// list then receives the one bold row "Error" with that description and the
// small icon "NoInfo", and the result is false. The list's columns are set
// to the name/value layout; rows already in the list are kept and the
// summary's rows follow them. After a successful connection nothing stops
// the summary: a failed query, an unreadable result or a missing property
// leaves empty values. The connection is released before the return.
bool Show_System_Summary(std::unique_ptr<WmiServices> services, ListModel& lvwTemp, bool& picMainVisible);

}  // namespace crv
