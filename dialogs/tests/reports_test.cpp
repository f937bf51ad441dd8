// The predefined reports viewer against a fresh store: picking a report,
// the date range, the result table, sorting and the export.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/error.h"
#include "core/tests/read_all.h"
#include "dialogs/frm_reports_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

using test::Read_All;

class ReportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clear_Error();
        db_.Exec("INSERT INTO REPORT_TBL (REPORT_NAME, REPORT_QUERY, ACTIVE, LIST_ORDER) VALUES "
                 "('Range', 'SELECT ''dateFrom'' AS \"From\", ''dateTo'' AS \"To\"', 1, 1), "
                 "('Since', 'SELECT DEV_NAME AS Computer FROM DEV_TBL WHERE ''x''>=''dateFrom'' ORDER BY 1', 1, 2), "
                 "('Twice', 'SELECT 1 AS N, 2 AS N, 3 AS M', 1, 3), "
                 "('Wiper', 'DELETE FROM DEV_TBL', 1, 4), "
                 "('Off', 'SELECT 0', 0, 0)");
        db_.Exec("INSERT INTO DEV_TBL (DEV_NAME, DEV_TYPE_ID, PARENT) VALUES ('PC-B', 2, 1), ('PC-A', 2, 1), "
                 "('pc-c', 2, 1)");
        host_.now = {2024, 3, 31, 10, 0, 0};
    }
    void Pick(const std::string& name) {
        for (std::size_t i = 0; i < c_.cboReports.size(); ++i)
            if (c_.cboReports[i] == name) c_.cboReports_index = static_cast<int>(i);
        c_.cboReports_Click();
    }
    std::string File(const std::string& name) const {
        auto s = (db_.Folder() / name).u8string();
        return std::string(s.begin(), s.end());
    }

    test::TestDatabase db_{false};
    test::TestDialogHost host_;
    ReportsController c_{host_};
};

TEST(ReportDates, ToDateRunsUpToTheDayAfter) {
    EXPECT_EQ(Replace_Report_Dates("d >= 'dateFrom' AND d < 'dateTo' OR 'dateFrom'", {2024, 3, 1}, {2024, 3, 31}),
              "d >= '2024-03-01' AND d < '2024-04-01' OR '2024-03-01'");
    EXPECT_EQ(Next_Day({2024, 2, 28}), (StoreDate{2024, 2, 29}));
    EXPECT_EQ(Next_Day({2023, 2, 28}), (StoreDate{2023, 3, 1}));
    EXPECT_EQ(Next_Day({1900, 2, 28}), (StoreDate{1900, 3, 1}));
    EXPECT_EQ(Next_Day({2000, 2, 29}), (StoreDate{2000, 3, 1}));
    EXPECT_EQ(Next_Day({2024, 12, 31}), (StoreDate{2025, 1, 1}));
    EXPECT_EQ(Next_Day({2024, 4, 30}), (StoreDate{2024, 5, 1}));
    // Only the exact words are placeholders.
    EXPECT_EQ(Replace_Report_Dates("datefrom DATETO", {2024, 1, 1}, {2024, 1, 1}), "datefrom DATETO");
}

