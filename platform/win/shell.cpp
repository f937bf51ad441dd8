#include "platform/win/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win/text.h"

namespace crv {

std::int32_t Open_With_Shell(std::string_view target) {
    const std::wstring file = To_Wide(target);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", file.c_str(), L"", L"", SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace crv
