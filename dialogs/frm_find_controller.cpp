#include "dialogs/frm_find_controller.h"

#include <algorithm>

#include "ui/model/text_compare.h"

namespace crv {

namespace {

// The positions from `start` to the last, then from the first up to and
// including the one before `start` (the selected one itself): the first
// that matches.
template <class Match>
std::optional<std::size_t> Search_From(std::size_t start, std::size_t count, const Match& matches) {
    for (std::size_t i = start; i < count; ++i)
        if (matches(i)) return i;
    for (std::size_t i = 0; i < start && i < count; ++i)
        if (matches(i)) return i;
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> FindController::Find_In_ListView(const ListModel& list, const std::string& text) {
    const std::string needle = Fold_Case(text);
    std::size_t start = 0;
    for (std::size_t i = list.Item_Count(); i-- > 0;)
        if (list.Item(i).selected) {
            start = i + 1;
            break;
        }
    const std::size_t cells = std::max<std::size_t>(list.Column_Count(), 1);
    return Search_From(start, list.Item_Count(), [&](std::size_t i) {
        const ListItem& row = list.Item(i);
        if (Contains_Folded(row.text, needle)) return true;
        for (std::size_t k = 1; k < cells; ++k)
            if (Contains_Folded(row.Sub_Item(k), needle)) return true;
        return false;
    });
}

TreeNode* FindController::Find_In_TreeView(const TreeModel& tree, const std::string& text) {
    const std::string needle = Fold_Case(text);
    const auto& nodes = tree.Nodes();
    std::size_t start = 0;
    if (tree.selected) {
        auto at = std::find(nodes.begin(), nodes.end(), tree.selected);
        if (at != nodes.end()) start = static_cast<std::size_t>(at - nodes.begin()) + 1;
    }
    auto found = Search_From(start, nodes.size(),
                             [&](std::size_t i) { return Contains_Folded(nodes[i]->text, needle); });
    return found ? nodes[*found] : nullptr;
}

void FindController::cmdFind_Click() {
    if (txtFind.empty()) return;
    const std::string active = main_.Active_Control();
    if (active == "lvwMain") {
        ListModel* list = main_.List(active);
        if (!list) return;
        auto found = Find_In_ListView(*list, txtFind);
        if (!found) return;
        // Only the found row: a Delete must not take rows the user no
        // longer sees selected.
        for (std::size_t i = 0; i < list->Item_Count(); ++i) list->Item(i).selected = i == *found;
        list->Notify();
        main_.Show_Row(active, *found);
    } else if (active == "tvwFeatures" || active == "tvwDevices") {
        TreeModel* tree = main_.Tree(active);
        if (!tree) return;
        TreeNode* found = Find_In_TreeView(*tree, txtFind);
        if (!found) return;
        tree->Select(found);
        main_.Show_Node(active, *found);
    }
}

bool FindController::txtFind_KeyPress(int key_ascii) {
    if (key_ascii != 13) return false;
    cmdFind_Click();
    return true;
}

}  // namespace crv
