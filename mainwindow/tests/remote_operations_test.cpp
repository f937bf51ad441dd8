// The remote operations of the main window against the fake WMI port and
// the recording datagram sender: nothing here reaches a computer or sends a
// packet.
#include "mainwindow/tests/controller_fixture.h"

#include "mainwindow/remote_operations.h"
#include "wmi/operations.h"
#include "wmi/wake_on_lan.h"

namespace crv {
namespace {

const std::string Os_Query = "Select Name From Win32_OperatingSystem where Primary=true";
const std::string Service_List_Query =
    "Select DisplayName, Name, State, StartMode, StartName, ServiceType, Description From Win32_Service";
const std::string Process_List_Query = "Select * From Win32_Process";

class RemoteOperationsTest : public test::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        c_.Set_Wake_On_Lan_Sender(&sender_);
        wmi_.Set_Objects(Os_Query, {WmiInstance{"Win32_OperatingSystem=@", "Win32_OperatingSystem", {}}});
        wmi_.method_handler = [this](const std::string& path, const std::string& method,
                                     const std::vector<WmiMethodArg>& in, WmiObject& out, WmiStatus& status) {
            if (method == "GetOwner") {
                out = {Wmi_Uint32("ReturnValue", 0), Wmi_Text("User", "alice"), Wmi_Text("Domain", "CORP")};
                return true;
            }
            acted_.push_back(method + " " + path);
            if (method_error_.Failed()) {
                status = method_error_;
                return false;
            }
            if (on_method_) on_method_(path, method, in);
            out = {Wmi_Uint32("ReturnValue", code_)};
            return true;
        };
        Start();
    }

    // The live service list with these services (Name, DisplayName, State).
    void Show_Services(const std::vector<std::array<std::string, 3>>& services) {
        services_ = services;
        Answer_Services();
        Click("RTT_SCM");
        ASSERT_EQ(c_.lvwMain.Item_Count(), services.size());
    }
    void Answer_Services() {
        std::vector<WmiInstance> list;
        for (const auto& [name, display, state] : services_) {
            list.push_back(WmiInstance{"Win32_Service.Name=\"" + name + "\"", "Win32_Service",
                                       {Wmi_Text("DisplayName", display), Wmi_Text("Name", name),
                                        Wmi_Text("State", state), Wmi_Text("StartMode", "Auto")}});
            wmi_.Set_Objects(Service_Query(name), {list.back()});
        }
        wmi_.Set_Objects(Service_List_Query, list);
    }
    void Select_Row(const std::string& key) {
        ListItem* row = c_.lvwMain.Find_Item(key);
        ASSERT_NE(row, nullptr) << key;
        row->selected = true;
    }
    WmiInstance Process(std::int64_t id, const std::string& name) {
        return WmiInstance{"Win32_Process.Handle=\"" + std::to_string(id) + "\"", "Win32_Process",
                           {Wmi_Uint32("ProcessId", id), Wmi_Text("Name", name),
                            Wmi_Text("CreationDate", "20240307101112.000000+060")}};
    }
    void Show_Processes() {
        wmi_.Set_Objects(Process_List_Query, {Process(4, "System"), Process(4242, "notepad.exe")});
        wmi_.Set_Objects("Select * From Win32_Process Where ProcessId=4242", {Process(4242, "notepad.exe")});
        Click("RTT_RemoteTaskManager");
        ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
    }
    std::size_t Count_Queries(const std::string& wql) const {
        return static_cast<std::size_t>(std::count(wmi_.queries.begin(), wmi_.queries.end(), wql));
    }
    const test::TestHost::Box& Last_Box() const { return host_.boxes.back(); }
    void Answer_Yes() { host_.answers.push_back(crv::Answer_Yes); }

    FakeDatagramSender sender_;
    std::vector<std::string> acted_;  // every method but GetOwner, with its object
    std::int32_t code_ = 0;
    WmiStatus method_error_;
    std::function<void(const std::string&, const std::string&, const std::vector<WmiMethodArg>&)> on_method_;
    std::vector<std::array<std::string, 3>> services_;
};

// ---------------------------------------------------------------- availability

