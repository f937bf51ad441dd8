// Code tables: BIOS features, computer system, chassis, batteries and software packages.
// Each table is walked by value; texts are display texts, kept exactly.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr CodeEntry kBiosCharacteristics[] = {
    {0, "Reserved"},
    {1, "Reserved"},
    {2, "Unknown"},
    {3, "BIOS Characteristics Not Supported"},
    {4, "ISA is supported"},
    {5, "MCA is supported"},
    {6, "EISA is supported"},
    {7, "PCI is supported"},
    {8, "PC Card (PCMCIA) is supported"},
    {9, "Plug and Play is supported"},
    {10, "APM is supported"},
    {11, "BIOS is Upgradable (Flash)"},
    {12, "BIOS shadowing is allowed"},
    {13, "VL-VESA is supported"},
    {14, "ESCD support is available"},
    {15, "Boot from CD is supported"},
    {16, "Selectable Boot is supported"},
    {17, "BIOS ROM is socketed"},
    {18, "Boot From PC Card (PCMCIA) is supported"},
    {19, "EDD (Enhanced Disk Drive) Specification is supported"},
    {20, "Int 13h - Japanese Floppy for NEC 9800 1.2mb (3.5, 1k Bytes/Sector, 360 RPM) is supported"},
    {21, "Int 13h - Japanese Floppy for Toshiba 1.2mb (3.5, 360 RPM) is supported"},
    {22, "Int 13h - 5.25 / 360 KB Floppy Services are supported"},
    {23, "Int 13h - 5.25 /1.2MB Floppy Services are supported"},
    {24, "Int 13h - 3.5 / 720 KB Floppy Services are supported"},
    {25, "Int 13h - 3.5 / 2.88 MB Floppy Services are supported"},
    {26, "Int 5h, Print Screen Service is supported"},
    {27, "Int 9h, 8042 Keyboard services are supported"},
    {28, "Int 14h, Serial Services are supported"},
    {29, "Int 17h, printer services are supported"},
    {30, "Int 10h, CGA/Mono Video Services are supported"},
    {31, "NEC PC-98"},
    {32, "ACPI supported"},
    {33, "USB Legacy is supported"},
    {34, "AGP is supported"},
    {35, "I2O boot is supported"},
    {36, "LS-120 boot is supported"},
    {37, "ATAPI ZIP Drive boot is supported"},
    {38, "1394 boot is supported"},
    {39, "Smart Battery supported"},
    {40, 47, "BIOS Vendor Reserved"},
    {48, 63, "System Vendor Reserved"},
};
static_assert(Codes_Ascend(kBiosCharacteristics));

constexpr CodeEntry kPasswordStatus[] = {
    {0, "Disabled"},
    {1, "Enabled"},
    {2, "Not Implemented"},
    {3, "Unknown"},
};
static_assert(Codes_Ascend(kPasswordStatus));

constexpr CodeEntry kChassisBootupState[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Safes"},
    {4, "Warning"},
    {5, "Critical"},
    {6, "Non recoverable"},
};
static_assert(Codes_Ascend(kChassisBootupState));

constexpr CodeEntry kBootOption[] = {
    {1, "Reserved"},
    {2, "Operating System"},
    {3, "System Utilities"},
    {4, "Do Not Reboot"},
};
static_assert(Codes_Ascend(kBootOption));

constexpr CodeEntry kChassisTypes[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Desktop"},
    {4, "Low Profile Desktop"},
    {5, "Pizza Box"},
    {6, "Mini Tower"},
    {7, "Tower"},
    {8, "Portable"},
    {9, "Laptop"},
    {10, "Notebook"},
    {11, "Hand Held"},
    {12, "Docking Station"},
    {13, "All in One"},
    {14, "Sub Notebook"},
    {15, "Space -Saving"},
    {16, "Lunch Box"},
    {17, "Main System Chassis"},
    {18, "Expansion Chassis"},
    {19, "SubChassis"},
    {20, "Bus Expansion Chassis"},
    {21, "Peripheral Chassis"},
    {22, "Storage Chassis"},
    {23, "Rack Mount Chassis"},
    {24, "Sealed-Case PC"},
};
static_assert(Codes_Ascend(kChassisTypes));

