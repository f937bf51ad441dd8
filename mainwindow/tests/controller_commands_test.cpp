// The main window's controller: commands through the registry, the guard
// around running listings, relisting after a mode switch or a refresh, the
// report parent, renaming in the device tree and the shutdown order.
#include "mainwindow/tests/controller_fixture.h"

namespace crv::test {
namespace {

TEST_F(ControllerTest, OperationButtonsNeedTheirModeAndAHandler) {
    Start();
    const std::pair<const char*, int> groups[] = {
        {"tlbPower", 0}, {"tlbProcess", 3}, {"tlbServices", 4}, {"tlbTabularReport", 6}};
    for (int mode = 0; mode <= 6; ++mode) {
        c_.Set_Operations_Mode(mode);
        for (const auto& [bar, own_mode] : groups) {
            for (const auto& b : Find_Toolbar(bar)->buttons) {
                const bool enabled = c_.Command(Button_Name(bar, b.key)).enabled;
                // Nothing shows as enabled that could not act.
                if (!c_.Registry().Has_Handler(b.command)) {
                    EXPECT_FALSE(enabled) << bar << "." << b.key;
                }
                if (mode != own_mode) {
                    EXPECT_FALSE(enabled) << bar << "." << b.key << " in mode " << mode;
                }
                if (!enabled) {
                    EXPECT_FALSE(c_.Run_Command(b.command, b.index));
                }
            }
        }
    }
    // With handlers, a button follows the mode and runs its command.
    Register_Operation_Stubs();
    Click("[Root...]");
    EXPECT_TRUE(c_.Command("tlbPower.Shutdown").enabled);
    c_.Toolbar_Button_Click("tlbPower", "Shutdown");
    c_.Toolbar_Button_Click("tlbServices", "StartService");  // wrong mode: nothing
    EXPECT_EQ(operations_run_, (std::vector<std::string>{"mnuOperationsPowShutdown"}));
}

TEST_F(ControllerTest, TheToolbarExitAsksLikeTheMenu) {
    Start();
    host_.boxes.clear();
    c_.Toolbar_Button_Click("tlbMain", "Exit");
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "Are you sure you want to close this program?");
    EXPECT_EQ(host_.boxes[0].flags, Mb_Yes_No | Mb_Question);
    EXPECT_EQ(host_.closes, 0);
    host_.answers.push_back(Answer_Yes);
    EXPECT_TRUE(c_.Run_Command("mnuFleExit"));
    EXPECT_EQ(host_.closes, 1);
}

TEST_F(ControllerTest, TheReportParentIsAnEmptyReportWithoutABox) {
    Start();
    Register_Operation_Stubs();
    Click("Tabu_0");
    EXPECT_TRUE(reporter_.boxes.empty()) << reporter_.boxes.front();
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(c_.lvwMain.Item_Count(), 0u);
    EXPECT_TRUE(c_.Command("tlbTabularReport.TabularAddNew").enabled);
    EXPECT_FALSE(c_.Command("tlbTabularReport.TabularRename").enabled);
    // A store error is shown once: no later box repeats it.
    EXPECT_FALSE(Execute_SQL("SELECT * FROM NO_SUCH_TABLE"));
    ASSERT_EQ(reporter_.boxes.size(), 1u);
    Show_Error_Message(true);
    EXPECT_NE(reporter_.boxes.back(), reporter_.boxes.front());
}

TEST_F(ControllerTest, ScanExportAndComputerCommandsWaitForARunningListing) {
    Start();
    std::vector<std::string> ran;
    std::vector<bool> inside;
    for (const char* n : {"mnuFleManageComputers", "mnuFleFullExport", "mnuStartScan"})
        c_.Register_Command(n, [&, n](int) {
            ran.push_back(n);
            inside.push_back(c_.Listing_Running());
        });
    List_Processors_Running([&] {
        EXPECT_TRUE(c_.Run_Command("mnuFleManageComputers"));
        c_.Toolbar_Button_Click("tlbMain", "FullExport");
        c_.Toolbar_Button_Click("tlbScan", "NewScan");
        c_.Toolbar_Button_Click("tlbScan", "DeleteScan");
        EXPECT_TRUE(ran.empty());
        EXPECT_TRUE(host_.boxes.empty());
    });
    // The listing was cancelled, then each command ran outside it, in order.
    EXPECT_LT(c_.lvwMain.Item_Count(), 150u);
    EXPECT_EQ(ran, (std::vector<std::string>{"mnuFleManageComputers", "mnuFleFullExport", "mnuStartScan"}));
    EXPECT_EQ(inside, (std::vector<bool>{false, false, false}));
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "No scan information found for the selection!");
    // A view choice does not cancel the listing.
    List_Processors_Running([&] { c_.Run_Command("mnuFontSize", 10); });
    EXPECT_EQ(c_.font_size, 10);
    EXPECT_EQ(c_.lvwMain.Item_Count(), 150u);
}

