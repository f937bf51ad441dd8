// Names read from computers or stored in the catalogue reach WQL only as
// identifiers: a property or feature name that would rewrite the query is
// refused with the listing's error row, and nothing is sent.
#include "mainwindow/tests/controller_fixture.h"
#include "wmi/collectors.h"

namespace crv::test {
namespace {

TEST_F(ControllerTest, HostileNamesNeverReachAQuery) {
    auto feature = [](const char* key, const char* name) {
        ASSERT_TRUE(Save_Feature(key, name, "", "2", "Info", "Hardware"));
    };
    feature("Win32_Service", "Services table");
    feature("Win32_Thing WHERE Name='x'", "Hostile class");
    feature("Lic_Licence FROM Win32_Process", "Hostile licensing");
    const std::string service = std::to_string(Get_Feature_ID("Win32_Service"));
    db_.Exec("INSERT INTO PROPS_TBL(PROP_NAME, FEATURE_ID, LIST_ORDER) VALUES ('Name', " + service + ", 1)");
    db_.Exec("INSERT INTO PROPS_TBL(PROP_NAME, FEATURE_ID, LIST_ORDER) VALUES ('X FROM Win32_Process WHERE Name', " +
             service + ", 2)");
    Start();

    for (const char* key : {"Win32_Service", "Win32_Thing WHERE Name='x'", "Lic_Licence FROM Win32_Process"}) {
        wmi_.queries.clear();
        Click(key);
        EXPECT_TRUE(wmi_.queries.empty()) << key << ": " << (wmi_.queries.empty() ? "" : wmi_.queries.back());
        ASSERT_GE(c_.lvwMain.Item_Count(), 1u) << key;
        const ListItem& row = c_.lvwMain.Item(0);
        EXPECT_EQ(Get_Field(row.key, 0), "Error") << key;
        EXPECT_NE(row.Sub_Item(1).find("not a valid WMI class or property name"), std::string::npos) << key;
        EXPECT_TRUE(Is_Failed_Listing(c_.lvwMain)) << key;
        EXPECT_TRUE(Pending_Error().empty());
    }
    EXPECT_TRUE(host_.boxes.empty());

    // With the hostile name gone the same feature is queried as usual.
    db_.Exec("DELETE FROM PROPS_TBL WHERE PROP_NAME LIKE '% %'");
    Click("Win32_Service");
    ASSERT_FALSE(wmi_.queries.empty());
    EXPECT_EQ(wmi_.queries.back(), "SELECT Name FROM Win32_Service");
}

}  // namespace
}  // namespace crv::test
