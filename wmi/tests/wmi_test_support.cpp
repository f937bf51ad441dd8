#include "wmi/tests/wmi_test_support.h"

#include <atomic>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "store/devices.h"
#include "store/store.h"

namespace crv::test {
namespace {

std::string Quote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out + "'";
}

bool Run_Script(const std::string& sql) {
    std::int32_t handle = Open_Database(Get_Database_Path());
    SqlResult ignored;
    std::int32_t rows = 0;
    std::string error;
    bool ok = Run_SQL(handle, sql, ignored, rows, error);
    Close_Database(handle);
    return ok;
}

}  // namespace

std::string Source_Path(const std::string& relative) {
    const char* root = std::getenv("CORVALIN_TEST_DATA");
    return std::string(root ? root : ".") + "/" + relative;
}

TestStore::TestStore() {
    static std::atomic<int> counter{0};
    namespace fs = std::filesystem;
    // Test programs run side by side: the name must differ between them.
    static const unsigned run = std::random_device{}();
    fs::path folder = fs::temp_directory_path() /
                      ("crv-wmi-test-" + std::to_string(static_cast<long long>(std::time(nullptr))) + "-" +
                       std::to_string(run) + "-" + std::to_string(counter++));
    fs::remove_all(folder);
    fs::create_directories(folder);
    folder_ = folder.string();
    std::ofstream(folder / "tqinfo.ocx").close();

    StoreEnvironment env;
    std::string path = folder_;
    env.program_folder = [path] { return path; };
    env.system_directory = [] { return std::string(); };
    Set_Store_Environment(env);

    std::ifstream schema(Source_Path("store/schema.sql"), std::ios::binary);
    std::stringstream text;
    text << schema.rdbuf();
    // The schema is many statements: straight through the access layer,
    // since Execute_SQL runs one statement only.
    ok_ = !text.str().empty() && Run_Script(text.str()) &&
          Execute_SQL("INSERT OR IGNORE INTO DEV_TYPE (DEV_TYPE_ID, DEV_TYPE_NAME) VALUES (1, 'Group'), (2, 'Computer')");
}

TestStore::~TestStore() {
    Reset_Store_Environment();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::int32_t TestStore::Add_Computer(const std::string& name, const std::string& user, const std::string& password,
                                     const std::string& domain) {
    Execute_SQL("INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, PARENT, DEV_TYPE_ID, DEV_DOMAIN) VALUES (" + Quote(name) +
                "," + Quote(name) + ",1,2," + Quote(domain) + ")");
    std::int32_t id = Get_Device_ID(name, 2);
    Set_Device_Credentials(id, user, password);
    return id;
}

void TestStore::Add_Property(std::int32_t featureId, const std::string& name, int listOrder, bool active) {
    Execute_SQL("INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, FEATURE_ID, LIST_ORDER, ACTIVE) VALUES (" +
                Quote(name) + "," + Quote(name) + "," + std::to_string(featureId) + "," + std::to_string(listOrder) +
                "," + (active ? "1" : "0") + ")");
}

}  // namespace crv::test
