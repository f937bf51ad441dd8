#include "wmi/collectors.h"

#include <gtest/gtest.h>

#include "core/common.h"
#include "core/error.h"
#include "store/store.h"
#include "store/tests/connection_counter.h"
#include "ui/model/list_layouts.h"
#include "wmi/fake_wmi.h"
#include "wmi/registry_provider.h"
#include "wmi/tests/wmi_test_support.h"

namespace crv {
namespace {

const std::string S = "\x0B";

class CollectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.ok());
        previous = Set_Wmi_Port(&port);
        Set_Error_Reporter(&reporter);
        Clear_Error();
        id = store.Add_Computer("PC7", "admin", "pw", "corp");
        node.key = "Win32_Thing";
        node.text = "Things";
        node.image = "ThingIcon";
    }
    void TearDown() override {
        Set_Wmi_Port(previous);
        Set_Error_Reporter(nullptr);
        Clear_Error();
    }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (std::size_t i = 0; i < list.Item_Count(); ++i) keys.push_back(list.Item(i).key);
        return keys;
    }

    test::TestStore store;
    FakeWmiPort port;
    WmiPort* previous = nullptr;
    test::RecordingReporter reporter;
    std::int32_t id = 0;
    TreeNode node;
    ListModel list;
};

TEST_F(CollectorTest, WritesHeaderPropertyAndSpacerRowsPerObject) {
    WmiInstance first{"p1", "Win32_Thing",
                      {Wmi_Text("Caption", "cap"), Wmi_Text("CreationClassName", "Win32_Thing"),
                       Wmi_Text("Description", "desc"), Wmi_Text("InstallDate", "x"), Wmi_Text("Manufacturer", "man"),
                       Wmi_Null("Status"), Wmi_Text("Name", "nm"), Wmi_Text("Model", "mod"),
                       Wmi_Array("Caps", CIM_String, {std::string("a"), std::string("b")})}};
    WmiInstance second{"p2", "Win32_Thing", {Wmi_Text("Name", "two"), Wmi_Text("Size", "9")}};
    port.Set_Objects("SELECT * FROM Win32_Thing", {first, second});
    Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing");

    ASSERT_EQ(port.queries, std::vector<std::string>{"SELECT * FROM Win32_Thing"});
    EXPECT_EQ(port.connects.back().namespace_path, "root\\cimv2");
    EXPECT_EQ(port.connects.back().user, "PC7\\admin");

    const ListItem& header = list.Item(0);
    EXPECT_EQ(header.key, "Win32_Thing" + S + "1");
    EXPECT_EQ(header.text, "Things");
    EXPECT_EQ(header.small_icon, "ThingIcon");
    EXPECT_EQ(header.Sub_Item(1), "1");
    EXPECT_TRUE(header.bold);
    EXPECT_TRUE(header.Sub_Bold(1));

    // Model met last stands topmost; the creation class name and the null value get no row.
    std::vector<std::string> expected{"Win32_Thing" + S + "1", "Model" + S + "1", "Name" + S + "1",
                                      "Manufacturer" + S + "1", "Description" + S + "1", "Caption" + S + "1",
                                      "InstallDate" + S + "1"};
    auto keys = Keys();
    ASSERT_GE(keys.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 7), expected);
    const ListItem& model = list.Item(1);
    EXPECT_EQ(model.text, "    Model");
    EXPECT_EQ(model.small_icon, "Info");
    EXPECT_EQ(model.indent, 1);
    EXPECT_EQ(model.Sub_Item(1), "mod");
    EXPECT_FALSE(model.bold);
    EXPECT_EQ(list.Item(6).text, "    Install Date");
    for (const auto& k : keys) EXPECT_EQ(k.find("CreationClassName"), std::string::npos);
    EXPECT_EQ(list.Find_Item("Status" + S + "1"), nullptr);

    // The array's rows come from the formatter under the property's key prefix.
    bool array_row = false;
    for (const auto& k : keys) array_row |= k.rfind("Caps" + S + "1", 0) == 0;
    EXPECT_TRUE(array_row);

    auto spacer = list.Index_Of("Space" + S + "01");
    ASSERT_TRUE(spacer.has_value());
    EXPECT_EQ(list.Item(*spacer).text, "    ");
    EXPECT_EQ(list.Item(*spacer).small_icon, "");
    EXPECT_EQ(list.Item(*spacer + 1).key, "Win32_Thing" + S + "2");
    EXPECT_EQ(keys.back(), "Space" + S + "02");
    EXPECT_EQ(keys[keys.size() - 3], "Name" + S + "2");
    EXPECT_EQ(keys[keys.size() - 2], "Size" + S + "2");
}

