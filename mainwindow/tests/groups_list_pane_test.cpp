// Group management and the list pane's events against a real store.
#include "mainwindow/tests/controller_fixture.h"

#include "store/tabular.h"
#include "ui/model/list_layouts.h"

namespace crv::test {
namespace {

struct EditingHost : TestHost {
    int label_edits = 0;
    std::vector<std::string> rows_shown;
    void Begin_Device_Label_Edit() override { ++label_edits; }
    void Ensure_Row_Visible(std::size_t index) override { rows_shown.push_back(std::to_string(index)); }
};

class GroupsTest : public ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        c_.Set_Host(&edit_host_);
        sales_ = Add_Device("Sales", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
        pc8_ = Add_Device("PC8", "", "", 0, 0, 0, 0, "", sales_, 2, "", "t");
        Start();
        // As the dialogs' handler: only a computer opens the dialog.
        c_.Register_Command("mnuGDProperties", [this](int) {
            if (std::int32_t id = c_.Properties_Device_ID(); id > 0) properties_.push_back(id);
        });
    }
    TreeNode* Device(std::int32_t id) { return c_.tvwDevices.Find("DEV" + std::to_string(id)); }
    void Select_Device(std::int32_t id) {
        c_.active_control = "tvwDevices";
        c_.tvwDevices.Select(Device(id));
    }
    // The group's members in the list pane, as a click on its node shows them.
    void List_Group(std::int32_t id) {
        c_.tvwDevices_NodeClick(Device(id));
        c_.active_control = "lvwMain";
    }
    void Select_Rows(const std::vector<std::string>& keys) {
        for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i) {
            ListItem& row = c_.lvwMain.Item(i);
            row.selected = std::find(keys.begin(), keys.end(), row.key) != keys.end();
        }
    }
    std::string Key(std::int32_t id) { return "DEV" + std::to_string(id); }
    std::string Count(const std::string& sql) { return db_.Scalar("SELECT COUNT(*) FROM " + sql); }
    const std::vector<TestHost::Box>& Boxes() const { return edit_host_.boxes; }

    EditingHost edit_host_;
    std::int32_t sales_ = 0, pc8_ = 0;
    std::vector<std::int32_t> properties_;
};

