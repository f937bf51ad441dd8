// The feature tree's report events and the Tabular Report menu's visible
// items on the Win32 side.
#include "mainwindow/frm_main_win_impl.h"

namespace crv {

void frmMain::Impl::Wire_Report_Events() {
    // Only saved report nodes take a new name in place.
    tvwFeatures.Set_Label_Edit(true);
    tvwFeatures.on_before_label_edit = [this](TreeNode& node) { return c.tvwFeatures_BeforeLabelEdit(node); };
    tvwFeatures.on_after_label_edit = [this](TreeNode&, const std::string& typed) {
        bool cancel = false;
        std::string text = typed;
        c.tvwFeatures_AfterLabelEdit(cancel, text);
        // The controller has put the trimmed name on the node itself; the
        // control must not write the typed text over it.
        return false;
    };
    tvwFeatures.on_mouse_down = [this](const MouseEvent& e) {
        if (e.button == Mouse_Right) c.tvwFeatures_MouseDown(2, tvwFeatures.Hit_Test(e.x, e.y));
    };
    tvwFeatures.on_key_down = [this](int key, int shift) {
        c.tvwFeatures_KeyDown(key, shift);
        return false;
    };
}

void frmMain::Impl::Sync_Report_Menu() {
    // A Win32 menu has no hidden items: the Tabular Report menu is rebuilt
    // from the table with the items the controller shows.
    HMENU menu = Popup_Of("mnuOperationsReport");
    const MenuItem* table = Find_Menu_Item(Main_Menu_Bar(), "mnuOperationsReport");
    if (!menu || !table) return;
    std::string shown;
    for (const auto& m : table->children) {
        const CommandState* state = c.Find_Command(Command_Name(m.name, m.index));
        shown += (!state || state->visible) ? '1' : '0';
    }
    if (shown == report_menu_shown) return;
    report_menu_shown = shown;
    while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
    std::size_t i = 0;
    for (const auto& m : table->children) {
        if (shown[i++] == '0') continue;
        if (m.separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        auto id = ids_by_command.find(Command_Name(m.name, m.index));
        if (id == ids_by_command.end()) continue;
        std::string caption = m.caption;
        if (!m.shortcut.empty()) caption += "\t" + m.shortcut;
        const CommandState* state = c.Find_Command(Command_Name(m.name, m.index));
        AppendMenuW(menu, MF_STRING | (state && !state->enabled ? MF_GRAYED : 0), static_cast<UINT_PTR>(id->second),
                    To_Wide(caption).c_str());
    }
}

}  // namespace crv
