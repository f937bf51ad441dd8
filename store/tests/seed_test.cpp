// The shipped rows of the inventory database, checked the way the program
// uses them: the feature tree as the tree loader reads it, the property
// catalogue as the select-list builder and the scan store read it, the
// predefined report queries as the report viewer runs them, and the tabular
// report grid as the report scan and the customiser read it. The database is
// built straight from store/schema.sql and store/seed/*.sql with SQLite
// itself, so a broken seed file fails here before anything else reads it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::optional<std::string>>;

struct Table {
    std::vector<std::string> columns;
    std::vector<Row> rows;
    std::string Text(size_t row, size_t column) const { return rows.at(row).at(column).value_or(""); }
};

std::filesystem::path Source_Root() {
    const char* root = std::getenv("CORVALIN_TEST_DATA");
    return root && *root ? std::filesystem::path(root) : std::filesystem::current_path();
}

std::string Read_File(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class Database {
public:
    Database() {
        if (sqlite3_open(":memory:", &db_) != SQLITE_OK) ADD_FAILURE() << "cannot open a memory database";
        const std::filesystem::path store = Source_Root() / "store";
        std::vector<std::filesystem::path> seeds;
        for (const auto& entry : std::filesystem::directory_iterator(store / "seed"))
            if (entry.is_regular_file() && entry.path().extension() == ".sql") seeds.push_back(entry.path());
        std::sort(seeds.begin(), seeds.end(),
                  [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
        seeds.insert(seeds.begin(), store / "schema.sql");
        for (const auto& file : seeds) {
            std::string text = Read_File(file);
            if (text.empty()) {
                ADD_FAILURE() << "missing or empty " << file.string();
                continue;
            }
            char* error = nullptr;
            if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
                ADD_FAILURE() << file.filename().string() << ": " << (error ? error : "?");
                sqlite3_free(error);
            }
        }
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Table Query(const std::string& sql) {
        Table table;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(db_) << "\n  in: " << sql.substr(0, 400);
            return table;
        }
        int count = sqlite3_column_count(statement);
        for (int c = 0; c < count; ++c) table.columns.emplace_back(sqlite3_column_name(statement, c));
        int step;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < count; ++c) {
                const unsigned char* text = sqlite3_column_text(statement, c);
                row.push_back(text ? std::optional<std::string>(reinterpret_cast<const char*>(text)) : std::nullopt);
            }
            table.rows.push_back(std::move(row));
        }
        if (step != SQLITE_DONE) ADD_FAILURE() << sqlite3_errmsg(db_) << "\n  in: " << sql.substr(0, 400);
        sqlite3_finalize(statement);
        return table;
    }
    void Exec(const std::string& sql) { Query(sql); }
    std::string Scalar(const std::string& sql) {
        Table t = Query(sql);
        return t.rows.empty() ? "" : t.Text(0, 0);
    }
    sqlite3* Handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

bool Starts_With(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// The prefixes by which the main window collects a feature as a WMI class.
bool Is_Class_Key(const std::string& key) {
    for (const char* prefix : {"Win32_", "CIM_", "MSAcpi_", "MSStorageDriver_", "SC_", "Lic_"})
        if (Starts_With(key, prefix)) return true;
    return key == "Cust_ProblemDevices";
}

bool Is_Leaf_Key(const std::string& key) {
    return Is_Class_Key(key) || Starts_With(key, "RTT_") || key == "Cust_InstalledProducts";
}

// The statement the tree loader sends (online: every active feature;
// offline: only those that can be shown from stored scans).
std::string Features_Statement(bool online) {
    std::string sql =
        "SELECT FEATURE_ID, FEATURE_KEY, FEATURE_NAME, FEATURE_DESC, FEATURE_GROUP, IMAGE, NODE_TYPE, "
        "(SELECT FEATURE_KEY FROM FEATURE_TBL FT2 WHERE FT2.FEATURE_ID=FT1.PARENT) AS PARENT_KEY, ACTIVE "
        "FROM FEATURE_TBL FT1 WHERE FEATURE_ID!=0 AND ACTIVE=1";
    if (!online) sql += " AND OFFLINE=1";
    return sql + " ORDER BY NODE_TYPE";
}

// Fills a tree the way the loader does: a "0" node at the top, any other as
// a child of PARENT_KEY, which must already be in the tree.
void Expect_Tree_Loads(Database& db, bool online, const std::string& label) {
    Table rows = db.Query(Features_Statement(online));
    ASSERT_FALSE(rows.rows.empty()) << label;
    std::set<std::string> loaded;
    for (size_t r = 0; r < rows.rows.size(); ++r) {
        const std::string key = rows.Text(r, 1);
        const std::string node_type = rows.Text(r, 6);
        const std::string parent = rows.Text(r, 7);
        if (node_type == "0") {
            EXPECT_EQ(key, "[Root...]") << label << ": only the System Summary is a top-level node";
        } else {
            EXPECT_TRUE(loaded.count(parent)) << label << ": " << key << " comes before its parent '" << parent << "'";
        }
        EXPECT_TRUE(loaded.insert(key).second) << label << ": key twice in the tree: " << key;
    }
}

class SeedTest : public ::testing::Test {
protected:
    Database db;
};

// ---------------------------------------------------------------- features

TEST_F(SeedTest, SystemSummaryIsFeatureOneAndTheOnlyRoot) {
    Table root = db.Query("SELECT FEATURE_KEY, NODE_TYPE, ACTIVE, OFFLINE FROM FEATURE_TBL WHERE FEATURE_ID=1");
    ASSERT_EQ(root.rows.size(), 1u);
    EXPECT_EQ(root.Text(0, 0), "[Root...]");
    EXPECT_EQ(root.Text(0, 1), "0");
    EXPECT_EQ(root.Text(0, 2), "1");
    EXPECT_EQ(root.Text(0, 3), "1") << "stored summaries are read back offline and by the computer properties";
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM FEATURE_TBL WHERE NODE_TYPE=0"), "1");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM FEATURE_TBL WHERE FEATURE_ID=0"), "0");
}

