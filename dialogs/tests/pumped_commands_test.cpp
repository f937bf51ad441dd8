// The main window's live service list goes on refreshing while Manage
// Computers walks its computers: the refresh timer's tick runs from the
// walk's pump or from the walk's box, and is a command of its own there. It
// neither inherits the walk's failure nor hands the walk its own.
#include <chrono>
#include <optional>
#include <utility>

#include "dialogs/frm_manage_computers_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "mainwindow/tests/controller_fixture.h"
#include "store/computer_batch.h"
#include "store/tests/brief_lock.h"

namespace crv::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono_literals::operator""ms;

const std::string Service_List_Query =
    "Select DisplayName, Name, State, StartMode, StartName, ServiceType, Description From Win32_Service";

class PumpedCommandsTest : public ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        Set_Online(true);
        Start();
        Answer_Services(2);
        Click("RTT_SCM");
        ASSERT_EQ(c_.lvwMain.Item_Count(), 2u);
        ASSERT_TRUE(c_.tmrMain.enabled);
        std::vector<std::string> names;
        for (int i = 0; i < 10; ++i) names.push_back("PC-" + std::to_string(i));
        ASSERT_TRUE(Add_Computers(names, "u", "p", "t"));
        dialog_.Form_Load();
        dialog_.txtUserName = "admin";
        dialog_.txtPassword = "secret";
        reporter_.boxes.clear();
    }
    // The computer's services: Service1 .. Service<count>.
    void Answer_Services(int count) {
        std::vector<WmiInstance> list;
        for (int i = 1; i <= count; ++i) {
            const std::string name = "Service" + std::to_string(i);
            list.push_back(WmiInstance{"Win32_Service.Name=\"" + name + "\"", "Win32_Service",
                                       {Wmi_Text("DisplayName", name), Wmi_Text("Name", name),
                                        Wmi_Text("State", "Running"), Wmi_Text("StartMode", "Auto")}});
        }
        wmi_.Set_Objects(Service_List_Query, list);
    }
    // Runs `action` at the n-th pump of the dialog's next walk.
    void At_Dialog_Pump(int n, std::function<void()> action) {
        dialog_pumps_ = 0;
        dialog_host_.on_events = [this, n, action = std::move(action)] {
            if (++dialog_pumps_ == n) action();
        };
    }
    int Users_Set_To(const std::string& user) {
        return Number_Value(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2 AND SCAN_USER='" +
                                       Scramble_Text(user) + "'"));
    }

    TestDialogHost dialog_host_;
    ManageComputersController dialog_{dialog_host_};
    int dialog_pumps_ = 0;
};

// The walk meets a lock past the busy time and shows its box. While the box
// is up the lock ends, another program holds the file for 1.5 s, and the
// tick comes: it waits that out, refreshes, and the timer stays on.
TEST_F(PumpedCommandsTest, ATickInAWalksBoxWaitsOutABriefLockAndTheListKeepsRefreshing) {
    std::optional<DatabaseLock> lock;
    std::optional<BriefLock> brief;
    double tick_seconds = 0;
    bool ticked = false;
    reporter_.on_report = [&] {
        if (std::exchange(ticked, true)) return;
        lock.reset();
        Answer_Services(3);
        brief.emplace(db_, 1500ms);
        const auto start = Clock::now();
        c_.tmrMain_Timer();
        tick_seconds = std::chrono::duration<double>(Clock::now() - start).count();
    };
    At_Dialog_Pump(5, [&] { lock.emplace(db_); });
    dialog_.lblUNPwd_Click();
    brief.reset();
    ASSERT_EQ(reporter_.boxes.size(), 1u);  // the walk's, and none of the tick's
    EXPECT_NE(reporter_.boxes[0].find("locked"), std::string::npos) << reporter_.boxes[0];
    EXPECT_GT(tick_seconds, 1.0);
    EXPECT_TRUE(c_.tmrMain.enabled);
    EXPECT_EQ(c_.lvwMain.Item_Count(), 3u);
    EXPECT_EQ(Users_Set_To("admin"), 3);  // the walk stopped at its lock

    // And the refresh goes on after the walk.
    Answer_Services(4);
    c_.tmrMain_Timer();
    EXPECT_EQ(c_.lvwMain.Item_Count(), 4u);
    EXPECT_TRUE(c_.tmrMain.enabled);
}

// After a row the store refused (the walk's box), the walk pumps on. A tick
// run from that pump on a locked file shows its own box and stops its own
// refresh, as on any locked file, and its failure is not the walk's: the
// walk does every other row.
TEST_F(PumpedCommandsTest, ATickInAWalksPumpFailsOnItsOwnAndTheWalkGoesOn) {
    db_.Exec("CREATE TRIGGER keep BEFORE UPDATE ON DEV_TBL WHEN OLD.DEV_NAME='" + dialog_.lvwComputer.Item(1).text +
             "' BEGIN SELECT RAISE(ABORT, 'kept'); END");
    At_Dialog_Pump(6, [&] {
        DatabaseLock lock(db_);
        c_.tmrMain_Timer();
    });
    dialog_.lblUNPwd_Click();
    ASSERT_EQ(reporter_.boxes.size(), 2u);
    EXPECT_NE(reporter_.boxes[0].find("kept"), std::string::npos) << reporter_.boxes[0];
    EXPECT_NE(reporter_.boxes[1].find("locked"), std::string::npos) << reporter_.boxes[1];
    EXPECT_FALSE(c_.tmrMain.enabled);
    EXPECT_EQ(c_.lvwMain.Item_Count(), 2u);
    EXPECT_EQ(Users_Set_To("admin"), static_cast<int>(dialog_.lvwComputer.Item_Count()) - 1);
    EXPECT_TRUE(Pending_Error().empty());
}

}  // namespace
}  // namespace crv::test
