// Code tables: Device error states, availability, power management, DMA channels, interrupts, on-board and pointing devices, network adapters.
// Each table is walked by value; texts are display texts, kept exactly.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr CodeEntry kConfigManagerErrorCode[] = {
    {0, "This device is working properly."},
    {1, "This device is not configured correctly."},
    {2, "Windows cannot load the driver for this device."},
    {3, "The driver for this device might be corrupted, or your system may be running low on memory or other resources."},
    {4, "This device is not working properly. One of its drivers or your registry might be corrupted."},
    {5, "The driver for this device needs a resource that Windows cannot manage."},
    {6, "The boot configuration for this device conflicts with other devices."},
    {7, "Cannot filter."},
    {8, "The driver loader for the device is missing."},
    {9, "This device is not working properly because the controlling firmware is reporting the resources for the device incorrectly."},
    {10, "This device cannot start."},
    {11, "This device failed."},
    {12, "This device cannot find enough free resources that it can use."},
    {13, "Windows cannot verify this device's resources."},
    {14, "This device cannot work properly until you restart your computer."},
    {15, "This device is not working properly because there is probably a re-enumeration problem."},
    {16, "Windows cannot identify all the resources this device uses."},
    {17, "This device is asking for an unknown resource type."},
    {18, "Reinstall the drivers for this device."},
    {19, "Failure using the VxD loader."},
    {20, "Your registry might be corrupted."},
    {21, "System failure: Try changing the driver for this device. If that does not work, see your hardware documentation. Windows is removing this device."},
    {22, "This device is disabled."},
    {23, "System failure: Try changing the driver for this device. If that doesn't work, see your hardware documentation."},
    {24, "This device is not present, is not working properly, or does not have all its drivers installed."},
    {25, "Windows is still setting up this device."},
    {26, "Windows is still setting up this device."},
    {27, "This device does not have valid log configuration."},
    {28, "The drivers for this device are not installed."},
    {29, "This device is disabled because the firmware of the device did not give it the required resources."},
    {30, "This device is using an Interrupt Request (IRQ) resource that another device is using."},
    {31, "This device is not working properly because Windows cannot load the drivers required for this device."},
};
static_assert(Codes_Ascend(kConfigManagerErrorCode));

constexpr CodeEntry kAvailability_Resource[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Available"},
    {4, "In Use/Not Available"},
    {5, "In Use and Available/Shareable"},
};
static_assert(Codes_Ascend(kAvailability_Resource));

constexpr CodeEntry kAvailability_Device[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Running/Full Power"},
    {4, "Warning"},
    {5, "In Test"},
    {6, "Not Applicable"},
    {7, "Power Off"},
    {8, "Off Line"},
    {9, "Off Duty"},
    {10, "Degraded"},
    {11, "Not Installed"},
    {12, "Install Error"},
    {13, "Power Save - Unknown"},
    {14, "Power Save - Low Power Mode"},
    {15, "Power Save - Standby"},
    {16, "Power Cycle"},
    {17, "Power Save - Warning"},
    {18, "Paused"},
    {19, "Not Ready"},
    {20, "Not Configured"},
    {21, "Quiesced"},
};
static_assert(Codes_Ascend(kAvailability_Device));

constexpr CodeEntry kStatusInfo[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Enabled"},
    {4, "Disabled"},
    {5, "Not Applicable"},
};
static_assert(Codes_Ascend(kStatusInfo));

constexpr CodeEntry kPowerManagementCapabilities[] = {
    {0, "Unknown"},
    {1, "Not Supported"},
    {2, "Disabled"},
    {3, "Enabled"},
    {4, "Power Saving Modes Entered Automatically"},
    {5, "Power State Settable"},
    {6, "Power Cycling Supported"},
    {7, "Timed Power On Supported"},
};
static_assert(Codes_Ascend(kPowerManagementCapabilities));

constexpr CodeEntry kByteMode[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Not execute in 'count by byte' mode"},
    {4, "Execute in 'count by byte' mode"},
};
static_assert(Codes_Ascend(kByteMode));

constexpr CodeEntry kWordMode[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Not execute in 'count by word' mode"},
    {4, "Execute in 'count by word' mode"},
};
static_assert(Codes_Ascend(kWordMode));

constexpr CodeEntry kChannelTiming[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "ISA Compatible"},
    {4, "Type A"},
    {5, "Type B"},
    {6, "Type F"},
};
static_assert(Codes_Ascend(kChannelTiming));

