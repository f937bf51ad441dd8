#pragma once
// The find dialog's controller ("Find - Corvalin"): each Find moves the
// selection of the main window's list pane, feature tree or device tree
// (whichever last had the focus there) to the next row or node whose text
// contains the search text, ignoring case, wrapping round to the top.
// Portable; the Win32 view (win/frm_find.h) hosts it modelessly.
#include <cstddef>
#include <optional>
#include <string>

#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

// The main window as the find dialog sees it.
class FindLink {
public:
    virtual ~FindLink() = default;
    // The name of the control that last had the focus in the main window
    // ("lvwMain", "tvwFeatures", "tvwDevices", any other control's, or "").
    virtual std::string Active_Control() = 0;
    // The list pane and the two trees by control name; nullptr for others.
    virtual ListModel* List(const std::string& name) = 0;
    virtual TreeModel* Tree(const std::string& name) = 0;
    // Scrolls a row or node that the dialog selected into view. Neither runs
    // the main window's click handling.
    virtual void Show_Row(const std::string& list, std::size_t index) = 0;
    virtual void Show_Node(const std::string& tree, TreeNode& node) = 0;
};

class FindController {
public:
    explicit FindController(FindLink& main) : main_(main) {}

    // ---- controls ----
    std::string txtFind;

    // ---- event handlers ----
    void cmdFind_Click();
    // Enter runs Find; true when the key was swallowed.
    bool txtFind_KeyPress(int key_ascii);

    // The next matching row after the (last) selected one, wrapping round
    // to it; a row matches on its text or any cell of the list's columns.
    static std::optional<std::size_t> Find_In_ListView(const ListModel& list, const std::string& text);
    // The same over the tree's nodes in collection order, node texts only.
    static TreeNode* Find_In_TreeView(const TreeModel& tree, const std::string& text);

private:
    FindLink& main_;
};

}  // namespace crv
