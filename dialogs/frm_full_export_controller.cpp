#include "dialogs/frm_full_export_controller.h"

#include <cstdio>
#include <memory>
#include <set>

#include "core/common.h"
#include "core/error.h"
#include "core/names.h"
#include "export/export.h"
#include "export/export_file.h"
#include "store/devices.h"
#include "store/features.h"
#include "store/scans.h"
#include "store/settings.h"
#include "wmi/collectors.h"
#include "wmi/connection.h"

namespace crv {

namespace {

constexpr const char* Section = "FullExport";

std::string Two(int v) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}
std::string Four(int v) {
    char b[16];
    std::snprintf(b, sizeof b, "%04d", v);
    return b;
}
std::string Scan_Date_Text(const StoreDate& d) { return Two(d.day) + "-" + Two(d.month) + "-" + Four(d.year); }

std::string Skipped_Text(std::int32_t skipped) {
    return " Skipped " + std::to_string(skipped) + " Computers due to Connection Error!";
}

const char* const Help_Lines[] = {
    "1. Choose the computers and features to be scanned. ",
    "2. The scanned features will be permanantly stored and can be accessed any time in Offline Mode.",
    "3. New scan will store the information for the selected scan date without deleting pervious date scan info.",
    "4. New scan will update the information if you already havd scanned data on the seleted date.",
    "5. It is advisable not to store several previous scans to save disk space and speed of retrieval.",
};

}  // namespace

std::string Full_Export_File_Name(const std::string& folder, const std::string& computer, const DialogTime& at,
                                  int format_code) {
    const char* ext = format_code == 1 ? ".csv" : format_code == 2 ? ".html" : format_code == 3 ? ".txt" : "";
    // A computer name may hold any character, "..\\" included: cleaned, it
    // names a file inside the folder and nothing else.
    return folder + "\\CRV_" + Clean_File_Name(computer) + "(" + Four(at.year) + "-" + Two(at.month) + "-" +
           Two(at.day) + ")(" + Two(at.hour) + "-" + Two(at.minute) + "-" + Two(at.second) + ")" + ext;
}

std::string Numbered_File_Name(const std::string& file_name, int n) {
    const std::size_t folder_end = file_name.find_last_of("\\/");
    std::size_t dot = file_name.rfind('.');
    if (dot == std::string::npos || (folder_end != std::string::npos && dot < folder_end)) dot = file_name.size();
    return file_name.substr(0, dot) + "(" + std::to_string(n) + ")" + file_name.substr(dot);
}

std::string Format_Extension(const std::string& item_text) {
    std::size_t open = item_text.find('(');
    if (open == std::string::npos) return {};
    std::size_t close = item_text.find(')', open + 1);
    if (close == std::string::npos) return {};
    return item_text.substr(open + 1, close - open - 1);
}

std::map<std::string, bool> Parse_Feature_Checks(const std::string& text) {
    std::map<std::string, bool> checks;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(Row_Key_Separator_Char, start);
        if (end == std::string::npos) end = text.size();
        std::string entry = text.substr(start, end - start);
        if (entry.size() >= 2 && (entry[0] == '0' || entry[0] == '1')) checks[entry.substr(1)] = entry[0] == '1';
        start = end + 1;
    }
    return checks;
}

std::string Format_Feature_Checks(const std::map<std::string, bool>& checks) {
    std::string text;
    for (const auto& [key, on] : checks) {
        if (key.empty()) continue;
        if (!text.empty()) text += Row_Key_Separator_Char;
        text += on ? '1' : '0';
        text += key;
    }
    return text;
}

// ------------------------------------------------------------------ form

void FullExportController::ShowThisForm(const std::string& type, const std::string& default_key) {
    strType = type;
    strDefaultKey = default_key;
    Form_Load();
}

