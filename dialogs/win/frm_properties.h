#pragma once
// The computer properties dialog's window: the dialog template
// IDD_PROPERTIES bound to PropertiesController.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "dialogs/frm_properties_controller.h"

namespace crv {

class frmProperties {
public:
    // Shows the record of the computer lngDeviceID modally, owned by `owner`
    // (nullptr: the loaded "frmMain", which stays disabled meanwhile, so the
    // computer cannot be deleted under the dialog); returns when it closed.
    static int ShowThisForm(std::int32_t lngDeviceID, HWND owner = nullptr);

    // Runs once the dialog is built and loaded (tests drive it from here).
    static std::function<void(HWND dialog, PropertiesController& controller)> on_opened;
};

}  // namespace crv