constexpr CodeEntry kServicePhilosophy[] = {
    {0, "Unknown"},
    {1, "Other"},
    {2, "Service From Top"},
    {3, "Service From Front"},
    {4, "Service From Back"},
    {5, "Service From Side"},
    {6, "Sliding Trays"},
    {7, "Removable Sides"},
    {8, "Moveable"},
};
static_assert(Codes_Ascend(kServicePhilosophy));

constexpr CodeEntry kSecurityBreach[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "No Breach"},
    {4, "Breach Attempted"},
    {5, "Breach Successful"},
};
static_assert(Codes_Ascend(kSecurityBreach));

constexpr CodeEntry kSecurityStatus[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "None"},
    {4, "External interface locked out"},
    {5, "External interface enabled"},
};
static_assert(Codes_Ascend(kSecurityStatus));

constexpr CodeEntry kChemistry[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Lead Acid"},
    {4, "Nickel Cadmium"},
    {5, "Nickel Metal Hydride"},
    {6, "Lithium-ion"},
    {7, "Zinc air"},
    {8, "Lithium Polymer"},
};
static_assert(Codes_Ascend(kChemistry));

constexpr CodeEntry kBatteryStatus[] = {
    {1, "Discharging"},
    {2, "The system has access to AC so no battery is being discharged. However, the battery is not necessarily charging."},
    {3, "Fully Charged"},
    {4, "Low"},
    {5, "Critical"},
    {6, "Charging"},
    {7, "Charging and High"},
    {8, "Charging and Low"},
    {9, "Charging and Critical"},
    {10, "Undefined"},
    {11, "Partially Charged"},
};
static_assert(Codes_Ascend(kBatteryStatus));

constexpr CodeEntry kSoftwareElementState[] = {
    {0, "Deployable"},
    {1, "Installable"},
    {2, "Executable"},
    {3, "Running"},
};
static_assert(Codes_Ascend(kSoftwareElementState));

constexpr CodeEntry kInstallState[] = {
    {-6, "Bad Configuration"},
    {-2, "Invalid Argument"},
    {-1, "Unknown Package"},
    {1, "Advertised"},
    {2, "Absent"},
    {5, "Installed"},
};
static_assert(Codes_Ascend(kInstallState));

}  // namespace

std::span<const TableBinding> System_Chassis_Tables() {
    static constexpr TableBinding bindings[] = {
        {"Get_BiosCharacteristics_Rows", "", "BiosCharacteristics", kBiosCharacteristics},
        {"Get_PasswordStatus_Text", "", "PasswordStatus", kPasswordStatus},
        {"Get_ChassisBootupState_Text", "", "ChassisBootupState", kChassisBootupState},
        {"Get_BootOptionOnLimit_Text", "", "BootOption", kBootOption},
        {"Get_BootOptionOnWatchDog_Text", "", "BootOption", kBootOption},
        {"Get_ChassisTypes_Rows", "", "ChassisTypes", kChassisTypes},
        {"Get_ServicePhilosophy_Rows", "", "ServicePhilosophy", kServicePhilosophy},
        {"Get_SecurityBreach_Text", "", "SecurityBreach", kSecurityBreach},
        {"Get_SecurityStatus_Text", "", "SecurityStatus", kSecurityStatus},
        {"Get_Chemistry_Text", "", "Chemistry", kChemistry},
        {"Get_BatteryStatus_Text", "", "BatteryStatus", kBatteryStatus},
        {"Get_SoftwareElementState_Text", "", "SoftwareElementState", kSoftwareElementState},
        {"Get_InstallState_Text", "", "InstallState", kInstallState},
    };
    return bindings;
}

}  // namespace crv::code_tables
