#include "export/export_file.h"

#include <cstdio>
#include <exception>
#include <filesystem>

#include "core/error.h"

namespace crv {

std::string Quick_Export_File_Name(const std::string& node_key, const std::string& node_text,
                                   const std::string& computer) {
    if (node_key.empty()) return "Corvalin";
    std::string name = node_text;
    for (char& c : name)
        if (c == ' ') c = '_';
    if (node_key.rfind("Tabu_", 0) != 0) name += "(" + computer + ")";
    // A slash is dropped, not replaced: "I/O Ports" reads IO_Ports.
    std::erase(name, '/');
    return Clean_File_Name(name);
}

bool Start_Export_File(const std::string& path) {
    std::FILE* f = nullptr;
    try {
        const std::filesystem::path p(std::u8string(path.begin(), path.end()));
#ifdef _WIN32
        if (!path.empty()) f = _wfopen(p.c_str(), L"wb");
#else
        if (!path.empty()) f = std::fopen(p.c_str(), "wb");
#endif
    } catch (const std::exception&) {
        f = nullptr;
    }
    if (!f || std::fclose(f) != 0) {
        Set_Error(75, "Path/File access error: " + path);
        return false;
    }
    return true;
}

bool Write_Export_File(clsExport& writer, int filter_index, const ListModel& list, const std::string& file_name,
                       const ExportFileRequest& r) {
    // The footers fail without a box of their own; a file left without its
    // footer is a failed export all the same, and the user hears of it.
    auto footer = [&](bool written) {
        if (written) return true;
        Set_Error(57, "Device I/O error: " + file_name);
        Show_Error_Message(true);
        return false;
    };
    switch (filter_index) {
    case 1:
        return writer.Export_ListView_To_CSV(list, r.key, r.title, file_name, r.device, r.vertical_listing);
    case 2:
        return writer.Export_To_HTML_File(list, r.key, r.title, file_name, r.device, r.vertical_listing) &&
               footer(writer.SaveHtmlReportFooter(file_name));
    case 3:
        return writer.Export_To_Text_File(list, r.key, r.title, file_name, r.device, 1, 2, r.vertical_listing) &&
               footer(writer.Write_ReportFooter_In_Text_File(file_name, 80, true));
    default:
        Set_Error(5, "Invalid procedure call or argument");
        Show_Error_Message(true);
        return false;
    }
}

}  // namespace crv
