#include "export/export.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "core/error.h"
#include "export/tests/test_encoder.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& p) {
    auto s = p.u8string();
    return std::string(s.begin(), s.end());
}

std::string Read_File(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A file's text after the UTF-8 mark a new export file starts with.
std::string Body(const fs::path& p) {
    std::string bytes = Read_File(p);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    return bytes;
}

void Write_File(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

fs::path Golden(const std::string& name) {
    const char* root = std::getenv("CORVALIN_TEST_DATA");
    return fs::path(root ? root : ".") / "export" / "tests" / "golden" / name;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    for (std::size_t e; (e = text.find("\r\n", at)) != std::string::npos; at = e + 2)
        out.push_back(text.substr(at, e - at));
    out.push_back(text.substr(at));
    return out;
}

struct Recorder : ErrorReporter {
    std::vector<std::string> reports;
    void Report_Error(const std::string& text) override { reports.push_back(text); }
};

const Export_Date_Time Fixed_Time{2026, 12, 8, 1, 58, 46};

class Export : public ::testing::Test {
protected:
    void SetUp() override {
        Clear_Error();
        previous_ = Set_Error_Reporter(&recorder_);
        dir_ = fs::temp_directory_path() /
               ("crv-export-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        Set_Error_Reporter(previous_);
        fs::remove_all(dir_);
    }
    std::string File(const std::string& name) const { return Utf8(dir_ / name); }

    clsExport writer_{test::Platform_Encoder(), [] { return Fixed_Time; }};
    Recorder recorder_;
    ErrorReporter* previous_ = nullptr;
    fs::path dir_;
};

// A processor listing of three instances as the live listing fills it:
// bold header rows, indented property rows, an array continuation, empty
// values, blank separators; texts with commas, quotes, markup and non-ASCII.
void Fill_Processor_List(ListModel& list) {
    list.Add_Column("Name", "Name", 5000).tag = "1\x0BPC1\x0B" "5\x0BWin32_Processor\x0B" "cpu";
    list.Add_Column("Value", "Value", 12000);
    struct Row {
        const char* key;
        const char* text;
        const char* value;
        bool header;
    };
    const Row rows[] = {
        {"Win32_Processor\x0B" "1", "Processor", "1", true},
        {"Name\x0B" "1", "    Name", "Intel(R) Core(TM) i7, 8 cores", false},
        {"Manufacturer\x0B" "1", "    Manufacturer", "GenuineIntel", false},
        {"Description\x0B" "1", "    Description", "Say \"hello\"", false},
        {"AddressWidth\x0B" "1", "    Address Width", "64", false},
        {"Characteristics\x0B" "1", "    Characteristics", "Caf\xC3\xA9", false},
        {"", "    ", "Gr\xC3\xBC\xC3\x9F" "e", false},
        {"L2CacheSize\x0B" "1", "    L2 Cache Size", "", false},
        {"Space0\x0B" "1", "    ", "", false},
        {"Win32_Processor\x0B" "2", "Processor", "2", true},
        {"Name\x0B" "2", "    Name", "\xD0\x9F\xD1\x80\xD0\xBE\xD1\x86\xD0\xB5\xD1\x81\xD1\x81\xD0\xBE\xD1\x80", false},
        {"Manufacturer\x0B" "2", "    Manufacturer", "AuthenticAMD", false},
        {"Description\x0B" "2", "    Description", "<script>alert('x')</script> & more", false},
        {"AddressWidth\x0B" "2", "    Address Width", "32", false},
        {"Characteristics\x0B" "2", "    Characteristics", "a,b", false},
        {"L2CacheSize\x0B" "2", "    L2 Cache Size", "512 KB", false},
        {"Space0\x0B" "2", "    ", "", false},
        {"Win32_Processor\x0B" "3", "Processor", "3", true},
        {"Name\x0B" "3", "    Name", "A very long processor name that runs past the forty-seven character column", false},
        {"SocketDesignation\x0B" "3", "    Socket Designation", "CPU 3", false},
        {"Space0\x0B" "3", "    ", "", false},
    };
    for (const Row& r : rows) {
        ListItem* item = list.Add_Item(r.key, r.text);
        item->Set_Sub_Item(1, r.value);
        if (r.header) {
            item->bold = true;
            item->Set_Sub_Bold(1, true);
            item->icon = item->small_icon = "cpu";
        } else if (!std::string(r.key).empty() && std::string(r.key).rfind("Space0", 0) != 0) {
            item->small_icon = "Info";
            item->indent = 1;
        }
    }
}

TEST_F(Export, GoldenFilesByteForByte) {
    ListModel list;
    Fill_Processor_List(list);
    const std::string csv = File("list.csv"), html = File("list.html"), txt = File("list.txt");
    // Vertical, then turned: the second block follows the first.
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "Win32_Processor", "Processor", csv, "PC1", true));
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "Win32_Processor", "Processor", csv, "PC1", false));
    ASSERT_TRUE(writer_.Export_To_HTML_File(list, "Win32_Processor", "Processor", html, "PC1", true));
    ASSERT_TRUE(writer_.Export_To_HTML_File(list, "Win32_Processor", "Processor", html, "PC1", false));
    ASSERT_TRUE(writer_.SaveHtmlReportFooter(html));
    ASSERT_TRUE(writer_.Export_To_Text_File(list, "Win32_Processor", "Processor", txt, "PC1", 1, 2, false));
    ASSERT_TRUE(writer_.Write_ReportFooter_In_Text_File(txt, 80, true));
    EXPECT_TRUE(recorder_.reports.empty());
    for (const char* name : {"list.csv", "list.html", "list.txt"}) {
        const std::string expected = Read_File(Golden(name));
        ASSERT_FALSE(expected.empty()) << Utf8(Golden(name));
        EXPECT_EQ(Read_File(dir_ / name), expected) << name;
    }
}

