// The main window's controller: feature selection, listing and the listing guard.
#include "mainwindow/tests/controller_fixture.h"

namespace crv::test {
namespace {

TEST(DisplayMode, EveryRowOfTheTableInOrder) {
    const std::pair<const char*, int> rows[] = {
        {"MSStorageDriver_X", 2}, {"MSAcpi_X", 2}, {"Win32_X", 2}, {"CIM_X", 2}, {"SC_X", 2},
        {"Lic_X", 2}, {"RTT_RemoteTaskManager", 3}, {"RTT_SCM", 4}, {"Cust_InstalledProducts", 5},
        {"Cust_ProblemDevices", 2}, {"Tabu_0", 6}, {"Tabu_12", 6}, {"[Root...]", 0}, {"Hardware", 1},
        {"win32_X", 1}, {"RTT_SCMX", 1}, {"rtt_scm", 1}, {"", 1}};
    for (auto& [key, mode] : rows) EXPECT_EQ(Display_Mode_For_Key(key), mode) << key;
}

TEST(ScanDates, EntryFormAndParsing) {
    EXPECT_EQ(Scan_Date_Entry("05-11-2023"), "05-NOV-2023");
    EXPECT_EQ(Scan_Date_Entry("02-01-2024"), "02-JAN-2024");
    int y, m, d;
    ASSERT_TRUE(Parse_Scan_Date("07-MAR-2024", y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240307);
    EXPECT_TRUE(Parse_Scan_Date("07-mar-2024", y, m, d));
    EXPECT_FALSE(Parse_Scan_Date("31-FEB-2024", y, m, d));
    EXPECT_FALSE(Parse_Scan_Date("29-02-2023", y, m, d));
    EXPECT_TRUE(Parse_Scan_Date("29-02-2024", y, m, d));
    EXPECT_FALSE(Parse_Scan_Date("", y, m, d));
    EXPECT_EQ(Number_Value(" 12abc"), 12);
    EXPECT_EQ(Number_Value("abc"), 0);
    EXPECT_EQ(Number_Value("99999999999"), 0);
}

TEST_F(ControllerTest, StartUpMakesTheLocalComputerTheRoot) {
    Add_Device("LOCALPC", "", "", 0, 0, 0, 0, "x", 1, 2, "", "tester");
    Start();
    ASSERT_GT(c_.tvwFeatures.Count(), 0u);
    const TreeNode* root = c_.tvwFeatures.Nodes().front();
    EXPECT_EQ(root->key, "[Root...]");
    EXPECT_EQ(root->text, "LOCALPC");
    EXPECT_EQ(Get_Field(root->tag, 1), "2");
    EXPECT_EQ(host_.settings["Login/Computer"], "LOCALPC");
    EXPECT_EQ(c_.Panel("Version")->text, Get_Version_Text());
    EXPECT_EQ(c_.Panel("OnlineOffline")->text, "Mode: Online");
    EXPECT_TRUE(c_.Checked("mnuWorkOnline"));
    EXPECT_TRUE(c_.tmrExpand.enabled);
    // Device types become Add entries; the design member is hidden.
    ASSERT_EQ(c_.mnuAddType.size(), 2u);
    EXPECT_EQ(c_.mnuAddType[1].caption, "Computer");
    EXPECT_EQ(c_.mnuAddType[1].tag, "2");
    EXPECT_FALSE(c_.mnuAddType0_visible);
    // The local computer is listed: the expand timer asks nothing.
    c_.tmrExpand_Timer();
    EXPECT_FALSE(c_.tmrExpand.enabled);
    EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(ControllerTest, LocalComputerMissingIsOfferedAndOtherComputerBecomesRoot) {
    Start();
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC7");
    c_.tmrExpand_Timer();
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text,
              "This computer is not added to the computer list. Do you want to add this computer to the list now?");
    EXPECT_EQ(host_.boxes[0].flags, Mb_Yes_No | Mb_Question);
}

TEST_F(ControllerTest, LiveClassListingRowsAndDescriptors) {
    Start();
    FakeWmiPort::QueryAnswer answer;
    answer.objects.push_back(Instance({Wmi_Text("BuildNumber", "7601"), Wmi_Text("Caption", "Windows 7"),
                                       Wmi_Text("CreationClassName", "Win32_OperatingSystem"),
                                       Wmi_Text("Manufacturer", "Wine"), Wmi_Text("Name", "Microsoft Windows"),
                                       Wmi_Text("Empty", "")}));
    wmi_.Set_Answer("SELECT * FROM Win32_OperatingSystem", answer);
    Click("Win32_OperatingSystem");

    const ListModel& l = c_.lvwMain;
    ASSERT_EQ(l.Item_Count(), 6u);  // header, Name, Manufacturer, Caption, BuildNumber, separator
    EXPECT_EQ(l.Item(0).key, "Win32_OperatingSystem" + SEP + "1");
    EXPECT_EQ(l.Item(0).text, "Operating System");
    EXPECT_TRUE(l.Item(0).bold);
    EXPECT_EQ(l.Item(0).Sub_Item(1), "1");
    EXPECT_EQ(l.Item(1).text, "    Name");
    EXPECT_EQ(l.Item(2).text, "    Manufacturer");
    EXPECT_EQ(l.Item(3).text, "    Caption");
    EXPECT_EQ(l.Item(4).text, "    Build Number");
    EXPECT_EQ(l.Item(4).Sub_Item(1), "7601");
    EXPECT_EQ(l.Item(4).small_icon, "Info");
    EXPECT_EQ(l.Item(4).indent, 1);
    EXPECT_EQ(l.Item(5).key, "Space0" + SEP + "1");

    const std::int32_t fid = Get_Feature_ID("Win32_OperatingSystem");
    const TreeNode* root = c_.tvwFeatures.Nodes().front();
    EXPECT_EQ(l.tag, root->tag + SEP + "PC7" + SEP + std::to_string(fid) + SEP + "Operating System");
    EXPECT_EQ(Get_Field(l.tag, 0), std::to_string(pc_));
    EXPECT_EQ(Get_Field(l.tag, 1), "2");
    ASSERT_EQ(l.Column_Count(), 2u);
    EXPECT_EQ(l.Column(0).tag, std::to_string(pc_) + SEP + "PC7" + SEP + std::to_string(fid) + SEP +
                                   "Win32_OperatingSystem" + SEP + "Windows");
    EXPECT_EQ(c_.Panel("Description")->text, "Operating System");
    EXPECT_EQ(c_.Panel("Information")->text, "Operating System");
    ASSERT_FALSE(wmi_.connects.empty());
    EXPECT_EQ(wmi_.connects.back().server, "PC7");
}

// The objects of one class may list their properties in other orders: each
// row keeps its own property's caption, whatever the object before had at
// that place.
TEST_F(ControllerTest, LiveCaptionsFollowEachObjectsOwnProperties) {
    Start();
    FakeWmiPort::QueryAnswer answer;
    answer.objects.push_back(Instance({Wmi_Text("FreeSpace", "1"), Wmi_Text("BlockSize", "2")}));
    answer.objects.push_back(Instance({Wmi_Text("BlockSize", "3"), Wmi_Text("VolumeName", "4"),
                                       Wmi_Text("FreeSpace", "5")}));
    answer.objects.push_back(Instance({Wmi_Text("VolumeName", "6")}));
    wmi_.Set_Answer("SELECT * FROM Win32_OperatingSystem", answer);
    Click("Win32_OperatingSystem");
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i)
        if (c_.lvwMain.Item(i).indent == 1)
            rows.push_back(c_.lvwMain.Item(i).text + "=" + c_.lvwMain.Item(i).Sub_Item(1));
    EXPECT_EQ(rows, (std::vector<std::string>{"    Free Space=1", "    Block Size=2", "    Block Size=3",
                                              "    Volume Name=4", "    Free Space=5", "    Volume Name=6"}));
}

TEST_F(ControllerTest, DispatchByKeyChoosesLayoutNamespaceAndQuery) {
    Start();
    Register_Operation_Stubs();
    Click("SC_AntiVirusProduct");
    EXPECT_EQ(wmi_.queries.back(), "SELECT * FROM AntiVirusProduct");
    EXPECT_NE(wmi_.connects.back().namespace_path.find("SecurityCenter2"), std::string::npos);
    Click("MSAcpi_ThermalZoneTemperature");
    EXPECT_EQ(wmi_.queries.back(), "SELECT * FROM MSAcpi_ThermalZoneTemperature");
    EXPECT_NE(wmi_.connects.back().namespace_path.find("WMI"), std::string::npos);
    Click("MSStorageDriver_FailurePredictStatus");
    EXPECT_NE(wmi_.connects.back().namespace_path.find("WMI"), std::string::npos);
    Click("CIM_Fan");
    EXPECT_EQ(wmi_.queries.back(), "SELECT * FROM CIM_Fan");
    // No instances: the single no-information row.
    ASSERT_EQ(c_.lvwMain.Item_Count(), 1u);
    EXPECT_EQ(c_.lvwMain.Item(0).Sub_Item(1), "No Information Available");
    Click("Lic_SoftwareLicensingProduct");
    EXPECT_EQ(wmi_.queries.back(), "Select * From SoftwareLicensingProduct");
    Click("Cust_ProblemDevices");
    EXPECT_EQ(wmi_.queries.back(), "Select * From Win32_PNPEntity Where ConfigManagerErrorCode<>0");
    EXPECT_EQ(c_.lvwMain.Column_Count(), 2u);


    Click("RTT_RemoteTaskManager");
    EXPECT_EQ(c_.lvwMain.Column(1).key, "PID");
    EXPECT_TRUE(c_.tmrMain.enabled);
    EXPECT_EQ(c_.tmrMain.interval, 5000);
    EXPECT_TRUE(c_.Command("mnuOperationsProcessKill").enabled);
    EXPECT_TRUE(c_.Command("tlbProcess.KillProcess").enabled);
    Click("RTT_SCM");
    EXPECT_EQ(c_.lvwMain.Column(1).key, "ServiceName");
    EXPECT_EQ(c_.tmrMain.interval, 10000);
    EXPECT_FALSE(c_.Command("mnuOperationsProcessKill").enabled);
    EXPECT_TRUE(c_.Command("mnuOperationsServiceControl(6)").enabled);

    // A feature group lists its children as icons, asking WMI nothing.
    Click("Hardware");
    EXPECT_FALSE(c_.tmrMain.enabled);
    EXPECT_EQ(c_.tmrMain.interval, 0);
    EXPECT_EQ(c_.lvwMain.view, ListViewMode::Icon);
    ASSERT_EQ(c_.lvwMain.Item_Count(), Feature("Hardware")->children.size());
    EXPECT_EQ(c_.lvwMain.Item(0).key, "Win32_OperatingSystem");
    EXPECT_EQ(c_.lvwMain.Item(0).icon, "Windows");
    EXPECT_EQ(c_.lvwMain.Column_Count(), 0u);

    Click("Cust_InstalledProducts");
    EXPECT_EQ(c_.lvwMain.Column(0).key, "DisplayName");
    EXPECT_FALSE(c_.Command("mnuOperationsServiceControl(0)").enabled);

    Click("[Root...]");
    EXPECT_TRUE(c_.Command("mnuOperationsPowShutdown").enabled);
    EXPECT_TRUE(c_.Command("tlbPower.Boot").enabled);
    EXPECT_NE(c_.lvwMain.Column(0).tag.find("[Root...]"), std::string::npos);
}

TEST_F(ControllerTest, ReportNodesAndOperationsModeTable) {
    Start();
    Register_Operation_Stubs();
    TreeNode* reports = Feature("Tabu_0");
    ASSERT_NE(reports, nullptr);
    Click("Tabu_0");
    EXPECT_TRUE(c_.Command("mnuOperationsReportAdd").enabled);
    EXPECT_TRUE(c_.Command("tlbTabularReport.TabularStartScan").enabled);
    EXPECT_FALSE(c_.Command("mnuOperationsReportRename").enabled);
    EXPECT_FALSE(c_.Command("tlbTabularReport.TabularDelete").enabled);
    EXPECT_TRUE(c_.lvwMain.checkboxes);
    // Out-of-range modes change nothing.
    c_.Set_Operations_Mode(7);
    c_.Set_Operations_Mode(-1);
    EXPECT_TRUE(c_.Command("mnuOperationsReportAdd").enabled);
    c_.Set_Operations_Mode(3);
    c_.Set_Operations_Mode(1);
    EXPECT_FALSE(c_.Command("mnuOperationsProcessKill").enabled);
    EXPECT_FALSE(c_.Command("mnuOperationsReportAdd").enabled);
}

TEST_F(ControllerTest, NoComputerAtTheRootRefusesAndKeepsTheDescriptor) {
    Delete_Device(pc_);
    Start();  // no computer: the root stays the feature catalogue's own node
    c_.lvwMain.tag = "before";
    c_.lvwMain.Add_Item("old", "old row");
    Click("Win32_OperatingSystem");
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "Please choose any computer from the device tree and try again!");
    EXPECT_EQ(host_.boxes[0].flags, Mb_Exclamation);
    EXPECT_EQ(c_.lvwMain.tag, "before");
    EXPECT_EQ(c_.lvwMain.Item_Count(), 1u);
    EXPECT_TRUE(wmi_.queries.empty());
    // A report node needs no computer.
    host_.boxes.clear();
    Click("Tabu_0");
    EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(ControllerTest, BufferListContractForTheScanDialog) {
    Start();
    FakeWmiPort::QueryAnswer answer;
    answer.objects.push_back(Instance({Wmi_Text("Name", "CPU0")}));
    wmi_.Set_Answer("SELECT * FROM Win32_Processor", answer);
    c_.lvwMain.Add_Item("keep", "keep");
    host_.loaded_forms.insert("frmFullExport");
    ListModel hidden;
    hidden.Add_Item("stale", "stale");
    TreeNode* node = Feature("Win32_Processor");
    Cancel_Requested = true;
    c_.Node_Clicked_Event_Handler(pc_, "PC7", Get_Feature_ID("Win32_Processor"), "Win32_Processor", "Processor",
                                  c_, *node, hidden, "", true);
    EXPECT_FALSE(Cancel_Requested);
    ASSERT_EQ(hidden.Item_Count(), 3u);
    EXPECT_EQ(hidden.Item(1).Sub_Item(1), "CPU0");
    EXPECT_EQ(hidden.Column(0).tag.substr(0, std::to_string(pc_).size()), std::to_string(pc_));
    EXPECT_EQ(c_.lvwMain.Item_Count(), 1u);
    EXPECT_EQ(c_.lvwMain.Item(0).key, "keep");
    // The timer refreshes only the pane: a list of the dialog gets the rows
    // of one refresh, the same rows the pane shows.
    const std::string services =
        "Select DisplayName, Name, State, StartMode, StartName, ServiceType, Description From Win32_Service";
    wmi_.Set_Objects(services, {Instance({Wmi_Text("Name", "Spooler"), Wmi_Text("DisplayName", "Print Spooler"),
                                          Wmi_Text("State", "Running")}),
                                Instance({Wmi_Text("Name", "W32Time"), Wmi_Text("DisplayName", "Windows Time")})});
    wmi_.Set_Objects("Select * From Win32_Process",
                     {Instance({Wmi_Text("Name", "init.exe"), Wmi_Uint32("ProcessId", 4)})});
    c_.Node_Clicked_Event_Handler(pc_, "PC7", 0, "RTT_SCM", "", c_, *Feature("RTT_SCM"), hidden, "", true);
    EXPECT_EQ(hidden.Column(0).key, "DisplayName");
    ASSERT_EQ(hidden.Item_Count(), 2u);
    EXPECT_EQ(hidden.Item(0).text, "Print Spooler");
    EXPECT_EQ(hidden.Item(0).Sub_Item(2), "Running");
    EXPECT_EQ(hidden.Item(1).key, "W32Time");
    c_.Node_Clicked_Event_Handler(pc_, "PC7", 0, "RTT_RemoteTaskManager", "", c_, *Feature("RTT_RemoteTaskManager"),
                                  hidden, "", true);
    ASSERT_EQ(hidden.Item_Count(), 1u);
    EXPECT_EQ(hidden.Item(0).Sub_Item(1), "4");
    EXPECT_EQ(c_.lvwMain.Item(0).key, "keep");
    // Offline nothing is asked of the computer.
    const std::size_t asked = wmi_.queries.size();
    c_.Node_Clicked_Event_Handler(pc_, "PC7", 0, "RTT_SCM", "", c_, *Feature("RTT_SCM"), hidden, "", false);
    EXPECT_EQ(hidden.Item_Count(), 0u);
    EXPECT_EQ(wmi_.queries.size(), asked);

    // The pane's rows come from one immediate refresh, not two.
    host_.loaded_forms.clear();
    Click("RTT_SCM");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_EQ(c_.lvwMain.Item(1).text, "Windows Time");
    EXPECT_EQ(std::count(wmi_.queries.begin(), wmi_.queries.end(), services), 2);
}

// Move Property Up/Down change LIST_ORDER: the live rows follow it, not the
// order WMI gives the properties in (the class's own, here alphabetical),
// and a scan stores them so, for the stored listing to show them so too.
TEST_F(ControllerTest, LiveAndStoredRowsFollowTheChosenPropertyOrder) {
    Start();
    const std::int32_t fid = Get_Feature_ID("Win32_Processor");
    const std::string f = std::to_string(fid);
    db_.Exec("DELETE FROM PROPS_TBL WHERE FEATURE_ID=" + f);
    db_.Exec("INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, FEATURE_ID, LIST_ORDER, ACTIVE) VALUES ('Zeta','Zeta'," +
             f + ",1,1), ('Name','Name'," + f + ",2,1), ('Mu','Mu'," + f + ",3,1), ('Alpha','Alpha'," + f + ",4,1)");
    wmi_.Set_Objects("SELECT Zeta, Name, Mu, Alpha FROM Win32_Processor",
                     {Instance({Wmi_Text("Alpha", "a"), Wmi_Text("Mu", "m"), Wmi_Text("Name", "CPU0"),
                                Wmi_Text("Zeta", "z")})});
    Click("Win32_Processor");
    std::vector<std::string> names;
    for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i) names.push_back(Get_Field(c_.lvwMain.Item(i).key, 0));
    EXPECT_EQ(names, (std::vector<std::string>{"Win32_Processor", "Name", "Zeta", "Mu", "Alpha", "Space0"}));