TEST_F(RemoteOperationsTest, ButtonsAndItemsFollowTheDisplayModeAndAct) {
    struct Group {
        int mode;
        const char* toolbar;
        std::vector<std::string> items;
    };
    const std::vector<Group> groups = {
        {0, "tlbPower", {"mnuOperationsPowShutdown", "mnuOperationsPowRestart", "mnuOperationsPowBoot"}},
        {3, "tlbProcess", {"mnuOperationsProcessKill"}},
        {4, "tlbServices",
         {"mnuOperationsServiceControl(0)", "mnuOperationsServiceControl(1)", "mnuOperationsServiceControl(3)",
          "mnuOperationsServiceControl(4)", "mnuOperationsServiceControl(6)", "mnuOperationsServiceStartMode(0)",
          "mnuOperationsServiceStartMode(1)", "mnuOperationsServiceStartMode(2)"}}};
    for (int mode = 0; mode <= 6; ++mode) {
        c_.Set_Operations_Mode(mode);
        for (const Group& g : groups) {
            const bool on = g.mode == mode;
            for (const std::string& item : g.items) EXPECT_EQ(c_.Command(item).enabled, on) << item << " mode " << mode;
            for (const ToolButton& b : Find_Toolbar(g.toolbar)->buttons) {
                EXPECT_EQ(c_.Command(Button_Name(g.toolbar, b.key)).enabled, on) << b.key << " mode " << mode;
                // An enabled button acts (a question or a refusal), a
                // disabled one does nothing.
                const std::size_t before = host_.boxes.size();
                c_.Toolbar_Button_Click(g.toolbar, b.key);
                EXPECT_EQ(host_.boxes.size(), before + (on ? 1 : 0)) << b.key << " mode " << mode;
            }
        }
    }
    // Nothing was answered Yes: nothing reached a computer.
    EXPECT_TRUE(acted_.empty());
    EXPECT_TRUE(sender_.sent.empty());
}

// ---------------------------------------------------------------- power

TEST_F(RemoteOperationsTest, ShutdownAndRebootPassTheirFlagsToTheRoot) {
    Click("Win32_Processor");  // the list shows another listing: the root still counts
    Answer_Yes();
    std::vector<std::int64_t> flags;
    on_method_ = [&](const std::string&, const std::string&, const std::vector<WmiMethodArg>& in) {
        ASSERT_EQ(in.size(), 1u);
        EXPECT_EQ(in[0].name, "Flags");
        flags.push_back(Scalar_To_Int64(in[0].value));
    };
    c_.mnuOperationsPowShutdown_Click();
    ASSERT_EQ(host_.boxes.size(), 1u);  // success says nothing more
    EXPECT_EQ(host_.boxes[0].text, "Are you sure you want to shutdown the computer 'PC7'?");
    EXPECT_EQ(host_.boxes[0].flags, Mb_Yes_No | Mb_Question);
    Answer_Yes();
    c_.mnuOperationsPowRestart_Click();
    ASSERT_EQ(host_.boxes.size(), 2u);
    EXPECT_EQ(host_.boxes[1].text, "Are you sure you want to reboot the computer 'PC7'?");
    EXPECT_EQ(flags, (std::vector<std::int64_t>{5, 6}));
    EXPECT_EQ(acted_, (std::vector<std::string>{"Win32Shutdown Win32_OperatingSystem=@",
                                                "Win32Shutdown Win32_OperatingSystem=@"}));
    EXPECT_EQ(wmi_.connects.back().server, "PC7");

    // No: nothing happens.
    c_.mnuOperationsPowShutdown_Click();
    EXPECT_EQ(acted_.size(), 2u);
    EXPECT_EQ(host_.boxes.size(), 3u);
}

TEST_F(RemoteOperationsTest, ARefusedShutdownAndAnUnknownComputerAreSaid) {
    code_ = 1191;
    Answer_Yes();
    c_.mnuOperationsPowShutdown_Click();
    ASSERT_EQ(host_.boxes.size(), 2u);
    EXPECT_EQ(Last_Box().text, "The computer 'PC7' could not be shut down. The operation returned 1191.");
    EXPECT_EQ(Last_Box().flags, Mb_Exclamation);
    Answer_Yes();
    c_.mnuOperationsPowRestart_Click();
    EXPECT_EQ(Last_Box().text, "The computer 'PC7' could not be rebooted. The operation returned 1191.");

    // An error raised on the way is shown through the error box.
    wmi_.connect_result = [](const WmiConnectRequest&) { return WmiStatus::Error(Wbem_E_Access_Denied, "Access denied"); };
    Answer_Yes();
    c_.mnuOperationsPowShutdown_Click();
    ASSERT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(reporter_.boxes[0], std::to_string(Wbem_E_Access_Denied) + ": Access denied");
    EXPECT_TRUE(Pending_Error().empty());

    // A root whose DEV_ID the list does not know is never reached.
    wmi_.connect_result = nullptr;
    const std::size_t connects = wmi_.connects.size();
    c_.tvwFeatures.Nodes().front()->tag = "999" + test::SEP + "2";
    Answer_Yes();
    c_.mnuOperationsPowRestart_Click();
    EXPECT_EQ(Last_Box().text, "The computer 'PC7' is not in the computer list.");
    EXPECT_EQ(Last_Box().flags, Mb_Exclamation);
    EXPECT_EQ(wmi_.connects.size(), connects);
}