TEST_F(Export, HorizontalCopyGivesOneRowPerInstance) {
    ListModel list;
    Fill_Processor_List(list);
    const std::string csv = File("h.csv");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "", csv, "", false));
    const auto lines = Lines(Body(csv));
    // Header, three rows, then the two empty lines of the block's end.
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "\"Processor\",\"    Name\",\"    Manufacturer\",\"    Description\","
                        "\"    Address Width\",\"    Characteristics\",\"    L2 Cache Size\","
                        "\"    Socket Designation\"");
    EXPECT_EQ(lines[1].rfind("\"1\",\"Intel(R) Core(TM) i7, 8 cores\",\"GenuineIntel\"", 0), 0u);
    EXPECT_NE(lines[1].find("\"Caf\xC3\xA9, Gr\xC3\xBC\xC3\x9F" "e\",\"\""), std::string::npos) << lines[1];
    EXPECT_EQ(lines[3], "\"3\",\"A very long processor name that runs past the forty-seven character column\","
                        "\"\",\"\",\"\",\"\",\"\",\"CPU 3\"");
    EXPECT_EQ(lines[4], "");
}

TEST_F(Export, AppendsAndNeverShortens) {
    const std::string path = File("a.csv");
    Write_File(dir_ / "a.csv", "EXISTING\r\n");
    ListModel list;
    list.Add_Column("c", "C", 1);
    list.Add_Item("", "one");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "T", path, "", true));
    list.Item(0).text = "two";
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "T", path, "", true));
    EXPECT_EQ(Read_File(dir_ / "a.csv"),
              "EXISTING\r\n\"T\"\r\n\"C\"\r\n\"one\"\r\n\r\n\r\n\"T\"\r\n\"C\"\r\n\"two\"\r\n\r\n\r\n");
    const std::string text = File("a.txt");
    ASSERT_TRUE(writer_.Export_To_Text_File(list, "k", "T", text, "", 0, 0, true));
    const std::string first = Read_File(dir_ / "a.txt");
    ASSERT_TRUE(writer_.Write_ReportFooter_In_Text_File(text, 80, false));
    EXPECT_EQ(Read_File(dir_ / "a.txt").substr(0, first.size()), first);
}

TEST_F(Export, FileNamesAreUtf8) {
    ListModel list;
    list.Add_Column("c", "C", 1);
    const std::string name = "caf\xC3\xA9-\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82.csv";  // café-Отчёт.csv
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "", Utf8(dir_) + "/" + name, "", true));
    EXPECT_EQ(Read_File(dir_ / fs::path(std::u8string(name.begin(), name.end()))), "\xEF\xBB\xBF\"C\"\r\n\r\n\r\n");
}

