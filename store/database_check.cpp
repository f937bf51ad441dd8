#include "store/database_check.h"

#include <vector>

#include "core/error.h"
#include "store/access.h"
#include "store/session.h"
#include "store/store.h"

namespace crv {

namespace {
thread_local bool held_off = false;
}

StoreHeldOff::StoreHeldOff() : outer_(held_off) { held_off = true; }

StoreHeldOff::~StoreHeldOff() { held_off = outer_; }

bool Store_Held_Off() { return held_off; }

std::optional<std::string> Database_Problem() {
    const StoreEnvironment& env = Store_Environment();
    std::string where = "It is looked for in these folders, in this order:";
    for (const auto& folder : {env.program_folder, env.system_directory}) {
        const std::string name = folder ? folder() : std::string();
        if (!name.empty()) where += "\n" + name;
    }
    const std::string file(Database_File_Name);
    const std::string path = Get_Database_Path();
    if (path.empty()) return "The database file " + file + " was not found.\n\n" + where;
    if (!Access_Library())
        return "The database file " + path + " cannot be opened: the access library tqdata.dbd could not be loaded.\n\n" +
               where;
    const std::int32_t handle = Open_Database(path);
    if (handle == 0) return "The database file " + path + " cannot be opened.\n\n" + where;
    SqlResult result;
    std::int32_t rows = 0;
    std::string error;
    const bool answered = Run_SQL(handle, "SELECT COUNT(*) FROM SETTINGS_TBL", result, rows, error);
    Close_Database(handle);
    if (answered) return std::nullopt;
    // Told here, in the start-up box: nothing else shows it.
    Clear_Error();
    return "The database file " + path + " cannot be read: " + error + ".\n\n" + where;
}

}  // namespace crv
