// Code tables: Drives, media, memory modules and arrays, caches.
// Each table is walked by value; texts are display texts, kept exactly.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr CodeEntry kDriveType[] = {
    {0, "Unknown"},
    {1, "No Root Directory"},
    {2, "Removable Disk"},
    {3, "Local Disk"},
    {4, "Network Drive"},
    {5, "Compact Disc"},
    {6, "RAM Disk"},
};
static_assert(Codes_Ascend(kDriveType));

constexpr CodeEntry kMediaType[] = {
    {0, "Format is unknown"},
    {1, "51/4-Inch Floppy Disk - 1.2Mb - 512 bytes/sector"},
    {2, "31/2-Inch Floppy Disk - 1.44Mb -512 bytes/sector"},
    {3, "31/2-Inch Floppy Disk - 2.88Mb - 512 bytes/sector"},
    {4, "31/2-Inch Floppy Disk - 20.8Mb - 512 bytes/sector"},
    {5, "31/2-Inch Floppy Disk - 720Kb - 512 bytes/sector"},
    {6, "51/4-Inch Floppy Disk - 360Kb - 512 bytes/sector"},
    {7, "51/4-Inch Floppy Disk - 320Kb - 512 bytes/sector"},
    {8, "51/4-Inch Floppy Disk - 320Kb - 1024 bytes/sector"},
    {9, "51/4-Inch Floppy Disk - 180Kb - 512 bytes/sector"},
    {10, "51/4-Inch Floppy Disk - 160Kb - 512 bytes/sector"},
    {11, "Removable media other than floppy"},
    {12, "Fixed hard disk media"},
    {13, "31/2-Inch Floppy Disk - 120Mb - 512 bytes/sector"},
    {14, "31/2-Inch Floppy Disk - 640Kb - 512 bytes/sector"},
    {15, "51/4-Inch Floppy Disk - 640Kb - 512 bytes/sector"},
    {16, "51/4-Inch Floppy Disk - 720Kb - 512 bytes/sector"},
    {17, "31/2-Inch Floppy Disk - 1.2Mb - 512 bytes/sector"},
    {18, "31/2-Inch Floppy Disk - 1.23Mb - 1024 bytes/sector"},
    {19, "51/4-Inch Floppy Disk - 1.23Mb - 1024 bytes/sector"},
    {20, "31/2-Inch Floppy Disk - 128Mb - 512 bytes/sector"},
    {21, "31/2-Inch Floppy Disk - 230Mb - 512 bytes/sector"},
    {22, "8-Inch Floppy Disk - 256Kb - 128 bytes/sector"},
};
static_assert(Codes_Ascend(kMediaType));

constexpr CodeEntry kAccess[] = {
    {0, "Unknown"},
    {1, "Readable"},
    {2, "Writable"},
    {3, "Read/Write Supported"},
    {4, "Write Once"},
};
static_assert(Codes_Ascend(kAccess));

constexpr CodeEntry kCapabilities[] = {
    {0, "Unknown"},
    {1, "Other"},
    {2, "Sequential Access"},
    {3, "Random Access"},
    {4, "Supports Writing"},
    {5, "Encryption"},
    {6, "Compression"},
    {7, "Supports Removable Media"},
    {8, "Manual Cleaning"},
    {9, "Automatic Cleaning"},
    {10, "SMART Notification"},
    {11, "Supports Dual Sided Media"},
    {12, "Ejection Prior to Drive Dismount Not Required"},
};
static_assert(Codes_Ascend(kCapabilities));

constexpr CodeEntry kFormFactor[] = {
    {0, "Unknown"},
    {1, "Other"},
    {2, "SIP"},
    {3, "DIP"},
    {4, "ZIP"},
    {5, "SOJ"},
    {6, "Proprietary"},
    {7, "SIMM"},
    {8, "DIMM"},
    {9, "TSOP"},
    {10, "PGA"},
    {11, "RIMM"},
    {12, "SODIMM"},
    {13, "SRIMM"},
    {14, "SMD"},
    {15, "SSMP"},
    {16, "QFP"},
    {17, "TQFP"},
    {18, "SOIC"},
    {19, "LCC"},
    {20, "PLCC"},
    {21, "BGA"},
    {22, "FPBGA"},
    {23, "LGA"},
};
static_assert(Codes_Ascend(kFormFactor));

constexpr CodeEntry kMemoryType[] = {
    {1, "Unknown"},
    {2, "Other"},
    {3, "DRAM"},
    {4, "Synchronous DRAM"},
    {5, "Cache DRAM"},
    {6, "EDO"},
    {7, "EDRAM"},
    {8, "VRAM"},
    {9, "SRAM"},
    {10, "RAM"},
    {11, "ROM"},
    {12, "Flash"},
    {13, "EEPROM"},
    {14, "FEPROM"},
    {15, "EPROM"},
    {16, "CDRAM"},
    {17, "3DRAM"},
    {18, "SDRAM"},
    {19, "SGRAM"},
    {20, "DDR"},
    {21, "DDR-2"},
};
static_assert(Codes_Ascend(kMemoryType));

constexpr CodeEntry kTypeDetail[] = {
    {1, "Reserved"},
    {2, "Other"},
    {4, "Unknown"},
    {8, "Fast-paged"},
    {16, "Static column"},
    {32, "Pseudo-static"},
    {64, "RAMBUS"},
    {128, "Synchronous"},
    {256, "CMOS"},
    {512, "EDO"},
    {1024, "Window DRAM"},
    {2048, "Cache DRAM"},
    {4096, "Non-volatile"},
};
static_assert(Codes_Ascend(kTypeDetail));

constexpr CodeEntry kMemory_Use[] = {
    {0, "Reserved"},
    {1, "Other"},
    {2, "Unknown"},
    {3, "System memory"},
    {4, "Video memory"},
    {5, "Flash memory"},
    {6, "Non-volatile RAM"},
    {7, "Cache memory"},
};
static_assert(Codes_Ascend(kMemory_Use));

constexpr CodeEntry kAssociativity[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Direct Mapped"},
    {4, "2-way Set-Associative"},
    {5, "4-way Set-Associative"},
    {6, "Fully Associative"},
    {7, "8-way Set-Associative"},
    {8, "16-way Set-Associative"},
};
static_assert(Codes_Ascend(kAssociativity));

constexpr CodeEntry kSRAM_Type[] = {
    {0, "Other"},
    {1, "Unknown"},
    {2, "Non-Burst"},
    {3, "Burst"},
    {4, "Pipeline Burst"},
    {5, "Synchronous"},
    {6, "Asynchronous"},
};
static_assert(Codes_Ascend(kSRAM_Type));

}  // namespace

std::span<const TableBinding> Storage_Memory_Tables() {
    static constexpr TableBinding bindings[] = {
        {"Get_DriveType_Text", "", "DriveType", kDriveType},
        {"Get_MediaType_Text", "", "MediaType", kMediaType},
        {"Get_Access_Text", "", "Access", kAccess},
        {"Get_Capabilities_Rows", "", "Capabilities", kCapabilities},
        {"Get_FormFactor_Text", "", "FormFactor", kFormFactor},
        {"Get_MemoryType_Text", "", "MemoryType", kMemoryType},
        {"Get_TypeDetail_Text", "", "TypeDetail", kTypeDetail},
        {"Get_Memory_Use_Text", "", "Memory_Use", kMemory_Use},
        {"Get_Associativity_Text", "", "Associativity", kAssociativity},
        {"Get_SRAM_Type_Rows", "", "SRAM_Type", kSRAM_Type},
    };
    return bindings;
}

}  // namespace crv::code_tables