TEST_F(Export, TitlesWithAndWithoutDevice) {
    ListModel list;
    list.Add_Column("c", "C", 1);
    list.Add_Item("", "x");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "", File("e.csv"), "", true));
    EXPECT_EQ(Lines(Body(dir_ / "e.csv"))[0], "\"C\"");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "", File("d.csv"), "PC1", true));
    EXPECT_EQ(Lines(Body(dir_ / "d.csv"))[0], "\"(PC1)\"");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "Processor", File("p.csv"), "PC1", true));
    EXPECT_EQ(Lines(Body(dir_ / "p.csv"))[0], "\"Processor(PC1)\"");

    ASSERT_TRUE(writer_.Export_To_HTML_File(list, "", "", File("e.html"), "", true));
    EXPECT_NE(Read_File(dir_ / "e.html").find("font-size:12pt;><b> ()</b></td></tr>"), std::string::npos);
    ASSERT_TRUE(writer_.Export_To_HTML_File(list, "", "Processor", File("p.html"), "PC1", true));
    EXPECT_NE(Read_File(dir_ / "p.html").find("<b>Processor (PC1)</b>"), std::string::npos);

    ASSERT_TRUE(writer_.Export_To_Text_File(list, "k", "", File("e.txt"), "", 1, 2, true));
    EXPECT_EQ(Lines(Body(dir_ / "e.txt"))[2], " ()");
    ASSERT_TRUE(writer_.Export_To_Text_File(list, "k", "Processor", File("p.txt"), "PC1", 1, 2, true));
    EXPECT_EQ(Lines(Body(dir_ / "p.txt"))[2], "Processor (PC1)");
}

TEST_F(Export, QuotesAndMarkupInCaptionsAndCells) {
    ListModel list;
    list.Add_Column("a", "Say \"A\"", 1);
    list.Add_Column("b", "<B> & \"C\"", 1);
    list.Add_Item("", "q\"q")->Set_Sub_Item(1, "line1\r\nline2, \"x\"");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "", File("q.csv"), "", true));
    EXPECT_EQ(Body(dir_ / "q.csv"),
              "\"Say \"\"A\"\"\",\"<B> & \"\"C\"\"\"\r\n\"q\"\"q\",\"line1\r\nline2, \"\"x\"\"\"\r\n\r\n\r\n");
    ASSERT_TRUE(writer_.Export_To_HTML_File(list, "", "T&<x>", File("q.html"), "\"D\"", true));
    const std::string html = Read_File(dir_ / "q.html");
    EXPECT_NE(html.find("<b>T&amp;&lt;x&gt; (&quot;D&quot;)</b>"), std::string::npos);
    EXPECT_NE(html.find("<b>Say &quot;A&quot;</b></td><td bgcolor=\"#9999FF\"><b>&lt;B&gt; &amp; &quot;C&quot;</b>"),
              std::string::npos);
    EXPECT_NE(html.find("<td>q&quot;q</td><td>line1\r\nline2, &quot;x&quot;</td>"), std::string::npos);
    EXPECT_EQ(html.find("<B>"), std::string::npos);
    ASSERT_TRUE(writer_.Export_To_Text_File(list, "k", "T", File("q.txt"), "", 0, 1, true));
    EXPECT_NE(Read_File(dir_ / "q.txt").find("Say \"A\"" + std::string(24, ' ') + "<B> & \"C\""), std::string::npos);
}

