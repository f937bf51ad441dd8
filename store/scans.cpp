#include "store/scans.h"

#include <algorithm>
#include <vector>

#include "core/common.h"
#include "core/names.h"
#include "store/session.h"
#include "store/sql_text.h"
#include "ui/model/list_model.h"

namespace crv {

namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string Trim_Blanks(const std::string& text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}

// Bound texts end at a NUL, as quoted ones always did.
std::string Drop_Nuls(std::string_view text) {
    std::string out(text);
    out.erase(std::remove(out.begin(), out.end(), '\0'), out.end());
    return out;
}

StoreDate Today() { return Store_Environment().now().Date(); }

}  // namespace

bool Save_Scan(const StoreDate& scanDate, std::int32_t deviceId, std::int32_t featureId, const ListModel& list) {
    StoreSession session;
    if (!session.Connected()) return false;
    const std::string head_match = "SCAN_DATE='" + Format_Store_Date(scanDate) + "' AND DEV_ID=" + Num(deviceId) +
                                   " AND FEATURE_ID=" + Num(featureId);
    const std::string dev = Num(deviceId);
    const std::string f = Num(featureId);
    if (!session.Begin() || !session.Run("DELETE FROM SCAN_HEAD WHERE " + head_match) ||
        !session.Run("INSERT OR REPLACE INTO SCAN_HEAD (SCAN_DATE, DEV_ID, FEATURE_ID) VALUES ('" +
                     Format_Store_Date(scanDate) + "'," + dev + ", " + f + ")"))
        return false;
    SqlResult head;
    std::int32_t rows = 0;
    if (!session.Run("SELECT SCAN_ID FROM SCAN_HEAD WHERE " + head_match, head, rows)) return false;
    if (rows < 1) {
        session.Fail(1, "The new scan of this computer and feature cannot be read back.");
        return false;
    }
    const std::string scan_id = Num(head.Number(1, 0));

    // One catalogue insert (for property rows only) and one detail insert per
    // row, each parsed once and bound per row. Cells: ?1 name, ?2 caption,
    // ?3 value, ?4 image, ?5 bold, ?6 scan, ?7 device, ?8 feature,
    // ?9 section, ?10 list order, ?11 1 when the name may join the catalogue
    // (only a name that can stand in a WQL select list: the catalogue's
    // names are put into the feature's query later).
    static const std::vector<std::string> statements = {
        "INSERT OR IGNORE INTO PROPS_TBL(PROP_ID, PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, "
        "LIST_ORDER) SELECT (SELECT PROP_ID FROM PROPS_TBL WHERE PROP_NAME=?1 AND FEATURE_ID=?8), ?1, ?2, '', 1, "
        "?8, ?10 WHERE ?4='Info' AND ?11=1",
        "INSERT INTO SCAN_DETAILS(PROP_NAME, VALUE, IMAGE, PROP_BOLD, SCAN_ID, PROP_ID, DEV_ID, FEATURE_ID, "
        "SECTION_ID) VALUES(?2, ?3, ?4, ?5, ?6, (SELECT PROP_ID FROM PROPS_TBL WHERE PROP_NAME=?1 AND "
        "FEATURE_ID=?8), ?7, ?8, ?9)"};
    constexpr std::size_t Cells = 11;
    constexpr std::size_t Chunk = 2000;  // rows bound at once: memory stays small for any scan
    const char* const types = "tttti" "iiiii" "i";
    const std::string bold[2] = {"0", "1"};
    std::vector<std::string> texts;
    std::vector<const char*> cells;
    for (std::size_t first = 0; first < list.Item_Count(); first += Chunk) {
        const std::size_t last = std::min(list.Item_Count(), first + Chunk);
        texts.clear();
        texts.reserve((last - first) * 7);
        for (std::size_t i = first; i < last; ++i) {
            const ListItem& item = list.Item(i);
            // A key without separator (the installed-software rows, an error
            // row) is the property name alone, in section 0.
            std::size_t separator = item.key.find(Row_Key_Separator_Char);
            texts.push_back(Drop_Nuls(std::string_view(item.key).substr(0, separator)));
            texts.push_back(Drop_Nuls(Trim_Blanks(item.text)));
            texts.push_back(Drop_Nuls(item.Sub_Item(1)));
            texts.push_back(Drop_Nuls(item.small_icon));
            texts.push_back(separator == std::string::npos
                                ? "0"
                                : Num(Clamp_To_Int32(Text_Number(Get_Field(item.key, 1)))));
            texts.push_back(Num(static_cast<std::int64_t>(i) + 1));
            texts.push_back(Is_Wql_Name(std::string_view(item.key).substr(0, separator)) ? "1" : "0");
        }
        cells.clear();
        cells.reserve((last - first) * Cells);
        for (std::size_t i = first; i < last; ++i) {
            const std::string* t = &texts[(i - first) * 7];
            cells.insert(cells.end(), {t[0].c_str(), t[1].c_str(), t[2].c_str(), t[3].c_str(),
                                       bold[list.Item(i).bold ? 1 : 0].c_str(), scan_id.c_str(), dev.c_str(),
                                       f.c_str(), t[4].c_str(), t[5].c_str(), t[6].c_str()});
        }
        if (!session.Run_Rows(statements, types, Cells, cells)) return false;
    }
    return session.Commit();
}

