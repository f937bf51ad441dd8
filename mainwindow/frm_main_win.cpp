#include "mainwindow/frm_main.h"

#include <windows.h>

namespace crv {

struct frmMain::Impl {
    HWND hwnd = nullptr;
    MainController controller;
};

namespace {
LRESULT CALLBACK Main_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
}  // namespace

frmMain::frmMain() : impl_(new Impl) {}
frmMain::~frmMain() { delete impl_; }

frmMain& frmMain::Instance() {
    static frmMain instance;
    return instance;
}

MainController& frmMain::Controller() { return impl_->controller; }
std::uintptr_t frmMain::hWnd() const { return reinterpret_cast<std::uintptr_t>(impl_->hwnd); }

bool frmMain::ShowThisForm(int mode) {
    if (!impl_->hwnd) {
        HINSTANCE inst = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Main_Proc;
        wc.hInstance = inst;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"CorvalinMain";
        RegisterClassExW(&wc);
        impl_->hwnd = CreateWindowExW(0, L"CorvalinMain", L"Corvalin", WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 1024, 720, nullptr, nullptr,
                                      inst, nullptr);
        if (!impl_->hwnd) return false;
    }
    ShowWindow(impl_->hwnd, SW_SHOW);
    UpdateWindow(impl_->hwnd);
    if (mode == 1) {
        MSG m;
        while (IsWindow(impl_->hwnd) && GetMessageW(&m, nullptr, 0, 0) > 0) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    return true;
}

}  // namespace crv
