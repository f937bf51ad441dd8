// The update check from the main window: Help > Check Updates (also the
// "Updates" toolbar button and a click on the "Version" panel, which name the
// same command) and the automatic check once after start-up.
#include "core/update_check.h"
#include "mainwindow/frm_main_controller.h"
#include "store/settings.h"

namespace crv {

void MainController::Register_Update_Commands() {
    Register_Command("mnuCheckUpdates", [this](int) { mnuCheckUpdates_Click(); });
    CommandRule rule;
    rule.also = [this] { return update_host_ != nullptr; };
    Set_Command_Rule("mnuCheckUpdates", rule);
}

void MainController::Set_Update_Host(UpdateHost* host) {
    update_host_ = host;
    Refresh_Commands();
}

std::string MainController::Run_Update_Check(bool show_messages, bool& exit_program) {
    // The window keeps answering while the server is waited for, under the
    // busy guard: a command that comes meanwhile (Close included) ends the
    // wait and runs once the check has unwound. Its boxes and the download
    // dialog are modal: refreshes wait.
    BusyScope busy(*this);
    Cancel_Requested = false;
    ++modal_depth_;
    const std::string text = Check_For_Update(*update_host_, show_messages, exit_program, [this] {
        if (host_) host_->Do_Events();
        return !Cancel_Requested;
    });
    --modal_depth_;
    return text;
}

void MainController::mnuCheckUpdates_Click() {
    if (!update_host_) return;
    bool exit_program = false;
    Run_Update_Check(true, exit_program);
    // The package was opened to replace this program: end it.
    if (exit_program && host_) host_->Close_Window();
}

void MainController::Startup_Update_Check() {
    if (!update_host_ || !Get_Auto_Check_Updates()) return;
    bool exit_program = false;
    const std::string text = Run_Update_Check(false, exit_program);
    if (PanelState* p = Panel("Version")) p->text = text;
    Changed(ViewPart::Status);
    if (exit_program && host_) host_->Close_Window();
}

}  // namespace crv
