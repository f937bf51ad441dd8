// Tessarine's entry: registers the common controls, shows the window and
// runs until it is closed.
#include <windows.h>

#include "diagtool/frm_main.h"
#include "diagtool/mod_main.h"
#include "diagtool/win_support.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    using namespace crv::tessarine;
    Com_Apartment com;
    Init_Common_Controls();  // a failure leaves the classes to the system's defaults
    Frm_Main form(instance);
    if (!form.Create()) return 1;
    Set_Dialog_Window(form.Hwnd());
    form.Set_On_Unload([] { PostQuitMessage(0); });
    form.Show(show_command);
    return Run_Message_Loop();
}
