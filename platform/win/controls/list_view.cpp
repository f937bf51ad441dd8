#include "platform/win/controls/list_view.h"

#include <algorithm>
#include <utility>

#include "platform/win/controls/drag.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/wide.h"
#include "ui/model/list_helpers.h"

namespace crv {

namespace {
// An image index past any list's end (see Get_Display_Info).
constexpr int Image_Drawn_After = 0x7FFF;
}  // namespace

using controls_detail::Wide;

namespace {

DWORD View_Style(ListViewMode view) {
    switch (view) {
    case ListViewMode::Icon: return LVS_ICON;
    case ListViewMode::SmallIcon: return LVS_SMALLICON;
    case ListViewMode::List: return LVS_LIST;
    case ListViewMode::Report: break;
    }
    return LVS_REPORT;
}

int Column_Format(ColumnAlignment alignment) {
    switch (alignment) {
    case ColumnAlignment::Right: return LVCFMT_RIGHT;
    case ColumnAlignment::Center: return LVCFMT_CENTER;
    case ColumnAlignment::Left: break;
    }
    return LVCFMT_LEFT;
}

bool Starts_With_Ignoring_Case(const std::wstring& text, const wchar_t* prefix) {
    std::size_t n = wcslen(prefix);
    if (text.size() < n) return false;
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str(), static_cast<int>(n), prefix,
                          static_cast<int>(n)) == CSTR_EQUAL;
}

}  // namespace

ListViewControl::~ListViewControl() {
    if (model_ && model_->Listener() == this) model_->Set_Listener(nullptr);
    if (bold_font_) DeleteObject(bold_font_);
}

bool ListViewControl::Create(HWND parent, int id, DWORD extra_style) {
    controls_detail::Init_Common_Controls();
    HWND hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_OWNERDATA |
                                    LVS_SHOWSELALWAYS | extra_style,
                                0, 0, 100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!Attach(hwnd)) return false;
    ListView_SetCallbackMask(hwnd_, LVIS_STATEIMAGEMASK | LVIS_CUT);
    Make_Bold_Font();
    Refresh();
    return true;
}

void ListViewControl::Bind(ListModel* model) {
    if (model_ == model) {
        Refresh();
        return;
    }
    if (model_ && model_->Listener() == this) model_->Set_Listener(nullptr);
    model_ = model;
    if (model_) model_->Set_Listener(this);
    shown_columns_.clear();
    Refresh();
}

void ListViewControl::Set_Image_Lists(const ImageList* small_icons, const ImageList* large_icons) {
    small_icons_ = small_icons;
    large_icons_ = large_icons;
    if (!hwnd_) return;
    ListView_SetImageList(hwnd_, small_icons ? small_icons->Handle() : nullptr, LVSIL_SMALL);
    ListView_SetImageList(hwnd_, large_icons ? large_icons->Handle() : nullptr, LVSIL_NORMAL);
    Redraw_Rows();
}

void ListViewControl::Set_Large_Icons_On_Demand(std::function<const ImageList*()> load) {
    load_large_icons_ = std::move(load);
    if (model_ && model_->view == ListViewMode::Icon) Refresh();
}

void ListViewControl::Make_Bold_Font() {
    if (!hwnd_) return;
    base_font_ = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    if (!base_font_) base_font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW lf{};
    GetObjectW(base_font_, sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    if (bold_font_) DeleteObject(bold_font_);
    bold_font_ = CreateFontIndirectW(&lf);
}

void ListViewControl::Set_Font(HFONT font) {
    Control::Set_Font(font);
    Make_Bold_Font();
}

void ListViewControl::Apply_Styles() {
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE));
    DWORD want = style & ~static_cast<DWORD>(LVS_TYPEMASK | LVS_NOCOLUMNHEADER | LVS_SINGLESEL);
    bool checkboxes = false;
    if (model_) {
        if (model_->view == ListViewMode::Icon && load_large_icons_) {
            large_icons_ = std::exchange(load_large_icons_, nullptr)();
            ListView_SetImageList(hwnd_, large_icons_ ? large_icons_->Handle() : nullptr, LVSIL_NORMAL);
        }
        want |= View_Style(model_->view);
        if (model_->hide_column_headers) want |= LVS_NOCOLUMNHEADER;
        if (!model_->multi_select) want |= LVS_SINGLESEL;
        checkboxes = model_->checkboxes;
    } else {
        want |= LVS_REPORT | LVS_SINGLESEL;
    }
    if (want != style) SetWindowLongW(hwnd_, GWL_STYLE, static_cast<LONG>(want));
    DWORD ex = ListView_GetExtendedListViewStyle(hwnd_);
    if (((ex & LVS_EX_CHECKBOXES) != 0) != checkboxes)
        ListView_SetExtendedListViewStyleEx(hwnd_, LVS_EX_CHECKBOXES, checkboxes ? LVS_EX_CHECKBOXES : 0);
}

