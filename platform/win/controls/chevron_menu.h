#pragma once
// The pop-up menu behind a coolbar band's chevron: the buttons of the band's
// toolbar that the band is too narrow to show, one item each (the button's
// tooltip, greyed and checked as the button is), in the toolbar's order.
// The chosen item presses its button, so it runs exactly what a click would.
#include <windows.h>

#include <functional>

#include "platform/win/controls/toolbar.h"

namespace crv {

// Shows the menu below the chevron (screen pixels), owned by `owner`, and
// presses the chosen button. Nothing hidden: no menu.
void Show_Chevron_Menu(Toolbar& bar, HWND owner, const RECT& chevron);

// Tests: gets the built menu instead of the user and returns the id of the
// item to choose (0: none). nullptr shows the menu again.
void Set_Chevron_Menu_Answerer(std::function<UINT(HMENU menu)> answerer);

}  // namespace crv
