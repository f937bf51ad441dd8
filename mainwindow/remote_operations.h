#pragma once
// What the main window's remote operations act on and what they say: the
// target taken from the feature tree's root or the live list's selected row
// (before any question is asked, so a refresh meanwhile cannot change it),
// the confirmation questions and the result texts. Portable, so the
// decisions are tested natively against the fake WMI port.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

struct OperationTarget {
    std::int32_t device_id = 0;
    std::string name;  // the computer's name, or the row's text
    std::string item;  // the row's process id or service name; "" for a computer
};

// The computer of the power operations: the feature tree's root, its
// DEV_ID in field 0 of the root's tag. None when the tree is empty.
std::optional<OperationTarget> Power_Target(const TreeModel& features);
// The first selected row of a live list and its cell under the column
// `column_key`; the computer from field 0 of the list's tag. None when no
// row is selected.
std::optional<OperationTarget> Selected_Row_Target(const ListModel& list, std::string_view column_key);

// The questions.
std::string Power_Question(std::int32_t flags, const std::string& computer);
std::string Boot_Question(const std::string& computer);
std::string Kill_Question(const std::string& process);
// The verb of a service control index (0 start, 1 stop, 3 pause, 4 resume);
// "" for any other index.
std::string_view Service_Control_Verb(int index);
// The verb goes into the text before the service's name, so a name that
// holds "%s" is shown as it is.
std::string Service_Control_Question(std::string_view verb, const std::string& service);
std::string Start_Mode_Question(const std::string& mode);

// The messages.
std::string No_Mac_Address_Text(const std::string& computer);
std::string Unknown_Computer_Text(const std::string& computer);
std::string Power_Refused_Text(std::int32_t flags, const std::string& computer, std::int32_t code);
std::string Process_Ended_Before_Text(const std::string& process, const std::string& processId);

// The stored MAC addresses worth a packet: empty entries (a trailing ",")
// dropped, the order kept.
std::vector<std::string> Usable_Mac_Addresses(const std::vector<std::string>& stored);
// Process names as Windows compares them: ASCII case ignored.
bool Same_Process_Name(std::string_view a, std::string_view b);

}  // namespace crv
