#include "platform/win/registry.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/win/text.h"

namespace crv {

namespace {

// 0x80000002 and the sign-extended handle 0xFFFFFFFF80000002 are one key.
HKEY Root(std::int64_t value) {
    if (value >= 0 && value <= 0xFFFFFFFFLL) value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(value));
}

class OpenKey {
public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    LONG Open(std::int64_t root, const std::string& path) {
        return RegOpenKeyW(Root(root), To_Wide(path).c_str(), &key_);
    }
    LONG Create(std::int64_t root, const std::string& path) {
        return RegCreateKeyW(Root(root), To_Wide(path).c_str(), &key_);
    }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

std::string Trim_Blanks(const std::string& text) {
    std::size_t a = 0, b = text.size();
    while (a < b && (text[a] == ' ' || text[a] == '\t')) ++a;
    while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t')) --b;
    return text.substr(a, b - a);
}

enum class IntegerText { No, Fits, Overflows };

// An optional sign and digits without a leading zero ("0" itself is one);
// its value when it fits 32 bits.
IntegerText Read_Integer_Text(const std::string& text, std::int32_t& value) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    if (i == text.size()) return IntegerText::No;
    for (std::size_t k = i; k < text.size(); ++k)
        if (!Is_Digit(text[k])) return IntegerText::No;
    if (text[i] == '0' && text.size() - i > 1) return IntegerText::No;
    if (text.size() - i > 10) return IntegerText::Overflows;
    std::int64_t v = 0;
    for (std::size_t k = i; k < text.size(); ++k) v = v * 10 + (text[k] - '0');
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return IntegerText::Overflows;
    value = static_cast<std::int32_t>(v);
    return IntegerText::Fits;
}

}  // namespace

bool clsRegistry::CreateKey(std::int64_t lngRootKey, const std::string& strRegKeyPath) {
    OpenKey key;
    return key.Create(lngRootKey, strRegKeyPath) == ERROR_SUCCESS;
}

bool clsRegistry::RegKeyDoesExist(std::int64_t lngRootKey, const std::string& strRegKeyPath) {
    OpenKey key;
    return key.Open(lngRootKey, strRegKeyPath) == ERROR_SUCCESS && key.get();
}

bool clsRegistry::CanOpenRegKey(std::int64_t lngRootKey, const std::string& strRegKeyPath) {
    return RegKeyDoesExist(lngRootKey, strRegKeyPath);
}

bool clsRegistry::DeleteKey(std::int64_t lngRootKey, const std::string& strRegKeyPath, const std::string& strRegKeyName) {
    // RegDeleteKey with an empty name would delete the key itself.
    if (strRegKeyName.empty()) return false;
    OpenKey key;
    if (key.Open(lngRootKey, strRegKeyPath) != ERROR_SUCCESS || !key.get()) return false;
    return RegDeleteKeyW(key.get(), To_Wide(strRegKeyName).c_str()) == ERROR_SUCCESS;
}

bool clsRegistry::RegDeleteKeyValue(std::int64_t lngRootKey, const std::string& strRegKeyPath,
                                    const std::string& strRegValueName) {
    OpenKey key;
    if (key.Open(lngRootKey, strRegKeyPath) != ERROR_SUCCESS || !key.get()) return false;
    return RegDeleteValueW(key.get(), To_Wide(strRegValueName).c_str()) == ERROR_SUCCESS;
}

RegistryValue clsRegistry::RegQueryKeyValue(std::int64_t lngRootKey, const std::string& strRegKeyPath,
                                            const std::string& strRegValueName, std::int32_t& lngError) {
    OpenKey key;
    const LONG opened = key.Open(lngRootKey, strRegKeyPath);
    if (opened != ERROR_SUCCESS || !key.get()) {
        lngError = opened != ERROR_SUCCESS ? opened : ERROR_INVALID_HANDLE;
        return std::string();
    }
    const std::wstring name = To_Wide(strRegValueName);
    DWORD type = 0, size = 0;
    const LONG status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
    lngError = status;
    if (status != ERROR_SUCCESS) return std::string();
    // Room for a zero the data may lack, in whole UTF-16 units.
    std::vector<BYTE> data(size + sizeof(wchar_t) * 2 + 1, 0);
    DWORD got = size;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, data.data(), &got) != ERROR_SUCCESS)
        return std::string();
    if (type == REG_DWORD) {
        if (got < 4) return std::string();
        std::int32_t v;
        memcpy(&v, data.data(), 4);
        return v;
    }
    if (type == REG_SZ || type == REG_MULTI_SZ || type == REG_EXPAND_SZ || type == REG_LINK) {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), got / sizeof(wchar_t));
        if (type == REG_SZ || type == REG_MULTI_SZ) {
            while (!text.empty() && text.back() == L'\0') text.pop_back();
        } else {
            text.resize(wcsnlen(text.c_str(), text.size()));
        }
        return To_Utf8(text);
    }
    // Binary and other data: its bytes up to the first zero, read in the
    // ANSI code page as the ANSI functions would have given them.
    std::string bytes(reinterpret_cast<const char*>(data.data()), got);
    bytes.resize(strnlen(bytes.c_str(), bytes.size()));
    return From_Ansi(bytes);
}

bool clsRegistry::RegSetKeyValue(std::int64_t lngRootKey, const std::string& strRegKeyPath,
                                 const std::string& strRegValueName, const RegistryValue& varRegData) {
    std::optional<std::int32_t> number;
    std::string text;
    if (const auto* n = std::get_if<std::int32_t>(&varRegData)) {
        number = *n;
    } else {
        text = Trim_Blanks(std::get<std::string>(varRegData));
        std::int32_t v = 0;
        switch (Read_Integer_Text(text, v)) {
            case IntegerText::Fits: number = v; break;
            case IntegerText::Overflows: return false;
            case IntegerText::No: break;
        }
    }
    OpenKey key;
    if (key.Create(lngRootKey, strRegKeyPath) != ERROR_SUCCESS || !key.get()) return false;
    const std::wstring name = To_Wide(strRegValueName);
    if (number) {
        const DWORD v = static_cast<DWORD>(*number);
        return RegSetValueExW(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v) ==
               ERROR_SUCCESS;
    }
    const std::wstring wide = To_Wide(text);
    return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace crv
