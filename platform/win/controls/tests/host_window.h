#pragma once
// A shown top-level window to put controls in, and a message pump, for the
// control tests (headless under Wine's null graphics driver).
#include <windows.h>

#include "platform/win/tests/window_test_helpers.h"

namespace crv::testing {

class HostWindow {
public:
    HostWindow(int width = 900, int height = 700) {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"CorvalinControlTestHost";
            wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
            return RegisterClassW(&wc);
        }();
        (void)atom;
        hwnd_ = CreateWindowExW(0, L"CorvalinControlTestHost", L"Control test", WS_OVERLAPPEDWINDOW, 0, 0, width,
                                height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(hwnd_, SW_SHOW);
        UpdateWindow(hwnd_);
    }
    ~HostWindow() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

using test::Pump_Until;
inline void Pump(DWORD ms = 50) { test::Pump_For(ms); }

inline LPARAM Point_Param(int x, int y) { return MAKELPARAM(static_cast<short>(x), static_cast<short>(y)); }

}  // namespace crv::testing
