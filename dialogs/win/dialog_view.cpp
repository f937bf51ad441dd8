#include "dialogs/win/dialog_view.h"

#include <commctrl.h>
#include <shlobj.h>

#include "core/error.h"
#include "core/pump_frame.h"
#include "export/win/ansi_code_page_encoder.h"
#include "platform/win/controls/control.h"
#include "platform/win/file_dialog.h"
#include "platform/win/files.h"
#include "platform/win/forms.h"
#include "platform/win/message_box.h"
#include "platform/win/settings_store.h"
#include "platform/win/shell.h"
#include "platform/win/system.h"
#include "platform/win/text.h"
#include "platform/win/window_hook.h"

namespace crv {

namespace {
std::function<int(const std::string&, int)>& Box_Answerer() {
    static std::function<int(const std::string&, int)> answerer;
    return answerer;
}
std::function<std::string(const std::string&)>& Save_Answerer() {
    static std::function<std::string(const std::string&)> answerer;
    return answerer;
}
std::function<void(const std::string&)>& Shell_Opener() {
    static std::function<void(const std::string&)> opener;
    return opener;
}
std::function<std::string(const std::string&)>& Open_Answerer() {
    static std::function<std::string(const std::string&)> answerer;
    return answerer;
}
LRESULT CALLBACK Escape_Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    if (msg == WM_KEYDOWN && wp == VK_ESCAPE) {
        const bool* busy = reinterpret_cast<const bool*>(ref);
        HWND dialog = GetAncestor(hwnd, GA_ROOT);
        if (busy && *busy && dialog) {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
            return 0;
        }
    }
    if (msg == WM_NCDESTROY) Unhook_Window(hwnd, Escape_Subclass, 0x45534321);
    return Hook_Next(hwnd, msg, wp, lp);
}

BOOL CALLBACK Watch_Child(HWND child, LPARAM busy) {
    Hook_Window(child, Escape_Subclass, 0x45534321, static_cast<DWORD_PTR>(busy));
    return TRUE;
}
}  // namespace

void Set_Dialog_Box_Answerer(std::function<int(const std::string&, int)> answerer) {
    Box_Answerer() = std::move(answerer);
}
void Set_Dialog_Save_Answerer(std::function<std::string(const std::string&)> answerer) {
    Save_Answerer() = std::move(answerer);
}
void Set_Dialog_Open_Answerer(std::function<std::string(const std::string&)> answerer) {
    Open_Answerer() = std::move(answerer);
}

HWND Dialog_Owner(HWND owner) { return owner ? owner : Find_Form("frmMain"); }

void Run_Modal_Dialog(int id, HWND owner, DLGPROC proc, LPARAM param) {
    PumpFrame wait;
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), owner, proc, param);
}

std::string Window_Text(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    n = GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n < 0 ? 0 : n));
    return To_Utf8(text);
}

void Set_Window_Text(HWND hwnd, const std::string& text) {
    if (!hwnd) return;
    if (Window_Text(hwnd) == text) return;  // no flicker, caret kept
    SetWindowTextW(hwnd, To_Wide(text).c_str());
}

