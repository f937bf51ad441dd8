// The remote operations: shut down, reboot and wake the computer of the
// feature tree's root, end the selected process of the live process list,
// and start, stop, pause, resume or change the start mode of the selected
// service of the live service list. The Operations menu, the power, process
// and services toolbars and the list pane's pop-up menus all reach these
// through the registry; the availability topic decides in which display
// modes they may run.
//
// Each handler takes its target before it asks, so a timer refresh while
// the question is open cannot change what is acted on.
#include <optional>

#include "core/error.h"
#include "mainwindow/frm_main_controller.h"
#include "mainwindow/remote_operations.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "ui/model/list_layouts.h"
#include "wmi/operations.h"
#include "wmi/wake_on_lan.h"

namespace crv {
namespace {

bool Confirmed(MainController& c, const std::string& question) {
    return c.Message_Box(question, Mb_Yes_No | Mb_Question) == Answer_Yes;
}

// Whether the list knows the computer; nothing when the store could not
// tell (its box said why), which is no unknown computer.
std::optional<bool> Is_Known_Computer(std::int32_t device_id) {
    SqlResult device;
    if (!Get_Device_Info(device_id, device)) return std::nullopt;
    return device.Data_Row_Count() > 0;
}

// Shutdown (flags 5) and Reboot (flags 6). A refused call and a computer
// the list does not know are said, not passed over as success.
void Power_Operation(MainController& c, std::int32_t flags) {
    const auto target = Power_Target(c.tvwFeatures);
    if (!target || !Confirmed(c, Power_Question(flags, target->name))) return;
    const std::optional<bool> known = Is_Known_Computer(target->device_id);
    if (!known) return;
    if (!*known) {
        c.Message_Box(Unknown_Computer_Text(target->name), Mb_Exclamation);
        return;
    }
    StoreFailureScope store;
    const auto code = Shutdown_Computer(target->device_id, flags);
    if (store.Failed()) return;  // the store's box said why; nothing was called
    if (!code)
        Show_Error_Message(true);
    else if (*code != 0)
        c.Message_Box(Power_Refused_Text(flags, target->name, *code), Mb_Exclamation);
}

// The result of a service operation, then the list at once. An error
// (connection, query, method) is shown instead and the periodic refresh
// carries on.
void Report_Service_Result(MainController& c, const std::optional<std::int32_t>& code) {
    if (!code) {
        Show_Error_Message(true);
        return;
    }
    c.Message_Box(Get_Service_Return_Text(*code), *code == 0 ? Mb_Information : Mb_Exclamation);
    c.tmrMain_Timer();
}

}  // namespace

void MainController::Register_Remote_Operation_Commands() {
    Register_Command("mnuOperationsPowShutdown", [this](int) { mnuOperationsPowShutdown_Click(); });
    Register_Command("mnuOperationsPowRestart", [this](int) { mnuOperationsPowRestart_Click(); });
    Register_Command("mnuOperationsPowBoot", [this](int) { mnuOperationsPowBoot_Click(); });
    Register_Command("mnuOperationsProcessKill", [this](int) { mnuOperationsProcessKill_Click(); });
    Register_Command("mnuOperationsServiceControl", [this](int index) { mnuOperationsServiceControl_Click(index); });
    Register_Command("mnuOperationsServiceStartMode",
                     [this](int index) { mnuOperationsServiceStartMode_Click(index); });
}

void MainController::mnuOperationsPowShutdown_Click() { Power_Operation(*this, Shutdown_Forced); }

void MainController::mnuOperationsPowRestart_Click() { Power_Operation(*this, Reboot_Forced); }

void MainController::mnuOperationsPowBoot_Click() {
    // The DEV_ID of the root itself: looking the name up could wake another
    // computer of the same name.
    const auto target = Power_Target(tvwFeatures);
    if (!target || !Confirmed(*this, Boot_Question(target->name))) return;
    clsWOL wol;
    std::vector<std::string> stored;
    StoreFailureScope store;
    if (!Get_Device_MAC(target->device_id, stored)) {
        // A failed read has shown its box and is no missing address; a read
        // that found no row is a computer the store does not know, which
        // has no address either.
        if (!store.Failed()) Message_Box(No_Mac_Address_Text(target->name), Mb_Exclamation);
        return;
    }
    const auto addresses = Usable_Mac_Addresses(stored);
    if (addresses.empty()) {
        Message_Box(No_Mac_Address_Text(target->name), Mb_Exclamation);
        return;
    }
    // The first refused address or failed packet ends the command; the
    // addresses after it are not sent.
    if (!wol.WinsockControl(wol_sender_)) {
        Show_Error_Message(true);
        return;
    }
    for (const std::string& address : addresses) {
        if (!wol.NICAddress(address) || !wol.WakeUp()) {
            Show_Error_Message(true);
            return;
        }
    }
}

void MainController::mnuOperationsProcessKill_Click() {
    const auto target = Selected_Row_Target(lvwMain, column_key::PID);
    if (!target) {
        Message_Box("Please select an item from the list.", Mb_Information);
        return;
    }
    if (!Confirmed(*this, Kill_Question(target->name))) return;
    // The list can be seconds old and ids are reused: end the process only
    // while its id still belongs to a process of the name shown.
    const std::int32_t process_id = Number_Value(target->item);
    // A computer row the store could not read is no process that ended:
    // the store's box is all that is said.
    StoreFailureScope store;
    const auto running = Get_Process_Name(target->device_id, process_id);
    if (store.Failed()) return;
    if (!running) {
        Show_Error_Message(true);
        return;
    }
    if (!Same_Process_Name(*running, target->name)) {
        Message_Box(Process_Ended_Before_Text(target->name, target->item), Mb_Exclamation);
        tmrMain_Timer();
        return;
    }
    const auto code = Terminate_Process(target->device_id, process_id);
    if (store.Failed()) return;
    if (!code) {
        Show_Error_Message(true);
        return;
    }
    Message_Box(Get_Process_Return_Text(*code), *code == 0 ? Mb_Information : Mb_Exclamation);
    tmrMain_Timer();
}

void MainController::mnuOperationsServiceControl_Click(int index) {
    const auto target = Selected_Row_Target(lvwMain, column_key::Service_Name);
    if (!target) {
        Message_Box("Please select a service!", Mb_Exclamation);
        return;
    }
    const std::string_view verb = Service_Control_Verb(index);
    if (verb.empty() || !Confirmed(*this, Service_Control_Question(verb, target->name))) return;
    StoreFailureScope store;
    const auto code = Control_Service(target->device_id, target->item, index);
    // The store's box said why nothing was done: no result, no refresh.
    if (!store.Failed()) Report_Service_Result(*this, code);
}

void MainController::mnuOperationsServiceStartMode_Click(int index) {
    const MenuItem* item = Find_Menu_Item(Main_Menu_Bar(), "mnuOperationsServiceStartMode", index);
    if (!item) return;
    const std::string mode = item->caption;
    const auto target = Selected_Row_Target(lvwMain, column_key::Service_Name);
    if (!target) {
        Message_Box("Please select an item from the list.", Mb_Information);
        return;
    }
    if (!Confirmed(*this, Start_Mode_Question(mode))) return;
    StoreFailureScope store;
    const auto code = Change_Service_StartMode(target->device_id, target->item, mode);
    if (!store.Failed()) Report_Service_Result(*this, code);
}

}  // namespace crv
