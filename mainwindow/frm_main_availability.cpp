// Which operation group (power, process, services, tabular reports) may be
// used: the one that fits what the list pane shows.
#include "mainwindow/frm_main_controller.h"

namespace crv {

void MainController::Register_Availability_Rules() {
    // The rules exist before the operations' handlers do: whoever registers
    // a handler gets the rule with it, and its toolbar buttons follow.
    auto only_in = [](int mode) {
        CommandRule rule;
        rule.modes = Mode_Bit(mode);
        return rule;
    };
    const CommandRule power = only_in(0), process = only_in(3), services = only_in(4), reports = only_in(6);
    for (const char* n : {"mnuOperationsPowShutdown", "mnuOperationsPowRestart", "mnuOperationsPowBoot"})
        Set_Command_Rule(n, power);
    Set_Command_Rule("mnuOperationsProcessKill", process);
    // Control items 0, 1, 3, 4 and the Start Mode submenu (6); its three
    // members follow it.
    Set_Command_Rule("mnuOperationsServiceControl", services);
    Set_Command_Rule("mnuOperationsServiceStartMode", services);
    for (const char* n : {"mnuOperationsReportAdd", "mnuOperationsReportCustomize", "mnuOperationsReportScan",
                          "mnuOperationsReportSelectItem"})
        Set_Command_Rule(n, reports);
    // The parent of all reports can be neither renamed nor deleted.
    for (const char* n : {"mnuOperationsReportRename", "mnuOperationsReportDelete"})
    {
        CommandRule rule = reports;
        rule.also = [this] { return !Report_Parent_Selected(); };
        Set_Command_Rule(n, rule);
    }
}

bool MainController::Report_Parent_Selected() const {
    return tvwFeatures.selected && tvwFeatures.selected->key == "Tabu_0";
}

void MainController::Set_Operations_Mode(int mode) {
    if (mode < 0 || mode > 6) return;
    display_mode_ = mode;
    Refresh_Commands();
    Changed(ViewPart::Commands);
}

}  // namespace crv
