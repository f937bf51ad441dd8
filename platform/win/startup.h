#pragma once
// Program start: one running copy, the runtime-file check when started from
// a removable drive, the U.S. English thread locale, then the main window.
#include <functional>
#include <string>

#include "core/runtime_files.h"

namespace crv {

// The program's folder, without a trailing backslash.
std::string Get_Program_Folder();

// True when the drive of the program folder is removable (DRIVE_REMOVABLE).
bool Is_Running_From_Removable_Drive();

// The runtime-file check's file system: version resources, existence and
// copy with overwrite, on the real disk.
RuntimeFileAccess System_Runtime_File_Access();

// True when at least one runtime file in the system directory is below its
// minimum version; with copy, the failing files the program folder holds
// are copied there. With show_errors an error that stops the check is shown.
bool Check_Runtime_Files(bool copy, bool show_errors);

// Holds the process-wide single-instance mutex. False when another copy of
// the program already holds it.
bool Acquire_Single_Instance();

// The start routine. show_main_form creates and shows the main window
// modeless and returns false on failure (the reason pending). Returns true
// when a form is up and the caller should run the message loop; false when
// the process should end (another copy runs, or the main window failed,
// after its error box).
bool Main(const std::function<bool()>& show_main_form);
// Main after the single-instance test: the removable-drive check, the
// locale, the main window.
bool Start_After_Single_Instance(const std::function<bool()>& show_main_form);

}  // namespace crv