// The local computer connects under the caller's own account: a listing of
// it asks the store for nothing. A computer whose credentials cannot be read
// is not tried as that account either: the store's box is the one word, and
// nothing is left pending.
TEST_F(CollectorTest, CredentialsAreReadOnlyForOtherComputersAndUnreadOnesConnectNothing) {
    test::ConnectionCounter store_connections;
    port.Set_Objects("SELECT * FROM Win32_Thing", {WmiInstance{"p", "Win32_Thing", {Wmi_Text("Name", "n")}}});
    port.local_name = "pc7";
    Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing");
    Collect_Installed_Software(id, "PC7", list);
    EXPECT_EQ(store_connections.count, 0);
    EXPECT_EQ(port.connects.at(0).user, "");
    EXPECT_EQ(port.connects.at(1).user, "");

    port.local_name = "LOCALPC";
    Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing");
    EXPECT_GT(store_connections.count, 0);
    EXPECT_EQ(port.connects.back().user, "PC7\\admin");

    // No data file: the credentials cannot be read.
    const StoreEnvironment saved = Store_Environment();
    StoreEnvironment no_store = saved;
    no_store.is_ordinary_file = [](const std::string&) { return false; };
    Set_Store_Environment(no_store);
    const std::size_t connects = port.connects.size();
    list.Clear_Items();
    Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing");
    Collect_Installed_Software(id, "PC7", list);
    Set_Store_Environment(saved);
    EXPECT_EQ(port.connects.size(), connects);
    EXPECT_TRUE(Is_Failed_Listing(list));
    EXPECT_TRUE(Pending_Error().empty());
    ASSERT_EQ(reporter.shown.size(), 2u);
    EXPECT_NE(reporter.shown[0].find("tqinfo.ocx"), std::string::npos) << reporter.shown[0];
}

TEST_F(CollectorTest, NoObjectGivesTheNoInformationRow) {
    Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Nothing");
    ASSERT_EQ(list.Item_Count(), 1u);
    const ListItem& row = list.Item(0);
    EXPECT_EQ(row.key, "Name" + S + "0");
    EXPECT_EQ(row.text, "Name");
    EXPECT_EQ(row.Sub_Item(1), "No Information Available");
    EXPECT_EQ(row.small_icon, "NoInfo");
    EXPECT_TRUE(row.bold);
}

