// The two dialogs as real windows under Wine (null graphics driver): the
// controls are driven through their messages, WMI is Wine's own, the store
// is a fresh database built like the shipped one.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "core/common.h"
#include "core/tests/read_all.h"
#include "dialogs/main_window_link.h"
#include "dialogs/tests/dialog_window_fixture.h"
#include "dialogs/win/dialog_commands.h"
#include "dialogs/win/frm_full_export.h"
#include "dialogs/win/frm_manage_computers.h"
#include "mainwindow/frm_main_controller.h"
#include "platform/win/com.h"
#include "platform/win/settings_store.h"
#include "platform/win/system.h"
#include "store/devices.h"
#include "store/features.h"
#include "store/scans.h"
#include "wmi/com/com_wmi.h"

namespace crv {
namespace {

namespace fs = std::filesystem;
using test::Click;

// The main window's controller as the dialogs meet it, without its window.
struct QuietMainHost : MainHost {
    std::function<void()> on_events;
    std::vector<std::string> boxes;
    int Show_Box(const std::string& text, int) override {
        boxes.push_back(text);
        return Answer_Ok;
    }
    void Pump_Messages() override {
        if (on_events) on_events();
        test::Pump_Queued();
    }
    bool Input_Pending() override { return true; }  // the user is at it
    LocalTime Now() override { return {}; }
    std::string Local_Computer_Name() override { return Get_Local_Computer_Name(); }
    std::string Environment_Value(const std::string&) override { return "tester"; }
    std::string Get_Setting(const std::string&, const std::string&, const std::string& d) override { return d; }
    void Save_Setting(const std::string&, const std::string&, const std::string&) override {}
    bool Is_Form_Loaded(const std::string& name) override { return crv::Is_Form_Loaded(name); }
    void View_Changed(ViewPart) override {}
    void Lock_List_Painting(bool) override {}
    void Focus_Features() override {}
    void Ensure_Feature_Visible(const TreeNode&) override {}
    void Begin_Device_Label_Edit() override {}
    void Popup_Menu(const std::string&) override {}
    void Open_Page(const std::string&) override {}
    void Close_Window() override {}
};

std::size_t Count_Of(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

class DialogWindowTest : public test::DialogWindowFixture {
protected:
    DialogWindowTest() : DialogWindowFixture(true) {}
    static void SetUpTestSuite() {
        Ensure_Com_Initialized();
        Install_Com_Wmi_Port();
        DialogWindowFixture::SetUpTestSuite();
    }
    void SetUp() override {
        Cancel_Requested = false;
        Delete_Setting(Product_Name, "FullExport");
        DialogWindowFixture::SetUp();
        main_.Set_Host(&main_host_);
        local_ = Get_Local_Computer_Name();
    }
    void TearDown() override {
        frmManageComputers::on_opened = nullptr;
        frmFullExport::on_opened = nullptr;
        DialogWindowFixture::TearDown();
    }

    // Opens the dialog, waits for its restore, then runs `step` in its loop.
    void Run_Full_Export(const std::string& mode, std::function<void(HWND, FullExportController&)> step) {
        frmFullExport::on_opened = [&, step](HWND dlg, FullExportController& c) {
            test::Later(dlg, 400, [step, &c, dlg] {
                step(dlg, c);
                PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_FE_CMDCLOSE, BN_CLICKED), 0);
            });
        };
        MainControllerLink link(main_);
        frmFullExport::ShowThisForm(mode, "", link);
        EXPECT_FALSE(Is_Form_Loaded("frmFullExport"));
    }
    static void Check(FullExportController& c, const std::vector<std::string>& computers,
                      const std::vector<std::string>& features) {
        for (std::size_t i = 0; i < c.lvwComputer.Item_Count(); ++i)
            for (const auto& name : computers)
                if (c.lvwComputer.Item(i).text == name) c.lvwComputer.Item(i).checked = true;
        c.lvwComputer.Notify();
        for (const auto& key : features) {
            TreeNode* n = c.tvwExportFeatures.Find(key);
            ASSERT_NE(n, nullptr) << key;
            n->checked = true;
            c.tvwExportFeatures.Changed(*n);
        }
    }
    std::string Scans(std::int32_t dev, const std::string& date) {
        auto r = db_.Query("SELECT FEATURE_ID FROM SCAN_HEAD WHERE DEV_ID=" + std::to_string(dev) +
                           " AND SCAN_DATE='" + date + "' ORDER BY FEATURE_ID");
        std::string ids;
        for (std::size_t i = 1; i <= r.Data_Row_Count(); ++i) ids += (ids.empty() ? "" : ",") + r.Text(i, 0);
        return ids;
    }