TEST_F(SeedTest, ShippedTreeLoadsParentsBeforeChildren) {
    Expect_Tree_Loads(db, true, "online");
    Expect_Tree_Loads(db, false, "offline");
    // The main window's tree writer stores 0 for the root, 1 for a node with
    // children and 2 for a leaf; the tree must still load in that form.
    db.Exec("UPDATE FEATURE_TBL SET NODE_TYPE = CASE WHEN FEATURE_ID=1 THEN 0 "
            "WHEN EXISTS (SELECT 1 FROM FEATURE_TBL C WHERE C.PARENT=FEATURE_TBL.FEATURE_ID) THEN 1 ELSE 2 END");
    Expect_Tree_Loads(db, true, "rewritten online");
    Expect_Tree_Loads(db, false, "rewritten offline");
}

TEST_F(SeedTest, EveryParentExistsAndIsLoadedWheneverItsChildIs) {
    Table orphans = db.Query(
        "SELECT C.FEATURE_KEY FROM FEATURE_TBL C LEFT JOIN FEATURE_TBL P ON P.FEATURE_ID=C.PARENT "
        "WHERE C.FEATURE_ID<>1 AND P.FEATURE_ID IS NULL");
    for (const auto& row : orphans.rows) ADD_FAILURE() << "no parent: " << row[0].value_or("");
    Table bad = db.Query(
        "SELECT C.FEATURE_KEY FROM FEATURE_TBL C JOIN FEATURE_TBL P ON P.FEATURE_ID=C.PARENT "
        "WHERE C.FEATURE_ID<>1 AND (P.NODE_TYPE>=C.NODE_TYPE OR P.FEATURE_ID>=C.FEATURE_ID "
        "OR (C.ACTIVE=1 AND P.ACTIVE<>1) OR (C.OFFLINE=1 AND P.OFFLINE<>1))");
    for (const auto& row : bad.rows) ADD_FAILURE() << "parent would not load before or with " << row[0].value_or("");
}

TEST_F(SeedTest, KeysAreUniqueQuoteFreeAndMatchTheirKind) {
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) - COUNT(DISTINCT UPPER(FEATURE_KEY)) FROM FEATURE_TBL"), "0");
    // The find dialog looks nodes up by their text.
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) - COUNT(DISTINCT UPPER(FEATURE_NAME)) FROM FEATURE_TBL"), "0");
    Table features = db.Query(
        "SELECT FEATURE_KEY, FEATURE_NAME, IMAGE, "
        "(SELECT COUNT(*) FROM FEATURE_TBL C WHERE C.PARENT=F.FEATURE_ID) FROM FEATURE_TBL F WHERE FEATURE_ID<>1");
    for (size_t r = 0; r < features.rows.size(); ++r) {
        const std::string key = features.Text(r, 0);
        EXPECT_EQ(key.find('\''), std::string::npos) << key << ": keys go into SQL unquoted";
        EXPECT_FALSE(Starts_With(key, "Tabu_")) << key << ": report keys belong to the report table";
        EXPECT_FALSE(features.Text(r, 1).empty()) << key;
        EXPECT_FALSE(features.Text(r, 2).empty()) << key << ": every node needs an image key";
        bool has_children = features.Text(r, 3) != "0";
        // A class key with children would be queried instead of listing them.
        if (has_children) {
            EXPECT_FALSE(Is_Leaf_Key(key)) << key;
        } else {
            EXPECT_TRUE(Is_Leaf_Key(key)) << key << ": an empty group";
        }
    }
}

