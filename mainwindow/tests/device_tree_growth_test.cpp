// Start-up against a large network costs the store what it costs against a
// single computer: the device tree reads every device in one query, and the
// search for the first computer asks the store about no group. Counted in
// store connections, not timed.
#include "mainwindow/tests/controller_fixture.h"
#include "store/tests/connection_counter.h"

namespace crv::test {
namespace {

int Start_Up_Connections(MainController& c) {
    ConnectionCounter counter;
    c.Initialize_Main_Window(true);
    c.Select_Default_Computer();
    return counter.count;
}

TEST_F(ControllerTest, StartUpStoreCallsDoNotGrowWithTheNetwork) {
    const int one_computer = Start_Up_Connections(c_);
    ASSERT_GT(one_computer, 0);
    ASSERT_GT(c_.tvwFeatures.Count(), 0u);
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC7");

    // 50 groups under the root group, 5,000 computers spread over them; they
    // sort before PC7's fellow members of the root group.
    db_.Exec("INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, PARENT, DEV_TYPE_ID) WITH RECURSIVE n(i) AS (SELECT 1 "
             "UNION ALL SELECT i+1 FROM n WHERE i<50) SELECT printf('Group %02d',i), '', 1, 1 FROM n");
    db_.Exec("INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, PARENT, DEV_TYPE_ID) WITH RECURSIVE n(i) AS (SELECT 1 "
             "UNION ALL SELECT i+1 FROM n WHERE i<5000) SELECT printf('PC%04d',i), '', (SELECT DEV_ID FROM "
             "DEV_TBL WHERE DEV_TYPE_ID=1 AND DEV_NAME=printf('Group %02d',(i-1)%50+1)), 2 FROM n");
    MainController network;
    network.Set_Host(&host_);
    const int large = Start_Up_Connections(network);
    EXPECT_EQ(large, one_computer);

    // The model holds every device, each under its group, and the same
    // computer becomes the root.
    EXPECT_EQ(network.tvwDevices.Count(), 1u + 50u + 1u + 5000u);
    const TreeNode* pc = network.tvwDevices.Find("DEV" + db_.Scalar("SELECT DEV_ID FROM DEV_TBL WHERE "
                                                                    "DEV_NAME='PC0123'"));
    ASSERT_NE(pc, nullptr);
    ASSERT_NE(pc->parent, nullptr);
    EXPECT_EQ(pc->parent->text, "Group 23");
    EXPECT_EQ(pc->parent->children.size(), 100u);
    ASSERT_NE(network.Find_First_Computer_Node(), nullptr);
    EXPECT_EQ(network.Find_First_Computer_Node()->text, "PC7");
    EXPECT_EQ(network.tvwFeatures.Nodes().front()->text, "PC7");
}

// Start-up reads what it shows and writes none of it back: the settings row,
// the feature tree, the report names, the device types, the devices, the
// chosen computer's kind (once, though both the search and the click need
// it) and its scan dates. A flag stored in another form than the one written
// is still rewritten in that form.
TEST_F(ControllerTest, StartUpReadsEachThingOnceAndWritesNothingBack) {
    db_.Exec("UPDATE SETTINGS_TBL SET WORK_ONLINE='True', VERTICAL_LISTING='False'");
    const std::uint64_t changes = Store_Change_Count();
    EXPECT_EQ(Start_Up_Connections(c_), 8);
    EXPECT_EQ(Store_Change_Count(), changes);
    EXPECT_TRUE(c_.Checked("mnuWorkOnline"));
    EXPECT_TRUE(c_.Checked("mnuViewHorizontal"));
    ASSERT_GT(c_.tvwFeatures.Count(), 0u);
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC7");

    db_.Exec("UPDATE SETTINGS_TBL SET WORK_ONLINE='-1', VERTICAL_LISTING='1'");
    MainController again;
    again.Set_Host(&host_);
    Start_Up_Connections(again);
    EXPECT_EQ(db_.Scalar("SELECT WORK_ONLINE || '/' || VERTICAL_LISTING FROM SETTINGS_TBL"), "True/True");
    EXPECT_TRUE(again.Checked("mnuWorkOnline"));
    EXPECT_TRUE(again.Checked("mnuViewVertical"));
}

// A click on a live class of another computer costs the store four
// connections the first time: the device's kind, the class's properties, the
// device's credentials, and whether its name is this computer's. The kind
// and the class's properties are kept from then on, until the store
// changes: three for another class, two for the same. The feature's id
// comes with its node.
TEST_F(ControllerTest, AClickOnALiveClassOpensTheStoreOnlyForWhatIsNotKept) {
    Set_Online(true);
    Start();
    const std::pair<const char*, int> clicks[] = {
        {"Win32_Processor", 4}, {"Win32_OperatingSystem", 3}, {"Win32_Processor", 2}};
    for (const auto& [key, connections] : clicks) {
        ConnectionCounter counter;
        Click(key);
        EXPECT_EQ(counter.count, connections) << key;
        ASSERT_GT(c_.lvwMain.Column_Count(), 1u);
        EXPECT_EQ(Get_Field(c_.lvwMain.Column(0).tag, 2), std::to_string(Get_Feature_ID(key))) << key;
        EXPECT_EQ(Get_Field(c_.lvwMain.Column(0).tag, 3), key);
    }
    EXPECT_FALSE(Query_Of("Win32_OperatingSystem").empty());

    // This computer connects under the caller's own account: its stored
    // credentials are not read, and none reach the connection.
    const std::int32_t local = Add_Device("localpc", "admin", "secret", 0, 0, 0, 0, "x", 1, 2, "CORP", "tester");
    ASSERT_GT(local, 0);
    c_.Set_Features_Root("localpc", std::to_string(local) + SEP + "2", "DEV" + std::to_string(local));
    // The device's kind, and the properties again: adding the device wrote
    // to the store, which drops what was kept.
    {
        ConnectionCounter counter;
        Click("Win32_Processor");
        EXPECT_EQ(counter.count, 2);
    }
    ASSERT_FALSE(wmi_.connects.empty());
    EXPECT_EQ(wmi_.connects.back().user, "");
    EXPECT_EQ(wmi_.connects.back().password, "");
    // Then nothing: this computer's kind and the properties are kept.
    {
        ConnectionCounter counter;
        Click("Win32_Processor");
        EXPECT_EQ(counter.count, 0);
    }
    ASSERT_TRUE(Set_Feature_Props_Active(Get_Feature_ID("Win32_Processor"), true));
    ConnectionCounter counter;
    Click("Win32_Processor");
    EXPECT_EQ(counter.count, 2);
}

}  // namespace
}  // namespace crv::test
