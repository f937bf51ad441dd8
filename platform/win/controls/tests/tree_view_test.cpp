#include "platform/win/controls/tree_view.h"

#include <gtest/gtest.h>

#include "host_window.h"
#include "platform/win/controls/drag.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"

namespace crv {
namespace {

using testing::HostWindow;
using testing::Pump;
using testing::Pump_Until;

std::wstring Text_Of(HWND tree, HTREEITEM item) {
    wchar_t buffer[260] = {};
    TVITEMW tvi{};
    tvi.mask = TVIF_TEXT | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.pszText = buffer;
    tvi.cchTextMax = 260;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
    return buffer;
}

// The texts of an item's children (the root's for nullptr), in control order.
std::vector<std::wstring> Children(HWND tree, HTREEITEM parent) {
    std::vector<std::wstring> out;
    HTREEITEM child = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
    for (; child; child = TreeView_GetNextSibling(tree, child)) out.push_back(Text_Of(tree, child));
    return out;
}

class TreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.Create(host.Handle(), 200));
        tree.Move(0, 0, 400, 600);
        images = std::make_unique<ImageList>(16);
        Load_Standard_Icons(*images);
        tree.Set_Image_List(images.get());
        root = model.Add_Root("DEV1", "All Devices", "Group");
        a = model.Add_Child(root, "DEV2", "Group A", "Group");
        pc = model.Add_Child(a, "DEV3", "PC-ONE", "Computer");
        b = model.Add_Child(root, "DEV4", "Group B", "Group");
        root->expanded = true;
        tree.Bind(&model);
    }

    HostWindow host;
    TreeViewControl tree;
    TreeModel model;
    std::unique_ptr<ImageList> images;
    TreeNode *root = nullptr, *a = nullptr, *pc = nullptr, *b = nullptr;
};

