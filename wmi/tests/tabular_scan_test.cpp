#include "wmi/tabular_scan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/error.h"
#include "store/devices.h"
#include "store/tabular.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"
#include "wmi/fake_wmi.h"

namespace crv {
namespace {

WmiInstance Object(const std::string& class_name, WmiObject properties) {
    return WmiInstance{class_name + ".Key", class_name, std::move(properties)};
}

class TabularScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = Set_Wmi_Port(&port);
        Clear_Error();
        std::string name, visibility;
        ASSERT_TRUE(Add_Tabular_Report_Name(0, report, name, visibility));
    }
    void TearDown() override {
        Set_Wmi_Port(previous);
        Clear_Error();
    }
    // A computer with credentials, linked to the report, its grid row made.
    std::int32_t Add_Computer(const std::string& name, const std::string& user = "", const std::string& pw = "") {
        std::int32_t id = Add_Device(name, user, pw, 0, 0, 0, 0, "", 1, 2, "", "me");
        EXPECT_TRUE(Add_Tabular_Report_Row(id, name));
        EXPECT_TRUE(Add_Tabular_Report_Computer(report, id));
        return id;
    }
    std::int32_t Tr_Id(std::int32_t dev_id) {
        return std::stoi(db.Scalar("SELECT TR_ID FROM TABULAR_REPORT_TBL WHERE DEV_ID=" + std::to_string(dev_id)));
    }
    std::string Cell(std::int32_t dev_id, const std::string& column) {
        return db.Scalar("SELECT " + column + " FROM TABULAR_REPORT_TBL WHERE DEV_ID=" + std::to_string(dev_id));
    }
    SqlResult Grid() {
        SqlResult grid;
        std::int32_t rows = 0;
        EXPECT_TRUE(Get_Tabular_Report_Rows(rows, grid, 0));
        return grid;
    }
    std::size_t Scan(std::vector<std::int32_t> devices, std::vector<TabularScanRow>* done = nullptr,
                     std::function<bool()> cancelled = {}) {
        std::vector<TabularScanRow> rows;
        for (std::int32_t d : devices) rows.push_back({Tr_Id(d), d, "row"});
        TabularScanHooks hooks;
        hooks.row_done = [done](const TabularScanRow& row, bool) {
            if (done) done->push_back(row);
        };
        hooks.cancelled = std::move(cancelled);
        return Run_Tabular_Scan(rows, when, hooks);
    }

    test::TestDatabase db;
    FakeWmiPort port;
    WmiPort* previous = nullptr;
    std::int32_t report = 0;
    StoreDateTime when{2024, 3, 5, 14, 7, 9};
};

TEST_F(TabularScanTest, ClassesComeOnceInColumnOrderFromThePropertyColumns) {
    SqlResult grid = Grid();
    std::vector<std::string> classes{"Win32_BIOS"};
    Get_Distinct_Classes(classes, grid);
    ASSERT_GE(classes.size(), 10u);
    EXPECT_EQ(classes[0], "Win32_BIOS");
    EXPECT_EQ(classes[1], "Win32_ComputerSystem");
    EXPECT_EQ(std::count(classes.begin(), classes.end(), "Win32_BIOS"), 1);
    EXPECT_EQ(std::count(classes.begin(), classes.end(), ""), 0);
    EXPECT_EQ(classes.back(), "FirewallProduct");
}