TEST_F(SeedTest, LiveListsAreNotOfferedOffline) {
    Table live = db.Query("SELECT FEATURE_KEY, OFFLINE FROM FEATURE_TBL WHERE FEATURE_KEY LIKE 'RTT!_%' ESCAPE '!'");
    std::set<std::string> keys;
    for (size_t r = 0; r < live.rows.size(); ++r) {
        keys.insert(live.Text(r, 0));
        EXPECT_EQ(live.Text(r, 1), "0") << live.Text(r, 0);
    }
    EXPECT_EQ(keys, (std::set<std::string>{"RTT_RemoteTaskManager", "RTT_SCM"}));
    for (const char* key : {"Cust_InstalledProducts", "Cust_ProblemDevices"})
        EXPECT_EQ(db.Scalar(std::string("SELECT COUNT(*) FROM FEATURE_TBL WHERE FEATURE_KEY='") + key + "'"), "1")
            << key;
}

TEST_F(SeedTest, ToolbarButtonsFindTheirFeatureNodes) {
    // The Hardware and OS toolbars open the node whose key is the tool tip.
    for (const char* key :
         {"Input Device", "Mass Storage", "Motherboard, Controller & Port", "Networking Device", "Power", "Printing",
          "Telephony", "Video & Monitor", "Cooling Device", "COM", "Desktop", "Drivers", "File System",
          "Memory & Page Files", "Multimedia Audio / Visual", "Networking", "Operating System Settings", "Processes",
          "Registry", "Scheduler Jobs", "Services", "Shares", "Start Menu", "Users", "Windows NT Event Log",
          "Windows Product Activation"})
        EXPECT_EQ(db.Scalar(std::string("SELECT COUNT(*) FROM FEATURE_TBL WHERE ACTIVE=1 AND FEATURE_KEY='") + key +
                            "'"),
                  "1")
            << key;
}

// -------------------------------------------------------------- properties

TEST_F(SeedTest, EveryPropertyBelongsToAClassFeatureInListOrder) {
    Table orphans = db.Query(
        "SELECT P.PROP_NAME, P.FEATURE_ID FROM PROPS_TBL P LEFT JOIN FEATURE_TBL F ON F.FEATURE_ID=P.FEATURE_ID "
        "WHERE F.FEATURE_ID IS NULL");
    for (const auto& row : orphans.rows) ADD_FAILURE() << "no feature for " << row[0].value_or("");

    Table props = db.Query(
        "SELECT F.FEATURE_KEY, P.PROP_NAME, P.PROP_DISP_NAME, P.PROP_DESC, P.ACTIVE, P.LIST_ORDER, P.DISPLAY "
        "FROM PROPS_TBL P JOIN FEATURE_TBL F ON F.FEATURE_ID=P.FEATURE_ID ORDER BY F.FEATURE_ID, P.LIST_ORDER");
    ASSERT_GT(props.rows.size(), 500u);
    std::map<std::string, int> last_order, active;
    for (size_t r = 0; r < props.rows.size(); ++r) {
        const std::string key = props.Text(r, 0), name = props.Text(r, 1);
        EXPECT_TRUE(Is_Class_Key(key)) << key << "." << name << ": only class features have properties";
        // Names go unquoted into the WQL select list.
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(std::all_of(name.begin(), name.end(),
                                [](unsigned char c) { return std::isalnum(c) || c == '_'; }))
            << key << "." << name;
        EXPECT_FALSE(props.Text(r, 2).empty()) << key << "." << name;
        EXPECT_FALSE(props.Text(r, 3).empty()) << key << "." << name;
        EXPECT_EQ(props.Text(r, 6), "1") << key << "." << name << ": would vanish from stored listings";
        EXPECT_EQ(std::stoi(props.Text(r, 5)), ++last_order[key]) << key << "." << name;
        if (props.Text(r, 4) == "1") ++active[key];
    }
    Table classes = db.Query("SELECT FEATURE_KEY FROM FEATURE_TBL");
    for (size_t r = 0; r < classes.rows.size(); ++r) {
        const std::string key = classes.Text(r, 0);
        if (Is_Class_Key(key)) {
            EXPECT_GT(active[key], 0) << key << ": an empty select list would ask for *";
        }
    }
}