TEST_F(ReportsTest, PickingAReportKeepsItsQueryAndEnablesItsPickers) {
    c_.Form_Load();
    ASSERT_EQ(c_.cboReports, (std::vector<std::string>{"Range", "Since", "Twice", "Wiper"}));
    EXPECT_EQ(c_.cboReports_index, 0);
    EXPECT_EQ(c_.dtpkFrom, (StoreDate{2024, 3, 31}));
    EXPECT_EQ(c_.dtpkTo, (StoreDate{2024, 3, 31}));
    EXPECT_TRUE(c_.dtpkFrom_enabled);
    EXPECT_TRUE(c_.dtpkTo_enabled);
    Pick("Since");
    EXPECT_TRUE(c_.dtpkFrom_enabled);
    EXPECT_FALSE(c_.dtpkTo_enabled);
    Pick("Twice");
    EXPECT_FALSE(c_.dtpkFrom_enabled);
    EXPECT_FALSE(c_.dtpkTo_enabled);

    // The view fills in the pickers' dates, whatever they show.
    Pick("Range");
    c_.dtpkFrom = {2024, 3, 1};
    c_.cmdView_Click();
    ASSERT_EQ(c_.lvwReports.Item_Count(), 1u);
    EXPECT_EQ(c_.lvwReports.Column(0).text, "From");
    EXPECT_EQ(c_.lvwReports.Item(0).text, "2024-03-01");
    EXPECT_EQ(c_.lvwReports.Item(0).Sub_Item(1), "2024-04-01");
    EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(ReportsTest, AFailedLookUpNeverRunsThePreviousQuery) {
    c_.Form_Load();
    Pick("Since");
    ASSERT_FALSE(c_.Report_Query().empty());
    // The report goes from the table while the viewer is open.
    db_.Exec("DELETE FROM REPORT_TBL WHERE REPORT_NAME='Twice'");
    Pick("Twice");
    EXPECT_EQ(c_.Report_Query(), "");
    EXPECT_FALSE(c_.dtpkFrom_enabled);
    EXPECT_FALSE(c_.dtpkTo_enabled);
    c_.cmdView_Click();
    EXPECT_EQ(c_.lvwReports.Column_Count(), 0u);
    EXPECT_EQ(c_.lvwReports.Item_Count(), 0u);
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_TRUE(db_.reporter.boxes.empty());
}

TEST_F(ReportsTest, AReportThatWritesIsRefusedAndTheListStays) {
    c_.Form_Load();
    Pick("Twice");
    c_.cmdView_Click();
    ASSERT_EQ(c_.lvwReports.Item_Count(), 1u);
    const std::string devices = db_.Scalar("SELECT COUNT(*) FROM DEV_TBL");
    Pick("Wiper");
    c_.cmdView_Click();
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL"), devices);
    EXPECT_EQ(c_.lvwReports.Item_Count(), 1u);
    EXPECT_EQ(c_.lvwReports.Column(0).text, "N");
}

TEST_F(ReportsTest, ResultTableColumnsSortingAndClear) {
    c_.Form_Load();
    Pick("Twice");
    c_.cmdView_Click();
    ASSERT_EQ(c_.lvwReports.Column_Count(), 3u);
    EXPECT_EQ(c_.lvwReports.Column(0).text, "N");
    EXPECT_EQ(c_.lvwReports.Column(1).text, "N");
    EXPECT_NE(c_.lvwReports.Column(0).key, c_.lvwReports.Column(1).key);
    EXPECT_EQ(c_.lvwReports.Item(0).Sub_Item(2), "3");

    // Column names and no rows.
    SqlResult empty({"A", "B"}, {});
    Fill_Report_List(c_.lvwReports, empty);
    EXPECT_EQ(c_.lvwReports.Column_Count(), 2u);
    EXPECT_EQ(c_.lvwReports.Item_Count(), 0u);
    Fill_Report_List(c_.lvwReports, SqlResult{});
    EXPECT_EQ(c_.lvwReports.Column_Count(), 0u);

    Pick("Since");
    c_.dtpkFrom = {2000, 1, 1};
    c_.cmdView_Click();
    ASSERT_EQ(c_.lvwReports.Item_Count(), 4u);  // the root group and three computers
    // The first click sorts descending, the next ascending; letter case does not count.
    c_.lvwReports_ColumnClick(0);
    EXPECT_EQ(c_.lvwReports.Item(0).text, "pc-c");
    EXPECT_EQ(c_.lvwReports.Item(1).text, "PC-B");
    c_.lvwReports_ColumnClick(0);
    EXPECT_EQ(c_.lvwReports.Item(1).text, "PC-A");
    EXPECT_EQ(c_.lvwReports.Item(3).text, "pc-c");
    EXPECT_TRUE(c_.lvwReports.sorted);

    c_.cmdClear_Click();
    EXPECT_EQ(c_.lvwReports.Column_Count(), 0u);
    EXPECT_EQ(c_.lvwReports.Item_Count(), 0u);
}

TEST_F(ReportsTest, ArrangeKeepsTheMarginsAndSkipsAMinimisedForm) {
    c_.lvwReports_left = 120;
    c_.lvwReports_top = 1800;
    c_.form_width = 9000;
    c_.form_inner_height = 6000;
    c_.Form_Resize();
    EXPECT_DOUBLE_EQ(c_.lvwReports_width, 9000 - 360);
    EXPECT_DOUBLE_EQ(c_.lvwReports_height, 6000 - 1800 - 120);
    c_.form_inner_height = 0;
    c_.form_width = 100;
    c_.Form_Resize();
    EXPECT_DOUBLE_EQ(c_.lvwReports_width, 9000 - 360);
}

TEST_F(ReportsTest, ExportWritesEachFormatAloneAndReportsOnlyRealSuccess) {
    c_.Form_Load();
    c_.mnuFileExport_Click();
    EXPECT_EQ(host_.Last_Box(), "No items to export.");
    EXPECT_EQ(host_.boxes.back().flags, box::Information);
    EXPECT_EQ(host_.save_dialogs, 0);

    Pick("Since");
    c_.dtpkFrom = {2000, 1, 1};
    c_.cmdView_Click();
    host_.boxes.clear();

    // Cancel writes nothing and says nothing.
    host_.save_dialog_answer = "";
    c_.mnuFileExport_Click();
    EXPECT_EQ(host_.save_dialogs, 1);
    EXPECT_EQ(host_.save_dialog_offered, "Since");
    EXPECT_EQ(host_.save_dialog_filter, "CSV File(.csv)|*.csv|HTML File(.html)|*.html|Text File(.txt)|*.txt");
    EXPECT_TRUE(host_.boxes.empty());

    const char* names[] = {"", "r.csv", "r.html", "r.txt"};
    for (int index = 1; index <= 3; ++index) {
        {
            std::ofstream old(db_.Folder() / names[index], std::ios::binary);
            old << "OLD CONTENT";
        }
        host_.save_dialog_answer = File(names[index]);
        host_.save_dialog_index = index;
        c_.mnuFileExport_Click();
        EXPECT_EQ(host_.Last_Box(), "Successfully exported data to the file.") << index;
        const std::string text = Read_All(db_.Folder() / names[index]);
        EXPECT_EQ(text.find("OLD CONTENT"), std::string::npos) << index;
        EXPECT_NE(text.find("PC-A"), std::string::npos) << index;
    }
    EXPECT_NE(Read_All(db_.Folder() / "r.csv").find("\"Computer\"\r\n"), std::string::npos);
    // The text file lays the table out under the report's name.
    const std::string text = Read_All(db_.Folder() / "r.txt");
    EXPECT_NE(text.find("Since ()"), std::string::npos) << text;
    EXPECT_NE(text.find(" Computer"), std::string::npos) << text;

    // A file that cannot be written gets the error box, not the success box.
    host_.boxes.clear();
    host_.save_dialog_answer = File("missing/r.csv");
    host_.save_dialog_index = 1;
    c_.mnuFileExport_Click();
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
}

TEST_F(ReportsTest, ColumnsOfOneNameAreAllExported) {
    c_.Form_Load();
    Pick("Twice");
    c_.cmdView_Click();
    for (int index = 1; index <= 3; ++index) {
        const std::string name = "twice" + std::to_string(index);
        host_.save_dialog_answer = File(name);
        host_.save_dialog_index = index;
        c_.mnuFileExport_Click();
        EXPECT_EQ(host_.Last_Box(), "Successfully exported data to the file.") << index;
    }
    EXPECT_NE(Read_All(db_.Folder() / "twice1").find("\"N\",\"N\",\"M\"\r\n\"1\",\"2\",\"3\""), std::string::npos)
        << Read_All(db_.Folder() / "twice1");
    const std::string html = Read_All(db_.Folder() / "twice2");
    EXPECT_NE(html.find("<td>2</td>"), std::string::npos) << html;
    EXPECT_NE(html.find("<td>3</td>"), std::string::npos) << html;
}

}  // namespace
}  // namespace crv
