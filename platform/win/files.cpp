#include "platform/win/files.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "core/error.h"
#include "platform/win/handles.h"
#include "platform/win/text.h"

namespace crv {

namespace {
constexpr std::int32_t Err_File_Not_Found = 53;
constexpr std::int32_t Err_Device_IO = 57;
constexpr std::int32_t Err_File_Access = 75;

void Set_File_Error(const std::string& path) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
        Set_Error(Err_File_Not_Found, "File not found: " + path);
    else
        Set_Error(Err_File_Access, "Path/File access error: " + path);
}
}  // namespace

FileRead Read_Whole_File(const std::string& path, std::size_t max_bytes, std::string& bytes) {
    bytes.clear();
    UniqueHandle file(CreateFileW(To_Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        Set_File_Error(path);
        return FileRead::Failed;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        Set_File_Error(path);
        return FileRead::Failed;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > max_bytes) return FileRead::Too_Large;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) {
            bytes.clear();
            Set_Error(Err_Device_IO, "Device I/O error: " + path);
            return FileRead::Failed;
        }
        if (got == 0) break;  // the file shrank meanwhile
        done += got;
    }
    bytes.resize(done);
    return FileRead::Ok;
}

bool Write_Whole_File(const std::string& path, std::string_view bytes) {
    UniqueHandle file(CreateFileW(To_Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        Set_File_Error(path);
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file.Get(), bytes.data() + done, want, &wrote, nullptr) || wrote == 0) {
            Set_Error(Err_Device_IO, "Device I/O error: " + path);
            return false;
        }
        done += wrote;
    }
    return true;
}

bool File_Exists(const std::string& path) {
    const DWORD a = GetFileAttributesW(To_Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace crv
