// The list pane's events as the list view reports them, and the window's
// active control: whichever of its controls last took the focus.
#include "mainwindow/frm_main_win_impl.h"
#include "platform/win/window_hook.h"

#include <functional>

namespace crv {

namespace {

// The one main window whose focus is followed, and the hook that sees every
// focus change of the thread (in-place editors and the combo box's own
// children included) before it happens.
HWND g_tracked = nullptr;
HWND g_last_child = nullptr;
std::function<void(HWND focus)> g_focus_to;
HHOOK g_focus_hook = nullptr;
constexpr UINT_PTR Focus_Subclass_Id = 0x46435453;

LRESULT CALLBACK Focus_Hook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_SETFOCUS && g_focus_to && IsWindow(g_tracked)) {
        HWND focus = reinterpret_cast<HWND>(wp);
        // Focus moving into another window (a dialog, a box) leaves the
        // main window's last control as it was; focus on the window itself
        // goes on to that control (below).
        if (focus && IsChild(g_tracked, focus)) {
            g_last_child = focus;
            g_focus_to(focus);
        }
    }
    return CallNextHookEx(g_focus_hook, code, wp, lp);
}

bool Can_Take_Focus(HWND child) {
    return child && IsWindow(child) && IsChild(g_tracked, child) && IsWindowVisible(child) &&
           IsWindowEnabled(child);
}

// The window activated again (a dialog or box closed, the user came back
// from another program) gives the focus back to the control that had it.
LRESULT CALLBACK Restore_Focus(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_SETFOCUS && hwnd == g_tracked) {
        if (Can_Take_Focus(g_last_child)) {
            SetFocus(g_last_child);
            return 0;
        }
        if (g_focus_to) g_focus_to(hwnd);
    }
    if (msg == WM_NCDESTROY) Unhook_Window(hwnd, Restore_Focus, Focus_Subclass_Id);
    return Hook_Next(hwnd, msg, wp, lp);
}

}  // namespace

std::string frmMain::Impl::Control_Name_Of(HWND focus) const {
    for (HWND h = focus; h && h != hwnd; h = GetParent(h)) {
        if (h == tvwDevices.Handle()) return "tvwDevices";
        if (h == tvwFeatures.Handle()) return "tvwFeatures";
        if (h == lvwMain.Handle()) return "lvwMain";
        if (h == cboScanDate.Handle()) return "cboScanDate";
        if (h == cmdCancel) return "cmdCancel";
        if (h == sbrMain.Handle()) return "sbrMain";
        for (const auto& [name, bar] : toolbars)
            if (h == bar->Handle()) return name;
        if (h == clbMain.Handle()) return "clbMain";
        if (h == clbScan.Handle()) return "clbScan";
        if (h == picMain) return "picMain";
    }
    return "frmMain";
}

void frmMain::Impl::Ensure_Row_Visible(std::size_t index) {
    lvwMain.Ensure_Visible(index);
    ListView_SetItemState(lvwMain.Handle(), static_cast<int>(index), LVIS_FOCUSED, LVIS_FOCUSED);
}

void frmMain::Impl::Ensure_Device_Visible(const TreeNode& node) {
    tvwDevices.Ensure_Visible(const_cast<TreeNode*>(&node));
}

void frmMain::Impl::Wire_List_Pane_Events() {
    lvwMain.on_column_click = [this](std::size_t column) { c.lvwMain_ColumnClick(column); };
    lvwMain.on_double_click = [this] { c.lvwMain_DblClick(); };
    lvwMain.on_key_down = [this](int key, int shift) {
        c.lvwMain_KeyDown(key, shift);
        return false;
    };
    lvwMain.on_key_press = [this](int key_ascii) { return c.lvwMain_KeyPress(key_ascii); };
    lvwMain.on_right_click = [this](const MouseEvent& e) { c.lvwMain_MouseUp(2, e.shift, e.x, e.y); };
    lvwMain.on_begin_drag = [this] {
        int effects = 0;
        return c.lvwMain_OLEStartDrag(effects);
    };
    lvwMain.on_lost_focus = [this] {
        lvwMain.Read_Column_Widths();
        c.lvwMain_LostFocus();
    };
    // The device tree's context menu acts on the tree: it takes the focus.
    auto tree_down = tvwDevices.on_mouse_down;
    tvwDevices.on_mouse_down = [this, tree_down](const MouseEvent& e) {
        if (e.button == Mouse_Right) tvwDevices.Focus();
        if (tree_down) tree_down(e);
    };
    // A name stored by the tree's editor shows in the group listing too.
    auto store_name = tvwDevices.on_after_label_edit;
    tvwDevices.on_after_label_edit = [this, store_name](TreeNode& node, const std::string& text) {
        const bool stored = store_name ? store_name(node, text) : true;
        if (stored) c.Show_Device_Name(node.key, text);
        return stored;
    };
    g_tracked = hwnd;
    g_focus_to = [this](HWND focus) { c.active_control = Control_Name_Of(focus); };
    if (!g_focus_hook) g_focus_hook = SetWindowsHookExW(WH_CBT, Focus_Hook, nullptr, GetCurrentThreadId());
    Hook_Window(hwnd, Restore_Focus, Focus_Subclass_Id, 0);
}

}  // namespace crv
