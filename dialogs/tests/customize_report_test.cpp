// The tabular report customiser against a fresh store with the shipped grid.
#include <gtest/gtest.h>

#include "dialogs/frm_customize_report_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "core/common.h"
#include "store/devices.h"
#include "store/tabular.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

class CustomizeReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name, visibility;
        ASSERT_TRUE(Add_Tabular_Report_Name(0, report_, name, visibility));
    }
    void Open(std::int32_t report) {
        c_.twips_per_pixel_x = 15;
        c_.lvwComputers_width = 3000;
        c_.lvwProperties_width = 4000;
        c_.Show_This_Form(report, "Assets");
        c_.Form_Load();
    }
    std::int32_t Computer(const std::string& name) {
        return Add_Device(name, "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    }
    std::string Visibility() {
        return db_.Scalar("SELECT REPORT_VISIBILITY FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=" + std::to_string(report_));
    }
    void Check_Properties(std::size_t count) {
        for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i) c_.lvwProperties.Item(i).checked = i < count;
        c_.lvwProperties_ItemCheck();
    }

    test::TestDatabase db_;
    test::TestDialogHost host_;
    int refreshes_ = 0;
    CustomizeReportController c_{host_, [this] { ++refreshes_; }};
    std::int32_t report_ = 0;
};

TEST_F(CustomizeReportTest, LoadsComputersAndGridColumnsWithTheReportsChoice) {
    std::int32_t a = Computer("ALPHA");
    Computer("BETA");
    Add_Device("GROUP", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    ASSERT_TRUE(Add_Tabular_Report_Computer(report_, a));
    ASSERT_TRUE(Set_Report_Visibility("001110", report_));
    Open(report_);
    EXPECT_EQ(c_.caption, "Customize Report - Assets - Corvalin");
    ASSERT_EQ(c_.lvwComputers.Item_Count(), 2u);
    EXPECT_EQ(c_.lvwComputers.Item(0).text, "ALPHA");
    EXPECT_TRUE(c_.lvwComputers.Item(0).checked);
    EXPECT_FALSE(c_.lvwComputers.Item(1).checked);
    EXPECT_EQ(c_.lvwComputers.Item(0).tag, std::to_string(a));
    EXPECT_EQ(c_.lvwComputers.Column(0).text, "Select The Computers");

    std::size_t columns = db_.Query("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID=-3").Column_Count();
    ASSERT_EQ(c_.lvwProperties.Item_Count(), columns - 4);
    const ListItem& first = c_.lvwProperties.Item(0);
    EXPECT_EQ(first.key, "CS_MANUFACTURER");
    EXPECT_EQ(first.text, "Manufacturer");
    EXPECT_EQ(first.small_icon, "Win32_ComputerSystem");
    EXPECT_TRUE(first.checked);
    EXPECT_FALSE(c_.lvwProperties.Item(1).checked);
    EXPECT_FALSE(c_.lvwProperties.Item(5).checked);  // past the visibility text
    // More than 26 rows: the scroll bar's room came off once.
    EXPECT_EQ(c_.lvwProperties.Column(0).width_twips, 4000 - 17 * 15);
    EXPECT_EQ(c_.lvwComputers.Column(0).width_twips, 3000);
    EXPECT_FALSE(c_.cmdSave_enabled);
    EXPECT_TRUE(c_.Lists_Loaded());
    EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(CustomizeReportTest, SavesChoicesTogetherAndTheLimitIs150Properties) {
    std::int32_t a = Computer("ALPHA");
    std::int32_t b = Computer("BETA");
    ASSERT_TRUE(Add_Tabular_Report_Row(b, "BETA"));
    ASSERT_TRUE(Add_Tabular_Report_Computer(report_, b));
    Open(report_);
    c_.lvwComputers.Item(0).checked = true;   // ALPHA in
    c_.lvwComputers.Item(1).checked = false;  // BETA out
    c_.lvwComputers_ItemCheck();
    EXPECT_TRUE(c_.cmdSave_enabled);
    Check_Properties(2);
    c_.cmdSave_Click();
    EXPECT_EQ(Visibility(), "0011" "11" + std::string(c_.lvwProperties.Item_Count() - 2, '0'));
    EXPECT_TRUE(Is_Computer_In_Tabular_Report(report_, a));
    EXPECT_FALSE(Is_Computer_In_Tabular_Report(report_, b));
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM TABULAR_REPORT_TBL WHERE DEV_ID IN (" + std::to_string(a) + "," +
                         std::to_string(b) + ")"),
              "2");  // BETA's grid row stays for other reports
    EXPECT_EQ(refreshes_, 1);
    EXPECT_FALSE(c_.cmdSave_enabled);
    EXPECT_TRUE(host_.boxes.empty());

    // The shipped grid has fewer than 151 columns: widen the list as a
    // larger grid would.
    for (int i = static_cast<int>(c_.lvwProperties.Item_Count()); i < 151; ++i)
        c_.lvwProperties.Add_Item("EXTRA" + std::to_string(i), "x");
    Check_Properties(151);
    c_.cmdSave_Click();
    EXPECT_EQ(host_.Last_Box(), "You can not select more than 150 properties.");
    EXPECT_EQ(host_.boxes.back().flags, box::Information);
    EXPECT_EQ(Visibility().substr(0, 7), "0011110");
    EXPECT_TRUE(c_.cmdSave_enabled);
    EXPECT_EQ(refreshes_, 1);
}

TEST_F(CustomizeReportTest, AFailedSaveChangesNothingAndKeepsSaveEnabled) {
    std::int32_t a = Computer("ALPHA");
    Open(report_);
    c_.lvwComputers.Item(0).checked = true;
    for (int i = static_cast<int>(c_.lvwProperties.Item_Count()); i < 150; ++i)
        c_.lvwProperties.Add_Item("EXTRA" + std::to_string(i), "x");
    Check_Properties(150);
    db_.Exec("CREATE TRIGGER NO_LINK BEFORE INSERT ON TAB_REPORT_COMPUTERS_TBL BEGIN SELECT RAISE(ABORT, 'no'); END");
    c_.cmdSave_Click();
    EXPECT_EQ(host_.Last_Box(), "Error while saving changes.");
    EXPECT_EQ(Visibility(), "0011" + std::string(250, '0'));
    EXPECT_FALSE(Is_Computer_In_Tabular_Report(report_, a));
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);  // the store's own error box
    EXPECT_TRUE(c_.cmdSave_enabled);
    EXPECT_EQ(refreshes_, 0);

    db_.Exec("DROP TRIGGER NO_LINK");
    c_.cmdSave_Click();  // exactly 150 are accepted
    EXPECT_EQ(Count_Checked_Items(c_.lvwProperties), 150);
    EXPECT_TRUE(Is_Computer_In_Tabular_Report(report_, a));
    EXPECT_EQ(refreshes_, 1);
}

