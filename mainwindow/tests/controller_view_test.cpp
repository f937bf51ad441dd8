// The main window's controller: scans, work mode, timers, the System Summary, the device tree and the view settings.
#include "mainwindow/tests/controller_fixture.h"

namespace crv::test {
namespace {

TEST_F(ControllerTest, DeleteScanRemovesTheChosenDate) {
    Start();
    c_.mnuDeleteScan_Click();
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "No scan information found for the selection!");
    ListModel scan;
    scan.Add_Item("Caption" + SEP + "1", "    Caption")->Set_Sub_Item(1, "x");
    ASSERT_TRUE(Save_Scan({2024, 1, 2}, pc_, Get_Feature_ID("Win32_Processor"), scan));
    ASSERT_TRUE(Save_Scan({2023, 11, 5}, pc_, Get_Feature_ID("Win32_Processor"), scan));
    c_.Fill_Scan_Dates(pc_);
    host_.boxes.clear();
    c_.mnuDeleteScan_Click();  // answered No
    EXPECT_EQ(host_.boxes[0].text, "Are you sure you want to delete the saved scan on '02-JAN-2024' for the Computer "
                                   "'PC7'?");
    EXPECT_EQ(c_.cboScanDate.items.size(), 2u);
    host_.answers.push_back(Answer_Yes);
    c_.mnuDeleteScan_Click();
    ASSERT_EQ(c_.cboScanDate.items.size(), 1u);
    EXPECT_EQ(c_.cboScanDate.Text(), "05-NOV-2023");
    SqlResult dates;
    ASSERT_TRUE(Get_Scan_Dates(pc_, dates));
    EXPECT_EQ(dates.Data_Row_Count(), 1u);
}

TEST_F(ControllerTest, WorkModeSwitchKeepsTheRootAndRestartsTheExpandTimer) {
    Start();
    c_.tvwDevices.Select(nullptr);
    c_.tmrExpand_Timer();
    ASSERT_FALSE(c_.tmrExpand.enabled);
    c_.mnuWorkOffline_Click();
    EXPECT_TRUE(c_.tmrExpand.enabled);
    ASSERT_GT(c_.tvwFeatures.Count(), 0u);
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC7");
    EXPECT_EQ(Number_Value(Get_Field(c_.tvwFeatures.Nodes().front()->tag, 0)), pc_);
    SqlResult s;
    ASSERT_TRUE(Get_Settings(s));
    EXPECT_FALSE(s.Flag(1, *s.Column_Index("WORK_ONLINE")));
    c_.Toolbar_Button_Click("tlbScan", "OnlineOffline");  // value 1 -> offline again
    EXPECT_TRUE(c_.Checked("mnuWorkOffline"));
    c_.Command("tlbScan.OnlineOffline").value = 0;
    c_.Toolbar_Button_Click("tlbScan", "OnlineOffline");
    EXPECT_TRUE(c_.Checked("mnuWorkOnline"));
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC7");
}

TEST_F(ControllerTest, EmptyFeatureCatalogueMakesRootCommandsDoNothing) {
    ASSERT_TRUE(Execute_SQL("DELETE FROM FEATURE_TBL"));
    ASSERT_TRUE(Execute_SQL("DELETE FROM TAB_REPORT_NAMES_TBL"));
    Start();
    EXPECT_EQ(c_.tvwFeatures.Count(), 0u);
    c_.mnuFleSystemSummary_Click();
    c_.Set_Features_Root("PC7", std::to_string(pc_) + SEP + "2", "DEV" + std::to_string(pc_));
    c_.Toolbar_Button_Click("tlbOS", "Process");
    c_.tmrExpand_Timer();
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(c_.lvwMain.Item_Count(), 0u);
}

TEST_F(ControllerTest, TimersStartStopAndPauseWhileABoxIsOpen) {
    Start();
    Click("RTT_SCM");
    EXPECT_TRUE(c_.tmrMain.enabled);
    const int locks = host_.locks;
    EXPECT_GE(locks, 1);  // the immediate refresh
    c_.tmrMain_Timer();
    EXPECT_EQ(host_.locks, locks + 1);
    // A tick inside a modal box does not refresh.
    host_.on_box = [&] { c_.tmrMain_Timer(); };
    c_.Message_Box("x", Mb_Ok);
    EXPECT_EQ(host_.locks, locks + 1);
    host_.on_box = nullptr;
    Click("Win32_Processor");
    EXPECT_FALSE(c_.tmrMain.enabled);
    EXPECT_EQ(c_.tmrMain.interval, 0);
    // Work mode switches run the one-shot expansion timer again.
    c_.mnuWorkOffline_Click();
    EXPECT_TRUE(c_.tmrExpand.enabled);
    EXPECT_EQ(c_.tmrExpand.interval, 50);
    host_.settings["LeftTopPane/Expanded"] = "01";
    c_.tmrExpand_Timer();
    EXPECT_FALSE(c_.tmrExpand.enabled);
    EXPECT_TRUE(c_.tvwFeatures.Nodes()[1]->expanded);
}

TEST_F(ControllerTest, SystemSummarySectionsRowsAndStoredLabels) {
    Start();
    FakeWmiPort::QueryAnswer cs;
    cs.objects.push_back(Instance({Wmi_Text("Name", "PC7"), Wmi_Value("TotalPhysicalMemory", CIM_Uint64,
                                                                      std::string("8589934592"))}));
    wmi_.Set_Answer("Select * from Win32_ComputerSystem", cs);
    FakeWmiPort::QueryAnswer csp;
    csp.objects.push_back(Instance({Wmi_Text("IdentifyingNumber", "SN1"), Wmi_Text("UUID", "U1")}));
    wmi_.Set_Answer("Select * from Win32_ComputerSystemProduct", csp);
    FakeWmiPort::QueryAnswer cpu;
    cpu.objects.push_back(Instance({Wmi_Text("Name", "CPU A"), Wmi_Uint32("MaxClockSpeed", 2394)}));
    cpu.objects.push_back(Instance({Wmi_Text("Name", "CPU B"), Wmi_Uint32("MaxClockSpeed", 3000)}));
    wmi_.Set_Answer("Select * from Win32_Processor", cpu);
    FakeWmiPort::QueryAnswer os;
    os.objects.push_back(Instance({Wmi_Value("ServicePackMajorVersion", CIM_Uint16, std::int64_t{3}),
                                   Wmi_Value("ServicePackMinorVersion", CIM_Uint16, std::int64_t{0})}));
    wmi_.Set_Answer("Select * from Win32_OperatingSystem", os);
    FakeWmiPort::QueryAnswer bios;
    bios.exec_error = WmiStatus::Error(Wbem_E_Failed, "failed");
    wmi_.Set_Answer("Select * from Win32_BIOS", bios);
    FakeWmiPort::QueryAnswer nic;
    nic.objects.push_back(Instance({Wmi_Text("Caption", "[00000007] Example Adapter"),
                                    Wmi_Text("MACAddress", "00:11:22:33:44:55")}));
    wmi_.Set_Answer("Select * from Win32_NetworkAdapterConfiguration where IPEnabled=true", nic);
    Click("[Root...]");
    const ListModel& l = c_.lvwMain;
    auto find = [&](const std::string& text) -> const ListItem* {
        for (std::size_t i = 0; i < l.Item_Count(); ++i)
            if (l.Item(i).text == text) return &l.Item(i);
        return nullptr;
    };
    ASSERT_GT(l.Item_Count(), 40u);
    EXPECT_EQ(l.Item(0).key, "Computer" + SEP + "0");
    EXPECT_TRUE(l.Item(0).bold);
    EXPECT_EQ(l.Item(1).key, "CSName" + SEP + "1");
    EXPECT_EQ(l.Item(1).small_icon, "Info3");
    EXPECT_EQ(l.Item(9).Sub_Item(1), "8.00 GB(8589934592 bytes)");
    // ComputerSystemProduct continues the section; two separators after it.
    EXPECT_EQ(l.Item(10).text, "    Identifying Number");
    EXPECT_EQ(l.Item(12).key.substr(0, 6), "Space0");
    EXPECT_EQ(l.Item(13).key.substr(0, 6), "Space0");
    EXPECT_EQ(l.Item(14).text, "Processors");
    EXPECT_EQ(l.Item(19).Sub_Item(1), "2.394 GHz");
    EXPECT_EQ(l.Item(21).key.substr(0, 6), "Space0");
    EXPECT_EQ(l.Item(22).Sub_Item(1), "CPU B");
    EXPECT_EQ(l.Item(26).Sub_Item(1), "3 GHz");
    EXPECT_EQ(l.Item(28).key.substr(0, 6), "Space0");
    EXPECT_EQ(l.Item(29).key.substr(0, 6), "Space0");
    EXPECT_EQ(l.Item(30).text, "Operating System");
    ASSERT_NE(find("    OS Service Pack"), nullptr);
    EXPECT_EQ(find("    OS Service Pack")->Sub_Item(1), "3.0");
    // A class that cannot be read: its rows once, empty.
    ASSERT_NE(find("    BIOS Name"), nullptr);
    EXPECT_EQ(find("    BIOS Name")->Sub_Item(1), "");
    // No monitor: section and one separator.
    const ListItem* monitor = find("Desktop Monitor");
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(find("    Network Adpater Name")->Sub_Item(1), "Example Adapter");
    EXPECT_NE(find("Logical Disk"), nullptr);
    // The MAC addresses were stored after the summary.
    std::vector<std::string> macs;
    ASSERT_TRUE(Get_Device_MAC(pc_, macs));
    ASSERT_EQ(macs.size(), 1u);
    // No adapters at all: no adapter section.
    wmi_.answers.erase("Select * from Win32_NetworkAdapterConfiguration where IPEnabled=true");
    Click("[Root...]");
    EXPECT_EQ(find("Physical Network Adapters"), nullptr);
    // A refused connection: one bold error row.
    wmi_.connect_result = [](const WmiConnectRequest&) { return WmiStatus::Error(Rpc_S_Server_Unavailable, "The RPC server is unavailable."); };
    Click("[Root...]");
    ASSERT_EQ(l.Item_Count(), 1u);
    EXPECT_EQ(l.Item(0).text, "Error");
    EXPECT_EQ(l.Item(0).Sub_Item(1), "The RPC server is unavailable.");
    EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(ControllerTest, RefreshMacAddressSkipsAdaptersWithoutAddress) {
    FakeWmiPort::QueryAnswer nics;
    nics.objects.push_back(Instance({Wmi_Text("MACAddress", "00:11:22:33:44:55")}));
    nics.objects.push_back(Instance({Wmi_Null("MACAddress")}));
    nics.objects.push_back(Instance({Wmi_Text("MACAddress", "66:77:88:99:AA:BB")}));
    wmi_.Set_Answer("Select * from Win32_NetworkAdapterConfiguration where IPEnabled=true", nics);
    c_.Refresh_MAC_Address(pc_, "PC7");
    std::vector<std::string> macs;
    ASSERT_TRUE(Get_Device_MAC(pc_, macs));
    ASSERT_EQ(macs.size(), 2u);
    EXPECT_EQ(macs[0], "00:11:22:33:44:55");
    EXPECT_EQ(macs[1], "66:77:88:99:AA:BB");
    // A second run never overwrites.
    nics.objects.resize(1);
    nics.objects[0] = Instance({Wmi_Text("MACAddress", "FF:FF:FF:FF:FF:FF")});
    wmi_.Set_Answer("Select * from Win32_NetworkAdapterConfiguration where IPEnabled=true", nics);
    c_.Refresh_MAC_Address(pc_, "PC7");
    ASSERT_TRUE(Get_Device_MAC(pc_, macs));
    EXPECT_EQ(macs.size(), 2u);
}

TEST_F(ControllerTest, DeviceTreeGroupsListingRenameAndDrop) {
    const std::int32_t g1 = Add_Device("Sales", "", "", 0, 0, 0, 0, "", 1, 1, "", "tester");
    const std::int32_t g2 = Add_Device("Labs", "", "", 0, 0, 0, 0, "", g1, 1, "", "tester");
    const std::int32_t pc2 = Add_Device("PC8", "", "", 0, 0, 0, 0, "x", g1, 2, "", "tester");
    const std::int32_t orphan = Add_Device("PC9", "", "", 0, 0, 0, 0, "x", 999, 2, "", "tester");
    Start();
    TreeModel& t = c_.tvwDevices;
    TreeNode* root = t.Find("DEV1");
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(root->expanded);
    EXPECT_EQ(root->tag, "1" + SEP + "1");
    EXPECT_EQ(root->selected_image, "OpenGroup");
    TreeNode* sales = t.Find("DEV" + std::to_string(g1));
    TreeNode* labs = t.Find("DEV" + std::to_string(g2));
    TreeNode* n8 = t.Find("DEV" + std::to_string(pc2));
    ASSERT_TRUE(sales && labs && n8);
    EXPECT_EQ(labs->parent, sales);
    EXPECT_EQ(n8->parent, sales);
    EXPECT_EQ(t.Find("DEV" + std::to_string(orphan))->parent, root);
    EXPECT_EQ(n8->image, "Computer");

    // A group click lists its members, groups first, with the descriptor.
    c_.tvwDevices.Select(sales);
    c_.tvwDevices_NodeClick(sales);
    ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_EQ(c_.lvwMain.Item(0).text, "Labs");
    EXPECT_EQ(c_.lvwMain.Item(1).key, "DEV" + std::to_string(pc2));
    EXPECT_EQ(c_.lvwMain.Item(1).tag, std::to_string(pc2) + SEP + "PC8");
    EXPECT_EQ(c_.lvwMain.Column_Count(), 16u);
    EXPECT_EQ(c_.lvwMain.tag, std::to_string(g1) + SEP + "tvwDevices" + SEP + "Sales" + SEP + sales->tag + SEP +
                                  sales->key);
    EXPECT_EQ(Get_Field(c_.lvwMain.tag, 5), sales->key);
    EXPECT_EQ(c_.Panel("Information")->text, "Sales");

    // Rename in place.
    bool cancel = false;
    const std::string name = "Sales 'East'";
    c_.tvwDevices_AfterLabelEdit(cancel, &name);
    EXPECT_FALSE(cancel);
    SqlResult r;
    std::int32_t n = 0;
    ASSERT_TRUE(Get_SQL_Result(n, r, "SELECT DEV_NAME FROM DEV_TBL WHERE DEV_ID=" + std::to_string(g1)));
    EXPECT_EQ(r.Text(1, 0), name);
    c_.tvwDevices_AfterLabelEdit(cancel, nullptr);  // abandoned edit stores nothing
    EXPECT_FALSE(cancel);

    // Drop PC8 and the root onto Labs; a group onto its own sub-group is skipped.
    c_.tvwDevices_OLEDragDrop(n8->key + SEP + "DEV1" + SEP + "DEV424242" + SEP + sales->key, labs);
    EXPECT_EQ(n8->parent, labs);
    EXPECT_EQ(sales->parent, root);
    ASSERT_TRUE(Get_SQL_Result(n, r,
                               "SELECT DEST_GRP_ID, SRC_GRP_ID, DEV_ID, TRANSFER_DATE, TRANSFER_WUSER FROM "
                               "TRANSFER_TRACK"));
    ASSERT_EQ(n, 1);
    EXPECT_EQ(r.Text(1, 0), std::to_string(g2));
    EXPECT_EQ(r.Text(1, 1), std::to_string(g1));
    EXPECT_EQ(r.Text(1, 2), std::to_string(pc2));
    EXPECT_EQ(r.Text(1, 3), "2024-03-07 10:11:12");
    EXPECT_EQ(r.Text(1, 4), "tester");
    EXPECT_EQ(Get_Device_Type(pc2), 2);
    ASSERT_TRUE(Get_SQL_Result(n, r, "SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(pc2)));
    EXPECT_EQ(r.Text(1, 0), std::to_string(g2));
    // The selected group is listed again: PC8 has gone from Sales.
    EXPECT_EQ(c_.lvwMain.Item_Count(), 1u);

    // Dropping onto a computer or onto the group a device is in changes nothing.
    c_.tvwDevices_OLEDragDrop(labs->key, n8);
    c_.tvwDevices_OLEDragDrop(n8->key, labs);
    ASSERT_TRUE(Get_SQL_Result(n, r, "SELECT COUNT(*) FROM TRANSFER_TRACK"));
    EXPECT_EQ(r.Text(1, 0), "1");
    // A drag from the tree carries the selected node's key.
    int effects = 0;
    c_.tvwDevices.Select(n8);
    EXPECT_EQ(c_.tvwDevices_OLEStartDrag(effects), n8->key);
    EXPECT_EQ(effects, 1);
}

TEST_F(ControllerTest, PublicKeyHelpers) {
    EXPECT_TRUE(c_.Is_Group_From_Key("DEV1"));
    EXPECT_FALSE(c_.Is_Computer_From_Key("DEV1"));
    EXPECT_TRUE(c_.Is_Computer_From_Key("DEV" + std::to_string(pc_)));
    EXPECT_FALSE(c_.Is_Computer_From_Key("DEVxyz"));
    EXPECT_EQ(c_.Get_ID_From_Key("p4711"), 4711);
    EXPECT_EQ(c_.Get_ID_From_Key("DEV12"), 0);
    EXPECT_TRUE(c_.Is_Group_From_ID(1));
    Cancel_Requested = false;
    c_.cmdCancel_Click();
    EXPECT_TRUE(Cancel_Requested);
}

TEST_F(ControllerTest, ViewSettingsFontAndListingDirection) {
    host_.settings["View/Font"] = "11";
    Start();
    EXPECT_EQ(c_.font_size, 8);
    EXPECT_TRUE(c_.Checked("mnuFontSize(8)"));
    c_.mnuFontSize_Click(10);
    EXPECT_EQ(host_.settings["View/Font"], "10");
    EXPECT_TRUE(c_.Checked("mnuFontSize(10)"));
    EXPECT_FALSE(c_.Checked("mnuFontSize(8)"));
    c_.mnuViewHorizontal_Click();
    EXPECT_FALSE(Get_Vertical_Listing());
    EXPECT_TRUE(c_.Checked("mnuViewHorizontal"));
    c_.mnuViewVertical_Click();
    EXPECT_TRUE(Get_Vertical_Listing());
    // Pending commands exist but are disabled until their handler comes.
    EXPECT_FALSE(c_.Command("mnuFleFullExport").enabled);
    EXPECT_FALSE(c_.Command("tlbMain.About").enabled);
    EXPECT_TRUE(c_.Command("tlbMain.Refresh").enabled);
    EXPECT_FALSE(c_.Run_Command("mnuHlpAbout"));
    int about = 0;
    c_.Register_Command("mnuHlpAbout", [&](int) { ++about; });
    EXPECT_TRUE(c_.Command("mnuHlpAbout").enabled);
    EXPECT_TRUE(c_.Command("tlbMain.About").enabled);
    c_.Toolbar_Button_Click("tlbMain", "About");
    EXPECT_EQ(about, 1);
    // An operation's handler enables its popup, not the mode-bound item.
    c_.Set_Operations_Mode(2);
    c_.Register_Command("mnuOperationsProcessKill", [](int) {});
    EXPECT_TRUE(c_.Command("mnuOperationsProcess").enabled);
    EXPECT_FALSE(c_.Command("mnuOperationsProcessKill").enabled);
    EXPECT_FALSE(c_.Command("tlbProcess.KillProcess").enabled);
    // The window-wide keys add a member of the first and second device type,
    // under the group selected in the device tree.
    int added = -1;
    c_.Register_Command("mnuAddType", [&](int index) { added = index; });
    for (const auto& k : Window_Accelerators()) EXPECT_FALSE(c_.Run_Command(k.command, k.index)) << k.shortcut;
    c_.active_control = "tvwDevices";
    c_.tvwDevices.Select(c_.tvwDevices.Find("DEV1"));
    for (const auto& k : Window_Accelerators()) EXPECT_TRUE(c_.Run_Command(k.command, k.index)) << k.shortcut;
    EXPECT_EQ(added, 2);
    EXPECT_EQ(Window_Accelerators().front().shortcut, "Ctrl+Shift+G");
    EXPECT_EQ(Window_Accelerators().front().index, 1);
}

// Tools Visible: each item shows or hides its band, its check mark says
// which, and bit n of TLB_VISIBILITY keeps item n across a restart.
TEST_F(ControllerTest, ToolsVisibleShowsHidesAndRemembersEachToolbar) {
    auto mask = [&] { return db_.Scalar("SELECT TLB_VISIBILITY FROM SETTINGS_TBL WHERE SETTINGS_ID=1"); };
    auto checked = [&](MainController& c, int n) { return c.Checked(Command_Name("mnuToolbars", n)); };
    Start();
    // The shipped database: Hardware and OS hidden, the other four shown.
    const std::map<std::string, bool> shipped{{"Hardware", false}, {"OS", false}, {"Power", true},
                                              {"Process", true},   {"Services", true}, {"TabularReport", true}};
    EXPECT_EQ(host_.bands, shipped);
    for (int n = 0; n < 6; ++n) EXPECT_EQ(checked(c_, n), n >= 2) << n;

    ASSERT_TRUE(c_.Run_Command("mnuToolbars", 0));
    EXPECT_TRUE(checked(c_, 0));
    EXPECT_TRUE(host_.bands["Hardware"]);
    EXPECT_EQ(mask(), "61");
    ASSERT_TRUE(c_.Run_Command("mnuToolbars", 5));
    EXPECT_FALSE(checked(c_, 5));
    EXPECT_FALSE(host_.bands["TabularReport"]);
    EXPECT_EQ(mask(), "29");

    // A restart applies the stored choice.
    TestHost again;
    MainController restarted;
    restarted.Set_Host(&again);
    restarted.Initialize_Main_Window(true);
    const std::map<std::string, bool> stored{{"Hardware", true}, {"OS", false}, {"Power", true},
                                             {"Process", true},  {"Services", true}, {"TabularReport", false}};
    EXPECT_EQ(again.bands, stored);
    EXPECT_TRUE(checked(restarted, 0));
    EXPECT_FALSE(checked(restarted, 5));

    // The second click hides the band again and clears only its bit.
    ASSERT_TRUE(c_.Run_Command("mnuToolbars", 0));
    EXPECT_FALSE(checked(c_, 0));
    EXPECT_FALSE(host_.bands["Hardware"]);
    EXPECT_EQ(mask(), "28");
}

TEST_F(ControllerTest, ToolsVisibleWithoutAUsableMask) {
    // A mask that is no number reads as the shipped one.
    db_.Exec("UPDATE SETTINGS_TBL SET TLB_VISIBILITY='a;b'");
    Start();
    EXPECT_FALSE(host_.bands["Hardware"]);
    EXPECT_TRUE(host_.bands["Power"]);
    ASSERT_TRUE(c_.Run_Command("mnuToolbars", 1));
    EXPECT_TRUE(host_.bands["OS"]);
    EXPECT_EQ(db_.Scalar("SELECT TLB_VISIBILITY FROM SETTINGS_TBL"), "62");
    // Without the settings row the item changes nothing.
    db_.Exec("DELETE FROM SETTINGS_TBL");
    host_.bands.clear();
    ASSERT_TRUE(c_.Run_Command("mnuToolbars", 1));
    EXPECT_TRUE(c_.Checked(Command_Name("mnuToolbars", 1)));
    EXPECT_TRUE(host_.bands.empty());
}

}  // namespace
}  // namespace crv::test
