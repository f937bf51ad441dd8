// Store failures inside a run: one box for the run, nothing left pending,
// and the run told to stop. The locks are real: a second connection holds
// the file as another program would.
#include <gtest/gtest.h>

#include <chrono>
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

TEST(StoreFailures, AfterItsBoxARunNoLongerWaitsForTheLockButStillDoesWhatTheFileTakes) {
    TestDatabase db;
    const std::int32_t first = Add_Device("PC-1", "u", "p", 0, 0, 0, 0, "", 1, 2, "", "t");
    const std::int32_t second = Add_Device("PC-2", "u", "p", 0, 0, 0, 0, "", 1, 2, "", "t");
    ASSERT_GT(second, 0);
    {
        StoreFailureScope run;
        DatabaseLock lock(db);
        EXPECT_FALSE(Set_Device_Credentials(first, "a", "b"));  // waits out the busy time once
        const auto later = std::chrono::steady_clock::now();
        for (int i = 0; i < 10; ++i) EXPECT_FALSE(Set_Device_Credentials(second, "a", "b"));
        EXPECT_LT(std::chrono::steady_clock::now() - later, std::chrono::seconds(2));
        EXPECT_EQ(db.reporter.boxes.size(), 1u);
        // Freed, the rest of the run is stored again.
        lock.Release();
        EXPECT_TRUE(Set_Device_Credentials(second, "a", "b"));
    }
    std::string user, password, domain;
    ASSERT_TRUE(Get_Device_Credentials(second, user, password, domain));
    EXPECT_EQ(user, "a");
    ASSERT_TRUE(Get_Device_Credentials(first, user, password, domain));
    EXPECT_EQ(user, "u");
    EXPECT_EQ(db.reporter.boxes.size(), 1u);
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
