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

namespace {

// The whole set from the built strip of the list's size, in one call.
bool Load_Strip(ImageList& list, HINSTANCE module) {
    const std::wstring name = L"STRIP_" + std::to_wstring(list.Size());
    HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found) return false;
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    return bytes && list.Add_Strip(Standard_Icon_Keys(), bytes, SizeofResource(module, found));
}

}  // namespace

std::size_t Load_Standard_Icons(ImageList& list) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    if (list.Count() == 0 && Load_Strip(list, module)) return Standard_Icon_Keys().size();
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