TEST_F(CollectorTest, FailuresBecomeRowsAndNoErrorReachesTheCaller) {
    for (std::int32_t code : {Wbem_E_Invalid_Class, Wbem_E_Invalid_Namespace, Wbem_E_Not_Supported}) {
        list.Clear_Items();
        FakeWmiPort::QueryAnswer refused;
        refused.exec_error = WmiStatus::Error(code);
        port.Set_Answer("q", refused);
        Collect_WQL_To_ListView(id, "PC7", list, node, "q");
        ASSERT_EQ(list.Item_Count(), 1u);
        EXPECT_EQ(list.Item(0).key, "NoInfo" + S + "0");
        EXPECT_EQ(list.Item(0).Sub_Item(1), "Feature disabled or not supported by OS");
        EXPECT_TRUE(list.Item(0).bold);
        EXPECT_TRUE(Pending_Error().empty());
    }

    // A failure after the first object keeps its rows and numbers the row 1.
    list.Clear_Items();
    FakeWmiPort::QueryAnswer partial;
    partial.objects = {WmiInstance{"p", "c", {Wmi_Text("Name", "n")}}, WmiInstance{"p", "c", {Wmi_Text("Name", "m")}}};
    partial.fail_after = 1;
    partial.next_error = WmiStatus::Error(Wbem_E_Failed, "Generic failure");
    port.Set_Answer("q", partial);
    Collect_WQL_To_ListView(id, "PC7", list, node, "q");
    ASSERT_EQ(list.Item_Count(), 4u);
    EXPECT_EQ(list.Item(3).key, "Error" + S + "1");
    EXPECT_EQ(list.Item(3).text, "Error");
    EXPECT_EQ(list.Item(3).Sub_Item(1), "Generic failure");
    EXPECT_EQ(list.Item(3).small_icon, "NoInfo");

    // An unreachable computer: one row with the connection's description.
    list.Clear_Items();
    port.connect_result = [](const WmiConnectRequest&) {
        return WmiStatus::Error(Rpc_S_Server_Unavailable, "The RPC server is unavailable.");
    };
    Collect_WQL_To_ListView(id, "PC7", list, node, "q");
    ASSERT_EQ(list.Item_Count(), 1u);
    EXPECT_EQ(list.Item(0).key, "Error" + S + "0");
    EXPECT_EQ(list.Item(0).Sub_Item(1), "The RPC server is unavailable.");
    EXPECT_TRUE(Pending_Error().empty());
    EXPECT_TRUE(reporter.shown.empty());
}

class InstalledSoftwareTest : public CollectorTest {
protected:
    void SetUp() override {
        CollectorTest::SetUp();
        Setup_ListView_Columns(list, Layout_Installed_Products, "");
        const std::string u = std::string(Uninstall_Key_Path) + "\\";
        port.registry.Set_String(u + "{A}", "DisplayName", "Alpha");
        port.registry.Set_String(u + "{A}", "Publisher", "Maker");
        port.registry.Set_String(u + "{A}", "DisplayVersion", "1.2");
        port.registry.Set_String(u + "{A}", "InstallDate", "20230115");
        port.registry.Set_DWORD(u + "{A}", "EstimatedSize", 1536);
        port.registry.Set_String(u + "KB123", "Publisher", "Update without a name");
        port.registry.Set_String(u + "Beta", "DisplayName", "Beta");
        port.registry.Set_String(u + "Beta", "InstallDate", "01/15/2023");
        port.registry.Set_DWORD(u + "Beta", "EstimatedSize", 1024);
        port.registry.Set_String(u + "Gamma", "DisplayName", "Gamma");
    }
};

TEST_F(InstalledSoftwareTest, OneRowPerNamedProduct) {
    Collect_Installed_Software(id, "PC7", list);
    EXPECT_EQ(port.connects.back().namespace_path, "root\\Default");
    ASSERT_EQ(list.Item_Count(), 3u);
    const ListItem& a = list.Item(0);
    EXPECT_EQ(a.key, "");
    EXPECT_EQ(a.text, "Alpha");
    EXPECT_EQ(a.small_icon, "MSI");
    EXPECT_EQ(a.Sub_Item(1), "Maker");
    EXPECT_EQ(a.Sub_Item(2), "1.2");
    EXPECT_EQ(a.Sub_Item(3), "");
    EXPECT_EQ(a.Sub_Item(4), "2023-01-15");
    EXPECT_EQ(a.Sub_Item(5), "1.50 MB");
    EXPECT_EQ(list.Item(1).text, "Beta");
    EXPECT_EQ(list.Item(1).Sub_Item(4), "01/15/2023");
    EXPECT_EQ(list.Item(1).Sub_Item(5), "1024 KB");
    EXPECT_EQ(list.Item(2).Sub_Item(5), "");
    EXPECT_TRUE(reporter.shown.empty());
}

TEST_F(InstalledSoftwareTest, SizeAndDateTexts) {
    EXPECT_EQ(Installed_Size_Text(1024), "1024 KB");
    EXPECT_EQ(Installed_Size_Text(1025), "1.00 MB");
    EXPECT_EQ(Installed_Size_Text(2047), "2.00 MB");
    EXPECT_EQ(Installed_Size_Text(3000000000LL), "2929687.50 MB");
    EXPECT_EQ(Installed_Date_Text("20230115"), "2023-01-15");
    EXPECT_EQ(Installed_Date_Text("1015"), "0000-10-15");
    EXPECT_EQ(Installed_Date_Text("2023-01-15"), "2023-01-15");
    EXPECT_EQ(Installed_Date_Text(""), "");
}

