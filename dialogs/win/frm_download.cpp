#include "dialogs/win/frm_download.h"

#include "core/update_check.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/forms.h"
#include "platform/win/http.h"
#include "platform/win/shell.h"

namespace crv {

std::function<void(HWND, DownloadController&)> frmDownload::on_opened;

namespace {

constexpr UINT_PTR Download_Timer_Id = 1;

std::function<bool(const std::string&)>& Shell_Answerer() {
    static std::function<bool(const std::string&)> answerer;
    return answerer;
}

struct WinDownloadPort final : DownloadPort {
    Http_Wait wait;  // the dialog's pump, until the controller cancels
    bool Download_File(const std::string& url, const std::string& path) override {
        return crv::Download_File(url, path, Http_Time_Limit_Ms, wait);
    }
    bool Open_Package(const std::string& path) override {
        if (Shell_Answerer()) return Shell_Answerer()(path);
        return Open_With_Shell(path) > 32;
    }
};

// The window side of boxes and the save dialog, for a window of no controls
// of its own.
struct PlainDialogHost : Win32DialogHost {
    HWND Control_By_Name(const std::string&) override { return nullptr; }
    int Count_Per_Page(const std::string&) override { return 0; }
    void View_Changed() override {}
};

struct DownloadView final : PlainDialogHost {
    WinDownloadPort port;
    DownloadController c{*this, port};

    void View_Changed() override {
        if (hwnd) Set_Window_Text(GetDlgItem(hwnd, IDC_DL_LBLMESSAGE), c.lblMessage);
    }
    void Close() override {
        if (hwnd) KillTimer(hwnd, Download_Timer_Id);
        PlainDialogHost::Close();
    }

    void Init(HWND dialog) {
        hwnd = dialog;
        port.wait = [this] {
            Do_Events();
            return !c.Cancelled();
        };
        Register_Form(hwnd, "frmDownload");
        SetWindowTextW(hwnd, L"Download");
        c.Form_Load();
        View_Changed();
        if (c.tmrDownload_Enabled) SetTimer(hwnd, Download_Timer_Id, DownloadController::tmrDownload_Interval, nullptr);
        if (frmDownload::on_opened) frmDownload::on_opened(hwnd, c);
    }
    void Timer() {
        KillTimer(hwnd, Download_Timer_Id);
        c.tmrDownload_Timer();
    }
};

INT_PTR CALLBACK Download_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<DownloadView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        reinterpret_cast<DownloadView*>(lp)->Init(hwnd);
        return TRUE;
    case WM_TIMER:
        if (view && wp == Download_Timer_Id) view->Timer();
        return TRUE;
    case WM_COMMAND:
        // Esc or the close box before the step has run: nothing downloaded.
        if (view && LOWORD(wp) == IDCANCEL) view->c.Close_Requested();
        return TRUE;
    case WM_CLOSE:
        if (view) view->c.Close_Requested();
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void Set_Download_Shell_Answerer(std::function<bool(const std::string&)> answerer) {
    Shell_Answerer() = std::move(answerer);
}

bool frmDownload::Show_This_Form(const std::string& strMessage, const std::string& strDLLink,
                                 const std::string& strExtn, bool blnInstall, int udtFSC, bool& blnExitProgram,
                                 HWND owner) {
    DownloadView view;
    view.c.strMessage = strMessage;
    view.c.strDLLink = strDLLink;
    view.c.strExtn = strExtn;
    view.c.blnInstall = blnInstall;
    Run_Modal_Dialog(IDD_DOWNLOAD, Dialog_Owner(owner), Download_Proc, reinterpret_cast<LPARAM>(&view));
    blnExitProgram = view.c.blnExitProgram;
    return view.c.blnDownloaded;
}

HWND Win32UpdateHost::Owner() const { return Dialog_Owner(owner_ ? owner_() : nullptr); }

bool Win32UpdateHost::Http_Get(const std::string& url, const std::string& query, std::string& response,
                               const Update_Wait& wait) {
    return crv::Http_Get(url, query, response, Http_Time_Limit_Ms, wait);
}

int Win32UpdateHost::Message_Box(const std::string& text, int style) {
    PlainDialogHost boxes;
    boxes.hwnd = Owner();
    return boxes.Message_Box(text, style);
}

bool Win32UpdateHost::Show_Download(const std::string& message, const std::string& link, const std::string& extension,
                                    bool install, bool& exit_program) {
    return frmDownload::Show_This_Form(message, link, extension, install, 1, exit_program, Owner());
}

std::string Check_For_Update(bool showMessages, bool& exitProgram, HWND owner) {
    Win32UpdateHost host([owner] { return owner; });
    return Check_For_Update(host, showMessages, exitProgram);
}

}  // namespace crv
