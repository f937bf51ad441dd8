#pragma once
// The scan dialog's view of the main window, over the main window's
// controller: its feature handler fills the dialog's hidden list, its
// Cancel raises the flag the handler tests.
#include "dialogs/dialog_host.h"

namespace crv {

class MainController;

class MainControllerLink final : public MainWindowLink {
public:
    explicit MainControllerLink(MainController& main) : main_(main) {}
    void Node_Clicked_Event_Handler(std::int32_t lngDeviceID, const std::string& strDevice,
                                    std::int32_t lngFeatureID, const std::string& strFeatureKey,
                                    const std::string& strFeatureImage, const TreeNode& nodClicked,
                                    ListModel& lvwTemp, const std::string& strScanDate, bool blnOnline) override;
    void cmdCancel_Click() override;

private:
    MainController& main_;
};

}  // namespace crv
