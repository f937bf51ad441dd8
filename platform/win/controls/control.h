#pragma once
// Base of the control classes: one child window, its geometry in pixels or
// twips (converted with the window's own DPI), and the mouse, keyboard and
// focus events every pane needs. A control hooks its own window and its
// parent (comctl32 subclassing), so the parent's window procedure needs no
// forwarding of WM_NOTIFY or WM_COMMAND: notifications reach the control that
// sent them by themselves.
//
// Text crosses this interface as UTF-8; only the implementation speaks UTF-16.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace crv {

// The DPI a window is shown at (GetDpiForWindow where the system has it,
// otherwise the screen's logical pixels per inch; 96 when neither answers).
int Window_Dpi(HWND hwnd);
// 1440 twips are one inch. Rounds to the nearest pixel.
int Twips_To_Pixels(double twips, int dpi);
double Pixels_To_Twips(int pixels, int dpi);

// Mouse buttons and shift state as the event handlers take them.
enum MouseButton : int { Mouse_Left = 1, Mouse_Right = 2, Mouse_Middle = 4 };
enum ShiftState : int { Shift_Shift = 1, Shift_Ctrl = 2, Shift_Alt = 4 };

struct MouseEvent {
    int button = 0;  // MouseButton bits: the button pressed or released, or those held on a move
    int shift = 0;   // ShiftState bits
    int x = 0;       // client coordinates of the control, in pixels
    int y = 0;
};

// The shift state of the keyboard right now.
int Current_Shift_State();

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    // Destroys the window when it still exists.
    virtual ~Control();

    HWND Handle() const { return hwnd_; }
    HWND Parent() const;
    int Id() const;
    int Dpi() const { return Window_Dpi(hwnd_); }
    explicit operator bool() const { return hwnd_ != nullptr; }

    // Geometry in the parent's client coordinates.
    void Move(int x, int y, int width, int height);
    void Move_Twips(double left, double top, double width, double height);
    RECT Bounds() const;  // pixels
    // Twips at this control's DPI.
    int To_Pixels(double twips) const { return Twips_To_Pixels(twips, Dpi()); }
    double To_Twips(int pixels) const { return Pixels_To_Twips(pixels, Dpi()); }

    void Show(bool visible);
    bool Visible() const;
    void Enable(bool enabled);
    bool Enabled() const;
    void Focus();
    bool Has_Focus() const;
    // The control does not own the font; it must outlive the control's use of it.
    virtual void Set_Font(HFONT font);
    void Redraw();
    // Stops (false) and resumes (true) painting, as WM_SETREDRAW; resuming
    // repaints. While stopped, the control's own updates keep it stopped.
    void Set_Redraw(bool on);
    bool Redraw_On() const { return redraw_on_; }

    // Events. Mouse events fire before the control's own handling of the
    // message. A right-button press with on_mouse_down set is not passed on
    // to the control (a popup menu opened from the handler would otherwise be
    // followed by the control's own right-click tracking). on_key_down returns
    // true to swallow the key.
    std::function<void(const MouseEvent&)> on_mouse_move;
    std::function<void(const MouseEvent&)> on_mouse_down;
    std::function<void(const MouseEvent&)> on_mouse_up;
    std::function<void()> on_double_click;
    std::function<bool(int key_code, int shift)> on_key_down;
    std::function<void()> on_got_focus;
    std::function<void()> on_lost_focus;

protected:
    // Takes a freshly created window: hooks it and its parent.
    bool Attach(HWND hwnd);
    // WM_NOTIFY arriving at the parent from this control (or a window it
    // claims through Claims_Notification). Return true when handled.
    virtual bool On_Notify(NMHDR& header, LRESULT& result) { return false; }
    virtual bool Claims_Notification(const NMHDR& header) const { return header.hwndFrom == hwnd_; }
    // WM_COMMAND arriving at the parent from this control.
    virtual bool On_Command(WORD code, WORD id, LRESULT& result) { return false; }
    // Messages to the control's own window, before the common handling.
    virtual bool On_Own_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }
    // Messages to the parent window other than WM_NOTIFY/WM_COMMAND (WM_SIZE...).
    virtual void On_Parent_Message(UINT msg, WPARAM wp, LPARAM lp) {}
    // The default processing of a message of the control's own window.
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);

    // WM_SETREDRAW around an update, unless the owner stopped painting.
    void Begin_Update();
    void End_Update();

    HWND hwnd_ = nullptr;

private:
    bool redraw_on_ = true;
    static LRESULT CALLBACK Own_Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK Parent_Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void Detach();
    HWND hooked_parent_ = nullptr;
};

// A static text.
class Label : public Control {
public:
    bool Create(HWND parent, int id, const std::string& text);
    void Set_Text(const std::string& text);
    std::string Text() const;
};

}  // namespace crv
