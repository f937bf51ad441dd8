#pragma once
// The tabular report customiser's controller: which computers a saved report
// covers and which grid columns it shows (at most 150), and the reset of
// every column width. Portable; the Win32 view (win/frm_customize_report.h)
// shows it modally for the main window's selected report node.
#include <cstdint>
#include <functional>
#include <string>

#include "dialogs/dialog_host.h"
#include "ui/model/list_model.h"

namespace crv {

inline constexpr std::int32_t Report_Max_Properties = 150;
// The width every column gets back from the reset, in twips.
inline constexpr int Report_Default_Column_Width = 2000;

class CustomizeReportController {
public:
    // `refresh_report` shows the main window's selected feature node again
    // (its tvwFeatures_NodeClick), which is the report being customised.
    CustomizeReportController(DialogHost& host, std::function<void()> refresh_report)
        : host_(host), refresh_report_(std::move(refresh_report)) {}

    // ---- controls ----
    ListModel lvwComputers;   // text DEV_NAME, tag DEV_ID, checked = in the report
    ListModel lvwProperties;  // key column name, text caption, small icon class
    int chkCmpSelectAll = 0;
    int chkProprtySelectDefault = 0;
    bool cmdSave_enabled = false;
    std::string caption;
    // Geometry (twips), set by the view before Form_Load.
    double lvwComputers_width = 4000;
    double lvwProperties_width = 4000;
    double twips_per_pixel_x = 15;
    std::string lblLink_tag = Dialog_Link_Address;

    // ---- public member ----
    // Keeps the report's TN_ID and sets the caption; the view then shows the
    // dialog modally.
    void Show_This_Form(std::int32_t lngGroupID, const std::string& strReport);
    std::int32_t Report_ID() const { return report_id_; }
    // Both lists loaded completely: only then can Save be enabled.
    bool Lists_Loaded() const { return loaded_; }

    // ---- event handlers ----
    void Form_Load();
    // Esc closes (asking first when there are unsaved changes).
    bool Form_KeyPress(int key_ascii);
    // False keeps the dialog open (unsaved changes and the answer No).
    bool Form_Unload();
    void chkCmpSelectAll_Click();
    void chkProprtySelectDefault_Click();
    void lvwComputers_ItemCheck();
    void lvwProperties_ItemCheck();
    void cmdSave_Click();
    void cmdSetDefaultWidth_Click();
    void cmdClose_Click();
    void lblLink_Click();

    // ---- routines ----
    bool Load_Report_Computers();
    bool Load_Report_Properties();
    bool Check_Default_Properties();
    bool Reset_Column_Widths();
    // "0011" and one "1" or "0" per property row in list order.
    std::string Report_Visibility_Text() const;

private:
    void Set_Column_Widths();
    void Apply_27_Row_Rule(ListModel& list);
    void Enable_Save();

    DialogHost& host_;
    std::function<void()> refresh_report_;
    std::int32_t report_id_ = 0;
    bool loaded_ = false;
};

}  // namespace crv
