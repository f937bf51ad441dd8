#pragma once
// The real main window for the window tests: one per test program over a
// fresh shipped database, read back through its controls' own messages.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/common.h"
#include "core/error.h"
#include "mainwindow/frm_main.h"
#include "platform/win/forms.h"
#include "platform/win/settings_store.h"
#include "platform/win/system.h"
#include "platform/win/tests/window_test_helpers.h"
#include "platform/win/text.h"
#include "store/devices.h"
#include "store/tests/test_database.h"
#include "wmi/com/com_wmi.h"

namespace crv {

using test::Post_Key;
using test::Selected_Rows;
using test::Tree_Find;
using test::Tree_Root;
using test::Tree_Text;

inline const std::string SEP(Row_Key_Separator);

inline HWND H(const std::string& name) { return reinterpret_cast<HWND>(frmMain::Instance().Control_Handle(name)); }
inline HWND Main() { return reinterpret_cast<HWND>(frmMain::Instance().hWnd()); }
inline MainController& C() { return frmMain::Instance().Controller(); }

inline void Pump(int ms) { test::Pump_For(static_cast<DWORD>(ms)); }

inline int List_Count() { return test::List_View_Count(H("lvwMain")); }
inline std::string List_Text(int row, int column) { return test::List_View_Text(H("lvwMain"), row, column); }
inline int List_Find(const std::string& text) {
    for (int r = 0; r < List_Count(); ++r)
        if (List_Text(r, 0) == text) return r;
    return -1;
}
inline int Header_Count() {
    HWND header = reinterpret_cast<HWND>(SendMessageW(H("lvwMain"), LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}
inline std::string Status_Text(int panel) {
    wchar_t buffer[512] = {};
    SendMessageW(H("sbrMain"), SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(buffer));
    return To_Utf8(buffer);
}

// Boxes of the main window are recorded in `into` and answered No (or OK).
inline void Record_Main_Boxes(std::vector<std::string>& into) {
    Set_Main_Box_Answerer([&into](const std::string& text, int flags) {
        into.push_back(text);
        return (flags & Mb_Yes_No) ? Answer_No : Answer_Ok;
    });
}
// The same, answered Yes (or OK).
inline void Agree_To_Main_Boxes(std::vector<std::string>& into) {
    Set_Main_Box_Answerer([&into](const std::string& text, int flags) {
        into.push_back(text);
        return (flags & Mb_Yes_No) ? Answer_Yes : Answer_Ok;
    });
}

inline void Close_Main_Window() {
    frmMain::Instance().Unload();
    Set_Main_Box_Answerer(nullptr);
}

// COM and Wine's own WMI, no quitting when a form closes, and the design
// layout (the window stores its own at close).
inline void Prepare_Main_Window() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Install_Com_Wmi_Port();
    Set_Quit_When_Last_Form_Closes(false);
    for (const char* section : {"Console", "LeftTopPane", "RightPane", "View"}) Delete_Setting(Product_Name, section);
}

// Selects the feature node of that key and clicks it, as the tree would.
inline void Click_Feature(const std::string& key) {
    TreeNode* n = C().tvwFeatures.Find(key);
    ASSERT_NE(n, nullptr) << key;
    C().tvwFeatures.Select(n);
    C().tvwFeatures_NodeClick(n);
    Pump(20);
}

// The window lives for the whole program; the tests run in order on it. A
// suite's SetUpTestSuite prepares, opens the store, adds what it needs and
// shows the window; the window closes and the store goes after the last test.
class MainWindowFixture : public ::testing::Test {
protected:
    static void Open_Store() {
        db_ = new test::TestDatabase(true);
        local_ = Get_Local_Computer_Name();
    }
    static std::int32_t Add_Local_Computer() { return Add_Device(local_, "", "", 0, 0, 0, 0, "", 1, 2, "", "tester"); }
    static void Show_Main_Window(int settle_ms = 300) {
        ASSERT_TRUE(frmMain::Instance().ShowThisForm(0));
        Pump(settle_ms);
    }
    static void TearDownTestSuite() {
        Close_Main_Window();
        delete db_;
        db_ = nullptr;
    }
    static void Click(const std::string& key) { Click_Feature(key); }

    static inline test::TestDatabase* db_ = nullptr;
    static inline std::string local_;
    static inline std::vector<std::string> boxes_;
};

}  // namespace crv
