// Code tables: Operating system and computer system.
// Each table is walked by value; texts are display texts, kept exactly.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr CodeEntry kOSType[] = {
    {0, "Unknown"},
    {1, "Other"},
    {2, "MACROS"},
    {3, "ATTUNIX"},
    {4, "DGUX"},
    {5, "DECNT"},
    {6, "Digital UNIX"},
    {7, "OpenVMS"},
    {8, "HPUX"},
    {9, "AIX"},
    {10, "MVS"},
    {11, "OS400"},
    {12, "OS / 2"},
    {13, "JavaVM"},
    {14, "MSDOS"},
    {15, "WIN3x"},
    {16, "WIN95"},
    {17, "WIN98"},
    {18, "WINNT"},
    {19, "WINCE"},
    {20, "NCR3000"},
    {21, "NetWare"},
    {22, "OSF"},
    {23, "DC / OS"},
    {24, "Reliant UNIX"},
    {25, "SCO UnixWare"},
    {26, "SCO OpenServer"},
    {27, "Sequent"},
    {28, "IRIX"},
    {29, "Solaris"},
    {30, "SunOS"},
    {31, "U6000"},
    {32, "ASERIES"},
    {33, "TandemNSK"},
    {34, "TandemNT"},
    {35, "BS2000"},
    {36, "LINUX"},
    {37, "Lynx"},
    {38, "XENIX"},
    {39, "VM / ESA"},
    {40, "Interactive UNIX"},
    {41, "BSDUNIX"},
    {42, "FreeBSD"},
    {43, "NetBSD"},
    {44, "GNU Hurd"},
    {45, "OS9"},
    {46, "MACH Kernel"},
    {47, "Inferno"},
    {48, "QNX"},
    {49, "EPOC"},
    {50, "IxWorks"},
    {51, "VxWorks"},
    {52, "MiNT"},
    {53, "BeOS"},
    {54, "HP MPE"},
    {55, "NextStep"},
    {56, "PalmPilot"},
    {57, "Rhapsody"},
};
static_assert(Codes_Ascend(kOSType));

constexpr CodeEntry kTargetOperatingSystem[] = {
    {0, "Unknown"},
    {1, "Other"},
    {2, "MACOS"},
    {3, "ATTUNIX"},
    {4, "DGUX"},
    {5, "DECNT"},
    {6, "Digital Unix"},
    {7, "OpenVMS"},
    {8, "HPUX"},
    {9, "AIX"},
    {10, "MVS"},
    {11, "OS400"},
    {12, "OS/2"},
    {13, "JavaVM"},
    {14, "MSDOS"},
    {15, "WIN3x"},
    {16, "WIN95"},
    {17, "WIN98"},
    {18, "WINNT"},
    {19, "WINCE"},
    {20, "NCR3000"},
    {21, "NetWare"},
    {22, "OSF"},
    {23, "DC/OS"},
    {24, "Reliant UNIX"},
    {25, "SCO UnixWare"},
    {26, "SCO OpenServer"},
    {27, "Sequent"},
    {28, "IRIX"},
    {29, "Solaris"},
    {30, "SunOS"},
    {31, "U6000"},
    {32, "ASERIES"},
    {33, "TandemNSK"},
    {34, "TandemNT"},
    {35, "BS2000"},
    {36, "LINUX"},
    {37, "Lynx"},
    {38, "XENIX"},
    {39, "VM/ESA"},
    {40, "Interactive UNIX"},
    {41, "BSDUNIX"},
    {42, "FreeBSD"},
    {43, "NetBSD"},
    {44, "GNU Hurd"},
    {45, "OS9"},
    {46, "MACH Kernel"},
    {47, "Inferno"},
    {48, "QNX"},
    {49, "EPOC"},
    {50, "IxWorks"},
    {51, "VxWorks"},
    {52, "MiNT"},
    {53, "BeOS"},
    {54, "HP MPE"},
    {55, "NextStep"},
    {56, "PalmPilot"},
    {57, "Rhapsody"},
    {58, "Windows 2000"},
    {59, "Dedicated"},
    {60, "VSE"},
    {61, "TPF"},
};
static_assert(Codes_Ascend(kTargetOperatingSystem));

