// The device tree against the stored parents: after moves, with parents
// gone or looped, and what a drop and a press may do to them.
#include "mainwindow/tests/controller_fixture.h"

namespace crv::test {
namespace {

struct PressHost : TestHost {
    int label_edits = 0;
    void Begin_Device_Label_Edit() override { ++label_edits; }
};

class DeviceTreeTest : public ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        c_.Set_Host(&press_host_);
    }
    std::int32_t Group(const std::string& name, std::int32_t parent) {
        return Add_Device(name, "", "", 0, 0, 0, 0, "", parent, 1, "", "t");
    }
    std::int32_t Computer(const std::string& name, std::int32_t parent) {
        return Add_Device(name, "", "", 0, 0, 0, 0, "", parent, 2, "", "t");
    }
    TreeNode* Device(std::int32_t id) { return c_.tvwDevices.Find("DEV" + std::to_string(id)); }
    std::string Key(std::int32_t id) { return "DEV" + std::to_string(id); }
    std::string Parent_Of(std::int32_t id) {
        TreeNode* n = Device(id);
        return n && n->parent ? n->parent->key : "(top)";
    }
    std::string Stored_Parent(std::int32_t id) {
        return db_.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id));
    }
    void Drop(const std::vector<std::int32_t>& ids, std::int32_t target) {
        std::string data;
        for (std::int32_t id : ids) data += (data.empty() ? "" : SEP) + Key(id);
        c_.tvwDevices_OLEDragDrop(data, Device(target));
    }

    PressHost press_host_;
};

// X > Y > Z with a computer in Z, then X moved into a newer group W: Y and
// Z now sort before their own parents in the store's order.
TEST_F(DeviceTreeTest, EveryDeviceStaysUnderItsStoredParentAfterAMoveRestartAndRefresh) {
    const std::int32_t x = Group("X", 1), y = Group("Y", x), z = Group("Z", y);
    const std::int32_t pc = Computer("PCZ", z);
    const std::int32_t w = Group("W", 1);
    Start();
    Drop({x}, w);
    ASSERT_EQ(Stored_Parent(x), std::to_string(w));

    MainController restarted;
    restarted.Set_Host(&press_host_);
    restarted.Initialize_Main_Window(true);
    c_.mnuViewRefresh_Click();
    for (TreeModel* t : {&restarted.tvwDevices, &c_.tvwDevices}) {
        auto parent = [&](std::int32_t id) {
            const TreeNode* n = t->Find(Key(id));
            return n && n->parent ? n->parent->key : std::string("(top)");
        };
        EXPECT_EQ(parent(x), Key(w));
        EXPECT_EQ(parent(y), Key(x));
        EXPECT_EQ(parent(z), Key(y));
        EXPECT_EQ(parent(pc), Key(z));
        ASSERT_EQ(t->Roots().size(), 1u);
        EXPECT_EQ(t->Nodes().front()->key, "DEV1");
        EXPECT_TRUE(t->Nodes().front()->expanded);
    }
    // Members keep the store's order: groups by name, then computers.
    const std::int32_t pc_b = Computer("B-PC", x), group_b = Group("B", x);
    Group("A", x);
    c_.mnuViewRefresh_Click();
    std::vector<std::string> members;
    for (const TreeNode* n : Device(x)->children) members.push_back(n->text);
    EXPECT_EQ(members, (std::vector<std::string>{"A", "B", "Y", "B-PC"}));
    EXPECT_EQ(Parent_Of(pc_b), Key(x));
    EXPECT_EQ(Parent_Of(group_b), Key(x));

    // With the tree as stored, X cannot go into its own sub-groups: the
    // window skips it and the store keeps no loop.
    Drop({x}, y);
    Drop({x}, z);
    EXPECT_EQ(Stored_Parent(x), std::to_string(w));
    EXPECT_EQ(Parent_Of(x), Key(w));
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM TRANSFER_TRACK"), "1");
    EXPECT_TRUE(press_host_.boxes.empty());
}

