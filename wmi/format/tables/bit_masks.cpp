// Bit-mask flag tables and the SMART attribute names by byte position.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr BitFlag kPrinterAttributes[] = {
    {1u, "Queued"},
    {2u, "Direct"},
    {4u, "Default"},
    {8u, "Shared"},
    {16u, "Network"},
    {32u, "Hidden"},
    {64u, "Local"},
    {128u, "Enable device queue"},
    {256u, "Keep printed jobs"},
    {512u, "Do complete first"},
    {1024u, "Work Offline"},
    {2048u, "Enable bi-directonal printing"},
    {4096u, "Raw only"},
    {8192u, "Published"},
};
static_assert(Bits_Ascend(kPrinterAttributes));

constexpr BitFlag kVoltageCaps[] = {
    {1u, "5V, "},
    {2u, "3.3V, "},
    {4u, "2.9V, "},
};
static_assert(Bits_Ascend(kVoltageCaps));

constexpr BitFlag kSuiteMask[] = {
    {1u, "Small Business, "},
    {2u, "Enterprise, "},
    {4u, "Back Office, "},
    {8u, "Communications, "},
    {16u, "Terminal, "},
    {32u, "Small Business Restricted, "},
    {64u, "Embedded NT, "},
    {128u, "Data Center, "},
    {256u, "Single User, "},
    {512u, "Personal, "},
    {1024u, "Blade, "},
};
static_assert(Bits_Ascend(kSuiteMask));

constexpr BitFlag kAccessMask[] = {
    {1u, "Read Data, "},
    {2u, "Write Data, "},
    {4u, "Append Data, "},
    {8u, "Read EA, "},
    {16u, "Write EA, "},
    {32u, "Execute, "},
    {64u, "Delete Child, "},
    {128u, "Read Attribs, "},
    {256u, "Write Attribs, "},
    {512u, "Read Control, "},
    {1024u, "Write DAC, "},
    {2048u, "Write Owner, "},
    {4096u, "Synchronize, "},
};
static_assert(Bits_Ascend(kAccessMask));

constexpr BitFlag kOSProductSuite[] = {
    {1u, "Microsoft Small Business Server was once installed, but may have been upgraded to another version of Windows. "},
    {2u, "Windows Server Longhorn, Enterprise Edition, Windows Server 2003, Enterprise Edition, Windows 2000 Advanced Server, or Windows NT Server 4.0 Enterprise Edition is installed. "},
    {4u, "Windows Backoffice components are installed. "},
    {8u, "Communication Server is installed. "},
    {16u, "Terminal Services is installed. "},
    {32u, "Microsoft Small Business Server is installed with the restrictive client license. "},
    {64u, "Windows XP Embedded is installed. "},
    {128u, "Windows Server Longhorn, Datacenter Edition, Windows Server 2003, Datacenter Edition, or Windows 2000 Datacenter Server is installed. "},
    {256u, "Terminal Services is installed, but only one interactive session is supported. "},
    {512u, "Windows XP Home Edition is installed. "},
    {1024u, "Windows Server 2003, Web Edition is installed. "},
    {8192u, "Windows Storage Server 2003 R2 is installed. "},
    {16384u, "Windows Server 2003, Compute Cluster Edition is installed. "},
};
static_assert(Bits_Ascend(kOSProductSuite));

