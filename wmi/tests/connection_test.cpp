#include "wmi/connection.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "store/features.h"
#include "wmi/fake_wmi.h"
#include "wmi/tests/wmi_test_support.h"

namespace crv {
namespace {

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.ok());
        previous = Set_Wmi_Port(&port);
        Set_Error_Reporter(&reporter);
        Clear_Error();
        port.local_name = "MyPc";
        store.Add_Computer("MYPC", "", "", "corp");
        store.Add_Computer("PC8", "", "", "corp");
        store.Add_Computer("PC7", "admin", "pw", "other");
    }
    void TearDown() override {
        Set_Wmi_Port(previous);
        Set_Error_Reporter(nullptr);
        Clear_Error();
    }
    const WmiConnectRequest& Last() { return port.connects.back(); }

    test::TestStore store;
    FakeWmiPort port;
    WmiPort* previous = nullptr;
    test::RecordingReporter reporter;
};

TEST_F(ConnectionTest, NamespaceTable) {
    EXPECT_EQ(Get_WMI_Namespace(0), "root\\cimv2");
    EXPECT_EQ(Get_WMI_Namespace(3), "root\\SecurityCenter2");
    EXPECT_EQ(Get_WMI_Namespace(4), "root\\WMI");
    EXPECT_EQ(Get_WMI_Namespace(7), "root\\Default");
    EXPECT_EQ(Get_WMI_Namespace(9), "root\\subscription");
    EXPECT_EQ(Get_WMI_Namespace(10), "");
    EXPECT_EQ(Get_WMI_Namespace(-1), "");
}

TEST_F(ConnectionTest, ShapesCredentialsByWhereTheComputerIs) {
    // The local computer in any case runs under the caller's account.
    ASSERT_NE(Connect_WMI("mypc", "u", "p", 0, "corp"), nullptr);
    EXPECT_EQ(Last().server, "mypc");
    EXPECT_EQ(Last().user, "");
    EXPECT_EQ(Last().password, "");
    EXPECT_EQ(Last().namespace_path, "root\\cimv2");
    EXPECT_EQ(Last().flags, Wbem_Flag_Connect_Use_Max_Wait);

    // Outside the local domain, by name: an account of the computer itself.
    ASSERT_NE(Connect_WMI("PC7", "admin", "pw", 4, "corp"), nullptr);
    EXPECT_EQ(Last().server, "corp.PC7");
    EXPECT_EQ(Last().user, "PC7\\admin");
    EXPECT_EQ(Last().password, "pw");
    EXPECT_EQ(Last().namespace_path, "root\\WMI");

    // By address, or in the local computer's domain: as stored.
    ASSERT_NE(Connect_WMI("192.168.1.20", "admin", "pw", 0, "corp"), nullptr);
    EXPECT_EQ(Last().server, "192.168.1.20");
    EXPECT_EQ(Last().user, "admin");
    ASSERT_NE(Connect_WMI("PC8", "corp\\admin", "pw", 0, "corp"), nullptr);
    EXPECT_EQ(Last().server, "PC8");
    EXPECT_EQ(Last().user, "corp\\admin");

    // Neither an empty domain nor an empty user is shaped into a bad name.
    ASSERT_NE(Connect_WMI("PC9", "admin", "pw", 0, ""), nullptr);
    EXPECT_EQ(Last().server, "PC9");
    EXPECT_EQ(Last().user, "PC9\\admin");
    ASSERT_NE(Connect_WMI("PC9", "", "pw", 10, "corp"), nullptr);
    EXPECT_EQ(Last().server, "corp.PC9");
    EXPECT_EQ(Last().user, "");
    EXPECT_EQ(Last().password, "");
    EXPECT_EQ(Last().namespace_path, "");
}

TEST_F(ConnectionTest, FailureLeavesTheSignedNumberAndDescriptionPending) {
    port.connect_result = [](const WmiConnectRequest&) {
        return WmiStatus::Error(Rpc_S_Server_Unavailable, "The RPC server is unavailable.");
    };
    EXPECT_EQ(Connect_WMI("PC7", "admin", "pw", 0, "other"), nullptr);
    EXPECT_EQ(Pending_Error().number, -2147023174);
    EXPECT_EQ(Pending_Error().description, "The RPC server is unavailable.");
    EXPECT_TRUE(reporter.shown.empty());
}

