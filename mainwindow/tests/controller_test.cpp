// The main window's controller against a real store (a copy of the shipped
// database) and the fake WMI port; boxes are answered by the test host.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "core/common.h"
#include "core/error.h"
#include "mainwindow/frm_main_controller.h"
#include "store/devices.h"
#include "store/features.h"
#include "store/scans.h"
#include "store/settings.h"
#include "store/store.h"
#include "wmi/fake_wmi.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

namespace fs = std::filesystem;
const std::string SEP(Row_Key_Separator);

struct TestHost : MainHost {
    struct Box {
        std::string text;
        int flags;
    };
    std::vector<Box> boxes;
    std::deque<int> answers;
    std::function<void()> on_box;
    std::function<void()> on_events;
    bool input = false;
    int events = 0;
    int locks = 0;
    LocalTime now{2024, 3, 7, 10, 11, 12};
    std::string local = "LOCALPC";
    std::map<std::string, std::string> settings;
    std::set<std::string> loaded_forms;

    int Message_Box(const std::string& text, int flags) override {
        boxes.push_back({text, flags});
        if (on_box) on_box();
        if (answers.empty()) return (flags & Mb_Yes_No) ? Answer_No : Answer_Ok;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    void Do_Events() override {
        ++events;
        if (on_events) on_events();
    }
    bool Input_Pending() override { return input; }
    LocalTime Now() override { return now; }
    std::string Local_Computer_Name() override { return local; }
    std::string Environment_Value(const std::string& name) override { return name == "USERNAME" ? "tester" : ""; }
    std::string Get_Setting(const std::string& s, const std::string& k, const std::string& d) override {
        auto it = settings.find(s + "/" + k);
        return it == settings.end() ? d : it->second;
    }
    void Save_Setting(const std::string& s, const std::string& k, const std::string& v) override {
        settings[s + "/" + k] = v;
    }
    bool Is_Form_Loaded(const std::string& name) override { return loaded_forms.count(name) > 0; }
    void View_Changed(ViewPart) override {}
    void Lock_List_Painting(bool locked) override {
        if (locked) ++locks;
    }
    void Focus_Features() override {}
    void Ensure_Feature_Visible(const TreeNode&) override {}
    void Begin_Device_Label_Edit() override {}
    void Popup_Device_Menu() override {}
};

WmiInstance Instance(std::vector<WmiProperty> props) {
    WmiInstance o;
    o.properties = std::move(props);
    return o;
}

class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_port_ = Set_Wmi_Port(&wmi_);
        Clear_Error();
        Cancel_Requested = false;

        // A small feature catalogue.
        auto feature = [](const char* key, const char* name, const char* type, const char* parent,
                          const char* image = "Info") { ASSERT_TRUE(Save_Feature(key, name, "", type, image, parent)); };
        feature("[Root...]", "Computer", "0", "", "Computer");
        feature("Hardware", "Hardware", "1", "[Root...]", "Device");
        feature("Win32_OperatingSystem", "Operating System", "2", "Hardware", "Windows");
        feature("Win32_Processor", "Processors", "2", "Hardware", "Processor");
        feature("RTT_RemoteTaskManager", "Processes", "2", "Hardware", "Process");
        feature("RTT_SCM", "Services", "2", "Hardware", "Service");
        feature("Cust_InstalledProducts", "Installed Products", "2", "Hardware");
        feature("Cust_ProblemDevices", "Problem Devices", "2", "Hardware");
        feature("Lic_SoftwareLicensingProduct", "Licensing", "2", "Hardware");
        feature("SC_AntiVirusProduct", "Anti Virus", "2", "Hardware");
        feature("MSAcpi_ThermalZoneTemperature", "Thermal", "2", "Hardware");
        feature("MSStorageDriver_FailurePredictStatus", "Failure", "2", "Hardware");
        feature("CIM_Fan", "Fans", "2", "Hardware");
        pc_ = Add_Device("PC7", "", "", 0, 0, 0, 0, "x", 1, 2, "", "tester");
        ASSERT_GT(pc_, 0);
        c_.Set_Host(&host_);
    }
    void TearDown() override {
        Set_Wmi_Port(previous_port_);
    }

    // Start-up as the window does it, minus geometry.
    void Start() {
        c_.Initialize_Main_Window(true);
        c_.Select_Default_Computer();
    }
    TreeNode* Feature(const std::string& key) { return c_.tvwFeatures.Find(key); }
    void Click(const std::string& key) {
        TreeNode* n = Feature(key);
        ASSERT_NE(n, nullptr) << key;
        c_.tvwFeatures.Select(n);
        c_.tvwFeatures_NodeClick(n);
    }
    std::string Query_Of(const std::string& cls) {
        for (const auto& q : wmi_.queries)
            if (q.find(cls) != std::string::npos) return q;
        return {};
    }
    void Set_Online(bool online) { ASSERT_TRUE(Set_Work_Online(online)); }

    test::TestDatabase db_{false};
    test::RecordingReporter& reporter_ = db_.reporter;
    FakeWmiPort wmi_;
    WmiPort* previous_port_ = nullptr;
    TestHost host_;
    MainController c_;
    std::int32_t pc_ = 0;
};

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

TEST_F(ControllerTest, DispatchByKeyChoosesLayoutNamespaceAndQuery) {
    Start();
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
    // Live lists come only from the timer: columns, no rows.
    c_.Node_Clicked_Event_Handler(pc_, "PC7", 0, "RTT_SCM", "", c_, *Feature("RTT_SCM"), hidden, "", true);
    EXPECT_EQ(hidden.Item_Count(), 0u);
    EXPECT_EQ(hidden.Column(0).key, "DisplayName");
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
    host_.on_events = [&] {
        if (host_.events == 2)
            c_.Run_Or_Defer([&] {
                ran = true;
                ran_inside = c_.Listing_Running();
            });
        if (host_.events == 3) c_.mnuViewRefresh_Click();
    };
    Click("Win32_Processor");
    EXPECT_TRUE(ran);
    EXPECT_FALSE(ran_inside);
    // The listing stopped early; the refresh ran afterwards and the pane
    // still matches its descriptor.
    EXPECT_LT(c_.lvwMain.Item_Count(), 150u);
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
    EXPECT_FALSE(c_.Menu_Click("mnuHlpAbout", -1));
    int about = 0;
    c_.Set_Command_Handler("mnuHlpAbout", [&](int) { ++about; });
    EXPECT_TRUE(c_.Command("mnuHlpAbout").enabled);
    EXPECT_TRUE(c_.Command("tlbMain.About").enabled);
    c_.Toolbar_Button_Click("tlbMain", "About");
    EXPECT_EQ(about, 1);
    // An operation's handler enables its popup, not the mode-bound item.
    c_.Set_Operations_Mode(2);
    c_.Set_Command_Handler("mnuOperationsProcessKill", [](int) {});
    EXPECT_TRUE(c_.Command("mnuOperationsProcess").enabled);
    EXPECT_FALSE(c_.Command("mnuOperationsProcessKill").enabled);
    EXPECT_FALSE(c_.Command("tlbProcess.KillProcess").enabled);
    // Ctrl+Shift+G asks for a new member of the first device type.
    int added = -1;
    c_.Set_Command_Handler("mnuAddType", [&](int index) { added = index; });
    c_.Form_KeyDown(71, 1);
    EXPECT_EQ(added, -1);
    c_.Form_KeyDown(71, 3);
    EXPECT_EQ(added, 1);
    c_.Form_KeyDown(67, 7);
    EXPECT_EQ(added, 2);
}

}  // namespace
}  // namespace crv
