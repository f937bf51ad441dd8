#pragma once
// The dialogs as real windows under Wine (null graphics driver): a stand-in
// main window registered as "frmMain" to own them, the dialogs' boxes
// recorded and answered, every answerer and hook of the dialogs' side reset
// after each test, over a fresh database.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/error.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/forms.h"
#include "platform/win/tests/window_test_helpers.h"
#include "platform/win/text.h"
#include "store/tests/test_database.h"

namespace crv::test {

class DialogWindowFixture : public ::testing::Test {
protected:
    // all_seeds: the store as shipped, or bare.
    explicit DialogWindowFixture(bool all_seeds, int owner_width = 400, int owner_height = 300)
        : db_(all_seeds), owner_width_(owner_width), owner_height_(owner_height) {}

    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        Set_Quit_When_Last_Form_Closes(false);
    }
    void SetUp() override {
        Clear_Error();
        owner_ = CreateWindowExW(0, L"STATIC", L"Corvalin", WS_OVERLAPPEDWINDOW, 0, 0, owner_width_, owner_height_,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        Register_Form(owner_, "frmMain");
        // Answers from answers_ in turn, then Yes to a question and OK to
        // anything else.
        Set_Dialog_Box_Answerer([this](const std::string& text, int flags) {
            boxes_.push_back(text);
            if (IsWindowEnabled(owner_)) owner_live_during_box_ = true;
            if (!answers_.empty()) {
                int a = answers_.front();
                answers_.erase(answers_.begin());
                return a;
            }
            return (flags & 4) ? 6 : 1;
        });
    }
    void TearDown() override {
        Set_Dialog_Box_Answerer(nullptr);
        Set_Dialog_Save_Answerer(nullptr);
        Set_Dialog_Save_Filter_Index(0);
        Set_Dialog_Open_Answerer(nullptr);
        Set_Dialog_Shell_Opener(nullptr);
        Set_Input_Box_Opened_Hook(nullptr);
        DestroyWindow(owner_);
    }

    TestDatabase db_;
    HWND owner_ = nullptr;
    std::vector<std::string> boxes_;
    std::vector<int> answers_;
    bool owner_live_during_box_ = false;  // a box came while the owner took input

private:
    int owner_width_, owner_height_;
};

}  // namespace crv::test
