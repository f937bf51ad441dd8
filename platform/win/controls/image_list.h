#pragma once
// An image list whose images are found by key, as the panes and toolbars name
// them ("Info", "Computer", ...). Keys compare ignoring ASCII case.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace crv {

class ImageList {
public:
    // Square images of size x size pixels, 32-bit colour with mask.
    explicit ImageList(int size = 16);
    ~ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // Each adds one image under a key; a key already present is replaced in
    // place (its index stays). False when the icon cannot be loaded.
    bool Add_Icon(const std::string& key, HICON icon);  // the icon is copied
    bool Add_Icon_File(const std::string& key, const std::string& path);
    bool Add_Icon_Resource(const std::string& key, HINSTANCE module, const std::string& resource_name);
    // Images side by side in one 32-bit top-down BGRA strip (straight alpha),
    // `keys` in their order, added in one call. Only into an empty list;
    // false (nothing added) otherwise or when the bytes do not match.
    bool Add_Strip(const std::vector<std::string>& keys, const unsigned char* bgra, std::size_t bytes);
    // Every "*.ico" file of a folder, keyed by its file name without ".ico".
    // Returns the number of images added.
    std::size_t Load_Folder(const std::string& folder);

    // Index of the key's image, -1 when the list has no such key (and for "").
    int Index_Of(const std::string& key) const;
    bool Has(const std::string& key) const { return Index_Of(key) >= 0; }
    std::size_t Count() const { return keys_.size(); }
    const std::vector<std::string>& Keys() const { return keys_; }
    int Size() const { return size_; }
    HIMAGELIST Handle() const { return handle_; }
    // The image as an icon of its own, made on first use and kept: drawing
    // it with DrawIconEx costs a few microseconds under Wine, where drawing
    // from the list makes and drops a bitmap and a device context each time
    // (well over 100 microseconds). Null for an index outside the list.
    HICON Icon(int index) const;

private:
    static std::string Fold(const std::string& key);
    int size_;
    HIMAGELIST handle_ = nullptr;
    std::vector<std::string> keys_;
    std::unordered_map<std::string, int> index_;
    mutable std::vector<HICON> icons_;
    void Forget_Icons();
};

}  // namespace crv
