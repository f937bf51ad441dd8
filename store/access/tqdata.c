/* The access library over SQLite: a handle table of connections and the
 * last result kept until the next call, so that no memory crosses the
 * library boundary for the caller to free. */
#include "store/access/tqdata.h"

#include <sqlite3.h>
#include <stdlib.h>
#include <string.h>

#define TQ_MAX_CONNECTIONS 64
#define TQ_BUSY_TIMEOUT_MS 5000

static sqlite3* connections[TQ_MAX_CONNECTIONS];

/* The last result: cells point into one text block per cell (NULL for a
 * NULL value). */
static char** last_cells;
static size_t last_cell_count;
static size_t last_cell_capacity;
static int32_t last_rows;
static char* last_error;

static sqlite3* connection_of(int32_t handle) {
    if (handle < 1 || handle > TQ_MAX_CONNECTIONS) return NULL;
    return connections[handle - 1];
}

static void free_last_cells(void) {
    for (size_t i = 0; i < last_cell_count; ++i) free(last_cells[i]);
    last_cell_count = 0;
}

static void set_error(const char* message) {
    free(last_error);
    last_error = NULL;
    if (message && *message) {
        size_t n = strlen(message) + 1;
        last_error = (char*)malloc(n);
        if (last_error) memcpy(last_error, message, n);
    }
}

static int push_cell(const char* text, size_t length, int is_null) {
    if (last_cell_count == last_cell_capacity) {
        size_t capacity = last_cell_capacity ? last_cell_capacity * 2 : 64;
        char** grown = (char**)realloc(last_cells, capacity * sizeof(char*));
        if (!grown) return 0;
        last_cells = grown;
        last_cell_capacity = capacity;
    }
    char* copy = NULL;
    if (!is_null) {
        copy = (char*)malloc(length + 1);
        if (!copy) return 0;
        if (length) memcpy(copy, text, length);
        copy[length] = '\0';
    }
    last_cells[last_cell_count++] = copy;
    return 1;
}

int32_t tqdata_sqlite3_open(const char* path, int32_t* handle) {
    if (handle) *handle = 0;
    if (!handle || !path || !*path) return SQLITE_CANTOPEN;
    int slot = -1;
    for (int i = 0; i < TQ_MAX_CONNECTIONS; ++i) {
        if (!connections[i]) {
            slot = i;
            break;
        }
    }
    if (slot < 0) return SQLITE_FULL;
    sqlite3* db = NULL;
    int rc = sqlite3_open_v2(path, &db, SQLITE_OPEN_READWRITE, NULL);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return rc;
    }
    /* A file that is no database gives no connection rather than one on
     * which every statement fails with a box of its own; start-up says once
     * why. Asked before the busy time is set: a lock held elsewhere is no
     * answer here, and the statements that follow wait for it. */
    rc = sqlite3_exec(db, "PRAGMA schema_version", NULL, NULL, NULL);
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT) {
        sqlite3_close(db);
        return rc;
    }
    sqlite3_busy_timeout(db, TQ_BUSY_TIMEOUT_MS);
    /* A REPLACE that removes a scan head must take its detail rows too. */
    sqlite3_exec(db, "PRAGMA recursive_triggers=ON", NULL, NULL, NULL);
    connections[slot] = db;
    *handle = slot + 1;
    return SQLITE_OK;
}

int32_t tqdata_sqlite3_close(int32_t handle) {
    sqlite3* db = connection_of(handle);
    if (!db) return SQLITE_MISUSE;
    /* Closing discards an open transaction; v2 defers the close past any
     * statement left unfinalised. */
    int rc = sqlite3_close_v2(db);
    connections[handle - 1] = NULL;
    return rc;
}

