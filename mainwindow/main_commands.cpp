#include "mainwindow/main_commands.h"

#include <algorithm>

namespace crv {

namespace {

MenuItem Item(std::string name, std::string caption, std::string shortcut = {}) {
    MenuItem m;
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.shortcut = std::move(shortcut);
    return m;
}
MenuItem Indexed(std::string name, int index, std::string caption, std::string shortcut = {}) {
    MenuItem m = Item(std::move(name), std::move(caption), std::move(shortcut));
    m.index = index;
    return m;
}
MenuItem Separator(std::string name = {}, int index = -1) {
    MenuItem m;
    m.name = std::move(name);
    m.index = index;
    m.separator = true;
    return m;
}
MenuItem Check(MenuItem m) {
    m.check_item = true;
    return m;
}
MenuItem Sub(std::string name, std::string caption, std::vector<MenuItem> children) {
    MenuItem m = Item(std::move(name), std::move(caption));
    m.children = std::move(children);
    return m;
}

std::vector<MenuItem> Build_Menu_Bar() {
    std::vector<MenuItem> bar;
    bar.push_back(Sub("mnuFile", "&File",
                      {Item("mnuFleManageComputers", "Manage Computers", "Ctrl+M"), Separator(),
                       Item("mnuFleSystemSummary", "System Summary", "Ctrl+S"), Separator(),
                       Item("mnuFleQuickExport", "Quick Export", "Ctrl+Q"),
                       Item("mnuFleFullExport", "Full Export", "Ctrl+P"), Separator(),
                       Item("mnuFleExit", "Exit", "Ctrl+X")}));
    // The device menu; the Add submenu's design member "Group" (index 0) is
    // hidden once the device types have been read.
    bar.push_back(Sub("mnuEdit", "&Edit",
                      {Sub("mnuGroup", "Group/Devices",
                           {Sub("mnuGroupAdd", "Add", {Indexed("mnuAddType", 0, "Group")}),
                            Item("mnuGroupEdit", "Edit"), Item("mnuGroupDelete", "Delete"),
                            Separator("mnuGDSptr"), Item("mnuGDProperties", "Properties")})}));
    bar.push_back(Sub(
        "mnuView", "&View",
        {Item("mnuFindItem", "Find Item", "Ctrl+F"), Separator(),
         Sub("mnuReportView", "Report View",
             {Check(Item("mnuViewVertical", "Vertical")), Check(Item("mnuViewHorizontal", "Horizontal"))}),
         Separator(),
         Sub("mnuViewFont", "Font",
             {Check(Indexed("mnuFontSize", 8, "Small")), Check(Indexed("mnuFontSize", 9, "Medium")),
              Check(Indexed("mnuFontSize", 10, "Large"))}),
         Separator(),
         Sub("mnuToolbar", "Tools Visible",
             {Check(Indexed("mnuToolbars", 0, "Hardware")), Check(Indexed("mnuToolbars", 1, "OS")),
              Check(Indexed("mnuToolbars", 2, "Power")), Check(Indexed("mnuToolbars", 3, "Process")),
              Check(Indexed("mnuToolbars", 4, "Services")), Check(Indexed("mnuToolbars", 5, "Tabular"))}),
         Separator(), Item("mnuViewRefresh", "Refresh", "F5")}));
    bar.push_back(Sub("mnuTools", "&Tools",
                      {Sub("mnuWorkMode", "Mode",
                           {Check(Item("mnuWorkOnline", "Work Online")), Check(Item("mnuWorkOffline", "Work Offline"))}),
                       Item("mnuOptimizeDB", "Optimize Data"), Separator(),
                       Item("mnuChooseProps", "Choose Properties")}));
    bar.push_back(Sub(
        "mnuOperations", "&Operations",
        {Sub("mnuOperationsScan", "Scan", {Item("mnuStartScan", "Start Scan"), Item("mnuDeleteScan", "Delete Scan")}),
         Sub("mnuOperationsPower", "Power Options",
             {Item("mnuOperationsPowShutdown", "Shutdown"), Item("mnuOperationsPowRestart", "Reboot"),
              Item("mnuOperationsPowBoot", "Boot Through LAN")}),
         Sub("mnuOperationsProcess", "Process", {Item("mnuOperationsProcessKill", "Kill Process")}),
         Sub("mnuOperationsService", "Service",
             {Indexed("mnuOperationsServiceControl", 0, "Start Service"),
              Indexed("mnuOperationsServiceControl", 1, "Stop Service"),
              Separator("mnuOperationsServiceControl", 2),
              Indexed("mnuOperationsServiceControl", 3, "Pause Service"),
              Indexed("mnuOperationsServiceControl", 4, "Resume Service"),
              Separator("mnuOperationsServiceControl", 5),
              [] {
                  MenuItem m = Indexed("mnuOperationsServiceControl", 6, "Start Mode");
                  m.children = {Indexed("mnuOperationsServiceStartMode", 0, "Automatic"),
                                Indexed("mnuOperationsServiceStartMode", 1, "Manual"),
                                Indexed("mnuOperationsServiceStartMode", 2, "Disabled")};
                  return m;
              }()}),
         Sub("mnuOperationsReport", "Tabular Report",
             {Item("mnuOperationsReportAdd", "Add New Report"), Item("mnuOperationsReportRename", "Rename", "F2"),
              Item("mnuOperationsReportDelete", "Delete", "Del"), Separator("mnuOperationsReportSptr1"),
              Item("mnuOperationsReportCustomize", "Customize Report"), Separator("mnuOperationsReportSptr2"),
              Item("mnuOperationsReportScan", "Start Scan"), Separator("mnuOperationsReportSptr3"),
              Indexed("mnuOperationsReportSelectItem", 0, "Select All"),
              Indexed("mnuOperationsReportSelectItem", 1, "Select None")}),
         Separator(), Item("mnuOPReports", "Reports")}));
    bar.push_back(Sub("mnuLevels", "&Levels",
                      {Check(Indexed("mnuLevel", 0, "Basic", "Ctrl+F1")), Check(Indexed("mnuLevel", 1, "Medium", "Ctrl+F2")),
                       Check(Indexed("mnuLevel", 2, "Advanced", "Ctrl+F3")),
                       Check(Indexed("mnuLevel", 3, "Very Advanced", "Ctrl+F4"))}));
    bar.push_back(Sub("mnuHelp", "&Help",
                      {Item("mnuFAQs", "FAQs"), Item("mnuVideoTutorial", "Video Tutorial"),
                       Item("mnuTroubleshoot", "Troubleshoot"), Separator(), Item("mnuHlpSupport", "Support"),
                       Item("mnuProducts", "Products"), Separator(), Item("mnuCheckUpdates", "Check Updates"),
                       Check(Item("mnuAutoCheckUpdates", "Auto Check")), Separator(), Item("mnuHlpAbout", "About")}));
    return bar;
}

std::vector<ToolbarDef> Build_Toolbars() {
    // A button that stands for a menu command names it; the feature buttons
    // and the work-mode button are commands of their own ("tlbOS.COM").
    struct B {
        const char* key;
        const char* tooltip;
        const char* command = nullptr;
        int index = -1;
    };
    auto buttons = [](const char* bar, std::initializer_list<B> list) {
        std::vector<ToolButton> out;
        for (const B& b : list) {
            ToolButton t;
            t.key = b.key;
            t.tooltip = b.tooltip;
            t.command = b.command ? std::string(b.command) : Button_Name(bar, b.key);
            t.index = b.command ? b.index : -1;
            out.push_back(std::move(t));
        }
        return out;
    };
    std::vector<ToolbarDef> bars;
    bars.push_back({"tlbMain", "Main", 3375, false, true,
                    buttons("tlbMain",
                            {{"ManageComputers", "Manage Computers", "mnuFleManageComputers"},
                             {"CRV", "System Summary", "mnuFleSystemSummary"},
                             {"QuickExport", "Export the displayed data to a file.", "mnuFleQuickExport"},
                             {"FullExport", "Scan and export selected data to file.", "mnuFleFullExport"},
                             {"Report", "View Reports", "mnuOPReports"},
                             {"Refresh", "Refresh", "mnuViewRefresh"},
                             {"Find", "Find a text in left or right panel.", "mnuFindItem"},
                             {"ChooseProps", "Choose properties to be scanned/viewed.", "mnuChooseProps"},
                             {"Exit", "Exit", "mnuFleExit"},
                             {"Updates", "Check for new version", "mnuCheckUpdates"},
                             {"About", "About", "mnuHlpAbout"}})});
    bars.push_back({"tlbHardware", "Hardware", 4500, true, false,
                    buttons("tlbHardware", {{"Input", "Input Device"},
                                            {"MassStorage", "Mass Storage"},
                                            {"MotherBoard", "Motherboard, Controller & Port"},
                                            {"Adapter", "Networking Device"},
                                            {"Power", "Power"},
                                            {"Printer", "Printing"},
                                            {"Telephone", "Telephony"},
                                            {"Display", "Video & Monitor"},
                                            {"Device", "Cooling Device"}})});
    bars.push_back({"tlbOS", "OS", 3360, false, false,
                    buttons("tlbOS", {{"COM", "COM"},
                                      {"Desktop", "Desktop"},
                                      {"Driver", "Drivers"},
                                      {"File", "File System"},
                                      {"Files", "Memory & Page Files"},
                                      {"Codec", "Multimedia Audio / Visual"},
                                      {"Network", "Networking"},
                                      {"Settings", "Operating System Settings"},
                                      {"Process", "Processes"},
                                      {"Registry", "Registry"},
                                      {"Scheduler", "Scheduler Jobs"},
                                      {"Service", "Services"},
                                      {"Share", "Shares"},
                                      {"StartMenu", "Start Menu"},
                                      {"Users", "Users"},
                                      {"EventLog", "Windows NT Event Log"},
                                      {"Windows", "Windows Product Activation"}})});
    bars.push_back({"tlbPower", "Power", 1995, true, true,
                    buttons("tlbPower", {{"Shutdown", "Shutdown Computer", "mnuOperationsPowShutdown"},
                                         {"Restart", "Restart Computer", "mnuOperationsPowRestart"},
                                         {"Boot", "Boot Computer Through Wake-ON-LAN", "mnuOperationsPowBoot"}})});
    bars.push_back({"tlbProcess", "Process", 1500, false, true,
                    buttons("tlbProcess", {{"KillProcess", "Kill Process - Task Manager", "mnuOperationsProcessKill"}})});
    bars.push_back(
        {"tlbServices", "Services", 3495, false, true,
         buttons("tlbServices",
                 {{"StartService", "Start Service - Service Manager", "mnuOperationsServiceControl", 0},
                  {"StopService", "Stop Service - Service Manager", "mnuOperationsServiceControl", 1},
                  {"PauseService", "Pause Service - Service Manager", "mnuOperationsServiceControl", 3},
                  {"ResumeService", "Resume Service - Service Manager", "mnuOperationsServiceControl", 4},
                  {"SetAutomatic", "Set Start Mode To Automatic  - Service Manager", "mnuOperationsServiceStartMode", 0},
                  {"SetManual", "Set Start Mode To Manual  - Service Manager", "mnuOperationsServiceStartMode", 1},
                  {"SetDisabled", "Set Start Mode To Disabled - Service Manager", "mnuOperationsServiceStartMode", 2}})});
    bars.push_back(
        {"tlbTabularReport", "TabularReport", 1575, false, true,
         buttons("tlbTabularReport",
                 {{"TabularAddNew", "Add New Report - Tabular Report", "mnuOperationsReportAdd"},
                  {"TabularRename", "Rename Report - Tabular Report", "mnuOperationsReportRename"},
                  {"TabularDelete", "Delete Report - Tabular Report", "mnuOperationsReportDelete"},
                  {"TabularCustomize", "Customize Report - Tabular Report", "mnuOperationsReportCustomize"},
                  {"TabularStartScan", "Start Scanning - Tabular Report", "mnuOperationsReportScan"},
                  {"TabularSelectAll", "Select All - Tabular Report", "mnuOperationsReportSelectItem", 0},
                  {"TabularSelectNone", "Select None - Tabular Report", "mnuOperationsReportSelectItem", 1}})});
    ToolbarDef scan{"tlbScan", "", 4755, false, true,
                    buttons("tlbScan",
                            {{"NewScan", "Start new scan and store data permanently.", "mnuStartScan"},
                             {"DeleteScan", "Delete stored details on the selected scan date.", "mnuDeleteScan"},
                             {"OnlineOffline", "Work Online/Offline"}})};
    scan.buttons[2].check_button = true;
    bars.push_back(std::move(scan));
    return bars;
}

const MenuItem* Find_In(const std::vector<MenuItem>& items, std::string_view name, int index) {
    for (const auto& m : items) {
        if (m.name == name && m.index == index) return &m;
        if (const MenuItem* c = Find_In(m.children, name, index)) return c;
    }
    return nullptr;
}

}  // namespace

std::string Command_Name(std::string_view name, int index) {
    std::string s(name);
    if (index >= 0) s += "(" + std::to_string(index) + ")";
    return s;
}

std::string Button_Name(std::string_view toolbar, std::string_view key) {
    std::string s(toolbar);
    s += '.';
    s += key;
    return s;
}

const std::vector<MenuItem>& Main_Menu_Bar() {
    static const std::vector<MenuItem> bar = Build_Menu_Bar();
    return bar;
}

const MenuItem* Find_Menu_Item(const std::vector<MenuItem>& items, std::string_view name, int index) {
    return Find_In(items, name, index);
}

const std::vector<ToolbarDef>& Main_Toolbars() {
    static const std::vector<ToolbarDef> bars = Build_Toolbars();
    return bars;
}

const ToolbarDef* Find_Toolbar(std::string_view name) {
    for (const auto& t : Main_Toolbars())
        if (t.name == name) return &t;
    return nullptr;
}

const std::vector<PanelDef>& Main_Status_Panels() {
    static const std::vector<PanelDef> panels = {
        {"Description", "Corvalin", "", ""},
        {"OnlineOffline", "Mode: Online", "", ""},
        {"Information", "", "", ""},
        {std::string(Maker_Host), std::string(Maker_Host), std::string(Maker_Page_Address), "sbrMain.WebSite"},
        {"Version", "", "", "mnuCheckUpdates"},
    };
    return panels;
}

const std::vector<AcceleratorDef>& Window_Accelerators() {
    // Keys that add a device from anywhere in the window: the first and the
    // second device type of the Add menu. Only Ctrl and Shift are asked for:
    // Alt held as well changes nothing (an accelerator entry names its
    // modifiers exactly, hence one entry with Alt and one without).
    static const std::vector<AcceleratorDef> keys = {
        {"Ctrl+Shift+G", "mnuAddType", 1},
        {"Ctrl+Shift+C", "mnuAddType", 2},
        {"Ctrl+Shift+Alt+G", "mnuAddType", 1},
        {"Ctrl+Shift+Alt+C", "mnuAddType", 2},
    };
    return keys;
}

}  // namespace crv