TEST_F(Export, TextFixedWidths) {
    ListModel list;
    list.Add_Column("a", "Name", 1);
    list.Add_Column("b", "Value", 1);
    list.Add_Column("c", "Extra", 1);
    const std::string w31 = "abcdefghijklmnopqrstuvwxyz01234";  // 31 characters
    list.Add_Item("", w31)->Set_Sub_Item(1, " padded ");
    list.Add_Item("", "  " + w31.substr(0, 29) + "  ");  // trimmed to 29, one blank added
    list.Add_Item("", "\xC3\xA9" + w31.substr(1))->Set_Sub_Item(2, "third");  // 31 characters, é first
    ASSERT_TRUE(writer_.Export_To_Text_File(list, "Win32_Foo", "T", File("w.txt"), "", 1, 2, true));
    const auto lines = Lines(Body(dir_ / "w.txt"));
    ASSERT_GE(lines.size(), 9u);
    // Header: margin, 30 + gap + 47 + gap + 30 (a column beyond the key's widths).
    EXPECT_EQ(lines[4], " " + std::string("Name") + std::string(26, ' ') + "  " + "Value" +
                            std::string(42, ' ') + "  " + "Extra" + std::string(25, ' '));
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], " " + w31.substr(0, 27) + "..." + "  " + " padded " + std::string(39, ' '));
    EXPECT_EQ(lines[7], " " + w31.substr(0, 29) + " ");
    EXPECT_EQ(lines[8], " \xC3\xA9" + w31.substr(1, 26) + "..." + "  " + std::string(47, ' ') + "  " + "third" +
                            std::string(25, ' '));

    // Widths by key.
    ListModel procs;
    for (int i = 0; i < 11; ++i) procs.Add_Column("", "", 1);
    ListItem* p = procs.Add_Item("", "explorer.exe");
    p->Set_Sub_Item(1, "1234567");
    p->Set_Sub_Item(10, "C:\\Windows\\explorer.exe");
    ASSERT_TRUE(writer_.Export_To_Text_File(procs, "RTT_RemoteTaskManager", "P", File("p.txt"), "", 0, 1, true));
    const auto pl = Lines(Body(dir_ / "p.txt"));
    EXPECT_EQ(pl[4].size(), 15u + 5 + 7 + 15 + 12 + 7 + 7 + 10 + 10 + 20 + 150 + 10);
    EXPECT_EQ(pl[6].substr(0, 24), "explorer.exe    12...   ");
    ListModel report;
    for (int i = 0; i < 4; ++i) report.Add_Column("", "c", 1);
    ASSERT_TRUE(writer_.Export_To_Text_File(report, "Tabu_3", "R", File("r.txt"), "", 0, 0, true));
    EXPECT_EQ(Lines(Body(dir_ / "r.txt"))[4].size(), 200u);
    ASSERT_TRUE(writer_.Export_To_Text_File(report, "RTT_SCM", "R", File("s.txt"), "", 0, 0, true));
    EXPECT_EQ(Lines(Body(dir_ / "s.txt"))[4].size(), 35u + 15 + 10 + 10);
}

TEST_F(Export, TextWithoutKeyWritesNothing) {
    ListModel list;
    list.Add_Column("a", "A", 1);
    list.Add_Item("", "x");
    Write_File(dir_ / "old.txt", "keep");
    EXPECT_FALSE(writer_.Export_To_Text_File(list, "", "", File("old.txt"), "", 1, 2, false));
    EXPECT_EQ(Read_File(dir_ / "old.txt"), "keep");
    EXPECT_FALSE(writer_.Export_To_Text_File(list, "", "", File("new.txt"), "", 1, 2, false));
    EXPECT_TRUE(fs::exists(dir_ / "new.txt"));
    EXPECT_EQ(fs::file_size(dir_ / "new.txt"), 0u);
    EXPECT_TRUE(recorder_.reports.empty());
}

TEST_F(Export, RowWithoutSubItems) {
    ListModel list;
    list.Add_Column("a", "A", 1);
    list.Add_Column("b", "B", 1);
    list.Add_Column("c", "C", 1);
    list.Add_Item("", "alone");
    list.Add_Item("", "  ")->bold = true;
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "", File("s.csv"), "", true));
    EXPECT_EQ(Lines(Body(dir_ / "s.csv"))[1], "\"alone\"");
    ASSERT_TRUE(writer_.Export_To_HTML_File(list, "", "", File("s.html"), "", true));
    const std::string html = Read_File(dir_ / "s.html");
    EXPECT_NE(html.find("\r\n<tr>\r\n<td>alone</td><td>&nbsp;</td><td>&nbsp;</td>\r\n</tr>"), std::string::npos);
    EXPECT_NE(html.find("<td bgcolor=\"#EEEEEE\"><b>&nbsp;</b></td><td bgcolor=\"#EEEEEE\"><b>&nbsp;</b></td>"),
              std::string::npos);
    ASSERT_TRUE(writer_.Export_To_Text_File(list, "Tabu_1", "", File("s.txt"), "", 1, 2, true));
    EXPECT_EQ(Lines(Body(dir_ / "s.txt"))[6], " alone" + std::string(45, ' '));
}

