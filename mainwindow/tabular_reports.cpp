// Tabular reports in the main window: the Operations > Tabular Report
// commands (add, rename, delete, customise, scan, select all or none), the
// report scan with its progress, and the feature tree's label edit,
// right-click menus and key commands on report nodes.
#include "mainwindow/frm_main_controller.h"

#include "core/common.h"
#include "core/error.h"
#include "mainwindow/frm_main_internal.h"
#include "store/failure_scope.h"
#include "store/tabular.h"
#include "ui/model/list_helpers.h"
#include "wmi/tabular_scan.h"

namespace crv {

using namespace main_detail;

namespace {

constexpr const char* Report_Group_Key = "Tabu_0";

std::string Trim_Blanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The report id of a saved report's node; 0 for the report group and for
// every node that is no report.
std::int32_t Report_Id_Of(const TreeNode* node) {
    if (!node || !Starts_With(node->key, "Tabu_")) return 0;
    const std::int32_t id = Get_Number_From_Key(node->key);
    return id > 0 ? id : 0;
}

}  // namespace

void MainController::Register_Tabular_Report_Commands() {
    Register_Command("mnuOperationsReportAdd", [this](int) { mnuOperationsReportAdd_Click(); });
    Register_Command("mnuOperationsReportRename", [this](int) { mnuOperationsReportRename_Click(); });
    Register_Command("mnuOperationsReportDelete", [this](int) { mnuOperationsReportDelete_Click(); });
    Register_Command("mnuOperationsReportScan", [this](int) { mnuOperationsReportScan_Click(); });
    Register_Command("mnuOperationsReportSelectItem", [this](int index) { mnuOperationsReportSelectItem_Click(index); });
    // The customiser must never write into the report group's row: on
    // "Tabu_0" it is disabled like Rename and Delete. (Start Scan stays
    // enabled there and answers that the group has no computers.)
    CommandRule rule;
    rule.modes = Mode_Bit(6);
    rule.also = [this] { return !Report_Parent_Selected(); };
    Set_Command_Rule("mnuOperationsReportCustomize", rule);
}

void MainController::Set_Customize_Report_Dialog(std::function<void(std::int32_t, const std::string&)> show) {
    customize_report_ = std::move(show);
    Register_Command("mnuOperationsReportCustomize", [this](int) { mnuOperationsReportCustomize_Click(); });
}

// ---------------------------------------------------------------- menu

void MainController::mnuOperations_Click() {
    if (tvwFeatures.selected && Starts_With(tvwFeatures.selected->key, "Tabu_")) Set_Report_Menu_State(true);
}

void MainController::Set_Report_Menu_State(bool visible) {
    for (const char* n : {"mnuOperationsReportAdd", "mnuOperationsReportRename", "mnuOperationsReportDelete",
                          "mnuOperationsReportSptr1", "mnuOperationsReportSptr2", "mnuOperationsReportScan",
                          "mnuOperationsReportSptr3"})
        Command(n).visible = visible;
    Command(Command_Name("mnuOperationsReportSelectItem", 0)).visible = visible;
    Command(Command_Name("mnuOperationsReportSelectItem", 1)).visible = visible;
    Changed(ViewPart::Commands);
}

void MainController::Show_Report_Menu(bool fromList) {
    for (const char* n : {"mnuOperationsReportAdd", "mnuOperationsReportRename", "mnuOperationsReportDelete",
                          "mnuOperationsReportSptr1"})
        Command(n).visible = !fromList;
    for (const char* n : {"mnuOperationsReportSptr2", "mnuOperationsReportScan", "mnuOperationsReportSptr3"})
        Command(n).visible = fromList;
    Command(Command_Name("mnuOperationsReportSelectItem", 0)).visible = fromList;
    Command(Command_Name("mnuOperationsReportSelectItem", 1)).visible = fromList;
    Changed(ViewPart::Commands);
    if (host_) host_->Popup_Menu("mnuOperationsReport");
}

void MainController::mnuOperationsReportAdd_Click() {
    std::int32_t id = 0;
    std::string name, visibility;
    if (!Add_Tabular_Report_Name(0, id, name, visibility)) return;
    TreeNode* group = tvwFeatures.Find(Report_Group_Key);
    if (!group) return;
    TreeNode* node = tvwFeatures.Add_Child(group, "Tabu_" + std::to_string(id), name, "TabularReport");
    if (!node) return;
    node->selected_image = "TabularReport";
    tvwFeatures.Changed(*node);
    if (host_) host_->Ensure_Feature_Visible(*node);
}

void MainController::mnuOperationsReportRename_Click() {
    if (Report_Id_Of(tvwFeatures.selected) == 0 || !host_) return;
    host_->Focus_Features();
    host_->Begin_Feature_Label_Edit();
}

void MainController::mnuOperationsReportDelete_Click() {
    TreeNode* node = tvwFeatures.selected;
    const std::int32_t id = Report_Id_Of(node);
    if (id == 0) return;
    if (Message_Box("Are you sure you want to delete the report '" + node->text + "' ?", Mb_Yes_No | Mb_Question) !=
        Answer_Yes)
        return;
    if (!Delete_Tabular_Report_Name(id)) return;
    // The list showed the deleted report: the report group takes its place.
    TreeNode* group = node->parent;
    tvwFeatures.Remove(node);
    tvwFeatures.Select(group);
    if (group) tvwFeatures_NodeClick(group);
}

void MainController::mnuOperationsReportCustomize_Click() {
    TreeNode* node = tvwFeatures.selected;
    const std::int32_t id = Report_Id_Of(node);
    if (id == 0 || !customize_report_) return;
    customize_report_(id, node->text);
}

void MainController::mnuOperationsReportScan_Click() {
    if (!tvwFeatures.selected || !Starts_With(tvwFeatures.selected->key, "Tabu_")) return;
    // The report group holds no computers of its own: it is never scanned.
    const std::int32_t id = Report_Id_Of(tvwFeatures.selected);
    if (id == 0 || lvwMain.Item_Count() == 0) {
        Message_Box("Please choose atleast one computer from the 'Customize Report' dialog!", Mb_Exclamation);
        return;
    }
    if (Count_Checked_Items(lvwMain) == 0) {
        Message_Box("Please tick atleast one computer from the list!", Mb_Exclamation);
        return;
    }
    Scan_Tabular_Report(id);
}

void MainController::mnuOperationsReportSelectItem_Click(int index) {
    if (index != 0 && index != 1) return;
    Check_All_ListItems(lvwMain, index == 0);
    lvwMain.Notify();
}

// ---------------------------------------------------------------- scan

void MainController::Scan_Tabular_Report(std::int32_t report_id) {
    BusyScope busy(*this);
    // The snapshot's read is the scan's first: a locked file shows one box
    // for the whole scan, and rows whose computers could not be read are
    // not walked.
    StoreFailureScope store;
    // The rows to walk are fixed now: ticks, sorts and refills during the
    // scan's pumps change nothing of the run.
    const std::vector<TabularScanRow> rows = Tabular_Scan_Snapshot(lvwMain);
    if (store.Failed()) return;
    Begin_Row_Walk(rows.size());
    if (host_) host_->Do_Events();

    StoreDateTime when;
    if (host_) {
        const LocalTime now = host_->Now();
        when = {now.year, now.month, now.day, now.hour, now.minute, now.second};
    } else {
        when = Store_Environment().now();
    }
    TabularScanHooks hooks;
    hooks.row_done = [this, report_id](const TabularScanRow& row, bool updated) {
        if (updated) {
            if (ListItem* item = lvwMain.Find_Item("k" + std::to_string(row.tr_id))) {
                Refresh_Tabular_Row(*item, report_id);
                lvwMain.Notify();
            }
        }
        if (progress.value < progress.max) ++progress.value;
        progress.listed_caption = "Processed: " + std::to_string(progress.value);
        Changed(ViewPart::Progress);
        if (host_) host_->Do_Events();
    };
    hooks.cancelled = [] { return Cancel_Requested; };
    Run_Tabular_Scan(rows, when, hooks);
    End_Row_Walk();
    if (rows.empty()) Message_Box("Please select a computer to scan.", Mb_Information);
}

// ---------------------------------------------------------------- feature tree

bool MainController::tvwFeatures_BeforeLabelEdit(const TreeNode& node) const { return Report_Id_Of(&node) > 0; }

void MainController::tvwFeatures_AfterLabelEdit(bool& cancel, std::string& new_text) {
    TreeNode* node = tvwFeatures.selected;
    const std::int32_t id = Report_Id_Of(node);
    new_text = Trim_Blanks(new_text);
    if (id == 0 || !Is_Valid_Report_Name(new_text) || new_text == node->text) {
        cancel = true;
        return;
    }
    if (!Rename_Tabular_Report(id, new_text)) {
        Clear_Error();
        Message_Box("Tabular report '" + new_text + "' already exists!", Mb_Exclamation);
        cancel = true;
        return;
    }
    node->text = new_text;
    tvwFeatures.Changed(*node);
}

void MainController::tvwFeatures_MouseDown(int button, TreeNode* hit) {
    if (button != 2 || !hit) return;
    if (hit != tvwFeatures.selected) {
        // A first right click only selects; a second one opens the menu.
        tvwFeatures.Select(hit);
        return;
    }
    if (hit->index == 1) {
        if (host_) host_->Popup_Menu("mnuOperationsPower");
        tvwFeatures.Select(hit);
    } else if (Starts_With(hit->key, "Tabu_")) {
        Show_Report_Menu(false);
    }
}

void MainController::tvwFeatures_KeyDown(int key_code, int shift) {
    if (shift != 0 || !tvwFeatures.selected || !Starts_With(tvwFeatures.selected->key, "Tabu_")) return;
    if (key_code == 113) Run_Command("mnuOperationsReportRename");       // F2
    else if (key_code == 46) Run_Command("mnuOperationsReportDelete");   // Del
}

TreeNode* MainController::Find_Feature_Node_By_Text(const std::string& text) {
    for (TreeNode* node : tvwFeatures.Nodes())
        if (node->text == text) return node;
    return nullptr;
}

}  // namespace crv
