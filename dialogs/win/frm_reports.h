#pragma once
// The predefined reports viewer's window: the template IDD_REPORTS bound to
// ReportsController, shown modeless.
#include <windows.h>

#include <functional>

#include "dialogs/frm_reports_controller.h"

namespace crv {

class frmReports {
public:
    // Shows the viewer modeless, owned by `owner` (nullptr: the loaded
    // "frmMain"); a viewer already open comes to the front. Returns its window.
    static HWND Show(HWND owner = nullptr);

    // Runs once the window is built and loaded (tests drive it from here).
    static std::function<void(HWND dialog, ReportsController& controller)> on_opened;
};

}  // namespace crv
