#pragma once
// The per-user settings store: texts under
// HKEY_CURRENT_USER\Software\<app>\<section>, one value per key.
#include <string>
#include <string_view>

namespace crv {

// The stored text, or default_value when the key (or its section) is not
// there. A number stored by another writer reads as its decimal text.
std::string Get_Setting(std::string_view app, std::string_view section, std::string_view key,
                        std::string_view default_value = {});
// Writes the text, creating the section when needed. On failure returns
// false with the reason pending.
bool Save_Setting(std::string_view app, std::string_view section, std::string_view key, std::string_view value);
// Removes one key, or with no key the whole section. Removing what is not
// there succeeds.
bool Delete_Setting(std::string_view app, std::string_view section, std::string_view key);
bool Delete_Setting(std::string_view app, std::string_view section);

}  // namespace crv
