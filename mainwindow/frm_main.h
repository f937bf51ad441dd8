#pragma once
// The main window: the device tree, the feature tree and the list pane with
// the menus, the eight toolbars on two coolbars, the status bar, the
// progress pane and the two timers. The controller (frm_main_controller.h)
// holds the state and the handlers; this class is the Win32 window that
// mirrors it into the controls and forwards their events.
#include <cstdint>
#include <functional>
#include <string>

#include "mainwindow/frm_main_controller.h"

namespace crv {

class frmMain {
public:
    static frmMain& Instance();

    // Loads the window (once: Form_Load builds it, fills the device tree and
    // makes the default computer the feature tree's root), registers it as
    // "frmMain" and shows it: mode 0 modeless, 1 modal (returns when the
    // window has closed). False when the window cannot be created.
    bool ShowThisForm(int mode);

    MainController& Controller();
    // The window and its controls, 0 before the window exists.
    std::uintptr_t hWnd() const;
    std::uintptr_t Control_Handle(const std::string& name) const;
    // Sends the window a close as the user would (Form_Unload runs).
    void Unload();

    // Public members that the dialogs call.
    void cmdCancel_Click();
    void tvwFeatures_NodeClick(TreeNode* node);

private:
    frmMain();
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    struct Impl;
    Impl* impl_;
};

// Answers the main window's boxes instead of showing them (tests; nullptr
// shows them again). Receives the text and the button and icon flags.
void Set_Main_Box_Answerer(std::function<int(const std::string& text, int flags)> answerer);

}  // namespace crv
