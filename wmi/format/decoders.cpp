#include "wmi/format/decoders.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <vector>

#include "core/common.h"
#include "ui/model/list_helpers.h"
#include "wmi/format/code_tables.h"
#include "wmi/format/formatter.h"

namespace crv {

using code_tables::CodeEntry;
using code_tables::TableBinding;

bool Value_As_Integer(const WmiScalar& value, std::int64_t& out) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        out = *i;
        return true;
    }
    if (const auto* d = std::get_if<double>(&value)) {
        // Only whole reals inside the 64-bit range (NaN fails both tests).
        if (!(std::trunc(*d) == *d) || !(*d >= -9.2e18 && *d <= 9.2e18)) return false;
        out = static_cast<std::int64_t>(*d);
        return true;
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        std::string_view t = *s;
        while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
        while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
        if (!t.empty() && t.front() == '+') t.remove_prefix(1);
        if (t.empty()) return false;
        std::int64_t v = 0;
        auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (ec != std::errc() || p != t.data() + t.size()) return false;
        out = v;
        return true;
    }
    return false;
}

std::string Kelvin_To_Celsius_Text(std::int32_t tenths_of_kelvin) {
    const double celsius = static_cast<double>(tenths_of_kelvin) / 10.0 - 273.15;
    // General form with 15 significant digits: the difference's binary noise
    // (27.850000000000023) stays below the last digit shown.
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, celsius, std::chars_format::general, 15);
    std::string text(buf, ec == std::errc() ? p : buf);
    if (text == "-0") text = "0";
    return text + "\xC2\xB0 C";
}

namespace {

std::string Code_Text(std::int64_t code) { return std::to_string(code); }

// ---- scalar decoders -------------------------------------------------------

enum class DecoderKind { Table, BitMask, PrinterAttributes, Interleave, Charge, PrinterState, Temperature };

struct DecoderInfo {
    DecoderKind kind = DecoderKind::Table;
    std::vector<const TableBinding*> bindings;  // Table: by origin, "" last
    const code_tables::BitMaskTable* mask = nullptr;
};

const TableBinding* Pick_Binding(const DecoderInfo& info, std::string_view origin) {
    const TableBinding* fallback = nullptr;
    for (const TableBinding* b : info.bindings) {
        if (!b->origin.empty()) {
            if (b->origin == origin) return b;
        } else if (!fallback) {
            fallback = b;
        }
    }
    return fallback;
}

const std::unordered_map<std::string_view, DecoderInfo>& Decoders() {
    static const std::unordered_map<std::string_view, DecoderInfo> map = [] {
        std::unordered_map<std::string_view, DecoderInfo> m;
        for (const TableBinding& b : code_tables::Registry()) {
            if (b.decoder.ends_with("_Rows")) continue;
            m[b.decoder].bindings.push_back(&b);
        }
        for (const auto& mask : code_tables::Bit_Mask_Tables()) {
            DecoderInfo& d = m[mask.decoder];
            d.kind = mask.decoder == "Get_Printer_Attributes_Text" ? DecoderKind::PrinterAttributes
                                                                     : DecoderKind::BitMask;
            d.mask = &mask;
        }
        m["Get_InterleavePosition_Text"].kind = DecoderKind::Interleave;
        m["Get_ChargeRemaining_Text"].kind = DecoderKind::Charge;
        m["Get_PrinterState_Text"].kind = DecoderKind::PrinterState;
        m["Get_Temperature_Text"].kind = DecoderKind::Temperature;
        return m;
    }();
    return map;
}

std::string Table_Text(const TableBinding* binding, std::int64_t code) {
    const CodeEntry* e = binding ? code_tables::Find_Code(binding->entries, code) : nullptr;
    return Decoded_Value_Text(e ? e->text : No_Specific_Info, code);
}

// The flags of a 2.119-style mask: fixed run of positions, texts carry their
// own separator.
std::string Mask_Text(const code_tables::BitMaskTable& mask, std::int64_t value, bool cut_separator) {
    std::string text;
    const auto v32 = static_cast<std::uint32_t>(value);
    for (int n = 0; n <= mask.highest_position; ++n) {
        const std::uint32_t bit = v32 & (std::uint32_t{1} << n);
        if (bit == 0) continue;
        for (const auto& f : mask.flags)
            if (f.bit == bit) text += f.text;
    }
    if (cut_separator && text.size() >= 2) text.resize(text.size() - 2);
    return text + " (" + Code_Text(value) + ")";
}

std::string Printer_Attributes_Text(const code_tables::BitMaskTable& mask, std::int64_t value) {
    std::string text;
    for (const auto& f : mask.flags) {
        if ((static_cast<std::uint64_t>(value) & f.bit) == 0) continue;
        if (!text.empty()) text += ", ";
        text += f.text;
    }
    // No named bit set: read like any other code without a text.
    if (text.empty()) text = No_Specific_Info;
    return text + " (" + Code_Text(value) + ")";
}

}  // namespace

bool Is_Decoder(std::string_view decoder) { return Decoders().count(decoder) != 0; }

