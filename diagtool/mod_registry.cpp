#include "diagtool/mod_registry.h"

#include <windows.h>

#include "diagtool/diag_logic.h"
#include "diagtool/win_support.h"

namespace crv::tessarine {

namespace {

struct Value_Path {
    HKEY root = nullptr;
    std::wstring key;
    std::wstring name;
};

bool Split(std::string_view full_path, Value_Path& out) {
    const auto first = full_path.find('\\');
    const auto last = full_path.rfind('\\');
    if (first == std::string_view::npos || last == first) return false;
    std::string hive(full_path.substr(0, first));
    for (auto& c : hive) c = static_cast<char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
    if (hive == "HKLM" || hive == "HKEY_LOCAL_MACHINE") out.root = HKEY_LOCAL_MACHINE;
    else if (hive == "HKCU" || hive == "HKEY_CURRENT_USER") out.root = HKEY_CURRENT_USER;
    else if (hive == "HKCR" || hive == "HKEY_CLASSES_ROOT") out.root = HKEY_CLASSES_ROOT;
    else if (hive == "HKU" || hive == "HKEY_USERS") out.root = HKEY_USERS;
    else return false;
    out.key = Widen(full_path.substr(first + 1, last - first - 1));
    out.name = Widen(full_path.substr(last + 1));
    return !out.key.empty();
}

}  // namespace

std::string Reg_Read(std::string_view full_path) {
    Value_Path path;
    if (!Split(full_path, path)) return {};
    HKEY key = nullptr;
    if (RegOpenKeyExW(path.root, path.key.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    DWORD type = 0, size = 0;
    std::string result;
    if (RegQueryValueExW(key, path.name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::wstring buffer(size / sizeof(wchar_t) + 2, L'\0');
        DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key, path.name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got) ==
            ERROR_SUCCESS) {
            if (type == REG_DWORD && got >= sizeof(DWORD)) {
                DWORD value = 0;
                memcpy(&value, buffer.data(), sizeof value);
                // A DWORD reads back as a signed 32-bit number.
                result = std::to_string(static_cast<std::int32_t>(value));
            } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
                std::wstring text(buffer.data(), got / sizeof(wchar_t));
                while (!text.empty() && text.back() == L'\0') text.pop_back();
                result = Narrow(text);
            }
        }
    }
    RegCloseKey(key);
    return result;
}

bool Reg_Write(std::string_view full_path, std::string_view value, std::string_view type_name) {
    Value_Path path;
    if (!Split(full_path, path)) return false;
    HKEY key = nullptr;
    if (RegCreateKeyExW(path.root, path.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = ERROR_INVALID_PARAMETER;
    if (type_name == "REG_DWORD") {
        const DWORD number = static_cast<DWORD>(static_cast<long long>(Leading_Number(value)));
        rc = RegSetValueExW(key, path.name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    } else if (type_name == "REG_SZ") {
        const std::wstring text = Widen(value);
        rc = RegSetValueExW(key, path.name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

}  // namespace crv::tessarine
