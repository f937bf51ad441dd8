#pragma once
// The tabular report scan: for each computer of a report, one query per WMI
// class of the grid, every grid column of that class filled with the values
// of all its instances, and the whole computer row written with one UPDATE.
//
// The grid these routines read is the meta rows of TABULAR_REPORT_TBL in
// ascending TR_ID (Get_Tabular_Report_Rows with no computer row): result
// row 0 the column names, data row 4 (TR_ID -2) the WMI property of each
// column, data row 5 (TR_ID -1) its WMI class.
//
// Values from a computer reach SQL only between single quotes: each column's
// text is cut to its budget first and its quotes are doubled afterwards, so
// no cut can split a doubled quote and end the literal early.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "store/store.h"
#include "wmi/wmi_port.h"

namespace crv {

class ListModel;
struct ListItem;

// Data rows of the grid the scan reads by position.
inline constexpr std::size_t Tabular_Property_Row = 4;  // TR_ID -2
inline constexpr std::size_t Tabular_Class_Row = 5;     // TR_ID -1
// A column's assignment "NAME='text'" keeps at most this many characters,
// the name and "='" included.
inline constexpr std::size_t Tabular_Cell_Limit = 255;

// One column's values being gathered for one class: the column's name and
// the instances' texts, quotes single, each followed by ", ".
struct TabularCellValue {
    std::string column;
    std::string text;
};

// Adds the class of every property column (column 4 on) once, in column
// order, to what the list already holds (exact comparison); empty class
// texts are passed over.
void Get_Distinct_Classes(std::vector<std::string>& classes, const SqlResult& grid);

// Queries "Select * from " & class (& filter) and appends one assignment per
// grid column of that class (column 4 on). A class that returns no instance,
// or whose query fails at any point, assigns nothing: its columns keep their
// earlier values, and a later assignment of the same column in the statement
// decides. The filtered variant also drops a bracketed index prefix up to
// the first "] " from every value. A null connection assigns nothing.
void Build_Class_Update(WmiServices* connection, std::string& set_text, const std::string& class_name,
                        const SqlResult& grid);
void Build_Class_Update_Where(WmiServices* connection, std::string& set_text, const std::string& class_name,
                              const SqlResult& grid, const std::string& filter);

// Appends "NAME='text', " for each value and empties the list. The text is
// cut so that the assignment holds at most 255 characters, loses trailing
// blanks and commas, and only then has its quotes doubled.
void Append_Update_Values(std::string& set_text, std::vector<TabularCellValue>& values);

// Builds "UPDATE TABULAR_REPORT_TBL SET SCAN_DATE='<date>', NAME='..', " for
// one computer: every class of the grid on root\cimv2, the Security Center
// classes on root\SecurityCenter2, then the IP-enabled network adapters.
// False, with the text untouched and no error pending, when root\cimv2
// cannot be reached.
bool Scan_Tabular_Computer(std::string& set_text, const SqlResult& grid, const std::string& computer,
                           const std::string& user, const std::string& password, const std::string& scan_date,
                           const std::string& domain);

// One ticked row of a listed report, taken before the scan starts.
struct TabularScanRow {
    std::int32_t tr_id = 0;
    std::int32_t dev_id = 0;  // 0: the grid holds no row of that TR_ID
    std::string name;         // the row's text, as listed
};

// The ticked rows of a report listing (tag = TR_ID), in list order, each
// with the DEV_ID of its grid row (one read of the grid for all of them).
std::vector<TabularScanRow> Tabular_Scan_Snapshot(const ListModel& list);

struct TabularScanHooks {
    // After each row, scanned or skipped; `updated` when its UPDATE ran.
    std::function<void(const TabularScanRow& row, bool updated)> row_done;
    // Tested after each row; true ends the scan.
    std::function<bool()> cancelled;
};

// Scans the rows in order with one scan date. Each row's computer is read
// afresh by its DEV_ID (name, credentials, domain); a row whose computer no
// longer exists, or is no computer, is skipped without a connection, so no
// computer is ever reached with another's credentials. A computer that
// cannot be reached is skipped. The first store failure (shown once) ends
// the scan after its row. Returns the rows processed (skipped ones
// included), which never exceeds rows.size().
std::size_t Run_Tabular_Scan(const std::vector<TabularScanRow>& rows, const StoreDateTime& scan_date,
                             const TabularScanHooks& hooks);

// Reloads one report row on screen: its sub-items become the grid row's
// columns from SCAN_DATE on whose visibility flag is set.
bool Refresh_Tabular_Row(ListItem& item, std::int32_t reportId);

}  // namespace crv
