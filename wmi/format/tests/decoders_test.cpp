#include <gtest/gtest.h>

#include "core/error.h"
#include "ui/model/list_model.h"
#include "wmi/format/decoders.h"
#include "wmi/format/formatter.h"
#include "wmi/format/tests/test_props.h"

namespace crv {
namespace {

using test::Array;
using test::Int;

std::string Dec(std::string_view decoder, std::int64_t value, std::string origin = "") {
    return Run_Decoder(decoder, Int(CIM_Uint32, "X", value, std::move(origin)));
}

TEST(Decoders, TableChosenByDeclaringClass) {
    EXPECT_EQ(Dec("Get_Availability_Text", 3, "CIM_DMA"), "Available (3)");
    EXPECT_EQ(Dec("Get_Availability_Text", 5, "CIM_IRQ"), "In Use and Available/Shareable (5)");
    EXPECT_EQ(Dec("Get_Availability_Text", 5, "cim_irq"), "In Test (5)");
    EXPECT_EQ(Dec("Get_Availability_Text", 3, ""), "Running/Full Power (3)");
    EXPECT_EQ(Dec("Get_Availability_Text", 0, "CIM_DMA"), "Specific info not available (0)");
    EXPECT_EQ(Dec("Get_Location_Text", 1, "Win32_CacheMemory"), "External (1)");
    EXPECT_EQ(Dec("Get_Location_Text", 1, "Win32_PhysicalMemoryArray"), "Other (1)");
    EXPECT_EQ(Dec("Get_Location_Text", 5, "Win32_CacheMemory"), "Specific info not available (5)");
    EXPECT_EQ(Dec("Get_Location_Text", 5, ""), "EISA add-on card (5)");
}

TEST(Decoders, FormatsWithoutTables) {
    EXPECT_EQ(Dec("Get_InterleavePosition_Text", 0), "Non-interleaved (0)");
    EXPECT_EQ(Dec("Get_ChargeRemaining_Text", 97), "97 %");
    EXPECT_EQ(Dec("Get_PrinterState_Text", 0), "0 (Obsolete Value)");
    EXPECT_EQ(Dec("Get_Temperature_Text", 3732), "100.05\xC2\xB0 C (3732)");
    EXPECT_EQ(Kelvin_To_Celsius_Text(2981), "24.95\xC2\xB0 C");
    EXPECT_EQ(Kelvin_To_Celsius_Text(0), "-273.15\xC2\xB0 C");
}

TEST(Decoders, PrinterAttributesJoinTheirSetBits) {
    EXPECT_EQ(Dec("Get_Printer_Attributes_Text", 4), "Default (4)");
    EXPECT_EQ(Dec("Get_Printer_Attributes_Text", 12), "Default, Shared (12)");
    EXPECT_EQ(Dec("Get_Printer_Attributes_Text", 16448), "Local (16448)");
    EXPECT_EQ(Dec("Get_Printer_Attributes_Text", 8192 + 1), "Queued, Published (8193)");
    // No named bit: the text of a code without a text, not an error.
    EXPECT_EQ(Dec("Get_Printer_Attributes_Text", 0), "Specific info not available (0)");
    EXPECT_EQ(Dec("Get_Printer_Attributes_Text", 16384), "Specific info not available (16384)");
}

TEST(Decoders, FixedRunBitMasks) {
    EXPECT_EQ(Dec("Get_VoltageCaps_Text", 7), "5V, 3.3V, 2.9V (7)");
    EXPECT_EQ(Dec("Get_VoltageCaps_Text", 8), " (8)");
    EXPECT_EQ(Dec("Get_VoltageCaps_Text", 12), "2.9V (12)");
    for (auto d : {"Get_VoltageCaps_Text", "Get_SuiteMask_Text", "Get_AccessMask_Text", "Get_OSProductSuite_Text"})
        EXPECT_EQ(Dec(d, 0), " (0)") << d;
    EXPECT_EQ(Dec("Get_SuiteMask_Text", 2048), " (2048)");
    EXPECT_EQ(Dec("Get_SuiteMask_Text", 1024 + 1), "Small Business, Blade (1025)");
    EXPECT_EQ(Dec("Get_OSProductSuite_Text", 6144), " (6144)");
    EXPECT_EQ(Dec("Get_OSProductSuite_Text", 16384 + 8),
              "Communication Server is installed. Windows Server 2003, Compute Cluster Edition is installed.  (16392)");
    EXPECT_EQ(Dec("Get_AccessMask_Text", 4096), "Synchronize (4096)");
    EXPECT_EQ(Dec("Get_AccessMask_Text", 511 + 65536),
              "Read Data, Write Data, Append Data, Read EA, Write EA, Execute, Delete Child, Read Attribs, "
              "Write Attribs (66047)");
    // A mask with its top bit set arrives negative; the flags still read.
    EXPECT_EQ(Dec("Get_AccessMask_Text", -2147483647LL), "Read Data (-2147483647)");
}

TEST(Decoders, ValuesThatAreNoCodeReadAsTheirText) {
    EXPECT_EQ(Run_Decoder("Get_DriveType_Text", test::Prop(19, "DriveType", std::string(" 4 "))),
              "Network Drive (4)");
    EXPECT_EQ(Run_Decoder("Get_DriveType_Text", test::Prop(19, "DriveType", std::string("four"))), "four");
    EXPECT_EQ(Run_Decoder("Get_DriveType_Text", test::Prop(19, "DriveType", 3.0)), "Local Disk (3)");
    EXPECT_EQ(Run_Decoder("Get_DriveType_Text", test::Prop(19, "DriveType", true)), "True");
    EXPECT_EQ(Run_Decoder("No_Such_Decoder", Int(19, "X", 5)), "5");
}

struct Row {
    std::string key, text, small_icon, cell;
    int indent;
};
std::vector<Row> Rows(const ListModel& list) {
    std::vector<Row> rows;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        const ListItem& it = list.Item(i);
        rows.push_back({it.key, it.text, it.small_icon, it.Sub_Item(1), it.indent});
    }
    return rows;
}

TEST(RowWriters, DecodingWriterRowsKeysAndReturn) {
    ListModel list;
    EXPECT_EQ(Format_Property_Value(Array(18, "ChassisTypes", {3, 9, 30}), list, "P", "C", ""),
              "Specific info not available");
    const auto rows = Rows(list);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].key, "P\x0B" "0");
    EXPECT_EQ(rows[1].key, "P\x0B" "1");
    EXPECT_EQ(rows[2].key, "P\x0B" "2");
    EXPECT_EQ(rows[0].text, "C");
    EXPECT_EQ(rows[0].small_icon, "Info");
    EXPECT_EQ(rows[1].text, "");
    EXPECT_EQ(rows[1].small_icon, "");
    EXPECT_EQ(rows[0].cell, "Desktop (3)");
    EXPECT_EQ(rows[1].cell, "Laptop (9)");
    EXPECT_EQ(rows[2].cell, "Specific info not available (30)");
    for (const Row& r : rows) EXPECT_EQ(r.indent, 1);
}