    // A New Scan's listing, stored, then shown offline.
    ListModel scan;
    c_.Node_Clicked_Event_Handler(pc_, "PC7", fid, "Win32_Processor", "", c_, *Feature("Win32_Processor"), scan, "",
                                  true);
    ASSERT_TRUE(Save_Scan({2024, 3, 7}, pc_, fid, scan));
    ASSERT_TRUE(c_.Run_Command("mnuWorkOffline"));
    c_.Fill_Scan_Dates(pc_);
    Click("Win32_Processor");
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i)
        rows.push_back(c_.lvwMain.Item(i).text + "=" + c_.lvwMain.Item(i).Sub_Item(1));
    EXPECT_EQ(rows, (std::vector<std::string>{"Processor=1", "    Name=CPU0", "    Zeta=z", "    Mu=m", "    Alpha=a",
                                              "    ="}));
}

TEST_F(ControllerTest, CancelDuringAListingOfManyInstancesKeepsTheRowsSoFar) {
    Start();
    FakeWmiPort::QueryAnswer answer;
    for (int i = 0; i < 200; ++i) answer.objects.push_back(Instance({Wmi_Text("Name", "P" + std::to_string(i))}));
    wmi_.Set_Answer("SELECT * FROM Win32_Processor", answer);
    host_.input = true;
    host_.on_events = [&] {
        if (host_.events == 5) c_.cmdCancel_Click();
    };
    Click("Win32_Processor");
    // Events after instances 1..4 ran; the cancel at the fifth stops after instance 6.
    const ListModel& l = c_.lvwMain;
    ASSERT_GE(l.Item_Count(), 3u);
    EXPECT_LT(l.Item_Count(), 3u * 200);
    EXPECT_EQ(l.Item_Count() % 3, 0u);
    EXPECT_EQ(l.Item(l.Item_Count() - 1).key.substr(0, 6), "Space0");
    for (std::size_t i = 0; i < l.Item_Count(); ++i) EXPECT_NE(l.Item(i).key.substr(0, 6), "NoInfo");
    EXPECT_FALSE(c_.progress.visible);
}

