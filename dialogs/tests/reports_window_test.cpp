// The reports viewer, the property chooser and the about box as real
// windows under Wine (null graphics driver): the controls are driven through
// their messages, WMI is Wine's own, the store a fresh shipped database
// holding a scan of this computer.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/common.h"
#include "core/tests/read_all.h"
#include "dialogs/tests/dialog_window_fixture.h"
#include "dialogs/win/frm_about.h"
#include "dialogs/win/frm_choose_props.h"
#include "dialogs/win/frm_reports.h"
#include "dialogs/win/report_commands.h"
#include "mainwindow/frm_main_controller.h"
#include "mainwindow/system_summary.h"
#include "platform/win/com.h"
#include "platform/win/system.h"
#include "store/devices.h"
#include "store/features.h"
#include "store/scans.h"
#include "wmi/collectors.h"
#include "wmi/com/com_wmi.h"
#include "wmi/connection.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

using test::Click;
using test::Read_All;

void Set_Date(HWND dialog, int id, WORD year, WORD month, WORD day) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    SendDlgItemMessageW(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
}
int Rows(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageW(dialog, id, LVM_GETITEMCOUNT, 0, 0)); }

class ReportWindowTest : public test::DialogWindowFixture {
protected:
    ReportWindowTest() : DialogWindowFixture(true) {}
    static void SetUpTestSuite() {
        Ensure_Com_Initialized();
        Install_Com_Wmi_Port();
        DialogWindowFixture::SetUpTestSuite();
    }
    void SetUp() override {
        DialogWindowFixture::SetUp();
        Set_Dialog_Shell_Opener([this](const std::string& target) { opened_.push_back(target); });
        local_ = Get_Local_Computer_Name();
    }
    void TearDown() override {
        frmChooseProps::on_opened = nullptr;
        frmAbout::on_opened = nullptr;
        if (HWND reports = Find_Form("frmReports")) DestroyWindow(reports);
        DialogWindowFixture::TearDown();
    }

