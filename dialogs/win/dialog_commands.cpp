#include "dialogs/win/dialog_commands.h"

#include <string>

#include "dialogs/win/frm_full_export.h"
#include "dialogs/win/frm_manage_computers.h"
#include "mainwindow/frm_main_controller.h"
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
        const std::string tag = m->tvwFeatures.Nodes().front()->tag;
        frmFullExport::ShowThisForm("NewScan", tag, *m, owner_of());
        if (m->tvwFeatures.Count() == 0) return;
        const std::int32_t id = Get_Device_ID(m->tvwFeatures.Nodes().front()->text, 2);
        if (id > 0) m->Fill_Scan_Dates(id);
    });
}

}  // namespace crv
