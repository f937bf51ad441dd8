#include "store/computer_batch.h"

#include "core/common.h"
#include "core/names.h"
#include "store/devices.h"
#include "store/session.h"
#include "store/sql_text.h"

namespace crv {

std::optional<std::vector<std::int32_t>> Add_Computers(const std::vector<std::string>& names,
                                                       const std::string& userName, const std::string& password,
                                                       const std::string& addedBy) {
    StoreSession session;
    if (!session.Connected()) return std::nullopt;
    if (Has_Control_Characters(userName) || Has_Control_Characters(password)) {
        session.Fail(Credentials_Control_Character_Error, Credentials_Control_Character_Text);
        return std::nullopt;
    }
    std::vector<std::int32_t> ids;
    if (names.empty()) return ids;
    std::string comment;
    Server_Type_Text(0, comment);
    const auto& env = Store_Environment();
    const std::string computer = env.local_computer_name ? env.local_computer_name() : std::string();
    // Only the name differs from row to row: it alone is bound.
    const std::string sql =
        "INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, SCAN_USER,SCAN_PWD, PARENT, DEV_TYPE_ID, PLATFORM_ID, OS_TYPE, "
        "MAJOR_VER, MINOR_VER, COMMENT, DEV_DOMAIN, ADDED_WUSER, ADDED_CMP) VALUES(?1,?1," +
        Sql_Quote(Scramble_Text(userName)) + "," + Sql_Quote(Scramble_Text(password)) + ",1,2,0,0,0,0," +
        Sql_Quote(comment) + ",''," + Sql_Quote(addedBy) + "," + Sql_Quote(computer) + ")";
    std::vector<const char*> cells;
    cells.reserve(names.size());
    for (const std::string& name : names) cells.push_back(name.c_str());
    SqlResult last;
    std::int32_t rows = 0;
    if (!session.Begin() || !session.Run_Rows({sql}, "", 1, cells) ||
        !session.Run("SELECT last_insert_rowid()", last, rows) || rows < 1 || !session.Commit())
        return std::nullopt;
    // One writer inside one transaction: the keys follow one another.
    const std::int64_t first = last.Number(1, 0) - static_cast<std::int64_t>(names.size()) + 1;
    ids.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) ids.push_back(static_cast<std::int32_t>(first + i));
    return ids;
}

}  // namespace crv