RECT Child_Rect(HWND dialog, int id) {
    RECT r{};
    HWND child = GetDlgItem(dialog, id);
    if (!child) return r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Win32DialogHost::Show_Box(const std::string& text, int flags) {
    if (Box_Answerer()) return Box_Answerer()(text, flags);
    return Show_Message_Box(text, static_cast<unsigned>(flags), hwnd);
}

void Win32DialogHost::Pump_Messages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (hwnd && IsDialogMessageW(hwnd, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

DialogTime Win32DialogHost::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string Win32DialogHost::Local_Computer_Name() { return Get_Local_Computer_Name(); }

std::string Win32DialogHost::Environment_Value(const std::string& name) { return Get_Environment_Value(name); }

std::string Win32DialogHost::Get_Setting(const std::string& section, const std::string& key,
                                         const std::string& default_value) {
    return crv::Get_Setting(Product_Name, section, key, default_value);
}

void Win32DialogHost::Save_Setting(const std::string& section, const std::string& key, const std::string& value) {
    if (!crv::Save_Setting(Product_Name, section, key, value)) Clear_Error();
}

std::string Win32DialogHost::Show_Save_Dialog(const std::string& title, const std::string& filter, int filter_index,
                                              const std::string& file_name) {
    return Choose_Save_File(title, filter, filter_index, file_name).file_name;
}

std::string Win32DialogHost::Browse_For_Folder(const std::string& initial) {
    BROWSEINFOW info{};
    info.hwndOwner = hwnd;
    std::wstring title = L"Export data to folder:";
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE pidl = nullptr;
    {
        PumpFrame wait;  // a modal loop: what it dispatches is a command of its own
        pidl = SHBrowseForFolderW(&info);
    }
    if (!pidl) return {};
    wchar_t path[MAX_PATH] = {};
    bool ok = SHGetPathFromIDListW(pidl, path) != FALSE;
    CoTaskMemFree(pidl);
    return ok ? To_Utf8(path) : std::string();
}

bool Win32DialogHost::Folder_Exists(const std::string& path) {
    DWORD a = GetFileAttributesW(To_Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32DialogHost::Open_With_Shell(const std::string& target) {
    if (Shell_Opener()) return Shell_Opener()(target);
    crv::Open_With_Shell(target);
}

void Win32DialogHost::Focus_Control(const std::string& name, bool select_all) {
    HWND c = Control_By_Name(name);
    if (!c) return;
    SetFocus(c);
    if (select_all) SendMessageW(c, EM_SETSEL, 0, -1);
}

void Win32DialogHost::Close() {
    if (hwnd) EndDialog(hwnd, 0);
}

Ansi_Encoder Win32DialogHost::Export_Encoder() { return Ansi_Code_Page_Encoder(); }

std::string Win32DialogHost::Show_Open_Dialog(const std::string& title, const std::string& filter, int filter_index,
                                              const std::string& file_name) {
    if (Open_Answerer()) return Open_Answerer()(title);
    std::string chosen = file_name;
    if (!Show_Open_File_Dialog(hwnd, title, filter, filter_index, chosen)) return {};
    return chosen;
}

DialogHost::FileRead Win32DialogHost::Read_File(const std::string& path, std::size_t max_bytes, std::string& bytes) {
    switch (Read_Whole_File(path, max_bytes, bytes)) {
    case crv::FileRead::Ok: return FileRead::Ok;
    case crv::FileRead::Too_Large: return FileRead::Too_Large;
    case crv::FileRead::Failed: break;
    }
    return FileRead::Failed;
}

bool Win32DialogHost::Write_File(const std::string& path, const std::string& bytes) {
    return Write_Whole_File(path, bytes);
}

bool Win32DialogHost::File_Exists(const std::string& path) { return crv::File_Exists(path); }

std::string Win32DialogHost::From_Ansi(const std::string& bytes) { return crv::From_Ansi(bytes); }

std::string Win32DialogHost::Upper_Case(const std::string& text) { return crv::Upper_Case(text); }

void Watch_Escape(HWND dialog, const bool* busy) {
    EnumChildWindows(dialog, Watch_Child, reinterpret_cast<LPARAM>(busy));
}

void BusyFocus::Note(bool busy) {
    if (busy && !noted_) before_ = GetFocus();
    noted_ = noted_ || busy;
}

void BusyFocus::Apply(HWND dialog, HWND cancel, bool busy) {
    auto usable = [dialog](HWND w) {
        return w && IsChild(dialog, w) && IsWindowVisible(w) && IsWindowEnabled(w);
    };
    HWND focus = GetFocus();
    if (busy) {
        // Only in the active dialog: giving a focus would activate it over
        // the window the user went to meanwhile.
        if (GetActiveWindow() == dialog && !usable(focus) && usable(cancel))
            SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(cancel), TRUE);
        return;
    }
    if (!noted_) return;
    noted_ = false;
    // While the run lasted nothing but Cancel could take the focus; where
    // hiding Cancel left it is the system's choice, not the user's.
    if (GetActiveWindow() == dialog && usable(before_) && focus != before_)
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(before_), TRUE);
    before_ = nullptr;
}

// ---- export files, placeholders, modeless hosting ----

namespace {
int& Save_Filter_Index_Answer() {
    static int index = 0;
    return index;
}

struct ModelessInit {
    ModelessDialogHost* view;
    const char* form_name;
};

INT_PTR CALLBACK Modeless_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<ModelessDialogHost*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (msg == WM_INITDIALOG) {
        auto* init = reinterpret_cast<ModelessInit*>(lp);
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(init->view));
        init->view->hwnd = hwnd;
        Register_Form(hwnd, init->form_name);
        Host_Modeless_Dialog(hwnd);
        init->view->Init();
        return TRUE;
    }
    if (!view) return FALSE;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        view->Dialog_Message(msg, wp, lp);
        delete view;
        return FALSE;
    }
    return view->Dialog_Message(msg, wp, lp);
}
}  // namespace

void Set_Dialog_Save_Filter_Index(int filter_index) { Save_Filter_Index_Answer() = filter_index; }

void Set_Dialog_Shell_Opener(std::function<void(const std::string& target)> opener) {
    Shell_Opener() = std::move(opener);
}

SaveFileChoice Win32DialogHost::Choose_Save_File(const std::string& title, const std::string& filter,
                                                 int filter_index, const std::string& file_name) {
    if (Save_Answerer()) {
        const int answered = Save_Filter_Index_Answer();
        return {Save_Answerer()(filter), answered ? answered : filter_index};
    }
    SaveFileChoice choice{file_name, filter_index};
    if (!Show_Save_File_Dialog(hwnd, title, filter, choice.filter_index, choice.file_name)) return {};
    return choice;
}

void Replace_Placeholder(HWND dialog, Control& control, int id, const std::function<void()>& create) {
    RECT r = Child_Rect(dialog, id);
    HWND placeholder = GetDlgItem(dialog, id);
    HWND after = placeholder ? GetWindow(placeholder, GW_HWNDPREV) : nullptr;
    if (placeholder) DestroyWindow(placeholder);
    create();
    control.Move(r.left, r.top, r.right - r.left, r.bottom - r.top);
    SetWindowPos(control.Handle(), after ? after : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (font) control.Set_Font(font);
}

void ModelessDialogHost::Close() {
    if (hwnd) DestroyWindow(hwnd);
}

HWND Show_Modeless_Dialog(std::unique_ptr<ModelessDialogHost> view, int template_id, const char* form_name,
                          HWND owner) {
    if (HWND loaded = Find_Form(form_name)) {
        if (IsIconic(loaded)) ShowWindow(loaded, SW_RESTORE);
        SetForegroundWindow(loaded);
        return loaded;
    }
    ModelessInit init{view.get(), form_name};
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(template_id), Dialog_Owner(owner),
                                     Modeless_Proc, reinterpret_cast<LPARAM>(&init));
    if (!dialog) return nullptr;  // the view was never attached
    view.release();               // the window owns it now
    ShowWindow(dialog, SW_SHOW);
    return dialog;
}

}  // namespace crv
