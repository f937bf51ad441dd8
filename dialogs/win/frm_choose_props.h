#pragma once
// The property chooser's window: the template IDD_CHOOSE_PROPS bound to
// ChoosePropsController, shown modally.
#include <windows.h>

#include <functional>
#include <string>

#include "dialogs/frm_choose_props_controller.h"

namespace crv {

class frmChooseProps {
public:
    // Opens on the feature of that key, modal, owned by `owner` (nullptr:
    // the loaded "frmMain"); returns when it has closed.
    static void Show_This_Form(const std::string& strSelectKey, HWND owner = nullptr);

    // Runs once the dialog is built and loaded (tests drive it from here).
    static std::function<void(HWND dialog, ChoosePropsController& controller)> on_opened;
};

}  // namespace crv
