#include "ui/model/list_helpers.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/error.h"

namespace crv {
namespace {

struct Row {
    const char* name;
    const char* value;
};

// A two-column name/value list as the property fillers make it.
void Fill_Properties(ListModel& list, const std::vector<Row>& rows) {
    list.Add_Column("Name", "Name", 5000);
    list.Add_Column("Value", "Value", 12000);
    int n = 0;
    for (const Row& r : rows) {
        ListItem* item = list.Add_Item("k" + std::to_string(++n), r.name);
        item->Set_Sub_Item(1, r.value);
        item->small_icon = "Info";
    }
}

std::vector<std::string> Captions(const ListModel& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.Column_Count(); ++i) out.push_back(list.Column(i).text);
    return out;
}

std::vector<std::string> Cells(const ListItem& item, std::size_t columns) {
    std::vector<std::string> out;
    for (std::size_t c = 0; c < columns; ++c) out.push_back(item.Cell(c));
    return out;
}

class ListHelpers : public ::testing::Test {
protected:
    void SetUp() override { Clear_Error(); }
};

TEST_F(ListHelpers, AddIndentedPositionsIconsAndIndent) {
    ListModel list;
    Add_ListItem_Indented(list, 0, "a", "A", "", "", 1);
    Add_ListItem_Indented(list, 0, "b", "B", "", "", 1);
    Add_ListItem_Indented(list, 0, "c", "C", "", "", 1);
    ListItem* d = Add_ListItem_Indented(list, 3, "d", "D", "Big", "", 1);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(list.Item(2).key, "d");
    EXPECT_EQ(list.Item(3).key, "c");
    EXPECT_EQ(d->icon, "Big");
    EXPECT_EQ(d->small_icon, "");  // empty key: no small icon
    EXPECT_EQ(d->indent, 1);
    EXPECT_EQ(list.Find_Item("c"), &list.Item(3));  // key lookup follows the insert
    ListItem* e = Add_ListItem_Indented(list, 0, "e", "E", "", "Info", 1);
    EXPECT_EQ(&list.Item(4), e);
    EXPECT_EQ(e->small_icon, "Info");
    EXPECT_EQ(e->icon, "");
    // Position count + 1 appends; beyond that is refused.
    EXPECT_NE(Add_ListItem_Indented(list, 6, "f", "F", "", "", 1), nullptr);
    EXPECT_EQ(Add_ListItem_Indented(list, 8, "g", "G", "", "", 1), nullptr);
    EXPECT_EQ(Pending_Error().number, 35600);
    EXPECT_EQ(list.Item_Count(), 6u);
}

TEST_F(ListHelpers, AddIndentedDuplicateKeyFailsWithError) {
    ListModel list;
    ASSERT_NE(Add_ListItem_Indented(list, 0, "x", "1", "", "", 1), nullptr);
    EXPECT_EQ(Add_ListItem_Indented(list, 0, "x", "2", "", "", 1), nullptr);
    EXPECT_EQ(Pending_Error().number, 35602);
    EXPECT_EQ(list.Item_Count(), 1u);
    // Rows without a key never clash.
    EXPECT_NE(Add_ListItem_Indented(list, 0, "", "3", "", "", 1), nullptr);
    EXPECT_NE(Add_ListItem_Indented(list, 0, "", "4", "", "", 1), nullptr);
}

TEST_F(ListHelpers, CheckAll) {
    ListModel list;
    for (int i = 0; i < 3; ++i) list.Add_Item("", "r");
    list.Item(1).checked = true;
    Check_All_ListItems(list, true);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(list.Item(i).checked);
    Check_All_ListItems(list, false);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_FALSE(list.Item(i).checked);
}

TEST_F(ListHelpers, FindNodeIndexByText) {
    TreeModel tree;
    TreeNode* root = tree.Add_Root("DEV1", "All Computers");
    TreeNode* group = tree.Add_Child(root, "DEV2", "PC7");  // a group named like a computer
    tree.Add_Child(group, "DEV3", "SERVER");
    tree.Add_Child(root, "DEV4", "PC7");
    tree.Add_Child(root, "DEV5", "\xC3\x89TUDE-\xD0\x9F\xD0\x9A");  // ÉTUDE-ПК
    EXPECT_EQ(Find_Node_Index_By_Text(tree, "server", false), 3);
    EXPECT_EQ(Find_Node_Index_By_Text(tree, "pc7", false), 2);
    EXPECT_EQ(Find_Node_Index_By_Text(tree, "pc7", true), 4);  // the group is passed over
    EXPECT_EQ(Find_Node_Index_By_Text(tree, "all computers", true), -1);
    EXPECT_EQ(Find_Node_Index_By_Text(tree, "\xC3\xA9tude-\xD0\xBF\xD0\xBA", true), 5);
    EXPECT_EQ(Find_Node_Index_By_Text(tree, "nothing", false), -1);
    EXPECT_EQ(Find_Node_Index_By_Text(tree, "PC", false), -1);  // whole text only
    TreeModel empty;
    EXPECT_EQ(Find_Node_Index_By_Text(empty, "", false), -1);
}

TEST_F(ListHelpers, StripBracketPrefix) {
    EXPECT_EQ(Strip_Bracket_Prefix("[2] Name"), "Name");
    EXPECT_EQ(Strip_Bracket_Prefix("[2]Name"), "[2]Name");
    EXPECT_EQ(Strip_Bracket_Prefix("a] b] c"), "b] c");
    EXPECT_EQ(Strip_Bracket_Prefix("x] "), "");
    EXPECT_EQ(Strip_Bracket_Prefix(""), "");
}

TEST_F(ListHelpers, ExStyleAddsBorderSelectOnly) {
    EXPECT_EQ(ListView_ExStyle_For(0), 0x8000u);
    EXPECT_EQ(ListView_ExStyle_For(0x21), 0x8021u);
    // Bits already set stay; none above bit 15 is turned on.
    EXPECT_EQ(ListView_ExStyle_For(0x10000), 0x18000u);
    EXPECT_EQ(ListView_ExStyle_For(0x1234) & 0xFFFF0000u, 0u);
}

TEST_F(ListHelpers, StraightCopies) {
    // Vertical listing, three columns, and the root marker each keep the list as it is.
    auto check_straight = [](const ListModel& source, bool vertical) {
        ListModel target;
        target.Add_Column("old", "old", 1);
        target.Add_Item("old", "old");
        ASSERT_TRUE(Copy_ListView_For_Export(source, target, vertical));
        ASSERT_EQ(target.Column_Count(), source.Column_Count());
        ASSERT_EQ(target.Item_Count(), source.Item_Count());
        for (std::size_t c = 0; c < source.Column_Count(); ++c) {
            EXPECT_EQ(target.Column(c).key, source.Column(c).key);
            EXPECT_EQ(target.Column(c).text, source.Column(c).text);
            EXPECT_EQ(target.Column(c).width_twips, source.Column(c).width_twips);
            EXPECT_EQ(target.Column(c).alignment, source.Column(c).alignment);
        }
        for (std::size_t r = 0; r < source.Item_Count(); ++r) {
            const ListItem& s = source.Item(r);
            const ListItem& t = target.Item(r);
            EXPECT_EQ(t.key, s.key);
            EXPECT_EQ(Cells(t, source.Column_Count()), Cells(s, source.Column_Count()));
            EXPECT_EQ(t.bold, s.bold);
            EXPECT_EQ(t.fore_color, s.fore_color);
            EXPECT_EQ(t.tag, s.tag);
            EXPECT_EQ(t.icon, s.icon);
            EXPECT_EQ(t.small_icon, s.small_icon);
        }
        EXPECT_EQ(target.view, source.view);
        EXPECT_EQ(target.checkboxes, source.checkboxes);
        EXPECT_EQ(target.small_icons, source.small_icons);
        EXPECT_EQ(target.Find_Item("old"), nullptr);
    };
    ListModel two;
    Fill_Properties(two, {{"Processor", "1"}, {"Name", "A"}, {"", ""}, {"Processor", "2"}});
    two.Item(0).bold = true;
    two.Item(0).fore_color = 0xFF;
    two.Item(0).tag = "t";
    two.Column(1).alignment = ColumnAlignment::Right;
    two.small_icons = "ilsMain";
    two.checkboxes = true;
    check_straight(two, true);

    ListModel three;
    three.Add_Column("a", "A", 100);
    three.Add_Column("b", "B", 200);
    three.Add_Column("c", "C", 300);
    three.Add_Item("r1", "1")->Set_Sub_Item(2, "x");
    three.Add_Item("r2", "2");
    check_straight(three, false);

    ListModel root;
    Fill_Properties(root, {{"Processor", "1"}, {"Processor", "1"}});
    root.Column(0).tag = std::string("1\x0BPC1\x0B") + "0\x0B[Root...]\x0B" + "img";
    check_straight(root, false);
}

TEST_F(ListHelpers, StraightCopyKeepsShortRowsShort) {
    ListModel source;
    source.Add_Column("a", "A", 1);
    source.Add_Column("b", "B", 1);
    source.Add_Column("c", "C", 1);
    source.Add_Item("", "only text");
    source.Add_Item("", "long")->Set_Sub_Item(4, "beyond the columns");
    ListModel target;
    ASSERT_TRUE(Copy_ListView_For_Export(source, target, true));
    EXPECT_TRUE(target.Item(0).sub_items.empty());
    EXPECT_EQ(target.Item(1).sub_items.size(), 2u);
}

TEST_F(ListHelpers, PivotOneRowPerRecord) {
    ListModel source, target;
    Fill_Properties(source, {{"Processor", "1"}, {"Name", "A"}, {"Speed", "2"}, {"", ""},
                             {"Processor", "2"}, {"Name", "B"}, {"Speed", "3"}});
    ASSERT_TRUE(Copy_ListView_For_Export(source, target, false));
    EXPECT_EQ(Captions(target), (std::vector<std::string>{"Processor", "Name", "Speed"}));
    ASSERT_EQ(target.Item_Count(), 2u);
    EXPECT_EQ(Cells(target.Item(0), 3), (std::vector<std::string>{"1", "A", "2"}));
    EXPECT_EQ(Cells(target.Item(1), 3), (std::vector<std::string>{"2", "B", "3"}));
    EXPECT_EQ(target.Item(0).key, "Processor-1");
    EXPECT_EQ(target.Item(0).small_icon, "Info");
    EXPECT_EQ(target.Column(1).key, "Name");
}

TEST_F(ListHelpers, PivotJoinsArrayContinuations) {
    ListModel source, target;
    Fill_Properties(source, {{"Processor", "1"}, {"Address", "x"}, {"  ", "y"}, {"Speed", "2"},
                             {"", ""}, {"Processor", "2"}, {"Address", "z"}, {"", "w"},
                             {"", "v"}, {"Speed", "3"}});
    ASSERT_TRUE(Copy_ListView_For_Export(source, target, false));
    EXPECT_EQ(Captions(target), (std::vector<std::string>{"Processor", "Address", "Speed"}));
    ASSERT_EQ(target.Item_Count(), 2u);
    EXPECT_EQ(Cells(target.Item(0), 3), (std::vector<std::string>{"1", "x, y", "2"}));
    EXPECT_EQ(Cells(target.Item(1), 3), (std::vector<std::string>{"2", "z, w, v", "3"}));
}

TEST_F(ListHelpers, PivotMissingAndLateProperties) {
    ListModel source, target;
    // Blank-only rows end a record too; "Name " differs from "Name".
    Fill_Properties(source, {{"Disk", "1"}, {"Size", "10"}, {"Free", "5"}, {"   ", " "},
                             {"Disk", "2"}, {"Free", "7"}, {"Label", "D"}, {"Name ", "n"}});
    ASSERT_TRUE(Copy_ListView_For_Export(source, target, false));
    EXPECT_EQ(Captions(target), (std::vector<std::string>{"Disk", "Size", "Free", "Label", "Name "}));
    ASSERT_EQ(target.Item_Count(), 2u);
    EXPECT_EQ(Cells(target.Item(0), 5), (std::vector<std::string>{"1", "10", "5", "", ""}));
    EXPECT_EQ(Cells(target.Item(1), 5), (std::vector<std::string>{"2", "", "7", "D", "n"}));
}

TEST_F(ListHelpers, PivotFailuresSetTheErrorInsteadOfCrashing) {
    struct Case {
        std::vector<Row> rows;
        std::int32_t error;
    };
    const std::vector<Case> cases = {
        // Two records beginning with the same name and value.
        {{{"Processor", "1"}, {"", ""}, {"Processor", "1"}}, 35602},
        // A continuation at the start of a record.
        {{{"", "orphan"}, {"Processor", "1"}}, 91},
        {{{"Processor", "1"}, {"", ""}, {"", "orphan"}}, 91},
        // A row inside a record named like the first column.
        {{{"Processor", "1"}, {"Processor", "2"}}, 35600},
    };
    for (const Case& c : cases) {
        Clear_Error();
        ListModel source, target;
        Fill_Properties(source, c.rows);
        EXPECT_FALSE(Copy_ListView_For_Export(source, target, false));
        EXPECT_EQ(Pending_Error().number, c.error);
    }
}

TEST_F(ListHelpers, CopyOntoItself) {
    ListModel list;
    Fill_Properties(list, {{"Processor", "1"}, {"Name", "A"}, {"", ""}, {"Processor", "2"}});
    ASSERT_TRUE(Copy_ListView_For_Export(list, list, false));
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"Processor", "Name"}));
    ASSERT_EQ(list.Item_Count(), 2u);
    EXPECT_EQ(Cells(list.Item(0), 2), (std::vector<std::string>{"1", "A"}));
}

}  // namespace
}  // namespace crv
