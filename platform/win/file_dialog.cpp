#include "platform/win/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "core/pump_frame.h"
#include "platform/win/text.h"

namespace crv {

std::string Filter_Extension(const std::string& filter, int index) {
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t bar = filter.find('|', at);
        parts.push_back(filter.substr(at, bar == std::string::npos ? std::string::npos : bar - at));
        if (bar == std::string::npos) break;
        at = bar + 1;
    }
    const std::size_t entries = parts.size() / 2;
    if (entries == 0) return {};
    const std::size_t entry = index < 1 ? 0 : std::min(entries, static_cast<std::size_t>(index)) - 1;
    const std::string& pattern = parts[entry * 2 + 1];
    if (pattern.rfind("*.", 0) != 0 || pattern.find_first_of(";*?", 2) != std::string::npos) return {};
    return pattern.substr(2);
}

namespace {

// One dialog of either kind: the filter's "|" become the NULs the dialog
// wants; a Save dialog asks before replacing and adds the entry's extension.
bool Show_File_Dialog(bool save, HWND owner, const std::string& title, const std::string& filter,
                      int& filter_index, std::string& file_name) {
    std::wstring wfilter = To_Wide(filter);
    for (wchar_t& c : wfilter)
        if (c == L'|') c = L'\0';
    wfilter.push_back(L'\0');
    wfilter.push_back(L'\0');
    const std::wstring wtitle = To_Wide(title);
    std::wstring buffer = To_Wide(file_name);
    buffer.resize(32768, L'\0');
    const std::wstring extension = save ? To_Wide(Filter_Extension(filter, filter_index)) : std::wstring();
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = wfilter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filter_index < 1 ? 1 : filter_index);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = wtitle.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST) | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    PumpFrame wait;  // a modal loop: what it dispatches is a command of its own
    if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return false;
    file_name = To_Utf8(buffer.c_str());
    filter_index = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace

bool Show_Save_File_Dialog(HWND owner, const std::string& title, const std::string& filter, int& filter_index,
                           std::string& file_name) {
    return Show_File_Dialog(true, owner, title, filter, filter_index, file_name);
}

bool Show_Open_File_Dialog(HWND owner, const std::string& title, const std::string& filter, int filter_index,
                           std::string& file_name) {
    return Show_File_Dialog(false, owner, title, filter, filter_index, file_name);
}

}  // namespace crv
