#include "diagtool/frm_main.h"

#include <commctrl.h>

#include "diagtool/mod_main.h"
#include "diagtool/resource.h"
#include "diagtool/version.h"
#include "diagtool/win_support.h"

namespace crv::tessarine {

namespace {

constexpr const wchar_t* Window_Class = L"TessarineFrmMain";
constexpr const char* Tool_Tip_Text = "Diagnose your computer for settings ";

UINT Icon_Flags(Box_Icon icon) {
    switch (icon) {
        case Box_Icon::Information: return MB_ICONINFORMATION;
        case Box_Icon::Exclamation: return MB_ICONEXCLAMATION;
        case Box_Icon::Question: return MB_ICONQUESTION;
        case Box_Icon::None: break;
    }
    return 0;
}

// Passes boxes on only while the window is still there: a window closed
// during the port test's wait ends the program without a late box.
class While_Open_Prompts : public Prompts {
public:
    While_Open_Prompts(Prompts& inner, const HWND& window) : inner_(inner), window_(window) {}
    void Tell(const std::string& text, Box_Icon icon, const std::string& title) override {
        if (window_) inner_.Tell(text, icon, title);
    }
    bool Ask(const std::string& text, Box_Icon icon) override { return window_ && inner_.Ask(text, icon); }

private:
    Prompts& inner_;
    const HWND& window_;
};

}  // namespace

HWND Message_Box_Prompts::Owner() const { return (owner_ && *owner_ && IsWindow(*owner_)) ? *owner_ : nullptr; }

void Message_Box_Prompts::Tell(const std::string& text, Box_Icon icon, const std::string& title) {
    MessageBoxW(Owner(), Widen(text).c_str(), Widen(title).c_str(), MB_OK | Icon_Flags(icon));
}

bool Message_Box_Prompts::Ask(const std::string& text, Box_Icon icon) {
    return MessageBoxW(Owner(), Widen(text).c_str(), Widen(Program_Title).c_str(), MB_YESNO | Icon_Flags(icon)) == IDYES;
}

Frm_Main::Frm_Main(HINSTANCE instance, Prompts* prompts, Local_System* system, Port_Tester* tester)
    : instance_(instance), prompts_(prompts), system_(system), tester_(tester) {
    if (!prompts_) {
        own_prompts_ = std::make_unique<Message_Box_Prompts>(&hwnd_);
        prompts_ = own_prompts_.get();
    }
    if (!system_) {
        own_system_ = std::make_unique<Win_Local_System>(prompts_);
        system_ = own_system_.get();
    }
    if (!tester_) {
        own_tester_ = std::make_unique<Win_Port_Tester>();
        tester_ = own_tester_.get();
    }
}

Frm_Main::~Frm_Main() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    if (font_) DeleteObject(font_);
    if (face_brush_) DeleteObject(face_brush_);
}

bool Frm_Main::Create() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance_, Window_Class, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Window_Proc;
        wc.hInstance = instance_;
        wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_TESSARINE));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TESSARINE), IMAGE_ICON, 16, 16, 0));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = Window_Class;
        if (!RegisterClassExW(&wc)) return false;
    }
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font_ = CreateFontIndirectW(&metrics.lfMessageFont);
    face_brush_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, 490, 410};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    hwnd_ = CreateWindowExW(0, Window_Class, Widen(Program_Title).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance_, this);
    if (!hwnd_) return false;

    const DWORD label = WS_CHILD | WS_VISIBLE | SS_LEFT;
    const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    const DWORD edit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    Add(WC_BUTTONW, "Diagnose for WMI remote connections", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, IDC_FRA_LOCAL, 10, 8, 470, 222);
    Add(WC_STATICW, "This program helps you to diagnose a computer for WMI remote connection problems.", label,
        IDC_LBL_CAPTION, 22, 30, 446, 18);
    Add(WC_STATICW,
        "1. Press 'Diagnose' to find out the problems that are causing this computer from getting remote WMI connections.",
        label, IDC_LBL_DIAGNOSE, 22, 54, 446, 32);
    Add(WC_STATICW, "2. Press 'Fix' to repair any problems that are diagnosed for remote WMI connections for this computer.",
        label, IDC_LBL_FIX, 22, 90, 446, 32);
    Add(WC_STATICW, "3. Press 'Block' to block this computer from getting WMI remote connections.", label, IDC_LBL_BLOCK,
        22, 126, 446, 18);
    HWND diagnose = Add(WC_BUTTONW, "Diagnose WMI", button | BS_DEFPUSHBUTTON, IDC_CMD_DIAGNOSE, 22, 154, 120, 28);
    Add(WC_BUTTONW, "Fix WMI", button, IDC_CMD_FIX, 154, 154, 120, 28);
    Add(WC_BUTTONW, "Block WMI", button, IDC_CMD_BLOCK_WMI, 286, 154, 120, 28);
    Add(WC_STATICW, "NOTE: You should have administrative privileges to run this program.", label, IDC_LBL_NOTE, 22, 198,
        446, 18);

    Add(WC_BUTTONW, "Diagnose WMI for remote connections", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, IDC_FRA_REMOTE, 10, 238, 470,
        124);
    Add(WC_STATICW, "Computer:", label, IDC_LBL_COMPUTER, 22, 263, 80, 18);
    Add(WC_EDITW, "", edit, IDC_TXT_COMPUTER, 106, 260, 200, 22, WS_EX_CLIENTEDGE);
    Add(WC_STATICW, "User Name:", label, IDC_LBL_UN, 22, 293, 80, 18);
    Add(WC_EDITW, "", edit, IDC_TXT_UN, 106, 290, 200, 22, WS_EX_CLIENTEDGE);
    Add(WC_STATICW, "Password:", label, IDC_LBL_PWD, 22, 323, 80, 18);
    HWND password = Add(WC_EDITW, "", edit | ES_PASSWORD, IDC_TXT_PWD, 106, 320, 200, 22, WS_EX_CLIENTEDGE);
    SendMessageW(password, EM_SETPASSWORDCHAR, static_cast<WPARAM>(L'*'), 0);
    HWND remote = Add(WC_BUTTONW, "Diagnose WMI", button, IDC_CMD_DIAGNOSE_REMOTE, 330, 258, 130, 28);

    Add(WC_STATICW, "", label, IDC_LBL_VERSION, 12, 378, 110, 18);
    Add(WC_STATICW, Web_Address, label | SS_NOTIFY, IDC_LBL_VTWEB, 130, 378, 200, 18);
    Add(WC_BUTTONW, "&Close", button, IDC_CMD_CLOSE, 380, 372, 100, 28);

    tool_tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    const std::wstring tip = Widen(Tool_Tip_Text);
    Add_Tool_Tip(diagnose, tip.c_str());
    Add_Tool_Tip(remote, tip.c_str());

    web_tag_ = Web_Link;
    Form_Load();
    return true;
}

