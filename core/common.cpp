#include "core/common.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "core/utf.h"

namespace crv {
namespace {

// Piece of a text at 1-based position `pos`, `len` characters, clamped to
// the text: a piece past the end is empty.
std::string_view Mid(std::string_view s, std::size_t pos, std::size_t len) {
    if (pos == 0 || pos > s.size()) return {};
    return s.substr(pos - 1, len);
}

// Round to nearest, ties to even, as the integer conversions of durations do.
double Round_Half_Even(double x) {
    const double r = std::round(x);  // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
    return r;
}

std::string Integer_Text(double whole) {
    const auto v = static_cast<std::int64_t>(whole);
    return std::to_string(v == 0 ? 0 : v);  // no "-0"
}

char16_t Upper_Case(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
    if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) return static_cast<char16_t>(c - 0x20);
    if (c == 0x00FF) return 0x0178;
    if (c >= 0x0100 && c <= 0x017F && c != 0x0130 && c != 0x0131 && c != 0x0138 && c != 0x0149 &&
        c != 0x017F) {
        // Latin Extended-A pairs capital/small on even/odd code points, except
        // for a stretch (0x0139-0x0148, 0x0179-0x017E) paired odd/even.
        const bool odd_small = (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
        if (odd_small ? (c % 2 == 0) : (c % 2 == 1)) return static_cast<char16_t>(c - 1);
        return c;
    }
    if (c >= 0x03B1 && c <= 0x03C9 && c != 0x03C2) return static_cast<char16_t>(c - 0x20);
    if (c >= 0x0430 && c <= 0x044F) return static_cast<char16_t>(c - 0x20);
    if (c >= 0x0450 && c <= 0x045F) return static_cast<char16_t>(c - 0x50);
    return c;
}

bool Is_Ascii_Upper(char16_t c) { return c >= u'A' && c <= u'Z'; }
bool Is_Ascii_Lower(char16_t c) { return c >= u'a' && c <= u'z'; }

}  // namespace

std::string Shortest_Number_Text(double value) {
    if (value == 0.0) return "0";
    char buf[400];
    // Plain digits in the everyday range, exponent form only for the extremes.
    const double mag = std::fabs(value);
    const auto fmt = (mag >= 1e-5 && mag < 1e15) ? std::chars_format::fixed : std::chars_format::general;
    const auto r = std::to_chars(buf, buf + sizeof buf, value, fmt);
    if (r.ec != std::errc{}) return {};
    return std::string(buf, r.ptr);
}

std::string Fixed_Number_Text(double value, int decimals) {
    if (!std::isfinite(value)) return Shortest_Number_Text(value);
    if (decimals < 0) decimals = 0;
    // The exact decimal expansion of the double (no double has more than 1074
    // fractional digits), then rounding by hand: a half goes away from zero.
    char buf[1500];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, 1100);
    if (r.ec != std::errc{}) return {};
    std::string digits(buf, r.ptr);
    const std::size_t dot = digits.find('.');
    std::string whole = digits.substr(0, dot);
    std::string frac = digits.substr(dot + 1);
    const bool up = static_cast<std::size_t>(decimals) < frac.size() && frac[decimals] >= '5';
    frac.resize(static_cast<std::size_t>(decimals), '0');
    std::string kept = whole + frac;
    if (up) {
        std::size_t i = kept.size();
        while (i > 0) {
            --i;
            if (kept[i] == '9') {
                kept[i] = '0';
            } else {
                ++kept[i];
                break;
            }
            if (i == 0) kept = std::string(1, '1') + kept;
        }
    }
    const std::size_t whole_len = kept.size() - static_cast<std::size_t>(decimals);
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !zero) out += '-';
    out.append(kept, 0, whole_len);
    if (decimals > 0) {
        out += '.';
        out.append(kept, whole_len, std::string::npos);
    }
    return out;
}

std::int64_t Parse_Leading_Int64(std::string_view text, std::size_t& used) {
    used = 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // Accumulated as a negative number, whose range holds INT64_MIN itself.
    constexpr std::int64_t low = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool any = false, saturated = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        any = true;
        const int digit = text[i] - '0';
        if (saturated) continue;
        if (value < (low + digit) / 10) {
            saturated = true;
            value = low;
        } else {
            value = value * 10 - digit;
        }
    }
    if (!any) return 0;
    used = i;
    if (negative) return value;
    return value == low ? std::numeric_limits<std::int64_t>::max() : -value;
}