TEST(RowWriters, ElementTablesThroughTheFormatter) {
    auto cells = [](WmiProperty p, std::string* ret = nullptr) {
        ListModel list;
        std::string r = Format_Property_Value(p, list, "K", "C", "");
        if (ret) *ret = r;
        std::vector<std::string> out;
        for (const Row& row : Rows(list)) out.push_back(row.cell);
        return out;
    };
    using V = std::vector<std::string>;
    std::string ret;
    EXPECT_EQ(cells(Array(18, "Capabilities", {3, 4, 7}), &ret),
              (V{"Random Access (3)", "Supports Writing (4)", "Supports Removable Media (7)"}));
    EXPECT_EQ(ret, "Supports Removable Media");
    EXPECT_EQ(cells(Array(18, "BiosCharacteristics", {7, 44, 50, 64})),
              (V{"PCI is supported (7)", "BIOS Vendor Reserved (44)", "System Vendor Reserved (50)",
                 "Specific info not available (64)"}));
    EXPECT_EQ(cells(Array(18, "ConnectorType", {88, 99, 125})),
              (V{"PCI -x (88)", "PCI -x (99)", "Specific info not available (125)"}));
    EXPECT_EQ(cells(Array(18, "VppMixedVoltageSupport", {2, 3}), &ret), (V{"3.3V (2)", "5V (3)"}));
    EXPECT_EQ(ret, "5V");
    EXPECT_EQ(cells(Array(18, "PowerManagementCapabilities", {1})), (V{"Not Supported (1)"}));
    EXPECT_EQ(cells(Array(18, "CurrentSRAM", {2})), (V{"Non-Burst (2)"}));
    EXPECT_EQ(cells(Array(18, "ServicePhilosophy", {8})), (V{"Moveable (8)"}));
    EXPECT_EQ(cells(Array(18, "ChassisTypes", {0, 25})),
              (V{"Specific info not available (0)", "Specific info not available (25)"}));
    EXPECT_EQ(cells(Array(19, "ActiveTripPoint", {3532, 0, -5}), &ret),
              (V{"80.05\xC2\xB0 C (3532)", "0 (0)", "Specific info not available (-5)"}));
    EXPECT_EQ(ret, "Specific info not available");
    EXPECT_EQ(cells(Array(19, "DriveType", {3, 4}), &ret), (V{"3", "4"}));
    EXPECT_EQ(ret, "4");
    EXPECT_EQ(cells(Array(18, "ChassisTypes", {}), &ret), V{});
    EXPECT_EQ(ret, "");
}

