#include "platform/win/window_hook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using crv::Hook_Count;
using crv::Hook_Next;
using crv::Hook_Window;
using crv::Unhook_Window;

constexpr UINT Msg_Probe = WM_APP + 1;
constexpr UINT Msg_Inner = WM_APP + 2;

std::vector<std::string> seen;

LRESULT CALLBACK Window_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == Msg_Probe || msg == Msg_Inner) {
        seen.push_back(msg == Msg_Probe ? "window" : "window-inner");
        return 100;
    }
    if (msg == WM_NCDESTROY) seen.push_back("window-ncdestroy");
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND Make_Window() {
    static const ATOM cls = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Window_Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvalinHookTest";
        return RegisterClassW(&wc);
    }();
    return CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(cls)), L"", WS_OVERLAPPED, 0, 0, 50,
                           50, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Records its name (the data) and passes on, adding one to the result.
LRESULT CALLBACK Named(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    if (msg == Msg_Probe) {
        seen.push_back(reinterpret_cast<const char*>(data));
        return Hook_Next(hwnd, msg, wp, lp) + 1;
    }
    if (msg == WM_NCDESTROY) seen.push_back(std::string(reinterpret_cast<const char*>(data)) + "-ncdestroy");
    return Hook_Next(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Twice(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg != Msg_Probe) return Hook_Next(hwnd, msg, wp, lp);
    seen.push_back("twice");
    return Hook_Next(hwnd, msg, wp, lp) + Hook_Next(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Removes_Itself(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == Msg_Probe) {
        seen.push_back("once");
        Unhook_Window(hwnd, Removes_Itself, id);
    }
    return Hook_Next(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Sends_Inner(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == Msg_Probe) {
        seen.push_back("outer");
        SendMessageW(hwnd, Msg_Inner, 0, 0);
    } else if (msg == Msg_Inner) {
        seen.push_back("inner");
    }
    return Hook_Next(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Common_Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == Msg_Probe) seen.push_back("common");
    return DefSubclassProc(hwnd, msg, wp, lp);
}

const char* const A = "a";
const char* const B = "b";
DWORD_PTR D(const char* name) { return reinterpret_cast<DWORD_PTR>(name); }

class WindowHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        seen.clear();
        hwnd = Make_Window();
        ASSERT_NE(hwnd, nullptr);
        own = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    }
    void TearDown() override {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    HWND hwnd = nullptr;
    LONG_PTR own = 0;
};

TEST_F(WindowHookTest, LastAddedRunsFirstAndTheWindowGetsTheMessageAndResult) {
    ASSERT_TRUE(Hook_Window(hwnd, Named, 1, D(A)));
    ASSERT_TRUE(Hook_Window(hwnd, Named, 2, D(B)));
    EXPECT_EQ(Hook_Count(hwnd), 2);
    EXPECT_EQ(SendMessageW(hwnd, Msg_Probe, 0, 0), 102);
    EXPECT_EQ(seen, (std::vector<std::string>{"b", "a", "window"}));
    // The same procedure and id again only changes its data.
    ASSERT_TRUE(Hook_Window(hwnd, Named, 1, D(B)));
    EXPECT_EQ(Hook_Count(hwnd), 2);
    EXPECT_FALSE(Hook_Window(nullptr, Named, 1, D(A)));
}

TEST_F(WindowHookTest, RemovingTheLastHookGivesTheWindowItsOwnProcedureBack) {
    Hook_Window(hwnd, Named, 1, D(A));
    Hook_Window(hwnd, Named, 2, D(B));
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), own);
    EXPECT_TRUE(Unhook_Window(hwnd, Named, 2));
    EXPECT_FALSE(Unhook_Window(hwnd, Named, 2));
    SendMessageW(hwnd, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "window"}));
    EXPECT_TRUE(Unhook_Window(hwnd, Named, 1));
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), own);
    EXPECT_EQ(Hook_Count(hwnd), 0);
}

TEST_F(WindowHookTest, HooksChangedWhileAMessageRunsTakeEffectAfterIt) {
    Hook_Window(hwnd, Named, 1, D(A));
    Hook_Window(hwnd, Removes_Itself, 7, 0);
    SendMessageW(hwnd, Msg_Probe, 0, 0);
    SendMessageW(hwnd, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"once", "a", "window", "a", "window"}));
    EXPECT_EQ(Hook_Count(hwnd), 1);
}

TEST_F(WindowHookTest, PassingOnTwiceReachesTheLowerHooksTwice) {
    Hook_Window(hwnd, Named, 1, D(A));
    Hook_Window(hwnd, Twice, 2, 0);
    EXPECT_EQ(SendMessageW(hwnd, Msg_Probe, 0, 0), 202);
    EXPECT_EQ(seen, (std::vector<std::string>{"twice", "a", "window", "a", "window"}));
}

TEST_F(WindowHookTest, AMessageSentFromInsideAHookRunsEveryHookItself) {
    Hook_Window(hwnd, Named, 1, D(A));
    Hook_Window(hwnd, Sends_Inner, 2, 0);
    EXPECT_EQ(SendMessageW(hwnd, Msg_Probe, 0, 0), 101);
    EXPECT_EQ(seen, (std::vector<std::string>{"outer", "inner", "window-inner", "a", "window"}));
}

TEST_F(WindowHookTest, CommonControlSubclassesAboveOrBelowKeepWorking) {
    // Above ours, then removed: ours is in place again.
    Hook_Window(hwnd, Named, 1, D(A));
    ASSERT_TRUE(SetWindowSubclass(hwnd, Common_Subclass, 1, 0));
    SendMessageW(hwnd, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"common", "a", "window"}));
    RemoveWindowSubclass(hwnd, Common_Subclass, 1);
    seen.clear();
    SendMessageW(hwnd, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "window"}));

    // Ours removed while another sits above it: it only passes messages on.
    ASSERT_TRUE(SetWindowSubclass(hwnd, Common_Subclass, 1, 0));
    EXPECT_TRUE(Unhook_Window(hwnd, Named, 1));
    seen.clear();
    SendMessageW(hwnd, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"common", "window"}));
    RemoveWindowSubclass(hwnd, Common_Subclass, 1);
    seen.clear();
    SendMessageW(hwnd, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"window"}));

    // Below ours: installed first, and left in place when ours goes.
    HWND other = Make_Window();
    ASSERT_TRUE(SetWindowSubclass(other, Common_Subclass, 1, 0));
    Hook_Window(other, Named, 1, D(A));
    seen.clear();
    SendMessageW(other, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "common", "window"}));
    Unhook_Window(other, Named, 1);
    seen.clear();
    SendMessageW(other, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"common", "window"}));
    DestroyWindow(other);
}

TEST_F(WindowHookTest, HooksSeeTheWindowGoAndLeaveNothingBehind) {
    Hook_Window(hwnd, Named, 1, D(A));
    DestroyWindow(hwnd);
    EXPECT_EQ(seen, (std::vector<std::string>{"a-ncdestroy", "window-ncdestroy"}));
    EXPECT_EQ(Hook_Count(hwnd), 0);
    // A later window, whatever handle it gets, starts without hooks.
    HWND next = Make_Window();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(Hook_Count(next), 0);
    seen.clear();
    SendMessageW(next, Msg_Probe, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"window"}));
    DestroyWindow(next);
}

}  // namespace
