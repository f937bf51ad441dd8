// The main window's menus, pop-up menus and accelerators: built from the
// menu table, mirrored from the controller's command states, and every
// item's click handed to the command registry.
#include "mainwindow/frm_main_win_impl.h"

namespace crv {

namespace {

constexpr int kFirstCommandId = 1000;

// "Ctrl+M", "Ctrl+Shift+G", "F5", "Ctrl+F1" as an accelerator entry.
bool Parse_Shortcut(const std::string& text, ACCEL& accel) {
    accel = {};
    accel.fVirt = FVIRTKEY;
    std::string rest = text;
    auto take = [&](const char* prefix, BYTE flag) {
        std::string p(prefix);
        if (rest.compare(0, p.size(), p) == 0) {
            accel.fVirt |= flag;
            rest = rest.substr(p.size());
            return true;
        }
        return false;
    };
    while (take("Ctrl+", FCONTROL) || take("Shift+", FSHIFT) || take("Alt+", FALT)) {
    }
    if (rest.size() == 1 && ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= '0' && rest[0] <= '9'))) {
        accel.key = static_cast<WORD>(rest[0]);
    } else if (rest.size() >= 2 && rest[0] == 'F') {
        int n = std::atoi(rest.c_str() + 1);
        if (n < 1 || n > 12) return false;
        accel.key = static_cast<WORD>(VK_F1 + n - 1);
    } else {
        return false;
    }
    // F2 and Del belong to the panes (label editing, delete) and are only shown.
    if (accel.fVirt == FVIRTKEY && accel.key == VK_F2) return false;
    return true;
}

}  // namespace

void frmMain::Impl::Build_Menus() {
    menu_bar = CreateMenu();
    std::vector<ACCEL> accels;
    Build_Menu(menu_bar, Main_Menu_Bar(), accels);
    // Window-wide keys that no menu item shows.
    for (const auto& k : Window_Accelerators()) {
        ACCEL a;
        if (!Parse_Shortcut(k.shortcut, a)) continue;
        const int id = kFirstCommandId + 4000 + static_cast<int>(accels.size());
        commands_by_id[id] = {k.command, k.index};
        a.cmd = static_cast<WORD>(id);
        accels.push_back(a);
    }
    if (!accels.empty()) accel = CreateAcceleratorTableW(accels.data(), static_cast<int>(accels.size()));
}

void frmMain::Impl::Build_Menu(HMENU parent, const std::vector<MenuItem>& items, std::vector<ACCEL>& accels) {
    int position = 0;
    for (const auto& m : items) {
        if (m.separator) {
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        } else if (!m.children.empty()) {
            HMENU sub = CreatePopupMenu();
            Build_Menu(sub, m.children, accels);
            AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), To_Wide(m.caption).c_str());
            popups[Command_Name(m.name, m.index)] = {parent, position};
            if (m.name == "mnuGroupAdd") add_menu = sub;
        } else {
            const int id = kFirstCommandId + static_cast<int>(commands_by_id.size());
            std::string caption = m.caption;
            if (!m.shortcut.empty()) caption += "\t" + m.shortcut;
            AppendMenuW(parent, MF_STRING, static_cast<UINT_PTR>(id), To_Wide(caption).c_str());
            commands_by_id[id] = {m.name, m.index};
            ids_by_command[Command_Name(m.name, m.index)] = id;
            if (parent == menu_bar) bar_ids.insert(id);
            ACCEL a;
            if (!m.shortcut.empty() && Parse_Shortcut(m.shortcut, a)) {
                a.cmd = static_cast<WORD>(id);
                accels.push_back(a);
            }
        }
        ++position;
    }
}

HMENU frmMain::Impl::Popup_Of(const std::string& name) {
    auto it = popups.find(name);
    if (it == popups.end()) return nullptr;
    return GetSubMenu(it->second.first, it->second.second);
}

void frmMain::Impl::Popup_Menu(const std::string& name) {
    POINT p;
    GetCursorPos(&p);
    if (HMENU menu = Popup_Of(name)) TrackPopupMenu(menu, TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd, nullptr);
}