TEST_F(InstalledSoftwareTest, FailuresBecomeKeylessRows) {
    port.registry_provider_missing = true;
    Collect_Installed_Software(id, "PC7", list);
    ASSERT_EQ(list.Item_Count(), 1u);
    EXPECT_EQ(list.Item(0).key, "");
    EXPECT_EQ(list.Item(0).text, "Name");
    EXPECT_EQ(list.Item(0).Sub_Item(1), "Feature disabled or not supported by OS");
    EXPECT_TRUE(list.Item(0).bold);
    EXPECT_TRUE(reporter.shown.empty());

    list.Clear_Items();
    port.connect_result = [](const WmiConnectRequest&) { return WmiStatus::Error(Wbem_E_Access_Denied, "Access denied"); };
    Collect_Installed_Software(id, "PC7", list);
    ASSERT_EQ(list.Item_Count(), 1u);
    EXPECT_EQ(list.Item(0).text, "Error");
    EXPECT_EQ(list.Item(0).Sub_Item(1), "Access denied");
    EXPECT_EQ(list.Item(0).small_icon, "NoInfo");
    EXPECT_TRUE(Pending_Error().empty());

    // Any other failure of the enumeration was shown in a box; no row.
    list.Clear_Items();
    port.connect_result = nullptr;
    port.registry_provider_missing = false;
    port.registry_errors["EnumKey"] = WmiStatus::Error(Wbem_E_Failed, "Generic failure");
    Collect_Installed_Software(id, "PC7", list);
    EXPECT_EQ(list.Item_Count(), 0u);
    EXPECT_EQ(reporter.shown.size(), 1u);
}

TEST_F(InstalledSoftwareTest, RefusedRegistryReadIsAnErrorNotAnEmptyList) {
    for (std::int32_t status : {5, 2, 1010}) {
        list.Clear_Items();
        port.registry_statuses["EnumKey"] = status;
        Collect_Installed_Software(id, "PC7", list);
        ASSERT_EQ(list.Item_Count(), 1u) << status;
        EXPECT_EQ(list.Item(0).text, "Error");
        EXPECT_EQ(list.Item(0).small_icon, "NoInfo");
        EXPECT_NE(list.Item(0).Sub_Item(1).find("status " + std::to_string(status)), std::string::npos)
            << list.Item(0).Sub_Item(1);
        EXPECT_TRUE(Is_Failed_Listing(list));
        EXPECT_TRUE(Pending_Error().empty());
    }
    EXPECT_NE(list.Item(0).Sub_Item(1).find(Uninstall_Key_Path), std::string::npos);
    // A key without sub-keys answers 259: an empty list, no error.
    list.Clear_Items();
    port.registry_statuses["EnumKey"] = Reg_Status_No_More_Items;
    Collect_Installed_Software(id, "PC7", list);
    EXPECT_EQ(list.Item_Count(), 0u);
    EXPECT_TRUE(reporter.shown.empty());
}

