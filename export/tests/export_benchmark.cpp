// Exports 100,000 rows to each format beside one write of the very same
// bytes, alternately, and prints the ratio per format; beside it, as
// information, the writer into the null device against a memcpy of the bytes
// (the part that is built in memory).
#include <chrono>
#include <cstring>
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

// The bare limit: the very bytes the writer produced, written to a new
// file in one write of the whole buffer.
void Plain_Write(const std::string& bytes, const fs::path& to) {
    fs::remove(to);
    std::FILE* f = std::fopen(Utf8(to).c_str(), "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The null device: the writer's own work with next to nothing for the file.
const char* Null_Device() {
#ifdef _WIN32
    return "NUL";
#else
    return "/dev/null";
#endif
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
        auto export_to = [&](const std::string& file) {
            if (f.file[6] == 'c')
                ok &= writer.Export_ListView_To_CSV(list, "RTT_SCM", "Services", file, "PC1", true);
            else if (f.file[6] == 'h')
                ok &= writer.Export_To_HTML_File(list, "RTT_SCM", "Services", file, "PC1", true);
            else
                ok &= writer.Export_To_Text_File(list, "RTT_SCM", "Services", file, "PC1", 1, 2, true);
        };
        auto run = [&] {
            fs::remove(path);
            export_to(Utf8(path));
        };
        run();
        // Read and closed before the timing: Windows refuses to remove an open file.
        const std::string bytes = [&] {
            std::ifstream in(path, std::ios::binary);
            return std::string((std::istreambuf_iterator<char>(in)), {});
        }();
        const fs::path plain = dir / (std::string("plain-") + f.file);
        const auto ratio = crv::bench::Ratio(7, run, [&] { Plain_Write(bytes, plain); });
        std::string copy(bytes.size(), '\0');
        const auto in_memory = crv::bench::Ratio(
            7, [&] { export_to(Null_Device()); },
            [&] {
                std::memcpy(copy.data(), bytes.data(), bytes.size());
                volatile char sink = copy[copy.size() / 2];
                (void)sink;
            });
        std::printf("%-6s %.1f MB\n", f.name, static_cast<double>(bytes.size()) / (1024.0 * 1024.0));
        const std::string goal = std::string(f.name) + " export of 100k rows / one write of its bytes";
        crv::bench::Goal(goal.c_str(), ratio, 2.0);
        const std::string info = std::string(f.name) + " bytes built in memory (into the null device) / memcpy";
        crv::bench::Info(info.c_str(), in_memory);
    }
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
