#pragma once
// The New Scan and Full Export window: the dialog template IDD_FULL_EXPORT
// bound to FullExportController.
#include <windows.h>

#include <functional>
#include <string>

#include "dialogs/dialog_host.h"
#include "dialogs/frm_full_export_controller.h"

namespace crv {

class MainController;

class frmFullExport {
public:
    // The dialog's public member: keeps the mode ("NewScan" or "FullExport")
    // and the key, shows the dialog modally owned by `owner` (nullptr: the
    // loaded "frmMain") and returns when it has closed.
    static void ShowThisForm(const std::string& strType, const std::string& strDefaultKey, MainWindowLink& main,
                             HWND owner = nullptr);
    // The same over the main window's controller.
    static void ShowThisForm(const std::string& strType, const std::string& strDefaultKey, MainController& main,
                             HWND owner = nullptr);

    // Runs once the dialog is built and loaded (tests drive it from here).
    static std::function<void(HWND dialog, FullExportController& controller)> on_opened;
};

}  // namespace crv
