// Lists a class of n objects through the fake port with the generic
// collector, at 1k, 10k and 100k rows: the time must grow linearly with the
// rows (a quadratic step shows as a ratio far above 10 between 100k and 10k).
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

}  // namespace

int main() {
    test::TestStore store;
    if (!store.ok()) return 1;
    FakeWmiPort port;
    Set_Wmi_Port(&port);
    const std::int32_t id = store.Add_Computer("PC7");
    TreeNode node;
    node.key = "Win32_Thing";
    node.text = "Things";
    const int sizes[3] = {1000, 10000, 100000};
    constexpr int Repetitions = 7;
    std::vector<double> per_size[3];
    // One untimed pass over every size first; then the sizes take turns, each
    // timed run starting from the same memory state (the fake port's table is
    // made before it, as WMI has its objects before the listing asks).
    for (int r = -1; r < Repetitions; ++r)
        for (int s = 0; s < 3; ++s) {
            port.Set_Objects("SELECT * FROM Win32_Thing", Objects(sizes[s]));
            ListModel list;
            bench::Return_Free_Memory();
            const double seconds =
                bench::Seconds([&] { Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing"); });
            if (r >= 0) per_size[s].push_back(seconds);
            Clear_Error();
        }
    for (int s = 0; s < 3; ++s) {
        const bench::Spread spread = bench::Spread_Of(per_size[s]);
        std::printf("collector, fake port, %6d rows: %.4f s min, %.4f s median\n", sizes[s], spread.min,
                    spread.median);
    }
    std::vector<double> ratios;
    for (int r = 0; r < Repetitions; ++r) ratios.push_back(per_size[2][r] / per_size[1][r]);
    bench::Goal("collector listing 100k rows / 10k rows (linear: 10)", bench::Spread_Of(ratios), 12.0);
    Set_Wmi_Port(nullptr);
    return 0;
}
