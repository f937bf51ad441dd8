#include "dialogs/computer_names_file.h"

#include "core/names.h"
#include "core/utf.h"

namespace crv {

namespace {

bool Is_Blank(char c) { return c == ' ' || c == '\t'; }
bool Is_Line_End(char c) { return c == '\r' || c == '\n'; }
bool Is_Separator(char c) { return c == ',' || Is_Line_End(c); }

// Well-formed UTF-8 holding at least one multi-byte character.
bool Is_Non_Ascii_Utf8(std::string_view s) {
    bool multi = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        multi = true;
        i += extra + 1;
    }
    return multi;
}

// A name that would not read back as it stands: one holding a separator or a
// quote, or one with blanks at either end (which reading drops).
bool Needs_Quotes(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (Is_Separator(c) || c == '"') return true;
    return Is_Blank(name.front()) || Is_Blank(name.back());
}

// Ill-formed sequences become U+FFFD, so what follows sees valid UTF-8.
std::string Clean_Utf8(std::string_view s) { return Utf16_To_Utf8(Utf8_To_Utf16(s)); }

}  // namespace

std::string Decode_Names_File(const std::string& bytes,
                              const std::function<std::string(const std::string&)>& from_ansi) {
    std::string_view b(bytes);
    if (b.substr(0, 3) == "\xEF\xBB\xBF") return Clean_Utf8(b.substr(3));
    if (b.substr(0, 2) == "\xFF\xFE") {
        std::u16string wide;
        wide.reserve((b.size() - 2) / 2);
        for (std::size_t i = 2; i + 1 < b.size(); i += 2)
            wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(b[i]) |
                                                 (static_cast<unsigned char>(b[i + 1]) << 8)));
        return Utf16_To_Utf8(wide);
    }
    if (Is_Non_Ascii_Utf8(b)) return bytes;
    return from_ansi ? from_ansi(bytes) : Clean_Utf8(b);
}

std::vector<std::string> Split_Names_File(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        while (i < n && Is_Blank(text[i])) ++i;
        std::string field;
        if (i < n && text[i] == '"') {
            // Two quotes inside the quotes stand for one.
            ++i;
            while (i < n) {
                if (text[i] != '"') {
                    field += text[i++];
                } else if (i + 1 < n && text[i + 1] == '"') {
                    field += '"';
                    i += 2;
                } else {
                    ++i;
                    break;
                }
            }
            while (i < n && !Is_Separator(text[i])) ++i;
        } else {
            const std::size_t start = i;
            while (i < n && !Is_Separator(text[i])) ++i;
            std::size_t end = i;
            while (end > start && Is_Blank(text[end - 1])) --end;
            field.assign(text.substr(start, end - start));
        }
        fields.push_back(std::move(field));
        if (i < n) {
            if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            ++i;
        }
    }
    return fields;
}

bool Has_Control_Character(std::string_view utf8) { return Has_Control_Characters(utf8); }

std::string Names_File_Text(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        if (Needs_Quotes(name)) {
            text += '"';
            for (char c : name) {
                if (c == '"') text += '"';
                text += c;
            }
            text += '"';
        } else {
            text += name;
        }
        text += "\r\n";
    }
    return text;
}

std::string With_Text_Extension(const std::string& path, bool& appended) {
    const std::size_t sep = path.find_last_of("\\/:");
    const std::size_t name_start = sep == std::string::npos ? 0 : sep + 1;
    const std::size_t dot = path.find_last_of('.');
    appended = dot == std::string::npos || dot < name_start || dot + 1 == path.size();
    if (!appended) return path;
    std::string out = path;
    while (!out.empty() && out.size() > name_start && out.back() == '.') out.pop_back();  // Windows drops them
    return out + ".txt";
}

}  // namespace crv
