#include "store/reports.h"

#include "store/session.h"
#include "store/sql_statements.h"
#include "store/sql_text.h"

namespace crv {

bool Get_Reports(SqlResult& reports, bool allReports) {
    std::string sql = "SELECT REPORT_ID, REPORT_NAME FROM REPORT_TBL";
    if (!allReports) sql += " WHERE ACTIVE=1";
    sql += " ORDER BY LIST_ORDER";
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run(sql, reports, rows);
}

bool Get_Report_Query(const std::string& reportName, std::string& query) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run("SELECT REPORT_QUERY FROM REPORT_TBL WHERE REPORT_NAME=" + Sql_Quote(reportName), result, rows) ||
        rows < 1)
        return false;
    query = result.Text(1, 0);
    return true;
}

bool Run_Report_Query(const std::string& query, SqlResult& result) {
    StoreSession session;
    if (!session.Connected()) return false;
    // A stored text is run as data, never as commands: one query, on a
    // connection that refuses every write (ATTACH of a new file included).
    if (!Is_Single_Query(query)) {
        session.Fail(Report_Query_Refused,
                     "The report was not run: a report runs exactly one query, a single statement that begins "
                     "with SELECT, WITH or VALUES.");
        return false;
    }
    std::int32_t rows = 0;
    return session.Run("PRAGMA query_only=ON") && session.Run(query, result, rows);
}

}  // namespace crv