TEST_F(Export, HtmlHeaderShareAndCreatedRow) {
    struct Case {
        int columns;
        const char* share;
        int fillers;
    };
    for (const Case c : {Case{1, "50", 0}, Case{2, "25", 0}, Case{3, "16.6666666666667", 1},
                         Case{4, "12.5", 2}, Case{6, "8.33333333333333", 4}}) {
        ListModel list;
        for (int i = 0; i < c.columns; ++i) list.Add_Column("", "c", 1);
        const std::string path = File("w" + std::to_string(c.columns) + ".html");
        ASSERT_TRUE(writer_.Export_To_HTML_File(list, "", "", path, "", true));
        const std::string html = Read_File(path);
        EXPECT_NE(html.find("<td width=\"" + std::string(c.share) + "%\" bgcolor=\"#9999FF\"><b>c</b></td>"),
                  std::string::npos) << c.columns;
        std::string created = "\r\n<tr><td>Created @</td><td>12/8/2026 1:58:46 AM</td>";
        for (int i = 0; i < c.fillers; ++i) created += "\r\n<td>&nbsp;</td>";
        created += "</tr>\r\n</table>\r\n\r\n</div>";
        EXPECT_EQ(html.substr(html.size() - created.size()), created) << c.columns;
    }
}

TEST_F(Export, TextFooterLines) {
    const std::string path = File("f.txt");
    ASSERT_TRUE(writer_.Write_ReportFooter_In_Text_File(path, 80, false));
    auto lines = Lines(Body(dir_ / "f.txt"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1].size(), 81u);  // 80 characters; © is two bytes in UTF-8
    EXPECT_EQ(lines[1].rfind("--[", 0), 0u);
    EXPECT_NE(lines[1].find("Veltrane"), std::string::npos);
    EXPECT_NE(lines[1].find("https://www.veltrane.com/]-"), std::string::npos);
    EXPECT_EQ(lines[2], "");

    ASSERT_TRUE(writer_.Write_ReportFooter_In_Text_File(File("t.txt"), 80, true));
    lines = Lines(Body(dir_ / "t.txt"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "--[Report Taken @ 12/8/2026 1:58:46 AM]" + std::string(41, '-'));
    EXPECT_EQ(lines[2].size(), 81u);

    // A line length too short for its text writes nothing at all.
    const std::size_t credit = Text_Footer_Credit().size() - 1;  // © is two bytes in UTF-8
    EXPECT_FALSE(writer_.Write_ReportFooter_In_Text_File(File("short.txt"), static_cast<std::int32_t>(credit + 1), true));
    EXPECT_FALSE(fs::exists(dir_ / "short.txt"));
    ASSERT_TRUE(writer_.Write_ReportFooter_In_Text_File(File("exact.txt"), static_cast<std::int32_t>(credit + 2), false));
    EXPECT_EQ(Lines(Body(dir_ / "exact.txt"))[1].size(), credit + 3);
    EXPECT_TRUE(recorder_.reports.empty());
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(Export, FailuresAreReportedAndNothingIsWritten) {
    ListModel list;
    list.Add_Column("a", "A", 1);
    list.Add_Item("", "x");
    const std::string missing = Utf8(dir_ / "no-such-folder" / "x.csv");
    EXPECT_FALSE(writer_.Export_ListView_To_CSV(list, "", "", missing, "", true));
    EXPECT_FALSE(writer_.Export_To_HTML_File(list, "", "", missing, "", true));
    EXPECT_FALSE(writer_.Export_To_Text_File(list, "k", "", missing, "", 1, 2, true));
    ASSERT_EQ(recorder_.reports.size(), 3u);
    EXPECT_EQ(recorder_.reports[0].rfind("75: ", 0), 0u) << recorder_.reports[0];
    EXPECT_TRUE(Pending_Error().empty());  // shown and cleared
    // The footers stay silent.
    EXPECT_FALSE(writer_.SaveHtmlReportFooter(missing));
    EXPECT_FALSE(writer_.Write_ReportFooter_In_Text_File(missing, 80, true));
    EXPECT_EQ(recorder_.reports.size(), 3u);
    EXPECT_TRUE(Pending_Error().empty());

    // A name/value list that cannot be turned: reported, no file made.
    ListModel bad;
    bad.Add_Column("Name", "Name", 1);
    bad.Add_Column("Value", "Value", 1);
    bad.Add_Item("", "")->Set_Sub_Item(1, "continuation first");
    EXPECT_FALSE(writer_.Export_ListView_To_CSV(bad, "", "", File("bad.csv"), "", false));
    EXPECT_FALSE(writer_.Export_To_HTML_File(bad, "", "", File("bad.html"), "", false));
    EXPECT_EQ(recorder_.reports.size(), 5u);
    EXPECT_FALSE(fs::exists(dir_ / "bad.csv"));
    EXPECT_FALSE(fs::exists(dir_ / "bad.html"));

    // HTML of a list without columns, and negative spacing for text.
    ListModel none;
    none.Add_Item("", "icon row");
    EXPECT_FALSE(writer_.Export_To_HTML_File(none, "", "", File("none.html"), "", true));
    EXPECT_FALSE(fs::exists(dir_ / "none.html"));
    EXPECT_FALSE(writer_.Export_To_Text_File(list, "k", "", File("neg.txt"), "", -1, 2, true));
    EXPECT_EQ(recorder_.reports.size(), 7u);
    // CSV of the same column-less list still writes its rows.
    EXPECT_TRUE(writer_.Export_ListView_To_CSV(none, "", "", File("none.csv"), "", true));
    EXPECT_EQ(Body(dir_ / "none.csv"), "\r\n\"icon row\"\r\n\r\n\r\n");
}

// A write that fails partway through a large export, one chunk among
// several (the disk is full), fails the export with one box, and each
// writer stops there.
TEST_F(Export, AWriteThatFailsPartwayFailsTheExportOnce) {
#ifdef _WIN32
    GTEST_SKIP() << "needs a device that refuses every write";
#else
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ListModel list;
    list.Add_Column("a", "A", 1);
    list.Add_Column("b", "B", 1);
    for (int i = 0; i < 40000; ++i)
        list.Add_Item("", "row " + std::to_string(i))->Set_Sub_Item(1, std::string(40, 'v'));
    EXPECT_FALSE(writer_.Export_ListView_To_CSV(list, "", "", "/dev/full", "", true));
    EXPECT_FALSE(writer_.Export_To_HTML_File(list, "", "", "/dev/full", "", true));
    EXPECT_FALSE(writer_.Export_To_Text_File(list, "Tabu_x", "", "/dev/full", "", 1, 2, true));
    ASSERT_EQ(recorder_.reports.size(), 3u);
    for (const std::string& report : recorder_.reports) EXPECT_EQ(report.rfind("57: ", 0), 0u) << report;
    EXPECT_TRUE(Pending_Error().empty());
#endif
}

TEST_F(Export, EncoderReplacesWhatTheCodePageLacks) {
    if (!test::Platform_Code_Page_Is_1252()) GTEST_SKIP() << "checks Windows-1252 bytes";
    Ansi_Encoder enc = test::Platform_Encoder();
    std::string out = "kept:";
    ASSERT_TRUE(enc("\xC3\xA9\xC3\xBC\xC3\x9F\xE2\x82\xAC\xC2\xA9 \xD0\x9F\xD0\x9A end", out));
    EXPECT_EQ(out, "kept:\xE9\xFC\xDF\x80\xA9 ?? end");
    out.clear();
    ASSERT_TRUE(enc("a\xE4\xB8\xAD" "b\xF0\x9F\x98\x80" "c", out));  // 中, 😀
    EXPECT_EQ(out.substr(0, 3), "a?b");
    EXPECT_EQ(out.back(), 'c');
    out.clear();
    ASSERT_TRUE(enc("", out));
    EXPECT_EQ(out, "");
}

TEST_F(Export, NewFilesAreUtf8WithMarkAndOldFilesKeepTheirEncoding) {
    const std::string cyrillic = "\xD0\xA1\xD0\xBB\xD1\x83\xD0\xB6\xD0\xB1\xD0\xB0-\xD0\x9F\xD0\x9A";  // Служба-ПК
    ListModel list;
    list.Add_Column("a", "Name", 1);
    list.Add_Column("b", "Value", 1);
    list.Add_Item("", cyrillic)->Set_Sub_Item(1, "Zo\xC3\xAB \xC2\xA9");
    for (const char* name : {"n.csv", "n.html", "n.txt"}) {
        const std::string path = File(name);
        const std::string ext = fs::path(name).extension().string();
        const bool wrote = ext == ".csv"    ? writer_.Export_ListView_To_CSV(list, "k", "T", path, "PC", true)
                           : ext == ".html" ? writer_.Export_To_HTML_File(list, "k", "T", path, "PC", true)
                                            : writer_.Export_To_Text_File(list, "k", "T", path, "PC", 1, 2, true);
        ASSERT_TRUE(wrote) << name;
        const std::string first = Read_File(path);
        EXPECT_EQ(first.rfind("\xEF\xBB\xBF", 0), 0u) << name;
        EXPECT_NE(first.find(cyrillic), std::string::npos) << name;
        EXPECT_NE(first.find("Zo\xC3\xAB \xC2\xA9"), std::string::npos) << name;
        // A second block goes on in UTF-8, with no second mark.
        const bool again = ext == ".csv"    ? writer_.Export_ListView_To_CSV(list, "k", "T", path, "PC", true)
                           : ext == ".html" ? writer_.SaveHtmlReportFooter(path)
                                            : writer_.Write_ReportFooter_In_Text_File(path, 80, false);
        ASSERT_TRUE(again) << name;
        const std::string both = Read_File(path);
        EXPECT_EQ(both.substr(0, first.size()), first);
        EXPECT_EQ(both.find("\xEF\xBB\xBF", 3), std::string::npos) << name;
        EXPECT_EQ(both.find('?'), std::string::npos) << name;
    }
    const std::string html = Read_File(dir_ / "n.html");
    EXPECT_EQ(html.rfind("\xEF\xBB\xBF<meta charset=\"utf-8\">\r\n<b>", 0), 0u);
    EXPECT_EQ(html.find("<meta", 10), std::string::npos);
    EXPECT_NE(html.find("Copyright \xC2\xA9 Veltrane"), std::string::npos);
    // A footer that starts a file declares the charset too.
    ASSERT_TRUE(writer_.SaveHtmlReportFooter(File("f.html")));
    EXPECT_EQ(Read_File(dir_ / "f.html").rfind("\xEF\xBB\xBF<meta charset=\"utf-8\">", 0), 0u);
    // An empty file (a text export without key leaves one) is started afresh.
    Write_File(dir_ / "empty.csv", "");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "", File("empty.csv"), "", true));
    EXPECT_EQ(Read_File(dir_ / "empty.csv").rfind("\xEF\xBB\xBF\"Name\"", 0), 0u);
    // Ill-formed input never makes the file ill-formed.
    ListModel bad;
    bad.Add_Column("a", "A", 1);
    bad.Add_Item("", "x\xFF\xE2\x82y");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(bad, "", "", File("bad.csv"), "", true));
    EXPECT_EQ(Body(dir_ / "bad.csv"), "\"A\"\r\n\"x??y\"\r\n\r\n\r\n");
}

