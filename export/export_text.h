#pragma once
// Cell text as the writers put it into a file, in one pass per cell: the
// bytes a format must escape are looked up in a table, runs of plain ASCII
// are copied eight bytes at a time, NUL bytes are dropped (as the store
// drops them), and a multi-byte character is checked as it passes. A cell
// that holds an ill-formed sequence is copied as it stands and reported, so
// that only such output needs the repairing pass before it reaches a UTF-8
// file.
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace crv {

// Output text and whether any ill-formed UTF-8 went into it.
struct Export_Text {
    std::string bytes;
    bool ill_formed = false;
};

// A row is written into room reserved at the end of the text at once (the
// most its cells can take), then the text is cut back to what was written.
inline char* Reserve_End(std::string& s, std::size_t room) {
    const std::size_t at = s.size();
    s.resize(at + room);
    return s.data() + at;
}
inline void Set_End(std::string& s, const char* end) { s.resize(static_cast<std::size_t>(end - s.data())); }
inline char* Put(char* p, std::string_view s) {
    if (!s.empty()) std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

// The most bytes a cell can take in each format, with the slack the
// routines need: they store eight bytes at a time.
inline constexpr std::size_t Room_Slack = 8;
constexpr std::size_t Csv_Room(std::string_view s) { return 2 * s.size() + 2 + Room_Slack; }
constexpr std::size_t Html_Room(std::string_view s) { return 6 * s.size() + Room_Slack; }

// A CSV field: quoted, quotes doubled.
char* Put_Csv_Field(char* p, std::string_view s, bool& ill_formed);
// HTML text: & < > " as entities.
char* Put_Html(char* p, std::string_view s, bool& ill_formed);

inline void Append_Csv_Field(Export_Text& out, std::string_view s) {
    Set_End(out.bytes, Put_Csv_Field(Reserve_End(out.bytes, Csv_Room(s)), s, out.ill_formed));
}
inline void Append_Html(Export_Text& out, std::string_view s) {
    Set_End(out.bytes, Put_Html(Reserve_End(out.bytes, Html_Room(s)), s, out.ill_formed));
}

// The characters (code points) of a cell that can go into the fixed-width
// table as it stands: well-formed, no line break, no NUL. npos for any
// other cell.
std::size_t Plain_Char_Count(std::string_view s);

}  // namespace crv
