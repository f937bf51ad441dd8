// The generic collector through the fake port:
// - growth: a class of n objects at 1k, 10k and 100k rows; the time must grow
//   linearly with the rows (a quadratic step shows as a ratio far above 10
//   between 100k and 10k);
// - listing: 1,000 objects of a service-like class beside the bare limit, a
//   loop over the same query's objects that turns every value into text.
// Not a test.
#include <cstdio>
#include <string>

#include "core/error.h"
#include "tools/bench/bench_support.h"
#include "wmi/collectors.h"
#include "wmi/fake_wmi.h"
#include "wmi/tests/wmi_test_support.h"

namespace {

using namespace crv;

// About eight rows an object: a header, six properties and a spacer.
std::vector<WmiInstance> Objects(int rows) {
    std::vector<WmiInstance> objects;
    for (int i = 0; i < rows / 8; ++i)
        objects.push_back(WmiInstance{"p" + std::to_string(i), "Win32_Thing",
                                      {Wmi_Text("Caption", "c"), Wmi_Text("Name", "name " + std::to_string(i)),
                                       Wmi_Text("Size", "9"), Wmi_Text("Status", "OK"), Wmi_Uint32("Count", i),
                                       Wmi_Text("Model", "m")}});
    return objects;
}

// What a service answers to "SELECT *": texts, flags and numbers.
std::vector<WmiInstance> Services(int count) {
    std::vector<WmiInstance> objects;
    for (int i = 0; i < count; ++i) {
        const std::string name = "CorvalinBench" + std::to_string(i);
        objects.push_back(WmiInstance{
            "Win32_Service.Name=\"" + name + "\"",
            "Win32_Service",
            {Wmi_Value("AcceptPause", CIM_Boolean, false), Wmi_Value("AcceptStop", CIM_Boolean, false),
             Wmi_Text("Caption", name), Wmi_Uint32("CheckPoint", 0), Wmi_Text("CreationClassName", "Win32_Service"),
             Wmi_Text("Description", "A service of the benchmark that never starts"),
             Wmi_Value("DesktopInteract", CIM_Boolean, false), Wmi_Text("DisplayName", name),
             Wmi_Text("ErrorControl", "Ignore"), Wmi_Uint32("ExitCode", 1077), Wmi_Null("InstallDate", CIM_Datetime),
             Wmi_Text("Name", name), Wmi_Text("PathName", "C:\\windows\\corvalin-bench-absent.exe"),
             Wmi_Uint32("ProcessId", 0), Wmi_Uint32("ServiceSpecificExitCode", 0),
             Wmi_Text("ServiceType", "Own Process"), Wmi_Value("Started", CIM_Boolean, false),
             Wmi_Text("StartMode", "Manual"), Wmi_Text("StartName", "LocalSystem"), Wmi_Text("State", "Stopped"),
             Wmi_Text("Status", "OK"), Wmi_Text("SystemCreationClassName", "Win32_ComputerSystem"),
             Wmi_Text("SystemName", "PC7"), Wmi_Uint32("TagId", 0), Wmi_Uint32("WaitHint", 0)}});
    }
    return objects;
}

// The bare limit of a listing: every value of every object as text.
std::size_t Bare_Listing(const std::string& wql, std::vector<std::string>& texts) {
    WmiStatus status;
    auto services = Current_Wmi_Port().Connect(WmiConnectRequest{}, status);
    if (!services) return 0;
    auto objects = services->Exec_Query(wql, Wbem_Flag_Return_Immediately | Wbem_Flag_Forward_Only, status);
    if (!objects) return 0;
    WmiInstance object;
    std::size_t n = 0;
    while (objects->Next(object, status)) {
        ++n;
        for (const WmiProperty& p : object.properties) texts.push_back(Scalar_To_Text(p.value));
    }
    return n;
}

void Growth(FakeWmiPort& port, std::int32_t id, const TreeNode& node) {
    const int sizes[3] = {1000, 10000, 100000};
    constexpr int Repetitions = 7;
    // [memory handed back first: 0 no, 1 yes][size]
    std::vector<double> per_size[2][3];
    // One untimed pass over every size first; then the sizes take turns in
    // an order that changes each round (rising, falling, middle first), and
    // each size is timed both with the allocator's free memory handed back
    // to the system first and with it kept: either alone can flatter.
    const int orders[3][3] = {{0, 1, 2}, {2, 1, 0}, {1, 2, 0}};
    for (int r = -1; r < Repetitions; ++r)
        for (int k = 0; k < 3; ++k)
            for (int trim = 0; trim < 2; ++trim) {
                const int s = orders[(r + 3) % 3][k];
                // The fake port's table is made before the run, as WMI has
                // its objects before the listing asks.
                port.Set_Objects("SELECT * FROM Win32_Thing", Objects(sizes[s]));
                ListModel list;
                if (trim) bench::Return_Free_Memory();
                const double seconds = bench::Seconds(
                    [&] { Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing"); });
                if (r >= 0) per_size[trim][s].push_back(seconds);
                Clear_Error();
            }
    for (int trim = 0; trim < 2; ++trim) {
        for (int s = 0; s < 3; ++s) {
            const bench::Spread spread = bench::Spread_Of(per_size[trim][s]);
            std::printf("collector, fake port, %6d rows, memory %s: %.4f s min, %.4f s median\n", sizes[s],
                        trim ? "handed back" : "kept", spread.min, spread.median);
        }
        std::vector<double> ratios;
        for (int r = 0; r < Repetitions; ++r) ratios.push_back(per_size[trim][2][r] / per_size[trim][1][r]);
        bench::Goal(trim ? "collector listing 100k / 10k rows, sizes alternated, memory handed back (linear: 10)"
                         : "collector listing 100k / 10k rows, sizes alternated, memory kept (linear: 10)",
                    bench::Spread_Of(ratios), 11.0);
    }
}

void Listing(FakeWmiPort& port, std::int32_t id) {
    const std::string wql = "SELECT * FROM Win32_Service";
    TreeNode node;
    node.key = "Win32_Service";
    node.text = "Services";
    std::size_t objects = 0, values = 0;
    // Both sides find the same table in the port, made before their turn
    // and outside it; they take turns.
    std::vector<double> ratios;
    for (int r = -1; r < 9; ++r) {
        port.Set_Objects(wql, Services(1000));
        ListModel list;
        const double program = bench::Seconds([&] { Collect_WQL_To_ListView(id, "PC7", list, node, wql); });
        port.Set_Objects(wql, Services(1000));
        std::vector<std::string> texts;
        const double bare = bench::Seconds([&] { objects = Bare_Listing(wql, texts); });
        values = texts.size();
        if (r >= 0) ratios.push_back(program / bare);
    }
    const bench::Spread ratio = bench::Spread_Of(ratios);
    std::printf("listing, fake port: %zu objects, %zu values\n", objects, values);
    bench::Goal("collector listing 1,000 services, fake port / bare Next loop + Scalar_To_Text", ratio, 1.5);
}

}  // namespace

// With "--rows N": one untimed listing of N rows only, for a profiler.
int main(int argc, char** argv) {
    test::TestStore store;
    if (!store.ok()) return 1;
    FakeWmiPort port;
    port.local_name = "PC7";
    Set_Wmi_Port(&port);
    const std::int32_t id = store.Add_Computer("PC7");
    TreeNode node;
    node.key = "Win32_Thing";
    node.text = "Things";
    if (argc == 3 && std::string(argv[1]) == "--rows") {
        port.Set_Objects("SELECT * FROM Win32_Thing", Objects(std::stoi(argv[2])));
        ListModel list;
        Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing");
        std::printf("%zu rows\n", list.Item_Count());
        return 0;
    }
    Listing(port, id);
    Growth(port, id, node);
    Set_Wmi_Port(nullptr);
    return 0;
}
