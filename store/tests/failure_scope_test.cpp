// Store failures inside a run: one box for the run, nothing left pending,
// and the run told to stop. The locks are real: a second connection holds
// the file as another program would.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/error.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/scans.h"
#include "store/settings.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"

namespace crv {
namespace {

using test::DatabaseLock;
using test::TestDatabase;

TEST(StoreFailures, AFailedScanSaveIsShownOnceAndLeavesNothingPending) {
    TestDatabase db;
    db.Exec("CREATE TRIGGER refuse BEFORE INSERT ON SCAN_DETAILS BEGIN SELECT RAISE(ABORT, 'refused row'); END");
    ListModel list;
    list.Add_Item("Name\x0B" "1", "    Name")->Set_Sub_Item(1, "v");
    EXPECT_FALSE(Save_Scan({2024, 3, 5}, 1, 4, list));
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("refused row"), std::string::npos) << db.reporter.boxes[0];
    // A later "show what is pending" has nothing stale to repeat.
    EXPECT_TRUE(Pending_Error().empty()) << Pending_Error().description;
}

TEST(StoreFailures, ALockedFileGivesOneBoxPerScopeAndStopsTheRun) {
    TestDatabase db;
    SqlResult devices;
    {
        DatabaseLock lock(db);
        StoreFailureScope run;
        EXPECT_FALSE(run.Failed());
        EXPECT_EQ(Get_Scanned_Devices({2024, 3, 5}, devices), 0);
        EXPECT_TRUE(run.Failed());  // told apart from "no computer scanned that day"
        {
            StoreFailureScope inner;  // a nested loop: the same run, no second box
            EXPECT_FALSE(Get_Vertical_Listing());
            EXPECT_TRUE(inner.Failed());
        }
        ASSERT_EQ(db.reporter.boxes.size(), 1u);
        EXPECT_NE(db.reporter.boxes[0].find("database is locked"), std::string::npos) << db.reporter.boxes[0];
        EXPECT_TRUE(Pending_Error().empty());
    }
    // The run is over and the lock gone: the store works and boxes again.
    EXPECT_EQ(Get_Scanned_Devices({2024, 3, 5}, devices), 0);
    EXPECT_FALSE(Execute_SQL("UPDATE NO_TABLE SET X=1"));
    EXPECT_EQ(db.reporter.boxes.size(), 2u);
    {
        StoreFailureScope inner_first;
        StoreFailureScope inner;
        EXPECT_FALSE(Execute_SQL("UPDATE NO_TABLE SET X=1"));
        EXPECT_TRUE(inner_first.Failed());  // an inner failure is the outer run's too
    }
    EXPECT_EQ(db.reporter.boxes.size(), 3u);
}

TEST(StoreFailures, AMissingDataFileFailsARunWithOneBoxButStaysSilentOutsideOne) {
    TestDatabase db;
    std::filesystem::remove(db.Path());
    EXPECT_FALSE(Get_Vertical_Listing());
    EXPECT_TRUE(db.reporter.boxes.empty());
    StoreFailureScope run;
    std::string user, password, domain;
    EXPECT_FALSE(Get_Device_Credentials(2, user, password, domain));
    EXPECT_FALSE(Get_Vertical_Listing());
    EXPECT_TRUE(run.Failed());
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("tqinfo.ocx"), std::string::npos);
    EXPECT_TRUE(Pending_Error().empty());
}

}  // namespace
}  // namespace crv
