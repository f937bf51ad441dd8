// The main window's tabular report commands, scan and feature-tree events
// against the shipped grid and the fake WMI port.
#include "mainwindow/tests/controller_fixture.h"

#include "store/tabular.h"
#include "ui/model/list_helpers.h"

namespace crv::test {
namespace {

struct ReportHost : TestHost {
    int label_edits = 0;
    void Begin_Feature_Label_Edit() override { ++label_edits; }
};

class TabularReportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = Set_Wmi_Port(&wmi_);
        Clear_Error();
        Cancel_Requested = false;
        ASSERT_TRUE(Save_Feature("[Root...]", "Computer", "", "0", "Computer", ""));
        pc_ = Add_Device("PC7", "", "", 0, 0, 0, 0, "x", 1, 2, "", "tester");
        c_.Set_Host(&host_);
        c_.Initialize_Main_Window(true);
        c_.Select_Default_Computer();
        ASSERT_NE(c_.tvwFeatures.Find("Tabu_0"), nullptr);
    }
    void TearDown() override { Set_Wmi_Port(previous_); }

    // Add New Report from the report group's listing.
    TreeNode* Add_Report() {
        if (c_.Operations_Mode() != 6) Click(c_.tvwFeatures.Find("Tabu_0"));
        const std::size_t before = c_.tvwFeatures.Find("Tabu_0")->children.size();
        EXPECT_TRUE(c_.Run_Command("mnuOperationsReportAdd"));
        const auto& children = c_.tvwFeatures.Find("Tabu_0")->children;
        EXPECT_EQ(children.size(), before + 1);
        return children.empty() ? nullptr : children.back();
    }
    void Click(TreeNode* node) {
        c_.tvwFeatures.Select(node);
        c_.tvwFeatures_NodeClick(node);
    }
    std::string Visible_Report_Items() {
        std::string out;
        for (const char* n : {"mnuOperationsReportAdd", "mnuOperationsReportRename", "mnuOperationsReportDelete",
                              "mnuOperationsReportSptr1", "mnuOperationsReportCustomize", "mnuOperationsReportSptr2",
                              "mnuOperationsReportScan", "mnuOperationsReportSptr3", "mnuOperationsReportSelectItem(0)",
                              "mnuOperationsReportSelectItem(1)"})
            out += c_.Command(n).visible ? '1' : '0';
        return out;
    }
    // A report with these computers and the columns named shown.
    TreeNode* Report_Of(const std::vector<std::int32_t>& computers, const std::vector<std::string>& columns) {
        TreeNode* node = Add_Report();
        SqlResult grid = db_.Query("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID=-3");
        std::string visibility(grid.Column_Count(), '0');
        visibility[2] = visibility[3] = '1';
        for (const auto& c : columns) visibility[*grid.Column_Index(c)] = '1';
        std::vector<TabularReportComputer> members;
        for (std::int32_t id : computers) members.push_back({id, "name" + std::to_string(id)});
        for (std::size_t i = 0; i < computers.size(); ++i) {
            SqlResult info;
            Get_Device_Info(computers[i], info);
            members[i].name = info.Text(1, 0);
        }
        EXPECT_TRUE(Save_Tabular_Report(Get_Number_From_Key(node->key), visibility, members));
        return node;
    }

    TestDatabase db_{true};
    FakeWmiPort wmi_;
    WmiPort* previous_ = nullptr;
    ReportHost host_;
    MainController c_;
    std::int32_t pc_ = 0;
};

