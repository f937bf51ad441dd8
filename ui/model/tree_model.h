#pragma once
// The portable tree: the device and feature trees, and the trees of the
// dialogs, are filled and read through this model; the Win32 tree view
// mirrors one. Nodes keep insertion order (the control's node collection
// order, which Index follows) and ordered children.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace crv {

struct TreeNode {
    std::string key;
    std::string text;
    std::string image;  // image key
    std::string selected_image;
    std::string tag;
    bool checked = false;
    bool expanded = false;
    bool bold = false;
    TreeNode* parent = nullptr;
    std::vector<TreeNode*> children;
    std::size_t index = 0;  // 1-based position in collection order

    bool Has_Children() const { return !children.empty(); }
    // Full path of texts from the root, joined with "\" (the control's FullPath).
    std::string Full_Path() const;
};

enum class TreeRelation { Last_Child, First_Child, Next_Sibling, Previous_Sibling };

class TreeModelListener {
public:
    virtual ~TreeModelListener() = default;
    virtual void Node_Added(TreeNode& node) = 0;
    virtual void Node_Removing(TreeNode& node) = 0;  // before its subtree goes
    virtual void Node_Changed(TreeNode& node) = 0;   // text, image, check, expansion
    virtual void Tree_Cleared() = 0;
    // Before Move takes a node from its parent, and after it re-parented it
    // (its subtree went with it).
    virtual void Node_Moving(TreeNode& /*node*/) {}
    virtual void Node_Moved(TreeNode& /*node*/) {}
    // After Select changed the selected node (nullptr: none).
    virtual void Node_Selected(TreeNode* /*node*/) {}
};

class TreeModel {
public:
    TreeModel() = default;
    TreeModel(const TreeModel&) = delete;
    TreeModel& operator=(const TreeModel&) = delete;

    // Adds a node relative to another (nullptr: a root node, appended).
    // Fails (nullptr) when a non-empty key is already used.
    TreeNode* Add(TreeNode* relative, TreeRelation relation, std::string key, std::string text,
                  std::string image = {});
    TreeNode* Add_Root(std::string key, std::string text, std::string image = {}) {
        return Add(nullptr, TreeRelation::Last_Child, std::move(key), std::move(text), std::move(image));
    }
    TreeNode* Add_Child(TreeNode* parent, std::string key, std::string text, std::string image = {}) {
        return Add(parent, TreeRelation::Last_Child, std::move(key), std::move(text), std::move(image));
    }

    TreeNode* Find(const std::string& key) const;
    // Removes the node and its whole subtree.
    void Remove(TreeNode* node);
    void Clear();
    // Moves a node (and subtree) under a new parent, as its last child.
    bool Move(TreeNode* node, TreeNode* new_parent);
    bool Rekey(TreeNode* node, std::string new_key);

    std::size_t Count() const { return order_.size(); }
    // Collection order (insertion order), as the control's Nodes(i).
    const std::vector<TreeNode*>& Nodes() const { return order_; }
    const std::vector<TreeNode*>& Roots() const { return roots_; }

    // Visits every node depth-first in child order.
    void Walk(const std::function<void(TreeNode&)>& visit) const;

    // Tell the listener about text, image, check or expansion changes made
    // directly on a node.
    void Changed(TreeNode& node) {
        if (listener_) listener_->Node_Changed(node);
    }
    void Set_Listener(TreeModelListener* listener) { listener_ = listener; }
    TreeModelListener* Listener() const { return listener_; }

    // Sets `selected` and tells the listener, so a bound control follows.
    void Select(TreeNode* node) {
        selected = node;
        if (listener_) listener_->Node_Selected(node);
    }

    TreeNode* selected = nullptr;

private:
    void Renumber();
    void Detach(TreeNode* node);

    std::vector<std::unique_ptr<TreeNode>> storage_;
    std::vector<TreeNode*> order_;
    std::vector<TreeNode*> roots_;
    std::unordered_map<std::string, TreeNode*> by_key_;
    TreeModelListener* listener_ = nullptr;
};

// The checked nodes over all levels.
std::int32_t Count_Checked_Nodes(const TreeModel& tree);

}  // namespace crv
