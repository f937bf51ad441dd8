// The System Summary against the fake WMI port: a computer with several
// instances of most classes, the row kinds and keys, the value texts, and
// every way a class or the connection can fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/common.h"
#include "core/error.h"
#include "mainwindow/system_summary.h"
#include "store/devices.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"
#include "wmi/fake_wmi.h"

namespace crv {
namespace {

const std::string SEP(Row_Key_Separator);

std::string Wql(const std::string& cls) { return "Select * from " + cls; }
const std::string Adapters_Wql = "Select * from Win32_NetworkAdapterConfiguration where IPEnabled=true";

WmiInstance Object(WmiObject properties) {
    WmiInstance object;
    object.properties = std::move(properties);
    return object;
}
WmiProperty Uint64(std::string name, std::string digits) { return Wmi_Value(std::move(name), CIM_Uint64, digits); }
WmiProperty Date(std::string name, std::string text) { return Wmi_Value(std::move(name), CIM_Datetime, text); }

// Records the flags of every query on a connection of the fake.
class FlagRecorder : public WmiServices {
public:
    FlagRecorder(std::unique_ptr<WmiServices> inner, std::vector<std::int32_t>& flags)
        : inner_(std::move(inner)), flags_(flags) {}
    std::unique_ptr<WmiResultSet> Exec_Query(const std::string& wql, std::int32_t flags, WmiStatus& status) override {
        flags_.push_back(flags);
        return inner_->Exec_Query(wql, flags, status);
    }
    bool Get_Object(const std::string& p, WmiInstance& o, WmiStatus& s) override { return inner_->Get_Object(p, o, s); }
    bool Exec_Method(const std::string& p, const std::string& m, const std::vector<WmiMethodArg>& in, WmiObject& out,
                     WmiStatus& s) override {
        return inner_->Exec_Method(p, m, in, out, s);
    }

private:
    std::unique_ptr<WmiServices> inner_;
    std::vector<std::int32_t>& flags_;
};

// One row as "S text" (section), "P text=value" (property, label trimmed)
// or "-" (separator), checking what every row of its kind must carry.
std::string Describe(const ListItem& row) {
    if (row.key.rfind("Space0" + SEP, 0) == 0) {
        EXPECT_EQ(row.text, "");
        EXPECT_EQ(row.small_icon, "");
        EXPECT_FALSE(row.bold);
        return "-";
    }
    EXPECT_EQ(row.icon, "") << row.text;
    if (row.bold) {
        EXPECT_EQ(row.indent, 0) << row.text;
        EXPECT_TRUE(row.sub_items.empty() || row.Sub_Item(1).empty()) << row.text;
        return "S " + row.text;
    }
    EXPECT_EQ(row.small_icon, "Info3") << row.text;
    EXPECT_EQ(row.indent, 1) << row.text;
    EXPECT_EQ(row.text.substr(0, 4), "    ") << row.text;
    return "P " + row.text.substr(4) + "=" + row.Sub_Item(1);
}

std::vector<std::string> Describe(const ListModel& list, std::size_t from = 0) {
    std::vector<std::string> rows;
    for (std::size_t i = from; i < list.Item_Count(); ++i) rows.push_back(Describe(list.Item(i)));
    return rows;
}

// Index of the row whose trimmed label is `label` (the n-th such row).
const ListItem* Row(const ListModel& list, const std::string& label, int n = 0) {
    for (std::size_t i = 0; i < list.Item_Count(); ++i)
        if (list.Item(i).text == "    " + label && n-- == 0) return &list.Item(i);
    return nullptr;
}
std::string Value(const ListModel& list, const std::string& label, int n = 0) {
    const ListItem* row = Row(list, label, n);
    EXPECT_NE(row, nullptr) << label;
    return row ? row->Sub_Item(1) : "<missing>";
}

class SystemSummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = Set_Wmi_Port(&wmi);
        Clear_Error();
    }
    void TearDown() override {
        Set_Wmi_Port(previous_);
        Clear_Error();
    }