void FullExportController::Form_Load() {
    Set_Form_Mode();
    StoreFailureScope store;
    Load_Export_Computers();
    if (!Load_Features_Tree(tvwExportFeatures, strType == "FullExport", false) && !Pending_Error().empty())
        Show_Error_Message(true);
    // An unread list is not an empty one: the store's box said why.
    if (lvwComputer.Item_Count() == 0 && !store.Failed())
        host_.Message_Box(
            "No computers are added to the list! Please go to 'File->Manage Computers' to add computers to the "
            "list and try again.",
            box::Exclamation);
    DialogTime now = host_.Now();
    dtpkScanDate = {now.year, now.month, now.day};
    Control("picProgress").visible = false;
    tmrSelection_enabled = true;
    Changed();
}

void FullExportController::Set_Form_Mode() {
    lvwComputer.Clear_Columns();
    lvwComputer.view = ListViewMode::Report;
    lvwComputer.checkboxes = true;
    lvwComputer.Add_Column("", "Select Computers", lvwComputer_width);
    fraFullExport_caption = "Choose Settings";
    txtScanRemarks.clear();
    for (const char* line : Help_Lines) txtScanRemarks += std::string(line) + "\r\n";
    if (strType == "NewScan") {
        caption = "New Scan - Corvalin";
        cmdExport_caption = "Start Scan";
        Control("fraExportOptions").visible = false;
        Control("fraNewScan").visible = true;
    } else if (strType == "FullExport") {
        caption = "Full Export - Corvalin";
        Control("lblScanDate").visible = false;
        Control("dtpkScanDate").visible = false;
        full_export_layout = true;
        cmdExport_caption = "Start Export";
        Control("fraExportOptions").visible = true;
        Control("fraNewScan").visible = false;
    }
}

bool FullExportController::Load_Export_Computers() {
    lvwComputer.Clear_Items();
    SqlResult devices;
    std::int32_t rows = 0;
    if (Get_Device_List(rows, devices, 2)) {
        for (std::size_t r = 1; r <= devices.Data_Row_Count(); ++r) {
            std::string id = devices.Text(r, 3);
            ListItem* row = lvwComputer.Add_Item("DEV" + id, devices.Text(r, 0));
            if (!row) continue;
            row->small_icon = devices.Text(r, 6);
            row->tag = id;
            // The vertical scroll bar takes its room from the 20th row on.
            if (lvwComputer.Item_Count() == 20 && lvwComputer.Column_Count() > 0)
                lvwComputer.Column(0).width_twips -= 17 * twips_per_pixel_x;
        }
    }
    lvwComputer.Notify();
    return true;
}

bool FullExportController::Form_KeyPress(int key_ascii) {
    if (key_ascii != 27) return false;
    if (busy_)
        cmdCancel_Click();
    else
        cmdClose_Click();
    return true;
}

void FullExportController::Form_QueryUnload(bool& cancel) {
    if (busy_) {
        // The run owns the dialog until its loops end: cancel it instead.
        cmdCancel_Click();
        cancel = true;
        return;
    }
    Save_Export_Settings();
    cmdCancel_Click();
    cancel = false;
}

void FullExportController::Request_Unload() {
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (!cancel) host_.Close();
}

void FullExportController::chkSelectAll_Click() {
    for (std::size_t i = 0; i < lvwComputer.Item_Count(); ++i) lvwComputer.Item(i).checked = chkSelectAll != 0;
    lvwComputer.Notify();
}

void FullExportController::tvwExportFeatures_NodeCheck(TreeNode& node) {
    for (TreeNode* child : node.children) {
        child->checked = node.checked;
        tvwExportFeatures.Changed(*child);
        tvwExportFeatures_NodeCheck(*child);
    }
}

void FullExportController::optExportTo_Click(int index) {
    if (index == 0) {
        optExportTo = 0;
        Control("cboExportFormat").enabled = true;
        Control("txtSaveTo").enabled = false;
        Control("cmdBrowse").enabled = false;
    } else if (index == 1) {
        optExportTo = 1;
        Control("cboExportFormat").enabled = true;
        Control("txtSaveTo").enabled = true;
        Control("cmdBrowse").enabled = true;
    } else {
        return;
    }
    Changed();
}

