#include <gtest/gtest.h>

#include <string>

#include "core/error.h"
#include "store/devices.h"
#include "store/tabular.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {
namespace {

using test::TestDatabase;

std::int32_t New_Report(std::string* name = nullptr) {
    std::int32_t id = 0;
    std::string n, visibility;
    EXPECT_TRUE(Add_Tabular_Report_Name(0, id, n, visibility));
    if (name) *name = n;
    return id;
}

TEST(TabularReports, NewNamesTakeTheSmallestFreeNumberInAnyCase) {
    TestDatabase db;
    db.Exec("INSERT INTO TAB_REPORT_NAMES_TBL (REPORT_NAME, REPORT_VISIBILITY, GROUP_ID) VALUES "
            "('TABULAR_REPORT(1)','0011',0), ('tabular_report(3)','0011',0)");
    std::int32_t id = 0;
    std::string name, visibility;
    ASSERT_TRUE(Add_Tabular_Report_Name(0, id, name, visibility));
    EXPECT_EQ(name, "TABULAR_REPORT(2)");
    EXPECT_EQ(visibility.size(), 254u);
    EXPECT_EQ(visibility.substr(0, 5), "00110");
    EXPECT_EQ(db.Scalar("SELECT REPORT_NAME FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=" + std::to_string(id)), name);
    ASSERT_TRUE(Add_Tabular_Report_Name(0, id, name, visibility));
    EXPECT_EQ(name, "TABULAR_REPORT(4)");

    // Deleted keys are not handed out again.
    ASSERT_TRUE(Delete_Tabular_Report_Name(id));
    std::int32_t next = New_Report();
    EXPECT_GT(next, id);
}

TEST(TabularReports, RenamingRefusesAnotherReportsNameInAnyCase) {
    TestDatabase db;
    std::string first_name;
    std::int32_t first = New_Report(&first_name);
    std::int32_t second = New_Report();
    EXPECT_FALSE(Rename_Tabular_Report(second, "tabular_report(1)"));
    EXPECT_TRUE(Rename_Tabular_Report(first, "Tabular_Report(1)"));  // its own name, other case
    EXPECT_TRUE(Rename_Tabular_Report(second, "O'Brien's Zoë report"));
    EXPECT_EQ(db.Scalar("SELECT REPORT_NAME FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=" + std::to_string(second)),
              "O'Brien's Zoë report");
    EXPECT_FALSE(Rename_Tabular_Report(first, "o'brien's zoë report"));
    EXPECT_TRUE(db.reporter.boxes.empty());
    EXPECT_FALSE(Is_Valid_Report_Name(""));
    EXPECT_FALSE(Is_Valid_Report_Name(std::string(256, 'r')));
    EXPECT_TRUE(Is_Valid_Report_Name(std::string(255, 'r')));
    std::string cyrillic;
    for (int i = 0; i < 255; ++i) cyrillic += "ж";  // 510 bytes, 255 characters
    EXPECT_TRUE(Is_Valid_Report_Name(cyrillic));
    EXPECT_EQ(Get_Number_From_Key("Tabu_0"), 0);
    EXPECT_EQ(Get_Number_From_Key("Tabu_12"), 12);
    EXPECT_EQ(Get_Number_From_Key("Tabu_"), 0);
}

TEST(TabularReports, VisibilityComputersAndGridRows) {
    TestDatabase db;
    std::int32_t report = New_Report();
    std::vector<std::string> flags;
    ASSERT_TRUE(Get_Report_Visibility(report, flags));
    ASSERT_EQ(flags.size(), 254u);
    EXPECT_EQ(flags[2], "1");
    ASSERT_TRUE(Set_Report_Visibility("0011101", report));
    ASSERT_TRUE(Get_Report_Visibility(report, flags));
    EXPECT_EQ(flags.size(), 7u);
    EXPECT_FALSE(Get_Report_Visibility(9999, flags));
    EXPECT_EQ(db.reporter.boxes.size(), 1u);

    std::int32_t pc = Add_Device("PC'1", "", "", 0, 0, 0, 0, "", 1, 2, "", "me");
    EXPECT_FALSE(Is_Computer_In_Tabular_Report(report, pc));
    ASSERT_TRUE(Add_Tabular_Report_Computer(report, pc));
    EXPECT_TRUE(Is_Computer_In_Tabular_Report(report, pc));
    SqlResult computers;
    ASSERT_TRUE(Get_Tabular_Report_Computers(report, computers));
    EXPECT_EQ(computers.Number(1, 0), pc);
    ASSERT_TRUE(Add_Tabular_Report_Row(pc, "PC'1"));
    ASSERT_TRUE(Add_Tabular_Report_Row(pc, "PC'1 again"));  // ignored
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) || DEV_NAME FROM TABULAR_REPORT_TBL WHERE TR_ID>0"), "1PC'1");
    ASSERT_TRUE(Clear_Tabular_Report_Computers(report));
    EXPECT_FALSE(Is_Computer_In_Tabular_Report(report, pc));