TEST_F(ControllerTest, AClickDuringAListingCancelsItAndRunsAfterwards) {
    Start();
    FakeWmiPort::QueryAnswer many;
    for (int i = 0; i < 50; ++i) many.objects.push_back(Instance({Wmi_Text("Name", "P" + std::to_string(i))}));
    wmi_.Set_Answer("SELECT * FROM Win32_Processor", many);
    FakeWmiPort::QueryAnswer os;
    os.objects.push_back(Instance({Wmi_Text("Name", "Windows")}));
    wmi_.Set_Answer("SELECT * FROM Win32_OperatingSystem", os);
    host_.input = true;
    bool clicked = false;
    host_.on_events = [&] {
        if (!clicked && host_.events == 3) {
            clicked = true;
            c_.tvwFeatures_NodeClick(Feature("Win32_OperatingSystem"));
        }
    };
    Click("Win32_Processor");
    EXPECT_TRUE(clicked);
    // The second listing ran after the first unwound, and the pane shows it
    // under its own descriptor.
    EXPECT_EQ(Get_Field(c_.lvwMain.tag, 4), "Operating System");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 3u);
    EXPECT_EQ(c_.lvwMain.Item(1).Sub_Item(1), "Windows");
}

TEST_F(ControllerTest, ACloseOrRefreshDuringAListingWaitsForItToStop) {
    Start();
    FakeWmiPort::QueryAnswer many;
    for (int i = 0; i < 50; ++i) many.objects.push_back(Instance({Wmi_Text("Name", "P" + std::to_string(i))}));
    wmi_.Set_Answer("SELECT * FROM Win32_Processor", many);
    host_.input = true;
    bool ran_inside = false, ran = false;
    std::size_t rows_when_stopped = 0;
    host_.on_events = [&] {
        if (host_.events == 2)
            c_.Run_Or_Defer([&] {
                ran = true;
                ran_inside = c_.Listing_Running();
                rows_when_stopped = c_.lvwMain.Item_Count();
            });
        if (host_.events == 3) c_.mnuViewRefresh_Click();
    };
    Click("Win32_Processor");
    EXPECT_TRUE(ran);
    EXPECT_FALSE(ran_inside);
    // The listing stopped early; the refresh ran afterwards, listed the
    // feature again in full, and the pane matches its descriptor.
    EXPECT_LT(rows_when_stopped, 150u);
    EXPECT_EQ(c_.lvwMain.Item_Count(), 150u);
    EXPECT_EQ(Get_Field(c_.lvwMain.tag, 4), Feature("Win32_Processor")->text);
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC7");
}

