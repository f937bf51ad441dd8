// The real main window under Wine, driven through its controls: the stored
// layout kept inside the window, the coolbar's hidden bands and the menu
// that shows them, toolbar clicks where the mouse lands, window-wide keys,
// the icon view of a group and the feature tree's groups opened again.
#include <gtest/gtest.h>

#include <functional>

#include "mainwindow/tests/window_test_support.h"
#include "store/features.h"
#include "store/settings.h"

namespace crv {
namespace {

// A control's rectangle in the main window's client coordinates.
RECT Client_Rect(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Pixels(double twips) {
    HDC dc = GetDC(Main());
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(Main(), dc);
    return MulDiv(static_cast<int>(twips), dpi, 1440);
}

// Presses the left button where the centre of a toolbar's button is: the
// click goes to whatever window is on top at that point, as the mouse's
// would. Returns that window.
HWND Click_Where_Button_Is(const std::string& toolbar, int index) {
    RECT r{};
    SendMessageW(H(toolbar), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(H(toolbar), &p);
    HWND target = WindowFromPoint(p);
    if (!target) return nullptr;
    ScreenToClient(target, &p);
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    Pump(20);
    return target;
}

// Sends a key with the given modifiers held to a control, through the
// window's own message handling (accelerators included).
void Key_With(HWND to, WPARAM key, bool ctrl, bool shift, bool alt = false) {
    BYTE state[256];
    GetKeyboardState(state);
    BYTE held[256];
    std::copy(std::begin(state), std::end(state), held);
    held[VK_CONTROL] = ctrl ? 0x80 : 0;
    held[VK_SHIFT] = shift ? 0x80 : 0;
    held[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(held);
    PostMessageW(to, WM_KEYDOWN, key, 1);
    frmMain::Instance().Controller().Host()->Do_Events();
    SetKeyboardState(state);
}

void Ctrl_Shift_Key(HWND to, WPARAM key) { Key_With(to, key, true, true); }

class CommandsWindowTest : public MainWindowFixture {
protected:
    static void SetUpTestSuite() {
        Prepare_Main_Window();
        // A layout stored in a far larger window, past what a whole number
        // of twips can hold.
        Save_Setting(Product_Name, "LeftTopPane", "Width", "40000");
        Save_Setting(Product_Name, "LeftTopPane", "Height", "90000");
        Save_Setting(Product_Name, "RightPane", "DataWidth", "2500");
        Open_Store();
        Add_Local_Computer();
        Save_Feature("[Root...]", "Computer", "", "0", "Computer", "");
        Save_Feature("Software", "Software", "", "1", "Windows", "[Root...]");
        Save_Feature("Win32_OperatingSystem", "Operating System", "", "2", "Windows", "Software");
        // A group of more than seven members for the icon view.
        Save_Feature("Gadgets", "Gadgets", "", "1", "Device", "[Root...]");
        for (int i = 1; i <= 11; ++i)
            Save_Feature("Win32_Gadget" + std::to_string(i), "Gadget " + std::to_string(i), "", "2", "Device",
                         "Gadgets");
        Set_Work_Online(true);
        Record_Main_Boxes(boxes_);
        Show_Main_Window();
    }
};

TEST_F(CommandsWindowTest, A_AStoredLayoutStaysInsideTheWindow) {
    RECT client;
    GetClientRect(Main(), &client);
    const RECT devices = Client_Rect(H("tvwDevices"));
    const RECT features = Client_Rect(H("tvwFeatures"));
    const RECT list = Client_Rect(H("lvwMain"));
    const RECT status = Client_Rect(H("sbrMain"));
    EXPECT_GT(devices.right - devices.left, Pixels(1000));
    EXPECT_GE(list.right - list.left, Pixels(1000) - 1);
    EXPECT_LE(list.right, client.right);
    EXPECT_LT(devices.right, list.left);
    EXPECT_GE(features.top, devices.bottom);
    EXPECT_GE(features.bottom - features.top, Pixels(1000) - 1);
    EXPECT_LE(features.bottom, status.top);
    EXPECT_LE(devices.bottom, status.top);
    // The first listing takes the stored width of the first column.
    Click("Win32_OperatingSystem");
    const int width = static_cast<int>(SendMessageW(H("lvwMain"), LVM_GETCOLUMNWIDTH, 0, 0));
    EXPECT_NEAR(width, Pixels(2500), 1);
    // A window too narrow for the panes leaves the list its width.
    RECT outer;
    GetWindowRect(Main(), &outer);
    SetWindowPos(Main(), nullptr, 0, 0, Pixels(2900), outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
    Pump(20);
    const RECT narrow = Client_Rect(H("lvwMain"));
    EXPECT_EQ(narrow.right - narrow.left, list.right - list.left);
    SetWindowPos(Main(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
    Pump(20);
    // The divider, dragged back to the design width, gives the list the rest.
    const int gap_x = devices.right + 1, y = (devices.top + devices.bottom) / 2;
    SendMessageW(Main(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(gap_x, y));
    SendMessageW(Main(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(Pixels(3700), y));
    SendMessageW(Main(), WM_LBUTTONUP, 0, MAKELPARAM(Pixels(3700), y));
    EXPECT_GT(Client_Rect(H("lvwMain")).right - Client_Rect(H("lvwMain")).left, client.right / 2);
}

TEST_F(CommandsWindowTest, B_HiddenBandsHideTheirToolbars) {
    EXPECT_FALSE(IsWindowVisible(H("tlbHardware")));
    EXPECT_FALSE(IsWindowVisible(H("tlbOS")));
    EXPECT_TRUE(IsWindowVisible(H("tlbMain")));
    // The main toolbar's first button is the one under the mouse there.
    int opened = 0;
    C().Register_Command("mnuFleManageComputers", [&](int) { ++opened; });
    EXPECT_EQ(Click_Where_Button_Is("tlbMain", 0), H("tlbMain"));
    EXPECT_EQ(opened, 1);
}

TEST_F(CommandsWindowTest, C_TheExitButtonAsks) {
    boxes_.clear();
    EXPECT_EQ(Click_Where_Button_Is("tlbMain", 8), H("tlbMain"));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], "Are you sure you want to close this program?");
    EXPECT_TRUE(IsWindow(Main()));
}

TEST_F(CommandsWindowTest, D_CtrlShiftKeysAddDevicesFromAnyPane) {
    std::vector<int> added;
    C().Register_Command("mnuAddType", [&](int index) { added.push_back(index); });
    // Each pane with a device selected: the tree's node, the group listing's row.
    C().tvwDevices.Select(C().tvwDevices.Find("DEV1"));
    SetFocus(H("tvwDevices"));
    Ctrl_Shift_Key(H("tvwDevices"), 'G');
    C().tvwDevices_NodeClick(C().tvwDevices.Find("DEV1"));
    ListView_SetItemState(H("lvwMain"), 0, LVIS_SELECTED, LVIS_SELECTED);
    SetFocus(H("lvwMain"));
    Ctrl_Shift_Key(H("lvwMain"), 'C');
    EXPECT_EQ(added, (std::vector<int>{1, 2}));
    // Alt held as well still adds; Ctrl or Alt without Shift does not.
    added.clear();
    SetFocus(H("tvwDevices"));
    Key_With(H("tvwDevices"), 'G', true, true, true);
    Key_With(H("tvwDevices"), 'C', true, true, true);
    Key_With(H("tvwDevices"), 'G', true, false, true);
    Key_With(H("tvwDevices"), 'G', true, false);
    EXPECT_EQ(added, (std::vector<int>{1, 2}));
}

// Every icon of the listed group at a place of its own inside the pane,
// and the last one found there by a hit test.
void Expect_Icons_Each_In_Place(int count) {
    ASSERT_EQ(List_Count(), count);
    ASSERT_EQ(GetWindowLongW(H("lvwMain"), GWL_STYLE) & LVS_TYPEMASK, LVS_ICON);
    RECT client;
    GetClientRect(H("lvwMain"), &client);
    std::vector<RECT> places;
    for (int i = 0; i < count; ++i) {
        RECT icon{};
        icon.left = LVIR_ICON;
        ASSERT_TRUE(SendMessageW(H("lvwMain"), LVM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&icon)));
        for (const RECT& q : places) EXPECT_FALSE(icon.left == q.left && icon.top == q.top) << "item " << i;
        // Inside the pane: it shows without scrolling.
        EXPECT_GE(icon.top, client.top) << "item " << i;
        EXPECT_LE(icon.bottom, client.bottom) << "item " << i;
        EXPECT_LE(icon.right, client.right) << "item " << i;
        places.push_back(icon);
    }
    const RECT& last = places.back();
    LVHITTESTINFO hit{};
    hit.pt = {(last.left + last.right) / 2, (last.top + last.bottom) / 2};
    EXPECT_EQ(SendMessageW(H("lvwMain"), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), count - 1);
}

TEST_F(CommandsWindowTest, E_EveryIconOfALargeGroupHasItsOwnPlace) {
    // After a long property list, after a small group, and again.
    Click("Win32_OperatingSystem");
    Click("Gadgets");
    Expect_Icons_Each_In_Place(11);
    Click("Software");
    Click("Gadgets");
    Expect_Icons_Each_In_Place(11);
    Click("Gadgets");
    Expect_Icons_Each_In_Place(11);
}

TEST_F(CommandsWindowTest, F_EveryMenuShortcutRunsItsCommand) {
    // Each shortcut a menu item shows, pressed in the device tree, reaches
    // that item's command (a recorder stands in for its handler meanwhile).
    std::vector<const MenuItem*> items;
    std::function<void(const std::vector<MenuItem>&)> collect = [&](const std::vector<MenuItem>& list) {
        for (const auto& m : list) {
            if (!m.shortcut.empty() && m.children.empty()) items.push_back(&m);
            collect(m.children);
        }
    };
    collect(Main_Menu_Bar());
    int pressed = 0;
    for (const MenuItem* m : items) {
        std::string key = m->shortcut;
        const bool ctrl = key.rfind("Ctrl+", 0) == 0;
        if (ctrl) key = key.substr(5);
        WPARAM vk = 0;
        if (key.size() == 1) vk = static_cast<WPARAM>(key[0]);
        else if (key.size() >= 2 && key[0] == 'F') vk = static_cast<WPARAM>(VK_F1 + std::stoi(key.substr(1)) - 1);
        // F2 and Del belong to the panes (label editing, delete).
        if (vk == 0 || (!ctrl && vk == VK_F2)) continue;
        const CommandHandler* real = C().Registry().Handler(m->name);
        const CommandHandler original = real ? *real : CommandHandler{};
        std::vector<int> runs;
        C().Register_Command(m->name, [&](int index) { runs.push_back(index); });
        SetFocus(H("tvwDevices"));
        Key_With(H("tvwDevices"), vk, ctrl, false);
        EXPECT_EQ(runs, std::vector<int>{m->index}) << m->shortcut << " " << m->name;
        if (original) C().Register_Command(m->name, original);
        ++pressed;
    }
    EXPECT_GE(pressed, 10);
}

// The submenu of the menu bar whose item has that caption ("" when none).
HMENU Submenu_Of(HMENU menu, const std::wstring& caption) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (!sub) continue;
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        if (caption == text) return sub;
        if (HMENU found = Submenu_Of(sub, caption)) return found;
    }
    return nullptr;
}

TEST_F(CommandsWindowTest, G_ToolsVisibleShowsAndHidesTheHardwareToolbar) {
    HMENU tools = Submenu_Of(GetMenu(Main()), L"Tools Visible");
    ASSERT_NE(tools, nullptr);
    ASSERT_EQ(GetMenuItemCount(tools), 6);
    const UINT hardware = GetMenuItemID(tools, 0);
    auto checked = [&](int position) {
        return (GetMenuState(tools, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
    };
    auto mask = [&] { return db_->Scalar("SELECT TLB_VISIBILITY FROM SETTINGS_TBL WHERE SETTINGS_ID=1"); };
    // The check marks say which bands show.
    EXPECT_FALSE(checked(0));
    EXPECT_FALSE(checked(1));
    EXPECT_TRUE(checked(2));
    EXPECT_TRUE(IsWindowVisible(H("tlbPower")));
    ASSERT_FALSE(IsWindowVisible(H("tlbHardware")));

    SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(hardware, 0), 0);
    Pump(50);
    EXPECT_TRUE(IsWindowVisible(H("tlbHardware")));
    REBARBANDINFOW band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE;
    SendMessageW(H("clbMain"), RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&band));
    EXPECT_EQ(band.fStyle & RBBS_HIDDEN, 0u);
    EXPECT_TRUE(checked(0));
    EXPECT_EQ(mask(), "61");
    // The list pane moves below the taller coolbar.
    EXPECT_GE(Client_Rect(H("lvwMain")).top, Client_Rect(H("tlbHardware")).bottom);

    // Refresh builds the window again from the stored choice.
    ASSERT_TRUE(C().Run_Command("mnuViewRefresh"));
    Pump(50);
    EXPECT_TRUE(IsWindowVisible(H("tlbHardware")));
    EXPECT_TRUE(checked(0));

    SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(hardware, 0), 0);
    Pump(50);
    EXPECT_FALSE(IsWindowVisible(H("tlbHardware")));
    EXPECT_FALSE(checked(0));
    EXPECT_EQ(mask(), "60");
}

// Counts the frame paints a window gets while it lives.
class FramePaintCounter {
public:
    explicit FramePaintCounter(HWND window) : window_(window) {
        SetWindowSubclass(window_, Count, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~FramePaintCounter() { RemoveWindowSubclass(window_, Count, 1); }
    int paints = 0;

private:
    static LRESULT CALLBACK Count(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
        if (msg == WM_NCPAINT) ++reinterpret_cast<FramePaintCounter*>(self)->paints;
        return DefSubclassProc(h, msg, wp, lp);
    }
    HWND window_;
};

TEST_F(CommandsWindowTest, H_RestoredGroupsOpenOutOfSightAndTheFocusStays) {
    // Every group marked open, as a start or a Refresh restores them: the
    // group of eleven overflows the short feature tree, so its scroll bars
    // come; in sight, the tree would repaint its frame for each, where one
    // paint, when it shows again, is enough.
    // Refresh builds the tree again, its groups closed; the one-shot timer's
    // work is run here, before the timer could come.
    ASSERT_TRUE(C().Run_Command("mnuViewRefresh"));
    Save_Setting(Product_Name, "LeftTopPane", "Expanded", std::string(C().tvwFeatures.Count(), '1'));
    HWND tree = H("tvwFeatures");
    TreeNode* gadgets = C().tvwFeatures.Find("Gadgets");
    ASSERT_NE(gadgets, nullptr);
    ASSERT_FALSE(gadgets->expanded);
    SetFocus(tree);
    ASSERT_EQ(GetFocus(), tree);
    {
        FramePaintCounter counter(tree);
        C().tmrExpand_Timer();
        EXPECT_LE(counter.paints, 1);
    }
    EXPECT_TRUE(IsWindowVisible(tree));
    EXPECT_EQ(GetFocus(), tree);
    const HTREEITEM shown = Tree_Find(tree, Tree_Root(tree), "Gadgets");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(TreeView_GetItemState(tree, shown, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_NE(Tree_Find(tree, shown, "Gadget 11"), nullptr);
    EXPECT_TRUE(GetWindowLongW(tree, GWL_STYLE) & WS_VSCROLL);
    Save_Setting(Product_Name, "LeftTopPane", "Expanded", "1");
}

}  // namespace
}  // namespace crv
