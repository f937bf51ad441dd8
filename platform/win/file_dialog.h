#pragma once
// The common Open and Save dialogs over a filter in the form
// "Caption|*.ext|...".
#include <windows.h>

#include <string>

namespace crv {

// "csv" for the pattern "*.csv" of the filter's entry at a 1-based index
// (the last entry when the index is past it); "" for a pattern of several.
std::string Filter_Extension(const std::string& filter, int index);

// Shows the Save dialog (asking before it replaces a file). On OK returns
// true with the chosen file and the filter index the user left it on; a
// name typed without an extension gets the chosen entry's.
bool Show_Save_File_Dialog(HWND owner, const std::string& title, const std::string& filter, int& filter_index,
                           std::string& file_name);

// Shows the Open dialog for an existing file; true with the chosen file on OK.
bool Show_Open_File_Dialog(HWND owner, const std::string& title, const std::string& filter, int filter_index,
                           std::string& file_name);

}  // namespace crv
