#pragma once
// Sorting a list's rows once by one column, in the order of its cells'
// values (ui/model/text_compare.h). Equal cells keep their order; every row
// keeps its key, selection, check and tag.
#include <cstddef>

#include "ui/model/list_model.h"

namespace crv {

// Sorts by column (0-based; a row without that cell counts as empty) and
// records the column and direction in the list's sort_key and
// sort_descending. Tells the listener once.
void Sort_List_By_Column(ListModel& list, std::size_t column, bool descending);

}  // namespace crv