int32_t tqdata_sqlite_get_table(int32_t handle, const char* sql, const char* const** table, int32_t* columns,
                                const char** error_text) {
    static const char* const no_cells[1] = {NULL};
    free_last_cells();
    set_error(NULL);
    if (table) *table = no_cells;
    if (columns) *columns = 0;
    if (error_text) *error_text = "";

    sqlite3* db = connection_of(handle);
    if (!db) {
        set_error("no connection");
        if (error_text) *error_text = last_error ? last_error : "";
        return SQLITE_MISUSE;
    }
    if (!sql) sql = "";

    int rc = SQLITE_OK;
    int32_t result_columns = 0;
    int32_t rows = 0;
    const char* tail = sql;
    while (tail && *tail) {
        sqlite3_stmt* stmt = NULL;
        rc = sqlite3_prepare_v2(db, tail, -1, &stmt, &tail);
        if (rc != SQLITE_OK) break;
        if (!stmt) continue; /* blanks or a comment */
        int n = sqlite3_column_count(stmt);
        if (n > 0) {
            /* A statement with columns replaces the result of earlier ones. */
            free_last_cells();
            result_columns = n;
            rows = 0;
            for (int c = 0; c < n; ++c) {
                const char* name = sqlite3_column_name(stmt, c);
                if (!push_cell(name ? name : "", name ? strlen(name) : 0, 0)) rc = SQLITE_NOMEM;
            }
        }
        while (rc == SQLITE_OK) {
            int step = sqlite3_step(stmt);
            if (step == SQLITE_DONE) break;
            if (step != SQLITE_ROW) {
                rc = step;
                break;
            }
            for (int c = 0; c < n && rc == SQLITE_OK; ++c) {
                const unsigned char* text = sqlite3_column_text(stmt, c);
                int is_null = sqlite3_column_type(stmt, c) == SQLITE_NULL;
                if (!is_null && !text) rc = SQLITE_NOMEM;
                else if (!push_cell((const char*)text, is_null ? 0 : (size_t)sqlite3_column_bytes(stmt, c), is_null))
                    rc = SQLITE_NOMEM;
            }
            if (rc == SQLITE_OK) ++rows;
        }
        if (rc != SQLITE_OK) {
            /* The step's message survives finalize in sqlite3_errmsg. */
            set_error(sqlite3_errmsg(db));
            sqlite3_finalize(stmt);
            break;
        }
        sqlite3_finalize(stmt);
    }
    if (rc != SQLITE_OK) {
        if (!last_error) set_error(sqlite3_errmsg(db));
        if (!last_error) set_error(sqlite3_errstr(rc));
        free_last_cells();
        if (error_text) *error_text = last_error ? last_error : "";
        return rc;
    }
    last_rows = rows;
    if (table && last_cell_count) *table = (const char* const*)last_cells;
    if (columns) *columns = result_columns;
    return SQLITE_OK;
}

int32_t tqdata_number_of_rows_from_last_call(void) { return last_rows; }

int32_t tqdata_sqlite3_changes(int32_t handle) {
    sqlite3* db = connection_of(handle);
    return db ? sqlite3_changes(db) : 0;
}

int64_t tqdata_sqlite3_last_insert_rowid(int32_t handle) {
    sqlite3* db = connection_of(handle);
    return db ? (int64_t)sqlite3_last_insert_rowid(db) : 0;
}

const char* tqdata_sqlite_libversion(void) { return sqlite3_libversion(); }

int32_t tqdata_sqlite_exec_rows(int32_t handle, const char* const* sqls, int32_t statements, const char* types,
                                int32_t params_per_row, int32_t rows, const char* const* values,
                                const char** error_text) {
    enum { MAX_STATEMENTS = 8 };
    sqlite3_stmt* prepared[MAX_STATEMENTS] = {NULL};
    set_error(NULL);
    if (error_text) *error_text = "";
    sqlite3* db = connection_of(handle);
    int rc = SQLITE_OK;
    if (!db) rc = SQLITE_MISUSE;
    else if (statements < 0 || statements > MAX_STATEMENTS || params_per_row < 0 || rows < 0 ||
             (rows > 0 && params_per_row > 0 && !values) || (statements > 0 && !sqls))
        rc = SQLITE_MISUSE;
    for (int32_t s = 0; rc == SQLITE_OK && s < statements; ++s) {
        rc = sqlite3_prepare_v2(db, sqls[s] ? sqls[s] : "", -1, &prepared[s], NULL);
        if (rc == SQLITE_OK && !prepared[s]) rc = SQLITE_MISUSE; /* an empty text */
    }
    size_t type_count = types ? strlen(types) : 0;
    for (int32_t r = 0; rc == SQLITE_OK && r < rows; ++r) {
        const char* const* row = values + (size_t)r * (size_t)params_per_row;
        for (int32_t s = 0; rc == SQLITE_OK && s < statements; ++s) {
            sqlite3_stmt* stmt = prepared[s];
            int declared = sqlite3_bind_parameter_count(stmt);
            for (int p = 1; rc == SQLITE_OK && p <= declared && p <= params_per_row; ++p) {
                const char* cell = row[p - 1];
                if (!cell) rc = sqlite3_bind_null(stmt, p);
                else if ((size_t)(p - 1) < type_count && types[p - 1] == 'i')
                    rc = sqlite3_bind_int64(stmt, p, (sqlite3_int64)strtoll(cell, NULL, 10));
                else
                    rc = sqlite3_bind_text(stmt, p, cell, -1, SQLITE_STATIC);
            }
            while (rc == SQLITE_OK) {
                int step = sqlite3_step(stmt);
                if (step == SQLITE_DONE) break;
                if (step != SQLITE_ROW) rc = step;
            }
            if (rc != SQLITE_OK) set_error(sqlite3_errmsg(db));
            sqlite3_reset(stmt);
        }
    }
    if (rc != SQLITE_OK && !last_error) set_error(db ? sqlite3_errmsg(db) : "no connection");
    for (int32_t s = 0; s < MAX_STATEMENTS; ++s) sqlite3_finalize(prepared[s]);
    if (error_text) *error_text = last_error ? last_error : "";
    return rc;
}
