#pragma once
// The main window's commands that open the dialogs: File > Manage Computers,
// File > Full Export, Operations > Scan > Start Scan and Tabular Report >
// Customize Report (and the toolbar buttons that run them), registered in
// the main window's command registry.
#include <windows.h>

#include <functional>

namespace crv {

class MainController;

// `owner` gives the main window's handle when a command runs.
void Attach_Dialog_Commands(MainController& main, std::function<HWND()> owner);
// Edit > Group/Devices > Properties (and the trees' and list's double
// click) and View > Find Item; Attach_Dialog_Commands calls it.
void Attach_Properties_Find_Commands(MainController& main, std::function<HWND()> owner);

}  // namespace crv
