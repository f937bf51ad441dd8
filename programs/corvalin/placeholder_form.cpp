#include "programs/corvalin/placeholder_form.h"

#include <windows.h>

#include "platform/win/com.h"
#include "platform/win/forms.h"
#include "programs/corvalin/resource.h"

namespace crv {
namespace {

constexpr wchar_t Class_Name[] = L"CorvalinMainWindow";

LRESULT CALLBACK Window_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

frmMain& frmMain::Instance() {
    static frmMain form;
    return form;
}

bool frmMain::ShowThisForm(int mode) {
    HWND hwnd = reinterpret_cast<HWND>(hwnd_);
    if (!hwnd || !IsWindow(hwnd)) {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Window_Proc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_CORVALIN));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_CORVALIN), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = Class_Name;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return Set_Error_From_Win32(GetLastError());
        hwnd = CreateWindowExW(0, Class_Name, L"Corvalin", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800,
                               600, nullptr, nullptr, instance, nullptr);
        if (!hwnd) return Set_Error_From_Win32(GetLastError());
        Register_Form(hwnd, "frmMain");
        hwnd_ = reinterpret_cast<std::uintptr_t>(hwnd);
    }
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    if (mode == 1) Run_Message_Loop();
    return true;
}

}  // namespace crv
