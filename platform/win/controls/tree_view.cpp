#include "platform/win/controls/tree_view.h"

#include <algorithm>

#include "platform/win/controls/drag.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/wide.h"

namespace crv {

using controls_detail::Utf8;
using controls_detail::Wide;

namespace {

constexpr UINT Message_Clicked = WM_APP + 0x301;  // wParam: the clicked HTREEITEM
constexpr UINT Message_Read_Check = WM_APP + 0x302;

}  // namespace

TreeViewControl::~TreeViewControl() {
    if (model_ && model_->Listener() == this) model_->Set_Listener(nullptr);
}

bool TreeViewControl::Create(HWND parent, int id, DWORD extra_style) {
    controls_detail::Init_Common_Controls();
    HWND hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TVS_HASLINES | TVS_HASBUTTONS |
                                    TVS_LINESATROOT | TVS_SHOWSELALWAYS | extra_style,
                                0, 0, 100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    return Attach(hwnd);
}

void TreeViewControl::Bind(TreeModel* model) {
    if (model_ && model_ != model && model_->Listener() == this) model_->Set_Listener(nullptr);
    model_ = model;
    if (model_) model_->Set_Listener(this);
    Rebuild();
}

void TreeViewControl::Set_Image_List(const ImageList* images) {
    images_ = images;
    if (!hwnd_) return;
    TreeView_SetImageList(hwnd_, images ? images->Handle() : nullptr, TVSIL_NORMAL);
    for (auto& [node, item] : items_) Apply(*const_cast<TreeNode*>(node), item);
}

void TreeViewControl::Set_Checkboxes(bool on) {
    if (!hwnd_ || on == Checkboxes()) return;
    LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
    SetWindowLongW(hwnd_, GWL_STYLE, on ? (style | TVS_CHECKBOXES) : (style & ~TVS_CHECKBOXES));
    if (!on) TreeView_SetImageList(hwnd_, nullptr, TVSIL_STATE);
    for (auto& [node, item] : items_) Apply(*const_cast<TreeNode*>(node), item);
}

bool TreeViewControl::Checkboxes() const {
    return hwnd_ && (GetWindowLongW(hwnd_, GWL_STYLE) & TVS_CHECKBOXES) != 0;
}

void TreeViewControl::Set_Label_Edit(bool on) {
    if (!hwnd_) return;
    LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
    SetWindowLongW(hwnd_, GWL_STYLE, on ? (style | TVS_EDITLABELS) : (style & ~TVS_EDITLABELS));
}

void TreeViewControl::Set_Font(HFONT font) { Control::Set_Font(font); }

HTREEITEM TreeViewControl::Item_Of(const TreeNode* node) const {
    auto it = items_.find(node);
    return it == items_.end() ? nullptr : it->second;
}

TreeNode* TreeViewControl::Node_Of(HTREEITEM item) const {
    if (!hwnd_ || !item) return nullptr;
    TVITEMW tvi{};
    tvi.mask = TVIF_PARAM | TVIF_HANDLE;
    tvi.hItem = item;
    if (!SendMessageW(hwnd_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi))) return nullptr;
    auto* node = reinterpret_cast<TreeNode*>(tvi.lParam);
    // Only nodes this control still shows count.
    auto it = items_.find(node);
    return it != items_.end() && it->second == item ? node : nullptr;
}

TreeNode* TreeViewControl::Hit_Test(int x, int y) const {
    if (!hwnd_) return nullptr;
    TVHITTESTINFO hit{};
    hit.pt = {x, y};
    HTREEITEM item = TreeView_HitTest(hwnd_, &hit);
    if (!item || !(hit.flags & TVHT_ONITEM)) return nullptr;
    return Node_Of(item);
}

