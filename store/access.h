#pragma once
// The boundary to the access library: a table of its C functions. The store
// reaches SQLite only through the table that Access_Library() returns: on
// Windows the functions of tqdata.dbd, loaded from the program folder at
// first use; natively the same code linked in. Tests install their own.
#include <cstdint>

namespace crv {

struct AccessLibrary {
    std::int32_t (*open)(const char* path, std::int32_t* handle);
    std::int32_t (*close)(std::int32_t handle);
    std::int32_t (*get_table)(std::int32_t handle, const char* sql, const char* const** table,
                              std::int32_t* columns, const char** error_text);
    std::int32_t (*number_of_rows_from_last_call)();
    std::int32_t (*changes)(std::int32_t handle);
    std::int64_t (*last_insert_rowid)(std::int32_t handle);
    const char* (*libversion)();
    // One prepared statement (or a few) run over many rows of bound cells;
    // see tqdata_sqlite_exec_rows. Null in a library that lacks it: callers
    // then build statement texts as before.
    std::int32_t (*exec_rows)(std::int32_t handle, const char* const* sqls, std::int32_t statements,
                              const char* types, std::int32_t params_per_row, std::int32_t rows,
                              const char* const* values, const char** error_text);
};

// The library the store uses; nullptr when it cannot be loaded (every store
// routine then fails without a box, as with a missing data file).
const AccessLibrary* Access_Library();

// Replaces the library (nullptr goes back to the built-in choice).
void Set_Access_Library(const AccessLibrary* library);

// The built-in choice: the loaded tqdata.dbd on Windows, the linked code
// natively. Defined by the platform's loader.
const AccessLibrary* Default_Access_Library();

struct StoreEnvironment;
// The running system's environment for the store (store.h), defined by the
// same loader.
StoreEnvironment Platform_Store_Environment();

}  // namespace crv
