#include "wmi/live_lists.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "store/store.h"
#include "ui/model/list_layouts.h"
#include "wmi/fake_wmi.h"
#include "wmi/tests/wmi_test_support.h"

namespace crv {
namespace {

const std::string Process_Query = "Select * From Win32_Process";
const std::string Service_Query_Text =
    "Select DisplayName, Name, State, StartMode, StartName, ServiceType, Description From Win32_Service";

struct CountingListener : ListModelListener {
    int changes = 0;
    void List_Changed() override { ++changes; }
};

WmiInstance Process(std::int64_t pid, const std::string& name, const std::string& created,
                    std::int64_t page_file = 2048, const std::string& version = "6.1.7601") {
    return WmiInstance{"Win32_Process.Handle=\"" + std::to_string(pid) + "\"",
                       "Win32_Process",
                       {Wmi_Text("Name", name), Wmi_Value("CreationDate", CIM_Datetime, created),
                        Wmi_Text("ExecutablePath", "C:\\" + name), Wmi_Uint32("HandleCount", 40),
                        Wmi_Uint32("PageFaults", 0xFFFFFFFFLL), Wmi_Uint32("PageFileUsage", page_file),
                        Wmi_Uint32("ProcessID", pid), Wmi_Uint32("SessionId", 1), Wmi_Uint32("ThreadCount", 3),
                        Wmi_Text("WindowsVersion", version)}};
}

WmiInstance Service(const std::string& name, const std::string& display, const std::string& state,
                    WmiProperty description) {
    return WmiInstance{"Win32_Service.Name=\"" + name + "\"", "Win32_Service",
                       {Wmi_Text("Name", name), Wmi_Text("DisplayName", display), Wmi_Text("State", state),
                        Wmi_Text("StartMode", "Manual"), Wmi_Text("StartName", "LocalSystem"),
                        Wmi_Text("ServiceType", "Own Process"), std::move(description)}};
}

class LiveListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.ok());
        previous = Set_Wmi_Port(&port);
        Set_Error_Reporter(&reporter);
        Clear_Error();
        id = store.Add_Computer("PC7", "admin", "pw", "corp");
        list.tag = std::to_string(id) + "\x0B" "2\x0BPC7\x0B" "12\x0BProcesses";
        list.Set_Listener(&listener);
        // Owners by process: 20 answers "no owner", 30's call fails when told to.
        port.method_handler = [this](const std::string& path, const std::string& method,
                                     const std::vector<WmiMethodArg>&, WmiObject& out, WmiStatus& status) {
            if (method != "GetOwner") return false;
            if (fail_30 && path.find("\"30\"") != std::string::npos) {
                status = WmiStatus::Error(Wbem_E_Access_Denied);
                return false;
            }
            if (path.find("\"20\"") != std::string::npos)
                out = {Wmi_Uint32("ReturnValue", 2), Wmi_Null("User"), Wmi_Null("Domain")};
            else
                out = {Wmi_Uint32("ReturnValue", 0), Wmi_Text("User", owner), Wmi_Text("Domain", "CORP")};
            return true;
        };
    }
    void TearDown() override {
        Set_Wmi_Port(previous);
        Set_Error_Reporter(nullptr);
        Clear_Error();
    }
    void Processes(std::vector<WmiInstance> objects) { port.Set_Objects(Process_Query, std::move(objects)); }
    void Services(std::vector<WmiInstance> objects) { port.Set_Objects(Service_Query_Text, std::move(objects)); }

    test::TestStore store;
    FakeWmiPort port;
    WmiPort* previous = nullptr;
    test::RecordingReporter reporter;
    CountingListener listener;
    std::int32_t id = 0;
    std::string owner = "alice";
    bool fail_30 = false;
    ListModel list;
};

