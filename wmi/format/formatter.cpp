#include "wmi/format/formatter.h"

#include <charconv>
#include <cmath>

#include "core/common.h"
#include "ui/model/list_model.h"
#include "wmi/format/decoders.h"
#include "wmi/format/format_rules.h"

namespace crv {

std::string Decoded_Value_Text(std::string_view table_text, std::int64_t code) {
    std::string text(table_text);
    text += " (";
    text += std::to_string(code);
    text += ')';
    return text;
}

std::string Plain_Value_Text(const WmiScalar& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(double d) const { return Shortest_Number_Text(d); }
        std::string operator()(const std::string& s) const { return s; }
        std::string operator()(const WmiEmbeddedObject& o) const {
            return o.class_name.empty() ? std::string("Embedded object") : o.class_name;
        }
    };
    return std::visit(Visitor{}, value);
}

namespace {

constexpr std::string_view kPrinterConfiguration = "Win32_PrinterConfiguration";

// An unsigned 32-bit quantity arrives as a signed number; a size or a time
// of 2^31 or more is shown as what it is, not as its negative form.
WmiScalar Quantity(const WmiProperty& p) {
    if (p.cim_type == CIM_Uint32) {
        if (const auto* i = std::get_if<std::int64_t>(&p.value); i && *i < 0 && *i >= -(std::int64_t{1} << 31))
            return std::int64_t{*i + (std::int64_t{1} << 32)};
    }
    return p.value;
}

bool As_Number(const WmiScalar& v, double& out) {
    if (const auto* i = std::get_if<std::int64_t>(&v)) {
        out = static_cast<double>(*i);
        return true;
    }
    if (const auto* d = std::get_if<double>(&v)) {
        out = *d;
        return std::isfinite(*d);
    }
    if (const auto* s = std::get_if<std::string>(&v)) {
        std::string_view t = *s;
        while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
        while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
        if (!t.empty() && t.front() == '+') t.remove_prefix(1);
        if (t.empty()) return false;
        auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
        return ec == std::errc() && p == t.data() + t.size() && std::isfinite(out);
    }
    return false;
}

// Durations of a day or more keep counting hours, as there is no day unit.
std::string Minutes_Text(double minutes) {
    const double seconds = minutes * 60.0;
    if (seconds < 86400.0) return Format_Duration(seconds);
    const double total = std::nearbyint(seconds);
    const double h = std::floor(total / 3600.0);
    const double t = total - 3600.0 * h;
    const double m = std::floor(t / 60.0);
    const double r = t - 60.0 * m;
    return Shortest_Number_Text(h) + " hours, " + Shortest_Number_Text(m) + " mins, " + Shortest_Number_Text(r) +
           " secs";
}

std::string Apply_Rule(const FormatRule& rule, const WmiProperty& p, const std::string& class_name,
                       bool list_form) {
    switch (rule.kind) {
        case RuleKind::Decoder:
            return Run_Decoder(rule.param, p);
        case RuleKind::ByClass:
            return Run_Decoder(class_name == kPrinterConfiguration ? "Get_Printer_MediaType_Text"
                                                                     : "Get_MediaType_Text",
                               p);
        case RuleKind::RowWriter: {
            // A single value has no elements to write rows for: it reads as
            // the element text a row would show, in the decoded form.
            std::int64_t code = 0;
            if (!Value_As_Integer(p.value, code)) return Plain_Value_Text(p.value);
            return Decoded_Value_Text(Row_Element_Text(rule.param, p.value), code);
        }
        case RuleKind::Unit:
            return Plain_Value_Text(Quantity(p)) + std::string(rule.param);
        case RuleKind::Bytes:
        case RuleKind::Kilobytes: {
            double n = 0;
            if (!As_Number(Quantity(p), n)) return Plain_Value_Text(p.value);
            if (rule.kind == RuleKind::Kilobytes) n *= 1024.0;
            return Format_Size(n, list_form);
        }
        case RuleKind::Minutes: {
            double n = 0;
            if (!As_Number(Quantity(p), n)) return Plain_Value_Text(p.value);
            return Minutes_Text(n);
        }
        case RuleKind::Scaled: {
            double n = 0;
            if (!As_Number(Quantity(p), n)) return Plain_Value_Text(p.value);
            return Shortest_Number_Text(n / rule.divisor) + std::string(rule.param);
        }
        case RuleKind::YesNo: {
            double n = 0;
            if (!As_Number(p.value, n)) return Plain_Value_Text(p.value);
            return n != 0 ? "Yes" : "No";
        }
        case RuleKind::WidthExponent: {
            double n = 0;
            if (!As_Number(p.value, n)) return Plain_Value_Text(p.value);
            const double bits = std::pow(2.0, n) * 8.0;
            if (!std::isfinite(bits)) return Plain_Value_Text(p.value);
            return Shortest_Number_Text(bits) + " bits";
        }
        case RuleKind::SignedMinutes: {
            const std::string v = Plain_Value_Text(p.value);
            // A negative offset already carries its sign.
            std::string text = (v.empty() || v.front() != '-') ? "+" : "";
            text += v;
            text += " Minutes";
            return text;
        }
    }
    return Plain_Value_Text(p.value);
}

std::string Format_Single(const WmiProperty& p, const std::string& class_name, bool list_form) {
    if (std::holds_alternative<std::monostate>(p.value)) return {};
    switch (p.cim_type) {
        case CIM_Boolean: {
            if (const auto* b = std::get_if<bool>(&p.value)) return *b ? "Yes" : "No";
            if (const auto* i = std::get_if<std::int64_t>(&p.value)) return *i != 0 ? "Yes" : "No";
            return Plain_Value_Text(p.value) == "True" ? "Yes" : "No";
        }
        case CIM_String:
            return Plain_Value_Text(p.value);
        case CIM_Datetime:
            if (const auto* s = std::get_if<std::string>(&p.value)) return Format_WMI_Date(*s);
            return Plain_Value_Text(p.value);
        case CIM_Uint64:
        case CIM_Uint32:
        case CIM_Sint16:
        case CIM_Sint32:
        case CIM_Uint16:
        case CIM_Uint8: {
            if (const FormatRule* rule = Find_Format_Rule(p.cim_type, p.name, list_form))
                return Apply_Rule(*rule, p, class_name, list_form);
            return Plain_Value_Text(p.value);
        }
        default:
            return Plain_Value_Text(p.value);
    }
}

std::string_view Array_Writer(const WmiProperty& p) {
    switch (p.cim_type) {
        case CIM_Uint8:
            if (p.name == "VendorSpecific") return "Get_SMART_Attribute_Rows";
            break;
        case CIM_Uint16:
            if (p.name == "Capabilities") return "Get_Capabilities_Rows";
            if (p.name == "PowerManagementCapabilities") return "Get_PowerManagementCapabilities_Rows";
            if (p.name == "BiosCharacteristics") return "Get_BiosCharacteristics_Rows";
            if (p.name == "ConnectorType") return "Get_ConnectorType_Rows";
            if (p.name == "VccMixedVoltageSupport" || p.name == "VppMixedVoltageSupport")
                return "Get_MixedVoltageSupport_Rows";
            if (p.name == "SupportedSRAM" || p.name == "CurrentSRAM") return "Get_SRAM_Type_Rows";
            if (p.name == "ChassisTypes") return "Get_ChassisTypes_Rows";
            if (p.name == "ServicePhilosophy") return "Get_ServicePhilosophy_Rows";
            break;
        case CIM_Uint32:
            if (p.name == "ActiveTripPoint") return "Get_ActiveTripPoint_Rows";
            break;
        default:
            break;
    }
    return "Format_Array_Rows";
}

// Cuts to at most `limit` characters, never inside a UTF-8 sequence.
void Cut_To_Characters(std::string& text, std::size_t limit) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
        if (chars == limit) {
            text.resize(i);
            return;
        }
        ++chars;
    }
}

}  // namespace

