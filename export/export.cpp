#include "export/export.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string_view>

#include "core/error.h"
#include "core/maker.h"
#include "core/utf.h"
#include "ui/model/list_helpers.h"

namespace crv {
namespace {

constexpr std::string_view CRLF = "\r\n";
constexpr std::string_view Html_Charset_Head = "<meta charset=\"utf-8\">";

constexpr std::int32_t Err_Invalid_Argument = 5;
constexpr std::int32_t Err_Device_IO = 57;
constexpr std::int32_t Err_File_Access = 75;

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

// Characters (code points) of UTF-8 text; a stray byte counts as one.
std::size_t Char_Count(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char b : s)
        if ((b & 0xC0) != 0x80) ++n;
    return n;
}

// Byte offset of the n-th character.
std::size_t Char_Offset(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == 0) break;
            --n;
        }
    return i;
}

// Exactly w characters: cut to w - 3 and "...", or filled with blanks.
std::string Fit(std::string_view s, std::size_t w) {
    const std::size_t n = Char_Count(s);
    if (n > w) {
        std::string out(s.substr(0, Char_Offset(s, w >= 3 ? w - 3 : 0)));
        out.append(w >= 3 ? "..." : std::string_view("...").substr(0, w));
        return out;
    }
    std::string out(s);
    out.append(w - n, ' ');
    return out;
}

// A cell of the fixed-width table as it is written: one "?" for each
// ill-formed sequence (what the file gets), and a blank for each line break,
// which would break the table.
std::string Text_Cell(std::string_view s) {
    std::string out = Valid_Utf8(s, '?');
    std::size_t w = 0;
    for (std::size_t r = 0; r < out.size(); ++r) {
        const char c = out[r];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && r + 1 < out.size() && out[r + 1] == '\n') ++r;  // CR LF is one break
            out[w++] = ' ';
        } else {
            out[w++] = c;
        }
    }
    out.resize(w);
    return out;
}

