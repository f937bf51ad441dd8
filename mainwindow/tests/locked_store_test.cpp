// The main window while another program holds the data file locked: every
// command shows the store's box once, ends after about one busy wait, and
// leaves what the window shows as it was, rather than emptied by reads that
// failed.
#include <chrono>

#include "mainwindow/tests/controller_fixture.h"
#include "store/tests/brief_lock.h"
#include "store/tests/connection_counter.h"

namespace crv::test {
namespace {

// What the window shows, to compare before and after a command.
struct Shown {
    std::vector<std::string> devices, features, rows;
    std::string pane_tag, mode;
    bool online = false;
    bool operator==(const Shown&) const = default;
};

class LockedStoreTest : public ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        for (const char* name : {"PC8", "PC9"}) ASSERT_GT(Add_Device(name, "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
        ASSERT_GT(Add_Device("Lab", "", "", 0, 0, 0, 0, "", 1, 1, "", "t"), 0);
        Set_Online(true);
        Start();
        FakeWmiPort::QueryAnswer answer;
        answer.objects.push_back(Instance({Wmi_Text("Name", "CPU0")}));
        wmi_.Set_Answer("SELECT * FROM Win32_Processor", answer);
        Click("Win32_Processor");
        ASSERT_GT(c_.lvwMain.Item_Count(), 0u);
        host_.boxes.clear();
        reporter_.boxes.clear();
    }
    Shown Now() {
        Shown s;
        for (const TreeNode* n : c_.tvwDevices.Nodes()) s.devices.push_back(n->key + "=" + n->text);
        for (const TreeNode* n : c_.tvwFeatures.Nodes()) s.features.push_back(n->key + "=" + n->text);
        for (std::size_t i = 0; i < c_.lvwMain.Item_Count(); ++i) s.rows.push_back(c_.lvwMain.Item(i).text);
        s.pane_tag = c_.lvwMain.tag;
        s.mode = c_.Panel("OnlineOffline")->text;
        s.online = c_.Checked("mnuWorkOnline");
        return s;
    }
    // Runs the command on the locked file: one store box, no other box, at
    // most about one busy wait, and the window as it was.
    void Expect_One_Box_And_Nothing_Lost(const std::function<void()>& command) {
        const Shown before = Now();
        {
            DatabaseLock lock(db_);
            const auto start = std::chrono::steady_clock::now();
            command();
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
        }
        ASSERT_EQ(reporter_.boxes.size(), 1u);
        EXPECT_NE(reporter_.boxes[0].find("locked"), std::string::npos) << reporter_.boxes[0];
        EXPECT_TRUE(host_.boxes.empty()) << host_.boxes.front().text;
        EXPECT_TRUE(Pending_Error().empty());
        EXPECT_EQ(Now(), before);
        reporter_.boxes.clear();
        host_.boxes.clear();
    }
};

// View > Refresh (and the refresh that closing Manage Computers runs): both
// trees, the mode and the pane stay; once the file is free it reads again.
TEST_F(LockedStoreTest, RefreshShowsOneBoxAndKeepsBothTreesTheModeAndThePane) {
    const Shown before = Now();
    ASSERT_EQ(before.mode, "Mode: Online");
    ASSERT_GE(before.devices.size(), 5u);
    Expect_One_Box_And_Nothing_Lost([&] { c_.mnuViewRefresh_Click(); });
    c_.mnuViewRefresh_Click();
    EXPECT_EQ(Now().devices, before.devices);
    EXPECT_EQ(Now().features, before.features);
    EXPECT_TRUE(reporter_.boxes.empty());
}

// Another program's short write at the moment F5 is pressed, or a feature
// is clicked: the command's first read waits it out and goes on as on a
// free file, with no box.
TEST_F(LockedStoreTest, ABriefLockIsWaitedOutByRefreshAndByAClick) {
    ASSERT_GT(Add_Device("PC10", "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    auto timed = [](const std::function<void()>& command) {
        const auto start = std::chrono::steady_clock::now();
        command();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    {
        BriefLock brief(db_, std::chrono::milliseconds(1500));
        EXPECT_GT(timed([&] { c_.mnuViewRefresh_Click(); }), 1.0);
    }
    EXPECT_NE(c_.tvwDevices.Find("DEV" + std::to_string(Get_Device_ID("PC10", 2))), nullptr);
    {
        BriefLock brief(db_, std::chrono::milliseconds(1500));
        EXPECT_GT(timed([&] { Click("Win32_OperatingSystem"); }), 1.0);
    }
    EXPECT_NE(c_.lvwMain.tag.find("Operating System"), std::string::npos) << c_.lvwMain.tag;
    EXPECT_TRUE(reporter_.boxes.empty());
    EXPECT_TRUE(host_.boxes.empty());
}

// The switch between online and offline work, a click on a feature and a
// click on a computer: one box each, and nothing of the window changes.
TEST_F(LockedStoreTest, ModeSwitchAndClicksShowOneBoxAndKeepWhatTheWindowShows) {
    Expect_One_Box_And_Nothing_Lost([&] { c_.mnuWorkOffline_Click(); });
    EXPECT_EQ(c_.Command(Button_Name("tlbScan", "OnlineOffline")).value, 0);
    Expect_One_Box_And_Nothing_Lost([&] { Click("Win32_OperatingSystem"); });
    TreeNode* pc8 = c_.tvwDevices.Find("DEV" + std::to_string(Get_Device_ID("PC8", 2)));
    ASSERT_NE(pc8, nullptr);
    Expect_One_Box_And_Nothing_Lost([&] { c_.tvwDevices_NodeClick(pc8); });
}

// Stored credentials that cannot be read open no connection: the computer
// is not tried as the user's own account, neither for a feature nor for the
// System Summary and its address refresh. The store's box is the one word.
TEST_F(LockedStoreTest, CredentialsThatCannotBeReadOpenNoConnection) {
    ASSERT_TRUE(Set_Device_Credentials(pc_, "admin", "secret"));
    for (const char* feature : {"[Root...]", "Win32_Processor"}) {
        Click(feature);  // on a free file: what the click keeps in memory is read
        ASSERT_EQ(wmi_.connects.back().user, "PC7\\admin") << feature;
        reporter_.boxes.clear();
        const std::size_t connects = wmi_.connects.size();
        Expect_One_Box_And_Nothing_Lost([&] { Click(feature); });
        EXPECT_EQ(wmi_.connects.size(), connects) << feature;
    }
}

// Storing every feature node on a locked file: one box, and one wait.
TEST_F(LockedStoreTest, StoringTheFeatureNodesStopsAtTheLock) {
    ASSERT_GT(c_.tvwFeatures.Count(), 5u);
    Expect_One_Box_And_Nothing_Lost([&] { c_.Save_Distinct_Features(); });
}

// The start-up's second half: an unread lookup is no list without this
// computer, and the update check does not wait out the lock again.
TEST_F(LockedStoreTest, TheStartUpTimerNeitherAsksToAddThisComputerNorReadsAgain) {
    ConnectionCounter counter;
    Expect_One_Box_And_Nothing_Lost([&] { c_.tmrExpand_Timer(); });
    EXPECT_EQ(counter.count, 1);
    // On a free file the question comes as before.
    c_.tmrExpand_Timer();
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_NE(host_.boxes[0].text.find("not added to the computer list"), std::string::npos);
}

// The search for a computer to show after a deletion: one failed read
// answers for every node after it.
TEST_F(LockedStoreTest, TheSearchForTheFirstComputerStopsAtItsFirstFailedRead) {
    DatabaseLock lock(db_);
    ConnectionCounter counter;
    EXPECT_EQ(c_.Find_First_Computer_Node(), nullptr);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(reporter_.boxes.size(), 1u);
}

}  // namespace
}  // namespace crv::test
