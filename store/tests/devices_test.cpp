#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common.h"
#include "store/devices.h"
#include "store/scans.h"
#include "store/sql_text.h"
#include "store/tabular.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"

namespace crv {
namespace {

using test::TestDatabase;

std::int32_t Add_Computer(const std::string& name, const std::string& user = "", const std::string& pwd = "") {
    return Add_Device(name, user, pwd, 0, 0, 0, 0, "", 1, 2, "", "tester");
}

TEST(Devices, NamesWithQuotesAndNonAsciiRoundTripThroughEveryWriter) {
    TestDatabase db;
    const std::vector<std::string> names = {"O'Brien's PC", "Zoë", "Пётр-ПК", "''"};
    for (const auto& name : names) {
        std::int32_t id = Add_Device(name, "DOM\\o'neil", "pa'ss ë", 500, 0, 5, 1, "It's new", 1, 2, "d'om",
                                     "Zoë's admin");
        ASSERT_GT(id, 1) << name;
        EXPECT_EQ(Get_Device_ID(name, 2), id) << name;
        SqlResult info;
        ASSERT_TRUE(Get_Device_Info(id, info));
        EXPECT_EQ(info.Text(1, 0), name);
        EXPECT_EQ(info.Text(1, 1), "DOM\\o'neil");
        EXPECT_EQ(info.Text(1, 2), "pa'ss ë");
        EXPECT_EQ(info.Text(1, 7), "d'om");
        EXPECT_EQ(db.Scalar("SELECT ADDED_WUSER || '|' || ADDED_CMP || '|' || COMMENT FROM DEV_TBL WHERE DEV_ID=" +
                            std::to_string(id)),
                  "Zoë's admin|TESTPC|It's new");
        // Stored scrambled, never in clear.
        EXPECT_EQ(db.Scalar("SELECT SCAN_PWD FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id)),
                  Scramble_Text("pa'ss ë"));

        std::string renamed = name + " (Müller's)";
        ASSERT_TRUE(Rename_Device(id, renamed));
        EXPECT_EQ(Get_Device_ID(renamed, 2), id);
        ASSERT_TRUE(Update_Device_Network_Info(id, 1, 0, 6, 1, "O'Hara's box", "ça'va"));
        ASSERT_TRUE(Set_Device_Credentials(id, "us'er", "Пароль'"));
        std::string user, pwd, domain;
        ASSERT_TRUE(Get_Device_Credentials(id, user, pwd, domain));
        EXPECT_EQ(user, "us'er");
        EXPECT_EQ(pwd, "Пароль'");
        EXPECT_EQ(domain, "ça'va");
        ASSERT_TRUE(Save_Device_Details(id, "al'ias", "dom", "00:11", "10.0.0.1", "Dell's", "M'odel", "S/N'1",
                                        "AT'", "T'", "Dépt'", "u'id", "Zoë O'Neil", "Kyiv 'Б'", "s1'", "s2", "s3",
                                        "s4", "s5", "rem'ark", "ad'der"));
        SqlResult details;
        ASSERT_TRUE(Get_Device_Details(id, details));
        EXPECT_EQ(details.Text(1, details.Column_Index("Alias").value()), "al'ias");
        EXPECT_EQ(details.Text(1, details.Column_Index("Manufacturer").value()), "Dell's");
        EXPECT_EQ(details.Text(1, details.Column_Index("UserName").value()), "Zoë O'Neil");
        EXPECT_EQ(details.Text(1, details.Column_Index("Department").value()), "Dépt'");
        EXPECT_EQ(details.Text(1, details.Column_Index("Location").value()), "Kyiv 'Б'");
        ASSERT_TRUE(Move_Device(id, 1, 1, StoreDateTime{2024, 2, 29, 23, 5, 0}, "Zoë's", "moved 'here'"));
    }
    EXPECT_TRUE(db.reporter.boxes.empty());
    EXPECT_TRUE(Is_Same_Domain("O'Brien's PC (Müller's)", "Zoë (Müller's)"));
}

TEST(Devices, AddReturnsItsOwnKeyAndAReaddedDeviceInheritsNothing) {
    TestDatabase db;
    std::int32_t first = Add_Computer("TWIN");
    std::int32_t second = Add_Computer("TWIN");
    EXPECT_GT(first, 1);
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(Get_Device_ID("TWIN", 2), first);  // the first row the database returns

    // A scan and an asset record on the last device, then delete and re-add.
    ListModel rows;
    rows.Add_Item("Name\x0B" "1", "Name")->Set_Sub_Item(1, "old");
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 1, 1}, second, 1, rows));
    ASSERT_TRUE(Save_Device_Details(second, "", "", "", "", "OldMaker", "", "", "", "", "", "", "", "", "", "", "",
                                    "", "", "", ""));
    ASSERT_TRUE(Delete_Device(second));
    std::int32_t third = Add_Computer("NEWONE");
    EXPECT_GT(third, second);
    SqlResult dates;
    EXPECT_FALSE(Get_Scan_Dates(third, dates));
    SqlResult details;
    ASSERT_TRUE(Get_Device_Details(third, details));
    EXPECT_EQ(details.Text(1, details.Column_Index("Manufacturer").value()), "");
    // Without the full deletion the old rows stay where they were.
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM SCAN_HEAD WHERE DEV_ID=" + std::to_string(second)), "1");
}