TEST_F(GroupsTest, AddingNamesEachTypeOnePastItsHighestNumberUnderTheSelectedGroup) {
    Select_Device(1);
    c_.mnuAddType_Click(1);
    TreeNode* first = c_.tvwDevices.Find(Key(Get_Device_ID("NewGroup1", 1)));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->parent, Device(1));
    EXPECT_EQ(first->image, "Group");
    EXPECT_EQ(Get_Field(first->tag, 1), "1");
    EXPECT_EQ(c_.tvwDevices.selected, Device(1));  // the new node is not selected

    Select_Device(sales_);  // the numbers run per type, wherever the group is
    c_.Run_Command("mnuAddType", 1);
    c_.mnuAddType_Click(2);
    EXPECT_EQ(Device(Get_Device_ID("NewGroup2", 1))->parent, Device(sales_));
    const std::int32_t new_pc = Get_Device_ID("NewComputer1", 2);
    ASSERT_GT(new_pc, 0);
    EXPECT_EQ(Device(new_pc)->parent, Device(sales_));
    EXPECT_EQ(db_.Scalar("SELECT ADDED_WUSER FROM DEV_TBL WHERE DEV_ID=" + std::to_string(new_pc)), "tester");

    Add_Device("NewGroup9", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    Add_Device("NewGroup1.5", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    c_.mnuAddType_Click(1);
    EXPECT_GT(Get_Device_ID("NewGroup10", 1), 0);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(GroupsTest, AddingUnderAComputerOrWithoutASelectionAddsNothing) {
    const std::string before = Count("DEV_TBL");
    Select_Device(pc_);
    c_.mnuAddType_Click(1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Cannot add a group or device under another device!");
    EXPECT_EQ(Boxes()[0].flags, Mb_Exclamation);
    c_.tvwDevices.Select(nullptr);
    c_.mnuAddType_Click(1);
    Select_Device(1);
    c_.active_control = "tvwFeatures";
    c_.mnuAddType_Click(1);
    EXPECT_EQ(Count("DEV_TBL"), before);
    EXPECT_EQ(Boxes().size(), 1u);

    // A group row of a group listing is a place to add to.
    List_Group(1);
    Select_Rows({Key(sales_)});
    c_.mnuAddType_Click(1);
    EXPECT_EQ(Device(Get_Device_ID("NewGroup1", 1))->parent, Device(sales_));
}

TEST_F(GroupsTest, DeletingRefusesGroupsWithMembersAndTheRootGroup) {
    Select_Device(sales_);
    edit_host_.answers = {Answer_No};
    c_.mnuGroupDelete_Click();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text.substr(0, 55), "Are you sure you want to delete the selected item(s)?\r\n");
    EXPECT_EQ(Boxes()[0].flags, Mb_Yes_No | Mb_Exclamation | 256);
    EXPECT_NE(Device(sales_), nullptr);

    edit_host_.answers = {Answer_Yes};
    c_.tvwDevices_KeyDown(46, 0);  // Delete in the tree
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[2].text,
              "You cannot delete a group containing sub-items. Please remove all the sub-items and try again!");
    EXPECT_NE(Device(sales_), nullptr);
    EXPECT_EQ(Count("DEV_TBL WHERE DEV_ID=" + std::to_string(sales_)), "1");

    Select_Device(1);
    edit_host_.answers = {Answer_Yes};
    c_.mnuGroupDelete_Click();
    EXPECT_NE(Device(1), nullptr);
    EXPECT_EQ(Boxes().size(), 4u);  // the question only

    // An empty group goes.
    const std::int32_t empty = Add_Device("Empty", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    c_.mnuViewRefresh_Click();
    Select_Device(empty);
    edit_host_.answers = {Answer_Yes};
    c_.mnuGroupDelete_Click();
    EXPECT_EQ(Device(empty), nullptr);
    EXPECT_EQ(Count("DEV_TBL WHERE DEV_ID=" + std::to_string(empty)), "0");
}

TEST_F(GroupsTest, DeletingThreeSelectedRowsKeepsOnlyTheGroupThatHasMembers) {
    const std::int32_t g2 = Add_Device("Empty", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    c_.mnuViewRefresh_Click();
    List_Group(1);
    ASSERT_EQ(c_.lvwMain.Item_Count(), 3u);
    Select_Rows({Key(sales_), Key(g2), Key(pc_)});
    edit_host_.answers = {Answer_Yes};
    c_.lvwMain_KeyDown(46, 0);
    EXPECT_EQ(Boxes().size(), 2u);  // the question and the one refusal
    EXPECT_NE(c_.lvwMain.Find_Item(Key(sales_)), nullptr);
    EXPECT_NE(Device(sales_), nullptr);
    for (std::int32_t gone : {g2, pc_}) {
        EXPECT_EQ(c_.lvwMain.Find_Item(Key(gone)), nullptr);
        EXPECT_EQ(Device(gone), nullptr);
        EXPECT_EQ(Get_Device_Type(gone), 0);
    }
}

// Another connection holds the file locked: deleting or dragging several
// rows shows the store's error once and changes nothing.
TEST_F(GroupsTest, ALockedDatabaseGivesOneBoxForManyRowsAndDeletesNoGroupItCouldNotCount) {
    const std::int32_t g2 = Add_Device("Empty", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    const std::int32_t target = Add_Device("Target", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    c_.mnuViewRefresh_Click();
    List_Group(1);
    Select_Rows({Key(sales_), Key(g2), Key(pc_)});
    edit_host_.answers = {Answer_Yes};
    {
        DatabaseLock lock(db_);
        c_.lvwMain_KeyDown(46, 0);
    }
    ASSERT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_NE(reporter_.boxes[0].find("database is locked"), std::string::npos);
    EXPECT_EQ(Count("DEV_TBL WHERE DEV_ID IN (" + std::to_string(sales_) + "," + std::to_string(g2) + "," +
                    std::to_string(pc_) + "," + std::to_string(pc8_) + ")"),
              "4");
    EXPECT_EQ(db_.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(pc8_)), std::to_string(sales_));

    reporter_.boxes.clear();
    {
        DatabaseLock lock(db_);
        c_.tvwDevices_OLEDragDrop(Key(pc_) + std::string(Row_Key_Separator) + Key(g2), Device(target));
    }
    EXPECT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(db_.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(g2)), "1");
    EXPECT_TRUE(Pending_Error().empty());
}

// The file is locked once the first of two rows is deleted, while the
// feature tree moves off the computer that went, and free again once the
// store's box is shown: the deletion stops at its failure, as it says it
// does, and does not go on with the other row.
TEST_F(GroupsTest, AFailureAfterTheFirstOfManyDeletionsStopsTheRest) {
    const std::int32_t g2 = Add_Device("Empty", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    c_.mnuViewRefresh_Click();
    List_Group(1);
    // The rows go from the last: the computer first.
    ASSERT_EQ(c_.lvwMain.Item(c_.lvwMain.Item_Count() - 1).key, Key(pc_));
    Select_Rows({Key(pc_), Key(g2)});
    edit_host_.answers = {Answer_Yes};
    struct : ListModelListener {
        std::function<void()> changed;
        void List_Changed() override { changed(); }
    } hook;
    std::optional<DatabaseLock> lock;
    bool locked = false;
    hook.changed = [&] {
        if (locked || c_.lvwMain.Find_Item(Key(pc_))) return;
        locked = true;
        lock.emplace(db_);
    };
    c_.lvwMain.Set_Listener(&hook);
    reporter_.on_report = [&] { lock.reset(); };
    c_.lvwMain_KeyDown(46, 0);
    c_.lvwMain.Set_Listener(nullptr);
    reporter_.on_report = nullptr;
    EXPECT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(Get_Device_Type(pc_), 0);
    EXPECT_EQ(Get_Device_Type(g2), 1);
    EXPECT_NE(c_.lvwMain.Find_Item(Key(g2)), nullptr);
}

// The feature tree shows a computer that the walk deletes, and the computer
// it would move to next goes too: once the walk has ended it shows one that
// is stored, chosen then. When the store cannot be read for that choice it
// shows nothing rather than the computer that went.
TEST_F(GroupsTest, DeletingManyRowsLeavesTheFeatureTreeOnAStoredComputerOrNone) {
    std::vector<std::int32_t> gone{pc_};
    for (const char* name : {"A-01", "A-02", "A-03"}) gone.push_back(Add_Device(name, "", "", 0, 0, 0, 0, "", 1, 2, "", "t"));
    const std::int32_t keep = Add_Device("ZZ-KEEP", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    c_.mnuViewRefresh_Click();
    c_.tvwDevices_NodeClick(Device(pc_));
    ASSERT_EQ(c_.Features_Computer_ID(), pc_);
    List_Group(1);
    Select_Rows({Key(gone[0]), Key(gone[1]), Key(gone[2]), Key(gone[3])});
    ASSERT_EQ(c_.lvwMain.Item(c_.lvwMain.Item_Count() - 2).key, Key(pc_));  // the walk meets PC7 first
    edit_host_.answers = {Answer_Yes};
    c_.lvwMain_KeyDown(46, 0);
    for (std::int32_t id : gone) EXPECT_EQ(Get_Device_Type(id), 0) << id;
    const std::int32_t shown = c_.Features_Computer_ID();
    EXPECT_EQ(Get_Device_Type(shown), 2);
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, shown == keep ? "ZZ-KEEP" : "PC8");
    EXPECT_TRUE(reporter_.boxes.empty());

    // The file is locked as the first row goes, for the rest of the command.
    for (const char* name : {"B-01", "B-02"}) gone.push_back(Add_Device(name, "", "", 0, 0, 0, 0, "", 1, 2, "", "t"));
    c_.mnuViewRefresh_Click();
    c_.tvwDevices_NodeClick(Device(keep));
    ASSERT_EQ(c_.Features_Computer_ID(), keep);
    List_Group(1);
    Select_Rows({Key(keep), Key(gone[4]), Key(gone[5])});
    ASSERT_EQ(c_.lvwMain.Item(c_.lvwMain.Item_Count() - 1).key, Key(keep));
    std::optional<DatabaseLock> lock;
    int pumps = 0;
    edit_host_.on_events = [&] {
        if (++pumps == 2) lock.emplace(db_);
    };
    edit_host_.answers = {Answer_Yes};
    c_.lvwMain_KeyDown(46, 0);
    EXPECT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(c_.tvwFeatures.Count(), 0u);
    EXPECT_TRUE(c_.cboScanDate.items.empty());
    lock.reset();
    EXPECT_EQ(Get_Device_Type(keep), 0);
    EXPECT_EQ(Get_Device_Type(gone[4]), 2);
    EXPECT_NE(Device(gone[4]), nullptr);
}

// Rows that leave the computer the feature tree shows in the store leave
// the tree as the user had it: the same root, the same selected feature and
// the same scan date, although a move would choose another computer.
TEST_F(GroupsTest, DeletingRowsWithoutTheShownComputerLeavesTheFeatureTreeAsItWas) {
    const std::int32_t empty = Add_Device("Empty", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    const std::int32_t d1 = Add_Device("D-01", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    const std::int32_t d2 = Add_Device("D-02", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    ListModel rows;
    rows.Add_Item("", "Computer Model")->Set_Sub_Item(1, "M");
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 1, 2}, pc8_, 1, rows));
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 2, 3}, pc8_, 1, rows));
    edit_host_.local = "PC7";  // the computer a move would choose
    c_.mnuViewRefresh_Click();
    c_.tvwDevices_NodeClick(Device(pc8_));
    ASSERT_EQ(c_.Features_Computer_ID(), pc8_);
    c_.tvwFeatures.Select(c_.tvwFeatures.Find("Win32_Processor"));
    ASSERT_EQ(c_.cboScanDate.items.size(), 2u);
    c_.cboScanDate.list_index = 1;
    const std::vector<std::string> dates = c_.cboScanDate.items;

    List_Group(1);
    Select_Rows({Key(empty), Key(d1), Key(d2)});
    edit_host_.answers = {Answer_Yes};
    c_.lvwMain_KeyDown(46, 0);
    for (std::int32_t id : {empty, d1, d2}) EXPECT_EQ(Get_Device_Type(id), 0) << id;
    EXPECT_TRUE(reporter_.boxes.empty());
    EXPECT_EQ(c_.Features_Computer_ID(), pc8_);
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC8");
    ASSERT_NE(c_.tvwFeatures.selected, nullptr);
    EXPECT_EQ(c_.tvwFeatures.selected->key, "Win32_Processor");
    EXPECT_EQ(c_.cboScanDate.items, dates);
    EXPECT_EQ(c_.cboScanDate.list_index, 1);
}

// The feature tree's shipped root carries its FEATURE_ID, the root group's
// DEV_ID too: renaming the group leaves that root and the stored computer
// name alone. A computer the tree shows carries its new name there.
TEST_F(GroupsTest, RenamingADeviceRelabelsTheFeatureTreeOnlyForTheComputerItShows) {
    for (std::int32_t id : {pc_, pc8_}) {
        Select_Device(id);
        edit_host_.answers = {Answer_Yes};
        c_.mnuGroupDelete_Click();
    }
    ASSERT_GT(c_.tvwFeatures.Count(), 0u);
    ASSERT_EQ(Get_Field(c_.tvwFeatures.Nodes().front()->tag, 0), "1");
    const std::string root_text = c_.tvwFeatures.Nodes().front()->text;
    const std::string saved = edit_host_.settings["Login/Computer"];
    Select_Device(1);
    bool cancel = false;
    const std::string office = "Head Office";
    c_.tvwDevices_AfterLabelEdit(cancel, &office);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(Device(1)->text, office);
    EXPECT_EQ(db_.Scalar("SELECT DEV_NAME FROM DEV_TBL WHERE DEV_ID=1"), office);
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, root_text);
    EXPECT_EQ(edit_host_.settings["Login/Computer"], saved);
    EXPECT_EQ(c_.Features_Computer_ID(), 0);

    const std::int32_t pc9 = Add_Device("PC9", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    c_.mnuViewRefresh_Click();
    c_.tvwDevices_NodeClick(Device(pc9));
    ASSERT_EQ(c_.Features_Computer_ID(), pc9);
    Select_Device(pc9);
    const std::string renamed = "PC10";
    c_.tvwDevices_AfterLabelEdit(cancel, &renamed);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, renamed);
    EXPECT_EQ(edit_host_.settings["Login/Computer"], renamed);
}