void FullExportController::Enable_Export_Controls(bool blnEnable) {
    for (const char* name : {"dtpkScanDate", "lvwComputer", "chkSelectAll", "optExportTo(0)", "optExportTo(1)",
                             "tvwExportFeatures", "cboExportFormat"})
        Control(name).enabled = blnEnable;
    if (optExportTo == 1) {
        Control("txtSaveTo").enabled = blnEnable;
        Control("cmdBrowse").enabled = blnEnable;
    }
    Control("cmdExport").enabled = blnEnable;
    Control("cmdClose").enabled = blnEnable;
    Changed();
}

bool FullExportController::Is_Valid_Folder(const std::string& path) {
    return !path.empty() && host_.Folder_Exists(path);
}

void FullExportController::cmdBrowse_Click() {
    std::string chosen = host_.Browse_For_Folder(txtSaveTo);
    if (!chosen.empty()) {
        txtSaveTo = chosen;
        Changed();
    }
}

void FullExportController::cmdCancel_Click() {
    main_.cmdCancel_Click();
    Export_Cancel_Requested = true;
}

void FullExportController::cmdClose_Click() {
    if (busy_) {
        cmdCancel_Click();
        return;
    }
    cmdCancel_Click();
    Request_Unload();
}

void FullExportController::lblLink_Click() { host_.Open_With_Shell(lblLink_tag); }

void FullExportController::tmrSelection_Timer() {
    tmrSelection_enabled = false;
    Load_Export_Settings();
}

void FullExportController::Save_Export_Settings() {
    // Each mode's tree updates the choices of its own features only; those of
    // features the other mode alone shows stay as they were.
    std::map<std::string, bool> checks = Parse_Feature_Checks(host_.Get_Setting(Section, "Features", ""));
    for (const TreeNode* node : tvwExportFeatures.Nodes()) checks[node->key] = node->checked;
    host_.Save_Setting(Section, "ExportTo", optExportTo == 0 ? "0" : "1");
    host_.Save_Setting(Section, "FilePath", txtSaveTo);
    host_.Save_Setting(Section, "Features", Format_Feature_Checks(checks));
    host_.Save_Setting(Section, "ReportFormat", std::to_string(cboExportFormat_index));
}

void FullExportController::Load_Export_Settings() {
    optExportTo_Click(0);
    std::map<std::string, bool> checks = Parse_Feature_Checks(host_.Get_Setting(Section, "Features", ""));
    txtSaveTo = host_.Get_Setting(Section, "FilePath", "");
    for (TreeNode* node : tvwExportFeatures.Nodes()) {
        auto it = checks.find(node->key);
        node->checked = it != checks.end() && it->second;
        tvwExportFeatures.Changed(*node);
    }
    cboExportFormat_index = 0;
    Changed();
}

int FullExportController::Format_Code() const {
    if (cboExportFormat_index < 0 || static_cast<std::size_t>(cboExportFormat_index) >= cboExportFormat_item_data.size())
        return 0;
    return cboExportFormat_item_data[static_cast<std::size_t>(cboExportFormat_index)];
}

void FullExportController::Note_File(const std::string& file) {
    for (const std::string& f : last_run_.files)
        if (f == file) return;
    last_run_.files.push_back(file);
}

std::string FullExportController::Claim_File_Name(const std::string& file) {
    // Windows compares file names without case.
    std::string claimed = file;
    for (int n = 2; !claimed_files_.insert(host_.Upper_Case(claimed)).second; ++n)
        claimed = Numbered_File_Name(file, n);
    return claimed;
}

bool FullExportController::Store_Stopped() const { return run_store_ && run_store_->Failed(); }

// ------------------------------------------------------------------ the run

