#pragma once
// The main window's menu bar, toolbars, status-bar panels and coolbar bands
// as plain tables: the Win32 view builds the real menus and bars from them,
// the controller keeps their enabled and checked state by name.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

// One menu item. `name` is the control name; members of a control array
// share the name and differ by `index` (-1 outside an array). A command's
// state is addressed by Command_Name(name, index).
struct MenuItem {
    std::string name;
    int index = -1;
    std::string caption;
    std::string shortcut;  // "Ctrl+M", "F5", "Ctrl+Shift+G" ... ("" none)
    bool separator = false;
    bool check_item = false;
    std::vector<MenuItem> children;
};

struct ToolButton {
    std::string key;  // also the image key in the main image list
    std::string tooltip;
    bool check_button = false;
    // The registered command a click runs, with its control-array index.
    std::string command;
    int index = -1;
};

struct ToolbarDef {
    std::string name;       // "tlbMain"
    std::string band_key;   // coolbar band key ("" for tlbScan)
    double band_width_twips = 0;
    bool new_row = false;
    bool visible = true;
    std::vector<ToolButton> buttons;
};

struct PanelDef {
    std::string key;
    std::string text;
    std::string tag;
    std::string command;  // run by a click on the panel ("" none)
};

// A window-wide key that runs a command whichever control has the focus.
struct AcceleratorDef {
    std::string shortcut;  // "Ctrl+Shift+G"
    std::string command;
    int index = -1;
};

// "mnuFleExit", "mnuToolbars(3)".
std::string Command_Name(std::string_view name, int index = -1);
// The toolbar button's state name: "tlbProcess.KillProcess".
std::string Button_Name(std::string_view toolbar, std::string_view key);

// The menu bar, top-level menus in order.
const std::vector<MenuItem>& Main_Menu_Bar();
// The item of that name and index anywhere below `items`, or null.
const MenuItem* Find_Menu_Item(const std::vector<MenuItem>& items, std::string_view name, int index = -1);

// The eight toolbars: the seven of clbMain in band order, then tlbScan.
const std::vector<ToolbarDef>& Main_Toolbars();
const ToolbarDef* Find_Toolbar(std::string_view name);

// Status-bar panels in order.
const std::vector<PanelDef>& Main_Status_Panels();

// The maker's web site (scheme and host) and host name.
inline constexpr std::string_view Maker_Site = "https://www.veltrane.com";
inline constexpr std::string_view Maker_Host = "www.veltrane.com";

// Keys beyond the menu shortcuts that act anywhere in the window.
const std::vector<AcceleratorDef>& Window_Accelerators();

}  // namespace crv
