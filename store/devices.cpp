#include "store/devices.h"

#include "core/common.h"
#include "core/names.h"
#include "store/kept_reads.h"
#include "store/session.h"
#include "store/sql_text.h"

namespace crv {

namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

// Credentials leave the store in clear text.
void Unscramble_Columns(SqlResult& result, std::int32_t rows) {
    for (std::size_t r = 1; r <= static_cast<std::size_t>(rows); ++r) {
        result.Set_Text(r, 1, Scramble_Text(result.Text(r, 1)));
        result.Set_Text(r, 2, Scramble_Text(result.Text(r, 2)));
    }
}

std::string Local_Computer_Name() {
    const auto& env = Store_Environment();
    return env.local_computer_name ? env.local_computer_name() : std::string();
}

constexpr const char* Device_Columns =
    "SELECT DL.DEV_NAME, DL.SCAN_USER, DL.SCAN_PWD, DL.DEV_ID, DL.DEV_TYPE_ID, DL.PARENT, DT.DEV_TYPE_PIC";

// The scramble turns a control character into one the statement cannot
// carry, so such credentials would come back changed: they are refused.
bool Refuse_Control_Characters(StoreSession& session, const std::string& userName, const std::string& password) {
    if (!Has_Control_Characters(userName) && !Has_Control_Characters(password)) return false;
    session.Fail(Credentials_Control_Character_Error, Credentials_Control_Character_Text);
    return true;
}

// Reads one number at (1, 0); 0 without a row or after a failure.
std::int32_t Single_Number(const std::string& sql) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run(sql, result, rows) || rows < 1) return 0;
    return static_cast<std::int32_t>(result.Number(1, 0));
}

}  // namespace

std::string Next_Decimal(const std::string& digits) {
    std::string next;
    for (char c : digits)
        if (c < '0' || c > '9') return "1";  // not a whole number: counts as 0
    next = digits;
    // Add one from the right, carrying; no fixed-width number to overflow.
    std::size_t i = next.size();
    while (i > 0 && next[i - 1] == '9') next[--i] = '0';
    if (i == 0)
        next.insert(next.begin(), '1');
    else
        ++next[i - 1];
    const std::size_t first = next.find_first_not_of('0');
    return first == std::string::npos ? "1" : next.substr(first);
}

bool Get_Device_List(std::int32_t& rowCount, SqlResult& devices, std::int32_t typeFilter) {
    std::string sql = std::string(Device_Columns) +
                      " FROM DEV_TBL DL LEFT JOIN DEV_TYPE DT ON DT.DEV_TYPE_ID=DL.DEV_TYPE_ID";
    if (typeFilter > 0)
        sql += " WHERE DL.DEV_TYPE_ID=" + Num(typeFilter) + " ORDER BY DL.DEV_NAME";
    else
        sql += " ORDER BY DL.DEV_TYPE_ID, DL.PARENT, DL.DEV_NAME";
    StoreSession session;
    if (!session.Run(sql, devices, rowCount)) return false;
    Unscramble_Columns(devices, rowCount);
    return true;
}

bool Get_Device_Info(std::int32_t deviceId, SqlResult& device) {
    StoreSession session;
    std::int32_t rows = 0;
    if (!session.Run(std::string(Device_Columns) +
                         ", DL.DEV_DOMAIN FROM DEV_TBL DL LEFT JOIN DEV_TYPE DT ON DT.DEV_TYPE_ID=DL.DEV_TYPE_ID "
                         "WHERE DL.DEV_ID=" +
                         Num(deviceId),
                     device, rows))
        return false;
    Unscramble_Columns(device, rows);
    return true;
}

std::int32_t Get_Scanned_Devices(const StoreDate& scanDate, SqlResult& devices) {
    StoreSession session;
    std::int32_t rows = 0;
    if (!session.Run("SELECT DISTINCT DEV_NAME, DEV_ID FROM DEV_TBL WHERE ACTIVE=1 AND DEV_ID IN(SELECT DEV_ID FROM "
                     "SCAN_HEAD WHERE SCAN_DATE='" +
                         Format_Store_Date(scanDate) + "')",
                     devices, rows))
        return 0;
    return rows;
}

