#include "dialogs/frm_about_controller.h"

#include "core/common.h"

namespace crv {

void AboutController::Form_Load() {
    lblVersion = Get_Version_Text();
    host_.View_Changed();
}

bool AboutController::Form_KeyPress(int key_ascii) {
    if (key_ascii != 27) return false;
    cmdOK_Click();
    return true;
}

void AboutController::lblLink_Click(int index) {
    if (index == 0) host_.Open_With_Shell(lblLink_tag[0]);
    else if (index == 1 || index == 2) host_.Open_With_Shell("mailto:" + lblLink_caption[static_cast<std::size_t>(index)]);
}

}  // namespace crv