TEST_F(Export, AnOlderFileWithoutTheMarkGoesOnInTheCodePage) {
    if (!test::Platform_Code_Page_Is_1252()) GTEST_SKIP() << "checks Windows-1252 bytes";
    ListModel list;
    list.Add_Column("a", "Caf\xC3\xA9", 1);
    list.Add_Item("", "\xC2\xA9 \xD0\x9F");
    Write_File(dir_ / "old.csv", "\"Old \xE9\"\r\n");
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", "", File("old.csv"), "", true));
    EXPECT_EQ(Read_File(dir_ / "old.csv"), "\"Old \xE9\"\r\n\"Caf\xE9\"\r\n\"\xA9 ?\"\r\n\r\n\r\n");
    Write_File(dir_ / "old.html", "<table></table>");
    ASSERT_TRUE(writer_.SaveHtmlReportFooter(File("old.html")));
    const std::string html = Read_File(dir_ / "old.html");
    EXPECT_EQ(html.find("<meta"), std::string::npos);
    EXPECT_NE(html.find("Copyright \xA9 Veltrane"), std::string::npos);
}

TEST_F(Export, NulBytesAreDroppedByEveryWriter) {
    ListModel list;
    list.Add_Column("a", std::string("Na\0me", 6), 1);
    list.Add_Column("b", "Value", 1);
    const std::string nuls("v\0a\0l\0u\0e\0 \0i\0s\0", 16);  // eight NULs
    list.Add_Item("", std::string("\0row", 4))->Set_Sub_Item(1, nuls);
    ASSERT_TRUE(writer_.Export_ListView_To_CSV(list, "", std::string("T\0", 2), File("n.csv"), "", true));
    ASSERT_TRUE(writer_.Export_To_HTML_File(list, "", "T", File("n.html"), std::string("P\0C", 3), true));
    ASSERT_TRUE(writer_.Export_To_Text_File(list, "k", "T", File("n.txt"), std::string("P\0C", 3), 1, 2, true));
    for (const char* name : {"n.csv", "n.html", "n.txt"}) {
        const std::string bytes = Read_File(dir_ / name);
        EXPECT_EQ(bytes.find('\0'), std::string::npos) << name;
        EXPECT_NE(bytes.find("value is"), std::string::npos) << name;
        EXPECT_NE(bytes.find("Name"), std::string::npos) << name;
    }
    EXPECT_EQ(Body(dir_ / "n.csv"), "\"T\"\r\n\"Name\",\"Value\"\r\n\"row\",\"value is\"\r\n\r\n\r\n");
    EXPECT_NE(Read_File(dir_ / "n.html").find("<td>row</td><td>value is</td>"), std::string::npos);
    // The text table counts what is written: the cells keep their widths.
    EXPECT_NE(Read_File(dir_ / "n.txt").find(" row" + std::string(27, ' ') + "  value is" + std::string(39, ' ')),
              std::string::npos);
}