TEST_F(ControllerTest, ClassErrorsBecomeRowsWithoutABox) {
    Start();
    FakeWmiPort::QueryAnswer refused;
    refused.exec_error = WmiStatus::Error(Wbem_E_Invalid_Class, "invalid class");
    wmi_.Set_Answer("SELECT * FROM Win32_Processor", refused);
    Click("Win32_Processor");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 1u);
    EXPECT_EQ(c_.lvwMain.Item(0).Sub_Item(1), "Feature disabled or not supported by OS");
    EXPECT_EQ(c_.lvwMain.Item(0).small_icon, "NoInfo");
    FakeWmiPort::QueryAnswer broken;
    broken.objects.push_back(Instance({Wmi_Text("Name", "A")}));
    broken.fail_after = 1;
    broken.next_error = WmiStatus::Error(Rpc_S_Server_Unavailable, "The RPC server is unavailable.");
    wmi_.Set_Answer("SELECT * FROM Win32_OperatingSystem", broken);
    Click("Win32_OperatingSystem");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 4u);
    EXPECT_EQ(c_.lvwMain.Item(3).key, "Error" + SEP + "1");
    EXPECT_EQ(c_.lvwMain.Item(3).Sub_Item(1), "The RPC server is unavailable.");
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_TRUE(reporter_.boxes.empty());
    EXPECT_TRUE(Pending_Error().empty());
}