// A row the store refuses for its own reason is said once and the rest of
// the selection is still deleted, or dropped; so is a row of a command that
// a pump runs during the walk, which is no failure of the walk's.
TEST_F(GroupsTest, ARowRefusedForItsOwnReasonLetsADeletionOrADropGoOn) {
    std::vector<std::int32_t> ids;
    for (const char* name : {"C-01", "C-02", "C-03", "C-04"}) ids.push_back(Add_Device(name, "", "", 0, 0, 0, 0, "", 1, 2, "", "t"));
    db_.Exec("CREATE TRIGGER keep BEFORE DELETE ON DEV_TBL WHEN OLD.DEV_NAME='C-03' BEGIN SELECT RAISE(ABORT, 'kept'); "
             "END");
    c_.mnuViewRefresh_Click();
    List_Group(1);
    Select_Rows({Key(ids[0]), Key(ids[1]), Key(ids[2]), Key(ids[3])});
    int pumps = 0;
    edit_host_.on_events = [&] {
        // Another window's command, on a file locked for it alone.
        if (++pumps != 3) return;
        DatabaseLock lock(db_);
        std::int32_t rows = 0;
        SqlResult devices;
        EXPECT_FALSE(Get_Device_List(rows, devices, 2));
    };
    edit_host_.answers = {Answer_Yes};
    c_.lvwMain_KeyDown(46, 0);
    ASSERT_EQ(reporter_.boxes.size(), 2u);
    EXPECT_NE(reporter_.boxes[0].find("kept"), std::string::npos) << reporter_.boxes[0];
    EXPECT_NE(reporter_.boxes[1].find("locked"), std::string::npos) << reporter_.boxes[1];
    EXPECT_EQ(Get_Device_Type(ids[2]), 2);
    EXPECT_NE(c_.lvwMain.Find_Item(Key(ids[2])), nullptr);
    for (std::size_t i : {0u, 1u, 3u}) EXPECT_EQ(Get_Device_Type(ids[i]), 0) << i;

    // A drop: the refused move stays, the others are made.
    const std::int32_t target = Add_Device("Target", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    const std::int32_t other = Add_Device("C-05", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    db_.Exec("CREATE TRIGGER stay BEFORE UPDATE OF PARENT ON DEV_TBL WHEN OLD.DEV_NAME='C-03' BEGIN SELECT "
             "RAISE(ABORT, 'stays'); END");
    c_.mnuViewRefresh_Click();
    edit_host_.on_events = nullptr;
    reporter_.boxes.clear();
    c_.tvwDevices_OLEDragDrop(Key(ids[2]) + std::string(Row_Key_Separator) + Key(other), Device(target));
    EXPECT_EQ(reporter_.boxes.size(), 1u);
    EXPECT_EQ(db_.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(ids[2])), "1");
    EXPECT_EQ(db_.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(other)), std::to_string(target));
}

