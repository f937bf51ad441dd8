#include "mainwindow/remote_operations.h"

#include "core/common.h"
#include "mainwindow/frm_main_controller.h"
#include "wmi/operations.h"

namespace crv {
namespace {

std::string Quoted(const std::string& name) { return "'" + name + "'"; }

}  // namespace

std::optional<OperationTarget> Power_Target(const TreeModel& features) {
    if (features.Count() == 0) return std::nullopt;
    const TreeNode* root = features.Nodes().front();
    return OperationTarget{Number_Value(Get_Field(root->tag, 0)), root->text, {}};
}

std::optional<OperationTarget> Selected_Row_Target(const ListModel& list, std::string_view column_key) {
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        const ListItem& row = list.Item(i);
        if (!row.selected) continue;
        OperationTarget target{Number_Value(Get_Field(list.tag, 0)), row.text, {}};
        if (auto column = list.Find_Column(std::string(column_key))) target.item = row.Cell(*column);
        return target;
    }
    return std::nullopt;
}

std::string Power_Question(std::int32_t flags, const std::string& computer) {
    const char* verb = flags == Reboot_Forced ? "reboot" : "shutdown";
    return std::string("Are you sure you want to ") + verb + " the computer " + Quoted(computer) + "?";
}

std::string Boot_Question(const std::string& computer) {
    return "Are you sure you want to boot the computer " + Quoted(computer) + "?";
}

std::string Kill_Question(const std::string& process) {
    return "Are you sure you want to kill the process " + Quoted(process) + "?";
}

std::string_view Service_Control_Verb(int index) {
    switch (index) {
    case Service_Start: return "start";
    case Service_Stop: return "stop";
    case Service_Pause: return "pause";
    case Service_Resume: return "resume";
    default: return {};
    }
}

std::string Service_Control_Question(std::string_view verb, const std::string& service) {
    return "Are you sure you want to " + std::string(verb) + " the service " + Quoted(service) + "?";
}

std::string Start_Mode_Question(const std::string& mode) {
    return "Are you sure you want to change the mode of the selected service to " + Quoted(mode) + "?";
}

std::string No_Mac_Address_Text(const std::string& computer) {
    return "Could not find any MAC Address for the computer " + Quoted(computer) + "!";
}

std::string Unknown_Computer_Text(const std::string& computer) {
    return "The computer " + Quoted(computer) + " is not in the computer list.";
}

std::string Power_Refused_Text(std::int32_t flags, const std::string& computer, std::int32_t code) {
    const char* done = flags == Reboot_Forced ? "rebooted" : "shut down";
    return "The computer " + Quoted(computer) + " could not be " + done + ". The operation returned " +
           std::to_string(code) + ".";
}

std::string Process_Ended_Before_Text(const std::string& process, const std::string& processId) {
    return "The process " + Quoted(process) + " with the id " + processId +
           " is no longer running, so nothing was ended.";
}

std::vector<std::string> Usable_Mac_Addresses(const std::vector<std::string>& stored) {
    std::vector<std::string> usable;
    for (const std::string& mac : stored)
        if (!mac.empty()) usable.push_back(mac);
    return usable;
}

bool Same_Process_Name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace crv