TEST_F(TabularScanTest, SeveralInstancesShareOneCellInWmiOrder) {
    std::int32_t pc = Add_Computer("PC1");
    port.Set_Objects("Select * from Win32_Processor",
                     {Object("Win32_Processor", {Wmi_Text("Name", "Xeon A  "), Wmi_Uint32("NumberOfCores", 4)}),
                      Object("Win32_Processor", {Wmi_Text("Name", "Xeon B,, "), Wmi_Uint32("NumberOfCores", 8)})});
    port.Set_Objects("Select * from Win32_OperatingSystem",
                     {Object("Win32_OperatingSystem", {Wmi_Text("Caption", "Windows, 10 , Pro")})});
    std::vector<TabularScanRow> done;
    EXPECT_EQ(Scan({pc}, &done), 1u);
    EXPECT_EQ(Cell(pc, "CPU_NAME"), "Xeon A  , Xeon B");
    EXPECT_EQ(Cell(pc, "CPU_CORES"), "4, 8");
    EXPECT_EQ(Cell(pc, "OS_CAPTION"), "Windows, 10 , Pro");  // commas and blanks go only at the end
    EXPECT_EQ(Cell(pc, "SCAN_DATE"), "2024-03-05 14:07:09");
    // No instance of a class: its columns are not assigned at all.
    EXPECT_EQ(Cell(pc, "BIOS_VERSION"), "");
    ASSERT_EQ(done.size(), 1u);
    // Every class of the grid on root\cimv2, the Security Center classes on
    // their own namespace, the IP-enabled adapters last.
    EXPECT_EQ(port.connects.size(), 2u);
    EXPECT_EQ(port.connects[0].namespace_path, "root\\cimv2");
    EXPECT_EQ(port.connects[1].namespace_path, "root\\SecurityCenter2");
    EXPECT_EQ(port.queries.back(), "Select * from Win32_NetworkAdapterConfiguration WHERE IPEnabled=True");
    EXPECT_EQ(port.queries[port.queries.size() - 2], "Select * from FirewallProduct");
}

TEST_F(TabularScanTest, QuotesAndLongValuesStayInsideTheirLiteral) {
    std::int32_t pc = Add_Computer("PC1");
    const std::string column = "OS_CAPTION";  // 10 characters: 243 left for the value
    std::string at_cut = std::string(242, 'a') + "'; DELETE FROM DEV_TBL; --";
    port.Set_Objects("Select * from Win32_OperatingSystem",
                     {Object("Win32_OperatingSystem", {Wmi_Text("Caption", at_cut), Wmi_Text("Version", "O'Brien"),
                                                       Wmi_Text("BuildNumber", std::string(300, 'b'))})});
    Scan({pc});
    EXPECT_EQ(Cell(pc, column), std::string(242, 'a') + "'");
    EXPECT_EQ(Cell(pc, "OS_VERSION"), "O'Brien");
    EXPECT_EQ(Cell(pc, "OS_BUILD"), std::string(255 - 10, 'b'));  // OS_BUILD=' counts
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_ID=" + std::to_string(pc)), "1");
    EXPECT_TRUE(db.reporter.boxes.empty());

    // A value of quotes only, cut in the middle of where the pairs would be.
    std::vector<TabularCellValue> values{{"OS_CAPTION", std::string(300, '\'') + ", "}};
    std::string set;
    Append_Update_Values(set, values);
    EXPECT_TRUE(values.empty());
    EXPECT_EQ(set, "OS_CAPTION='" + std::string(2 * 243, '\'') + "', ");
}

TEST_F(TabularScanTest, AnUnreachableComputerKeepsItsRowAndStillCounts) {
    std::int32_t up = Add_Computer("UP");
    std::int32_t down = Add_Computer("DOWN");
    db.Exec("UPDATE TABULAR_REPORT_TBL SET SCAN_DATE='2020-01-01 00:00:00', OS_CAPTION='old' WHERE DEV_ID=" +
            std::to_string(down));
    port.connect_result = [](const WmiConnectRequest& r) {
        return r.server == "DOWN" ? WmiStatus::Error(Rpc_S_Server_Unavailable, "The RPC server is unavailable.")
                                  : WmiStatus{};
    };
    port.Set_Objects("Select * from Win32_OperatingSystem",
                     {Object("Win32_OperatingSystem", {Wmi_Text("Caption", "new")})});
    std::vector<TabularScanRow> done;
    EXPECT_EQ(Scan({down, up}, &done), 2u);
    EXPECT_EQ(done.size(), 2u);
    EXPECT_EQ(Cell(down, "SCAN_DATE"), "2020-01-01 00:00:00");
    EXPECT_EQ(Cell(down, "OS_CAPTION"), "old");
    EXPECT_EQ(Cell(up, "OS_CAPTION"), "new");
    EXPECT_EQ(Pending_Error().number, 0);
    EXPECT_TRUE(db.reporter.boxes.empty());
}