void FullExportController::cmdExport_Click() {
    if (busy_) return;
    last_run_ = RunOutcome{};
    const StoreDate scan_date = dtpkScanDate;
    ListModel lvwTemp;

    if (Count_Checked_Items(lvwComputer) <= 0) {
        host_.Message_Box("Please select atleast one computer!", box::Exclamation);
        return;
    }
    if (Count_Checked_Nodes(tvwExportFeatures) <= 0) {
        host_.Message_Box("Please select atleast one feature!", box::Exclamation);
        return;
    }
    // Every store read and write of the run, the feature handler's included:
    // the first failure is shown once and ends the run.
    StoreFailureScope store;
    // A WMI failure every computer gives alike is shown once for the run.
    DistinctErrorScope distinct_errors;
    std::string file_name;
    const bool full_export = strType == "FullExport";
    if (strType == "NewScan") {
        SqlResult scanned;
        const std::int32_t scanned_count = Get_Scanned_Devices(scan_date, scanned);
        if (store.Failed()) {
            // Not knowing whether scans would be replaced, none may be.
            host_.Message_Box("The scan was not started: the stored scans of the selected date could not be read. "
                              "Nothing was stored.",
                              box::Exclamation);
            return;
        }
        if (scanned_count > 0) {
            std::set<std::string> checked_ids;
            for (std::size_t i = 0; i < lvwComputer.Item_Count(); ++i)
                if (lvwComputer.Item(i).checked) checked_ids.insert(std::to_string(Text_Number(lvwComputer.Item(i).tag)));
            std::string names;
            for (std::size_t r = 1; r <= scanned.Data_Row_Count(); ++r) {
                if (!checked_ids.count(std::to_string(scanned.Number(r, 1)))) continue;
                if (!names.empty()) names += ",";
                names += scanned.Text(r, 0);
            }
            if (!names.empty() &&
                host_.Message_Box("The computer(s) " + names +
                                      " already have scanned data on the selected date. Any existing data will be "
                                      "updated.\r\n\r\nAre you sure you want to continue?",
                                  box::Yes_No | box::Question) != box::Answer_Yes)
                return;
        }
    } else if (full_export) {
        if (optExportTo == 0) {
            const std::string item =
                cboExportFormat_index >= 0 && static_cast<std::size_t>(cboExportFormat_index) < cboExportFormat_items.size()
                    ? cboExportFormat_items[static_cast<std::size_t>(cboExportFormat_index)]
                    : std::string();
            const std::string ext = Format_Extension(item);
            file_name = host_.Show_Save_Dialog("Corvalin - Export", item + "|*" + ext, cboExportFormat_index, "");
            if (file_name.empty()) {
                host_.Message_Box("No export file was chosen. Nothing was exported.", box::Exclamation);
                return;
            }
        } else if (!Is_Valid_Folder(txtSaveTo)) {
            host_.Message_Box("The specified export path does not exist! Please select a different path.",
                              box::Exclamation);
            return;
        }
    }
    if (host_.Message_Box("Full Export may take several minutes to several hours depending on the selection you "
                          "have made.\r\n\r\nAre you sure you want to continue?",
                          box::Yes_No | box::Question) != box::Answer_Yes)
        return;
    // The Save dialog asked before replacing the file: the writers, which
    // append, then give a file of this run alone.
    if (full_export && optExportTo == 0 && !Start_Export_File(file_name)) {
        Show_Error_Message(true);
        return;
    }

    busy_ = true;
    last_run_.ran = true;
    run_store_ = &store;
    claimed_files_.clear();
    Enable_Export_Controls(false);
    std::int32_t skipped = 0;
    Export_Selected_Computers(lvwTemp, txtSaveTo, skipped, scan_date, file_name);
    // The scope saw every store failure of the run, whichever check stopped
    // the loops (or none did): the end message is told by it alone.
    last_run_.store_failed = store.Failed();
    run_store_ = nullptr;
    busy_ = false;
    Enable_Export_Controls(true);
    last_run_.skipped = skipped;
    Show_Run_End(full_export, skipped);
}

