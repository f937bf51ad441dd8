// The computer list manager as a real window under Wine: Browse through the
// system's NetServerEnum, the names file through the real host, the
// in-place credentials editor driven through its messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "core/tests/read_all.h"
#include "dialogs/tests/dialog_window_fixture.h"
#include "dialogs/win/frm_manage_computers.h"
#include "store/computer_batch.h"
#include "store/devices.h"
#include "store/tests/brief_lock.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

using test::Click;
using test::Pump_For;

// A window whose WM_APP (or timer) runs a hook: a message that some loop
// other than the test's dispatches.
LRESULT CALLBACK Hook_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    if (msg == WM_APP || msg == WM_TIMER) {
        (*reinterpret_cast<std::function<void()>*>(ref))();
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

class ManageComputersWindowTest : public test::DialogWindowFixture {
protected:
    ManageComputersWindowTest() : DialogWindowFixture(false) {}
    void TearDown() override {
        frmManageComputers::on_opened = nullptr;
        DialogWindowFixture::TearDown();
    }

    // Opens the dialog and runs step once it shows; the step ends by closing it.
    void Run(std::function<void(HWND, ManageComputersController&)> step) {
        bool ran = false;
        frmManageComputers::on_opened = [&](HWND dlg, ManageComputersController& c) {
            test::Later(dlg, 100, [&, dlg] {
                step(dlg, c);
                ran = true;
                if (IsWindow(dlg)) PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_MC_CMDCLOSE, BN_CLICKED), 0);
            });
        };
        frmManageComputers::Show(owner_);
        EXPECT_TRUE(ran);
        EXPECT_FALSE(Is_Form_Loaded("frmManageComputers"));
    }
    static RECT Cell(HWND list, int row, int column) {
        RECT r{};
        r.top = column;
        r.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // A left click released at the middle of a cell.
    static void Click_Cell(HWND list, int row, int column) {
        RECT r = Cell(list, row, column);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Pump_For(50);
    }
    std::pair<std::string, std::string> Stored(const std::string& name) {
        std::string user, pwd, domain;
        EXPECT_TRUE(Get_Device_Credentials(Get_Device_ID(name, 2), user, pwd, domain));
        return {user, pwd};
    }
};

TEST_F(ManageComputersWindowTest, BrowseShowsTheBusyPanelWithOnlyCancelLiveAndAddsNothingHere) {
    bool checked = false;
    Run([&](HWND dlg, ManageComputersController& c) {
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_MC_CMDBROWSE)));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, IDC_MC_LBLHEADER)));
        std::function<void()> during = [&] {
            checked = true;
            EXPECT_TRUE(c.Busy());
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, IDC_MC_LBLHEADER)));
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, IDC_MC_CMDCANCEL)));
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_MC_CMDCANCEL)));
            for (int id : {IDC_MC_CMDADD, IDC_MC_CMDBROWSE, IDC_MC_CMDIMPORT, IDC_MC_CMDCLOSE, IDC_MC_LVWCOMPUTER})
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, id))) << id;
            // Commands that reach the dialog now start nothing; Esc cancels.
            SetWindowTextW(GetDlgItem(dlg, IDC_MC_TXTCOMPUTER), L"INSIDE");
            Click(dlg, IDC_MC_CMDADD);
            SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
            EXPECT_TRUE(IsWindow(dlg));
        };
        HWND hook = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowSubclass(hook, Hook_Proc, 1, reinterpret_cast<DWORD_PTR>(&during));
        PostMessageW(hook, WM_APP, 0, 0);
        Click(dlg, IDC_MC_CMDBROWSE);
        DestroyWindow(hook);
        EXPECT_FALSE(c.Busy());
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, IDC_MC_LBLHEADER)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_MC_CMDADD)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_MC_LVWCOMPUTER)));
        EXPECT_EQ(c.lvwComputer.Item_Count(), 0u);
    });
    EXPECT_TRUE(checked);
    EXPECT_TRUE(boxes_.empty());  // no domain: no message
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"), "0");
}