    QuietMainHost main_host_;
    MainController main_;
    std::string local_;
};

TEST_F(DialogWindowTest, AddTheLocalComputerThenNewScanOfThreeFeaturesShowsOffline) {
    ASSERT_FALSE(local_.empty());
    // The manager: the box offers the local computer; Add stores it.
    int rows_after_add = -1;
    std::string offered;
    frmManageComputers::on_opened = [&](HWND dlg, ManageComputersController&) {
        EXPECT_FALSE(IsWindowEnabled(owner_));  // modal, owned by the main window
        EXPECT_EQ(GetWindow(dlg, GW_OWNER), owner_);
        EXPECT_EQ(Window_Text(dlg), "Manage Computers - Corvalin");
        offered = Window_Text(GetDlgItem(dlg, IDC_MC_TXTCOMPUTER));
        Click(dlg, IDC_MC_CMDADD);
        rows_after_add = static_cast<int>(SendDlgItemMessageW(dlg, IDC_MC_LVWCOMPUTER, LVM_GETITEMCOUNT, 0, 0));
        EXPECT_EQ(Window_Text(GetDlgItem(dlg, IDC_MC_TXTCOMPUTER)), "");
        // The credential boxes hold no more than the store keeps.
        EXPECT_EQ(SendDlgItemMessageW(dlg, IDC_MC_TXTPASSWORD, EM_GETLIMITTEXT, 0, 0), 255);
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_MC_CMDCLOSE, BN_CLICKED), 0);
    };
    frmManageComputers::Show();
    EXPECT_TRUE(IsWindowEnabled(owner_));
    EXPECT_EQ(offered, local_);
    EXPECT_EQ(rows_after_add, 1);
    std::string upper = local_;
    for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    const std::int32_t id = Get_Device_ID(upper, 2);
    ASSERT_GT(id, 0);

    // New Scan of three features.
    StoreDate date;
    Run_Full_Export("NewScan", [&](HWND dlg, FullExportController& c) {
        EXPECT_EQ(Window_Text(dlg), "New Scan - Corvalin");
        EXPECT_EQ(Window_Text(GetDlgItem(dlg, IDC_FE_CMDEXPORT)), "Start Scan");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, IDC_FE_FRAEXPORTOPTIONS)));
        Check(c, {upper}, {"Win32_BIOS", "Win32_Processor", "Win32_OperatingSystem"});
        date = c.dtpkScanDate;
        Click(dlg, IDC_FE_CMDEXPORT);
    });
    ASSERT_FALSE(boxes_.empty());
    EXPECT_EQ(boxes_.back(), "Successfully exported reports.");
    const std::string day = Format_Store_Date(date);
    EXPECT_EQ(Scans(id, day), std::to_string(Get_Feature_ID("Win32_Processor")) + "," +
                                  std::to_string(Get_Feature_ID("Win32_BIOS")) + "," +
                                  std::to_string(Get_Feature_ID("Win32_OperatingSystem")));
    SqlResult stored;
    ASSERT_TRUE(Get_Scan_Details(date, id, Get_Feature_ID("Win32_BIOS"), stored));
    ASSERT_GT(stored.Data_Row_Count(), 2u);

    // The main window lists the date and shows the rows offline.
    Load_Features_Tree(main_.tvwFeatures, false, false);
    main_.Set_Features_Root(upper, std::to_string(id) + std::string(Row_Key_Separator) + "2", "");
    ASSERT_FALSE(main_.cboScanDate.items.empty());
    int y, m, d;
    ASSERT_TRUE(Parse_Scan_Date(main_.cboScanDate.Text(), y, m, d));
    EXPECT_EQ((StoreDate{y, m, d}), date);
    TreeModel tree;
    Load_Features_Tree(tree, false, false);
    ListModel offline;
    main_.Node_Clicked_Event_Handler(id, upper, Get_Feature_ID("Win32_BIOS"), "Win32_BIOS", "Info", main_,
                                     *tree.Find("Win32_BIOS"), offline, main_.cboScanDate.Text(), false);
    EXPECT_GT(offline.Item_Count(), 2u);
    EXPECT_FALSE(owner_live_during_box_);
}