TEST_F(Export, TextCellsKeepTheTableShape) {
    ListModel list;
    list.Add_Column("a", "Name", 1);
    list.Add_Column("b", "Line\r\nbreak", 1);
    for (int i = 0; i < 60; ++i) {
        ListItem* row = list.Add_Item("", "row\n" + std::to_string(i));
        row->Set_Sub_Item(1, i % 3 == 0 ? "first\r\nsecond\rthird\nfourth" : "x\xFF\xE2\x82y");
    }
    ASSERT_TRUE(writer_.Export_To_Text_File(list, "k", "T\r\n", File("t.txt"), "PC\n1", 1, 2, true));
    const auto lines = Lines(Body(dir_ / "t.txt"));
    // Leading empty line, rule, title, rule, header, empty line, 60 rows, then the block's end.
    ASSERT_EQ(lines.size(), 6u + 60u + 3u);
    EXPECT_EQ(lines[2], "T  (PC 1)");
    EXPECT_EQ(lines[4], " Name" + std::string(26, ' ') + "  Line break" + std::string(37, ' '));
    EXPECT_EQ(lines[6], " row 0" + std::string(25, ' ') + "  first second third fourth" + std::string(22, ' '));
    // One "?" per broken sequence, and the width counts it once.
    EXPECT_EQ(lines[7], " row 1" + std::string(25, ' ') + "  x??y" + std::string(43, ' '));
    for (std::size_t i = 6; i < 66; ++i) EXPECT_EQ(lines[i].size(), 1u + 30 + 2 + 47) << i;
}