constexpr CodeEntry kSmartAttributeNames[] = {
    {1, "ReadErrorRate = 0x01,"},
    {2, "ThroughputPerformance = 0x02,"},
    {3, "SpinUpTime = 0x03,"},
    {4, "StartStopCount = 0x04,"},
    {5, "ReallocatedSectorsCount = 0x05,"},
    {6, "ReadChannelMargin = 0x06,"},
    {7, "SeekErrorRate = 0x07,"},
    {8, "SeekTimePerformance = 0x08,"},
    {9, "PowerOnHoursPOH = 0x09,"},
    {10, "SpinRetryCount = 0x0A,"},
    {11, "CalibrationRetryCount = 0x0B,"},
    {12, "PowerCycleCount = 0x0C,"},
    {13, "SoftReadErrorRate = 0x0D,"},
    {14, "SATADownshiftErrorCount = 0xB7,"},
    {15, "EndtoEnderror = 0xB8,"},
    {16, "HeadStability = 0xB9,"},
    {17, "InducedOpVibrationDetection = 0xBA,"},
    {18, "ReportedUncorrectableErrors = 0xBB,"},
    {19, "CommandTimeout = 0xBC,"},
    {21, "HighFlyWrites = 0xBD,"},
    {22, "AirflowTemperatureWDC = 0xBE,"},
    {23, "TemperatureDifferencefrom100 = 0xBE,"},
    {24, "GSenseErrorRate = 0xBF,"},
    {25, "PoweroffRetractCount = 0xC0,"},
    {26, "LoadCycleCount = 0xC1,"},
    {27, "Temperature = 0xC2,"},
    {28, "HardwareECCRecovered = 0xC3,"},
    {29, "ReallocationEventCount = 0xC4,"},
    {30, "CurrentPendingSectorCount = 0xC5,"},
    {31, "UncorrectableSectorCount = 0xC6,"},
    {32, "UltraDMACRCErrorCount = 0xC7,"},
    {33, "MultiZoneErrorRate = 0xC8,"},
    {34, "WriteErrorRateFujitsu = 0xC8,"},
    {35, "OffTrackSoftReadErrorRate = 0xC9,"},
    {36, "DataAddressMarkerrors = 0xCA,"},
    {37, "RunOutCancel = 0xCB,"},
    {38, "SoftECCCorrection = 0xCC,"},
    {39, "ThermalAsperityRateTAR = 0xCD,"},
    {40, "FlyingHeight = 0xCE,"},
    {41, "SpinHighCurrent = 0xCF,"},
    {42, "SpinBuzz = 0xD0,"},
    {43, "OfflineSeekPerformance = 0xD1,"},
    {44, "VibrationDuringWrite = 0xD3,"},
    {45, "ShockDuringWrite = 0xD4,"},
    {46, "DiskShift = 0xDC,"},
    {47, "GSenseErrorRateAlt = 0xDD,"},
    {48, "LoadedHours = 0xDE,"},
    {49, "LoadUnloadRetryCount = 0xDF,"},
    {50, "LoadFriction = 0xE0,"},
    {51, "LoadUnloadCycleCount = 0xE1,"},
    {52, "LoadInTime = 0xE2,"},
    {53, "TorqueAmplificationCount = 0xE3,"},
    {54, "PowerOffRetractCycle = 0xE4,"},
    {55, "GMRHeadAmplitude = 0xE6,"},
    {56, "DriveTemperature = 0xE7,"},
    {57, "HeadFlyingHours = 0xF0,"},
    {58, "TransferErrorRateFujitsu = 0xF0,"},
    {59, "TotalLBAsWritten = 0xF1,"},
    {60, "TotalLBAsRead = 0xF2,"},
    {61, "ReadErrorRetryRate = 0xFA,"},
    {62, "FreeFallProtection = 0xFE,"},
    {194, "TEMPERATURE"},
};
static_assert(Codes_Ascend(kSmartAttributeNames));

}  // namespace

std::span<const BitMaskTable> Bit_Mask_Tables() {
    static constexpr BitMaskTable masks[] = {
        {"Get_Printer_Attributes_Text", 31, kPrinterAttributes},
        {"Get_VoltageCaps_Text", 3, kVoltageCaps},
        {"Get_SuiteMask_Text", 10, kSuiteMask},
        {"Get_AccessMask_Text", 12, kAccessMask},
        {"Get_OSProductSuite_Text", 14, kOSProductSuite},
    };
    return masks;
}

std::span<const CodeEntry> Smart_Attribute_Names() { return kSmartAttributeNames; }

}  // namespace crv::code_tables