// Another program holds the file: whether the computer is known, and its
// addresses, cannot be read. The store's box says so once; no second box
// calls the computer unknown or without an address, and nothing is sent.
TEST_F(RemoteOperationsTest, APowerOperationOnALockedFileShowsTheStoresBoxAlone) {
    ASSERT_TRUE(Set_Device_MAC(pc_, "00:1A:2B:3C:4D:5E", false));
    const std::pair<const char*, void (MainController::*)()> commands[] = {
        {"Shutdown", &MainController::mnuOperationsPowShutdown_Click},
        {"Boot", &MainController::mnuOperationsPowBoot_Click}};
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        host_.boxes.clear();
        reporter_.boxes.clear();
        Answer_Yes();
        {
            test::DatabaseLock lock(db_);
            (c_.*command)();
        }
        ASSERT_EQ(reporter_.boxes.size(), 1u);
        EXPECT_NE(reporter_.boxes[0].find("database is locked"), std::string::npos);
        EXPECT_EQ(host_.boxes.size(), 1u);  // the question alone
        EXPECT_TRUE(Pending_Error().empty());
    }
    EXPECT_TRUE(acted_.empty());
    EXPECT_TRUE(sender_.sent.empty());
}

// The same for the operations on a listed service or process: a computer
// row that cannot be read is neither a success ("Success") nor a process
// that ended before, and the list is not refreshed into a second box.
TEST_F(RemoteOperationsTest, AServiceOrProcessOperationOnALockedFileShowsTheStoresBoxAlone) {
    Show_Services({{"Spooler", "Print Spooler", "Running"}});
    Select_Row("Spooler");
    const std::function<void()> service_commands[] = {
        [&] { c_.mnuOperationsServiceControl_Click(Service_Stop); },
        [&] { c_.mnuOperationsServiceStartMode_Click(0); }};
    for (const auto& command : service_commands) {
        host_.boxes.clear();
        reporter_.boxes.clear();
        Answer_Yes();
        {
            test::DatabaseLock lock(db_);
            command();
        }
        EXPECT_EQ(reporter_.boxes.size(), 1u);
        EXPECT_EQ(host_.boxes.size(), 1u);  // the question alone
        EXPECT_EQ(c_.lvwMain.Item_Count(), 1u);
    }
    Show_Processes();
    Select_Row(c_.lvwMain.Item(1).key);
    host_.boxes.clear();
    reporter_.boxes.clear();
    Answer_Yes();
    {
        test::DatabaseLock lock(db_);
        c_.mnuOperationsProcessKill_Click();
    }
    EXPECT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes.size(), 1u);
    EXPECT_TRUE(acted_.empty());
    EXPECT_TRUE(Pending_Error().empty());
}

// The live service list while another program holds the file: its refresh
// cannot read the computer's row. One box, then the refresh stops, as any
// failed refresh does; the list keeps what it showed, and a click on the
// feature starts the refresh again.
TEST_F(RemoteOperationsTest, ALiveListOnALockedFileShowsOneBoxStopsItsRefreshAndKeepsItsRows) {
    Show_Services({{"Spooler", "Print Spooler", "Running"}, {"W32Time", "Windows Time", "Stopped"}});
    ASSERT_TRUE(c_.tmrMain.enabled);
    {
        test::DatabaseLock lock(db_);
        for (int tick = 0; tick < 3; ++tick)
            if (c_.tmrMain.enabled) c_.tmrMain_Timer();
        EXPECT_EQ(reporter_.boxes.size(), 1u);
        EXPECT_FALSE(c_.tmrMain.enabled);
        EXPECT_EQ(c_.lvwMain.Item_Count(), 2u);
        EXPECT_EQ(c_.lvwMain.Item(1).text, "Windows Time");
    }
    Click("RTT_SCM");
    EXPECT_TRUE(c_.tmrMain.enabled);
    EXPECT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_EQ(reporter_.boxes.size(), 1u);
}