constexpr CodeEntry kOperatingSystemSKU[] = {
    {0, "Undefined"},
    {1, "Ultimate Edition"},
    {2, "Home Basic Edition"},
    {3, "Home Basic Premium Edition"},
    {4, "Enterprise Edition"},
    {5, "Home Basic N Edition"},
    {6, "Business Edition"},
    {7, "Standard Server Edition"},
    {8, "Datacenter Server Edition"},
    {9, "Small Business Server Edition"},
    {10, "Enterprise Server Edition"},
    {11, "Starter Edition"},
    {12, "Datacenter Server Core Edition"},
    {13, "Standard Server Core Edition"},
    {14, "Enterprise Server Core Edition"},
    {15, "Enterprise Server IA64 Edition"},
    {16, "Business N Edition"},
    {17, "Web Server Edition"},
    {18, "Cluster Server Edition"},
    {19, "Home Server Edition"},
    {20, "Storage Express Server Edition"},
    {21, "Storage Standard Server Edition"},
    {22, "Storage Workgroup Server Edition"},
    {23, "Storage Enterprise Server Edition"},
    {24, "Server For Small Business Edition"},
    {25, "Small Business Server Premium Edition"},
};
static_assert(Codes_Ascend(kOperatingSystemSKU));

constexpr CodeEntry kProductType[] = {
    {1, "Work Station"},
    {2, "Domain Controller"},
    {3, "Server"},
};
static_assert(Codes_Ascend(kProductType));

constexpr CodeEntry kDomainRole[] = {
    {0, "Standalone Workstation"},
    {1, "Member Workstation"},
    {2, "Standalone Server"},
    {3, "Member Server"},
    {4, "Backup Domain Controller"},
    {5, "Primary Domain Controller"},
};
static_assert(Codes_Ascend(kDomainRole));

constexpr CodeEntry kLicenseStatus[] = {
    {0, "Unlicensed"},
    {1, "Licensed"},
    {2, "OOBGrace"},
    {3, "OOTGrace"},
    {4, "Non Genuine Grace"},
    {5, "Notification"},
    {6, "Extended Grace"},
};
static_assert(Codes_Ascend(kLicenseStatus));

constexpr CodeEntry kDEP_SupportPolicy[] = {
    {0, "Always Off"},
    {1, "Always On"},
    {2, "Opt In"},
    {3, "Opt Out"},
};
static_assert(Codes_Ascend(kDEP_SupportPolicy));

constexpr CodeEntry kForegroundApplicationBoost[] = {
    {0, "None"},
    {1, "Minimum"},
    {2, "Maximum(Default)"},
};
static_assert(Codes_Ascend(kForegroundApplicationBoost));

constexpr CodeEntry kQuantumLength[] = {
    {1, "Unknown"},
    {2, "One tick"},
    {3, "Two ticks"},
};
static_assert(Codes_Ascend(kQuantumLength));

constexpr CodeEntry kQuantumType[] = {
    {1, "Unknown"},
    {2, "Fixed"},
    {3, "Variable"},
};
static_assert(Codes_Ascend(kQuantumType));

constexpr CodeEntry kDebugInfoType[] = {
    {0, "None"},
    {1, "Complete memory dump"},
    {2, "Kernel memory dump"},
    {3, "Small memory dump"},
};
static_assert(Codes_Ascend(kDebugInfoType));

constexpr CodeEntry kWinSATAssessmentState[] = {
    {0, "State Unknown"},
    {1, "Valid"},
    {2, "Incoherent With Hardware"},
    {3, "No Assessment Available"},
    {4, "Invalid"},
};
static_assert(Codes_Ascend(kWinSATAssessmentState));