    // One computer: two processors, two disks, no monitor, two IP-enabled
    // adapters, two logical disks, one of everything else.
    void Fill_Computer() {
        wmi.Set_Objects(Wql("Win32_ComputerSystem"),
                        {Object({Wmi_Text("Name", "PC01"), Wmi_Text("Manufacturer", "Maker Inc."),
                                 Wmi_Text("Model", "M-1"), Wmi_Null("Description"),
                                 Wmi_Text("PrimaryOwnerName", "Owner"), Wmi_Text("SystemType", "x64-based PC"),
                                 Wmi_Text("Domain", "CORP"), Wmi_Text("UserName", "CORP\\ann"),
                                 Uint64("TotalPhysicalMemory", "8589934592")})});
        wmi.Set_Objects(Wql("Win32_ComputerSystemProduct"),
                        {Object({Wmi_Text("IdentifyingNumber", "SN-77"), Wmi_Text("UUID", "UUID-1")})});
        auto cpu = [](const std::string& name, std::int64_t mhz) {
            return Object({Wmi_Text("Name", name), Wmi_Text("Manufacturer", "Chips"), Wmi_Text("Version", "v"),
                           Wmi_Text("Description", "x64 Family 6"), Wmi_Uint32("MaxClockSpeed", mhz),
                           Wmi_Text("ProcessorId", "BFEBFBFF")});
        };
        wmi.Set_Objects(Wql("Win32_Processor"), {cpu("CPU A", 3000), cpu("CPU B", 2394)});
        wmi.Set_Objects(Wql("Win32_OperatingSystem"),
                        {Object({Wmi_Text("Name", "Windows|C:\\WINDOWS"), Wmi_Text("Manufacturer", "OS Maker"),
                                 Wmi_Text("Version", "6.1.7601"), Wmi_Value("ServicePackMajorVersion", CIM_Uint16, std::int64_t{3}),
                                 Wmi_Value("ServicePackMinorVersion", CIM_Uint16, std::int64_t{0}),
                                 Date("InstallDate", "20120503140209.000000+060"), Wmi_Text("SerialNumber", "OS-SN"),
                                 Wmi_Text("BootDevice", "\\Device\\HarddiskVolume1"),
                                 Wmi_Text("WindowsDirectory", "C:\\WINDOWS")})});
        wmi.Set_Objects(Wql("Win32_BaseBoard"),
                        {Object({Wmi_Text("Manufacturer", "Board Co"), Wmi_Text("SerialNumber", "BB-1"),
                                 Wmi_Text("Version", "1.0"), Wmi_Text("Product", "B-100")})});
        wmi.Set_Objects(Wql("Win32_BIOS"),
                        {Object({Wmi_Text("Name", "Default System BIOS"), Wmi_Text("Manufacturer", "Bios Co"),
                                 Wmi_Text("Version", "BIOS - 1"), Date("ReleaseDate", "20091231000000.000000+000"),
                                 Wmi_Text("SerialNumber", "B-SN"), Wmi_Text("SMBIOSBIOSVersion", "2.7")})});
        auto disk = [](const std::string& name, std::int64_t signature, const std::string& size) {
            return Object({Wmi_Text("Name", name), Wmi_Text("Manufacturer", "(Standard disk drives)"),
                           Wmi_Text("Model", "Disk Model"), Wmi_Text("MediaType", "Fixed hard disk media"),
                           Wmi_Text("SerialNumber", "  WD-123  "), Wmi_Uint32("Signature", signature),
                           Uint64("Size", size)});
        };
        wmi.Set_Objects(Wql("Win32_DiskDrive"),
                        {disk("\\\\.\\PHYSICALDRIVE0", 305419896, "512"),
                         disk("\\\\.\\PHYSICALDRIVE1", -1059061248, "1536")});
        wmi.Set_Objects(Wql("Win32_DisplayConfiguration"),
                        {Object({Wmi_Text("DeviceName", "Display Adapter"), Wmi_Text("DriverVersion", "8.0")})});
        wmi.Set_Objects(Adapters_Wql,
                        {Object({Wmi_Text("Caption", "[00000011] Example Adapter"),
                                 Wmi_Text("MACAddress", "00:11:22:33:44:55")}),
                         Object({Wmi_Text("Caption", "Plain Adapter"), Wmi_Text("MACAddress", "66:77:88:99:AA:BB")})});
        auto volume = [](const std::string& name, const std::string& size) {
            return Object({Wmi_Text("Name", name), Wmi_Text("FileSystem", "NTFS"), Uint64("Size", size),
                           Wmi_Text("VolumeSerialNumber", "1234ABCD")});
        };
        wmi.Set_Objects(Wql("Win32_LogicalDisk"), {volume("C:", "107374182400"), volume("D:", "1048576")});
    }