// ---------------------------------------------------------------- wake-on-LAN

TEST_F(RemoteOperationsTest, BootSendsOnePacketPerStoredAddressInOrder) {
    ASSERT_TRUE(Set_Device_MAC(pc_, "00:1A:2B:3C:4D:5E, aa-bb-cc-dd-ee-ff,", false));
    Answer_Yes();
    c_.mnuOperationsPowBoot_Click();
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "Are you sure you want to boot the computer 'PC7'?");
    ASSERT_EQ(sender_.sent.size(), 2u);  // the trailing "," adds no third
    for (const auto& d : sender_.sent) {
        EXPECT_EQ(d.host, "255.255.255.255");
        EXPECT_EQ(d.port, Wake_On_Lan_Port);
        EXPECT_TRUE(d.broadcast);
        EXPECT_EQ(d.bytes.size(), Magic_Packet_Size);
    }
    EXPECT_EQ(std::vector<std::uint8_t>(sender_.sent[0].bytes.begin() + 6, sender_.sent[0].bytes.begin() + 12),
              (std::vector<std::uint8_t>{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
    EXPECT_EQ(std::vector<std::uint8_t>(sender_.sent[1].bytes.end() - 6, sender_.sent[1].bytes.end()),
              (std::vector<std::uint8_t>{0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}));

    // No: nothing is sent.
    c_.mnuOperationsPowBoot_Click();
    EXPECT_EQ(sender_.sent.size(), 2u);
}

TEST_F(RemoteOperationsTest, BootWithoutAddressOrWithABadOneStops) {
    Answer_Yes();
    c_.mnuOperationsPowBoot_Click();
    EXPECT_EQ(Last_Box().text, "Could not find any MAC Address for the computer 'PC7'!");
    EXPECT_EQ(Last_Box().flags, Mb_Exclamation);
    ASSERT_TRUE(Set_Device_MAC(pc_, ",", false));
    Answer_Yes();
    c_.mnuOperationsPowBoot_Click();
    EXPECT_EQ(Last_Box().text, "Could not find any MAC Address for the computer 'PC7'!");
    // A root the list does not know has no address either.
    const std::string root_tag = c_.tvwFeatures.Nodes().front()->tag;
    c_.tvwFeatures.Nodes().front()->tag = "999" + test::SEP + "2";
    host_.boxes.clear();
    Answer_Yes();
    c_.mnuOperationsPowBoot_Click();
    ASSERT_EQ(host_.boxes.size(), 2u);
    EXPECT_EQ(Last_Box().text, "Could not find any MAC Address for the computer 'PC7'!");
    c_.tvwFeatures.Nodes().front()->tag = root_tag;

    // The first refused address ends the command: the one after it is not sent.
    ASSERT_TRUE(Set_Device_MAC(pc_, "00:1A:2B:3C:4D,001A2B3C4D5E", false));
    Answer_Yes();
    c_.mnuOperationsPowBoot_Click();
    ASSERT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(reporter_.boxes[0], "-2147219503: Invalid Nic Address");
    EXPECT_TRUE(sender_.sent.empty());

    // A failed send is reported with the sender's number.
    ASSERT_TRUE(Set_Device_MAC(pc_, "001A2B3C4D5E", false));
    sender_.fail_with = {10065, "No route to host", "sckWOL"};
    Answer_Yes();
    c_.mnuOperationsPowBoot_Click();
    ASSERT_EQ(reporter_.boxes.size(), 2u);
    EXPECT_EQ(reporter_.boxes[1], "10065: No route to host");

    // Without a sender the command says so instead of doing nothing.
    c_.Set_Wake_On_Lan_Sender(nullptr);
    Answer_Yes();
    c_.mnuOperationsPowBoot_Click();
    ASSERT_EQ(reporter_.boxes.size(), 3u);
    EXPECT_EQ(reporter_.boxes[2],
              "-2147219499: An attempt was made to set the WinsockControl property to an uninitialized control");
}

TEST_F(RemoteOperationsTest, BootWakesTheRootsOwnComputerNotANamesake) {
    // A second computer of the same name, in another group, with its own card.
    const std::int32_t group = Add_Device("Lab", "", "", 0, 0, 0, 0, "", 1, 1, "", "tester");
    ASSERT_GT(group, 0);
    const std::int32_t twin = Add_Device("PC7", "", "", 0, 0, 0, 0, "x", group, 2, "", "tester");
    ASSERT_GT(twin, 0);
    ASSERT_TRUE(Set_Device_MAC(pc_, "111111111111", false));
    ASSERT_TRUE(Set_Device_MAC(twin, "222222222222", false));
    c_.tvwFeatures.Nodes().front()->tag = std::to_string(twin) + test::SEP + "2";
    Answer_Yes();
    c_.mnuOperationsPowBoot_Click();
    ASSERT_EQ(sender_.sent.size(), 1u);
    EXPECT_EQ(sender_.sent[0].bytes[6], 0x22);
}

// ---------------------------------------------------------------- processes

TEST_F(RemoteOperationsTest, KillEndsTheSelectedProcessAndRefreshes) {
    Show_Processes();
    c_.mnuOperationsProcessKill_Click();
    EXPECT_EQ(Last_Box().text, "Please select an item from the list.");
    EXPECT_EQ(Last_Box().flags, Mb_Information);

    Select_Row("p4242" "20240307101112.000000+060");
    const std::size_t lists = Count_Queries(Process_List_Query);
    Answer_Yes();
    c_.mnuOperationsProcessKill_Click();
    EXPECT_EQ(host_.boxes[host_.boxes.size() - 2].text, "Are you sure you want to kill the process 'notepad.exe'?");
    EXPECT_EQ(acted_, (std::vector<std::string>{"Terminate Win32_Process.Handle=\"4242\""}));
    EXPECT_EQ(Last_Box().text, "Success");
    EXPECT_EQ(Last_Box().flags, Mb_Information);
    EXPECT_EQ(Count_Queries(Process_List_Query), lists + 1);  // refreshed at once

    // A refused kill: its text with the warning icon, and still a refresh.
    code_ = 2;
    Answer_Yes();
    c_.mnuOperationsProcessKill_Click();
    EXPECT_EQ(Last_Box().text, "Access Denied");
    EXPECT_EQ(Last_Box().flags, Mb_Exclamation);
    EXPECT_EQ(Count_Queries(Process_List_Query), lists + 2);
    for (std::int32_t code : {3, 8, 9, 21, 1}) {
        code_ = code;
        Answer_Yes();
        c_.mnuOperationsProcessKill_Click();
        EXPECT_EQ(Last_Box().text, Get_Process_Return_Text(code));
        EXPECT_EQ(Last_Box().flags, Mb_Exclamation);
    }
}

TEST_F(RemoteOperationsTest, KillLeavesAReusedIdAlone) {
    Show_Processes();
    Select_Row("p4242" "20240307101112.000000+060");
    // Between the listing and the answer, 4242 ended and was given to another program.
    wmi_.Set_Objects("Select * From Win32_Process Where ProcessId=4242", {Process(4242, "calc.exe")});
    const std::size_t lists = Count_Queries(Process_List_Query);
    Answer_Yes();
    c_.mnuOperationsProcessKill_Click();
    EXPECT_TRUE(acted_.empty());
    EXPECT_EQ(Last_Box().text, "The process 'notepad.exe' with the id 4242 is no longer running, so nothing was ended.");
    EXPECT_EQ(Last_Box().flags, Mb_Exclamation);
    EXPECT_EQ(Count_Queries(Process_List_Query), lists + 1);

    // Gone altogether: the same.
    wmi_.Set_Objects("Select * From Win32_Process Where ProcessId=4242", {});
    Answer_Yes();
    c_.mnuOperationsProcessKill_Click();
    EXPECT_TRUE(acted_.empty());
    EXPECT_EQ(Last_Box().flags, Mb_Exclamation);

    // The same program in other letter case is the same process.
    wmi_.Set_Objects("Select * From Win32_Process Where ProcessId=4242", {Process(4242, "NOTEPAD.EXE")});
    Answer_Yes();
    c_.mnuOperationsProcessKill_Click();
    EXPECT_EQ(acted_.size(), 1u);
}

TEST_F(RemoteOperationsTest, KillTakesTheIdAsANumberAndItsTargetBeforeAsking) {
    Show_Processes();
    ListItem* row = c_.lvwMain.Find_Item("p4242" "20240307101112.000000+060");
    ASSERT_NE(row, nullptr);
    row->selected = true;
    // A crafted cell cannot add to the query: only its number counts.
    row->Set_Sub_Item(1, "4242 OR Name<>'x'");
    // A refresh during the question changes the list; the answer still
    // acts on what was asked about.
    host_.on_box = [this] {
        host_.on_box = nullptr;
        c_.lvwMain.Clear_Items();
    };
    Answer_Yes();
    c_.mnuOperationsProcessKill_Click();
    EXPECT_EQ(Count_Queries("Select * From Win32_Process Where ProcessId=4242"), 2u);
    EXPECT_EQ(acted_, (std::vector<std::string>{"Terminate Win32_Process.Handle=\"4242\""}));

    // An error while connecting is shown and the program goes on.
    Show_Processes();
    Select_Row("p4242" "20240307101112.000000+060");
    wmi_.connect_result = [](const WmiConnectRequest&) { return WmiStatus::Error(Rpc_S_Server_Unavailable, "RPC"); };
    Answer_Yes();
    c_.mnuOperationsProcessKill_Click();
    ASSERT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(reporter_.boxes.back(), std::to_string(Rpc_S_Server_Unavailable) + ": RPC");
    EXPECT_EQ(acted_.size(), 1u);
}

// ---------------------------------------------------------------- services

TEST_F(RemoteOperationsTest, ServiceControlAsksWithTheVerbAndShowsTheNewState) {
    Show_Services({{"Spooler", "Print Spooler", "Running"}, {"W32Time", "Windows Time", "Stopped"}});
    c_.mnuOperationsServiceControl_Click(1);
    EXPECT_EQ(Last_Box().text, "Please select a service!");
    EXPECT_EQ(Last_Box().flags, Mb_Exclamation);

    Select_Row("Spooler");
    on_method_ = [this](const std::string&, const std::string& method, const std::vector<WmiMethodArg>&) {
        services_[0][2] = method == "StopService" ? "Stopped" : "Running";
        Answer_Services();
    };
    Answer_Yes();
    c_.mnuOperationsServiceControl_Click(1);
    EXPECT_EQ(host_.boxes[host_.boxes.size() - 2].text, "Are you sure you want to stop the service 'Print Spooler'?");
    EXPECT_EQ(acted_.back(), "StopService Win32_Service.Name=\"Spooler\"");
    EXPECT_EQ(Last_Box().text, "Success");
    EXPECT_EQ(Last_Box().flags, Mb_Information);
    EXPECT_EQ(c_.lvwMain.Find_Item("Spooler")->Sub_Item(2), "Stopped");  // refreshed at once

    const std::pair<int, const char*> verbs[] = {{0, "start"}, {3, "pause"}, {4, "resume"}};
    for (auto [index, verb] : verbs) {
        c_.mnuOperationsServiceControl_Click(index);  // answered No
        EXPECT_EQ(Last_Box().text, std::string("Are you sure you want to ") + verb + " the service 'Print Spooler'?");
    }
    // The separators' indexes ask nothing.
    const std::size_t boxes = host_.boxes.size();
    for (int index : {2, 5, 6, 7}) c_.mnuOperationsServiceControl_Click(index);
    EXPECT_EQ(host_.boxes.size(), boxes);
    EXPECT_EQ(acted_.size(), 1u);
}

TEST_F(RemoteOperationsTest, ServiceNamesWithQuotesAndPercentS) {
    Show_Services({{"it's", "Quote's %s service", "Running"}});
    Select_Row("it's");
    c_.mnuOperationsServiceControl_Click(1);
    // The verb went in before the name: the name's own "%s" stays.
    EXPECT_EQ(Last_Box().text, "Are you sure you want to stop the service 'Quote's %s service'?");
    Answer_Yes();
    c_.mnuOperationsServiceControl_Click(0);
    EXPECT_EQ(wmi_.queries.back().substr(0, 20), "Select DisplayName, ");  // the refresh
    EXPECT_NE(std::find(wmi_.queries.begin(), wmi_.queries.end(), Service_Query("it's")), wmi_.queries.end());
    EXPECT_EQ(acted_, (std::vector<std::string>{"StartService Win32_Service.Name=\"it's\""}));
}

TEST_F(RemoteOperationsTest, EveryServiceReturnTextAndARefusal) {
    Show_Services({{"Spooler", "Print Spooler", "Running"}});
    Select_Row("Spooler");
    for (std::int32_t code = 0; code <= 25; ++code) {
        code_ = code;
        Answer_Yes();
        c_.mnuOperationsServiceControl_Click(code % 2 == 0 ? 0 : 4);
        EXPECT_EQ(Last_Box().text, Get_Service_Return_Text(code)) << code;
        EXPECT_EQ(Last_Box().flags, code == 0 ? Mb_Information : Mb_Exclamation) << code;
    }
    EXPECT_EQ(Last_Box().text, "Unknown Error");  // 25
    EXPECT_EQ(acted_.size(), 26u);

    // An error from the method is shown as an error, with no result box.
    method_error_ = WmiStatus::Error(Wbem_E_Not_Found, "Not found");
    const std::size_t boxes = host_.boxes.size();
    Answer_Yes();
    c_.mnuOperationsServiceControl_Click(1);
    EXPECT_EQ(host_.boxes.size(), boxes + 1);  // the question only
    ASSERT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(reporter_.boxes[0], std::to_string(Wbem_E_Not_Found) + ": Not found");
}

TEST_F(RemoteOperationsTest, StartModePassesTheItemsCaption) {
    Show_Services({{"Spooler", "Print Spooler", "Running"}});
    c_.mnuOperationsServiceStartMode_Click(0);
    EXPECT_EQ(Last_Box().text, "Please select an item from the list.");
    EXPECT_EQ(Last_Box().flags, Mb_Information);

    Select_Row("Spooler");
    std::vector<std::string> modes;
    on_method_ = [&](const std::string&, const std::string& method, const std::vector<WmiMethodArg>& in) {
        EXPECT_EQ(method, "ChangeStartMode");
        ASSERT_EQ(in.size(), 1u);
        modes.push_back(std::get<std::string>(in[0].value));
    };
    for (int index : {0, 1, 2}) {
        Answer_Yes();
        c_.Run_Command("mnuOperationsServiceStartMode", index);  // as the menu, the button and the pop-up do
    }
    EXPECT_EQ(modes, (std::vector<std::string>{"Automatic", "Manual", "Disabled"}));
    EXPECT_EQ(host_.boxes[host_.boxes.size() - 2].text,
              "Are you sure you want to change the mode of the selected service to 'Disabled'?");
    code_ = 2;
    Answer_Yes();
    c_.Toolbar_Button_Click("tlbServices", "SetManual");
    EXPECT_EQ(Last_Box().text, "Access Denied");
    EXPECT_EQ(Last_Box().flags, Mb_Exclamation);
    // An index with no item does nothing.
    const std::size_t boxes = host_.boxes.size();
    c_.mnuOperationsServiceStartMode_Click(3);
    EXPECT_EQ(host_.boxes.size(), boxes);
}

// ---------------------------------------------------------------- helpers

TEST(RemoteOperationTargets, RowAndRootReading) {
    ListModel list;
    list.Add_Column("Name", "Name", 100);
    list.Add_Column("PID", "PID", 100);
    list.tag = "12" + test::SEP + "tvwFeatures";
    EXPECT_FALSE(Selected_Row_Target(list, "PID").has_value());
    list.Add_Item("a", "first")->Set_Sub_Item(1, "10");
    ListItem* second = list.Add_Item("b", "second");
    second->Set_Sub_Item(1, "20");
    second->selected = true;
    auto target = Selected_Row_Target(list, "PID");
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->device_id, 12);
    EXPECT_EQ(target->name, "second");
    EXPECT_EQ(target->item, "20");
    EXPECT_EQ(Selected_Row_Target(list, "ServiceName")->item, "");  // no such column

    TreeModel tree;
    EXPECT_FALSE(Power_Target(tree).has_value());
    TreeNode* root = tree.Add_Root("[Root...]", "PC9", "Computer");
    root->tag = "31" + test::SEP + "2";
    EXPECT_EQ(Power_Target(tree)->device_id, 31);
    EXPECT_EQ(Power_Target(tree)->name, "PC9");

    EXPECT_EQ(Usable_Mac_Addresses({"", "A", "", "B", ""}), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(Same_Process_Name("Notepad.EXE", "notepad.exe"));
    EXPECT_FALSE(Same_Process_Name("notepad.exe", "notepad.ex"));
    EXPECT_FALSE(Same_Process_Name("calc.exe", "notepad.exe"));
}

}  // namespace
}  // namespace crv
