#pragma once
// One export file chosen in a Save dialog: the dialog's filter, the writer
// its filter index picks (with the footer that closes the format), the name
// Quick Export offers, and starting the file afresh.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/names.h"  // Clean_File_Name
#include "export/export.h"

namespace crv {

// The Save dialog's filter; index 1 CSV, 2 HTML, 3 text.
inline constexpr std::string_view Export_File_Filter =
    "CSV File(.csv)|*.csv|HTML File(.html)|*.html|Text File(.txt)|*.txt";

// What a Save dialog gave: the file ("" when cancelled) and the filter
// index the user left it on.
struct SaveFileChoice {
    std::string file_name;
    int filter_index = 1;
};

// The name Quick Export offers for the feature node shown: its text with
// blanks as "_", then "(" computer ")" unless the key begins "Tabu_";
// "Corvalin" when no node with a key is selected. Cleaned for Windows.
std::string Quick_Export_File_Name(const std::string& node_key, const std::string& node_text,
                                   const std::string& computer);

// Empties the file (creating it when missing), so the writers that follow,
// which append, give a file of this export alone. False with the pending
// error set when it cannot be written.
bool Start_Export_File(const std::string& path);

// What one export writes besides the list.
struct ExportFileRequest {
    std::string key;     // feature key: chooses the text layout
    std::string title;   // the table's heading
    std::string device;  // the computer, "" for none
    bool vertical_listing = true;
};

// Writes the list with the writer of the filter index (1 CSV; 2 HTML and
// its footer; 3 text with margin 1, gap 2 and the footer of 80 characters
// with the time line). True only when every call wrote its piece; an index
// outside 1 to 3 writes nothing and fails.
bool Write_Export_File(clsExport& writer, int filter_index, const ListModel& list, const std::string& file_name,
                       const ExportFileRequest& request);

}  // namespace crv
