#pragma once
// The loaded forms: every top-level window of the program registers under
// its form name ("frmMain", ...). The registry keeps creation order, forgets
// a window when it is destroyed, and ends the message loop when the last
// registered window has gone.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

// Registers a window under a form name; call it once the window exists
// (WM_CREATE or right after CreateWindowEx). The window is forgotten on its
// own at WM_NCDESTROY. Fails for a null or already registered window.
bool Register_Form(HWND hwnd, std::string name);

// True when a loaded form has exactly that name (letter case counts).
bool Is_Form_Loaded(std::string_view form_name);
// Destroys every loaded form in creation order. Forms already on their way
// out (the caller's own window during its unload) are left alone.
void Unload_All_Forms();

// Loaded forms in creation order, their names, and lookup by name.
std::vector<HWND> Loaded_Forms();
std::string Form_Name(HWND hwnd);
HWND Find_Form(std::string_view form_name);

// Whether the thread's message loop is told to quit (PostQuitMessage(0))
// when the last loaded form goes; on by default. Tests turn it off.
void Set_Quit_When_Last_Form_Closes(bool quit);

// Sees each message before it is translated and dispatched; returns true
// when it handled the message (accelerators, dialog keys).
using MessageFilter = std::function<bool(MSG&)>;
void Set_Message_Filter(MessageFilter filter);

// Runs the thread's message loop until WM_QUIT; returns its exit code.
int Run_Message_Loop();

}  // namespace crv
