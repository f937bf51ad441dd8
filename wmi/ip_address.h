#pragma once
// Tells an IP address text from a computer name, without any network look-up:
// IPv4 dotted quads and IPv6 texts in full or "::"-compressed form.
#include <cstdint>
#include <string>
#include <string_view>

namespace crv {

// Pieces minus one of splitting text at every non-overlapping occurrence of
// separator (binary comparison); -1 for an empty text.
std::int16_t Count_Separators(std::string_view text, std::string_view separator);

// Eight groups of four lower-case hex digits joined with ":", or "" when the
// text is not an IPv6 address (also for a group longer than four digits and
// for a side of "::" with more than eight groups).
std::string Expand_IPv6_Address(std::string_view text);

bool Is_IPv6_Address(std::string_view text);
bool Is_IPv4_Address(std::string_view text);
// Either form; both tests run, the IPv6 test first.
bool Is_Valid_IP_Address(std::string_view text);

}  // namespace crv
