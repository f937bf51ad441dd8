#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/reports.h"
#include "store/sql_statements.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

using test::TestDatabase;

std::string Replace_All(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(PredefinedReports, EveryShippedReportRunsAgainstTheSchema) {
    TestDatabase db;
    SqlResult all, active;
    ASSERT_TRUE(Get_Reports(all, true));
    ASSERT_TRUE(Get_Reports(active, false));
    EXPECT_GE(active.Data_Row_Count(), 12u);
    EXPECT_EQ(active.Text(0, 1), "REPORT_NAME");
    int with_dates = 0;
    for (std::size_t r = 1; r <= all.Data_Row_Count(); ++r) {
        std::string query;
        ASSERT_TRUE(Get_Report_Query(all.Text(r, 1), query)) << all.Text(r, 1);
        if (query.find("dateFrom") != std::string::npos) ++with_dates;
        query = Replace_All(Replace_All(query, "dateFrom", "2024-01-01"), "dateTo", "2024-02-01");
        SqlResult result;
        EXPECT_TRUE(Run_Report_Query(query, result)) << all.Text(r, 1) << ": " << Pending_Error().description;
        EXPECT_TRUE(result.Has_Table());
    }
    EXPECT_GT(with_dates, 0);
    EXPECT_TRUE(db.reporter.boxes.empty());
}

TEST(PredefinedReports, ListFollowsOrderAndActiveAndUnknownNamesFailQuietly) {
    TestDatabase db(false);
    db.Exec("INSERT INTO REPORT_TBL (REPORT_NAME, REPORT_QUERY, ACTIVE, LIST_ORDER) VALUES "
            "('Second', 'SELECT 2 AS N', 1, 2), ('Hidden', 'SELECT 0', 0, 0), ('First''s', 'SELECT DEV_NAME FROM "
            "DEV_TBL WHERE DEV_ID=-1', 1, 1)");
    SqlResult list;
    ASSERT_TRUE(Get_Reports(list, false));
    ASSERT_EQ(list.Data_Row_Count(), 2u);
    EXPECT_EQ(list.Text(1, 1), "First's");
    ASSERT_TRUE(Get_Reports(list, true));
    EXPECT_EQ(list.Text(1, 1), "Hidden");

    std::string query = "unchanged";
    EXPECT_FALSE(Get_Report_Query("Nope", query));
    EXPECT_EQ(query, "unchanged");
    ASSERT_TRUE(Get_Report_Query("First's", query));
    SqlResult result;
    ASSERT_TRUE(Run_Report_Query(query, result));
    EXPECT_EQ(result.Data_Row_Count(), 0u);
    EXPECT_EQ(result.Text(0, 0), "DEV_NAME");
    EXPECT_TRUE(db.reporter.boxes.empty());
    EXPECT_FALSE(Run_Report_Query("SELECT dateFrom FROM DEV_TBL", result));
    EXPECT_EQ(db.reporter.boxes.size(), 1u);
}

TEST(PredefinedReports, StatementsAreCountedAsSqliteSplitsThem) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Sql_Statement_Keywords("select 1"), V{"SELECT"});
    EXPECT_EQ(Sql_Statement_Keywords("  SELECT 1;  ; -- done;\n /* ; */ "), V{"SELECT"});
    EXPECT_EQ(Sql_Statement_Keywords("SELECT 'a;b'';', \"c;\"\";\", `d;`, [e;] FROM T"), V{"SELECT"});
    EXPECT_EQ(Sql_Statement_Keywords("SELECT 1 -- x\n; delete FROM T"), (V{"SELECT", "DELETE"}));
    EXPECT_EQ(Sql_Statement_Keywords("SELECT 1 /* x */; PRAGMA query_only=0;DELETE FROM T"),
              (V{"SELECT", "PRAGMA", "DELETE"}));
    EXPECT_EQ(Sql_Statement_Keywords("/* open comment ; SELECT 2"), V{});
    EXPECT_EQ(Sql_Statement_Keywords("SELECT 'never closed ; DELETE"), V{"SELECT"});
    EXPECT_EQ(Sql_Statement_Keywords("(SELECT 1)"), V{""});
    EXPECT_TRUE(Is_Single_Query("WITH A AS (SELECT 1) SELECT * FROM A;"));
    EXPECT_TRUE(Is_Single_Query("values (1)"));
    EXPECT_FALSE(Is_Single_Query(""));
    EXPECT_FALSE(Is_Single_Query("-- only a comment"));
    EXPECT_FALSE(Is_Single_Query("DELETE FROM DEV_TBL"));
    EXPECT_FALSE(Is_Single_Query("ATTACH 'x.db' AS X"));
    EXPECT_FALSE(Is_Single_Query("SELECT 1; SELECT 2"));
}

TEST(PredefinedReports, AStoredQueryCannotChangeAnything) {
    TestDatabase db;
    db.Exec("INSERT INTO DEV_TBL (DEV_NAME, DEV_TYPE_ID, PARENT) VALUES ('PC1', 2, 1)");
    const std::string devices = db.Scalar("SELECT COUNT(*) FROM DEV_TBL");
    const std::string attached = (db.Folder() / "stolen.db").string();
    SqlResult result;
    const char* refused[] = {
        "DELETE FROM DEV_TBL",
        "SELECT 1; DELETE FROM DEV_TBL",
        "SELECT 1; PRAGMA query_only=OFF; DELETE FROM DEV_TBL",
        "ATTACH DATABASE 'stolen.db' AS S",
    };
    for (const char* sql : refused) {
        db.reporter.boxes.clear();
        EXPECT_FALSE(Run_Report_Query(sql, result)) << sql;
        ASSERT_EQ(db.reporter.boxes.size(), 1u) << sql;
        EXPECT_NE(db.reporter.boxes[0].find("exactly one query"), std::string::npos) << db.reporter.boxes[0];
    }
    // One statement that begins like a query and writes all the same.
    const std::string sneaky = "WITH X AS (SELECT 1) DELETE FROM DEV_TBL";
    const std::string attach = "ATTACH DATABASE '" + attached + "' AS S";
    db.reporter.boxes.clear();
    EXPECT_FALSE(Run_Report_Query(sneaky, result));
    EXPECT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_FALSE(Run_Report_Query(attach, result));
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DEV_TBL"), devices);
    EXPECT_FALSE(std::filesystem::exists(attached));
    // The refusal ends with the connection: the next routine writes again.
    db.Exec("INSERT INTO DEV_TBL (DEV_NAME, DEV_TYPE_ID, PARENT) VALUES ('PC2', 2, 1)");
    EXPECT_EQ(std::stoi(db.Scalar("SELECT COUNT(*) FROM DEV_TBL")), std::stoi(devices) + 1);
    // A query with a trailing ";" and comments still runs.
    db.reporter.boxes.clear();
    ASSERT_TRUE(Run_Report_Query("SELECT DEV_NAME FROM DEV_TBL WHERE DEV_NAME=';' -- none;\n;", result));
    EXPECT_EQ(result.Data_Row_Count(), 0u);
    EXPECT_TRUE(db.reporter.boxes.empty());
}

}  // namespace
}  // namespace crv
