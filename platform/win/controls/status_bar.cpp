#include "platform/win/controls/status_bar.h"

#include <algorithm>

#include "platform/win/controls/wide.h"

namespace crv {

using controls_detail::Wide;

bool StatusBar::Create(HWND parent, int id) {
    controls_detail::Init_Common_Controls();
    HWND hwnd = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    return Attach(hwnd);
}

void StatusBar::Add_Panel(const StatusPanel& panel) {
    panels_.push_back(panel);
    Layout();
}

std::optional<std::size_t> StatusBar::Index_Of(const std::string& key) const {
    for (std::size_t i = 0; i < panels_.size(); ++i)
        if (panels_[i].key == key) return i;
    return std::nullopt;
}

const StatusPanel* StatusBar::Panel(const std::string& key) const {
    auto i = Index_Of(key);
    return i ? &panels_[*i] : nullptr;
}

void StatusBar::Set_Text(const std::string& key, const std::string& text) {
    auto i = Index_Of(key);
    if (!i) return;
    panels_[*i].text = text;
    if (hwnd_) SendMessageW(hwnd_, SB_SETTEXTW, *i, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

std::string StatusBar::Text(const std::string& key) const {
    auto i = Index_Of(key);
    return i ? panels_[*i].text : std::string();
}

void StatusBar::Set_Tag(const std::string& key, const std::string& tag) {
    if (auto i = Index_Of(key)) panels_[*i].tag = tag;
}

std::string StatusBar::Tag(const std::string& key) const {
    auto i = Index_Of(key);
    return i ? panels_[*i].tag : std::string();
}

void StatusBar::Set_Width_Twips(const std::string& key, double width_twips) {
    if (auto i = Index_Of(key)) {
        panels_[*i].width_twips = width_twips;
        Layout();
    }
}

void StatusBar::Layout() {
    if (!hwnd_ || panels_.empty()) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    int fixed = 0;
    int springs = 0;
    for (const StatusPanel& p : panels_) {
        if (p.spring)
            ++springs;
        else
            fixed += To_Pixels(p.width_twips);
    }
    int spare = std::max(0, static_cast<int>(client.right - client.left) - fixed);
    std::vector<int> edges;
    int x = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const StatusPanel& p = panels_[i];
        x += p.spring ? spare / springs : To_Pixels(p.width_twips);
        edges.push_back(i + 1 == panels_.size() ? -1 : x);
    }
    SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < panels_.size(); ++i)
        SendMessageW(hwnd_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(Wide(panels_[i].text).c_str()));
}

int StatusBar::Height() const {
    if (!hwnd_) return 0;
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

bool StatusBar::On_Notify(NMHDR& header, LRESULT& result) {
    if (header.code != NM_CLICK) return false;
    auto& mouse = reinterpret_cast<NMMOUSE&>(header);
    result = 0;
    if (mouse.dwItemSpec < panels_.size() && on_panel_click) {
        std::string key = panels_[mouse.dwItemSpec].key;
        on_panel_click(key);
    }
    return true;
}

void StatusBar::On_Parent_Message(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_SIZE) return;
    SendMessageW(hwnd_, WM_SIZE, 0, 0);
    Layout();
}

}  // namespace crv
