#pragma once
// One WMI property as the formatters see it: portable, filled from a COM
// VARIANT by the Windows layer and by hand in tests.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace crv {

// CIM type codes, as IWbemClassObject reports them (without the array flag).
enum CimType : int {
    CIM_Sint8 = 16, CIM_Uint8 = 17, CIM_Sint16 = 2, CIM_Uint16 = 18,
    CIM_Sint32 = 3, CIM_Uint32 = 19, CIM_Sint64 = 20, CIM_Uint64 = 21,
    CIM_Real32 = 4, CIM_Real64 = 5, CIM_Boolean = 11, CIM_String = 8,
    CIM_Datetime = 101, CIM_Reference = 102, CIM_Char16 = 103, CIM_Object = 13,
};
inline constexpr int CIM_Flag_Array = 0x2000;

// An embedded object: its class name and its own properties' texts.
struct WmiEmbeddedObject {
    std::string class_name;
};

// A scalar value. Integers of every width are held as int64 in the form the
// scripting interface hands them over: an unsigned 32-bit value with its top
// bit set arrives negative; 64-bit integers, datetimes and references arrive
// as text.
using WmiScalar = std::variant<std::monostate, bool, std::int64_t, double, std::string, WmiEmbeddedObject>;

struct WmiProperty {
    std::string name;
    int cim_type = CIM_String;  // without CIM_Flag_Array
    bool is_array = false;
    WmiScalar value;                  // scalar properties
    std::vector<WmiScalar> elements;  // array properties (empty array: none)
    bool array_is_null = true;        // an array property with no value at all
    std::string origin;               // class that declares it; "" when unknown

    bool Is_Null() const {
        return is_array ? array_is_null : std::holds_alternative<std::monostate>(value);
    }
};

// The properties of one object in the order the provider returns them.
using WmiObject = std::vector<WmiProperty>;

}  // namespace crv
