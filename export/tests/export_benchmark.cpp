// Exports 100,000 rows to each format and sets the rate beside a plain
// buffered write of the very same bytes.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "export/export.h"
#include "export/tests/test_encoder.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds_Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string Utf8(const fs::path& p) {
    auto s = p.u8string();
    return std::string(s.begin(), s.end());
}

double Plain_Write(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    fs::remove(to);
    const auto start = Clock::now();
    std::FILE* f = std::fopen(Utf8(to).c_str(), "ab");
    if (!f) return 0;
    // Line by line through the C library's buffer, as a simple writer would.
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t e = bytes.find('\n', at);
        e = e == std::string::npos ? bytes.size() : e + 1;
        std::fwrite(bytes.data() + at, 1, e - at, f);
        at = e;
    }
    std::fclose(f);
    return Seconds_Since(start);
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
    std::printf("%-6s %10s %12s %12s %14s\n", "format", "MB", "export MB/s", "plain MB/s", "export/plain");
    for (const Format& f : formats) {
        const fs::path path = dir / f.file;
        fs::remove(path);
        const auto start = Clock::now();
        bool ok = false;
        if (f.file[6] == 'c')
            ok = writer.Export_ListView_To_CSV(list, "RTT_SCM", "Services", Utf8(path), "PC1", true);
        else if (f.file[6] == 'h')
            ok = writer.Export_To_HTML_File(list, "RTT_SCM", "Services", Utf8(path), "PC1", true);
        else
            ok = writer.Export_To_Text_File(list, "RTT_SCM", "Services", Utf8(path), "PC1", 1, 2, true);
        const double export_s = Seconds_Since(start);
        if (!ok) {
            std::printf("%-6s export failed\n", f.name);
            return 1;
        }
        const double mb = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);
        const double plain_s = Plain_Write(path, dir / (std::string("plain-") + f.file));
        std::printf("%-6s %10.2f %12.1f %12.1f %14.2f\n", f.name, mb, mb / export_s, mb / plain_s,
                    export_s / plain_s);
    }
    fs::remove_all(dir);
    return 0;
}
