#include "dialogs/frm_download_controller.h"

#include "core/update_check.h"

namespace crv {

namespace {
// The name typed without an extension takes the dialog's, as a save dialog
// with a default extension does.
std::string With_Extension(const std::string& path, const std::string& extension) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::size_t dot = path.find('.', slash == std::string::npos ? 0 : slash + 1);
    return dot == std::string::npos ? path + extension : path;
}
}  // namespace

void DownloadController::Form_Load() { lblMessage = strMessage; }

std::string DownloadController::Save_Filter() const {
    // The pattern needs its "*": ".zip" alone would list no file.
    return strExtn + "|*" + strExtn;
}

std::string DownloadController::Default_File_Name() { return std::string(Update_Package_File_Name); }

void DownloadController::tmrDownload_Timer() {
    if (!tmrDownload_Enabled) return;
    tmrDownload_Enabled = false;
    const std::string chosen = host_.Show_Save_Dialog(Caption, Save_Filter(), 1, Default_File_Name());
    if (!chosen.empty()) {
        const std::string path = With_Extension(chosen, strExtn);
        downloading_ = true;
        const bool downloaded = port_.Download_File(strDLLink, path);
        downloading_ = false;
        if (downloaded && !cancelled_) {
            blnDownloaded = true;
            strFilePath = path;
            if (blnInstall && port_.Open_Package(path)) blnExitProgram = true;
        } else if (!cancelled_) {
            host_.Message_Box(std::string(Download_Failed_Text), box::Exclamation);
        }
    }
    host_.Close();
}

void DownloadController::Close_Requested() {
    if (downloading_) {
        cancelled_ = true;
        return;
    }
    host_.Close();
}

}  // namespace crv
