#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "ui/model/list_model.h"
#include "wmi/format/code_tables.h"
#include "wmi/format/decoders.h"
#include "wmi/format/formatter.h"
#include "wmi/format/tests/test_props.h"

namespace crv {
namespace {

using code_tables::Registry;
using code_tables::TableBinding;

// What a binding's decoder or row writer shows for one code, through the
// public entry points.
std::string Shown(const TableBinding& b, std::int64_t code) {
    if (b.decoder.ends_with("_Rows")) {
        ListModel list;
        WmiProperty p = test::Array(CIM_Uint16, "X", {code}, std::string(b.origin));
        Run_Row_Writer(b.decoder, p, list, "K", "C");
        return list.Item_Count() == 1 ? list.Item(0).Sub_Item(1) : "<no row>";
    }
    return Run_Decoder(b.decoder, test::Int(CIM_Uint32, "X", code, std::string(b.origin)));
}

TEST(CodeTables, CodesOutsideEveryTableAndInItsGapsHaveNoText) {
    for (const TableBinding& b : Registry()) {
        ASSERT_FALSE(b.entries.empty()) << b.table;
        std::set<std::int64_t> probes = {b.entries.front().low - 1, b.entries.back().high + 1};
        for (std::size_t i = 1; i < b.entries.size(); ++i) {
            if (b.entries[i].low - b.entries[i - 1].high > 1) {
                probes.insert(b.entries[i - 1].high + 1);
                probes.insert(b.entries[i].low - 1);
            }
        }
        for (std::int64_t code : probes)
            EXPECT_EQ(Shown(b, code), Decoded_Value_Text("Specific info not available", code))
                << b.decoder << " " << b.origin << " code " << code;
        // The ends of every entry (both ends of a range) reach their text.
        for (const auto& e : b.entries) {
            EXPECT_EQ(Shown(b, e.low), Decoded_Value_Text(e.text, e.low)) << b.decoder;
            EXPECT_EQ(Shown(b, e.high), Decoded_Value_Text(e.text, e.high)) << b.decoder;
        }
    }
}

TEST(CodeTables, EntryCountsPerTable) {
    const std::map<std::string, std::size_t> expected = {
        {"ConfigManagerErrorCode", 32}, {"Availability_Resource", 5}, {"Availability_Device", 21},
        {"StatusInfo", 5}, {"PowerManagementCapabilities", 8}, {"ByteMode", 4}, {"WordMode", 4},
        {"ChannelTiming", 6}, {"TypeCTiming", 5}, {"TriggerType", 4}, {"TriggerLevel", 4},
        {"DeviceType", 7}, {"DeviceInterface", 11}, {"Handedness", 4}, {"PointingType", 9},
        {"AdapterTypeId", 14}, {"ProtocolSupported", 47}, {"BusType", 18}, {"MixedVoltageSupport", 5},
        {"ConnectorType", 125}, {"DriveType", 7}, {"MediaType", 23}, {"Access", 5}, {"Capabilities", 13},
        {"FormFactor", 24}, {"MemoryType", 21}, {"TypeDetail", 13}, {"Memory_Use", 8}, {"Associativity", 8},
        {"SRAM_Type", 7}, {"BiosCharacteristics", 42}, {"PasswordStatus", 4}, {"ChassisBootupState", 6},
        {"BootOption", 4}, {"ChassisTypes", 24}, {"ServicePhilosophy", 9}, {"SecurityBreach", 5},
        {"SecurityStatus", 5}, {"Chemistry", 8}, {"BatteryStatus", 11}, {"SoftwareElementState", 4},
        {"InstallState", 6}, {"Processor_Family", 104}, {"Architecture", 6}, {"CpuStatus", 8},
        {"VideoArchitecture", 13}, {"VideoMemoryType", 13}, {"ScanMode", 4}, {"OSType", 58},
        {"TargetOperatingSystem", 62}, {"OperatingSystemSKU", 26}, {"ProductType", 3}, {"DomainRole", 6},
        {"LicenseStatus", 7}, {"DEP_SupportPolicy", 4}, {"ForegroundApplicationBoost", 3},
        {"QuantumLength", 3}, {"QuantumType", 3}, {"DebugInfoType", 4}, {"WinSATAssessmentState", 5},
        {"WakeUpType", 9}, {"PCSystemType", 9}, {"PowerState", 8}, {"SystemState", 6},
        {"AdminPasswordStatus", 4}, {"ResetCapability", 5}, {"ProcessorType", 6}, {"UpgradeMethod", 18},
        {"CacheType", 5}, {"Cache_Level", 6}, {"WritePolicy", 6}, {"ErrorCorrectType", 7},
        {"Location_Cache", 4}, {"Location_Board", 15}, {"MemoryErrorCorrection", 8}, {"PortType", 34},
        {"CurrentUsage", 5}, {"PrinterStatus", 18}, {"ExtendedDetectedErrorState", 16}, {"Color", 2},
        {"Printer_MediaType", 3}, {"ICMIntent", 3}, {"ICMMethod", 4}, {"Orientation", 2},
        {"Route_Protocol", 14}, {"NetConnectionStatus", 13}, {"SIDType", 9}, {"AccountType", 5},
        {"LogonType", 12}, {"AssignmentType", 2}, {"ThreadState", 8}, {"ThreadWaitReason", 21},
        {"Type_Share", 8}, {"Type_Route", 4}, {"Type_ShadowProvider", 4},
    };
    std::map<std::string, std::size_t> actual;
    for (const TableBinding& b : Registry()) actual[std::string(b.table)] = b.entries.size();
    for (const auto& [table, count] : expected) EXPECT_EQ(actual[table], count) << table;
    EXPECT_EQ(actual.size(), 95u);

    std::map<std::string, std::size_t> masks;
    for (const auto& m : code_tables::Bit_Mask_Tables()) masks[std::string(m.decoder)] = m.flags.size();
    EXPECT_EQ(masks, (std::map<std::string, std::size_t>{{"Get_Printer_Attributes_Text", 14},
                                                         {"Get_VoltageCaps_Text", 3},
                                                         {"Get_SuiteMask_Text", 11},
                                                         {"Get_AccessMask_Text", 13},
                                                         {"Get_OSProductSuite_Text", 13}}));
    EXPECT_EQ(code_tables::Smart_Attribute_Names().size(), 62u);
}

TEST(CodeTables, SharedTablesAreOneTable) {
    auto entries = [](std::string_view decoder, std::string_view origin) {
        const TableBinding* b = code_tables::Find_Binding(decoder, origin);
        EXPECT_NE(b, nullptr) << decoder;
        return b ? b->entries.data() : nullptr;
    };
    EXPECT_EQ(entries("Get_PowerSupplyState_Text", ""), entries("Get_ThermalState_Text", ""));
    EXPECT_EQ(entries("Get_BootOptionOnLimit_Text", ""), entries("Get_BootOptionOnWatchDog_Text", ""));
    EXPECT_EQ(entries("Get_Availability_Text", "CIM_DMA"), entries("Get_Availability_Text", "CIM_IRQ"));
    EXPECT_NE(entries("Get_Availability_Text", "CIM_DMA"), entries("Get_Availability_Text", "Win32_Fan"));
    // Every decoder name in the registry is reachable.
    for (const TableBinding& b : Registry())
        EXPECT_TRUE(Is_Decoder(b.decoder) || Is_Row_Writer(b.decoder)) << b.decoder;
}

TEST(CodeTables, ExactBytes) {
    auto family = [](std::int64_t code) { return Run_Decoder("Get_Processor_Family_Text", test::Int(18, "Family", code)); };
    // The trademark sign U+2122 and one further double quote.
    EXPECT_EQ(family(15), "Celeron\xE2\x84\xA2\" (15)");
    EXPECT_EQ(family(176), "Pentium\xC2\xAE III Xeon\xE2\x84\xA2\" (176)");
    EXPECT_EQ(family(179), "Intel\xC2\xAE Xeon\xE2\x84\xA2\" (179)");
    EXPECT_EQ(family(181), "Intel\xC2\xAE Xeon\xE2\x84\xA2 processor MP (181)");
    EXPECT_EQ(family(184), "Intel\xC2\xAE Itanium\xC2\xAE 2 (184)");
    EXPECT_EQ(family(26), "K6 -2 (26)");
    EXPECT_EQ(family(0), "Other (0)");
    EXPECT_EQ(family(1), "Other (1)");
    EXPECT_EQ(family(20), "Specific info not available (20)");
    EXPECT_EQ(family(499), "Specific info not available (499)");
    EXPECT_EQ(family(500), "Video Processor (500)");
    EXPECT_EQ(Kelvin_To_Celsius_Text(3010), "27.85\xC2\xB0 C");

    auto dec = [](std::string_view d, std::int64_t code) { return Run_Decoder(d, test::Int(19, "X", code)); };
    EXPECT_EQ(dec("Get_MediaType_Text", 2), "31/2-Inch Floppy Disk - 1.44Mb -512 bytes/sector (2)");
    EXPECT_EQ(dec("Get_ForegroundApplicationBoost_Text", 2), "Maximum(Default) (2)");
    EXPECT_EQ(dec("Get_OSType_Text", 12), "OS / 2 (12)");
    EXPECT_EQ(dec("Get_TargetOperatingSystem_Text", 12), "OS/2 (12)");
    EXPECT_EQ(dec("Get_OSType_Text", 2), "MACROS (2)");
    EXPECT_EQ(dec("Get_OSType_Text", 58), "Specific info not available (58)");
    EXPECT_EQ(dec("Get_TargetOperatingSystem_Text", 58), "Windows 2000 (58)");
    EXPECT_EQ(dec("Get_ConfigManagerErrorCode_Text", 26), "Windows is still setting up this device. (26)");
    EXPECT_EQ(dec("Get_ChassisBootupState_Text", 3), "Safes (3)");
    EXPECT_EQ(dec("Get_ThreadWaitReason_Text", 12), "Free Page (12)");
    EXPECT_EQ(dec("Get_PortType_Text", 19), "PCMCIA Type II (19)");
    EXPECT_EQ(dec("Get_PortType_Text", 25), "PC - 98 (25)");
    EXPECT_EQ(dec("Get_AccountType_Text", 768), "Specific info not available (768)");
    EXPECT_EQ(dec("Get_TypeDetail_Text", 132), "Specific info not available (132)");
}

TEST(CodeTables, NegativeCodes) {
    auto dec = [](std::string_view d, std::int64_t code, std::string origin = "") {
        return Run_Decoder(d, test::Int(19, "X", code, std::move(origin)));
    };
    EXPECT_EQ(dec("Get_BusType_Text", -1), "Undefined (-1)");
    EXPECT_EQ(dec("Get_BusType_Text", -2), "Specific info not available (-2)");
    EXPECT_EQ(dec("Get_InstallState_Text", -6), "Bad Configuration (-6)");
    EXPECT_EQ(dec("Get_InstallState_Text", -5), "Specific info not available (-5)");
    // Administrative shares: the base type with the top bit set, signed.
    EXPECT_EQ(dec("Get_Type_Text", -2147483648LL, "Win32_Share"), "Disk Drive Admin (-2147483648)");
    EXPECT_EQ(dec("Get_Type_Text", -2147483645LL, "Win32_Share"), "IPC Admin (-2147483645)");
    EXPECT_EQ(dec("Get_Type_Text", -2147483644LL, "Win32_Share"),
              "Specific info not available (-2147483644)");
    EXPECT_EQ(dec("Get_Type_Text", 3, "Win32_IP4RouteTable"), "Direct (3)");
    EXPECT_EQ(dec("Get_Type_Text", 3, "Win32_ShadowProvider"), "Hardware (3)");
    EXPECT_EQ(dec("Get_Type_Text", 2, "Win32_Foo"), "2");
    EXPECT_EQ(dec("Get_Type_Text", -7, ""), "-7");
    EXPECT_EQ(dec("Get_ConfigManagerErrorCode_Text", -1), "Specific info not available (-1)");
}

}  // namespace
}  // namespace crv