TEST_F(ControllerTest, AModeSwitchOrRefreshListsTheCurrentFeatureAgain) {
    Start();
    FakeWmiPort::QueryAnswer cpu;
    cpu.objects.push_back(Instance({Wmi_Text("Name", "CPU0")}));
    wmi_.Set_Answer("SELECT * FROM Win32_Processor", cpu);
    Click("Win32_Processor");
    const std::size_t queries = wmi_.queries.size();
    c_.mnuViewRefresh_Click();
    // Asked again, once, and still shown under its descriptor.
    EXPECT_EQ(wmi_.queries.size(), queries + 1);
    ASSERT_NE(c_.tvwFeatures.selected, nullptr);
    EXPECT_EQ(c_.tvwFeatures.selected->key, "Win32_Processor");
    EXPECT_EQ(Get_Field(c_.lvwMain.tag, 4), "Processors");
    EXPECT_EQ(c_.lvwMain.Item(0).text, "Processors");

    // Offline: the same feature from the stored scans (none: nothing listed).
    c_.mnuWorkOffline_Click();
    EXPECT_EQ(wmi_.queries.size(), queries + 1);
    EXPECT_EQ(Get_Field(c_.lvwMain.tag, 4), "Processors");
    EXPECT_EQ(c_.lvwMain.Item_Count(), 0u);
    c_.mnuWorkOnline_Click();
    EXPECT_EQ(wmi_.queries.size(), queries + 2);
    EXPECT_EQ(c_.lvwMain.Item_Count(), 3u);
}

TEST_F(ControllerTest, ALiveListGoneOfflineIsClearedAndItsOperationsDisabled) {
    db_.Exec("UPDATE FEATURE_TBL SET OFFLINE=0 WHERE FEATURE_KEY LIKE 'RTT_%'");
    Start();
    Register_Operation_Stubs();
    ASSERT_EQ(c_.tvwDevices.selected, nullptr);
    Click("RTT_RemoteTaskManager");
    ASSERT_TRUE(c_.tmrMain.enabled);
    ASSERT_TRUE(c_.Command("tlbProcess.KillProcess").enabled);
    c_.Toolbar_Button_Click("tlbScan", "OnlineOffline");  // value 0: online again, the list stays live
    EXPECT_TRUE(c_.tmrMain.enabled);
    c_.Command("tlbScan.OnlineOffline").value = 1;
    c_.Toolbar_Button_Click("tlbScan", "OnlineOffline");
    EXPECT_TRUE(c_.Checked("mnuWorkOffline"));
    EXPECT_EQ(c_.tvwFeatures.Find("RTT_RemoteTaskManager"), nullptr);
    EXPECT_FALSE(c_.tmrMain.enabled);
    EXPECT_FALSE(c_.Command("tlbProcess.KillProcess").enabled);
    EXPECT_EQ(c_.lvwMain.Item_Count(), 0u);
    EXPECT_EQ(c_.lvwMain.Column_Count(), 0u);
    EXPECT_TRUE(c_.lvwMain.tag.empty());
}

