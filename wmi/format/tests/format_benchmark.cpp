// Formats one million mixed property values (list and stored form, scalars
// and small arrays) and prints how many values per second that is.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/model/list_model.h"
#include "wmi/format/formatter.h"

using namespace crv;

namespace {

WmiProperty Scalar(int type, const char* name, WmiScalar value, const char* origin = "") {
    WmiProperty p;
    p.name = name;
    p.cim_type = type;
    p.value = std::move(value);
    p.origin = origin;
    return p;
}

WmiProperty Arr(int type, const char* name, std::vector<std::int64_t> values) {
    WmiProperty p;
    p.name = name;
    p.cim_type = type;
    p.is_array = true;
    p.array_is_null = false;
    for (auto v : values) p.elements.emplace_back(v);
    return p;
}

}  // namespace

int main() {
    const std::vector<WmiProperty> mix = {
        Scalar(CIM_String, "Caption", std::string("Microsoft Windows 10 Pro")),
        Scalar(CIM_String, "Description", std::string("O'Brien's computer")),
        Scalar(CIM_Uint64, "Size", std::string("512110190592")),
        Scalar(CIM_Uint64, "FreePhysicalMemory", std::string("4194304")),
        Scalar(CIM_Uint32, "DriveType", std::int64_t{3}),
        Scalar(CIM_Uint32, "MaxClockSpeed", std::int64_t{2400}),
        Scalar(CIM_Uint32, "AdapterRAM", std::int64_t{-1048576}),
        Scalar(CIM_Uint32, "CurrentTemperature", std::int64_t{3010}),
        Scalar(CIM_Uint32, "AccessMask", std::int64_t{2032127}),
        Scalar(CIM_Uint32, "Type", std::int64_t{-2147483645}, "Win32_Share"),
        Scalar(CIM_Uint16, "Availability", std::int64_t{3}, "Win32_Processor"),
        Scalar(CIM_Uint16, "Family", std::int64_t{179}),
        Scalar(CIM_Uint16, "Architecture", std::int64_t{9}),
        Scalar(CIM_Sint16, "CurrentTimeZone", std::int64_t{-300}),
        Scalar(CIM_Sint32, "Bias", std::int64_t{60}),
        Scalar(CIM_Boolean, "Primary", true),
        Scalar(CIM_Datetime, "InstallDate", std::string("20230415123005.000000+060")),
        Scalar(CIM_Real64, "Ratio", 0.125),
        Scalar(CIM_Uint8, "QuantumType", std::int64_t{2}),
        Arr(CIM_Uint16, "ChassisTypes", {3}),
        Arr(CIM_Uint16, "Capabilities", {3, 4}),
        Arr(CIM_Uint32, "ActiveTripPoint", {3532, 3432}),
    };

    constexpr int kValues = 1000000;
    std::size_t checksum = 0;
    ListModel list;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kValues; ++i) {
        const WmiProperty& p = mix[static_cast<std::size_t>(i) % mix.size()];
        if (i % 2 == 0) {
            const std::string prefix = "K\x0B" + std::to_string(i);
            checksum += Format_Property_Value(p, list, prefix, "    Caption", "Win32_Foo").size();
        } else {
            checksum += Format_Property_Value_For_DB(p, "", "", "Win32_Foo").size();
        }
        // Keep the list the size of one listing, as a collector would.
        if (list.Item_Count() > 256) list.Clear_Items();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d values in %.3f s: %.0f values per second (checksum %zu)\n", kValues, seconds,
                kValues / seconds, checksum);
    return 0;
}
