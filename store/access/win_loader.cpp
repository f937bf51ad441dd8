// Windows builds load the access library tqdata.dbd by file name (the
// program's folder comes first in the standard search) at its first use.
#include <windows.h>

#include <string>

#include "core/utf.h"
#include "store/access.h"
#include "store/store.h"

namespace crv {

namespace {

std::wstring Wide(const std::string& text) {
    std::u16string units = Utf8_To_Utf16(text);
    return std::wstring(units.begin(), units.end());
}

std::string Narrow(const wchar_t* text, std::size_t length) {
    return Utf16_To_Utf8(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

template <class F>
bool Resolve(HMODULE module, const char* name, F& target) {
    target = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return target != nullptr;
}

}  // namespace

const AccessLibrary* Default_Access_Library() {
    static AccessLibrary library{};
    static bool loaded = false;
    if (loaded) return &library;
    HMODULE module = LoadLibraryW(L"tqdata.dbd");
    if (!module) return nullptr;
    AccessLibrary candidate{};
    bool ok = Resolve(module, "sqlite3_open", candidate.open) && Resolve(module, "sqlite3_close", candidate.close) &&
              Resolve(module, "sqlite_get_table", candidate.get_table) &&
              Resolve(module, "number_of_rows_from_last_call", candidate.number_of_rows_from_last_call) &&
              Resolve(module, "sqlite3_changes", candidate.changes) &&
              Resolve(module, "sqlite3_last_insert_rowid", candidate.last_insert_rowid) &&
              Resolve(module, "sqlite_libversion", candidate.libversion);
    if (!ok) {
        FreeLibrary(module);
        return nullptr;
    }
    // Optional: an older library without it still serves every routine.
    Resolve(module, "sqlite_exec_rows", candidate.exec_rows);
    library = candidate;
    loaded = true;  // the module stays loaded for the life of the process
    return &library;
}

StoreEnvironment Platform_Store_Environment() {
    StoreEnvironment env;
    env.program_folder = [] {
        std::wstring buffer(MAX_PATH, L'\0');
        for (;;) {
            DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (n == 0) return std::string();
            if (n < buffer.size()) {
                buffer.resize(n);
                break;
            }
            buffer.resize(buffer.size() * 2);
        }
        std::size_t slash = buffer.find_last_of(L"\\/");
        if (slash == std::wstring::npos) return std::string();
        return Narrow(buffer.data(), slash);
    };
    env.system_directory = [] {
        UINT needed = GetSystemDirectoryW(nullptr, 0);
        if (needed == 0) return std::string();
        std::wstring buffer(needed, L'\0');
        UINT n = GetSystemDirectoryW(buffer.data(), needed);
        if (n == 0 || n >= needed) return std::string();
        return Narrow(buffer.data(), n);
    };
    env.is_ordinary_file = [](const std::string& path) {
        if (path.empty()) return false;
        DWORD attributes = GetFileAttributesW(Wide(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return false;
        return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
    };
    env.local_computer_name = [] {
        wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 1 + 240];
        DWORD size = static_cast<DWORD>(sizeof buffer / sizeof buffer[0]);
        if (!GetComputerNameW(buffer, &size)) return std::string();
        return Narrow(buffer, size);
    };
    env.now = [] {
        SYSTEMTIME st;
        GetLocalTime(&st);
        return StoreDateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
    };
    return env;
}

}  // namespace crv