std::int64_t Clamp_To_Int64(double value) {
    if (std::isnan(value)) return 0;
    // 2^63 is the first double past the range; every smaller one converts.
    if (value >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

std::int32_t Clamp_To_Int32(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::string Format_WMI_Date(std::string_view d) {
    if (d.empty()) return {};
    // The positions below are only meaningful (and only whole characters)
    // in a date; anything else is shown as it came.
    if (d.size() < 14) return std::string(d);
    for (char c : d.substr(0, 14))
        if (!((c >= '0' && c <= '9') || c == '*')) return std::string(d);
    std::string out;
    out.reserve(19);
    out += Mid(d, 5, 2);
    out += '/';
    out += Mid(d, 7, 2);
    out += '/';
    out += Mid(d, 1, 4);
    out += ' ';
    out += Mid(d, 9, 2);
    out += ':';
    out += Mid(d, 11, 2);
    out += ':';
    out += Mid(d, 13, 2);
    return out;
}

std::string Format_Size(double n, bool append_bytes) {
    std::string out;
    if (n < 1024.0) {
        out = Shortest_Number_Text(n) + " bytes";
    } else if (n < 1048576.0) {
        out = Fixed_Number_Text(n / 1024.0, 2) + " KB";
    } else if (n < 1073741824.0) {
        out = Fixed_Number_Text(n / 1048576.0, 2) + " MB";
    } else {
        out = Fixed_Number_Text(n / 1073741824.0, 2) + " GB";
    }
    if (append_bytes) {
        out += '(';
        out += Shortest_Number_Text(n);
        out += " bytes)";
    }
    return out;
}

std::string Make_Display_Name(std::string_view property_name) {
    std::u16string s = Utf8_To_Utf16(property_name);
    if (s.empty()) return {};
    s[0] = Upper_Case(s[0]);
    // The walk stops at the length the name had before any blank went in.
    const std::size_t length = s.size();
    for (std::size_t p = 2; p <= length; ++p) {
        const char16_t c = s[p - 1];
        if (!Is_Ascii_Upper(c)) continue;
        const char16_t before = s[p - 2];
        const char16_t after = p < s.size() ? s[p] : u' ';
        if (Is_Ascii_Lower(before) || Is_Ascii_Lower(after)) {
            s.insert(p - 1, 1, u' ');
            ++p;
        }
    }
    return Utf16_To_Utf8(s);
}

std::string Format_Duration(double s) {
    if (s < 60.0) return Shortest_Number_Text(s) + " secs";
    if (s < 3600.0) {
        const double m = std::trunc(Round_Half_Even(s) / 60.0);
        const double r = Round_Half_Even(s - 60.0 * m);
        return Integer_Text(m) + " mins, " + Integer_Text(r) + " secs";
    }
    if (s < 86400.0) {
        const double h = std::trunc(Round_Half_Even(s) / 3600.0);
        const double t = s - 3600.0 * h;
        const double m = std::trunc(Round_Half_Even(t) / 60.0);
        const double r = Round_Half_Even(t - 60.0 * m);
        return Integer_Text(h) + " hours, " + Integer_Text(m) + " mins, " + Integer_Text(r) + " secs";
    }
    return {};
}

std::string Scramble_Text(std::string_view text) {
    std::u16string units = Utf8_To_Utf16(text);
    for (std::size_t i = 1; i <= units.size(); ++i) {
        units[i - 1] = static_cast<char16_t>(units[i - 1] ^ static_cast<char16_t>(i % 32));
    }
    return Utf16_To_Utf8(units);
}

bool Is_String_Array_Dimensioned(const std::vector<std::string>& values) { return !values.empty(); }

std::int32_t Set_Mask_Bit(std::int32_t value, std::int32_t mask, bool on) {
    const auto v = static_cast<std::uint32_t>(value);
    const auto m = static_cast<std::uint32_t>(mask);
    const std::uint32_t result = on ? (v | m) : (v & (0x7FFFFFFFu ^ m));
    return static_cast<std::int32_t>(result);
}

std::string Get_Field(std::string_view text, std::int32_t n) {
    if (text.empty() || n < 0) return {};
    std::size_t start = 0;
    for (std::int32_t k = 0;; ++k) {
        const std::size_t end = text.find(Row_Key_Separator_Char, start);
        if (k == n) return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return {};
        start = end + 1;
    }
}

std::string Get_Version_Text() {
    return "Version: " + std::to_string(Version_Major) + "." + std::to_string(Version_Minor) + " Build:" +
           std::to_string(Version_Revision);
}

std::int32_t OS_Version_Code(std::uint32_t platform_id, std::uint32_t major, std::uint32_t minor) {
    if (platform_id == 1) {
        if (major == 4 && minor == 0) return 1400;
        if (major == 4 && minor == 10) return 1410;
        return 0;
    }
    if (platform_id != 2) return 0;
    switch (major) {
    case 3: return minor == 51 ? 2351 : 2300;
    case 4: return 2400;
    case 5: return minor == 1 ? 2501 : minor == 2 ? 2502 : 2500;
    case 6: return minor == 1 ? 2601 : 2600;
    default: return 0;
    }
}

}  // namespace crv