    // A scan of this computer taken today: the System Summary and the
    // classes the reports read.
    void Scan_Local_Computer() {
        const std::int32_t id = Add_Device(local_, "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
        ASSERT_GT(id, 0);
        SYSTEMTIME now;
        GetLocalTime(&now);
        const StoreDate today{now.wYear, now.wMonth, now.wDay};
        TreeModel tree;
        Load_Features_Tree(tree, true, false);
        ListModel summary;
        bool progress = true;
        ASSERT_TRUE(Show_System_Summary(id, local_, summary, progress));
        ASSERT_TRUE(Save_Scan(today, id, 1, summary));
        for (const char* key : {"Win32_LogicalDisk", "Win32_Processor", "Win32_PhysicalMemory", "Win32_DiskDrive",
                                "Win32_NetworkAdapterConfiguration", "Win32_Service", "Win32_QuickFixEngineering"}) {
            const TreeNode* node = tree.Find(key);
            ASSERT_NE(node, nullptr) << key;
            ListModel list;
            Collect_WQL_To_ListView(id, local_, list, *node, "SELECT * FROM " + std::string(key));
            ASSERT_TRUE(Save_Scan(today, id, Get_Feature_ID(key), list)) << key;
        }
        Clear_Error();
    }

    std::vector<std::string> opened_;
    std::string local_;
};

TEST_F(ReportWindowTest, EveryShippedReportRunsInTheViewerAndOneExportsToEachFormat) {
    Scan_Local_Computer();
    HWND dlg = frmReports::Show(owner_);
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(Is_Form_Loaded("frmReports"));
    EXPECT_TRUE(IsWindowEnabled(owner_));  // modeless
    EXPECT_EQ(GetWindow(dlg, GW_OWNER), owner_);
    EXPECT_EQ(Window_Text(dlg), "Reports");
    // A second Reports command brings the same window forward.
    EXPECT_EQ(frmReports::Show(owner_), dlg);

    HWND combo = GetDlgItem(dlg, IDC_RP_CBOREPORTS);
    const int reports = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    ASSERT_EQ(std::to_string(reports), db_.Scalar("SELECT COUNT(*) FROM REPORT_TBL WHERE ACTIVE=1"));
    int with_rows = 0, os_report = -1;
    for (int i = 0; i < reports; ++i) {
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_RP_CBOREPORTS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        Set_Date(dlg, IDC_RP_DTPKFROM, 2000, 1, 1);
        Set_Date(dlg, IDC_RP_DTPKTO, 2099, 12, 31);
        Click(dlg, IDC_RP_CMDVIEW);
        EXPECT_TRUE(boxes_.empty()) << i;
        EXPECT_TRUE(db_.reporter.boxes.empty()) << i << ": " << (db_.reporter.boxes.empty() ? "" : db_.reporter.boxes[0]);
        EXPECT_GT(SendMessageW(ListView_GetHeader(GetDlgItem(dlg, IDC_RP_LVWREPORTS)), HDM_GETITEMCOUNT, 0, 0), 0) << i;
        if (Rows(dlg, IDC_RP_LVWREPORTS) > 0) ++with_rows;
        std::wstring name(256, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name.data()));
        if (name.rfind(L"Computers by Operating System", 0) == 0) os_report = i;
    }
    EXPECT_GE(with_rows, 5);
    ASSERT_GE(os_report, 0);

    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(os_report), 0);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_RP_CBOREPORTS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_RP_DTPKFROM)));
    Click(dlg, IDC_RP_CMDVIEW);
    ASSERT_EQ(Rows(dlg, IDC_RP_LVWREPORTS), 1);
    const char* files[] = {"", "os.csv", "os.html", "os.txt"};
    for (int index = 1; index <= 3; ++index) {
        const fs::path path = db_.Folder() / files[index];
        Set_Dialog_Save_Answerer([&](const std::string&) { return path.string(); });
        Set_Dialog_Save_Filter_Index(index);
        boxes_.clear();
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDM_RP_FILEEXPORT, 0), 0);
        ASSERT_EQ(boxes_.size(), 1u) << index;
        EXPECT_EQ(boxes_[0], "Successfully exported data to the file.");
        const std::string text = Read_All(path);
        EXPECT_NE(text.find(local_), std::string::npos) << index << text;
        EXPECT_NE(text.find("Operating System"), std::string::npos) << index;
    }
    EXPECT_EQ(Read_All(db_.Folder() / "os.csv").rfind("\xEF\xBB\xBF\"Computer\",\"Operating System\"", 0), 0u);
    EXPECT_NE(Read_All(db_.Folder() / "os.html").find("</table>"), std::string::npos);
    EXPECT_NE(Read_All(db_.Folder() / "os.txt").find("Computers by Operating System ()"), std::string::npos);

    // Clear empties the list; Export then has nothing to write.
    Click(dlg, IDC_RP_CMDCLEAR);
    EXPECT_EQ(Rows(dlg, IDC_RP_LVWREPORTS), 0);
    boxes_.clear();
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDM_RP_FILEEXPORT, 0), 0);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], "No items to export.");

    // The list follows the window's size.
    RECT before{};
    GetWindowRect(GetDlgItem(dlg, IDC_RP_LVWREPORTS), &before);
    SetWindowPos(dlg, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
    RECT after{};
    GetWindowRect(GetDlgItem(dlg, IDC_RP_LVWREPORTS), &after);
    EXPECT_GT(after.right - after.left, before.right - before.left);
    EXPECT_GT(after.bottom - after.top, before.bottom - before.top);

    // Modeless: its keys come through the program's own message loop, so Esc
    // on one of its buttons closes it there.
    PostMessageW(GetDlgItem(dlg, IDC_RP_CMDVIEW), WM_KEYDOWN, VK_ESCAPE, 0);
    PostQuitMessage(0);
    Run_Message_Loop();
    EXPECT_FALSE(Is_Form_Loaded("frmReports"));
    EXPECT_FALSE(IsWindow(dlg));
}

