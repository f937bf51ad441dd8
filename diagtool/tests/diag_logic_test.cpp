// The decisions of Tessarine's handlers, run against a fake local system.
#include "diagtool/diag_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace crv::tessarine {
namespace {

struct Box {
    bool question;
    std::string text;
    Box_Icon icon;
    std::string title;
};

class Recording_Prompts : public Prompts {
public:
    std::vector<Box> boxes;
    std::deque<bool> answers;  // Yes when the queue runs dry
    void Tell(const std::string& text, Box_Icon icon, const std::string& title) override {
        boxes.push_back({false, text, icon, title});
    }
    bool Ask(const std::string& text, Box_Icon icon) override {
        boxes.push_back({true, text, icon, Program_Title});
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
};

struct Open_Port {
    std::int32_t port;
    std::string name;
    bool enabled;
};

// A computer whose settings the changes really change, so a later check sees them.
class Fake_System : public Local_System {
public:
    bool wmi_installed = true;
    bool service_running = true;
    bool firewall_reachable = true;
    bool remote_admin = true;
    bool firewall_on = true;
    std::vector<Open_Port> ports{{135, "DCOM135_TCP", true}};
    std::string os_version = "6.1.7601";
    bool elevated = true;
    bool policy_on = true;
    int start_result = 0;
    bool service_exists = true;
    bool registry_writable = true;
    std::vector<std::string> calls;

    bool Is_WMI_Installed(std::string&) override { return wmi_installed; }
    bool Is_Service_Running(const std::string& s, std::string&) override {
        calls.push_back("running " + s);
        return service_running;
    }
    bool Is_Remote_Admin_Enabled(std::string& e) override {
        if (!firewall_reachable) return Unreachable(e);
        return remote_admin;
    }
    bool Is_Firewall_Enabled(std::string& e) override {
        if (!firewall_reachable) return Unreachable(e);
        return firewall_on;
    }
    bool Is_Port_Open(std::int32_t port, std::string&) override {
        calls.push_back("port?");
        for (const auto& p : ports)
            if (p.port == port && p.enabled) return true;
        return false;
    }
    std::string Get_OS_Version(const std::string&) override { return os_version; }
    bool Is_Elevated(std::string&) override {
        calls.push_back("elevated?");
        return elevated;
    }
    bool Is_Token_Filter_Policy_On(std::string&) override {
        calls.push_back("policy?");
        return policy_on;
    }
    bool Start_Service(const std::string& s, std::string& e) override {
        calls.push_back("start " + s);
        if (!service_exists) return false;
        if (start_result != 0) return false;
        service_running = true;
        return true;
    }
    bool Set_Remote_Admin(bool on, std::string& e) override {
        calls.push_back(on ? "admin on" : "admin off");
        if (!firewall_reachable) return Unreachable(e);
        remote_admin = on;
        return true;
    }
    bool Open_Firewall_Port(std::int32_t port, const std::string& name, std::string& e) override {
        calls.push_back("open " + name);
        if (!firewall_reachable) return Unreachable(e);
        ports.push_back({port, name, true});
        return true;
    }
    bool Close_Firewall_Port(std::int32_t port, std::string& e) override {
        calls.push_back("close");
        for (auto& p : ports)
            if (p.port == port) p.enabled = false;
        return true;
    }
    bool Set_Token_Filter_Policy(bool on) override {
        calls.push_back(on ? "policy on" : "policy off");
        if (!registry_writable) return false;
        policy_on = on;
        return true;
    }

private:
    static bool Unreachable(std::string& e) {
        e = "-2147221005: Invalid class string";
        return false;
    }
};

const std::string Head = "The following problems are found that are stopping you from getting WMI remote connections.\r\n\r\n";

TEST(TessarineTexts, ErrorTextsAndReadings) {
    EXPECT_EQ(Error_Text(-2147467263, "Not implemented"), "-2147467263: Not implemented");
    EXPECT_EQ(Error_Text(10061, "refused"), "10061: refused");

    for (const char* off : {"", "0", "abc", " ", "-0", "0x1", "x1"}) EXPECT_FALSE(Policy_Text_Is_On(off)) << off;
    for (const char* on : {"1", "2", " 1", "-1", "1abc", "0.5"}) EXPECT_TRUE(Policy_Text_Is_On(on)) << on;
    EXPECT_DOUBLE_EQ(Leading_Number("  42 apples"), 42.0);

    EXPECT_TRUE(Version_Gate_Passes("5.2.3790"));
    EXPECT_TRUE(Version_Gate_Passes("6.1.7601"));
    EXPECT_TRUE(Version_Gate_Passes("10.0.19045"));  // numerically later, though below "5.2" as text
    EXPECT_FALSE(Version_Gate_Passes("5.1.2600"));
    EXPECT_FALSE(Version_Gate_Passes("5"));
    EXPECT_FALSE(Version_Gate_Passes(""));
    EXPECT_FALSE(Version_Gate_Passes("unknown"));

    EXPECT_TRUE(Has_High_Integrity("Mandatory Label\\High Mandatory Level  Label  S-1-16-12288\r\n"));
    EXPECT_TRUE(Has_High_Integrity("s-1-16-12288"));
    EXPECT_FALSE(Has_High_Integrity("Mandatory Label\\Medium Mandatory Level Label S-1-16-8192"));
    EXPECT_FALSE(Has_High_Integrity(""));
    EXPECT_FALSE(Has_High_Integrity("S-1-16-1228"));
}

TEST(TessarineTexts, SocketStatesAndHints) {
    EXPECT_EQ(Get_Socket_State_Text(0), "0: Socket Connection Refused");
    EXPECT_EQ(Get_Socket_State_Text(9), "9: Socket Error");
    EXPECT_EQ(Get_Socket_State_Text(4), "4: Socket un-specified error");
    EXPECT_EQ(Get_Socket_State_Text(-1), "-1: Socket un-specified error");
    for (int s : {3, 4, 5, 6}) EXPECT_TRUE(Socket_Still_Pending(s)) << s;
    for (int s : {0, 1, 7, 8, 9}) EXPECT_FALSE(Socket_Still_Pending(s)) << s;

    EXPECT_EQ(Connection_Hint(-2147024891, "-2147024891: Access is denied."),
              "-2147024891: Access is denied.\r\n\r\nPlease re-check your user name and password!");
    EXPECT_EQ(Connection_Hint(0x800706BA, "x"), "x\r\n\r\nCannot find remote computer!");
    EXPECT_EQ(Connection_Hint(-2147217405, "y"), "y");
}

TEST(TessarineDiagnose, ReportNumbersProblemsInOrderFound) {
    Fake_System sys;
    Recording_Prompts ui;
    EXPECT_EQ(Run_Diagnose(sys, ui), "No problems found that are stopping you from getting WMI remote connections.");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].icon, Box_Icon::Information);
    EXPECT_EQ(ui.boxes[0].title, "Tessarine");

