// The real main window while the update server stays silent: the check
// after a Work Online/Offline switch and Help > Check Updates wait on a
// server the test runs on 127.0.0.1 that never answers. The window goes on
// handling its messages and painting meanwhile; Cancel and Close end the
// wait at once. Nothing reaches the maker's host.
#include <gtest/gtest.h>

#include <functional>

#include "core/update_check.h"
#include "dialogs/win/dialog_view.h"
#include "dialogs/win/frm_download.h"
#include "mainwindow/tests/window_test_support.h"
#include "platform/win/tests/loopback_http_server.h"
#include "store/features.h"
#include "store/settings.h"

namespace crv {
namespace {

// What a thread timer saw while the request was pending; the timer's
// messages reach it only through a pump that runs during the wait.
struct WhileWaiting {
    test::LoopbackHttpServer* server = nullptr;
    int ticks = 0;
    bool painted = false;
    std::function<void(int tick)> act;
};
WhileWaiting* seen = nullptr;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!seen || !C().Listing_Running() || seen->server->Request_Lines().empty()) return;
    ++seen->ticks;
    if (seen->ticks == 1) InvalidateRect(Main(), nullptr, FALSE);
    // The window painted what was invalid: its WM_PAINT ran.
    if (seen->ticks == 3) seen->painted = IsWindow(Main()) && !GetUpdateRect(Main(), nullptr, FALSE);
    if (seen->act) seen->act(seen->ticks);
}

class UpdateWaitWindowTest : public MainWindowFixture {
protected:
    static void SetUpTestSuite() {
        Prepare_Main_Window();
        Open_Store();
        Add_Local_Computer();
        Save_Feature("[Root...]", "Computer", "", "0", "Computer", "");
        Set_Work_Online(true);
        Set_Auto_Check_Updates(false);
        server_ = new test::LoopbackHttpServer;
        server_->Stall();
        Set_Update_Server_Address(server_->Address());
        static Win32UpdateHost updates([] { return Main(); });
        C().Set_Update_Host(&updates);
        Record_Main_Boxes(boxes_);
        // The check's own boxes come through the dialogs' side.
        Set_Dialog_Box_Answerer([](const std::string& text, int) {
            boxes_.push_back(text);
            return 1;
        });
        Show_Main_Window();
    }
    static void TearDownTestSuite() {
        MainWindowFixture::TearDownTestSuite();
        Set_Dialog_Box_Answerer(nullptr);
        Set_Update_Server_Address("");
        delete server_;
    }
    void SetUp() override {
        state_ = WhileWaiting{};
        state_.server = server_;
        seen = &state_;
        timer_ = SetTimer(nullptr, 0, 30, Tick);
    }
    void TearDown() override {
        KillTimer(nullptr, timer_);
        seen = nullptr;
    }

    static inline test::LoopbackHttpServer* server_ = nullptr;
    WhileWaiting state_;
    UINT_PTR timer_ = 0;
};

TEST_F(UpdateWaitWindowTest, A_AModeSwitchChecksWithoutFreezingAndCancelEndsTheWait) {
    ASSERT_TRUE(Set_Auto_Check_Updates(true));
    state_.act = [](int tick) {
        if (tick == 5) C().cmdCancel_Click();  // the progress panel's Cancel
    };
    const DWORD start = GetTickCount();
    C().mnuWorkOffline_Click();  // the check after a switch comes with tmrExpand
    while (!(state_.ticks >= 5 && !C().Listing_Running()) && GetTickCount() - start < 8000) Pump(10);
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(state_.ticks, 5);
    EXPECT_TRUE(state_.painted);
    EXPECT_LT(took, 5000u);  // far inside the request's own 15 s
    EXPECT_FALSE(C().Listing_Running());
    EXPECT_EQ(server_->Request_Lines().size(), 1u);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(C().Panel("Version")->text, "Version: " + Running_Version());
    Set_Auto_Check_Updates(false);
    C().mnuWorkOnline_Click();
    Pump(100);
}

TEST_F(UpdateWaitWindowTest, Z_ClosingTheWindowEndsTheCheckUpdatesWait) {
    state_.act = [](int tick) {
        if (tick == 3) PostMessageW(Main(), WM_CLOSE, 0, 0);
    };
    const DWORD start = GetTickCount();
    EXPECT_TRUE(C().Run_Command("mnuCheckUpdates"));
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(state_.ticks, 3);
    EXPECT_LT(took, 5000u);
    Pump(200);
    // The close came back once the check had unwound; no box on the way.
    EXPECT_EQ(Main(), nullptr);
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
}  // namespace crv
