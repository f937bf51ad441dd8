#pragma once
// Tessarine's decisions and texts, free of Windows: the report of the local
// checks, the questions and failure lines of Fix and Block, the socket state
// texts and the readings of registry, version and whoami output. The Windows
// side supplies the checks, the changes and the message boxes through the
// interfaces below, so every road through the handlers can be run against a
// fake as well as against the real system.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace crv::tessarine {

inline constexpr const char* Program_Title = "Tessarine";
inline constexpr const char* Wmi_Service_Name = "winmgmt";
inline constexpr std::int32_t Dcom_Port = 135;
inline constexpr const char* Dcom_Entry_Name = "DCOM135_TCP";
inline constexpr const char* Policy_Value_Path =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\system\\LocalAccountTokenFilterPolicy";
inline constexpr const char* High_Integrity_Sid = "S-1-16-12288";
inline constexpr const char* Cannot_Connect_Text = "Cannot connect to remote computer";
inline constexpr const char* Crlf = "\r\n";

// Socket states as the connection layer numbers them.
enum Socket_State : std::int32_t {
    Socket_Closed = 0,
    Socket_Open = 1,
    Socket_Listening = 2,
    Socket_Connection_Pending = 3,
    Socket_Resolving_Host = 4,
    Socket_Host_Resolved = 5,
    Socket_Connecting = 6,
    Socket_Connected = 7,
    Socket_Closing = 8,
    Socket_Error = 9,
};

// "<number in decimal>: <description>", the form every trapped error takes.
std::string Error_Text(std::int64_t number, std::string_view description);

// The leading number of a text: blanks skipped, an optional sign, digits and
// an optional fraction; "" and text without leading digits read as 0.
double Leading_Number(std::string_view text);

// The token filter policy is on when its value, read as text, is a non-zero number.
bool Policy_Text_Is_On(std::string_view value_text);

// True when the operating system version ("6.1.7601") is 5.2 or later,
// compared by its numeric major and minor parts; an empty or unreadable
// version does not pass.
bool Version_Gate_Passes(std::string_view version);

// True when whoami's group listing names the high integrity level
// (case-insensitive, anywhere in the output).
bool Has_High_Integrity(std::string_view whoami_output);

// "<state>: <text>" for a socket state.
std::string Get_Socket_State_Text(std::int32_t state);

// True while a connection attempt has not come to an outcome yet.
bool Socket_Still_Pending(std::int32_t state);

// The logon test's error text with its hint for access denied and for an RPC
// server that cannot be reached; other results keep the error text as it is.
std::string Connection_Hint(std::int64_t error_number, const std::string& error_text);

// The Diagnose report for the problem lines found (texts beginning with ". ").
std::string Diagnose_Report(const std::vector<std::string>& problems);

// The checks and changes of the local computer. Every member that takes an
// error text writes into it when it traps an error and then returns its
// failure value.
class Local_System {
public:
    virtual ~Local_System() = default;
    virtual bool Is_WMI_Installed(std::string& error_text) = 0;
    virtual bool Is_Service_Running(const std::string& service, std::string& error_text) = 0;
    virtual bool Is_Remote_Admin_Enabled(std::string& error_text) = 0;
    virtual bool Is_Firewall_Enabled(std::string& error_text) = 0;
    virtual bool Is_Port_Open(std::int32_t port, std::string& error_text) = 0;
    virtual std::string Get_OS_Version(const std::string& computer) = 0;
    virtual bool Is_Elevated(std::string& error_text) = 0;
    virtual bool Is_Token_Filter_Policy_On(std::string& error_text) = 0;
    virtual bool Start_Service(const std::string& service, std::string& error_text) = 0;
    virtual bool Set_Remote_Admin(bool enabled, std::string& error_text) = 0;
    virtual bool Open_Firewall_Port(std::int32_t port, const std::string& name, std::string& error_text) = 0;
    virtual bool Close_Firewall_Port(std::int32_t port, std::string& error_text) = 0;
    virtual bool Set_Token_Filter_Policy(bool on) = 0;
};

enum class Box_Icon { None, Information, Exclamation, Question };

// The message boxes of the window.
class Prompts {
public:
    virtual ~Prompts() = default;
    // A box with the OK button only.
    virtual void Tell(const std::string& text, Box_Icon icon, const std::string& title) = 0;
    // A box with Yes and No, titled with the program's title; true for Yes.
    virtual bool Ask(const std::string& text, Box_Icon icon) = 0;
};

// The TCP connection test: the socket state after the wait.
class Port_Tester {
public:
    virtual ~Port_Tester() = default;
    virtual std::int32_t Test_TCP_Port(const std::string& host, std::int32_t port, std::string& error_text) = 0;
};

// The button handlers' logic; each press owns its error text.
std::string Run_Diagnose(Local_System& system, Prompts& prompts);
void Run_Fix(Local_System& system, Prompts& prompts);
void Run_Block(Local_System& system, Prompts& prompts);
// Returns the handler's error text (the state text when the test failed).
std::string Run_Remote_Test(Port_Tester& tester, const std::string& host, Prompts& prompts);

}  // namespace crv::tessarine
