#include "mainwindow/system_summary.h"

#include <array>
#include <exception>
#include <span>
#include <string_view>
#include <vector>

#include "core/common.h"
#include "core/error.h"
#include "ui/model/list_helpers.h"
#include "ui/model/list_layouts.h"
#include "ui/model/list_model.h"
#include "wmi/connection.h"
#include "wmi/format/formatter.h"

namespace crv {
namespace {

enum class ValueKind {
    Formatted,    // through Format_Property_Value
    ServicePack,  // major "." minor, read straight from the instance
    Adapter,      // Caption without its "[nnnnnnnn] " index
};

struct SummaryRow {
    std::string_view label;
    std::string_view key_prefix;
    std::string_view property;
    ValueKind kind = ValueKind::Formatted;
};

struct SummaryClass {
    std::string_view class_name;
    std::string_view where;  // "" or the condition after " where "
    // No section key: the rows continue the previous class's section.
    std::string_view section_key;
    std::string_view section_text;
    std::string_view section_icon;
    bool separators;          // after each instance and once more after the last
    bool only_when_found;     // no section at all when the query finds nothing
    std::span<const SummaryRow> rows;
};

// Labels and keys as stored in scans; "DMManufaturer" and "Network Adpater"
// are spelt as they have always been stored.
constexpr SummaryRow Computer_System_Rows[] = {
    {"Computer Name", "CSName", "Name"},
    {"Computer Manufacturer", "CSManufacturer", "Manufacturer"},
    {"Computer Model", "CSModel", "Model"},
    {"Computer Description", "CSDescription", "Description"},
    {"Computer Primary Owner Name", "CSPrimaryOwnerName", "PrimaryOwnerName"},
    {"Computer System Type", "CSSystemType", "SystemType"},
    {"Computer Domain", "CSDomain", "Domain"},
    {"Computer User Name", "CSUserName", "UserName"},
    {"Computer Total Physical Memory", "CSTotalPhysicalMemory", "TotalPhysicalMemory"},
};
constexpr SummaryRow Product_Rows[] = {
    {"Identifying Number", "CSPIdentifyingNumber", "IdentifyingNumber"},
    {"Universally Unique Identifier", "CSPUniversallyUniqueIdentifier", "UUID"},
};
constexpr SummaryRow Processor_Rows[] = {
    {"Processor Name", "ProName", "Name"},
    {"Processor Manufacturer", "ProManufacturer", "Manufacturer"},
    {"Processor Version", "ProVersion", "Version"},
    {"Processor Description", "ProDescription", "Description"},
    {"Processor Maximum Clock Speed", "ProMaximumClockSpeed", "MaxClockSpeed"},
    {"Processor ID", "ProProcessorID", "ProcessorId"},
};
constexpr SummaryRow Operating_System_Rows[] = {
    {"OS Name", "OSName", "Name"},
    {"OS Manufacturer", "OSManufacturer", "Manufacturer"},
    {"OS Version", "OSVersion", "Version"},
    {"OS Service Pack", "OSServicePack", "", ValueKind::ServicePack},
    {"OS Install Date", "OSInstallDate", "InstallDate"},
    {"OS Serial Number", "OSSerialNumber", "SerialNumber"},
    {"OS Boot Device", "OSBootDevice", "BootDevice"},
    {"OS Windows Directory", "OSWindowsDirectory", "WindowsDirectory"},
};
constexpr SummaryRow Base_Board_Rows[] = {
    {"Motherboard Manufacturer", "BBManufacturer", "Manufacturer"},
    {"Motherboard Serial Number", "BBSerialNumber", "SerialNumber"},
    {"Motherboard Version", "BBVersion", "Version"},
    {"Motherboard Product", "BBProduct", "Product"},
};
constexpr SummaryRow Bios_Rows[] = {
    {"BIOS Name", "BIOSName", "Name"},
    {"BIOS Manufacturer", "BIOSManufacturer", "Manufacturer"},
    {"BIOS Version", "BIOSVersion", "Version"},
    {"BIOS Release Date", "BIOSReleaseDate", "ReleaseDate"},
    {"BIOS Serial Number", "BIOSSerialNumber", "SerialNumber"},
    {"SMBIOS Version", "BIOSSMBIOSVersion", "SMBIOSBIOSVersion"},
};
constexpr SummaryRow Disk_Drive_Rows[] = {
    {"Disk Drive Name", "DDName", "Name"},
    {"Disk Drive Manufacturer", "DDManufacturer", "Manufacturer"},
    {"Disk Drive Model", "DDModel", "Model"},
    {"Disk Drive Media Type", "DDMediaType", "MediaType"},
    {"Disk Drive Serial Number", "DDSerialNumber", "SerialNumber"},
    {"Disk Drive Signature", "DDSignature", "Signature"},
    {"Disk Drive Size", "DDSize", "Size"},
};
constexpr SummaryRow Desktop_Monitor_Rows[] = {
    {"Monitor Name", "DMName", "Name"},
    {"Monitor Manufacturer", "DMManufaturer", "MonitorManufacturer"},
};
constexpr SummaryRow Display_Configuration_Rows[] = {
    {"Display Device Name", "DCName", "DeviceName"},
    {"Display Driver Version", "DCDriverVersion", "DriverVersion"},
};
constexpr SummaryRow Network_Adapter_Rows[] = {
    {"Network Adpater Name", "NACName", "Caption", ValueKind::Adapter},
    {"Network Adpater MAC Address", "NACMacAddress", "MACAddress"},
};
constexpr SummaryRow Logical_Disk_Rows[] = {
    {"Logical Disk Name", "LDName", "Name"},
    {"Logical Disk File System", "LDFileSystem", "FileSystem"},
    {"Logical Disk Size", "LDSize", "Size"},
    {"Logical Disk Volume Serial Number", "LDVolumeSerialNumber", "VolumeSerialNumber"},
};

constexpr std::array<SummaryClass, 11> Summary_Classes{{
    {"Win32_ComputerSystem", "", "Computer", "Computer", "Computer", false, false, Computer_System_Rows},
    {"Win32_ComputerSystemProduct", "", "", "", "", true, false, Product_Rows},
    {"Win32_Processor", "", "Processors", "Processors", "Processor", true, false, Processor_Rows},
    {"Win32_OperatingSystem", "", "Operating System", "Operating System", "Windows", true, false,
     Operating_System_Rows},
    {"Win32_BaseBoard", "", "MotherBoard", "Motherboard", "MotherBoard", true, false, Base_Board_Rows},
    {"Win32_BIOS", "", "BIOS", "BIOS", "Chip", true, false, Bios_Rows},
    {"Win32_DiskDrive", "", "DiskDrive", "Disk Drive", "DiskDrive", true, false, Disk_Drive_Rows},
    {"Win32_DesktopMonitor", "", "DesktopMonitor", "Desktop Monitor", "Monitor", true, false,
     Desktop_Monitor_Rows},
    {"Win32_DisplayConfiguration", "", "DisplayConfiguration", "Display Configuration", "Display", true, false,
     Display_Configuration_Rows},
    {"Win32_NetworkAdapterConfiguration", "IPEnabled=true", "NACPhysicalNetworkAdapters",
     "Physical Network Adapters", "Adapter", true, true, Network_Adapter_Rows},
    {"Win32_LogicalDisk", "", "LogicalDisk", "Logical Disk", "HDD", true, false, Logical_Disk_Rows},
}};

// Each key ends in the number of rows the list held before the row came, so
// keys stay unique however many instances a class has.
std::string Row_Key(std::string_view prefix, const ListModel& list) {
    std::string key(prefix);
    key += Row_Key_Separator;
    key += std::to_string(list.Item_Count());
    return key;
}

void Add_Section_Row(ListModel& list, const SummaryClass& cls) {
    ListItem* row = list.Add_Item(Row_Key(cls.section_key, list), std::string(cls.section_text));
    if (!row) return;
    row->small_icon = std::string(cls.section_icon);
    row->bold = true;
}

void Add_Separator_Row(ListModel& list) { list.Add_Item(Row_Key("Space0", list), ""); }

// WMI resolves property names without regard to case, and the formatter's
// rules go by the documented spelling, so the value is formatted under the
// name this table asks for whatever spelling the provider used.
std::string Formatted_Value(const WmiInstance& instance, std::string_view name, ListModel& list) {
    const WmiProperty* found = Find_Property_Any_Case(instance.properties, name);
    if (!found) return {};
    WmiProperty property = *found;
    property.name = std::string(name);
    // An unsigned 32-bit value with its top bit set arrives negative (a disk
    // signature often does); it is shown as the unsigned number it is.
    if (!property.is_array && property.cim_type == CIM_Uint32) {
        if (const auto* n = std::get_if<std::int64_t>(&property.value);
            n && *n < 0 && *n >= -(std::int64_t{1} << 31))
            property.value = std::int64_t{*n + (std::int64_t{1} << 32)};
    }
    return Format_Property_Value(property, list, "", "", "");
}

// A missing part leaves the whole value empty, as an unreadable property
// does; a Null part only adds nothing.
std::string Service_Pack_Value(const WmiInstance& instance) {
    const WmiProperty* major = Find_Property_Any_Case(instance.properties, "ServicePackMajorVersion");
    const WmiProperty* minor = Find_Property_Any_Case(instance.properties, "ServicePackMinorVersion");
    if (!major || !minor) return {};
    return Plain_Value_Text(major->value) + "." + Plain_Value_Text(minor->value);
}

std::string Adapter_Value(const WmiInstance& instance) {
    const WmiProperty* caption = Find_Property_Any_Case(instance.properties, "Caption");
    if (!caption || caption->is_array) return {};
    return Strip_Bracket_Prefix(Plain_Value_Text(caption->value));
}

// One instance's rows; without an instance (the class could not be read)
// the rows stand with empty values.
void Add_Instance_Rows(ListModel& list, const SummaryClass& cls, const WmiInstance* instance) {
    for (const SummaryRow& wanted : cls.rows) {
        ListItem* row = Add_ListItem_Indented(list, 0, Row_Key(wanted.key_prefix, list),
                                              "    " + std::string(wanted.label), "", "Info3", 1);
        if (!row) {
            // Only a key the caller's earlier rows already use gets here.
            Clear_Error();
            continue;
        }
        if (!instance) continue;
        switch (wanted.kind) {
            case ValueKind::Formatted:
                row->Set_Sub_Item(1, Formatted_Value(*instance, wanted.property, list));
                break;
            case ValueKind::ServicePack:
                row->Set_Sub_Item(1, Service_Pack_Value(*instance));
                break;
            case ValueKind::Adapter:
                row->Set_Sub_Item(1, Adapter_Value(*instance));
                break;
        }
    }
}

struct ClassResult {
    std::vector<WmiInstance> instances;
    bool failed = false;  // the query or the enumeration failed
};

// The whole result is read before listing, which also counts the adapters
// once; flag 16 alone, as the count needs a result that is not forward-only.
ClassResult Read_Class(WmiServices& services, const SummaryClass& cls) {
    std::string wql = "Select";
    wql += " * ";
    wql += "from ";
    wql += cls.class_name;
    if (!cls.where.empty()) {
        wql += " where ";
        wql += cls.where;
    }
    ClassResult result;
    WmiStatus status;
    std::unique_ptr<WmiResultSet> objects = services.Exec_Query(wql, Wbem_Flag_Return_Immediately, status);
    if (!objects) {
        result.failed = true;
        return result;
    }
    while (true) {
        WmiInstance instance;
        status = {};
        if (!objects->Next(instance, status)) break;
        result.instances.push_back(std::move(instance));
    }
    result.failed = status.Failed();
    return result;
}

void List_Class(WmiServices& services, const SummaryClass& cls, ListModel& list) {
    const ClassResult result = Read_Class(services, cls);
    if (cls.only_when_found && result.instances.empty() && !result.failed) return;
    if (!cls.section_key.empty()) Add_Section_Row(list, cls);
    if (result.instances.empty() && result.failed) {
        Add_Instance_Rows(list, cls, nullptr);
        if (cls.separators) Add_Separator_Row(list);
    }
    // A result that failed part-way keeps what it delivered.
    for (const WmiInstance& instance : result.instances) {
        Add_Instance_Rows(list, cls, &instance);
        if (cls.separators) Add_Separator_Row(list);
    }
    if (cls.separators) Add_Separator_Row(list);
}

void Add_Error_Row(ListModel& list) {
    const PendingError& error = Pending_Error();
    std::string description = error.description;
    if (description.empty() && error.number != 0) description = Wmi_Error_Description(error.number, "");
    ListItem* row = list.Add_Item("", "Error");
    if (!row) return;
    row->small_icon = "NoInfo";
    row->bold = true;
    row->Set_Sub_Item(1, std::move(description));
}

}  // namespace

bool Show_System_Summary(std::unique_ptr<WmiServices> services, ListModel& lvwTemp, bool& picMainVisible) {
    bool result = false;
    try {
        Setup_ListView_Columns(lvwTemp, Layout_Property_List, "");
        if (!services) {
            Add_Error_Row(lvwTemp);
        } else {
            for (const SummaryClass& cls : Summary_Classes) {
                try {
                    List_Class(*services, cls, lvwTemp);
                } catch (const std::exception&) {
                    // One class that cannot be listed leaves the others.
                }
            }
            lvwTemp.Notify();
            result = true;
        }
    } catch (const std::exception&) {
    }
    services.reset();
    picMainVisible = false;
    Clear_Error();
    return result;
}

bool Show_System_Summary(std::int32_t lngDeviceID, const std::string& strDevice, ListModel& lvwTemp,
                         bool& picMainVisible) {
    std::unique_ptr<WmiServices> services;
    try {
        services = Connect_Device_WMI(lngDeviceID, strDevice, Namespace_CIMV2);
    } catch (const std::exception& e) {
        services.reset();
        Set_Error(Wbem_E_Failed, e.what());
    }
    return Show_System_Summary(std::move(services), lvwTemp, picMainVisible);
}

}  // namespace crv