    std::unique_ptr<WmiServices> Connection() {
        WmiStatus status;
        WmiConnectRequest request;
        request.server = "PC01";
        return std::make_unique<FlagRecorder>(wmi.Connect(request, status), flags);
    }

    bool Run() { return Show_System_Summary(Connection(), list, pic_visible); }

    FakeWmiPort wmi;
    WmiPort* previous_ = nullptr;
    std::vector<std::int32_t> flags;
    ListModel list;
    bool pic_visible = true;
};

TEST_F(SystemSummaryTest, ListsEverySectionInOrderWithKeysIconsAndSeparators) {
    Fill_Computer();
    ASSERT_TRUE(Run());
    EXPECT_FALSE(pic_visible);
    EXPECT_TRUE(Pending_Error().empty());
    EXPECT_EQ(wmi.open_connections, 0u);  // released before the return

    const std::vector<std::string> queries = {
        Wql("Win32_ComputerSystem"), Wql("Win32_ComputerSystemProduct"), Wql("Win32_Processor"),
        Wql("Win32_OperatingSystem"), Wql("Win32_BaseBoard"), Wql("Win32_BIOS"), Wql("Win32_DiskDrive"),
        Wql("Win32_DesktopMonitor"), Wql("Win32_DisplayConfiguration"), Adapters_Wql, Wql("Win32_LogicalDisk")};
    EXPECT_EQ(wmi.queries, queries);
    EXPECT_EQ(flags, std::vector<std::int32_t>(11, 16));  // return immediately, not forward-only

    ASSERT_EQ(list.Column_Count(), 2u);
    EXPECT_EQ(list.Column(0).text, "Name");
    EXPECT_EQ(list.Column(1).text, "Value");

    // Labels in order; 11 + 2*6 + 8 + 4 + 6 + 2*7 + 0 + 2 + 2*2 + 2*4 property rows.
    std::vector<std::string> shape;
    for (const std::string& row : Describe(list)) shape.push_back(row[0] == 'P' ? row.substr(0, row.find('=')) : row);
    const std::vector<std::string> expected_start = {
        "S Computer", "P Computer Name", "P Computer Manufacturer", "P Computer Model", "P Computer Description",
        "P Computer Primary Owner Name", "P Computer System Type", "P Computer Domain", "P Computer User Name",
        "P Computer Total Physical Memory", "P Identifying Number", "P Universally Unique Identifier", "-", "-",
        "S Processors", "P Processor Name", "P Processor Manufacturer", "P Processor Version",
        "P Processor Description", "P Processor Maximum Clock Speed", "P Processor ID", "-"};
    ASSERT_GE(shape.size(), expected_start.size());
    EXPECT_EQ(std::vector<std::string>(shape.begin(), shape.begin() + expected_start.size()), expected_start);

    std::vector<std::string> sections;
    for (std::size_t i = 0; i < list.Item_Count(); ++i)
        if (list.Item(i).bold) sections.push_back(list.Item(i).text + "|" + list.Item(i).small_icon + "|" +
                                                  list.Item(i).key.substr(0, list.Item(i).key.find(SEP)));
    EXPECT_EQ(sections, (std::vector<std::string>{
                            "Computer|Computer|Computer", "Processors|Processor|Processors",
                            "Operating System|Windows|Operating System", "Motherboard|MotherBoard|MotherBoard",
                            "BIOS|Chip|BIOS", "Disk Drive|DiskDrive|DiskDrive",
                            "Desktop Monitor|Monitor|DesktopMonitor",
                            "Display Configuration|Display|DisplayConfiguration",
                            "Physical Network Adapters|Adapter|NACPhysicalNetworkAdapters",
                            "Logical Disk|HDD|LogicalDisk"}));
    // The empty monitor class: its section, then a single separator.
    auto monitor = std::find(shape.begin(), shape.end(), "S Desktop Monitor");
    ASSERT_NE(monitor, shape.end());
    EXPECT_EQ(*(monitor + 1), "-");
    EXPECT_EQ(*(monitor + 2), "S Display Configuration");
    // The tail: two adapters and two volumes, each followed by a separator, then one more.
    const std::vector<std::string> expected_end = {
        "S Physical Network Adapters", "P Network Adpater Name", "P Network Adpater MAC Address", "-",
        "P Network Adpater Name", "P Network Adpater MAC Address", "-", "-", "S Logical Disk",
        "P Logical Disk Name", "P Logical Disk File System", "P Logical Disk Size",
        "P Logical Disk Volume Serial Number", "-", "P Logical Disk Name", "P Logical Disk File System",
        "P Logical Disk Size", "P Logical Disk Volume Serial Number", "-", "-"};
    ASSERT_GE(shape.size(), expected_end.size());
    EXPECT_EQ(std::vector<std::string>(shape.end() - expected_end.size(), shape.end()), expected_end);
    EXPECT_EQ(std::count_if(shape.begin(), shape.end(), [](auto& s) { return s[0] == 'P'; }),
              11 + 12 + 8 + 4 + 6 + 14 + 2 + 4 + 8);

    // Keys: prefix, U+000B, the row count before the row; unique throughout.
    EXPECT_EQ(list.Item(0).key, "Computer" + SEP + "0");
    EXPECT_EQ(list.Item(1).key, "CSName" + SEP + "1");
    EXPECT_EQ(list.Item(12).key, "Space0" + SEP + "12");
    std::set<std::string> keys;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        EXPECT_EQ(list.Item(i).key.substr(list.Item(i).key.find(SEP) + 1), std::to_string(i));
        keys.insert(list.Item(i).key);
    }
    EXPECT_EQ(keys.size(), list.Item_Count());
    // Row key prefixes are stored with the rows: every one, in order of first use.
    std::vector<std::string> prefixes;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        const ListItem& row = list.Item(i);
        const std::string prefix = row.key.substr(0, row.key.find(SEP));
        if (!row.bold && prefix != "Space0" && std::find(prefixes.begin(), prefixes.end(), prefix) == prefixes.end())
            prefixes.push_back(prefix);
    }
    EXPECT_EQ(prefixes, (std::vector<std::string>{
                            "CSName", "CSManufacturer", "CSModel", "CSDescription", "CSPrimaryOwnerName",
                            "CSSystemType", "CSDomain", "CSUserName", "CSTotalPhysicalMemory",
                            "CSPIdentifyingNumber", "CSPUniversallyUniqueIdentifier", "ProName", "ProManufacturer",
                            "ProVersion", "ProDescription", "ProMaximumClockSpeed", "ProProcessorID", "OSName",
                            "OSManufacturer", "OSVersion", "OSServicePack", "OSInstallDate", "OSSerialNumber",
                            "OSBootDevice", "OSWindowsDirectory", "BBManufacturer", "BBSerialNumber", "BBVersion",
                            "BBProduct", "BIOSName", "BIOSManufacturer", "BIOSVersion", "BIOSReleaseDate",
                            "BIOSSerialNumber", "BIOSSMBIOSVersion", "DDName", "DDManufacturer", "DDModel",
                            "DDMediaType", "DDSerialNumber", "DDSignature", "DDSize", "DCName", "DCDriverVersion",
                            "NACName", "NACMacAddress", "LDName", "LDFileSystem", "LDSize", "LDVolumeSerialNumber"}));

    // The labels the computer properties dialog reads back from a stored scan.
    for (const char* label : {"Computer Manufacturer", "Computer Model", "Identifying Number", "Computer Name",
                              "Computer User Name", "Processor Name", "Processor Manufacturer",
                              "Processor Description"})
        EXPECT_NE(Row(list, label), nullptr) << label;
    EXPECT_NE(Row(list, "Processor Name", 1), nullptr);
}

