#include "store/scans.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/common.h"
#include "core/names.h"
#include "store/session.h"
#include "store/sql_text.h"
#include "ui/model/list_model.h"

namespace crv {

namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string_view Trimmed(std::string_view text) {
    const std::size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return text.substr(0, 0);
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

// Bound texts end at a NUL, as quoted ones always did: a text holding one
// goes in without it.
std::string Drop_Nuls(std::string_view text) {
    std::string out(text);
    out.erase(std::remove(out.begin(), out.end(), '\0'), out.end());
    return out;
}

// The cells bound for a batch of rows: a text that can go in as it stands
// (the whole of its string, without NUL) is pointed at, not copied.
class Bound_Texts {
public:
    const char* Bind(const std::string& owner, std::string_view part) {
        if (part.data() + part.size() == owner.data() + owner.size() && part.find('\0') == std::string_view::npos)
            return part.data();
        return copies_.emplace_back(Drop_Nuls(part)).c_str();
    }
    const char* Bind(const std::string& whole) { return Bind(whole, whole); }
    void Clear() { copies_.clear(); }

private:
    std::deque<std::string> copies_;  // stays where it is as it grows
};

constexpr std::size_t No_Property = static_cast<std::size_t>(-1);

// The feature's property catalogue as one save sees it: read once, grown by
// the new "Info" names in row order, written once. A catalogue that already
// holds names differing only in case is one property: its oldest row.
class Scan_Catalogue {
public:
    bool Read(StoreSession& session, const std::string& feature) {
        SqlResult rows;
        std::int32_t count = 0;
        if (!session.Run("SELECT PROP_ID, PROP_NAME FROM PROPS_TBL WHERE FEATURE_ID=" + feature + " ORDER BY PROP_ID",
                         rows, count))
            return false;
        for (std::size_t r = 1; r <= rows.Data_Row_Count(); ++r) {
            Entry& entry = entries_.emplace_back(Entry{rows.Text(r, 1), {}, 0, rows.Text(r, 0)});
            if (!index_.emplace(entry.name, entries_.size() - 1).second) entries_.pop_back();
        }
        first_new_ = entries_.size();
        return true;
    }
    std::size_t Find(std::string_view name) const {
        if (name.find('\0') != std::string_view::npos) return Find(Drop_Nuls(name));
        const auto found = index_.find(name);
        return found == index_.end() ? No_Property : found->second;
    }
    // A new property with the caption and list order of its first row.
    std::size_t Add(std::string_view name, std::string_view caption, std::size_t list_order) {
        entries_.push_back(Entry{std::string(name), Drop_Nuls(caption), list_order, {}});
        index_.emplace(entries_.back().name, entries_.size() - 1);
        return entries_.size() - 1;
    }
    // Inserts the new properties in the order they were met (so their keys
    // follow that order) and reads back the keys they got.
    bool Insert_New(StoreSession& session, const std::string& feature) {
        if (first_new_ == entries_.size()) return true;
        static const std::vector<std::string> insert = {
            "INSERT INTO PROPS_TBL(PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER) "
            "VALUES(?1, ?2, '', 1, ?3, ?4)"};
        std::vector<std::string> orders;
        orders.reserve(entries_.size() - first_new_);
        std::vector<const char*> cells;
        std::unordered_map<std::string_view, std::size_t> fresh;
        for (std::size_t e = first_new_; e < entries_.size(); ++e) {
            orders.push_back(Num(static_cast<std::int64_t>(entries_[e].list_order)));
            cells.insert(cells.end(), {entries_[e].name.c_str(), entries_[e].caption.c_str(), feature.c_str(),
                                       orders.back().c_str()});
            fresh.emplace(entries_[e].name, e);
        }
        if (!session.Run_Rows(insert, "ttii", 4, cells)) return false;
        SqlResult rows;
        std::int32_t count = 0;
        if (!session.Run("SELECT PROP_ID, PROP_NAME FROM PROPS_TBL WHERE FEATURE_ID=" + feature, rows, count))
            return false;
        for (std::size_t r = 1; r <= rows.Data_Row_Count(); ++r)
            if (auto found = fresh.find(rows.Text(r, 1)); found != fresh.end())
                entries_[found->second].id = rows.Text(r, 0);
        return true;
    }
    // The key as a bound cell; NULL for no property.
    const char* Id_Text(std::size_t entry) const {
        return entry == No_Property || entries_[entry].id.empty() ? nullptr : entries_[entry].id.c_str();
    }

private:
    struct Entry {
        std::string name, caption;
        std::size_t list_order;
        std::string id;
    };
    std::deque<Entry> entries_;  // the index points into it: it must not move
    // Names that differ only in case are one property.
    std::unordered_map<std::string_view, std::size_t, Wmi_Name_Hash, Wmi_Name_Equal> index_;
    std::size_t first_new_ = 0;
};

struct Scan_Row {
    std::size_t property = No_Property;
    std::int64_t section = 0;
};

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

    // The catalogue is looked up once per save, not once per row: a scan of
    // many rows names only a few dozen properties.
    Scan_Catalogue catalogue;
    if (!catalogue.Read(session, f)) return false;
    std::vector<Scan_Row> scan_rows;
    scan_rows.reserve(list.Item_Count());
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        const ListItem& item = list.Item(i);
        // A key without separator (the installed-software rows, an error
        // row) is the property name alone, in section 0.
        const std::size_t separator = item.key.find(Row_Key_Separator_Char);
        const std::string_view raw_name = std::string_view(item.key).substr(0, separator);
        Scan_Row row;
        row.property = catalogue.Find(raw_name);
        // Only a name that can stand in a WQL select list joins: the
        // catalogue's names are put into the feature's query later.
        if (row.property == No_Property && item.small_icon == "Info" && Is_Wql_Name(raw_name))
            row.property = catalogue.Add(raw_name, Trimmed(item.text), i + 1);
        row.section = separator == std::string::npos ? 0 : Clamp_To_Int32(Text_Number(Get_Field(item.key, 1)));
        scan_rows.push_back(row);
    }
    if (!catalogue.Insert_New(session, f)) return false;

