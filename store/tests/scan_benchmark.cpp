// Saves scans of 10,000 and 100,000 rows through the store beside the bare
// limit of the same work, alternately, in the same process and file: the
// same head and catalogue rows, then one bound INSERT per row in one
// transaction. Checks that both left the same rows, then reads a scan back.
#include <cstdio>
#include <filesystem>
#include <string>
#include <unordered_map>

#include <sqlite3.h>

#include "core/common.h"
#include "store/scans.h"
#include "store/store.h"
#include "store/tests/test_database.h"
#include "tools/bench/bench_support.h"
#include "ui/model/list_model.h"

namespace {

using namespace crv;

void Fill(ListModel& list, int rows) {
    list.Clear_Items();
    for (int i = 0; i < rows; ++i) {
        const int section = i / 25 + 1;
        ListItem* item = list.Add_Item("Property" + std::to_string(i % 25) + "\x0B" + std::to_string(section),
                                       "    Caption " + std::to_string(i % 25));
        item->Set_Sub_Item(1, "value of row " + std::to_string(i) + " with O'Brien's text");
        item->small_icon = (i % 25 == 0) ? "Header" : "Info";
        item->bold = i % 25 == 0;
    }
}

// The bare limit: the same head and catalogue rows, then one bound INSERT
// per detail row, PROP_ID taken from a map held in memory.
bool Bare_Save(const std::string& path, const ListModel& list, int feature) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return false;
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    const std::string f = std::to_string(feature);
    const std::string head = "INSERT INTO SCAN_HEAD (SCAN_DATE, DEV_ID, FEATURE_ID) VALUES ('2024-03-01', 1, " + f + ")";
    sqlite3_exec(db, ("DELETE FROM SCAN_HEAD WHERE SCAN_DATE='2024-03-01' AND DEV_ID=1 AND FEATURE_ID=" + f).c_str(),
                 nullptr, nullptr, nullptr);
    sqlite3_exec(db, head.c_str(), nullptr, nullptr, nullptr);
    const sqlite3_int64 scan_id = sqlite3_last_insert_rowid(db);
    sqlite3_stmt* props = nullptr;
    sqlite3_stmt* details = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO PROPS_TBL(PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER) "
                       "VALUES(?1, ?2, '', 1, ?3, ?4)",
                       -1, &props, nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO SCAN_DETAILS(PROP_NAME, VALUE, IMAGE, PROP_BOLD, SCAN_ID, PROP_ID, DEV_ID, "
                       "FEATURE_ID, SECTION_ID) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
                       -1, &details, nullptr);
    std::unordered_map<std::string, sqlite3_int64> ids;
    bool ok = props && details;
    for (std::size_t i = 0; ok && i < list.Item_Count(); ++i) {
        const ListItem& item = list.Item(i);
        const std::string name = item.key.substr(0, item.key.find('\x0B'));
        const char* caption = item.text.c_str() + 4;  // the list's captions have four leading blanks
        auto id = ids.find(name);
        if (id == ids.end() && item.small_icon == "Info") {
            sqlite3_bind_text(props, 1, name.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_text(props, 2, caption, -1, SQLITE_STATIC);
            sqlite3_bind_int(props, 3, feature);
            sqlite3_bind_int64(props, 4, static_cast<sqlite3_int64>(i) + 1);
            ok = sqlite3_step(props) == SQLITE_DONE;
            sqlite3_reset(props);
            id = ids.emplace(name, sqlite3_last_insert_rowid(db)).first;
        }
        sqlite3_bind_text(details, 1, caption, -1, SQLITE_STATIC);
        sqlite3_bind_text(details, 2, item.Sub_Item(1).c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(details, 3, item.small_icon.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_int(details, 4, item.bold ? 1 : 0);
        sqlite3_bind_int64(details, 5, scan_id);
        if (id == ids.end())
            sqlite3_bind_null(details, 6);
        else
            sqlite3_bind_int64(details, 6, id->second);
        sqlite3_bind_int(details, 7, 1);
        sqlite3_bind_int(details, 8, feature);
        sqlite3_bind_int64(details, 9, Text_Number(Get_Field(item.key, 1)));
        ok = ok && sqlite3_step(details) == SQLITE_DONE;
        sqlite3_reset(details);
    }
    sqlite3_finalize(props);
    sqlite3_finalize(details);
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// What a save of the feature left in the three tables, every value quoted
// with its type, keys replaced by what they stand for.
std::string Stored(const std::string& path, int feature) {
    sqlite3* db = nullptr;
    std::string out;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return out;
    const std::string f = std::to_string(feature);
    const std::string queries[] = {
        "SELECT group_concat(quote(SCAN_DATE) || quote(DEV_ID), '|') FROM SCAN_HEAD WHERE FEATURE_ID=" + f,
        "SELECT group_concat(quote(PROP_NAME) || quote(PROP_DISP_NAME) || quote(PROP_DESC) || quote(ACTIVE) || "
        "quote(LIST_ORDER) || quote(DISPLAY), '|') FROM (SELECT * FROM PROPS_TBL WHERE FEATURE_ID=" + f +
            " ORDER BY PROP_ID)",
        "SELECT group_concat(quote(D.PROP_NAME) || quote(VALUE) || quote(IMAGE) || quote(PROP_BOLD) || quote(DEV_ID) || "
        "quote(SECTION_ID) || quote((SELECT P.PROP_NAME FROM PROPS_TBL P WHERE P.PROP_ID=D.PROP_ID)), '|') FROM "
        "(SELECT * FROM SCAN_DETAILS WHERE FEATURE_ID=" + f + " ORDER BY rowid) D"};
    for (const std::string& sql : queries) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW &&
            sqlite3_column_text(s, 0))
            out.append(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))).append("\n");
        else
            out.append("?\n");
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return out;
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            ("crv_scan_bench_" + std::to_string(bench::Clock::now().time_since_epoch().count()));
    fs::create_directories(folder);
    const fs::path path = folder / "tqinfo.ocx";
    test::Build_Database(path, true);
    StoreEnvironment env;
    const std::string dir = folder.string();
    env.program_folder = [dir] { return dir; };
    Set_Store_Environment(env);

    ListModel list;
    int feature = 1000;
    bool ok = true;
    for (int rows : {10000, 100000}) {
        Fill(list, rows);
        const bench::Spread ratio = bench::Ratio(
            5, [&] { ok &= Save_Scan(StoreDate{2024, 3, 1}, 1, ++feature, list); },
            [&] { ok &= Bare_Save(path.string(), list, ++feature); });
        // The limit must leave what the save leaves.
        if (Stored(path.string(), feature - 1) != Stored(path.string(), feature)) {
            std::printf("the bare save stored other rows than Save_Scan\n");
            ok = false;
        }
        const std::string goal = "Save_Scan " + std::to_string(rows / 1000) +
                                 "k rows / one bound INSERT per row, PROP_ID from a map";
        bench::Goal(goal.c_str(), ratio, 1.3);
    }
    SqlResult back;
    const double read = bench::Seconds([&] { Get_Scan_Details(StoreDate{2024, 3, 1}, 1, feature - 1, back); });
    std::printf("Get_Scan_Details: %zu rows in %.3f s\n", back.Data_Row_Count(), read);

    Reset_Store_Environment();
    std::error_code ec;
    fs::remove_all(folder, ec);
    if (!ok) std::printf("a save failed\n");
    return ok ? 0 : 1;
}
