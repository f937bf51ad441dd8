#pragma once
// Small helpers shared by the main window controller's topic files; not
// part of the window's interface.
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/common.h"

namespace crv::main_detail {

inline bool Starts_With(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

// Fields joined by the row-key separator (U+000B).
inline std::string Join(std::initializer_list<std::string_view> fields) {
    std::string out;
    bool first = true;
    for (auto f : fields) {
        if (!first) out += Row_Key_Separator;
        out += f;
        first = false;
    }
    return out;
}

// A feature key that names a WMI class listed property by property.
inline bool Is_Wmi_Class_Key(std::string_view key) {
    return Starts_With(key, "MSStorageDriver_") || Starts_With(key, "MSAcpi_") || Starts_With(key, "Win32_") ||
           Starts_With(key, "CIM_") || Starts_With(key, "SC_");
}

}  // namespace crv::main_detail
