#include "store/sql_statements.h"

namespace crv {

namespace {

bool Is_Word_Char(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool Is_Space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Index just past the quoted piece that opens at `at` (the closing quote
// doubled stays inside); the end of the text when it is never closed.
std::size_t Skip_Quoted(std::string_view sql, std::size_t at, char close) {
    std::size_t i = at + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            // "]" has no doubled form.
            if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

}  // namespace

std::vector<std::string> Sql_Statement_Keywords(std::string_view sql) {
    std::vector<std::string> keywords;
    bool in_statement = false;  // a token of the current statement was seen
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (Is_Space(c)) {
            ++i;
            continue;
        }
        if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            const std::size_t end = sql.find('\n', i);
            i = end == std::string_view::npos ? sql.size() : end + 1;
            continue;
        }
        if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
            const std::size_t end = sql.find("*/", i + 2);
            i = end == std::string_view::npos ? sql.size() : end + 2;
            continue;
        }
        if (c == ';') {
            in_statement = false;
            ++i;
            continue;
        }
        if (!in_statement) {
            in_statement = true;
            std::string word;
            for (std::size_t j = i; j < sql.size() && Is_Word_Char(sql[j]); ++j) {
                char w = sql[j];
                if (w >= 'a' && w <= 'z') w = static_cast<char>(w - 'a' + 'A');
                word += w;
            }
            keywords.push_back(std::move(word));
        }
        if (c == '\'' || c == '"' || c == '`') {
            i = Skip_Quoted(sql, i, c);
        } else if (c == '[') {
            i = Skip_Quoted(sql, i, ']');
        } else {
            ++i;
        }
    }
    return keywords;
}

bool Is_Single_Query(std::string_view sql) {
    const std::vector<std::string> keywords = Sql_Statement_Keywords(sql);
    if (keywords.size() != 1) return false;
    const std::string& k = keywords.front();
    return k == "SELECT" || k == "WITH" || k == "VALUES";
}

}  // namespace crv
