// Code tables: Processor families, architectures and states, video controllers.
// Each table is walked by value; texts are display texts, kept exactly.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr CodeEntry kProcessor_Family[] = {
    {0, "Other"},
    {1, "Other"},
    {2, "Unknown"},
    {3, "8086"},
    {4, "80286"},
    {5, "80386"},
    {6, "80486"},
    {7, "8087"},
    {8, "80287"},
    {9, "80387"},
    {10, "80487"},
    {11, "Pentium® brand"},
    {12, "Pentium® Pro"},
    {13, "Pentium® II"},
    {14, "Pentium® processor with MMX technology"},
    {15, "Celeron™\""},
    {16, "Pentium® II Xeon"},
    {17, "Pentium® III"},
    {18, "M1 Family"},
    {19, "M2 Family"},
    {24, "K5 Family"},
    {25, "K6 Family"},
    {26, "K6 -2"},
    {27, "K6 -3"},
    {28, "AMD Athlon™ Processor Family"},
    {29, "AMD® Duron™ Processor"},
    {30, "AMD2900 Family"},
    {31, "K6-2+"},
    {32, "Power PC Family"},
    {33, "Power PC 601"},
    {34, "Power PC 603"},
    {35, "Power PC 603+"},
    {36, "Power PC 604"},
    {37, "Power PC 620"},
    {38, "Power PC X704"},
    {39, "Power PC 750"},
    {48, "Alpha Family"},
    {49, "Alpha 21064"},
    {50, "Alpha 21066"},
    {51, "Alpha 21164"},
    {52, "Alpha 21164PC"},
    {53, "Alpha 21164a"},
    {54, "Alpha 21264"},
    {55, "Alpha 21364"},
    {64, "MIPS Family"},
    {65, "MIPS R4000"},
    {66, "MIPS R4200"},
    {67, "MIPS R4400"},
    {68, "MIPS R4600"},
    {69, "MIPS R10000"},
    {80, "SPARC Family"},
    {81, "SuperSPARC"},
    {82, "microSPARC II"},
    {83, "microSPARC IIep"},
    {84, "UltraSPARC"},
    {85, "UltraSPARC II"},
    {86, "UltraSPARC III"},
    {87, "UltraSPARC III"},
    {88, "UltraSPARC IIIi"},
    {96, "68040"},
    {97, "68xxx Family"},
    {98, "68000"},
    {99, "68010"},
    {100, "68020"},
    {101, "68030"},
    {112, "Hobbit Family"},
    {120, "Crusoe™ TM5000 Family"},
    {121, "Crusoe™ TM3000 Family"},
    {128, "Weitek"},
    {130, "Itanium™ Processor"},
    {144, "PA-RISC Family"},
    {145, "PA-RISC 8500"},
    {146, "PA-RISC 8000"},
    {147, "PA-RISC 7300LC"},
    {148, "PA-RISC 7200"},
    {149, "PA-RISC 7100LC"},
    {150, "PA-RISC 7100"},
    {160, "V30 Family"},
    {176, "Pentium® III Xeon™\""},
    {177, "Pentium® III Processor with Intel® SpeedStep™ Technology"},
    {178, "Pentium® 4"},
    {179, "Intel® Xeon™\""},
    {180, "AS400 Family"},
    {181, "Intel® Xeon™ processor MP"},
    {182, "AMD AthlonXP™ Family"},
    {183, "AMD AthlonMP™ Family"},
    {184, "Intel® Itanium® 2"},
    {185, "AMD Opteron™ Family"},
    {190, "K7"},
    {200, "IBM390 Family"},
    {201, "G4"},
    {202, "G5"},
    {250, "i860"},
    {251, "i960"},
    {260, "SH -3"},
    {261, "SH -4"},
    {280, "ARM"},
    {281, "StrongARM"},
    {300, "6x86"},
    {301, "MediaGX"},
    {302, "MII"},
    {320, "WinChip"},
    {350, "DSP"},
    {500, "Video Processor"},
};
static_assert(Codes_Ascend(kProcessor_Family));

constexpr CodeEntry kArchitecture[] = {
    {0, "x86"},
    {1, "MIPS"},
    {2, "Alpha"},
    {3, "PowerPC"},
    {6, "Intel Itanium Processor Family (IPF)"},
    {9, "x64"},
};
static_assert(Codes_Ascend(kArchitecture));

constexpr CodeEntry kCpuStatus[] = {
    {0, "Unknown"},
    {1, "CPU Enabled"},
    {2, "CPU Disabled by User via BIOS Setup"},
    {3, "CPU Disabled By BIOS (POST Error)"},
    {4, "CPU is Idle"},
    {5, "Reserved"},
    {6, "Reserved"},
    {7, "Other"},
};
static_assert(Codes_Ascend(kCpuStatus));

constexpr CodeEntry kVideoArchitecture[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "CGA"},
    {4, "EGA"},
    {5, "VGA"},
    {6, "SVGA"},
    {7, "MDA"},
    {8, "HGC"},
    {9, "MCGA"},
    {10, "8514A"},
    {11, "XGA"},
    {12, "Linear Frame Buffer"},
    {160, "PC-98"},
};
static_assert(Codes_Ascend(kVideoArchitecture));

constexpr CodeEntry kVideoMemoryType[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "VRAM"},
    {4, "DRAM"},
    {5, "SRAM"},
    {6, "WRAM"},
    {7, "EDO RAM"},
    {8, "Burst Synchronous DRAM"},
    {9, "Pipelined Burst SRAM"},
    {10, "8514A"},
    {11, "3DRAM"},
    {12, "SDRAM"},
    {13, "SGRAM"},
};
static_assert(Codes_Ascend(kVideoMemoryType));

constexpr CodeEntry kScanMode[] = {
    {1, "Other"},
    {2, "Unknown"},
    {3, "Interlaced"},
    {4, "Non Interlaced"},
};
static_assert(Codes_Ascend(kScanMode));

}  // namespace

std::span<const TableBinding> Processor_Video_Tables() {
    static constexpr TableBinding bindings[] = {
        {"Get_Processor_Family_Text", "", "Processor_Family", kProcessor_Family},
        {"Get_Architecture_Text", "", "Architecture", kArchitecture},
        {"Get_CpuStatus_Text", "", "CpuStatus", kCpuStatus},
        {"Get_VideoArchitecture_Text", "", "VideoArchitecture", kVideoArchitecture},
        {"Get_VideoMemoryType_Text", "", "VideoMemoryType", kVideoMemoryType},
        {"Get_ScanMode_Text", "", "ScanMode", kScanMode},
    };
    return bindings;
}

}  // namespace crv::code_tables