// Esc on the keyboard while a long import runs. The Import button that had
// the focus is disabled for the run, yet the key reaches the dialog: the
// import stops, what it stored stays, and the dialog answers and gives the
// focus back.
TEST_F(ManageComputersWindowTest, EscOnTheKeyboardStopsALongImportAndKeepsWhatWasStored) {
    constexpr std::size_t In_File = 20000;
    const fs::path file = db_.Folder() / "many.txt";
    {
        std::ofstream out(file, std::ios::binary);
        for (std::size_t i = 0; i < In_File; ++i) out << "PC-" << i << "\r\n";
    }
    Set_Dialog_Open_Answerer([&](const std::string&) { return file.string(); });
    std::size_t listed_at_escape = 0;
    Run([&](HWND dlg, ManageComputersController& c) {
        HWND import = GetDlgItem(dlg, IDC_MC_CMDIMPORT);
        SetForegroundWindow(dlg);
        SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(import), TRUE);
        ASSERT_EQ(GetFocus(), import);
        HWND hook = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        // The import's pumps run this from a timer; the key goes once a
        // batch is stored.
        std::function<void()> during = [&] {
            if (listed_at_escape || c.lvwComputer.Item_Count() == 0) return;
            listed_at_escape = c.lvwComputer.Item_Count();
            KillTimer(hook, 1);
            test::Press_Key(VK_ESCAPE);
        };
        SetWindowSubclass(hook, Hook_Proc, 1, reinterpret_cast<DWORD_PTR>(&during));
        SetTimer(hook, 1, 10, nullptr);
        Click(dlg, IDC_MC_CMDIMPORT);
        DestroyWindow(hook);
        EXPECT_GT(listed_at_escape, 0u);
        EXPECT_FALSE(c.Busy());
        EXPECT_LT(c.lvwComputer.Item_Count(), In_File);
        EXPECT_GE(c.lvwComputer.Item_Count(), listed_at_escape);
        ASSERT_TRUE(IsWindow(dlg));
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutW(dlg, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer), 0);
        EXPECT_EQ(GetFocus(), import);
        EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"),
                  std::to_string(c.lvwComputer.Item_Count()));
    });
    EXPECT_TRUE(boxes_.empty());
}

// Another program takes the file for 10 s about a second into deleting
// 2,000 ticked computers: one box, and the walk stops there. The computers
// deleted before the lock are gone, every other row is still listed and
// ticked, and the list shows what is stored.
TEST_F(ManageComputersWindowTest, ALockTakenDuringALongDeletionStopsItWithOneBox) {
    std::vector<std::string> names;
    for (int i = 0; i < 2000; ++i) names.push_back("PC-" + std::to_string(i));
    ASSERT_TRUE(Add_Computers(names, "u", "p", "t"));
    std::optional<test::BriefLock> lock;
    Run([&](HWND dlg, ManageComputersController& c) {
        HWND list = GetDlgItem(dlg, IDC_MC_LVWCOMPUTER);
        SendMessageW(GetDlgItem(dlg, IDC_MC_CHKSELECTALL), BM_CLICK, 0, 0);  // checks it, as a click does
        ASSERT_EQ(ListView_GetItemCount(list), 2000);
        ASSERT_TRUE(ListView_GetCheckState(list, 1999));
        HWND hook = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        std::function<void()> during = [&] {
            KillTimer(hook, 1);
            lock.emplace(db_, std::chrono::milliseconds(10000));
        };
        SetWindowSubclass(hook, Hook_Proc, 1, reinterpret_cast<DWORD_PTR>(&during));
        SetTimer(hook, 1, 1000, nullptr);
        Click(dlg, IDC_MC_CMDDELETE);
        DestroyWindow(hook);
        ASSERT_TRUE(lock.has_value());
        EXPECT_FALSE(c.Busy());
        const int left = ListView_GetItemCount(list);
        EXPECT_GT(left, 0);
        EXPECT_LT(left, 2000);
        EXPECT_EQ(static_cast<std::size_t>(left), c.lvwComputer.Item_Count());
        for (int i = 0; i < left; ++i) ASSERT_TRUE(ListView_GetCheckState(list, i)) << i;
        lock.reset();
        EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"), std::to_string(left));
        for (std::size_t i = 0; i < c.lvwComputer.Item_Count(); ++i)
            ASSERT_EQ(Get_Device_ID(c.lvwComputer.Item(i).text, 2), Text_Number(c.lvwComputer.Item(i).tag)) << i;
    });
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("locked"), std::string::npos) << db_.reporter.boxes[0];
    EXPECT_EQ(boxes_.size(), 1u);  // the question
}