TEST_F(TabularScanTest, AFailingClassAssignsNothingAndTheScanGoesOn) {
    std::int32_t pc = Add_Computer("PC1");
    db.Exec("UPDATE TABULAR_REPORT_TBL SET BIOS_VERSION='kept', AV_NAME='x' WHERE DEV_ID=" + std::to_string(pc));
    FakeWmiPort::QueryAnswer invalid;
    invalid.exec_error = WmiStatus::Error(Wbem_E_Invalid_Class, "Invalid class");
    port.Set_Answer("Select * from Win32_BIOS", invalid);
    // A class that breaks off after its first instance assigns nothing either.
    FakeWmiPort::QueryAnswer broken;
    broken.objects = {Object("Win32_DiskDrive", {Wmi_Text("Model", "one")}),
                      Object("Win32_DiskDrive", {Wmi_Text("Model", "two")})};
    broken.fail_after = 1;
    broken.next_error = WmiStatus::Error(Wbem_E_Failed, "Generic failure");
    port.Set_Answer("Select * from Win32_DiskDrive", broken);
    port.Set_Objects("Select * from Win32_OperatingSystem",
                     {Object("Win32_OperatingSystem", {Wmi_Text("Caption", "after")})});
    // Security Center refuses the connection: its columns keep their values.
    port.connect_result = [](const WmiConnectRequest& r) {
        return r.namespace_path == "root\\SecurityCenter2" ? WmiStatus::Error(Wbem_E_Invalid_Namespace, "ns")
                                                           : WmiStatus{};
    };
    Scan({pc});
    EXPECT_EQ(Cell(pc, "BIOS_VERSION"), "kept");
    EXPECT_EQ(Cell(pc, "DD_MODEL"), "");
    EXPECT_EQ(Cell(pc, "OS_CAPTION"), "after");
    EXPECT_EQ(Cell(pc, "AV_NAME"), "x");
    EXPECT_EQ(Cell(pc, "SCAN_DATE"), "2024-03-05 14:07:09");
}

TEST_F(TabularScanTest, SecurityCenterAndFilteredAdaptersDecideTheirColumns) {
    std::int32_t pc = Add_Computer("PC1");
    port.Set_Objects("Select * from AntiVirusProduct",
                     {Object("AntiVirusProduct", {Wmi_Text("displayName", "Guard"), Wmi_Uint32("productState", 397568)})});
    port.Set_Objects("Select * from Win32_NetworkAdapterConfiguration",
                     {Object("Win32_NetworkAdapterConfiguration", {Wmi_Text("Description", "all adapters")})});
    port.Set_Objects("Select * from Win32_NetworkAdapterConfiguration WHERE IPEnabled=True",
                     {Object("Win32_NetworkAdapterConfiguration", {Wmi_Text("Description", "[00000007] Intel NIC")}),
                      Object("Win32_NetworkAdapterConfiguration", {Wmi_Text("Description", "Loopback")})});
    Scan({pc});
    EXPECT_EQ(Cell(pc, "AV_NAME"), "Guard");
    EXPECT_EQ(Cell(pc, "NAC_DESCRIPTION"), "Intel NIC, Loopback");
}

TEST_F(TabularScanTest, ADeletedComputerIsSkippedAndNoCredentialsTravel) {
    std::int32_t first = Add_Computer("FIRST", "alice", "secret");
    std::int32_t gone = Add_Computer("GONE", "bob", "bobpw");
    std::int32_t group = Add_Device("NOT A PC", "", "", 0, 0, 0, 0, "", 1, 1, "", "me");
    std::int32_t gone_tr = Tr_Id(gone);
    ASSERT_TRUE(Delete_Device(gone, false));  // its grid row stays
    port.local_name = "ELSEWHERE";
    std::vector<TabularScanRow> rows{{Tr_Id(first), first, "FIRST"},
                                     {gone_tr, gone, "GONE"},
                                     {999, 0, "NO GRID ROW"},
                                     {gone_tr, group, "A GROUP"}};
    std::vector<bool> updated;
    TabularScanHooks hooks;
    hooks.row_done = [&](const TabularScanRow&, bool u) { updated.push_back(u); };
    EXPECT_EQ(Run_Tabular_Scan(rows, when, hooks), 4u);
    EXPECT_EQ(updated, (std::vector<bool>{true, false, false, false}));
    ASSERT_EQ(port.connects.size(), 2u);  // FIRST's two namespaces only
    for (const auto& c : port.connects) {
        EXPECT_EQ(c.server, "FIRST");
        EXPECT_EQ(c.user, "FIRST\\alice");
    }
    EXPECT_EQ(Cell(gone, "SCAN_DATE"), "");
}