void FullExportController::Show_Run_End(bool full_export, std::int32_t skipped) {
    const std::string skip_tail = skipped >= 1 ? Skipped_Text(skipped) : std::string();
    std::string text;
    if (last_run_.store_failed) {
        text = full_export ? "The export did not complete: the inventory database could not be read. The files "
                             "hold only what was written before the failure."
                           : "The scan did not complete: the inventory database could not be read or written. "
                             "Only the features stored before the failure were kept.";
    } else if (last_run_.cancelled) {
        text = full_export ? "The export was cancelled. The files hold only what was written before the cancel."
                           : "The scan was cancelled. Only the features collected in full before the cancel were "
                             "stored.";
    } else if (!full_export && last_run_.failures > 0) {
        text = "The scan ended, but " + std::to_string(last_run_.failures) +
               " feature(s) could not be stored. Their earlier scans were kept.";
    } else if (full_export && last_run_.failures > 0) {
        text = last_run_.failed_features.empty()
                   ? "The export ended, but some reports could not be written."
                   : "The export ended, but some reports could not be written and some features could not be "
                     "collected.";
    } else if (full_export && !last_run_.failed_features.empty()) {
        text = "The export ended, but some features could not be collected. Their sections in the file hold the "
               "error.";
    } else {
        host_.Message_Box("Successfully exported reports." + skip_tail,
                          skipped < 1 ? box::Information : box::Exclamation);
        return;
    }
    // The features at fault, under a heading that says what they are; a long
    // list is cut so the box fits the screen.
    constexpr std::size_t Listed = 15;
    const auto& failed = last_run_.failed_features;
    if (!failed.empty()) {
        text += full_export ? "\r\n\r\nFeatures not collected:" : "\r\n\r\nFeatures not stored:";
        for (std::size_t i = 0; i < failed.size() && i < Listed; ++i) text += "\r\n" + failed[i];
        if (failed.size() > Listed) text += "\r\n... and " + std::to_string(failed.size() - Listed) + " more.";
        if (!skip_tail.empty()) text += "\r\n";
    }
    host_.Message_Box(text + skip_tail, box::Exclamation);
}

void FullExportController::Export_Selected_Computers(ListModel& lvwTemp, const std::string& folder,
                                                     std::int32_t& skipped, const StoreDate& scan_date,
                                                     std::string& file_name) {
    Export_Cancel_Requested = false;
    const std::size_t count = lvwComputer.Item_Count();
    std::unique_ptr<WmiServices> connection;
    const bool per_computer = strType == "FullExport" && optExportTo == 1;
    for (std::size_t i = 0; i < count && i < lvwComputer.Item_Count() && !Store_Stopped(); ++i) {
        if (Export_Cancel_Requested) last_run_.cancelled = true;
        const ListItem& row = lvwComputer.Item(i);
        if (Export_Cancel_Requested || !row.checked) continue;
        const std::int32_t dev_id = static_cast<std::int32_t>(Text_Number(row.tag));
        const std::string name = row.text;

        pbrMain_min = 0;
        pbrMain_value = 1;
        pbrMain_max = Count_Checked_Nodes(tvwExportFeatures);
        lblProgress = name + " - Exporting Properties";
        Control("picProgress").visible = true;
        Changed();
        host_.Do_Events();

        if (per_computer) file_name = Full_Export_File_Name(folder, name, host_.Now(), Format_Code());

        std::string user, password, domain;
        // Unread credentials are not empty ones: the computer is not tried
        // as another user.
        if (!Get_Device_Credentials(dev_id, user, password, domain) || Store_Stopped()) break;
        connection = Connect_WMI_CIMV2(name, user, password, 0, domain);
        if (!connection) {
            Clear_Error();
            ++skipped;
            continue;
        }
        if (Export_Cancel_Requested) {
            last_run_.cancelled = true;
            continue;
        }
        pbrMain_value = 0;
        Changed();
        if (per_computer) file_name = Claim_File_Name(file_name);
        Export_Computer_Features(dev_id, name, lvwTemp, file_name, scan_date);
    }
    if (Export_Cancel_Requested) last_run_.cancelled = true;
    Export_Cancel_Requested = false;
    Control("picProgress").visible = false;
    connection.reset();
    Changed();
}

