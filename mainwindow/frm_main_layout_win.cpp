// The main window's layout: the stored window and pane geometry, the pane
// splitter, and the coolbar bands with their toolbars.
#include <algorithm>
#include <cmath>

#include "mainwindow/frm_main_win_impl.h"

namespace crv {

// Size_Coolbar_Bands: four bands fit their toolbars (twice the last
// button's left edge plus its width, so the whole toolbar shows).
void frmMain::Impl::Size_Coolbar_Bands() {
    const std::pair<const char*, const char*> fits[] = {
        {"Hardware", "tlbHardware"}, {"Power", "tlbPower"}, {"Process", "tlbProcess"}, {"Services", "tlbServices"}};
    for (const auto& [band, bar] : fits) {
        Toolbar& t = *toolbars[bar];
        if (t.Button_Count() == 0) continue;
        const RECT r = t.Button_Rect(t.Button_Count() - 1);
        const double width = 2 * t.To_Twips(r.left) + t.To_Twips(r.right - r.left);
        clbMain.Set_Band_Widths(band, width, width);
    }
}

// Restore_Toolbars: the seven coolbar toolbars take back a stored
// customisation, and every keyed button its image of the same key.
void frmMain::Impl::Restore_Toolbars() {
    for (const char* name :
         {"tlbMain", "tlbHardware", "tlbOS", "tlbPower", "tlbProcess", "tlbServices", "tlbTabularReport"}) {
        toolbars[name]->Restore_State(std::string(Product_Name), name, name);
        toolbars[name]->Set_Image_List(&ilsMain);
    }
    for (auto& [name, bar] : toolbars) bar->Renew_Images();
}

// Every band of clbMain knows how wide its toolbar is whole; a band given
// less offers the buttons it cannot show through its chevron, whose menu
// presses them as a click would (the command registry decides what runs).
void frmMain::Impl::Offer_Hidden_Buttons() {
    for (const auto& def : Main_Toolbars()) {
        if (def.band_key.empty()) continue;
        clbMain.Set_Band_Ideal_Width(def.band_key, toolbars[def.name]->Ideal_Size().cx);
    }
    clbMain.on_chevron_pushed = [this](const std::string& band, const RECT& chevron) {
        for (const auto& def : Main_Toolbars())
            if (def.band_key == band) Show_Chevron_Menu(*toolbars[def.name], hwnd, chevron);
    };
}

// The scan-date box ends inside the left pane, arrow and all: it gives up
// width down to little more than its arrow (its list drops wider).
void frmMain::Impl::Fit_Scan_Date_Box() {
    if (!scan_panel || !cboScanDate.Handle()) return;
    RECT pane{};
    GetClientRect(clbScan.Handle(), &pane);
    RECT panel{};
    GetWindowRect(scan_panel, &panel);
    MapWindowPoints(nullptr, clbScan.Handle(), reinterpret_cast<POINT*>(&panel), 2);
    const RECT box = cboScanDate.Bounds();
    const int arrow = GetSystemMetrics(SM_CXVSCROLL);
    const int room = pane.right - panel.left - box.left - 2;
    const int width = std::clamp(room, 2 * arrow, kScanDateBoxWidth);
    if (width != box.right - box.left) cboScanDate.Move(box.left, box.top, width, kScanDateListHeight);
    SendMessageW(cboScanDate.Handle(), CB_SETDROPPEDWIDTH, kScanDateBoxWidth + 40, 0);
}

void frmMain::Impl::Restore_Window_Layout() {
    auto number = [this](const char* s, const char* k, const char* d) {
        std::string t = Get_Setting(s, k, d);
        char* end = nullptr;
        double v = std::strtod(t.c_str(), &end);
        return end == t.c_str() ? 0.0 : v;
    };
    // Stored sizes are whole twips up to 32767; a larger one is taken as the
    // largest rather than wrapped. Arrange_Panes keeps them inside the client
    // area, so a size stored while maximised cannot push a pane out.
    auto size = [&](const char* s, const char* k, const char* d) {
        return std::clamp(number(s, k, d), 0.0, 32767.0);
    };
    const int state = static_cast<int>(std::lround(number("Console", "State", "")));
    left_width = std::max(kPaneMinimum, size("LeftTopPane", "Width", "3700"));
    devices_height = std::max(kPaneMinimum, size("LeftTopPane", "Height", "3500"));
    list_width = size("RightPane", "Width", "");
    if (state == 0) {
        const double h = number("Console", "Height", ""), w = number("Console", "Width", "");
        RECT r;
        GetWindowRect(hwnd, &r);
        const int pw = w > 0 ? Px(std::min(w, 32767.0)) : r.right - r.left;
        const int ph = h > 0 ? Px(std::min(h, 32767.0)) : r.bottom - r.top;
        SetWindowPos(hwnd, nullptr, 0, 0, pw, ph, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    restored_state = state < 3 ? state : 0;
    // The first column's width comes back with the first listing, no wider
    // than the window.
    if (!Get_Setting("RightPane", "DataWidth", "").empty()) {
        RECT client;
        GetClientRect(hwnd, &client);
        c.first_column_twips = std::min(size("RightPane", "DataWidth", ""), Tw(client.right));
    }
}

void frmMain::Impl::Save_Window_Layout() {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(hwnd, &wp);
    const int state = wp.showCmd == SW_SHOWMINIMIZED ? 1 : wp.showCmd == SW_SHOWMAXIMIZED ? 2 : 0;
    Save_Setting("Console", "State", std::to_string(state));
    if (state == 0) {
        RECT r;
        GetWindowRect(hwnd, &r);
        Save_Setting("Console", "Width", std::to_string(std::lround(Tw(r.right - r.left))));
        Save_Setting("Console", "Height", std::to_string(std::lround(Tw(r.bottom - r.top))));
    }
    // What shows, which Arrange_Panes may have kept inside the window.
    const RECT dr = tvwDevices.Bounds();
    Save_Setting("LeftTopPane", "Width", std::to_string(std::lround(Tw(dr.right - dr.left))));
    Save_Setting("LeftTopPane", "Height", std::to_string(std::lround(Tw(dr.bottom - dr.top))));
    RECT lr = lvwMain.Bounds();
    Save_Setting("RightPane", "Width", std::to_string(std::lround(Tw(lr.right - lr.left))));
    lvwMain.Read_Column_Widths();
    if (c.lvwMain.Column_Count() > 0)
        Save_Setting("RightPane", "DataWidth", std::to_string(std::lround(c.lvwMain.Column(0).width_twips)));
}

void frmMain::Impl::Arrange_Panes() {
    if (!hwnd || IsIconic(hwnd)) return;
    GetClientRect(hwnd, &client_);
    const int sw = client_.right, sh = client_.bottom;
    clbMain.Move(0, 0, sw, clbMain.Height());
    const int top = clbMain.Height() + 1;
    sbrMain.Layout();
    const int status_h = IsWindowVisible(sbrMain.Handle()) ? sbrMain.Height() : 0;
    const int gap = Px(kGap);
    // The left column leaves the list its minimum width and the device tree
    // the feature tree its minimum height, as far as the window allows; the
    // stored sizes stay as they are for a larger window.
    const int lw = std::max(0, std::min(Px(left_width), sw - gap - Px(kPaneMinimum)));
    clbScan.Move(0, top + 1, lw, clbScan.Height());
    Fit_Scan_Date_Box();
    devices_top = top + 1 + clbScan.Height();
    const int bottom = sh - status_h;
    const int dh = std::max(0, std::min(Px(devices_height), bottom - devices_top - gap - Px(kPaneMinimum)));
    int fh = bottom - (devices_top + dh + gap);
    if (fh < 1) fh = 0;
    tvwDevices.Move(0, devices_top, lw, dh);
    tvwFeatures.Move(0, devices_top + dh + gap, lw, fh);
    // A window 3000 twips wide or less leaves the list its width.
    RECT outer;
    GetWindowRect(hwnd, &outer);
    if (Tw(outer.right - outer.left) > 3000) list_width = Tw(std::max(0, sw - lw - gap));
    lvwMain.Move(lw + gap, top, Px(list_width), std::max(0, bottom - top));
    gap_x0 = lw;
    gap_x1 = lw + gap;
    gap_y0 = devices_top + dh;
    gap_y1 = devices_top + dh + gap;
    RECT pr;
    GetWindowRect(picMain, &pr);
    const int pw = pr.right - pr.left, ph = pr.bottom - pr.top;
    SetWindowPos(picMain, HWND_TOP, (sw - pw) / 2, (sh - ph) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void frmMain::Impl::Form_MouseMove(int x, int y, bool left_down) {
    static HCURSOR we = LoadCursorW(nullptr, IDC_SIZEWE), ns = LoadCursorW(nullptr, IDC_SIZENS),
                   arrow = LoadCursorW(nullptr, IDC_ARROW);
    if (drag == Drag::None) {
        if (x >= gap_x0 && x < gap_x1)
            SetCursor(we);
        else if (x < gap_x0 && y >= gap_y0 && y < gap_y1)
            SetCursor(ns);
        else
            SetCursor(arrow);
        return;
    }
    if (!left_down) return;
    const double tx = Tw(x), ty = Tw(y), inner_w = Tw(client_.right);
    if (drag == Drag::Vertical) {
        // The divider jumps to the pointer, 50 to the side it came from.
        if (tx > kPaneMinimum && tx < inner_w - kPaneMinimum) {
            left_width = tx > left_width + kGap ? tx + kGap : tx - kGap;
            Arrange_Panes();
        }
    } else {
        // The horizontal divider follows in steps of 50 per move.
        const double top = Tw(devices_top);
        const double limit = Tw(client_.bottom) - Tw(clbMain.Height()) - Tw(sbrMain.Height()) - kPaneMinimum;
        if (ty > top + kPaneMinimum && ty < limit) {
            const double edge = top + devices_height;
            if (edge + kGap < ty)
                devices_height += kGap;
            else if (edge - kGap > ty)
                devices_height -= kGap;
            else
                return;
            Arrange_Panes();
        }
    }
}

void frmMain::Impl::Splitter_Button_Down(int x, int y) {
    if (x >= gap_x0 && x < gap_x1)
        drag = Drag::Vertical;
    else if (x < gap_x0 && y >= gap_y0 && y < gap_y1)
        drag = Drag::Horizontal;
    if (drag != Drag::None) SetCapture(hwnd);
}

void frmMain::Impl::Splitter_Button_Up() {
    if (drag == Drag::None) return;
    drag = Drag::None;
    ReleaseCapture();
}

}  // namespace crv
