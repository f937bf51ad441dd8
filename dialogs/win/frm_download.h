#pragma once
// The download dialog (template IDD_DOWNLOAD) bound to DownloadController,
// and the update check as the main window runs it: the HTTP request of
// platform/win, boxes titled "Corvalin" and this dialog.
#include <windows.h>

#include <functional>
#include <string>

#include "core/update_check.h"
#include "dialogs/frm_download_controller.h"

namespace crv {

class frmDownload {
public:
    // Shows the dialog modally (every show mode: the caller reads the exit
    // flag once it has closed), owned by `owner` or the loaded "frmMain".
    // blnExitProgram gets the dialog's exit flag; returns whether a file was
    // downloaded.
    static bool Show_This_Form(const std::string& strMessage, const std::string& strDLLink,
                               const std::string& strExtn, bool blnInstall, int udtFSC, bool& blnExitProgram,
                               HWND owner = nullptr);

    // Runs once the dialog is built and loaded (tests).
    static std::function<void(HWND dialog, DownloadController& controller)> on_opened;
};

// Answers the shell's "open" of a downloaded package (tests): returns whether
// it opened. nullptr opens it through the shell again.
void Set_Download_Shell_Answerer(std::function<bool(const std::string& path)> answerer);

// The window side of the update check on Windows: the version service over
// HTTP with its time limit, boxes and the download dialog owned by the window
// `owner` gives (null: the loaded "frmMain").
class Win32UpdateHost final : public UpdateHost {
public:
    explicit Win32UpdateHost(std::function<HWND()> owner = nullptr) : owner_(std::move(owner)) {}
    bool Http_Get(const std::string& url, const std::string& query, std::string& response,
                  const Update_Wait& wait) override;
    int Message_Box(const std::string& text, int style) override;
    bool Show_Download(const std::string& message, const std::string& link, const std::string& extension,
                       bool install, bool& exit_program) override;

private:
    HWND Owner() const;
    std::function<HWND()> owner_;
};

// The whole check with Win32UpdateHost; returns the "Version" panel text.
std::string Check_For_Update(bool showMessages, bool& exitProgram, HWND owner = nullptr);

}  // namespace crv
