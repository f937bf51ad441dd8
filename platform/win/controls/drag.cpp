#include "platform/win/controls/drag.h"

#include <commctrl.h>

#include "platform/win/window_hook.h"

namespace crv {

namespace {

struct DragState {
    bool active = false;
    HWND source = nullptr;
    std::string text;
};

DragState& State() {
    static DragState state;
    return state;
}

LRESULT CALLBACK Drag_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    DragState& s = State();
    switch (msg) {
    case WM_LBUTTONUP: {
        POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        ClientToScreen(hwnd, &pt);
        End_Text_Drag(pt, false);
        return 0;
    }
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE) {
            End_Text_Drag(POINT{}, true);
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (s.active && reinterpret_cast<HWND>(lp) != hwnd) End_Text_Drag(POINT{}, true);
        break;
    case WM_NCDESTROY:
        Unhook_Window(hwnd, Drag_Proc, id);
        if (s.active && s.source == hwnd) s = DragState{};
        break;
    default:
        break;
    }
    return Hook_Next(hwnd, msg, wp, lp);
}

}  // namespace

// The message a window that takes drops answers: wParam points to the text
// (std::string), lParam holds the screen point; a taker returns 1.
UINT Drop_Message() {
    static const UINT message = RegisterWindowMessageW(L"Corvalin.DropText");
    return message;
}

void Begin_Text_Drag(HWND source, std::string text) {
    DragState& s = State();
    if (s.active) End_Text_Drag(POINT{}, true);
    if (!source) return;
    s.active = true;
    s.source = source;
    s.text = std::move(text);
    Hook_Window(source, Drag_Proc, 0x44524147, 0);
    SetCapture(source);
}

bool Drag_In_Progress() { return State().active; }

void End_Text_Drag(POINT screen_point, bool cancel) {
    DragState& s = State();
    if (!s.active) return;
    DragState ended = std::move(s);
    s = DragState{};
    Unhook_Window(ended.source, Drag_Proc, 0x44524147);
    if (GetCapture() == ended.source) ReleaseCapture();
    if (cancel) return;
    LPARAM where = MAKELPARAM(static_cast<short>(screen_point.x), static_cast<short>(screen_point.y));
    for (HWND target = WindowFromPoint(screen_point); target; target = GetParent(target)) {
        if (SendMessageW(target, Drop_Message(), reinterpret_cast<WPARAM>(&ended.text), where) == 1) break;
    }
}

}  // namespace crv