bool Get_Device_Credentials(std::int32_t deviceId, std::string& userName, std::string& password,
                            std::string& domain) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run("SELECT SCAN_USER,SCAN_PWD, DEV_DOMAIN FROM DEV_TBL WHERE DEV_ID=" + Num(deviceId), result, rows))
        return false;
    if (rows > 0) {
        userName = Scramble_Text(result.Text(1, 0));
        password = Scramble_Text(result.Text(1, 1));
        domain = result.Text(1, 2);
    }
    return true;
}

std::int32_t Add_Device(const std::string& name, const std::string& userName, const std::string& password,
                        std::int32_t platformId, std::int32_t osType, std::int32_t majorVersion,
                        std::int32_t minorVersion, const std::string& comment, std::int32_t parentId,
                        std::int32_t typeId, const std::string& domain, const std::string& addedBy) {
    StoreSession session;
    if (!session.Connected()) return 0;
    if (Refuse_Control_Characters(session, userName, password)) return 0;
    std::string stored_comment = comment;
    if (typeId == 2 && stored_comment.empty()) Server_Type_Text(osType, stored_comment);
    std::string quoted_name = Sql_Quote(name);
    std::string sql =
        "INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, SCAN_USER,SCAN_PWD, PARENT, DEV_TYPE_ID, PLATFORM_ID, OS_TYPE, "
        "MAJOR_VER, MINOR_VER, COMMENT, DEV_DOMAIN, ADDED_WUSER, ADDED_CMP) VALUES(" +
        quoted_name + "," + quoted_name + "," + Sql_Quote(Scramble_Text(userName)) + "," +
        Sql_Quote(Scramble_Text(password)) + "," + Num(parentId) + "," + Num(typeId) + "," + Num(platformId) + "," +
        Num(osType) + "," + Num(majorVersion) + "," + Num(minorVersion) + "," + Sql_Quote(stored_comment) + "," +
        Sql_Quote(domain) + "," + Sql_Quote(addedBy) + "," + Sql_Quote(Local_Computer_Name()) + ")";
    if (!session.Run(sql)) return 0;
    // The key of this very row, even when other devices share its name.
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run("SELECT last_insert_rowid()", result, rows) || rows < 1) return 0;
    return static_cast<std::int32_t>(result.Number(1, 0));
}

bool Delete_Device(std::int32_t deviceId, bool withRelatedRecords) {
    StoreSession session;
    std::string id = Num(deviceId);
    // A group's members would be left pointing at no group: the check and
    // the delete are one unit.
    SqlResult members;
    std::int32_t rows = 0;
    if (!session.Begin() ||
        !session.Run("SELECT COUNT(*) FROM DEV_TBL WHERE PARENT=" + id + " AND DEV_ID<>" + id, members, rows))
        return false;
    if (rows < 1 || members.Number(1, 0) > 0) {
        session.Fail(Group_Has_Members_Error, Group_Has_Members_Text);
        return false;
    }
    if (!withRelatedRecords) return session.Run("DELETE FROM DEV_TBL WHERE DEV_ID=" + id) && session.Commit();
    // Scan details go with their heads (schema trigger).
    return session.Run("DELETE FROM SCAN_HEAD WHERE DEV_ID=" + id) &&
           session.Run("DELETE FROM DEV_SPECS WHERE DEV_ID=" + id) &&
           session.Run("DELETE FROM TAB_REPORT_COMPUTERS_TBL WHERE DEV_ID=" + id) &&
           session.Run("DELETE FROM TABULAR_REPORT_TBL WHERE TR_ID>0 AND DEV_ID=" + id) &&
           session.Run("DELETE FROM TRANSFER_TRACK WHERE DEV_ID=" + id) &&
           session.Run("DELETE FROM DEV_TBL WHERE DEV_ID=" + id) && session.Commit();
}

