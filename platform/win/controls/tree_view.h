#pragma once
// A tree view that mirrors a crv::TreeModel: every node of the model is one
// item of the control (keys and tags stay in the model; the control maps
// nodes to HTREEITEMs), with images by key, check boxes, bold, expansion and
// the selection kept in step both ways. With children on demand, a node's
// children become items only once it is expanded (or one of them is
// selected, shown or edited): a large collapsed tree costs what the user can
// see, while the model stays complete. Labels can be edited in place with
// callbacks before and after that can refuse the edit, and text dragged from
// our own controls can be dropped on a node.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/win/controls/control.h"
#include "ui/model/tree_model.h"

namespace crv {

class ImageList;

class TreeViewControl : public Control, private TreeModelListener {
public:
    TreeViewControl() = default;
    ~TreeViewControl() override;

    // Lines, buttons, lines at the root, selection shown always.
    bool Create(HWND parent, int id, DWORD extra_style = 0);

    // Mirrors this model (nullptr: none), now and on every change the model
    // reports. The model must outlive the binding.
    void Bind(TreeModel* model);
    TreeModel* Model() const { return model_; }
    // Builds the whole control again from the model.
    void Rebuild();

    // The list must outlive the control's use of it.
    void Set_Image_List(const ImageList* images);
    void Set_Checkboxes(bool on);
    bool Checkboxes() const;
    void Set_Label_Edit(bool on);
    // Children become items only when their parent is first expanded. Set
    // before Bind.
    void Set_Children_On_Demand(bool on) { on_demand_ = on; }
    // The items the control holds now.
    std::size_t Item_Count() const { return items_.size(); }

    // The node's item; nullptr while the node is not an item (yet).
    HTREEITEM Item_Of(const TreeNode* node) const;
    TreeNode* Node_Of(HTREEITEM item) const;
    // Node under a point of the client area (on its label, icon or check box).
    TreeNode* Hit_Test(int x, int y) const;

    // Selects a node (nullptr: none) in the control and the model without
    // firing on_node_click.
    void Select(TreeNode* node);
    void Expand(TreeNode* node, bool expand = true);
    void Ensure_Visible(TreeNode* node);
    // Opens the in-place editor on a node; false when editing is off or refused.
    bool Start_Label_Edit(TreeNode* node);
    // Ends a running edit, keeping (false) or abandoning (true) the new text.
    void End_Label_Edit(bool cancel);
    bool Editing() const;
    void Set_Font(HFONT font) override;

    // Events.
    // A node clicked with the mouse (also when it was selected already), or
    // selected with the keyboard.
    std::function<void(TreeNode& node)> on_node_click;
    // Any change of the selection, after TreeModel::selected was updated.
    std::function<void(TreeNode* node)> on_selection_changed;
    // Return false to refuse the edit.
    std::function<bool(TreeNode& node)> on_before_label_edit;
    // The user ended an edit with a new text (an edit abandoned with Esc does
    // not come here). Return false to cancel: the node keeps its old text.
    // Accepted, the model node's text becomes the new text.
    std::function<bool(TreeNode& node, const std::string& new_text)> on_after_label_edit;
    // After TreeNode::checked changed by a click or the space key.
    std::function<void(TreeNode& node)> on_node_check;
    // After TreeNode::expanded changed by the user.
    std::function<void(TreeNode& node)> on_expand_changed;

    // Dragging: on_begin_drag returns the text a drag from this tree carries
    // (node: the node the drag started on). When drops are accepted, on_drop
    // receives the text of a drag released over this tree and the node under
    // the pointer (nullptr beside all nodes).
    void Set_Accept_Drops(bool on);
    std::function<std::string(TreeNode* node)> on_begin_drag;
    std::function<void(const std::string& text, TreeNode* target, const MouseEvent& at)> on_drop;

    // Delivers a drop as a released drag would (client coordinates).
    void Drop_Text(const std::string& text, int x, int y);

private:
    void Node_Added(TreeNode& node) override;
    void Node_Removing(TreeNode& node) override;
    void Node_Changed(TreeNode& node) override;
    void Tree_Cleared() override;
    void Node_Moving(TreeNode& node) override;
    void Node_Moved(TreeNode& node) override;
    void Node_Selected(TreeNode* node) override;

    bool On_Notify(NMHDR& header, LRESULT& result) override;
    bool On_Own_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    HTREEITEM Insert(TreeNode& node, HTREEITEM after = nullptr);
    void Insert_Subtree(TreeNode& node, HTREEITEM after = nullptr);
    void Forget_Subtree(TreeNode& node);
    // Shows a node that arrived under its parent (with its subtree when it
    // moved there), or keeps it waiting for the parent's expand.
    void Place(TreeNode& node, bool subtree);
    // True when the node's children are items (always, unless on demand).
    bool Children_Shown(const TreeNode* node) const;
    // Makes the node's children items.
    void Show_Children(TreeNode& node);
    // Makes the node an item, and its ancestors' children; its item.
    HTREEITEM Ensure_Item(TreeNode* node);
    // The expand button of a node whose children wait (on demand).
    void Update_Button(const TreeNode* node, bool has_children);
    void Apply(TreeNode& node, HTREEITEM item);
    // Images, state and (on demand) the button of the node's item.
    void Describe(const TreeNode& node, TVITEMW& tvi) const;
    void Read_Check(HTREEITEM item);

    TreeModel* model_ = nullptr;
    const ImageList* images_ = nullptr;
    std::unordered_map<const TreeNode*, HTREEITEM> items_;
    std::unordered_set<const TreeNode*> children_shown_;  // on demand only
    bool on_demand_ = false;
    const TreeNode* moving_from_ = nullptr;
    bool syncing_ = false;
    bool accept_drops_ = false;
    bool editing_ = false;
    POINT last_press_{};
};

}  // namespace crv