// The user leaves the dialog for another window while a long import runs:
// the busy panel's Cancel takes a lost focus only in the active dialog, so
// the window the user went to stays active.
TEST_F(ManageComputersWindowTest, ALongImportLeavesTheWindowTheUserWentToActive) {
    const fs::path file = db_.Folder() / "many.txt";
    {
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 20000; ++i) out << "PC-" << i << "\r\n";
    }
    Set_Dialog_Open_Answerer([&](const std::string&) { return file.string(); });
    HWND active_later = nullptr;
    HWND elsewhere = nullptr;
    Run([&](HWND dlg, ManageComputersController& c) {
        SetForegroundWindow(dlg);
        SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDC_MC_CMDIMPORT)), TRUE);
        elsewhere = CreateWindowExW(0, L"STATIC", L"Elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                    nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(elsewhere, nullptr);
        SetForegroundWindow(dlg);
        HWND hook = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        // Once a batch is listed the user goes to the other window; once
        // the import has shown its progress twice more, the run is stopped.
        std::size_t left_at = 0;
        std::function<void()> during = [&] {
            const std::size_t listed = c.lvwComputer.Item_Count();
            if (listed == 0) return;
            if (!left_at) {
                left_at = listed;
                SetForegroundWindow(elsewhere);
                SetActiveWindow(elsewhere);
                return;
            }
            if (listed < left_at + 1000) return;
            active_later = GetActiveWindow();
            KillTimer(hook, 1);
            c.cmdCancel_Click();
        };
        SetWindowSubclass(hook, Hook_Proc, 1, reinterpret_cast<DWORD_PTR>(&during));
        SetTimer(hook, 1, 10, nullptr);
        Click(dlg, IDC_MC_CMDIMPORT);
        DestroyWindow(hook);
        EXPECT_FALSE(c.Busy());
    });
    EXPECT_EQ(active_later, elsewhere);
    if (elsewhere) DestroyWindow(elsewhere);
}

