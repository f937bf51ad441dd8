#pragma once
// The update check's decisions: the running version, the addresses of the
// version service and the package, the reading of the server's reply, the
// comparison of versions and the texts. The HTTP request, the message boxes
// and the download dialog come in through UpdateHost, so the whole check runs
// against a fake natively and against a loopback server under Wine.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace crv {

inline constexpr std::string_view Update_Product_Code = "crv";
inline constexpr std::string_view Update_Package_File_Name = "Corvalin.zip";
inline constexpr std::string_view Update_Package_Extension = ".zip";

// Major.Minor.Revision of this build, e.g. "4.0.4004".
std::string Running_Version();

// base and path joined with exactly one "/" between them.
std::string Join_Web_Address(std::string_view base, std::string_view path);

// The maker's web server that answers the version service and serves the
// package: always Maker_Web_Address, except while a test has pointed it at a
// server of its own on 127.0.0.1. Nothing the user configures changes it.
std::string Update_Server_Address();
// Test seam: "" returns to the maker's address.
void Set_Update_Server_Address(std::string address);

std::string Version_Service_Address();  // server + "/fns/genfns.php"
std::string Update_Package_Address();   // server + "/downloads/crv/Corvalin.zip"

// "fn=getver&pn=<product>&pv=<version>", each value percent-encoded.
std::string Version_Query(std::string_view product_code, std::string_view version);

// The version in a reply body: the body trimmed of blanks and line ends must
// be one to four groups of one to nine digits joined by "." (a stray HTML
// page, an empty body, a run of digits too long to be a version number or
// any other text is no version).
std::optional<std::string> Parse_Version_Reply(std::string_view body);

// latest is newer than running when, compared part by part as numbers
// (Compare_Versions of core/runtime_files.h), it is larger.
bool Is_Newer_Version(std::string_view running, std::string_view latest);

// The check's texts.
std::string Update_Offer_Text(std::string_view latest);
std::string Most_Recent_Version_Text(std::string_view running);
inline constexpr std::string_view No_Update_Information_Text =
    "Unable to get update information at this time! Try again later.";
std::string Version_Panel_Text(std::string_view running);       // "Version: 4.0.4004"
std::string Update_Available_Panel_Text(std::string_view latest);  // "Update Available: 4.1.0"
std::string Download_Message_Text();                             // "Downloading Corvalin..."
inline constexpr std::string_view Download_Failed_Text =
    "Unable to download the new version at this time! The file was not downloaded. Try again later.";

// Message box styles of the check (the MessageBox bits).
inline constexpr int Update_Offer_Style = 68;          // Yes/No, information
inline constexpr int Update_Information_Style = 64;    // information
inline constexpr int Update_Failure_Style = 48;        // exclamation
inline constexpr int Update_Answer_Yes = 6;

// The longest reply of the version service that is read at all: a version
// takes a few bytes, and a longer reply is no version.
inline constexpr std::size_t Version_Reply_Limit = 4096;

// Called again and again while a request is pending: it lets the window's
// messages through and answers false once the wait is to end (the window
// closes, the user cancels). Empty: the request waits without it.
using Update_Wait = std::function<bool()>;

// What the check needs from the window side.
class UpdateHost {
public:
    virtual ~UpdateHost() = default;
    // GET url?query (url alone for an empty query) within the time limit;
    // true and the body only for status 200 with the whole body (as long as
    // its Content-Length) of at most Version_Reply_Limit bytes. While it
    // waits it calls `wait` and gives up when that answers false.
    virtual bool Http_Get(const std::string& url, const std::string& query, std::string& response,
                          const Update_Wait& wait) = 0;
    // A box titled "Corvalin"; returns the button pressed (6 Yes).
    virtual int Message_Box(const std::string& text, int style) = 0;
    // Runs the download dialog modally; exit_program comes back true only when
    // a package was downloaded and the shell opened it. Returns whether a file
    // was downloaded.
    virtual bool Show_Download(const std::string& message, const std::string& link, const std::string& extension,
                               bool install, bool& exit_program) = 0;
};

// Asks the version service; true and the latest version only for a 200 reply
// that holds a version.
bool Get_Latest_Version(UpdateHost& host, std::string_view product_code, std::string_view version,
                        std::string& latest, const Update_Wait& wait = {});

// The whole check; returns the text for the status bar's "Version" panel.
// The offer of a newer version is made even without showMessages. A wait
// that `wait` ended shows nothing: the window is closing or the user asked
// for something else.
std::string Check_For_Update(UpdateHost& host, bool showMessages, bool& exitProgram, const Update_Wait& wait = {});

}  // namespace crv