TEST_F(SystemSummaryTest, ValueTexts) {
    Fill_Computer();
    ASSERT_TRUE(Run());
    EXPECT_EQ(Value(list, "Computer Name"), "PC01");
    EXPECT_EQ(Value(list, "Computer Description"), "");  // Null
    EXPECT_EQ(Value(list, "Computer Total Physical Memory"), "8.00 GB(8589934592 bytes)");
    EXPECT_EQ(Value(list, "Identifying Number"), "SN-77");
    EXPECT_EQ(Value(list, "Processor Maximum Clock Speed", 0), "3 GHz");
    EXPECT_EQ(Value(list, "Processor Maximum Clock Speed", 1), "2.394 GHz");
    EXPECT_EQ(Value(list, "Processor Name", 1), "CPU B");
    EXPECT_EQ(Value(list, "OS Service Pack"), "3.0");
    EXPECT_EQ(Value(list, "OS Install Date"), "05/03/2012 14:02:09");
    EXPECT_EQ(Value(list, "BIOS Release Date"), "12/31/2009 00:00:00");
    EXPECT_EQ(Value(list, "Disk Drive Media Type"), "Fixed hard disk media");
    EXPECT_EQ(Value(list, "Disk Drive Serial Number"), "  WD-123  ");  // not trimmed
    EXPECT_EQ(Value(list, "Disk Drive Signature", 0), "305419896");
    EXPECT_EQ(Value(list, "Disk Drive Signature", 1), "3235906048");  // top bit set, shown unsigned
    EXPECT_EQ(Value(list, "Disk Drive Size", 0), "512 bytes(512 bytes)");
    EXPECT_EQ(Value(list, "Disk Drive Size", 1), "1.50 KB(1536 bytes)");
    EXPECT_EQ(Value(list, "Network Adpater Name", 0), "Example Adapter");
    EXPECT_EQ(Value(list, "Network Adpater Name", 1), "Plain Adapter");
    EXPECT_EQ(Value(list, "Network Adpater MAC Address", 1), "66:77:88:99:AA:BB");
    EXPECT_EQ(Value(list, "Logical Disk Size", 0), "100.00 GB(107374182400 bytes)");
    EXPECT_EQ(Value(list, "Logical Disk Size", 1), "1.00 MB(1048576 bytes)");
}

