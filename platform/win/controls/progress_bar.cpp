#include "platform/win/controls/progress_bar.h"

#include <commctrl.h>

#include "platform/win/controls/wide.h"

namespace crv {

bool ProgressBar::Create(HWND parent, int id) {
    controls_detail::Init_Common_Controls();
    HWND hwnd = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 16, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    return Attach(hwnd);
}

void ProgressBar::Set_Range(int minimum, int maximum) {
    if (hwnd_) SendMessageW(hwnd_, PBM_SETRANGE32, minimum, maximum);
}

void ProgressBar::Set_Value(int value) {
    if (!hwnd_) return;
    int low = Minimum(), high = Maximum();
    if (value < low) value = low;
    if (value > high) value = high;
    SendMessageW(hwnd_, PBM_SETPOS, value, 0);
}

int ProgressBar::Value() const { return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, PBM_GETPOS, 0, 0)) : 0; }

int ProgressBar::Minimum() const {
    return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, TRUE, 0)) : 0;
}

int ProgressBar::Maximum() const {
    return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, FALSE, 0)) : 0;
}

}  // namespace crv
