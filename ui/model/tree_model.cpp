#include "ui/model/tree_model.h"

#include <algorithm>
#include <unordered_set>

namespace crv {

std::string TreeNode::Full_Path() const {
    std::string path = text;
    for (const TreeNode* p = parent; p; p = p->parent) path = p->text + "\\" + path;
    return path;
}

TreeNode* TreeModel::Add(TreeNode* relative, TreeRelation relation, std::string key, std::string text,
                         std::string image) {
    if (!key.empty() && by_key_.count(key)) return nullptr;
    auto owned = std::make_unique<TreeNode>();
    TreeNode* node = owned.get();
    node->key = std::move(key);
    node->text = std::move(text);
    node->image = std::move(image);

    std::vector<TreeNode*>* siblings = &roots_;
    std::size_t at = roots_.size();
    if (relative) {
        switch (relation) {
        case TreeRelation::Last_Child:
            node->parent = relative;
            siblings = &relative->children;
            at = siblings->size();
            break;
        case TreeRelation::First_Child:
            node->parent = relative;
            siblings = &relative->children;
            at = 0;
            break;
        case TreeRelation::Next_Sibling:
        case TreeRelation::Previous_Sibling: {
            node->parent = relative->parent;
            siblings = relative->parent ? &relative->parent->children : &roots_;
            auto it = std::find(siblings->begin(), siblings->end(), relative);
            at = static_cast<std::size_t>(it - siblings->begin()) +
                 (relation == TreeRelation::Next_Sibling ? 1 : 0);
            break;
        }
        }
    }
    siblings->insert(siblings->begin() + static_cast<std::ptrdiff_t>(at), node);
    storage_.push_back(std::move(owned));
    order_.push_back(node);
    node->index = order_.size();
    if (!node->key.empty()) by_key_.emplace(node->key, node);
    if (listener_) listener_->Node_Added(*node);
    return node;
}

TreeNode* TreeModel::Find(const std::string& key) const {
    auto it = by_key_.find(key);
    return it == by_key_.end() ? nullptr : it->second;
}

void TreeModel::Detach(TreeNode* node) {
    auto& siblings = node->parent ? node->parent->children : roots_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
    node->parent = nullptr;
}

void TreeModel::Remove(TreeNode* node) {
    if (!node) return;
    if (listener_) listener_->Node_Removing(*node);
    Detach(node);
    std::unordered_set<const TreeNode*> gone;
    std::vector<TreeNode*> stack{node};
    while (!stack.empty()) {
        TreeNode* n = stack.back();
        stack.pop_back();
        gone.insert(n);
        if (!n->key.empty()) by_key_.erase(n->key);
        for (TreeNode* c : n->children) stack.push_back(c);
    }
    if (selected && gone.count(selected)) selected = nullptr;
    order_.erase(std::remove_if(order_.begin(), order_.end(), [&](TreeNode* n) { return gone.count(n) > 0; }),
                 order_.end());
    storage_.erase(std::remove_if(storage_.begin(), storage_.end(),
                                  [&](const std::unique_ptr<TreeNode>& n) { return gone.count(n.get()) > 0; }),
                   storage_.end());
    Renumber();
}

void TreeModel::Clear() {
    order_.clear();
    roots_.clear();
    by_key_.clear();
    storage_.clear();
    selected = nullptr;
    if (listener_) listener_->Tree_Cleared();
}

bool TreeModel::Move(TreeNode* node, TreeNode* new_parent) {
    if (!node) return false;
    for (TreeNode* p = new_parent; p; p = p->parent)
        if (p == node) return false;  // never under its own subtree
    if (listener_) listener_->Node_Moving(*node);
    Detach(node);
    node->parent = new_parent;
    (new_parent ? new_parent->children : roots_).push_back(node);
    if (listener_) listener_->Node_Moved(*node);
    return true;
}

bool TreeModel::Rekey(TreeNode* node, std::string new_key) {
    if (!node) return false;
    if (!new_key.empty() && new_key != node->key && by_key_.count(new_key)) return false;
    if (!node->key.empty()) by_key_.erase(node->key);
    node->key = std::move(new_key);
    if (!node->key.empty()) by_key_.emplace(node->key, node);
    return true;
}

void TreeModel::Renumber() {
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i]->index = i + 1;
}

void TreeModel::Walk(const std::function<void(TreeNode&)>& visit) const {
    std::vector<TreeNode*> stack(roots_.rbegin(), roots_.rend());
    while (!stack.empty()) {
        TreeNode* n = stack.back();
        stack.pop_back();
        visit(*n);
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it) stack.push_back(*it);
    }
}

std::int32_t Count_Checked_Nodes(const TreeModel& tree) {
    std::int32_t count = 0;
    for (const TreeNode* node : tree.Nodes()) {
        if (node->checked) ++count;
    }
    return count;
}

}  // namespace crv
