#include "wmi/format/format_rules.h"

#include <array>
#include <unordered_map>

namespace crv {

namespace {

// Grouped by CIM type; within a group the first rule naming the property
// wins (names are distinct within a group, so order matters only between
// groups, which never compete).
constexpr FormatRule kRules[] = {
    {21, 1, "TotalPhysicalMemory|Capacity|FreeSpace|Size|PeakVirtualSize|WorkingSetSize|VirtualSize|BlockSize|FileSize|MaximumStorage", RuleKind::Bytes, "", 0, false},
    {21, 2, "FreeVirtualMemory|FreePhysicalMemory|FreeSpaceInPagingFiles|SizeStoredInPagingFiles|TotalVisibleMemorySize|TotalVirtualMemorySize|MaxProcessMemorySize", RuleKind::Kilobytes, "", 0, false},
    {21, 3, "DesignVoltage", RuleKind::Scaled, "V", 1000, false},
    {19, 1, "ConfigManagerErrorCode", RuleKind::Decoder, "Get_ConfigManagerErrorCode_Text", 0, false},
    {19, 2, "DriveType", RuleKind::Decoder, "Get_DriveType_Text", 0, false},
    {19, 3, "MediaType", RuleKind::ByClass, "", 0, false},
    {19, 4, "BusType", RuleKind::Decoder, "Get_BusType_Text", 0, false},
    {19, 5, "Speed", RuleKind::Unit, " nanoseconds", 0, false},
    {19, 6, "ExtClock|CurrentClockSpeed", RuleKind::Unit, " MHz", 0, false},
    {19, 7, "MaxClockSpeed", RuleKind::Scaled, " GHz", 1000, false},
    {19, 8, "TimeToFullCharge|BatteryRechargeTime|EstimatedRunTime|ExpectedBatteryLife|ExpectedLife|MaxRechargeTime", RuleKind::Minutes, "", 0, false},
    {19, 9, "BytesPerSector|AdapterRAM|MaximumOutputBufferSize|MaximumInputBufferSize|MaxFileSize", RuleKind::Bytes, "", 0, false},
    {19, 10, "TotalVirtualMemory|TotalPageFileSpace|AvailableVirtualMemory|PeakPageFileUsage|PeakWorkingSetSize|PageFileUsage|TotalPhysicalMemory", RuleKind::Kilobytes, "", 0, false},
    {19, 11, "IconSpacing|CurrentVerticalResolution|CurrentHorizontalResolution|VerticalResolution|HorizontalResolution|PelsWidth|PelsHeight|PixelsPerYLogicalInch|PixelsPerXLogicalInch", RuleKind::Unit, " pixels", 0, false},
    {19, 12, "RefreshRate|MinRefreshRate|MaxRefreshRate|CurrentRefreshRate|DisplayFrequency", RuleKind::Unit, " Hz", 0, false},
    {19, 13, "CurrentBitsPerPixel|BitsPerPixel|BitsPerPel", RuleKind::Unit, " bits per pixel", 0, false},
    {19, 14, "LogPixels", RuleKind::Unit, " pixels per logical inch", 0, false},
    {19, 15, "Attributes", RuleKind::Decoder, "Get_Printer_Attributes_Text", 0, false},
    {19, 16, "CursorBlinkRate", RuleKind::Unit, " ms", 0, false},
    {19, 17, "ScreenSaverTimeout", RuleKind::Unit, " secs.", 0, false},
    {19, 18, "ProposedSize|MaximumSize|CurrentSize|PeakUsage|CurrentUsage|AllocatedBaseSize|InitialSize", RuleKind::Unit, " MB", 0, false},
    {19, 19, "UserInputDelay|Age", RuleKind::Unit, " secs.", 0, false},
    {19, 20, "Protocol", RuleKind::Decoder, "Get_Route_Protocol_Text", 0, false},
    {19, 21, "LogonType", RuleKind::Decoder, "Get_LogonType_Text", 0, false},
    {19, 22, "QuadSpeedThreshold|DoubleSpeedThreshold", RuleKind::Unit, " Mickeys", 0, false},
    {19, 23, "MaxCacheSize|InstalledSize", RuleKind::Unit, " KB", 0, false},
    {19, 24, "L3CacheSize|L2CacheSize|MaxCapacity", RuleKind::Kilobytes, "", 0, false},
    {19, 25, "VoltageCaps", RuleKind::Decoder, "Get_VoltageCaps_Text", 0, false},
    {19, 26, "Color", RuleKind::Decoder, "Get_Color_Text", 0, false},
    {19, 27, "ICMIntent", RuleKind::Decoder, "Get_ICMIntent_Text", 0, false},
    {19, 28, "ICMMethod", RuleKind::Decoder, "Get_ICMMethod_Text", 0, false},
    {19, 29, "Orientation", RuleKind::Decoder, "Get_Orientation_Text", 0, false},
    {19, 30, "PaperWidth|PaperLength", RuleKind::Scaled, " mm", 10, false},
    {19, 31, "IconTitleSize", RuleKind::Unit, " points", 0, false},
    {19, 32, "OSProductSuite", RuleKind::Decoder, "Get_OSProductSuite_Text", 0, false},
    {19, 33, "ProductType", RuleKind::Decoder, "Get_ProductType_Text", 0, false},
    {19, 34, "SuiteMask", RuleKind::Decoder, "Get_SuiteMask_Text", 0, false},
    {19, 35, "OperatingSystemSKU", RuleKind::Decoder, "Get_OperatingSystemSKU_Text", 0, false},
    {19, 36, "EncryptionLevel", RuleKind::Unit, " bit", 0, false},
    {19, 37, "PrinterState", RuleKind::Decoder, "Get_PrinterState_Text", 0, false},
    {19, 38, "WinSATAssessmentState", RuleKind::Decoder, "Get_WinSATAssessmentState_Text", 0, false},
    {19, 39, "LicenseStatus", RuleKind::Decoder, "Get_LicenseStatus_Text", 0, false},
    {19, 40, "AccessMask", RuleKind::Decoder, "Get_AccessMask_Text", 0, false},
    {19, 41, "InterleavePosition", RuleKind::Decoder, "Get_InterleavePosition_Text", 0, false},
    {19, 42, "BaudRate|MaxBaudRate", RuleKind::Unit, " Bits per second", 0, false},
    {19, 43, "MaximumMessageSize|MinimumAddressSize|MaximumAddressSize", RuleKind::Unit, " Characters", 0, false},
    {19, 44, "DebugInfoType", RuleKind::Decoder, "Get_DebugInfoType_Text", 0, false},
    {19, 45, "ThreadWaitReason", RuleKind::Decoder, "Get_ThreadWaitReason_Text", 0, false},
    {19, 46, "ThreadState", RuleKind::Decoder, "Get_ThreadState_Text", 0, false},
    {19, 47, "Type", RuleKind::Decoder, "Get_Type_Text", 0, false},
    {19, 48, "AccountType", RuleKind::Decoder, "Get_AccountType_Text", 0, false},
    {19, 49, "PassiveTripPoint|CurrentTemperature|CriticalTripPoint", RuleKind::Decoder, "Get_Temperature_Text", 0, true},
    {19, 50, "IsKeyManagementServiceMachine|IsNotificationOn|ActivationRequired", RuleKind::YesNo, "", 0, false},
    {2, 1, "CurrentTimeZone", RuleKind::SignedMinutes, "", 0, false},
    {2, 2, "InstallState", RuleKind::Decoder, "Get_InstallState_Text", 0, true},
    {3, 1, "RefreshRate", RuleKind::Unit, " Hz", 0, false},
    {18, 1, "Availability", RuleKind::Decoder, "Get_Availability_Text", 0, false},
    {18, 2, "DeviceInterface", RuleKind::Decoder, "Get_DeviceInterface_Text", 0, false},
    {18, 3, "Handedness", RuleKind::Decoder, "Get_Handedness_Text", 0, false},
    {18, 4, "PointingType", RuleKind::Decoder, "Get_PointingType_Text", 0, false},
    {18, 5, "Capabilities", RuleKind::RowWriter, "Get_Capabilities_Rows", 0, true},
    {18, 6, "ProtocolSupported", RuleKind::Decoder, "Get_ProtocolSupported_Text", 0, false},
    {18, 7, "StatusInfo", RuleKind::Decoder, "Get_StatusInfo_Text", 0, false},
    {18, 8, "SoftwareElementState", RuleKind::Decoder, "Get_SoftwareElementState_Text", 0, false},
    {18, 9, "ByteMode", RuleKind::Decoder, "Get_ByteMode_Text", 0, false},
    {18, 10, "ChannelTiming", RuleKind::Decoder, "Get_ChannelTiming_Text", 0, false},
    {18, 11, "TypeCTiming", RuleKind::Decoder, "Get_TypeCTiming_Text", 0, false},
    {18, 12, "WordMode", RuleKind::Decoder, "Get_WordMode_Text", 0, false},
    {18, 13, "TriggerType", RuleKind::Decoder, "Get_TriggerType_Text", 0, false},
    {18, 14, "TriggerLevel", RuleKind::Decoder, "Get_TriggerLevel_Text", 0, false},
    {18, 15, "TotalWidth|DataWidth", RuleKind::Unit, " bits", 0, false},
    {18, 16, "FormFactor", RuleKind::Decoder, "Get_FormFactor_Text", 0, false},
    {18, 17, "MemoryType", RuleKind::Decoder, "Get_MemoryType_Text", 0, false},
    {18, 18, "TypeDetail", RuleKind::Decoder, "Get_TypeDetail_Text", 0, false},
    {18, 19, "DeviceType", RuleKind::Decoder, "Get_DeviceType_Text", 0, false},
    {18, 20, "Use", RuleKind::Decoder, "Get_Memory_Use_Text", 0, false},
    {18, 21, "CurrentVoltage", RuleKind::Scaled, "V", 10, false},
    {18, 22, "Chemistry", RuleKind::Decoder, "Get_Chemistry_Text", 0, false},
    {18, 23, "EstimatedChargeRemaining", RuleKind::Decoder, "Get_ChargeRemaining_Text", 0, false},
    {18, 24, "BatteryStatus", RuleKind::Decoder, "Get_BatteryStatus_Text", 0, false},
    {18, 25, "ChassisBootupState", RuleKind::Decoder, "Get_ChassisBootupState_Text", 0, false},
    {18, 26, "SystemStartupDelay", RuleKind::Unit, " Seconds", 0, false},
    {18, 27, "PowerOnPasswordStatus|KeyboardPasswordStatus|FrontPanelResetStatus", RuleKind::Decoder, "Get_PasswordStatus_Text", 0, false},
    {18, 28, "Associativity", RuleKind::Decoder, "Get_Associativity_Text", 0, false},
    {18, 29, "VideoArchitecture", RuleKind::Decoder, "Get_VideoArchitecture_Text", 0, false},
    {18, 30, "VideoMemoryType", RuleKind::Decoder, "Get_VideoMemoryType_Text", 0, false},
    {18, 31, "ScanMode|CurrentScanMode", RuleKind::Decoder, "Get_ScanMode_Text", 0, false},
    {18, 32, "Family", RuleKind::Decoder, "Get_Processor_Family_Text", 0, false},
    {18, 33, "AddressWidth", RuleKind::Unit, " bits", 0, false},
    {18, 34, "Architecture", RuleKind::Decoder, "Get_Architecture_Text", 0, false},
    {18, 35, "CpuStatus", RuleKind::Decoder, "Get_CpuStatus_Text", 0, false},
    {18, 36, "LoadPercentage", RuleKind::Unit, " %", 0, false},
    {18, 37, "WakeUpType", RuleKind::Decoder, "Get_WakeUpType_Text", 0, false},
    {18, 38, "ExtendedPrinterStatus|PrinterStatus", RuleKind::Decoder, "Get_PrinterStatus_Text", 0, false},
    {18, 39, "ExtendedDetectedErrorState", RuleKind::Decoder, "Get_ExtendedDetectedErrorState_Text", 0, false},
    {18, 40, "TargetOperatingSystem", RuleKind::Decoder, "Get_TargetOperatingSystem_Text", 0, false},
    {18, 41, "CacheType", RuleKind::Decoder, "Get_CacheType_Text", 0, false},
    {18, 42, "ErrorCorrectType", RuleKind::Decoder, "Get_ErrorCorrectType_Text", 0, false},
    {18, 43, "Level", RuleKind::Decoder, "Get_Cache_Level_Text", 0, false},
    {18, 44, "WritePolicy", RuleKind::Decoder, "Get_WritePolicy_Text", 0, false},
    {18, 45, "Location", RuleKind::Decoder, "Get_Location_Text", 0, false},
    {18, 46, "PortType", RuleKind::Decoder, "Get_PortType_Text", 0, false},
    {18, 47, "ProcessorType", RuleKind::Decoder, "Get_ProcessorType_Text", 0, false},
    {18, 48, "UpgradeMethod", RuleKind::Decoder, "Get_UpgradeMethod_Text", 0, false},
    {18, 49, "CurrentUsage", RuleKind::Decoder, "Get_CurrentUsage_Text", 0, false},
    {18, 50, "MaxDataWidth", RuleKind::WidthExponent, "", 0, false},
    {18, 51, "NetConnectionStatus", RuleKind::Decoder, "Get_NetConnectionStatus_Text", 0, false},
    {18, 52, "PowerSupplyState", RuleKind::Decoder, "Get_PowerSupplyState_Text", 0, false},
    {18, 53, "AdminPasswordStatus", RuleKind::Decoder, "Get_AdminPasswordStatus_Text", 0, false},
    {18, 54, "ResetCapability", RuleKind::Decoder, "Get_ResetCapability_Text", 0, false},
    {18, 55, "ThermalState", RuleKind::Decoder, "Get_ThermalState_Text", 0, false},
    {18, 56, "Access", RuleKind::Decoder, "Get_Access_Text", 0, false},
    {18, 57, "PCSystemType", RuleKind::Decoder, "Get_PCSystemType_Text", 0, false},
    {18, 58, "OSType", RuleKind::Decoder, "Get_OSType_Text", 0, false},
    {18, 59, "DomainRole", RuleKind::Decoder, "Get_DomainRole_Text", 0, false},
    {18, 60, "PowerState", RuleKind::Decoder, "Get_PowerState_Text", 0, false},
    {18, 61, "AdapterTypeId", RuleKind::Decoder, "Get_AdapterTypeId_Text", 0, false},
    {18, 62, "SecurityStatus", RuleKind::Decoder, "Get_SecurityStatus_Text", 0, false},
    {18, 63, "SecurityBreach", RuleKind::Decoder, "Get_SecurityBreach_Text", 0, false},
    {18, 64, "MemoryErrorCorrection", RuleKind::Decoder, "Get_MemoryErrorCorrection_Text", 0, false},
    {18, 65, "BootOptionOnLimit", RuleKind::Decoder, "Get_BootOptionOnLimit_Text", 0, true},
    {18, 66, "BootOptionOnWatchDog", RuleKind::Decoder, "Get_BootOptionOnWatchDog_Text", 0, true},
    {18, 67, "AssignmentType", RuleKind::Decoder, "Get_AssignmentType_Text", 0, true},
    {17, 1, "SIDType", RuleKind::Decoder, "Get_SIDType_Text", 0, false},
    {17, 2, "ForegroundApplicationBoost", RuleKind::Decoder, "Get_ForegroundApplicationBoost_Text", 0, false},
    {17, 3, "DataExecutionPrevention_SupportPolicy", RuleKind::Decoder, "Get_DEP_SupportPolicy_Text", 0, false},
    {17, 4, "QuantumLength", RuleKind::Decoder, "Get_QuantumLength_Text", 0, false},
    {17, 5, "QuantumType", RuleKind::Decoder, "Get_QuantumType_Text", 0, false},
};

struct RuleIndex {
    // One map per CIM type of the table, name -> rule.
    std::unordered_map<int, std::unordered_map<std::string_view, const FormatRule*>> by_type;
};

const RuleIndex& Index() {
    static const RuleIndex index = [] {
        RuleIndex ix;
        for (const FormatRule& r : kRules) {
            auto& names = ix.by_type[r.cim_type];
            std::string_view rest = r.names;
            while (!rest.empty()) {
                const auto bar = rest.find('|');
                const std::string_view one = rest.substr(0, bar);
                names.emplace(one, &r);  // the first rule naming it keeps it
                rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
            }
        }
        return ix;
    }();
    return index;
}

}  // namespace

std::span<const FormatRule> Property_Format_Rules() { return kRules; }

const FormatRule* Find_Format_Rule(int cim_type, std::string_view name, bool list_form) {
    const auto& by_type = Index().by_type;
    auto group = by_type.find(cim_type);
    if (group == by_type.end()) return nullptr;
    auto it = group->second.find(name);
    if (it == group->second.end()) return nullptr;
    if (!list_form && it->second->list_only) return nullptr;
    return it->second;
}

}  // namespace crv