TEST(RowWriters, SmartRowsNameTheirBytePositions) {
    WmiProperty p;
    p.name = "VendorSpecific";
    p.cim_type = CIM_Uint8;
    p.is_array = true;
    p.array_is_null = false;
    for (int i = 0; i < 512; ++i) p.elements.emplace_back(std::int64_t{i == 5 ? 0 : 100});
    ListModel list;
    EXPECT_EQ(Format_Property_Value(p, list, "VendorSpecific\x0B" "1", "    Vendor Specific", ""), "100");
    const auto rows = Rows(list);
    ASSERT_EQ(rows.size(), 512u);
    EXPECT_EQ(rows[0].text, "    Vendor Specific");
    EXPECT_EQ(rows[1].text, "    ReadErrorRate = 0x01,");
    EXPECT_EQ(rows[5].text, "    ReallocatedSectorsCount = 0x05,");
    EXPECT_EQ(rows[5].cell, "0 (0)");
    EXPECT_EQ(rows[19].text, "    CommandTimeout = 0xBC,");
    EXPECT_EQ(rows[20].text, "    ");
    EXPECT_EQ(rows[21].text, "    HighFlyWrites = 0xBD,");
    EXPECT_EQ(rows[62].text, "    FreeFallProtection = 0xFE,");
    EXPECT_EQ(rows[63].text, "    ");
    EXPECT_EQ(rows[193].text, "    ");
    EXPECT_EQ(rows[194].text, "    TEMPERATURE");
    EXPECT_EQ(rows[195].text, "    ");
    EXPECT_EQ(rows[511].text, "    ");
    EXPECT_EQ(rows[511].key, "VendorSpecific\x0B" "1\x0B" "511");
    for (const Row& r : rows) EXPECT_EQ(r.small_icon, "Info");
    EXPECT_EQ(rows[7].cell, "100 (100)");
}

TEST(RowWriters, SingleValueAndDuplicateKeysKeepGoing) {
    ListModel list;
    // A single value where an array was expected is one element.
    EXPECT_EQ(Run_Row_Writer("Get_ChassisTypes_Rows", Int(18, "ChassisTypes", 3), list, "S", "C"), "Desktop");
    ASSERT_EQ(list.Item_Count(), 1u);
    EXPECT_EQ(list.Item(0).Sub_Item(1), "Desktop (3)");
    // A key already in the list leaves the pending error; later elements
    // still get their rows.
    Clear_Error();
    EXPECT_EQ(Run_Row_Writer("Get_ChassisTypes_Rows", Array(18, "ChassisTypes", {9, 10}), list, "S", "C"),
              "Notebook");
    EXPECT_FALSE(Pending_Error().empty());
    ASSERT_EQ(list.Item_Count(), 2u);
    EXPECT_EQ(list.Item(0).Sub_Item(1), "Desktop (3)");
    EXPECT_EQ(list.Item(1).Sub_Item(1), "Notebook (10)");
    Clear_Error();
}

}  // namespace
}  // namespace crv