TEST_F(SeedTest, SystemSummaryClassesAndPropertiesAreCatalogued) {
    const std::map<std::string, std::vector<std::string>> summary = {
        {"Win32_ComputerSystem",
         {"Name", "Manufacturer", "Model", "Description", "PrimaryOwnerName", "SystemType", "Domain", "UserName",
          "TotalPhysicalMemory"}},
        {"Win32_ComputerSystemProduct", {"IdentifyingNumber", "UUID"}},
        {"Win32_Processor", {"Name", "Manufacturer", "Version", "Description", "MaxClockSpeed", "ProcessorId"}},
        {"Win32_OperatingSystem",
         {"Name", "Manufacturer", "Version", "ServicePackMajorVersion", "ServicePackMinorVersion", "InstallDate",
          "SerialNumber", "BootDevice", "WindowsDirectory"}},
        {"Win32_BaseBoard", {"Manufacturer", "SerialNumber", "Version", "Product"}},
        {"Win32_BIOS", {"Name", "Manufacturer", "Version", "ReleaseDate", "SerialNumber", "SMBIOSBIOSVersion"}},
        {"Win32_DiskDrive", {"Name", "Manufacturer", "Model", "MediaType", "SerialNumber", "Signature", "Size"}},
        {"Win32_DesktopMonitor", {"Name", "MonitorManufacturer"}},
        {"Win32_DisplayConfiguration", {"DeviceName", "DriverVersion"}},
        {"Win32_NetworkAdapterConfiguration", {"Caption", "MACAddress"}},
        {"Win32_LogicalDisk", {"Name", "FileSystem", "Size", "VolumeSerialNumber"}},
    };
    for (const auto& [cls, names] : summary)
        for (const auto& name : names)
            EXPECT_EQ(db.Scalar("SELECT P.ACTIVE FROM PROPS_TBL P JOIN FEATURE_TBL F ON F.FEATURE_ID=P.FEATURE_ID "
                                "WHERE F.FEATURE_KEY='" + cls + "' AND P.PROP_NAME='" + name + "'"),
                      "1")
                << cls << "." << name;
}

