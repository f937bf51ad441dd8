// The access layer: finding the data file, the routine shape, SqlResult,
// the generic routines and the optimisation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "store/access.h"
#include "store/scans.h"
#include "store/settings.h"
#include "store/sql_text.h"
#include "store/store.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"

namespace crv {
namespace {

using test::TestDatabase;

TEST(StoreValues, FlagsAndNumbersReadTheStoredForms) {
    EXPECT_TRUE(Text_Flag("True"));
    EXPECT_TRUE(Text_Flag("true"));
    EXPECT_TRUE(Text_Flag("-1"));
    EXPECT_TRUE(Text_Flag("1"));
    EXPECT_FALSE(Text_Flag("False"));
    EXPECT_FALSE(Text_Flag("0"));
    EXPECT_FALSE(Text_Flag(""));
    EXPECT_FALSE(Text_Flag("Truex"));
    EXPECT_EQ(Text_Number(" -42abc"), -42);
    EXPECT_EQ(Text_Number("x1"), 0);
    EXPECT_EQ(Text_Number("12.7"), 12);
    // Past the 64-bit range: the nearest limit, never a wrap or an overflow.
    EXPECT_EQ(Text_Number("18446744073709551615"), INT64_MAX);
    EXPECT_EQ(Text_Number(" -9223372036854775808"), INT64_MIN);
    EXPECT_EQ(Text_Number("-99999999999999999999"), INT64_MIN);
}

TEST(StoreValues, QuotingCutsByCharactersBeforeDoubling) {
    EXPECT_EQ(Sql_Quote("O'Brien's PC"), "'O''Brien''s PC'");
    // Cut first: the quote at the limit stays a whole doubled quote.
    EXPECT_EQ(Sql_Quote("abc'def", 4), "'abc'''");
    // Characters, not bytes: two-byte ë and Cyrillic letters stay whole.
    EXPECT_EQ(Cut_Characters("Zoë's", 3), "Zoë");
    EXPECT_EQ(Cut_Characters("Пётр", 2), "Пё");
    EXPECT_EQ(Cut_Characters("short", 50), "short");
    EXPECT_EQ(Sql_Quote(std::string("a\0b", 3)), "'ab'");
}

TEST(StoreValues, ResultCellsTellNullFromEmptyText) {
    SqlResult r({"A", "B"}, {{std::string(""), std::nullopt}});
    EXPECT_TRUE(r.Has_Table());
    EXPECT_EQ(r.Row_Count(), 2u);
    EXPECT_EQ(r.Text(0, 1), "B");
    EXPECT_FALSE(r.Is_Null(1, 0));
    EXPECT_TRUE(r.Is_Null(1, 1));
    EXPECT_EQ(r.Text(1, 1), "");
    EXPECT_EQ(r.Number(1, 1), 0);
    EXPECT_FALSE(r.Flag(1, 1));
    EXPECT_TRUE(r.Is_Null(5, 5));
    EXPECT_EQ(r.Column_Index("b"), 1u);
    EXPECT_FALSE(SqlResult().Has_Table());
}

TEST(DatabasePath, ProgramFolderFirstThenSystemDirectoryThenNothing) {
    TestDatabase db;
    auto other = db.Folder() / "system";
    std::filesystem::create_directories(other);
    std::filesystem::copy_file(db.Path(), other / "tqinfo.ocx");
    std::string program = db.Folder().string(), system = other.string();

    StoreEnvironment env;
    env.program_folder = [program] { return program; };
    env.system_directory = [system] { return system; };
    Set_Store_Environment(env);
    EXPECT_EQ(std::filesystem::path(Get_Database_Path()), db.Folder() / "tqinfo.ocx");

    std::filesystem::remove(db.Folder() / "tqinfo.ocx");
    EXPECT_EQ(std::filesystem::path(Get_Database_Path()), other / "tqinfo.ocx");

    std::filesystem::remove(other / "tqinfo.ocx");
    EXPECT_EQ(Get_Database_Path(), "");
    // No file anywhere: no connection, every routine fails without a box.
    EXPECT_EQ(Open_Database(""), 0);
    SqlResult settings;
    EXPECT_FALSE(Get_Settings(settings));
    EXPECT_FALSE(Execute_SQL("UPDATE SETTINGS_TBL SET WORK_ONLINE='False'"));
    EXPECT_TRUE(db.reporter.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(db.Folder() / "tqinfo.ocx"));
}

TEST(AccessLayer, GenericRoutinesReturnAliasesAndReportSqliteMessage) {
    TestDatabase db;
    SqlResult r;
    std::int32_t rows = -1;
    ASSERT_TRUE(Get_SQL_Result(rows, r, "SELECT DEV_NAME AS DEV_NAME1 FROM DEV_TBL WHERE DEV_ID=1"));
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(r.Text(0, 0), "DEV_NAME1");
    ASSERT_TRUE(Get_SQL_Result(rows, r, "SELECT DEV_NAME FROM DEV_TBL WHERE DEV_ID=-7"));
    EXPECT_EQ(rows, 0);

    rows = 5;
    EXPECT_FALSE(Get_SQL_Result(rows, r, "SELECT NOPE FROM DEV_TBL"));
    EXPECT_EQ(rows, 5);  // kept on failure
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("no such column: NOPE"), std::string::npos) << db.reporter.boxes[0];