TEST_F(TabularScanTest, OneScanDateForTheRunAndCancelStopsAfterTheRowInProgress) {
    std::vector<std::int32_t> pcs;
    for (int i = 1; i <= 5; ++i) pcs.push_back(Add_Computer("PC" + std::to_string(i)));
    std::vector<TabularScanRow> done;
    EXPECT_EQ(Scan(pcs, &done, [&] { return done.size() == 3; }), 3u);
    EXPECT_EQ(Cell(pcs[0], "SCAN_DATE"), Cell(pcs[2], "SCAN_DATE"));
    EXPECT_EQ(Cell(pcs[2], "SCAN_DATE"), "2024-03-05 14:07:09");
    EXPECT_EQ(Cell(pcs[3], "SCAN_DATE"), "");
}

// The file locked by another connection after the first row: one box,
// and the scan stops instead of failing every computer after it.
TEST_F(TabularScanTest, ALockedDatabaseEndsTheScanWithOneBox) {
    std::vector<std::int32_t> pcs;
    for (int i = 1; i <= 4; ++i) pcs.push_back(Add_Computer("PC" + std::to_string(i)));
    std::vector<TabularScanRow> rows;
    for (std::int32_t d : pcs) rows.push_back({Tr_Id(d), d, "row"});
    std::optional<test::DatabaseLock> lock;
    TabularScanHooks hooks;
    hooks.row_done = [&](const TabularScanRow&, bool) {
        if (!lock) lock.emplace(db);
    };
    EXPECT_EQ(Run_Tabular_Scan(rows, when, hooks), 2u);
    lock.reset();
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("database is locked"), std::string::npos);
    EXPECT_TRUE(Pending_Error().empty());
    EXPECT_EQ(Cell(pcs[0], "SCAN_DATE"), "2024-03-05 14:07:09");
    EXPECT_EQ(Cell(pcs[1], "SCAN_DATE"), "");
}

// One computer's row refused by the store for its own reason: its box once,
// and the scan goes on with the next computer.
TEST_F(TabularScanTest, ARefusedRowIsSaidOnceAndTheScanGoesOn) {
    std::vector<std::int32_t> pcs;
    for (int i = 1; i <= 4; ++i) pcs.push_back(Add_Computer("PC" + std::to_string(i)));
    db.Exec("CREATE TRIGGER refuse BEFORE UPDATE ON TABULAR_REPORT_TBL WHEN OLD.DEV_ID=" + std::to_string(pcs[1]) +
            " BEGIN SELECT RAISE(ABORT, 'refused row'); END");
    EXPECT_EQ(Scan(pcs), 4u);
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("refused row"), std::string::npos);
    EXPECT_EQ(Cell(pcs[1], "SCAN_DATE"), "");
    for (std::size_t i : {0u, 2u, 3u}) EXPECT_EQ(Cell(pcs[i], "SCAN_DATE"), "2024-03-05 14:07:09") << i;
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(TabularScanTest, SnapshotTakesTickedRowsAndRefreshShowsVisibleColumns) {
    std::int32_t a = Add_Computer("A");
    std::int32_t b = Add_Computer("B");
    ListModel list;
    ASSERT_TRUE(Show_Tabular_Report(list, "Tabu_" + std::to_string(report)));
    ASSERT_EQ(list.Item_Count(), 2u);
    list.Item(1).checked = true;
    auto rows = Tabular_Scan_Snapshot(list);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].dev_id, b);
    EXPECT_EQ(rows[0].tr_id, Tr_Id(b));
    EXPECT_EQ(rows[0].name, "B");
    // Later changes to the list do not reach the snapshot.
    list.Item(1).checked = false;
    EXPECT_EQ(rows[0].dev_id, b);

    // SCAN_DATE and the first property shown; flags past the text count as hidden.
    ASSERT_TRUE(Set_Report_Visibility("001110", report));
    db.Exec("UPDATE TABULAR_REPORT_TBL SET SCAN_DATE='d', CS_MANUFACTURER='m', CS_MODEL='hidden' WHERE DEV_ID=" +
            std::to_string(a));
    ListItem& item = list.Item(0);
    ASSERT_EQ(item.text, "A");
    item.sub_items = {"stale", "stale", "stale"};
    ASSERT_TRUE(Refresh_Tabular_Row(item, report));
    EXPECT_EQ(item.sub_items, (std::vector<std::string>{"d", "m"}));
}

}  // namespace
}  // namespace crv