TEST_F(ReportWindowTest, ChooserListsTheClassOfThisComputerAndSaves) {
    const std::int32_t processor = Get_Feature_ID("Win32_Processor");
    const std::string stored = db_.Scalar("SELECT COUNT(*) FROM PROPS_TBL WHERE FEATURE_ID=" + std::to_string(processor));
    std::size_t rows = 0;
    bool saved_disabled = false;
    frmChooseProps::on_opened = [&](HWND dlg, ChoosePropsController& c) {
        EXPECT_EQ(Window_Text(dlg), "Choose Properties");
        EXPECT_FALSE(IsWindowEnabled(owner_));  // modal
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_CP_CMDSAVE)));
        rows = static_cast<std::size_t>(Rows(dlg, IDC_CP_LVWPROPERTIES));
        // Tick the last row (a class property Wine has) and save it.
        ListItem& last = c.lvwProperties.Item(c.lvwProperties.Item_Count() - 1);
        last.checked = true;
        c.lvwProperties_ItemCheck();
        c.lvwProperties.Notify();
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_CP_CMDSAVE)));
        Click(dlg, IDC_CP_CMDSAVE);
        saved_disabled = !IsWindowEnabled(GetDlgItem(dlg, IDC_CP_CMDSAVE));
        // A change, then Close: the question comes, Yes closes.
        c.lvwProperties_ItemCheck();
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_CP_CMDCLOSE, BN_CLICKED), 0);
    };
    frmChooseProps::Show_This_Form("Win32_Processor", owner_);
    EXPECT_FALSE(Is_Form_Loaded("frmChooseProps"));
    EXPECT_GT(rows, static_cast<std::size_t>(std::stoi(stored)));
    EXPECT_TRUE(saved_disabled);
    EXPECT_GT(std::stoi(db_.Scalar("SELECT COUNT(*) FROM PROPS_TBL WHERE FEATURE_ID=" + std::to_string(processor))),
              std::stoi(stored));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_NE(boxes_[0].find("Are you sure you want to close with out saving"), std::string::npos);
}

TEST_F(ReportWindowTest, AboutShowsTheVersionAndItsLinksGoToTheInjectedShell) {
    std::string version, host;
    frmAbout::on_opened = [&](HWND dlg, AboutController&) {
        EXPECT_EQ(Window_Text(dlg), "About - Corvalin");
        version = Window_Text(GetDlgItem(dlg, IDC_AB_LBLVERSION));
        host = Window_Text(GetDlgItem(dlg, IDC_AB_LBLLINK0));
        for (int id : {IDC_AB_IMGLOGO, IDC_AB_LBLLINK0, IDC_AB_LBLLINK1, IDC_AB_LBLLINK2})
            SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    };
    frmAbout::Show(owner_);
    EXPECT_FALSE(Is_Form_Loaded("frmAbout"));
    EXPECT_EQ(version, Get_Version_Text());
    EXPECT_EQ(host, "www.veltrane.com");
    ASSERT_EQ(opened_.size(), 4u);
    EXPECT_EQ(opened_[0], "https://www.veltrane.com/?sc=crv");
    EXPECT_EQ(opened_[1], opened_[0]);
    EXPECT_EQ(opened_[2].rfind("mailto:", 0), 0u);
    EXPECT_EQ(opened_[3].rfind("mailto:", 0), 0u);
}

TEST_F(ReportWindowTest, MenuAndToolbarOpenTheDialogs) {
    MainController main;
    Attach_Report_Commands(main, [this] { return owner_; });
    int abouts = 0;
    std::vector<std::string> chooser_keys;
    frmAbout::on_opened = [&](HWND dlg, AboutController&) {
        ++abouts;
        EXPECT_EQ(GetWindow(dlg, GW_OWNER), owner_);
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_AB_CMDOK, BN_CLICKED), 0);
    };
    frmChooseProps::on_opened = [&](HWND dlg, ChoosePropsController& c) {
        chooser_keys.push_back(c.tvwFeatures.selected ? c.tvwFeatures.selected->key : "");
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_CP_CMDCLOSE, BN_CLICKED), 0);
    };
    EXPECT_TRUE(main.Run_Command("mnuHlpAbout"));
    main.Toolbar_Button_Click("tlbMain", "About");
    EXPECT_EQ(abouts, 2);

    // Choose Properties: nothing without a feature tree; then the selected
    // feature, or the first node when none is selected.
    EXPECT_TRUE(main.Run_Command("mnuChooseProps"));
    EXPECT_TRUE(chooser_keys.empty());
    Load_Features_Tree(main.tvwFeatures, true, false);
    main.Toolbar_Button_Click("tlbMain", "ChooseProps");
    main.tvwFeatures.Select(main.tvwFeatures.Find("Win32_BIOS"));
    EXPECT_TRUE(main.Run_Command("mnuChooseProps"));
    ASSERT_EQ(chooser_keys.size(), 2u);
    EXPECT_EQ(chooser_keys[0], main.tvwFeatures.Nodes().front()->key);
    EXPECT_EQ(chooser_keys[1], "Win32_BIOS");

    // Reports: modeless, one window for both ways in.
    main.Toolbar_Button_Click("tlbMain", "Report");
    HWND reports = Find_Form("frmReports");
    ASSERT_NE(reports, nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner_));
    EXPECT_TRUE(main.Run_Command("mnuOPReports"));
    EXPECT_EQ(Find_Form("frmReports"), reports);
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
}  // namespace crv