// Stores a scan of one feature: its header and one caption row.
bool Save_Caption_Scan(const StoreDate& date, std::int32_t device, std::int32_t feature, const std::string& caption) {
    ListModel scan;
    ListItem* h = scan.Add_Item("Win32_OperatingSystem" + SEP + "1", "Operating System");
    h->small_icon = "Windows";
    h->bold = true;
    ListItem* p = scan.Add_Item("Caption" + SEP + "1", "    Caption");
    p->Set_Sub_Item(1, caption);
    p->small_icon = "Info";
    return Save_Scan(date, device, feature, scan);
}

// Clicking another computer in the device tree never leaves the first one's
// rows under the new one's name: offline the pane shows the new computer's
// stored scan of the feature, online it is cleared until a feature is
// clicked, and nothing is asked of the new computer meanwhile.
TEST_F(ControllerTest, ANewRootComputerNeverShowsThePreviousComputersRows) {
    const std::int32_t ghost = Add_Device("GHOST-PC", "", "", 0, 0, 0, 0, "x", 1, 2, "", "tester");
    const std::int32_t bare = Add_Device("BARE", "", "", 0, 0, 0, 0, "x", 1, 2, "", "tester");
    const std::int32_t fid = Get_Feature_ID("Win32_OperatingSystem");
    ASSERT_TRUE(Save_Caption_Scan({2024, 3, 7}, pc_, fid, "Windows 7"));
    ASSERT_TRUE(Save_Caption_Scan({2024, 3, 8}, ghost, fid, "Windows 11"));
    Set_Online(false);
    Start();
    c_.tvwDevices_NodeClick(c_.tvwDevices.Find("DEV" + std::to_string(pc_)));
    Click("Win32_OperatingSystem");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_EQ(c_.lvwMain.Item(1).Sub_Item(1), "Windows 7");

    host_.boxes.clear();
    c_.tvwDevices_NodeClick(c_.tvwDevices.Find("DEV" + std::to_string(ghost)));
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "GHOST-PC");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_EQ(c_.lvwMain.Item(1).Sub_Item(1), "Windows 11");
    EXPECT_EQ(Number_Value(Get_Field(c_.lvwMain.tag, 0)), ghost);
    EXPECT_EQ(Get_Field(c_.lvwMain.tag, 2), "GHOST-PC");
    EXPECT_EQ(c_.Panel("Information")->text, "GHOST-PC");
    EXPECT_TRUE(host_.boxes.empty());

    // A computer without scans: nothing of GHOST-PC stays, and no scan offer.
    c_.tvwDevices_NodeClick(c_.tvwDevices.Find("DEV" + std::to_string(bare)));
    for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i)
        EXPECT_NE(c_.lvwMain.Item(i).Sub_Item(1), "Windows 11");
    EXPECT_TRUE(host_.boxes.empty());

    // Online: cleared, and the new computer is not asked until a click.
    ASSERT_TRUE(c_.Run_Command("mnuWorkOnline"));
    c_.tvwDevices_NodeClick(c_.tvwDevices.Find("DEV" + std::to_string(pc_)));
    Click("Win32_OperatingSystem");
    const std::size_t asked = wmi_.queries.size();
    c_.tvwDevices_NodeClick(c_.tvwDevices.Find("DEV" + std::to_string(ghost)));
    EXPECT_EQ(c_.lvwMain.Item_Count(), 0u);
    EXPECT_FALSE(c_.tmrMain.enabled);
    EXPECT_EQ(wmi_.queries.size(), asked);
}

