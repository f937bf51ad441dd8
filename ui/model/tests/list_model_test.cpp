#include "ui/model/list_model.h"

#include <gtest/gtest.h>

#include <string>

namespace crv {
namespace {

std::vector<std::string> Keys(const ListModel& list) {
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) keys.push_back(list.Item(i).key);
    return keys;
}

// Positions must follow every kind of change, whichever order lookups come in.
TEST(ListModelIndex, PositionsFollowInsertionsRemovalsAndSorts) {
    ListModel list;
    list.Add_Item("c", "3");
    list.Add_Item("a", "1");
    list.Add_Item("", "keyless");
    ASSERT_EQ(list.Index_Of("a"), 1u);
    list.Add_Item("b", "2", 1);  // in the middle: a moves down
    EXPECT_EQ(list.Index_Of("a"), 2u);
    EXPECT_EQ(list.Index_Of("b"), 1u);
    EXPECT_EQ(list.Index_Of("c"), 0u);
    list.Add_Item("z", "26", 0);
    EXPECT_EQ(list.Index_Of("c"), 1u);
    EXPECT_EQ(list.Index_Of("z"), 0u);

    EXPECT_EQ(list.Add_Item("b", "again"), nullptr);  // duplicate keys are refused wherever they stand
    EXPECT_EQ(list.Item_Count(), 5u);

    ASSERT_TRUE(list.Remove_Item(1));  // "c"
    EXPECT_FALSE(list.Index_Of("c"));
    EXPECT_EQ(list.Find_Item("c"), nullptr);
    EXPECT_EQ(list.Index_Of("a"), 2u);
    ASSERT_NE(list.Add_Item("c", "again"), nullptr);  // a removed key can be used again
    EXPECT_EQ(list.Index_Of("c"), 4u);

    list.sort_key = 0;
    list.Sort_Items();
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"a", "b", "z", "c", ""}));
    for (std::size_t i = 0; i + 1 < list.Item_Count(); ++i) EXPECT_EQ(list.Index_Of(list.Item(i).key), i);
    EXPECT_EQ(list.Find_Item("z")->text, "26");

    list.Clear_Items();
    EXPECT_FALSE(list.Index_Of("a"));
    EXPECT_NE(list.Add_Item("a", "fresh"), nullptr);
    EXPECT_EQ(list.Index_Of("a"), 0u);
}

// The listings insert each object's top properties right after its header
// while the object is being written; the index work must stay a constant per
// row however long the list grows (a rebuild per insertion does n^2 work).
TEST(ListModelIndex, InsertingAfterTheCurrentHeaderCostsAConstantPerRow) {
    ListModel list;
    constexpr int Objects = 10000;
    for (int n = 1; n <= Objects; ++n) {
        const std::string s = std::to_string(n);
        ASSERT_NE(list.Add_Item("Head\x0B" + s, "h"), nullptr);
        const std::size_t header = *list.Index_Of("Head\x0B" + s);
        list.Add_Item("Size\x0B" + s, "v");
        list.Add_Item("Name\x0B" + s, "v", header + 1);
        list.Add_Item("Model\x0B" + s, "v", header + 1);
        list.Add_Item("Space\x0B" + s, "");
    }
    ASSERT_EQ(list.Item_Count(), 5u * Objects);
    EXPECT_LE(list.Index_Work(), 5u * 5 * Objects);
    EXPECT_EQ(list.Index_Of("Model\x0B" "777"), 5u * 776 + 1);
    EXPECT_EQ(list.Index_Of("Size\x0B" "777"), 5u * 776 + 3);
}

// Removals leave marks in the index that later insertions and growth must
// step over or clear: every key stays findable, every removed one stays gone.
TEST(ListModelIndex, KeysStayFindableThroughRemovalsAndRegrowth) {
    ListModel list;
    for (int round = 0; round < 4; ++round) {
        for (int i = 0; i < 500; ++i)
            ASSERT_NE(list.Add_Item("r" + std::to_string(round) + "-" + std::to_string(i), "x"), nullptr);
        for (std::size_t i = list.Item_Count(); i-- > 0;) {
            if (i % 2 == 0) {
                ASSERT_TRUE(list.Remove_Item(i));
            }
        }
    }
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        ASSERT_EQ(list.Index_Of(list.Item(i).key), i);
        ASSERT_EQ(list.Add_Item(list.Item(i).key, "dup"), nullptr);
    }
    std::size_t gone = 0;
    for (int round = 0; round < 4; ++round)
        for (int i = 0; i < 500; ++i)
            gone += list.Find_Item("r" + std::to_string(round) + "-" + std::to_string(i)) == nullptr;
    EXPECT_EQ(gone + list.Item_Count(), 2000u);
}

TEST(ListModelIndex, TakingRowsMovesColumnsRowsAndIndexAndLeavesTheSourceEmpty) {
    ListModel source;
    source.Add_Column("k", "Key", 100);
    source.Add_Item("a", "1");
    source.Add_Item("b", "2", 0);
    const ListItem* a = source.Find_Item("a");
    ListModel target;
    target.Add_Item("old", "x");
    target.multi_select = true;
    target.Take_Rows_From(source);
    EXPECT_EQ(source.Item_Count(), 0u);
    EXPECT_EQ(source.Column_Count(), 0u);
    EXPECT_EQ(source.Find_Item("a"), nullptr);
    EXPECT_NE(source.Add_Item("a", "again"), nullptr);  // the source's index went with its rows
    EXPECT_EQ(target.Column_Count(), 1u);
    EXPECT_EQ(Keys(target), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(target.Find_Item("a"), a);  // the very row, not a copy
    EXPECT_EQ(target.Index_Of("a"), 1u);
    EXPECT_EQ(target.Find_Item("old"), nullptr);
    EXPECT_EQ(target.Add_Item("b", "dup"), nullptr);
    EXPECT_TRUE(target.multi_select);
}

}  // namespace
}  // namespace crv
