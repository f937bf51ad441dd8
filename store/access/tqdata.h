/* The access library tqdata.dbd: a thin C layer over SQLite that hands back
 * whole query results as text tables. On Windows it is a DLL loaded by file
 * name; natively the same code is linked into the program. Texts cross it
 * as UTF-8. Handles are small positive numbers; 0 means no connection.
 *
 * The functions are defined under tqdata_* names (the engine's own sqlite3_*
 * symbols live in the same image); the DLL exports them under the names the
 * program looks up: sqlite3_open, sqlite3_close, sqlite_get_table,
 * number_of_rows_from_last_call, sqlite3_changes, sqlite3_last_insert_rowid,
 * sqlite_libversion and sqlite_exec_rows. */
#ifndef CORVALIN_STORE_ACCESS_TQDATA_H
#define CORVALIN_STORE_ACCESS_TQDATA_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opens an existing database file for reading and writing (never creates
 * one) with a busy timeout of a few seconds. Writes the new handle, or 0
 * when the file cannot be opened (an empty path included). Returns the
 * SQLite status. */
int32_t tqdata_sqlite3_open(const char* path, int32_t* handle);

/* Closes the connection; an open transaction is discarded. */
int32_t tqdata_sqlite3_close(int32_t handle);

/* Runs the statement(s) in sql. On success *table points at
 * (rows + 1) * (*columns) cells in row order: the column names first, then
 * the data rows of the last statement that returns columns; a NULL value is
 * a null cell pointer, an empty text a pointer to "". *error_text is "" on
 * success and SQLite's message otherwise. Table and message belong to the
 * library and stay valid until its next sqlite_get_table call. Returns the
 * SQLite status (0 when every statement ran). */
int32_t tqdata_sqlite_get_table(int32_t handle, const char* sql, const char* const** table,
                                int32_t* columns, const char** error_text);

/* Data rows (names row not counted) of the last successful sqlite_get_table. */
int32_t tqdata_number_of_rows_from_last_call(void);

int32_t tqdata_sqlite3_changes(int32_t handle);
int64_t tqdata_sqlite3_last_insert_rowid(int32_t handle);
const char* tqdata_sqlite_libversion(void);

/* Runs the `statements` texts of sqls once for every row of values, row by
 * row and in statement order, each statement prepared once: many rows then
 * cost one parse. A row is params_per_row cells; the statements name them as
 * ?1..?params_per_row. A null cell binds NULL; a cell whose letter in types
 * is 'i' binds as a 64-bit integer, any other as text. Rows a statement
 * returns are discarded. Returns the SQLite status of the first failure (0
 * when every step ran) and *error_text as sqlite_get_table does. */
int32_t tqdata_sqlite_exec_rows(int32_t handle, const char* const* sqls, int32_t statements, const char* types,
                                int32_t params_per_row, int32_t rows, const char* const* values,
                                const char** error_text);

#ifdef __cplusplus
}
#endif

#endif