std::string Format_Property_Value(const WmiProperty& property, ListModel& items, const std::string& key_prefix,
                                  const std::string& first_row_caption, const std::string& class_name) {
    if (property.is_array) {
        if (property.array_is_null) return {};
        if (property.cim_type == CIM_Uint8 && property.name == "OEMLogoBitmap") return "BITMAP IMAGE";
        if (property.cim_type == CIM_Uint16 && property.name == "PaperSizesSupported") return {};
        return Run_Row_Writer(Array_Writer(property), property, items, key_prefix, first_row_caption);
    }
    return Format_Single(property, class_name, true);
}

std::string Format_Property_Value_For_Cell(const WmiProperty& property, const std::string& class_name) {
    if (property.is_array) return {};
    std::string text = Format_Single(property, class_name, false);
    Cut_To_Characters(text, 255);
    return text;
}

std::string Format_Property_Value_For_DB(const WmiProperty& property, const std::string&, const std::string&,
                                         const std::string& class_name) {
    // Cut first, then double: a doubled quote is never split by the limit.
    std::string text = Format_Property_Value_For_Cell(property, class_name);
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        // A NUL would end the statement text inside the value.
        if (c == '\0') continue;
        out += c;
        if (c == '\'') out += '\'';
    }
    return out;
}

}  // namespace crv
