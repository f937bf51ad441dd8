#pragma once
// Comparing the texts of rows and nodes as a user reads them: matching that
// ignores letter case beyond ASCII, and the ordering of a column's cells in
// which numbers, sizes and dates sort by their value ("9" before "10",
// "900.00 KB" before "1.00 MB").
#include <cstddef>
#include <string>
#include <string_view>

namespace crv {

// The text with every upper-case letter of the Latin, Greek and Cyrillic
// alphabets (ASCII, Latin-1, Latin Extended-A) made lower case. Ill-formed
// UTF-8 turns into U+FFFD.
std::string Fold_Case(std::string_view text);

// True when `text` contains `folded_needle` ignoring letter case; the needle
// must already be folded (Fold_Case), so a search folds it once.
bool Contains_Folded(std::string_view text, std::string_view folded_needle);

// A cell's place in a column order. Empty cells come first, then values
// (numbers, byte counts with their unit, dates as the program writes them),
// then other texts in "natural" order: letter case ignored, runs of digits
// compared by their value.
struct CellSortKey {
    enum Kind { Empty = 0, Value = 1, Text = 2 };
    Kind kind = Empty;
    long double value = 0;
    std::string folded;  // Text: the folded cell
};
CellSortKey Cell_Sort_Key(std::string_view cell);
// <0, 0, >0 as a sorts before, with or after b.
int Compare_Cell_Keys(const CellSortKey& a, const CellSortKey& b);

}  // namespace crv