void TreeViewControl::Apply(TreeNode& node, HTREEITEM item) {
    std::wstring text = Wide(node.text);
    TVITEMW tvi{};
    tvi.mask = TVIF_HANDLE | TVIF_TEXT;
    tvi.hItem = item;
    tvi.pszText = text.data();
    Describe(node, tvi);
    SendMessageW(hwnd_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
    bool shown_expanded = (TreeView_GetItemState(hwnd_, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    if (node.Has_Children() && node.expanded != shown_expanded) {
        if (node.expanded) Show_Children(node);
        TreeView_Expand(hwnd_, item, node.expanded ? TVE_EXPAND : TVE_COLLAPSE);
    }
}

void TreeViewControl::Describe(const TreeNode& node, TVITEMW& tvi) const {
    tvi.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    int image = images_ ? images_->Index_Of(node.image) : -1;
    tvi.iImage = image;
    tvi.iSelectedImage = images_ && !node.selected_image.empty() ? images_->Index_Of(node.selected_image) : image;
    tvi.stateMask = TVIS_BOLD;
    tvi.state = node.bold ? TVIS_BOLD : 0;
    if (Checkboxes()) {
        tvi.stateMask |= TVIS_STATEIMAGEMASK;
        tvi.state |= INDEXTOSTATEIMAGEMASK(node.checked ? 2 : 1);
    }
    if (on_demand_) {
        // The button shows before the children are items.
        tvi.mask |= TVIF_CHILDREN;
        tvi.cChildren = node.Has_Children() ? 1 : 0;
    }
}

HTREEITEM TreeViewControl::Insert(TreeNode& node, HTREEITEM after) {
    HTREEITEM parent = TVI_ROOT;
    if (node.parent) {
        parent = Item_Of(node.parent);
        // Its parent is not shown (yet), or its children wait for an expand.
        if (!parent || !Children_Shown(node.parent)) return nullptr;
    }
    const std::vector<TreeNode*>& siblings = node.parent ? node.parent->children : model_->Roots();
    if (after) {
        // The caller knows the place.
    } else if (!siblings.empty() && siblings.back() == &node) {
        after = TVI_LAST;  // the common case, without a search
    } else if (auto it = std::find(siblings.begin(), siblings.end(), &node); it == siblings.begin()) {
        after = TVI_FIRST;
    } else if (it != siblings.end()) {
        after = TVI_LAST;
        // The nearest earlier sibling the control already shows.
        for (auto prev = it; prev != siblings.begin();) {
            --prev;
            if (HTREEITEM shown = Item_Of(*prev)) {
                after = shown;
                break;
            }
            if (prev == siblings.begin()) after = TVI_FIRST;
        }
    } else {
        after = TVI_LAST;
    }
    std::wstring text = Wide(node.text);
    TVINSERTSTRUCTW ins{};
    ins.hParent = parent;
    ins.hInsertAfter = after;
    // One message makes the whole item: text, images, state and button.
    ins.item.mask = TVIF_TEXT | TVIF_PARAM;
    ins.item.pszText = text.data();
    ins.item.lParam = reinterpret_cast<LPARAM>(&node);
    Describe(node, ins.item);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    if (!item) return nullptr;
    items_[&node] = item;
    if (on_demand_ && node.expanded && node.Has_Children()) {
        Show_Children(node);
        TreeView_Expand(hwnd_, item, TVE_EXPAND);
    }
    return item;
}

void TreeViewControl::Insert_Subtree(TreeNode& node, HTREEITEM after) {
    HTREEITEM item = Insert(node, after);
    if (!item || on_demand_) return;  // on demand, Insert showed what is expanded
    for (TreeNode* child : node.children) Insert_Subtree(*child, TVI_LAST);
    if (node.expanded && node.Has_Children()) TreeView_Expand(hwnd_, item, TVE_EXPAND);
}

void TreeViewControl::Forget_Subtree(TreeNode& node) {
    items_.erase(&node);
    children_shown_.erase(&node);
    for (TreeNode* child : node.children) Forget_Subtree(*child);
}

bool TreeViewControl::Children_Shown(const TreeNode* node) const {
    return !on_demand_ || !node || children_shown_.count(node) > 0;
}

void TreeViewControl::Show_Children(TreeNode& node) {
    if (Children_Shown(&node) || !Item_Of(&node)) return;
    children_shown_.insert(&node);
    const bool was_syncing = syncing_;
    syncing_ = true;
    for (TreeNode* child : node.children) Insert_Subtree(*child, TVI_LAST);
    syncing_ = was_syncing;
}

HTREEITEM TreeViewControl::Ensure_Item(TreeNode* node) {
    if (!node) return nullptr;
    if (HTREEITEM item = Item_Of(node)) return item;
    if (!node->parent || !Ensure_Item(node->parent)) return nullptr;
    Show_Children(*node->parent);
    return Item_Of(node);
}

void TreeViewControl::Update_Button(const TreeNode* node, bool has_children) {
    // The button was given explicitly: it follows the children by hand.
    HTREEITEM item = on_demand_ && node ? Item_Of(node) : nullptr;
    if (!item) return;
    TVITEMW tvi{};
    tvi.mask = TVIF_HANDLE | TVIF_CHILDREN;
    tvi.hItem = item;
    tvi.cChildren = has_children ? 1 : 0;
    SendMessageW(hwnd_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
}

void TreeViewControl::Rebuild() {
    if (!hwnd_) return;
    syncing_ = true;
    Begin_Update();
    TreeView_DeleteAllItems(hwnd_);
    items_.clear();
    children_shown_.clear();
    if (model_) {
        for (TreeNode* root : model_->Roots()) Insert_Subtree(*root, TVI_LAST);
        if (model_->selected) TreeView_SelectItem(hwnd_, Ensure_Item(model_->selected));
    }
    syncing_ = false;
    End_Update();
}

void TreeViewControl::Node_Added(TreeNode& node) {
    if (!hwnd_) return;
    syncing_ = true;
    Place(node, false);
    syncing_ = false;
}

void TreeViewControl::Place(TreeNode& node, bool subtree) {
    TreeNode* parent = node.parent;
    if (parent && !Children_Shown(parent)) {
        // Its siblings wait for the parent's expand: so does it.
        if (parent->expanded)
            Show_Children(*parent);
        else if (parent->children.size() == 1)
            Update_Button(parent, true);
    } else {
        if (subtree)
            Insert_Subtree(node);
        else
            Insert(node);
        if (parent && parent->children.size() == 1) Update_Button(parent, true);
    }
    if (parent && parent->expanded) {
        if (HTREEITEM item = Item_Of(parent)) TreeView_Expand(hwnd_, item, TVE_EXPAND);
    }
}

void TreeViewControl::Node_Removing(TreeNode& node) {
    if (!hwnd_) return;
    HTREEITEM item = Item_Of(&node);
    bool selection_goes = false;
    if (model_)
        for (TreeNode* n = model_->selected; n; n = n->parent)
            if (n == &node) selection_goes = true;
    syncing_ = true;
    if (item) TreeView_DeleteItem(hwnd_, item);
    Forget_Subtree(node);
    if (node.parent && node.parent->children.size() == 1) Update_Button(node.parent, false);
    syncing_ = false;
    // The control moves the selection to a neighbour: the model follows.
    if (selection_goes) model_->selected = Node_Of(TreeView_GetSelection(hwnd_));
}

void TreeViewControl::Node_Changed(TreeNode& node) {
    if (!hwnd_) return;
    if (HTREEITEM item = Item_Of(&node)) {
        syncing_ = true;
        Apply(node, item);
        syncing_ = false;
    }
}

void TreeViewControl::Tree_Cleared() {
    if (!hwnd_) return;
    syncing_ = true;
    TreeView_DeleteAllItems(hwnd_);
    items_.clear();
    children_shown_.clear();
    syncing_ = false;
}

void TreeViewControl::Node_Moving(TreeNode& node) { moving_from_ = node.parent; }

void TreeViewControl::Node_Moved(TreeNode& node) {
    if (!hwnd_) return;
    syncing_ = true;
    if (HTREEITEM item = Item_Of(&node)) TreeView_DeleteItem(hwnd_, item);
    Forget_Subtree(node);
    if (moving_from_ && moving_from_->children.empty()) Update_Button(moving_from_, false);
    moving_from_ = nullptr;
    Place(node, true);
    if (model_ && model_->selected) {
        HTREEITEM selected = Ensure_Item(model_->selected);
        if (selected && TreeView_GetSelection(hwnd_) != selected) TreeView_SelectItem(hwnd_, selected);
    }
    syncing_ = false;
}

void TreeViewControl::Node_Selected(TreeNode* node) {
    if (!hwnd_) return;
    syncing_ = true;
    TreeView_SelectItem(hwnd_, node ? Ensure_Item(node) : nullptr);
    syncing_ = false;
}

void TreeViewControl::Select(TreeNode* node) {
    if (model_) {
        model_->Select(node);  // tells Node_Selected
    } else {
        Node_Selected(node);
    }
}

void TreeViewControl::Expand(TreeNode* node, bool expand) {
    if (!node) return;
    node->expanded = expand;
    if (HTREEITEM item = Item_Of(node)) {
        if (expand) Show_Children(*node);
        syncing_ = true;
        TreeView_Expand(hwnd_, item, expand ? TVE_EXPAND : TVE_COLLAPSE);
        syncing_ = false;
    }
}

void TreeViewControl::Ensure_Visible(TreeNode* node) {
    if (HTREEITEM item = Ensure_Item(node)) TreeView_EnsureVisible(hwnd_, item);
}

bool TreeViewControl::Start_Label_Edit(TreeNode* node) {
    HTREEITEM item = Ensure_Item(node);
    if (!item || !(GetWindowLongW(hwnd_, GWL_STYLE) & TVS_EDITLABELS)) return false;
    TreeView_EnsureVisible(hwnd_, item);
    SetFocus(hwnd_);
    return SendMessageW(hwnd_, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

void TreeViewControl::End_Label_Edit(bool cancel) {
    if (hwnd_) TreeView_EndEditLabelNow(hwnd_, cancel ? TRUE : FALSE);
}

bool TreeViewControl::Editing() const { return hwnd_ && TreeView_GetEditControl(hwnd_) != nullptr; }

void TreeViewControl::Set_Accept_Drops(bool on) { accept_drops_ = on; }

void TreeViewControl::Drop_Text(const std::string& text, int x, int y) {
    if (!on_drop) return;
    MouseEvent at;
    at.button = Mouse_Left;
    at.shift = Current_Shift_State();
    at.x = x;
    at.y = y;
    on_drop(text, Hit_Test(x, y), at);
}

void TreeViewControl::Read_Check(HTREEITEM item) {
    TreeNode* node = Node_Of(item);
    if (!node || !Checkboxes()) return;
    UINT state = TreeView_GetItemState(hwnd_, item, TVIS_STATEIMAGEMASK);
    bool checked = ((state & TVIS_STATEIMAGEMASK) >> 12) == 2;
    if (checked == node->checked) return;
    node->checked = checked;
    if (on_node_check) on_node_check(*node);
}

bool TreeViewControl::On_Notify(NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
    case TVN_SELCHANGEDW: {
        auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
        if (syncing_) return true;
        TreeNode* node = Node_Of(change.itemNew.hItem);
        if (model_) model_->selected = node;
        if (on_selection_changed) on_selection_changed(node);
        if (node && change.action == TVC_BYKEYBOARD)
            PostMessageW(hwnd_, Message_Clicked, reinterpret_cast<WPARAM>(change.itemNew.hItem), 0);
        return true;
    }
    case NM_CLICK: {
        // Where the button went down: the click is reported on its release.
        TVHITTESTINFO hit{};
        hit.pt = last_press_;
        HTREEITEM item = TreeView_HitTest(hwnd_, &hit);
        if (!item) return true;
        // The control changes the selection and the check box only after it
        // reported the click: act once it is done.
        if (hit.flags & TVHT_ONITEMSTATEICON)
            PostMessageW(hwnd_, Message_Read_Check, reinterpret_cast<WPARAM>(item), 0);
        else if (hit.flags & (TVHT_ONITEMLABEL | TVHT_ONITEMICON))
            PostMessageW(hwnd_, Message_Clicked, reinterpret_cast<WPARAM>(item), 0);
        return true;
    }
    case TVN_KEYDOWN: {
        auto& key = reinterpret_cast<NMTVKEYDOWN&>(header);
        if (key.wVKey == VK_SPACE && Checkboxes())
            if (HTREEITEM item = TreeView_GetSelection(hwnd_))
                PostMessageW(hwnd_, Message_Read_Check, reinterpret_cast<WPARAM>(item), 0);
        return false;
    }
    case TVN_ITEMEXPANDINGW: {
        // Children on demand become items as their parent opens.
        auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
        if ((change.action & TVE_EXPAND) != 0)
            if (TreeNode* node = Node_Of(change.itemNew.hItem)) Show_Children(*node);
        result = FALSE;
        return true;
    }
    case TVN_ITEMEXPANDEDW: {
        auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
        TreeNode* node = Node_Of(change.itemNew.hItem);
        if (!node) return true;
        bool expanded = (TreeView_GetItemState(hwnd_, change.itemNew.hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        if (expanded != node->expanded) {
            node->expanded = expanded;
            if (!syncing_ && on_expand_changed) on_expand_changed(*node);
        }
        return true;
    }
    case TVN_BEGINLABELEDITW: {
        auto& edit = reinterpret_cast<NMTVDISPINFOW&>(header);
        TreeNode* node = Node_Of(edit.item.hItem);
        bool allow = node && (!on_before_label_edit || on_before_label_edit(*node));
        editing_ = allow;
        result = allow ? FALSE : TRUE;
        return true;
    }
    case TVN_ENDLABELEDITW: {
        auto& edit = reinterpret_cast<NMTVDISPINFOW&>(header);
        TreeNode* node = Node_Of(edit.item.hItem);
        result = FALSE;
        // One answer per edit: the editor losing the focus as it closes can
        // report the end a second time (with the typed text, even after Esc).
        if (!editing_) return true;
        editing_ = false;
        if (!node || !edit.item.pszText) return true;  // abandoned: nothing changes
        std::string text = Utf8(edit.item.pszText);
        bool accept = !on_after_label_edit || on_after_label_edit(*node, text);
        // The handler may have removed the node (a rebuild of the tree).
        if (accept && Node_Of(edit.item.hItem) == node) {
            node->text = text;
            result = TRUE;
        }
        return true;
    }
    case TVN_BEGINDRAGW: {
        auto& drag = reinterpret_cast<NMTREEVIEWW&>(header);
        if (on_begin_drag) Begin_Text_Drag(hwnd_, on_begin_drag(Node_Of(drag.itemNew.hItem)));
        return true;
    }
    default:
        return false;
    }
}

bool TreeViewControl::On_Own_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) {
        last_press_ = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        return false;
    }
    if (msg == Message_Clicked) {
        TreeNode* node = Node_Of(reinterpret_cast<HTREEITEM>(wp));
        if (node && on_node_click) on_node_click(*node);
        result = 0;
        return true;
    }
    if (msg == Message_Read_Check) {
        Read_Check(reinterpret_cast<HTREEITEM>(wp));
        result = 0;
        return true;
    }
    if (msg == Drop_Message()) {
        if (!accept_drops_ || !wp) return false;
        POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        ScreenToClient(hwnd_, &pt);
        Drop_Text(*reinterpret_cast<const std::string*>(wp), pt.x, pt.y);
        result = 1;
        return true;
    }
    return false;
}

}  // namespace crv