// Many rows of a group listing deleted or dropped at once: the window
// answers between rows under the progress pane, and Cancel stops the walk
// with the pane and the store agreeing on what went.
TEST_F(GroupsTest, ALongDeletionOrDropPumpsBetweenRowsAndStopsAtCancel) {
    const std::int32_t lab = Add_Device("Lab", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    const std::int32_t target = Add_Device("Target", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    db_.Exec("INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, PARENT, DEV_TYPE_ID) WITH RECURSIVE n(i) AS (SELECT 1 "
             "UNION ALL SELECT i+1 FROM n WHERE i<300) SELECT printf('LAB%03d',i), '', " +
             std::to_string(lab) + ", 2 FROM n");
    c_.mnuViewRefresh_Click();
    List_Group(lab);
    ASSERT_EQ(c_.lvwMain.Item_Count(), 300u);
    for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i) c_.lvwMain.Item(i).selected = true;
    int pumps = 0;
    bool shown = true;
    edit_host_.on_events = [&] {
        shown = shown && c_.progress.visible && c_.Listing_Running();
        if (++pumps == 100) c_.cmdCancel_Click();
    };
    edit_host_.answers = {Answer_Yes};
    c_.lvwMain_KeyDown(46, 0);
    EXPECT_GE(pumps, 100);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(c_.progress.visible);
    EXPECT_FALSE(c_.Listing_Running());
    const std::string left = Count("DEV_TBL WHERE PARENT=" + std::to_string(lab));
    EXPECT_EQ(left, std::to_string(c_.lvwMain.Item_Count()));
    EXPECT_GT(c_.lvwMain.Item_Count(), 150u);
    EXPECT_LT(c_.lvwMain.Item_Count(), 300u);

    // The rest dragged onto another group, cancelled the same way.
    std::string data;
    for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i)
        data += (data.empty() ? "" : std::string(Row_Key_Separator)) + c_.lvwMain.Item(i).key;
    pumps = 0;
    c_.tvwDevices_OLEDragDrop(data, Device(target));
    EXPECT_GE(pumps, 100);
    const std::string moved = Count("DEV_TBL WHERE PARENT=" + std::to_string(target));
    EXPECT_GT(Number_Value(moved), 50);
    EXPECT_LT(Number_Value(moved), Number_Value(left));
    EXPECT_EQ(Device(target)->children.size(), static_cast<std::size_t>(Number_Value(moved)));
    EXPECT_FALSE(c_.progress.visible);
    EXPECT_TRUE(reporter_.boxes.empty());
}

