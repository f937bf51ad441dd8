// The computer list manager's walks over many computers (Delete, the same
// credentials for all, Browse) on a file another program holds locked, and
// on a free file long enough to need the busy panel.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>

#include "core/error.h"
#include "dialogs/frm_manage_computers_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/computer_batch.h"
#include "store/devices.h"
#include "store/sql_text.h"
#include "store/tests/brief_lock.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono_literals::operator""ms;

ServerEntry Named(const std::string& name) {
    ServerEntry server;
    server.name = name;
    return server;
}

class ManageComputersWalksTest : public ::testing::Test {
protected:
    // Stores PC-0 .. PC-(count-1) with the credentials u / p and opens the dialog.
    void Open_With(int count) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) names.push_back("PC-" + std::to_string(i));
        if (count > 0) {
            ASSERT_TRUE(Add_Computers(names, "u", "p", "t"));
        }
        c_.network = &net_;
        c_.Form_Load();
        ASSERT_EQ(c_.lvwComputer.Item_Count(), static_cast<std::size_t>(count));
    }
    void Check_All() {
        c_.chkSelectAll = 1;
        c_.chkSelectAll_Click();
    }
    std::string Stored(const std::string& sql) { return db_.Scalar(sql); }
    // How many stored computers have this scan user.
    int Users_Set_To(const std::string& user) {
        SqlResult devices;
        std::int32_t rows = 0;
        EXPECT_TRUE(Get_Device_List(rows, devices, 2));
        int n = 0;
        for (std::size_t r = 1; r <= devices.Data_Row_Count(); ++r) n += devices.Text(r, 1) == user ? 1 : 0;
        return n;
    }
    // The rows the list shows match the computers the store holds.
    void Expect_List_Matches_Store() {
        EXPECT_EQ(Stored("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"),
                  std::to_string(c_.lvwComputer.Item_Count()));
        for (std::size_t i = 0; i < c_.lvwComputer.Item_Count(); ++i)
            EXPECT_EQ(Get_Device_ID(c_.lvwComputer.Item(i).text, 2), Text_Number(c_.lvwComputer.Item(i).tag));
    }
    // Runs `action` at the n-th pump of what follows (the walk's busy panel
    // pumps first, then once before each row, or each domain and computer).
    void At_Pump(int n, std::function<void()> action) {
        pumps_ = 0;
        host_.on_events = [this, n, action = std::move(action)] {
            if (++pumps_ == n) action();
        };
    }
    std::vector<std::string> Listed() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < c_.lvwComputer.Item_Count(); ++i) names.push_back(c_.lvwComputer.Item(i).text);
        return names;
    }
    // Each row shows the scan user its computer has stored.
    void Expect_Rows_Show_Stored_Users() {
        for (std::size_t i = 0; i < c_.lvwComputer.Item_Count(); ++i) {
            std::string user, password, domain;
            ASSERT_TRUE(Get_Device_Credentials(static_cast<std::int32_t>(Text_Number(c_.lvwComputer.Item(i).tag)),
                                               user, password, domain));
            ASSERT_EQ(c_.lvwComputer.Item(i).Sub_Item(1), user) << i;
        }
    }
    // Runs a command and returns its seconds.
    template <class Command>
    double Timed(Command command) {
        const auto start = Clock::now();
        command();
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

    test::TestDatabase db_{false};
    test::TestDialogHost host_;
    FakeNetServerPort net_;
    ManageComputersController c_{host_};
    int pumps_ = 0;
};

// A file held by another program: each command shows the store's box once
// and ends within about one busy wait, whatever the count; what the store
// refused stays as it was, in the list as in the store.
TEST_F(ManageComputersWalksTest, OnALockedFileEachWalkShowsOneBoxAndEndsAfterOneWait) {
    Open_With(10);
    Check_All();
    test::DatabaseLock lock(db_);
    EXPECT_LT(Timed([&] { c_.cmdDelete_Click(); }), 12.0);
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 10u);

    db_.reporter.boxes.clear();
    c_.txtUserName = "admin";
    c_.txtPassword = "secret";
    EXPECT_LT(Timed([&] { c_.lblUNPwd_Click(); }), 12.0);
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(c_.lvwComputer.Item(9).Sub_Item(1), "u");

    db_.reporter.boxes.clear();
    std::vector<ServerEntry> servers(20);
    for (std::size_t i = 0; i < servers.size(); ++i) servers[i].name = "NEW-" + std::to_string(i);
    net_.domains = FakeNetServerPort::Names({"WORKGROUP"});
    net_.servers = {{"WORKGROUP", FakeNetServerPort::Records(servers)}};
    EXPECT_LT(Timed([&] { c_.cmdBrowse_Click(); }), 12.0);
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 10u);
    EXPECT_FALSE(c_.Busy());
    EXPECT_TRUE(Pending_Error().empty());

    lock.Release();
    Expect_List_Matches_Store();
    EXPECT_EQ(Users_Set_To("u"), 10);
}

