#pragma once
// Small shared routines: WMI dates, byte counts and durations as text,
// captions from property names, the keyless credential scrambling, the
// version text, check counters, the mask setter and packed-key fields.
// Everything here is locale-free U.S. English and keeps no state.
//
// The routines that need Windows (local computer name, system directory,
// OS version code) live in platform/win/system.h.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/version.h"

namespace crv {

// Joins the fields of packed keys and tags (row keys, node tags, list tags).
inline constexpr char Row_Key_Separator_Char = '\x0B';
inline constexpr std::string_view Row_Key_Separator = "\x0B";

inline constexpr std::int32_t Version_Major = CRV_VERSION_MAJOR;
inline constexpr std::int32_t Version_Minor = CRV_VERSION_MINOR;
inline constexpr std::int32_t Version_Revision = CRV_VERSION_REVISION;

// "yyyymmddHHMMSS.mmmmmm+UUU" -> "MM/DD/YYYY HH:MM:SS"; empty gives empty.
// A text whose first 14 characters are not digits (or the "*" of an unset
// field) is no WMI date and comes back unchanged.
std::string Format_WMI_Date(std::string_view wmi_date);

// "512 bytes", "1.50 KB", "2.00 MB", "5120.00 GB"; with append_bytes the
// plain count follows directly: "1.50 KB(1536 bytes)".
std::string Format_Size(double bytes, bool append_bytes);

// "NumberOfCores" -> "Number Of Cores", "PNPDeviceID" -> "PNP Device ID".
std::string Make_Display_Name(std::string_view property_name);

// "45 secs", "1 mins, 1 secs", "1 hours, 0 mins, 0 secs"; a day or more
// gives the empty text.
std::string Format_Duration(double seconds);

// XORs each UTF-16 code unit with (position mod 32), positions from 1.
// Its own inverse; the result has the same number of code units.
std::string Scramble_Text(std::string_view text);

// True when the array has at least one element (upper bound >= 0).
template <class Array>
bool Is_Array_Dimensioned(const Array& values) {
    return !values.empty();
}
bool Is_String_Array_Dimensioned(const std::vector<std::string>& values);

// on: value OR mask; off: value AND ((2^31 - 1) XOR mask), which also
// clears bit 31.
std::int32_t Set_Mask_Bit(std::int32_t value, std::int32_t mask, bool on);

// Field n (from 0) of a text packed with Row_Key_Separator; "" past the last
// field and for an empty text.
std::string Get_Field(std::string_view text, std::int32_t n);

// "Version: 4.0 Build:4004".
std::string Get_Version_Text();

// The OS version code for a platform id and major/minor version (1400,
// 2501, 2601, ...; 0 when not listed). Get_OS_Version_Code (platform/win)
// feeds it from the running system.
std::int32_t OS_Version_Code(std::uint32_t platform_id, std::uint32_t major, std::uint32_t minor);

// Numbers read from text saturate instead of wrapping: a value past the
// 64-bit range reads as INT64_MAX or INT64_MIN.
// An optional sign and the decimal digits that follow it, from the start of
// the text; `used` is the number of characters read (0 when there is no
// digit, and then the result is 0).
std::int64_t Parse_Leading_Int64(std::string_view text, std::size_t& used);
// A double as a 64-bit integer, truncated toward zero and clamped to the
// range; NaN gives 0.
std::int64_t Clamp_To_Int64(double value);
std::int32_t Clamp_To_Int32(std::int64_t value);

// Locale-free number texts shared by the formatters.
// Shortest decimal text that reads back as the same double ("512", "59.5").
std::string Shortest_Number_Text(double value);
// Fixed number of decimals, halves rounded away from zero, no separators.
std::string Fixed_Number_Text(double value, int decimals);

}  // namespace crv
