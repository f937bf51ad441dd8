#include "ui/model/text_compare.h"

#include <array>
#include <optional>

#include "core/utf.h"

namespace crv {

namespace {

char32_t Lower(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;  // not the multiplication sign
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x178) return 0xFF;
        const bool even_pairs = (c <= 0x137) || (c >= 0x14A && c <= 0x177);
        const bool odd_pairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (even_pairs && c % 2 == 0) return c + 1;
        if (odd_pairs && c % 2 == 1) return c + 1;
        return c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;  // Greek
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool Equal_Ignoring_Ascii_Case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

// Reads exactly `count` digits at `pos`.
std::optional<int> Digits(std::string_view s, std::size_t pos, std::size_t count) {
    if (pos + count > s.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (!Is_Digit(s[i])) return std::nullopt;
        value = value * 10 + (s[i] - '0');
    }
    return value;
}

// "mm/dd/yyyy[ hh:nn:ss]" (WMI dates), "dd-mm-yyyy" and "dd-MON-yyyy" (scan
// dates) as yyyymmddhhnnss.
std::optional<long double> Date_Value(std::string_view s) {
    static constexpr std::array<std::string_view, 12> months = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                                "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::size_t rest = 0;
    if (s.size() >= 10 && s[2] == '/' && s[5] == '/') {
        auto m = Digits(s, 0, 2), d = Digits(s, 3, 2), y = Digits(s, 6, 4);
        if (!m || !d || !y) return std::nullopt;
        month = *m, day = *d, year = *y, rest = 10;
    } else if (s.size() >= 10 && s[2] == '-' && s[5] == '-') {
        auto d = Digits(s, 0, 2), m = Digits(s, 3, 2), y = Digits(s, 6, 4);
        if (!d || !m || !y) return std::nullopt;
        day = *d, month = *m, year = *y, rest = 10;
    } else if (s.size() >= 11 && s[2] == '-' && s[6] == '-') {
        auto d = Digits(s, 0, 2), y = Digits(s, 7, 4);
        if (!d || !y) return std::nullopt;
        for (std::size_t i = 0; i < months.size(); ++i)
            if (Equal_Ignoring_Ascii_Case(s.substr(3, 3), months[i])) month = static_cast<int>(i) + 1;
        if (month == 0) return std::nullopt;
        day = *d, year = *y, rest = 11;
    } else {
        return std::nullopt;
    }
    if (rest < s.size()) {
        if (s.size() != rest + 9 || s[rest] != ' ' || s[rest + 3] != ':' || s[rest + 6] != ':') return std::nullopt;
        auto h = Digits(s, rest + 1, 2), n = Digits(s, rest + 4, 2), c = Digits(s, rest + 7, 2);
        if (!h || !n || !c) return std::nullopt;
        hour = *h, minute = *n, second = *c;
    }
    return ((((year * 100.0L + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
}

// "-12", "3.5", "512 bytes", "1.50 KB", "8.00 GB(8589934592 bytes)".
std::optional<long double> Number_Value(std::string_view s) {
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (negative) ++i;
    long double value = 0;
    std::size_t digits = 0;
    while (i < s.size() && Is_Digit(s[i])) value = value * 10 + (s[i++] - '0'), ++digits;
    if (i < s.size() && s[i] == '.') {
        long double scale = 1;
        ++i;
        while (i < s.size() && Is_Digit(s[i])) scale /= 10, value += (s[i++] - '0') * scale, ++digits;
    }
    if (digits == 0) return std::nullopt;
    std::string_view unit = s.substr(i);
    if (const std::size_t open = unit.find('('); open != std::string_view::npos && unit.back() == ')')
        unit = unit.substr(0, open);
    unit = Trim(unit);
    static constexpr std::array<std::pair<std::string_view, long double>, 5> units = {
        {{"bytes", 1.0L}, {"KB", 1024.0L}, {"MB", 1048576.0L}, {"GB", 1073741824.0L}, {"TB", 1099511627776.0L}}};
    long double scale = 0;
    if (unit.empty()) scale = 1;
    for (const auto& [name, factor] : units)
        if (Equal_Ignoring_Ascii_Case(unit, name)) scale = factor;
    if (scale == 0) return std::nullopt;
    return (negative ? -value : value) * scale;
}

// Natural order of two folded texts.
int Compare_Natural(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (Is_Digit(a[i]) && Is_Digit(b[j])) {
            std::size_t i0 = i, j0 = j;
            while (i < a.size() && Is_Digit(a[i])) ++i;
            while (j < b.size() && Is_Digit(b[j])) ++j;
            std::string_view x = a.substr(i0, i - i0), y = b.substr(j0, j - j0);
            while (x.size() > 1 && x.front() == '0') x.remove_prefix(1);
            while (y.size() > 1 && y.front() == '0') y.remove_prefix(1);
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (int c = x.compare(y); c != 0) return c < 0 ? -1 : 1;
            continue;
        }
        const auto x = static_cast<unsigned char>(a[i++]), y = static_cast<unsigned char>(b[j++]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

std::string Fold_Case(std::string_view text) {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        std::string out(text);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        return out;
    }
    // Every letter the fold changes lies in the Basic Multilingual Plane.
    std::u16string units = Utf8_To_Utf16(text);
    for (char16_t& u : units) u = static_cast<char16_t>(Lower(u));
    return Utf16_To_Utf8(units);
}

bool Contains_Folded(std::string_view text, std::string_view folded_needle) {
    if (folded_needle.empty()) return true;
    return Fold_Case(text).find(folded_needle) != std::string::npos;
}

CellSortKey Cell_Sort_Key(std::string_view cell) {
    CellSortKey key;
    const std::string_view trimmed = Trim(cell);
    if (trimmed.empty()) return key;
    if (auto value = Date_Value(trimmed)) {
        key.kind = CellSortKey::Value;
        key.value = *value;
    } else if (auto number = Number_Value(trimmed)) {
        key.kind = CellSortKey::Value;
        key.value = *number;
    } else {
        key.kind = CellSortKey::Text;
        key.folded = Fold_Case(trimmed);
    }
    return key;
}

int Compare_Cell_Keys(const CellSortKey& a, const CellSortKey& b) {
    if (a.kind != b.kind) return a.kind < b.kind ? -1 : 1;
    if (a.kind == CellSortKey::Value) return a.value < b.value ? -1 : (b.value < a.value ? 1 : 0);
    if (a.kind == CellSortKey::Text) return Compare_Natural(a.folded, b.folded);
    return 0;
}

}  // namespace crv
