#include "wmi/operations.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "wmi/fake_wmi.h"
#include "wmi/tests/wmi_test_support.h"

namespace crv {
namespace {

class OperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.ok());
        previous = Set_Wmi_Port(&port);
        Set_Error_Reporter(&reporter);
        Clear_Error();
        id = store.Add_Computer("PC7", "admin", "pw", "corp");
        port.Set_Objects(Service_Query("Spooler"), {WmiInstance{"Win32_Service.Name=\"Spooler\"", "Win32_Service", {}}});
        port.method_handler = [this](const std::string&, const std::string& method, const std::vector<WmiMethodArg>&,
                                     WmiObject& out, WmiStatus& status) {
            if (method_error.Failed()) {
                status = method_error;
                return false;
            }
            out = {Wmi_Uint32("ReturnValue", next_code++)};
            return true;
        };
    }
    void TearDown() override {
        Set_Wmi_Port(previous);
        Set_Error_Reporter(nullptr);
        Clear_Error();
    }

    test::TestStore store;
    FakeWmiPort port;
    WmiPort* previous = nullptr;
    test::RecordingReporter reporter;
    std::int32_t id = 0;
    std::int32_t next_code = 6;
    WmiStatus method_error;
};

TEST_F(OperationsTest, ServiceControlCallsTheMethodOfTheOperation) {
    const std::pair<std::int32_t, const char*> operations[] = {
        {Service_Start, "StartService"}, {Service_Stop, "StopService"},
        {Service_Pause, "PauseService"}, {Service_Resume, "ResumeService"}};
    for (auto [operation, method] : operations) {
        port.method_calls.clear();
        next_code = 10;
        EXPECT_EQ(Control_Service(id, "Spooler", operation), 10);
        ASSERT_EQ(port.method_calls.size(), 1u);
        EXPECT_EQ(port.method_calls[0].method, method);
        EXPECT_EQ(port.method_calls[0].path, "Win32_Service.Name=\"Spooler\"");
        EXPECT_TRUE(port.method_calls[0].in.empty());
    }
    EXPECT_EQ(port.connects.back().server, "corp.PC7");
    EXPECT_EQ(port.connects.back().user, "PC7\\admin");
    EXPECT_EQ(port.queries.back(), "Select * From Win32_Service Where Name='Spooler'");

    port.method_calls.clear();
    EXPECT_EQ(Control_Service(id, "Spooler", 2), 0);
    EXPECT_TRUE(port.method_calls.empty());
    EXPECT_EQ(port.open_connections, 0u);
}

TEST_F(OperationsTest, NothingToActOnGivesZero) {
    std::size_t connects = port.connects.size();
    EXPECT_EQ(Control_Service(999, "Spooler", Service_Stop), 0);
    EXPECT_EQ(Terminate_Process(999, 4), 0);
    EXPECT_EQ(port.connects.size(), connects);  // an unknown computer is never reached
    EXPECT_EQ(Control_Service(id, "NoSuchService", Service_Stop), 0);
    EXPECT_EQ(Terminate_Process(id, 4242), 0);
    EXPECT_EQ(port.queries.back(), "Select * From Win32_Process Where ProcessId=4242");
    EXPECT_TRUE(port.method_calls.empty());
}

TEST_F(OperationsTest, CraftedNameCannotWidenTheQuery) {
    EXPECT_EQ(Service_Query("x' OR Name<>'"), "Select * From Win32_Service Where Name='x\\' OR Name<>\\''");
    EXPECT_EQ(Service_Query("a\\b"), "Select * From Win32_Service Where Name='a\\\\b'");
    Control_Service(id, "x' OR Name<>'", Service_Stop);
    EXPECT_EQ(port.queries.back(), Service_Query("x' OR Name<>'"));
}

TEST_F(OperationsTest, ArgumentsAndLastObjectsCode) {
    port.Set_Objects("Select Name From Win32_OperatingSystem where Primary=true",
                     {WmiInstance{"os1", "Win32_OperatingSystem", {}}, WmiInstance{"os2", "Win32_OperatingSystem", {}}});
    next_code = 0;
    EXPECT_EQ(Shutdown_Computer(id, Reboot_Forced), 1);  // the second object's code
    ASSERT_EQ(port.method_calls.size(), 2u);
    EXPECT_EQ(port.method_calls[1].path, "os2");
    EXPECT_EQ(port.method_calls[1].method, "Win32Shutdown");
    ASSERT_EQ(port.method_calls[1].in.size(), 1u);
    EXPECT_EQ(port.method_calls[1].in[0].name, "Flags");
    EXPECT_EQ(Scalar_To_Int64(port.method_calls[1].in[0].value), 6);

    next_code = 0;
    EXPECT_EQ(Change_Service_StartMode(id, "Spooler", "Disabled"), 0);
    EXPECT_EQ(port.method_calls.back().method, "ChangeStartMode");
    EXPECT_EQ(std::get<std::string>(port.method_calls.back().in.at(0).value), "Disabled");
    EXPECT_EQ(port.method_calls.back().in.at(0).name, "StartMode");
}

