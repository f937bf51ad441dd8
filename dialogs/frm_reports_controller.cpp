#include "dialogs/frm_reports_controller.h"

#include "core/error.h"
#include "export/export.h"
#include "export/export_file.h"
#include "store/reports.h"

namespace crv {

namespace {

bool Is_Leap_Year(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int Days_In_Month(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && Is_Leap_Year(year) ? 29 : days[month - 1];
}

void Replace_All(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

StoreDate Next_Day(const StoreDate& date) {
    StoreDate next = date;
    if (++next.day > Days_In_Month(next.year, next.month)) {
        next.day = 1;
        if (++next.month > 12) {
            next.month = 1;
            ++next.year;
        }
    }
    return next;
}

std::string Replace_Report_Dates(std::string query, const StoreDate& from, const StoreDate& to) {
    Replace_All(query, "dateFrom", Format_Store_Date(from));
    Replace_All(query, "dateTo", Format_Store_Date(Next_Day(to)));
    return query;
}

void Fill_Report_List(ListModel& list, const SqlResult& result) {
    list.Clear_Items();
    list.Clear_Columns();
    list.view = ListViewMode::Report;
    if (result.Has_Table()) {
        for (std::size_t c = 0; c < result.Column_Count(); ++c) {
            // Two result columns of one name ("SELECT A.NAME, B.NAME") each
            // keep a key of their own; the captions stay as the query gave them.
            const std::string& name = result.Column_Name(c);
            std::string key = name;
            for (int n = 2; list.Find_Column(key); ++n) key = name + "_" + std::to_string(n);
            list.Add_Column(key, name, 1440);
        }
        list.Reserve_Items(result.Data_Row_Count());
        for (std::size_t r = 1; r <= result.Data_Row_Count(); ++r) {
            ListItem* item = list.Add_Item("", result.Text(r, 0));
            for (std::size_t c = 1; c < result.Column_Count(); ++c) item->Set_Sub_Item(c, result.Text(r, c));
        }
    }
    list.Notify();
}

void ReportsController::Form_Load() {
    const DialogTime now = host_.Now();
    dtpkFrom = dtpkTo = StoreDate{now.year, now.month, now.day};
    Init_Report_List();
}

void ReportsController::Init_Report_List() {
    lvwReports.small_icons = "ilsSmallIcons";
    Arrange_Controls();
    Load_Report_Names();
}

void ReportsController::Load_Report_Names() {
    cboReports.clear();
    cboReports_index = -1;
    SqlResult reports;
    if (Get_Reports(reports, false))
        for (std::size_t r = 1; r <= reports.Data_Row_Count(); ++r) cboReports.push_back(reports.Text(r, 1));
    if (!cboReports.empty()) {
        cboReports_index = 0;
        cboReports_Click();
    }
    host_.View_Changed();
}

std::string ReportsController::Report_Name() const {
    if (cboReports_index < 0 || static_cast<std::size_t>(cboReports_index) >= cboReports.size()) return {};
    return cboReports[static_cast<std::size_t>(cboReports_index)];
}

void ReportsController::cboReports_Click() {
    // A failed look-up must never leave the previous report's query to run
    // under this report's name.
    std::string query;
    if (!Get_Report_Query(Report_Name(), query)) query.clear();
    query_ = query;
    dtpkFrom_enabled = query_.find("dateFrom") != std::string::npos;
    dtpkTo_enabled = query_.find("dateTo") != std::string::npos;
    host_.View_Changed();
}

void ReportsController::cmdView_Click() {
    if (query_.empty()) return;
    SqlResult result;
    if (!Run_Report_Query(Replace_Report_Dates(query_, dtpkFrom, dtpkTo), result)) return;
    Fill_Report_List(lvwReports, result);
    host_.View_Changed();
}

void ReportsController::cmdClear_Click() {
    lvwReports.Clear_Items();
    lvwReports.Clear_Columns();
    lvwReports.Notify();
    host_.View_Changed();
}

void ReportsController::lvwReports_ColumnClick(std::size_t column) {
    lvwReports.sort_key = column;
    lvwReports.sort_descending = !lvwReports.sort_descending;
    lvwReports.sorted = true;
    lvwReports.Sort_Items();
    lvwReports.Notify();
    host_.View_Changed();
}

void ReportsController::Arrange_Controls() {
    if (form_inner_height <= 0) return;  // minimised
    const double width = form_width - 3 * lvwReports_left;
    const double height = form_inner_height - lvwReports_top - lvwReports_left;
    lvwReports_width = width > 0 ? width : 0;
    lvwReports_height = height > 0 ? height : 0;
}

void ReportsController::mnuFileExport_Click() {
    if (lvwReports.Item_Count() == 0) {
        host_.Message_Box("No items to export.", box::Information);
        return;
    }
    const std::string name = Report_Name();
    const SaveFileChoice choice =
        host_.Choose_Save_File("Export Report - Corvalin", std::string(Export_File_Filter), 1,
                                                    name.empty() ? std::string() : Clean_File_Name(name));
    if (choice.file_name.empty()) return;  // cancelled
    // The Save dialog asked before replacing a file: the export replaces it.
    if (!Start_Export_File(choice.file_name)) {
        Show_Error_Message(true);
        return;
    }
    // The text layout needs a key; a report is laid out under its name.
    ExportFileRequest request;
    if (choice.filter_index == 3) request.key = request.title = name.empty() ? std::string("Report") : name;
    clsExport writer(host_.Export_Encoder());
    if (!Write_Export_File(writer, choice.filter_index, lvwReports, choice.file_name, request)) return;
    host_.Message_Box("Successfully exported data to the file.", box::Information);
}

}  // namespace crv
