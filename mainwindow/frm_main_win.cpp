#include "mainwindow/frm_main.h"

#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <map>
#include <memory>

#include "core/error.h"
#include "platform/win/controls/controls.h"
#include "platform/win/forms.h"
#include "platform/win/message_box.h"
#include "platform/win/settings_store.h"
#include "platform/win/shell.h"
#include "platform/win/system.h"
#include "platform/win/text.h"
#include "wmi/com/com_wmi.h"
#include "wmi/wmi_port.h"

namespace crv {

namespace {

constexpr int kFirstCommandId = 1000;
constexpr int kCancelButtonId = 90;
constexpr wchar_t kMainClass[] = L"CorvalinMain";
constexpr wchar_t kPanelClass[] = L"CorvalinPanel";
constexpr double kGap = 50;          // twips between the panes
constexpr double kPaneMinimum = 1000;  // twips

std::function<int(const std::string&, int)>& Box_Answerer() {
    static std::function<int(const std::string&, int)> answerer;
    return answerer;
}

// "Ctrl+M", "Ctrl+Shift+G", "F5", "Ctrl+F1" as an accelerator entry.
bool Parse_Shortcut(const std::string& text, ACCEL& accel) {
    accel = {};
    accel.fVirt = FVIRTKEY;
    std::string rest = text;
    auto take = [&](const char* prefix, BYTE flag) {
        std::string p(prefix);
        if (rest.compare(0, p.size(), p) == 0) {
            accel.fVirt |= flag;
            rest = rest.substr(p.size());
            return true;
        }
        return false;
    };
    while (take("Ctrl+", FCONTROL) || take("Shift+", FSHIFT) || take("Alt+", FALT)) {
    }
    if (rest.size() == 1 && ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= '0' && rest[0] <= '9'))) {
        accel.key = static_cast<WORD>(rest[0]);
    } else if (rest.size() >= 2 && rest[0] == 'F') {
        int n = std::atoi(rest.c_str() + 1);
        if (n < 1 || n > 12) return false;
        accel.key = static_cast<WORD>(VK_F1 + n - 1);
    } else {
        return false;
    }
    // F2 and Del belong to the panes (label editing, delete) and are only shown.
    if (accel.fVirt == FVIRTKEY && accel.key == VK_F2) return false;
    return true;
}

