#include "store/tabular.h"

#include <algorithm>

#include "store/session.h"
#include "store/sql_text.h"
#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string Upper_Ascii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::size_t Character_Count(const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

constexpr std::size_t Default_Visibility_Flags = 254;

}  // namespace

bool Add_Tabular_Report_Name(std::int32_t groupId, std::int32_t& reportId, std::string& reportName,
                             std::string& visibility) {
    StoreSession session;
    if (!session.Connected()) return false;
    SqlResult names;
    std::int32_t rows = 0;
    if (!session.Run("SELECT TN_ID,REPORT_NAME FROM TAB_REPORT_NAMES_TBL WHERE REPORT_NAME LIKE 'TABULAR_REPORT(%'",
                     names, rows))
        return false;
    // The smallest n from 1 that no default-style name uses, in any case.
    std::int32_t n = 1;
    while (n <= rows) {
        std::string candidate = "TABULAR_REPORT(" + Num(n) + ")";
        bool used = false;
        for (std::size_t r = 1; r <= names.Data_Row_Count() && !used; ++r)
            used = Upper_Ascii(names.Text(r, 1)) == candidate;
        if (!used) break;
        ++n;
    }
    reportName = "TABULAR_REPORT(" + Num(n) + ")";
    visibility = "0011" + std::string(Default_Visibility_Flags - 4, '0');
    if (!session.Run("INSERT INTO  TAB_REPORT_NAMES_TBL (REPORT_NAME,REPORT_VISIBILITY,GROUP_ID) VALUES('" +
                     reportName + "','" + visibility + "','" + Num(groupId) + "')"))
        return false;
    SqlResult added;
    if (!session.Run("SELECT TN_ID,REPORT_NAME,REPORT_VISIBILITY,GROUP_ID FROM TAB_REPORT_NAMES_TBL WHERE "
                     "REPORT_NAME ='" +
                         reportName + "'",
                     added, rows) ||
        rows < 1)
        return false;
    reportId = static_cast<std::int32_t>(added.Number(1, 0));
    return true;
}

bool Delete_Tabular_Report_Name(std::int32_t reportId) {
    StoreSession session;
    return session.Run("DELETE FROM TAB_REPORT_NAMES_TBL WHERE TN_ID=" + Num(reportId));
}

bool Rename_Tabular_Report(std::int32_t reportId, const std::string& newName) {
    StoreSession session;
    SqlResult taken;
    std::int32_t rows = 0;
    // Another report of that name in any letter case; the report itself may
    // change the case of its own name.
    if (!session.Run("SELECT TN_ID FROM TAB_REPORT_NAMES_TBL WHERE UPPER(REPORT_NAME)= " +
                         Sql_Quote(Upper_Ascii(newName)) + " AND TN_ID<>" + Num(reportId),
                     taken, rows))
        return false;
    if (rows > 0) return false;
    return session.Run("UPDATE TAB_REPORT_NAMES_TBL SET  REPORT_NAME=" + Sql_Quote(newName) +
                       " WHERE TN_ID=" + Num(reportId));
}

bool Is_Valid_Report_Name(const std::string& name) {
    std::size_t n = Character_Count(name);
    return n >= 1 && n <= 255;
}

bool Get_Tabular_Report_Names(std::int32_t& rowCount, SqlResult& reports) {
    StoreSession session;
    return session.Run(
        "SELECT TN_ID,REPORT_NAME,REPORT_VISIBILITY FROM TAB_REPORT_NAMES_TBL  ORDER BY GROUP_ID ASC,REPORT_NAME ASC",
        reports, rowCount);
}

bool Load_Tabular_Report_Nodes(TreeModel& tree, const std::string& /*rootKey*/) {
    SqlResult reports;
    std::int32_t rows = 0;
    if (!Get_Tabular_Report_Names(rows, reports) || rows < 1) return true;
    TreeNode* group = nullptr;
    for (std::size_t r = 1; r <= reports.Data_Row_Count(); ++r) {
        std::string key = "Tabu_" + reports.Text(r, 0);
        TreeNode* node = group ? tree.Add_Child(group, key, reports.Text(r, 1), "TabularReport")
                               : tree.Add_Root(key, reports.Text(r, 1), "TabularReport");
        if (!node) {
            if (!group) return true;  // the group node itself could not be added
            continue;
        }
        node->selected_image = "TabularReport";
        tree.Changed(*node);
        if (!group) group = node;
    }
    return true;
}

