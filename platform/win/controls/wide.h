#pragma once
// UTF-8 <-> UTF-16 at the Win32 calls of the control classes (internal).
#include <windows.h>

#include <string>
#include <string_view>

namespace crv::controls_detail {

inline std::wstring Wide(std::string_view text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

inline std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// The window text of any window, as UTF-8.
inline std::string Window_Text(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    if (n <= 0) return {};
    std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
    n = GetWindowTextW(hwnd, buffer.data(), n + 1);
    buffer.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return Utf8(buffer);
}

// Registers the common control classes once.
void Init_Common_Controls();

}  // namespace crv::controls_detail
