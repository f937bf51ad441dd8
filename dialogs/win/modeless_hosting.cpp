#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "dialogs/win/dialog_view.h"
#include "platform/win/window_hook.h"

namespace crv {

namespace {

constexpr UINT_PTR Subclass_Id = 0x4D4C4448;  // forgets the dialog at its end

std::vector<HWND>& Hosted() {
    static std::vector<HWND> dialogs;
    return dialogs;
}
HHOOK g_hook = nullptr;

// Each message the thread takes off its queue, in any loop: a key meant for
// a hosted dialog gets its dialog handling and is then spent, so neither the
// loop's accelerators nor a second translation see it.
LRESULT CALLBACK Message_Hook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && wp == PM_REMOVE) {
        MSG* m = reinterpret_cast<MSG*>(lp);
        if (m->message >= WM_KEYFIRST && m->message <= WM_KEYLAST) {
            for (HWND dialog : Hosted()) {
                if (m->hwnd != dialog && !IsChild(dialog, m->hwnd)) continue;
                if (IsDialogMessageW(dialog, m)) {
                    m->message = WM_NULL;
                    m->wParam = 0;
                    m->lParam = 0;
                }
                break;
            }
        }
    }
    return CallNextHookEx(g_hook, code, wp, lp);
}

void Forget(HWND dialog) {
    auto& dialogs = Hosted();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
    if (dialogs.empty() && g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
}

LRESULT CALLBACK Hosted_Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_NCDESTROY) {
        Forget(hwnd);
        Unhook_Window(hwnd, Hosted_Subclass, Subclass_Id);
    }
    return Hook_Next(hwnd, msg, wp, lp);
}

}  // namespace

void Host_Modeless_Dialog(HWND dialog) {
    if (!dialog || std::find(Hosted().begin(), Hosted().end(), dialog) != Hosted().end()) return;
    if (!g_hook) g_hook = SetWindowsHookExW(WH_GETMESSAGE, Message_Hook, nullptr, GetCurrentThreadId());
    Hosted().push_back(dialog);
    Hook_Window(dialog, Hosted_Subclass, Subclass_Id, 0);
}

}  // namespace crv