TEST_F(TabularReportsTest, AddRenameAndDeleteReportNodes) {
    TreeNode* first = Add_Report();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text, "TABULAR_REPORT(1)");
    EXPECT_EQ(first->image, "TabularReport");
    EXPECT_EQ(first->selected_image, "TabularReport");
    EXPECT_EQ(c_.tvwFeatures.selected, c_.tvwFeatures.Find("Tabu_0"));  // the selection did not move
    TreeNode* second = Add_Report();
    ASSERT_NE(second, nullptr);

    Click(second);
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportRename"));
    EXPECT_EQ(host_.label_edits, 1);
    bool cancel = false;
    std::string text = "  Servers  ";
    c_.tvwFeatures_AfterLabelEdit(cancel, text);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(text, "Servers");
    EXPECT_EQ(second->text, "Servers");
    EXPECT_EQ(db_.Scalar("SELECT REPORT_NAME FROM TAB_REPORT_NAMES_TBL WHERE REPORT_NAME LIKE 'Serv%'"), "Servers");

    // Its own name, blanks only, 256 characters: nothing changes, no box.
    for (std::string same : {std::string("Servers"), std::string("   "), std::string(256, 'x')}) {
        cancel = false;
        c_.tvwFeatures_AfterLabelEdit(cancel, same);
        EXPECT_TRUE(cancel);
    }
    EXPECT_TRUE(host_.boxes.empty());
    // Another report's name in other letters: refused with the message.
    cancel = false;
    text = "tabular_report(1)";
    c_.tvwFeatures_AfterLabelEdit(cancel, text);
    EXPECT_TRUE(cancel);
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "Tabular report 'tabular_report(1)' already exists!");
    EXPECT_EQ(host_.boxes[0].flags, Mb_Exclamation);
    EXPECT_EQ(second->text, "Servers");
    EXPECT_EQ(c_.Find_Feature_Node_By_Text("Servers"), second);
    EXPECT_EQ(c_.Find_Feature_Node_By_Text("servers"), nullptr);

    // Delete: No keeps it, Yes removes it and shows the report group.
    const std::string key = second->key;
    host_.answers = {Answer_No};
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportDelete"));
    EXPECT_EQ(host_.boxes.back().text, "Are you sure you want to delete the report 'Servers' ?");
    EXPECT_NE(c_.tvwFeatures.Find(key), nullptr);
    host_.answers = {Answer_Yes};
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportDelete"));
    EXPECT_EQ(c_.tvwFeatures.Find(key), nullptr);
    EXPECT_EQ(c_.tvwFeatures.selected, c_.tvwFeatures.Find("Tabu_0"));
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM TAB_REPORT_NAMES_TBL WHERE REPORT_NAME='Servers'"), "0");
}

TEST_F(TabularReportsTest, TheReportGroupIsNeverRenamedDeletedCustomisedOrScanned) {
    std::vector<std::pair<std::int32_t, std::string>> opened;
    c_.Set_Customize_Report_Dialog([&](std::int32_t id, const std::string& name) { opened.emplace_back(id, name); });
    TreeNode* group = c_.tvwFeatures.Find("Tabu_0");
    Click(group);
    EXPECT_TRUE(c_.Command("mnuOperationsReportAdd").enabled);
    EXPECT_FALSE(c_.Command("mnuOperationsReportRename").enabled);
    EXPECT_FALSE(c_.Command("mnuOperationsReportDelete").enabled);
    EXPECT_FALSE(c_.Command("mnuOperationsReportCustomize").enabled);
    EXPECT_FALSE(c_.tvwFeatures_BeforeLabelEdit(*group));
    // Called straight, the handlers still refuse the group.
    const std::string name = group->text;
    c_.mnuOperationsReportRename_Click();
    c_.mnuOperationsReportDelete_Click();
    c_.mnuOperationsReportCustomize_Click();
    bool cancel = false;
    std::string text = "Renamed group";
    c_.tvwFeatures_AfterLabelEdit(cancel, text);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(host_.label_edits, 0);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(group->text, name);
    EXPECT_EQ(db_.Scalar("SELECT REPORT_NAME FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=0"), name);
    // Even with rows in the list, the group is not scanned.
    c_.lvwMain.Add_Item("k1", "PC7")->checked = true;
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportScan"));
    EXPECT_EQ(host_.boxes.back().text, "Please choose atleast one computer from the 'Customize Report' dialog!");
    EXPECT_TRUE(wmi_.connects.empty());

    TreeNode* report = Add_Report();
    Click(report);
    EXPECT_TRUE(c_.tvwFeatures_BeforeLabelEdit(*report));
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportCustomize"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].first, Get_Number_From_Key(report->key));
    EXPECT_EQ(opened[0].second, report->text);
}

