#pragma once
// The find dialog's view of the main window, over its controller: the
// active control it tracks, the list pane and the two trees, and the
// window's scrolling through its host.
#include "dialogs/frm_find_controller.h"

namespace crv {

class MainController;

class MainFindLink final : public FindLink {
public:
    explicit MainFindLink(MainController& main) : main_(main) {}
    std::string Active_Control() override;
    ListModel* List(const std::string& name) override;
    TreeModel* Tree(const std::string& name) override;
    void Show_Row(const std::string& list, std::size_t index) override;
    void Show_Node(const std::string& tree, TreeNode& node) override;

private:
    MainController& main_;
};

}  // namespace crv
