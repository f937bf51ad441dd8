// The update check from the main window: the command, the toolbar button
// and the "Version" panel that run it, and the check after start-up.
#include "core/update_check.h"
#include "mainwindow/tests/controller_fixture.h"

namespace crv::test {
namespace {

struct FakeUpdates : UpdateHost {
    std::string reply = "4.0.4004";
    bool reachable = true;
    bool downloads_and_opens = false;
    int requests = 0;
    std::vector<std::string> boxes;
    std::function<void()> during;
    bool never_answers = false;  // waits until the window ends the wait
    int waits = 0;
    bool Http_Get(const std::string&, const std::string&, std::string& response, const Update_Wait& wait) override {
        ++requests;
        if (during) during();
        if (never_answers) {
            while (wait && waits < 1000 && (++waits, wait())) {
            }
            return false;
        }
        response = reachable ? reply : "";
        return reachable;
    }
    int Message_Box(const std::string& text, int style) override {
        boxes.push_back(text);
        return (style & 4) ? 6 : 1;
    }
    bool Show_Download(const std::string&, const std::string&, const std::string&, bool,
                       bool& exit_program) override {
        exit_program = downloads_and_opens;
        return downloads_and_opens;
    }
};

class UpdateCommands : public ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        host_.local = "PC7";  // listed: start-up asks nothing else
    }
    FakeUpdates updates_;
};

TEST_F(UpdateCommands, DisabledUntilTheWindowSideIsThere) {
    Start();
    EXPECT_FALSE(c_.Command_Enabled("mnuCheckUpdates"));
    EXPECT_FALSE(c_.Run_Command("mnuCheckUpdates"));
    c_.Set_Update_Host(&updates_);
    EXPECT_TRUE(c_.Command_Enabled("mnuCheckUpdates"));
    // In every display mode.
    Click("RTT_SCM");
    EXPECT_TRUE(c_.Command_Enabled("mnuCheckUpdates"));
}

TEST_F(UpdateCommands, MenuToolbarAndPanelRunTheCheckWithMessages) {
    Start();
    c_.Set_Update_Host(&updates_);
    const std::string panel = c_.Panel("Version")->text;
    EXPECT_TRUE(c_.Run_Command("mnuCheckUpdates"));
    c_.Toolbar_Button_Click("tlbMain", "Updates");
    c_.sbrMain_PanelClick("Version");
    EXPECT_EQ(updates_.requests, 3);
    ASSERT_EQ(updates_.boxes.size(), 3u);
    EXPECT_EQ(updates_.boxes[0], Most_Recent_Version_Text(Running_Version()));
    // The command does not show the check's text.
    EXPECT_EQ(c_.Panel("Version")->text, panel);
    EXPECT_EQ(host_.closes, 0);

    // Newer, downloaded and opened: the window closes.
    updates_.reply = "9.0";
    updates_.downloads_and_opens = true;
    c_.Run_Command("mnuCheckUpdates");
    EXPECT_EQ(updates_.boxes.back(), Update_Offer_Text("9.0"));
    EXPECT_EQ(host_.closes, 1);
}

TEST_F(UpdateCommands, StartUpChecksOnlyWhenTheSettingSaysSo) {
    // The shipped database keeps the automatic check off: no test run of
    // the program asks the maker's server.
    EXPECT_FALSE(Get_Auto_Check_Updates());
    Start();
    c_.Set_Update_Host(&updates_);
    const std::string panel = c_.Panel("Version")->text;
    c_.tmrExpand_Timer();
    EXPECT_EQ(updates_.requests, 0);
    EXPECT_EQ(c_.Panel("Version")->text, panel);

    ASSERT_TRUE(Set_Auto_Check_Updates(true));
    // No network at start-up: nothing shown, the running version in the panel.
    updates_.reachable = false;
    c_.mnuWorkOnline_Click();  // runs tmrExpand again, as a mode switch does
    c_.tmrExpand_Timer();
    EXPECT_EQ(updates_.requests, 1);
    EXPECT_TRUE(updates_.boxes.empty());
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(c_.Panel("Version")->text, "Version: " + Running_Version());

    // A newer version: offered even at start-up, and named in the panel.
    updates_.reachable = true;
    updates_.reply = "4.1.0";
    c_.tmrExpand.enabled = true;
    c_.tmrExpand_Timer();
    EXPECT_EQ(updates_.requests, 2);
    EXPECT_EQ(updates_.boxes, std::vector<std::string>{Update_Offer_Text("4.1.0")});
    EXPECT_EQ(c_.Panel("Version")->text, "Update Available: 4.1.0");
    EXPECT_EQ(host_.closes, 0);
}

TEST_F(UpdateCommands, TimersWaitWhileTheCheckRuns) {
    Start();
    c_.Set_Update_Host(&updates_);
    ASSERT_TRUE(Set_Auto_Check_Updates(true));
    // A second tmrExpand tick during the check (its boxes pump messages)
    // must not start a second check.
    updates_.during = [this] {
        c_.tmrExpand.enabled = true;
        c_.tmrExpand_Timer();
    };
    c_.tmrExpand_Timer();
    EXPECT_EQ(updates_.requests, 1);
    EXPECT_TRUE(c_.tmrExpand.enabled);  // comes again after the check
}

TEST_F(UpdateCommands, TheWindowAnswersWhileTheServerIsSilentAndACommandEndsTheWait) {
    Start();
    c_.Set_Update_Host(&updates_);
    updates_.never_answers = true;
    // Messages are let through during the wait; the third brings Check
    // Updates again, which must not start inside the first check.
    int events = 0;
    host_.on_events = [&] {
        if (++events == 3) {
            EXPECT_TRUE(c_.Listing_Running());
            c_.Run_Command("mnuCheckUpdates");
            EXPECT_EQ(updates_.requests, 1);
            updates_.never_answers = false;  // the second check gets its reply
        }
    };
    c_.Run_Command("mnuCheckUpdates");
    host_.on_events = nullptr;
    // The first wait ended at the command; the command ran after it.
    EXPECT_EQ(updates_.waits, 3);
    EXPECT_EQ(updates_.requests, 2);
    // Only the second check said anything.
    EXPECT_EQ(updates_.boxes, std::vector<std::string>{Most_Recent_Version_Text(Running_Version())});
    EXPECT_FALSE(c_.Listing_Running());
}

}  // namespace
}  // namespace crv::test