TEST_F(GroupsTest, DeleteOutsideAGroupListingAsksAndDeletesNothing) {
    Click("Win32_OperatingSystem");
    c_.active_control = "lvwMain";
    c_.lvwMain.Item(0).selected = true;
    edit_host_.answers = {Answer_Yes};
    c_.lvwMain_KeyDown(46, 0);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Get_Device_Type(pc_), 2);
    c_.lvwMain_KeyDown(45, 0);  // another key: nothing
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(GroupsTest, DeletingTheRootComputerTakesAllItsRecordsAndMovesTheFeatureTree) {
    ASSERT_EQ(Number_Value(Get_Field(c_.tvwFeatures.Nodes().front()->tag, 0)), pc_);
    ListModel rows;
    rows.Add_Item("", "Computer Model")->Set_Sub_Item(1, "M");
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 1, 2}, pc_, 1, rows));
    ASSERT_TRUE(Save_Device_Details(pc_, "", "", "", "", "Maker", "", "", "", "", "", "", "", "", "", "", "", "",
                                    "", "", ""));
    ASSERT_TRUE(Add_Tabular_Report_Row(pc_, "PC7"));
    ASSERT_TRUE(Add_Tabular_Report_Computer(1, pc_));
    ASSERT_TRUE(Move_Device(pc_, sales_, 1, StoreDateTime{2024, 1, 1, 0, 0, 0}, "u", ""));
    ASSERT_TRUE(Move_Device(pc_, 1, sales_, StoreDateTime{2024, 1, 1, 0, 0, 1}, "u", ""));
    c_.mnuViewRefresh_Click();
    Click("RTT_SCM");
    EXPECT_TRUE(c_.tmrMain.enabled);

    Select_Device(pc_);
    edit_host_.answers = {Answer_Yes};
    c_.mnuGroupDelete_Click();
    EXPECT_EQ(Device(pc_), nullptr);
    for (const char* table :
         {"DEV_TBL", "SCAN_HEAD", "SCAN_DETAILS", "DEV_SPECS", "TAB_REPORT_COMPUTERS_TBL", "TABULAR_REPORT_TBL",
          "TRANSFER_TRACK"})
        EXPECT_EQ(Count(std::string(table) + " WHERE DEV_ID=" + std::to_string(pc_)), "0") << table;
    // The other computer is the root now; the deleted one's live list is gone.
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC8");
    EXPECT_EQ(Number_Value(Get_Field(c_.tvwFeatures.Nodes().front()->tag, 0)), pc8_);
    EXPECT_FALSE(c_.tmrMain.enabled);
    EXPECT_EQ(c_.lvwMain.Item_Count(), 0u);
    EXPECT_EQ(c_.active_control, "tvwDevices");

    // The last computer: the feature tree names none, and has no dates.
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 1, 3}, pc8_, 1, rows));
    c_.Fill_Scan_Dates(pc8_);
    Select_Device(pc8_);
    edit_host_.answers = {Answer_Yes};
    c_.mnuGroupDelete_Click();
    ASSERT_GT(c_.tvwFeatures.Count(), 0u);
    EXPECT_NE(c_.tvwFeatures.Nodes().front()->text, "PC8");
    EXPECT_NE(Get_Device_Type(Number_Value(Get_Field(c_.tvwFeatures.Nodes().front()->tag, 0))), 2);
    EXPECT_TRUE(c_.cboScanDate.items.empty());
}