void Frm_Main::Show(int show_command) {
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
}

HWND Frm_Main::Add(const wchar_t* cls, const char* text, DWORD style, int id, int x, int y, int w, int h, DWORD ex_style) {
    HWND control = CreateWindowExW(ex_style, cls, Widen(text).c_str(), style, x, y, w, h, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (control && font_) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
}

void Frm_Main::Add_Tool_Tip(HWND button, const wchar_t* text) {
    if (!tool_tip_ || !button) return;
    TOOLINFOW info = {};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(button);
    info.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tool_tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

std::string Frm_Main::Text_Of(int id) const {
    HWND control = Control(id);
    const int n = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(control, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return Narrow(text);
}

void Frm_Main::Form_Load() {
    const std::string version = "Version: " + std::to_string(TSR_VERSION_MAJOR) + "." + std::to_string(TSR_VERSION_MINOR);
    SetWindowTextW(Control(IDC_LBL_VERSION), Widen(version).c_str());
}

void Frm_Main::cmdDiagnose_Click() { Run_Diagnose(*system_, *prompts_); }

void Frm_Main::cmdFix_Click() { Run_Fix(*system_, *prompts_); }

void Frm_Main::cmdBlockWMI_Click() { Run_Block(*system_, *prompts_); }

void Frm_Main::cmdDiagnoseRemote_Click() {
    // The computer's name goes to the test as typed.
    While_Open_Prompts prompts(*prompts_, hwnd_);
    remote_error_text_ = Run_Remote_Test(*tester_, Text_Of(IDC_TXT_COMPUTER), prompts);
}

void Frm_Main::lblVTWeb_Click() { Open_Web_Link(web_tag_); }

void Frm_Main::cmdClose_Click() { DestroyWindow(hwnd_); }

LRESULT CALLBACK Frm_Main::Window_Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    Frm_Main* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Frm_Main*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    } else {
        self = reinterpret_cast<Frm_Main*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
    return self->Handle(message, wparam, lparam);
}

LRESULT Frm_Main::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wparam);
            const int code = HIWORD(wparam);
            if (code == BN_CLICKED || code == STN_CLICKED) {
                switch (id) {
                    case IDC_CMD_DIAGNOSE: cmdDiagnose_Click(); return 0;
                    case IDC_CMD_FIX: cmdFix_Click(); return 0;
                    case IDC_CMD_BLOCK_WMI: cmdBlockWMI_Click(); return 0;
                    case IDC_CMD_DIAGNOSE_REMOTE: cmdDiagnoseRemote_Click(); return 0;
                    case IDC_CMD_CLOSE: cmdClose_Click(); return 0;
                    case IDC_LBL_VTWEB:
                        if (code == STN_CLICKED) lblVTWeb_Click();
                        return 0;
                    default: break;
                }
            }
            break;
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wparam) == Control(IDC_LBL_VTWEB)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wparam);
            SetBkMode(dc, TRANSPARENT);
            if (reinterpret_cast<HWND>(lparam) == Control(IDC_LBL_VTWEB)) SetTextColor(dc, RGB(0, 0, 192));
            return reinterpret_cast<LRESULT>(face_brush_);
        }
        case WM_CLOSE:
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY: {
            HWND gone = hwnd_;
            if (on_unload_) on_unload_();
            SetWindowLongPtrW(gone, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            return 0;
        }
        default: break;
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace crv::tessarine
