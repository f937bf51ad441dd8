#pragma once
// Names that leave the program: pieces of file names, class and property
// names put into WQL, and the credentials the store keeps scrambled. Each
// test or cleaning lives here once, so every path that builds a file name or
// a query applies the same rule.
#include <cstddef>
#include <string>
#include <string_view>

namespace crv {

// A computer or report name made fit to stand in a file name: every
// character Windows refuses in a name (\ / : * ? " < > | and control
// characters) becomes "_", as does an ill-formed UTF-8 byte and a trailing
// "." or blank (which Windows would drop). A name that is a device name
// (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension) gets a
// leading "_"; an empty name gives "_". The result never names another
// folder, so a path built as folder + "\" + result stays in that folder.
std::string Clean_File_Name(std::string_view name);

// True for a WQL identifier: [A-Za-z_][A-Za-z0-9_]*. Only such class and
// property names are put into a query.
bool Is_Wql_Name(std::string_view name);

// WMI names are case-insensitive ("ProcessID" from one provider is the
// catalogue's "ProcessId"): a hash and an equality that fold ASCII case, for
// maps keyed by class or property name. The names that reach them are WQL
// identifiers, so ASCII is all there is to fold.
struct Wmi_Name_Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};
struct Wmi_Name_Equal {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// True when the text holds a control character (U+0000-U+001F, U+007F,
// U+0080-U+009F). The keyless scramble of stored credentials turns such a
// character into one the database cannot keep, so credentials holding one
// are refused.
bool Has_Control_Characters(std::string_view text);

// True for a name the computer list keeps: 1 to 100 characters, no blank,
// and no control character (a line break, U+000B or a tab cannot travel
// through the computer names file, nor through the packed fields the name
// is kept in: such a name would come back changed or not at all). The list
// manager's Add and Import and the device tree's rename all apply it.
bool Is_Valid_Computer_Name(std::string_view name);

}  // namespace crv
