#pragma once
// The find dialog's window: the dialog template IDD_FIND bound to
// FindController, modeless and owned by the main window, so the user keeps
// working in the main window between searches.
#include <windows.h>

#include <functional>
#include <memory>

#include "dialogs/frm_find_controller.h"

namespace crv {

class frmFind {
public:
    // Shows the dialog without waiting, owned by `owner` (nullptr: the loaded
    // "frmMain"), searching through `main`. When it is already open it comes
    // to the front with its text selected, and keeps its own link.
    static void Show(std::unique_ptr<FindLink> main, HWND owner = nullptr);
    // The open dialog, nullptr when none.
    static HWND Window();

    // Runs once the dialog is built (tests drive it from here).
    static std::function<void(HWND dialog, FindController& controller)> on_opened;
};

}  // namespace crv
