#include "platform/win/text.h"

#include <windows.h>

#include <climits>

namespace crv {

std::wstring To_Wide(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string To_Utf8(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

std::string To_Code_Page(std::string_view utf8, unsigned code_page) {
    const std::wstring wide = To_Wide(utf8);
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    if (n > 0)
        WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

std::string From_Code_Page(std::string_view bytes, unsigned code_page) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int n = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (n > 0) MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return To_Utf8(wide);
}

std::string To_Ansi(std::string_view utf8) { return To_Code_Page(utf8, CP_ACP); }
std::string From_Ansi(std::string_view ansi) { return From_Code_Page(ansi, CP_ACP); }

std::string Upper_Case(std::string_view utf8) {
    std::wstring wide = To_Wide(utf8);
    if (wide.empty()) return std::string(utf8);
    // The invariant locale: the same result whatever the user's language.
    const int n = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.c_str(), static_cast<int>(wide.size()),
                                nullptr, 0, nullptr, nullptr, 0);
    if (n <= 0) return std::string(utf8);
    std::wstring upper(static_cast<std::size_t>(n), L'\0');
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.c_str(), static_cast<int>(wide.size()), upper.data(), n,
                  nullptr, nullptr, 0);
    return To_Utf8(upper);
}

}  // namespace crv