    sys.wmi_installed = false;
    sys.remote_admin = false;
    EXPECT_EQ(Run_Diagnose(sys, ui),
              Head + "1. WMI not installed properly\r\n2. Remote administration is not allowed\r\n");

    Fake_System all_wrong;
    all_wrong.wmi_installed = false;
    all_wrong.service_running = false;
    all_wrong.remote_admin = false;
    all_wrong.ports = {{135, "DCOM135_TCP", false}, {80, "web", true}};
    all_wrong.policy_on = false;
    EXPECT_EQ(Run_Diagnose(all_wrong, ui),
              Head + "1. WMI not installed properly\r\n2. WMI service is not running\r\n"
                     "3. Remote administration is not allowed\r\n4. DCOM Port is blocked by Firewall\r\n"
                     "5. Account local filter policy is disabled\r\n");
}

TEST(TessarineDiagnose, GatesDecideWhatIsAsked) {
    Recording_Prompts ui;
    Fake_System off;  // firewall off: the port is never asked about
    off.firewall_on = false;
    off.ports.clear();
    off.elevated = false;  // not elevated: the policy is skipped without a line
    off.policy_on = false;
    EXPECT_EQ(Run_Diagnose(off, ui), "No problems found that are stopping you from getting WMI remote connections.");
    EXPECT_EQ(std::count(off.calls.begin(), off.calls.end(), "port?"), 0);
    EXPECT_EQ(std::count(off.calls.begin(), off.calls.end(), "policy?"), 0);

    Fake_System xp;  // below 5.2: neither elevation nor policy is asked
    xp.os_version = "5.1.2600";
    xp.policy_on = false;
    Run_Diagnose(xp, ui);
    EXPECT_EQ(std::count(xp.calls.begin(), xp.calls.end(), "elevated?"), 0);

    Fake_System mixed;  // one enabled 135 among others counts as open
    mixed.ports = {{80, "a", true}, {135, "b", false}, {135, "c", true}};
    EXPECT_EQ(Run_Diagnose(mixed, ui), "No problems found that are stopping you from getting WMI remote connections.");

    Fake_System unreachable;  // no firewall object: admin not allowed, firewall off
    unreachable.firewall_reachable = false;
    EXPECT_EQ(Run_Diagnose(unreachable, ui), Head + "1. Remote administration is not allowed\r\n");
}

