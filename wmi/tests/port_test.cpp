// The port's shared helpers and the registry provider calls, over the fake.
#include <gtest/gtest.h>

#include "core/error.h"
#include "wmi/fake_wmi.h"
#include "wmi/registry_provider.h"
#include "wmi/tests/wmi_test_support.h"

namespace crv {
namespace {

TEST(WmiPort, DescriptionNamesTheConstantWhenThePlatformHasNoWords) {
    EXPECT_EQ(Wmi_Error_Description(Wbem_E_Invalid_Class, ""), "WBEM_E_INVALID_CLASS (0x80041010)");
    EXPECT_EQ(Wmi_Error_Description(Wbem_E_Transport_Failure, "Error code: 0x80041015\r\n"),
              "WBEM_E_TRANSPORT_FAILURE (0x80041015)");
    EXPECT_EQ(Wmi_Error_Description(Rpc_S_Server_Unavailable, "The RPC server is unavailable.\r\n"),
              "The RPC server is unavailable.");
    EXPECT_EQ(Wmi_Error_Description(static_cast<std::int32_t>(0x8ABC0001u), ""), "Error 0x8ABC0001");
    WmiStatus status = WmiStatus::Error(Wbem_E_Invalid_Namespace);
    EXPECT_TRUE(status.Failed());
    EXPECT_EQ(status.number, -2147217394);
}

TEST(WmiPort, EscapesWqlTextAndReadsValues) {
    EXPECT_EQ(Escape_Wql_Text("a'b\\c"), "a\\'b\\\\c");
    EXPECT_EQ(Escape_Wql_Text("x' OR Name<>'"), "x\\' OR Name<>\\'");
    // Past the signed range: the limit, never a wrap.
    EXPECT_EQ(Scalar_To_Int64(WmiScalar(std::string("18446744073709551615"))), INT64_MAX);
    EXPECT_EQ(Scalar_To_Int64(WmiScalar(std::string("-9223372036854775808"))), INT64_MIN);
    EXPECT_EQ(Scalar_To_Int64(WmiScalar(std::string("-99999999999999999999"))), INT64_MIN);
    EXPECT_EQ(Scalar_To_Int64(WmiScalar(1e30)), INT64_MAX);
    EXPECT_EQ(Scalar_To_Int64(WmiScalar(-1e30)), INT64_MIN);
    EXPECT_EQ(Scalar_To_Int64(WmiScalar(std::string("-"))), 0);
    EXPECT_EQ(Method_Return_Value({Wmi_Text("ReturnValue", "99999999999")}), INT32_MAX);
    EXPECT_EQ(Scalar_To_Int64(WmiScalar(std::string("-42"))), -42);
    EXPECT_EQ(Scalar_To_Int64(WmiScalar(std::string("12a"))), 0);
    EXPECT_EQ(Scalar_To_Text(WmiScalar(std::int64_t{-5})), "-5");
    EXPECT_EQ(Scalar_To_Text(WmiScalar{}), "");
    EXPECT_EQ(Method_Return_Value({Wmi_Uint32("ReturnValue", 10)}), 10);
    EXPECT_EQ(Method_Return_Value({}), 0);
    WmiObject object{Wmi_Text("ProcessID", "7")};
    EXPECT_EQ(Find_Property(object, "ProcessId"), nullptr);
    ASSERT_NE(Find_Property_Any_Case(object, "ProcessId"), nullptr);
    EXPECT_EQ(Find_Property_Any_Case(object, "ProcessIdX"), nullptr);
}

TEST(WmiPort, WithoutAPortConnectingFails) {
    WmiPort* previous = Set_Wmi_Port(nullptr);
    WmiStatus status;
    EXPECT_EQ(Current_Wmi_Port().Connect({}, status), nullptr);
    EXPECT_TRUE(status.Failed());
    EXPECT_FALSE(status.description.empty());
    Set_Wmi_Port(previous);
}

TEST(WmiPort, WaitHookCanCancelAnEnumeration) {
    FakeWmiPort port;
    port.Set_Objects("q", {WmiInstance{"a", "C", {}}, WmiInstance{"b", "C", {}}});
    WmiStatus status;
    auto services = port.Connect({}, status);
    auto objects = services->Exec_Query("q", 48, status);
    ASSERT_NE(objects, nullptr);
    int calls = 0;
    objects->Set_Wait_Hook([&calls] { return ++calls < 2; });
    WmiInstance object;
    EXPECT_TRUE(objects->Next(object, status));
    EXPECT_EQ(object.path, "a");
    EXPECT_FALSE(objects->Next(object, status));
    EXPECT_EQ(status.number, Wbem_E_Call_Cancelled);
    EXPECT_EQ(status.description, "WBEM_E_CALL_CANCELLED (0x80041032)");
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Set_Error_Reporter(&reporter);
        Clear_Error();
        services = port.Connect({}, status);
        port.registry.Set_String("Software\\A", "DisplayName", "Alpha");
        port.registry.Set_DWORD("Software\\A", "EstimatedSize", 0x80000001LL);
        port.registry.Set_Multi_String("Software\\A", "List", {"x", "y"});
        port.registry.Add_Key("Software\\Empty");
    }
    void TearDown() override {
        Set_Error_Reporter(nullptr);
        Clear_Error();
    }
    test::RecordingReporter reporter;
    FakeWmiPort port;
    WmiStatus status;
    std::unique_ptr<WmiServices> services;
};

TEST_F(RegistryTest, ProviderCallsAnswerLikeStdRegProv) {
    std::int32_t rv = -1;
    std::vector<std::string> names{"stale"};
    ASSERT_TRUE(Reg_Enum_Key(*services, Hkey_Local_Machine, "Software", rv, names, status));
    EXPECT_EQ(rv, 0);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "Empty"}));
    // The provider object is fetched for each call, and the hive goes in as a 32-bit number.
    EXPECT_EQ(port.get_object_calls, 1u);
    ASSERT_EQ(port.method_calls.size(), 1u);
    EXPECT_EQ(Scalar_To_Int64(port.method_calls[0].in[0].value), static_cast<std::int32_t>(0x80000002u));

    names = {"kept"};
    ASSERT_TRUE(Reg_Enum_Key(*services, Hkey_Local_Machine, "Software\\Missing", rv, names, status));
    EXPECT_EQ(rv, 2);
    EXPECT_EQ(names, std::vector<std::string>{"kept"});

    WmiScalar value;
    ASSERT_TRUE(Reg_Get_String_Value(*services, Hkey_Local_Machine, "software\\a", "displayname", false, rv, value,
                                     status));
    EXPECT_EQ(std::get<std::string>(value), "Alpha");
    ASSERT_TRUE(Reg_Get_DWORD_Value(*services, Hkey_Local_Machine, "Software\\A", "EstimatedSize", rv, value, status));
    EXPECT_EQ(std::get<std::int64_t>(value), static_cast<std::int32_t>(0x80000001u));
    ASSERT_TRUE(Reg_Get_DWORD_Value(*services, Hkey_Local_Machine, "Software\\A", "Nothing", rv, value, status));
    EXPECT_NE(rv, 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(value));
    std::vector<std::string> list;
    ASSERT_TRUE(Reg_Get_Multi_String_Value(*services, Hkey_Local_Machine, "Software\\A", "List", rv, list, status));
    EXPECT_EQ(list, (std::vector<std::string>{"x", "y"}));
}

