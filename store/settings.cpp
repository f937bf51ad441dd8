#include "store/settings.h"

#include "store/session.h"

namespace crv {

namespace {

std::optional<bool> Read_Flag(const char* column) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run(std::string("SELECT ") + column + " FROM SETTINGS_TBL WHERE SETTINGS_ID=1", result, rows))
        return std::nullopt;
    return rows > 0 && result.Flag(1, 0);
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

}  // namespace crv
