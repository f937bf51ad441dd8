#pragma once
// The main window's Win32 side, shared by its two source files: the window,
// its controls and the host services (frm_main_win.cpp), and the layout,
// pane splitter and coolbar (frm_main_layout_win.cpp).
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <optional>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "core/error.h"
#include "mainwindow/frm_main.h"
#include "platform/win/controls/controls.h"
#include "export/win/ansi_code_page_encoder.h"
#include "platform/win/file_dialog.h"
#include "platform/win/forms.h"
#include "platform/win/settings_store.h"
#include "platform/win/shell.h"
#include "platform/win/system.h"
#include "platform/win/text.h"
#include "wmi/win/udp_sender.h"

namespace crv {

inline constexpr double kGap = 50;             // twips between the panes
inline constexpr double kPaneMinimum = 1000;   // twips
inline constexpr int kScanDateBoxWidth = 120;  // pixels, where the pane has room
inline constexpr int kScanDateListHeight = 200;

struct frmMain::Impl final : MainHost {
    HWND hwnd = nullptr;
    MainController c;
    ImageList ilsMain{16};
    ImageList ilsListViewMain{32};
    Rebar clbMain, clbScan;
    HWND scan_panel = nullptr;
    std::map<std::string, std::unique_ptr<Toolbar>> toolbars;
    ComboBox cboScanDate;
    Label lblScanDate;
    TreeViewControl tvwDevices, tvwFeatures;
    ListViewControl lvwMain;
    StatusBar sbrMain;
    HWND picMain = nullptr;
    ProgressBar pbrMain;
    Label lblListedCount;
    HWND cmdCancel = nullptr;
    Timer tmrMain, tmrExpand;
    WinsockDatagramSender sckWOL;  // Boot Through LAN's socket
    HMENU menu_bar = nullptr;
    HMENU add_menu = nullptr;
    HACCEL accel = nullptr;
    HFONT font = nullptr;
    std::map<int, std::pair<std::string, int>> commands_by_id;
    std::map<std::string, int> ids_by_command;
    std::map<std::string, std::pair<HMENU, int>> popups;  // popup items: parent menu and position
    std::set<int> bar_ids;  // command items on the menu bar itself
    std::vector<int> add_type_ids;
    // Pane geometry in twips: the left column's width, the device tree's height.
    double left_width = 3700;
    double devices_height = 3500;
    double list_width = 0;  // twips
    bool loaded = false;
    bool unloading = false;
    enum class Drag { None, Vertical, Horizontal } drag = Drag::None;

