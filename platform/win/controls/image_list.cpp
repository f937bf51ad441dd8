#include "platform/win/controls/image_list.h"

#include "platform/win/controls/wide.h"

#include <cstring>

namespace crv {

using controls_detail::Utf8;
using controls_detail::Wide;

ImageList::ImageList(int size) : size_(size > 0 ? size : 16) {
    controls_detail::Init_Common_Controls();
    handle_ = ImageList_Create(size_, size_, ILC_COLOR32 | ILC_MASK, 16, 16);
}

ImageList::~ImageList() {
    Forget_Icons();
    if (handle_) ImageList_Destroy(handle_);
}

void ImageList::Forget_Icons() {
    for (HICON icon : icons_)
        if (icon) DestroyIcon(icon);
    icons_.clear();
}

HICON ImageList::Icon(int index) const {
    if (!handle_ || index < 0 || static_cast<std::size_t>(index) >= keys_.size()) return nullptr;
    if (icons_.size() < keys_.size()) icons_.resize(keys_.size(), nullptr);
    HICON& icon = icons_[static_cast<std::size_t>(index)];
    if (!icon) icon = ImageList_GetIcon(handle_, index, ILD_NORMAL);
    return icon;
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
    if (it != index_.end()) {
        Forget_Icons();
        return ImageList_ReplaceIcon(handle_, it->second, icon) >= 0;
    }
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

bool ImageList::Add_Strip(const std::vector<std::string>& keys, const unsigned char* bgra, std::size_t bytes) {
    const std::size_t count = keys.size();
    const std::size_t side = static_cast<std::size_t>(size_);
    if (!handle_ || !keys_.empty() || count == 0 || !bgra || bytes != count * side * side * 4) return false;
    const int width = static_cast<int>(count * side);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -size_;  // top-down, as the strip is stored
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!colour || !pixels) {
        if (colour) DeleteObject(colour);
        return false;
    }
    std::memcpy(pixels, bgra, bytes);
    // The mask says the same as the alpha, for drawing that uses the mask.
    const std::size_t stride = ((static_cast<std::size_t>(width) + 15) / 16) * 2;
    std::vector<unsigned char> mask_bits(stride * side, 0);
    for (std::size_t y = 0; y < side; ++y)
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x)
            if (bgra[(y * static_cast<std::size_t>(width) + x) * 4 + 3] == 0)
                mask_bits[y * stride + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
    HBITMAP mask = CreateBitmap(width, size_, 1, 1, mask_bits.data());
    int first = ImageList_Add(handle_, colour, mask);
    DeleteObject(colour);
    if (mask) DeleteObject(mask);
    if (first < 0 || ImageList_GetImageCount(handle_) != first + static_cast<int>(count)) return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (index_.emplace(Fold(keys[i]), first + static_cast<int>(i)).second) keys_.push_back(keys[i]);
    }
    return true;
}

namespace {

// An icon of the wanted size from the bytes of an .ico file: the entry of
// exactly that size, else the smallest larger one, else the largest.
HICON Icon_From_File_Bytes(const BYTE* data, DWORD size, int wanted) {
#pragma pack(push, 1)
    struct Entry {
        BYTE width, height, colours, reserved;
        WORD planes, bit_count;
        DWORD bytes, offset;
    };
#pragma pack(pop)
    if (size < 6) return nullptr;
    WORD type = static_cast<WORD>(data[2] | (data[3] << 8));
    WORD count = static_cast<WORD>(data[4] | (data[5] << 8));
    if (type != 1 || count == 0 || size < 6 + count * sizeof(Entry)) return nullptr;
    const auto* entries = reinterpret_cast<const Entry*>(data + 6);
    int best = -1, best_size = 0, best_bits = 0;
    auto side = [](BYTE b) { return b == 0 ? 256 : static_cast<int>(b); };
    for (int i = 0; i < count; ++i) {
        const Entry& e = entries[i];
        if (e.offset > size || e.bytes > size - e.offset) continue;
        int s = side(e.width);
        bool better;
        if (best < 0) {
            better = true;
        } else if (s == best_size) {
            better = e.bit_count > best_bits;
        } else if (best_size == wanted) {
            better = false;
        } else if (s == wanted) {
            better = true;
        } else if (s > wanted) {
            better = best_size < wanted || s < best_size;
        } else {
            better = best_size < wanted && s > best_size;
        }
        if (better) {
            best = i;
            best_size = s;
            best_bits = e.bit_count;
        }
    }
    if (best < 0) return nullptr;
    const Entry& e = entries[best];
    return CreateIconFromResourceEx(const_cast<BYTE*>(data + e.offset), e.bytes, TRUE, 0x00030000, wanted, wanted,
                                    LR_DEFAULTCOLOR);
}

}  // namespace

bool ImageList::Add_Icon_Resource(const std::string& key, HINSTANCE module, const std::string& resource_name) {
    std::wstring name = Wide(resource_name);
    HICON icon = nullptr;
    // The program's icons are the bytes of .ico files (RCDATA); ICON
    // resources of other programs load as well.
    if (HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */)) {
        if (HGLOBAL loaded = LoadResource(module, found)) {
            const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
            if (bytes) icon = Icon_From_File_Bytes(bytes, SizeofResource(module, found), size_);
        }
    } else {
        icon = static_cast<HICON>(LoadImageW(module, name.c_str(), IMAGE_ICON, size_, size_, 0));
    }
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