// Another program takes the file part-way through a walk and keeps it past
// the busy time; it lets go as the box shows. The box is the one word, and
// the walk stops at the lock: what was done before stays done, no row after
// it is touched although the file is free again, the rest stay ticked, and
// the list shows what is stored. A browsed name whose lookup failed is
// never added: it could be a computer listed already.
TEST_F(ManageComputersWalksTest, ALockPartWayThroughAWalkStopsItThere) {
    Open_With(40);
    Check_All();
    const std::vector<std::string> before = Listed();
    std::optional<test::DatabaseLock> lock;
    db_.reporter.on_report = [&] { lock.reset(); };
    // Delete goes from the last row: ten are gone when the lock comes.
    At_Pump(12, [&] { lock.emplace(db_); });
    EXPECT_LT(Timed([&] { c_.cmdDelete_Click(); }), 8.0);
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(pumps_, 12);
    EXPECT_EQ(Listed(), std::vector<std::string>(before.begin(), before.begin() + 30));
    for (std::size_t i = 0; i < c_.lvwComputer.Item_Count(); ++i) EXPECT_TRUE(c_.lvwComputer.Item(i).checked) << i;
    Expect_List_Matches_Store();
    EXPECT_FALSE(c_.Busy());

    // The same credentials for all go from the first row.
    db_.reporter.boxes.clear();
    c_.txtUserName = "admin";
    c_.txtPassword = "secret";
    At_Pump(12, [&] { lock.emplace(db_); });
    EXPECT_LT(Timed([&] { c_.lblUNPwd_Click(); }), 8.0);
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(pumps_, 12);
    EXPECT_EQ(Users_Set_To("admin"), 10);
    for (std::size_t i = 0; i < c_.lvwComputer.Item_Count(); ++i)
        EXPECT_EQ(c_.lvwComputer.Item(i).Sub_Item(1), i < 10 ? "admin" : "u") << i;
    Expect_Rows_Show_Stored_Users();

    // Browse: the busy panel, the domain, then a pump per computer.
    db_.reporter.boxes.clear();
    std::vector<ServerEntry> servers;
    for (int i = 0; i < 20; ++i) servers.push_back(Named("NEW-" + std::to_string(i)));
    net_.domains = FakeNetServerPort::Names({"ONE", "TWO"});
    net_.servers = {{"ONE", FakeNetServerPort::Records(servers)}, {"TWO", FakeNetServerPort::Records({Named("B1")})}};
    At_Pump(8, [&] { lock.emplace(db_); });
    EXPECT_LT(Timed([&] { c_.cmdBrowse_Click(); }), 8.0);
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(pumps_, 8);
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_NAME LIKE 'NEW-%'"), "5");
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_NAME IN ('NEW-5', 'B1')"), "0");
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 35u);
    Expect_List_Matches_Store();
    EXPECT_TRUE(Pending_Error().empty());
}

// Another program starts writing once a browsed name has been looked up:
// the lookup reads, the add or the update after it meets the lock, which
// lets go as the box shows. The browse ends at that box: no computer of
// the domain, or of a later one, is added or updated after it.
TEST_F(ManageComputersWalksTest, ALockMetAddingOrUpdatingABrowsedComputerEndsTheBrowseAtItsBox) {
    Open_With(3);
    std::optional<test::DatabaseLock> lock;
    db_.reporter.on_report = [&] { lock.reset(); };
    // Browses `domain` listing `first`, then `later_domain` listing `later`.
    const auto browse = [&](const std::string& domain, const std::vector<ServerEntry>& first,
                            const std::string& later_domain, const std::string& later) {
        db_.reporter.boxes.clear();
        net_.domains = FakeNetServerPort::Names({domain, later_domain});
        net_.servers = {{domain, FakeNetServerPort::Records(first)},
                        {later_domain, FakeNetServerPort::Records({Named(later)})}};
        // The busy panel, the domain, the first computer, then the second.
        At_Pump(4, [&] { lock.emplace(db_, test::DatabaseLock::Held::Writes); });
        c_.cmdBrowse_Click();
        ASSERT_EQ(db_.reporter.boxes.size(), 1u);
        EXPECT_NE(db_.reporter.boxes[0].find("locked"), std::string::npos) << db_.reporter.boxes[0];
        EXPECT_EQ(pumps_, 4);
        EXPECT_EQ(Stored("SELECT GROUP_CONCAT(DEV_NAME) FROM DEV_TBL WHERE DEV_DOMAIN=" + Sql_Quote(domain)),
                  first[0].name);
        EXPECT_EQ(Stored("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_NAME=" + Sql_Quote(later) +
                         " OR DEV_DOMAIN=" + Sql_Quote(later_domain)),
                  "0");
        EXPECT_FALSE(c_.Busy());
        EXPECT_TRUE(Pending_Error().empty());
        Expect_List_Matches_Store();
    };

    browse("ONE", {Named("NEW-0"), Named("NEW-1"), Named("NEW-2")}, "TWO", "B1");
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"), "4");
    // Stored computers: only their network data is written.
    browse("THREE", {Named("PC-0"), Named("PC-1"), Named("PC-2")}, "FOUR", "B2");
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"), "4");
}