// The menu shortcuts, except while an in-place editor has the keyboard
// (Ctrl+X, Ctrl+P ... belong to the text there).
bool frmMain::Impl::Translate_Accelerator(MSG& m) {
    if (!accel || !hwnd) return false;
    wchar_t cls[16] = {};
    if (HWND focus = GetFocus(); focus && GetClassNameW(focus, cls, 16) && lstrcmpiW(cls, L"Edit") == 0)
        return false;
    return TranslateAcceleratorW(hwnd, accel, &m) != 0;
}

void frmMain::Impl::On_Command(int id) {
    // Menu items, pop-up items and accelerators all come here by id.
    auto it = commands_by_id.find(id);
    if (it == commands_by_id.end()) return;
    const auto [name, index] = it->second;
    c.Run_Command(name, index);
}

void frmMain::Impl::Sync_Commands() {
    Sync_Report_Menu();
    // Drop-down items are drawn when they open; only a change on the bar
    // itself needs the bar drawn again (a redraw costs milliseconds under
    // Wine, and every click on a feature comes here).
    bool bar_changed = false;
    auto note = [&](bool on_bar, UINT before, UINT flag, bool now) {
        if (on_bar && before != static_cast<UINT>(-1) && ((before & flag) != 0) != now) bar_changed = true;
    };
    for (const auto& [name, state] : c.Commands()) {
        auto id = ids_by_command.find(name);
        if (id != ids_by_command.end()) {
            const UINT item = static_cast<UINT>(id->second);
            const bool on_bar = bar_ids.count(id->second) != 0;
            note(on_bar, EnableMenuItem(menu_bar, item, MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED)),
                 MF_GRAYED, !state.enabled);
            note(on_bar, CheckMenuItem(menu_bar, item, MF_BYCOMMAND | (state.checked ? MF_CHECKED : MF_UNCHECKED)),
                 MF_CHECKED, state.checked);
            continue;
        }
        auto popup = popups.find(name);
        if (popup != popups.end()) {
            const auto [parent, position] = popup->second;
            note(parent == menu_bar,
                 EnableMenuItem(parent, static_cast<UINT>(position),
                                MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED)),
                 MF_GRAYED, !state.enabled);
            continue;
        }
        auto dot = name.find('.');
        if (dot == std::string::npos) continue;
        auto bar = toolbars.find(name.substr(0, dot));
        if (bar == toolbars.end()) continue;
        const std::string key = name.substr(dot + 1);
        const ToolbarButton* b = bar->second->Button(key);
        if (!b) continue;
        if (b->enabled != state.enabled) bar->second->Set_Enabled(key, state.enabled);
        if (b->style == ButtonStyle::Check && b->checked != (state.value == 1))
            bar->second->Set_Checked(key, state.value == 1);
        if (b->tooltip != state.tooltip) bar->second->Set_Tooltip(key, state.tooltip);
    }
    // The run-time Add members follow the design member's state.
    const CommandState* add = c.Find_Command(Command_Name("mnuAddType", 0));
    for (int id : add_type_ids)
        EnableMenuItem(menu_bar, static_cast<UINT>(id), MF_BYCOMMAND | (add && add->enabled ? MF_ENABLED : MF_GRAYED));
    if (hwnd && bar_changed) DrawMenuBar(hwnd);
}

void frmMain::Impl::Sync_Add_Menu() {
    if (!add_menu) return;
    for (int id : add_type_ids) DeleteMenu(add_menu, static_cast<UINT>(id), MF_BYCOMMAND);
    add_type_ids.clear();
    for (const auto& m : c.mnuAddType) {
        if (!m.visible) continue;
        const int id = kFirstCommandId + 5000 + m.index;
        const CommandState* add = c.Find_Command(Command_Name("mnuAddType", 0));
        AppendMenuW(add_menu, MF_STRING | (add && add->enabled ? 0 : MF_GRAYED), static_cast<UINT_PTR>(id),
                    To_Wide(m.caption).c_str());
        add_type_ids.push_back(id);
        commands_by_id[id] = {"mnuAddType", m.index};
    }
    auto design = ids_by_command.find(Command_Name("mnuAddType", 0));
    if (!c.mnuAddType0_visible && design != ids_by_command.end()) {
        DeleteMenu(add_menu, static_cast<UINT>(design->second), MF_BYCOMMAND);
        ids_by_command.erase(design);
    }
}

}  // namespace crv