TEST_F(LiveListTest, FirstRefreshFillsEveryCellOfEveryProcess) {
    Setup_ListView_Columns(list, Layout_Processes, "");
    listener.changes = 0;
    Processes({Process(10, "a.exe", "20230415123005.000000+060"), Process(20, "b.exe", "")});
    ASSERT_TRUE(Refresh_Process_List(list));
    EXPECT_EQ(port.queries.back(), Process_Query);
    EXPECT_EQ(port.connects.back().server, "corp.PC7");
    ASSERT_EQ(list.Item_Count(), 2u);
    const ListItem& a = list.Item(0);
    EXPECT_EQ(a.key, "p1020230415123005.000000+060");
    EXPECT_EQ(a.text, "a.exe");
    EXPECT_EQ(a.icon, "Process");
    EXPECT_EQ(a.small_icon, "Process");
    EXPECT_EQ(a.sub_items, (std::vector<std::string>{"10", "1", "alice", "CORP", "3", "40", "4294967295", "2048 K",
                                                     "04/15/2023 12:30:05", "C:\\a.exe"}));
    // No owner: empty cells, nothing carried over from the process before.
    const ListItem& b = list.Item(1);
    EXPECT_EQ(b.key, "p20");
    EXPECT_EQ(b.Sub_Item(3), "");
    EXPECT_EQ(b.Sub_Item(4), "");
    EXPECT_EQ(b.Sub_Item(9), "");
    EXPECT_EQ(listener.changes, 1);
}

TEST_F(LiveListTest, LaterRefreshesUpdateInPlace) {
    Processes({Process(10, "a.exe", "1"), Process(20, "b.exe", "2"), Process(30, "c.exe", "3")});
    ASSERT_TRUE(Refresh_Process_List(list));
    list.Item(1).selected = true;
    ASSERT_TRUE(Refresh_Process_List(list));
    EXPECT_EQ(listener.changes, 1);  // nothing changed, nothing written
    EXPECT_EQ(list.Item_Count(), 3u);

    // 10 ended and its id came back for a new process; 40 is new; 30's owner
    // cannot be read this time and keeps what it showed.
    owner = "bob";
    fail_30 = true;
    Processes({Process(20, "b.exe", "2"), Process(10, "z.exe", "9"), Process(30, "c.exe", "3"), Process(40, "d.exe", "4")});
    ASSERT_TRUE(Refresh_Process_List(list));
    ASSERT_EQ(list.Item_Count(), 4u);
    EXPECT_EQ(list.Item(0).key, "p202");
    EXPECT_TRUE(list.Item(0).selected);
    EXPECT_EQ(list.Item(1).key, "p303");
    EXPECT_EQ(list.Item(1).Sub_Item(3), "alice");
    EXPECT_EQ(list.Item(2).key, "p109");
    EXPECT_EQ(list.Item(2).text, "z.exe");
    EXPECT_EQ(list.Item(2).Sub_Item(3), "bob");
    EXPECT_EQ(list.Item(3).key, "p404");
}

TEST_F(LiveListTest, MemoryTextFollowsTheWindowsVersion) {
    EXPECT_EQ(Process_Memory_Text(2048, "6.1.7601"), "2048 K");
    EXPECT_EQ(Process_Memory_Text(2048, "5.1.2600"), "2 K");
    EXPECT_EQ(Process_Memory_Text(2048, "10.0.19045"), "2048 K");
    // A 20-digit page-file text reads as the limit, not as a wrapped negative.
    EXPECT_EQ(Process_Memory_Text(Text_Number("18446744073709551615"), "10.0"), "9223372036854775807 K");
    Processes({Process(10, "a.exe", "1", 4096, "5.1.2600")});
    ASSERT_TRUE(Refresh_Process_List(list));
    EXPECT_EQ(list.Item(0).Sub_Item(8), "4 K");
}

