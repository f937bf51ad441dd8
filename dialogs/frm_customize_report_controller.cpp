#include "dialogs/frm_customize_report_controller.h"

#include <unordered_set>

#include "core/common.h"
#include "core/error.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/sql_text.h"
#include "store/store.h"
#include "store/tabular.h"

namespace crv {

namespace {
// The scroll bar's room comes off the column once this many rows are listed.
constexpr std::size_t Rows_Before_Scroll_Bar = 27;
// The default-visibility row in Get_Tabular_Report_Header (TR_ID 0 .. -5).
constexpr std::size_t Default_Visibility_Row = 6;
// Captions and classes in Get_Tabular_Report_Rows (TR_ID -5 .. 0).
constexpr std::size_t Caption_Row = 3;
constexpr std::size_t Class_Row = 5;
}  // namespace

void CustomizeReportController::Show_This_Form(std::int32_t lngGroupID, const std::string& strReport) {
    report_id_ = lngGroupID;
    caption = "Customize Report - " + strReport + " - Corvalin";
}

void CustomizeReportController::Form_Load() {
    Set_Column_Widths();
    // A file that cannot be read: the store's box once, the reads after it
    // left out, and no word of a list that is empty only for that.
    StoreFailureScope store;
    const bool computers = Load_Report_Computers();
    const bool properties = !store.Failed() && Load_Report_Properties();
    // The report group (id 0) is no report: nothing may be saved into it.
    loaded_ = computers && properties && report_id_ > 0;
    cmdSave_enabled = false;
    host_.View_Changed();
    if (!store.Failed() && lvwComputers.Item_Count() == 0)
        host_.Message_Box("No computers are added to the list! Use 'Manage Computers' to add computers and try again.",
                          box::Exclamation);
}

void CustomizeReportController::Set_Column_Widths() {
    lvwComputers.Clear_Columns();
    lvwComputers.view = ListViewMode::Report;
    lvwComputers.checkboxes = true;
    lvwComputers.small_icons = "ilsCustom";
    lvwComputers.Add_Column("", "Select The Computers", lvwComputers_width);
    lvwProperties.Clear_Columns();
    lvwProperties.view = ListViewMode::Report;
    lvwProperties.checkboxes = true;
    lvwProperties.small_icons = "ilsCustom";
    lvwProperties.Add_Column("", "Select The Properties", lvwProperties_width);
}

void CustomizeReportController::Apply_27_Row_Rule(ListModel& list) {
    if (list.Item_Count() == Rows_Before_Scroll_Bar && list.Column_Count() >= 1)
        list.Column(0).width_twips -= 17 * twips_per_pixel_x;
}

bool CustomizeReportController::Load_Report_Computers() {
    lvwComputers.Clear_Items();
    SqlResult devices, linked;
    std::int32_t rows = 0;
    // The report's links in one read rather than one look-up per computer.
    bool ok = Get_Device_List(rows, devices, 2) && Get_Tabular_Report_Computers(report_id_, linked);
    std::unordered_set<std::int64_t> members;
    for (std::size_t r = 1; r <= linked.Data_Row_Count(); ++r) members.insert(linked.Number(r, 0));
    lvwComputers.Reserve_Items(devices.Data_Row_Count());
    for (std::size_t r = 1; r <= devices.Data_Row_Count(); ++r) {
        const std::int64_t id = devices.Number(r, 3);
        ListItem* row = lvwComputers.Add_Item("DEV" + std::to_string(id), devices.Text(r, 0));
        if (!row) continue;
        row->small_icon = "Computer";
        row->tag = std::to_string(id);
        row->checked = members.count(id) > 0;
        Apply_27_Row_Rule(lvwComputers);
    }
    lvwComputers.Notify();
    return ok;
}

bool CustomizeReportController::Load_Report_Properties() {
    lvwProperties.Clear_Items();
    SqlResult meta;
    std::int32_t rows = 0;
    std::vector<std::string> flags;
    bool have_meta = Get_Tabular_Report_Rows(rows, meta, 0) && meta.Data_Row_Count() >= Class_Row;
    bool have_flags = Get_Report_Visibility(report_id_, flags);
    if (!have_meta && !have_flags) {
        host_.Message_Box("No item in the database.", box::Critical);
        lvwProperties.Notify();
        return false;
    }
    for (std::size_t c = Tabular_First_Property_Column; c < meta.Column_Count(); ++c) {
        ListItem* row = lvwProperties.Add_Item(meta.Column_Name(c), meta.Text(Caption_Row, c));
        if (!row) continue;
        row->small_icon = meta.Text(Class_Row, c);
        row->checked = c < flags.size() && Text_Number(flags[c]) != 0;
        Apply_27_Row_Rule(lvwProperties);
    }
    lvwProperties.Notify();
    return have_meta && have_flags;
}

bool CustomizeReportController::Check_Default_Properties() {
    SqlResult header;
    std::int32_t rows = 0;
    if (!Get_Tabular_Report_Header(rows, header)) return false;
    for (std::size_t c = Tabular_First_Property_Column; c < header.Column_Count(); ++c) {
        ListItem* row = lvwProperties.Find_Item(header.Column_Name(c));
        if (!row) {
            lvwProperties.Notify();
            Set_Error(35601, "Element not found");
            Show_Error_Message(true);
            return false;
        }
        row->checked = header.Flag(Default_Visibility_Row, c);
    }
    lvwProperties.Notify();
    return true;
}

void CustomizeReportController::Enable_Save() {
    cmdSave_enabled = loaded_;
    host_.View_Changed();
}

void CustomizeReportController::chkCmpSelectAll_Click() {
    for (std::size_t i = 0; i < lvwComputers.Item_Count(); ++i) lvwComputers.Item(i).checked = chkCmpSelectAll != 0;
    lvwComputers.Notify();
    Enable_Save();
}

void CustomizeReportController::chkProprtySelectDefault_Click() {
    if (chkProprtySelectDefault == 1) {
        Check_Default_Properties();
    } else {
        for (std::size_t i = 0; i < lvwProperties.Item_Count(); ++i) lvwProperties.Item(i).checked = false;
        lvwProperties.Notify();
    }
    Enable_Save();
}

void CustomizeReportController::lvwComputers_ItemCheck() { Enable_Save(); }

void CustomizeReportController::lvwProperties_ItemCheck() { Enable_Save(); }

std::string CustomizeReportController::Report_Visibility_Text() const {
    std::string text = "0011";
    text.reserve(4 + lvwProperties.Item_Count());
    for (std::size_t i = 0; i < lvwProperties.Item_Count(); ++i) text += lvwProperties.Item(i).checked ? '1' : '0';
    return text;
}

void CustomizeReportController::cmdSave_Click() {
    if (!cmdSave_enabled) return;
    if (Count_Checked_Items(lvwProperties) > Report_Max_Properties) {
        host_.Message_Box("You can not select more than " + std::to_string(Report_Max_Properties) + " properties.",
                          box::Information);
        return;
    }
    std::vector<TabularReportComputer> computers;
    for (std::size_t i = 0; i < lvwComputers.Item_Count(); ++i) {
        const ListItem& row = lvwComputers.Item(i);
        if (row.checked) computers.push_back({static_cast<std::int32_t>(Text_Number(row.tag)), row.text});
    }
    if (!Save_Tabular_Report(report_id_, Report_Visibility_Text(), computers)) {
        host_.Message_Box("Error while saving changes.", box::Information);
        return;
    }
    if (refresh_report_) refresh_report_();
    cmdSave_enabled = false;
    host_.View_Changed();
}

bool CustomizeReportController::Reset_Column_Widths() {
    const std::string width = std::to_string(Report_Default_Column_Width);
    std::string sql = "UPDATE TABULAR_REPORT_TBL SET DEV_NAME=" + width + ",SCAN_DATE=" + width + ",";
    // The keys are the grid's column names: any text a column was given, so
    // each goes in as a quoted identifier, never as it stands.
    for (std::size_t i = 0; i < lvwProperties.Item_Count(); ++i)
        if (auto column = Sql_Identifier(lvwProperties.Item(i).key)) sql += *column + "=" + width + ",";
    sql.pop_back();
    sql += " WHERE TR_ID=-4";
    return Execute_SQL(sql);
}

void CustomizeReportController::cmdSetDefaultWidth_Click() {
    // The widths are stored at once, apart from Save; the main window's list
    // shows the report being customised again with them.
    if (Reset_Column_Widths() && refresh_report_) refresh_report_();
}

bool CustomizeReportController::Form_Unload() {
    if (!cmdSave_enabled) return true;
    return host_.Message_Box("Are you sure you want to close without saving changes?", box::Yes_No | box::Question) ==
           box::Answer_Yes;
}

bool CustomizeReportController::Form_KeyPress(int key_ascii) {
    if (key_ascii != 27) return false;
    cmdClose_Click();
    return true;
}

void CustomizeReportController::cmdClose_Click() {
    if (Form_Unload()) host_.Close();
}

void CustomizeReportController::lblLink_Click() { host_.Open_With_Shell(lblLink_tag); }

}  // namespace crv
