#include "platform/win/message_box.h"

#include "core/pump_frame.h"
#include "platform/win/text.h"

namespace crv {

int Show_Message_Box(std::string_view text, unsigned style, HWND owner) {
    if (!owner) owner = GetActiveWindow();
    // Its modal loop dispatches the thread's timers and other windows' input.
    PumpFrame wait;
    return MessageBoxW(owner, To_Wide(text).c_str(), To_Wide(Product_Name).c_str(), style);
}

void MessageBoxErrorReporter::Report_Error(const std::string& text) {
    Show_Message_Box(text, MB_OK | MB_ICONERROR);
}

void Install_Message_Box_Reporter() {
    static MessageBoxErrorReporter reporter;
    Set_Error_Reporter(&reporter);
}

}  // namespace crv
