#include "diagtool/diag_logic.h"

#include <cctype>

namespace crv::tessarine {

namespace {

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Reads the digits at pos as a whole number, moving pos past them; -1 when
// there are none.
long long Read_Whole(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || !Is_Digit(text[pos])) return -1;
    long long value = 0;
    while (pos < text.size() && Is_Digit(text[pos])) {
        if (value < 100000000000LL) value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return value;
}

std::string Failure(const char* line, const std::string& error_text) {
    return std::string(line) + Crlf + Crlf + error_text;
}

}  // namespace

std::string Error_Text(std::int64_t number, std::string_view description) {
    return std::to_string(number) + ": " + std::string(description);
}

double Leading_Number(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') sign = -1.0;
        ++i;
    }
    double value = 0.0;
    bool any = false;
    while (i < text.size() && Is_Digit(text[i])) {
        value = value * 10.0 + (text[i] - '0');
        any = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && Is_Digit(text[i])) {
            value += (text[i] - '0') * scale;
            scale /= 10.0;
            any = true;
            ++i;
        }
    }
    return any ? sign * value : 0.0;
}

bool Policy_Text_Is_On(std::string_view value_text) { return Leading_Number(value_text) != 0.0; }

bool Version_Gate_Passes(std::string_view version) {
    std::size_t pos = 0;
    while (pos < version.size() && version[pos] == ' ') ++pos;
    const long long major = Read_Whole(version, pos);
    if (major < 0) return false;
    long long minor = 0;
    if (pos < version.size() && version[pos] == '.') {
        ++pos;
        const long long m = Read_Whole(version, pos);
        if (m > 0) minor = m;
    }
    return major > 5 || (major == 5 && minor >= 2);
}

bool Has_High_Integrity(std::string_view whoami_output) {
    const std::string_view sid = High_Integrity_Sid;
    if (whoami_output.size() < sid.size()) return false;
    for (std::size_t i = 0; i + sid.size() <= whoami_output.size(); ++i) {
        std::size_t k = 0;
        while (k < sid.size() && Lower(whoami_output[i + k]) == Lower(sid[k])) ++k;
        if (k == sid.size()) return true;
    }
    return false;
}

std::string Get_Socket_State_Text(std::int32_t state) {
    const char* text;
    switch (state) {
        case Socket_Closed: text = ": Socket Connection Refused"; break;
        case Socket_Connection_Pending: text = ": Socket Connection Pending"; break;
        case Socket_Connecting: text = ": Socket Connecting"; break;
        case Socket_Connected: text = ": Socket Connected"; break;
        case Socket_Error: text = ": Socket Error"; break;
        default: text = ": Socket un-specified error"; break;
    }
    return std::to_string(state) + text;
}

bool Socket_Still_Pending(std::int32_t state) {
    return state == Socket_Connection_Pending || state == Socket_Resolving_Host || state == Socket_Host_Resolved ||
           state == Socket_Connecting;
}

std::string Connection_Hint(std::int64_t error_number, const std::string& error_text) {
    // Error numbers are the HRESULT read as a signed 32-bit value.
    const auto code = static_cast<std::uint32_t>(static_cast<std::int32_t>(error_number));
    if (code == 0x80070005u) return error_text + Crlf + Crlf + "Please re-check your user name and password!";
    if (code == 0x800706BAu) return error_text + Crlf + Crlf + "Cannot find remote computer!";
    return error_text;
}

std::string Diagnose_Report(const std::vector<std::string>& problems) {
    if (problems.empty()) return "No problems found that are stopping you from getting WMI remote connections.";
    std::string report = "The following problems are found that are stopping you from getting WMI remote connections.";
    report += Crlf;
    report += Crlf;
    int number = 0;
    for (const auto& line : problems) report += std::to_string(++number) + line + Crlf;
    return report;
}

std::string Run_Diagnose(Local_System& system, Prompts& prompts) {
    std::string error_text;
    std::vector<std::string> problems;
    if (!system.Is_WMI_Installed(error_text)) problems.emplace_back(". WMI not installed properly");
    if (!system.Is_Service_Running(Wmi_Service_Name, error_text)) problems.emplace_back(". WMI service is not running");
    if (!system.Is_Remote_Admin_Enabled(error_text)) problems.emplace_back(". Remote administration is not allowed");
    if (system.Is_Firewall_Enabled(error_text) && !system.Is_Port_Open(Dcom_Port, error_text))
        problems.emplace_back(". DCOM Port is blocked by Firewall");
    if (Version_Gate_Passes(system.Get_OS_Version(".")) && system.Is_Elevated(error_text) &&
        !system.Is_Token_Filter_Policy_On(error_text))
        problems.emplace_back(". Account local filter policy is disabled");
    std::string report = Diagnose_Report(problems);
    prompts.Tell(report, Box_Icon::Information, Program_Title);
    return report;
}

