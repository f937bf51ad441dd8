// Quick Export: what the list pane shows, into one CSV, HTML or text file
// the user names.
#include "core/error.h"
#include "export/export.h"
#include "export/export_file.h"
#include "mainwindow/frm_main_controller.h"

namespace crv {

void MainController::Register_Quick_Export_Commands() {
    Register_Command("mnuFleQuickExport", [this](int) { mnuFleQuickExport_Click(); });
}

void MainController::mnuFleQuickExport_Click() {
    if (!host_) return;
    const TreeNode* node = tvwFeatures.selected;
    const std::string key = node ? node->key : std::string();
    const std::string text = node ? node->text : std::string();
    const std::string computer = tvwFeatures.Count() > 0 ? tvwFeatures.Nodes().front()->text : std::string();
    const std::string offered = Quick_Export_File_Name(key, text, computer);
    const SaveFileChoice choice =
        host_->Choose_Save_File("Quick Export - Corvalin", std::string(Export_File_Filter), 1, offered);
    if (choice.file_name.empty()) return;  // cancelled
    // The Save dialog asked before replacing a file; appending to it would
    // give a file of two exports.
    if (!Start_Export_File(choice.file_name)) {
        Show_Error_Message(true);
        return;
    }
    ExportFileRequest request;
    // The text layout needs a key: a list shown for no feature node (a
    // group's members) is laid out as any other feature.
    request.key = key.empty() ? offered : key;
    request.title = text;
    request.device = computer;
    request.vertical_listing = true;  // written in the form shown
    clsExport writer(host_->Export_Encoder());
    if (!Write_Export_File(writer, choice.filter_index, lvwMain, choice.file_name, request)) return;
    Message_Box("Successfully exported data to the file.", Mb_Information);
}

}  // namespace crv
