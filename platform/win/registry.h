#pragma once
// clsRegistry: keys and values of the local registry under a root key the
// caller passes. Every member opens what it needs and closes it before it
// returns; the class keeps no state and shows nothing. Texts are UTF-8 and go
// to the wide registry functions, so no character is lost to the code page.
#include <windows.h>

#include <cstdint>
#include <string>
#include <variant>

// Two members share their names with the Vista registry functions, which
// <windows.h> maps to their W forms by macro; here they name the members
// (the Win32 functions stay reachable as RegDeleteKeyValueW/RegSetKeyValueW).
#undef RegDeleteKeyValue
#undef RegSetKeyValue

namespace crv {

// A registry value as the class reads and writes it: a 32-bit integer
// (REG_DWORD) or a text.
using RegistryValue = std::variant<std::int32_t, std::string>;

class clsRegistry {
public:
    // Root keys go in as their 32-bit values (HKEY_CURRENT_USER 0x80000001,
    // HKEY_LOCAL_MACHINE 0x80000002) or as the 64-bit handle value; both name
    // the same key.
    static constexpr std::int64_t Hkey_Current_User = 0x80000001;
    static constexpr std::int64_t Hkey_Local_Machine = 0x80000002;

    // Creates the key (and missing parents); an existing key counts as done.
    bool CreateKey(std::int64_t lngRootKey, const std::string& strRegKeyPath);
    // Deletes the subkey strRegKeyName (which must have no subkeys) of an
    // existing key. An empty name is refused.
    bool DeleteKey(std::int64_t lngRootKey, const std::string& strRegKeyPath, const std::string& strRegKeyName);
    bool RegDeleteKeyValue(std::int64_t lngRootKey, const std::string& strRegKeyPath,
                           const std::string& strRegValueName);
    bool RegKeyDoesExist(std::int64_t lngRootKey, const std::string& strRegKeyPath);
    // The value: a REG_DWORD as its integer; REG_SZ and REG_MULTI_SZ as the
    // text without its trailing zero characters (a multi-string keeps its
    // inner separators); other types as the data up to the first zero. ""
    // when it cannot be read. lngError gets the registry status of the open
    // (when it fails) or of the query.
    RegistryValue RegQueryKeyValue(std::int64_t lngRootKey, const std::string& strRegKeyPath,
                                   const std::string& strRegValueName, std::int32_t& lngError);
    // Stores an integer, or a text that is an optional sign and digits (no
    // leading zero) within 32 bits, as REG_DWORD; any other text trimmed of
    // blanks as REG_SZ. Creates the key when missing. A number outside 32
    // bits is refused before anything is created.
    bool RegSetKeyValue(std::int64_t lngRootKey, const std::string& strRegKeyPath, const std::string& strRegValueName,
                        const RegistryValue& varRegData);
    bool CanOpenRegKey(std::int64_t lngRootKey, const std::string& strRegKeyPath);
};

}  // namespace crv