TEST_F(SeedTest, EveryFormattedPropertyNameIsCatalogued) {
    // Each property name that the value formatter treats specially, and the
    // one class it looks at, belongs to a feature the user can list.
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM FEATURE_TBL WHERE FEATURE_KEY='Win32_PrinterConfiguration'"), "1");
    const char* names[] = {
        "TotalPhysicalMemory", "Capacity", "FreeSpace", "Size", "PeakVirtualSize", "WorkingSetSize", "VirtualSize",
        "BlockSize", "FileSize", "MaximumStorage", "FreeVirtualMemory", "FreePhysicalMemory",
        "FreeSpaceInPagingFiles", "SizeStoredInPagingFiles", "TotalVisibleMemorySize", "TotalVirtualMemorySize",
        "MaxProcessMemorySize", "DesignVoltage", "ConfigManagerErrorCode", "DriveType", "MediaType", "BusType",
        "Speed", "ExtClock", "CurrentClockSpeed", "MaxClockSpeed", "TimeToFullCharge", "BatteryRechargeTime",
        "EstimatedRunTime", "ExpectedBatteryLife", "ExpectedLife", "MaxRechargeTime", "BytesPerSector", "AdapterRAM",
        "MaximumOutputBufferSize", "MaximumInputBufferSize", "MaxFileSize", "TotalVirtualMemory",
        "TotalPageFileSpace", "AvailableVirtualMemory", "PeakPageFileUsage", "PeakWorkingSetSize", "PageFileUsage",
        "IconSpacing", "CurrentVerticalResolution", "CurrentHorizontalResolution", "VerticalResolution",
        "HorizontalResolution", "PelsWidth", "PelsHeight", "PixelsPerYLogicalInch", "PixelsPerXLogicalInch",
        "RefreshRate", "MinRefreshRate", "MaxRefreshRate", "CurrentRefreshRate", "DisplayFrequency",
        "CurrentBitsPerPixel", "BitsPerPixel", "BitsPerPel", "LogPixels", "Attributes", "CursorBlinkRate",
        "ScreenSaverTimeout", "ProposedSize", "MaximumSize", "CurrentSize", "PeakUsage", "CurrentUsage",
        "AllocatedBaseSize", "InitialSize", "UserInputDelay", "Age", "Protocol", "LogonType", "QuadSpeedThreshold",
        "DoubleSpeedThreshold", "MaxCacheSize", "InstalledSize", "L3CacheSize", "L2CacheSize", "MaxCapacity",
        "VoltageCaps", "Color", "ICMIntent", "ICMMethod", "Orientation", "PaperWidth", "PaperLength",
        "IconTitleSize", "OSProductSuite", "ProductType", "SuiteMask", "OperatingSystemSKU", "EncryptionLevel",
        "PrinterState", "WinSATAssessmentState", "LicenseStatus", "AccessMask", "InterleavePosition", "BaudRate",
        "MaxBaudRate", "MaximumMessageSize", "MinimumAddressSize", "MaximumAddressSize", "DebugInfoType",
        "ThreadWaitReason", "ThreadState", "Type", "AccountType", "PassiveTripPoint", "CurrentTemperature",
        "CriticalTripPoint", "IsKeyManagementServiceMachine", "IsNotificationOn", "ActivationRequired",
        "CurrentTimeZone", "InstallState", "Availability", "DeviceInterface", "Handedness", "PointingType",
        "Capabilities", "ProtocolSupported", "StatusInfo", "SoftwareElementState", "ByteMode", "ChannelTiming",
        "TypeCTiming", "WordMode", "TriggerType", "TriggerLevel", "TotalWidth", "DataWidth", "FormFactor",
        "MemoryType", "TypeDetail", "DeviceType", "Use", "CurrentVoltage", "Chemistry", "EstimatedChargeRemaining",
        "BatteryStatus", "ChassisBootupState", "SystemStartupDelay", "PowerOnPasswordStatus",
        "KeyboardPasswordStatus", "FrontPanelResetStatus", "Associativity", "VideoArchitecture", "VideoMemoryType",
        "ScanMode", "CurrentScanMode", "Family", "AddressWidth", "Architecture", "CpuStatus", "LoadPercentage",
        "WakeUpType", "ExtendedPrinterStatus", "PrinterStatus", "ExtendedDetectedErrorState",
        "TargetOperatingSystem", "CacheType", "ErrorCorrectType", "Level", "WritePolicy", "Location", "PortType",
        "ProcessorType", "UpgradeMethod", "MaxDataWidth", "NetConnectionStatus", "PowerSupplyState",
        "AdminPasswordStatus", "ResetCapability", "ThermalState", "Access", "PCSystemType", "OSType", "DomainRole",
        "PowerState", "AdapterTypeId", "SecurityStatus", "SecurityBreach", "MemoryErrorCorrection",
        "BootOptionOnLimit", "BootOptionOnWatchDog", "AssignmentType", "SIDType", "ForegroundApplicationBoost",
        "DataExecutionPrevention_SupportPolicy", "QuantumLength", "QuantumType", "ActiveTripPoint",
        "VendorSpecific", "OEMLogoBitmap", "PaperSizesSupported"};
    for (const char* name : names)
        EXPECT_NE(db.Scalar(std::string("SELECT COUNT(*) FROM PROPS_TBL WHERE PROP_NAME='") + name + "'"), "0")
            << name;
}

// ----------------------------------------------------------------- reports

std::string With_Dates(std::string query, const std::string& from, const std::string& to) {
    for (auto [word, date] : {std::pair<std::string, std::string>{"dateFrom", from}, {"dateTo", to}})
        for (size_t at; (at = query.find(word)) != std::string::npos;) query.replace(at, word.size(), date);
    return query;
}

TEST_F(SeedTest, ReportQueriesPrepareAsOneReadOnlyStatement) {
    Table reports = db.Query("SELECT REPORT_NAME, REPORT_QUERY, ACTIVE FROM REPORT_TBL ORDER BY LIST_ORDER");
    ASSERT_GE(reports.rows.size(), 12u);
    std::set<std::string> names;
    int dated = 0;
    for (size_t r = 0; r < reports.rows.size(); ++r) {
        const std::string name = reports.Text(r, 0), query = reports.Text(r, 1);
        EXPECT_TRUE(names.insert(name).second) << "two reports named " << name;
        EXPECT_EQ(name.find('\''), std::string::npos) << name << ": the name goes into SQL unquoted";
        EXPECT_EQ(reports.Text(r, 2), "1") << name;
        if (query.find("dateFrom") != std::string::npos || query.find("dateTo") != std::string::npos) ++dated;
        std::string sql = With_Dates(query, "2024-01-01", "2024-02-01");
        sqlite3_stmt* statement = nullptr;
        const char* tail = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db.Handle(), sql.c_str(), -1, &statement, &tail), SQLITE_OK)
            << name << ": " << sqlite3_errmsg(db.Handle());
        EXPECT_TRUE(sqlite3_stmt_readonly(statement)) << name;
        EXPECT_EQ(std::string(tail).find_first_not_of(" \t\r\n;"), std::string::npos)
            << name << ": more than one statement";
        while (sqlite3_step(statement) == SQLITE_ROW) {
        }
        EXPECT_EQ(sqlite3_errcode(db.Handle()), SQLITE_DONE) << name;
        sqlite3_finalize(statement);
    }
    EXPECT_GE(dated, 2);
}

