#include "dialogs/main_find_link.h"

#include "mainwindow/frm_main_controller.h"

namespace crv {

std::string MainFindLink::Active_Control() { return main_.active_control; }

ListModel* MainFindLink::List(const std::string& name) { return name == "lvwMain" ? &main_.lvwMain : nullptr; }

TreeModel* MainFindLink::Tree(const std::string& name) {
    if (name == "tvwFeatures") return &main_.tvwFeatures;
    if (name == "tvwDevices") return &main_.tvwDevices;
    return nullptr;
}

void MainFindLink::Show_Row(const std::string& list, std::size_t index) {
    if (list == "lvwMain" && main_.Host()) main_.Host()->Ensure_Row_Visible(index);
}

void MainFindLink::Show_Node(const std::string& tree, TreeNode& node) {
    MainHost* host = main_.Host();
    if (!host) return;
    if (tree == "tvwFeatures") host->Ensure_Feature_Visible(node);
    if (tree == "tvwDevices") host->Ensure_Device_Visible(node);
}

}  // namespace crv
