#pragma once
// The tabular report customiser's window: the dialog template
// IDD_CUSTOMIZE_REPORT bound to CustomizeReportController.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "dialogs/frm_customize_report_controller.h"

namespace crv {

class frmCustomizeReport {
public:
    // The dialog's public member: the report's TN_ID and name; shows the
    // dialog modally owned by `owner` (nullptr: the loaded "frmMain") and
    // returns when it has closed. `refresh_report` shows the main window's
    // selected report node again after a save or a width reset.
    static void Show_This_Form(std::int32_t lngGroupID, const std::string& strReport,
                               std::function<void()> refresh_report, HWND owner = nullptr);

    // Runs once the dialog is built and loaded (tests drive it from here).
    static std::function<void(HWND dialog, CustomizeReportController& controller)> on_opened;
};

}  // namespace crv