std::string_view Trim_Blanks(std::string_view s) {
    auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    auto e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

bool Is_Blank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

void Append_Csv_Field(std::string& line, std::string_view s) {
    line += '"';
    for (char c : s) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

void Append_Html(std::string& out, std::string_view s) {
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

// Up to 15 significant digits, no trailing zeros (16.6666666666667).
std::string Number_Text(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return std::string(buf, r.ptr);
}

struct File_Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, File_Closer>;

std::FILE* Open_File(const std::string& path, const char* mode, const wchar_t* wide_mode) {
    std::FILE* f = nullptr;
    try {
        std::filesystem::path p(std::u8string(path.begin(), path.end()));
#ifdef _WIN32
        (void)mode;
        if (!path.empty()) f = _wfopen(p.c_str(), wide_mode);
#else
        (void)wide_mode;
        if (!path.empty()) f = std::fopen(p.c_str(), mode);
#endif
    } catch (const std::exception&) {
        f = nullptr;
    }
    return f;
}

// Opens the file for appending (created when missing); sets the pending error on failure.
File Open_For_Append(const std::string& path) {
    std::FILE* f = Open_File(path, "ab", L"ab");
    if (!f) Set_Error(Err_File_Access, "Path/File access error: " + path);
    return File(f);
}

constexpr std::string_view Utf8_Mark = "\xEF\xBB\xBF";

// How the text goes into the file: a new (or empty) file is started in
// UTF-8 with its mark; a file that has the mark goes on in UTF-8; an older
// file without it goes on in the ANSI code page it was written in.
enum class File_Encoding { New_Utf8, Utf8, Ansi };

File_Encoding Encoding_Of(const std::string& path) {
    File f(Open_File(path, "rb", L"rb"));
    if (!f) return File_Encoding::New_Utf8;
    char head[3] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, f.get());
    if (got == 0) return File_Encoding::New_Utf8;
    return std::string_view(head, got) == Utf8_Mark ? File_Encoding::Utf8 : File_Encoding::Ansi;
}

// Encodes the UTF-8 text for the file and appends it. `new_file_head` is
// written after the mark when the file is started here (the HTML charset).
bool Append_To_File(const Ansi_Encoder& encoder, const std::string& path, std::string_view text,
                    std::string_view new_file_head = {}) {
    std::string bytes;
    const File_Encoding encoding = Encoding_Of(path);
    if (encoding == File_Encoding::Ansi) {
        if (!encoder) {
            Set_Error(Err_Invalid_Argument, "No code page conversion is set for the export.");
            return false;
        }
        bytes.reserve(text.size());
        if (!encoder(text, bytes)) return false;
    } else {
        if (encoding == File_Encoding::New_Utf8) {
            bytes += Utf8_Mark;
            bytes += new_file_head;
        }
        // Ill-formed input would make the whole file unreadable as UTF-8.
        bytes += Valid_Utf8(text, '?');
    }
    File f = Open_For_Append(path);
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
    ok = std::fclose(f.release()) == 0 && ok;
    if (!ok) Set_Error(Err_Device_IO, "Device I/O error: " + path);
    return ok;
}

// A table writer's failure goes to the error box, and the caller is told.
bool Report_Failure() {
    Show_Error_Message(true);
    return false;
}

// Widths of the text layout, column 1 first, chosen by the feature key.
std::vector<std::size_t> Get_Text_Column_Widths(const std::string& key, std::size_t column_count) {
    if (key == "RTT_RemoteTaskManager") return {15, 5, 7, 15, 12, 7, 7, 10, 10, 20, 150};
    if (key == "RTT_SCM") return {35, 15, 10, 10, 12, 13, 150};
    if (key == "Cust_InstalledProducts") return {50, 25, 15, 50, 12, 12};
    if (key.compare(0, 5, "Tabu_") == 0) return std::vector<std::size_t>(column_count, 50);
    return {30, 47};
}

std::size_t Width_Of(const std::vector<std::size_t>& widths, std::size_t column) {
    return column < widths.size() ? widths[column] : static_cast<std::size_t>(Text_Extra_Column_Width);
}

void Format_Text_Header(std::string& line, const ListModel& list, const std::vector<std::size_t>& widths,
                        std::size_t margin, std::size_t gap) {
    line.append(margin, ' ');
    for (std::size_t c = 0; c < list.Column_Count(); ++c) {
        if (c > 0) line.append(gap, ' ');
        line += Fit(Text_Cell(list.Column(c).text), Width_Of(widths, c));
    }
    line += CRLF;
}

void Format_Text_Row(std::string& line, const ListItem& item, const std::vector<std::size_t>& widths,
                     std::size_t margin, std::size_t gap) {
    line.append(margin, ' ');
    line += Fit(Trim_Blanks(Text_Cell(item.text)), Width_Of(widths, 0));
    for (std::size_t k = 1; k <= item.sub_items.size(); ++k) {
        line.append(gap, ' ');
        line += Fit(Text_Cell(item.Sub_Item(k)), Width_Of(widths, k));
    }
    line += CRLF;
}

void Format_CSV_Header(std::string& line, const ListModel& list) {
    for (std::size_t c = 0; c < list.Column_Count(); ++c) {
        if (c > 0) line += ',';
        Append_Csv_Field(line, list.Column(c).text);
    }
    line += CRLF;
}

void Format_CSV_Row(std::string& line, const ListItem& item) {
    Append_Csv_Field(line, item.text);
    for (const std::string& sub : item.sub_items) {
        line += ',';
        Append_Csv_Field(line, sub);
    }
    line += CRLF;
}

}  // namespace

Export_Date_Time Local_Date_Time_Now() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string General_Date_Text(const Export_Date_Time& t) {
    auto two = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    return std::to_string(t.month) + "/" + std::to_string(t.day) + "/" + std::to_string(t.year) + " " +
           std::to_string(hour12) + ":" + two(t.minute) + ":" + two(t.second) +
           (t.hour < 12 ? " AM" : " PM");
}

std::string Html_Footer_Credit() {
    return "This report was created by " + std::string(Product_Name) + ". Copyright \xC2\xA9 " +
           std::string(Maker_Name) + ". All rights reserved.";
}

std::string Text_Footer_Credit() {
    return "[Copyright \xC2\xA9 " + std::string(Maker_Name) + ". All rights reserved. " +
           std::string(Maker_Web_Address) + "]";
}

clsExport::clsExport(Ansi_Encoder encoder, Export_Clock clock)
    : encoder_(std::move(encoder)), clock_(std::move(clock)) {}

bool clsExport::Export_ListView_To_CSV(const ListModel& lvwSource, const std::string& strExportKey,
                                       const std::string& strExportText, const std::string& strFileName,
                                       const std::string& strDevice, bool blnVerticalListing) {
    ListModel copy;
    if (!Copy_ListView_For_Export(lvwSource, copy, blnVerticalListing)) return Report_Failure();

    std::string out;
    std::string title = strExportText;
    if (!strDevice.empty()) title += "(" + strDevice + ")";
    if (!title.empty()) {
        Append_Csv_Field(out, title);
        out += CRLF;
    }
    Format_CSV_Header(out, copy);
    for (std::size_t r = 0; r < copy.Item_Count(); ++r) Format_CSV_Row(out, copy.Item(r));
    out += CRLF;
    out += CRLF;
    if (!Append_To_File(encoder_, strFileName, out)) return Report_Failure();
    return true;
}

bool clsExport::Export_To_HTML_File(const ListModel& lvwSource, const std::string& strExportKey,
                                    const std::string& strExportText, const std::string& strFileName,
                                    const std::string& strDevice, bool blnVerticalListing) {
    ListModel copy;
    if (!Copy_ListView_For_Export(lvwSource, copy, blnVerticalListing)) return Report_Failure();
    const std::size_t columns = copy.Column_Count();
    if (columns == 0) {
        // The header cell's width share needs at least one column.
        Set_Error(Err_Invalid_Argument, "The list has no columns to export.");
        return Report_Failure();
    }

    std::string out;
    out += CRLF;
    out += "<b>&nbsp;</b>";
    out += CRLF;
    out += "<div align=\"left\">";
    out += CRLF;
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" style=\"border-collapse: collapse; "
           "font-family: Verdana; font-size:7pt; padding-left:10; padding-right:5\" "
           "bordercolor=\"#CCCCCC\" width=\"100%\">";
    out += "<tr><td bgcolor=\"#FFFFFF\" colspan=\"100%\" font-family: Verdana; font-size:12pt;><b>";
    Append_Html(out, strExportText);
    out += " (";
    Append_Html(out, strDevice);
    out += ")</b></td></tr>";
    out += CRLF;
    out += "<tr>";
    out += CRLF;
    out += "<td width=\"" + Number_Text(100.0 / (2.0 * static_cast<double>(columns))) +
           "%\" bgcolor=\"#9999FF\"><b>";
    Append_Html(out, copy.Column(0).text);
    out += "</b></td>";
    for (std::size_t c = 1; c < columns; ++c) {
        out += "<td bgcolor=\"#9999FF\"><b>";
        Append_Html(out, copy.Column(c).text);
        out += "</b></td>";
    }
    out += CRLF;
    out += "</tr>";
    out += CRLF;
    for (std::size_t r = 0; r < copy.Item_Count(); ++r) {
        const ListItem& item = copy.Item(r);
        out += CRLF;
        out += "<tr>";
        out += CRLF;
        const std::string_view open = item.bold ? "<td bgcolor=\"#EEEEEE\"><b>" : "<td>";
        const std::string_view close = item.bold ? "</b></td>" : "</td>";
        out += open;
        if (Is_Blank(item.text))
            out += "&nbsp;";
        else
            Append_Html(out, item.text);
        out += close;
        for (std::size_t k = 1; k < columns; ++k) {
            const std::string& sub = item.Sub_Item(k);
            out += open;
            if (sub.empty())
                out += "&nbsp;";
            else
                Append_Html(out, sub);
            out += close;
        }
        out += CRLF;
        out += "</tr>";
    }
    out += CRLF;
    out += "<tr><td>Created @</td><td>" + General_Date_Text(clock_()) + "</td>";
    for (std::size_t c = 2; c < columns; ++c) {
        out += CRLF;
        out += "<td>&nbsp;</td>";
    }
    out += "</tr>";
    out += CRLF;
    out += "</table>";
    out += CRLF;
    out += CRLF;
    out += "</div>";
    if (!Append_To_File(encoder_, strFileName, out, Html_Charset_Head)) return Report_Failure();
    return true;
}

bool clsExport::SaveHtmlReportFooter(const std::string& strFileName) {
    std::string out;
    out += CRLF;
    out += "<div align=\"left\">";
    out += CRLF;
    out += "<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\" style=\"border-collapse: collapse; "
           "font-family: Arial; font-size:7pt; padding-left:10; padding-right:5\" "
           "bordercolor=\"#CCCCCC\" width=\"100%\">";
    out += "<tr><td colspan=\"100%\"></td></tr>";
    out += CRLF;
    out += "<tr><td></td></tr>";
    out += CRLF;
    out += CRLF;
    out += "<tr><td>";
    Append_Html(out, Html_Footer_Credit());
    out += "</td></tr>";
    out += CRLF;
    out += CRLF;
    out += "</table>";
    out += CRLF;
    out += CRLF;
    out += "</div>";
    const bool ok = Append_To_File(encoder_, strFileName, out, Html_Charset_Head);
    if (!ok) Clear_Error();  // the footers fail silently
    return ok;
}

bool clsExport::Export_To_Text_File(const ListModel& lvwTemp, const std::string& strExportKey,
                                    const std::string& strExportText, const std::string& strFileName,
                                    const std::string& strDevice, std::int32_t lngStartBorder,
                                    std::int32_t lngTabWidth, bool blnVerticalListing) {
    if (lngStartBorder < 0 || lngTabWidth < 0) {
        Set_Error(Err_Invalid_Argument, "Invalid procedure call or argument");
        return Report_Failure();
    }
    if (strExportKey.empty()) {
        // Nothing to lay out without a key; the file is still created.
        if (!Open_For_Append(strFileName)) return Report_Failure();
        return false;
    }
    const auto widths = Get_Text_Column_Widths(strExportKey, lvwTemp.Column_Count());
    const auto margin = static_cast<std::size_t>(lngStartBorder);
    const auto gap = static_cast<std::size_t>(lngTabWidth);

    std::string out;
    out += CRLF;
    out += Repeat('-', 80);
    out += CRLF;
    out += Text_Cell(strExportText + " (" + strDevice + ")");
    out += CRLF;
    out += Repeat('-', 80);
    out += CRLF;
    Format_Text_Header(out, lvwTemp, widths, margin, gap);
    out += CRLF;
    for (std::size_t r = 0; r < lvwTemp.Item_Count(); ++r)
        Format_Text_Row(out, lvwTemp.Item(r), widths, margin, gap);
    out += CRLF;
    out += CRLF;
    if (!Append_To_File(encoder_, strFileName, out)) return Report_Failure();
    return true;
}

bool clsExport::Write_ReportFooter_In_Text_File(const std::string& strFileName,
                                                std::int32_t lngMaxLineLength, bool blnPrintTime) {
    // Each line is "--", its text and dashes up to the line length.
    auto dashed = [&](const std::string& text, std::string& out) {
        const std::int64_t fill = static_cast<std::int64_t>(lngMaxLineLength) - 2 -
                                  static_cast<std::int64_t>(Char_Count(text));
        if (fill < 0) return false;
        out += "--" + text + Repeat('-', static_cast<std::size_t>(fill));
        return true;
    };
    std::string out;
    if (blnPrintTime) {
        out += CRLF;
        if (!dashed("[Report Taken @ " + General_Date_Text(clock_()) + "]", out)) return false;
    }
    out += CRLF;
    if (!dashed(Text_Footer_Credit(), out)) return false;
    out += CRLF;
    const bool ok = Append_To_File(encoder_, strFileName, out);
    if (!ok) Clear_Error();  // the footers fail silently
    return ok;
}

}  // namespace crv