// Sample rows in the form the scan store writes them: a header row per
// instance, then one row per property with the instance number as section
// and the catalogue row looked up by property name.
class ReportDataTest : public SeedTest {
protected:
    const std::string kDetailInsert =
        "INSERT INTO SCAN_DETAILS(PROP_NAME, VALUE, IMAGE, PROP_BOLD, SCAN_ID, PROP_ID, DEV_ID, FEATURE_ID, "
        "SECTION_ID) VALUES(";
    int Add_Computer(const std::string& name) {
        db.Exec("INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, PARENT, DEV_TYPE_ID) VALUES ('" + name + "','" + name +
                "',1,2)");
        return std::stoi(db.Scalar("SELECT MAX(DEV_ID) FROM DEV_TBL"));
    }
    void Add_Scan(int dev, const std::string& key, const std::string& date,
                  const std::vector<std::vector<std::pair<std::string, std::string>>>& instances) {
        const std::string f = db.Scalar("SELECT FEATURE_ID FROM FEATURE_TBL WHERE FEATURE_KEY='" + key + "'");
        ASSERT_FALSE(f.empty()) << key;
        const std::string d = std::to_string(dev);
        db.Exec("INSERT INTO SCAN_HEAD (SCAN_DATE, DEV_ID, FEATURE_ID) VALUES ('" + date + "'," + d + "," + f + ")");
        const std::string s = db.Scalar("SELECT MAX(SCAN_ID) FROM SCAN_HEAD");
        int n = 0;
        for (const auto& instance : instances) {
            const std::string section = std::to_string(++n);
            db.Exec(kDetailInsert + "'" + key + "','" + section + "','x',1," + s + ",NULL," + d + "," + f + "," +
                    section + ")");
            for (const auto& [prop, value] : instance)
                // The stored caption is the display form of the name; the
                // reports must find values through the catalogue, not by it.
                db.Exec(kDetailInsert + "'Shown " + prop + "','" + value + "','Info',0," + s +
                        ",(SELECT PROP_ID FROM PROPS_TBL WHERE PROP_NAME='" + prop + "' AND FEATURE_ID=" + f + ")," +
                        d + "," + f + "," + section + ")");
        }
        if (instances.empty())  // what an empty listing stores
            db.Exec(kDetailInsert + "'Name','No Information Available','NoInfo',1," + s +
                    ",(SELECT PROP_ID FROM PROPS_TBL WHERE PROP_NAME='Name' AND FEATURE_ID=" + f + ")," + d + "," + f +
                    ",0)");
    }
    Table Run(const std::string& report, const std::string& from = "", const std::string& to = "") {
        std::string query = db.Scalar("SELECT REPORT_QUERY FROM REPORT_TBL WHERE REPORT_NAME='" + report + "'");
        EXPECT_FALSE(query.empty()) << report;
        return db.Query(With_Dates(query, from, to));
    }
};

TEST_F(ReportDataTest, LowDiskSpaceReadsTheStoredByteCountsOfTheLatestScan) {
    int pc = Add_Computer("PC1");
    Add_Scan(pc, "Win32_LogicalDisk", "2024-01-31",
             {{{"Name", "D:"}, {"DriveType", "Local Disk (3)"}, {"Size", "100.00 GB(107374182400 bytes)"},
               {"FreeSpace", "1.00 GB(1073741824 bytes)"}}});
    Add_Scan(pc, "Win32_LogicalDisk", "2024-03-05",
             {{{"Name", "C:"}, {"DriveType", "Local Disk (3)"}, {"Size", "100.00 GB(107374182400 bytes)"},
               {"FreeSpace", "5.00 GB(5368709120 bytes)"}},
              {{"Name", "D:"}, {"DriveType", "Local Disk (3)"}, {"Size", "100.00 GB(107374182400 bytes)"},
               {"FreeSpace", "50.00 GB(53687091200 bytes)"}},
              {{"Name", "E:"}, {"DriveType", "Network Drive (4)"}, {"Size", "1.00 GB(1073741824 bytes)"},
               {"FreeSpace", "1 bytes(1 bytes)"}}});
    Table low = Run("Low Disk Space (below 10% free)");
    ASSERT_EQ(low.rows.size(), 1u) << "only the local disk of the newest scan below 10 %";
    EXPECT_EQ(low.Text(0, 0), "PC1");
    EXPECT_EQ(low.Text(0, 1), "C:");
    EXPECT_EQ(low.Text(0, 5), "5.0");
    EXPECT_EQ(Run("Disk Space by Computer").rows.size(), 2u);
}

