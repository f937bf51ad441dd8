#pragma once
// The New Scan and Full Export dialog's controller: the computer list, the
// feature tree, the scan date, the export options, the choices kept in the
// settings store, and the scan and export run behind its Start button.
// Portable; the Win32 view (win/frm_full_export.h) shows it.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialogs/dialog_host.h"
#include "store/failure_scope.h"
#include "store/store.h"
#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

struct DialogControlState {
    bool enabled = true;
    bool visible = true;
};

// folder & "\CRV_" & computer & "(yyyy-mm-dd)(hh-nn-ss)" & ".csv"/".html"/".txt"
// for format code 1, 2, 3. The computer name goes in through Clean_File_Name
// (core/names.h), so the file always lies in the folder.
std::string Full_Export_File_Name(const std::string& folder, const std::string& computer, const DialogTime& at,
                                  int format_code);
// The file name with "(n)" before its extension: a second computer whose
// name cleans to the same file name gets a file of its own.
std::string Numbered_File_Name(const std::string& file_name, int n);
// The text between the first "(" and the next ")": "CSV File(.csv)" gives ".csv".
std::string Format_Extension(const std::string& item_text);

// The per-feature check choices kept under "FullExport"/"Features": one entry
// per feature key (flag character then key), entries joined by U+000B.
std::map<std::string, bool> Parse_Feature_Checks(const std::string& text);
std::string Format_Feature_Checks(const std::map<std::string, bool>& checks);

// How a run ended.
struct RunOutcome {
    bool ran = false;        // the loops ran (past the confirmations)
    bool cancelled = false;  // Cancel was pressed during the run
    std::int32_t skipped = 0;
    bool store_failed = false;  // a store read or write failed: the run stopped there
    std::int32_t failures = 0;  // scans not stored or pieces not written
    // "computer - feature" of each scan not stored (New Scan) or each feature
    // that could not be collected (Full Export)
    std::vector<std::string> failed_features;
    std::vector<std::string> files;  // output files named (in first-use order)
};

class FullExportController {
public:
    FullExportController(DialogHost& host, MainWindowLink& main) : host_(host), main_(main) {}

    // ---- form members ----
    std::string strType;
    std::string strDefaultKey;
    bool Export_Cancel_Requested = false;

    // ---- controls ----
    std::string caption;
    ListModel lvwComputer;
    int chkSelectAll = 0;
    TreeModel tvwExportFeatures;
    StoreDate dtpkScanDate;
    std::string fraFullExport_caption = "Full Export";
    int optExportTo = 0;  // the selected option: 0 "Single File", 1 "One File Per Computer"
    std::string txtSaveTo;
    std::vector<std::string> cboExportFormat_items{"CSV File(.csv)", "HTML File(.html)", "Text File(.txt)"};
    std::vector<int> cboExportFormat_item_data{1, 2, 3};
    int cboExportFormat_index = 0;
    std::string txtScanRemarks;
    std::string cmdExport_caption;
    std::string lblProgress;
    int pbrMain_min = 0, pbrMain_max = 100, pbrMain_value = 0;
    bool tmrSelection_enabled = true;
    // The Full Export arrangement (scan date hidden, lists moved up).
    bool full_export_layout = false;
    // Geometry the list's single column follows (twips), set by the view.
    double lvwComputer_width = 4000;
    double twips_per_pixel_x = 15;
    std::string lblLink_tag = Dialog_Link_Address;

    // Enabled/visible by control name ("cmdExport", "optExportTo(1)", "picProgress", ...).
    DialogControlState& Control(const std::string& name) { return controls_[name]; }
    const std::map<std::string, DialogControlState>& Controls() const { return controls_; }
    bool Busy() const { return busy_; }
    const RunOutcome& Last_Run() const { return last_run_; }

    // ---- the public member ----
    // Keeps both arguments and loads the form's state (the view shows it).
    void ShowThisForm(const std::string& type, const std::string& default_key);

    // ---- event handlers ----
    void Form_Load();
    bool Form_KeyPress(int key_ascii);
    // The close box and every unload pass here; cancel refuses the unload
    // (only while a run is busy: the run is cancelled instead).
    void Form_QueryUnload(bool& cancel);
    void chkSelectAll_Click();
    void tvwExportFeatures_NodeCheck(TreeNode& node);
    void optExportTo_Click(int index);
    void cmdBrowse_Click();
    void cmdCancel_Click();
    void cmdClose_Click();
    void lblLink_Click();
    void tmrSelection_Timer();
    void cmdExport_Click();

    // Unloads unless a run is busy (the close box; Close and Esc).
    void Request_Unload();

    void Enable_Export_Controls(bool blnEnable);
    bool Is_Valid_Folder(const std::string& path);
    void Save_Export_Settings();
    void Load_Export_Settings();

private:
    void Set_Form_Mode();
    bool Load_Export_Computers();
    void Export_Selected_Computers(ListModel& lvwTemp, const std::string& folder, std::int32_t& skipped,
                                   const StoreDate& scan_date, std::string& file_name);
    void Export_Computer_Features(std::int32_t dev_id, const std::string& name, ListModel& lvwTemp,
                                  const std::string& file_name, const StoreDate& scan_date);
    int Format_Code() const;
    void Note_File(const std::string& file);
    // The computer's own file: a name another computer of this run took
    // gets the first free number.
    std::string Claim_File_Name(const std::string& file);
    // Stops the run at the first store failure (its box is already shown).
    bool Store_Stopped() const;
    void Show_Run_End(bool full_export, std::int32_t skipped);
    void Changed() { host_.View_Changed(); }

    DialogHost& host_;
    MainWindowLink& main_;
    std::map<std::string, DialogControlState> controls_;
    bool busy_ = false;
    RunOutcome last_run_;
    const StoreFailureScope* run_store_ = nullptr;  // the running Start's scope
    std::set<std::string> claimed_files_;           // upper-cased, this run's
};

}  // namespace crv
