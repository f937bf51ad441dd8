#include "dialogs/win/frm_find.h"

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/forms.h"

namespace crv {

std::function<void(HWND, FindController&)> frmFind::on_opened;

namespace {

struct FindView {
    explicit FindView(std::unique_ptr<FindLink> link) : main(std::move(link)), c(*main) {}
    std::unique_ptr<FindLink> main;
    FindController c;
    HWND hwnd = nullptr;
};

HWND g_find = nullptr;

void Select_Search_Text(HWND dialog) {
    HWND text = GetDlgItem(dialog, IDC_FD_TXTFIND);
    SetFocus(text);
    SendMessageW(text, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK Find_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<FindView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        view = reinterpret_cast<FindView*>(lp);
        view->hwnd = hwnd;
        return FALSE;
    case WM_COMMAND:
        if (!view) return FALSE;
        switch (LOWORD(wp)) {
        case IDC_FD_CMDFIND:  // also Enter in the text box (the default button)
            view->c.txtFind = Window_Text(GetDlgItem(hwnd, IDC_FD_TXTFIND));
            view->c.cmdFind_Click();
            return TRUE;
        case IDOK:
            view->c.txtFind = Window_Text(GetDlgItem(hwnd, IDC_FD_TXTFIND));
            view->c.txtFind_KeyPress(13);
            return TRUE;
        case IDCANCEL:  // Esc
            DestroyWindow(hwnd);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return TRUE;
    case WM_NCDESTROY:
        if (g_find == hwnd) g_find = nullptr;
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        delete view;
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void frmFind::Show(std::unique_ptr<FindLink> main, HWND owner) {
    if (g_find) {
        ShowWindow(g_find, SW_SHOWNORMAL);
        SetActiveWindow(g_find);
        Select_Search_Text(g_find);
        return;
    }
    if (!main) return;
    owner = Dialog_Owner(owner);
    auto* view = new FindView(std::move(main));
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FIND), owner, Find_Proc,
                                     reinterpret_cast<LPARAM>(view));
    if (!dialog) {
        delete view;
        return;
    }
    g_find = dialog;
    Register_Form(dialog, "frmFind");
    Host_Modeless_Dialog(dialog);
    // Near the owner's top right, where it hides the least of the panes.
    RECT o{}, d{};
    if (owner && GetWindowRect(owner, &o) && GetWindowRect(dialog, &d))
        SetWindowPos(dialog, nullptr, o.right - (d.right - d.left) - 40, o.top + 90, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(dialog, SW_SHOW);
    Select_Search_Text(dialog);
    if (on_opened) on_opened(dialog, view->c);
}

HWND frmFind::Window() { return g_find; }

}  // namespace crv