constexpr CodeEntry kWakeUpType[] = {
    {0, "Reserved"},
    {1, "Other"},
    {2, "Unknown"},
    {3, "APM Timer"},
    {4, "Modem Ring"},
    {5, "LAN Remote"},
    {6, "Power Switch"},
    {7, "PCI PME#"},
    {8, "AC Power Restored"},
};
static_assert(Codes_Ascend(kWakeUpType));

constexpr CodeEntry kPCSystemType[] = {
    {0, "Unspecified"},
    {1, "Desktop"},
    {2, "Mobile"},
    {3, "Workstation"},
    {4, "Enterprise Server"},
    {5, "Small Office and Home Office (SOHO) Server"},
    {6, "Appliance PC"},
    {7, "Performance Server"},
    {8, "Maximum"},
};
static_assert(Codes_Ascend(kPCSystemType));

constexpr CodeEntry kPowerState[] = {
    {0, "Unknown"},
    {1, "Full Power"},
    {2, "Power Save - Low Power Mode"},
    {3, "Power Save - Standby"},
    {4, "Power Save - Unknown"},
    {5, "Power Cycle"},
    {6, "Power Off"},
    {7, "Power Save - Warning"},
};
static_assert(Codes_Ascend(kPowerState));

constexpr CodeEntry kSystemState[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Safe"},
    {4, "Warning"},
    {5, "Critical"},
    {6, "Non-recoverable"},
};
static_assert(Codes_Ascend(kSystemState));

constexpr CodeEntry kAdminPasswordStatus[] = {
    {1, "Disabled"},
    {2, "Enabled"},
    {3, "Not Implemented"},
    {4, "Unknown"},
};
static_assert(Codes_Ascend(kAdminPasswordStatus));

constexpr CodeEntry kResetCapability[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Disabled"},
    {4, "Enabled"},
    {5, "Non-recoverable"},
};
static_assert(Codes_Ascend(kResetCapability));

}  // namespace

std::span<const TableBinding> OS_System_Tables() {
    static constexpr TableBinding bindings[] = {
        {"Get_OSType_Text", "", "OSType", kOSType},
        {"Get_TargetOperatingSystem_Text", "", "TargetOperatingSystem", kTargetOperatingSystem},
        {"Get_OperatingSystemSKU_Text", "", "OperatingSystemSKU", kOperatingSystemSKU},
        {"Get_ProductType_Text", "", "ProductType", kProductType},
        {"Get_DomainRole_Text", "", "DomainRole", kDomainRole},
        {"Get_LicenseStatus_Text", "", "LicenseStatus", kLicenseStatus},
        {"Get_DEP_SupportPolicy_Text", "", "DEP_SupportPolicy", kDEP_SupportPolicy},
        {"Get_ForegroundApplicationBoost_Text", "", "ForegroundApplicationBoost", kForegroundApplicationBoost},
        {"Get_QuantumLength_Text", "", "QuantumLength", kQuantumLength},
        {"Get_QuantumType_Text", "", "QuantumType", kQuantumType},
        {"Get_DebugInfoType_Text", "", "DebugInfoType", kDebugInfoType},
        {"Get_WinSATAssessmentState_Text", "", "WinSATAssessmentState", kWinSATAssessmentState},
        {"Get_WakeUpType_Text", "", "WakeUpType", kWakeUpType},
        {"Get_PCSystemType_Text", "", "PCSystemType", kPCSystemType},
        {"Get_PowerState_Text", "", "PowerState", kPowerState},
        {"Get_PowerSupplyState_Text", "", "SystemState", kSystemState},
        {"Get_ThermalState_Text", "", "SystemState", kSystemState},
        {"Get_AdminPasswordStatus_Text", "", "AdminPasswordStatus", kAdminPasswordStatus},
        {"Get_ResetCapability_Text", "", "ResetCapability", kResetCapability},
    };
    return bindings;
}

}  // namespace crv::code_tables