TEST_F(OperationsTest, ErrorsReachTheCallerWithTheirNumber) {
    port.connect_result = [](const WmiConnectRequest&) { return WmiStatus::Error(Wbem_E_Access_Denied, "Access denied"); };
    EXPECT_EQ(Terminate_Process(id, 4), std::nullopt);
    EXPECT_EQ(Pending_Error().number, Wbem_E_Access_Denied);
    EXPECT_EQ(Pending_Error().description, "Access denied");
    Clear_Error();
    EXPECT_EQ(Shutdown_Computer(id, Shutdown_Forced), std::nullopt);
    EXPECT_EQ(Pending_Error().number, Wbem_E_Access_Denied);
    EXPECT_EQ(Pending_Error().description, "Access denied");

    Clear_Error();
    port.connect_result = nullptr;
    method_error = WmiStatus::Error(Wbem_E_Not_Found);
    EXPECT_EQ(Change_Service_StartMode(id, "Spooler", "Manual"), std::nullopt);
    EXPECT_EQ(Pending_Error().number, Wbem_E_Not_Found);
    EXPECT_EQ(Pending_Error().description, "WBEM_E_NOT_FOUND (0x80041002)");
    EXPECT_TRUE(reporter.shown.empty());
}

TEST_F(OperationsTest, ProcessNameTellsAReusedIdApart) {
    const std::string query = "Select * From Win32_Process Where ProcessId=4242";
    port.Set_Objects(query, {WmiInstance{"Win32_Process.Handle=\"4242\"", "Win32_Process",
                                         {Wmi_Uint32("ProcessId", 4242), Wmi_Text("Name", "notepad.exe")}}});
    EXPECT_EQ(Get_Process_Name(id, 4242), "notepad.exe");
    EXPECT_EQ(port.queries.back(), query);
    EXPECT_EQ(Get_Process_Name(id, 4243), "");  // ended: no process holds the id
    EXPECT_EQ(Get_Process_Name(999, 4242), "");  // unknown computer, never reached
    EXPECT_EQ(port.connects.size(), 2u);
    EXPECT_TRUE(port.method_calls.empty());      // looking is not acting
    EXPECT_EQ(port.open_connections, 0u);

    FakeWmiPort::QueryAnswer refused;
    refused.exec_error = WmiStatus::Error(Wbem_E_Access_Denied, "Access denied");
    port.Set_Answer(query, refused);
    EXPECT_EQ(Get_Process_Name(id, 4242), std::nullopt);
    EXPECT_EQ(Pending_Error().number, Wbem_E_Access_Denied);
    Clear_Error();
    port.connect_result = [](const WmiConnectRequest&) { return WmiStatus::Error(Rpc_S_Server_Unavailable, "RPC"); };
    EXPECT_EQ(Get_Process_Name(id, 4242), std::nullopt);
    EXPECT_EQ(Pending_Error().number, Rpc_S_Server_Unavailable);
    EXPECT_TRUE(reporter.shown.empty());
}

TEST(OperationTexts, ReturnCodeTables) {
    EXPECT_EQ(Get_Service_Return_Text(0), "Success");
    EXPECT_EQ(Get_Service_Return_Text(6), "Service Not Active");
    EXPECT_EQ(Get_Service_Return_Text(10), "Service Already Running");
    EXPECT_EQ(Get_Service_Return_Text(14), "Service Disabled");
    EXPECT_EQ(Get_Service_Return_Text(22), "Status Invalid Service Account");
    EXPECT_EQ(Get_Service_Return_Text(24), "Service Already Paused");
    EXPECT_EQ(Get_Service_Return_Text(25), "Unknown Error");
    EXPECT_EQ(Get_Service_Return_Text(-1), "Unknown Error");
    const std::pair<int, const char*> process[] = {{0, "Success"},        {2, "Access Denied"},
                                                   {3, "Insufficient Privilege"}, {8, "Unknown Failure"},
                                                   {9, "Path Not Found"}, {21, "Invalid Parameter"},
                                                   {1, "Unknown Error"},  {22, "Unknown Error"}};
    for (auto [code, text] : process) EXPECT_EQ(Get_Process_Return_Text(code), text) << code;
}

}  // namespace
}  // namespace crv