TEST_F(GroupsTest, EditAndPropertiesFollowTheActiveControl) {
    // Enabled only where they can act; Delete always asks.
    c_.active_control = "tvwFeatures";
    for (const char* n : {"mnuAddType", "mnuGroupEdit", "mnuGDProperties"}) EXPECT_FALSE(c_.Command_Enabled(n)) << n;
    EXPECT_TRUE(c_.Command_Enabled("mnuGroupDelete"));
    Select_Device(sales_);
    for (const char* n : {"mnuAddType", "mnuGroupEdit"}) EXPECT_TRUE(c_.Command_Enabled(n)) << n;
    EXPECT_FALSE(c_.Command_Enabled("mnuGDProperties"));  // a group
    c_.Refresh_Commands();
    EXPECT_TRUE(c_.Command("mnuGroupEdit").enabled);
    c_.mnuGroupEdit_Click();
    EXPECT_EQ(edit_host_.label_edits, 1);
    EXPECT_EQ(c_.Properties_Device_ID(), 0);  // a group
    Select_Device(pc_);
    EXPECT_EQ(c_.Properties_Device_ID(), pc_);
    EXPECT_TRUE(c_.Command_Enabled("mnuGDProperties"));
    c_.tvwDevices_DblClick();
    EXPECT_EQ(properties_, std::vector<std::int32_t>{pc_});
    c_.active_control = "cboScanDate";
    EXPECT_EQ(c_.Properties_Device_ID(), 0);
    c_.mnuGroupEdit_Click();
    EXPECT_EQ(edit_host_.label_edits, 1);

    // From a group listing the row is renamed in the device tree.
    List_Group(1);
    Select_Rows({Key(pc_)});
    EXPECT_EQ(c_.Properties_Device_ID(), pc_);
    c_.mnuGroupEdit_Click();
    EXPECT_EQ(edit_host_.label_edits, 2);
    EXPECT_EQ(c_.tvwDevices.selected, Device(pc_));
    bool cancel = false;
    const std::string name = "PC7 Reception";
    c_.tvwDevices_AfterLabelEdit(cancel, &name);
    c_.Show_Device_Name(Key(pc_), name);
    EXPECT_EQ(c_.lvwMain.Find_Item(Key(pc_))->text, name);
    EXPECT_EQ(Get_Field(c_.lvwMain.Find_Item(Key(pc_))->tag, 1), name);
    EXPECT_EQ(Get_Field(c_.lvwMain.Find_Item(Key(pc_))->tag, 0), std::to_string(pc_));
}