TEST_F(DeviceTreeTest, DevicesWithoutAStoredParentOrOnALoopShowUnderTheRootGroup) {
    const std::int32_t lost_group = Group("Lost", 1), lost_pc = Computer("LOST-PC", 1);
    const std::int32_t a = Group("A", 1), b = Group("B", a);
    const std::int32_t in_loop = Computer("IN-LOOP", b);
    const std::int32_t self = Group("Self", 1);
    const std::int32_t under_pc = Computer("UNDER-PC", 1);
    db_.Exec("UPDATE DEV_TBL SET PARENT=9999 WHERE DEV_ID IN (" + std::to_string(lost_group) + "," +
             std::to_string(lost_pc) + ")");
    db_.Exec("UPDATE DEV_TBL SET PARENT=" + std::to_string(b) + " WHERE DEV_ID=" + std::to_string(a));
    db_.Exec("UPDATE DEV_TBL SET PARENT=DEV_ID WHERE DEV_ID=" + std::to_string(self));
    db_.Exec("UPDATE DEV_TBL SET PARENT=" + std::to_string(pc_) + " WHERE DEV_ID=" + std::to_string(under_pc));
    Start();
    EXPECT_EQ(c_.tvwDevices.Count(), static_cast<std::size_t>(std::stoi(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL"))));
    EXPECT_EQ(c_.tvwDevices.Roots().size(), 1u);
    for (std::int32_t id : {lost_group, lost_pc, self, under_pc}) EXPECT_EQ(Parent_Of(id), "DEV1") << id;
    // The loop is cut at its oldest member; the rest keeps its stored parents.
    EXPECT_EQ(Parent_Of(a), "DEV1");
    EXPECT_EQ(Parent_Of(b), Key(a));
    EXPECT_EQ(Parent_Of(in_loop), Key(b));
    EXPECT_TRUE(press_host_.boxes.empty());

    // Moving the cut member into its stored parent is refused; moving it
    // onto the root group mends the loop.
    Drop({a}, b);
    EXPECT_EQ(Stored_Parent(a), std::to_string(b));
    Drop({b}, 1);
    EXPECT_EQ(Stored_Parent(b), "1");
    c_.mnuViewRefresh_Click();
    EXPECT_EQ(Parent_Of(b), "DEV1");
    EXPECT_EQ(Parent_Of(a), Key(b));
}

TEST_F(DeviceTreeTest, ADropComparesGroupsByKeyAndSkipsWhatNeedsNoMove) {
    const std::int32_t east = Group("Sales", 1), west = Group("Sales", 1);
    const std::int32_t pc_east = Computer("PC-E", east), pc_west = Computer("PC-W", west);
    Start();
    c_.tvwDevices.Select(Device(west));
    c_.tvwDevices_NodeClick(Device(west));
    // The first needs no move, the second comes from the other "Sales", the
    // third from the root group.
    Drop({pc_west, pc_east, pc_}, west);
    EXPECT_EQ(Stored_Parent(pc_east), std::to_string(west));
    EXPECT_EQ(Stored_Parent(pc_), std::to_string(west));
    EXPECT_EQ(Parent_Of(pc_east), Key(west));
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM TRANSFER_TRACK"), "2");
    EXPECT_EQ(c_.lvwMain.Item_Count(), 3u);  // the listed group shows its new members
}

TEST_F(DeviceTreeTest, ALeftPressLeavesTheSelectionToTheControlAndStartsNoRename) {
    const std::int32_t g = Group("Sales", 1);
    Start();
    TreeNode* selected = c_.tvwDevices.selected;
    c_.tvwDevices_MouseDown(1, Device(g));
    EXPECT_EQ(c_.tvwDevices.selected, selected);
    EXPECT_EQ(press_host_.label_edits, 0);
    EXPECT_TRUE(press_host_.popups.empty());
    // The right button selects, shows the node and opens the menu.
    c_.tvwDevices_MouseDown(2, Device(g));
    EXPECT_EQ(c_.tvwDevices.selected, Device(g));
    EXPECT_EQ(Get_Field(c_.lvwMain.tag, 5), Key(g));
    EXPECT_EQ(press_host_.popups, (std::vector<std::string>{"mnuGroup"}));
    EXPECT_EQ(press_host_.label_edits, 0);
}

}  // namespace
}  // namespace crv::test
