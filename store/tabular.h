#pragma once
// Tabular reports: the saved reports (TAB_REPORT_NAMES_TBL), their computers
// (TAB_REPORT_COMPUTERS_TBL) and the shared grid (TABULAR_REPORT_TBL: meta
// rows TR_ID -5..0, then one row per computer).
#include <cstdint>
#include <string>
#include <vector>

#include "store/store.h"

namespace crv {

class ListModel;
class TreeModel;

// Columns of TABULAR_REPORT_TBL before the property columns.
inline constexpr std::size_t Tabular_First_Property_Column = 4;

// A new report "TABULAR_REPORT(n)" (n the smallest free number, ignoring
// case) with visibility "0011" and 250 "0".
bool Add_Tabular_Report_Name(std::int32_t groupId, std::int32_t& reportId, std::string& reportName,
                             std::string& visibility);
// The report's computer links stay (the confirmation names only the report).
bool Delete_Tabular_Report_Name(std::int32_t reportId);
// False (no box) when another report has the name ignoring case; a report
// may take its own name in other letter case.
bool Rename_Tabular_Report(std::int32_t reportId, const std::string& newName);
bool Is_Valid_Report_Name(const std::string& name);  // 1 to 255 characters
// 0 TN_ID, 1 REPORT_NAME, 2 REPORT_VISIBILITY by GROUP_ID, REPORT_NAME: the
// report group TN_ID 0 first.
bool Get_Tabular_Report_Names(std::int32_t& rowCount, SqlResult& reports);
// Adds "Tabu_" & TN_ID nodes (image "TabularReport"): the first row as a
// top-level node, every further row its last child. Always True.
bool Load_Tabular_Report_Nodes(TreeModel& tree, const std::string& rootKey = {});
// One flag per grid column; no row or an empty text: error box and False.
bool Get_Report_Visibility(std::int32_t reportId, std::vector<std::string>& flags);
bool Set_Report_Visibility(const std::string& visibility, std::int32_t reportId);
bool Get_Tabular_Report_Computers(std::int32_t reportId, SqlResult& computers);  // DEV_ID
bool Is_Computer_In_Tabular_Report(std::int32_t reportId, std::int32_t deviceId);
bool Clear_Tabular_Report_Computers(std::int32_t reportId);
bool Add_Tabular_Report_Computer(std::int32_t reportId, std::int32_t deviceId);
// The computer's grid row; an existing row is left as it is.
bool Add_Tabular_Report_Row(std::int32_t deviceId, const std::string& deviceName);
// A computer of a report as the customiser saves it.
struct TabularReportComputer {
    std::int32_t device_id = 0;
    std::string name;
};
// The customiser's save in one transaction: the report's visibility, then
// its computer links replaced by `computers` (each with its grid row,
// created when missing). A failure part-way shows the error box and
// changes nothing.
bool Save_Tabular_Report(std::int32_t reportId, const std::string& visibility,
                         const std::vector<TabularReportComputer>& computers);
// Meta rows TR_ID 0, -1, ..., -5 as rows 1 to 6.
bool Get_Tabular_Report_Header(std::int32_t& rowCount, SqlResult& header);
// Meta rows -5..0 as rows 1 to 6, then the row rowId when it is above 0.
bool Get_Tabular_Report_Rows(std::int32_t& rowCount, SqlResult& rows, std::int32_t rowId);
// The number after the five-character prefix ("Tabu_12" gives 12).
std::int32_t Get_Number_From_Key(const std::string& key);
// Fills the grid of the report with that feature key into a list already
// laid out for it: a column per visible grid column from DEV_NAME on (key
// the column name, caption and width in twips from the meta rows), a row per
// computer of the report (key "k" & TR_ID, text DEV_NAME, small icon
// "Computer", tag TR_ID, the visible values as sub-items). Flags missing
// from a short visibility text count as hidden. Any number of computers.
bool Show_Tabular_Report(ListModel& list, const std::string& key);

}  // namespace crv
