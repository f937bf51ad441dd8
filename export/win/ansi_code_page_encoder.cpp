#include "export/win/ansi_code_page_encoder.h"

#include <windows.h>

#include <string>

#include "core/error.h"

namespace crv {

Ansi_Encoder Ansi_Code_Page_Encoder() {
    return [](std::string_view utf8, std::string& out) {
        if (utf8.empty()) return true;
        if (utf8.size() > 0x3FFFFFFF) {
            Set_Error(7, "Out of memory");
            return false;
        }
        const int in_len = static_cast<int>(utf8.size());
        // Invalid UTF-8 becomes U+FFFD here, and so the replacement below.
        const int wide_len = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), in_len, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(wide_len), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), in_len, wide.data(), wide_len);
        const int len = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wide_len,
                                            nullptr, 0, nullptr, nullptr);
        if (len <= 0) {
            Set_Error(static_cast<std::int32_t>(GetLastError()), "The text cannot be converted to the ANSI code page.");
            return false;
        }
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(len));
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wide_len, out.data() + start, len,
                            nullptr, nullptr);
        return true;
    };
}

}  // namespace crv