// A lock shorter than the busy time, at a command's first store routine or
// part-way through, is waited out: every row is done and nothing is said.
TEST_F(ManageComputersWalksTest, ABriefLockIsWaitedOutAndEveryRowIsDone) {
    Open_With(20);
    Check_All();
    std::optional<test::BriefLock> brief;
    At_Pump(8, [&] { brief.emplace(db_, 1500ms); });
    EXPECT_GT(Timed([&] { c_.cmdDelete_Click(); }), 1.0);  // the lock was there, and waited for
    brief.reset();
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 0u);
    Expect_List_Matches_Store();

    Open_With(20);
    c_.txtUserName = "admin";
    c_.txtPassword = "secret";
    host_.on_events = nullptr;
    brief.emplace(db_, 1500ms);
    EXPECT_GT(Timed([&] { c_.lblUNPwd_Click(); }), 1.0);
    brief.reset();
    EXPECT_EQ(Users_Set_To("admin"), 20);
    Expect_Rows_Show_Stored_Users();

    std::vector<ServerEntry> servers;
    for (int i = 0; i < 10; ++i) servers.push_back(Named("NEW-" + std::to_string(i)));
    net_.domains = FakeNetServerPort::Names({"WORKGROUP"});
    net_.servers = {{"WORKGROUP", FakeNetServerPort::Records(servers)}};
    At_Pump(6, [&] { brief.emplace(db_, 1500ms); });
    EXPECT_GT(Timed([&] { c_.cmdBrowse_Click(); }), 1.0);
    brief.reset();
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_NAME LIKE 'NEW-%'"), "10");
    Expect_List_Matches_Store();
    EXPECT_TRUE(db_.reporter.boxes.empty());
}

// A row refused for its own reason (here a trigger) is said once and the
// walk goes on. It says nothing of the file: a brief lock after it is still
// waited out, and a long one still gets its own box and stops the walk.
TEST_F(ManageComputersWalksTest, ARowRefusedForItsOwnReasonLetsTheWalkGoOn) {
    Open_With(20);
    Check_All();
    const std::string kept = Listed()[17];  // the third row Delete reaches
    db_.Exec("CREATE TRIGGER keep BEFORE DELETE ON DEV_TBL WHEN OLD.DEV_NAME='" + kept +
             "' BEGIN SELECT RAISE(ABORT, 'kept'); END");
    std::optional<test::BriefLock> brief;
    At_Pump(8, [&] { brief.emplace(db_, 1500ms); });
    EXPECT_GT(Timed([&] { c_.cmdDelete_Click(); }), 1.0);
    brief.reset();
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("kept"), std::string::npos) << db_.reporter.boxes[0];
    EXPECT_EQ(Listed(), std::vector<std::string>{kept});
    EXPECT_TRUE(c_.lvwComputer.Item(0).checked);
    Expect_List_Matches_Store();

    db_.Exec("DROP TRIGGER keep");
    db_.Exec("DELETE FROM DEV_TBL WHERE DEV_TYPE_ID=2");
    Open_With(20);
    db_.reporter.boxes.clear();
    const std::string refused = Listed()[2];
    db_.Exec("CREATE TRIGGER keep BEFORE UPDATE ON DEV_TBL WHEN OLD.DEV_NAME='" + refused +
             "' BEGIN SELECT RAISE(ABORT, 'kept'); END");
    std::optional<test::DatabaseLock> lock;
    db_.reporter.on_report = [&] { lock.reset(); };
    c_.txtUserName = "admin";
    c_.txtPassword = "secret";
    At_Pump(8, [&] { lock.emplace(db_); });  // before the seventh row
    c_.lblUNPwd_Click();
    ASSERT_EQ(db_.reporter.boxes.size(), 2u);
    EXPECT_NE(db_.reporter.boxes[1].find("locked"), std::string::npos) << db_.reporter.boxes[1];
    EXPECT_EQ(pumps_, 8);
    EXPECT_EQ(Users_Set_To("admin"), 5);
    EXPECT_EQ(c_.lvwComputer.Item(2).Sub_Item(1), "u");
    EXPECT_EQ(c_.lvwComputer.Item(6).Sub_Item(1), "u");
    Expect_Rows_Show_Stored_Users();
}

