#pragma once
// The computer list manager's window: the dialog template IDD_MANAGE_COMPUTERS
// bound to ManageComputersController, browsing through the system's
// NetServerEnum.
#include <windows.h>

#include <functional>

#include "dialogs/frm_manage_computers_controller.h"

namespace crv {

class frmManageComputers {
public:
    // Shows the dialog modally, owned by `owner` (nullptr: the loaded
    // "frmMain"), and returns when it has closed.
    static void Show(HWND owner = nullptr);

    // Runs once the dialog is built and loaded (tests drive it from here).
    static std::function<void(HWND dialog, ManageComputersController& controller)> on_opened;
};

}  // namespace crv