    std::int32_t rows = 0;
    SqlResult header;
    ASSERT_TRUE(Get_Tabular_Report_Header(rows, header));
    ASSERT_EQ(rows, 6);
    EXPECT_EQ(header.Text(1, 0), "0");
    EXPECT_EQ(header.Text(6, 0), "-5");
    std::string tr = db.Scalar("SELECT TR_ID FROM TABULAR_REPORT_TBL WHERE DEV_ID=" + std::to_string(pc));
    SqlResult grid;
    ASSERT_TRUE(Get_Tabular_Report_Rows(rows, grid, static_cast<std::int32_t>(std::stoi(tr))));
    ASSERT_EQ(rows, 7);
    EXPECT_EQ(grid.Text(1, 0), "-5");
    EXPECT_EQ(grid.Text(6, 0), "0");
    EXPECT_EQ(grid.Text(7, 0), tr);
    ASSERT_TRUE(Get_Tabular_Report_Rows(rows, grid, 0));
    EXPECT_EQ(rows, 6);
}

TEST(TabularReports, TheGridShowsVisibleColumnsAndEveryComputerOfTheReport) {
    TestDatabase db;
    std::int32_t report = New_Report();
    std::size_t columns = db.Query("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID=-3").Column_Count();
    ASSERT_GT(columns, 6u);
    // DEV_NAME, SCAN_DATE and the first property; the text is shorter than the grid.
    ASSERT_TRUE(Set_Report_Visibility("00111", report));

    ListModel empty;
    ASSERT_TRUE(Show_Tabular_Report(empty, "Tabu_" + std::to_string(report)));
    EXPECT_EQ(empty.Column_Count(), 3u);
    EXPECT_EQ(empty.Item_Count(), 0u);

    // More computers than one OR chain can carry.
    db.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1500) "
            "INSERT INTO DEV_TBL (DEV_NAME, PARENT, DEV_TYPE_ID) SELECT 'PC' || i, 1, 2 FROM n");
    db.Exec("INSERT INTO TABULAR_REPORT_TBL (DEV_ID, DEV_NAME) SELECT DEV_ID, DEV_NAME FROM DEV_TBL WHERE DEV_TYPE_ID=2");
    db.Exec("INSERT INTO TAB_REPORT_COMPUTERS_TBL (TN_ID, DEV_ID) SELECT " + std::to_string(report) +
            ", DEV_ID FROM DEV_TBL WHERE DEV_TYPE_ID=2");
    std::int32_t other_pc = Add_Device("ELSEWHERE", "", "", 0, 0, 0, 0, "", 1, 2, "", "me");
    ASSERT_TRUE(Add_Tabular_Report_Row(other_pc, "ELSEWHERE"));
    std::string first_col = db.Query("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID=-3").Column_Name(4);
    db.Exec("UPDATE TABULAR_REPORT_TBL SET SCAN_DATE='2024-03-05 10:00:00', " + first_col +
            "='Dell''s' WHERE DEV_NAME='PC7'");

    ListModel grid;
    ASSERT_TRUE(Show_Tabular_Report(grid, "Tabu_" + std::to_string(report)));
    EXPECT_TRUE(db.reporter.boxes.empty());
    ASSERT_EQ(grid.Item_Count(), 1500u);
    ASSERT_EQ(grid.Column_Count(), 3u);
    EXPECT_EQ(grid.Column(0).key, "DEV_NAME");
    EXPECT_EQ(grid.Column(0).text, db.Scalar("SELECT DEV_NAME FROM TABULAR_REPORT_TBL WHERE TR_ID=-3"));
    EXPECT_EQ(grid.Column(0).width_twips,
              std::stod(db.Scalar("SELECT DEV_NAME FROM TABULAR_REPORT_TBL WHERE TR_ID=-4")));
    EXPECT_EQ(grid.Column(2).key, first_col);
    const ListItem* seventh = grid.Find_Item(
        "k" + db.Scalar("SELECT TR_ID FROM TABULAR_REPORT_TBL WHERE DEV_NAME='PC7'"));
    ASSERT_NE(seventh, nullptr);
    EXPECT_EQ(seventh->text, "PC7");
    EXPECT_EQ(seventh->small_icon, "Computer");
    EXPECT_EQ(seventh->Sub_Item(1), "2024-03-05 10:00:00");
    EXPECT_EQ(seventh->Sub_Item(2), "Dell's");
    EXPECT_EQ(grid.Item(0).text, "PC1");  // table order

    // A renamed computer's row takes the new name.
    std::int32_t pc7 = Get_Device_ID("PC7", 2);
    ASSERT_TRUE(Rename_Device(pc7, "PC7 renamed"));
    ListModel again;
    ASSERT_TRUE(Show_Tabular_Report(again, "Tabu_" + std::to_string(report)));
    EXPECT_EQ(again.Find_Item(seventh->key)->text, "PC7 renamed");
}

