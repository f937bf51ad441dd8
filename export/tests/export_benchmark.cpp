// Exports 100,000 rows to each format beside a plain buffered write of the
// very same bytes, alternately, and prints the ratio per format.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "export/export.h"
#include "export/tests/test_encoder.h"
#include "tools/bench/bench_support.h"

namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& p) {
    auto s = p.u8string();
    return std::string(s.begin(), s.end());
}

// The bare limit: the very bytes the writer produced, written line by line
// through the C library's buffer, as a simple writer would.
void Plain_Write(const std::string& bytes, const fs::path& to) {
    fs::remove(to);
    std::FILE* f = std::fopen(Utf8(to).c_str(), "ab");
    if (!f) return;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t e = bytes.find('\n', at);
        e = e == std::string::npos ? bytes.size() : e + 1;
        std::fwrite(bytes.data() + at, 1, e - at, f);
        at = e;
    }
    std::fclose(f);
}

}  // namespace

int main() {
    constexpr int rows = 100000;
    crv::ListModel list;
    const char* captions[] = {"Display Name", "Service Name", "State", "Start Mode", "Start Name",
                              "Service Type", "Description"};
    for (const char* c : captions) list.Add_Column(c, c, 2000);
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i);
        crv::ListItem* item = list.Add_Item(std::string("S").append(n), std::string("Service number ").append(n));
        item->Set_Sub_Item(1, std::string("svc").append(n));
        item->Set_Sub_Item(2, i % 3 ? "Running" : "Stopped");
        item->Set_Sub_Item(3, "Auto");
        item->Set_Sub_Item(4, "LocalSystem");
        item->Set_Sub_Item(5, "Own Process");
        item->Set_Sub_Item(6, std::string("Keeps the caf\xC3\xA9 \"open\", <always> & more for row ").append(n));
        item->bold = i % 10 == 0;
    }
    const fs::path dir = fs::temp_directory_path() / "crv-export-benchmark";
    fs::create_directories(dir);
    crv::clsExport writer(crv::test::Platform_Encoder());

    struct Format {
        const char* name;
        const char* file;
    } formats[] = {{"CSV", "bench.csv"}, {"HTML", "bench.html"}, {"text", "bench.txt"}};
    bool ok = true;
    for (const Format& f : formats) {
        const fs::path path = dir / f.file;
        auto run = [&] {
            fs::remove(path);
            if (f.file[6] == 'c')
                ok &= writer.Export_ListView_To_CSV(list, "RTT_SCM", "Services", Utf8(path), "PC1", true);
            else if (f.file[6] == 'h')
                ok &= writer.Export_To_HTML_File(list, "RTT_SCM", "Services", Utf8(path), "PC1", true);
            else
                ok &= writer.Export_To_Text_File(list, "RTT_SCM", "Services", Utf8(path), "PC1", 1, 2, true);
        };
        run();
        // Read and closed before the timing: Windows refuses to remove an open file.
        const std::string bytes = [&] {
            std::ifstream in(path, std::ios::binary);
            return std::string((std::istreambuf_iterator<char>(in)), {});
        }();
        const fs::path plain = dir / (std::string("plain-") + f.file);
        const auto ratio = crv::bench::Ratio(5, run, [&] { Plain_Write(bytes, plain); });
        std::printf("%-6s %.1f MB\n", f.name, static_cast<double>(bytes.size()) / (1024.0 * 1024.0));
        const std::string goal = std::string(f.name) + " export of 100k rows / plain write of its bytes";
        crv::bench::Goal(goal.c_str(), ratio, 1.5);
    }
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
