// One large listing through every stage that holds or writes it: the list
// the collector fills from the fake port, the scan save and its read-back,
// and the three writers. Each stage is checked row for row against the
// listing, so a chunk seam, a cut cell or a lost row shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/error.h"
#include "export/export.h"
#include "export/tests/test_encoder.h"
#include "store/scans.h"
#include "ui/model/list_layouts.h"
#include "wmi/collectors.h"
#include "wmi/fake_wmi.h"
#include "wmi/tests/wmi_test_support.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t e; (e = text.find("\r\n", at)) != std::string::npos; at = e + 2) lines.push_back(text.substr(at, e - at));
    lines.push_back(text.substr(at));
    return lines;
}

std::string Csv(const std::string& s) {
    std::string out = "\"";
    for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Html(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// Exactly w characters (the values here are ASCII or two-byte letters).
std::string Fixed(std::string s, std::size_t w) {
    std::size_t chars = 0;
    for (unsigned char b : s) chars += (b & 0xC0) != 0x80;
    if (chars > w) return "<too long>";
    return s + std::string(w - chars, ' ');
}

std::string Trimmed(const std::string& s) {
    auto b = s.find_first_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

class LargeListing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.ok());
        previous = Set_Wmi_Port(&port);
        Set_Error_Reporter(&reporter);
        folder = fs::temp_directory_path() /
                 ("crv_large_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        Set_Wmi_Port(previous);
        Set_Error_Reporter(nullptr);
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    test::TestStore store;
    FakeWmiPort port;
    WmiPort* previous = nullptr;
    test::RecordingReporter reporter;
    fs::path folder;
};

TEST_F(LargeListing, EveryStageKeepsEveryRow) {
    constexpr int Objects = 4000;  // eight rows each
    std::vector<WmiInstance> objects;
    for (int i = 0; i < Objects; ++i)
        objects.push_back(WmiInstance{
            "p" + std::to_string(i), "Win32_Thing",
            {Wmi_Text("Caption", "O'Brien \"" + std::to_string(i) + "\", <b>&co</b>"),
             Wmi_Text("Name", "Zo\xC3\xAB-" + std::to_string(i)), Wmi_Text("Size", std::to_string(i * 7)),
             Wmi_Text("Status", i % 2 ? "OK" : "Degraded"), Wmi_Uint32("Count", i), Wmi_Text("Model", "m,odel")}});
    port.Set_Objects("SELECT * FROM Win32_Thing", std::move(objects));
    const std::int32_t id = store.Add_Computer("PC7");
    TreeNode node;
    node.key = "Win32_Thing";
    node.text = "Things";
    node.image = "Info";
    ListModel list;
    list.Add_Column("Property", "Property", 2000);
    list.Add_Column("Value", "Value", 4000);
    Collect_WQL_To_ListView(id, "PC7", list, node, "SELECT * FROM Win32_Thing");
    ASSERT_EQ(list.Item_Count(), static_cast<std::size_t>(Objects) * 8);

    // The scan and its read-back.
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 5, 6}, id, 77, list));
    SqlResult back;
    ASSERT_TRUE(Get_Scan_Details(StoreDate{2024, 5, 6}, id, 77, back));
    ASSERT_EQ(back.Data_Row_Count(), list.Item_Count());
    for (std::size_t r = 0; r < list.Item_Count(); ++r) {
        const ListItem& item = list.Item(r);
        ASSERT_EQ(back.Text(r + 1, 0), Trimmed(item.text)) << r;
        ASSERT_EQ(back.Text(r + 1, 1), item.Sub_Item(1)) << r;
        ASSERT_EQ(back.Text(r + 1, 2), item.small_icon) << r;
        ASSERT_EQ(back.Flag(r + 1, 3), item.bold) << r;
    }

    clsExport writer(test::Platform_Encoder(), [] { return Export_Date_Time{2024, 5, 6, 13, 4, 5}; });
    const std::string bom = "\xEF\xBB\xBF";

    const fs::path csv = folder / "large.csv";
    ASSERT_TRUE(writer.Export_ListView_To_CSV(list, "Win32_Thing", "Things", csv.string(), "PC7", true));
    auto lines = Lines(Read(csv));
    ASSERT_EQ(lines.size(), list.Item_Count() + 5);  // title, captions, rows, two blank lines, end
    EXPECT_EQ(lines[0], bom + Csv("Things(PC7)"));
    EXPECT_EQ(lines[1], Csv("Property") + "," + Csv("Value"));
    for (std::size_t r = 0; r < list.Item_Count(); ++r) {
        const ListItem& item = list.Item(r);
        std::string expected = Csv(item.text);
        if (!item.sub_items.empty()) expected += "," + Csv(item.Sub_Item(1));
        ASSERT_EQ(lines[r + 2], expected) << r;
    }

    const fs::path html = folder / "large.html";
    ASSERT_TRUE(writer.Export_To_HTML_File(list, "Win32_Thing", "Things", html.string(), "PC7", true));
    const std::string page = Read(html);
    ASSERT_EQ(page.rfind(bom + "<meta charset=\"utf-8\">", 0), 0u);
    std::size_t at = page.find("</b></td>\r\n</tr>\r\n");  // end of the caption row
    ASSERT_NE(at, std::string::npos);
    for (std::size_t r = 0; r < list.Item_Count(); ++r) {
        const ListItem& item = list.Item(r);
        const std::string open = item.bold ? "<td bgcolor=\"#EEEEEE\"><b>" : "<td>";
        const std::string close = item.bold ? "</b></td>" : "</td>";
        const std::string name = Trimmed(item.text).empty() ? "&nbsp;" : Html(item.text);
        const std::string value = item.Sub_Item(1).empty() ? "&nbsp;" : Html(item.Sub_Item(1));
        const std::string row = "\r\n<tr>\r\n" + open + name + close + open + value + close + "\r\n</tr>";
        at = page.find("\r\n<tr>", at);
        ASSERT_EQ(page.compare(at, row.size(), row), 0) << r;
        at += row.size();
    }
    EXPECT_EQ(page.compare(at, 33, "\r\n<tr><td>Created @</td><td>5/6/2"), 0);

    const fs::path text = folder / "large.txt";
    ASSERT_TRUE(writer.Export_To_Text_File(list, "Win32_Thing", "Things", text.string(), "PC7", 1, 2, true));
    lines = Lines(Read(text));
    ASSERT_EQ(lines.size(), list.Item_Count() + 9);
    EXPECT_EQ(lines[2], "Things (PC7)");
    for (std::size_t r = 0; r < list.Item_Count(); ++r) {
        const ListItem& item = list.Item(r);
        std::string expected = " " + Fixed(Trimmed(item.text), 30);
        if (!item.sub_items.empty()) expected += "  " + Fixed(item.Sub_Item(1), 47);
        ASSERT_EQ(lines[r + 6], expected) << r;
    }
    EXPECT_TRUE(reporter.shown.empty());
}

}  // namespace
}  // namespace crv
