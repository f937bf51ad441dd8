#include "wmi/format/code_tables.h"

#include <algorithm>
#include <vector>

namespace crv::code_tables {

const CodeEntry* Find_Code(CodeTable table, std::int64_t code) {
    // Entries ascend without overlap: the first entry whose high end reaches
    // the code is the only one that can hold it.
    auto it = std::lower_bound(table.begin(), table.end(), code,
                               [](const CodeEntry& e, std::int64_t c) { return e.high < c; });
    if (it == table.end() || it->low > code) return nullptr;
    return &*it;
}

std::span<const TableBinding> Registry() {
    static const std::vector<TableBinding> all = [] {
        std::vector<TableBinding> v;
        for (auto part : {Device_Resource_Tables(), Bus_Connector_Tables(), Storage_Memory_Tables(),
                          System_Chassis_Tables(), Processor_Video_Tables(), OS_System_Tables(),
                          Processor_Cache_Port_Tables(), Printer_Tables(), Network_Account_Tables()})
            v.insert(v.end(), part.begin(), part.end());
        return v;
    }();
    return all;
}

const TableBinding* Find_Binding(std::string_view decoder, std::string_view origin) {
    const TableBinding* fallback = nullptr;
    for (const TableBinding& b : Registry()) {
        if (b.decoder != decoder) continue;
        if (!b.origin.empty() && b.origin == origin) return &b;
        if (b.origin.empty() && !fallback) fallback = &b;
    }
    return fallback;
}

const BitMaskTable* Find_Bit_Mask(std::string_view decoder) {
    for (const BitMaskTable& m : Bit_Mask_Tables())
        if (m.decoder == decoder) return &m;
    return nullptr;
}

}  // namespace crv::code_tables
