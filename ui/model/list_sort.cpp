#include "ui/model/list_sort.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "ui/model/text_compare.h"

namespace crv {

void Sort_List_By_Column(ListModel& list, std::size_t column, bool descending) {
    const std::size_t count = list.Item_Count();
    // Each cell is read once; the comparisons work on the keys.
    std::vector<CellSortKey> keys;
    keys.reserve(count);
    for (std::size_t i = 0; i < count; ++i) keys.push_back(Cell_Sort_Key(list.Item(i).Cell(column)));
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = Compare_Cell_Keys(keys[a], keys[b]);
        return descending ? c > 0 : c < 0;
    });

    std::vector<ListItem> rows;
    rows.reserve(count);
    for (std::size_t i : order) rows.push_back(std::move(list.Item(i)));
    list.Clear_Items();
    list.Reserve_Items(count);
    for (ListItem& row : rows) {
        ListItem* added = list.Add_Item(row.key, row.text);
        if (added) *added = std::move(row);
    }
    list.sort_key = column;
    list.sort_descending = descending;
    list.Notify();
}

}  // namespace crv