// Refusals in two domains: still one box for the whole browse, and what
// the store takes is added.
TEST_F(ManageComputersWalksTest, RefusalsInSeveralDomainsGiveOneBoxForTheBrowse) {
    Open_With(0);
    db_.Exec("CREATE TRIGGER refuse BEFORE INSERT ON DEV_TBL WHEN NEW.DEV_NAME LIKE 'BAD-%' BEGIN "
             "SELECT RAISE(ABORT, 'refused'); END");
    net_.domains = FakeNetServerPort::Names({"ONE", "TWO"});
    net_.servers = {{"ONE", FakeNetServerPort::Records({Named("BAD-1"), Named("A1")})},
                    {"TWO", FakeNetServerPort::Records({Named("BAD-2"), Named("B1")})}};
    c_.cmdBrowse_Click();
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    ASSERT_EQ(c_.lvwComputer.Item_Count(), 2u);
    EXPECT_EQ(c_.lvwComputer.Item(1).text, "B1");
    Expect_List_Matches_Store();
}

// Opened on a locked file, the list is empty only for that: the first Add
// or Import reads it again before it takes a name, so a stored computer is
// not stored twice.
TEST_F(ManageComputersWalksTest, AListThatCouldNotBeReadIsReadAgainBeforeANameIsAdded) {
    Open_With(1);
    ManageComputersController late(host_);
    {
        test::DatabaseLock lock(db_);
        late.Form_Load();
    }
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(late.lvwComputer.Item_Count(), 0u);
    late.txtComputer = "pc-0";
    late.cmdAdd_Click();
    EXPECT_EQ(host_.Last_Box(), "Computer already exists.");
    EXPECT_EQ(Stored("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_NAME='PC-0'"), "1");
    ASSERT_EQ(late.lvwComputer.Item_Count(), 1u);
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
}

// A long walk on a free file runs under the busy panel and pumps for every
// computer, so the window answers and Cancel (or Close, or Esc) stops it;
// what was done stays done and the list shows what is stored.
TEST_F(ManageComputersWalksTest, LongWalksPumpUnderTheBusyPanelAndStopAtCancel) {
    Open_With(2000);
    Check_All();
    // Every pump: the gap since the last one, the panel; at the chosen
    // pump the user stops the walk.
    int pumps = 0, stop_at = 600;
    std::function<void()> stop = [&] { c_.cmdCancel_Click(); };
    bool panel_shown = true;
    double longest_gap = 0;
    Clock::time_point last = Clock::now();
    host_.on_events = [&] {
        const Clock::time_point now = Clock::now();
        longest_gap = std::max(longest_gap, std::chrono::duration<double>(now - last).count());
        last = now;
        panel_shown = panel_shown && c_.picProgress_visible && c_.Busy();
        if (++pumps == stop_at) stop();
    };
    c_.cmdDelete_Click();
    EXPECT_GE(pumps, 600);
    EXPECT_TRUE(panel_shown);
    EXPECT_LT(longest_gap, 0.5);
    EXPECT_FALSE(c_.Busy());
    EXPECT_FALSE(c_.picProgress_visible);
    const std::size_t left = c_.lvwComputer.Item_Count();
    EXPECT_GT(left, 1000u);
    EXPECT_LT(left, 2000u);
    // Rows go from the last: the first ones stay.
    EXPECT_EQ(c_.lvwComputer.Item(0).text, "PC-0");
    Expect_List_Matches_Store();

    pumps = 0;
    stop_at = 300;
    stop = [&] { c_.Form_KeyPress(27); };  // Esc: Close during the walk cancels it
    last = Clock::now();
    c_.txtUserName = "admin";
    c_.txtPassword = "secret";
    c_.lblUNPwd_Click();
    EXPECT_GE(pumps, 300);
    EXPECT_TRUE(panel_shown);
    EXPECT_LT(longest_gap, 0.5);
    EXPECT_EQ(host_.closes, 0);
    EXPECT_FALSE(c_.Busy());
    const int changed = Users_Set_To("admin");
    EXPECT_GT(changed, 0);
    EXPECT_LT(static_cast<std::size_t>(changed), left);
    // Each row shows what its computer has stored.
    for (std::size_t i = 0; i < c_.lvwComputer.Item_Count(); ++i) {
        std::string user, password, domain;
        ASSERT_TRUE(Get_Device_Credentials(static_cast<std::int32_t>(Text_Number(c_.lvwComputer.Item(i).tag)), user,
                                           password, domain));
        ASSERT_EQ(c_.lvwComputer.Item(i).Sub_Item(1), user) << i;
    }
    EXPECT_TRUE(db_.reporter.boxes.empty());
}

}  // namespace
}  // namespace crv