TEST_F(GroupsTest, ColumnClicksSortSomeListingsByValueAndNeverKeepThemSorted) {
    for (auto [id, tag] : {std::pair{pc_, "10"}, {sales_, "9"}})
        ASSERT_TRUE(Save_Device_Details(id, "", "", "", "", "", "", "", tag, "", "", "", "", "", "", "", "", "", "",
                                        "", ""));
    List_Group(1);
    const std::size_t asset = c_.lvwMain.Find_Column("Asset Tag").value();
    c_.lvwMain_ColumnClick(asset);  // the initial ascending order flips first
    EXPECT_TRUE(c_.lvwMain.sort_descending);
    EXPECT_EQ(c_.lvwMain.Item(0).key, Key(pc_));  // 10 before 9, by value
    c_.lvwMain_ColumnClick(asset);
    EXPECT_EQ(c_.lvwMain.Item(0).key, Key(sales_));
    EXPECT_EQ(c_.lvwMain.Item(0).Sub_Item(asset), "9");
    c_.lvwMain_ColumnClick(0);  // by name, descending
    EXPECT_EQ(c_.lvwMain.Item(0).text, "Sales");
    EXPECT_FALSE(c_.lvwMain.sorted);

    // A vertical property listing keeps its rows; horizontal, it sorts.
    c_.mnuViewVertical_Click();
    Click("Win32_OperatingSystem");
    std::vector<std::string> before;
    for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i) before.push_back(c_.lvwMain.Item(i).key);
    c_.lvwMain_ColumnClick(1);
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(c_.lvwMain.Item(i).key, before[i]);
    c_.mnuViewHorizontal_Click();
    c_.lvwMain.Clear_Items();
    for (const char* name : {"b", "C", "a"}) c_.lvwMain.Add_Item(name, name);
    c_.lvwMain.sort_descending = true;
    c_.lvwMain_ColumnClick(0);
    EXPECT_EQ(c_.lvwMain.Item(0).text, "a");
    EXPECT_EQ(c_.lvwMain.Item(2).text, "C");
}

TEST_F(GroupsTest, DoubleClickAndEnterDrillDown) {
    List_Group(1);
    c_.lvwMain_DblClick();  // no row selected
    EXPECT_TRUE(properties_.empty());
    Select_Rows({Key(pc_)});
    EXPECT_TRUE(c_.lvwMain_KeyPress(13));
    EXPECT_EQ(c_.tvwDevices.selected, Device(pc_));
    EXPECT_EQ(properties_, std::vector<std::int32_t>{pc_});
    EXPECT_EQ(c_.tvwFeatures.Nodes().front()->text, "PC7");

    Select_Rows({Key(sales_)});
    c_.lvwMain_DblClick();  // a group lists its members; no properties
    EXPECT_EQ(Get_Field(c_.lvwMain.tag, 5), Key(sales_));
    EXPECT_NE(c_.lvwMain.Find_Item(Key(pc8_)), nullptr);
    EXPECT_EQ(properties_.size(), 1u);
    EXPECT_FALSE(c_.lvwMain_KeyPress('x'));

    // A feature group's icons select the child feature, showing nothing new.
    Click("Hardware");
    const std::string shown = c_.lvwMain.tag;
    c_.lvwMain.Find_Item("Win32_Processor")->selected = true;
    c_.lvwMain_DblClick();
    EXPECT_EQ(c_.tvwFeatures.selected->key, "Win32_Processor");
    EXPECT_EQ(c_.lvwMain.tag, shown);
}

