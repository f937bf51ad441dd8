#include "dialogs/win/report_commands.h"

#include <string>

#include "dialogs/win/frm_about.h"
#include "dialogs/win/frm_choose_props.h"
#include "dialogs/win/frm_reports.h"
#include "mainwindow/frm_main_controller.h"

namespace crv {

void Attach_Report_Commands(MainController& main, std::function<HWND()> owner) {
    MainController* m = &main;
    auto owner_of = [owner] { return owner ? owner() : nullptr; };
    main.Register_Command("mnuOPReports", [owner_of](int) { frmReports::Show(owner_of()); });
    main.Register_Command("mnuChooseProps", [m, owner_of](int) {
        // The selected feature, else the tree's first node; nothing without a tree.
        const TreeNode* node = m->tvwFeatures.selected;
        if (!node && m->tvwFeatures.Count() > 0) node = m->tvwFeatures.Nodes().front();
        if (!node) return;
        frmChooseProps::Show_This_Form(node->key, owner_of());
    });
    main.Register_Command("mnuHlpAbout", [owner_of](int) { frmAbout::Show(owner_of()); });
}

}  // namespace crv
