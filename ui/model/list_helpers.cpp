#include "ui/model/list_helpers.h"

#include <algorithm>

#include "core/common.h"
#include "core/error.h"

namespace crv {
namespace {

// Error numbers the list control raises for the same faults, so a user sees
// the familiar numbers in the error box.
constexpr std::int32_t Err_Object_Not_Set = 91;
constexpr std::int32_t Err_Index_Out_Of_Bounds = 35600;
constexpr std::int32_t Err_Key_Not_Unique = 35602;

bool Is_Blank(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

// Next code point of UTF-8 text; a byte that starts no valid sequence stands
// for itself (as an otherwise unused value) so that comparison still sees it.
char32_t Next_Code_Point(const std::string& s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2
                            : (b & 0xF8) == 0xF0 ? 3 : 4;
    if (extra == 0) {
        ++i;
        return b;
    }
    char32_t cp = b & (0x3F >> extra);
    bool valid = extra < 4 && i + extra < s.size();
    for (std::size_t k = 1; valid && k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) valid = false;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) {
        ++i;
        return 0x110000 + b;
    }
    i += extra + 1;
    return cp;
}

// Upper case of the letters computer and feature names are made of: ASCII,
// Latin-1 and Cyrillic.
char32_t Upper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    return c;
}

bool Equal_Ignoring_Case(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (Upper(Next_Code_Point(a, i)) != Upper(Next_Code_Point(b, j))) return false;
    return i == a.size() && j == b.size();
}

void Copy_Straight(const ListModel& source, ListModel& target) {
    for (std::size_t c = 0; c < source.Column_Count(); ++c) {
        const ListColumn& from = source.Column(c);
        ListColumn& to = target.Add_Column(from.key, from.text, from.width_twips);
        to.alignment = from.alignment;
        to.icon = from.icon;
    }
    target.Reserve_Items(source.Item_Count());
    const std::size_t sub_count = source.Column_Count() > 0 ? source.Column_Count() - 1 : 0;
    for (std::size_t r = 0; r < source.Item_Count(); ++r) {
        const ListItem& from = source.Item(r);
        ListItem* to = target.Add_Item(from.key, from.text);  // keys are unique in source
        to->icon = from.icon;
        to->small_icon = from.small_icon;
        to->tag = from.tag;
        to->bold = from.bold;
        to->fore_color = from.fore_color;
        // Only the sub-items the row holds, so a short row stays short.
        const std::size_t n = std::min(sub_count, from.sub_items.size());
        for (std::size_t k = 1; k <= n; ++k) to->Set_Sub_Item(k, from.Sub_Item(k));
    }
}

bool Pivot(const ListModel& source, ListModel& target) {
    ListItem* row = nullptr;   // current record's row
    std::size_t named = 0;     // 1-based column of the record's last named row
    for (std::size_t r = 0; r < source.Item_Count(); ++r) {
        const ListItem& from = source.Item(r);
        const std::string& name = from.text;
        const std::string& value = from.Sub_Item(1);
        const std::size_t count = target.Column_Count();
        std::size_t col = count + 1;
        for (std::size_t c = 0; c < count; ++c)
            if (target.Column(c).text == name) {
                col = c + 1;
                break;
            }
        const bool name_blank = Is_Blank(name);
        if (!name_blank && col == count + 1) target.Add_Column(name, name, 1440);

        if (name_blank && Is_Blank(value)) {
            row = nullptr;
        } else if (name_blank) {
            if (!row) {
                Set_Error(Err_Object_Not_Set, "Object variable or With block variable not set");
                return false;
            }
            row->Set_Cell(named - 1, row->Cell(named - 1) + ", " + value);
        } else if (!row) {
            row = target.Add_Item(name + "-" + value, value);
            if (!row) {
                Set_Error(Err_Key_Not_Unique, "Key is not unique in collection");
                return false;
            }
            row->small_icon = from.small_icon;
            named = col;
        } else {
            if (col == 1) {
                Set_Error(Err_Index_Out_Of_Bounds, "Index out of bounds");
                return false;
            }
            row->Set_Sub_Item(col - 1, value);
            named = col;
        }
    }
    return true;
}

}  // namespace

ListItem* Add_ListItem_Indented(ListModel& list, std::int32_t position, std::string key,
                                std::string text, const std::string& icon,
                                const std::string& small_icon, std::int32_t indent) {
    std::optional<std::size_t> at;
    if (position > 0) {
        if (static_cast<std::size_t>(position) > list.Item_Count() + 1) {
            Set_Error(Err_Index_Out_Of_Bounds, "Index out of bounds");
            return nullptr;
        }
        at = static_cast<std::size_t>(position) - 1;
    }
    ListItem* item = list.Add_Item(std::move(key), std::move(text), at);
    if (!item) {
        Set_Error(Err_Key_Not_Unique, "Key is not unique in collection");
        return nullptr;
    }
    if (!icon.empty()) item->icon = icon;
    if (!small_icon.empty()) item->small_icon = small_icon;
    item->indent = indent;
    return item;
}

void Check_All_ListItems(ListModel& list, bool state) {
    for (std::size_t i = 0; i < list.Item_Count(); ++i) list.Item(i).checked = state;
    list.Notify();
}

std::int32_t Find_Node_Index_By_Text(const TreeModel& tree, const std::string& text,
                                     bool leaves_only) {
    for (const TreeNode* node : tree.Nodes()) {
        if (leaves_only && node->Has_Children()) continue;
        if (Equal_Ignoring_Case(node->text, text)) return static_cast<std::int32_t>(node->index);
    }
    return -1;
}

std::string Strip_Bracket_Prefix(const std::string& caption) {
    auto at = caption.find("] ");
    return at == std::string::npos ? caption : caption.substr(at + 2);
}

std::uint32_t ListView_ExStyle_For(std::uint32_t current_style) {
    return current_style | ListView_ExStyle_Border_Select;
}

bool Export_Copy_Is_Straight(const ListModel& source, bool vertical_listing) {
    return vertical_listing || source.Column_Count() != 2 ||
           source.Column(0).tag.find(Root_Listing_Marker) != std::string::npos ||
           Get_Field(source.Column(0).tag, 3).starts_with(Tabular_Report_Key_Prefix);
}

bool Copy_ListView_For_Export(const ListModel& source, ListModel& target, bool vertical_listing) {
    if (&source == &target) {
        // Copying onto itself: work from a snapshot, as clearing the target
        // would empty the source first.
        ListModel snapshot;
        Copy_ListView_For_Export(source, snapshot, true);
        snapshot.view = source.view;
        snapshot.checkboxes = source.checkboxes;
        snapshot.small_icons = source.small_icons;
        snapshot.icons = source.icons;
        if (source.Column_Count() > 0) snapshot.Column(0).tag = source.Column(0).tag;
        return Copy_ListView_For_Export(snapshot, target, vertical_listing);
    }
    target.Clear_Items();
    target.Clear_Columns();
    target.view = source.view;
    target.checkboxes = source.checkboxes;
    target.small_icons = source.small_icons;
    target.icons = source.icons;

    const bool straight = Export_Copy_Is_Straight(source, vertical_listing);
    bool ok = true;
    if (straight)
        Copy_Straight(source, target);
    else
        ok = Pivot(source, target);
    target.Notify();
    return ok;
}

}  // namespace crv
