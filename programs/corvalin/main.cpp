// Corvalin.exe: start, show the main window, run the message loop until the
// last form has closed.
#include <windows.h>
#include <commctrl.h>

#include "dialogs/win/dialog_commands.h"
#include "dialogs/win/frm_download.h"
#include "mainwindow/frm_main.h"
#include "platform/win/com.h"
#include "platform/win/forms.h"
#include "platform/win/message_box.h"
#include "platform/win/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    crv::Install_Message_Box_Reporter();
    const bool running = crv::Main([] {
        // After the single-instance test: a second copy touches nothing.
        crv::Ensure_Com_Initialized();
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES |
                                                              ICC_DATE_CLASSES | ICC_PROGRESS_CLASS |
                                                              ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        // Before the window loads: its start-up may already offer the
        // computer list manager.
        crv::Attach_Dialog_Commands(crv::frmMain::Instance().Controller(),
                                    [] { return reinterpret_cast<HWND>(crv::frmMain::Instance().hWnd()); });
        // The update check: Help > Check Updates and the check after start-up.
        static crv::Win32UpdateHost updates([] { return reinterpret_cast<HWND>(crv::frmMain::Instance().hWnd()); });
        crv::frmMain::Instance().Controller().Set_Update_Host(&updates);
        return crv::frmMain::Instance().ShowThisForm(0);
    });
    if (!running) return 0;
    return crv::Run_Message_Loop();
}
