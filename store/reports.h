#pragma once
// Predefined reports: named SQL queries shipped in REPORT_TBL.
#include <cstdint>
#include <string>

#include "store/store.h"

namespace crv {

// 0 REPORT_ID, 1 REPORT_NAME by LIST_ORDER; only ACTIVE=1 unless allReports.
bool Get_Reports(SqlResult& reports, bool allReports);
// The stored query of that name; no row: False without a box, query untouched.
bool Get_Report_Query(const std::string& reportName, std::string& query);
// Runs the text as it is, read-only, and hands back the whole table. A text
// that is not exactly one query (several statements, or one that writes) is
// refused with the error box and nothing runs.
bool Run_Report_Query(const std::string& query, SqlResult& result);
// The error number of that refusal.
inline constexpr std::int32_t Report_Query_Refused = 5;

}  // namespace crv
