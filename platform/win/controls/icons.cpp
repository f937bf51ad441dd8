#include "platform/win/controls/icons.h"

#include <windows.h>

#include "platform/win/controls/image_list.h"
#include "platform/win/controls/wide.h"

namespace crv {

const std::vector<std::string>& Standard_Icon_Keys() {
    static const std::vector<std::string> keys = {
#include "icon_keys.inc"
    };
    return keys;
}

std::size_t Load_Standard_Icons(ImageList& list) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    std::wstring exe(MAX_PATH, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    exe.resize(n);
    std::string folder = controls_detail::Utf8(exe.substr(0, exe.find_last_of(L"\\/") + 1)) + "icons\\";
    std::size_t added = 0;
    for (const std::string& key : Standard_Icon_Keys()) {
        if (list.Add_Icon_Resource(key, module, "IMG_" + key) || list.Add_Icon_File(key, folder + key + ".ico"))
            ++added;
    }
    return added;
}

}  // namespace crv
