#include <gtest/gtest.h>

#include <string>

#include "store/reports.h"
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

}  // namespace
}  // namespace crv
