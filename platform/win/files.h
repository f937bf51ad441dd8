#pragma once
// Whole small files by UTF-8 path: read with a size limit, written anew.
// Failures leave the reason in the pending error.
#include <cstddef>
#include <string>
#include <string_view>

namespace crv {

enum class FileRead { Ok, Too_Large, Failed };

// The bytes of the file when it holds at most max_bytes; Too_Large reads
// nothing.
FileRead Read_Whole_File(const std::string& path, std::size_t max_bytes, std::string& bytes);
// Creates the file, or replaces one that exists, with these bytes.
bool Write_Whole_File(const std::string& path, std::string_view bytes);
// True for an existing file (a folder does not count).
bool File_Exists(const std::string& path);

}  // namespace crv
