// Saves and reads back scans of 10,000 rows through the store and prints
// rows per second beside bare insert loops on the same machine: the same
// statements through the access library in one transaction, and (natively)
// one prepared statement stepped 10,000 times.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "store/access.h"
#include "store/scans.h"
#include "store/store.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"
#ifndef _WIN32
#include <sqlite3.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

double Seconds_Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Report(const char* what, int rows, double seconds) {
    std::printf("%-44s %7d rows %9.3f s %12.0f rows/s\n", what, rows, seconds, seconds > 0 ? rows / seconds : 0.0);
}

}  // namespace

int main() {
    using namespace crv;
    constexpr int Rows = 10000;
    auto folder = std::filesystem::temp_directory_path() /
                  ("crv_bench_" + std::to_string(Clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(folder);
    auto path = folder / "tqinfo.ocx";
    test::Build_Database(path, true);
    StoreEnvironment env;
    std::string dir = folder.string();
    env.program_folder = [dir] { return dir; };
    Set_Store_Environment(env);

    ListModel list;
    for (int i = 0; i < Rows; ++i) {
        int section = i / 25 + 1;
        ListItem* item = list.Add_Item("Property" + std::to_string(i % 25) + "\x0B" + std::to_string(section),
                                       "Caption " + std::to_string(i % 25));
        item->Set_Sub_Item(1, "value of row " + std::to_string(i) + " with O'Brien's text");
        item->small_icon = (i % 25 == 0) ? "Header" : "Info";
        item->bold = i % 25 == 0;
    }

    for (int round = 1; round <= 2; ++round) {
        auto start = Clock::now();
        bool saved = Save_Scan(StoreDate{2024, 3, round}, 1, 4, list);
        Report(round == 1 ? "Save_Scan (new properties)" : "Save_Scan (known properties)", Rows, Seconds_Since(start));
        if (!saved) {
            std::printf("save failed: %s\n", Pending_Error().description.c_str());
            return 1;
        }
        SqlResult back;
        start = Clock::now();
        Get_Scan_Details(StoreDate{2024, 3, round}, 1, 4, back);
        Report("Get_Scan_Details", static_cast<int>(back.Data_Row_Count()), Seconds_Since(start));
    }

    // The same detail inserts, without the catalogue look-ups, on one connection.
    const AccessLibrary* lib = Access_Library();
    std::int32_t handle = 0;
    lib->open(path.string().c_str(), &handle);
    const char* const* table;
    std::int32_t columns;
    const char* error;
    auto start = Clock::now();
    lib->get_table(handle, "BEGIN", &table, &columns, &error);
    for (int i = 0; i < Rows; ++i) {
        std::string sql = "INSERT INTO SCAN_DETAILS(PROP_NAME, VALUE, IMAGE, PROP_BOLD, SCAN_ID, PROP_ID, DEV_ID, "
                          "FEATURE_ID, SECTION_ID) VALUES('Caption','value of row " +
                          std::to_string(i) + "','Info',0,999999,NULL,1,4,1)";
        lib->get_table(handle, sql.c_str(), &table, &columns, &error);
    }
    lib->get_table(handle, "COMMIT", &table, &columns, &error);
    Report("bare SQL text inserts through the library", Rows, Seconds_Since(start));
    lib->close(handle);

#ifndef _WIN32
    sqlite3* db = nullptr;
    sqlite3_open(path.string().c_str(), &db);
    sqlite3_stmt* stmt = nullptr;
    start = Clock::now();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO SCAN_DETAILS(PROP_NAME, VALUE, IMAGE, PROP_BOLD, SCAN_ID, PROP_ID, DEV_ID, "
                       "FEATURE_ID, SECTION_ID) VALUES('Caption',?,'Info',0,999998,NULL,1,4,1)",
                       -1, &stmt, nullptr);
    for (int i = 0; i < Rows; ++i) {
        std::string value = "value of row " + std::to_string(i);
        sqlite3_bind_text(stmt, 1, value.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    Report("bare prepared insert loop (sqlite3 API)", Rows, Seconds_Since(start));
    sqlite3_close(db);
#endif

    Reset_Store_Environment();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return 0;
}
