#include "wmi/ip_address.h"

#include <array>
#include <vector>

namespace crv {
namespace {

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) break;
        pieces.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string_view Trim_Blanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool Is_Hex_Digit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

}  // namespace

std::int16_t Count_Separators(std::string_view text, std::string_view separator) {
    return static_cast<std::int16_t>(static_cast<int>(Split(text, separator).size()) - 1);
}

std::string Expand_IPv6_Address(std::string_view input) {
    std::string text(Trim_Blanks(input));
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);

    std::array<std::string, 8> groups;
    int compressions = Count_Separators(text, "::");
    if (compressions > 1) return {};
    if (compressions == 1) {
        groups.fill("0");
        auto sides = Split(text, "::");
        std::vector<std::string> left = sides[0].empty() ? std::vector<std::string>{} : Split(sides[0], ":");
        std::vector<std::string> right = sides[1].empty() ? std::vector<std::string>{} : Split(sides[1], ":");
        if (left.size() > 8 || right.size() > 8) return {};
        for (std::size_t i = 0; i < left.size(); ++i) groups[i] = left[i];
        std::size_t offset = 8 - right.size();
        for (std::size_t i = 0; i < right.size(); ++i) groups[offset + i] = right[i];
    } else {
        if (Count_Separators(text, ":") != 7) return {};
        auto pieces = Split(text, ":");
        for (std::size_t i = 0; i < 8; ++i) groups[i] = pieces[i];
    }
    std::string result;
    for (std::size_t i = 0; i < 8; ++i) {
        const std::string& g = groups[i];
        for (char c : g)
            if (!Is_Hex_Digit(c)) return {};
        if (g.size() > 4) return {};
        if (i) result += ':';
        result.append(4 - g.size(), '0');
        result += g;
    }
    return result;
}

bool Is_IPv6_Address(std::string_view text) { return !Expand_IPv6_Address(text).empty(); }

bool Is_IPv4_Address(std::string_view text) {
    auto pieces = Split(text, ".");
    if (pieces.size() != 4) return false;
    for (const auto& piece : pieces) {
        if (piece.empty()) return false;
        int value = 0;
        for (char c : piece) {
            if (c < '0' || c > '9') return false;
            value = value * 10 + (c - '0');
            if (value > 255) return false;
        }
    }
    return true;
}

bool Is_Valid_IP_Address(std::string_view text) {
    bool v6 = Is_IPv6_Address(text);
    bool v4 = Is_IPv4_Address(text);
    return v6 || v4;
}

}  // namespace crv