TEST(ExportDates, GeneralDateText) {
    EXPECT_EQ(General_Date_Text({2026, 12, 8, 1, 58, 46}), "12/8/2026 1:58:46 AM");
    EXPECT_EQ(General_Date_Text({2026, 1, 31, 13, 5, 9}), "1/31/2026 1:05:09 PM");
    EXPECT_EQ(General_Date_Text({2026, 7, 4, 0, 0, 0}), "7/4/2026 12:00:00 AM");
    EXPECT_EQ(General_Date_Text({2026, 7, 4, 12, 0, 0}), "7/4/2026 12:00:00 PM");
    EXPECT_EQ(General_Date_Text({2026, 7, 4, 23, 59, 59}), "7/4/2026 11:59:59 PM");
}

#ifndef _WIN32
TEST(ExportEncoder, InvalidUtf8BecomesReplacement) {
    Ansi_Encoder enc = Cp1252_Encoder();
    std::string out;
    ASSERT_TRUE(enc("a\xFF" "b\xC3", out));  // a stray byte, a cut-off sequence at the end
    EXPECT_EQ(out, "a?b?");
    out.clear();
    ASSERT_TRUE(enc("\xE2\x82" "x", out));  // a broken sequence keeps the next character
    EXPECT_EQ(out.back(), 'x');
}
#endif

}  // namespace
}  // namespace crv