TEST_F(CustomizeReportTest, DefaultPropertiesAndClearingThem) {
    Computer("ALPHA");
    Computer("BETA");
    Open(report_);
    SqlResult defaults = db_.Query("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID=-5");
    c_.chkProprtySelectDefault = 1;
    c_.chkProprtySelectDefault_Click();
    for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i)
        EXPECT_EQ(c_.lvwProperties.Item(i).checked, defaults.Flag(1, i + 4)) << c_.lvwProperties.Item(i).key;
    EXPECT_GT(Count_Checked_Items(c_.lvwProperties), 3);
    EXPECT_TRUE(c_.cmdSave_enabled);
    c_.chkProprtySelectDefault = 0;
    c_.chkProprtySelectDefault_Click();
    EXPECT_EQ(Count_Checked_Items(c_.lvwProperties), 0);

    c_.chkCmpSelectAll = 1;
    c_.chkCmpSelectAll_Click();
    EXPECT_EQ(Count_Checked_Items(c_.lvwComputers), 2);
    c_.chkCmpSelectAll = 0;
    c_.chkCmpSelectAll_Click();
    EXPECT_EQ(Count_Checked_Items(c_.lvwComputers), 0);
}

TEST_F(CustomizeReportTest, ResetCoversEveryColumnAtOnceWithoutEnablingSave) {
    Open(report_);
    db_.Exec("UPDATE TABULAR_REPORT_TBL SET DEV_NAME='10', SCAN_DATE='20', FW_NAME='30', CS_MODEL='40' WHERE TR_ID=-4");
    c_.cmdSetDefaultWidth_Click();
    SqlResult widths = db_.Query("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID=-4");
    for (std::size_t col = 2; col < widths.Column_Count(); ++col)
        EXPECT_EQ(widths.Text(1, col), "2000") << widths.Column_Name(col);
    EXPECT_FALSE(c_.cmdSave_enabled);
    EXPECT_EQ(refreshes_, 1);  // the main window shows the same report again
}