TEST_F(ManageComputersWindowTest, TypingANewPasswordIntoTheEditorOverItsCellIsStoredWhenTheFocusMoves) {
    ASSERT_GT(Add_Device("PC-A", "ua", "old", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    ASSERT_GT(Add_Device("PC-B", "ub", "older", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    Run([&](HWND dlg, ManageComputersController& c) {
        HWND list = GetDlgItem(dlg, IDC_MC_LVWCOMPUTER);
        HWND editor = GetDlgItem(dlg, IDC_MC_TXTUNAME);
        ASSERT_FALSE(IsWindowVisible(editor));
        Click_Cell(list, 1, 2);  // PC-B's password
        ASSERT_TRUE(IsWindowVisible(editor));
        EXPECT_EQ(GetFocus(), editor);
        EXPECT_EQ(SendMessageW(editor, EM_GETPASSWORDCHAR, 0, 0), 0x2022);
        EXPECT_EQ(Window_Text(editor), "older");
        DWORD from = 0, to = 0;
        SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, 0u);
        EXPECT_EQ(to, 5u);
        // The editor lies over the cell.
        RECT cell = Cell(list, 1, 2);
        MapWindowPoints(list, dlg, reinterpret_cast<POINT*>(&cell), 2);
        RECT box = Child_Rect(dlg, IDC_MC_TXTUNAME);
        EXPECT_EQ(box.left, cell.left);
        EXPECT_EQ(box.top, cell.top);
        EXPECT_EQ(box.right, cell.right + 1);
        EXPECT_EQ(box.bottom, cell.bottom + 1);

        for (wchar_t ch : std::wstring(L"n\u00EBw pw")) SendMessageW(editor, WM_CHAR, ch, 0);
        SetFocus(GetDlgItem(dlg, IDC_MC_TXTCOMPUTER));
        Pump_For(20);
        EXPECT_FALSE(IsWindowVisible(editor));
        EXPECT_EQ(Stored("PC-B"), (std::pair<std::string, std::string>("ub", "n\xC3\xABw pw")));
        EXPECT_EQ(c.lvwComputer.Item(1).Sub_Item(2).size(), 6 * 3u);  // six bullets

        // The user name of PC-A, then a click on another row's cell saves it first.
        Click_Cell(list, 0, 1);
        ASSERT_TRUE(IsWindowVisible(editor));
        EXPECT_EQ(SendMessageW(editor, EM_GETPASSWORDCHAR, 0, 0), 0);
        EXPECT_EQ(Window_Text(editor), "ua");
        SetWindowTextW(editor, L"CORP\\admin");
        Click_Cell(list, 1, 1);
        EXPECT_EQ(Stored("PC-A").first, "CORP\\admin");
        EXPECT_EQ(Window_Text(editor), "ub");  // now on PC-B's user name

        // Enter ends the edit; the value is stored.
        SetWindowTextW(editor, L"bee");
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        Pump_For(20);
        EXPECT_FALSE(IsWindowVisible(editor));
        EXPECT_EQ(Stored("PC-B").first, "bee");
    });
}

TEST_F(ManageComputersWindowTest, EscWithTheEditorFocusedSavesOnceAndCloses) {
    ASSERT_GT(Add_Device("PC-A", "ua", "pa", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    Run([&](HWND dlg, ManageComputersController&) {
        HWND editor = GetDlgItem(dlg, IDC_MC_TXTUNAME);
        Click_Cell(GetDlgItem(dlg, IDC_MC_LVWCOMPUTER), 0, 1);
        ASSERT_EQ(GetFocus(), editor);
        SetWindowTextW(editor, L"escaped");
        // Esc as the dialog's own loop turns it into Cancel.
        PostMessageW(editor, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        Pump_For(50);
    });
    EXPECT_EQ(Stored("PC-A"), (std::pair<std::string, std::string>("escaped", "pa")));
}

TEST_F(ManageComputersWindowTest, TheNamesFileRoundTripsThroughTheRealHostAndNamesAreUpperCasedBySystemRules) {
    const fs::path names = db_.Folder() / "names";
    Set_Dialog_Save_Answerer([&](const std::string&) { return names.string(); });
    Set_Dialog_Open_Answerer([&](const std::string&) { return names.string() + ".txt"; });
    Run([&](HWND dlg, ManageComputersController& c) {
        for (const wchar_t* name : {L"zo\u00EB-laptop", L"pc-2", L"\u043A\u0438\u0440\u0438\u043B\u043B-\u043F\u043A"}) {
            SetWindowTextW(GetDlgItem(dlg, IDC_MC_TXTCOMPUTER), name);
            Click(dlg, IDC_MC_CMDADD);
        }
        ASSERT_EQ(c.lvwComputer.Item_Count(), 3u);
        EXPECT_EQ(c.lvwComputer.Item(0).text, "ZO\xC3\x8B-LAPTOP");
        SetWindowTextW(GetDlgItem(dlg, IDC_MC_TXTCOMPUTER), L"ZO\u00CB-LAPTOP");
        Click(dlg, IDC_MC_CMDADD);
        EXPECT_EQ(c.lvwComputer.Item_Count(), 3u);
        Click(dlg, IDC_MC_CMDEXPORT);
        // Import into the same list adds nothing.
        Click(dlg, IDC_MC_CMDIMPORT);
        EXPECT_EQ(c.lvwComputer.Item_Count(), 3u);
        // And into an emptied one, everything, name for name.
        SendDlgItemMessageW(dlg, IDC_MC_CHKSELECTALL, BM_SETCHECK, BST_CHECKED, 0);
        Click(dlg, IDC_MC_CHKSELECTALL);
        Click(dlg, IDC_MC_CMDDELETE);
        ASSERT_EQ(c.lvwComputer.Item_Count(), 0u);
        Click(dlg, IDC_MC_CMDIMPORT);
        ASSERT_EQ(c.lvwComputer.Item_Count(), 3u);
        EXPECT_EQ(c.lvwComputer.Item(2).text, "\xD0\x9A\xD0\x98\xD0\xA0\xD0\x98\xD0\x9B\xD0\x9B-\xD0\x9F\xD0\x9A");
    });
    // The Cyrillic name does not fit the ANSI code page: the file is marked UTF-8.
    const std::string text = test::Read_All(db_.Folder() / "names.txt");
    EXPECT_EQ(text, "\xEF\xBB\xBFZO\xC3\x8B-LAPTOP\r\nPC-2\r\n\xD0\x9A\xD0\x98\xD0\xA0\xD0\x98\xD0\x9B\xD0\x9B-\xD0\x9F"
                    "\xD0\x9A\r\n");
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0], "Computer already exists.");
}

TEST_F(ManageComputersWindowTest, ANamesFileInTheAnsiCodePageReadsBack) {
    // The ANSI code page of the prefix holds Ë as one byte.
    const std::string ansi = To_Ansi("ZO\xC3\x8B-PC");
    ASSERT_EQ(ansi.size(), 6u);
    const fs::path file = db_.Folder() / "ansi.txt";
    std::ofstream(file, std::ios::binary) << ansi << "\r\n\"pc 9\",pc-9\r\n";
    Set_Dialog_Open_Answerer([&](const std::string& title) {
        EXPECT_EQ(title, "Import computer names from a text file");
        return file.string();
    });
    Set_Dialog_Save_Answerer([&](const std::string&) { return (db_.Folder() / "out.txt").string(); });
    Run([&](HWND dlg, ManageComputersController& c) {
        Click(dlg, IDC_MC_CMDIMPORT);
        ASSERT_EQ(c.lvwComputer.Item_Count(), 2u);
        EXPECT_EQ(c.lvwComputer.Item(0).text, "ZO\xC3\x8B-PC");
        EXPECT_EQ(c.lvwComputer.Item(1).text, "PC-9");
        Click(dlg, IDC_MC_CMDEXPORT);
    });
    EXPECT_EQ(test::Read_All(db_.Folder() / "out.txt"), ansi + "\r\nPC-9\r\n");
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
}  // namespace crv
