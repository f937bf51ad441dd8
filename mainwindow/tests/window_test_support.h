#pragma once
// Reading the real main window back through its controls' own messages,
// shared by the window tests.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/common.h"
#include "core/error.h"
#include "mainwindow/frm_main.h"
#include "platform/win/text.h"

namespace crv {

inline const std::string SEP(Row_Key_Separator);

inline HWND H(const std::string& name) { return reinterpret_cast<HWND>(frmMain::Instance().Control_Handle(name)); }

inline void Pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        Sleep(5);
    } while (GetTickCount() < end);
}

// List view rows through LVM_GETITEMCOUNT / LVM_GETITEMTEXTW: what the
// control itself shows (owner data asks the model for each cell).
inline int List_Count() { return static_cast<int>(SendMessageW(H("lvwMain"), LVM_GETITEMCOUNT, 0, 0)); }
inline std::string List_Text(int row, int column) {
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 1024;
    SendMessageW(H("lvwMain"), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return To_Utf8(buffer);
}
inline int List_Find(const std::string& text) {
    for (int r = 0; r < List_Count(); ++r)
        if (List_Text(r, 0) == text) return r;
    return -1;
}
inline int Header_Count() {
    HWND header = reinterpret_cast<HWND>(SendMessageW(H("lvwMain"), LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
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

inline void Close_Main_Window() {
    frmMain::Instance().Unload();
    Set_Main_Box_Answerer(nullptr);
}

// Selects the feature node of that key and clicks it, as the tree would.
inline void Click_Feature(const std::string& key) {
    MainController& c = frmMain::Instance().Controller();
    TreeNode* n = c.tvwFeatures.Find(key);
    ASSERT_NE(n, nullptr) << key;
    c.tvwFeatures.Select(n);
    c.tvwFeatures_NodeClick(n);
    Pump(20);
}

}  // namespace crv
