// Scans a tabular report of 500 computers by 40 columns against the fake WMI
// port and prints computers per second beside the bare limit: the same
// connections, queries and value formatting on the same port, without the
// store (no device reads, no UPDATE).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "store/devices.h"
#include "store/store.h"
#include "store/tabular.h"
#include "store/tests/test_database.h"
#include "wmi/fake_wmi.h"
#include "wmi/format/formatter.h"
#include "wmi/tabular_scan.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds_Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Report(const char* what, int computers, double seconds) {
    std::printf("%-46s %5d computers %8.3f s %10.1f computers/s\n", what, computers, seconds,
                seconds > 0 ? computers / seconds : 0.0);
}

}  // namespace

int main() {
    using namespace crv;
    constexpr int Computers = 500;
    constexpr std::size_t Columns = 40;
    auto folder = std::filesystem::temp_directory_path() /
                  ("crv_tabular_bench_" + std::to_string(Clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(folder);
    test::Build_Database(folder / "tqinfo.ocx", true);
    StoreEnvironment env;
    std::string dir = folder.string();
    env.program_folder = [dir] { return dir; };
    Set_Store_Environment(env);

    // The first 40 property columns keep their class; the rest are not
    // collected (no class), so each computer fills 40 columns.
    SqlResult grid;
    std::int32_t rows = 0;
    Get_Tabular_Report_Rows(rows, grid, 0);
    std::string clear = "UPDATE TABULAR_REPORT_TBL SET ";
    for (std::size_t c = Tabular_First_Property_Column + Columns; c < grid.Column_Count(); ++c)
        clear += grid.Column_Name(c) + "='',";
    clear.back() = ' ';
    Execute_SQL(clear + "WHERE TR_ID=-1");
    Get_Tabular_Report_Rows(rows, grid, 0);

    // One instance per class, with every property a column asks of it.
    FakeWmiPort port;
    Set_Wmi_Port(&port);
    std::map<std::string, WmiObject> objects;
    for (std::size_t c = Tabular_First_Property_Column; c < grid.Column_Count(); ++c) {
        const std::string& cls = grid.Text(Tabular_Class_Row, c);
        if (cls.empty()) continue;
        objects[cls].push_back(Wmi_Text(grid.Text(Tabular_Property_Row, c), "Value of " + grid.Column_Name(c) + " 'q'"));
    }
    std::vector<std::string> queries;
    for (auto& [cls, props] : objects) {
        port.Set_Objects("Select * from " + cls, {WmiInstance{cls + ".Key", cls, props}});
        queries.push_back("Select * from " + cls);
    }

    std::int32_t report = 0;
    std::string name, visibility;
    Add_Tabular_Report_Name(0, report, name, visibility);
    std::vector<TabularReportComputer> members;
    for (int i = 0; i < Computers; ++i) {
        std::string pc = "PC" + std::to_string(i);
        members.push_back({Add_Device(pc, "admin", "pw", 0, 0, 0, 0, "", 1, 2, "", "bench"), pc});
    }
    Save_Tabular_Report(report, "0011" + std::string(Columns, '1'), members);

    std::vector<TabularScanRow> scan_rows;
    {
        SqlResult ids;
        Get_SQL_Result(rows, ids, "SELECT TR_ID, DEV_ID, DEV_NAME FROM TABULAR_REPORT_TBL WHERE TR_ID>0");
        for (std::size_t r = 1; r <= ids.Data_Row_Count(); ++r)
            scan_rows.push_back({static_cast<std::int32_t>(ids.Number(r, 0)), static_cast<std::int32_t>(ids.Number(r, 1)),
                                 ids.Text(r, 2)});
    }

    auto start = Clock::now();
    std::size_t done = Run_Tabular_Scan(scan_rows, StoreDateTime{2024, 3, 5, 10, 0, 0}, {});
    Report("Run_Tabular_Scan (store and fake port)", static_cast<int>(done), Seconds_Since(start));
    SqlResult check;
    Get_SQL_Result(rows, check, "SELECT COUNT(*) FROM TABULAR_REPORT_TBL WHERE SCAN_DATE='2024-03-05 10:00:00'");
    if (check.Number(1, 0) != Computers) std::printf("only %lld rows were written\n", (long long)check.Number(1, 0));

    // The bare limit: two connections per computer, every class's query and
    // every value formatted, nothing stored.
    start = Clock::now();
    std::size_t values = 0;
    for (int i = 0; i < Computers; ++i) {
        for (const char* ns : {"root\\cimv2", "root\\SecurityCenter2"}) {
            WmiConnectRequest request;
            request.server = "PC" + std::to_string(i);
            request.namespace_path = ns;
            WmiStatus status;
            auto services = port.Connect(request, status);
            if (std::string(ns) != "root\\cimv2") continue;
            for (const std::string& q : queries) {
                auto result = services->Exec_Query(q, Wbem_Flag_Return_Immediately, status);
                WmiInstance instance;
                while (result->Next(instance, status))
                    for (const WmiProperty& p : instance.properties)
                        values += Format_Property_Value_For_Cell(p, instance.class_name).size();
            }
        }
    }
    Report("bare: the same fake queries, no store", Computers, Seconds_Since(start));
    std::printf("(%zu value characters formatted)\n", values);

    Set_Wmi_Port(nullptr);
    Reset_Store_Environment();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return 0;
}
