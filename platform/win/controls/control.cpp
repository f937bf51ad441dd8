#include "platform/win/controls/control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>

#include "platform/win/controls/wide.h"
#include "platform/win/window_hook.h"

namespace crv {

namespace controls_detail {

void Init_Common_Controls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                                  ICC_COOL_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES |
                                                  ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

}  // namespace controls_detail

using controls_detail::Utf8;
using controls_detail::Wide;

int Window_Dpi(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto get_dpi = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (get_dpi && hwnd) {
        UINT dpi = get_dpi(hwnd);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    HDC dc = GetDC(hwnd);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc) ReleaseDC(hwnd, dc);
    return dpi > 0 ? dpi : 96;
}

int Twips_To_Pixels(double twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

double Pixels_To_Twips(int pixels, int dpi) { return dpi > 0 ? pixels * 1440.0 / dpi : pixels * 15.0; }

int Current_Shift_State() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= Shift_Shift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= Shift_Ctrl;
    if (GetKeyState(VK_MENU) < 0) shift |= Shift_Alt;
    return shift;
}

namespace {

MouseEvent Mouse_From(WPARAM wp, LPARAM lp, int button) {
    MouseEvent e;
    e.button = button;
    if (button == 0) {  // a move: the buttons held
        if (wp & MK_LBUTTON) e.button |= Mouse_Left;
        if (wp & MK_RBUTTON) e.button |= Mouse_Right;
        if (wp & MK_MBUTTON) e.button |= Mouse_Middle;
    }
    if (wp & MK_SHIFT) e.shift |= Shift_Shift;
    if (wp & MK_CONTROL) e.shift |= Shift_Ctrl;
    if (GetKeyState(VK_MENU) < 0) e.shift |= Shift_Alt;
    e.x = GET_X_LPARAM(lp);
    e.y = GET_Y_LPARAM(lp);
    return e;
}

}  // namespace

Control::~Control() {
    HWND hwnd = hwnd_;
    Detach();
    if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}

void Control::Detach() {
    if (hwnd_) Unhook_Window(hwnd_, Own_Proc, 1);
    if (hooked_parent_) Unhook_Window(hooked_parent_, Parent_Proc, reinterpret_cast<UINT_PTR>(this));
    hwnd_ = nullptr;
    hooked_parent_ = nullptr;
}

bool Control::Attach(HWND hwnd) {
    if (!hwnd) return false;
    hwnd_ = hwnd;
    Hook_Window(hwnd, Own_Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    hooked_parent_ = GetParent(hwnd);
    if (hooked_parent_)
        Hook_Window(hooked_parent_, Parent_Proc, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this));
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (hooked_parent_) {
        if (HFONT parent_font = reinterpret_cast<HFONT>(SendMessageW(hooked_parent_, WM_GETFONT, 0, 0)))
            font = parent_font;
    }
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

LRESULT Control::Default(UINT msg, WPARAM wp, LPARAM lp) { return Hook_Next(hwnd_, msg, wp, lp); }

LRESULT CALLBACK Control::Own_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Control*>(data);
    if (msg == WM_NCDESTROY) {
        Unhook_Window(hwnd, Own_Proc, 1);
        if (self->hooked_parent_)
            Unhook_Window(self->hooked_parent_, Parent_Proc, reinterpret_cast<UINT_PTR>(self));
        self->hooked_parent_ = nullptr;
        self->hwnd_ = nullptr;
        return Hook_Next(hwnd, msg, wp, lp);
    }
    LRESULT result = 0;
    if (self->On_Own_Message(msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_MOUSEMOVE:
        if (self->on_mouse_move) self->on_mouse_move(Mouse_From(wp, lp, 0));
        break;
    case WM_LBUTTONDOWN:
        if (self->on_mouse_down) self->on_mouse_down(Mouse_From(wp, lp, Mouse_Left));
        break;
    case WM_MBUTTONDOWN:
        if (self->on_mouse_down) self->on_mouse_down(Mouse_From(wp, lp, Mouse_Middle));
        break;
    case WM_RBUTTONDOWN:
        if (self->on_mouse_down) {
            self->on_mouse_down(Mouse_From(wp, lp, Mouse_Right));
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (self->on_mouse_up) self->on_mouse_up(Mouse_From(wp, lp, Mouse_Left));
        break;
    case WM_RBUTTONUP:
        if (self->on_mouse_up) self->on_mouse_up(Mouse_From(wp, lp, Mouse_Right));
        break;
    case WM_MBUTTONUP:
        if (self->on_mouse_up) self->on_mouse_up(Mouse_From(wp, lp, Mouse_Middle));
        break;
    case WM_LBUTTONDBLCLK:
        if (self->on_double_click) {
            result = Hook_Next(hwnd, msg, wp, lp);
            if (self->on_double_click) self->on_double_click();
            return result;
        }
        break;
    case WM_KEYDOWN:
        if (self->on_key_down && self->on_key_down(static_cast<int>(wp), Current_Shift_State())) return 0;
        break;
    case WM_SETFOCUS:
        result = Hook_Next(hwnd, msg, wp, lp);
        if (self->on_got_focus) self->on_got_focus();
        return result;
    case WM_KILLFOCUS:
        result = Hook_Next(hwnd, msg, wp, lp);
        if (self->on_lost_focus) self->on_lost_focus();
        return result;
    default:
        break;
    }
    return Hook_Next(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Control::Parent_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<Control*>(data);
    LRESULT result = 0;
    switch (msg) {
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header && self->hwnd_ && self->Claims_Notification(*header) &&
            self->On_Notify(*header, result))
            return result;
        break;
    }
    case WM_COMMAND:
        if (self->hwnd_ && reinterpret_cast<HWND>(lp) == self->hwnd_ &&
            self->On_Command(HIWORD(wp), LOWORD(wp), result))
            return result;
        break;
    case WM_NCDESTROY:
        Unhook_Window(hwnd, Parent_Proc, id);
        self->hooked_parent_ = nullptr;
        break;
    default:
        if (self->hwnd_) self->On_Parent_Message(msg, wp, lp);
        break;
    }
    return Hook_Next(hwnd, msg, wp, lp);
}

HWND Control::Parent() const { return hwnd_ ? GetParent(hwnd_) : nullptr; }

int Control::Id() const { return hwnd_ ? GetDlgCtrlID(hwnd_) : 0; }

void Control::Move(int x, int y, int width, int height) {
    if (hwnd_) MoveWindow(hwnd_, x, y, width < 0 ? 0 : width, height < 0 ? 0 : height, TRUE);
}

void Control::Move_Twips(double left, double top, double width, double height) {
    int dpi = Dpi();
    Move(Twips_To_Pixels(left, dpi), Twips_To_Pixels(top, dpi), Twips_To_Pixels(width, dpi),
         Twips_To_Pixels(height, dpi));
}

RECT Control::Bounds() const {
    RECT r{};
    if (!hwnd_) return r;
    GetWindowRect(hwnd_, &r);
    if (HWND parent = GetParent(hwnd_)) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::Show(bool visible) {
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Control::Visible() const { return hwnd_ && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE); }

void Control::Enable(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

bool Control::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Control::Focus() {
    if (hwnd_) SetFocus(hwnd_);
}

bool Control::Has_Focus() const { return hwnd_ && GetFocus() == hwnd_; }

void Control::Set_Font(HFONT font) {
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::Set_Redraw(bool on) {
    redraw_on_ = on;
    if (!hwnd_) return;
    SendMessageW(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Control::Begin_Update() {
    if (hwnd_ && redraw_on_) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
}

void Control::End_Update() {
    if (!hwnd_) return;
    if (redraw_on_) SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::Redraw() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

bool Label::Create(HWND parent, int id, const std::string& text) {
    controls_detail::Init_Common_Controls();
    HWND hwnd = CreateWindowExW(0, L"STATIC", Wide(text).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE,
                                0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    return Attach(hwnd);
}

void Label::Set_Text(const std::string& text) {
    if (hwnd_) SetWindowTextW(hwnd_, Wide(text).c_str());
}

std::string Label::Text() const { return hwnd_ ? controls_detail::Window_Text(hwnd_) : std::string(); }

}  // namespace crv
