// A tabular report from end to end in the real main window under Wine: added
// from the menu, customised in its dialog to three properties of the local
// computer, scanned over Wine's own WMI, compared with the live listing of
// the same classes, then renamed and deleted through the feature tree.
#include <gtest/gtest.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_commands.h"
#include "dialogs/win/dialog_view.h"
#include "dialogs/win/frm_customize_report.h"
#include "mainwindow/tests/window_test_support.h"
#include "store/settings.h"
#include "store/tabular.h"

namespace crv {
namespace {

std::string Menu_Text(HMENU menu, int position) {
    wchar_t buffer[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), buffer, 256, MF_BYPOSITION);
    std::string text = To_Utf8(buffer);
    return text.substr(0, text.find('\t'));
}
// The id of a menu item found by its captions from the menu bar down; 0 when
// missing.
UINT Menu_Id(std::vector<std::string> path) {
    HMENU menu = GetMenu(Main());
    for (std::size_t level = 0; menu && level < path.size(); ++level) {
        const int count = GetMenuItemCount(menu);
        HMENU next = nullptr;
        for (int i = 0; i < count; ++i) {
            if (Menu_Text(menu, i) != path[level]) continue;
            if (level + 1 == path.size()) return GetMenuItemID(menu, i);
            next = GetSubMenu(menu, i);
            break;
        }
        menu = next;
    }
    return 0;
}
void Menu_Click(std::vector<std::string> path) {
    const UINT id = Menu_Id(path);
    ASSERT_NE(id, 0u) << path.back();
    SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump(20);
}

// The value shown beside a property caption in a live listing.
std::string Live_Value(const std::string& caption) {
    for (int r = 0; r < List_Count(); ++r)
        if (List_Text(r, 0) == "    " + caption) return List_Text(r, 1);
    return "<none>";
}

TEST(TabularReportWindow, AddCustomiseScanRenameAndDeleteAReport) {
    Prepare_Main_Window();
    test::TestDatabase db(true);
    std::string local = Get_Local_Computer_Name();
    ASSERT_FALSE(local.empty());
    for (char& ch : local) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    const std::int32_t pc = Add_Device(local, "", "", 0, 0, 0, 0, "", 1, 2, "", "tester");
    ASSERT_GT(pc, 0);
    Set_Work_Online(true);
    std::vector<std::string> boxes;
    Agree_To_Main_Boxes(boxes);
    Set_Dialog_Box_Answerer([&](const std::string& text, int flags) {
        boxes.push_back(text);
        return (flags & 4) ? 6 : 1;
    });
    ASSERT_TRUE(frmMain::Instance().ShowThisForm(0));
    HWND main = reinterpret_cast<HWND>(frmMain::Instance().hWnd());
    Attach_Dialog_Commands(C(), [main] { return main; });
    Pump(400);

    // Add New Report from the Operations menu on the report group.
    Click_Feature("Tabu_0");
    Menu_Click({"&Operations", "Tabular Report", "Add New Report"});
    TreeNode* group = C().tvwFeatures.Find("Tabu_0");
    ASSERT_EQ(group->children.size(), 1u);
    TreeNode* report = group->children.back();
    const std::string key = report->key;
    const std::int32_t report_id = Get_Number_From_Key(key);
    EXPECT_EQ(report->text, "TABULAR_REPORT(1)");

    // Customise it: the local computer and three properties of two classes.
    Click_Feature(key);
    const std::vector<std::string> columns{"OS_CAPTION", "OS_VERSION", "CS_MANUFACTURER"};
    frmCustomizeReport::on_opened = [&](HWND dlg, CustomizeReportController& c) {
        EXPECT_EQ(Window_Text(dlg), "Customize Report - TABULAR_REPORT(1) - Corvalin");
        for (std::size_t i = 0; i < c.lvwComputers.Item_Count(); ++i)
            c.lvwComputers.Item(i).checked = c.lvwComputers.Item(i).text == local;
        for (std::size_t i = 0; i < c.lvwProperties.Item_Count(); ++i) {
            ListItem& row = c.lvwProperties.Item(i);
            row.checked = std::find(columns.begin(), columns.end(), row.key) != columns.end();
        }
        c.lvwComputers.Notify();
        c.lvwProperties.Notify();
        c.lvwProperties_ItemCheck();
        SendDlgItemMessageW(dlg, IDC_CR_CMDSAVE, BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_CR_CMDSAVE)));
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_CR_CMDCLOSE, BN_CLICKED), 0);
    };
    Menu_Click({"&Operations", "Tabular Report", "Customize Report"});
    frmCustomizeReport::on_opened = nullptr;
    EXPECT_TRUE(Is_Computer_In_Tabular_Report(report_id, pc));
    // The save showed the report again: its computer and five columns.
    ASSERT_EQ(List_Count(), 1);
    EXPECT_EQ(List_Text(0, 0), local);
    HWND header = reinterpret_cast<HWND>(SendMessageW(H("lvwMain"), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 5);

    // Tick it and scan.
    Menu_Click({"&Operations", "Tabular Report", "Select All"});
    Menu_Click({"&Operations", "Tabular Report", "Start Scan"});
    Pump(50);
    EXPECT_FALSE(IsWindowVisible(H("picMain")));
    ASSERT_EQ(List_Count(), 1);
    const std::string scanned = List_Text(0, 1);
    EXPECT_EQ(scanned.size(), 19u) << scanned;  // yyyy-mm-dd hh:nn:ss
    std::vector<std::string> cells;
    for (int col = 2; col <= 4; ++col) cells.push_back(List_Text(0, col));

    // The same values as the live listings of the two classes.
    Click_Feature("Win32_OperatingSystem");
    const std::string caption = Live_Value("Caption"), version = Live_Value("Version");
    Click_Feature("Win32_ComputerSystem");
    const std::string maker = Live_Value("Manufacturer");
    // Columns in grid order: CS_MANUFACTURER comes before the OS columns.
    EXPECT_EQ(cells, (std::vector<std::string>{maker, caption, version}));
    EXPECT_FALSE(caption.empty());

    // Rename through the feature tree: F2, a name with blanks around it.
    Click_Feature(key);
    HWND tree = H("tvwFeatures");
    SetFocus(tree);
    SendMessageW(tree, WM_KEYDOWN, VK_F2, 0);
    Pump(20);
    HWND edit = reinterpret_cast<HWND>(SendMessageW(tree, TVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, L"  Inventory  ");
    SendMessageW(tree, TVM_ENDEDITLABELNOW, FALSE, 0);
    Pump(20);
    report = C().tvwFeatures.Find(key);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->text, "Inventory");
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    EXPECT_EQ(Tree_Text(tree, item), "Inventory");
    EXPECT_EQ(db.Scalar("SELECT REPORT_NAME FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=" + std::to_string(report_id)),
              "Inventory");
    EXPECT_EQ(C().Find_Feature_Node_By_Text("Inventory"), report);

    // Delete through the feature tree: Del, answered Yes.
    SendMessageW(tree, WM_KEYDOWN, VK_DELETE, 0);
    Pump(20);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back(), "Are you sure you want to delete the report 'Inventory' ?");
    EXPECT_EQ(C().tvwFeatures.Find(key), nullptr);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=" + std::to_string(report_id)), "0");

    frmMain::Instance().Unload();
    Pump(100);
    Set_Main_Box_Answerer(nullptr);
    Set_Dialog_Box_Answerer(nullptr);
}

}  // namespace
}  // namespace crv