    EXPECT_TRUE(Execute_SQL("UPDATE SETTINGS_TBL SET TLB_VISIBILITY=5 WHERE SETTINGS_ID=1"));
    EXPECT_EQ(db.Scalar("SELECT TLB_VISIBILITY FROM SETTINGS_TBL"), "5");
    EXPECT_FALSE(Execute_SQL("UPDATE NO_TABLE SET X=1"));
    EXPECT_EQ(db.reporter.boxes.size(), 2u);
}

// A library that fails chosen statements, to show how saves end.
struct FailingLibrary {
    static inline const AccessLibrary* real = nullptr;
    static inline std::string fail_prefix;
    static inline int fail_after = 0;  // matching statements that still run
    static std::int32_t Get_Table(std::int32_t handle, const char* sql, const char* const** table,
                                  std::int32_t* columns, const char** error_text) {
        if (std::string(sql).rfind(fail_prefix, 0) == 0 && fail_after-- <= 0) {
            static const char* const none[1] = {nullptr};
            *table = none;
            *columns = 0;
            *error_text = "database is locked";
            return 5;
        }
        return real->get_table(handle, sql, table, columns, error_text);
    }
    // Statements bound over many rows fail at the row where a text would.
    static std::int32_t Exec_Rows(std::int32_t handle, const char* const* sqls, std::int32_t statements,
                                  const char* types, std::int32_t params, std::int32_t rows,
                                  const char* const* values, const char** error_text) {
        bool matches = false;
        for (std::int32_t s = 0; s < statements; ++s) matches |= std::string(sqls[s]).rfind(fail_prefix, 0) == 0;
        if (!matches || fail_after >= rows) {
            if (matches) fail_after -= rows;
            return real->exec_rows(handle, sqls, statements, types, params, rows, values, error_text);
        }
        std::int32_t ran = fail_after > 0 ? fail_after : 0;
        fail_after = 0;
        if (ran > 0) real->exec_rows(handle, sqls, statements, types, params, ran, values, error_text);
        *error_text = "database is locked";
        return 5;
    }
    static AccessLibrary Make() {
        real = Default_Access_Library();
        AccessLibrary lib = *real;
        lib.get_table = Get_Table;
        lib.exec_rows = Exec_Rows;
        return lib;
    }
};

TEST(AccessLayer, OptimizeStampsLastOptimizeAndFailsQuietly) {
    TestDatabase db;
    StoreEnvironment env;
    std::string folder = db.Folder().string();
    env.program_folder = [folder] { return folder; };
    env.now = [] { return StoreDateTime{2024, 3, 5, 7, 8, 9}; };
    Set_Store_Environment(env);

    SqlResult settings;
    ASSERT_TRUE(Get_Settings(settings));
    EXPECT_TRUE(settings.Is_Null(1, 1));  // never optimised
    EXPECT_EQ(settings.Text(1, 1), "");

    ASSERT_TRUE(Optimize_Database());
    ASSERT_TRUE(Get_Settings(settings));
    EXPECT_EQ(settings.Text(1, 1), "2024-03-05 07:08:09");

    // VACUUM or REINDEX failing (another program holds the file): no box,
    // no stamp.
    static AccessLibrary failing = FailingLibrary::Make();
    for (const char* statement : {"VACUUM", "REINDEX"}) {
        ASSERT_TRUE(Execute_SQL("UPDATE SETTINGS_TBL SET LAST_OPTIMIZE=NULL"));
        Set_Access_Library(&failing);
        FailingLibrary::fail_prefix = statement;
        FailingLibrary::fail_after = 0;
        EXPECT_FALSE(Optimize_Database()) << statement;
        Set_Access_Library(nullptr);
        ASSERT_TRUE(Get_Settings(settings));
        EXPECT_TRUE(settings.Is_Null(1, 1)) << statement;
    }
    EXPECT_TRUE(db.reporter.boxes.empty());
}

void Fill_Rows(ListModel& list, int count, const std::string& tag) {
    for (int i = 0; i < count; ++i) {
        ListItem* item = list.Add_Item("Prop" + std::to_string(i) + "\x0B" + "1", "Caption " + tag);
        item->Set_Sub_Item(1, "value " + tag + " " + std::to_string(i));
        item->small_icon = "Info";
    }
}

TEST(AccessLayer, AFailureInTheMiddleOfASaveOrAFailedCommitLeavesTheFileAsItWas) {
    TestDatabase db;
    std::int32_t dev = 1;
    StoreDate date{2024, 1, 31};
    ListModel first;
    Fill_Rows(first, 3, "first");
    ASSERT_TRUE(Save_Scan(date, dev, 1, first));

    static AccessLibrary failing = FailingLibrary::Make();
    Set_Access_Library(&failing);
    ListModel second;
    Fill_Rows(second, 5, "second");

    // The third detail insert fails.
    FailingLibrary::fail_prefix = "INSERT INTO SCAN_DETAILS";
    FailingLibrary::fail_after = 2;
    EXPECT_FALSE(Save_Scan(date, dev, 1, second));
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("database is locked"), std::string::npos);

