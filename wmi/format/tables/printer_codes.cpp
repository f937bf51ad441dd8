// Code tables: Printers and printer configurations.
// Each table is walked by value; texts are display texts, kept exactly.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr CodeEntry kPrinterStatus[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Idle"},
    {4, "Printing"},
    {5, "Warmup"},
    {6, "Stopped Printing"},
    {7, "Offline"},
    {8, "Paused"},
    {9, "Error"},
    {10, "Busy"},
    {11, "Not Available"},
    {12, "Waiting"},
    {13, "Processing"},
    {14, "Initialization"},
    {15, "Power Save"},
    {16, "Pending Deletion"},
    {17, "I/O Active"},
    {18, "Manual Feed"},
};
static_assert(Codes_Ascend(kPrinterStatus));

constexpr CodeEntry kExtendedDetectedErrorState[] = {
    {0, "Unknown"},
    {1, "Other"},
    {2, "No Error"},
    {3, "Low Paper"},
    {4, "No Paper"},
    {5, "Low Toner"},
    {6, "No Toner"},
    {7, "Door Open"},
    {8, "Jammed"},
    {9, "Service Requested"},
    {10, "Output Bin Full"},
    {11, "Paper Problem"},
    {12, "Cannot Print Page"},
    {13, "User Intervention Required"},
    {14, "Out of Memory"},
    {15, "Server Unknown"},
};
static_assert(Codes_Ascend(kExtendedDetectedErrorState));

constexpr CodeEntry kColor[] = {
    {1, "Monochrome"},
    {2, "Color"},
};
static_assert(Codes_Ascend(kColor));

constexpr CodeEntry kPrinter_MediaType[] = {
    {1, "Standard"},
    {2, "Transparency"},
    {3, "Glossy"},
};
static_assert(Codes_Ascend(kPrinter_MediaType));

constexpr CodeEntry kICMIntent[] = {
    {1, "Saturation"},
    {2, "Contrast"},
    {3, "Exact Color"},
};
static_assert(Codes_Ascend(kICMIntent));

constexpr CodeEntry kICMMethod[] = {
    {1, "Disabled"},
    {2, "Windows"},
    {3, "Device Driver"},
    {4, "Device"},
};
static_assert(Codes_Ascend(kICMMethod));

constexpr CodeEntry kOrientation[] = {
    {1, "Portrait"},
    {2, "Landscape"},
};
static_assert(Codes_Ascend(kOrientation));

}  // namespace

std::span<const TableBinding> Printer_Tables() {
    static constexpr TableBinding bindings[] = {
        {"Get_PrinterStatus_Text", "", "PrinterStatus", kPrinterStatus},
        {"Get_ExtendedDetectedErrorState_Text", "", "ExtendedDetectedErrorState", kExtendedDetectedErrorState},
        {"Get_Color_Text", "", "Color", kColor},
        {"Get_Printer_MediaType_Text", "", "Printer_MediaType", kPrinter_MediaType},
        {"Get_ICMIntent_Text", "", "ICMIntent", kICMIntent},
        {"Get_ICMMethod_Text", "", "ICMMethod", kICMMethod},
        {"Get_Orientation_Text", "", "Orientation", kOrientation},
    };
    return bindings;
}

}  // namespace crv::code_tables
