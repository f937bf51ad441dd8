// The command registry's side of the controller: registration, enabled
// state, dispatch from menus, toolbars and status-bar panels, and the menu
// commands of the File, Tools and Help menus.
#include "mainwindow/frm_main_controller.h"

#include "core/common.h"
#include "core/error.h"
#include "store/devices.h"
#include "store/scans.h"
#include "store/settings.h"
#include "store/store.h"

namespace crv {

// ---------------------------------------------------------------- registry

void MainController::Register_Command(const std::string& name, CommandHandler handler) {
    registry_.Add(name, std::move(handler));
    Refresh_Commands();
    Changed(ViewPart::Commands);
}

void MainController::Set_Command_Rule(const std::string& name, CommandRule rule) {
    registry_.Set_Rule(name, std::move(rule));
    Refresh_Commands();
    Changed(ViewPart::Commands);
}

bool MainController::Command_Enabled(const std::string& name) const { return registry_.Enabled(name, display_mode_); }

void MainController::Refresh_Commands() {
    // A submenu is enabled while any item below it has a handler and its own
    // rule (the service Start Mode submenu has one) allows the mode.
    std::function<bool(const std::vector<MenuItem>&)> walk = [&](const std::vector<MenuItem>& items) {
        bool any = false;
        for (const auto& m : items) {
            if (m.separator) continue;
            const bool has = m.children.empty() ? registry_.Has_Handler(m.name) : walk(m.children);
            if (!m.name.empty())
                commands_[Command_Name(m.name, m.index)].enabled = has && registry_.Allows(m.name, display_mode_);
            any = any || has;
        }
        return any;
    };
    walk(Main_Menu_Bar());
    for (const auto& bar : Main_Toolbars())
        for (const auto& b : bar.buttons) commands_[Button_Name(bar.name, b.key)].enabled = Command_Enabled(b.command);
}

bool MainController::Run_Command(const std::string& name, int index) {
    if (!Command_Enabled(name)) return false;
    if (busy_depth_ > 0 && !registry_.Runs_During_Listing(name)) {
        Run_Or_Defer([this, name, index] { Run_Command(name, index); });
        return true;
    }
    // A copy: the handler may register its command anew while it runs.
    const CommandHandler handler = *registry_.Handler(name);
    handler(index);
    return true;
}

void MainController::Toolbar_Button_Click(const std::string& toolbar, const std::string& key) {
    const ToolbarDef* bar = Find_Toolbar(toolbar);
    if (!bar) return;
    for (const auto& b : bar->buttons) {
        if (b.key == key) {
            Run_Command(b.command, b.index);
            return;
        }
    }
}

void MainController::sbrMain_PanelClick(const std::string& key) {
    for (const auto& p : Main_Status_Panels()) {
        if (p.key == key) {
            if (!p.command.empty()) Run_Command(p.command, -1);
            return;
        }
    }
}

// ---------------------------------------------------------------- menu commands

void MainController::Register_Menu_Commands() {
    Register_Command("mnuFleExit", [this](int) { mnuFleExit_Click(); });
    Register_Command("mnuOptimizeDB", [this](int) { mnuOptimizeDB_Click(); });
    Register_Command("mnuDeleteScan", [this](int) { mnuDeleteScan_Click(); });
    Register_Command("mnuAutoCheckUpdates", [this](int) { mnuAutoCheckUpdates_Click(); });
    Register_Command("mnuToolbars", [this](int index) { mnuToolbars_Click(index); });
    // The maker's pages and mail link open in the associated program.
    const std::string site(Maker_Site);
    const std::pair<const char*, std::string> pages[] = {
        {"mnuFAQs", site + "/corvalin/corvalin-faqs.html?sr=crv"},
        {"mnuTroubleshoot", site + "/corvalin/corvalin-wmi-troubleshooting.html?sr=crv"},
        {"mnuProducts", site + "/products.html?sr=crv"},
        {"mnuVideoTutorial", "https://www.youtube.com/@corvalin"},
        {"mnuHlpSupport", "mailto:" + std::string(Maker_Support_Mail)},
    };
    CommandRule anytime;
    anytime.during_listing = true;
    for (const auto& [name, address] : pages) {
        Register_Command(name, [this, address = address](int) {
            if (host_) host_->Open_Page(address);
        });
        Set_Command_Rule(name, anytime);
    }
    Register_Command("sbrMain.WebSite", [this](int) {
        const PanelState* p = Panel(Maker_Host);
        if (p && host_) host_->Open_Page(p->tag);
    });
    for (const char* n : {"sbrMain.WebSite", "mnuAutoCheckUpdates", "mnuToolbars"}) Set_Command_Rule(n, anytime);
}

void MainController::mnuFleExit_Click() {
    if (Message_Box("Are you sure you want to close this program?", Mb_Yes_No | Mb_Question) == Answer_Yes && host_)
        host_->Close_Window();
}

void MainController::mnuAutoCheckUpdates_Click() {
    CommandState& c = Command("mnuAutoCheckUpdates");
    c.checked = !c.checked;
    Set_Auto_Check_Updates(c.checked);
    Changed(ViewPart::Commands);
}

void MainController::mnuOptimizeDB_Click() {
    if (Optimize_Database())
        Message_Box("Successfully optimized data.", Mb_Information);
    else
        Message_Box("Failed to optimzied data at this time.", Mb_Critical);
}

void MainController::mnuDeleteScan_Click() {
    const std::string date = cboScanDate.Text();
    if (date.empty()) {
        Message_Box("No scan information found for the selection!", Mb_Exclamation);
        return;
    }
    if (tvwFeatures.Count() == 0) return;
    const TreeNode* root = tvwFeatures.Nodes().front();
    if (Message_Box("Are you sure you want to delete the saved scan on '" + date + "' for the Computer '" +
                        root->text + "'?",
                    Mb_Yes_No | Mb_Question) != Answer_Yes)
        return;
    StoreDate d;
    const std::int32_t id = Number_Value(Get_Field(root->tag, 0));
    const bool ok = Parse_Scan_Date(date, d.year, d.month, d.day) && Delete_Scan(d, id);
    if (!ok) {
        Clear_Error();
        Message_Box("Failed to delete the selected scan!", Mb_Exclamation);
        return;
    }
    // The dates as the store now holds them, the newest selected.
    Fill_Scan_Dates(id);
}

}  // namespace crv