// A provider without GetDWORDValue (as under Wine) fails alike for every
// product: one box for the listing, every product listed, the size empty.
TEST_F(InstalledSoftwareTest, AMissingMethodIsShownOnceAndEveryProductListed) {
    const std::string u = std::string(Uninstall_Key_Path) + "\\";
    for (int i = 0; i < 200; ++i) port.registry.Set_String(u + "P" + std::to_string(i), "DisplayName", "P");
    port.registry_errors["GetDWORDValue"] = WmiStatus::Error(Wbem_E_Not_Found, "Not found");
    Collect_Installed_Software(id, "PC7", list);
    ASSERT_EQ(list.Item_Count(), 203u);
    EXPECT_EQ(list.Item(0).Sub_Item(1), "Maker");
    EXPECT_EQ(list.Item(0).Sub_Item(4), "2023-01-15");
    EXPECT_EQ(list.Item(0).Sub_Item(5), "");
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(reporter.shown[0], Error_Message_Text({Wbem_E_Not_Found, "Not found"}));
    EXPECT_FALSE(Is_Failed_Listing(list));
    EXPECT_TRUE(Pending_Error().empty());

    // Two distinct failures: each once.
    list.Clear_Items();
    reporter.shown.clear();
    port.registry_errors["GetStringValue"] = WmiStatus::Error(Wbem_E_Failed, "Generic failure");
    Collect_Installed_Software(id, "PC7", list);
    EXPECT_EQ(reporter.shown.size(), 1u);  // no name reads: no product, so no size read either
    EXPECT_EQ(list.Item_Count(), 0u);
}

// A scan run over computers keeps one scope: the failure every computer
// gives alike is one box for the whole run, and the next run tells it again.
TEST_F(InstalledSoftwareTest, AFailureEveryComputerGivesIsShownOncePerRun) {
    port.registry_errors["GetDWORDValue"] = WmiStatus::Error(Wbem_E_Not_Found, "Not found");
    for (int run = 1; run <= 2; ++run) {
        DistinctErrorScope the_run;
        for (int computer = 0; computer < 3; ++computer) {
            list.Clear_Items();
            Collect_Installed_Software(id, "PC7", list);
            EXPECT_GT(list.Item_Count(), 0u);
        }
        EXPECT_EQ(reporter.shown.size(), static_cast<std::size_t>(run));
    }
    EXPECT_TRUE(Pending_Error().empty());
}

// A provider that goes away part-way: the list ends with an error row and
// is no listing a scan stores.
TEST_F(InstalledSoftwareTest, ADisconnectedProviderEndsTheListWithAnErrorRow) {
    port.registry_errors["GetStringValue"] = WmiStatus::Error(Rpc_E_Disconnected, "The object disconnected");
    port.registry_errors_after = 8;  // EnumKey, then Alpha's name and values
    Collect_Installed_Software(id, "PC7", list);
    ASSERT_EQ(list.Item_Count(), 2u);
    EXPECT_EQ(list.Item(0).text, "Alpha");
    EXPECT_EQ(list.Item(1).text, "Error");
    EXPECT_EQ(list.Item(1).Sub_Item(1), "The object disconnected");
    EXPECT_EQ(list.Item(1).small_icon, "NoInfo");
    EXPECT_TRUE(Is_Failed_Listing(list));
    EXPECT_TRUE(reporter.shown.empty());
    EXPECT_TRUE(Pending_Error().empty());
}

// The rows follow the order chosen in the property chooser: the header's
// own rows first, as they always stand, then the catalogue's LIST_ORDER
// (names matched ignoring case), then what the catalogue does not hold in
// the object's order.
TEST_F(CollectorTest, RowsFollowTheFeaturesListOrder) {
    const std::int32_t feature = 9001;
    store.Add_Property(feature, "Size", 1, true);
    store.Add_Property(feature, "Status", 2, true);
    store.Add_Property(feature, "FreeSpace", 3, false);
    store.Add_Property(feature, "Name", 4, true);
    WmiInstance object{"p1", "Win32_Thing",
                       {Wmi_Text("Caption", "cap"), Wmi_Text("Extra", "e"), Wmi_Text("FREESPACE", "9"),
                        Wmi_Text("Name", "nm"), Wmi_Text("Size", "5"), Wmi_Text("Other", "o"),
                        Wmi_Text("Status", "OK")}};
    port.Set_Objects("q", {object, object});
    Collect_WQL_To_ListView(id, "PC7", list, node, "q", Feature_Property_Order(feature));
    std::vector<std::string> names;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) names.push_back(Get_Field(list.Item(i).key, 0));
    const std::vector<std::string> one = {"Name", "Caption", "Size", "Status", "FREESPACE", "Extra", "Other"};
    std::vector<std::string> expected;
    for (int n = 0; n < 2; ++n) {
        expected.push_back("Win32_Thing");
        expected.insert(expected.end(), one.begin(), one.end());
        expected.push_back("Space");
    }
    EXPECT_EQ(names, expected);

    // Without an order (no catalogue rows) the object's own order stands.
    list.Clear_Items();
    Collect_WQL_To_ListView(id, "PC7", list, node, "q", Feature_Property_Order(feature + 1));
    EXPECT_EQ(Get_Field(list.Item(3).key, 0), "Extra");
}