TEST_F(SystemSummaryTest, MissingAndOddlySpeltPropertiesLeaveTheirRows) {
    wmi.Set_Objects(Wql("Win32_OperatingSystem"),
                    {Object({Wmi_Null("ServicePackMajorVersion", CIM_Uint16), Wmi_Null("ServicePackMinorVersion", CIM_Uint16)}),
                     Object({Wmi_Value("ServicePackMajorVersion", CIM_Uint16, std::int64_t{2})}),
                     Object({Wmi_Null("ServicePackMajorVersion", CIM_Uint16),
                             Wmi_Value("servicepackminorversion", CIM_Uint16, std::int64_t{1})})});
    wmi.Set_Objects(Wql("Win32_Processor"), {Object({Wmi_Uint32("maxclockspeed", 2500)})});
    wmi.Set_Objects(Adapters_Wql, {Object({Wmi_Null("Caption"), Wmi_Text("MACAddress", "AA")})});
    ASSERT_TRUE(Run());
    EXPECT_EQ(Value(list, "OS Service Pack", 0), ".");  // two Null parts
    EXPECT_EQ(Value(list, "OS Service Pack", 1), "");   // a missing part
    EXPECT_EQ(Value(list, "OS Service Pack", 2), ".1");
    EXPECT_EQ(Value(list, "OS Name", 0), "");
    EXPECT_EQ(Value(list, "Processor Maximum Clock Speed"), "2.5 GHz");  // found and formatted whatever the case
    EXPECT_EQ(Value(list, "Network Adpater Name"), "");
    EXPECT_EQ(Value(list, "Network Adpater MAC Address"), "AA");
    // Empty classes: section and one separator, no property rows.
    EXPECT_EQ(Row(list, "BIOS Name"), nullptr);
    EXPECT_EQ(Row(list, "Computer Name"), nullptr);
    const auto rows = Describe(list);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 4),
              (std::vector<std::string>{"S Computer", "-", "S Processors", "P Processor Name="}));
}

