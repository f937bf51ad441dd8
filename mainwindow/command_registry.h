#pragma once
// The main window's one command registry: a command's name maps to its
// handler and to the rule that says in which display modes it may run.
//
// How a topic adds its commands
// - Names are the menu item's control name ("mnuFleExit"; one entry serves
//   every member of a control array, the handler gets the index) or, for a
//   button that stands for no menu item, its button name ("tlbOS.COM").
// - A topic of the main window has one registration member,
//   `MainController::Register_<Topic>_Commands()`, declared in its block of
//   frm_main_controller.h and called from the list in
//   `MainController::Register_All_Commands()` (frm_main_controller.cpp). In
//   it the topic calls `Register_Command(name, handler)` for each command it
//   builds. Work outside mainwindow/ (the dialogs) attaches its handlers
//   through the same public `Register_Command`.
// - Toolbar buttons need no code: each button in the toolbar table
//   (main_commands.cpp) names the command it runs, and is enabled and
//   dispatched with it. Status-bar panels and window-wide keys name their
//   command in the same tables.
// - Pop-up menus are submenus of the menu table (mnuGroup,
//   mnuOperationsProcess ...): a topic opens one with
//   `MainHost::Popup_Menu(name)`, and its items dispatch like menu items.
//   A submenu is enabled while any item below it has a handler.
// - A display-mode rule: `Set_Command_Rule(name, {Mode_Bit(3)})` lets the
//   command run only while the list pane shows Display_Mode 3; `also` adds
//   a condition beyond the mode. The operation groups' rules are set by the
//   availability topic, so their later handlers only register.
// - A command that neither lists, scans nor opens a window may set
//   `during_listing`: it then runs at once inside a running listing's
//   message pump. Every other command cancels that listing and runs once it
//   has unwound.
// A command is enabled only while it has a handler and its rule allows the
// current display mode; a command nobody registered stays disabled.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

using CommandHandler = std::function<void(int index)>;

constexpr unsigned Mode_Bit(int display_mode) { return 1u << display_mode; }
inline constexpr unsigned All_Display_Modes = 0x7Fu;  // modes 0 to 6

struct CommandRule {
    unsigned modes = All_Display_Modes;
    std::function<bool()> also;  // empty: no further condition
    bool during_listing = false;
};

class CommandRegistry {
public:
    // A second registration of a name replaces the handler, keeping the rule.
    void Add(const std::string& name, CommandHandler handler);
    void Set_Rule(const std::string& name, CommandRule rule);
    bool Has_Handler(std::string_view name) const;
    // The rule allows the command in this display mode (no rule: always).
    bool Allows(std::string_view name, int display_mode) const;
    bool Enabled(std::string_view name, int display_mode) const {
        return Has_Handler(name) && Allows(name, display_mode);
    }
    bool Runs_During_Listing(std::string_view name) const;
    // The handler, or null when none is registered.
    const CommandHandler* Handler(std::string_view name) const;
    // Every name that has a handler, in name order.
    std::vector<std::string> Names() const;

private:
    struct Entry {
        CommandHandler handler;
        CommandRule rule;
    };
    const Entry* Find(std::string_view name) const;
    std::map<std::string, Entry, std::less<>> entries_;
};

}  // namespace crv