TEST_F(CollectorTest, RepeatedPropertyKeepsItsFirstValueAndTheListingGoesOn) {
    WmiInstance odd{"p1", "Win32_Thing",
                    {Wmi_Text("Name", "first"), Wmi_Text("Size", "1"), Wmi_Text("Name", "second"),
                     Wmi_Text("Size", "2"), Wmi_Array("Caps", CIM_String, {std::string("a")}),
                     Wmi_Array("Caps", CIM_String, {std::string("b")}), Wmi_Text("Last", "z")}};
    WmiInstance next{"p2", "Win32_Thing", {Wmi_Text("Name", "two")}};
    port.Set_Objects("q", {odd, next});
    Collect_WQL_To_ListView(id, "PC7", list, node, "q");
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) texts.push_back(list.Item(i).Sub_Item(1));
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "first", "1", "a", "z", "", "2", "two", ""}));
    EXPECT_FALSE(Is_Failed_Listing(list));
    EXPECT_TRUE(Pending_Error().empty());
    EXPECT_TRUE(reporter.shown.empty());
}

// Objects of one class need not list the same properties in the same
// order: every row's caption is its own property's, whatever the object
// before had at that place.
TEST_F(CollectorTest, CaptionsFollowEachObjectsOwnPropertyOrder) {
    WmiInstance first{"p1", "Win32_Thing", {Wmi_Text("FreeSpace", "1"), Wmi_Text("BlockSize", "2")}};
    WmiInstance second{"p2", "Win32_Thing",
                       {Wmi_Text("BlockSize", "3"), Wmi_Text("VolumeName", "4"), Wmi_Text("FreeSpace", "5")}};
    WmiInstance third{"p3", "Win32_Thing", {Wmi_Text("FreeSpace", "6")}};
    port.Set_Objects("q", {first, second, third});
    Collect_WQL_To_ListView(id, "PC7", list, node, "q");
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < list.Item_Count(); ++i)
        if (list.Item(i).indent == 1) rows.push_back(list.Item(i).text + "=" + list.Item(i).Sub_Item(1));
    EXPECT_EQ(rows, (std::vector<std::string>{"    Free Space=1", "    Block Size=2", "    Block Size=3",
                                              "    Volume Name=4", "    Free Space=5", "    Free Space=6"}));
}

