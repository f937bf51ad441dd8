#pragma once
// The runtime files a copy started from a removable drive checks in the
// system folder, and the decisions of that check. The file system is handed
// in, so the decisions run the same against the real system and a fake.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

// Pairs of file name and minimum version, in check order. Blanks are not
// significant.
inline constexpr std::string_view Runtime_File_List =
    "asycfilt.dll, 5.1.2600.5949, comcat.dll, 5.0.2600.1, comct332.ocx, 6.0.0.8169, "
    "comdlg32.ocx, 6.0.81.69, MSCOMCT2.OCX, 6.0.81.69, mscomctl.ocx, 6.1.98.18, "
    "msvbvm60.dll, 6.0.98.15, mswinsck.ocx, 6.0.81.69, msxml6.dll, 6.20.1099.0, "
    "oleaut32.dll, 5.1.2600.5512, stdole2.tlb, 5.1.2600.5512";

struct RuntimeFile {
    std::string name;
    std::string minimum_version;
};

// The table built from Runtime_File_List (11 pairs).
std::vector<RuntimeFile> Runtime_File_Table();

// Compares dotted versions field by field as numbers (a missing field counts
// as 0, a field's leading digits are its number): <0, 0 or >0.
int Compare_Versions(std::string_view a, std::string_view b);
// True when the installed version fails the minimum: empty, or lower.
bool Version_Is_Below(std::string_view installed, std::string_view minimum);

// The file system the check works on. Each function returns false when it
// raises an error, with the reason left in the pending-error record; that
// ends the check.
struct RuntimeFileAccess {
    // The version text of a file ("" when it has none or is missing).
    std::function<bool(const std::string& path, std::string& version)> get_file_version;
    std::function<bool(const std::string& path, bool& exists)> file_exists;
    // Copies with overwrite.
    std::function<bool(const std::string& from, const std::string& to)> copy_file;
};

struct RuntimeCheckResult {
    bool any_failed = false;     // at least one file failed its version test
    bool any_available = false;  // ... and at least one of those is in the program folder
    std::int32_t copied = 0;
    bool stopped_by_error = false;
};

// One pass over the table. Folders are given without a trailing backslash.
// With copy, each failing file that the program folder holds is copied into
// the system folder under its own name. An error ends the pass at once; with
// show_errors it is shown (and cleared), otherwise it is left pending.
RuntimeCheckResult Run_Runtime_File_Check(const std::string& system_dir, const std::string& program_dir,
                                          bool copy, bool show_errors, const RuntimeFileAccess& access);

// The start-up part for a copy running from a removable drive: check, and
// only when a failing file can be copied from the program folder, ask; on
// Yes copy. Returns whether the question was asked. Errors are never shown
// here (the start goes on).
bool Offer_Runtime_File_Copy(const std::string& system_dir, const std::string& program_dir,
                             const RuntimeFileAccess& access, const std::function<bool()>& ask_copy);

inline constexpr std::string_view Runtime_Copy_Question =
    "Necessary files to run the software are not found. Do you want to copy the files?";

}  // namespace crv
