#pragma once
// WMI property values as text: the list form that the property lists show
// (and that writes array properties as one row per element), and the stored
// form that the tabular report builder puts into SQL.
//
// Both are portable and keep no state. Neither raises nor reports an error:
// whatever shape a value arrives in (an array where a single value was
// expected or the reverse, an embedded object, text where a number was
// expected), it comes back as a text, so one odd property never ends a
// listing.
#include <cstdint>
#include <string>
#include <string_view>

#include "wmi/format/wmi_property.h"

namespace crv {

class ListModel;

// The list form. For an array property the rows go to the end of `items`
// (keys `key_prefix` + U+000B + index, the first row captioned
// `first_row_caption` with the small icon "Info", indent 1, the element's
// text in sub-item 1) and the result is the last element's text. For a
// single value `items` receives no rows except through the "Capabilities"
// rule. `class_name` is the WMI class the caller lists (its feature key) or
// ""; only "MediaType" looks at it.
std::string Format_Property_Value(const WmiProperty& property, ListModel& items,
                                  const std::string& key_prefix,
                                  const std::string& first_row_caption,
                                  const std::string& class_name);

// The stored form: never writes rows, "" for arrays and null values, every
// single quote doubled, at most 255 characters. The cut falls on whole
// characters (UTF-8) and is made before the quotes are doubled, so a doubled
// pair is never split and the result can always stand between single quotes
// in an SQL statement (it may then exceed 255 characters by the number of
// quotes it kept). The two middle texts are accepted and ignored.
std::string Format_Property_Value_For_DB(const WmiProperty& property, const std::string& unused_key_prefix,
                                         const std::string& unused_caption, const std::string& class_name);

// The stored form before quoting: what Format_Property_Value_For_DB gives
// with its quotes still single ("" for arrays and null values, at most 255
// characters). For callers that cut a joined text to a budget of their own
// and quote it afterwards.
std::string Format_Property_Value_For_Cell(const WmiProperty& property, const std::string& class_name);

// The form of every decoded value: table text, a blank and the code in
// parentheses: "Local Disk (3)", "Undefined (-1)".
std::string Decoded_Value_Text(std::string_view table_text, std::int64_t code);

// The text of a code that a table does not hold.
inline constexpr std::string_view No_Specific_Info = "Specific info not available";

// The plain text of a scalar value: integers in decimal, texts unchanged,
// reals in their shortest form, booleans "True"/"False", an embedded object
// as its class name ("Embedded object" when it has none), null as "".
std::string Plain_Value_Text(const WmiScalar& value);

}  // namespace crv