TEST_F(TabularReportsTest, RightClicksSelectFirstThenOpenTheirMenus) {
    TreeNode* root = c_.tvwFeatures.Nodes().front();
    TreeNode* group = c_.tvwFeatures.Find("Tabu_0");
    TreeNode* report = Add_Report();
    Click(group);

    c_.tvwFeatures_MouseDown(2, nullptr);
    c_.tvwFeatures_MouseDown(1, root);
    EXPECT_EQ(c_.tvwFeatures.selected, group);
    c_.tvwFeatures_MouseDown(2, root);  // only selects
    EXPECT_EQ(c_.tvwFeatures.selected, root);
    EXPECT_TRUE(host_.popups.empty());
    c_.tvwFeatures_MouseDown(2, root);
    EXPECT_EQ(host_.popups, std::vector<std::string>{"mnuOperationsPower"});
    EXPECT_EQ(c_.tvwFeatures.selected, root);

    c_.tvwFeatures_MouseDown(2, group);
    c_.tvwFeatures_MouseDown(2, group);
    ASSERT_EQ(host_.popups.size(), 2u);
    EXPECT_EQ(host_.popups[1], "mnuOperationsReport");
    // Add, Rename, Delete and Customize Report; no scan or selection items.
    EXPECT_EQ(Visible_Report_Items(), "1111100000");
    // Rename and Delete keep the state of the last click: the group's.
    EXPECT_FALSE(c_.Command("mnuOperationsReportRename").enabled);

    c_.Show_Report_Menu(true);  // the list's variant
    EXPECT_EQ(Visible_Report_Items(), "0000111111");
    // The Operations menu shows everything on a report node only.
    c_.tvwFeatures.Select(root);
    c_.mnuOperations_Click();
    EXPECT_EQ(Visible_Report_Items(), "0000111111");
    c_.tvwFeatures.Select(report);
    c_.mnuOperations_Click();
    EXPECT_EQ(Visible_Report_Items(), "1111111111");
}

TEST_F(TabularReportsTest, KeysAndSelectionCommandsOnTheList) {
    std::int32_t other = Add_Device("PC8", "", "", 0, 0, 0, 0, "x", 1, 2, "", "tester");
    TreeNode* report = Report_Of({pc_, other}, {"OS_CAPTION"});
    Click(report);
    ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportSelectItem", 0));
    EXPECT_EQ(Count_Checked_Items(c_.lvwMain), 2);
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportSelectItem", 1));
    EXPECT_EQ(Count_Checked_Items(c_.lvwMain), 0);
    // Select None, then Start Scan.
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportScan"));
    EXPECT_EQ(host_.boxes.back().text, "Please tick atleast one computer from the list!");
    EXPECT_EQ(host_.boxes.back().flags, Mb_Exclamation);

    c_.tvwFeatures_KeyDown(113, 0);  // F2
    EXPECT_EQ(host_.label_edits, 1);
    host_.answers = {Answer_No};
    c_.tvwFeatures_KeyDown(46, 0);  // Del asks
    EXPECT_EQ(host_.boxes.back().text, "Are you sure you want to delete the report '" + report->text + "' ?");

    TreeNode* empty = Add_Report();
    Click(empty);
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportScan"));
    EXPECT_EQ(host_.boxes.back().text, "Please choose atleast one computer from the 'Customize Report' dialog!");
}