// An object with a great many properties, one of them repeated at the very
// end: the repeat is still caught, and the first value (null: no row) stands.
TEST_F(CollectorTest, RepeatIsCaughtInAnObjectOfManyProperties) {
    WmiInstance wide{"p1", "Win32_Thing", {}};
    for (int i = 0; i < 400; ++i)
        wide.properties.push_back(i == 7 ? Wmi_Null("Property7") : Wmi_Text("Property" + std::to_string(i), "v"));
    wide.properties.push_back(Wmi_Text("Property7", "again"));
    port.Set_Objects("q", {wide});
    Collect_WQL_To_ListView(id, "PC7", list, node, "q");
    ASSERT_EQ(list.Item_Count(), 401u);  // the header, 399 properties, the spacer
    EXPECT_EQ(list.Find_Item("Property7" + S + "1"), nullptr);
    EXPECT_EQ(list.Item(399).key, "Property399" + S + "1");
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(CollectorTest, ClassFeaturesSendOnlyIdentifiers) {
    port.Set_Objects("Select * From SoftwareLicensingService", {WmiInstance{"p", "c", {Wmi_Text("Version", "6")}}});
    Collect_Class_To_ListView(id, "PC7", list, node, "SoftwareLicensingService");
    EXPECT_EQ(port.queries, std::vector<std::string>{"Select * From SoftwareLicensingService"});
    EXPECT_FALSE(Is_Failed_Listing(list));

    list.Clear_Items();
    Collect_Class_To_ListView(id, "PC7", list, node, "Win32_Process WHERE Name='x'");
    EXPECT_EQ(port.queries.size(), 1u);  // nothing more was sent
    ASSERT_EQ(list.Item_Count(), 1u);
    EXPECT_EQ(list.Item(0).key, "Error" + S + "0");
    EXPECT_NE(list.Item(0).Sub_Item(1).find("not a valid WMI class or property name"), std::string::npos);
    EXPECT_TRUE(Is_Failed_Listing(list));
    EXPECT_TRUE(Pending_Error().empty());
}

TEST(FailedListing, OnlyAFailureRowAndBlanks) {
    ListModel list;
    EXPECT_FALSE(Is_Failed_Listing(list));  // nothing came, nothing failed
    ListItem* row = list.Add_Item("Error\x0B" "0", "Name");
    row->small_icon = "NoInfo";
    row->Set_Sub_Item(1, "Access is denied.");
    EXPECT_TRUE(Is_Failed_Listing(list));
    list.Add_Item("", "    ");
    EXPECT_TRUE(Is_Failed_Listing(list));
    list.Add_Item("Name\x0B" "1", "    Name")->Set_Sub_Item(1, "data");
    EXPECT_FALSE(Is_Failed_Listing(list));
    // Data and then a failure: cut off part-way, no whole listing.
    ListItem* cut = list.Add_Item("Error\x0B" "1", "Name");
    cut->small_icon = "NoInfo";
    cut->Set_Sub_Item(1, "The RPC server is unavailable.");
    list.Add_Item("", "");
    EXPECT_TRUE(Is_Failed_Listing(list));

    ListModel refused;
    ListItem* r = refused.Add_Item("NoInfo\x0B" "0", "Name");
    r->small_icon = "NoInfo";
    r->Set_Sub_Item(1, Not_Supported_Text);
    EXPECT_FALSE(Is_Failed_Listing(refused));  // the computer's answer, stored as such

    // "No Information Available" is a listing that worked and found nothing.
    ListModel empty;
    ListItem* e = empty.Add_Item("NoInfo\x0B" "0", "Name");
    e->small_icon = "NoInfo";
    e->Set_Sub_Item(1, No_Information_Text);
    EXPECT_FALSE(Is_Failed_Listing(empty));
    ListModel keyless;
    ListItem* k = keyless.Add_Item("", "Error");
    k->small_icon = "NoInfo";
    k->Set_Sub_Item(1, "RPC server unavailable");
    EXPECT_TRUE(Is_Failed_Listing(keyless));
}

}  // namespace
}  // namespace crv

namespace crv {
namespace {

// A listing of about 50,000 rows through the fake port: the list's key index
// may do only a constant amount of work per row, whatever the row count.
TEST_F(CollectorTest, LargeListingKeepsIndexWorkLinear) {
    std::vector<WmiInstance> objects;
    constexpr int Objects = 6250;
    for (int i = 0; i < Objects; ++i)
        objects.push_back(WmiInstance{"p" + std::to_string(i), "Win32_Thing",
                                      {Wmi_Text("Caption", "c"), Wmi_Text("Name", "n" + std::to_string(i)),
                                       Wmi_Text("Size", "9"), Wmi_Text("Status", "OK"), Wmi_Uint32("Count", i),
                                       Wmi_Text("Model", "m")}});
    port.Set_Objects("SELECT * FROM Win32_Thing", std::move(objects));
    Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing");
    ASSERT_EQ(list.Item_Count(), static_cast<std::size_t>(Objects) * 8);
    EXPECT_LE(list.Index_Work(), list.Item_Count() * 4);
    EXPECT_EQ(list.Item(list.Item_Count() - 8).key, "Win32_Thing" + S + std::to_string(Objects));
    EXPECT_EQ(list.Item(list.Item_Count() - 7).key, "Model" + S + std::to_string(Objects));
}

}  // namespace
}  // namespace crv
