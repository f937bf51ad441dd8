#pragma once
// The inventory store's access layer: finding the data file "tqinfo.ocx",
// one connection per store routine, the query result table, and the generic
// routines for statements that callers build themselves.
//
// Every store routine opens the file, runs its statements, shows one error
// box (Show_Error_Message(false), with SQLite's message pending) at the
// first failing statement and skips the rest, closes the file and returns
// its result. With no connection (library or file missing) a routine fails
// without a box. Inside a run, a failure scope (store/failure_scope.h) keeps
// it to one box per run and counts a missing connection as a failure.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

inline constexpr std::string_view Database_File_Name = "tqinfo.ocx";

// A calendar date (scan dates) and a local date and time (time stamps).
struct StoreDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const StoreDate&, const StoreDate&) = default;
};
struct StoreDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    StoreDate Date() const { return {year, month, day}; }
    friend bool operator==(const StoreDateTime&, const StoreDateTime&) = default;
};
// "yyyy-mm-dd" and "yyyy-mm-dd hh:nn:ss" (24-hour clock, zero-padded).
std::string Format_Store_Date(const StoreDate& date);
std::string Format_Store_Date_Time(const StoreDateTime& when);

// A query result: row 0 the column names (aliases as written), rows 1..n
// the data rows in the order the statement returned them. Every cell is a
// text; a NULL cell reads as "" (and 0, False) but Is_Null tells it apart
// from a stored empty text. Cells outside the table read as NULL.
class SqlResult {
public:
    SqlResult() = default;
    SqlResult(std::vector<std::string> names, std::vector<std::vector<std::optional<std::string>>> rows);

    // True when the result holds a table (names row at least).
    bool Has_Table() const { return !names_.empty(); }
    // Rows including the names row (0 when there is no table).
    std::size_t Row_Count() const { return names_.empty() ? 0 : rows_.size() + 1; }
    std::size_t Data_Row_Count() const { return rows_.size(); }
    std::size_t Column_Count() const { return names_.size(); }
    const std::string& Column_Name(std::size_t column) const;
    std::optional<std::size_t> Column_Index(std::string_view name) const;  // ignoring ASCII case

    // Row 0 gives the names; rows from 1 the data.
    const std::string& Text(std::size_t row, std::size_t column) const;
    bool Is_Null(std::size_t row, std::size_t column) const;
    std::optional<std::string> Value(std::size_t row, std::size_t column) const;
    // The leading decimal number of the text (0 when there is none).
    std::int64_t Number(std::size_t row, std::size_t column) const;
    // True for "True" (any case), and for a number that is not 0 ("-1", "1").
    bool Flag(std::size_t row, std::size_t column) const;

    void Set_Text(std::size_t row, std::size_t column, std::string value);  // data rows only
    void Clear();

private:
    std::vector<std::string> names_;
    std::vector<std::vector<std::optional<std::string>>> rows_;
};

// The leading number of a text as the store reads keys and counts: optional
// blanks, a sign, digits; 0 when there are none. A number past the 64-bit
// range reads as the nearest limit.
std::int64_t Text_Number(std::string_view text);
// The stored flag forms: "True" (any case) and non-zero numbers are True.
bool Text_Flag(std::string_view text);

// What the store needs from the system, replaceable for tests. The defaults
// on Windows use the running program; natively the program folder is the
// current directory.
struct StoreEnvironment {
    std::function<std::string()> program_folder;
    std::function<std::string()> system_directory;
    // True for an existing ordinary file (hidden and system files do not count).
    std::function<bool(const std::string& path)> is_ordinary_file;
    std::function<std::string()> local_computer_name;
    std::function<StoreDateTime()> now;  // local date and time
};
const StoreEnvironment& Store_Environment();
// Installs an environment; members left empty keep their defaults.
void Set_Store_Environment(StoreEnvironment environment);
void Reset_Store_Environment();

// Grows with every statement this process runs that is not a plain SELECT
// (through Run_SQL or a session's row runner). Writes by other processes are
// not seen.
std::uint64_t Store_Change_Count();
void Note_Store_Change();
// Grows with every store routine of this process that failed, with its box
// or without one (no data file, a box already shown in the run): a read
// kept in memory must not be one of them.
std::uint64_t Store_Failure_Count();
// Where reads kept in memory stand: what is kept from the store holds while
// this compares equal, that is while the change count it was read at stays
// and the data file is looked for in the same folders. The folders, not the
// file itself: looking for it would cost a file system call per read.
struct StoreReadPoint {
    std::uint64_t changes = 0;
    std::string folders;
    bool operator==(const StoreReadPoint&) const = default;
};
StoreReadPoint Store_Read_Point();

// The data file: program folder, then system directory; "" when in neither.
std::string Get_Database_Path();
// 0 when no connection could be made (an empty path gives none).
std::int32_t Open_Database(const std::string& path);
void Close_Database(std::int32_t handle);
// Runs one statement. On failure the pending error holds SQLite's status and
// message, errorText the message, and rowCount keeps its value.
bool Run_SQL(std::int32_t handle, const std::string& sql, SqlResult& result, std::int32_t& rowCount,
             std::string& errorText);

// The error number Execute_SQL reports when it refuses a text that holds
// more than one statement.
inline constexpr std::int32_t Refused_Statement_Error = 5001;

// One caller-built statement on its own connection. Execute_SQL refuses a
// text of several statements (error box, False) and runs nothing of it.
bool Get_SQL_Result(std::int32_t& rowCount, SqlResult& result, const std::string& sql);
bool Execute_SQL(const std::string& sql);

// VACUUM, then REINDEX, then stamps LAST_OPTIMIZE; True when all three ran.
// A failed statement shows no box.
bool Optimize_Database();

}  // namespace crv
