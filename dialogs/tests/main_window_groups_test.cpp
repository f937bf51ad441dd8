// The real main window with its dialogs under Wine: the device tree's
// context menu, F2 and Delete, a header click on the list pane, Find in the
// live service list, and the properties dialog from a double click. Keys
// and clicks go through the message queue as the user's would.

#include <gtest/gtest.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_commands.h"
#include "dialogs/win/dialog_view.h"
#include "dialogs/win/frm_find.h"
#include "dialogs/win/frm_properties.h"
#include "mainwindow/tests/window_test_support.h"
#include "store/features.h"
#include "store/settings.h"

namespace crv {
namespace {

void Key(HWND target, WPARAM key) {
    Post_Key(target, key);
    Pump(30);
}
HTREEITEM Device_Item(const std::string& text) {
    return Tree_Find(H("tvwDevices"), Tree_Root(H("tvwDevices")), text);
}
void Click_At(HWND target, const RECT& r) {
    test::Post_Click_At(target, r);
    Pump(50);
}

class MainWindowGroupsTest : public MainWindowFixture {
protected:
    static void SetUpTestSuite() {
        Prepare_Main_Window();
        Open_Store();
        Add_Local_Computer();
        Set_Work_Online(true);
        Set_Vertical_Listing(true);
        Agree_To_Main_Boxes(boxes_);
        Attach_Dialog_Commands(C(), [] { return Main(); });
        Show_Main_Window(400);
    }
    // Right-clicks a device node; the context menu's keys wait in the queue
    // for the menu's own loop.
    void Context_Menu_On(HTREEITEM item, std::initializer_list<WPARAM> keys) {
        HWND tree = H("tvwDevices");
        RECT r{};
        TreeView_GetItemRect(tree, item, &r, TRUE);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        POINT screen = p;
        ClientToScreen(tree, &screen);
        SetCursorPos(screen.x, screen.y);
        PostMessageW(tree, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
        for (WPARAM k : keys) Post_Key(Main(), k);
        Pump(200);
    }
};

TEST_F(MainWindowGroupsTest, A_ContextMenuAddsAGroupF2RenamesItAndDeleteDeletesIt) {
    HWND tree = H("tvwDevices");
    HTREEITEM network = Device_Item("Network");
    ASSERT_NE(network, nullptr);
    SetFocus(tree);
    Pump(20);
    EXPECT_EQ(C().active_control, "tvwDevices");

    // Group/Devices > Add > Group.
    Context_Menu_On(network, {VK_DOWN, VK_RIGHT, VK_RETURN});
    const std::int32_t id = Get_Device_ID("NewGroup1", 1);
    ASSERT_GT(id, 0);
    HTREEITEM added = Device_Item("NewGroup1");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(TreeView_GetParent(tree, added), network);

    // F2 edits the label in place; Enter stores it, and the group listing
    // shows the new name.
    C().tvwDevices_NodeClick(C().tvwDevices.Find("DEV1"));
    Pump(20);
    TreeView_SelectItem(tree, added);
    SetFocus(tree);
    Key(tree, VK_F2);
    HWND edit = TreeView_GetEditControl(tree);
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, L"Branch O'Neil");
    Key(edit, VK_RETURN);
    EXPECT_NE(Device_Item("Branch O'Neil"), nullptr);
    EXPECT_EQ(db_->Scalar("SELECT DEV_NAME FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id)), "Branch O'Neil");
    bool listed = false;
    for (int r = 0; r < List_Count(); ++r) listed = listed || List_Text(r, 0) == "Branch O'Neil";
    EXPECT_TRUE(listed);

    // Delete asks (answered Yes) and deletes the empty group.
    boxes_.clear();
    TreeView_SelectItem(tree, Device_Item("Branch O'Neil"));
    SetFocus(tree);
    Key(tree, VK_DELETE);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].substr(0, 53), "Are you sure you want to delete the selected item(s)?");
    EXPECT_EQ(Device_Item("Branch O'Neil"), nullptr);
    EXPECT_EQ(Get_Device_Type(id), 0);

