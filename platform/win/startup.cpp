#include "platform/win/startup.h"

#include <windows.h>

#include <cstdio>
#include <exception>

#include "core/error.h"
#include "platform/win/com.h"
#include "platform/win/forms.h"
#include "platform/win/handles.h"
#include "platform/win/message_box.h"
#include "platform/win/system.h"
#include "platform/win/text.h"

namespace crv {
namespace {

// Per session: a second copy started by the same user finds it.
constexpr wchar_t Single_Instance_Name[] = L"Local\\Corvalin.SingleInstance";

std::wstring Module_Path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool Query_File_Version(const std::string& path, std::string& version) {
    version.clear();
    const std::wstring wide = To_Wide(path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(wide.c_str(), &ignored);
    // A missing file or one without a version resource has no version.
    if (size == 0) return true;
    std::string data(size, '\0');
    if (!GetFileVersionInfoW(wide.c_str(), 0, size, data.data())) return true;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return true;
    char text[64];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                  HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
    version = text;
    return true;
}

bool Query_File_Exists(const std::string& path, bool& exists) {
    const DWORD attributes = GetFileAttributesW(To_Wide(path).c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    return true;
}

bool Copy_Overwriting(const std::string& from, const std::string& to) {
    if (CopyFileW(To_Wide(from).c_str(), To_Wide(to).c_str(), FALSE)) return true;
    return Set_Error_From_Win32(GetLastError());
}

}  // namespace

std::string Get_Program_Folder() {
    std::wstring path = Module_Path();
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    path.resize(slash);
    return To_Utf8(path);
}

bool Is_Running_From_Removable_Drive() {
    const std::wstring path = Module_Path();
    if (path.size() < 3) return false;
    const std::wstring root = path.substr(0, 3);
    return GetDriveTypeW(root.c_str()) == DRIVE_REMOVABLE;
}

RuntimeFileAccess System_Runtime_File_Access() {
    return RuntimeFileAccess{Query_File_Version, Query_File_Exists, Copy_Overwriting};
}

bool Check_Runtime_Files(bool copy, bool show_errors) {
    return Run_Runtime_File_Check(Get_System_Directory(), Get_Program_Folder(), copy, show_errors,
                                  System_Runtime_File_Access())
        .any_failed;
}

bool Acquire_Single_Instance() {
    static UniqueHandle mutex;
    if (mutex) return true;
    HANDLE h = CreateMutexW(nullptr, FALSE, Single_Instance_Name);
    const DWORD error = GetLastError();
    if (!h) return error != ERROR_ACCESS_DENIED;  // held by another copy under other rights
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(h);
        return false;
    }
    mutex.Reset(h);
    return true;
}

bool Start_After_Single_Instance(const std::function<bool()>& show_main_form) {
    if (Is_Running_From_Removable_Drive()) {
        Offer_Runtime_File_Copy(Get_System_Directory(), Get_Program_Folder(), System_Runtime_File_Access(), [] {
            return Show_Message_Box(Runtime_Copy_Question, MB_YESNO | MB_ICONQUESTION) == IDYES;
        });
    }

    SetThreadLocale(1033);

    Clear_Error();
    bool shown = false;
    try {
        shown = show_main_form();
    } catch (const std::exception& e) {
        Set_Error(static_cast<std::int32_t>(E_FAIL), e.what());
        shown = false;
    }
    if (!shown) {
        if (!Pending_Error().empty()) Show_Error_Message(true);
        return false;
    }
    // Without a window the message loop would never end. A main window that
    // is up but not registered still counts; it then ends the loop itself.
    if (!Loaded_Forms().empty()) return true;
    bool any_window = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM flag) -> BOOL {
            *reinterpret_cast<bool*>(flag) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&any_window));
    return any_window;
}

bool Main(const std::function<bool()>& show_main_form) {
    if (!Acquire_Single_Instance()) return false;
    return Start_After_Single_Instance(show_main_form);
}

}  // namespace crv
