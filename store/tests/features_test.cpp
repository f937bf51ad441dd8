#include <gtest/gtest.h>

#include <set>
#include <string>

#include "store/features.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {
namespace {

using test::TestDatabase;

TEST(Features, TheShippedTreeLoadsEveryActiveFeatureUnderItsParent) {
    TestDatabase db;
    for (bool online : {true, false}) {
        TreeModel tree;
        ASSERT_TRUE(Load_Features_Tree(tree, online, false)) << Pending_Error().description;
        std::string where = online ? "" : " AND OFFLINE=1";
        EXPECT_EQ(std::to_string(tree.Count()),
                  db.Scalar("SELECT COUNT(*) FROM FEATURE_TBL WHERE FEATURE_ID!=0 AND ACTIVE=1" + where));
        ASSERT_FALSE(tree.Roots().empty());
        EXPECT_EQ(tree.Roots().front()->key, "[Root...]");
        EXPECT_EQ(tree.Roots().front()->tag, "1");
        for (TreeNode* node : tree.Nodes()) {
            EXPECT_TRUE(node->checked) << node->key;
            EXPECT_EQ(node->tag, db.Scalar("SELECT FEATURE_ID FROM FEATURE_TBL WHERE FEATURE_KEY='" + node->key + "'"));
        }
        // The live lists cannot be shown offline.
        EXPECT_EQ(tree.Find("RTT_RemoteTaskManager") != nullptr, online);
    }
    EXPECT_TRUE(db.reporter.boxes.empty());
}

TEST(Features, ReportNodesFollowTheFeaturesUnderTheReportGroup) {
    TestDatabase db;
    db.Exec("INSERT INTO TAB_REPORT_NAMES_TBL (REPORT_NAME, REPORT_VISIBILITY, GROUP_ID) VALUES ('b report','0011',0), "
            "('A report','0011',0)");
    TreeModel tree;
    ASSERT_TRUE(Load_Features_Tree(tree, true, true));
    TreeNode* group = tree.Find("Tabu_0");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->parent, nullptr);
    EXPECT_EQ(tree.Roots().back(), group);
    ASSERT_EQ(group->children.size(), 2u);
    EXPECT_EQ(group->children[0]->text, "A report");
    EXPECT_EQ(group->children[1]->image, "TabularReport");
}

TEST(Features, AnOrphanEndsTheFillingWithAReasonAndNoFeaturesLeaveTheTreeEmpty) {
    TestDatabase db(false);
    db.Exec("INSERT INTO FEATURE_TBL (FEATURE_KEY, FEATURE_NAME, NODE_TYPE, PARENT) VALUES ('[Root...]','Sum',0,0), "
            "('Win32_X','X',2,99)");
    TreeModel tree;
    EXPECT_FALSE(Load_Features_Tree(tree, true, true));
    EXPECT_EQ(tree.Count(), 1u);
    EXPECT_NE(Pending_Error().description.find("Win32_X"), std::string::npos);
    db.Exec("DELETE FROM FEATURE_TBL");
    EXPECT_FALSE(Load_Features_Tree(tree, true, true));
    EXPECT_EQ(tree.Count(), 0u);
}

// A read that fails is no read without features: the tree keeps what it
// held, and the store's box says why.
TEST(Features, AFailedReadLeavesTheTreeItHeld) {
    TestDatabase db;
    TreeModel tree;
    ASSERT_TRUE(Load_Features_Tree(tree, true, true));
    const std::size_t held = tree.Count();
    ASSERT_GT(held, 1u);
    db.Exec("ALTER TABLE FEATURE_TBL RENAME TO FEATURE_TBL_AWAY");
    EXPECT_FALSE(Load_Features_Tree(tree, true, true));
    EXPECT_EQ(tree.Count(), held);
    EXPECT_NE(tree.Find("[Root...]"), nullptr);
    EXPECT_EQ(db.reporter.boxes.size(), 1u);
}

TEST(Features, SaveFeatureUpdatesInPlaceAndAMissingParentGivesTheRoot) {
    TestDatabase db;
    std::int32_t root_id = Get_Feature_ID("[Root...]");
    ASSERT_EQ(root_id, 1);
    EXPECT_EQ(Get_Feature_ID("No_Such_Feature"), 0);
    EXPECT_EQ(Get_Feature_ID("x' OR '1'='1"), 0);

    ASSERT_TRUE(Save_Feature("Cust_Test", "O'Brien's list", "Zoë's", "2", "Info", "No_Parent_Key"));
    std::int32_t id = Get_Feature_ID("Cust_Test");
    ASSERT_GT(id, 1);
    EXPECT_EQ(db.Scalar("SELECT PARENT || '|' || FEATURE_NAME || '|' || FEATURE_DESC FROM FEATURE_TBL WHERE "
                        "FEATURE_ID=" + std::to_string(id)),
              "1|O'Brien's list|Zoë's");
    db.Exec("UPDATE FEATURE_TBL SET OFFLINE=0, ACTIVE=0 WHERE FEATURE_ID=" + std::to_string(id));

    ASSERT_TRUE(Save_Feature("Cust_Test", "Renamed", "", "1", "Other", "[Root...]"));
    EXPECT_EQ(Get_Feature_ID("Cust_Test"), id);
    SqlResult row = db.Query("SELECT FEATURE_NAME, NODE_TYPE, IMAGE, PARENT, ACTIVE, OFFLINE FROM FEATURE_TBL WHERE "
                             "FEATURE_KEY='Cust_Test'");
    ASSERT_EQ(row.Data_Row_Count(), 1u);
    EXPECT_EQ(row.Text(1, 0), "Renamed");
    EXPECT_EQ(row.Text(1, 1), "1");
    EXPECT_EQ(row.Text(1, 3), std::to_string(root_id));
    EXPECT_EQ(row.Text(1, 4) + row.Text(1, 5), "00");
}