TEST_F(ControllerTest, OfflineShowsStoredRowsForTheDateAndOffersAScanWithoutDates) {
    Set_Online(false);
    Start();
    EXPECT_TRUE(c_.Checked("mnuWorkOffline"));
    EXPECT_EQ(c_.Panel("OnlineOffline")->text, "Mode: Offline");
    EXPECT_EQ(c_.Command("tlbScan.OnlineOffline").value, 1);
    // No scans: nothing listed, the scan offer.
    Click("Win32_OperatingSystem");
    EXPECT_EQ(c_.lvwMain.Item_Count(), 0u);
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "The system is not scanned before. Do you want to scan now?");
    EXPECT_TRUE(wmi_.queries.empty());

    const std::int32_t fid = Get_Feature_ID("Win32_OperatingSystem");
    ListModel scan;
    ListItem* h = scan.Add_Item("Win32_OperatingSystem" + SEP + "1", "Operating System");
    h->small_icon = "Windows";
    h->bold = true;
    ListItem* p = scan.Add_Item("Caption" + SEP + "1", "    Caption");
    p->Set_Sub_Item(1, "Windows 7");
    p->small_icon = "Info";
    ASSERT_TRUE(Save_Scan({2024, 3, 7}, pc_, fid, scan));
    ASSERT_TRUE(Save_Scan({2023, 11, 5}, pc_, Get_Feature_ID("Win32_Processor"), scan));
    c_.Fill_Scan_Dates(pc_);
    ASSERT_EQ(c_.cboScanDate.items.size(), 2u);
    EXPECT_EQ(c_.cboScanDate.items[0], "07-MAR-2024");
    EXPECT_EQ(c_.cboScanDate.items[1], "05-NOV-2023");
    EXPECT_EQ(c_.cboScanDate.Text(), "07-MAR-2024");

    host_.boxes.clear();
    Click("Win32_OperatingSystem");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_EQ(c_.lvwMain.Item(0).text, "Windows");  // a bold row shows its icon key
    EXPECT_EQ(c_.lvwMain.Item(1).text, "    Caption");
    EXPECT_EQ(c_.lvwMain.Item(1).Sub_Item(1), "Windows 7");
    EXPECT_EQ(c_.lvwMain.Item(1).small_icon, "Info");
    EXPECT_TRUE(host_.boxes.empty());

    c_.cboScanDate.list_index = 1;
    Click("Win32_OperatingSystem");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 1u);
    EXPECT_EQ(c_.lvwMain.Item(0).text, "Name");
    EXPECT_EQ(c_.lvwMain.Item(0).Sub_Item(1), "No value as on selected scan date");
    EXPECT_TRUE(wmi_.queries.empty());
}

}  // namespace
}  // namespace crv::test
