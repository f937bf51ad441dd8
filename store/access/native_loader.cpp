// Native builds link the access library's code straight in.
#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "store/access.h"
#include "store/access/tqdata.h"
#include "store/store.h"

namespace crv {

namespace {
const AccessLibrary linked_library = {
    tqdata_sqlite3_open,
    tqdata_sqlite3_close,
    tqdata_sqlite_get_table,
    tqdata_number_of_rows_from_last_call,
    tqdata_sqlite3_changes,
    tqdata_sqlite3_last_insert_rowid,
    tqdata_sqlite_libversion,
    tqdata_sqlite_exec_rows,
};
}  // namespace

const AccessLibrary* Default_Access_Library() { return &linked_library; }

StoreEnvironment Platform_Store_Environment() {
    StoreEnvironment env;
    env.program_folder = [] {
        std::error_code ec;
        auto dir = std::filesystem::current_path(ec);
        return ec ? std::string() : dir.string();
    };
    env.system_directory = [] { return std::string(); };
    env.is_ordinary_file = [](const std::string& path) {
        std::error_code ec;
        return !path.empty() && std::filesystem::is_regular_file(path, ec);
    };
    env.local_computer_name = [] { return std::string(); };
    env.now = [] {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        return StoreDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    };
    return env;
}

}  // namespace crv