TEST_F(GroupsTest, RightButtonMenusFitTheListing) {
    List_Group(1);
    c_.lvwMain_MouseUp(1, 0, 5, 5);
    c_.lvwMain_MouseUp(2, 0, 5, 5);
    Click("RTT_SCM");
    c_.lvwMain_MouseUp(2, 0, 5, 5);  // no row selected: no menu
    c_.lvwMain.Add_Item("svc", "Some Service")->selected = true;
    c_.lvwMain_MouseUp(2, 0, 5, 5);
    Click("RTT_RemoteTaskManager");
    c_.lvwMain.Add_Item("p1", "proc.exe")->selected = true;
    c_.lvwMain_MouseUp(2, 0, 5, 5);
    TreeNode* report = c_.tvwFeatures.Add_Root("Tabu_3", "My Report");
    c_.tvwFeatures.Select(report);
    c_.lvwMain_MouseUp(2, 0, 5, 5);  // the report menu, the list's variant
    EXPECT_EQ(edit_host_.popups, (std::vector<std::string>{"mnuGroup", "mnuOperationsService", "mnuOperationsProcess",
                                                           "mnuOperationsReport"}));
    EXPECT_FALSE(c_.Command("mnuOperationsReportAdd").visible);
    EXPECT_TRUE(c_.Command("mnuOperationsReportScan").visible);
}

TEST_F(GroupsTest, DragCarriesTheSelectedKeysAndTheTreeMovesThem) {
    List_Group(1);
    int effects = 0;
    EXPECT_EQ(c_.lvwMain_OLEStartDrag(effects), "");
    Select_Rows({Key(pc_), Key(sales_)});
    const std::string data = c_.lvwMain_OLEStartDrag(effects);
    EXPECT_EQ(Get_Field(data, 2), "");
    EXPECT_NE(data.find(Key(pc_)), std::string::npos);
    EXPECT_NE(data.find(std::string(Row_Key_Separator)), std::string::npos);
    const std::int32_t target = Add_Device("Target", "", "", 0, 0, 0, 0, "", 1, 1, "", "t");
    c_.mnuViewRefresh_Click();
    c_.tvwDevices_OLEDragDrop(Key(pc_), Device(target));
    EXPECT_EQ(db_.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(pc_)), std::to_string(target));
}

TEST_F(GroupsTest, LeavingAReportStoresItsColumnWidthsWithAFloor) {
    db_.Exec("INSERT INTO TABULAR_REPORT_TBL (TR_ID, DEV_NAME, SCAN_DATE) VALUES (-4, '1', '1')");
    TreeNode* report = c_.tvwFeatures.Add_Root("Tabu_3", "My Report");
    c_.tvwFeatures.Select(report);
    c_.lvwMain.Clear_Items();
    c_.lvwMain.Clear_Columns();
    c_.lvwMain.Add_Column("DEV_NAME", "Computer", 300);
    c_.lvwMain.Add_Column("SCAN_DATE", "Scan Date", 1234.4);
    c_.lvwMain_LostFocus();
    EXPECT_EQ(db_.Scalar("SELECT DEV_NAME || '|' || SCAN_DATE FROM TABULAR_REPORT_TBL WHERE TR_ID=-4"), "500|1234");
    c_.lvwMain.Column(1).width_twips = 500;
    c_.lvwMain.Column(0).key = "SCAN_DATE";  // not a report listing: nothing stored
    c_.lvwMain_LostFocus();
    c_.tvwFeatures.Select(Feature("Win32_OperatingSystem"));
    c_.lvwMain.Column(0).key = "DEV_NAME";
    c_.lvwMain_LostFocus();
    EXPECT_EQ(db_.Scalar("SELECT SCAN_DATE FROM TABULAR_REPORT_TBL WHERE TR_ID=-4"), "1234");
    EXPECT_TRUE(reporter_.boxes.empty());
}

}  // namespace
}  // namespace crv::test