TEST_F(SystemSummaryTest, FailingClassesAreListedOnceWithEmptyValuesAndTheRestGoesOn) {
    Fill_Computer();
    FakeWmiPort::QueryAnswer refused;
    refused.exec_error = WmiStatus::Error(Wbem_E_Invalid_Class, "Invalid class");
    wmi.Set_Answer(Wql("Win32_ComputerSystem"), refused);
    wmi.Set_Answer(Wql("Win32_BIOS"), refused);
    // The adapter count cannot be read: the section stands all the same.
    FakeWmiPort::QueryAnswer broken;
    broken.fail_after = 0;
    broken.next_error = WmiStatus::Error(Rpc_E_Disconnected, "Disconnected");
    wmi.Set_Answer(Adapters_Wql, broken);
    // Two disks, the second fails: the first is kept, then the closing separator.
    FakeWmiPort::QueryAnswer partial = wmi.answers[Wql("Win32_DiskDrive")];
    partial.fail_after = 1;
    partial.next_error = WmiStatus::Error(Rpc_E_Disconnected, "Disconnected");
    wmi.Set_Answer(Wql("Win32_DiskDrive"), partial);

    ASSERT_TRUE(Run());
    EXPECT_TRUE(Pending_Error().empty());
    const auto rows = Describe(list);
    auto at = [&](const std::string& section) { return std::find(rows.begin(), rows.end(), section); };

    // The computer section: nine empty rows, then the product rows directly.
    ASSERT_EQ(rows[0], "S Computer");
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(rows[i].back(), '=') << rows[i];
    EXPECT_EQ(rows[10], "P Identifying Number=SN-77");
    EXPECT_EQ(rows[12], "-");

    auto bios = at("S BIOS");
    ASSERT_NE(bios, rows.end());
    EXPECT_EQ(*(bios + 1), "P BIOS Name=");
    EXPECT_EQ(*(bios + 6), "P SMBIOS Version=");
    EXPECT_EQ(*(bios + 7), "-");
    EXPECT_EQ(*(bios + 8), "-");
    EXPECT_EQ(*(bios + 9), "S Disk Drive");

    auto disks = at("S Disk Drive");
    EXPECT_EQ(*(disks + 1), "P Disk Drive Name=\\\\.\\PHYSICALDRIVE0");
    EXPECT_EQ(*(disks + 8), "-");
    EXPECT_EQ(*(disks + 9), "-");
    EXPECT_EQ(*(disks + 10), "S Desktop Monitor");

    auto adapters = at("S Physical Network Adapters");
    ASSERT_NE(adapters, rows.end());
    EXPECT_EQ(*(adapters + 1), "P Network Adpater Name=");
    EXPECT_EQ(*(adapters + 2), "P Network Adpater MAC Address=");
    EXPECT_EQ(*(adapters + 3), "-");
    EXPECT_EQ(*(adapters + 4), "-");
    EXPECT_EQ(*(adapters + 5), "S Logical Disk");
}

TEST_F(SystemSummaryTest, MonitorRows) {
    wmi.Set_Objects(Wql("Win32_DesktopMonitor"),
                    {Object({Wmi_Text("Name", "Generic PnP Monitor"), Wmi_Text("MonitorManufacturer", "Screens")})});
    ASSERT_TRUE(Run());
    const ListItem* name = Row(list, "Monitor Name");
    const ListItem* maker = Row(list, "Monitor Manufacturer");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(maker, nullptr);
    EXPECT_EQ(name->key.substr(0, name->key.find(SEP)), "DMName");
    EXPECT_EQ(maker->key.substr(0, maker->key.find(SEP)), "DMManufaturer");  // stored spelling
    EXPECT_EQ(name->Sub_Item(1), "Generic PnP Monitor");
    EXPECT_EQ(maker->Sub_Item(1), "Screens");
}