TEST_F(ReportDataTest, AutomaticServicesThatAreStoppedAreListedPerInstance) {
    int pc = Add_Computer("O''Brien''s PC");
    Add_Scan(pc, "Win32_Service", "2024-03-05",
             {{{"Name", "Spooler"}, {"DisplayName", "Print Spooler"}, {"StartMode", "Auto"}, {"State", "Stopped"}},
              {{"Name", "W32Time"}, {"DisplayName", "Windows Time"}, {"StartMode", "Manual"}, {"State", "Stopped"}},
              {{"Name", "Dhcp"}, {"DisplayName", "DHCP Client"}, {"StartMode", "Auto"}, {"State", "Running"}}});
    Table stopped = Run("Services Set to Automatic but Stopped");
    ASSERT_EQ(stopped.rows.size(), 1u);
    EXPECT_EQ(stopped.Text(0, 0), "O'Brien's PC");
    EXPECT_EQ(stopped.Text(0, 1), "Spooler");
    EXPECT_EQ(stopped.Text(0, 2), "Print Spooler");
}

TEST_F(ReportDataTest, DateReportsTakeTheDayAfterTheToDateAsExclusiveEnd) {
    int scanned = Add_Computer("SCANNED");
    int old_one = Add_Computer("OLD");
    Add_Computer("NEVER");
    Add_Scan(scanned, "Win32_Service", "2024-03-05", {});
    Add_Scan(old_one, "Win32_Service", "2024-01-31", {});
    Table stale = Run("Computers Not Scanned Since the From Date", "2024-03-01", "2024-03-02");
    std::set<std::string> names;
    for (size_t r = 0; r < stale.rows.size(); ++r) names.insert(stale.Text(r, 0));
    EXPECT_EQ(names, (std::set<std::string>{"OLD", "NEVER"}));

    EXPECT_EQ(Run("Computers Scanned in a Date Range", "2024-03-05", "2024-03-06").rows.size(), 1u);
    // To date 4 March: the viewer passes the 5th, which is already outside.
    EXPECT_EQ(Run("Computers Scanned in a Date Range", "2024-01-01", "2024-03-05").rows.size(), 1u);
    EXPECT_EQ(Run("Computers Scanned in a Date Range", "2024-01-01", "2024-03-06").rows.size(), 2u);
}

TEST_F(ReportDataTest, ComputerWithAnEmptyAntivirusListingCountsAsUnprotected) {
    int protected_pc = Add_Computer("GUARDED");
    int empty_pc = Add_Computer("EMPTY");
    Add_Computer("UNSCANNED");
    Add_Scan(protected_pc, "SC_AntiVirusProduct", "2024-03-05", {{{"displayName", "Defender"}}});
    Add_Scan(empty_pc, "SC_AntiVirusProduct", "2024-03-05", {});
    Table bare = Run("Computers without Antivirus");
    std::set<std::string> names;
    for (size_t r = 0; r < bare.rows.size(); ++r) names.insert(bare.Text(r, 0));
    EXPECT_EQ(names, (std::set<std::string>{"EMPTY", "UNSCANNED"}));
    Table products = Run("Antivirus Products by Computer");
    ASSERT_EQ(products.rows.size(), 1u) << "the no-information row is no product";
    EXPECT_EQ(products.Text(0, 1), "Defender");
}

TEST_F(ReportDataTest, TheNoInformationRowOfAnEmptyListingIsNoDevice) {
    int clean = Add_Computer("CLEAN");
    int faulty = Add_Computer("FAULTY");
    Add_Scan(clean, "Cust_ProblemDevices", "2024-03-05", {});
    Add_Scan(faulty, "Cust_ProblemDevices", "2024-03-05",
             {{{"Name", "Unknown device"}, {"ConfigManagerErrorCode", "Device not configured (1)"}}});
    Table devices = Run("Problem Devices by Computer");
    ASSERT_EQ(devices.rows.size(), 1u);
    EXPECT_EQ(devices.Text(0, 0), "FAULTY");
    EXPECT_EQ(devices.Text(0, 1), "Unknown device");
    EXPECT_EQ(devices.Text(0, 2), "Device not configured (1)");
}

// ---------------------------------------------------------- tabular grid