bool Update_Device_Network_Info(std::int32_t deviceId, std::int32_t platformId, std::int32_t osType,
                                std::int32_t majorVersion, std::int32_t minorVersion, const std::string& comment,
                                const std::string& domain) {
    std::string stored_comment = comment;
    if (stored_comment.empty()) Server_Type_Text(osType, stored_comment);
    StoreSession session;
    return session.Run("UPDATE DEV_TBL SET DEV_DOMAIN=" + Sql_Quote(domain) + ", PLATFORM_ID=" + Num(platformId) +
                       ", OS_TYPE=" + Num(osType) + ", MAJOR_VER=" + Num(majorVersion) + ", MINOR_VER=" +
                       Num(minorVersion) + ", COMMENT=" + Sql_Quote(stored_comment) + " WHERE DEV_ID=" +
                       Num(deviceId));
}

bool Rename_Device(std::int32_t deviceId, const std::string& newName) {
    StoreSession session;
    std::string name = Sql_Quote(newName);
    // The tabular report grid shows the computer under its new name too.
    return session.Begin() &&
           session.Run("UPDATE DEV_TBL SET DEV_NAME = " + name + " WHERE DEV_ID=" + Num(deviceId)) &&
           session.Run("UPDATE TABULAR_REPORT_TBL SET DEV_NAME=" + name + " WHERE TR_ID>0 AND DEV_ID=" +
                       Num(deviceId)) &&
           session.Commit();
}

bool Move_Device(std::int32_t deviceId, std::int32_t targetGroupId, std::int32_t sourceGroupId,
                 const StoreDateTime& movedAt, const std::string& windowsUser, const std::string& remarks) {
    StoreSession session;
    // The log row and the move are one unit: no log of a move that did not
    // happen. A group may not go into itself or below itself: the walk up
    // from the target by the stored parents (which ends even on a loop
    // already stored) must not meet the device, and it is taken in the same
    // unit as the move.
    SqlResult above;
    std::int32_t rows = 0;
    if (!session.Begin() ||
        !session.Run("WITH RECURSIVE UP(ID) AS (SELECT " + Num(targetGroupId) +
                         " UNION SELECT DEV_TBL.PARENT FROM DEV_TBL JOIN UP ON DEV_TBL.DEV_ID=UP.ID) "
                         "SELECT COUNT(*) FROM UP WHERE ID=" + Num(deviceId),
                     above, rows))
        return false;
    if (rows < 1 || above.Number(1, 0) > 0) {
        session.Fail(Move_Into_Itself_Error, Move_Into_Itself_Text);
        return false;
    }
    return session.Run("INSERT INTO TRANSFER_TRACK (DEST_GRP_ID, SRC_GRP_ID, DEV_ID, TRANSFER_DATE, TRANSFER_WUSER, "
                       "TRANSFER_CMP, REMARKS, DB_TIME) VALUES(" +
                       Num(targetGroupId) + "," + Num(sourceGroupId) + "," + Num(deviceId) + ",'" +
                       Format_Store_Date_Time(movedAt) + "'," + Sql_Quote(windowsUser, 50) + "," +
                       Sql_Quote(Local_Computer_Name()) + "," + Sql_Quote(remarks, 255) +
                       ",datetime('now','localtime'))") &&
           session.Run("UPDATE DEV_TBL SET PARENT=" + Num(targetGroupId) + " WHERE DEV_ID=" + Num(deviceId)) &&
           session.Commit();
}

bool Set_Device_Credentials(std::int32_t deviceId, const std::string& userName, const std::string& password) {
    StoreSession session;
    if (!session.Connected() || Refuse_Control_Characters(session, userName, password)) return false;
    return session.Run("UPDATE DEV_TBL SET SCAN_USER = " + Sql_Quote(Scramble_Text(Cut_Characters(userName, 255))) +
                       ", SCAN_PWD=" + Sql_Quote(Scramble_Text(Cut_Characters(password, 255))) +
                       " WHERE DEV_ID=" + Num(deviceId));
}

