#include "platform/win/controls/rebar.h"

#include "platform/win/controls/wide.h"

namespace crv {

using controls_detail::Wide;

namespace {

REBARBANDINFOW Band_Info(UINT mask) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    return info;
}

}  // namespace

bool Rebar::Create(HWND parent, int id, bool fixed_order) {
    controls_detail::Init_Common_Controls();
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS |
                  CCS_NODIVIDER | CCS_NOPARENTALIGN;
    if (fixed_order) style |= RBS_FIXEDORDER;
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, L"", style, 0, 0, 100, 30, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!Attach(hwnd)) return false;
    REBARINFO info{};
    info.cbSize = sizeof(info);
    SendMessageW(hwnd_, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

void Rebar::Add_Band(const RebarBand& band) {
    bands_.push_back(band);
    if (!hwnd_) return;
    std::wstring caption = Wide(band.caption);
    REBARBANDINFOW info = Band_Info(RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID |
                                    (caption.empty() ? 0 : RBBIM_TEXT));
    info.fStyle = RBBS_CHILDEDGE | RBBS_NOVERT;
    if (band.new_row) info.fStyle |= RBBS_BREAK;
    if (!band.visible) info.fStyle |= RBBS_HIDDEN;
    if (band.fixed_size) info.fStyle |= RBBS_FIXEDSIZE | RBBS_NOGRIPPER;
    info.hwndChild = band.child;
    info.cxMinChild = static_cast<UINT>(To_Pixels(band.min_width_twips));
    info.cyMinChild = static_cast<UINT>(To_Pixels(band.min_height_twips));
    info.cx = static_cast<UINT>(To_Pixels(band.width_twips));
    info.wID = static_cast<UINT>(bands_.size());
    if (!caption.empty()) info.lpText = caption.data();
    SendMessageW(hwnd_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
    // A hidden band hides its child too, which would otherwise stay on top
    // of the bands that show.
    if (band.child) ShowWindow(band.child, band.visible ? SW_SHOW : SW_HIDE);
}

std::optional<UINT> Rebar::Native_Index(const std::string& key) const {
    if (!hwnd_) return std::nullopt;
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        if (bands_[i].key != key) continue;
        LRESULT index = SendMessageW(hwnd_, RB_IDTOINDEX, i + 1, 0);
        if (index < 0) return std::nullopt;
        return static_cast<UINT>(index);
    }
    return std::nullopt;
}

std::optional<std::size_t> Rebar::Index_Of(const std::string& key) const {
    auto index = Native_Index(key);
    if (!index) return std::nullopt;
    return static_cast<std::size_t>(*index);
}

bool Rebar::Show_Band(const std::string& key, bool visible) {
    auto index = Native_Index(key);
    if (!index) return false;
    SendMessageW(hwnd_, RB_SHOWBAND, *index, visible ? TRUE : FALSE);
    for (const RebarBand& b : bands_)
        if (b.key == key && b.child) ShowWindow(b.child, visible ? SW_SHOW : SW_HIDE);
    return true;
}

bool Rebar::Band_Visible(const std::string& key) const {
    auto index = Native_Index(key);
    if (!index) return false;
    REBARBANDINFOW info = Band_Info(RBBIM_STYLE);
    SendMessageW(hwnd_, RB_GETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info));
    return (info.fStyle & RBBS_HIDDEN) == 0;
}

double Rebar::Band_Width_Twips(const std::string& key) const {
    auto index = Native_Index(key);
    if (!index) return 0;
    REBARBANDINFOW info = Band_Info(RBBIM_SIZE);
    SendMessageW(hwnd_, RB_GETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info));
    return To_Twips(static_cast<int>(info.cx));
}

bool Rebar::Set_Band_Widths(const std::string& key, double min_width_twips, double width_twips) {
    auto index = Native_Index(key);
    if (!index) return false;
    REBARBANDINFOW info = Band_Info(RBBIM_CHILDSIZE);
    SendMessageW(hwnd_, RB_GETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info));
    info.fMask = RBBIM_CHILDSIZE | RBBIM_SIZE;
    info.cxMinChild = static_cast<UINT>(To_Pixels(min_width_twips));
    info.cx = static_cast<UINT>(To_Pixels(width_twips));
    return SendMessageW(hwnd_, RB_SETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool Rebar::Set_Band_New_Row(const std::string& key, bool new_row) {
    auto index = Native_Index(key);
    if (!index) return false;
    REBARBANDINFOW info = Band_Info(RBBIM_STYLE);
    SendMessageW(hwnd_, RB_GETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info));
    info.fMask = RBBIM_STYLE;
    info.fStyle = new_row ? (info.fStyle | RBBS_BREAK) : (info.fStyle & ~static_cast<UINT>(RBBS_BREAK));
    return SendMessageW(hwnd_, RB_SETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool Rebar::Band_New_Row(const std::string& key) const {
    auto index = Native_Index(key);
    if (!index) return false;
    REBARBANDINFOW info = Band_Info(RBBIM_STYLE);
    SendMessageW(hwnd_, RB_GETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info));
    return (info.fStyle & RBBS_BREAK) != 0;
}

bool Rebar::Set_Band_Child(const std::string& key, HWND child) {
    auto index = Native_Index(key);
    if (!index) return false;
    REBARBANDINFOW info = Band_Info(RBBIM_CHILD);
    info.hwndChild = child;
    for (RebarBand& b : bands_)
        if (b.key == key) b.child = child;
    return SendMessageW(hwnd_, RB_SETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool Rebar::Set_Band_Ideal_Width(const std::string& key, int pixels) {
    auto index = Native_Index(key);
    if (!index) return false;
    REBARBANDINFOW info = Band_Info(RBBIM_STYLE);
    SendMessageW(hwnd_, RB_GETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info));
    info.fMask = RBBIM_STYLE | RBBIM_IDEALSIZE;
    info.fStyle |= RBBS_USECHEVRON;
    info.cxIdeal = static_cast<UINT>(pixels < 0 ? 0 : pixels);
    return SendMessageW(hwnd_, RB_SETBANDINFOW, *index, reinterpret_cast<LPARAM>(&info)) != 0;
}

int Rebar::Height() const { return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, RB_GETBARHEIGHT, 0, 0)) : 0; }

void Rebar::Fit_Width() {
    HWND parent = Parent();
    if (!parent) return;
    RECT client{};
    GetClientRect(parent, &client);
    RECT mine = Bounds();
    Move(mine.left, mine.top, client.right - mine.left, Height());
}

bool Rebar::On_Notify(NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.code == RBN_HEIGHTCHANGE) {
        if (on_height_changed) on_height_changed();
        return true;
    }
    if (header.code == RBN_CHEVRONPUSHED) {
        const auto& pushed = reinterpret_cast<const NMREBARCHEVRON&>(header);
        // Band ids are their place in bands_ + 1.
        if (pushed.wID < 1 || pushed.wID > bands_.size() || !on_chevron_pushed) return true;
        RECT chevron = pushed.rc;
        MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&chevron), 2);
        on_chevron_pushed(bands_[pushed.wID - 1].key, chevron);
        return true;
    }
    return false;
}

}  // namespace crv
