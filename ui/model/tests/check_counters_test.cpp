#include <gtest/gtest.h>

#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {
namespace {

TEST(CheckCounters, NodesOverAllLevelsAndItemsOfAList) {
    TreeModel tree;
    TreeNode* root = tree.Add_Root("DEV1", "All");
    TreeNode* child = tree.Add_Child(root, "DEV2", "PC");
    TreeNode* grandchild = tree.Add_Child(child, "DEV3", "PC2");
    tree.Add_Child(root, "DEV4", "PC3");
    EXPECT_EQ(Count_Checked_Nodes(tree), 0);
    root->checked = true;
    grandchild->checked = true;
    EXPECT_EQ(Count_Checked_Nodes(tree), 2);

    ListModel list;
    list.Add_Item("a", "A");
    list.Add_Item("b", "B")->checked = true;
    list.Add_Item("c", "C")->checked = true;
    EXPECT_EQ(Count_Checked_Items(list), 2);
}

}  // namespace
}  // namespace crv
