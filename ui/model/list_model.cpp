#include "ui/model/list_model.h"

#include <algorithm>

namespace crv {

std::string_view KeyIndex::Key_Of(const ListItem* item) { return item->key; }

namespace {
const std::string empty_text;
}

const std::string& ListItem::Sub_Item(std::size_t k) const {
    if (k == 0 || k > sub_items.size()) return empty_text;
    return sub_items[k - 1];
}

void ListItem::Set_Sub_Item(std::size_t k, std::string value) {
    if (k == 0) return;
    if (sub_items.size() < k) sub_items.resize(k);
    sub_items[k - 1] = std::move(value);
}

bool ListItem::Sub_Bold(std::size_t k) const {
    return k > 0 && k <= sub_bold.size() && sub_bold[k - 1];
}

void ListItem::Set_Sub_Bold(std::size_t k, bool value) {
    if (k == 0) return;
    if (sub_bold.size() < k) sub_bold.resize(k, false);
    sub_bold[k - 1] = value;
}

const std::string& ListItem::Cell(std::size_t column) const {
    return column == 0 ? text : Sub_Item(column);
}

void ListItem::Set_Cell(std::size_t column, std::string value) {
    if (column == 0)
        text = std::move(value);
    else
        Set_Sub_Item(column, std::move(value));
}

ListColumn& ListModel::Add_Column(std::string key, std::string text, double width_twips,
                                  std::optional<std::size_t> position) {
    ListColumn c{std::move(key), std::move(text), width_twips, ColumnAlignment::Left, {}, {}};
    std::size_t at = std::min(position.value_or(columns_.size()), columns_.size());
    return *columns_.insert(columns_.begin() + static_cast<std::ptrdiff_t>(at), std::move(c));
}

std::optional<std::size_t> ListModel::Find_Column(const std::string& key) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].key == key) return i;
    return std::nullopt;
}

void ListModel::Clear_Columns() { columns_.clear(); }

void ListModel::Refresh_Positions() const {
    for (std::size_t i = positions_valid_; i < items_.size(); ++i) {
        const ListItem& row = *items_[i];
        if (row.key.empty()) continue;
        // Keys are unique, but a caller may have changed a row's key after
        // adding it: such a row is simply not indexed under its new key.
        KeyIndex::Entry* e = key_index_.Find(row.key);
        if (e && e->item == &row) {
            e->position = static_cast<std::uint32_t>(i);
            ++index_work_;
        }
    }
    positions_valid_ = items_.size();
}

ListItem* ListModel::Add_Item(std::string key, std::string text, std::optional<std::size_t> position) {
    // The key is hashed once, for the lookup and the insertion. The row is
    // made while its slot in the index loads; a repeated key (rare) throws
    // the row away. Each member starts from its own initialiser: zeroing the
    // whole row first would write it twice.
    const bool keyed = !key.empty();
    const std::uint32_t hash = keyed ? KeyIndex::Hash(key) : 0;
    if (keyed) key_index_.Prefetch(hash);
    auto item = std::make_unique_for_overwrite<ListItem>();
    item->key = std::move(key);
    item->text = std::move(text);
    if (keyed && key_index_.Find(item->key, hash)) return nullptr;
    ListItem* raw = item.get();
    std::size_t at = std::min(position.value_or(items_.size()), items_.size());
    const bool appended = at == items_.size();
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    if (keyed) {
        key_index_.Insert(hash, raw, at);
        ++index_work_;
    }
    if (appended) {
        if (positions_valid_ == at) positions_valid_ = items_.size();
    } else {
        Invalidate_From(at);  // later rows moved down
    }
    return raw;
}

std::optional<std::size_t> ListModel::Index_Of(const std::string& key) const {
    KeyIndex::Entry* e = key_index_.Find(key);
    if (!e) return std::nullopt;
    if (e->position >= positions_valid_) Refresh_Positions();
    return e->position;
}

ListItem* ListModel::Find_Item(const std::string& key) {
    const KeyIndex::Entry* e = key_index_.Find(key);
    return e ? e->item : nullptr;
}

const ListItem* ListModel::Find_Item(const std::string& key) const {
    const KeyIndex::Entry* e = key_index_.Find(key);
    return e ? e->item : nullptr;
}

bool ListModel::Remove_Item(std::size_t index) {
    if (index >= items_.size()) return false;
    const ListItem& row = *items_[index];
    if (!row.key.empty()) {
        KeyIndex::Entry* e = key_index_.Find(row.key);
        if (e && e->item == &row) key_index_.Erase(e);
    }
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    Invalidate_From(index);
    return true;
}

void ListModel::Take_Rows_From(ListModel& source) {
    if (&source == this) return;
    // The index moves along: its keys view text inside the rows, which keep
    // their addresses.
    columns_ = std::move(source.columns_);
    items_ = std::move(source.items_);
    key_index_ = std::move(source.key_index_);
    positions_valid_ = source.positions_valid_;
    index_work_ += source.index_work_;
    source.columns_.clear();
    source.items_.clear();
    source.key_index_.Clear();
    source.positions_valid_ = 0;
}

void ListModel::Clear_Items() {
    items_.clear();
    key_index_.Clear();
    positions_valid_ = 0;
}

void ListModel::Sort_Items() {
    const std::size_t column = sort_key;
    auto less = [column](const std::unique_ptr<ListItem>& a, const std::unique_ptr<ListItem>& b) {
        const std::string& x = a->Cell(column);
        const std::string& y = b->Cell(column);
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
            auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
            return fold(static_cast<unsigned char>(p)) < fold(static_cast<unsigned char>(q));
        });
    };
    if (sort_descending)
        std::stable_sort(items_.begin(), items_.end(), [&](const auto& a, const auto& b) { return less(b, a); });
    else
        std::stable_sort(items_.begin(), items_.end(), less);
    Invalidate_From(0);
}

std::int32_t Count_Checked_Items(const ListModel& list) {
    std::int32_t count = 0;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        if (list.Item(i).checked) ++count;
    }
    return count;
}

}  // namespace crv
