#include "mainwindow/frm_main.h"

#include <cmath>

#include "core/error.h"
#include "mainwindow/frm_main_win_impl.h"
#include "platform/win/message_box.h"
#include "wmi/com/com_wmi.h"
#include "wmi/wmi_port.h"

namespace crv {

namespace {

constexpr int kCancelButtonId = 90;
constexpr wchar_t kMainClass[] = L"CorvalinMain";
constexpr wchar_t kPanelClass[] = L"CorvalinPanel";

std::function<int(const std::string&, int)>& Box_Answerer() {
    static std::function<int(const std::string&, int)> answerer;
    return answerer;
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

int frmMain::Impl::Show_Box(const std::string& text, int flags) {
    if (Box_Answerer()) return Box_Answerer()(text, flags);
    return Show_Message_Box(text, static_cast<unsigned>(flags), hwnd);
}

namespace {
constexpr UINT_PTR Progress_Timer_Id = 0x50524f47;  // "PROG"
}

void frmMain::Impl::Show_Progress_Panel(bool now) {
    const bool shown = IsWindowVisible(picMain) != FALSE;
    if (!c.progress.visible) {
        if (progress_asked_) KillTimer(hwnd, Progress_Timer_Id);
        progress_asked_.reset();
        if (shown) ShowWindow(picMain, SW_HIDE);
        return;
    }
    if (shown) return;
    if (!progress_asked_) {
        progress_asked_ = GetTickCount();
        // For work that returns to the message loop before it reports again.
        SetTimer(hwnd, Progress_Timer_Id, 100, nullptr);
    }
    if (!now && GetTickCount() - *progress_asked_ < 100) return;
    KillTimer(hwnd, Progress_Timer_Id);
    progress_asked_.reset();
    Arrange_Panes();
    Sync_Progress_Panel();
    ShowWindow(picMain, SW_SHOWNA);
    UpdateWindow(picMain);
}

void frmMain::Impl::Sync_Progress_Panel() {
    pbrMain.Set_Range(0, c.progress.max);
    pbrMain.Set_Value(c.progress.value);
    lblListedCount.Set_Text(c.progress.listed_caption);
    UpdateWindow(lblListedCount.Handle());
}

void frmMain::Impl::Pump_Messages() {
    // Whatever runs now may paint: a progress panel asked for shows first.
    Show_Progress_Panel(true);
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

bool frmMain::Impl::Create_Window() {
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

    Build_Menus();

    hwnd = CreateWindowExW(0, kMainClass, L"Corvalin - System Information & Asset Management Tool",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 1024, 720,
                           nullptr, menu_bar, inst, this);
    if (!hwnd) return false;
    Register_Form(hwnd, "frmMain");
    Set_Message_Filter([this](MSG& m) { return Translate_Accelerator(m); });

    // The image lists first: every control takes its pictures by key. The
    // large icons serve only the icon view: they load when it is first used.
    Load_Standard_Icons(ilsMain);

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
        std::vector<ToolbarButton> buttons;
        for (const auto& b : def.buttons) {
            ToolbarButton tb;
            tb.key = b.key;
            tb.tooltip = b.tooltip;
            tb.image = b.key;
            tb.style = b.check_button ? ButtonStyle::Check : ButtonStyle::Normal;
            tb.enabled = c.Command(Button_Name(def.name, b.key)).enabled;
            buttons.push_back(std::move(tb));
        }
        bar->Add_Buttons(buttons);
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
            cboScanDate.Move(ideal.cx + 70, 1, kScanDateBoxWidth, kScanDateListHeight);
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
    sbrMain.on_panel_click = [this](const std::string& key) { c.sbrMain_PanelClick(key); };

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
    lvwMain.Set_Image_Lists(&ilsMain, nullptr);
    lvwMain.Set_Large_Icons_On_Demand([this]() -> const ImageList* {
        Load_Standard_Icons(ilsListViewMain);
        return &ilsListViewMain;
    });
    // A large network's computers, and the features of closed categories,
    // become tree items only as their parents open.
    tvwDevices.Set_Children_On_Demand(true);
    tvwFeatures.Set_Children_On_Demand(true);
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
    c.Set_Wake_On_Lan_Sender(&sckWOL);
    return true;
}

void frmMain::Impl::Wire_Events() {
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
    Wire_Report_Events();
    auto reset_pointer = [](const MouseEvent&) {
        static HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
        if (GetCursor() != arrow) SetCursor(arrow);
    };
    for (Control* ctl : std::initializer_list<Control*>{&lvwMain, &sbrMain, &tvwDevices, &tvwFeatures, &clbMain})
        ctl->on_mouse_move = reset_pointer;
    for (const char* t : {"tlbPower", "tlbScan", "tlbServices", "tlbTabularReport"})
        toolbars[t]->on_mouse_move = reset_pointer;
    Wire_List_Pane_Events();
}

void frmMain::Impl::Sync_Fonts() {
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

bool frmMain::Impl::Close() {
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
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    return true;
}

LRESULT CALLBACK frmMain::Impl::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
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
    case WM_TIMER:
        if (wp == Progress_Timer_Id) {
            KillTimer(h, Progress_Timer_Id);
            self->Show_Progress_Panel(true);
            return 0;
        }
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
    case WM_LBUTTONDOWN:
        self->Splitter_Button_Down(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return 0;
    case WM_LBUTTONUP:
        self->Splitter_Button_Up();
        return 0;
    case WM_INITMENUPOPUP:
        // Items that act on a selection follow the one there is now.
        self->c.Refresh_Commands();
        self->Sync_Commands();
        // The Operations menu drops down.
        if (reinterpret_cast<HMENU>(wp) == self->Popup_Of("mnuOperations")) self->c.mnuOperations_Click();
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
        if (IsWindowVisible(picMain)) Sync_Progress_Panel();
        Show_Progress_Panel(false);
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
    else if (name == "lblListedCount") h = i.lblListedCount.Handle();
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
        i.Offer_Hidden_Buttons();
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
