#include "store/tests/test_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "store/access.h"

namespace crv::test {

namespace {

std::filesystem::path Source_Root() {
    if (const char* root = std::getenv("CORVALIN_TEST_DATA"); root && *root) return root;
    return CORVALIN_SOURCE_DIR;
}

std::string Read_File(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

SqlResult Run_Direct(const std::string& path, const std::string& sql) {
    const AccessLibrary* library = Access_Library();
    if (!library) {
        ADD_FAILURE() << "no access library";
        return {};
    }
    std::int32_t handle = 0;
    library->open(path.c_str(), &handle);
    if (handle == 0) {
        ADD_FAILURE() << "cannot open " << path;
        return {};
    }
    SqlResult result;
    std::int32_t rows = 0;
    std::string error;
    if (!Run_SQL(handle, sql, result, rows, error)) ADD_FAILURE() << error << "\n  in: " << sql.substr(0, 300);
    library->close(handle);
    Clear_Error();
    return result;
}

}  // namespace

std::vector<std::filesystem::path> Database_Source_Files() {
    std::filesystem::path store = Source_Root() / "store";
    std::vector<std::filesystem::path> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(store / "seed"))
        if (entry.is_regular_file() && entry.path().extension() == ".sql") seeds.push_back(entry.path());
    std::sort(seeds.begin(), seeds.end(),
              [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
    seeds.insert(seeds.begin(), store / "schema.sql");
    return seeds;
}

void Build_Database(const std::filesystem::path& path, bool all_seeds) {
    // The library never creates a file: an empty file is an empty database.
    { std::ofstream create(path, std::ios::binary); }
    for (const auto& file : Database_Source_Files()) {
        std::string name = file.filename().string();
        if (!all_seeds && name != "schema.sql" && name != "00_base.sql") continue;
        Run_Direct(path.string(), Read_File(file));
    }
}

TestDatabase::TestDatabase(bool all_seeds) {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = std::filesystem::temp_directory_path() /
              ("crv_store_" + std::to_string(stamp) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(folder_);
    Build_Database(folder_ / "tqinfo.ocx", all_seeds);
    StoreEnvironment env;
    std::string folder = folder_.string();
    env.program_folder = [folder] { return folder; };
    env.system_directory = [] { return std::string(); };
    env.local_computer_name = [] { return std::string("TESTPC"); };
    Set_Store_Environment(env);
    previous_ = Set_Error_Reporter(&reporter);
    Clear_Error();
}

TestDatabase::~TestDatabase() {
    Set_Error_Reporter(previous_);
    Reset_Store_Environment();
    Set_Access_Library(nullptr);
    Clear_Error();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::string TestDatabase::Path() const { return (folder_ / "tqinfo.ocx").string(); }

SqlResult TestDatabase::Query(const std::string& sql) { return Run_Direct(Path(), sql); }

std::string TestDatabase::Scalar(const std::string& sql) { return Query(sql).Text(1, 0); }

DatabaseLock::DatabaseLock(const TestDatabase& db, Held held) {
    const AccessLibrary* library = Access_Library();
    if (!library) {
        ADD_FAILURE() << "no access library";
        return;
    }
    library->open(db.Path().c_str(), &handle_);
    // Straight through the library, as another program's statements are:
    // the store does not count them as its own changes.
    const char* const* cells = nullptr;
    std::int32_t columns = 0;
    const char* error = nullptr;
    const char* begin = held == Held::File ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE";
    if (handle_ == 0 || library->get_table(handle_, begin, &cells, &columns, &error) != 0)
        ADD_FAILURE() << "cannot lock " << db.Path() << ": " << (error ? error : "");
}

void DatabaseLock::Release() {
    if (handle_ == 0) return;
    const AccessLibrary* library = Access_Library();
    const char* const* cells = nullptr;
    std::int32_t columns = 0;
    const char* error = nullptr;
    library->get_table(handle_, "COMMIT", &cells, &columns, &error);
    library->close(handle_);
    handle_ = 0;
}

}  // namespace crv::test
