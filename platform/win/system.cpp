#include "platform/win/system.h"

#include <windows.h>

#include "core/common.h"
#include "platform/win/text.h"

namespace crv {

std::string Get_Local_Computer_Name() {
    // The name a running system answers to changes only with a restart;
    // reading it costs registry round trips under Wine, and every WMI
    // connection asks whether its target is this computer.
    static const std::string name = [] {
        wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 256] = {};
        DWORD size = static_cast<DWORD>(std::size(buffer));
        if (!GetComputerNameW(buffer, &size)) return std::string();
        return To_Utf8(std::wstring_view(buffer, size));
    }();
    return name;
}

std::string Get_Environment_Value(const std::string& name) {
    const std::wstring wname = To_Wide(name);
    DWORD n = GetEnvironmentVariableW(wname.c_str(), nullptr, 0);
    if (n == 0) return {};
    std::wstring value(n, L'\0');
    n = GetEnvironmentVariableW(wname.c_str(), value.data(), n);
    value.resize(n);
    return To_Utf8(value);
}

std::string Get_System_Directory() {
    const UINT needed = GetSystemDirectoryW(nullptr, 0);
    if (needed == 0) return {};
    std::wstring buffer(needed, L' ');
    const UINT length = GetSystemDirectoryW(buffer.data(), needed);
    if (length == 0 || length >= needed) return {};
    buffer.resize(length);
    while (buffer.size() > 3 && buffer.back() == L'\\') buffer.pop_back();
    return To_Utf8(buffer);
}

std::int32_t Get_OS_Version_Code() {
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    // Without compatibility entries in the manifest this reports at most 6.2
    // on later systems, which the table maps as the code's callers expect.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) return 0;
#pragma GCC diagnostic pop
    return OS_Version_Code(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

}  // namespace crv