    // ---------------------------------------------------------------- host
    int Show_Box(const std::string& text, int flags) override;
    void Pump_Messages() override;
    // The long loops ask after every row; the system is asked at most every
    // 15 ms, since under Wine the question costs more than the row.
    bool Input_Pending() override {
        const DWORD now = GetTickCount();
        if (now - last_input_check_ < 15) return false;
        last_input_check_ = now;
        return GetInputState() != 0;
    }
    DWORD last_input_check_ = GetTickCount() - 1000;
    // The progress panel is asked for by every listing, but shown only once
    // it can be seen: a listing that ends within a moment hides it again
    // before any paint, and showing and hiding it costs more than a short
    // listing under Wine. `now` shows an asked-for panel at once.
    void Show_Progress_Panel(bool now);
    // The panel's bar and count take the listing's progress only while the
    // panel shows, and just before it shows: each write is a round trip to
    // the window server under Wine, three or more for a listing that hides
    // the panel before it ever appears.
    void Sync_Progress_Panel();
    std::optional<DWORD> progress_asked_;
    LocalTime Now() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    }
    std::string Local_Computer_Name() override { return Get_Local_Computer_Name(); }
    std::string Environment_Value(const std::string& name) override { return Get_Environment_Value(name); }
    std::string Get_Setting(const std::string& s, const std::string& k, const std::string& d) override {
        return crv::Get_Setting(Product_Name, s, k, d);
    }
    void Save_Setting(const std::string& s, const std::string& k, const std::string& v) override {
        crv::Save_Setting(Product_Name, s, k, v);
    }
    bool Is_Form_Loaded(const std::string& name) override { return crv::Is_Form_Loaded(name); }
    void View_Changed(ViewPart part) override;
    void Lock_List_Painting(bool locked) override {
        if (!IsWindowVisible(hwnd)) return;
        LockWindowUpdate(locked ? lvwMain.Handle() : nullptr);
    }
    void Focus_Features() override {
        if (IsWindowVisible(hwnd)) tvwFeatures.Focus();
    }
    void Ensure_Feature_Visible(const TreeNode& node) override {
        tvwFeatures.Ensure_Visible(const_cast<TreeNode*>(&node));
    }
    // Shown, the tree repaints its frame at each scroll bar that comes or
    // goes as its groups open one after another, several milliseconds a time
    // under Wine (a start with a few groups open waited 100 ms and more for
    // it); hidden, it is laid out once and painted when shown again.
    void Hold_Features_Painting(bool held) override {
        HWND tree = tvwFeatures.Handle();
        if (held) {
            features_held_ = IsWindowVisible(tree) != FALSE;
            if (!features_held_) return;
            features_had_focus_ = GetFocus() == tree;
            ShowWindow(tree, SW_HIDE);
        } else if (features_held_) {
            features_held_ = false;
            ShowWindow(tree, SW_SHOWNA);
            if (features_had_focus_) SetFocus(tree);
        }
    }
    bool features_held_ = false;
    bool features_had_focus_ = false;
    void Begin_Device_Label_Edit() override {
        if (c.tvwDevices.selected) tvwDevices.Start_Label_Edit(c.tvwDevices.selected);
    }
    void Popup_Menu(const std::string& name) override;
    void Begin_Feature_Label_Edit() override {
        if (c.tvwFeatures.selected) tvwFeatures.Start_Label_Edit(c.tvwFeatures.selected);
    }
    void Show_Toolbar_Band(const std::string& band, bool visible) override {
        clbMain.Show_Band(band, visible);
        if (loaded) Arrange_Panes();  // the coolbar may have gained or lost a row
    }
    void Open_Page(const std::string& address) override { crv::Open_With_Shell(address); }
    void Close_Window() override {
        if (hwnd) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    void Unload_All_Forms() override { crv::Unload_All_Forms(); }
    SaveFileChoice Choose_Save_File(const std::string& title, const std::string& filter, int filter_index,
                                    const std::string& file_name) override {
        SaveFileChoice choice{file_name, filter_index};
        if (!Show_Save_File_Dialog(hwnd, title, filter, choice.filter_index, choice.file_name)) return {};
        return choice;
    }
    Ansi_Encoder Export_Encoder() override { return Ansi_Code_Page_Encoder(); }

    // ---------------------------------------------------------------- menus (frm_main_menus_win.cpp)
    void Build_Menus();
    HMENU Popup_Of(const std::string& name);
    void Build_Menu(HMENU parent, const std::vector<MenuItem>& items, std::vector<ACCEL>& accels);
    // The menu shortcuts, except while an in-place editor has the keyboard.
    bool Translate_Accelerator(MSG& m);
    // Menu items, pop-up items and accelerators by id.
    void On_Command(int id);
    void Sync_Commands();
    void Sync_Add_Menu();

    // ---------------------------------------------------------------- tabular reports (tabular_reports_win.cpp)
    void Wire_Report_Events();
    void Sync_Report_Menu();
    std::string report_menu_shown;  // visibility of the report menu's items as last built

    // ---------------------------------------------------------------- building (frm_main_win.cpp)
    bool Create_Window();
    void Wire_Events();

    // ---------------------------------------------------------------- layout (frm_main_layout_win.cpp)
    void Size_Coolbar_Bands();
    void Restore_Toolbars();
    void Offer_Hidden_Buttons();
    void Fit_Scan_Date_Box();
    int Px(double twips) const { return Twips_To_Pixels(twips, Window_Dpi(hwnd)); }
    double Tw(int pixels) const { return Pixels_To_Twips(pixels, Window_Dpi(hwnd)); }

    void Restore_Window_Layout();
    int restored_state = 0;
    void Save_Window_Layout();

    // The gaps between the panes, in client pixels.
    RECT client_{};
    int gap_x0 = 0, gap_x1 = 0, gap_y0 = 0, gap_y1 = 0, devices_top = 0;
    void Arrange_Panes();

    void Form_MouseMove(int x, int y, bool left_down);
    // The left button on a gap starts dragging it; its release ends the drag.
    void Splitter_Button_Down(int x, int y);
    void Splitter_Button_Up();

    // ---------------------------------------------------------------- state to controls (frm_main_win.cpp)
    void Sync_Fonts();

    // ---------------------------------------------------------------- list pane and focus (frm_main_list_pane_win.cpp)
    // The list pane's events, and the active control followed for every
    // control of the window that takes the focus.
    void Wire_List_Pane_Events();
    // The control of the window that holds `focus` (itself or an ancestor), by name.
    std::string Control_Name_Of(HWND focus) const;
    void Ensure_Row_Visible(std::size_t index) override;
    void Ensure_Device_Visible(const TreeNode& node) override;

    // ---------------------------------------------------------------- events
    bool Close();

    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace crv
