#include "core/runtime_files.h"

#include "core/error.h"

namespace crv {
namespace {

// Next dotted field's number; advances past the field and its dot.
std::uint64_t Next_Field(std::string_view& s) {
    std::uint64_t value = 0;
    std::size_t i = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        // Saturate rather than wrap: an absurdly long field is just large.
        const std::uint64_t digit = static_cast<std::uint64_t>(s[i] - '0');
        value = value > (UINT64_MAX - digit) / 10 ? UINT64_MAX : value * 10 + digit;
        ++i;
    }
    const std::size_t dot = s.find('.');
    s = dot == std::string_view::npos ? std::string_view{} : s.substr(dot + 1);
    return value;
}

std::string Join_Path(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

}  // namespace

std::vector<RuntimeFile> Runtime_File_Table() {
    std::string packed;
    for (char c : Runtime_File_List) {
        if (c != ' ') packed += c;
    }
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = packed.find(',', start);
        items.push_back(packed.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    std::vector<RuntimeFile> table;
    for (std::size_t k = 0; k + 1 < items.size(); k += 2) table.push_back({items[k], items[k + 1]});
    return table;
}

int Compare_Versions(std::string_view a, std::string_view b) {
    while (!a.empty() || !b.empty()) {
        const std::uint64_t x = Next_Field(a);
        const std::uint64_t y = Next_Field(b);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

bool Version_Is_Below(std::string_view installed, std::string_view minimum) {
    return installed.empty() || Compare_Versions(installed, minimum) < 0;
}

RuntimeCheckResult Run_Runtime_File_Check(const std::string& system_dir, const std::string& program_dir,
                                          bool copy, bool show_errors, const RuntimeFileAccess& access) {
    RuntimeCheckResult result;
    const auto stop = [&] {
        result.stopped_by_error = true;
        if (show_errors) Show_Error_Message(true);
        return result;
    };
    for (const RuntimeFile& file : Runtime_File_Table()) {
        const std::string target = Join_Path(system_dir, file.name);
        std::string version;
        if (!access.get_file_version(target, version)) return stop();
        if (!Version_Is_Below(version, file.minimum_version)) continue;
        result.any_failed = true;
        const std::string source = Join_Path(program_dir, file.name);
        bool exists = false;
        if (!access.file_exists(source, exists)) return stop();
        if (!exists) continue;  // nothing to copy; not worth a word
        result.any_available = true;
        if (copy) {
            if (!access.copy_file(source, target)) return stop();
            ++result.copied;
        }
    }
    return result;
}

bool Offer_Runtime_File_Copy(const std::string& system_dir, const std::string& program_dir,
                             const RuntimeFileAccess& access, const std::function<bool()>& ask_copy) {
    // A failed pass is not shown at start-up; drop its reason so that no
    // later box reports it as its own.
    const RuntimeCheckResult check = Run_Runtime_File_Check(system_dir, program_dir, false, false, access);
    if (check.stopped_by_error) Clear_Error();
    if (!check.any_available) return false;
    if (ask_copy() && Run_Runtime_File_Check(system_dir, program_dir, true, false, access).stopped_by_error)
        Clear_Error();
    return true;
}

}  // namespace crv
