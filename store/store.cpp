#include "store/store.h"

#include <cstdio>

#include "core/common.h"
#include "core/error.h"
#include "core/names.h"
#include "store/access.h"
#include "store/session.h"
#include "store/sql_text.h"

namespace crv {

// ---- dates -------------------------------------------------------------

namespace {
std::string Padded(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}
}  // namespace

std::string Format_Store_Date(const StoreDate& date) {
    return Padded(date.year, 4) + "-" + Padded(date.month, 2) + "-" + Padded(date.day, 2);
}

std::string Format_Store_Date_Time(const StoreDateTime& when) {
    return Format_Store_Date(when.Date()) + " " + Padded(when.hour, 2) + ":" + Padded(when.minute, 2) + ":" +
           Padded(when.second, 2);
}

// ---- values --------------------------------------------------------------

std::int64_t Text_Number(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t used = 0;
    return Parse_Leading_Int64(text.substr(i), used);
}

bool Text_Flag(std::string_view text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return false;
    std::size_t e = text.find_last_not_of(' ');
    std::string_view word = text.substr(b, e - b + 1);
    if (word.size() == 4) {
        static constexpr char lower[] = "true";
        bool is_true = true;
        for (std::size_t i = 0; i < 4; ++i) {
            char c = word[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c != lower[i]) is_true = false;
        }
        if (is_true) return true;
    }
    return Text_Number(word) != 0;
}

// ---- SqlResult -------------------------------------------------------

namespace {
const std::string empty_text;
}

SqlResult::SqlResult(std::vector<std::string> names, std::vector<std::vector<std::optional<std::string>>> rows)
    : names_(std::move(names)), rows_(std::move(rows)) {}

const std::string& SqlResult::Column_Name(std::size_t column) const {
    return column < names_.size() ? names_[column] : empty_text;
}

std::optional<std::size_t> SqlResult::Column_Index(std::string_view name) const {
    for (std::size_t c = 0; c < names_.size(); ++c) {
        const std::string& n = names_[c];
        if (n.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < n.size() && same; ++i) {
            char a = n[i], b = name[i];
            if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
            if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
            same = a == b;
        }
        if (same) return c;
    }
    return std::nullopt;
}

const std::string& SqlResult::Text(std::size_t row, std::size_t column) const {
    if (row == 0) return Column_Name(column);
    if (row - 1 >= rows_.size() || column >= rows_[row - 1].size()) return empty_text;
    const auto& cell = rows_[row - 1][column];
    return cell ? *cell : empty_text;
}

bool SqlResult::Is_Null(std::size_t row, std::size_t column) const {
    if (row == 0) return column >= names_.size();
    if (row - 1 >= rows_.size() || column >= rows_[row - 1].size()) return true;
    return !rows_[row - 1][column].has_value();
}

std::optional<std::string> SqlResult::Value(std::size_t row, std::size_t column) const {
    if (Is_Null(row, column)) return std::nullopt;
    return Text(row, column);
}

std::int64_t SqlResult::Number(std::size_t row, std::size_t column) const { return Text_Number(Text(row, column)); }

bool SqlResult::Flag(std::size_t row, std::size_t column) const { return Text_Flag(Text(row, column)); }

void SqlResult::Set_Text(std::size_t row, std::size_t column, std::string value) {
    if (row == 0 || row - 1 >= rows_.size() || column >= rows_[row - 1].size()) return;
    rows_[row - 1][column] = std::move(value);
}

void SqlResult::Clear() {
    names_.clear();
    rows_.clear();
}

// ---- library and environment -------------------------------------------

namespace {
const AccessLibrary* installed_library = nullptr;

StoreEnvironment& Environment_Slot() {
    static StoreEnvironment env = Platform_Store_Environment();
    return env;
}
}  // namespace

const AccessLibrary* Access_Library() { return installed_library ? installed_library : Default_Access_Library(); }

void Set_Access_Library(const AccessLibrary* library) { installed_library = library; }

const StoreEnvironment& Store_Environment() { return Environment_Slot(); }

void Set_Store_Environment(StoreEnvironment environment) {
    StoreEnvironment defaults = Platform_Store_Environment();
    StoreEnvironment& env = Environment_Slot();
    env.program_folder = environment.program_folder ? environment.program_folder : defaults.program_folder;
    env.system_directory = environment.system_directory ? environment.system_directory : defaults.system_directory;
    env.is_ordinary_file = environment.is_ordinary_file ? environment.is_ordinary_file : defaults.is_ordinary_file;
    env.local_computer_name =
        environment.local_computer_name ? environment.local_computer_name : defaults.local_computer_name;
    env.now = environment.now ? environment.now : defaults.now;
}

void Reset_Store_Environment() { Environment_Slot() = Platform_Store_Environment(); }

// ---- the access layer ------------------------------------------------------

namespace {

std::uint64_t& Change_Count_Slot() {
    static std::uint64_t count = 0;
    return count;
}

std::uint64_t& Failure_Count_Slot() {
    static std::uint64_t count = 0;
    return count;
}

// A statement that starts with SELECT reads only; anything else (a write, a
// transaction, a pragma) counts as a change.
bool Is_Plain_Select(const std::string& sql) {
    std::size_t i = 0;
    while (i < sql.size() && (sql[i] == ' ' || sql[i] == '\t' || sql[i] == '\r' || sql[i] == '\n')) ++i;
    static constexpr char Select[] = "SELECT";
    for (std::size_t k = 0; k < 6; ++k, ++i)
        if (i >= sql.size() || (sql[i] & ~0x20) != Select[k]) return false;
    return i == sql.size() || !((sql[i] >= 'A' && sql[i] <= 'Z') || (sql[i] >= 'a' && sql[i] <= 'z') ||
                                (sql[i] >= '0' && sql[i] <= '9') || sql[i] == '_');
}

// The file itself refused, not the statement's row: locked or busy, not
// writable, unreadable, full or damaged. Every later statement of the run
// would meet it alike. The library's codes are SQLite's primary ones.
bool Is_File_Refusal(std::int32_t status) {
    switch (status & 0xFF) {
    case 5:   // SQLITE_BUSY
    case 6:   // SQLITE_LOCKED
    case 8:   // SQLITE_READONLY
    case 10:  // SQLITE_IOERR
    case 11:  // SQLITE_CORRUPT
    case 13:  // SQLITE_FULL
    case 14:  // SQLITE_CANTOPEN
    case 26:  // SQLITE_NOTADB
        return true;
    default:
        return false;
    }
}

#ifdef _WIN32
constexpr const char* Path_Separator = "\\";
#else
constexpr const char* Path_Separator = "/";
#endif

std::string Candidate(const std::string& folder) {
    if (folder.empty()) return {};
    std::string path = folder;
    if (path.back() != '\\' && path.back() != '/') path += Path_Separator;
    path += Database_File_Name;
    return path;
}
}  // namespace

std::uint64_t Store_Change_Count() { return Change_Count_Slot(); }

std::uint64_t Store_Failure_Count() { return Failure_Count_Slot(); }

void Note_Store_Change() { ++Change_Count_Slot(); }

StoreReadPoint Store_Read_Point() {
    const StoreEnvironment& env = Store_Environment();
    return {Store_Change_Count(), (env.program_folder ? env.program_folder() : std::string()) + '\n' +
                                      (env.system_directory ? env.system_directory() : std::string())};
}

std::string Get_Database_Path() {
    const StoreEnvironment& env = Store_Environment();
    for (const auto& folder : {env.program_folder, env.system_directory}) {
        std::string candidate = Candidate(folder ? folder() : std::string());
        if (!candidate.empty() && env.is_ordinary_file && env.is_ordinary_file(candidate)) return candidate;
    }
    return {};
}

std::int32_t Open_Database(const std::string& path) {
    // An empty path would give SQLite's private temporary database, on which
    // every routine fails with "no such table": no connection instead.
    if (path.empty()) return 0;
    const AccessLibrary* library = Access_Library();
    if (!library) return 0;
    std::int32_t handle = 0;
    library->open(path.c_str(), &handle);
    return handle;
}

void Close_Database(std::int32_t handle) {
    if (handle == 0) return;
    if (const AccessLibrary* library = Access_Library()) library->close(handle);
}

bool Run_SQL(std::int32_t handle, const std::string& sql, SqlResult& result, std::int32_t& rowCount,
             std::string& errorText) {
    if (handle == 0) return false;
    const AccessLibrary* library = Access_Library();
    if (!library) return false;
    if (!Is_Plain_Select(sql)) Note_Store_Change();
    const char* const* cells = nullptr;
    std::int32_t columns = 0;
    const char* error = nullptr;
    std::int32_t status = library->get_table(handle, sql.c_str(), &cells, &columns, &error);
    if (status != 0 || (error && *error)) {
        errorText = error && *error ? error : "SQL error";
        Set_Error(status != 0 ? status : 1, errorText);
        return false;
    }
    std::int32_t rows = library->number_of_rows_from_last_call();
    std::vector<std::string> names;
    std::vector<std::vector<std::optional<std::string>>> data;
    if (columns > 0 && cells) {
        names.reserve(static_cast<std::size_t>(columns));
        for (std::int32_t c = 0; c < columns; ++c) names.emplace_back(cells[c] ? cells[c] : "");
        data.reserve(static_cast<std::size_t>(rows));
        for (std::int32_t r = 1; r <= rows; ++r) {
            std::vector<std::optional<std::string>> row;
            row.reserve(static_cast<std::size_t>(columns));
            for (std::int32_t c = 0; c < columns; ++c) {
                const char* cell = cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns) +
                                         static_cast<std::size_t>(c)];
                if (cell) row.emplace_back(std::string(cell));
                else row.emplace_back(std::nullopt);
            }
            data.push_back(std::move(row));
        }
    }
    result = SqlResult(std::move(names), std::move(data));
    rowCount = rows;
    return true;
}