TEST(TessarineFix, AsksOneStepAtATimeAndChanges) {
    Fake_System sys;
    Recording_Prompts ui;
    Run_Fix(sys, ui);
    EXPECT_TRUE(ui.boxes.empty());  // all well: nothing shown

    sys.service_running = false;
    sys.remote_admin = false;
    sys.ports.clear();
    sys.policy_on = false;
    Run_Fix(sys, ui);
    ASSERT_EQ(ui.boxes.size(), 4u);
    EXPECT_EQ(ui.boxes[0].text, "WMI service is not running!\r\n\r\nDo you want to start WMI service?");
    EXPECT_EQ(ui.boxes[1].text, "Remote administration is disabled!\r\n\r\nDo you want to allow remote adminstration?");
    EXPECT_EQ(ui.boxes[2].text, "DCOM port is blocked by the firewall!\r\n\r\nDo you want to allow the port through firewall?");
    EXPECT_EQ(ui.boxes[3].text, "UAC is turned on! Do you want to enable the Token Filter Policy to enable WMI remote connection?");
    for (const auto& b : ui.boxes) {
        EXPECT_TRUE(b.question);
        EXPECT_EQ(b.icon, Box_Icon::Exclamation);
    }
    EXPECT_TRUE(sys.service_running && sys.remote_admin && sys.policy_on);
    ASSERT_EQ(sys.ports.size(), 1u);
    EXPECT_EQ(sys.ports[0].name, "DCOM135_TCP");

    Recording_Prompts again;
    Run_Diagnose(sys, again);
    EXPECT_EQ(again.boxes[0].text, "No problems found that are stopping you from getting WMI remote connections.");
}

TEST(TessarineFix, NoAnswersAndFailures) {
    Fake_System sys;
    sys.service_running = false;
    sys.remote_admin = false;
    sys.ports.clear();
    sys.policy_on = false;
    Recording_Prompts no;
    no.answers = {false, false, false, false};
    Run_Fix(sys, no);
    EXPECT_EQ(no.boxes.size(), 4u);
    EXPECT_FALSE(sys.service_running || sys.remote_admin || sys.policy_on);
    EXPECT_TRUE(sys.ports.empty());

    // A failed start ends Fix before the later steps.
    sys.start_result = 10;
    Recording_Prompts yes;
    Run_Fix(sys, yes);
    ASSERT_EQ(yes.boxes.size(), 2u);
    EXPECT_EQ(yes.boxes[1].text, "Failed to start WMI service!\r\n\r\n");
    EXPECT_FALSE(yes.boxes[1].question);
    EXPECT_EQ(yes.boxes[1].icon, Box_Icon::Exclamation);
    EXPECT_EQ(std::count(sys.calls.begin(), sys.calls.end(), "admin on"), 0);

    // An unreachable firewall: the admin change fails with the firewall's error text.
    Fake_System fw;
    fw.firewall_reachable = false;
    Recording_Prompts ui;
    Run_Fix(fw, ui);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, "Failed to allow remote administration!\r\n\r\n-2147221005: Invalid class string");

    Fake_System missing;
    missing.wmi_installed = false;
    Recording_Prompts m;
    Run_Fix(missing, m);
    ASSERT_EQ(m.boxes.size(), 1u);
    EXPECT_EQ(m.boxes[0].text, "WMI is not properly installed! Please reinstall WMI.\r\n\r\n");

    Fake_System ro;  // the policy write fails: the message carries no error text of its own
    ro.policy_on = false;
    ro.registry_writable = false;
    Recording_Prompts r;
    Run_Fix(ro, r);
    ASSERT_EQ(r.boxes.size(), 2u);
    EXPECT_EQ(r.boxes[1].text, "Failed to enable WMI through UAC!\r\n\r\n");

    Fake_System low;  // not elevated: Fix does not ask about the policy
    low.elevated = false;
    low.policy_on = false;
    Recording_Prompts l;
    Run_Fix(low, l);
    EXPECT_TRUE(l.boxes.empty());

    Fake_System off;  // firewall off: no port question
    off.firewall_on = false;
    off.ports.clear();
    Recording_Prompts o;
    Run_Fix(off, o);
    EXPECT_TRUE(o.boxes.empty());
}

