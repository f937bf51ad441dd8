#include "core/names.h"

#include <array>

#include "core/utf.h"

namespace crv {
namespace {

bool Is_Refused_In_File_Name(unsigned char c) {
    switch (c) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
        return true;
    default:
        return c < 0x20 || c == 0x7F;
    }
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool Is_Device_Name(std::string_view stem) {
    static constexpr std::array<std::string_view, 4> Plain{"CON", "PRN", "AUX", "NUL"};
    std::string upper;
    for (char c : stem) upper += Upper(c);
    // Windows also ignores blanks before the extension ("CON .txt").
    while (!upper.empty() && upper.back() == ' ') upper.pop_back();
    for (std::string_view p : Plain)
        if (upper == p) return true;
    return upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

std::string Clean_File_Name(std::string_view name) {
    std::string out = Valid_Utf8(name, '_');
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (Is_Refused_In_File_Name(c)) {
            out[i] = '_';
        } else if (c == 0xC2 && i + 1 < out.size() && static_cast<unsigned char>(out[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(out[i + 1]) <= 0x9F) {
            out.replace(i, 2, "_");  // a C1 control character
        }
    }
    if (out.empty()) return "_";
    // "." and ".." come out as "_" and "__": never a step to another folder.
    for (std::size_t i = out.size(); i-- > 0 && (out[i] == '.' || out[i] == ' ');) out[i] = '_';
    if (Is_Device_Name(std::string_view(out).substr(0, out.find('.')))) out.insert(0, "_");
    return out;
}

bool Is_Wql_Name(std::string_view name) {
    if (name.empty()) return false;
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(name[0])) return false;
    for (char c : name.substr(1))
        if (!letter(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

bool Has_Control_Characters(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return true;
        if (c == 0xC2 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0x9F) return true;
        }
    }
    return false;
}

bool Is_Valid_Computer_Name(std::string_view name) {
    std::size_t characters = 0;
    for (unsigned char c : name)
        if ((c & 0xC0) != 0x80) ++characters;
    return characters >= 1 && characters <= 100 && name.find(' ') == std::string_view::npos &&
           !Has_Control_Characters(name);
}

namespace {
char Ascii_Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::size_t Wmi_Name_Hash::operator()(std::string_view name) const {
    std::size_t h = 14695981039346656037ull;
    for (char c : name) h = (h ^ static_cast<unsigned char>(Ascii_Lower(c))) * 1099511628211ull;
    return h;
}

bool Wmi_Name_Equal::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Ascii_Lower(a[i]) != Ascii_Lower(b[i])) return false;
    return true;
}

}  // namespace crv
