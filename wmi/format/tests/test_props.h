#pragma once
// Building WmiProperty values by hand for the formatter tests.
#include <initializer_list>
#include <string>

#include "wmi/format/wmi_property.h"

namespace crv::test {

inline WmiProperty Prop(int cim_type, std::string name, WmiScalar value, std::string origin = "") {
    WmiProperty p;
    p.name = std::move(name);
    p.cim_type = cim_type;
    p.value = std::move(value);
    p.origin = std::move(origin);
    return p;
}

inline WmiProperty Int(int cim_type, std::string name, std::int64_t value, std::string origin = "") {
    return Prop(cim_type, std::move(name), WmiScalar{value}, std::move(origin));
}

inline WmiProperty Array(int cim_type, std::string name, std::initializer_list<std::int64_t> values,
                         std::string origin = "") {
    WmiProperty p;
    p.name = std::move(name);
    p.cim_type = cim_type;
    p.is_array = true;
    p.array_is_null = false;
    for (auto v : values) p.elements.emplace_back(v);
    p.origin = std::move(origin);
    return p;
}

}  // namespace crv::test