TEST(Devices, FullDeletionTakesScansRecordsReportLinksGridRowAndLog) {
    TestDatabase db;
    std::int32_t id = Add_Computer("GONE");
    std::int32_t keep = Add_Computer("KEEP");
    ListModel rows;
    rows.Add_Item("Name\x0B" "1", "Name")->Set_Sub_Item(1, "v");
    for (std::int32_t d : {id, keep}) {
        ASSERT_TRUE(Save_Scan(StoreDate{2024, 1, 1}, d, 1, rows));
        ASSERT_TRUE(Save_Device_Details(d, "", "", "", "", "M", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                        "", ""));
        ASSERT_TRUE(Add_Tabular_Report_Row(d, "x"));
        ASSERT_TRUE(Add_Tabular_Report_Computer(1, d));
        ASSERT_TRUE(Move_Device(d, 1, 1, StoreDateTime{2024, 1, 1, 0, 0, 0}, "u", ""));
    }
    ASSERT_TRUE(Delete_Device(id, true));
    for (const char* table :
         {"DEV_TBL", "SCAN_HEAD", "SCAN_DETAILS", "DEV_SPECS", "TAB_REPORT_COMPUTERS_TBL", "TRANSFER_TRACK"}) {
        EXPECT_EQ(db.Scalar(std::string("SELECT COUNT(*) FROM ") + table + " WHERE DEV_ID=" + std::to_string(id)), "0")
            << table;
        EXPECT_NE(db.Scalar(std::string("SELECT COUNT(*) FROM ") + table + " WHERE DEV_ID=" + std::to_string(keep)),
                  "0")
            << table;
    }
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM TABULAR_REPORT_TBL WHERE DEV_ID=" + std::to_string(id)), "0");
}

std::int32_t Add_Group(const std::string& name, std::int32_t parent) {
    return Add_Device(name, "", "", 0, 0, 0, 0, "", parent, 1, "", "tester");
}

TEST(Devices, AGroupNeverMovesIntoItselfOrBelowItself) {
    TestDatabase db;
    const std::int32_t x = Add_Group("X", 1);
    const std::int32_t y = Add_Group("Y", x);
    const std::int32_t z = Add_Group("Z", y);
    const StoreDateTime at{2024, 5, 1, 9, 0, 0};
    for (std::int32_t target : {x, y, z}) EXPECT_FALSE(Move_Device(x, target, 1, at, "u", "")) << target;
    EXPECT_FALSE(Move_Device(1, z, 0, at, "u", ""));  // nor the root group into its own tree
    ASSERT_EQ(db.reporter.boxes.size(), 4u);
    EXPECT_NE(db.reporter.boxes.front().find(Move_Into_Itself_Text), std::string::npos);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM TRANSFER_TRACK"), "0");
    EXPECT_EQ(db.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(x)), "1");

    // A loop another program stored: the walk up ends on it, a group beside
    // it may go in, a member may not go below itself, and moving out mends it.
    const std::int32_t a = Add_Group("A", 1);
    const std::int32_t b = Add_Group("B", a);
    db.Exec("UPDATE DEV_TBL SET PARENT=" + std::to_string(b) + " WHERE DEV_ID=" + std::to_string(a));
    EXPECT_TRUE(Move_Device(x, a, 1, at, "u", ""));
    EXPECT_EQ(db.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(x)), std::to_string(a));
    EXPECT_FALSE(Move_Device(a, b, b, at, "u", ""));
    EXPECT_TRUE(Move_Device(a, 1, b, at, "u", ""));
    EXPECT_EQ(db.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(a)), "1");
    // A computer goes into any group, below or beside.
    const std::int32_t pc = Add_Computer("PC1");
    EXPECT_TRUE(Move_Device(pc, z, 1, at, "u", ""));
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM TRANSFER_TRACK"), "3");
}