bool ListViewControl::Columns_Shown() const {
    const std::size_t count = model_ ? model_->Column_Count() : 0;
    bool same = count == shown_columns_.size();
    for (std::size_t i = 0; same && i < count; ++i) {
        const ListColumn& want = model_->Column(i);
        const ListColumn& have = shown_columns_[i];
        same = want.key == have.key && want.text == have.text && want.alignment == have.alignment;
    }
    return same;
}

void ListViewControl::Apply_Columns(bool rebuild) {
    const std::size_t count = model_ ? model_->Column_Count() : 0;
    if (rebuild) {
        while (ListView_DeleteColumn(hwnd_, 0)) {
        }
        shown_columns_.clear();
        for (std::size_t i = 0; i < count; ++i) {
            const ListColumn& column = model_->Column(i);
            std::wstring text = Wide(column.text);
            LVCOLUMNW lvc{};
            lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
            lvc.fmt = Column_Format(column.alignment);
            lvc.cx = To_Pixels(column.width_twips);
            lvc.pszText = text.data();
            lvc.iSubItem = static_cast<int>(i);
            SendMessageW(hwnd_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&lvc));
            shown_columns_.push_back(column);
        }
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        int want = To_Pixels(model_->Column(i).width_twips);
        if (ListView_GetColumnWidth(hwnd_, static_cast<int>(i)) != want)
            ListView_SetColumnWidth(hwnd_, static_cast<int>(i), want);
        shown_columns_[i].width_twips = model_->Column(i).width_twips;
    }
}

void ListViewControl::Apply_Selection() {
    std::vector<std::size_t> want;
    if (model_)
        for (std::size_t i = 0; i < model_->Item_Count(); ++i)
            if (model_->Item(i).selected) want.push_back(i);
    std::vector<std::size_t> have = Selected_Indexes();
    if (want == have) return;
    LVITEMW li{};
    li.stateMask = LVIS_SELECTED;
    li.state = 0;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&li));
    li.state = LVIS_SELECTED;
    for (std::size_t i : want) SendMessageW(hwnd_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&li));
    // A single-selection list keeps only one: let the model say what shows.
    if (!model_->multi_select && want.size() > 1) Read_Selection();
}

void ListViewControl::Read_Selection() {
    if (!model_) return;
    for (std::size_t i = 0; i < model_->Item_Count(); ++i) model_->Item(i).selected = false;
    for (std::size_t i : Selected_Indexes())
        if (i < model_->Item_Count()) model_->Item(i).selected = true;
}

void ListViewControl::Refresh() {
    if (!hwnd_) return;
    syncing_ = true;
    const DWORD view_before = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)) & LVS_TYPEMASK;
    // Painting is held only while the columns or the view are rebuilt: the
    // list recomputes its scroll bars and header when painting resumes,
    // which under Wine costs more than all the rest of a refresh. New rows
    // alone are painted once, at the next paint.
    const bool new_columns = !Columns_Shown();
    const bool hold = new_columns || (model_ && View_Style(model_->view) != view_before);
    if (hold) Begin_Update();
    Apply_Styles();
    Apply_Columns(new_columns);
    std::size_t count = model_ ? model_->Item_Count() : 0;
    bool counted = false;
    if (count != shown_count_ || static_cast<std::size_t>(ListView_GetItemCount(hwnd_)) != count) {
        ListView_SetItemCountEx(hwnd_, static_cast<int>(count), LVSICF_NOSCROLL);
        shown_count_ = count;
        counted = true;
    }
    // Icons of an owner-data list get their places only when arranged: a
    // list switched to an icon view, or given new items there, is arranged
    // across the pane's width.
    const DWORD view = static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)) & LVS_TYPEMASK;
    if ((view == LVS_ICON || view == LVS_SMALLICON) && (counted || view != view_before))
        ListView_Arrange(hwnd_, LVA_ALIGNTOP);
    Apply_Selection();
    syncing_ = false;
    if (hold) End_Update();
    else InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListViewControl::Redraw_Rows() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ListViewControl::Read_Column_Widths() {
    if (!hwnd_ || !model_) return;
    std::size_t n = std::min(model_->Column_Count(), shown_columns_.size());
    for (std::size_t i = 0; i < n; ++i) {
        double twips = To_Twips(ListView_GetColumnWidth(hwnd_, static_cast<int>(i)));
        model_->Column(i).width_twips = twips;
        shown_columns_[i].width_twips = twips;
    }
}

