// Code tables: Processor kinds and sockets, caches, memory arrays, ports and slots.
// Each table is walked by value; texts are display texts, kept exactly.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr CodeEntry kProcessorType[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Central Processor"},
    {4, "Math Processor"},
    {5, "DSP Processor"},
    {6, "Video Processor"},
};
static_assert(Codes_Ascend(kProcessorType));

constexpr CodeEntry kUpgradeMethod[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Daughter Board"},
    {4, "ZIF Socket"},
    {5, "Replacement/Piggy Back"},
    {6, "None"},
    {7, "LIF Socket"},
    {8, "Slot 1"},
    {9, "Slot 2"},
    {10, "370 Pin Socket"},
    {11, "Slot A"},
    {12, "Slot M"},
    {13, "Socket 423"},
    {14, "Socket A (Socket 462)"},
    {15, "Socket 478"},
    {16, "Socket 754"},
    {17, "Socket 940"},
    {18, "Socket 939"},
};
static_assert(Codes_Ascend(kUpgradeMethod));

constexpr CodeEntry kCacheType[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Instruction"},
    {4, "Data"},
    {5, "Unified"},
};
static_assert(Codes_Ascend(kCacheType));

constexpr CodeEntry kCache_Level[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Primary"},
    {4, "Secondary"},
    {5, "Tertiary"},
    {6, "Not Applicable"},
};
static_assert(Codes_Ascend(kCache_Level));

constexpr CodeEntry kWritePolicy[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Write Back"},
    {4, "Write Through"},
    {5, "Varies with Address"},
    {6, "Determination Per I/O"},
};
static_assert(Codes_Ascend(kWritePolicy));

constexpr CodeEntry kErrorCorrectType[] = {
    {0, "Reserved"},
    {1, "Other"},
    {2, "Unknown"},
    {3, "None"},
    {4, "Parity"},
    {5, "Single-bit ECC"},
    {6, "Multi-bit ECC"},
};
static_assert(Codes_Ascend(kErrorCorrectType));

constexpr CodeEntry kLocation_Cache[] = {
    {0, "Internal"},
    {1, "External"},
    {2, "Reserved"},
    {3, "Unknown"},
};
static_assert(Codes_Ascend(kLocation_Cache));

constexpr CodeEntry kLocation_Board[] = {
    {0, "Reserved"},
    {1, "Other"},
    {2, "Unknown"},
    {3, "System board or motherboard"},
    {4, "ISA add-on card"},
    {5, "EISA add-on card"},
    {6, "PCI add-on card"},
    {7, "MCA add-on card"},
    {8, "PCMCIA add-on card"},
    {9, "Proprietary add-on card"},
    {10, "NuBus"},
    {11, "PC-98/C20 add-on card"},
    {12, "PC-98/C24 add-on card"},
    {13, "PC-98/E add-on card"},
    {14, "PC-98/Local bus add-on card"},
};
static_assert(Codes_Ascend(kLocation_Board));

constexpr CodeEntry kMemoryErrorCorrection[] = {
    {0, "Reserved"},
    {1, "Other"},
    {2, "Unknown"},
    {3, "None"},
    {4, "Parity"},
    {5, "Single-bit ECC"},
    {6, "Multi-bit ECC"},
    {7, "CRC"},
};
static_assert(Codes_Ascend(kMemoryErrorCorrection));

constexpr CodeEntry kPortType[] = {
    {0, "None"},
    {1, "Parallel Port XT/AT Compatible"},
    {2, "Parallel Port PS/2"},
    {3, "Parallel Port ECP"},
    {4, "Parallel Port EPP"},
    {5, "Parallel Port ECP/EPP"},
    {6, "Serial Port XT/AT Compatible"},
    {7, "Serial Port 16450 Compatible"},
    {8, "Serial Port 16550 Compatible"},
    {9, "Serial Port 16550A Compatible"},
    {10, "SCSI Port"},
    {11, "MIDI Port"},
    {12, "Joy Stick Port"},
    {13, "Keyboard Port"},
    {14, "Mouse Port"},
    {15, "SSA SCSI"},
    {16, "USB"},
    {17, "FireWire (IEEE P1394)"},
    {18, "PCMCIA Type II"},
    {19, "PCMCIA Type II"},
    {20, "PCMCIA Type III"},
    {21, "CardBus"},
    {22, "Access Bus Port"},
    {23, "SCSI II"},
    {24, "SCSI Wide"},
    {25, "PC - 98"},
    {26, "PC - 98 - Hireso"},
    {27, "PC - H98"},
    {28, "Video Port"},
    {29, "Audio Port"},
    {30, "Modem Port"},
    {31, "Network Port"},
    {32, "8251 Compatible"},
    {33, "8251 FIFO Compatible"},
};
static_assert(Codes_Ascend(kPortType));

constexpr CodeEntry kCurrentUsage[] = {
    {0, "Reserved"},
    {1, "Other"},
    {2, "Unknown"},
    {3, "Available"},
    {4, "In use"},
};
static_assert(Codes_Ascend(kCurrentUsage));

}  // namespace

std::span<const TableBinding> Processor_Cache_Port_Tables() {
    static constexpr TableBinding bindings[] = {
        {"Get_ProcessorType_Text", "", "ProcessorType", kProcessorType},
        {"Get_UpgradeMethod_Text", "", "UpgradeMethod", kUpgradeMethod},
        {"Get_CacheType_Text", "", "CacheType", kCacheType},
        {"Get_Cache_Level_Text", "", "Cache_Level", kCache_Level},
        {"Get_WritePolicy_Text", "", "WritePolicy", kWritePolicy},
        {"Get_ErrorCorrectType_Text", "", "ErrorCorrectType", kErrorCorrectType},
        {"Get_Location_Text", "Win32_CacheMemory", "Location_Cache", kLocation_Cache},
        {"Get_Location_Text", "", "Location_Board", kLocation_Board},
        {"Get_MemoryErrorCorrection_Text", "", "MemoryErrorCorrection", kMemoryErrorCorrection},
        {"Get_PortType_Text", "", "PortType", kPortType},
        {"Get_CurrentUsage_Text", "", "CurrentUsage", kCurrentUsage},
    };
    return bindings;
}

}  // namespace crv::code_tables