TEST(Features, PropertyChoicesSaveAsOneUnitAndKeepTheirKeys) {
    TestDatabase db(false);
    db.Exec("INSERT INTO PROPS_TBL (PROP_ID, PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER) "
            "VALUES (50, 'Name', 'Name', 'the name', 1, 7, 1), (51, 'Size', 'Size', 'bytes', 1, 7, 2), "
            "(52, 'Name', 'Other feature', '', 1, 8, 1)");
    SqlResult props;
    EXPECT_FALSE(Get_Feature_Props(99, props, false));  // no properties

    ListModel list;
    list.Add_Item("Size", "Size in bytes")->checked = false;
    list.Add_Item(" Name ", "Zoë's name")->checked = true;
    list.Add_Item("O'Hara", "O'Hara")->checked = true;
    ASSERT_TRUE(Save_Feature_Props(list, 7));
    ASSERT_TRUE(Get_Feature_Props(7, props, false));
    ASSERT_EQ(props.Data_Row_Count(), 3u);
    EXPECT_EQ(props.Text(1, 0), "51");
    EXPECT_EQ(props.Text(1, 2), "Size in bytes");
    EXPECT_EQ(props.Text(1, 3), "");  // replaced whole
    EXPECT_EQ(props.Text(1, 4), "0");
    EXPECT_EQ(props.Text(2, 0), "50");
    EXPECT_EQ(props.Text(2, 2), "Zoë's name");
    EXPECT_EQ(props.Text(3, 1), "O'Hara");
    ASSERT_TRUE(Get_Feature_Props(7, props, true));
    EXPECT_EQ(props.Data_Row_Count(), 2u);
    EXPECT_EQ(db.Scalar("SELECT PROP_DISP_NAME FROM PROPS_TBL WHERE PROP_ID=52"), "Other feature");

    ASSERT_TRUE(Set_Feature_Props_Active(7, false));
    EXPECT_FALSE(Get_Feature_Props(7, props, true));

    // A failing row discards the whole save.
    db.Exec("CREATE TRIGGER NO_BAD BEFORE INSERT ON PROPS_TBL WHEN NEW.PROP_NAME='Bad' BEGIN SELECT RAISE(ABORT,'bad "
            "row'); END");
    ListModel failing;
    failing.Add_Item("Size", "Changed")->checked = true;
    failing.Add_Item("Bad", "Bad");
    EXPECT_FALSE(Save_Feature_Props(failing, 7));
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("bad row"), std::string::npos);
    EXPECT_EQ(db.Scalar("SELECT PROP_DISP_NAME FROM PROPS_TBL WHERE PROP_ID=51"), "Size in bytes");
}

TEST(Features, PropertiesDifferingOnlyInCaseReadAsTheOldestOne) {
    TestDatabase db(false);
    db.Exec("INSERT INTO PROPS_TBL (PROP_ID, PROP_NAME, PROP_DISP_NAME, ACTIVE, FEATURE_ID, LIST_ORDER) VALUES "
            "(60, 'ProcessId', 'Process ID', 0, 7, 2), (61, 'PROCESSID', 'Process ID', 1, 7, 1), "
            "(62, 'Name', 'Name', 1, 7, 3), (63, 'processid', 'Other feature', 1, 8, 1)");
    SqlResult props;
    ASSERT_TRUE(Get_Feature_Props(7, props, false));
    ASSERT_EQ(props.Data_Row_Count(), 2u);
    EXPECT_EQ(props.Text(1, 0) + "," + props.Text(2, 0), "60,62");
    ASSERT_TRUE(Get_Feature_Props(7, props, true));  // the twin does not stand in for the unchosen one
    ASSERT_EQ(props.Data_Row_Count(), 1u);
    EXPECT_EQ(props.Text(1, 1), "Name");
    ASSERT_TRUE(Get_Feature_Props(8, props, true));
    EXPECT_EQ(props.Text(1, 0), "63");
}

}  // namespace
}  // namespace crv