LRESULT CALLBACK Panel_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && LOWORD(wp) == kCancelButtonId && HIWORD(wp) == BN_CLICKED) {
        frmMain::Instance().cmdCancel_Click();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

void Set_Main_Box_Answerer(std::function<int(const std::string& text, int flags)> answerer) {
    Box_Answerer() = std::move(answerer);
}

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
    HMENU menu_bar = nullptr;
    HMENU device_menu = nullptr;
    HMENU add_menu = nullptr;
    HACCEL accel = nullptr;
    HFONT font = nullptr;
    std::map<int, std::pair<std::string, int>> commands_by_id;
    std::map<std::string, int> ids_by_command;
    std::map<std::string, std::pair<HMENU, int>> popups;  // popup items: parent menu and position
    std::vector<int> add_type_ids;
    // Pane geometry in twips: the left column's width, the device tree's height.
    double left_width = 3700;
    double devices_height = 3500;
    bool loaded = false;
    bool unloading = false;
    enum class Drag { None, Vertical, Horizontal } drag = Drag::None;

    // ---------------------------------------------------------------- host
    int Message_Box(const std::string& text, int flags) override {
        if (Box_Answerer()) return Box_Answerer()(text, flags);
        return Show_Message_Box(text, static_cast<unsigned>(flags), hwnd);
    }
    // The menu shortcuts, except while an in-place editor has the keyboard
    // (Ctrl+X, Ctrl+P ... belong to the text there).
    bool Translate_Accelerator(MSG& m) {
        if (!accel || !hwnd) return false;
        wchar_t cls[16] = {};
        if (HWND focus = GetFocus(); focus && GetClassNameW(focus, cls, 16) && lstrcmpiW(cls, L"Edit") == 0)
            return false;
        return TranslateAcceleratorW(hwnd, accel, &m) != 0;
    }
    void Do_Events() override {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(m.wParam));
                break;
            }
            if (Translate_Accelerator(m)) continue;
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    bool Input_Pending() override { return GetInputState() != 0; }
    LocalTime Now() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    }
    std::string Local_Computer_Name() override { return Get_Local_Computer_Name(); }
    std::string Environment_Value(const std::string& name) override {
        std::wstring wname = To_Wide(name);
        DWORD n = GetEnvironmentVariableW(wname.c_str(), nullptr, 0);
        if (n == 0) return {};
        std::wstring value(n, L'\0');
        n = GetEnvironmentVariableW(wname.c_str(), value.data(), n);
        value.resize(n);
        return To_Utf8(value);
    }
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
    void Begin_Device_Label_Edit() override {
        if (c.tvwDevices.selected) tvwDevices.Start_Label_Edit(c.tvwDevices.selected);
    }
    void Popup_Device_Menu() override {
        POINT p;
        GetCursorPos(&p);
        HMENU group = Popup_Of("mnuGroup");
        if (group) TrackPopupMenu(group, TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd, nullptr);
    }

    // ---------------------------------------------------------------- building
    HMENU Popup_Of(const std::string& name) {
        auto it = popups.find(name);
        if (it == popups.end()) return nullptr;
        return GetSubMenu(it->second.first, it->second.second);
    }

    void Build_Menu(HMENU parent, const std::vector<MenuItem>& items, std::vector<ACCEL>& accels) {
        int position = 0;
        for (const auto& m : items) {
            if (m.separator) {
                AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
            } else if (!m.children.empty()) {
                HMENU sub = CreatePopupMenu();
                Build_Menu(sub, m.children, accels);
                AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), To_Wide(m.caption).c_str());
                popups[Command_Name(m.name, m.index)] = {parent, position};
                if (m.name == "mnuGroupAdd") add_menu = sub;
            } else {
                const int id = kFirstCommandId + static_cast<int>(commands_by_id.size());
                std::string caption = m.caption;
                if (!m.shortcut.empty()) caption += "\t" + m.shortcut;
                AppendMenuW(parent, MF_STRING, static_cast<UINT_PTR>(id), To_Wide(caption).c_str());
                commands_by_id[id] = {m.name, m.index};
                ids_by_command[Command_Name(m.name, m.index)] = id;
                ACCEL a;
                if (!m.shortcut.empty() && Parse_Shortcut(m.shortcut, a)) {
                    a.cmd = static_cast<WORD>(id);
                    accels.push_back(a);
                }
            }
            ++position;
        }
    }

    bool Create_Window() {
        HINSTANCE inst = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &frmMain::Impl::Proc;
        wc.hInstance = inst;
        wc.hCursor = nullptr;  // the window sets the pointer itself (sizing gaps)
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kMainClass;
        wc.hIcon = LoadIconW(inst, L"IMG_CRV");
        RegisterClassExW(&wc);
        WNDCLASSEXW pc{};
        pc.cbSize = sizeof pc;
        pc.lpfnWndProc = Panel_Proc;
        pc.hInstance = inst;
        pc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        pc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        pc.lpszClassName = kPanelClass;
        RegisterClassExW(&pc);

        menu_bar = CreateMenu();
        std::vector<ACCEL> accels;
        Build_Menu(menu_bar, Main_Menu_Bar(), accels);
        if (!accels.empty()) accel = CreateAcceleratorTableW(accels.data(), static_cast<int>(accels.size()));

        hwnd = CreateWindowExW(0, kMainClass, L"Corvalin - System Information & Asset Management Tool",
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 1024, 720,
                               nullptr, menu_bar, inst, this);
        if (!hwnd) return false;
        Register_Form(hwnd, "frmMain");
        Set_Message_Filter([this](MSG& m) { return Translate_Accelerator(m); });

        // The image lists first: every control takes its pictures by key.
        Load_Standard_Icons(ilsMain);
        Load_Standard_Icons(ilsListViewMain);

        clbMain.Create(hwnd, 10);
        for (const auto& def : Main_Toolbars()) {
            auto bar = std::make_unique<Toolbar>();
            const bool scan = def.name == "tlbScan";
            if (scan) {
                clbScan.Create(hwnd, 11);
                scan_panel = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                             320, 26, clbScan.Handle(), nullptr, inst, nullptr);
                bar->Create(scan_panel, 20 + static_cast<int>(toolbars.size()), true);
            } else {
                bar->Create(clbMain.Handle(), 20 + static_cast<int>(toolbars.size()), true);
            }
            bar->Set_Image_List(&ilsMain);
            for (const auto& b : def.buttons) {
                ToolbarButton tb;
                tb.key = b.key;
                tb.tooltip = b.tooltip;
                tb.image = b.key;
                tb.style = b.check_button ? ButtonStyle::Check : ButtonStyle::Normal;
                tb.enabled = c.Command(Button_Name(def.name, b.key)).enabled;
                bar->Add_Button(tb);
            }
            const std::string name = def.name;
            Toolbar* raw = bar.get();
            bar->on_button_click = [this, name, raw](const std::string& key) {
                CommandState& s = c.Command(Button_Name(name, key));
                const ToolbarButton* b = raw->Button(key);
                if (b && b->style == ButtonStyle::Check) s.value = raw->Is_Checked(key) ? 1 : 0;
                c.Toolbar_Button_Click(name, key);
            };
            if (scan) {
                SIZE ideal = bar->Ideal_Size();
                bar->Move(0, 0, ideal.cx, ideal.cy);
                lblScanDate.Create(scan_panel, 12, "Scan Date:");
                cboScanDate.Create(scan_panel, 13, true);
                lblScanDate.Move(ideal.cx + 4, 5, 64, 18);
                cboScanDate.Move(ideal.cx + 70, 1, 120, 200);
                RebarBand band;
                band.key = "Scan";
                band.child = scan_panel;
                band.width_twips = 4755;
                band.min_height_twips = 330;
                band.min_width_twips = 4755;
                band.fixed_size = true;
                clbScan.Add_Band(band);
            } else {
                RebarBand band;
                band.key = def.band_key;
                band.child = bar->Handle();
                band.width_twips = def.band_width_twips;
                band.min_height_twips = 330;
                band.new_row = def.new_row;
                band.visible = def.visible;
                clbMain.Add_Band(band);
            }
            toolbars[def.name] = std::move(bar);
        }
        cboScanDate.on_selection_changed = [this] {
            auto sel = cboScanDate.Selected();
            c.cboScanDate.list_index = sel ? static_cast<int>(*sel) : -1;
        };
        clbMain.on_height_changed = [this] { Arrange_Panes(); };

        tvwDevices.Create(hwnd, 30);
        tvwFeatures.Create(hwnd, 31);
        lvwMain.Create(hwnd, 32);
        sbrMain.Create(hwnd, 33);
        for (const auto& p : c.Panels()) {
            StatusPanel sp;
            sp.key = p.key;
            sp.text = p.text;
            sp.tag = p.tag;
            sp.width_twips = p.key == "Description" ? 3000 : 2200;
            sp.spring = p.key == "Description";
            sbrMain.Add_Panel(sp);
        }
        sbrMain.on_panel_click = [this](const std::string& key) {
            if (key == Maker_Host) {
                if (const PanelState* p = c.Panel(key)) Open_With_Shell(p->tag);
                return;
            }
            c.sbrMain_PanelClick(key);
        };

        picMain = CreateWindowExW(WS_EX_DLGMODALFRAME, kPanelClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 300, 90,
                                  hwnd, nullptr, inst, nullptr);
        pbrMain.Create(picMain, 40);
        pbrMain.Move(10, 10, 270, 18);
        pbrMain.Set_Range(0, 100);
        lblListedCount.Create(picMain, 41, "Listed 0");
        lblListedCount.Move(10, 34, 180, 18);
        cmdCancel = CreateWindowExW(0, L"BUTTON", L"Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 200, 32, 80, 24,
                                    picMain, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCancelButtonId)), inst,
                                    nullptr);

        // Assign_Image_Lists.
        tvwDevices.Set_Image_List(&ilsMain);
        tvwFeatures.Set_Image_List(&ilsMain);
        lvwMain.Set_Image_Lists(&ilsMain, &ilsListViewMain);
        tvwDevices.Bind(&c.tvwDevices);
        tvwFeatures.Bind(&c.tvwFeatures);
        lvwMain.Bind(&c.lvwMain);
        tvwDevices.Set_Label_Edit(true);
        tvwDevices.Set_Accept_Drops(true);
        Set_ListView_ExStyle(lvwMain.Handle());
        Wire_Events();

        // A modal box disables its owner: ticks wait until it has closed.
        tmrMain.on_tick = [this] {
            if (IsWindowEnabled(hwnd)) c.tmrMain_Timer();
        };
        tmrExpand.on_tick = [this] {
            if (IsWindowEnabled(hwnd)) c.tmrExpand_Timer();
        };
        c.Set_Host(this);
        return true;
    }

    void Wire_Events() {
        tvwFeatures.on_node_click = [this](TreeNode& n) { c.tvwFeatures_NodeClick(&n); };
        // Collapsing a node shows it, as a click would.
        tvwFeatures.on_expand_changed = [this](TreeNode& n) {
            if (n.expanded) return;
            c.tvwFeatures.Select(&n);
            c.tvwFeatures_NodeClick(&n);
        };
        tvwDevices.on_node_click = [this](TreeNode& n) { c.tvwDevices_NodeClick(&n); };
        tvwDevices.on_after_label_edit = [this](TreeNode&, const std::string& text) {
            bool cancel = false;
            c.tvwDevices_AfterLabelEdit(cancel, &text);
            return !cancel;
        };
        tvwDevices.on_key_down = [this](int key, int shift) {
            c.tvwDevices_KeyDown(key, shift);
            return false;
        };
        tvwDevices.on_mouse_down = [this](const MouseEvent& e) {
            c.tvwDevices_MouseDown(e.button == Mouse_Right ? 2 : 1, tvwDevices.Hit_Test(e.x, e.y));
        };
        tvwDevices.on_double_click = [this] { c.tvwDevices_DblClick(); };
        tvwDevices.on_begin_drag = [this](TreeNode* node) {
            if (node) c.tvwDevices.Select(node);
            int effects = 0;
            return c.tvwDevices_OLEStartDrag(effects);
        };
        tvwDevices.on_drop = [this](const std::string& text, TreeNode* target, const MouseEvent&) {
            c.tvwDevices_OLEDragDrop(text, target);
        };
        tvwDevices.on_got_focus = [this] { c.active_control = "tvwDevices"; };
        lvwMain.on_got_focus = [this] { c.active_control = "lvwMain"; };
        tvwFeatures.on_got_focus = [this] { c.active_control = "tvwFeatures"; };
        auto reset_pointer = [](const MouseEvent&) {
            static HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
            if (GetCursor() != arrow) SetCursor(arrow);
        };
        for (Control* ctl : std::initializer_list<Control*>{&lvwMain, &sbrMain, &tvwDevices, &tvwFeatures, &clbMain})
            ctl->on_mouse_move = reset_pointer;
        for (const char* t : {"tlbPower", "tlbScan", "tlbServices", "tlbTabularReport"})
            toolbars[t]->on_mouse_move = reset_pointer;
    }

    // Size_Coolbar_Bands: four bands fit their toolbars (twice the last
    // button's left edge plus its width, so the whole toolbar shows).
    void Size_Coolbar_Bands() {
        const std::pair<const char*, const char*> fits[] = {
            {"Hardware", "tlbHardware"}, {"Power", "tlbPower"}, {"Process", "tlbProcess"}, {"Services", "tlbServices"}};
        for (const auto& [band, bar] : fits) {
            Toolbar& t = *toolbars[bar];
            if (t.Button_Count() == 0) continue;
            const RECT r = t.Button_Rect(t.Button_Count() - 1);
            const double width = 2 * t.To_Twips(r.left) + t.To_Twips(r.right - r.left);
            clbMain.Set_Band_Min_Width(band, width);
            clbMain.Set_Band_Width(band, width);
        }
    }

    // Restore_Toolbars: the seven coolbar toolbars take back a stored
    // customisation, and every keyed button its image of the same key.
    void Restore_Toolbars() {
        for (const char* name :
             {"tlbMain", "tlbHardware", "tlbOS", "tlbPower", "tlbProcess", "tlbServices", "tlbTabularReport"}) {
            toolbars[name]->Restore_State(std::string(Product_Name), name, name);
            toolbars[name]->Set_Image_List(&ilsMain);
        }
        for (auto& [name, bar] : toolbars) bar->Renew_Images();
    }

    // ---------------------------------------------------------------- geometry
    int Px(double twips) const { return Twips_To_Pixels(twips, Window_Dpi(hwnd)); }
    double Tw(int pixels) const { return Pixels_To_Twips(pixels, Window_Dpi(hwnd)); }

    void Restore_Window_Layout() {
        auto number = [this](const char* s, const char* k, const char* d) {
            std::string t = Get_Setting(s, k, d);
            char* end = nullptr;
            double v = std::strtod(t.c_str(), &end);
            return end == t.c_str() ? 0.0 : v;
        };
        const int state = static_cast<int>(std::lround(number("Console", "State", "")));
        left_width = std::max(kPaneMinimum, std::min(32767.0, number("LeftTopPane", "Width", "3700")));
        devices_height = std::max(kPaneMinimum, std::min(32767.0, number("LeftTopPane", "Height", "3500")));
        if (state == 0) {
            const double h = number("Console", "Height", ""), w = number("Console", "Width", "");
            RECT r;
            GetWindowRect(hwnd, &r);
            const int pw = w > 0 ? Px(std::min(w, 32767.0)) : r.right - r.left;
            const int ph = h > 0 ? Px(std::min(h, 32767.0)) : r.bottom - r.top;
            SetWindowPos(hwnd, nullptr, 0, 0, pw, ph, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        restored_state = state < 3 ? state : 0;
    }
    int restored_state = 0;

    void Save_Window_Layout() {
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
        Save_Setting("LeftTopPane", "Width", std::to_string(std::lround(left_width)));
        Save_Setting("LeftTopPane", "Height", std::to_string(std::lround(devices_height)));
        RECT lr = lvwMain.Bounds();
        Save_Setting("RightPane", "Width", std::to_string(std::lround(Tw(lr.right - lr.left))));
        lvwMain.Read_Column_Widths();
        if (c.lvwMain.Column_Count() > 0)
            Save_Setting("RightPane", "DataWidth", std::to_string(std::lround(c.lvwMain.Column(0).width_twips)));
    }

    // The gaps between the panes, in client pixels.
    RECT client_{};
    int gap_x0 = 0, gap_x1 = 0, gap_y0 = 0, gap_y1 = 0, devices_top = 0;

    void Arrange_Panes() {
        if (!hwnd || IsIconic(hwnd)) return;
        GetClientRect(hwnd, &client_);
        const int sw = client_.right, sh = client_.bottom;
        clbMain.Move(0, 0, sw, clbMain.Height());
        const int top = clbMain.Height() + 1;
        sbrMain.Layout();
        const int status_h = IsWindowVisible(sbrMain.Handle()) ? sbrMain.Height() : 0;
        const int lw = Px(left_width);
        const int gap = Px(kGap);
        clbScan.Move(0, top + 1, lw, clbScan.Height());
        devices_top = top + 1 + clbScan.Height();
        int dh = Px(devices_height);
        const int bottom = sh - status_h;
        int fh = bottom - (devices_top + dh + gap);
        if (fh < 1) fh = 0;
        tvwDevices.Move(0, devices_top, lw, dh);
        tvwFeatures.Move(0, devices_top + dh + gap, lw, fh);
        const int list_w = sw - lw - gap;
        if (list_w > 0) lvwMain.Move(lw + gap, top, list_w, std::max(0, bottom - top));
        gap_x0 = lw;
        gap_x1 = lw + gap;
        gap_y0 = devices_top + dh;
        gap_y1 = devices_top + dh + gap;
        RECT pr;
        GetWindowRect(picMain, &pr);
        const int pw = pr.right - pr.left, ph = pr.bottom - pr.top;
        SetWindowPos(picMain, HWND_TOP, (sw - pw) / 2, (sh - ph) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }

    void Form_MouseMove(int x, int y, bool left_down) {
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

    // ---------------------------------------------------------------- state to controls
    void Sync_Commands() {
        for (const auto& [name, state] : c.Commands()) {
            auto id = ids_by_command.find(name);
            if (id != ids_by_command.end()) {
                EnableMenuItem(menu_bar, static_cast<UINT>(id->second),
                               MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
                CheckMenuItem(menu_bar, static_cast<UINT>(id->second),
                              MF_BYCOMMAND | (state.checked ? MF_CHECKED : MF_UNCHECKED));
                continue;
            }
            auto popup = popups.find(name);
            if (popup != popups.end()) {
                EnableMenuItem(popup->second.first, static_cast<UINT>(popup->second.second),
                               MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
                continue;
            }
            auto dot = name.find('.');
            if (dot == std::string::npos) continue;
            auto bar = toolbars.find(name.substr(0, dot));
            if (bar == toolbars.end()) continue;
            const std::string key = name.substr(dot + 1);
            const ToolbarButton* b = bar->second->Button(key);
            if (!b) continue;
            if (b->enabled != state.enabled) bar->second->Set_Enabled(key, state.enabled);
            if (b->style == ButtonStyle::Check && b->checked != (state.value == 1))
                bar->second->Set_Checked(key, state.value == 1);
            if (b->tooltip != state.tooltip) bar->second->Set_Tooltip(key, state.tooltip);
        }
        // The run-time Add members follow the design member's state.
        const CommandState* add = c.Find_Command(Command_Name("mnuAddType", 0));
        for (int id : add_type_ids)
            EnableMenuItem(menu_bar, static_cast<UINT>(id), MF_BYCOMMAND | (add && add->enabled ? MF_ENABLED : MF_GRAYED));
        if (hwnd) DrawMenuBar(hwnd);
    }

    void Sync_Add_Menu() {
        if (!add_menu) return;
        for (int id : add_type_ids) DeleteMenu(add_menu, static_cast<UINT>(id), MF_BYCOMMAND);
        add_type_ids.clear();
        for (const auto& m : c.mnuAddType) {
            if (!m.visible) continue;
            const int id = kFirstCommandId + 5000 + m.index;
            const CommandState* add = c.Find_Command(Command_Name("mnuAddType", 0));
            AppendMenuW(add_menu, MF_STRING | (add && add->enabled ? 0 : MF_GRAYED), static_cast<UINT_PTR>(id),
                        To_Wide(m.caption).c_str());
            add_type_ids.push_back(id);
            commands_by_id[id] = {"mnuAddType", m.index};
        }
        auto design = ids_by_command.find(Command_Name("mnuAddType", 0));
        if (!c.mnuAddType0_visible && design != ids_by_command.end()) {
            DeleteMenu(add_menu, static_cast<UINT>(design->second), MF_BYCOMMAND);
            ids_by_command.erase(design);
        }
    }

    void Sync_Fonts() {
        HDC dc = GetDC(hwnd);
        const int height = -MulDiv(c.font_size, GetDeviceCaps(dc, LOGPIXELSY), 72);
        ReleaseDC(hwnd, dc);
        HFONT f = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
        tvwDevices.Set_Font(f);
        tvwFeatures.Set_Font(f);
        lvwMain.Set_Font(f);
        if (font) DeleteObject(font);
        font = f;
    }

    // ---------------------------------------------------------------- events
    void On_Command(int id) {
        auto it = commands_by_id.find(id);
        if (it == commands_by_id.end()) return;
        const auto& [name, index] = it->second;
        static const std::map<std::string, std::string> pages = {
            {"mnuFAQs", std::string(Maker_Site) + "/corvalin/corvalin-faqs.html?sr=crv"},
            {"mnuTroubleshoot", std::string(Maker_Site) + "/corvalin/corvalin-wmi-troubleshooting.html?sr=crv"},
            {"mnuProducts", std::string(Maker_Site) + "/products.html?sr=crv"},
            {"mnuVideoTutorial", "https://www.youtube.com/@corvalin"},
            {"mnuHlpSupport", "mailto:support@veltrane.com"},
        };
        if (auto page = pages.find(name); page != pages.end()) {
            Open_With_Shell(page->second);
            return;
        }
        if (name == "mnuFleExit") {
            bool unload = false;
            c.mnuFleExit_Click(unload);
            if (unload) PostMessageW(hwnd, WM_CLOSE, 0, 0);
            return;
        }
        c.Menu_Click(name, index);
    }

    bool Close() {
        if (c.Listing_Running()) {
            // The running listing stops first; the close comes back after it.
            c.Run_Or_Defer([this] {
                if (hwnd) PostMessageW(hwnd, WM_CLOSE, 0, 0);
            });
            return false;
        }
        if (unloading) return false;
        unloading = true;
        tmrMain.Set_Enabled(false);
        tmrExpand.Set_Enabled(false);
        Save_Window_Layout();
        c.Form_Unload();
        Unload_All_Forms();
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
        return true;
    }

    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        Impl* self = reinterpret_cast<Impl*>(GetWindowLongPtrW(h, GWLP_USERDATA));
        if (msg == WM_NCCREATE) {
            auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
            self = static_cast<Impl*>(cs->lpCreateParams);
            SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->hwnd = h;
        }
        if (!self) return DefWindowProcW(h, msg, wp, lp);
        switch (msg) {
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED) self->Arrange_Panes();
            break;
        case WM_COMMAND:
            if (HIWORD(wp) == 0 || HIWORD(wp) == 1) {
                self->On_Command(LOWORD(wp));
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == h && LOWORD(lp) == HTCLIENT) return TRUE;  // Form_MouseMove decides
            break;
        case WM_MOUSEMOVE:
            self->Form_MouseMove(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)),
                                 (wp & MK_LBUTTON) != 0);
            return 0;
        case WM_LBUTTONDOWN: {
            const int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
            if (x >= self->gap_x0 && x < self->gap_x1)
                self->drag = Drag::Vertical;
            else if (x < self->gap_x0 && y >= self->gap_y0 && y < self->gap_y1)
                self->drag = Drag::Horizontal;
            if (self->drag != Drag::None) SetCapture(h);
            return 0;
        }
        case WM_LBUTTONUP:
            if (self->drag != Drag::None) {
                self->drag = Drag::None;
                ReleaseCapture();
            }
            return 0;
        case WM_KEYDOWN:
            self->c.Form_KeyDown(static_cast<int>(wp), Current_Shift_State());
            break;
        case WM_CLOSE:
            self->Close();
            return 0;
        case WM_NCDESTROY:
            self->hwnd = nullptr;
            break;
        }
        return DefWindowProcW(h, msg, wp, lp);
    }
};

void frmMain::Impl::View_Changed(ViewPart part) {
    if (!hwnd) return;
    switch (part) {
    case ViewPart::Commands:
        Sync_Commands();
        break;
    case ViewPart::Status:
        for (const auto& p : c.Panels()) {
            if (sbrMain.Text(p.key) != p.text) sbrMain.Set_Text(p.key, p.text);
        }
        break;
    case ViewPart::Progress:
        pbrMain.Set_Range(0, c.progress.max);
        pbrMain.Set_Value(c.progress.value);
        lblListedCount.Set_Text(c.progress.listed_caption);
        UpdateWindow(lblListedCount.Handle());
        if (static_cast<bool>(IsWindowVisible(picMain)) != c.progress.visible) {
            if (c.progress.visible) Arrange_Panes();
            ShowWindow(picMain, c.progress.visible ? SW_SHOWNA : SW_HIDE);
        }
        break;
    case ViewPart::Scan_Dates:
        cboScanDate.Clear();
        for (const auto& d : c.cboScanDate.items) cboScanDate.Add(d);
        if (c.cboScanDate.list_index >= 0)
            cboScanDate.Select(static_cast<std::size_t>(c.cboScanDate.list_index));
        else
            cboScanDate.Select(std::nullopt);
        break;
    case ViewPart::Fonts:
        Sync_Fonts();
        break;
    case ViewPart::Add_Menu:
        Sync_Add_Menu();
        break;
    case ViewPart::Timers:
        if (tmrMain.Interval() != static_cast<unsigned>(c.tmrMain.interval))
            tmrMain.Set_Interval(static_cast<unsigned>(c.tmrMain.interval));
        tmrMain.Set_Enabled(c.tmrMain.enabled);
        if (tmrExpand.Interval() != static_cast<unsigned>(c.tmrExpand.interval))
            tmrExpand.Set_Interval(static_cast<unsigned>(c.tmrExpand.interval));
        tmrExpand.Set_Enabled(c.tmrExpand.enabled);
        break;
    }
}

frmMain::frmMain() : impl_(new Impl) {}
frmMain::~frmMain() { delete impl_; }

frmMain& frmMain::Instance() {
    static frmMain* instance = new frmMain;  // lives until the process ends
    return *instance;
}

MainController& frmMain::Controller() { return impl_->c; }
std::uintptr_t frmMain::hWnd() const { return reinterpret_cast<std::uintptr_t>(impl_->hwnd); }

std::uintptr_t frmMain::Control_Handle(const std::string& name) const {
    Impl& i = *impl_;
    HWND h = nullptr;
    if (name == "tvwDevices") h = i.tvwDevices.Handle();
    else if (name == "tvwFeatures") h = i.tvwFeatures.Handle();
    else if (name == "lvwMain") h = i.lvwMain.Handle();
    else if (name == "sbrMain") h = i.sbrMain.Handle();
    else if (name == "cboScanDate") h = i.cboScanDate.Handle();
    else if (name == "clbMain") h = i.clbMain.Handle();
    else if (name == "clbScan") h = i.clbScan.Handle();
    else if (name == "picMain") h = i.picMain;
    else if (name == "cmdCancel") h = i.cmdCancel;
    else if (auto t = i.toolbars.find(name); t != i.toolbars.end()) h = t->second->Handle();
    return reinterpret_cast<std::uintptr_t>(h);
}

void frmMain::Unload() {
    if (impl_->hwnd) SendMessageW(impl_->hwnd, WM_CLOSE, 0, 0);
}

void frmMain::cmdCancel_Click() { impl_->c.cmdCancel_Click(); }
void frmMain::tvwFeatures_NodeClick(TreeNode* node) { impl_->c.tvwFeatures_NodeClick(node); }

bool frmMain::ShowThisForm(int mode) {
    Impl& i = *impl_;
    if (!i.hwnd) {
        if (i.loaded) return false;  // unloaded once: the program is ending
        // Form_Load.
        SetThreadLocale(MAKELCID(1033, SORT_DEFAULT));
        // Live features go through COM unless a port was installed already
        // (tests install their own).
        if (WmiPort* installed = Set_Wmi_Port(nullptr))
            Set_Wmi_Port(installed);
        else
            Install_Com_Wmi_Port();
        if (!i.Create_Window()) {
            Set_Error(static_cast<std::int32_t>(GetLastError()), "The main window cannot be created.");
            return false;
        }
        i.Restore_Window_Layout();
        i.Size_Coolbar_Bands();
        i.Restore_Toolbars();
        i.c.Initialize_Main_Window(true);
        i.View_Changed(ViewPart::Commands);
        i.View_Changed(ViewPart::Status);
        i.View_Changed(ViewPart::Timers);
        i.c.Select_Default_Computer();
        i.loaded = true;
        i.Arrange_Panes();
    }
    const int show = i.restored_state == 2 ? SW_SHOWMAXIMIZED : i.restored_state == 1 ? SW_SHOWMINIMIZED : SW_SHOW;
    i.restored_state = 0;
    ShowWindow(i.hwnd, show);
    UpdateWindow(i.hwnd);
    if (mode == 1) {
        MSG m;
        while (i.hwnd && GetMessageW(&m, nullptr, 0, 0) > 0) {
            if (i.Translate_Accelerator(m)) continue;
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    return true;
}

}  // namespace crv
