#include "core/update_check.h"

#include <vector>

#include "core/error.h"
#include "core/maker.h"
#include "core/runtime_files.h"
#include "core/version.h"

namespace crv {

namespace {

std::string& Server_Override() {
    static std::string address;
    return address;
}

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string_view> Split_Dots(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        parts.push_back(text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
        if (dot == std::string_view::npos) return parts;
        start = dot + 1;
    }
}

std::string Percent_Encode(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (Is_Digit(static_cast<char>(c)) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
            c == '.' || c == '_' || c == '~') {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}

}  // namespace

std::string Running_Version() {
    return std::to_string(CRV_VERSION_MAJOR) + "." + std::to_string(CRV_VERSION_MINOR) + "." +
           std::to_string(CRV_VERSION_REVISION);
}

std::string Join_Web_Address(std::string_view base, std::string_view path) {
    while (!base.empty() && base.back() == '/') base.remove_suffix(1);
    while (!path.empty() && path.front() == '/') path.remove_prefix(1);
    std::string out(base);
    out += '/';
    out += path;
    return out;
}

std::string Update_Server_Address() {
    return Server_Override().empty() ? std::string(Maker_Web_Address) : Server_Override();
}

void Set_Update_Server_Address(std::string address) { Server_Override() = std::move(address); }

std::string Version_Service_Address() { return Join_Web_Address(Update_Server_Address(), Version_Service_Path); }
std::string Update_Package_Address() { return Join_Web_Address(Update_Server_Address(), Update_Package_Path); }

std::string Version_Query(std::string_view product_code, std::string_view version) {
    return "fn=getver&pn=" + Percent_Encode(product_code) + "&pv=" + Percent_Encode(version);
}

std::optional<std::string> Parse_Version_Reply(std::string_view body) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    // A UTF-8 byte-order mark some servers put before a text body.
    if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
    while (!body.empty() && blank(body.front())) body.remove_prefix(1);
    while (!body.empty() && blank(body.back())) body.remove_suffix(1);
    if (body.empty()) return std::nullopt;
    const auto parts = Split_Dots(body);
    if (parts.size() > 4) return std::nullopt;
    for (std::string_view part : parts) {
        if (part.empty() || part.size() > 9) return std::nullopt;
        for (char c : part)
            if (!Is_Digit(c)) return std::nullopt;
    }
    return std::string(body);
}

bool Is_Newer_Version(std::string_view running, std::string_view latest) {
    return Compare_Versions(latest, running) > 0;
}

std::string Update_Offer_Text(std::string_view latest) {
    return "A new version (ver. " + std::string(latest) +
           ") is available for download. Do you want to download & install the new version?";
}

std::string Most_Recent_Version_Text(std::string_view running) {
    return "You are running the most recent version (ver. " + std::string(running) + ") of " +
           std::string(Product_Name) + "!";
}

std::string Version_Panel_Text(std::string_view running) { return "Version: " + std::string(running); }
std::string Update_Available_Panel_Text(std::string_view latest) { return "Update Available: " + std::string(latest); }
std::string Download_Message_Text() { return "Downloading " + std::string(Product_Name) + "..."; }

bool Get_Latest_Version(UpdateHost& host, std::string_view product_code, std::string_view version,
                        std::string& latest, const Update_Wait& wait) {
    latest.clear();
    std::string body;
    if (!host.Http_Get(Version_Service_Address(), Version_Query(product_code, version), body, wait)) return false;
    if (body.size() > Version_Reply_Limit) return false;
    auto parsed = Parse_Version_Reply(body);
    if (!parsed) return false;
    latest = std::move(*parsed);
    return true;
}

std::string Check_For_Update(UpdateHost& host, bool showMessages, bool& exitProgram, const Update_Wait& wait) {
    const std::string running = Running_Version();
    std::string status = Version_Panel_Text(running);
    std::string latest;
    // Once the wait has been ended it stays ended, whatever the host asks.
    bool ended = false;
    Update_Wait watched;
    if (wait)
        watched = [&] {
            if (!ended && !wait()) ended = true;
            return !ended;
        };
    if (!Get_Latest_Version(host, Update_Product_Code, running, latest, watched) || ended) {
        if (showMessages && !ended) host.Message_Box(std::string(No_Update_Information_Text), Update_Failure_Style);
        return status;
    }
    if (Is_Newer_Version(running, latest)) {
        if (host.Message_Box(Update_Offer_Text(latest), Update_Offer_Style) == Update_Answer_Yes) {
            bool exit_flag = false;
            host.Show_Download(Download_Message_Text(), Update_Package_Address(), std::string(Update_Package_Extension),
                               true, exit_flag);
            exitProgram = exit_flag;
        }
        status = Update_Available_Panel_Text(latest);
    } else if (showMessages) {
        host.Message_Box(Most_Recent_Version_Text(running), Update_Information_Style);
    }
    return status;
}

}  // namespace crv