// ---- the routine shape ---------------------------------------------------

StoreSession::StoreSession() {
    if (Store_Held_Off()) return;
    handle_ = Open_Database(Get_Database_Path());
    // The file has refused this run: a lock still held fails this routine at
    // once instead of after the busy time. A row's refusal says nothing of
    // the file, so after one a brief lock is still waited out. Straight
    // through the library, as this changes nothing stored and must not count
    // as a change.
    if (handle_ != 0 && Store_File_Refusal_Seen())
        if (const AccessLibrary* library = Access_Library()) {
            const char* const* cells = nullptr;
            std::int32_t columns = 0;
            const char* error = nullptr;
            library->get_table(handle_, "PRAGMA busy_timeout=0", &cells, &columns, &error);
        }
}

StoreSession::~StoreSession() {
    if (!Ok()) ++Failure_Count_Slot();
    Close_Database(handle_);
}

bool StoreSession::Usable() {
    if (handle_ == 0 && !failed_ && Store_Failure_Scope_Open()) {
        // Outside a run the routines fail silently here; a run that went on
        // would report what it could not read as success.
        failed_ = true;
        if (Store_Held_Off()) {
            Mark_Store_Failure(true);  // start-up's box has said why
        } else {
            Set_Error(53, "File not found: the inventory database " + std::string(Database_File_Name) +
                              " could not be opened.");
            Report_Store_Failure(true);
        }
    }
    return Ok();
}