std::string Run_Decoder(std::string_view decoder, const WmiProperty& property) {
    const auto& map = Decoders();
    auto it = map.find(decoder);
    std::int64_t code = 0;
    if (it == map.end() || !Value_As_Integer(property.value, code)) return Plain_Value_Text(property.value);
    const DecoderInfo& info = it->second;
    switch (info.kind) {
        case DecoderKind::Table: {
            const TableBinding* b = Pick_Binding(info, property.origin);
            // A class-chosen decoder with no table for this class shows the bare value.
            if (!b) return Code_Text(code);
            return Table_Text(b, code);
        }
        case DecoderKind::BitMask:
            return Mask_Text(*info.mask, code, decoder != "Get_OSProductSuite_Text");
        case DecoderKind::PrinterAttributes:
            return Printer_Attributes_Text(*info.mask, code);
        case DecoderKind::Interleave:
            return (code == 0 ? std::string("Non-interleaved") : "Position - " + Code_Text(code)) + " (" +
                   Code_Text(code) + ")";
        case DecoderKind::Charge:
            return Code_Text(code) + " %";
        case DecoderKind::PrinterState:
            return Code_Text(code) + " (Obsolete Value)";
        case DecoderKind::Temperature: {
            const auto t = static_cast<std::int32_t>(static_cast<std::uint32_t>(code));
            return Kelvin_To_Celsius_Text(t) + " (" + Code_Text(t) + ")";
        }
    }
    return Plain_Value_Text(property.value);
}

// ---- array row writers -----------------------------------------------------

namespace {

enum class WriterKind { Plain, Table, ActiveTripPoint, Smart };

struct WriterInfo {
    WriterKind kind = WriterKind::Plain;
    const TableBinding* binding = nullptr;
};

const std::unordered_map<std::string_view, WriterInfo>& Writers() {
    static const std::unordered_map<std::string_view, WriterInfo> map = [] {
        std::unordered_map<std::string_view, WriterInfo> m;
        for (const TableBinding& b : code_tables::Registry())
            if (b.decoder.ends_with("_Rows")) m[b.decoder] = {WriterKind::Table, &b};
        m["Format_Array_Rows"] = {WriterKind::Plain, nullptr};
        m["Get_ActiveTripPoint_Rows"] = {WriterKind::ActiveTripPoint, nullptr};
        m["Get_SMART_Attribute_Rows"] = {WriterKind::Smart, nullptr};
        return m;
    }();
    return map;
}

// Element text without the code, and whether the cell shows the code after it.
std::string Element_Text(const WriterInfo& w, const WmiScalar& element, bool& with_code, std::int64_t& code) {
    with_code = false;
    if (w.kind == WriterKind::Plain || !Value_As_Integer(element, code)) return Plain_Value_Text(element);
    with_code = true;
    switch (w.kind) {
        case WriterKind::Table: {
            const CodeEntry* e = code_tables::Find_Code(w.binding->entries, code);
            return std::string(e ? e->text : No_Specific_Info);
        }
        case WriterKind::ActiveTripPoint: {
            const auto t = static_cast<std::int32_t>(static_cast<std::uint32_t>(code));
            code = t;
            if (t == 0) return "0";
            if (t > 0) return Kelvin_To_Celsius_Text(t);
            return std::string(No_Specific_Info);
        }
        case WriterKind::Smart:
        case WriterKind::Plain:
            break;
    }
    return Code_Text(code);
}

std::string_view Smart_Name(std::int64_t index) {
    const CodeEntry* e = code_tables::Find_Code(code_tables::Smart_Attribute_Names(), index);
    return e ? e->text : std::string_view();
}

}  // namespace

bool Is_Row_Writer(std::string_view writer) { return Writers().count(writer) != 0; }

std::string Row_Element_Text(std::string_view writer, const WmiScalar& element) {
    const auto& map = Writers();
    auto it = map.find(writer);
    if (it == map.end()) return Plain_Value_Text(element);
    bool with_code = false;
    std::int64_t code = 0;
    return Element_Text(it->second, element, with_code, code);
}

std::string Run_Row_Writer(std::string_view writer, const WmiProperty& property, ListModel& items,
                           const std::string& key_prefix, const std::string& first_row_caption) {
    const auto& map = Writers();
    auto it = map.find(writer);
    const WriterInfo w = it == map.end() ? WriterInfo{} : it->second;

    // A single value where an array was expected is a one-element array.
    const WmiScalar* single = nullptr;
    std::size_t count = 0;
    if (property.is_array) {
        if (property.array_is_null) return "";
        count = property.elements.size();
    } else {
        if (std::holds_alternative<std::monostate>(property.value)) return "";
        single = &property.value;
        count = 1;
    }

    std::string last;
    for (std::size_t i = 0; i < count; ++i) {
        const WmiScalar& element = single ? *single : property.elements[i];
        bool with_code = false;
        std::int64_t code = 0;
        std::string text = Element_Text(w, element, with_code, code);
        std::string cell;
        if (w.kind == WriterKind::Smart && with_code) {
            cell = text + " (" + text + ")";
        } else {
            cell = with_code ? text + " (" + Code_Text(code) + ")" : text;
        }

        std::string key = key_prefix;
        key += Row_Key_Separator;
        key += std::to_string(i);
        ListItem* row = nullptr;
        if (i == 0) {
            row = Add_ListItem_Indented(items, 0, std::move(key), first_row_caption, "", "Info", 1);
        } else if (w.kind == WriterKind::Smart) {
            std::string caption = "    ";
            caption += Smart_Name(static_cast<std::int64_t>(i));
            row = Add_ListItem_Indented(items, 0, std::move(key), std::move(caption), "", "Info", 1);
        } else {
            row = Add_ListItem_Indented(items, 0, std::move(key), "", "", "", 1);
        }
        // A key already in the list leaves its pending error for the caller;
        // the other elements still get their rows.
        if (row) row->Set_Sub_Item(1, std::move(cell));
        last = std::move(text);
    }
    return last;
}

}  // namespace crv
