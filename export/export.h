#pragma once
// The export writers: a list model into CSV, an HTML table fragment, or a
// fixed-width text table, each appended to the end of a file (created when
// missing, never shortened), with CR LF line ends.
//
// A new (or empty) file is written in UTF-8 and starts with the byte-order
// mark, which spreadsheets and editors read; a new HTML file also declares
// <meta charset="utf-8">. Appending keeps the file's encoding: a file with
// the mark goes on in UTF-8, an older file without it in the ANSI code page
// (through the encoder handed in).
#include <cstdint>
#include <functional>
#include <string>

#include "export/ansi_encoder.h"
#include "ui/model/list_model.h"

namespace crv {

struct Export_Date_Time {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};
using Export_Clock = std::function<Export_Date_Time()>;
// The local time now.
Export_Date_Time Local_Date_Time_Now();
// U.S. general date: "12/8/2026 1:58:46 AM" (no leading zeros on month, day, hour).
std::string General_Date_Text(const Export_Date_Time& t);

// The credit sentence closing an HTML report and the bracketed credit text of
// the text footer (UTF-8; the © becomes one byte in the code page).
std::string Html_Footer_Credit();
std::string Text_Footer_Credit();

// Holds no state between calls: every member opens the file, appends and
// closes it. Each returns true when it wrote its piece. The table writers
// show a failure through Show_Error_Message and clear it; the footers fail
// silently. The encoder turns text into the file's code page; the clock
// gives the time the HTML table and the text footer carry.
class clsExport {
public:
    explicit clsExport(Ansi_Encoder encoder, Export_Clock clock = Local_Date_Time_Now);

    // One CSV block: the title line (strExportText, "(strDevice)" when a
    // device is given; none when both are empty), the captions, one line per
    // row; every field quoted, quotes doubled. The rows come from the export
    // copy (turned to one row per record unless blnVerticalListing).
    // strExportKey is not used by this format.
    bool Export_ListView_To_CSV(const ListModel& lvwSource, const std::string& strExportKey,
                                const std::string& strExportText, const std::string& strFileName,
                                const std::string& strDevice, bool blnVerticalListing);
    // One HTML table fragment from the export copy; every text is escaped.
    // A list without columns is refused and nothing is written.
    bool Export_To_HTML_File(const ListModel& lvwSource, const std::string& strExportKey,
                             const std::string& strExportText, const std::string& strFileName,
                             const std::string& strDevice, bool blnVerticalListing);
    // The credit table that closes a run of HTML tables.
    bool SaveHtmlReportFooter(const std::string& strFileName);
    // One fixed-width table of the list as it stands; column widths come from
    // the feature key and count the characters written (an ill-formed UTF-8
    // sequence is one "?"); a line break in a cell is written as a blank. An empty key writes nothing (the file is created when
    // missing) and returns false. Columns beyond the key's widths get
    // Text_Extra_Column_Width characters. Margin and gap are blanks, >= 0.
    bool Export_To_Text_File(const ListModel& lvwTemp, const std::string& strExportKey,
                             const std::string& strExportText, const std::string& strFileName,
                             const std::string& strDevice, std::int32_t lngStartBorder,
                             std::int32_t lngTabWidth, bool blnVerticalListing);
    // The text footer: the "[Report Taken @ ...]" line when blnPrintTime, then
    // the credit line, each filled with "-" to lngMaxLineLength characters.
    // Writes nothing and returns false when a line does not fit.
    bool Write_ReportFooter_In_Text_File(const std::string& strFileName,
                                         std::int32_t lngMaxLineLength, bool blnPrintTime);

private:
    Ansi_Encoder encoder_;
    Export_Clock clock_;
};

// Width in characters of a text-export column beyond its key's width table.
inline constexpr int Text_Extra_Column_Width = 30;

}  // namespace crv