TEST_F(ConnectionTest, ReachabilityTestKeepsTheCallersComputerName) {
    std::string computer = "PC7", user = "admin", password = "pw";
    auto services = Connect_WMI_CIMV2(computer, user, password, 0, "other");
    ASSERT_NE(services, nullptr);
    EXPECT_EQ(computer, "PC7");
    EXPECT_EQ(user, "PC7\\admin");
    EXPECT_EQ(Last().server, "other.PC7");
    EXPECT_EQ(Last().namespace_path, "root\\CIMV2");
    EXPECT_EQ(Last().flags, Wbem_Flag_Connect_Use_Max_Wait);

    user = "u";
    password = "p";
    ASSERT_NE(Connect_WMI_CIMV2("MYPC", user, password, 0, "corp"), nullptr);
    EXPECT_EQ(user, "");
    EXPECT_EQ(password, "");

    port.connect_result = [](const WmiConnectRequest&) { return WmiStatus::Error(Wbem_E_Access_Denied); };
    EXPECT_EQ(Connect_WMI_CIMV2("PC7", user, password, 0, "other"), nullptr);
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(ConnectionTest, SelectListFollowsListOrderOfActiveProperties) {
    store.Add_Property(5, "A", 2, true);
    store.Add_Property(5, "B", 1, true);
    store.Add_Property(5, "C", 3, true);
    store.Add_Property(5, "D", 0, false);
    EXPECT_EQ(Get_Property_Select_List(5), "B, A, C");
    EXPECT_EQ(Get_Property_Select_List(6), "*");
}

TEST_F(ConnectionTest, NamesDifferingOnlyInCaseAreSelectedOnce) {
    // A twin an older scan added: the first (oldest) row decides, active or not.
    store.Add_Property(5, "ProcessId", 1, true);
    store.Add_Property(5, "PROCESSID", 2, true);
    store.Add_Property(5, "Name", 3, true);
    store.Add_Property(6, "Handle", 1, false);
    store.Add_Property(6, "handle", 2, true);
    store.Add_Property(6, "Caption", 3, true);
    EXPECT_EQ(Get_Property_Select_List(5), "ProcessId, Name");
    EXPECT_EQ(Get_Property_Select_List(6), "Caption");
}

// The query's select list is kept in memory; a write through any path makes
// it anew.
TEST_F(ConnectionTest, KeptSelectListFollowsEveryStoreWrite) {
    store.Add_Property(5, "A", 1, true);
    std::string wql;
    ASSERT_TRUE(Build_Feature_Query(5, "Win32_Thing", wql));
    EXPECT_EQ(wql, "SELECT A FROM Win32_Thing");
    store.Add_Property(5, "B", 2, true);  // a caller-built statement
    ASSERT_TRUE(Build_Feature_Query(5, "Win32_Thing", wql));
    EXPECT_EQ(wql, "SELECT A, B FROM Win32_Thing");
    ASSERT_TRUE(Set_Feature_Props_Active(5, false));
    ASSERT_TRUE(Build_Feature_Query(5, "Win32_Thing", wql));
    EXPECT_EQ(wql, "SELECT * FROM Win32_Thing");

    // A refused list is not kept: once the name is mended the query goes out.
    store.Add_Property(6, "X Y", 1, true);
    EXPECT_FALSE(Build_Feature_Query(6, "Win32_Thing", wql));
    Clear_Error();
    ASSERT_TRUE(Execute_SQL("UPDATE PROPS_TBL SET PROP_NAME='XY' WHERE FEATURE_ID=6"));
    ASSERT_TRUE(Build_Feature_Query(6, "Win32_Thing", wql));
    EXPECT_EQ(wql, "SELECT XY FROM Win32_Thing");
}

// A select list whose read failed ("*", every property) is not kept: once
// the file answers again the chosen properties are asked for.
TEST_F(ConnectionTest, ASelectListThatCouldNotBeReadIsNotKept) {
    store.Add_Property(7, "A", 1, true);
    const StoreEnvironment saved = Store_Environment();
    StoreEnvironment gone = saved;
    gone.is_ordinary_file = [](const std::string&) { return false; };
    Set_Store_Environment(gone);
    std::string wql;
    ASSERT_TRUE(Build_Feature_Query(7, "Win32_Thing", wql));
    EXPECT_EQ(wql, "SELECT * FROM Win32_Thing");
    Set_Store_Environment(saved);
    ASSERT_TRUE(Build_Feature_Query(7, "Win32_Thing", wql));
    EXPECT_EQ(wql, "SELECT A FROM Win32_Thing");
}

TEST_F(ConnectionTest, UserThatNamesItsDomainIsSentUnchanged) {
    ASSERT_NE(Connect_WMI("PC7", "CORP\\admin", "pw", 0, "corp"), nullptr);
    EXPECT_EQ(Last().user, "CORP\\admin");
    EXPECT_EQ(Last().server, "corp.PC7");
    ASSERT_NE(Connect_WMI("PC7", "admin@corp.example", "pw", 0, "corp"), nullptr);
    EXPECT_EQ(Last().user, "admin@corp.example");
    std::string user = "CORP\\admin", password = "pw";
    ASSERT_NE(Connect_WMI_CIMV2("PC7", user, password, 0, "other"), nullptr);
    EXPECT_EQ(user, "CORP\\admin");
    EXPECT_EQ(Last().user, "CORP\\admin");
    ASSERT_NE(Connect_WMI("PC7", "admin", "pw", 0, "corp"), nullptr);
    EXPECT_EQ(Last().user, "PC7\\admin");
}

TEST_F(ConnectionTest, NamesThatAreNoIdentifiersNeverReachAQuery) {
    store.Add_Property(5, "Name", 1, true);
    store.Add_Property(5, "X FROM Win32_Process WHERE Name", 2, true);
    std::string wql = "stale";
    EXPECT_FALSE(Build_Feature_Query(5, "Win32_Service", wql));
    EXPECT_EQ(wql, "");
    EXPECT_EQ(Pending_Error().number, Wbem_E_Invalid_Parameter);
    EXPECT_NE(Pending_Error().description.find("X FROM Win32_Process WHERE Name"), std::string::npos);
    Clear_Error();
    EXPECT_EQ(Get_Property_Select_List(5), "");
    Clear_Error();

    store.Add_Property(6, "Caption", 1, true);
    store.Add_Property(6, "State", 2, true);
    ASSERT_TRUE(Build_Feature_Query(6, "Win32_Service", wql));
    EXPECT_EQ(wql, "SELECT Caption, State FROM Win32_Service");
    EXPECT_FALSE(Build_Feature_Query(6, "Win32_Service WHERE 1=1", wql));
    Clear_Error();
    ASSERT_TRUE(Build_Select_All_Query("SoftwareLicensingProduct", wql));
    EXPECT_EQ(wql, "Select * From SoftwareLicensingProduct");
    EXPECT_FALSE(Build_Select_All_Query("Win32_Process Where Name='x'", wql));
    EXPECT_EQ(wql, "");
    Clear_Error();
    EXPECT_TRUE(port.queries.empty());
}

}  // namespace
}  // namespace crv