TEST_F(TreeViewTest, MirrorsTheModelAndFollowsItsChanges) {
    HWND h = tree.Handle();
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(Children(h, nullptr), (std::vector<std::wstring>{L"All Devices"}));
    EXPECT_EQ(Children(h, tree.Item_Of(root)), (std::vector<std::wstring>{L"Group A", L"Group B"}));
    EXPECT_TRUE(TreeView_GetItemState(h, tree.Item_Of(root), TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_FALSE(TreeView_GetItemState(h, tree.Item_Of(a), TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(tree.Node_Of(tree.Item_Of(pc)), pc);

    TVITEMW tvi{};
    tvi.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    tvi.hItem = tree.Item_Of(pc);
    SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
    EXPECT_EQ(tvi.iImage, images->Index_Of("Computer"));
    EXPECT_EQ(tvi.iSelectedImage, images->Index_Of("Computer"));

    // Nodes added later go where the model puts them.
    TreeNode* first = model.Add(b, TreeRelation::Previous_Sibling, "DEV5", "Group Between", "Group");
    TreeNode* top = model.Add(a, TreeRelation::First_Child, "DEV6", "PC-ZERO", "Computer");
    EXPECT_EQ(Children(h, tree.Item_Of(root)),
              (std::vector<std::wstring>{L"Group A", L"Group Between", L"Group B"}));
    EXPECT_EQ(Children(h, tree.Item_Of(a)), (std::vector<std::wstring>{L"PC-ZERO", L"PC-ONE"}));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(top, nullptr);

    // Changes made on a node show after Changed.
    pc->text = "PC-1";
    pc->bold = true;
    pc->selected_image = "OpenGroup";
    model.Changed(*pc);
    EXPECT_EQ(Text_Of(h, tree.Item_Of(pc)), L"PC-1");
    EXPECT_TRUE(TreeView_GetItemState(h, tree.Item_Of(pc), TVIS_BOLD) & TVIS_BOLD);
    tvi.hItem = tree.Item_Of(pc);
    SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
    EXPECT_EQ(tvi.iSelectedImage, images->Index_Of("OpenGroup"));
    a->expanded = true;
    model.Changed(*a);
    EXPECT_TRUE(TreeView_GetItemState(h, tree.Item_Of(a), TVIS_EXPANDED) & TVIS_EXPANDED);

    // A move takes the subtree along; a removal takes the subtree away.
    ASSERT_TRUE(model.Move(a, b));
    EXPECT_EQ(Children(h, tree.Item_Of(root)), (std::vector<std::wstring>{L"Group Between", L"Group B"}));
    EXPECT_EQ(Children(h, tree.Item_Of(b)), (std::vector<std::wstring>{L"Group A"}));
    EXPECT_EQ(Children(h, tree.Item_Of(a)), (std::vector<std::wstring>{L"PC-ZERO", L"PC-1"}));
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 6);
    model.Select(pc);
    model.Remove(b);
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(tree.Item_Of(pc), nullptr);
    // The selection went with the subtree: the model names what the control
    // selected instead (or nothing), never a removed node.
    EXPECT_EQ(model.selected, tree.Node_Of(TreeView_GetSelection(h)));
    EXPECT_TRUE(model.selected == nullptr || model.selected == root || model.selected == first);
    model.Clear();
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(TreeViewTest, SelectionGoesBothWaysAndClicksFireNodeClick) {
    HWND h = tree.Handle();
    std::vector<std::string> clicked;
    tree.on_node_click = [&](TreeNode& n) { clicked.push_back(n.key); };
    TreeNode* changed = nullptr;
    tree.on_selection_changed = [&](TreeNode* n) { changed = n; };

    // The program's own selection is no click.
    model.Select(b);
    EXPECT_EQ(TreeView_GetSelection(h), tree.Item_Of(b));
    Pump();
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(changed, nullptr);

    // The user's: the model follows; keyboard selection is a click.
    TreeView_SelectItem(h, tree.Item_Of(a));
    EXPECT_EQ(model.selected, a);
    EXPECT_EQ(changed, a);
    SendMessageW(h, WM_KEYDOWN, VK_UP, 0);
    Pump_Until([&] { return !clicked.empty(); });
    EXPECT_EQ(model.selected, root);
    EXPECT_EQ(clicked, (std::vector<std::string>{"DEV1"}));

    // A mouse click on a label, also on the node already selected.
    RECT r{};
    ASSERT_TRUE(TreeView_GetItemRect(h, tree.Item_Of(b), &r, TRUE));
    int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    EXPECT_EQ(tree.Hit_Test(x, y), b);
    for (int i = 0; i < 2; ++i) {
        PostMessageW(h, WM_LBUTTONUP, 0, testing::Point_Param(x, y));
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, testing::Point_Param(x, y));
        Pump_Until([&] { return clicked.size() == 2u + i; });
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{"DEV1", "DEV4", "DEV4"}));
    EXPECT_EQ(model.selected, b);
    EXPECT_EQ(tree.Hit_Test(r.right + 150, y), nullptr);

    // The user expands a node: the model follows and the handler hears it.
    std::vector<std::string> expanded;
    tree.on_expand_changed = [&](TreeNode& n) { expanded.push_back(n.key + (n.expanded ? "+" : "-")); };
    tree.Select(a);
    SendMessageW(h, WM_KEYDOWN, VK_ADD, 0);
    EXPECT_TRUE(a->expanded);
    SendMessageW(h, WM_KEYDOWN, VK_SUBTRACT, 0);
    EXPECT_FALSE(a->expanded);
    EXPECT_EQ(expanded, (std::vector<std::string>{"DEV2+", "DEV2-"}));
    tree.Expand(a, true);  // the program's own expansion is no event
    EXPECT_TRUE(TreeView_GetItemState(h, tree.Item_Of(a), TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(expanded.size(), 2u);
}

TEST_F(TreeViewTest, CheckBoxesShowTheModelAndTheUsersToggleGoesBack) {
    HWND h = tree.Handle();
    pc->checked = true;
    tree.Set_Checkboxes(true);
    auto state = [&](TreeNode* n) { return (TreeView_GetItemState(h, tree.Item_Of(n), TVIS_STATEIMAGEMASK) >> 12); };
    EXPECT_EQ(state(pc), 2u);
    EXPECT_EQ(state(a), 1u);

    std::vector<std::string> toggled;
    tree.on_node_check = [&](TreeNode& n) { toggled.push_back(n.key); };
    model.Select(a);
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
    Pump_Until([&] { return !toggled.empty(); });
    EXPECT_TRUE(a->checked);
    EXPECT_EQ(state(a), 2u);
    EXPECT_EQ(toggled, (std::vector<std::string>{"DEV2"}));

    // A click on the box of another node.
    RECT r{};
    ASSERT_TRUE(TreeView_GetItemRect(h, tree.Item_Of(b), &r, TRUE));
    int y = (r.top + r.bottom) / 2, box_x = -1;
    for (int x = 0; x < r.left && box_x < 0; ++x) {
        TVHITTESTINFO hit{};
        hit.pt = {x, y};
        if (TreeView_HitTest(h, &hit) == tree.Item_Of(b) && (hit.flags & TVHT_ONITEMSTATEICON)) box_x = x;
    }
    ASSERT_GE(box_x, 0);
    PostMessageW(h, WM_LBUTTONUP, 0, testing::Point_Param(box_x, y));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, testing::Point_Param(box_x, y));
    Pump_Until([&] { return toggled.size() == 2; });
    EXPECT_TRUE(b->checked);
    EXPECT_EQ(state(b), 2u);
    EXPECT_EQ(toggled, (std::vector<std::string>{"DEV2", "DEV4"}));

    // The program's own change shows and is no toggle.
    b->checked = false;
    model.Changed(*b);
    EXPECT_EQ(state(b), 1u);
    Pump();
    EXPECT_EQ(toggled.size(), 2u);
}

TEST_F(TreeViewTest, LabelEditCanBeAcceptedCancelledOrRefused) {
    HWND h = tree.Handle();
    tree.Set_Label_Edit(true);
    bool accept = true;
    std::vector<std::string> after;
    tree.on_after_label_edit = [&](TreeNode& n, const std::string& text) {
        after.push_back(n.key + "=" + text);
        return accept;
    };

    ASSERT_TRUE(tree.Start_Label_Edit(pc));
    HWND edit = TreeView_GetEditControl(h);
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, L"PC-\u00e9");
    tree.End_Label_Edit(false);
    EXPECT_EQ(after, (std::vector<std::string>{"DEV3=PC-\xC3\xA9"}));
    EXPECT_EQ(pc->text, "PC-\xC3\xA9");
    EXPECT_EQ(Text_Of(h, tree.Item_Of(pc)), L"PC-\u00e9");

    // The handler refuses: the node keeps its text.
    accept = false;
    ASSERT_TRUE(tree.Start_Label_Edit(pc));
    SetWindowTextW(TreeView_GetEditControl(h), L"Refused");
    tree.End_Label_Edit(false);
    EXPECT_EQ(after.size(), 2u);
    EXPECT_EQ(pc->text, "PC-\xC3\xA9");
    EXPECT_EQ(Text_Of(h, tree.Item_Of(pc)), L"PC-\u00e9");

    // Abandoned (Esc): the handler hears nothing.
    ASSERT_TRUE(tree.Start_Label_Edit(pc));
    SetWindowTextW(TreeView_GetEditControl(h), L"Abandoned");
    tree.End_Label_Edit(true);
    EXPECT_EQ(after.size(), 2u);
    EXPECT_EQ(Text_Of(h, tree.Item_Of(pc)), L"PC-\u00e9");

    // Refused before it starts; and no editing at all when switched off.
    tree.on_before_label_edit = [&](TreeNode& n) { return &n != root; };
    EXPECT_FALSE(tree.Start_Label_Edit(root));
    EXPECT_FALSE(tree.Editing());
    tree.Set_Label_Edit(false);
    EXPECT_FALSE(tree.Start_Label_Edit(pc));
}

TEST_F(TreeViewTest, TextDraggedFromAListDropsOnTheNodeUnderThePointer) {
    HWND h = tree.Handle();
    ListViewControl list;
    ASSERT_TRUE(list.Create(host.Handle(), 201));
    list.Move(450, 0, 400, 300);
    ListModel rows;
    rows.Add_Column("Name", "Name", 2000);
    rows.Add_Item("DEV3", "PC-ONE");
    list.Bind(&rows);
    list.on_begin_drag = [] { return std::string("DEV3\x0B" "DEV9"); };

    tree.Set_Accept_Drops(true);
    std::string dropped;
    TreeNode* target = reinterpret_cast<TreeNode*>(1);
    tree.on_drop = [&](const std::string& text, TreeNode* node, const MouseEvent&) {
        dropped = text;
        target = node;
    };

    RECT r{};
    ASSERT_TRUE(TreeView_GetItemRect(h, tree.Item_Of(b), &r, TRUE));
    POINT over_b{(r.left + r.right) / 2, (r.top + r.bottom) / 2};

    // The drag starts in the list and ends with the button released over "Group B".
    NMLISTVIEW nm{};
    nm.hdr = {list.Handle(), 201, static_cast<UINT>(LVN_BEGINDRAG)};
    nm.iItem = 0;
    SendMessageW(host.Handle(), WM_NOTIFY, 201, reinterpret_cast<LPARAM>(&nm));
    ASSERT_TRUE(Drag_In_Progress());
    POINT in_list = over_b;
    MapWindowPoints(h, list.Handle(), &in_list, 1);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, testing::Point_Param(in_list.x, in_list.y));
    EXPECT_FALSE(Drag_In_Progress());
    EXPECT_EQ(dropped, "DEV3\x0B" "DEV9");
    EXPECT_EQ(target, b);

    // Beside all nodes the target is none; a tree that takes no drops hears nothing.
    tree.Drop_Text("DEV3", r.right + 150, over_b.y);
    EXPECT_EQ(target, nullptr);
    tree.Set_Accept_Drops(false);
    dropped.clear();
    Begin_Text_Drag(list.Handle(), "DEV3");
    POINT screen = over_b;
    ClientToScreen(h, &screen);
    End_Text_Drag(screen, false);
    EXPECT_EQ(dropped, "");

    // A drag from the tree carries what its handler gives for the node.
    tree.on_begin_drag = [](TreeNode* n) { return n ? n->key : std::string(); };
    NMTREEVIEWW tv{};
    tv.hdr = {h, 200, static_cast<UINT>(TVN_BEGINDRAGW)};
    tv.itemNew.hItem = tree.Item_Of(pc);
    SendMessageW(host.Handle(), WM_NOTIFY, 200, reinterpret_cast<LPARAM>(&tv));
    tree.Set_Accept_Drops(true);
    POINT at_b = over_b;
    SendMessageW(h, WM_LBUTTONUP, 0, testing::Point_Param(at_b.x, at_b.y));
    EXPECT_EQ(dropped, "DEV3");
    EXPECT_EQ(target, b);
}

// The expand button an item shows (cChildren as the control holds it).
int Button_Of(HWND tree, HTREEITEM item) {
    TVITEMW tvi{};
    tvi.mask = TVIF_CHILDREN | TVIF_HANDLE;
    tvi.hItem = item;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
    return tvi.cChildren;
}

// Children on demand: a closed node's children are no items until it opens,
// is shown through one of them, or takes part in a change; the model holds
// everything, and what the user sees is the same.
TEST_F(TreeViewTest, ChildrenOnDemandBecomeItemsAsTheirParentOpens) {
    HWND h = tree.Handle();
    tree.Set_Children_On_Demand(true);
    tree.Bind(&model);
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(tree.Item_Count(), 3u);
    EXPECT_EQ(tree.Item_Of(pc), nullptr);
    EXPECT_EQ(Children(h, tree.Item_Of(root)), (std::vector<std::wstring>{L"Group A", L"Group B"}));
    EXPECT_EQ(Button_Of(h, tree.Item_Of(a)), 1);
    EXPECT_EQ(Button_Of(h, tree.Item_Of(b)), 0);

    // Opened as the user does, through the control.
    TreeView_Expand(h, tree.Item_Of(a), TVE_EXPAND);
    EXPECT_EQ(Children(h, tree.Item_Of(a)), (std::vector<std::wstring>{L"PC-ONE"}));
    EXPECT_EQ(tree.Node_Of(tree.Item_Of(pc)), pc);
    EXPECT_TRUE(a->expanded);

    // A large closed group costs one item, whatever it holds.
    TreeNode* big = model.Add_Child(root, "DEV10", "Big", "Group");
    for (int i = 0; i < 500; ++i)
        model.Add_Child(big, "DEV" + std::to_string(100 + i), "PC-" + std::to_string(i), "Computer");
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(Button_Of(h, tree.Item_Of(big)), 1);
    EXPECT_EQ(model.Count(), 505u);

    // Selecting, showing or editing a node inside makes its item, in place.
    TreeNode* deep = model.Find("DEV420");
    model.Select(deep);
    ASSERT_NE(tree.Item_Of(deep), nullptr);
    EXPECT_EQ(TreeView_GetSelection(h), tree.Item_Of(deep));
    EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 505);
    EXPECT_EQ(Text_Of(h, TreeView_GetPrevSibling(h, tree.Item_Of(deep))), L"PC-319");
    TreeNode* inner = model.Add_Child(b, "DEV7", "PC-IN-B", "Computer");
    EXPECT_EQ(tree.Item_Of(inner), nullptr);
    EXPECT_EQ(Button_Of(h, tree.Item_Of(b)), 1);
    tree.Set_Label_Edit(true);
    ASSERT_TRUE(tree.Start_Label_Edit(inner));
    EXPECT_NE(tree.Item_Of(inner), nullptr);
    tree.End_Label_Edit(true);

    // Removing a closed group's last child takes its button away.
    TreeNode* lone = model.Add_Child(pc, "DEV8", "Disk", "Device");
    EXPECT_EQ(Button_Of(h, tree.Item_Of(pc)), 1);
    model.Remove(lone);
    EXPECT_EQ(Button_Of(h, tree.Item_Of(pc)), 0);

    // A move into a closed group waits there; the group it left loses its button.
    TreeNode* c = model.Add_Child(root, "DEV9", "Group C", "Group");
    ASSERT_TRUE(model.Move(pc, c));
    EXPECT_EQ(tree.Item_Of(pc), nullptr);
    EXPECT_EQ(Button_Of(h, tree.Item_Of(c)), 1);
    EXPECT_EQ(Button_Of(h, tree.Item_Of(a)), 0);
    tree.Expand(c);
    EXPECT_EQ(Children(h, tree.Item_Of(c)), (std::vector<std::wstring>{L"PC-ONE"}));

    // A node already expanded in the model shows its children as it is made.
    model.Clear();
    TreeNode* open = model.Add_Root("DEV1", "All Devices", "Group");
    open->expanded = true;
    model.Add_Child(open, "DEV2", "Group A", "Group");
    EXPECT_EQ(Children(h, tree.Item_Of(open)), (std::vector<std::wstring>{L"Group A"}));
    EXPECT_TRUE(TreeView_GetItemState(h, tree.Item_Of(open), TVIS_EXPANDED) & TVIS_EXPANDED);
}

}  // namespace
}  // namespace crv
