#pragma once
// Driving real windows the way the user's input reaches them: the message
// pump, clicks and keys through the queue, a step run later from a timer,
// and the list and tree views read back through their own messages. Shared
// by the window tests of the controls, the main window and the dialogs.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/text.h"

namespace crv::test {

// Dispatches what is queued now.
inline void Pump_Queued() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

// Dispatches messages until the condition holds or the time is up; returns
// the condition's last answer (true without one).
inline bool Pump_Until(const std::function<bool()>& done, DWORD timeout_ms = 2000) {
    const DWORD start = GetTickCount();
    for (;;) {
        Pump_Queued();
        if (done && done()) return true;
        if (GetTickCount() - start >= timeout_ms) return done ? done() : true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Dispatches messages for that long: timers and posted work run meanwhile.
inline void Pump_For(DWORD ms) { Pump_Until(nullptr, ms); }

// A button pressed as its owner hears it: WM_COMMAND with BN_CLICKED.
inline void Click(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A key as the keyboard sends it: through the queue, so the loop's hooks see
// it once the queue is pumped.
inline void Post_Key(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// A key pressed and released on the keyboard: the system hands it to the
// window that has the focus, whichever that is (with none, to the active
// window as a system key), as it would a user's.
inline void Press_Key(WORD key) {
    INPUT in[2] = {};
    in[0].type = INPUT_KEYBOARD;
    in[0].ki.wVk = key;
    in[1] = in[0];
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

// A left click in the middle of a rectangle of a window, by the queue.
inline void Post_Click_At(HWND target, const RECT& r) {
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(target, WM_LBUTTONUP, 0, at);
}

// One scripted step run from a timer of that window after `ms`: a modal
// loop (a dialog's, a menu's) dispatches it, so the step runs inside it.
inline std::function<void()>& Pending_Step() {
    static std::function<void()> step;
    return step;
}
inline void CALLBACK Run_Pending_Step(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    auto step = std::move(Pending_Step());
    Pending_Step() = nullptr;
    if (step) step();
}
inline void Later(HWND window, DWORD ms, std::function<void()> step) {
    Pending_Step() = std::move(step);
    SetTimer(window, 0x7E57, ms, Run_Pending_Step);
}

// List view rows through LVM_GETITEMCOUNT / LVM_GETITEMTEXTW: what the
// control itself shows (owner data asks the model for each cell).
inline int List_View_Count(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
inline std::string List_View_Text(HWND list, int row, int column) {
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 1024;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return To_Utf8(buffer);
}
inline std::vector<int> Selected_Rows(HWND list) {
    std::vector<int> rows;
    for (int i = -1; (i = ListView_GetNextItem(list, i, LVNI_SELECTED)) >= 0;) rows.push_back(i);
    return rows;
}

inline std::string Tree_Text(HWND tree, HTREEITEM item) {
    wchar_t buffer[512] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buffer;
    tv.cchTextMax = 512;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return To_Utf8(buffer);
}
inline HTREEITEM Tree_Root(HWND tree) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}
// Depth-first search for an item's text.
inline HTREEITEM Tree_Find(HWND tree, HTREEITEM from, const std::string& text) {
    for (HTREEITEM i = from; i; i = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                                                  reinterpret_cast<LPARAM>(i)))) {
        if (Tree_Text(tree, i) == text) return i;
        HTREEITEM child = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(i)));
        if (HTREEITEM found = Tree_Find(tree, child, text)) return found;
    }
    return nullptr;
}

}  // namespace crv::test