TEST(TabularReports, AReportWithoutVisibilityIsEmptyWithoutABox) {
    TestDatabase db;
    std::int32_t report = New_Report();
    ASSERT_TRUE(Set_Report_Visibility("", report));
    for (const std::string& key : {"Tabu_" + std::to_string(report), std::string("Tabu_9999")}) {
        ListModel list;
        EXPECT_TRUE(Show_Tabular_Report(list, key)) << key;
        EXPECT_EQ(list.Column_Count(), 0u);
        EXPECT_EQ(list.Item_Count(), 0u);
    }
    EXPECT_TRUE(db.reporter.boxes.empty());
    // The visibility reader itself still refuses, once, and leaves nothing
    // pending for a second box.
    std::vector<std::string> flags;
    EXPECT_FALSE(Get_Report_Visibility(report, flags));
    EXPECT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_TRUE(Pending_Error().empty());
}

TEST(TabularReports, NamesComeGroupFirstAndLoadUnderTheGroupNode) {
    TestDatabase db;
    std::int32_t a = New_Report();
    New_Report();
    ASSERT_TRUE(Rename_Tabular_Report(a, "Zz last"));
    std::int32_t rows = 0;
    SqlResult names;
    ASSERT_TRUE(Get_Tabular_Report_Names(rows, names));
    ASSERT_EQ(rows, 3);
    EXPECT_EQ(names.Text(1, 0), "0");
    EXPECT_EQ(names.Text(3, 1), "Zz last");
    TreeModel tree;
    tree.Add_Root("[Root...]", "System Summary");
    ASSERT_TRUE(Load_Tabular_Report_Nodes(tree));
    TreeNode* group = tree.Find("Tabu_0");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->parent, nullptr);
    ASSERT_EQ(group->children.size(), 2u);
    EXPECT_EQ(group->children[1]->key, "Tabu_" + std::to_string(a));
}

}  // namespace
}  // namespace crv

namespace crv {
namespace {

TEST(TabularReports, SavingVisibilityAndComputersIsAllOrNothing) {
    test::TestDatabase db;
    std::int32_t report = New_Report();
    std::int32_t a = Add_Device("A'1", "", "", 0, 0, 0, 0, "", 1, 2, "", "me");
    std::int32_t b = Add_Device("B2", "", "", 0, 0, 0, 0, "", 1, 2, "", "me");
    ASSERT_TRUE(Add_Tabular_Report_Row(b, "B2 as first stored"));
    ASSERT_TRUE(Add_Tabular_Report_Computer(report, b));

    ASSERT_TRUE(Save_Tabular_Report(report, "00111", {{a, "A'1"}}));
    EXPECT_EQ(db.Scalar("SELECT REPORT_VISIBILITY FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=" + std::to_string(report)),
              "00111");
    EXPECT_TRUE(Is_Computer_In_Tabular_Report(report, a));
    EXPECT_FALSE(Is_Computer_In_Tabular_Report(report, b));
    // The unlinked computer keeps its grid row: other reports share it.
    EXPECT_EQ(db.Scalar("SELECT DEV_NAME FROM TABULAR_REPORT_TBL WHERE DEV_ID=" + std::to_string(b)),
              "B2 as first stored");
    EXPECT_EQ(db.Scalar("SELECT DEV_NAME FROM TABULAR_REPORT_TBL WHERE DEV_ID=" + std::to_string(a)), "A'1");

    // Many computers in one save.
    std::vector<TabularReportComputer> many;
    for (int i = 0; i < 900; ++i) many.push_back({10000 + i, "N" + std::to_string(i)});
    ASSERT_TRUE(Save_Tabular_Report(report, "0011", many));
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM TAB_REPORT_COMPUTERS_TBL WHERE TN_ID=" + std::to_string(report)), "900");

    // A link that cannot be written undoes the visibility and the clearing.
    db.Exec("CREATE TRIGGER NO_B BEFORE INSERT ON TAB_REPORT_COMPUTERS_TBL WHEN NEW.DEV_ID=" + std::to_string(b) +
            " BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_FALSE(Save_Tabular_Report(report, "00100", {{a, "A'1"}, {b, "B2"}}));
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("refused"), std::string::npos);
    EXPECT_EQ(db.Scalar("SELECT REPORT_VISIBILITY FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=" + std::to_string(report)),
              "0011");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM TAB_REPORT_COMPUTERS_TBL WHERE TN_ID=" + std::to_string(report)), "900");
    EXPECT_FALSE(Is_Computer_In_Tabular_Report(report, a));
}

}  // namespace
}  // namespace crv