bool StoreSession::Run(const std::string& sql, SqlResult& result, std::int32_t& rowCount) {
    if (!Usable()) return false;
    std::string error;
    if (Run_SQL(handle_, sql, result, rowCount, error)) return true;
    failed_ = true;
    // Shown here, once, and cleared: no later box may repeat it. The pending
    // number is the library's status.
    Report_Store_Failure(Is_File_Refusal(Pending_Error().number));
    return false;
}

bool StoreSession::Run(const std::string& sql) {
    SqlResult ignored;
    std::int32_t rows = 0;
    return Run(sql, ignored, rows);
}

bool StoreSession::Run_Quiet(const std::string& sql) {
    if (!Ok()) return false;
    SqlResult ignored;
    std::int32_t rows = 0;
    std::string error;
    if (Run_SQL(handle_, sql, ignored, rows, error)) return true;
    failed_ = true;
    return false;
}

namespace {

// For a library without the row runner: the same statements as texts, each
// ?N replaced by its cell as a literal.
std::string Bind_As_Text(const std::string& sql, const char* types, const char* const* row, std::size_t params) {
    const std::size_t type_count = types ? std::char_traits<char>::length(types) : 0;
    std::string out;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        if (sql[i] != '?') {
            out += sql[i];
            continue;
        }
        std::size_t n = 0, j = i + 1;
        while (j < sql.size() && sql[j] >= '0' && sql[j] <= '9') n = n * 10 + static_cast<std::size_t>(sql[j++] - '0');
        if (n == 0 || n > params) {
            out += sql[i];
            continue;
        }
        const char* cell = row[n - 1];
        if (!cell) out += "NULL";
        else if (n - 1 < type_count && types[n - 1] == 'i') out += std::to_string(Text_Number(cell));
        else out += Sql_Quote(cell);
        i = j - 1;
    }
    return out;
}

}  // namespace