bool Set_Device_MAC(std::int32_t deviceId, const std::string& macList, bool onlyWhenEmpty) {
    std::string sql = "UPDATE DEV_TBL SET DEV_MAC=" + Sql_Quote(macList) + " WHERE DEV_ID=" + Num(deviceId);
    if (onlyWhenEmpty) sql += " AND DEV_MAC=''";
    StoreSession session;
    return session.Run(sql);
}

bool Get_Device_MAC(std::int32_t deviceId, std::vector<std::string>& macAddresses) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run("SELECT DEV_MAC FROM DEV_TBL WHERE DEV_ID=" + Num(deviceId), result, rows) || rows < 1)
        return false;
    std::string text;
    for (char c : result.Text(1, 0))
        if (c != ' ') text += c;
    std::vector<std::string> parts;
    if (!text.empty()) {
        std::size_t start = 0;
        for (;;) {
            std::size_t comma = text.find(',', start);
            parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    macAddresses = std::move(parts);
    return true;
}

std::int32_t Count_Group_Members(std::int32_t groupId, std::int32_t& rowCount) {
    StoreSession session;
    SqlResult result;
    if (!session.Run("SELECT COUNT(*) FROM DEV_TBL WHERE PARENT=" + Num(groupId), result, rowCount) || rowCount < 1)
        return 0;
    return static_cast<std::int32_t>(result.Number(1, 0));
}

bool Get_Last_Name_Number(std::int32_t typeId, const std::string& prefix, SqlResult& result,
                          std::int32_t& rowCount) {
    // Only names that start with the prefix in its own letter case and go on
    // with digits alone carry a number; the longest digit run without its
    // leading zeros, then the greatest, is the highest number, exactly, at
    // any length ("NewGroup1.5" or "newgroup7" carry none).
    std::int64_t length = 0;  // SQLite counts characters, not bytes
    for (char c : prefix)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++length;
    const std::string quoted = Sql_Quote(prefix);
    const std::string rest = "SUBSTR(DEV_NAME," + Num(length + 1) + ")";
    StoreSession session;
    return session.Run("SELECT LTRIM(" + rest + ",'0') AS DEV_NAME1 FROM DEV_TBL WHERE DEV_TYPE_ID=" + Num(typeId) +
                           " AND SUBSTR(DEV_NAME,1," + Num(length) + ")=" +
                           quoted + " AND " + rest + "<>'' AND " + rest +
                           " NOT GLOB '*[^0-9]*' ORDER BY LENGTH(DEV_NAME1) DESC, DEV_NAME1 DESC LIMIT 1",
                       result, rowCount);
}

void Get_Next_New_Name(std::int32_t typeId, const std::string& base, std::string& name) {
    const std::string prefix = "New" + base;
    SqlResult result;
    std::int32_t rows = 0;
    std::string digits;
    if (Get_Last_Name_Number(typeId, prefix, result, rows) && rows > 0) digits = result.Text(1, 0);
    name = prefix + Next_Decimal(digits);
}

bool Get_Device_Types(SqlResult& types) {
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run("SELECT DEV_TYPE_ID, DEV_TYPE_NAME FROM DEV_TYPE WHERE ACTIVE=1", types, rows);
}

std::int32_t Get_Device_Type(std::int32_t deviceId) {
    return Single_Number("SELECT DEV_TYPE_ID FROM DEV_TBL WHERE DEV_ID=" + Num(deviceId));
}

std::int32_t Kept_Device_Type(std::int32_t deviceId) {
    static KeptReads<std::int32_t> kept;
    return kept.Get(deviceId, Get_Device_Type, [](std::int32_t type) { return type != 0; });
}

bool Is_Same_Domain(const std::string& firstName, const std::string& secondName) {
    return Single_Number("SELECT COUNT(*) FROM DEV_TBL DT1 LEFT JOIN DEV_TBL DT2 ON DT2.[DEV_NAME]=" +
                         Sql_Quote(secondName) + " AND DT2.DEV_TYPE_ID=2 WHERE DT1.[DEV_NAME]=" +
                         Sql_Quote(firstName) + " AND DT1.[DEV_TYPE_ID]=2 AND DT1.[DEV_DOMAIN]=DT2.DEV_DOMAIN") != 0;
}

std::int32_t Get_Device_ID(const std::string& name, std::int32_t typeId) {
    return Single_Number("SELECT DEV_ID FROM DEV_TBL WHERE DEV_NAME=" + Sql_Quote(name) +
                         " AND DEV_TYPE_ID=" + Num(typeId));
}

bool Get_Group_Inventory(std::int32_t groupId, std::int32_t& rowCount, SqlResult& devices,
                         std::int32_t typeFilter) {
    std::string sql =
        "SELECT DEV.DEV_ID, DS.DEV_SPEC_ID, DEV.DEV_TYPE_ID, DT.[DEV_TYPE_PIC], DEV.DEV_NAME, DS.MANUFACTURER, "
        "DS.MODEL, DS.SERIAL_NO, DS.USER_ID, DS.USER_NAME, DS.DEPARTMENT, DS.LOCATION, DS.TAG, DS.ASSET_TAG, "
        "DS.SPECS1, DS.SPECS2, DS.SPECS3, DS.SPECS4, DS.SPECS5, DS.REMARKS FROM DEV_TBL DEV LEFT JOIN DEV_SPECS DS ON "
        "DS.[DEV_ID]=DEV.DEV_ID AND DS.DEV_SPEC_ID=(SELECT MAX(DEV_SPEC_ID) FROM DEV_SPECS WHERE DEV_ID=DEV.DEV_ID) "
        "LEFT JOIN DEV_TYPE DT ON DT.[DEV_TYPE_ID]=DEV.DEV_TYPE_ID WHERE DEV.[PARENT]=" +
        Num(groupId);
    if (typeFilter >= 1) sql += " AND DEV.DEV_TYPE_ID=" + Num(typeFilter);
    sql += " ORDER BY DEV.DEV_TYPE_ID, DEV.PARENT, DEV.DEV_NAME";
    StoreSession session;
    return session.Run(sql, devices, rowCount);
}

bool Get_Device_Details(std::int32_t deviceId, SqlResult& details) {
    StoreSession session;
    std::int32_t rows = 0;
    // The current record is the newest by DEV_SPEC_ID, as in the group listing.
    return session.Run(
        "SELECT DT.DEV_ID, DS.DEV_SPEC_ID, DT.DEV_NAME AS DeviceName, DT.DEV_ALIAS AS Alias, DT.DEV_DOMAIN AS "
        "Domain, DT.DEV_MAC AS MACAddress, DT.DEV_IP AS IPAddress, DS.MANUFACTURER AS Manufacturer, DS.MODEL AS "
        "Model, DS.SERIAL_NO AS SerialNumber, DS.USER_ID AS UserID, DS.USER_NAME AS UserName, DS.DEPARTMENT AS "
        "Department, DS.LOCATION AS Location, DS.TAG AS Tag, DS.ASSET_TAG As AssetTag, DS.SPECS1 AS "
        "Specification1, DS.SPECS2 AS Specification2, DS.SPECS3 AS Specification3, DS.SPECS4 AS Specification4, "
        "DS.SPECS5 AS Specification5, DS.REMARKS AS Remarks FROM DEV_TBL DT LEFT JOIN DEV_SPECS DS ON "
        "DS.[DEV_ID]=DT.DEV_ID WHERE DT.DEV_ID = " +
            Num(deviceId) + " ORDER BY DS.DEV_SPEC_ID DESC LIMIT 1",
        details, rows);
}

bool Save_Device_Details(std::int32_t deviceId, const std::string& alias, const std::string& domain,
                         const std::string& macAddress, const std::string& ipAddress,
                         const std::string& manufacturer, const std::string& model,
                         const std::string& serialNumber, const std::string& assetTag, const std::string& tag,
                         const std::string& department, const std::string& userId, const std::string& userName,
                         const std::string& location, const std::string& specs1, const std::string& specs2,
                         const std::string& specs3, const std::string& specs4, const std::string& specs5,
                         const std::string& remarks, const std::string& addedBy) {
    StoreSession session;
    // Device row and asset record change together or not at all, and a
    // computer deleted meanwhile gets no orphaned asset record.
    if (!session.Begin()) return false;
    SqlResult found;
    std::int32_t rows = 0;
    if (!session.Run("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_ID=" + Num(deviceId), found, rows)) return false;
    if (found.Number(1, 0) == 0) {
        session.Fail(1, "The computer " + Num(deviceId) + " is no longer in the inventory; its details were not saved.");
        return false;
    }
    return session.Run("UPDATE DEV_TBL SET DEV_ALIAS=" + Sql_Quote(alias) + ", DEV_DOMAIN=" + Sql_Quote(domain) +
                       ", DEV_MAC=" + Sql_Quote(macAddress) + ", DEV_IP=" + Sql_Quote(ipAddress) +
                       " WHERE DEV_ID=" + Num(deviceId)) &&
           session.Run("INSERT INTO DEV_SPECS (DEV_ID, MANUFACTURER, MODEL, SERIAL_NO, ASSET_TAG, TAG, USER_ID, "
                       "USER_NAME, DEPARTMENT, LOCATION, SPECS1, SPECS2, SPECS3, SPECS4, SPECS5, REMARKS, "
                       "ADDED_WUSER)VALUES(" +
                       Num(deviceId) + "," + Sql_Quote(manufacturer) + "," + Sql_Quote(model) + "," +
                       Sql_Quote(serialNumber) + "," + Sql_Quote(assetTag) + "," + Sql_Quote(tag) + "," +
                       Sql_Quote(userId) + "," + Sql_Quote(userName) + "," + Sql_Quote(department) + "," +
                       Sql_Quote(location) + "," + Sql_Quote(specs1) + "," + Sql_Quote(specs2) + "," +
                       Sql_Quote(specs3) + "," + Sql_Quote(specs4) + "," + Sql_Quote(specs5) + "," +
                       Sql_Quote(remarks) + "," + Sql_Quote(addedBy) + ")") &&
           session.Commit();
}

void Server_Type_Text(std::int32_t typeBits, std::string& text) {
    struct Bit {
        std::uint32_t mask;
        const char* name;
    };
    static constexpr Bit bits[] = {
        {0x1, "WorkStation"},
        {0x2, "Server"},
        {0x4, "Microsoft SQL Server"},
        {0x8, "Primary Domain Controller"},
        {0x10, "Backup Domain Controller"},
        {0x20, "Timesource Service Server"},
        {0x40, "Apple Filing Protocol (AFP) File Service Server"},
        {0x80, "Novell Server"},
        {0x100, "LAN Manager 2.x Domain Member"},
        {0x200, "Print Queue Share Server"},
        {0x400, "Dial-In Service Server"},
        {0x800, "Xenix or Unix Server"},
        {0x1000, "Workstation or Server"},
        {0x2000, "Windows for Workgroup Computer"},
        {0x4000, "Microsoft File and Print for NetWare Service Server"},
        {0x8000, "Server but not Domain Controller"},
        {0x10000, "Browser Service Computer"},
        {0x20000, "Browser Service Backup Computer"},
        {0x40000, "Master Browser Service Server"},
        {0x80000, "Domain Master Browser Server"},
        {0x100000, "OSF Computer"},
        {0x200000, "VMS Computer"},
        {0x400000, "Windows Computer"},
        {0x800000, "Root DFS Tree Server"},
        {0x1000000, "Domain Server Cluster"},
        {0x2000000, "Terminal Service Server"},
        {0x10000000, "DCE Directory and Security Services Server"},
        {0x20000000, "Alternate Transport Server"},
        {0x40000000, "Browser Maintained Server"},
        {0x80000000u, "Primary Domain"},
    };
    std::uint32_t value = static_cast<std::uint32_t>(typeBits);
    for (const Bit& bit : bits) {
        if ((value & bit.mask) == 0) continue;
        if (!text.empty()) text += ", ";
        text += bit.name;
    }
}

}  // namespace crv
