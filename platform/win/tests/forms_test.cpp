#include "platform/win/forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Plain top-level windows; one of them may run Unload_All_Forms from its own
// WM_DESTROY, as the main window does while it unloads.
HWND unload_all_from = nullptr;
std::vector<HWND> destroyed;

LRESULT CALLBACK Test_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        destroyed.push_back(hwnd);
        if (hwnd == unload_all_from) crv::Unload_All_Forms();
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND Make_Window(const wchar_t* title) {
    static const ATOM cls = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Test_Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvalinFormsTest";
        return RegisterClassW(&wc);
    }();
    return CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(cls)), title, WS_OVERLAPPEDWINDOW,
                           0, 0, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Takes every pending WM_QUIT off the queue and counts them.
int Drain_Quits() {
    int quits = 0;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) ++quits;
        else DispatchMessageW(&msg);
    }
    return quits;
}

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        destroyed.clear();
        unload_all_from = nullptr;
        Drain_Quits();
    }
    void TearDown() override {
        crv::Set_Quit_When_Last_Form_Closes(false);
        crv::Unload_All_Forms();
        crv::Set_Quit_When_Last_Form_Closes(true);
        Drain_Quits();
    }
};

TEST_F(FormsTest, NamesInCreationOrderAndForgottenWhenDestroyed) {
    HWND main = Make_Window(L"Corvalin");
    HWND about = Make_Window(L"About");
    HWND find = Make_Window(L"Find");
    ASSERT_TRUE(main && about && find);
    EXPECT_TRUE(crv::Register_Form(main, "frmMain"));
    EXPECT_TRUE(crv::Register_Form(about, "frmAbout"));
    EXPECT_TRUE(crv::Register_Form(find, "frmFind"));
    EXPECT_FALSE(crv::Register_Form(main, "frmMain"));  // once only
    EXPECT_FALSE(crv::Register_Form(nullptr, "frmNothing"));

    EXPECT_EQ(crv::Loaded_Forms(), (std::vector<HWND>{main, about, find}));
    EXPECT_TRUE(crv::Is_Form_Loaded("frmAbout"));
    EXPECT_FALSE(crv::Is_Form_Loaded("FRMABOUT"));  // letter case counts
    EXPECT_FALSE(crv::Is_Form_Loaded("frmAbou"));
    EXPECT_EQ(crv::Find_Form("frmFind"), find);
    EXPECT_EQ(crv::Form_Name(about), "frmAbout");

    DestroyWindow(about);
    EXPECT_FALSE(crv::Is_Form_Loaded("frmAbout"));
    EXPECT_EQ(crv::Loaded_Forms(), (std::vector<HWND>{main, find}));
    EXPECT_EQ(Drain_Quits(), 0);  // others still open

    DestroyWindow(find);
    DestroyWindow(main);
    EXPECT_TRUE(crv::Loaded_Forms().empty());
    EXPECT_EQ(Drain_Quits(), 1);  // the last one ends the loop, once
}

TEST_F(FormsTest, UnloadAllFromTheUnloadingMainWindow) {
    HWND main = Make_Window(L"Corvalin");
    HWND a = Make_Window(L"A");
    HWND b = Make_Window(L"B");
    HWND unregistered = Make_Window(L"Not a form");
    crv::Register_Form(main, "frmMain");
    crv::Register_Form(a, "frmA");
    crv::Register_Form(b, "frmB");

    unload_all_from = main;
    DestroyWindow(main);
    EXPECT_EQ(destroyed, (std::vector<HWND>{main, a, b}));
    EXPECT_TRUE(crv::Loaded_Forms().empty());
    EXPECT_FALSE(IsWindow(a));
    EXPECT_TRUE(IsWindow(unregistered));  // only forms are unloaded
    EXPECT_EQ(Drain_Quits(), 1);
    DestroyWindow(unregistered);
}

TEST_F(FormsTest, MessageLoopEndsWhenTheLastFormCloses) {
    HWND main = Make_Window(L"Corvalin");
    crv::Register_Form(main, "frmMain");
    PostMessageW(main, WM_CLOSE, 0, 0);  // DefWindowProc destroys it
    EXPECT_EQ(crv::Run_Message_Loop(), 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(crv::Is_Form_Loaded("frmMain"));
}

}  // namespace
