#pragma once
// Dragging text between our own controls inside the program: the source
// starts a drag with the text it carries; when the left button is released
// over a control that accepts drops, that control receives the text.
#include <windows.h>

#include <string>

namespace crv {

// Starts a drag from a window with the left button held; the mouse is
// captured until the button is released or Esc is pressed.
void Begin_Text_Drag(HWND source, std::string text);
bool Drag_In_Progress();
// Ends the drag as a release at the given screen point would.
void End_Text_Drag(POINT screen_point, bool cancel);

// The message a control that takes drops answers: wParam points to the text
// (a std::string), lParam holds the screen point; a taker returns 1. The drop
// goes to the window under the pointer or the first of its parents that takes it.
UINT Drop_Message();

}  // namespace crv
