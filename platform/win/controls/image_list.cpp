#include "platform/win/controls/image_list.h"

#include "platform/win/controls/wide.h"

namespace crv {

using controls_detail::Utf8;
using controls_detail::Wide;

ImageList::ImageList(int size) : size_(size > 0 ? size : 16) {
    controls_detail::Init_Common_Controls();
    handle_ = ImageList_Create(size_, size_, ILC_COLOR32 | ILC_MASK, 16, 16);
}

ImageList::~ImageList() {
    if (handle_) ImageList_Destroy(handle_);
}

std::string ImageList::Fold(const std::string& key) {
    std::string folded = key;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return folded;
}

bool ImageList::Add_Icon(const std::string& key, HICON icon) {
    if (!handle_ || !icon || key.empty()) return false;
    auto it = index_.find(Fold(key));
    if (it != index_.end()) return ImageList_ReplaceIcon(handle_, it->second, icon) >= 0;
    int index = ImageList_ReplaceIcon(handle_, -1, icon);
    if (index < 0) return false;
    index_.emplace(Fold(key), index);
    keys_.push_back(key);
    return true;
}

bool ImageList::Add_Icon_File(const std::string& key, const std::string& path) {
    HICON icon = static_cast<HICON>(LoadImageW(nullptr, Wide(path).c_str(), IMAGE_ICON, size_, size_, LR_LOADFROMFILE));
    if (!icon) return false;
    bool added = Add_Icon(key, icon);
    DestroyIcon(icon);
    return added;
}

bool ImageList::Add_Icon_Resource(const std::string& key, HINSTANCE module, const std::string& resource_name) {
    HICON icon = static_cast<HICON>(LoadImageW(module, Wide(resource_name).c_str(), IMAGE_ICON, size_, size_, 0));
    if (!icon) return false;
    bool added = Add_Icon(key, icon);
    DestroyIcon(icon);
    return added;
}

std::size_t ImageList::Load_Folder(const std::string& folder) {
    std::wstring base = Wide(folder);
    if (!base.empty() && base.back() != L'\\' && base.back() != L'/') base += L'\\';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((base + L"*.ico").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    std::size_t added = 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::wstring name = found.cFileName;
        std::wstring stem = name.substr(0, name.size() - 4);
        if (Add_Icon_File(Utf8(stem), Utf8(base + name))) ++added;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return added;
}

int ImageList::Index_Of(const std::string& key) const {
    if (key.empty()) return -1;
    auto it = index_.find(Fold(key));
    return it == index_.end() ? -1 : it->second;
}

}  // namespace crv
