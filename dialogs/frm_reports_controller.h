#pragma once
// The predefined reports viewer's controller: the active reports of the
// database, the date range their queries may ask for, the result table with
// its sorting, and the export of that table. Portable; the Win32 view
// (win/frm_reports.h) shows it modeless.
#include <cstddef>
#include <string>
#include <vector>

#include "dialogs/dialog_host.h"
#include "store/store.h"
#include "ui/model/list_model.h"

namespace crv {

// The day after a calendar date (month and year ends, leap years).
StoreDate Next_Day(const StoreDate& date);
// Every "dateFrom" becomes the From date and every "dateTo" the day after
// the To date, as "yyyy-mm-dd" (case-sensitive, whatever the pickers'
// enabled state): the range of a report is From <= date < the day after To.
std::string Replace_Report_Dates(std::string query, const StoreDate& from, const StoreDate& to);

// Shows a query result: row 0 gives the columns (the name as caption; a
// name met before gets a key of its own), each later row one list row.
void Fill_Report_List(ListModel& list, const SqlResult& result);

class ReportsController {
public:
    explicit ReportsController(DialogHost& host) : host_(host) {}

    // ---- controls ----
    std::vector<std::string> cboReports;  // the report names
    int cboReports_index = -1;
    StoreDate dtpkFrom{2000, 1, 1};
    StoreDate dtpkTo{2000, 1, 1};
    bool dtpkFrom_enabled = false;
    bool dtpkTo_enabled = false;
    ListModel lvwReports;
    // Geometry in twips: the form's width and inner height, the list's
    // place and size (Arrange_Controls sets the size).
    double form_width = 0, form_inner_height = 0;
    double lvwReports_left = 0, lvwReports_top = 0, lvwReports_width = 0, lvwReports_height = 0;

    // ---- event handlers ----
    void Form_Load();
    void Init_Report_List();
    void Load_Report_Names();
    // The view sets cboReports_index first.
    void cboReports_Click();
    void cmdView_Click();
    void cmdClear_Click();
    // column from 0.
    void lvwReports_ColumnClick(std::size_t column);
    void Form_Resize() { Arrange_Controls(); }
    void Arrange_Controls();
    void mnuFileExport_Click();

    // The report picked ("" when none) and its kept query text.
    std::string Report_Name() const;
    const std::string& Report_Query() const { return query_; }

private:
    DialogHost& host_;
    std::string query_;
};

}  // namespace crv