void Run_Fix(Local_System& system, Prompts& prompts) {
    std::string error_text;
    const auto fail = [&](const char* line) { prompts.Tell(Failure(line, error_text), Box_Icon::Exclamation, Program_Title); };
    const auto ask = [&](const std::string& text) { return prompts.Ask(text, Box_Icon::Exclamation); };

    if (!system.Is_WMI_Installed(error_text)) {
        fail("WMI is not properly installed! Please reinstall WMI.");
        return;
    }
    if (!system.Is_Service_Running(Wmi_Service_Name, error_text) &&
        ask(std::string("WMI service is not running!") + Crlf + Crlf + "Do you want to start WMI service?") &&
        !system.Start_Service(Wmi_Service_Name, error_text)) {
        fail("Failed to start WMI service!");
        return;
    }
    if (!system.Is_Remote_Admin_Enabled(error_text) &&
        ask(std::string("Remote administration is disabled!") + Crlf + Crlf + "Do you want to allow remote adminstration?") &&
        !system.Set_Remote_Admin(true, error_text)) {
        fail("Failed to allow remote administration!");
        return;
    }
    if (system.Is_Firewall_Enabled(error_text) && !system.Is_Port_Open(Dcom_Port, error_text) &&
        ask(std::string("DCOM port is blocked by the firewall!") + Crlf + Crlf + "Do you want to allow the port through firewall?") &&
        !system.Open_Firewall_Port(Dcom_Port, Dcom_Entry_Name, error_text)) {
        fail("Failed to add port to firewall exception!");
        return;
    }
    if (Version_Gate_Passes(system.Get_OS_Version(".")) && system.Is_Elevated(error_text) &&
        !system.Is_Token_Filter_Policy_On(error_text) &&
        ask("UAC is turned on! Do you want to enable the Token Filter Policy to enable WMI remote connection?") &&
        !system.Set_Token_Filter_Policy(true)) {
        fail("Failed to enable WMI through UAC!");
        return;
    }
}

void Run_Block(Local_System& system, Prompts& prompts) {
    std::string error_text;
    const auto fail = [&](const char* line) { prompts.Tell(Failure(line, error_text), Box_Icon::Exclamation, Program_Title); };
    const auto ask = [&](const std::string& text) { return prompts.Ask(text, Box_Icon::Question); };

    if (system.Is_Remote_Admin_Enabled(error_text) &&
        ask(std::string("Remote administration is enabled!") + Crlf + Crlf + "Do you want to disable remote adminstration?") &&
        !system.Set_Remote_Admin(false, error_text)) {
        fail("Failed to disable remote administration!");
        return;
    }
    if (system.Is_Firewall_Enabled(error_text) && system.Is_Port_Open(Dcom_Port, error_text) &&
        ask(std::string("DCOM port is allowed through the firewall!") + Crlf + Crlf + "Do you want to disable the port through firewall?") &&
        !system.Close_Firewall_Port(Dcom_Port, error_text)) {
        fail("Failed to remove port from firewall exception!");
        return;
    }
    if (Version_Gate_Passes(system.Get_OS_Version(".")) && system.Is_Token_Filter_Policy_On(error_text) &&
        ask("UAC is turned on! Do you want to disable the Token Filter Policy?") && !system.Set_Token_Filter_Policy(false)) {
        fail("Failed to disable WMI through UAC!");
        return;
    }
}

std::string Run_Remote_Test(Port_Tester& tester, const std::string& host, Prompts& prompts) {
    std::string error_text;
    const std::int32_t state = tester.Test_TCP_Port(host, Dcom_Port, error_text);
    if (state == Socket_Connected) return error_text;
    error_text = Get_Socket_State_Text(state);
    prompts.Tell(Cannot_Connect_Text, Box_Icon::None, Program_Title);
    return error_text;
}

}  // namespace crv::tessarine