    // One bound insert per row. Cells: ?1 caption, ?2 value, ?3 image,
    // ?4 bold, ?5 scan, ?6 catalogue row (NULL for none), ?7 device,
    // ?8 feature, ?9 section.
    static const std::vector<std::string> statements = {
        "INSERT INTO SCAN_DETAILS(PROP_NAME, VALUE, IMAGE, PROP_BOLD, SCAN_ID, PROP_ID, DEV_ID, FEATURE_ID, "
        "SECTION_ID) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"};
    constexpr std::size_t Cells = 9;
    constexpr std::size_t Chunk = 4096;  // rows bound at once: memory stays small for any scan
    const char* const types = "tttiiiiii";
    static const char* const bold[2] = {"0", "1"};
    Bound_Texts texts;
    std::vector<std::string> sections;
    std::vector<const char*> cells;
    for (std::size_t first = 0; first < list.Item_Count(); first += Chunk) {
        const std::size_t last = std::min(list.Item_Count(), first + Chunk);
        texts.Clear();
        sections.clear();
        sections.reserve(last - first);
        cells.clear();
        cells.reserve((last - first) * Cells);
        for (std::size_t i = first; i < last; ++i) {
            const ListItem& item = list.Item(i);
            const Scan_Row& row = scan_rows[i];
            sections.push_back(Num(row.section));
            cells.insert(cells.end(), {texts.Bind(item.text, Trimmed(item.text)), texts.Bind(item.Sub_Item(1)),
                                       texts.Bind(item.small_icon), bold[item.bold ? 1 : 0], scan_id.c_str(),
                                       catalogue.Id_Text(row.property), dev.c_str(), f.c_str(),
                                       sections.back().c_str()});
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
