#pragma once
// Cell text as the writers put it into a file, in one pass per cell: the
// bytes a format must escape are looked up in a table, runs of plain ASCII
// are copied sixteen bytes at a time, NUL bytes are dropped (as the store
// drops them), and a multi-byte character is checked as it passes. A cell
// that holds an ill-formed sequence is copied as it stands and reported, so
// that only such output needs the repairing pass before it reaches a UTF-8
// file.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace crv {

// Bytes a writer builds, grown without filling: a row reserves the most its
// cells can take (six times a cell's size for HTML) and is cut back to what
// it wrote, so clearing the room first would write every byte twice.
class Export_Bytes {
public:
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const char* data() const { return data_.get(); }
    char* data() { return data_.get(); }
    std::string_view View() const { return {data_.get(), size_}; }
    operator std::string_view() const { return View(); }
    void clear() { size_ = 0; }

    // Room for `room` more bytes at the end, left as it is: a row is written
    // into the most its cells can take at once, then Set_End cuts the text
    // back to what was written.
    char* Reserve_End(std::size_t room) {
        if (capacity_ - size_ < room) Grow(room);
        char* at = data_.get() + size_;
        size_ += room;
        return at;
    }
    void Set_End(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }

    void append(std::string_view s) {
        if (!s.empty()) std::memcpy(Reserve_End(s.size()), s.data(), s.size());
    }
    void append(std::size_t n, char c) {
        if (n) std::memset(Reserve_End(n), c, n);
    }
    Export_Bytes& operator+=(std::string_view s) {
        append(s);
        return *this;
    }
    Export_Bytes& operator+=(char c) {
        *Reserve_End(1) = c;
        return *this;
    }

private:
    void Grow(std::size_t room) {
        std::size_t capacity = capacity_ ? capacity_ : 4096;
        while (capacity - size_ < room) capacity *= 2;
        std::unique_ptr<char[]> bigger(new char[capacity]);  // not value-initialised: no fill
        if (size_) std::memcpy(bigger.get(), data_.get(), size_);
        data_ = std::move(bigger);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// Output text and whether any ill-formed UTF-8 went into it.
struct Export_Text {
    Export_Bytes bytes;
    bool ill_formed = false;
};

inline char* Put(char* p, std::string_view s) {
    if (!s.empty()) std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

// The most bytes a cell can take in each format, with the slack the
// routines need: they store sixteen bytes at a time.
inline constexpr std::size_t Room_Slack = 16;
constexpr std::size_t Csv_Room(std::string_view s) { return 2 * s.size() + 2 + Room_Slack; }
constexpr std::size_t Html_Room(std::string_view s) { return 6 * s.size() + Room_Slack; }

// A CSV field: quoted, quotes doubled.
char* Put_Csv_Field(char* p, std::string_view s, bool& ill_formed);
// HTML text: & < > " as entities.
char* Put_Html(char* p, std::string_view s, bool& ill_formed);

inline void Append_Csv_Field(Export_Text& out, std::string_view s) {
    out.bytes.Set_End(Put_Csv_Field(out.bytes.Reserve_End(Csv_Room(s)), s, out.ill_formed));
}
inline void Append_Html(Export_Text& out, std::string_view s) {
    out.bytes.Set_End(Put_Html(out.bytes.Reserve_End(Html_Room(s)), s, out.ill_formed));
}

// The characters (code points) of a cell that can go into the fixed-width
// table as it stands: well-formed, no line break, no NUL. npos for any
// other cell.
std::size_t Plain_Char_Count(std::string_view s);
// The same count, the cell copied to p as it is counted (with Room_Slack
// past it); for npos, what was copied is of no use.
std::size_t Put_Plain_Cell(char* p, std::string_view s);
// A piece of markup or a short cell in one block (with Room_Slack past
// it): the C runtime's copy is a call into a library, under Wine a slow one.
char* Put_Short(char* p, std::string_view s);
// Blanks, written a block at a time: Room_Slack must follow them.
char* Put_Blanks(char* p, std::size_t count);

}  // namespace crv