namespace {

// The report's visibility text; false only when the statement failed (the
// box has been shown). No row reads as an empty text.
bool Read_Report_Visibility(std::int32_t reportId, std::string& text) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run("SELECT REPORT_VISIBILITY FROM TAB_REPORT_NAMES_TBL WHERE TN_ID='" + Num(reportId) + "'", result,
                     rows))
        return false;
    text = rows < 1 ? std::string() : result.Text(1, 0);
    return true;
}

// One flag per character.
std::vector<std::string> Split_Flags(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t j = i + 1;
        while (j < text.size() && (static_cast<unsigned char>(text[j]) & 0xC0) == 0x80) ++j;
        out.push_back(text.substr(i, j - i));
        i = j;
    }
    return out;
}

}  // namespace

bool Get_Report_Visibility(std::int32_t reportId, std::vector<std::string>& flags) {
    std::string text;
    if (!Read_Report_Visibility(reportId, text)) return false;
    if (text.empty()) {
        StoreSession session;
        session.Fail(1, "The tabular report " + Num(reportId) + " has no column visibility.");
        return false;
    }
    flags = Split_Flags(text);
    return true;
}

bool Set_Report_Visibility(const std::string& visibility, std::int32_t reportId) {
    StoreSession session;
    return session.Run("UPDATE TAB_REPORT_NAMES_TBL SET REPORT_VISIBILITY=" + Sql_Quote(visibility) +
                       " WHERE TN_ID=" + Num(reportId));
}

bool Get_Tabular_Report_Computers(std::int32_t reportId, SqlResult& computers) {
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run("SELECT DEV_ID FROM TAB_REPORT_COMPUTERS_TBL WHERE TN_ID='" + Num(reportId) + "'", computers,
                       rows);
}

bool Is_Computer_In_Tabular_Report(std::int32_t reportId, std::int32_t deviceId) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    return session.Run("SELECT TC_ID FROM TAB_REPORT_COMPUTERS_TBL WHERE DEV_ID=" + Num(deviceId) +
                           " AND TN_ID=" + Num(reportId),
                       result, rows) &&
           rows > 0;
}

bool Clear_Tabular_Report_Computers(std::int32_t reportId) {
    StoreSession session;
    return session.Run("DELETE FROM TAB_REPORT_COMPUTERS_TBL WHERE TN_ID=" + Num(reportId));
}

bool Add_Tabular_Report_Computer(std::int32_t reportId, std::int32_t deviceId) {
    StoreSession session;
    return session.Run("INSERT INTO TAB_REPORT_COMPUTERS_TBL (TN_ID,DEV_ID) VALUES(" + Num(reportId) + "," +
                       Num(deviceId) + ")");
}

bool Add_Tabular_Report_Row(std::int32_t deviceId, const std::string& deviceName) {
    StoreSession session;
    return session.Run("INSERT OR IGNORE INTO TABULAR_REPORT_TBL (DEV_ID,DEV_NAME) VALUES (" + Num(deviceId) + "," +
                       Sql_Quote(deviceName) + ")");
}