TEST(TessarineBlock, DisablesAndKeepsEntries) {
    Fake_System sys;
    sys.ports = {{135, "DCOM135_TCP", true}, {135, "Other", true}, {80, "web", true}};
    sys.elevated = false;  // Block asks about the policy all the same
    Recording_Prompts ui;
    Run_Block(sys, ui);
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text, "Remote administration is enabled!\r\n\r\nDo you want to disable remote adminstration?");
    EXPECT_EQ(ui.boxes[1].text, "DCOM port is allowed through the firewall!\r\n\r\nDo you want to disable the port through firewall?");
    EXPECT_EQ(ui.boxes[2].text, "UAC is turned on! Do you want to disable the Token Filter Policy?");
    for (const auto& b : ui.boxes) EXPECT_EQ(b.icon, Box_Icon::Question);
    EXPECT_FALSE(sys.remote_admin || sys.policy_on);
    ASSERT_EQ(sys.ports.size(), 3u);
    EXPECT_FALSE(sys.ports[0].enabled || sys.ports[1].enabled);
    EXPECT_TRUE(sys.ports[2].enabled);
    EXPECT_TRUE(sys.service_running);
    EXPECT_EQ(std::count(sys.calls.begin(), sys.calls.end(), "start winmgmt"), 0);

    Recording_Prompts later;
    Run_Diagnose(sys, later);
    sys.elevated = true;
    Run_Diagnose(sys, later);
    EXPECT_EQ(later.boxes[1].text, Head + "1. Remote administration is not allowed\r\n2. DCOM Port is blocked by Firewall\r\n"
                                          "3. Account local filter policy is disabled\r\n");

    Fake_System off;  // firewall off: no port question in Block either
    off.firewall_on = false;
    off.remote_admin = false;
    off.policy_on = false;
    Recording_Prompts o;
    Run_Block(off, o);
    EXPECT_TRUE(o.boxes.empty());
    EXPECT_EQ(std::count(off.calls.begin(), off.calls.end(), "port?"), 0);

    Fake_System ro;
    ro.remote_admin = false;
    ro.firewall_on = false;
    ro.registry_writable = false;
    Recording_Prompts r;
    Run_Block(ro, r);
    ASSERT_EQ(r.boxes.size(), 2u);
    EXPECT_EQ(r.boxes[1].text, "Failed to disable WMI through UAC!\r\n\r\n");
}

class Fixed_Tester : public Port_Tester {
public:
    std::int32_t state;
    std::string host_seen;
    explicit Fixed_Tester(std::int32_t s) : state(s) {}
    std::int32_t Test_TCP_Port(const std::string& host, std::int32_t port, std::string&) override {
        host_seen = host;
        return port == 135 ? state : -1;
    }
};

TEST(TessarineRemote, OnlyAConnectionShowsNothing) {
    Recording_Prompts ui;
    Fixed_Tester connected(7);
    EXPECT_EQ(Run_Remote_Test(connected, " host ", ui), "");
    EXPECT_EQ(connected.host_seen, " host ");  // passed on untrimmed
    EXPECT_TRUE(ui.boxes.empty());
    for (int s : {0, 6, 9}) {
        Fixed_Tester t(s);
        EXPECT_EQ(Run_Remote_Test(t, "h", ui), Get_Socket_State_Text(s));
    }
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text, "Cannot connect to remote computer");
    EXPECT_EQ(ui.boxes[0].icon, Box_Icon::None);
    EXPECT_FALSE(ui.boxes[0].question);
    EXPECT_EQ(ui.boxes[0].title, "Tessarine");
}

}  // namespace
}  // namespace crv::tessarine
