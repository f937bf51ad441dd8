#pragma once
// The main window's commands that open the reports viewer, the property
// chooser and the about box (Operations > Reports, Tools > Choose
// Properties, Help > About and their toolbar buttons).
#include <windows.h>

#include <functional>

namespace crv {

class MainController;

// `owner` gives the main window's handle when a command runs.
void Attach_Report_Commands(MainController& main, std::function<HWND()> owner);

}  // namespace crv