TEST_F(DialogWindowTest, TheMainWindowsCommandsOpenTheDialogs) {
    const std::int32_t id = Add_Device(local_, "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    ASSERT_GT(id, 0);
    Load_Features_Tree(main_.tvwFeatures, false, false);
    const std::string tag = std::to_string(id) + std::string(Row_Key_Separator) + "2";
    main_.Set_Features_Root(local_, tag, "");
    Attach_Dialog_Commands(main_, [this] { return owner_; });

    std::vector<std::string> opened;
    frmManageComputers::on_opened = [&](HWND dlg, ManageComputersController&) {
        opened.push_back(Window_Text(dlg));
        EXPECT_EQ(GetWindow(dlg, GW_OWNER), owner_);
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_MC_CMDCLOSE, BN_CLICKED), 0);
    };
    std::string key_given;
    frmFullExport::on_opened = [&](HWND dlg, FullExportController& c) {
        opened.push_back(Window_Text(dlg));
        key_given = c.strDefaultKey;
        EXPECT_EQ(GetWindow(dlg, GW_OWNER), owner_);
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_FE_CMDCLOSE, BN_CLICKED), 0);
    };
    EXPECT_TRUE(main_.Run_Command("mnuFleManageComputers"));
    EXPECT_TRUE(main_.Run_Command("mnuFleFullExport"));
    EXPECT_EQ(key_given, "");
    // A scan stored meanwhile shows in the scan-date box once the dialog closes.
    db_.Exec("INSERT INTO SCAN_HEAD (DEV_ID, FEATURE_ID, SCAN_DATE) VALUES (" + std::to_string(id) +
             ", 1, '2020-02-02')");
    main_.cboScanDate.items.clear();
    main_.Toolbar_Button_Click("tlbScan", "NewScan");
    EXPECT_EQ(key_given, main_.tvwFeatures.Nodes().front()->tag);
    EXPECT_EQ(opened, (std::vector<std::string>{"Manage Computers - Corvalin", "Full Export - Corvalin",
                                                "New Scan - Corvalin"}));
    ASSERT_FALSE(main_.cboScanDate.items.empty());
    EXPECT_EQ(main_.cboScanDate.items.front(), "02-FEB-2020");
}

TEST_F(DialogWindowTest, CancelInTheMiddleOfALongFeatureLeavesNoHalfScan) {
    const std::int32_t id = Add_Device(local_, "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    ASSERT_GT(id, 0);
    const std::string service = std::to_string(Get_Feature_ID("Win32_Service"));
    // Esc, then (another run) the close box, arriving while the feature
    // handler pumps messages inside the service listing.
    for (bool by_escape : {true, false}) {
        SCOPED_TRACE(by_escape ? "Esc" : "close box");
        db_.Exec("DELETE FROM SCAN_HEAD");
        HWND dialog = nullptr;
        bool pressed = false;
        main_host_.on_events = [&] {
            if (pressed || !dialog) return;
            if (Window_Text(GetDlgItem(dialog, IDC_FE_LBLPROGRESS)).find("Service Details") == std::string::npos)
                return;
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_FE_CMDCANCEL)));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_FE_CMDCLOSE)));
            pressed = true;
            // Start, which had the focus, is disabled: the key must
            // still reach the dialog.
            if (by_escape)
                test::Press_Key(VK_ESCAPE);
            else
                PostMessageW(dialog, WM_CLOSE, 0, 0);
        };
        StoreDate date;
        Run_Full_Export("NewScan", [&](HWND dlg, FullExportController& c) {
            dialog = dlg;
            Check(c, {local_}, {"Win32_BIOS", "Win32_Service", "Win32_Processor"});
            date = c.dtpkScanDate;
            HWND start = GetDlgItem(dlg, IDC_FE_CMDEXPORT);
            SetForegroundWindow(dlg);
            SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(start), TRUE);
            Click(dlg, IDC_FE_CMDEXPORT);
            EXPECT_TRUE(IsWindow(dlg));  // the run did not lose its window
            EXPECT_EQ(GetFocus(), start);
        });
        main_host_.on_events = nullptr;
        EXPECT_TRUE(pressed);
        // Processor and BIOS come before the services in the tree and are whole.
        EXPECT_EQ(Scans(id, Format_Store_Date(date)), std::to_string(Get_Feature_ID("Win32_Processor")) + "," +
                                                          std::to_string(Get_Feature_ID("Win32_BIOS")));
        EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM SCAN_HEAD WHERE FEATURE_ID=" + service), "0");
        ASSERT_FALSE(boxes_.empty());
        EXPECT_EQ(boxes_.back(),
                  "The scan was cancelled. Only the features collected in full before the cancel were stored.");
    }
}

