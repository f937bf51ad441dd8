#pragma once
// Cell text as the writers put it into a file, in one pass per cell: the
// bytes a format must escape are looked up in a table, runs of plain ASCII
// are skipped eight bytes at a time and go in whole, NUL bytes are dropped
// (as the store drops them), and a well-formed multi-byte character is
// checked as it passes. A cell that holds an ill-formed sequence is copied
// as it stands and reported, so that only such output needs the repairing
// pass before it reaches a UTF-8 file.
#include <cstddef>
#include <string>
#include <string_view>

namespace crv {

// Output text and whether any ill-formed UTF-8 went into it.
struct Export_Text {
    std::string bytes;
    bool ill_formed = false;
};

// A CSV field: quoted, quotes doubled.
void Append_Csv_Field(Export_Text& out, std::string_view s);
// HTML text: & < > " as entities.
void Append_Html(Export_Text& out, std::string_view s);

// The characters (code points) of a cell that can go into the fixed-width
// table as it stands: well-formed, no line break, no NUL. npos for any
// other cell.
std::size_t Plain_Char_Count(std::string_view s);

}  // namespace crv
