#include "export/export.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string_view>

#include "core/error.h"
#include "core/maker.h"
#include "core/utf.h"
#include "export/export_text.h"
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

// Appends exactly w characters: cut to w - 3 and "...", or filled with blanks.
void Append_Fit(Export_Bytes& out, std::string_view s, std::size_t w) {
    const std::size_t n = Char_Count(s);
    if (n > w) {
        out.append(s.substr(0, Char_Offset(s, w >= 3 ? w - 3 : 0)));
        out.append(w >= 3 ? "..." : std::string_view("...").substr(0, w));
        return;
    }
    out.append(s);
    out.append(w - n, ' ');
}

// A cell of the fixed-width table as it is written: one "?" for each
// ill-formed sequence (what the file gets), a blank for each line break,
// which would break the table, and no NUL.
std::string Text_Cell(std::string_view s) {
    std::string out = Valid_Utf8(s, '?');
    std::size_t w = 0;
    for (std::size_t r = 0; r < out.size(); ++r) {
        const char c = out[r];
        if (c == '\0') continue;  // dropped, as the store drops it
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

// Appends the cell fitted to w characters; a well-formed cell without line
// breaks goes straight in without a copy.
void Append_Fitted(Export_Bytes& out, std::string_view s, std::size_t w, bool trim);

std::string_view Trim_Blanks(std::string_view s) {
    auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    auto e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

void Append_Fitted(Export_Bytes& out, std::string_view s, std::size_t w, bool trim) {
    if (trim) s = Trim_Blanks(s);
    const std::size_t n = Plain_Char_Count(s);
    if (n == std::string_view::npos) {
        const std::string cell = Text_Cell(s);
        Append_Fit(out, trim ? Trim_Blanks(cell) : std::string_view(cell), w);
    } else if (n > w) {
        Append_Fit(out, s, w);
    } else {
        char* p = Put(out.Reserve_End(s.size() + (w - n)), s);
        std::memset(p, ' ', w - n);
    }
}

bool Is_Blank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

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

// Appends text to the file as it is produced, in chunks: the writers never
// hold the whole output. Text is UTF-8 as the writers make it; each chunk is
// encoded for the file as it goes (a chunk ends at a line end, so no
// character is split). `new_file_head` follows the mark when the file is
// started here (the HTML charset).
class Export_Sink {
public:
    Export_Sink(const Ansi_Encoder& encoder, const std::string& path) : encoder_(encoder), path_(path) {}

    // Decides the file's encoding and opens it; false with the error pending.
    bool Open(std::string_view new_file_head = {}) {
        encoding_ = Encoding_Of(path_);
        if (encoding_ == File_Encoding::Ansi && !encoder_) {
            Set_Error(Err_Invalid_Argument, "No code page conversion is set for the export.");
            return false;
        }
        file_ = Open_For_Append(path_);
        if (!file_) return false;
        if (encoding_ == File_Encoding::New_Utf8) {
            text_.bytes += Utf8_Mark;
            text_.bytes += new_file_head;
            raw_ = text_.bytes.size();  // the mark and head go out as they are
        }
        return true;
    }
    // Where the writer appends its UTF-8 text. Text that did not come
    // through the cell routines must be marked ill-formed unless it is
    // known to be well-formed.
    Export_Text& Text() { return text_; }
    // Call after each whole line or row.
    bool Line_Done() { return text_.bytes.size() < Chunk_Bytes || Flush(); }
    // Writes what is left and closes; false with the error pending.
    bool Finish() {
        bool ok = Flush();
        if (file_) ok = std::fclose(file_.release()) == 0 && ok;
        if (!ok && !failed_) Set_Error(Err_Device_IO, "Device I/O error: " + path_);
        return ok;
    }

private:
    // Large blocks: each write is a system call, under Wine a costly one.
    static constexpr std::size_t Chunk_Bytes = 1 << 20;

    bool Flush() {
        if (failed_ || !file_) return false;
        const Export_Bytes& all = text_.bytes;
        const std::string_view text(all.data() + raw_, all.size() - raw_);
        bool ok = true;
        if (encoding_ == File_Encoding::Ansi) {
            bytes_.clear();
            ok = Write(std::string_view(all.data(), raw_)) && encoder_(text, bytes_) && Write(bytes_);
        } else if (!text_.ill_formed) {
            ok = Write(all);  // checked as it was made: one write of the block
        } else {
            // Ill-formed input would make the whole file unreadable as UTF-8.
            ok = Write(std::string_view(all.data(), raw_)) && Write(Valid_Utf8(text, '?'));
        }
        text_.bytes.clear();
        text_.ill_formed = false;
        raw_ = 0;
        if (!ok) {
            failed_ = true;
            if (Pending_Error().number == 0) Set_Error(Err_Device_IO, "Device I/O error: " + path_);
        }
        return ok;
    }
    bool Write(std::string_view bytes) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) == bytes.size();
    }

    const Ansi_Encoder& encoder_;
    const std::string& path_;
    File_Encoding encoding_ = File_Encoding::New_Utf8;
    File file_;
    Export_Text text_;
    std::size_t raw_ = 0;  // leading bytes of the text that need no encoding
    std::string bytes_;
    bool failed_ = false;
};

// One piece of text appended to the file (the footers).
bool Append_To_File(const Ansi_Encoder& encoder, const std::string& path, std::string_view text,
                    std::string_view new_file_head = {}) {
    Export_Sink sink(encoder, path);
    if (!sink.Open(new_file_head)) return false;
    sink.Text().bytes += text;
    sink.Text().ill_formed = true;  // a few lines: checked whole as they go out
    return sink.Finish();
}

// The rows a table writer exports: the list itself when the export copy
// would be straight (no copy of a large list is made), else the turned copy.
// A straight copy keeps only the sub-items that have a column.
struct Export_Table {
    const ListModel* list = nullptr;
    std::size_t sub_limit = 0;
    ListModel turned;

    bool Prepare(const ListModel& source, bool vertical_listing) {
        if (Export_Copy_Is_Straight(source, vertical_listing)) {
            list = &source;
            sub_limit = source.Column_Count() > 0 ? source.Column_Count() - 1 : 0;
            return true;
        }
        list = &turned;
        sub_limit = static_cast<std::size_t>(-1);
        return Copy_ListView_For_Export(source, turned, vertical_listing);
    }
    std::size_t Sub_Count(const ListItem& item) const { return std::min(sub_limit, item.sub_items.size()); }
};

// A table writer's failure goes to the error box, and the caller is told. A
// run that writes many tables into one file (Full Export) meets the same
// failure for each of them: it is shown once for the run.
bool Report_Failure() {
    Show_Distinct_Error_Message();
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

void Format_Text_Header(Export_Bytes& line, const ListModel& list, const std::vector<std::size_t>& widths,
                        std::size_t margin, std::size_t gap) {
    line.append(margin, ' ');
    for (std::size_t c = 0; c < list.Column_Count(); ++c) {
        if (c > 0) line.append(gap, ' ');
        Append_Fitted(line, list.Column(c).text, Width_Of(widths, c), false);
    }
    line += CRLF;
}

// A row goes into room reserved for it at once: a plain cell that fits is
// copied and filled there as it is counted; any other cell takes the
// general way.
void Format_Text_Row(Export_Bytes& line, const ListItem& item, const std::vector<std::size_t>& widths,
                     std::size_t margin, std::size_t gap) {
    const std::size_t cells = 1 + item.sub_items.size();
    auto cell = [&](std::size_t k) -> std::string_view {
        return k == 0 ? Trim_Blanks(item.text) : std::string_view(item.sub_items[k - 1]);
    };
    std::size_t room = margin + CRLF.size() + Room_Slack;
    for (std::size_t k = 0; k < cells; ++k) room += (k > 0 ? gap : 0) + cell(k).size() + Width_Of(widths, k);
    char* p = Put_Blanks(line.Reserve_End(room), margin);
    for (std::size_t k = 0; k < cells; ++k) {
        if (k > 0) p = Put_Blanks(p, gap);
        const std::string_view text = cell(k);
        const std::size_t w = Width_Of(widths, k);
        const std::size_t n = Put_Plain_Cell(p, text);
        if (n != std::string_view::npos && n <= w) {
            p = Put_Blanks(p + text.size(), w - n);
            continue;
        }
        // The general way writes at the end of the line, then the room for
        // the rest is taken again.
        const std::size_t rest = static_cast<std::size_t>(line.data() + line.size() - p) - (text.size() + w);
        line.Set_End(p);
        Append_Fitted(line, text, w, k == 0);
        p = line.Reserve_End(rest);
    }
    line.Set_End(Put(p, CRLF));
}

void Format_CSV_Header(Export_Text& line, const ListModel& list) {
    for (std::size_t c = 0; c < list.Column_Count(); ++c) {
        if (c > 0) line.bytes += ',';
        Append_Csv_Field(line, list.Column(c).text);
    }
    line.bytes += CRLF;
}

// A row goes into room reserved for it at once.
void Format_CSV_Row(Export_Text& line, const ListItem& item, std::size_t sub_count) {
    std::size_t room = Csv_Room(item.text) + CRLF.size();
    for (std::size_t k = 0; k < sub_count; ++k) room += 1 + Csv_Room(item.sub_items[k]);
    char* p = line.bytes.Reserve_End(room);
    p = Put_Csv_Field(p, item.text, line.ill_formed);
    for (std::size_t k = 0; k < sub_count; ++k) {
        *p++ = ',';
        p = Put_Csv_Field(p, item.sub_items[k], line.ill_formed);
    }
    line.bytes.Set_End(Put(p, CRLF));
}

// An HTML row; a cell's close and the next cell's open go in as one piece.
void Format_Html_Row(Export_Text& line, const ListItem& item, std::size_t subs, std::size_t columns) {
    constexpr std::string_view Row_Open = "\r\n<tr>\r\n";
    constexpr std::string_view Blank = "&nbsp;";
    const std::string_view open = item.bold ? "<td bgcolor=\"#EEEEEE\"><b>" : "<td>";
    const std::string_view between = item.bold ? "</b></td><td bgcolor=\"#EEEEEE\"><b>" : "</td><td>";
    const std::string_view close = item.bold ? "</b></td>\r\n</tr>" : "</td>\r\n</tr>";
    auto cell = [&](std::size_t k) -> std::string_view {
        if (k == 0) return Is_Blank(item.text) ? std::string_view() : std::string_view(item.text);
        return k > subs ? std::string_view() : std::string_view(item.sub_items[k - 1]);
    };
    std::size_t room =
        Row_Open.size() + open.size() + close.size() + (columns - 1) * between.size() + Room_Slack;
    for (std::size_t k = 0; k < columns; ++k) room += std::max(Blank.size(), Html_Room(cell(k)));
    char* p = Put(line.bytes.Reserve_End(room), Row_Open);
    for (std::size_t k = 0; k < columns; ++k) {
        p = Put_Short(p, k == 0 ? open : between);
        const std::string_view text = cell(k);
        p = text.empty() ? Put(p, Blank) : Put_Html(p, text, line.ill_formed);
    }
    line.bytes.Set_End(Put_Short(p, close));
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
    Export_Table table;
    if (!table.Prepare(lvwSource, blnVerticalListing)) return Report_Failure();
    const ListModel& rows = *table.list;

    Export_Sink sink(encoder_, strFileName);
    if (!sink.Open()) return Report_Failure();
    Export_Text& out = sink.Text();
    std::string title = strExportText;
    if (!strDevice.empty()) title += "(" + strDevice + ")";
    if (!title.empty()) {
        Append_Csv_Field(out, title);
        out.bytes += CRLF;
    }
    Format_CSV_Header(out, rows);
    for (std::size_t r = 0; r < rows.Item_Count(); ++r) {
        const ListItem& item = rows.Item(r);
        Format_CSV_Row(out, item, table.Sub_Count(item));
        if (!sink.Line_Done()) break;
    }
    out.bytes += CRLF;
    out.bytes += CRLF;
    if (!sink.Finish()) return Report_Failure();
    return true;
}

bool clsExport::Export_To_HTML_File(const ListModel& lvwSource, const std::string& strExportKey,
                                    const std::string& strExportText, const std::string& strFileName,
                                    const std::string& strDevice, bool blnVerticalListing) {
    Export_Table table;
    if (!table.Prepare(lvwSource, blnVerticalListing)) return Report_Failure();
    const ListModel& rows = *table.list;
    const std::size_t columns = rows.Column_Count();
    if (columns == 0) {
        // The header cell's width share needs at least one column.
        Set_Error(Err_Invalid_Argument, "The list has no columns to export.");
        return Report_Failure();
    }

    Export_Sink sink(encoder_, strFileName);
    if (!sink.Open(Html_Charset_Head)) return Report_Failure();
    Export_Text& text = sink.Text();
    Export_Bytes& out = text.bytes;
    out += CRLF;
    out += "<b>&nbsp;</b>";
    out += CRLF;
    out += "<div align=\"left\">";
    out += CRLF;
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" style=\"border-collapse: collapse; "
           "font-family: Verdana; font-size:7pt; padding-left:10; padding-right:5\" "
           "bordercolor=\"#CCCCCC\" width=\"100%\">";
    out += "<tr><td bgcolor=\"#FFFFFF\" colspan=\"100%\" font-family: Verdana; font-size:12pt;><b>";
    Append_Html(text, strExportText);
    out += " (";
    Append_Html(text, strDevice);
    out += ")</b></td></tr>";
    out += CRLF;
    out += "<tr>";
    out += CRLF;
    out += "<td width=\"" + Number_Text(100.0 / (2.0 * static_cast<double>(columns))) +
           "%\" bgcolor=\"#9999FF\"><b>";
    Append_Html(text, rows.Column(0).text);
    out += "</b></td>";
    for (std::size_t c = 1; c < columns; ++c) {
        out += "<td bgcolor=\"#9999FF\"><b>";
        Append_Html(text, rows.Column(c).text);
        out += "</b></td>";
    }
    out += CRLF;
    out += "</tr>";
    out += CRLF;
    for (std::size_t r = 0; r < rows.Item_Count(); ++r) {
        const ListItem& item = rows.Item(r);
        Format_Html_Row(text, item, table.Sub_Count(item), columns);
        if (!sink.Line_Done()) break;
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
    if (!sink.Finish()) return Report_Failure();
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
    Export_Text credit;
    Append_Html(credit, Html_Footer_Credit());
    out += credit.bytes;
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

    Export_Sink sink(encoder_, strFileName);
    if (!sink.Open()) return Report_Failure();
    Export_Bytes& out = sink.Text().bytes;  // every cell goes in fitted, well-formed
    out += CRLF;
    out += Repeat('-', 80);
    out += CRLF;
    out += Text_Cell(strExportText + " (" + strDevice + ")");
    out += CRLF;
    out += Repeat('-', 80);
    out += CRLF;
    Format_Text_Header(out, lvwTemp, widths, margin, gap);
    out += CRLF;
    for (std::size_t r = 0; r < lvwTemp.Item_Count(); ++r) {
        Format_Text_Row(out, lvwTemp.Item(r), widths, margin, gap);
        if (!sink.Line_Done()) break;
    }
    out += CRLF;
    out += CRLF;
    if (!sink.Finish()) return Report_Failure();
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