TEST(Devices, AGroupWithMembersIsNotDeleted) {
    TestDatabase db;
    const std::int32_t g = Add_Group("G", 1);
    const std::int32_t sub = Add_Group("Sub", g);
    for (bool full : {false, true}) {
        EXPECT_FALSE(Delete_Device(g, full));
        EXPECT_FALSE(Delete_Device(1, full));
    }
    ASSERT_EQ(db.reporter.boxes.size(), 4u);
    EXPECT_NE(db.reporter.boxes.back().find(Group_Has_Members_Text), std::string::npos);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_ID IN (1," + std::to_string(g) + ")"), "2");
    // Empty, or its own parent only: it goes.
    EXPECT_TRUE(Delete_Device(sub));
    db.Exec("UPDATE DEV_TBL SET PARENT=DEV_ID WHERE DEV_ID=" + std::to_string(g));
    EXPECT_TRUE(Delete_Device(g, true));
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_ID=" + std::to_string(g)), "0");
}

TEST(Devices, ListsOrderGroupsFirstAndFilterByType) {
    TestDatabase db;
    std::int32_t group = Add_Device("Branch", "", "", 0, 0x9003, 0, 0, "", 1, 1, "", "me");
    Add_Device("b-pc", "", "", 0, 0, 0, 0, "", group, 2, "", "me");
    Add_Computer("A-PC", "alice", "secret");
    std::int32_t rows = 0;
    SqlResult list;
    ASSERT_TRUE(Get_Device_List(rows, list, 0));
    ASSERT_EQ(rows, 4);
    EXPECT_EQ(list.Text(0, 6), "DEV_TYPE_PIC");
    EXPECT_EQ(list.Text(1, 4), "1");  // groups first
    EXPECT_EQ(list.Text(2, 0), "Branch");
    EXPECT_EQ(list.Text(3, 0), "A-PC");  // parent 1 before parent Branch
    EXPECT_EQ(list.Text(3, 1), "alice");
    EXPECT_EQ(list.Text(3, 2), "secret");
    EXPECT_EQ(list.Text(3, 6), "Computer");
    ASSERT_TRUE(Get_Device_List(rows, list, 2));
    ASSERT_EQ(rows, 2);
    EXPECT_EQ(list.Text(1, 0), "A-PC");
    // A group's comment stays empty whatever its type bits.
    EXPECT_EQ(db.Scalar("SELECT COMMENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(group)), "");
    EXPECT_EQ(Get_Device_Type(group), 1);
    EXPECT_EQ(Get_Device_Type(9999), 0);
    EXPECT_EQ(Count_Group_Members(group, rows), 1);
    EXPECT_EQ(Count_Group_Members(1, rows), 2);  // direct members only
    SqlResult types;
    ASSERT_TRUE(Get_Device_Types(types));
    ASSERT_GE(types.Data_Row_Count(), 2u);
    SqlResult inventory;
    ASSERT_TRUE(Get_Group_Inventory(1, rows, inventory, 0));
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(inventory.Column_Count(), 20u);
    ASSERT_TRUE(Get_Group_Inventory(1, rows, inventory, 2));
    EXPECT_EQ(rows, 1);
}

// The kind a click asks is kept in memory, but never past a write of this
// process or into another data file: a stale kind would refuse a computer
// or list a group as one.
TEST(Devices, KeptKindFollowsEveryWriteAndEveryDataFile) {
    std::int32_t id = 0;
    {
        TestDatabase db;
        id = Add_Computer("PC1");
        EXPECT_EQ(Kept_Device_Type(id), 2);
        ASSERT_TRUE(Execute_SQL("UPDATE DEV_TBL SET DEV_TYPE_ID=1 WHERE DEV_ID=" + std::to_string(id)));
        EXPECT_EQ(Kept_Device_Type(id), 1);
        EXPECT_EQ(Kept_Device_Type(9999), 0);
    }
    TestDatabase other;  // only the data file moved: nothing written yet
    EXPECT_EQ(Kept_Device_Type(id), 0);
    ASSERT_EQ(Add_Device("Branch", "", "", 0, 0, 0, 0, "", 1, 1, "", "me"), id);
    EXPECT_EQ(Kept_Device_Type(id), 1);
}

TEST(Devices, ServerTypeNamesFollowTheBitsInOrder) {
    TestDatabase db;
    std::int32_t id = Add_Device("SRV", "", "", 500, 0x9003, 5, 2, "", 1, 2, "", "me");
    EXPECT_EQ(db.Scalar("SELECT COMMENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id)),
              "WorkStation, Server, Workstation or Server, Server but not Domain Controller");
    ASSERT_TRUE(Update_Device_Network_Info(id, 500, 0x10003, 5, 2, "", "D"));
    EXPECT_EQ(db.Scalar("SELECT COMMENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id)),
              "WorkStation, Server, Browser Service Computer");
    std::string text;
    Server_Type_Text(static_cast<std::int32_t>(0x8C000000u), text);
    EXPECT_EQ(text, "Primary Domain");  // 0x4000000 and 0x8000000 have no name
}

TEST(Devices, CredentialsAreCutTo255CharactersBeforeScrambling) {
    TestDatabase db;
    std::int32_t id = Add_Computer("PC");
    std::string long_pwd;
    for (int i = 0; i < 300; ++i) long_pwd += (i % 7 == 0) ? "'" : "ж";
    ASSERT_TRUE(Set_Device_Credentials(id, "u", long_pwd));
    std::string user, pwd, domain = "untouched";
    ASSERT_TRUE(Get_Device_Credentials(id, user, pwd, domain));
    EXPECT_EQ(pwd, Cut_Characters(long_pwd, 255));
    EXPECT_EQ(domain, "");
    // No row: outputs untouched, still True.
    user = "keep";
    ASSERT_TRUE(Get_Device_Credentials(4242, user, pwd, domain));
    EXPECT_EQ(user, "keep");
}

TEST(Devices, CredentialsWithControlCharactersAreRefusedNotCorrupted) {
    TestDatabase db;
    std::int32_t id = Add_Computer("PC");
    ASSERT_TRUE(Set_Device_Credentials(id, "admin", "abcdefgh ij"));
    // The tab at position 9 would scramble into NUL and vanish from the statement.
    EXPECT_FALSE(Set_Device_Credentials(id, "admin", "abcdefgh\tij"));
    EXPECT_FALSE(Set_Device_Credentials(id, "ad\nmin", "pw"));
    ASSERT_EQ(db.reporter.boxes.size(), 2u);
    EXPECT_NE(db.reporter.boxes[0].find(Credentials_Control_Character_Text), std::string::npos);
    std::string user, pwd, domain;
    ASSERT_TRUE(Get_Device_Credentials(id, user, pwd, domain));
    EXPECT_EQ(user, "admin");
    EXPECT_EQ(pwd, "abcdefgh ij");  // the earlier credentials stay
    EXPECT_EQ(Add_Device("PC2", "u", std::string("p\0w", 3), 0, 0, 0, 0, "", 1, 2, "", "me"), 0);
    EXPECT_EQ(Get_Device_ID("PC2", 2), 0);
    // Every other character, at every position, comes back as it went in.
    std::string all;
    for (int c = 0x20; c < 0x7F; ++c) all += static_cast<char>(c);
    all += "\xC3\xA9\xD0\x96\xF0\x9F\x98\x80";
    ASSERT_TRUE(Set_Device_Credentials(id, all, all.substr(7)));
    ASSERT_TRUE(Get_Device_Credentials(id, user, pwd, domain));
    EXPECT_EQ(user, all);
    EXPECT_EQ(pwd, all.substr(7));
}

TEST(Devices, MacAddressesAreWrittenOnceAndReadWithoutBlanks) {
    TestDatabase db;
    std::int32_t id = Add_Computer("PC");
    std::vector<std::string> macs = {"stale"};
    ASSERT_TRUE(Get_Device_MAC(id, macs));
    EXPECT_TRUE(macs.empty());
    ASSERT_TRUE(Set_Device_MAC(id, "00:11:22:33:44:55, 66:77:88:99:AA:BB", true));
    ASSERT_TRUE(Set_Device_MAC(id, "FF:FF:FF:FF:FF:FF", true));
    ASSERT_TRUE(Get_Device_MAC(id, macs));
    EXPECT_EQ(macs, (std::vector<std::string>{"00:11:22:33:44:55", "66:77:88:99:AA:BB"}));
    macs = {"untouched"};
    EXPECT_FALSE(Get_Device_MAC(9999, macs));
    EXPECT_EQ(macs, std::vector<std::string>{"untouched"});
    EXPECT_TRUE(db.reporter.boxes.empty());
}

TEST(Devices, DefaultNameNumberAndMoveLogCut) {
    TestDatabase db;
    Add_Computer("NewComputer2");
    Add_Computer("NewComputer10");
    Add_Computer("newcomputerX");
    SqlResult last;
    std::int32_t rows = 0;
    ASSERT_TRUE(Get_Last_Name_Number(2, "NewComputer", last, rows));
    ASSERT_EQ(rows, 1);
    EXPECT_EQ(last.Text(0, 0), "DEV_NAME1");
    EXPECT_EQ(last.Number(1, 0), 10);

    std::int32_t group = Add_Device("G", "", "", 0, 0, 0, 0, "", 1, 1, "", "me");
    std::int32_t pc = Add_Computer("M");
    std::string user(49, 'a');
    user += "'bcdefghij";  // the quote is character 50
    ASSERT_TRUE(Move_Device(pc, group, 1, StoreDateTime{2024, 3, 5, 14, 7, 9}, user, std::string(300, 'r')));
    SqlResult log = db.Query("SELECT TRANSFER_WUSER, REMARKS, TRANSFER_DATE, DEST_GRP_ID, SRC_GRP_ID FROM TRANSFER_TRACK");
    EXPECT_EQ(log.Text(1, 0), std::string(49, 'a') + "'");
    EXPECT_EQ(log.Text(1, 1).size(), 255u);
    EXPECT_EQ(log.Text(1, 2), "2024-03-05 14:07:09");
    EXPECT_EQ(db.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(pc)), std::to_string(group));
}

TEST(Devices, SameDomainNeedsTwoListedComputers) {
    TestDatabase db;
    Add_Computer("A");
    Add_Computer("B");
    EXPECT_TRUE(Is_Same_Domain("A", "B"));  // both empty
    EXPECT_FALSE(Is_Same_Domain("A", "NOT-LISTED"));
    EXPECT_FALSE(Is_Same_Domain("a", "B"));  // names compare with case
    EXPECT_FALSE(Is_Same_Domain("x' OR 1=1 --", "B"));
    EXPECT_TRUE(db.reporter.boxes.empty());
}

TEST(Devices, NewestAssetRecordIsCurrentAndNewRowsTakeTheDefaults) {
    TestDatabase db;
    std::int32_t id = Add_Computer("PC");
    EXPECT_EQ(db.Scalar("SELECT DEV_MAC || '|' || ACTIVE FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id)), "|1");
    SqlResult details;
    ASSERT_TRUE(Get_Device_Details(id, details));
    EXPECT_EQ(details.Data_Row_Count(), 1u);
    EXPECT_EQ(details.Text(1, 2), "PC");
    EXPECT_TRUE(details.Is_Null(1, 1));
    for (const char* maker : {"First", "Second"})
        ASSERT_TRUE(Save_Device_Details(id, "", "", "", "", maker, "", "", "", "", "", "", "", "", "", "", "", "", "",
                                        "", ""));
    ASSERT_TRUE(Get_Device_Details(id, details));
    EXPECT_EQ(details.Text(1, 7), "Second");
    SqlResult inventory;
    std::int32_t rows = 0;
    ASSERT_TRUE(Get_Group_Inventory(1, rows, inventory, 2));
    EXPECT_EQ(inventory.Text(1, 5), "Second");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DEV_SPECS"), "2");
}

TEST(Devices, NextNewNameCountsWholeNumbersPerTypeWithoutOverflow) {
    TestDatabase db;
    auto group = [](const std::string& name) { return Add_Device(name, "", "", 0, 0, 0, 0, "", 1, 1, "", "me"); };
    std::string name;
    Get_Next_New_Name(1, "Group", name);
    EXPECT_EQ(name, "NewGroup1");
    group("NewGroup1.5");  // not a whole number: counts as 0
    Get_Next_New_Name(1, "Group", name);
    EXPECT_EQ(name, "NewGroup1");
    group("NewGroup1");
    Get_Next_New_Name(1, "Group", name);
    EXPECT_EQ(name, "NewGroup2");  // 1.5 does not hide the 1
    group("NewGroup9");
    group("newgroup70");  // other letter case
    group("NewGroup 80");
    group("NewGroup1e5");
    Add_Computer("NewGroup500");  // another type
    Get_Next_New_Name(1, "Group", name);
    EXPECT_EQ(name, "NewGroup10");
    group("NewGroup0099");
    Get_Next_New_Name(1, "Group", name);
    EXPECT_EQ(name, "NewGroup100");
    group("NewGroup99999999999");
    Get_Next_New_Name(1, "Group", name);
    EXPECT_EQ(name, "NewGroup100000000000");
    group("NewGroup99999999999999999999999");  // beyond 64 bits
    Get_Next_New_Name(1, "Group", name);
    EXPECT_EQ(name, "NewGroup100000000000000000000000");
    Get_Next_New_Name(2, "Computer", name);
    EXPECT_EQ(name, "NewComputer1");

    // A caption with a quote and letters beyond ASCII.
    Add_Device("NewGerät's3", "", "", 0, 0, 0, 0, "", 1, 3, "", "me");
    Get_Next_New_Name(3, "Gerät's", name);
    EXPECT_EQ(name, "NewGerät's4");
    EXPECT_TRUE(db.reporter.boxes.empty());

    EXPECT_EQ(Next_Decimal(""), "1");
    EXPECT_EQ(Next_Decimal("0"), "1");
    EXPECT_EQ(Next_Decimal("009"), "10");
    EXPECT_EQ(Next_Decimal("1299"), "1300");
    EXPECT_EQ(Next_Decimal("9223372036854775807"), "9223372036854775808");
    EXPECT_EQ(Next_Decimal("1.5"), "1");
    EXPECT_EQ(Next_Decimal("-3"), "1");
}

TEST(Devices, CurrentAssetRecordIsTheHighestKeyAndAGoneComputerGetsNone) {
    TestDatabase db;
    std::int32_t id = Add_Computer("PC");
    for (const char* maker : {"Older", "Newer"})
        ASSERT_TRUE(Save_Device_Details(id, "", "", "", "", maker, "", "", "", "", "", "", "", "", "", "", "", "", "",
                                        "", ""));
    // A clock set back between the saves must not bring the older one back.
    db.Exec("UPDATE DEV_SPECS SET ADDED_DATE='2999-01-01 00:00:00.000' WHERE MANUFACTURER='Older'");
    SqlResult details;
    ASSERT_TRUE(Get_Device_Details(id, details));
    EXPECT_EQ(details.Text(1, details.Column_Index("Manufacturer").value()), "Newer");
    SqlResult inventory;
    std::int32_t rows = 0;
    ASSERT_TRUE(Get_Group_Inventory(1, rows, inventory, 0));
    EXPECT_EQ(inventory.Text(1, 5), "Newer");

    ASSERT_TRUE(Delete_Device(id, true));
    EXPECT_FALSE(Save_Device_Details(id, "alias", "", "", "", "Ghost", "", "", "", "", "", "", "", "", "", "", "", "",
                                     "", "", ""));
    EXPECT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DEV_SPECS WHERE DEV_ID=" + std::to_string(id)), "0");
}

}  // namespace
}  // namespace crv