TEST_F(SystemSummaryTest, NoIpEnabledAdapterGivesNoAdapterSection) {
    Fill_Computer();
    wmi.Set_Objects(Adapters_Wql, {});
    ASSERT_TRUE(Run());
    const auto rows = Describe(list);
    EXPECT_EQ(std::find(rows.begin(), rows.end(), "S Physical Network Adapters"), rows.end());
    auto logical = std::find(rows.begin(), rows.end(), "S Logical Disk");
    ASSERT_NE(logical, rows.end());
    EXPECT_EQ(*(logical - 3), "P Display Driver Version=8.0");
    EXPECT_EQ(*(logical - 1), "-");
}

TEST_F(SystemSummaryTest, RowsFollowWhatTheListAlreadyHolds) {
    list.Add_Item("Earlier", "earlier row");
    list.Add_Item("CSName" + SEP + "3", "clash");  // the key the first property row would get
    Fill_Computer();
    ASSERT_TRUE(Run());
    EXPECT_EQ(list.Item(0).text, "earlier row");
    EXPECT_EQ(list.Item(2).key, "Computer" + SEP + "2");
    // The clashing row is passed over; the next one takes its place.
    EXPECT_EQ(Row(list, "Computer Name"), nullptr);
    EXPECT_EQ(list.Item(3).key, "CSManufacturer" + SEP + "3");
    EXPECT_EQ(Value(list, "Computer Model"), "M-1");
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(SystemSummaryTest, RefusedConnectionGivesOneErrorRow) {
    Set_Error(Wbem_E_Access_Denied, "Access is denied. ");
    EXPECT_FALSE(Show_System_Summary(nullptr, list, pic_visible));
    EXPECT_FALSE(pic_visible);
    EXPECT_TRUE(Pending_Error().empty());
    ASSERT_EQ(list.Item_Count(), 1u);
    const ListItem& row = list.Item(0);
    EXPECT_EQ(row.key, "");
    EXPECT_EQ(row.text, "Error");
    EXPECT_EQ(row.Sub_Item(1), "Access is denied. ");
    EXPECT_EQ(row.small_icon, "NoInfo");
    EXPECT_TRUE(row.bold);
    EXPECT_EQ(row.indent, 0);
    EXPECT_TRUE(wmi.queries.empty());
}

// The whole road the feature handler takes: stored credentials, the
// installed port, the connection to root\cimv2.
TEST_F(SystemSummaryTest, ConnectsWithTheStoredCredentials) {
    test::TestDatabase db;
    const std::int32_t id = Add_Device("REMOTE7", "scanner", "s3cret", 2, 0, 6, 1, "", 1, 2, "", "tester");
    ASSERT_GT(id, 0);
    Fill_Computer();
    ASSERT_TRUE(Show_System_Summary(id, "REMOTE7", list, pic_visible));
    ASSERT_EQ(wmi.connects.size(), 1u);
    EXPECT_EQ(wmi.connects[0].namespace_path, "root\\cimv2");
    EXPECT_EQ(wmi.connects[0].password, "s3cret");
    EXPECT_NE(wmi.connects[0].user.find("scanner"), std::string::npos);
    EXPECT_EQ(Value(list, "Computer Name"), "PC01");

    wmi.connect_result = [](const WmiConnectRequest&) {
        return WmiStatus::Error(Rpc_S_Server_Unavailable, "The RPC server is unavailable.");
    };
    ListModel refused;
    pic_visible = true;
    EXPECT_FALSE(Show_System_Summary(id, "REMOTE7", refused, pic_visible));
    EXPECT_FALSE(pic_visible);
    ASSERT_EQ(refused.Item_Count(), 1u);
    EXPECT_EQ(refused.Item(0).text, "Error");
    EXPECT_EQ(refused.Item(0).Sub_Item(1), "The RPC server is unavailable.");
    EXPECT_TRUE(db.reporter.boxes.empty());
    EXPECT_TRUE(Pending_Error().empty());
}

}  // namespace
}  // namespace crv
