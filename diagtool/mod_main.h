#pragma once
// Start-up helpers, the local checks and changes, the port test and the web
// link. Every routine with an error text traps its own errors, writes
// "<number>: <description>" into the text and returns its failure value.
#include <windows.h>

#include <cstdint>
#include <string>

#include "diagtool/diag_logic.h"

namespace crv::tessarine {

bool Init_Common_Controls();

bool Is_WMI_Installed(std::string& error_text);
// The State of the local Win32_Service of that name; empty when unknown.
std::string Get_Service_Status(const std::string& service, std::string& error_text);
bool Is_Service_Running(const std::string& service, std::string& error_text);
bool Start_Service(const std::string& service, std::string& error_text);

bool Is_Remote_Admin_Enabled(std::string& error_text);
bool Is_Firewall_Enabled(std::string& error_text);
bool Is_Port_Open(std::int32_t port, std::string& error_text);
bool Set_Remote_Admin(bool enabled, std::string& error_text);
bool Open_Firewall_Port(std::int32_t port, const std::string& name, std::string& error_text);
bool Close_Firewall_Port(std::int32_t port, std::string& error_text);

bool Is_Elevated(std::string& error_text);
bool Is_Token_Filter_Policy_On(std::string& error_text);
bool Set_Token_Filter_Policy(bool on);

// Connects to host:port and waits for the outcome while the window stays
// responsive; the socket state at the end of the wait.
std::int32_t Test_TCP_Port(const std::string& host, std::int32_t port, std::string& error_text);

// The shell's "open" of the target; its result.
INT_PTR Open_Web_Link(const std::string& target);

// The local computer as the button handlers see it.
class Win_Local_System : public Local_System {
public:
    explicit Win_Local_System(Prompts* prompts) : prompts_(prompts) {}
    bool Is_WMI_Installed(std::string& e) override { return tessarine::Is_WMI_Installed(e); }
    bool Is_Service_Running(const std::string& s, std::string& e) override { return tessarine::Is_Service_Running(s, e); }
    bool Is_Remote_Admin_Enabled(std::string& e) override { return tessarine::Is_Remote_Admin_Enabled(e); }
    bool Is_Firewall_Enabled(std::string& e) override { return tessarine::Is_Firewall_Enabled(e); }
    bool Is_Port_Open(std::int32_t p, std::string& e) override { return tessarine::Is_Port_Open(p, e); }
    std::string Get_OS_Version(const std::string& computer) override;
    bool Is_Elevated(std::string& e) override { return tessarine::Is_Elevated(e); }
    bool Is_Token_Filter_Policy_On(std::string& e) override { return tessarine::Is_Token_Filter_Policy_On(e); }
    bool Start_Service(const std::string& s, std::string& e) override { return tessarine::Start_Service(s, e); }
    bool Set_Remote_Admin(bool on, std::string& e) override { return tessarine::Set_Remote_Admin(on, e); }
    bool Open_Firewall_Port(std::int32_t p, const std::string& n, std::string& e) override {
        return tessarine::Open_Firewall_Port(p, n, e);
    }
    bool Close_Firewall_Port(std::int32_t p, std::string& e) override { return tessarine::Close_Firewall_Port(p, e); }
    bool Set_Token_Filter_Policy(bool on) override { return tessarine::Set_Token_Filter_Policy(on); }

private:
    Prompts* prompts_;
};

class Win_Port_Tester : public Port_Tester {
public:
    std::int32_t Test_TCP_Port(const std::string& host, std::int32_t port, std::string& error_text) override {
        return tessarine::Test_TCP_Port(host, port, error_text);
    }
};

}  // namespace crv::tessarine
