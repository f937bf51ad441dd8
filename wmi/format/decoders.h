#pragma once
// The value decoders and array row writers, reached by name ("Get_DriveType_Text",
// "Get_ChassisTypes_Rows"), as the property format rules name them.
//
// A table decoder gives Decoded_Value_Text of its table's text, or of
// "Specific info not available" for a code the table does not hold. A value
// that is no whole number (a text, a real with a fraction, an embedded
// object) cannot be a code: it comes back as its plain text.
#include <cstdint>
#include <string>
#include <string_view>

#include "wmi/format/wmi_property.h"

namespace crv {

class ListModel;

// The scalar decoder `decoder` applied to the property's value (tables that
// depend on the declaring class read `origin`). An unknown decoder name gives
// the plain value text.
std::string Run_Decoder(std::string_view decoder, const WmiProperty& property);

// True when `decoder` names a scalar decoder / an array row writer.
bool Is_Decoder(std::string_view decoder);
bool Is_Row_Writer(std::string_view writer);

// The array row writer `writer`: one row per element at the end of `items`,
// keys key_prefix + U+000B + index; the first row carries `first_row_caption`
// and the small icon "Info", later rows no text and no icon (the SMART
// writer gives its later rows their byte names and "Info" too); indent 1;
// sub-item 1 holds the element's text. Returns the last element's text
// (decoding writers: the table text without the code), "" for no element.
// A single value where an array was expected is taken as a one-element array
// by Format_Array_Rows; the decoding writers, which the formatter does not
// send single values to, do the same.
std::string Run_Row_Writer(std::string_view writer, const WmiProperty& property, ListModel& items,
                           const std::string& key_prefix, const std::string& first_row_caption);

// The element text a decoding row writer shows for one element, without
// rows: "Supports Writing" for Capabilities 4. A unknown writer gives the
// element's plain text.
std::string Row_Element_Text(std::string_view writer, const WmiScalar& element);

// Tenths of a kelvin as Celsius: 3010 -> "27.85° C", 0 -> "-273.15° C".
std::string Kelvin_To_Celsius_Text(std::int32_t tenths_of_kelvin);

// The value as a whole number, when it is one: integers, integral reals and
// decimal digit texts (an optional sign, surrounding blanks allowed).
bool Value_As_Integer(const WmiScalar& value, std::int64_t& out);

}  // namespace crv