constexpr CodeEntry kTypeCTiming[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "ISA Compatible"},
    {4, "Not Supported"},
    {5, "Supported"},
};
static_assert(Codes_Ascend(kTypeCTiming));

constexpr CodeEntry kTriggerType[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Level"},
    {4, "Edge"},
};
static_assert(Codes_Ascend(kTriggerType));

constexpr CodeEntry kTriggerLevel[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Active Low"},
    {4, "Active High"},
};
static_assert(Codes_Ascend(kTriggerLevel));

constexpr CodeEntry kDeviceType[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Video"},
    {4, "SCSI Controller"},
    {5, "Ethernet"},
    {6, "Token Ring"},
    {7, "Sound"},
};
static_assert(Codes_Ascend(kDeviceType));

constexpr CodeEntry kDeviceInterface[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Serial"},
    {4, "PS/2"},
    {5, "Infrared"},
    {6, "HP-HIL"},
    {7, "Bus mouse"},
    {8, "ADB (Apple Desktop Bus)"},
    {160, "Bus mouse DB-9"},
    {161, "Bus mouse micro-DIN"},
    {162, "USB"},
};
static_assert(Codes_Ascend(kDeviceInterface));

constexpr CodeEntry kHandedness[] = {
    {0, "Unknown"},
    {1, "Not Applicable"},
    {2, "Right Handed Operation"},
    {3, "Left Handed Operation"},
};
static_assert(Codes_Ascend(kHandedness));

constexpr CodeEntry kPointingType[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Mouse"},
    {4, "Track Ball"},
    {5, "Track Point"},
    {6, "Touch Pad"},
    {7, "Touch Screen"},
    {8, "Left Handed Operation"},
    {9, "Mouse - Optical Sensor"},
};
static_assert(Codes_Ascend(kPointingType));

constexpr CodeEntry kAdapterTypeId[] = {
    {0, "Ethernet 802.3"},
    {1, "Token Ring 802.5"},
    {2, "Fiber Distributed Data Interface (FDDI)"},
    {3, "Wide Area Network (WAN)"},
    {4, "LocalTalk"},
    {5, "Ethernet using DIX header format"},
    {6, "ARCNET"},
    {7, "ARCNET (878.2)"},
    {8, "ATM"},
    {9, "Wireless"},
    {10, "Infrared Wireless"},
    {11, "Bpc"},
    {12, "CoWan"},
    {13, "1394"},
};
static_assert(Codes_Ascend(kAdapterTypeId));

}  // namespace

std::span<const TableBinding> Device_Resource_Tables() {
    static constexpr TableBinding bindings[] = {
        {"Get_ConfigManagerErrorCode_Text", "", "ConfigManagerErrorCode", kConfigManagerErrorCode},
        {"Get_Availability_Text", "CIM_DMA", "Availability_Resource", kAvailability_Resource},
        {"Get_Availability_Text", "CIM_IRQ", "Availability_Resource", kAvailability_Resource},
        {"Get_Availability_Text", "", "Availability_Device", kAvailability_Device},
        {"Get_StatusInfo_Text", "", "StatusInfo", kStatusInfo},
        {"Get_PowerManagementCapabilities_Rows", "", "PowerManagementCapabilities", kPowerManagementCapabilities},
        {"Get_ByteMode_Text", "", "ByteMode", kByteMode},
        {"Get_WordMode_Text", "", "WordMode", kWordMode},
        {"Get_ChannelTiming_Text", "", "ChannelTiming", kChannelTiming},
        {"Get_TypeCTiming_Text", "", "TypeCTiming", kTypeCTiming},
        {"Get_TriggerType_Text", "", "TriggerType", kTriggerType},
        {"Get_TriggerLevel_Text", "", "TriggerLevel", kTriggerLevel},
        {"Get_DeviceType_Text", "", "DeviceType", kDeviceType},
        {"Get_DeviceInterface_Text", "", "DeviceInterface", kDeviceInterface},
        {"Get_Handedness_Text", "", "Handedness", kHandedness},
        {"Get_PointingType_Text", "", "PointingType", kPointingType},
        {"Get_AdapterTypeId_Text", "", "AdapterTypeId", kAdapterTypeId},
    };
    return bindings;
}

}  // namespace crv::code_tables