    // Every statement runs, the COMMIT fails: reported, nothing kept.
    FailingLibrary::fail_prefix = "COMMIT";
    FailingLibrary::fail_after = 0;
    EXPECT_FALSE(Save_Scan(date, dev, 1, second));
    EXPECT_EQ(db.reporter.boxes.size(), 2u);
    Set_Access_Library(nullptr);

    SqlResult details;
    ASSERT_TRUE(Get_Scan_Details(date, dev, 1, details));
    ASSERT_EQ(details.Data_Row_Count(), 3u);
    EXPECT_EQ(details.Text(1, 1), "value first 0");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM SCAN_HEAD"), "1");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM SCAN_DETAILS"), "3");
}

}  // namespace
}  // namespace crv

namespace crv {
namespace {

// What is kept in memory from the store is dropped on this count: a write
// that left it would leave stale copies behind.
TEST(AccessLayer, EveryStatementButASelectCountsAsAChange) {
    TestDatabase db;
    SqlResult result;
    std::int32_t rows = 0;
    std::uint64_t count = Store_Change_Count();
    ASSERT_TRUE(Get_SQL_Result(rows, result, " \n select COUNT(*) FROM PROPS_TBL"));
    ASSERT_TRUE(Get_SQL_Result(rows, result, "SELECT(1)"));
    EXPECT_EQ(Store_Change_Count(), count);
    for (const char* sql : {"UPDATE PROPS_TBL SET ACTIVE=ACTIVE WHERE 0", "SELECTED", "WITH t AS (SELECT 1) SELECT * "
                            "FROM t", "DELETE FROM PROPS_TBL WHERE 0"}) {
        count = Store_Change_Count();
        Get_SQL_Result(rows, result, sql);
        EXPECT_GT(Store_Change_Count(), count) << sql;
        Clear_Error();
    }
}

TEST(AccessLayer, ExecuteRunsOneStatementAndRefusesASecond) {
    EXPECT_TRUE(Is_Single_Statement("UPDATE T SET A='x;y' WHERE B=1"));
    EXPECT_TRUE(Is_Single_Statement("UPDATE T SET A='it''s; fine';  -- trailing comment\n  /* and; this */ "));
    EXPECT_TRUE(Is_Single_Statement("UPDATE \"T;1\" SET [A;B]=`x;`"));
    EXPECT_FALSE(Is_Single_Statement("UPDATE T SET A='x'; DELETE FROM T"));
    EXPECT_FALSE(Is_Single_Statement("UPDATE T SET A='x'';'; DROP TABLE T"));
    EXPECT_FALSE(Is_Single_Statement("SELECT 1;;"));
    EXPECT_FALSE(Is_Single_Statement("SELECT 1; /* c */ SELECT 2"));

    test::TestDatabase db;
    // A cut that left a lone quote at the end of a value would close the
    // literal early and run the rest as SQL: refused whole, nothing runs.
    EXPECT_FALSE(Execute_SQL("UPDATE SETTINGS_TBL SET TLB_VISIBILITY='7' WHERE SETTINGS_ID=1; "
                             "DELETE FROM DEV_TBL"));
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("more than one SQL statement"), std::string::npos);
    EXPECT_NE(db.Scalar("SELECT TLB_VISIBILITY FROM SETTINGS_TBL"), "7");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_ID=1"), "1");
    EXPECT_TRUE(Execute_SQL("UPDATE SETTINGS_TBL SET TLB_VISIBILITY='a;b' WHERE SETTINGS_ID=1;"));
    EXPECT_EQ(db.Scalar("SELECT TLB_VISIBILITY FROM SETTINGS_TBL"), "a;b");
}

// A library without the row runner stores a scan exactly as one with it:
// the same catalogue rows and the same details, quotes and NULs included.
TEST(AccessLayer, ScanSaveWithoutTheRowRunnerStoresTheSameRows) {
    TestDatabase db;
    ListModel list;
    const char* values[] = {"plain", "O'Brien's \"PC\"", std::string("nul\0inside", 10).c_str(), "Кирилл"};
    std::string nul_value("nul\0inside", 10);
    for (int i = 0; i < 4; ++i) {
        ListItem* item = list.Add_Item("Prop" + std::to_string(i % 3) + "\x0B" + std::to_string(i / 3 + 1),
                                       "  Caption " + std::to_string(i) + "  ");
        item->Set_Sub_Item(1, i == 2 ? nul_value : values[i]);
        item->small_icon = i == 0 ? "Header" : "Info";
        item->bold = i == 0;
    }
    const std::string details =
        "SELECT group_concat(D.PROP_NAME || '|' || VALUE || '|' || IMAGE || '|' || PROP_BOLD || '|' || "
        "IFNULL((SELECT P.PROP_NAME FROM PROPS_TBL P WHERE P.PROP_ID=D.PROP_ID), 'null') || '|' || SECTION_ID, ';') "
        "FROM (SELECT * FROM SCAN_DETAILS WHERE DEV_ID=1 AND FEATURE_ID=FID ORDER BY rowid) D";
    auto stored = [&](int feature) {
        std::string sql = details;
        sql.replace(sql.find("FID"), 3, std::to_string(feature));
        return db.Scalar(sql) + " / " +
               db.Scalar("SELECT group_concat(PROP_NAME || '=' || PROP_DISP_NAME || '@' || LIST_ORDER, ';') FROM "
                         "(SELECT * FROM PROPS_TBL WHERE FEATURE_ID=" +
                         std::to_string(feature) + " ORDER BY PROP_NAME)");
    };
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 2, 1}, 1, 901, list));
    static AccessLibrary without = [] {
        AccessLibrary lib = *Default_Access_Library();
        lib.exec_rows = nullptr;
        return lib;
    }();
    Set_Access_Library(&without);
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 2, 1}, 1, 902, list));
    Set_Access_Library(nullptr);
    std::string with_runner = stored(901);
    EXPECT_NE(with_runner.find("O'Brien's \"PC\""), std::string::npos) << with_runner;
    EXPECT_NE(with_runner.find("nulinside"), std::string::npos) << with_runner;
    EXPECT_NE(with_runner.find("Prop1=Caption 1@2"), std::string::npos) << with_runner;
    EXPECT_EQ(with_runner, stored(902));
    EXPECT_TRUE(db.reporter.boxes.empty());
}

}  // namespace
}  // namespace crv
