#include "ui/model/list_model.h"

#include <algorithm>

namespace crv {
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

void ListModel::Rebuild_Index() const {
    key_index_.clear();
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (!items_[i]->key.empty()) key_index_.emplace(items_[i]->key, i);
    index_dirty_ = false;
}

ListItem* ListModel::Add_Item(std::string key, std::string text, std::optional<std::size_t> position) {
    if (index_dirty_) Rebuild_Index();
    if (!key.empty() && key_index_.count(key)) return nullptr;
    auto item = std::make_unique<ListItem>();
    item->key = std::move(key);
    item->text = std::move(text);
    ListItem* raw = item.get();
    std::size_t at = std::min(position.value_or(items_.size()), items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    if (at + 1 == items_.size()) {
        if (!raw->key.empty()) key_index_.emplace(raw->key, at);
    } else {
        index_dirty_ = true;  // later rows moved down
    }
    return raw;
}

std::optional<std::size_t> ListModel::Index_Of(const std::string& key) const {
    if (index_dirty_) Rebuild_Index();
    auto it = key_index_.find(key);
    if (it == key_index_.end()) return std::nullopt;
    return it->second;
}

ListItem* ListModel::Find_Item(const std::string& key) {
    auto i = Index_Of(key);
    return i ? items_[*i].get() : nullptr;
}

const ListItem* ListModel::Find_Item(const std::string& key) const {
    auto i = Index_Of(key);
    return i ? items_[*i].get() : nullptr;
}

bool ListModel::Remove_Item(std::size_t index) {
    if (index >= items_.size()) return false;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    index_dirty_ = true;
    return true;
}

void ListModel::Clear_Items() {
    items_.clear();
    key_index_.clear();
    index_dirty_ = false;
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
    index_dirty_ = true;
}

std::int32_t Count_Checked_Items(const ListModel& list) {
    std::int32_t count = 0;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        if (list.Item(i).checked) ++count;
    }
    return count;
}

}  // namespace crv