void FullExportController::Export_Computer_Features(std::int32_t dev_id, const std::string& name,
                                                    ListModel& lvwTemp, const std::string& file_name,
                                                    const StoreDate& scan_date) {
    clsExport writer(host_.Export_Encoder());
    Control("picProgress").visible = true;
    pbrMain_value = 0;
    const bool vertical = Get_Vertical_Listing();
    const bool full_export = strType == "FullExport";
    const int format = Format_Code();
    Changed();
    // An unread listing direction is no horizontal one: nothing is written.
    if (Store_Stopped()) return;

    // A copy: the handler's pumping must not see the node list change under us.
    std::vector<TreeNode*> nodes = tvwExportFeatures.Nodes();
    for (TreeNode* node : nodes) {
        const bool collected = node->checked && node->key.rfind("Tabu_", 0) != 0 &&
                               (!node->Has_Children() || node->index == 1);
        if (!collected) continue;
        lblProgress = name + " - Exporting " + node->text + "...";
        Changed();
        if (Export_Cancel_Requested) {
            // The feature handler clears the main window's flag when it starts.
            main_.cmdCancel_Click();
            last_run_.cancelled = true;
            break;
        }
        host_.Do_Events();
        const std::int32_t feature_id = static_cast<std::int32_t>(Text_Number(node->tag));
        const std::string last_date = Scan_Date_Text(Get_Last_Scan_Date(dev_id));
        if (Store_Stopped()) break;
        main_.Node_Clicked_Event_Handler(dev_id, name, feature_id, node->key, node->image, *node, lvwTemp,
                                         last_date, true);
        // A listing built on a failed store read (its property choices, say)
        // is not this feature's: it is neither stored nor written.
        if (Store_Stopped()) break;
        const bool cut_short = Export_Cancel_Requested;
        if (cut_short) last_run_.cancelled = true;
        if (!full_export) {
            // A listing stopped by Cancel is incomplete: the earlier scan stays.
            // A listing that failed as a whole (no connection, access denied, a
            // query error) holds no data: the earlier scan stays. "Not
            // supported" is the computer's answer and is stored as such.
            if (!cut_short &&
                (Is_Failed_Listing(lvwTemp) || !Save_Scan(scan_date, dev_id, feature_id, lvwTemp))) {
                ++last_run_.failures;
                last_run_.failed_features.push_back(name + " - " + node->text);
                if (Store_Stopped()) break;
            }
        } else {
            // Written with its error row, and named at the end of the run.
            if (!cut_short && Is_Failed_Listing(lvwTemp)) last_run_.failed_features.push_back(name + " - " + node->text);
            bool ok = true;
            if (format == 1)
                ok = writer.Export_ListView_To_CSV(lvwTemp, node->key, node->text, file_name, name, vertical);
            else if (format == 2)
                ok = writer.Export_To_HTML_File(lvwTemp, node->key, node->text, file_name, name, vertical);
            else if (format == 3)
                ok = writer.Export_To_Text_File(lvwTemp, node->key, node->text, file_name, name, 1, 2, vertical);
            if (format >= 1 && format <= 3) Note_File(file_name);
            if (!ok) ++last_run_.failures;
        }
        ++pbrMain_value;
        Changed();
    }
    if (full_export) {
        bool ok = true;
        if (format == 2) {
            ok = writer.SaveHtmlReportFooter(file_name);
            Note_File(file_name);
        } else if (format == 3) {
            ok = writer.Write_ReportFooter_In_Text_File(file_name, 80, true);
            Note_File(file_name);
        }
        if (!ok) ++last_run_.failures;
    }
    host_.Do_Events();
}

}  // namespace crv
