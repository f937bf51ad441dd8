#pragma once
// A shown top-level window to put controls in, and a message pump, for the
// control tests (headless under Wine's null graphics driver).
#include <windows.h>

#include <functional>

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

// Dispatches messages until the condition holds or the time is up; returns
// the condition's last answer.
inline bool Pump_Until(const std::function<bool()>& done, DWORD timeout_ms = 2000) {
    DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done && done()) return true;
        if (GetTickCount() - start >= timeout_ms) return done ? done() : true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

inline void Pump(DWORD ms = 50) { Pump_Until(nullptr, ms); }

inline LPARAM Point_Param(int x, int y) { return MAKELPARAM(static_cast<short>(x), static_cast<short>(y)); }

}  // namespace crv::testing
