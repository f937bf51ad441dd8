#include "dialogs/win/dialog_commands.h"

#include <string>

#include "dialogs/win/frm_customize_report.h"
#include "dialogs/win/frm_full_export.h"
#include "dialogs/win/frm_manage_computers.h"
#include "dialogs/win/report_commands.h"
#include "mainwindow/frm_main_controller.h"
#include "core/common.h"
#include "store/devices.h"

namespace crv {

void Attach_Dialog_Commands(MainController& main, std::function<HWND()> owner) {
    MainController* m = &main;
    auto owner_of = [owner] { return owner ? owner() : nullptr; };
    main.Register_Command("mnuFleManageComputers", [m, owner_of](int) {
        frmManageComputers::Show(owner_of());
        // Computers added, deleted or changed show in the device tree.
        m->mnuViewRefresh_Click();
    });
    main.Register_Command("mnuFleFullExport",
                             [m, owner_of](int) { frmFullExport::ShowThisForm("FullExport", "", *m, owner_of()); });
    main.Register_Command("mnuStartScan", [m, owner_of](int) {
        if (m->tvwFeatures.Count() == 0) return;
        // The computer by its id: after a rename its old name may be
        // another's, and a root that names no stored computer has no scans.
        const std::string tag = m->tvwFeatures.Nodes().front()->tag;
        if (Get_Device_Type(Number_Value(Get_Field(tag, 0))) != 2) return;
        frmFullExport::ShowThisForm("NewScan", tag, *m, owner_of());
        if (m->tvwFeatures.Count() == 0) return;
        const std::int32_t id = Number_Value(Get_Field(m->tvwFeatures.Nodes().front()->tag, 0));
        if (id > 0 && Get_Device_Type(id) == 2) m->Fill_Scan_Dates(id);
    });
    Attach_Report_Commands(main, owner);
    // The report customiser; a save or a width reset shows the selected
    // report node again.
    main.Set_Customize_Report_Dialog([m, owner_of](std::int32_t id, const std::string& name) {
        frmCustomizeReport::Show_This_Form(
            id, name,
            [m] {
                if (m->tvwFeatures.selected) m->tvwFeatures_NodeClick(m->tvwFeatures.selected);
            },
            owner_of());
    });
    Attach_Properties_Find_Commands(main, owner);
}

}  // namespace crv
