// Saves scans of 10,000 and 100,000 rows through the store beside the bare
// limit of the same work: the same rows and the same two statements,
// prepared once and bound per row in one transaction, in the same process
// and file. Then reads a scan back.
#include <cstdio>
#include <filesystem>
#include <string>

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

// The bare limit: what Save_Scan's row loop must do at the least.
bool Bare_Save(const std::string& path, const ListModel& list, int feature) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return false;
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    const std::string head = "INSERT INTO SCAN_HEAD (SCAN_DATE, DEV_ID, FEATURE_ID) VALUES ('2020-01-01', 1, " +
                             std::to_string(feature) + ")";
    sqlite3_exec(db, head.c_str(), nullptr, nullptr, nullptr);
    const sqlite3_int64 scan_id = sqlite3_last_insert_rowid(db);
    sqlite3_stmt* props = nullptr;
    sqlite3_stmt* details = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT OR IGNORE INTO PROPS_TBL(PROP_ID, PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, "
                       "FEATURE_ID, LIST_ORDER) SELECT (SELECT PROP_ID FROM PROPS_TBL WHERE PROP_NAME=?1 AND "
                       "FEATURE_ID=?8), ?1, ?2, '', 1, ?8, ?10 WHERE ?4='Info' AND ?11=1",
                       -1, &props, nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO SCAN_DETAILS(PROP_NAME, VALUE, IMAGE, PROP_BOLD, SCAN_ID, PROP_ID, DEV_ID, "
                       "FEATURE_ID, SECTION_ID) VALUES(?2, ?3, ?4, ?5, ?6, (SELECT PROP_ID FROM PROPS_TBL WHERE "
                       "PROP_NAME=?1 AND FEATURE_ID=?8), ?7, ?8, ?9)",
                       -1, &details, nullptr);
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        const ListItem& item = list.Item(i);
        const std::size_t sep = item.key.find('\x0B');
        const std::string name = item.key.substr(0, sep);
        for (sqlite3_stmt* s : {props, details}) {
            sqlite3_bind_text(s, 1, name.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_text(s, 2, item.text.c_str() + 4, -1, SQLITE_STATIC);
            sqlite3_bind_text(s, 3, item.Sub_Item(1).c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_text(s, 4, item.small_icon.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_int(s, 5, item.bold ? 1 : 0);
            sqlite3_bind_int64(s, 6, scan_id);
            sqlite3_bind_int(s, 7, 1);
            sqlite3_bind_int(s, 8, feature);
            sqlite3_bind_int64(s, 9, Text_Number(Get_Field(item.key, 1)));
            sqlite3_bind_int64(s, 10, static_cast<sqlite3_int64>(i) + 1);
            sqlite3_bind_int(s, 11, 1);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
    }
    sqlite3_finalize(props);
    sqlite3_finalize(details);
    const bool ok = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
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
        const std::string goal = "Save_Scan " + std::to_string(rows / 1000) + "k rows / prepared bound inserts";
        bench::Goal(goal.c_str(), ratio, 2.0);
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