double ListViewControl::Column_Width_Twips(std::size_t column) const {
    if (!hwnd_ || column >= shown_columns_.size()) return 0;
    return To_Twips(ListView_GetColumnWidth(hwnd_, static_cast<int>(column)));
}

std::vector<std::size_t> ListViewControl::Selected_Indexes() const {
    std::vector<std::size_t> out;
    if (!hwnd_) return out;
    int i = -1;
    while ((i = ListView_GetNextItem(hwnd_, i, LVNI_SELECTED)) >= 0) out.push_back(static_cast<std::size_t>(i));
    return out;
}

std::optional<std::size_t> ListViewControl::Focused_Index() const {
    if (!hwnd_) return std::nullopt;
    int i = ListView_GetNextItem(hwnd_, -1, LVNI_FOCUSED);
    if (i < 0) return std::nullopt;
    return static_cast<std::size_t>(i);
}

void ListViewControl::Select(std::size_t index, bool only) {
    if (!hwnd_ || !model_ || index >= model_->Item_Count()) return;
    if (only) Clear_Selection();
    ListView_SetItemState(hwnd_, static_cast<int>(index), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListViewControl::Clear_Selection() {
    if (!hwnd_) return;
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED);
}

void ListViewControl::Ensure_Visible(std::size_t index) {
    if (hwnd_) ListView_EnsureVisible(hwnd_, static_cast<int>(index), FALSE);
}

std::optional<std::size_t> ListViewControl::Hit_Test(int x, int y, bool* on_check_box) const {
    if (on_check_box) *on_check_box = false;
    if (!hwnd_) return std::nullopt;
    LVHITTESTINFO hit{};
    hit.pt = {x, y};
    int i = static_cast<int>(SendMessageW(hwnd_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (i < 0 || !model_ || static_cast<std::size_t>(i) >= model_->Item_Count()) return std::nullopt;
    if (on_check_box) *on_check_box = (hit.flags & LVHT_ONITEMSTATEICON) != 0;
    return static_cast<std::size_t>(i);
}

std::optional<std::size_t> ListViewControl::Row_At(int x, int y) const {
    if (!hwnd_) return std::nullopt;
    LVHITTESTINFO hit{};
    hit.pt = {x, y};
    int i = static_cast<int>(SendMessageW(hwnd_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (i < 0 || !model_ || static_cast<std::size_t>(i) >= model_->Item_Count()) return std::nullopt;
    return static_cast<std::size_t>(i);
}

int ListViewControl::Count_Per_Page() const { return hwnd_ ? ListView_GetCountPerPage(hwnd_) : 0; }

std::optional<RECT> ListViewControl::Sub_Item_Rect(std::size_t index, std::size_t column) const {
    if (!hwnd_ || !model_ || index >= model_->Item_Count() || column >= model_->Column_Count()) return std::nullopt;
    RECT r{};
    r.top = static_cast<LONG>(column);
    r.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    if (!SendMessageW(hwnd_, LVM_GETSUBITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)))
        return std::nullopt;
    return r;
}

void ListViewControl::Toggle_Check(std::size_t index) {
    if (!model_ || index >= model_->Item_Count()) return;
    ListItem& item = model_->Item(index);
    item.checked = !item.checked;
    if (hwnd_) ListView_RedrawItems(hwnd_, static_cast<int>(index), static_cast<int>(index));
    if (on_item_check) on_item_check(index);
}

void ListViewControl::Set_Extended_Style(DWORD mask, DWORD style) {
    if (hwnd_) ListView_SetExtendedListViewStyleEx(hwnd_, mask, style);
}

DWORD ListViewControl::Extended_Style() const { return hwnd_ ? ListView_GetExtendedListViewStyle(hwnd_) : 0; }

bool ListViewControl::Get_Display_Info(NMLVDISPINFOW& info) {
    LVITEMW& lvi = info.item;
    if (!model_ || lvi.iItem < 0 || static_cast<std::size_t>(lvi.iItem) >= model_->Item_Count()) return false;
    const ListItem& item = model_->Item(static_cast<std::size_t>(lvi.iItem));
    if ((lvi.mask & LVIF_TEXT) && lvi.pszText && lvi.cchTextMax > 0) {
        text_buffer_ = Wide(item.Cell(static_cast<std::size_t>(std::max(lvi.iSubItem, 0))));
        lstrcpynW(lvi.pszText, text_buffer_.c_str(), lvi.cchTextMax);
    }
    if (lvi.mask & LVIF_IMAGE) {
        int image = -1;
        if (lvi.iSubItem == 0) {
            bool large = model_->view == ListViewMode::Icon;
            const ImageList* images = large ? large_icons_ : small_icons_;
            if (images) image = images->Index_Of(large ? item.icon : item.small_icon);
        }
        // Painted after the row instead: an index past the list's end keeps
        // the row laid out as with its image, and the list draws nothing.
        if (image >= 0 && Own_Icon(static_cast<std::size_t>(lvi.iItem), lvi.iSubItem)) image = Image_Drawn_After;
        lvi.iImage = image >= 0 ? image : I_IMAGENONE;
    }
    if (lvi.mask & LVIF_INDENT) lvi.iIndent = item.indent;
    if (lvi.mask & LVIF_STATE) {
        UINT state = 0;
        if (model_->checkboxes) state |= INDEXTOSTATEIMAGEMASK(item.checked ? 2 : 1);
        if (item.ghosted) state |= LVIS_CUT;
        lvi.state = (lvi.state & ~(LVIS_STATEIMAGEMASK | LVIS_CUT)) | state;
    }
    return true;
}

HICON ListViewControl::Own_Icon(std::size_t index, int sub_item) const {
    // Selected and ghosted rows keep the image list's own blending; so do
    // requests that are no paint (LVM_GETITEM answers what the row shows).
    if (!own_icons_ || painting_ == 0 || sub_item != 0 || !model_ || !small_icons_ ||
        model_->view != ListViewMode::Report || index >= model_->Item_Count())
        return nullptr;
    const ListItem& item = model_->Item(index);
    if (item.ghosted || item.small_icon.empty()) return nullptr;
    if (ListView_GetItemState(hwnd_, static_cast<int>(index), LVIS_SELECTED) & LVIS_SELECTED) return nullptr;
    return small_icons_->Icon(small_icons_->Index_Of(item.small_icon));
}

LRESULT ListViewControl::Custom_Draw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPOSTPAINT: {
        const std::size_t index = draw.nmcd.dwItemSpec;
        if (HICON icon = Own_Icon(index, 0)) {
            RECT r{};
            r.left = LVIR_ICON;
            if (SendMessageW(hwnd_, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r))) {
                const int side = small_icons_->Size();
                DrawIconEx(draw.nmcd.hdc, r.left, r.top, icon, side, side, 0, nullptr, DI_NORMAL);
            }
        }
        return CDRF_DODEFAULT;
    }
    case CDDS_ITEMPREPAINT:
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        std::size_t index = draw.nmcd.dwItemSpec;
        if (!model_ || index >= model_->Item_Count()) return CDRF_DODEFAULT;
        const ListItem& item = model_->Item(index);
        bool report = model_->view == ListViewMode::Report;
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && report) {
            if (item.fore_color) draw.clrText = item.fore_color;
            return CDRF_NOTIFYSUBITEMDRAW | (Own_Icon(index, 0) ? CDRF_NOTIFYPOSTPAINT : 0);
        }
        bool bold = item.bold;
        if ((draw.nmcd.dwDrawStage & CDDS_SUBITEM) && draw.iSubItem > 0)
            bold = item.Sub_Bold(static_cast<std::size_t>(draw.iSubItem));
        SelectObject(draw.nmcd.hdc, bold && bold_font_ ? bold_font_ : base_font_);
        if (item.fore_color) draw.clrText = item.fore_color;
        return CDRF_NEWFONT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

bool ListViewControl::On_Notify(NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
    case LVN_GETDISPINFOW:
        Get_Display_Info(reinterpret_cast<NMLVDISPINFOW&>(header));
        return true;
    case LVN_ODCACHEHINT:
        return true;
    case LVN_ODFINDITEMW: {
        auto& find = reinterpret_cast<NMLVFINDITEMW&>(header);
        result = -1;
        if (!model_ || !(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return true;
        std::size_t n = model_->Item_Count();
        if (n == 0) return true;
        std::size_t start = find.iStart >= 0 ? static_cast<std::size_t>(find.iStart) % n : 0;
        for (std::size_t k = 0; k < n; ++k) {
            std::size_t i = (start + k) % n;
            std::wstring text = Wide(model_->Item(i).text);
            if (Starts_With_Ignoring_Case(text, find.lvfi.psz)) {
                result = static_cast<LRESULT>(i);
                break;
            }
        }
        return true;
    }
    case NM_CUSTOMDRAW:
        result = Custom_Draw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
        return true;
    case LVN_ITEMCHANGED: {
        auto& change = reinterpret_cast<NMLISTVIEW&>(header);
        if (syncing_ || !model_ || !(change.uChanged & LVIF_STATE)) return true;
        if (((change.uOldState ^ change.uNewState) & LVIS_SELECTED) == 0) return true;
        bool selected = (change.uNewState & LVIS_SELECTED) != 0;
        if (change.iItem < 0) {
            for (std::size_t i = 0; i < model_->Item_Count(); ++i) model_->Item(i).selected = selected;
        } else if (static_cast<std::size_t>(change.iItem) < model_->Item_Count()) {
            model_->Item(static_cast<std::size_t>(change.iItem)).selected = selected;
        }
        if (on_selection_changed) on_selection_changed();
        return true;
    }
    case LVN_ODSTATECHANGED: {
        auto& change = reinterpret_cast<NMLVODSTATECHANGE&>(header);
        if (syncing_ || !model_ || ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) == 0) return true;
        bool selected = (change.uNewState & LVIS_SELECTED) != 0;
        for (int i = std::max(change.iFrom, 0); i <= change.iTo && static_cast<std::size_t>(i) < model_->Item_Count();
             ++i)
            model_->Item(static_cast<std::size_t>(i)).selected = selected;
        if (on_selection_changed) on_selection_changed();
        return true;
    }
    case NM_CLICK:
    case NM_RCLICK: {
        auto& click = reinterpret_cast<NMITEMACTIVATE&>(header);
        MouseEvent e;
        e.button = header.code == NM_CLICK ? Mouse_Left : Mouse_Right;
        e.shift = Current_Shift_State();
        e.x = click.ptAction.x;
        e.y = click.ptAction.y;
        if (on_click) on_click(e);
        if (header.code == NM_CLICK) {
            if (click.iItem >= 0 && on_item_click) on_item_click(static_cast<std::size_t>(click.iItem));
        } else if (on_right_click) {
            on_right_click(e);
        }
        return true;
    }
    case LVN_COLUMNCLICK: {
        auto& click = reinterpret_cast<NMLISTVIEW&>(header);
        if (on_column_click && click.iSubItem >= 0) on_column_click(static_cast<std::size_t>(click.iSubItem));
        return true;
    }
    case LVN_BEGINDRAG:
        if (on_begin_drag) Begin_Text_Drag(hwnd_, on_begin_drag());
        return true;
    default:
        return false;
    }
}

bool ListViewControl::On_Own_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        ++painting_;
        result = Default(msg, wp, lp);
        --painting_;
        return true;
    case WM_NOTIFY: {
        // The header's notifications: widths the user dragged go back to the model.
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header && (header->code == HDN_ENDTRACKW || header->code == HDN_ENDTRACKA ||
                       header->code == HDN_ITEMCHANGEDW || header->code == HDN_ITEMCHANGEDA)) {
            result = Default(msg, wp, lp);
            if (!syncing_) Read_Column_Widths();
            return true;
        }
        return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (!model_ || !model_->checkboxes) return false;
        bool on_box = false;
        POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        auto index = Hit_Test(pt.x, pt.y, &on_box);
        if (!index || !on_box) return false;
        // An owner-data list keeps no check state: the model holds it.
        SetFocus(hwnd_);
        Toggle_Check(*index);
        result = 0;
        return true;
    }
    case WM_KEYDOWN:
        if (wp == VK_SPACE && model_ && model_->checkboxes) {
            if (on_key_down && on_key_down(VK_SPACE, Current_Shift_State())) {
                result = 0;
                return true;
            }
            std::vector<std::size_t> rows = Selected_Indexes();
            if (rows.empty())
                if (auto focused = Focused_Index()) rows.push_back(*focused);
            for (std::size_t i : rows) Toggle_Check(i);
            result = 0;
            return true;
        }
        return false;
    case WM_CHAR:
        if (wp == L' ' && model_ && model_->checkboxes) {
            result = 0;
            return true;
        }
        if (on_key_press && on_key_press(static_cast<int>(wp))) {
            result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void Set_ListView_ExStyle(HWND list_view) {
    if (!list_view) return;
    auto style = static_cast<std::uint32_t>(SendMessageW(list_view, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    SendMessageW(list_view, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(ListView_ExStyle_For(style)));
}

}  // namespace crv