TEST_F(ControllerTest, ARefreshListsTheShownGroupAgainOrClearsIt) {
    const std::int32_t g = Add_Device("Lab", "", "", 0, 0, 0, 0, "", 1, 1, "", "tester");
    Add_Device("LAB1", "", "", 0, 0, 0, 0, "", g, 2, "", "tester");
    Start();
    c_.tvwDevices_NodeClick(c_.tvwDevices.Find("DEV" + std::to_string(g)));
    ASSERT_EQ(c_.lvwMain.Item_Count(), 1u);
    Add_Device("LAB2", "", "", 0, 0, 0, 0, "", g, 2, "", "tester");
    c_.mnuViewRefresh_Click();
    EXPECT_EQ(c_.lvwMain.Item_Count(), 2u);
    db_.Exec("DELETE FROM DEV_TBL WHERE DEV_ID=" + std::to_string(g) + " OR PARENT=" + std::to_string(g));
    c_.mnuViewRefresh_Click();
    EXPECT_EQ(c_.lvwMain.Item_Count(), 0u);
    EXPECT_TRUE(c_.lvwMain.tag.empty());
}

TEST_F(ControllerTest, RenamingAComputerRefusesBadOrTakenNames) {
    Add_Device("OTHER", "", "", 0, 0, 0, 0, "", 1, 2, "", "tester");
    Start();
    TreeNode* pc = c_.tvwDevices.Find("DEV" + std::to_string(pc_));
    ASSERT_NE(pc, nullptr);
    c_.tvwDevices.Select(pc);
    c_.tvwDevices_NodeClick(pc);
    const std::pair<std::string, std::string> refused[] = {
        {"", "Please enter a valid computer name!"},
        {"TWO WORDS", "Please enter a valid computer name!"},
        {std::string(101, 'X'), "Please enter a valid computer name!"},
        {"LINE\nBREAK", "Please enter a valid computer name!"},
        {"FIELD\x0BMARK", "Please enter a valid computer name!"},
        {"other", "Computer already exists."},
    };
    for (const auto& [name, message] : refused) {
        host_.boxes.clear();
        bool cancel = false;
        c_.tvwDevices_AfterLabelEdit(cancel, &name);
        EXPECT_TRUE(cancel) << name;
        ASSERT_EQ(host_.boxes.size(), 1u) << name;
        EXPECT_EQ(host_.boxes[0].text, message);
        EXPECT_EQ(host_.boxes[0].flags, Mb_Exclamation);
        EXPECT_EQ(pc->text, "PC7");
        EXPECT_EQ(db_.Scalar("SELECT DEV_NAME FROM DEV_TBL WHERE DEV_ID=" + std::to_string(pc_)), "PC7");
    }
    // Its own name in another case is no clash; the root and the status follow.
    for (const std::string name : {"pc7", "PC8"}) {
        bool cancel = false;
        c_.tvwDevices_AfterLabelEdit(cancel, &name);
        EXPECT_FALSE(cancel) << name;
        EXPECT_EQ(pc->text, name);
        EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, name);
        EXPECT_EQ(c_.Panel("Information")->text, name);
    }
    EXPECT_EQ(db_.Scalar("SELECT DEV_NAME FROM DEV_TBL WHERE DEV_ID=" + std::to_string(pc_)), "PC8");
    // A group may carry blanks but not an empty name.
    TreeNode* network = c_.tvwDevices.Find("DEV1");
    c_.tvwDevices.Select(network);
    bool cancel = false;
    const std::string blank;
    c_.tvwDevices_AfterLabelEdit(cancel, &blank);
    EXPECT_TRUE(cancel);
    cancel = false;
    const std::string spaced = "Head Office";
    c_.tvwDevices_AfterLabelEdit(cancel, &spaced);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(network->text, "Head Office");
}

TEST_F(ControllerTest, ShutdownCompactsOnlyAfterTheOtherWindowsHaveClosed) {
    Start();
    db_.Exec("UPDATE SETTINGS_TBL SET LAST_OPTIMIZE=NULL");
    std::string optimized_when_forms_closed = "unset";
    host_.on_unload_forms = [&] {
        optimized_when_forms_closed = db_.Scalar("SELECT IFNULL(LAST_OPTIMIZE,'') FROM SETTINGS_TBL");
    };
    c_.Form_Unload();
    EXPECT_EQ(optimized_when_forms_closed, "");
    EXPECT_FALSE(db_.Scalar("SELECT IFNULL(LAST_OPTIMIZE,'') FROM SETTINGS_TBL").empty());
    EXPECT_TRUE(host_.settings.count("LeftTopPane/Expanded"));
}

}  // namespace
}  // namespace crv::test