bool Get_Scan_Dates(std::int32_t deviceId, SqlResult& result) {
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run("SELECT DISTINCT strftime('%d-%m-%Y',SCAN_DATE) AS SCAN_DATE1 FROM SCAN_HEAD WHERE DEV_ID=" +
                           Num(deviceId) + " ORDER BY SCAN_DATE DESC",
                       result, rows) &&
           rows > 0;
}

StoreDate Get_Last_Scan_Date(std::int32_t deviceId) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    StoreDate date = Today();
    // The greatest stored yyyy-mm-dd text is the latest date.
    if (!session.Run("SELECT MAX(SCAN_DATE) AS SCAN_DATE1 FROM SCAN_HEAD WHERE DEV_ID=" + Num(deviceId), result,
                     rows) ||
        rows < 1 || result.Is_Null(1, 0))
        return date;
    const std::string& text = result.Text(1, 0);
    if (text.size() >= 10 && text[4] == '-' && text[7] == '-') {
        StoreDate stored{static_cast<int>(Text_Number(text.substr(0, 4))),
                         static_cast<int>(Text_Number(text.substr(5, 2))),
                         static_cast<int>(Text_Number(text.substr(8, 2)))};
        if (stored.year > 0 && stored.month >= 1 && stored.month <= 12 && stored.day >= 1 && stored.day <= 31)
            date = stored;
    }
    return date;
}

bool Get_Scan_Details(const StoreDate& scanDate, std::int32_t deviceId, std::int32_t featureId,
                      SqlResult& result) {
    const std::string f = Num(featureId);
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run("SELECT PROP_NAME, VALUE, IMAGE, PROP_BOLD FROM SCAN_DETAILS WHERE SCAN_ID=(SELECT SCAN_ID "
                       "FROM SCAN_HEAD WHERE SCAN_DATE='" +
                           Format_Store_Date(scanDate) + "' AND DEV_ID=" + Num(deviceId) + " AND FEATURE_ID=" + f +
                           ") AND (PROP_ID IN (SELECT PROP_ID FROM PROPS_TBL WHERE FEATURE_ID=" + f +
                           " AND DISPLAY=1) OR PROP_ID IS NULL)",
                       result, rows) &&
           rows > 0;
}

bool Delete_Scan(const StoreDate& scanDate, std::int32_t deviceId) {
    StoreSession session;
    // Detail rows go with their heads (schema trigger).
    return session.Begin() &&
           session.Run("DELETE FROM SCAN_HEAD WHERE SCAN_DATE='" + Format_Store_Date(scanDate) +
                       "' AND DEV_ID=" + Num(deviceId)) &&
           session.Commit();
}

bool Get_Scan_Summary(std::int32_t deviceId, SqlResult& result) {
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run(
        "SELECT SH.DEV_ID, SD1.VALUE, SD2.VALUE, SD3.VALUE, SD4.VALUE, SD5.VALUE, SD6.VALUE, SD7.VALUE, SD8.VALUE "
        "FROM SCAN_HEAD SH LEFT JOIN SCAN_DETAILS SD1 ON SD1.[SCAN_ID]=SH.SCAN_ID AND SD1.PROP_NAME='Computer "
        "Manufacturer' LEFT JOIN SCAN_DETAILS SD2 ON SD2.SCAN_ID=SH.SCAN_ID AND SD2.PROP_NAME='Computer Model' LEFT "
        "JOIN SCAN_DETAILS SD3 ON SD3.[SCAN_ID]=SH.SCAN_ID AND SD3.PROP_NAME='Identifying Number' LEFT JOIN "
        "SCAN_DETAILS SD4 ON SD4.[SCAN_ID]=SH.SCAN_ID AND SD4.PROP_NAME='Computer Name' LEFT JOIN SCAN_DETAILS SD5 "
        "ON SD5.[SCAN_ID]=SH.SCAN_ID AND SD5.PROP_NAME='Computer User Name' LEFT JOIN SCAN_DETAILS SD6 ON "
        "SD6.[SCAN_ID]=SH.SCAN_ID AND SD6.PROP_NAME='Processor Name' LEFT JOIN SCAN_DETAILS SD7 ON "
        "SD7.[SCAN_ID]=SH.SCAN_ID AND SD7.PROP_NAME='Processor Manufacturer' LEFT JOIN SCAN_DETAILS SD8 ON "
        "SD8.[SCAN_ID]=SH.SCAN_ID AND SD8.PROP_NAME='Processor Description' WHERE SH.SCAN_ID=(SELECT MAX(SCAN_ID) "
        "FROM SCAN_HEAD WHERE DEV_ID=" +
            Num(deviceId) + " AND FEATURE_ID=1)",
        result, rows);
}

}  // namespace crv
