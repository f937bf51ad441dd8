#pragma once
// The portable list: everything that fills, reads or exports a list works on
// this model; the Win32 list view only shows one. Indexes are 0-based here
// (index + 1 is the control's 1-based Index).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/key_index.h"

namespace crv {

enum class ListViewMode { Icon = 0, SmallIcon = 1, List = 2, Report = 3 };
enum class ColumnAlignment { Left = 0, Right = 1, Center = 2 };

struct ListColumn {
    std::string key;
    std::string text;
    double width_twips = 1440;
    ColumnAlignment alignment = ColumnAlignment::Left;
    std::string tag;
    std::string icon;
};

// Every member has an initialiser of its own: rows are made without
// zeroing them first.
struct ListItem {
    std::string key;  // fixed once the row is in a list (the list indexes it)
    std::string text;
    std::string icon;        // large icon key
    std::string small_icon;  // small icon key
    std::string tag;
    bool bold = false;
    std::uint32_t fore_color = 0;  // 0x00BBGGRR, 0 = default
    int indent = 0;
    bool checked = false;
    bool ghosted = false;
    bool selected = false;
    // Sub-item k (1-based as in the control) is sub_items[k - 1].
    std::vector<std::string> sub_items;
    std::vector<bool> sub_bold;

    const std::string& Sub_Item(std::size_t k) const;  // k >= 1; "" when unset
    void Set_Sub_Item(std::size_t k, std::string value);
    bool Sub_Bold(std::size_t k) const;
    void Set_Sub_Bold(std::size_t k, bool bold);
    // Cell of column c (0-based): the text for column 0, sub-item c otherwise.
    const std::string& Cell(std::size_t column) const;
    void Set_Cell(std::size_t column, std::string value);
};

// Lets a view follow the model without polling.
class ListModelListener {
public:
    virtual ~ListModelListener() = default;
    virtual void List_Changed() = 0;
};

class ListModel {
public:
    ListModel() = default;
    ListModel(const ListModel&) = delete;
    ListModel& operator=(const ListModel&) = delete;

    // Columns
    std::size_t Column_Count() const { return columns_.size(); }
    const ListColumn& Column(std::size_t i) const { return columns_[i]; }
    ListColumn& Column(std::size_t i) { return columns_[i]; }
    // Appends, or inserts at a 0-based position (clamped to the end).
    ListColumn& Add_Column(std::string key, std::string text, double width_twips,
                           std::optional<std::size_t> position = std::nullopt);
    std::optional<std::size_t> Find_Column(const std::string& key) const;
    void Clear_Columns();

    // Items
    std::size_t Item_Count() const { return items_.size(); }
    const ListItem& Item(std::size_t i) const { return *items_[i]; }
    ListItem& Item(std::size_t i) { return *items_[i]; }
    // Appends, or inserts at a 0-based position (clamped to the end). A
    // non-empty key already used fails and adds nothing.
    ListItem* Add_Item(std::string key, std::string text,
                       std::optional<std::size_t> position = std::nullopt);
    ListItem* Find_Item(const std::string& key);
    const ListItem* Find_Item(const std::string& key) const;
    std::optional<std::size_t> Index_Of(const std::string& key) const;
    bool Remove_Item(std::size_t index);
    void Clear_Items();
    // Replaces this list's columns and rows with those of `source`, which is
    // left empty: no row is copied. View properties and the listener stay.
    void Take_Rows_From(ListModel& source);
    // Makes room for this many rows (a bulk copy).
    void Reserve_Items(std::size_t count) {
        items_.reserve(count);
        key_index_.Reserve(count);
    }
    // Key-index entries written so far (insertions and position updates): a
    // listing that inserts each row near the end keeps this within a small
    // constant per row.
    std::uint64_t Index_Work() const { return index_work_; }

    // View properties the layouts and copier set.
    ListViewMode view = ListViewMode::Report;
    bool checkboxes = false;
    bool hide_column_headers = false;
    bool multi_select = false;
    std::string small_icons;  // image list names
    std::string icons;
    std::string tag;

    // Sorting, as the list control's own: rows ordered by the cell texts of
    // column sort_key (0-based), compared ignoring ASCII case, stable.
    // Sort_Items sorts once by sort_key and sort_descending; `sorted` only
    // records whether the list keeps itself sorted (callers re-sort).
    std::size_t sort_key = 0;
    bool sort_descending = false;
    bool sorted = false;
    void Sort_Items();

    // Tell the listener (one at a time) that rows or columns changed; the
    // fillers call Notify once after a batch, not per row.
    void Set_Listener(ListModelListener* listener) { listener_ = listener; }
    ListModelListener* Listener() const { return listener_; }
    void Notify() const {
        if (listener_) listener_->List_Changed();
    }

private:
    // Rows keep their address while the vector of pointers moves, so the key
    // index holds the row and a position that is trusted only below
    // positions_valid_: an insertion or removal invalidates just the rows
    // after it, and the listings insert near the end.
    void Invalidate_From(std::size_t index) {
        if (index < positions_valid_) positions_valid_ = index;
    }
    void Refresh_Positions() const;

    std::vector<ListColumn> columns_;
    std::vector<std::unique_ptr<ListItem>> items_;
    // Keyed by the row's own key text, which never moves with the row: one
    // copy of each key, not two.
    mutable KeyIndex key_index_;
    mutable std::size_t positions_valid_ = 0;
    mutable std::uint64_t index_work_ = 0;
    ListModelListener* listener_ = nullptr;
};

// The checked items of a list.
std::int32_t Count_Checked_Items(const ListModel& list);

}  // namespace crv