// A report of two columns looks like a name/value list, but it is a table of
// computers: horizontal listing leaves it as it is, with its keys and ticks.
TEST_F(TabularReportsTest, AReportOfTwoColumnsIsNeverTurnedInHorizontalListing) {
    std::int32_t other = Add_Device("PC8", "", "", 0, 0, 0, 0, "x", 1, 2, "", "tester");
    c_.Run_Command("mnuViewHorizontal");
    ASSERT_FALSE(c_.Checked("mnuViewVertical"));
    TreeNode* report = Report_Of({pc_, other}, {});
    Click(report);
    ASSERT_EQ(c_.lvwMain.Column_Count(), 2u);
    EXPECT_EQ(c_.lvwMain.Column(0).key, "DEV_NAME");
    ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_TRUE(c_.lvwMain.checkboxes);
    EXPECT_EQ(c_.lvwMain.Item(0).text, "PC7");
    EXPECT_FALSE(c_.lvwMain.Item(0).key.empty());
    c_.Run_Command("mnuOperationsReportSelectItem", 0);
    EXPECT_EQ(Count_Checked_Items(c_.lvwMain), 2);
    host_.boxes.clear();
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportScan"));
    for (const auto& box : host_.boxes) EXPECT_NE(box.text, "Please tick atleast one computer from the list!");
}

TEST_F(TabularReportsTest, TheScanFillsTickedRowsAndShowsItsProgress) {
    std::vector<std::int32_t> pcs{pc_};
    for (int i = 1; i <= 4; ++i) pcs.push_back(Add_Device("NODE" + std::to_string(i), "", "", 0, 0, 0, 0, "x", 1, 2, "", "t"));
    wmi_.Set_Objects("Select * from Win32_OperatingSystem",
                     {Instance({Wmi_Text("Caption", "Windows 10 Pro"), Wmi_Text("Version", "10.0")})});
    TreeNode* report = Report_Of(pcs, {"OS_CAPTION"});
    Click(report);
    ASSERT_EQ(c_.lvwMain.Item_Count(), 5u);
    c_.Run_Command("mnuOperationsReportSelectItem", 0);

    std::vector<std::string> captions;
    host_.on_events = [&] {
        captions.push_back(c_.progress.listed_caption);
        EXPECT_TRUE(c_.progress.visible);
        EXPECT_EQ(c_.progress.max, 5);
        // Ticks taken away during the scan do not change its rows.
        Check_All_ListItems(c_.lvwMain, false);
        if (c_.progress.value == 3) Cancel_Requested = true;
    };
    EXPECT_TRUE(c_.Run_Command("mnuOperationsReportScan"));
    EXPECT_EQ(captions, (std::vector<std::string>{"Processed: 0", "Processed: 1", "Processed: 2", "Processed: 3"}));
    EXPECT_FALSE(c_.progress.visible);
    EXPECT_FALSE(c_.Listing_Running());

    // The refreshed rows show SCAN_DATE and the caption; the fourth was not reached.
    std::size_t refreshed = 0;
    for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i) {
        const ListItem& row = c_.lvwMain.Item(i);
        if (row.Sub_Item(1).empty()) continue;
        ++refreshed;
        EXPECT_EQ(row.Sub_Item(1), "2024-03-07 10:11:12");
        EXPECT_EQ(row.Sub_Item(2), "Windows 10 Pro");
    }
    EXPECT_EQ(refreshed, 3u);
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM TABULAR_REPORT_TBL WHERE OS_CAPTION='Windows 10 Pro'"), "3");
    EXPECT_EQ(db_.Scalar("SELECT COUNT(DISTINCT SCAN_DATE) FROM TABULAR_REPORT_TBL WHERE TR_ID>0 AND SCAN_DATE<>''"), "1");
}

// Another program holds the file when Start Scan is pressed: the scan
// cannot read its rows' computers, says so once, and asks no computer.
TEST_F(TabularReportsTest, AScanStartedOnALockedFileShowsOneBoxAndScansNothing) {
    TreeNode* report = Report_Of({pc_}, {"OS_CAPTION"});
    Click(report);
    c_.Run_Command("mnuOperationsReportSelectItem", 0);
    {
        DatabaseLock lock(db_);
        EXPECT_TRUE(c_.Run_Command("mnuOperationsReportScan"));
    }
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("database is locked"), std::string::npos);
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_TRUE(wmi_.queries.empty());
    EXPECT_FALSE(c_.progress.visible);
    EXPECT_FALSE(c_.Listing_Running());
    EXPECT_TRUE(Pending_Error().empty());
}

}  // namespace
}  // namespace crv::test
