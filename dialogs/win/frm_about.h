#pragma once
// The about box's window: the template IDD_ABOUT bound to AboutController,
// shown modally.
#include <windows.h>

#include <functional>

#include "dialogs/frm_about_controller.h"

namespace crv {

class frmAbout {
public:
    // Modal, owned by `owner` (nullptr: the loaded "frmMain"); returns when closed.
    static void Show(HWND owner = nullptr);

    // Runs once the dialog is built and loaded (tests drive it from here).
    static std::function<void(HWND dialog, AboutController& controller)> on_opened;
};

}  // namespace crv