bool Save_Tabular_Report(std::int32_t reportId, const std::string& visibility,
                         const std::vector<TabularReportComputer>& computers) {
    StoreSession session;
    if (!session.Begin()) return false;
    session.Run("UPDATE TAB_REPORT_NAMES_TBL SET REPORT_VISIBILITY=" + Sql_Quote(visibility) +
                " WHERE TN_ID=" + Num(reportId));
    session.Run("DELETE FROM TAB_REPORT_COMPUTERS_TBL WHERE TN_ID=" + Num(reportId));
    // A few hundred rows per statement: one parse serves them all.
    constexpr std::size_t Rows_Per_Statement = 400;
    for (std::size_t first = 0; first < computers.size() && session.Ok(); first += Rows_Per_Statement) {
        std::size_t last = std::min(computers.size(), first + Rows_Per_Statement);
        std::string grid = "INSERT OR IGNORE INTO TABULAR_REPORT_TBL (DEV_ID,DEV_NAME) VALUES ";
        std::string links = "INSERT INTO TAB_REPORT_COMPUTERS_TBL (TN_ID,DEV_ID) VALUES ";
        for (std::size_t i = first; i < last; ++i) {
            const char* comma = i == first ? "" : ",";
            grid += comma;
            grid += "(" + Num(computers[i].device_id) + "," + Sql_Quote(computers[i].name) + ")";
            links += comma;
            links += "(" + Num(reportId) + "," + Num(computers[i].device_id) + ")";
        }
        session.Run(grid);
        session.Run(links);
    }
    return session.Ok() && session.Commit();
}

bool Get_Tabular_Report_Header(std::int32_t& rowCount, SqlResult& header) {
    StoreSession session;
    return session.Run("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID<=0 ORDER BY (TR_ID) DESC", header, rowCount);
}

bool Get_Tabular_Report_Rows(std::int32_t& rowCount, SqlResult& rows, std::int32_t rowId) {
    std::string sql = "SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID <=0";
    if (rowId > 0) sql += " OR TR_ID =" + Num(rowId);
    // Meta rows in ascending TR_ID before the computer row, whatever plan
    // the OR gets.
    sql += " ORDER BY TR_ID";
    StoreSession session;
    return session.Run(sql, rows, rowCount);
}

std::int32_t Get_Number_From_Key(const std::string& key) {
    if (key.size() <= 5) return 0;
    return static_cast<std::int32_t>(Text_Number(std::string_view(key).substr(5)));
}

bool Show_Tabular_Report(ListModel& list, const std::string& key) {
    std::int32_t reportId = Get_Number_From_Key(key);
    // A report without visibility flags (the parent of all reports has none)
    // shows no column and no row: an empty report, not an error.
    std::string visibility;
    if (!Read_Report_Visibility(reportId, visibility)) return false;
    if (visibility.empty()) {
        list.Notify();
        return true;
    }
    const std::vector<std::string> flags = Split_Flags(visibility);
    // The report's computers by a sub-select rather than one OR term each:
    // SQLite refuses an expression tree past about a thousand terms.
    SqlResult grid;
    std::int32_t rows = 0;
    if (!Get_SQL_Result(rows, grid,
                        "SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID<=0 OR DEV_ID IN (SELECT DEV_ID FROM "
                        "TAB_REPORT_COMPUTERS_TBL WHERE TN_ID=" +
                            Num(reportId) + ") ORDER BY TR_ID"))
        return false;
    auto visible = [&](std::size_t column) {
        return column < flags.size() && Text_Number(flags[column]) != 0;
    };
    std::size_t widths = 0, captions = 0;
    for (std::size_t r = 1; r <= grid.Data_Row_Count(); ++r) {
        if (grid.Number(r, 0) == -4) widths = r;
        if (grid.Number(r, 0) == -3) captions = r;
    }
    for (std::size_t c = 2; c < grid.Column_Count(); ++c) {
        if (!visible(c)) continue;
        list.Add_Column(grid.Column_Name(c), captions ? grid.Text(captions, c) : grid.Column_Name(c),
                        widths ? static_cast<double>(grid.Number(widths, c)) : 1440.0);
    }
    for (std::size_t r = 1; r <= grid.Data_Row_Count(); ++r) {
        std::int64_t tr_id = grid.Number(r, 0);
        if (tr_id <= 0) continue;
        std::string item_key = "k";
        item_key += Num(tr_id);
        ListItem* item = list.Add_Item(std::move(item_key), grid.Text(r, 2));
        if (!item) continue;
        item->small_icon = "Computer";
        item->tag = Num(tr_id);
        for (std::size_t c = 3; c < grid.Column_Count(); ++c)
            if (visible(c)) item->sub_items.push_back(grid.Text(r, c));
    }
    list.Notify();
    return true;
}

}  // namespace crv