TEST_F(RegistryTest, ValueReaderReportsErrorsAndSkipsUnknownTypes) {
    WmiScalar value = std::string("old");
    std::int32_t type = 7;
    EXPECT_TRUE(Get_WMI_Reg_Value(*services, Hkey_Local_Machine, "Software\\A", "List", type, value));
    EXPECT_TRUE(port.method_calls.empty());

    type = Reg_Type_String;
    EXPECT_TRUE(Get_WMI_Reg_Value(*services, Hkey_Local_Machine, "Software\\A", "DisplayName", type, value));
    EXPECT_FALSE(Get_WMI_Reg_Value(*services, Hkey_Local_Machine, "Software\\A", "Missing", type, value));
    EXPECT_TRUE(reporter.shown.empty());

    port.registry_errors["GetDWORDValue"] = WmiStatus::Error(Wbem_E_Not_Found);
    type = Reg_Type_DWORD;
    value = std::int64_t{5};
    EXPECT_FALSE(Get_WMI_Reg_Value(*services, Hkey_Local_Machine, "Software\\A", "EstimatedSize", type, value));
    EXPECT_EQ(std::get<std::string>(value), "");
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(reporter.shown[0], "-2147217406: WBEM_E_NOT_FOUND (0x80041002)");

    port.registry_errors["GetDWORDValue"] = WmiStatus::Error(Rpc_E_Disconnected, "The object invoked has disconnected");
    EXPECT_FALSE(Get_WMI_Reg_Value(*services, Hkey_Local_Machine, "Software\\A", "EstimatedSize", type, value));
    EXPECT_EQ(reporter.shown.size(), 1u);
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(RegistryTest, KeyEnumeratorShowsFailuresButLeavesAMissingProviderPending) {
    std::vector<std::string> names;
    port.registry_errors["EnumKey"] = WmiStatus::Error(Wbem_E_Access_Denied, "Access denied");
    EXPECT_FALSE(Enum_WMI_Reg_Keys(*services, Hkey_Local_Machine, "Software", names));
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(reporter.shown[0], "-2147217405: Access denied");
    EXPECT_TRUE(Pending_Error().empty());

    port.registry_errors.clear();
    port.registry_provider_missing = true;
    EXPECT_FALSE(Enum_WMI_Reg_Keys(*services, Hkey_Local_Machine, "Software", names));
    EXPECT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(Pending_Error().number, Wbem_E_Invalid_Class);
}

}  // namespace
}  // namespace crv
