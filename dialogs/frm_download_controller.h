#pragma once
// The download dialog's controller: one second after the dialog appears it
// asks where to save the new version's package, downloads it, opens it
// through the shell when asked to install, and closes. Portable; the Win32
// view (win/frm_download.h) shows it.
#include <string>

#include "dialogs/dialog_host.h"

namespace crv {

// The download and the shell as the dialog uses them.
class DownloadPort {
public:
    virtual ~DownloadPort() = default;
    // True only when the whole package arrived and is not empty. The window
    // keeps answering while it waits; it gives up once the controller says
    // Cancelled().
    virtual bool Download_File(const std::string& url, const std::string& path) = 0;
    // True when the shell opened the file.
    virtual bool Open_Package(const std::string& path) = 0;
};

class DownloadController {
public:
    DownloadController(DialogHost& host, DownloadPort& port) : host_(host), port_(port) {}

    static constexpr const char* Caption = "Download";

    // ---- state, from Show_This_Form until the dialog closes ----
    std::string strMessage;
    std::string strDLLink;
    std::string strExtn;
    bool blnInstall = false;
    bool blnDownloaded = false;
    std::string strFilePath;
    bool blnExitProgram = false;

    // ---- controls ----
    std::string lblMessage;
    bool tmrDownload_Enabled = true;
    static constexpr unsigned tmrDownload_Interval = 1000;

    // ---- event handlers ----
    void Form_Load();
    void tmrDownload_Timer();
    // The close box or Esc. While the package downloads, the download is
    // given up and the dialog closes once it has stopped; before that, the
    // dialog closes at once with nothing downloaded.
    void Close_Requested();
    bool Cancelled() const { return cancelled_; }

    // The save dialog's filter and the file name it offers.
    std::string Save_Filter() const;
    static std::string Default_File_Name();

private:
    DialogHost& host_;
    DownloadPort& port_;
    bool downloading_ = false;
    bool cancelled_ = false;
};

}  // namespace crv
