#include "platform/win/settings_store.h"

#include <windows.h>

#include "core/error.h"
#include "platform/win/com.h"
#include "platform/win/handles.h"
#include "platform/win/text.h"

namespace crv {
namespace {

std::wstring Section_Path(std::string_view app, std::string_view section) {
    return L"Software\\" + To_Wide(app) + L"\\" + To_Wide(section);
}

bool Valid_Names(std::string_view app, std::string_view section) { return !app.empty() && !section.empty(); }

}  // namespace

std::string Get_Setting(std::string_view app, std::string_view section, std::string_view key,
                        std::string_view default_value) {
    if (!Valid_Names(app, section)) return std::string(default_value);
    UniqueRegKey k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Section_Path(app, section).c_str(), 0, KEY_QUERY_VALUE, k.Put()) !=
        ERROR_SUCCESS)
        return std::string(default_value);
    const std::wstring name = To_Wide(key);
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(k.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
            return std::string(default_value);
        if (type == REG_DWORD) {
            DWORD value = 0;
            DWORD size = sizeof value;
            if (RegQueryValueExW(k.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                ERROR_SUCCESS)
                return std::string(default_value);
            return std::to_string(value);
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ) return std::string(default_value);
        std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LONG rc =
            RegQueryValueExW(k.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (rc == ERROR_MORE_DATA) continue;  // grew in between
        if (rc != ERROR_SUCCESS) return std::string(default_value);
        buffer.resize(size / sizeof(wchar_t));
        // Stored texts may or may not carry their terminator.
        while (!buffer.empty() && buffer.back() == L'\0') buffer.pop_back();
        return To_Utf8(buffer);
    }
    return std::string(default_value);
}

bool Save_Setting(std::string_view app, std::string_view section, std::string_view key, std::string_view value) {
    if (!Valid_Names(app, section)) return Set_Error_From_Win32(ERROR_INVALID_PARAMETER);
    UniqueRegKey k;
    LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, Section_Path(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, k.Put(), nullptr);
    if (rc != ERROR_SUCCESS) return Set_Error_From_Win32(static_cast<DWORD>(rc));
    const std::wstring text = To_Wide(value);
    rc = RegSetValueExW(k.Get(), To_Wide(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    if (rc != ERROR_SUCCESS) return Set_Error_From_Win32(static_cast<DWORD>(rc));
    return true;
}

bool Delete_Setting(std::string_view app, std::string_view section, std::string_view key) {
    if (!Valid_Names(app, section)) return Set_Error_From_Win32(ERROR_INVALID_PARAMETER);
    UniqueRegKey k;
    LONG rc = RegOpenKeyExW(HKEY_CURRENT_USER, Section_Path(app, section).c_str(), 0, KEY_SET_VALUE, k.Put());
    if (rc == ERROR_FILE_NOT_FOUND) return true;
    if (rc != ERROR_SUCCESS) return Set_Error_From_Win32(static_cast<DWORD>(rc));
    rc = RegDeleteValueW(k.Get(), To_Wide(key).c_str());
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) return Set_Error_From_Win32(static_cast<DWORD>(rc));
    return true;
}

bool Delete_Setting(std::string_view app, std::string_view section) {
    if (!Valid_Names(app, section)) return Set_Error_From_Win32(ERROR_INVALID_PARAMETER);
    const LONG rc = RegDeleteTreeW(HKEY_CURRENT_USER, Section_Path(app, section).c_str());
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) return Set_Error_From_Win32(static_cast<DWORD>(rc));
    return true;
}

}  // namespace crv
