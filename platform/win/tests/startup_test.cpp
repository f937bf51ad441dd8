#include "platform/win/startup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/error.h"
#include "platform/win/forms.h"

namespace {

struct RecordingReporter : crv::ErrorReporter {
    std::vector<std::string> shown;
    void Report_Error(const std::string& text) override { shown.push_back(text); }
};

class StartTest : public ::testing::Test {
protected:
    void SetUp() override {
        crv::Set_Error_Reporter(&reporter);
        crv::Clear_Error();
        crv::Set_Quit_When_Last_Form_Closes(false);
    }
    void TearDown() override {
        crv::Unload_All_Forms();
        crv::Set_Quit_When_Last_Form_Closes(true);
        crv::Set_Error_Reporter(nullptr);
        crv::Clear_Error();
    }
    RecordingReporter reporter;
};

// Started from a fixed disk here: no runtime check and no question.
TEST_F(StartTest, FailingMainWindowShowsItsErrorAndEnds) {
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT));
    crv::Set_Error(99, "left over");  // not the main window's reason
    EXPECT_FALSE(crv::Start_After_Single_Instance([] {
        crv::Set_Error(static_cast<std::int32_t>(0x80041015), "Cannot open the database");
        return false;
    }));
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(reporter.shown[0], "-2147217387: Cannot open the database");
    EXPECT_TRUE(crv::Pending_Error().empty());
    EXPECT_EQ(GetThreadLocale(), 1033u);

    // An exception is an error like any other, never a crash.
    EXPECT_FALSE(crv::Start_After_Single_Instance([]() -> bool { throw std::runtime_error("broken"); }));
    ASSERT_EQ(reporter.shown.size(), 2u);
    EXPECT_EQ(reporter.shown[1], "-2147467259: broken");
}

TEST_F(StartTest, RunsTheLoopOnlyWithAWindow) {
    // "Shown" without any window would leave a loop that never ends.
    EXPECT_FALSE(crv::Start_After_Single_Instance([] { return true; }));
    EXPECT_TRUE(reporter.shown.empty());

    EXPECT_TRUE(crv::Start_After_Single_Instance([] {
        HWND hwnd = CreateWindowExW(0, L"STATIC", L"Corvalin", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
        return crv::Register_Form(hwnd, "frmMain");
    }));
    EXPECT_TRUE(crv::Is_Form_Loaded("frmMain"));
    EXPECT_TRUE(reporter.shown.empty());
}

}  // namespace