TEST_F(LiveListTest, PartialEnumerationRemovesNoRow) {
    Processes({Process(10, "a.exe", "1"), Process(20, "b.exe", "2")});
    ASSERT_TRUE(Refresh_Process_List(list));
    FakeWmiPort::QueryAnswer partial;
    partial.objects = {Process(20, "b.exe", "2")};
    partial.fail_after = 1;
    partial.next_error = WmiStatus::Error(Wbem_E_Failed);
    port.Set_Answer(Process_Query, partial);
    EXPECT_TRUE(Refresh_Process_List(list));
    EXPECT_EQ(list.Item_Count(), 2u);
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(LiveListTest, UnreachableComputerGetsOneErrorRowAndTheErrorGoesUp) {
    port.connect_result = [](const WmiConnectRequest&) {
        return WmiStatus::Error(Rpc_S_Server_Unavailable, "The RPC server is unavailable.");
    };
    EXPECT_FALSE(Refresh_Process_List(list));
    ASSERT_EQ(list.Item_Count(), 1u);
    EXPECT_EQ(list.Item(0).key, "");
    EXPECT_EQ(list.Item(0).text, "Error");
    EXPECT_EQ(list.Item(0).small_icon, "NoInfo");
    EXPECT_EQ(list.Item(0).Sub_Item(1), "The RPC server is unavailable.");
    EXPECT_TRUE(list.Item(0).bold);
    EXPECT_EQ(Pending_Error().number, Rpc_S_Server_Unavailable);

    Clear_Error();
    list.Clear_Items();
    port.connect_result = nullptr;
    FakeWmiPort::QueryAnswer refused;
    refused.exec_error = WmiStatus::Error(Wbem_E_Invalid_Class);
    port.Set_Answer(Service_Query_Text, refused);
    EXPECT_FALSE(Refresh_Service_List(list));
    EXPECT_EQ(list.Item(0).text, "Name");
    EXPECT_EQ(list.Item(0).Sub_Item(1), "Feature disabled or not supported by OS");
    EXPECT_EQ(Pending_Error().number, Wbem_E_Invalid_Class);
}

TEST_F(LiveListTest, UnknownComputerChangesNothing) {
    list.tag = "999\x0B" "2";
    EXPECT_TRUE(Refresh_Process_List(list));
    EXPECT_TRUE(Refresh_Service_List(list));
    EXPECT_TRUE(port.connects.empty());
    EXPECT_EQ(list.Item_Count(), 0u);
}

TEST_F(LiveListTest, ServiceRowsKeepTheirPlaceAndChangeOnlyWhatChanged) {
    Setup_ListView_Columns(list, Layout_Services, "");
    Services({Service("Alpha", "Alpha Service", "Running", Wmi_Text("Description", "does a")),
              Service("Beta", "Beta Service", "Running", Wmi_Null("Description")),
              Service("Gamma", "Gamma Service", "Stopped", Wmi_Text("Description", "g"))});
    ASSERT_TRUE(Refresh_Service_List(list));
    ASSERT_EQ(list.Item_Count(), 3u);
    EXPECT_EQ(list.Item(0).key, "Alpha");
    EXPECT_EQ(list.Item(0).text, "Alpha Service");
    EXPECT_EQ(list.Item(0).icon, "Service");
    EXPECT_EQ(list.Item(0).sub_items,
              (std::vector<std::string>{"Alpha", "Running", "Manual", "LocalSystem", "Own Process", "does a"}));
    EXPECT_EQ(list.Item(1).Sub_Item(6), "");

    // Beta stops, Gamma is deleted, Alpha's description turns null (kept).
    list.Item(1).selected = true;
    Services({Service("Alpha", "Renamed", "Running", Wmi_Null("Description")),
              Service("Beta", "Beta Service", "Stopped", Wmi_Null("Description"))});
    ASSERT_TRUE(Refresh_Service_List(list));
    ASSERT_EQ(list.Item_Count(), 2u);
    EXPECT_EQ(list.Item(0).text, "Alpha Service");
    EXPECT_EQ(list.Item(0).Sub_Item(6), "does a");
    EXPECT_EQ(list.Item(1).Sub_Item(2), "Stopped");
    EXPECT_TRUE(list.Item(1).selected);

    // The previous failure row goes with the next good refresh.
    list.Add_Item("", "Error");
    ASSERT_TRUE(Refresh_Service_List(list));
    EXPECT_EQ(list.Item_Count(), 2u);
}

}  // namespace
}  // namespace crv