TEST_F(SeedTest, TabularGridHasSixMetaRowsBeforeEveryComputer) {
    Table grid = db.Query("SELECT * FROM TABULAR_REPORT_TBL");
    ASSERT_GE(grid.columns.size(), 4u + 40u);
    EXPECT_LE(grid.columns.size(), 254u) << "a new report's visibility text has 254 flags";
    EXPECT_EQ(std::vector<std::string>(grid.columns.begin(), grid.columns.begin() + 4),
              (std::vector<std::string>{"TR_ID", "DEV_ID", "DEV_NAME", "SCAN_DATE"}));
    ASSERT_EQ(grid.rows.size(), 6u);
    for (int r = 0; r < 6; ++r) EXPECT_EQ(grid.Text(r, 0), std::to_string(r - 5));

    // Rows by their role, in ascending TR_ID: -5 default visibility, -4
    // widths, -3 captions, -2 property, -1 class, 0 namespace.
    EXPECT_EQ(grid.Text(1, 2), "2000");
    EXPECT_FALSE(grid.Text(2, 2).empty()) << "the DEV_NAME column needs a caption";
    EXPECT_EQ(grid.Text(4, 3), "") << "SCAN_DATE must have no class, or the report scan would assign it";
    std::set<std::string> columns;
    for (size_t c = 4; c < grid.columns.size(); ++c) {
        const std::string column = grid.columns[c];
        EXPECT_TRUE(columns.insert(column).second) << column;
        const std::string visible = grid.Text(0, c), width = grid.Text(1, c), caption = grid.Text(2, c),
                          prop = grid.Text(3, c), cls = grid.Text(4, c);
        EXPECT_TRUE(visible == "0" || visible == "1") << column;
        EXPECT_GT(std::atoi(width.c_str()), 0) << column;
        EXPECT_FALSE(caption.empty()) << column;
        // The column's class and property must be ones the catalogue knows.
        const std::string key = Starts_With(cls, "Win32_") ? cls : "SC_" + cls;
        EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM PROPS_TBL P JOIN FEATURE_TBL F ON F.FEATURE_ID=P.FEATURE_ID "
                            "WHERE F.FEATURE_KEY='" + key + "' AND P.PROP_NAME='" + prop + "'"),
                  "1")
            << column << ": " << cls << "." << prop;
        const bool security = cls == "AntiVirusProduct" || cls == "AntiSpywareProduct" || cls == "FirewallProduct";
        EXPECT_EQ(grid.Text(5, c), security ? "root\\SecurityCenter2" : "root\\cimv2") << column;
    }
}

TEST_F(SeedTest, TabularGridTakesTheStatementsThatWriteIt) {
    Table grid = db.Query("SELECT * FROM TABULAR_REPORT_TBL");
    // The customiser's width reset names every column.
    std::string reset = "UPDATE TABULAR_REPORT_TBL SET DEV_NAME=2000,SCAN_DATE=2000,";
    for (size_t c = 4; c < grid.columns.size(); ++c) reset += grid.columns[c] + "=2000,";
    reset.pop_back();
    db.Exec(reset + " WHERE TR_ID=-4");
    // A computer's grid row is created once, after the meta rows.
    db.Exec("INSERT OR IGNORE INTO TABULAR_REPORT_TBL (DEV_ID,DEV_NAME) VALUES (7,'PC7')");
    db.Exec("INSERT OR IGNORE INTO TABULAR_REPORT_TBL (DEV_ID,DEV_NAME) VALUES (7,'PC7')");
    db.Exec("UPDATE TABULAR_REPORT_TBL SET SCAN_DATE='2024-03-05 10:00:00', " + grid.columns[4] +
            "='O''Brien' WHERE DEV_ID=7");
    Table shown = db.Query("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID<=0 OR DEV_ID=7");
    ASSERT_EQ(shown.rows.size(), 7u);
    EXPECT_GE(std::stoi(shown.Text(6, 0)), 1);
    EXPECT_EQ(shown.Text(6, 4), "O'Brien");
    EXPECT_EQ(shown.Text(1, 4), "2000");
}

TEST_F(SeedTest, ReportGroupComesBeforeEverySavedReport) {
    db.Exec("INSERT INTO  TAB_REPORT_NAMES_TBL (REPORT_NAME,REPORT_VISIBILITY,GROUP_ID) VALUES('!first','0011','0')");
    Table names = db.Query(
        "SELECT TN_ID,REPORT_NAME,REPORT_VISIBILITY FROM TAB_REPORT_NAMES_TBL  ORDER BY GROUP_ID ASC,REPORT_NAME ASC");
    ASSERT_EQ(names.rows.size(), 2u);
    EXPECT_EQ(names.Text(0, 0), "0");
}

}  // namespace
