#include "store/settings.h"

#include "store/session.h"

namespace crv {

namespace {

// True and False in any case, or a number (non-zero is True).
std::optional<bool> Parse_Flag(const std::string& text) {
    std::string word;
    for (char c : text)
        if (c != ' ') word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (word == "true") return true;
    if (word == "false") return false;
    std::size_t i = (!word.empty() && (word[0] == '-' || word[0] == '+')) ? 1 : 0;
    bool digits = i < word.size();
    for (; i < word.size(); ++i)
        if ((word[i] < '0' || word[i] > '9') && word[i] != '.') digits = false;
    if (!digits) return std::nullopt;
    return word.find_first_not_of("+-0.") != std::string::npos;
}

std::optional<bool> Read_Flag(const char* column) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run(std::string("SELECT ") + column + " FROM SETTINGS_TBL WHERE SETTINGS_ID=1", result, rows))
        return std::nullopt;
    if (rows < 1 || result.Text(1, 0).empty()) return false;
    std::optional<bool> flag = Parse_Flag(result.Text(1, 0));
    if (!flag) {
        session.Fail(13, std::string("Type mismatch: the setting ") + column + " holds \"" + result.Text(1, 0) +
                             "\", which is neither True nor False.");
        return false;
    }
    return flag;
}

bool Write_Flag(const char* column, bool value) {
    StoreSession session;
    return session.Run(std::string("UPDATE SETTINGS_TBL SET ") + column + "='" + (value ? "True" : "False") +
                       "' WHERE SETTINGS_ID=1");
}

}  // namespace

bool Get_Settings(SqlResult& result) {
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run(
        "SELECT WORK_ONLINE, LAST_OPTIMIZE, TLB_VISIBILITY, VERTICAL_LISTING, AUTO_CHECK_UPDATES FROM SETTINGS_TBL "
        "WHERE SETTINGS_ID=1",
        result, rows);
}

bool Get_Vertical_Listing() { return Read_Flag("VERTICAL_LISTING").value_or(false); }

bool Get_Auto_Check_Updates() { return Read_Flag("AUTO_CHECK_UPDATES").value_or(false); }

bool Set_Work_Online(bool value) { return Write_Flag("WORK_ONLINE", value); }

bool Set_Vertical_Listing(bool value) { return Write_Flag("VERTICAL_LISTING", value); }

bool Set_Auto_Check_Updates(bool value) { return Write_Flag("AUTO_CHECK_UPDATES", value); }

bool Set_Toolbar_Visibility(std::int32_t mask) {
    StoreSession session;
    return session.Run("UPDATE SETTINGS_TBL SET TLB_VISIBILITY=" + std::to_string(mask) + " WHERE SETTINGS_ID=1");
}

}  // namespace crv
