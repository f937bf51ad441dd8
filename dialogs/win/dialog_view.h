#pragma once
// What both dialog views share: the window side of DialogHost (boxes, the
// pump, settings, file and folder choosers, shell), the test hooks, and a
// keyboard watch that turns Esc into Cancel while a run pumps messages
// through someone else's loop.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dialogs/dialog_host.h"

namespace crv {

// Answers the dialogs' boxes instead of showing them (tests; nullptr shows
// them again).
void Set_Dialog_Box_Answerer(std::function<int(const std::string& text, int flags)> answerer);
// Answers the dialogs' Save dialog (tests): returns the file chosen, "" for Cancel.
void Set_Dialog_Save_Answerer(std::function<std::string(const std::string& filter)> answerer);
// Answers the dialogs' Open dialog (tests): returns the file chosen, "" for Cancel.
void Set_Dialog_Open_Answerer(std::function<std::string(const std::string& title)> answerer);

// The owner of a dialog: the given window, else the loaded "frmMain".
HWND Dialog_Owner(HWND owner);
// Runs the dialog template `id` modally. Its loop is a wait like the pump:
// the dialog's commands, and the timers it dispatches, are commands of their
// own, outside the scopes of whatever command opened it.
void Run_Modal_Dialog(int id, HWND owner, DLGPROC proc, LPARAM param);

class Win32DialogHost : public DialogHost {
public:
    int Show_Box(const std::string& text, int flags) override;
    void Pump_Messages() override;
    DialogTime Now() override;
    std::string Local_Computer_Name() override;
    std::string Environment_Value(const std::string& name) override;
    std::string Get_Setting(const std::string& section, const std::string& key,
                            const std::string& default_value) override;
    void Save_Setting(const std::string& section, const std::string& key, const std::string& value) override;
    std::string Show_Save_Dialog(const std::string& title, const std::string& filter, int filter_index,
                                 const std::string& file_name) override;
    std::string Browse_For_Folder(const std::string& initial) override;
    bool Folder_Exists(const std::string& path) override;
    void Open_With_Shell(const std::string& target) override;
    void Focus_Control(const std::string& name, bool select_all) override;
    void Close() override;
    Ansi_Encoder Export_Encoder() override;
    SaveFileChoice Choose_Save_File(const std::string& title, const std::string& filter, int filter_index,
                                    const std::string& file_name) override;
    std::string Show_Open_Dialog(const std::string& title, const std::string& filter, int filter_index,
                                 const std::string& file_name) override;
    FileRead Read_File(const std::string& path, std::size_t max_bytes, std::string& bytes) override;
    bool Write_File(const std::string& path, const std::string& bytes) override;
    bool File_Exists(const std::string& path) override;
    std::string From_Ansi(const std::string& bytes) override;
    std::string Upper_Case(const std::string& text) override;

    // The control of a name ("txtComputer", ...), nullptr when none.
    virtual HWND Control_By_Name(const std::string& name) = 0;

    HWND hwnd = nullptr;

    // ---- input box ----
    std::optional<std::string> Input_Box(const std::string& prompt, const std::string& title,
                                         const std::string& default_text, std::size_t max_length) override;
};

// Text of a window / control as UTF-8, and back.
std::string Window_Text(HWND hwnd);
void Set_Window_Text(HWND hwnd, const std::string& text);
// A placeholder's rectangle in its dialog's client coordinates.
RECT Child_Rect(HWND dialog, int id);

// While `busy` says so, Esc reaching any child of the dialog straight (a
// loop other than the dialog's own dispatched it, so no IsDialogMessage made
// it IDCANCEL) posts the dialog IDCANCEL. Call once the children exist.
void Watch_Escape(HWND dialog, const bool* busy);

// A run disables the control that started it, and a disabled control loses
// the focus: with no focus, no key reaches the dialog, so Esc could not stop
// the run. While the busy panel shows, the focus it lost goes to the panel's
// Cancel; when the run ends, it goes back where it was.
class BusyFocus {
public:
    // Before the view disables its controls for the run.
    void Note(bool busy);
    // After the view applied the run's state to its controls.
    void Apply(HWND dialog, HWND cancel, bool busy);

private:
    HWND before_ = nullptr;
    bool noted_ = false;
};

// ---- export files, placeholders, modeless hosting ----

// The filter index the answered Save dialog reports (tests; 0: the one offered).
void Set_Dialog_Save_Filter_Index(int filter_index);
// Takes the web pages and mail links the dialogs open instead of the shell
// (tests; nullptr: the shell again).
void Set_Dialog_Shell_Opener(std::function<void(const std::string& target)> opener);

class Control;
// Puts a control created by `create` (as a child of the dialog with the id)
// in the place, z-order and font of the template's placeholder of that id.
void Replace_Placeholder(HWND dialog, Control& control, int id, const std::function<void()>& create);

// The view of a modeless dialog: the window owns it (it is deleted with the
// window), Close destroys the window, and its keys are hosted
// (Host_Modeless_Dialog).
class ModelessDialogHost : public Win32DialogHost {
public:
    void Close() override;
    // WM_INITDIALOG: hwnd is set, the form registered.
    virtual void Init() = 0;
    // Every later message; TRUE when handled.
    virtual INT_PTR Dialog_Message(UINT msg, WPARAM wp, LPARAM lp) = 0;
};

// Shows the template's dialog modeless with `view`, owned by `owner`
// (nullptr: the loaded "frmMain"), registered as `form_name`. When a form of
// that name is loaded already it comes to the front instead and `view` is
// dropped. Returns the dialog's window (nullptr when it cannot be created).
HWND Show_Modeless_Dialog(std::unique_ptr<ModelessDialogHost> view, int template_id, const char* form_name,
                          HWND owner);
// ---- input box ----
// Shows the input box (IDD_INPUT_BOX) modally over `owner`: the prompt, the
// title, a text field holding `default_text` that takes at most max_length
// characters. The text on OK, nullopt on Cancel, Esc or the close box.
std::optional<std::string> Show_Input_Box(HWND owner, const std::string& prompt, const std::string& title,
                                          const std::string& default_text, std::size_t max_length);
// Runs once an input box is built (tests fill it and press its buttons).
void Set_Input_Box_Opened_Hook(std::function<void(HWND box)> hook);

// ---- modeless hosting (find dialog) ----
// Keeps a modeless dialog's keyboard (Tab, Enter, Esc, mnemonics) working
// whichever loop pumps its messages: the program's, a listing's or a
// test's. Its keys never reach the main window's shortcuts. Call once the
// dialog exists; it is forgotten when destroyed.
void Host_Modeless_Dialog(HWND dialog);

}  // namespace crv