    // Ctrl+Shift+C adds a computer under the selected group.
    TreeView_SelectItem(tree, network);
    SetFocus(tree);
    bool mapped = false;
    for (const auto& k : Window_Accelerators())
        if (k.shortcut == "Ctrl+Shift+C") mapped = C().Run_Command(k.command, k.index);
    EXPECT_TRUE(mapped);
    const std::int32_t pc = Get_Device_ID("NewComputer1", 2);
    ASSERT_GT(pc, 0);
    EXPECT_EQ(TreeView_GetParent(tree, Device_Item("NewComputer1")), network);
}

TEST_F(MainWindowGroupsTest, B_AHeaderClickSortsTheListView) {
    for (const char* name : {"PC9", "PC10", "PC100"}) Add_Device(name, "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    C().mnuViewRefresh_Click();
    Pump(100);
    TreeNode* network = C().tvwDevices.Find("DEV1");
    C().tvwDevices.Select(network);
    C().tvwDevices_NodeClick(network);
    Pump(50);
    ASSERT_GE(List_Count(), 4);
    HWND header = ListView_GetHeader(H("lvwMain"));
    RECT r{};
    Header_GetItemRect(header, 0, &r);
    Click_At(header, r);  // the first click turns the initial ascending order
    std::vector<std::string> names;
    for (int i = 0; i < List_Count(); ++i) names.push_back(List_Text(i, 0));
    auto at = [&](const std::string& n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
    EXPECT_LT(at("PC100"), at("PC10"));
    EXPECT_LT(at("PC10"), at("PC9"));
    Click_At(header, r);
    names.clear();
    for (int i = 0; i < List_Count(); ++i) names.push_back(List_Text(i, 0));
    EXPECT_LT(at("PC9"), at("PC10"));
    EXPECT_LT(at("PC10"), at("PC100"));
}

TEST_F(MainWindowGroupsTest, C_FindLocatesAServiceByItsDisplayNameInTheLiveList) {
    TreeNode* services = C().tvwFeatures.Find("RTT_SCM");
    ASSERT_NE(services, nullptr);
    C().tvwFeatures.Select(services);
    C().tvwFeatures_NodeClick(services);
    Pump(100);
    ASSERT_GT(List_Count(), 5);
    int wanted = -1;
    for (int r = 0; r < List_Count(); ++r)
        if (List_Text(r, 0).find("Management Instrumentation") != std::string::npos) wanted = r;
    ASSERT_GE(wanted, 0) << "Wine lists winmgmt";

    // The scan-date box had the focus last: Find does nothing.
    SetFocus(H("cboScanDate"));
    Pump(20);
    EXPECT_EQ(C().active_control, "cboScanDate");
    ASSERT_TRUE(C().Run_Command("mnuFindItem"));
    HWND find = frmFind::Window();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(GetWindow(find, GW_OWNER), Main());
    HWND text = GetDlgItem(find, IDC_FD_TXTFIND);
    Set_Window_Text(text, "management INSTRUMENTATION");
    const std::vector<int> before = Selected_Rows(H("lvwMain"));
    Key(text, VK_RETURN);
    EXPECT_EQ(Selected_Rows(H("lvwMain")), before);

    // The list had it last: the service is selected alone and in view.
    SetFocus(H("lvwMain"));
    ListView_SetItemState(H("lvwMain"), 0, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(H("lvwMain"), 1, LVIS_SELECTED, LVIS_SELECTED);
    Pump(20);
    EXPECT_EQ(C().active_control, "lvwMain");
    SendMessageW(find, WM_COMMAND, MAKEWPARAM(IDC_FD_CMDFIND, BN_CLICKED), 0);
    EXPECT_EQ(Selected_Rows(H("lvwMain")), std::vector<int>{wanted});
    const int top = ListView_GetTopIndex(H("lvwMain"));
    EXPECT_GE(wanted, top);
    EXPECT_LT(wanted, top + ListView_GetCountPerPage(H("lvwMain")) + 1);
    EXPECT_EQ(C().tvwFeatures.selected->key, "RTT_SCM");  // the shown feature stays
    Key(text, VK_ESCAPE);
    EXPECT_EQ(frmFind::Window(), nullptr);
}

TEST_F(MainWindowGroupsTest, D_DoubleClickOnAComputerRowOpensItsProperties) {
    TreeNode* network = C().tvwDevices.Find("DEV1");
    C().tvwDevices.Select(network);
    C().tvwDevices_NodeClick(network);
    Pump(50);
    int row = -1;
    for (int r = 0; r < List_Count(); ++r)
        if (List_Text(r, 0) == "PC9") row = r;
    ASSERT_GE(row, 0);
    std::int32_t opened_for = 0;
    frmProperties::on_opened = [&](HWND dlg, PropertiesController& c) {
        opened_for = static_cast<std::int32_t>(Text_Number(c.lvwProperties.tag));
        EXPECT_FALSE(IsWindowEnabled(Main()));
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_PR_CMDCLOSE, BN_CLICKED), 0);
    };
    SetFocus(H("lvwMain"));
    ListView_SetItemState(H("lvwMain"), -1, 0, LVIS_SELECTED);
    ListView_SetItemState(H("lvwMain"), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Pump(20);
    Key(H("lvwMain"), VK_RETURN);
    frmProperties::on_opened = nullptr;
    EXPECT_EQ(opened_for, Get_Device_ID("PC9", 2));
    EXPECT_TRUE(IsWindowEnabled(Main()));
    // The window takes the focus back to the list, which stays the active control.
    SetFocus(Main());
    Pump(20);
    EXPECT_EQ(GetFocus(), H("lvwMain"));
    EXPECT_EQ(C().active_control, "lvwMain");
    EXPECT_EQ(C().tvwFeatures.Nodes().front()->text, "PC9");
}

}  // namespace
}  // namespace crv
