#include "dialogs/main_window_link.h"

#include "mainwindow/frm_main_controller.h"

namespace crv {

void MainControllerLink::Node_Clicked_Event_Handler(std::int32_t lngDeviceID, const std::string& strDevice,
                                                    std::int32_t lngFeatureID, const std::string& strFeatureKey,
                                                    const std::string& strFeatureImage, const TreeNode& nodClicked,
                                                    ListModel& lvwTemp, const std::string& strScanDate,
                                                    bool blnOnline) {
    main_.Node_Clicked_Event_Handler(lngDeviceID, strDevice, lngFeatureID, strFeatureKey, strFeatureImage, main_,
                                     nodClicked, lvwTemp, strScanDate, blnOnline);
}

void MainControllerLink::cmdCancel_Click() { main_.cmdCancel_Click(); }

}  // namespace crv