TEST_F(DialogWindowTest, FullExportOfTwoFeaturesInEachFormatPerComputerAndInOneFile) {
    ASSERT_GT(Add_Device(local_, "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    ASSERT_GT(Add_Device("localhost", "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    const std::vector<std::string> computers = {local_, "localhost"};
    fs::path out = db_.Folder() / "out";
    fs::create_directories(out);
    const std::string folder = out.string();

    struct Format {
        int index;
        const char* ext;
    };
    for (Format f : {Format{0, ".csv"}, Format{1, ".html"}, Format{2, ".txt"}}) {
        SCOPED_TRACE(f.ext);
        // How each format titles a feature's table.
        auto Title = [&](const std::string& feature, const std::string& pc) {
            if (std::string(f.ext) == ".csv") return "\"" + feature + "(" + pc + ")\"";
            return feature + " (" + pc + ")";
        };
        // One file per computer.
        fs::remove_all(out);
        fs::create_directories(out);
        Run_Full_Export("FullExport", [&](HWND dlg, FullExportController& c) {
            EXPECT_EQ(Window_Text(dlg), "Full Export - Corvalin");
            Check(c, computers, {"Win32_BIOS", "Win32_Processor"});
            CheckDlgButton(dlg, IDC_FE_OPTEXPORTTO0, BST_UNCHECKED);
            CheckDlgButton(dlg, IDC_FE_OPTEXPORTTO1, BST_CHECKED);
            Click(dlg, IDC_FE_OPTEXPORTTO1);
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_FE_TXTSAVETO)));
            SetWindowTextW(GetDlgItem(dlg, IDC_FE_TXTSAVETO), To_Wide(folder).c_str());
            SendDlgItemMessageW(dlg, IDC_FE_CBOEXPORTFORMAT, CB_SETCURSEL, f.index, 0);
            Click(dlg, IDC_FE_CMDEXPORT);
        });
        EXPECT_EQ(boxes_.back(), "Successfully exported reports.");
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(out)) files.push_back(e.path());
        std::sort(files.begin(), files.end());
        ASSERT_EQ(files.size(), 2u);
        const std::regex name_rx("CRV_(.+)\\(\\d{4}-\\d{2}-\\d{2}\\)\\(\\d{2}-\\d{2}-\\d{2}\\)\\" + std::string(f.ext));
        std::string per_computer;
        for (const auto& p : files) {
            std::smatch m;
            std::string name = p.filename().string();
            ASSERT_TRUE(std::regex_match(name, m, name_rx)) << name;
            per_computer += test::Read_All(p);
        }

        // One file for all.
        const std::string single = (db_.Folder() / (std::string("all") + f.ext)).string();
        fs::remove(single);
        std::string filter_seen;
        Set_Dialog_Save_Answerer([&](const std::string& filter) {
            filter_seen = filter;
            return single;
        });
        Run_Full_Export("FullExport", [&](HWND dlg, FullExportController& c) {
            Check(c, computers, {"Win32_BIOS", "Win32_Processor"});
            SendDlgItemMessageW(dlg, IDC_FE_CBOEXPORTFORMAT, CB_SETCURSEL, f.index, 0);
            Click(dlg, IDC_FE_CMDEXPORT);
        });
        EXPECT_EQ(boxes_.back(), "Successfully exported reports.");
        EXPECT_EQ(filter_seen.substr(filter_seen.find('|')), std::string("|*") + f.ext);
        const std::string all = test::Read_All(single);

        // The same structure: per computer the two tables and its footer.
        for (const std::string* text : {static_cast<const std::string*>(&per_computer), &all}) {
            for (const auto& pc : computers) {
                EXPECT_EQ(Count_Of(*text, Title("BIOS", pc)), 1u) << pc;
                EXPECT_EQ(Count_Of(*text, Title("Processor", pc)), 1u) << pc;
            }
            if (std::string(f.ext) == ".html") {
                EXPECT_EQ(Count_Of(*text, "<table"), 6u);
            }
            if (std::string(f.ext) == ".txt") {
                EXPECT_EQ(Count_Of(*text, "[Report Taken @ "), 2u);
            }
        }
        EXPECT_EQ(Count_Of(all, "\r\n"), Count_Of(per_computer, "\r\n"));
        EXPECT_LT(all.find(Title("BIOS", local_)), all.find(Title("BIOS", "localhost")));
    }
}

}  // namespace
}  // namespace crv
