#include "platform/win/com.h"

#include <objbase.h>

#include <cstdio>

#include "core/error.h"
#include "platform/win/text.h"

namespace crv {

bool Ensure_Com_Initialized() {
    thread_local const bool ok = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    return ok;
}

ComApartment::ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}

ComApartment::~ComApartment() {
    if (SUCCEEDED(hr_)) CoUninitialize();
}

std::string System_Error_Text(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                   reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (n > 0 && buffer) text.assign(buffer, n);
    if (buffer) LocalFree(buffer);
    if (text.empty()) {
        // Some systems have no English text: take the user's language.
        buffer = nullptr;
        const DWORD m = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                           FORMAT_MESSAGE_IGNORE_INSERTS,
                                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
        if (m > 0 && buffer) text.assign(buffer, m);
        if (buffer) LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    return To_Utf8(text);
}

std::string HResult_Description(HRESULT hr) {
    std::string text = System_Error_Text(static_cast<std::uint32_t>(hr));
    if (!text.empty()) return text;
    char hex[32];
    std::snprintf(hex, sizeof hex, "Error code: 0x%08lX", static_cast<unsigned long>(static_cast<std::uint32_t>(hr)));
    return hex;
}

bool Set_Error_From_HResult(HRESULT hr, std::string description) {
    Set_Error(static_cast<std::int32_t>(hr), description.empty() ? HResult_Description(hr) : std::move(description));
    return false;
}

bool Set_Error_From_Win32(DWORD code) {
    std::string text = System_Error_Text(code);
    if (text.empty()) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "Error code: %lu", static_cast<unsigned long>(code));
        text = buf;
    }
    Set_Error(static_cast<std::int32_t>(code), std::move(text));
    return false;
}

}  // namespace crv