bool StoreSession::Run_Rows(const std::vector<std::string>& sqls, const char* types, std::size_t params_per_row,
                            const std::vector<const char*>& cells) {
    if (!Usable()) return false;
    if (params_per_row == 0 || cells.size() % params_per_row != 0) {
        Fail(5, "Invalid procedure call or argument");
        return false;
    }
    const std::size_t rows = cells.size() / params_per_row;
    const AccessLibrary* library = Access_Library();
    if (library && library->exec_rows) {
        std::vector<const char*> texts;
        for (const std::string& sql : sqls) texts.push_back(sql.c_str());
        const char* error = nullptr;
        Note_Store_Change();
        std::int32_t status = library->exec_rows(handle_, texts.data(), static_cast<std::int32_t>(texts.size()),
                                                 types, static_cast<std::int32_t>(params_per_row),
                                                 static_cast<std::int32_t>(rows), cells.data(), &error);
        if (status == 0) return true;
        failed_ = true;
        Set_Error(status, error && *error ? error : "SQL error");
        Report_Store_Failure(Is_File_Refusal(status));
        return false;
    }
    for (std::size_t r = 0; r < rows; ++r)
        for (const std::string& sql : sqls)
            if (!Run(Bind_As_Text(sql, types, cells.data() + r * params_per_row, params_per_row))) return false;
    return true;
}

bool StoreSession::Begin() { return Run("BEGIN DEFERRED TRANSACTION MY_TRANS"); }

bool StoreSession::Commit() { return Run("COMMIT TRANSACTION MY_TRANS"); }

void StoreSession::Fail(std::int32_t number, const std::string& description) {
    if (failed_) return;
    failed_ = true;
    Set_Error(number, description);
    Report_Store_Failure(false);  // a value of this row's
}

bool Get_SQL_Result(std::int32_t& rowCount, SqlResult& result, const std::string& sql) {
    StoreSession session;
    return session.Run(sql, result, rowCount);
}

bool Execute_SQL(const std::string& sql) {
    StoreSession session;
    if (!session.Connected()) return false;
    // One statement only: a value that closed its quotes early must not get
    // a second statement run behind the first.
    if (!Is_Single_Statement(sql)) {
        session.Fail(Refused_Statement_Error, "The statement text holds more than one SQL statement.");
        return false;
    }
    return session.Run(sql);
}

bool Optimize_Database() {
    StoreSession session;
    if (!session.Connected()) return false;
    std::string stamp = Format_Store_Date_Time(Store_Environment().now());
    return session.Run_Quiet("VACUUM") && session.Run_Quiet("REINDEX") &&
           session.Run_Quiet("UPDATE SETTINGS_TBL SET LAST_OPTIMIZE='" + stamp + "' WHERE SETTINGS_ID=1");
}

// ---- SQL text -----------------------------------------------------------

std::string Cut_Characters(std::string_view text, std::size_t max_chars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character starts at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == max_chars) return std::string(text.substr(0, i));
            ++chars;
        }
    }
    return std::string(text);
}

std::string Double_Quotes(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        // A NUL would end the statement text inside the value.
        if (c == '\0') continue;
        out += c;
        if (c == '\'') out += '\'';
    }
    return out;
}

std::string Sql_Quote(std::string_view text, std::size_t max_chars) {
    std::string value = max_chars ? Cut_Characters(text, max_chars) : std::string(text);
    std::string out;
    out.reserve(value.size() + 8);
    out += '\'';
    out += Double_Quotes(value);
    out += '\'';
    return out;
}

std::optional<std::string> Sql_Identifier(std::string_view name) {
    if (name.empty() || Has_Control_Characters(name)) return std::nullopt;
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"') out += '"';
    }
    out += '"';
    return out;
}

}  // namespace crv

namespace crv {

bool Is_Single_Statement(std::string_view sql) {
    bool ended = false;
    const std::size_t n = sql.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = sql[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') continue;
        if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n') ++i;
            continue;
        }
        if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            std::size_t close = sql.find("*/", i + 2);
            i = close == std::string_view::npos ? n : close + 1;
            continue;
        }
        if (ended) return false;
        if (c == ';') {
            ended = true;
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            // Quoted text and names run to their closing mark; a doubled
            // closing mark stands for itself and reads as a close and a
            // reopen here, which comes to the same.
            const char close = c == '[' ? ']' : c;
            std::size_t end = sql.find(close, i + 1);
            if (end == std::string_view::npos) return true;  // unterminated: SQLite refuses it whole
            i = end;
        }
    }
    return true;
}

}  // namespace crv
