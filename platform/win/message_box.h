#pragma once
// Message boxes titled with the product name, and the reporter that shows
// pending errors as critical boxes.
#include <windows.h>

#include <string>
#include <string_view>

#include "core/error.h"

namespace crv {

// MessageBoxW titled "Corvalin" with the given style (16 critical, 36 Yes/No
// question, 68 Yes/No information, ...). The owner defaults to the active
// window of this thread. Returns the button id (6 Yes, 7 No, 1 OK).
int Show_Message_Box(std::string_view text, unsigned style, HWND owner = nullptr);

// OK button and the critical icon (style 16).
class MessageBoxErrorReporter final : public ErrorReporter {
public:
    void Report_Error(const std::string& text) override;
};

// Installs one process-wide message-box reporter for Show_Error_Message.
void Install_Message_Box_Reporter();

}  // namespace crv
