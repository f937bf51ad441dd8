#include <windows.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"

namespace crv {

namespace {

struct InputBoxState {
    std::string prompt;
    std::string title;
    std::string text;
    std::size_t max_length = 0;
    bool ok = false;
};

std::function<void(HWND)>& Opened_Hook() {
    static std::function<void(HWND)> hook;
    return hook;
}

INT_PTR CALLBACK Input_Box_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        state = reinterpret_cast<InputBoxState*>(lp);
        Set_Window_Text(hwnd, state->title);
        Set_Window_Text(GetDlgItem(hwnd, IDC_IB_PROMPT), state->prompt);
        HWND edit = GetDlgItem(hwnd, IDC_IB_TEXT);
        // Typing and pasting stop at the limit (UTF-16 units, as the box counts).
        if (state->max_length > 0) SendMessageW(edit, EM_LIMITTEXT, state->max_length, 0);
        Set_Window_Text(edit, state->text);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        if (Opened_Hook()) Opened_Hook()(hwnd);
        return FALSE;  // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK && state) {
            state->text = Window_Text(GetDlgItem(hwnd, IDC_IB_TEXT));
            state->ok = true;
            EndDialog(hwnd, IDOK);
            return TRUE;
        }
        if (LOWORD(wp) == IDCANCEL) {
            EndDialog(hwnd, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

std::optional<std::string> Show_Input_Box(HWND owner, const std::string& prompt, const std::string& title,
                                          const std::string& default_text, std::size_t max_length) {
    InputBoxState state{prompt, title, default_text, max_length, false};
    Run_Modal_Dialog(IDD_INPUT_BOX, owner, Input_Box_Proc, reinterpret_cast<LPARAM>(&state));
    if (!state.ok) return std::nullopt;
    return state.text;
}

void Set_Input_Box_Opened_Hook(std::function<void(HWND)> hook) { Opened_Hook() = std::move(hook); }

std::optional<std::string> Win32DialogHost::Input_Box(const std::string& prompt, const std::string& title,
                                                      const std::string& default_text, std::size_t max_length) {
    return Show_Input_Box(hwnd, prompt, title, default_text, max_length);
}

}  // namespace crv
