#pragma once
// Small routines over the list and tree models that the fillers, the main
// window and the export writers share, and the export copy of a list.
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

// Adds a row with the given key and text. position > 0 inserts it as the
// position-th row (1-based), otherwise it is appended. Icons are set only
// when their key is not empty. Returns nullptr, with the pending error set,
// when the key is already used (35602) or the position is past the end + 1
// (35600); nothing is added then.
ListItem* Add_ListItem_Indented(ListModel& list, std::int32_t position, std::string key,
                                std::string text, const std::string& icon,
                                const std::string& small_icon, std::int32_t indent);

// Ticks or unticks every row.
void Check_All_ListItems(ListModel& list, bool state);

// Index (1-based, collection order) of the first node whose text equals text
// ignoring case; with leaves_only nodes that have children are passed over.
// -1 when none matches.
std::int32_t Find_Node_Index_By_Text(const TreeModel& tree, const std::string& text,
                                     bool leaves_only);

// Everything after the first "] ", or the caption unchanged.
std::string Strip_Bracket_Prefix(const std::string& caption);

// The list view's extended style bit that Set_ListView_ExStyle adds.
inline constexpr std::uint32_t ListView_ExStyle_Border_Select = 0x8000;  // LVS_EX_BORDERSELECT

// The extended style Set_ListView_ExStyle writes back (with mask 0, so every
// bit applies) given the style the control reported. Bits above 0x8000 are
// never turned on (some of them hide the labels in icon view); bits already
// set are kept.
std::uint32_t ListView_ExStyle_For(std::uint32_t current_style);

// Text that, found in the tag of a list's first column, keeps the list in
// its vertical form whatever the listing direction.
inline constexpr std::string_view Root_Listing_Marker = "[Root...]";

// The first field of a tabular report's feature key ("Tabu_" and the report
// id), as the first column's tag holds it: a report is a table of computers
// with check boxes, never a name/value list to turn.
inline constexpr std::string_view Tabular_Report_Key_Prefix = "Tabu_";

// Fills target from source (source is only read): target's rows and columns
// are replaced and its view, check boxes and image lists follow the source.
// The copy is straight when vertical_listing is true, when source has not
// exactly two columns, when its first column's tag holds "[Root...]", or
// when that tag is the descriptor of a tabular report (its fourth field, the
// feature key, begins with "Tabu_"); otherwise the two-column name/value list is turned into one row per
// record and one column per property name.
// Returns false with the pending error set when the name/value list cannot
// be turned (two records beginning with the same name and value, 35602; a
// value continuation with no record row, 91; a later row named like the
// first column, 35600); target then holds what was copied before.
bool Copy_ListView_For_Export(const ListModel& source, ListModel& target, bool vertical_listing);
// True when Copy_ListView_For_Export would copy straight (not turn the list):
// the export writers then read the source itself instead of a copy.
bool Export_Copy_Is_Straight(const ListModel& source, bool vertical_listing);

}  // namespace crv