TEST_F(CustomizeReportTest, ResetTakesColumnNamesAsIdentifiersWhateverTheyHold) {
    db_.Exec("ALTER TABLE TABULAR_REPORT_TBL ADD COLUMN \"Q'uote\" TEXT DEFAULT ''");
    db_.Exec("ALTER TABLE TABULAR_REPORT_TBL ADD COLUMN \"Odd\"\"Name;X\" TEXT DEFAULT ''");
    db_.Exec("UPDATE TABULAR_REPORT_TBL SET \"Q'uote\"='10', \"Odd\"\"Name;X\"='20', FW_NAME='30' WHERE TR_ID=-4");
    Open(report_);
    ASSERT_NE(c_.lvwProperties.Find_Item("Q'uote"), nullptr);
    c_.cmdSetDefaultWidth_Click();
    EXPECT_TRUE(db_.reporter.boxes.empty()) << db_.reporter.boxes.front();
    EXPECT_EQ(db_.Scalar("SELECT \"Q'uote\" FROM TABULAR_REPORT_TBL WHERE TR_ID=-4"), "2000");
    EXPECT_EQ(db_.Scalar("SELECT \"Odd\"\"Name;X\" FROM TABULAR_REPORT_TBL WHERE TR_ID=-4"), "2000");
    EXPECT_EQ(db_.Scalar("SELECT FW_NAME FROM TABULAR_REPORT_TBL WHERE TR_ID=-4"), "2000");
    EXPECT_EQ(refreshes_, 1);
}

TEST_F(CustomizeReportTest, ClosingWithUnsavedChangesAsksFirst) {
    Computer("ALPHA");
    Open(report_);
    c_.Form_KeyPress(27);
    EXPECT_EQ(host_.closes, 1);
    EXPECT_TRUE(host_.boxes.empty());
    c_.lvwComputers_ItemCheck();
    host_.answers.push_back(box::Answer_No);
    c_.cmdClose_Click();
    EXPECT_EQ(host_.closes, 1);
    EXPECT_EQ(host_.Last_Box(), "Are you sure you want to close without saving changes?");
    EXPECT_EQ(host_.boxes.back().flags, box::Yes_No | box::Question);
    host_.answers.push_back(box::Answer_Yes);
    c_.cmdClose_Click();
    EXPECT_EQ(host_.closes, 2);
    c_.lblLink_Click();
    EXPECT_EQ(host_.opened.back(), Dialog_Link_Address);
}

// Opened while another program holds the file: the store's box once, and
// no word of a computer list that is empty only because it was not read.
TEST_F(CustomizeReportTest, ALockedFileShowsTheStoresBoxAloneAndLoadsNothingToSave) {
    Computer("ALPHA");
    {
        test::DatabaseLock lock(db_);
        Open(report_);
    }
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_FALSE(c_.Lists_Loaded());
}

TEST_F(CustomizeReportTest, NothingIsSavedWhenTheListsDidNotLoadOrForTheReportGroup) {
    // No computers at all: told so; the lists still loaded.
    Open(report_);
    EXPECT_EQ(host_.Last_Box(),
              "No computers are added to the list! Use 'Manage Computers' to add computers and try again.");
    EXPECT_TRUE(c_.Lists_Loaded());

    // A report without a visibility row: the store says so, Save stays off.
    Computer("ALPHA");
    CustomizeReportController missing{host_, [this] { ++refreshes_; }};
    missing.Show_This_Form(9999, "Gone");
    missing.Form_Load();
    EXPECT_FALSE(missing.Lists_Loaded());
    missing.lvwProperties_ItemCheck();
    EXPECT_FALSE(missing.cmdSave_enabled);
    missing.cmdSave_Click();
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM TAB_REPORT_COMPUTERS_TBL WHERE TN_ID=9999"), "0");

    // The report group itself is never written.
    std::string group_visibility = db_.Scalar("SELECT REPORT_VISIBILITY FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=0");
    CustomizeReportController group{host_, [this] { ++refreshes_; }};
    group.Show_This_Form(0, "Tabular Reports");
    group.Form_Load();
    group.chkCmpSelectAll = 1;
    group.chkCmpSelectAll_Click();
    EXPECT_FALSE(group.cmdSave_enabled);
    group.cmdSave_Click();
    EXPECT_EQ(db_.Scalar("SELECT REPORT_VISIBILITY FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=0"), group_visibility);
    EXPECT_EQ(refreshes_, 0);

    // No meta rows and no flags: "No item in the database."
    db_.Exec("DELETE FROM TABULAR_REPORT_TBL WHERE TR_ID<=0");
    CustomizeReportController empty{host_, [] {}};
    empty.Show_This_Form(9998, "None");
    empty.Form_Load();
    EXPECT_NE(std::find_if(host_.boxes.begin(), host_.boxes.end(),
                           [](const auto& b) { return b.text == "No item in the database." && b.flags == box::Critical; }),
              host_.boxes.end());
    EXPECT_EQ(empty.lvwProperties.Item_Count(), 0u);
    EXPECT_FALSE(empty.Lists_Loaded());
}

}  // namespace
}  // namespace crv
