#pragma once
// The code tables behind the value decoders, as data: each table is a list
// of (code, text) or (low, high, text) entries in ascending code order, and
// one registry names every table by the decoder that uses it (and, for the
// decoders that choose their table by the property's declaring class, by
// that class).
#include <cstdint>
#include <span>
#include <string_view>

namespace crv::code_tables {

struct CodeEntry {
    std::int64_t low;
    std::int64_t high;
    std::string_view text;
    constexpr CodeEntry(std::int64_t code, std::string_view text_) : low(code), high(code), text(text_) {}
    constexpr CodeEntry(std::int64_t low_, std::int64_t high_, std::string_view text_)
        : low(low_), high(high_), text(text_) {}
};

// Entries ascend and never overlap, so the first match is the only match
// and a lookup may bisect.
template <std::size_t N>
constexpr bool Codes_Ascend(const CodeEntry (&entries)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (entries[i].low > entries[i].high) return false;
        if (i > 0 && entries[i - 1].high >= entries[i].low) return false;
    }
    return true;
}

using CodeTable = std::span<const CodeEntry>;

// The entry holding `code`, or nullptr.
const CodeEntry* Find_Code(CodeTable table, std::int64_t code);

struct TableBinding {
    std::string_view decoder;  // "Get_DriveType_Text", "Get_ChassisTypes_Rows"
    std::string_view origin;   // declaring class that selects it; "" = any other
    std::string_view table;    // the table's own name; two bindings may share one
    CodeTable entries;
};

// Every table binding, in a fixed order (grouped by subject).
std::span<const TableBinding> Registry();

// The table `decoder` uses for a property declared by `origin`: the binding
// with that exact origin, else the one with origin "", else nullptr.
const TableBinding* Find_Binding(std::string_view decoder, std::string_view origin);

// Flag masks: each flag is one bit with its text.
struct BitFlag {
    std::uint32_t bit;
    std::string_view text;
};
template <std::size_t N>
constexpr bool Bits_Ascend(const BitFlag (&flags)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        const std::uint32_t b = flags[i].bit;
        if (b == 0 || (b & (b - 1)) != 0) return false;
        if (i > 0 && flags[i - 1].bit >= b) return false;
    }
    return true;
}
struct BitMaskTable {
    std::string_view decoder;
    int highest_position;  // bits 0..highest_position are examined
    std::span<const BitFlag> flags;
};
std::span<const BitMaskTable> Bit_Mask_Tables();
const BitMaskTable* Find_Bit_Mask(std::string_view decoder);

// Names of the SMART attribute bytes, by position in the VendorSpecific array.
std::span<const CodeEntry> Smart_Attribute_Names();

// The per-subject parts of the registry.
std::span<const TableBinding> Device_Resource_Tables();
std::span<const TableBinding> Bus_Connector_Tables();
std::span<const TableBinding> Storage_Memory_Tables();
std::span<const TableBinding> System_Chassis_Tables();
std::span<const TableBinding> Processor_Video_Tables();
std::span<const TableBinding> OS_System_Tables();
std::span<const TableBinding> Processor_Cache_Port_Tables();
std::span<const TableBinding> Printer_Tables();
std::span<const TableBinding> Network_Account_Tables();

}  // namespace crv::code_tables
