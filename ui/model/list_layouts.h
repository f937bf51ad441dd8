#pragma once
// The column layouts of every listing. The column keys are the vocabulary the
// fillers, the readers and the exporters of a list share.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ui/model/list_model.h"

namespace crv {

// Layout kind; the same numbers as the main window's display modes, plus 7.
using ListView_Layout = std::int32_t;
inline constexpr ListView_Layout Layout_Root_Summary = 0;     // "[Root...]" property list
inline constexpr ListView_Layout Layout_Feature_Group = 1;    // child features as large icons
inline constexpr ListView_Layout Layout_Property_List = 2;    // WMI class, "Lic_", problem devices
inline constexpr ListView_Layout Layout_Processes = 3;        // "RTT_RemoteTaskManager"
inline constexpr ListView_Layout Layout_Services = 4;         // "RTT_SCM"
inline constexpr ListView_Layout Layout_Installed_Products = 5;  // "Cust_InstalledProducts"
inline constexpr ListView_Layout Layout_Tabular_Report = 6;   // "Tabu_" reports
inline constexpr ListView_Layout Layout_Group_Members = 7;

namespace column_key {
// Property lists (kinds 0 and 2).
inline constexpr std::string_view Name = "Name";
inline constexpr std::string_view Value = "Value";
// Live processes (kind 3), in column order.
inline constexpr std::string_view Image_Name = "ImageName";
inline constexpr std::string_view PID = "PID";
inline constexpr std::string_view Session = "Session";
inline constexpr std::string_view User = "User";
inline constexpr std::string_view Domain = "Domain";
inline constexpr std::string_view Threads = "Threads";
inline constexpr std::string_view Handles = "Handles";
inline constexpr std::string_view Page_Faults = "PageFaults";
inline constexpr std::string_view Virtual_Memory = "VirtualMemory";
inline constexpr std::string_view Started_At = "Started@";
inline constexpr std::string_view Executable_Path = "ExecutablePath";
// Live services (kind 4), in column order.
inline constexpr std::string_view Display_Name = "DisplayName";
inline constexpr std::string_view Service_Name = "ServiceName";
inline constexpr std::string_view State = "State";
inline constexpr std::string_view Start_Mode = "StartMode";
inline constexpr std::string_view Start_Name = "StartName";
inline constexpr std::string_view Service_Type = "ServiceType";
inline constexpr std::string_view Description = "Description";
// Installed products (kind 5): each key names the uninstall registry value
// that fills the column ("DisplayName" as for services).
inline constexpr std::string_view Publisher = "Publisher";
inline constexpr std::string_view Display_Version = "DisplayVersion";
inline constexpr std::string_view Install_Location = "InstallLocation";
inline constexpr std::string_view Install_Date = "InstallDate";
inline constexpr std::string_view Estimated_Size = "EstimatedSize";
}  // namespace column_key

struct LayoutColumn {
    std::string_view key;
    std::string_view caption;
    double width_twips;
};

inline constexpr std::array<LayoutColumn, 2> Property_Columns{{
    {column_key::Name, "Name", 5000}, {column_key::Value, "Value", 12000}}};
inline constexpr std::array<LayoutColumn, 11> Process_Columns{{
    {column_key::Image_Name, "Image Name", 2000},
    {column_key::PID, "PID", 800},
    {column_key::Session, "Session", 800},
    {column_key::User, "User", 2000},
    {column_key::Domain, "Domain", 2000},
    {column_key::Threads, "Threads", 800},
    {column_key::Handles, "Handles", 800},
    {column_key::Page_Faults, "Page Faults", 1500},
    {column_key::Virtual_Memory, "Virtual Memory", 1500},
    {column_key::Started_At, "Started @", 2000},
    {column_key::Executable_Path, "Executable Path", 4500}}};
inline constexpr std::array<LayoutColumn, 7> Service_Columns{{
    {column_key::Display_Name, "Display Name", 4000},
    {column_key::Service_Name, "Service Name", 2500},
    {column_key::State, "State", 1200},
    {column_key::Start_Mode, "Start Mode", 1200},
    {column_key::Start_Name, "Start Name", 3000},
    {column_key::Service_Type, "Service Type", 2000},
    {column_key::Description, "Description", 9000}}};
inline constexpr std::array<LayoutColumn, 6> Installed_Product_Columns{{
    {column_key::Display_Name, "Name", 4500},
    {column_key::Publisher, "Vendor", 3500},
    {column_key::Display_Version, "Version", 1500},
    {column_key::Install_Location, "Install Location", 4000},
    {column_key::Install_Date, "Install Date", 1500},
    {column_key::Estimated_Size, "Install Size", 1500}}};
// Group members (kind 7): key equals caption, 2000 twips each.
inline constexpr double Group_Member_Column_Width = 2000;
inline constexpr std::array<std::string_view, 16> Group_Member_Column_Keys{
    "Device Name", "Manufacturer", "Model", "Serial No", "User ID", "User Name",
    "Department", "Location", "Tag", "Asset Tag", "Specification1", "Specification2",
    "Specification3", "Specification4", "Specification5", "Remarks"};

// Kind 6 hands the emptied list and the report's feature key to the store's
// Show_Tabular_Report, which adds the report's columns and rows. The store
// sits above this library, so the program installs it here at start-up:
//   Set_Show_Tabular_Report_Hook([](ListModel& l, const std::string& k) {
//       return Show_Tabular_Report(l, k); });
// It returns false with the pending error set when it fails.
using Show_Tabular_Report_Hook = std::function<bool(ListModel& list, const std::string& key)>;
// Installs the hook (an empty function removes it); returns the previous one.
Show_Tabular_Report_Hook Set_Show_Tabular_Report_Hook(Show_Tabular_Report_Hook hook);

// Sets the list's view, check boxes, header visibility, multiple selection
// and columns for a layout kind; rows are left alone except for kind 6,
// which empties the list and has the report filled through the hook. Any
// other kind only turns the check boxes off. Returns false with the pending
// error set only when kind 6 cannot show the report (no hook installed, or
// the hook failed).
bool Setup_ListView_Columns(ListModel& list, ListView_Layout kind, const std::string& key);

}  // namespace crv
