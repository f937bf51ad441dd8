#pragma once
// Property_Format_Rules: how a numeric WMI property is made readable, chosen
// by its CIM type and its exact (case-sensitive) name. One rule serves every
// class that has a property of that name and type.
#include <cstdint>
#include <span>
#include <string_view>

namespace crv {

enum class RuleKind {
    Decoder,        // param: decoder name
    Unit,           // param: literal appended to the plain value text
    Bytes,          // Format_Size of the value
    Kilobytes,      // Format_Size of the value * 1024
    Minutes,        // duration of the value in minutes
    Scaled,         // value / divisor, then param
    YesNo,          // non-zero "Yes", zero "No"
    WidthExponent,  // 8 * 2^value, then " bits"
    SignedMinutes,  // "+60 Minutes", "-300 Minutes"
    ByClass,        // MediaType: printer table for Win32_PrinterConfiguration
    RowWriter,      // param: array row writer name
};

struct FormatRule {
    int cim_type;
    int number;              // position within its type's group, from 1
    std::string_view names;  // the names it serves, joined by '|'
    RuleKind kind;
    std::string_view param;
    double divisor;
    bool list_only;          // skipped by the stored form
};

// The whole table, grouped by CIM type in the order 21, 19, 2, 3, 18, 17.
std::span<const FormatRule> Property_Format_Rules();

// The rule for a property of `cim_type` named `name`, or nullptr. With
// list_form false the list-only rules are passed over.
const FormatRule* Find_Format_Rule(int cim_type, std::string_view name, bool list_form);

}  // namespace crv
