#include <gtest/gtest.h>

#include <set>

#include "ui/model/list_model.h"
#include "wmi/format/format_rules.h"
#include "wmi/format/formatter.h"
#include "wmi/format/tests/test_props.h"

namespace crv {
namespace {

using test::Array;
using test::Int;
using test::Prop;

std::string List_Text(const WmiProperty& p, const std::string& class_name = "") {
    ListModel list;
    std::string text = Format_Property_Value(p, list, "", "", class_name);
    EXPECT_EQ(list.Item_Count(), 0u) << p.name;
    return text;
}

std::string Db_Text(const WmiProperty& p, const std::string& class_name = "") {
    return Format_Property_Value_For_DB(p, "", "", class_name);
}

// One value per rule of the table, with the text of both forms.
struct RuleCase {
    int type;
    const char* name;
    WmiScalar value;
    const char* origin;
    const char* list;
    const char* db;  // nullptr: same as the list form
};

const RuleCase kRuleCases[] = {
    // unsigned 64-bit, delivered as text
    {21, "TotalPhysicalMemory", std::string("1073741824"), "", "1.00 GB(1073741824 bytes)", "1.00 GB"},
    {21, "FreePhysicalMemory", std::string("2048"), "", "2.00 MB(2097152 bytes)", "2.00 MB"},
    {21, "DesignVoltage", std::string("12500"), "", "12.5V", nullptr},
    // unsigned 32-bit
    {19, "ConfigManagerErrorCode", std::int64_t{22}, "", "This device is disabled. (22)", nullptr},
    {19, "DriveType", std::int64_t{3}, "", "Local Disk (3)", nullptr},
    {19, "MediaType", std::int64_t{12}, "", "Fixed hard disk media (12)", nullptr},
    {19, "BusType", std::int64_t{-1}, "", "Undefined (-1)", nullptr},
    {19, "Speed", std::int64_t{70}, "", "70 nanoseconds", nullptr},
    {19, "CurrentClockSpeed", std::int64_t{2400}, "", "2400 MHz", nullptr},
    {19, "MaxClockSpeed", std::int64_t{2400}, "", "2.4 GHz", nullptr},
    {19, "EstimatedRunTime", std::int64_t{1439}, "", "23 hours, 59 mins, 0 secs", nullptr},
    {19, "AdapterRAM", std::int64_t{536870912}, "", "512.00 MB(536870912 bytes)", "512.00 MB"},
    {19, "TotalVirtualMemory", std::int64_t{1024}, "", "1.00 MB(1048576 bytes)", "1.00 MB"},
    {19, "CurrentHorizontalResolution", std::int64_t{1920}, "", "1920 pixels", nullptr},
    {19, "CurrentRefreshRate", std::int64_t{60}, "", "60 Hz", nullptr},
    {19, "BitsPerPixel", std::int64_t{32}, "", "32 bits per pixel", nullptr},
    {19, "LogPixels", std::int64_t{96}, "", "96 pixels per logical inch", nullptr},
    {19, "Attributes", std::int64_t{76}, "", "Default, Shared, Local (76)", nullptr},
    {19, "CursorBlinkRate", std::int64_t{530}, "", "530 ms", nullptr},
    {19, "ScreenSaverTimeout", std::int64_t{600}, "", "600 secs.", nullptr},
    {19, "AllocatedBaseSize", std::int64_t{4096}, "", "4096 MB", nullptr},
    {19, "UserInputDelay", std::int64_t{5}, "", "5 secs.", nullptr},
    {19, "Protocol", std::int64_t{8}, "", "rip (8)", nullptr},
    {19, "LogonType", std::int64_t{2}, "", "Interactive (2)", nullptr},
    {19, "DoubleSpeedThreshold", std::int64_t{6}, "", "6 Mickeys", nullptr},
    {19, "MaxCacheSize", std::int64_t{512}, "", "512 KB", nullptr},
    {19, "L2CacheSize", std::int64_t{512}, "", "512.00 KB(524288 bytes)", "512.00 KB"},
    {19, "VoltageCaps", std::int64_t{3}, "", "5V, 3.3V (3)", nullptr},
    {19, "Color", std::int64_t{2}, "", "Color (2)", nullptr},
    {19, "ICMIntent", std::int64_t{3}, "", "Exact Color (3)", nullptr},
    {19, "ICMMethod", std::int64_t{2}, "", "Windows (2)", nullptr},
    {19, "Orientation", std::int64_t{2}, "", "Landscape (2)", nullptr},
    {19, "PaperWidth", std::int64_t{2159}, "", "215.9 mm", nullptr},
    {19, "IconTitleSize", std::int64_t{9}, "", "9 points", nullptr},
    {19, "OSProductSuite", std::int64_t{16}, "", "Terminal Services is installed.  (16)", nullptr},
    {19, "ProductType", std::int64_t{1}, "", "Work Station (1)", nullptr},
    {19, "SuiteMask", std::int64_t{272}, "", "Terminal, Single User (272)", nullptr},
    {19, "OperatingSystemSKU", std::int64_t{4}, "", "Enterprise Edition (4)", nullptr},
    {19, "EncryptionLevel", std::int64_t{256}, "", "256 bit", nullptr},
    {19, "PrinterState", std::int64_t{1024}, "", "1024 (Obsolete Value)", nullptr},
    {19, "WinSATAssessmentState", std::int64_t{1}, "", "Valid (1)", nullptr},
    {19, "LicenseStatus", std::int64_t{1}, "", "Licensed (1)", nullptr},
    {19, "AccessMask", std::int64_t{6144}, "", "Write Owner, Synchronize (6144)", nullptr},
    {19, "InterleavePosition", std::int64_t{2}, "", "Position - 2 (2)", nullptr},
    {19, "BaudRate", std::int64_t{9600}, "", "9600 Bits per second", nullptr},
    {19, "MaximumMessageSize", std::int64_t{64}, "", "64 Characters", nullptr},
    {19, "DebugInfoType", std::int64_t{3}, "", "Small memory dump (3)", nullptr},
    {19, "ThreadWaitReason", std::int64_t{5}, "", "Free Page (5)", nullptr},
    {19, "ThreadState", std::int64_t{2}, "", "Running (executing) (2)", nullptr},
    {19, "Type", std::int64_t{3}, "Win32_Share", "IPC (3)", nullptr},
    {19, "AccountType", std::int64_t{512}, "", "Default account type that represents a typical user. (512)", nullptr},
    {19, "CurrentTemperature", std::int64_t{3010}, "", "27.85\xC2\xB0 C (3010)", "3010"},
    {19, "IsNotificationOn", std::int64_t{1}, "", "Yes", nullptr},
    // signed 16-bit
    {2, "CurrentTimeZone", std::int64_t{60}, "", "+60 Minutes", nullptr},
    {2, "InstallState", std::int64_t{-1}, "", "Unknown Package (-1)", "-1"},
    // signed 32-bit
    {3, "RefreshRate", std::int64_t{60}, "", "60 Hz", nullptr},
    // unsigned 16-bit
    {18, "Availability", std::int64_t{3}, "Win32_Processor", "Running/Full Power (3)", nullptr},
    {18, "DeviceInterface", std::int64_t{160}, "", "Bus mouse DB-9 (160)", nullptr},
    {18, "Handedness", std::int64_t{2}, "", "Right Handed Operation (2)", nullptr},
    {18, "PointingType", std::int64_t{3}, "", "Mouse (3)", nullptr},
    {18, "Capabilities", std::int64_t{4}, "", "Supports Writing (4)", "4"},
    {18, "ProtocolSupported", std::int64_t{8}, "", "1496 (8)", nullptr},
    {18, "StatusInfo", std::int64_t{3}, "", "Enabled (3)", nullptr},
    {18, "SoftwareElementState", std::int64_t{3}, "", "Running (3)", nullptr},
    {18, "ByteMode", std::int64_t{4}, "", "Execute in 'count by byte' mode (4)", "Execute in ''count by byte'' mode (4)"},
    {18, "ChannelTiming", std::int64_t{3}, "", "ISA Compatible (3)", nullptr},
    {18, "TypeCTiming", std::int64_t{5}, "", "Supported (5)", nullptr},
    {18, "WordMode", std::int64_t{3}, "", "Not execute in 'count by word' mode (3)", "Not execute in ''count by word'' mode (3)"},
    {18, "TriggerType", std::int64_t{4}, "", "Edge (4)", nullptr},
    {18, "TriggerLevel", std::int64_t{3}, "", "Active Low (3)", nullptr},
    {18, "DataWidth", std::int64_t{64}, "", "64 bits", nullptr},
    {18, "FormFactor", std::int64_t{8}, "", "DIMM (8)", nullptr},
    {18, "MemoryType", std::int64_t{21}, "", "DDR-2 (21)", nullptr},
    {18, "TypeDetail", std::int64_t{128}, "", "Synchronous (128)", nullptr},
    {18, "DeviceType", std::int64_t{3}, "", "Video (3)", nullptr},
    {18, "Use", std::int64_t{3}, "", "System memory (3)", nullptr},
    {18, "CurrentVoltage", std::int64_t{33}, "", "3.3V", nullptr},
    {18, "Chemistry", std::int64_t{6}, "", "Lithium-ion (6)", nullptr},
    {18, "EstimatedChargeRemaining", std::int64_t{100}, "", "100 %", nullptr},
    {18, "BatteryStatus", std::int64_t{2}, "",
     "The system has access to AC so no battery is being discharged. However, the battery is not necessarily "
     "charging. (2)",
     nullptr},
    {18, "ChassisBootupState", std::int64_t{3}, "", "Safes (3)", nullptr},
    {18, "SystemStartupDelay", std::int64_t{30}, "", "30 Seconds", nullptr},
    {18, "KeyboardPasswordStatus", std::int64_t{3}, "", "Unknown (3)", nullptr},
    {18, "Associativity", std::int64_t{4}, "", "2-way Set-Associative (4)", nullptr},
    {18, "VideoArchitecture", std::int64_t{160}, "", "PC-98 (160)", nullptr},
    {18, "VideoMemoryType", std::int64_t{10}, "", "8514A (10)", nullptr},
    {18, "CurrentScanMode", std::int64_t{4}, "", "Non Interlaced (4)", nullptr},
    {18, "Family", std::int64_t{15}, "", "Celeron\xE2\x84\xA2\" (15)", nullptr},
    {18, "AddressWidth", std::int64_t{64}, "", "64 bits", nullptr},
    {18, "Architecture", std::int64_t{9}, "", "x64 (9)", nullptr},
    {18, "CpuStatus", std::int64_t{1}, "", "CPU Enabled (1)", nullptr},
    {18, "LoadPercentage", std::int64_t{5}, "", "5 %", nullptr},
    {18, "WakeUpType", std::int64_t{6}, "", "Power Switch (6)", nullptr},
    {18, "ExtendedPrinterStatus", std::int64_t{17}, "", "I/O Active (17)", nullptr},
    {18, "ExtendedDetectedErrorState", std::int64_t{2}, "", "No Error (2)", nullptr},
    {18, "TargetOperatingSystem", std::int64_t{2}, "", "MACOS (2)", nullptr},
    {18, "CacheType", std::int64_t{5}, "", "Unified (5)", nullptr},
    {18, "ErrorCorrectType", std::int64_t{5}, "", "Single-bit ECC (5)", nullptr},
    {18, "Level", std::int64_t{3}, "", "Primary (3)", nullptr},
    {18, "WritePolicy", std::int64_t{3}, "", "Write Back (3)", nullptr},
    {18, "Location", std::int64_t{1}, "Win32_CacheMemory", "External (1)", nullptr},
    {18, "PortType", std::int64_t{18}, "", "PCMCIA Type II (18)", nullptr},
    {18, "ProcessorType", std::int64_t{3}, "", "Central Processor (3)", nullptr},
    {18, "UpgradeMethod", std::int64_t{14}, "", "Socket A (Socket 462) (14)", nullptr},
    {18, "CurrentUsage", std::int64_t{4}, "", "In use (4)", nullptr},
    {18, "MaxDataWidth", std::int64_t{2}, "", "32 bits", nullptr},
    {18, "NetConnectionStatus", std::int64_t{7}, "", "Media disconneted (7)", nullptr},
    {18, "PowerSupplyState", std::int64_t{3}, "", "Safe (3)", nullptr},
    {18, "AdminPasswordStatus", std::int64_t{2}, "", "Enabled (2)", nullptr},
    {18, "ResetCapability", std::int64_t{5}, "", "Non-recoverable (5)", nullptr},
    {18, "ThermalState", std::int64_t{3}, "", "Safe (3)", nullptr},
    {18, "Access", std::int64_t{3}, "", "Read/Write Supported (3)", nullptr},
    {18, "PCSystemType", std::int64_t{2}, "", "Mobile (2)", nullptr},
    {18, "OSType", std::int64_t{18}, "", "WINNT (18)", nullptr},
    {18, "DomainRole", std::int64_t{5}, "", "Primary Domain Controller (5)", nullptr},
    {18, "PowerState", std::int64_t{1}, "", "Full Power (1)", nullptr},
    {18, "AdapterTypeId", std::int64_t{0}, "", "Ethernet 802.3 (0)", nullptr},
    {18, "SecurityStatus", std::int64_t{3}, "", "None (3)", nullptr},
    {18, "SecurityBreach", std::int64_t{4}, "", "Breach Attempted (4)", nullptr},
    {18, "MemoryErrorCorrection", std::int64_t{7}, "", "CRC (7)", nullptr},
    {18, "BootOptionOnLimit", std::int64_t{2}, "", "Operating System (2)", "2"},
    {18, "BootOptionOnWatchDog", std::int64_t{4}, "", "Do Not Reboot (4)", "4"},
    {18, "AssignmentType", std::int64_t{1}, "", "Computer (1)", "1"},
    // unsigned 8-bit
    {17, "SIDType", std::int64_t{1}, "", "Sid Type User (1)", nullptr},
    {17, "ForegroundApplicationBoost", std::int64_t{2}, "", "Maximum(Default) (2)", nullptr},
    {17, "DataExecutionPrevention_SupportPolicy", std::int64_t{3}, "", "Opt Out (3)", nullptr},
    {17, "QuantumLength", std::int64_t{2}, "", "One tick (2)", nullptr},
    {17, "QuantumType", std::int64_t{3}, "", "Variable (3)", nullptr},
};

TEST(FormatRules, EveryRuleGivesItsTextInBothForms) {
    std::set<const FormatRule*> reached;
    for (const RuleCase& c : kRuleCases) {
        const WmiProperty p = Prop(c.type, c.name, c.value, c.origin);
        EXPECT_EQ(List_Text(p), c.list) << c.type << " " << c.name;
        EXPECT_EQ(Db_Text(p), c.db ? c.db : c.list) << c.type << " " << c.name;
        const FormatRule* rule = Find_Format_Rule(c.type, c.name, true);
        ASSERT_NE(rule, nullptr) << c.name;
        reached.insert(rule);
    }
    for (const FormatRule& r : Property_Format_Rules())
        EXPECT_TRUE(reached.count(&r)) << "rule " << r.cim_type << "." << r.number << " has no test value";
    EXPECT_EQ(Property_Format_Rules().size(), 128u);
}

TEST(FormatRules, CimTypeAndExactNameChooseTheRule) {
    // The same memory in kilobytes (32-bit) and in bytes (64-bit).
    EXPECT_EQ(List_Text(Int(19, "TotalPhysicalMemory", 1048576)), "1.00 GB(1073741824 bytes)");
    EXPECT_EQ(List_Text(Int(3, "RefreshRate", 75)), "75 Hz");
    EXPECT_EQ(List_Text(Int(19, "CurrentUsage", 4)), "4 MB");
    EXPECT_EQ(List_Text(Int(19, "drivetype", 3)), "3");
    EXPECT_EQ(List_Text(Int(18, "DriveType", 3)), "3");
    // MediaType looks at the class the caller lists, exactly.
    const WmiProperty media = Int(19, "MediaType", 2);
    EXPECT_EQ(List_Text(media, "Win32_PrinterConfiguration"), "Transparency (2)");
    EXPECT_EQ(List_Text(media, "win32_printerconfiguration"), "31/2-Inch Floppy Disk - 1.44Mb -512 bytes/sector (2)");
    EXPECT_EQ(Db_Text(media, "Win32_PrinterConfiguration"), "Transparency (2)");
    EXPECT_EQ(List_Text(Int(19, "MaxClockSpeed", 3000)), "3 GHz");
    EXPECT_EQ(List_Text(Int(19, "PaperLength", 2100)), "210 mm");
    EXPECT_EQ(List_Text(Int(18, "MaxDataWidth", 0)), "8 bits");
    EXPECT_EQ(List_Text(Int(2, "CurrentTimeZone", 0)), "+0 Minutes");
    EXPECT_EQ(List_Text(Int(19, "IsNotificationOn", 0)), "No");
    EXPECT_EQ(Db_Text(Int(2, "InstallState", -5)), "-5");
}

TEST(FormatRules, DecisionsOnValuesTheTableLeavesOpen) {
    // A signed 32-bit property without a rule shows its number.
    EXPECT_EQ(List_Text(Int(3, "Bias", -60)), "-60");
    EXPECT_EQ(Db_Text(Int(3, "Bias", -60)), "-60");
    // A negative time-zone offset carries one sign.
    EXPECT_EQ(List_Text(Int(2, "CurrentTimeZone", -300)), "-300 Minutes");
    // Battery times of a day or more still show their time.
    EXPECT_EQ(List_Text(Int(19, "ExpectedLife", 1440)), "24 hours, 0 mins, 0 secs");
    EXPECT_EQ(List_Text(Int(19, "MaxRechargeTime", 1501)), "25 hours, 1 mins, 0 secs");
    // Unsigned 32-bit sizes of 2^31 or more arrive negative and read as sizes...
    EXPECT_EQ(List_Text(Int(19, "AdapterRAM", -1048576)), "4.00 GB(4293918720 bytes)");
    EXPECT_EQ(Db_Text(Int(19, "AdapterRAM", -2147483648LL)), "2.00 GB");
    EXPECT_EQ(List_Text(Int(19, "MaximumSize", -1)), "4294967295 MB");
    // ...while codes keep their negative form.
    EXPECT_EQ(List_Text(Int(19, "Type", -2147483645, "Win32_Share")), "IPC Admin (-2147483645)");
    EXPECT_EQ(List_Text(Int(19, "DriveType", -2)), "Specific info not available (-2)");
    // A single Capabilities value reads as its element text, with no rows.
    EXPECT_EQ(List_Text(Int(18, "Capabilities", 7)), "Supports Removable Media (7)");
    EXPECT_EQ(List_Text(Int(18, "Capabilities", 13)), "Specific info not available (13)");
}

TEST(FormatRules, ValuesOfAnUnexpectedShapeStillGiveText) {
    // Text where a number was expected.
    EXPECT_EQ(List_Text(Prop(21, "Size", std::string("unknown"))), "unknown");
    EXPECT_EQ(List_Text(Prop(19, "DriveType", std::string("3"))), "Local Disk (3)");
    EXPECT_EQ(List_Text(Prop(19, "DriveType", std::string("x3"))), "x3");
    EXPECT_EQ(List_Text(Prop(19, "MaxClockSpeed", std::string("fast"))), "fast");
    EXPECT_EQ(List_Text(Prop(19, "AdapterRAM", 1.5)), "1.5 bytes(1.5 bytes)");
    EXPECT_EQ(List_Text(Prop(19, "DriveType", 2.5)), "2.5");
    EXPECT_EQ(List_Text(Prop(18, "Capabilities", std::string("n/a"))), "n/a");
    EXPECT_EQ(List_Text(Prop(18, "MaxDataWidth", std::int64_t{5000})), "5000");
    // An embedded object shows its class.
    EXPECT_EQ(List_Text(Prop(13, "Setting", WmiEmbeddedObject{"Win32_Foo"})), "Win32_Foo");
    EXPECT_EQ(List_Text(Prop(19, "DriveType", WmiEmbeddedObject{})), "Embedded object");
    // A 64-bit size beyond every unit stays in gigabytes.
    EXPECT_EQ(Db_Text(Prop(21, "Size", std::string("5497558138880"))), "5120.00 GB");
}

TEST(Formatter, TypeWideTreatments) {
    EXPECT_EQ(List_Text(Prop(11, "Primary", true)), "Yes");
    EXPECT_EQ(List_Text(Prop(11, "Primary", false)), "No");
    EXPECT_EQ(Db_Text(Prop(11, "Primary", true)), "Yes");
    // Rules belong to the integer types: a text named like a rule is unchanged.
    EXPECT_EQ(List_Text(Prop(8, "Size", std::string("1024"))), "1024");
    EXPECT_EQ(List_Text(Prop(8, "DriveType", std::string("3"))), "3");
    EXPECT_EQ(List_Text(Prop(101, "InstallDate", std::string("20230415123005.000000+060"))),
              "04/15/2023 12:30:05");
    EXPECT_EQ(List_Text(Prop(101, "LocalDateTime", std::string("20230415123005.191000+00"))),
              "04/15/2023 12:30:05");
    EXPECT_EQ(List_Text(Prop(4, "Size", 2.5)), "2.5");
    EXPECT_EQ(List_Text(Int(16, "DriveType", -3)), "-3");
    EXPECT_EQ(List_Text(Prop(20, "Size", std::string("-9000000000"))), "-9000000000");
    EXPECT_EQ(List_Text(Prop(102, "Antecedent", std::string("\\\\PC\\root:Win32_Foo=\"1\""))),
              "\\\\PC\\root:Win32_Foo=\"1\"");
    // Null values give the empty text in both forms.
    EXPECT_EQ(List_Text(Prop(19, "DriveType", std::monostate{})), "");
    EXPECT_EQ(Db_Text(Prop(8, "Name", std::monostate{})), "");
}

TEST(Formatter, FreeSpaceCarriesTheByteCountOnlyInTheListForm) {
    const WmiProperty p = Prop(21, "FreeSpace", std::string("1073741824"));
    EXPECT_EQ(List_Text(p), "1.00 GB(1073741824 bytes)");
    EXPECT_EQ(Db_Text(p), "1.00 GB");
}

TEST(Formatter, ArrayBranchChoosesByTypeThenName) {
    ListModel list;
    WmiProperty logo = Array(17, "OEMLogoBitmap", {1, 2, 3});
    EXPECT_EQ(Format_Property_Value(logo, list, "P", "C", ""), "BITMAP IMAGE");
    EXPECT_EQ(Db_Text(logo), "");
    EXPECT_EQ(Format_Property_Value(Array(18, "PaperSizesSupported", {1, 2}), list, "P", "C", ""), "");
    EXPECT_EQ(list.Item_Count(), 0u);

    WmiProperty null_array = Array(18, "ChassisTypes", {});
    null_array.array_is_null = true;
    EXPECT_EQ(Format_Property_Value(null_array, list, "P", "C", ""), "");
    EXPECT_EQ(list.Item_Count(), 0u);

    // Capabilities decodes only as an unsigned 16-bit array.
    EXPECT_EQ(Format_Property_Value(Array(18, "Capabilities", {4}), list, "A", "C", ""), "Supports Writing");
    EXPECT_EQ(Format_Property_Value(Array(19, "Capabilities", {4}), list, "B", "C", ""), "4");
    ASSERT_EQ(list.Item_Count(), 2u);
    EXPECT_EQ(list.Item(0).Sub_Item(1), "Supports Writing (4)");
    EXPECT_EQ(list.Item(1).Sub_Item(1), "4");
    EXPECT_EQ(Db_Text(Array(18, "Capabilities", {4})), "");

    // Element texts of a plain array are their own texts.
    WmiProperty names;
    names.name = "IPAddress";
    names.cim_type = CIM_String;
    names.is_array = true;
    names.array_is_null = false;
    names.elements = {std::string("10.0.0.2"), std::string("fe80::1")};
    EXPECT_EQ(Format_Property_Value(names, list, "IPAddress\x0B" "1", "    IP Address", ""), "fe80::1");
    ASSERT_EQ(list.Item_Count(), 4u);
    EXPECT_EQ(list.Item(2).key, "IPAddress\x0B" "1\x0B" "0");
    EXPECT_EQ(list.Item(2).text, "    IP Address");
    EXPECT_EQ(list.Item(3).Sub_Item(1), "fe80::1");
}

TEST(StoredForm, QuotesDoubledAfterTheCutByCharacters) {
    auto db = [](std::string s) { return Db_Text(Prop(8, "Caption", std::move(s))); };
    EXPECT_EQ(db("O'Brien"), "O''Brien");
    EXPECT_EQ(db(std::string(300, 'a')), std::string(255, 'a'));
    // 200 characters, 60 quotes among the first 100: nothing is lost, and
    // every quote stays doubled.
    std::string quoted;
    for (int i = 0; i < 60; ++i) quoted += "'";
    quoted += std::string(140, 'b');
    const std::string out = db(quoted);
    EXPECT_EQ(out.size(), 260u);
    EXPECT_EQ(out, std::string(120, '\'') + std::string(140, 'b'));
    // A quote at the limit keeps its double.
    EXPECT_EQ(db(std::string(254, 'c') + "'xyz"), std::string(254, 'c') + "''");
    // The cut counts characters and never splits one.
    std::string degrees;
    for (int i = 0; i < 300; ++i) degrees += "\xC2\xB0";
    const std::string cut = db(degrees);
    EXPECT_EQ(cut.size(), 510u);
    EXPECT_EQ(cut.substr(508), "\xC2\xB0");
}

TEST(StoredForm, NulIsDroppedLikeTheStoreDoes) {
    auto db = [](std::string s) { return Db_Text(Prop(8, "Caption", std::move(s))); };
    EXPECT_EQ(db(std::string("ab\0c'd\0", 7)), "abc''d");
    EXPECT_EQ(db(std::string(3, '\0')), "");
}

}  // namespace
}  // namespace crv
