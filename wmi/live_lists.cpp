#include "wmi/live_lists.h"

#include <array>
#include <vector>
#include <cstdint>
#include <string_view>

#include "core/common.h"
#include "core/error.h"
#include "store/devices.h"
#include "ui/model/list_layouts.h"
#include "wmi/collectors.h"
#include "wmi/connection.h"

namespace crv {
namespace {

// Sub-item k of a row is the cell of column k of the list's layout; the
// cells below are written in that order.
constexpr bool Layout_Matches() {
    constexpr std::string_view process_cells[] = {
        column_key::PID,     column_key::Session,     column_key::User,           column_key::Domain,
        column_key::Threads, column_key::Handles,     column_key::Page_Faults,    column_key::Virtual_Memory,
        column_key::Started_At, column_key::Executable_Path};
    constexpr std::string_view service_cells[] = {column_key::Service_Name, column_key::State,
                                                  column_key::Start_Mode,   column_key::Start_Name,
                                                  column_key::Service_Type, column_key::Description};
    for (std::size_t k = 0; k < 10; ++k)
        if (Process_Columns[k + 1].key != process_cells[k]) return false;
    for (std::size_t k = 0; k < 6; ++k)
        if (Service_Columns[k + 1].key != service_cells[k]) return false;
    return true;
}
static_assert(Layout_Matches(), "the live lists write their cells in the layout's column order");

struct Device {
    std::string name, user, password, domain;
};

const WmiProperty* Get(const WmiInstance& object, std::string_view name) {
    return Find_Property_Any_Case(object.properties, name);
}

bool Is_Null(const WmiProperty* p) { return !p || p->Is_Null() || p->is_array; }

std::string Text(const WmiInstance& object, std::string_view name) {
    const WmiProperty* p = Get(object, name);
    return Is_Null(p) ? std::string() : Scalar_To_Text(p->value);
}

// Unsigned 32-bit counts arrive in their signed form.
std::string Count_Text(const WmiInstance& object, std::string_view name) {
    const WmiProperty* p = Get(object, name);
    if (Is_Null(p)) return {};
    if (auto* i = std::get_if<std::int64_t>(&p->value)) {
        std::int64_t v = *i;
        if (v < 0 && v >= INT32_MIN && p->cim_type == CIM_Uint32) v += 4294967296LL;
        return std::to_string(v);
    }
    return Scalar_To_Text(p->value);
}

// The refresh stamp: the local time, made unique per refresh so that two
// refreshes within one second still tell their rows apart.
std::string New_Refresh_Stamp() {
    static unsigned counter = 0;
    return Format_Store_Date_Time(Store_Environment().now()) + "#" + std::to_string(++counter);
}

std::int32_t Tagged_Device(const ListModel& list) {
    return static_cast<std::int32_t>(Text_Number(Get_Field(list.tag, 0)));
}

enum class DeviceRead { Found, None, Failed };

// The device row of the id. A read that failed has shown the store's box.
DeviceRead Read_Device(std::int32_t id, Device& device) {
    SqlResult row;
    if (!Get_Device_Info(id, row)) return DeviceRead::Failed;
    if (row.Data_Row_Count() == 0) return DeviceRead::None;
    device.name = row.Text(1, 0);
    device.user = row.Text(1, 1);
    device.password = row.Text(1, 2);
    device.domain = row.Text(1, 7);
    return DeviceRead::Found;
}

// Appends the failure row for the pending error, which stays pending.
void Add_Failure_Row(ListModel& list) {
    const PendingError& error = Pending_Error();
    bool not_supported = Is_Feature_Not_Supported_Error(error.number);
    ListItem* row = list.Add_Item("", not_supported ? "Name" : "Error");
    row->small_icon = "NoInfo";
    row->Set_Sub_Item(1, not_supported ? Not_Supported_Text : error.description);
    row->bold = true;
    list.Notify();
}

bool Raise(ListModel& list, const WmiStatus& status) {
    Set_Error(status.number, status.description);
    Add_Failure_Row(list);
    return false;
}

struct Enumeration {
    std::unique_ptr<WmiServices> services;
    std::unique_ptr<WmiResultSet> objects;
};

// Connects and runs the query. False when that fails: with the failure row
// written and the error pending, or, when the device row could not be read,
// with the list untouched (the store has shown its box). no_device: the
// store holds no such device, which changes nothing either.
bool Start(ListModel& list, std::int32_t device_id, const std::string& wql, Enumeration& e, bool& no_device) {
    Device device;
    const DeviceRead read = Read_Device(device_id, device);
    no_device = read == DeviceRead::None;
    if (read != DeviceRead::Found) return false;
    e.services = Connect_WMI(device.name, device.user, device.password, Namespace_CIMV2, device.domain);
    if (!e.services) {
        Add_Failure_Row(list);
        return false;
    }
    WmiStatus status;
    e.objects = e.services->Exec_Query(wql, Wql_Query_Flags, status);
    if (!e.objects) return Raise(list, status);
    return true;
}

bool Set_Cell(ListItem& row, std::size_t k, const std::string& text) {
    if (row.Sub_Item(k) == text) return false;
    row.Set_Sub_Item(k, text);
    return true;
}

// Removes the rows the refresh did not see; returns whether any went.
bool Remove_Unseen(ListModel& list, const std::string& stamp) {
    bool removed = false;
    for (std::size_t i = list.Item_Count(); i-- > 0;)
        if (list.Item(i).tag != stamp) removed = list.Remove_Item(i) || removed;
    return removed;
}

ListItem& Row_For(ListModel& list, const std::string& key, const std::string& text, const char* icon,
                  std::size_t sub_items, bool& changed) {
    if (ListItem* row = list.Find_Item(key)) return *row;
    ListItem* row = list.Add_Item(key, text);
    row->icon = icon;
    row->small_icon = icon;
    for (std::size_t k = 1; k <= sub_items; ++k) row->Set_Sub_Item(k, "");
    changed = true;
    return *row;
}

}  // namespace

std::string Process_Memory_Text(std::int64_t pageFileUsage, const std::string& windowsVersion) {
    std::int64_t major = Text_Number(windowsVersion);
    std::int64_t kilobytes = major >= 6 ? pageFileUsage : pageFileUsage / 1024;
    return std::to_string(kilobytes) + " K";
}

bool Refresh_Process_List(ListModel& list) { return Refresh_Process_List(list, Tagged_Device(list)); }

bool Refresh_Process_List(ListModel& list, std::int32_t deviceId) {
    Enumeration e;
    bool no_device = false;
    if (!Start(list, deviceId, "Select * From Win32_Process", e, no_device)) return no_device;
    const std::string stamp = New_Refresh_Stamp();

    // The whole result is read before any owner is asked for: a method call
    // makes the provider look the process up again, and a provider that
    // refreshes its process table for that (Wine's does) must not do it
    // under a running enumeration.
    bool complete = true;
    std::vector<WmiInstance> processes;
    WmiStatus status;
    for (WmiInstance process; e.objects->Next(process, status);) processes.push_back(std::move(process));
    e.objects.reset();
    if (status.Failed()) {
        if (processes.empty()) return Raise(list, status);
        complete = false;  // keep every row: the list is only partly known
    }

    bool changed = false;
    for (const WmiInstance& process : processes) {
        const std::string pid = Count_Text(process, "ProcessId");
        const std::string created = Text(process, "CreationDate");
        ListItem& row = Row_For(list, "p" + pid + created, Text(process, "Name"), "Process", 10, changed);
        row.tag = stamp;

        // The owner of this process only: a failed call leaves the cells as
        // they were, an answer without owner empties them.
        std::optional<std::pair<std::string, std::string>> owner;
        WmiObject out;
        WmiStatus owner_status;
        if (!process.path.empty() && e.services->Exec_Method(process.path, "GetOwner", {}, out, owner_status)) {
            owner.emplace();
            if (Method_Return_Value(out) == 0) {
                if (const WmiProperty* u = Find_Property_Any_Case(out, "User"); u && !u->Is_Null())
                    owner->first = Scalar_To_Text(u->value);
                if (const WmiProperty* d = Find_Property_Any_Case(out, "Domain"); d && !d->Is_Null())
                    owner->second = Scalar_To_Text(d->value);
            }
        }

        std::string memory;
        if (const WmiProperty* usage = Get(process, "PageFileUsage"); !Is_Null(usage))
            memory = Process_Memory_Text(Text_Number(Count_Text(process, "PageFileUsage")),
                                         Text(process, "WindowsVersion"));

        changed |= Set_Cell(row, 1, pid);
        changed |= Set_Cell(row, 2, Count_Text(process, "SessionId"));
        if (owner) {
            changed |= Set_Cell(row, 3, owner->first);
            changed |= Set_Cell(row, 4, owner->second);
        }
        changed |= Set_Cell(row, 5, Count_Text(process, "ThreadCount"));
        changed |= Set_Cell(row, 6, Count_Text(process, "HandleCount"));
        changed |= Set_Cell(row, 7, Count_Text(process, "PageFaults"));
        changed |= Set_Cell(row, 8, memory);
        changed |= Set_Cell(row, 9, created.empty() ? std::string() : Format_WMI_Date(created));
        changed |= Set_Cell(row, 10, Text(process, "ExecutablePath"));
    }
    if (complete) changed |= Remove_Unseen(list, stamp);
    if (changed) list.Notify();
    return true;
}

bool Refresh_Service_List(ListModel& list) { return Refresh_Service_List(list, Tagged_Device(list)); }

bool Refresh_Service_List(ListModel& list, std::int32_t deviceId) {
    Enumeration e;
    bool no_device = false;
    if (!Start(list, deviceId,
               "Select DisplayName, Name, State, StartMode, StartName, ServiceType, Description From Win32_Service", e,
               no_device))
        return no_device;
    const std::string stamp = New_Refresh_Stamp();

    static constexpr std::array<std::string_view, 6> Cells{"Name",      "State",       "StartMode",
                                                             "StartName", "ServiceType", "Description"};
    bool changed = false;
    bool complete = true;
    bool first = true;
    WmiInstance service;
    WmiStatus status;
    for (;;) {
        if (!e.objects->Next(service, status)) {
            if (status.Failed()) {
                if (first) return Raise(list, status);
                complete = false;
            }
            break;
        }
        first = false;
        const std::string name = Text(service, "Name");
        if (name.empty()) continue;  // nothing to key the row by
        ListItem& row = Row_For(list, name, Text(service, "DisplayName"), "Service", Cells.size(), changed);
        row.tag = stamp;
        for (std::size_t k = 0; k < Cells.size(); ++k) {
            const WmiProperty* p = Get(service, Cells[k]);
            if (Is_Null(p)) continue;  // a null value never differs
            changed |= Set_Cell(row, k + 1, Scalar_To_Text(p->value));
        }
    }
    if (complete) changed |= Remove_Unseen(list, stamp);
    if (changed) list.Notify();
    return true;
}

}  // namespace crv
