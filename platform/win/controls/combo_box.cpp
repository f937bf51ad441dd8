#include "platform/win/controls/combo_box.h"

#include <commctrl.h>

#include "platform/win/controls/wide.h"

namespace crv {

using controls_detail::Utf8;
using controls_detail::Wide;

bool ComboBox::Create(HWND parent, int id, bool drop_list) {
    controls_detail::Init_Common_Controls();
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_HASSTRINGS |
                  (drop_list ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
    // The height is that of the dropped-down list.
    HWND hwnd = CreateWindowExW(0, WC_COMBOBOXW, L"", style, 0, 0, 120, 200, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    return Attach(hwnd);
}

void ComboBox::Clear() {
    if (hwnd_) SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
}

std::size_t ComboBox::Add(const std::string& text) {
    if (!hwnd_) return 0;
    LRESULT index = SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    return index < 0 ? Count() : static_cast<std::size_t>(index);
}

std::size_t ComboBox::Count() const {
    if (!hwnd_) return 0;
    LRESULT n = SendMessageW(hwnd_, CB_GETCOUNT, 0, 0);
    return n < 0 ? 0 : static_cast<std::size_t>(n);
}

std::string ComboBox::Item(std::size_t index) const {
    if (!hwnd_) return {};
    LRESULT n = SendMessageW(hwnd_, CB_GETLBTEXTLEN, index, 0);
    if (n <= 0) return {};
    std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
    SendMessageW(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<std::size_t>(n));
    return Utf8(buffer);
}

std::optional<std::size_t> ComboBox::Selected() const {
    if (!hwnd_) return std::nullopt;
    LRESULT i = SendMessageW(hwnd_, CB_GETCURSEL, 0, 0);
    if (i < 0) return std::nullopt;
    return static_cast<std::size_t>(i);
}

void ComboBox::Select(std::optional<std::size_t> index) {
    if (hwnd_) SendMessageW(hwnd_, CB_SETCURSEL, index ? static_cast<WPARAM>(*index) : static_cast<WPARAM>(-1), 0);
}

std::string ComboBox::Text() const {
    if (auto i = Selected()) return Item(*i);
    return hwnd_ ? controls_detail::Window_Text(hwnd_) : std::string();
}

bool ComboBox::On_Command(WORD code, WORD id, LRESULT& result) {
    if (code != CBN_SELCHANGE) return false;
    if (on_selection_changed) on_selection_changed();
    result = 0;
    return true;
}

}  // namespace crv
