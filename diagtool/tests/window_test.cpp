// The real window in this process, driven through messages, against the real
// local system (under Wine: the test's own prefix). The boxes are answered by
// the test instead of a user.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "diagtool/frm_main.h"
#include "diagtool/mod_main.h"
#include "diagtool/mod_registry.h"
#include "diagtool/mod_wmi.h"
#include "diagtool/resource.h"
#include "diagtool/win_support.h"

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
    std::deque<bool> answers;
    void Tell(const std::string& text, Box_Icon icon, const std::string& title) override {
        boxes.push_back({false, text, icon, title});
    }
    bool Ask(const std::string& text, Box_Icon icon) override {
        boxes.push_back({true, text, icon, Program_Title});
        const bool a = answers.empty() ? false : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
};

// The real TCP test, aimed at the test's own port instead of the DCOM port.
class Redirecting_Tester : public Port_Tester {
public:
    std::int32_t port = 0;
    std::int32_t asked_port = 0;
    std::int32_t Test_TCP_Port(const std::string& host, std::int32_t p, std::string& error_text) override {
        asked_port = p;
        return tessarine::Test_TCP_Port(host, port, error_text);
    }
};

// A TCP listener on 127.0.0.1 at a free port chosen by the system.
class Listener {
public:
    explicit Listener(int backlog = 4) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        if (bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(socket_, backlog) == 0) {
            int size = sizeof address;
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size);
            port_ = ntohs(address.sin_port);
        }
    }
    ~Listener() {
        Stop();
        WSACleanup();
    }
    void Stop() {
        for (SOCKET s : fillers_) closesocket(s);
        fillers_.clear();
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
        socket_ = INVALID_SOCKET;
    }
    int Port() const { return port_; }
    // Fills the queue of a listener that never accepts until a further
    // attempt goes unanswered; false when the stack answers them all.
    bool Fill_Queue() {
        for (int i = 0; i < 16; ++i) {
            SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
            u_long non_blocking = 1;
            ioctlsocket(s, FIONBIO, &non_blocking);
            sockaddr_in address = {};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<u_short>(port_));
            connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
            fillers_.push_back(s);
            fd_set writable;
            FD_ZERO(&writable);
            FD_SET(s, &writable);
            timeval wait = {0, 300000};
            if (select(0, nullptr, &writable, nullptr, &wait) == 0) return true;
        }
        return false;
    }

private:
    SOCKET socket_ = INVALID_SOCKET;
    int port_ = 0;
    std::vector<SOCKET> fillers_;
};

std::string Text_Of(HWND control) {
    wchar_t text[512] = {};
    GetWindowTextW(control, text, 512);
    return Narrow(text);
}

class TessarineWindow : public testing::Test {
protected:
    void SetUp() override {
        Init_Common_Controls();
        form = std::make_unique<Frm_Main>(GetModuleHandleW(nullptr), &ui, nullptr, &tester);
        ASSERT_TRUE(form->Create());
        Set_Dialog_Window(form->Hwnd());
        form->Set_On_Unload([this] { ++unloads; });
        form->Show(SW_SHOWNORMAL);
    }
    void TearDown() override {
        form.reset();
        Set_Dialog_Window(nullptr);
    }
    void Click(int id) { SendMessageW(form->Control(id), BM_CLICK, 0, 0); }

    Com_Apartment com;
    Recording_Prompts ui;
    Redirecting_Tester tester;
    std::unique_ptr<Frm_Main> form;
    int unloads = 0;
};

TEST_F(TessarineWindow, ShowsItsControls) {
    EXPECT_EQ(Text_Of(form->Hwnd()), "Tessarine");
    EXPECT_EQ(Text_Of(form->Control(IDC_LBL_VERSION)), "Version: 1.0");
    EXPECT_EQ(form->lblVTWeb_Tag(), "https://www.veltrane.com/?sc=tsrn");
    EXPECT_EQ(SendMessageW(form->Control(IDC_TXT_PWD), EM_GETPASSWORDCHAR, 0, 0), L'*');

    // Both Diagnose buttons carry the tool tip, trailing blank and all.
    HWND tip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM lp) -> BOOL {
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (std::wstring(cls) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(lp) = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
    for (int id : {IDC_CMD_DIAGNOSE, IDC_CMD_DIAGNOSE_REMOTE}) {
        wchar_t text[128] = {};
        TOOLINFOW info = {};
        info.cbSize = sizeof info;
        info.hwnd = form->Hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(form->Control(id));
        info.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(Narrow(text), "Diagnose your computer for settings ");
    }
}

TEST_F(TessarineWindow, LocalChecksReadWineAsItIs) {
    std::string error;
    EXPECT_TRUE(Is_WMI_Installed(error));
    EXPECT_FALSE(Is_Elevated(error));  // whoami runs but lists no groups under Wine
    EXPECT_EQ(error, "");
    EXPECT_FALSE(Is_Firewall_Enabled(error));
    EXPECT_EQ(error, "");  // the firewall reads as off, not as a failure
    EXPECT_FALSE(Is_Remote_Admin_Enabled(error));
    EXPECT_EQ(error.rfind("-2147467263: ", 0), 0u) << error;  // not implemented under Wine
    const std::string version = Get_OS_Version(".", &ui);
    EXPECT_FALSE(version.empty());
    EXPECT_TRUE(ui.boxes.empty());
    std::string none;
    EXPECT_EQ(Get_Service_Status("NoSuchServiceAtAll", none), "");
    EXPECT_FALSE(Start_Service("NoSuchServiceAtAll", none));
    EXPECT_NE(Get_Service_Status("winmgmt", none), "");

    Click(IDC_CMD_DIAGNOSE);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_FALSE(ui.boxes[0].question);
    EXPECT_EQ(ui.boxes[0].icon, Box_Icon::Information);
    EXPECT_EQ(ui.boxes[0].title, "Tessarine");
    // Wine's service reads as stopped and its firewall has no remote
    // administration; whoami lists no high integrity group, so the policy
    // step is skipped.
    EXPECT_EQ(ui.boxes[0].text,
              "The following problems are found that are stopping you from getting WMI remote connections.\r\n\r\n"
              "1. WMI service is not running\r\n2. Remote administration is not allowed\r\n");
}

TEST_F(TessarineWindow, FixStopsAtTheFirewallFailure) {
    ui.answers = {false, true, true, true};
    Click(IDC_CMD_FIX);
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text, "WMI service is not running!\r\n\r\nDo you want to start WMI service?");
    EXPECT_EQ(ui.boxes[1].text, "Remote administration is disabled!\r\n\r\nDo you want to allow remote adminstration?");
    EXPECT_EQ(ui.boxes[2].text.rfind("Failed to allow remote administration!\r\n\r\n-2147467263: ", 0), 0u)
        << ui.boxes[2].text;
    EXPECT_EQ(ui.boxes[2].icon, Box_Icon::Exclamation);
}

TEST_F(TessarineWindow, TokenFilterPolicyInTheRegistry) {
    const std::string path = Policy_Value_Path;
    std::string error;
    ASSERT_TRUE(Set_Token_Filter_Policy(true));
    EXPECT_EQ(Reg_Read(path), "1");
    EXPECT_TRUE(Is_Token_Filter_Policy_On(error));

    // Block asks about the policy even though the process is not at the high
    // integrity level, and turns it off.
    ui.answers = {true};
    Click(IDC_CMD_BLOCK_WMI);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "UAC is turned on! Do you want to disable the Token Filter Policy?");
    EXPECT_EQ(ui.boxes[0].icon, Box_Icon::Question);
    EXPECT_EQ(Reg_Read(path), "0");
    EXPECT_FALSE(Is_Token_Filter_Policy_On(error));

    ASSERT_TRUE(Reg_Write(path, "2", "REG_DWORD"));
    EXPECT_TRUE(Is_Token_Filter_Policy_On(error));
    ASSERT_TRUE(Reg_Write(path, "abc", "REG_SZ"));
    EXPECT_FALSE(Is_Token_Filter_Policy_On(error));
    EXPECT_FALSE(Reg_Write(path, "1", "REG_BINARY"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\system", 0,
                            KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    RegDeleteValueW(key, L"LocalAccountTokenFilterPolicy");
    RegCloseKey(key);
    EXPECT_EQ(Reg_Read(path), "");
    EXPECT_FALSE(Is_Token_Filter_Policy_On(error));
    EXPECT_EQ(Reg_Read("HKLM\\SOFTWARE\\No\\Such\\Key\\Value"), "");
    EXPECT_EQ(Reg_Read("nonsense"), "");
}

TEST_F(TessarineWindow, RemoteTestAgainstLocalPorts) {
    Listener listener;
    ASSERT_NE(listener.Port(), 0);
    tester.port = listener.Port();

    SetWindowTextW(form->Control(IDC_TXT_COMPUTER), L"127.0.0.1");
    SetWindowTextW(form->Control(IDC_TXT_UN), L"someone");
    SetWindowTextW(form->Control(IDC_TXT_PWD), L"secret");
    Click(IDC_CMD_DIAGNOSE_REMOTE);
    EXPECT_EQ(tester.asked_port, 135);
    EXPECT_TRUE(ui.boxes.empty()) << ui.boxes[0].text;

    // The same port once nothing listens there any more.
    listener.Stop();
    Click(IDC_CMD_DIAGNOSE_REMOTE);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Cannot connect to remote computer");
    EXPECT_EQ(ui.boxes[0].icon, Box_Icon::None);
    EXPECT_EQ(ui.boxes[0].title, "Tessarine");
    EXPECT_NE(form->Remote_Error_Text(), "7: Socket Connected");

    SetWindowTextW(form->Control(IDC_TXT_COMPUTER), L"");
    Click(IDC_CMD_DIAGNOSE_REMOTE);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, "Cannot connect to remote computer");
    EXPECT_EQ(form->Remote_Error_Text(), "0: Socket Connection Refused");
}

TEST_F(TessarineWindow, UnansweredAttemptEndsAfterTheWaitWhileTheWindowWorks) {
    Listener listener(0);
    ASSERT_NE(listener.Port(), 0);
    if (!listener.Fill_Queue()) GTEST_SKIP() << "the loopback stack answers every attempt";
    tester.port = listener.Port();
    SetWindowTextW(form->Control(IDC_TXT_COMPUTER), L"127.0.0.1");
    // A press of Diagnose while the test waits runs inside the wait.
    PostMessageW(form->Control(IDC_CMD_DIAGNOSE), BM_CLICK, 0, 0);
    const DWORD start = GetTickCount();
    Click(IDC_CMD_DIAGNOSE_REMOTE);
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 4500u);
    EXPECT_LT(took, 15000u);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text.rfind("The following problems are found", 0), 0u) << ui.boxes[0].text;
    EXPECT_EQ(ui.boxes[1].text, "Cannot connect to remote computer");
    EXPECT_EQ(form->Remote_Error_Text(), "6: Socket Connecting");
}

TEST_F(TessarineWindow, ClosingDuringTheWaitEndsQuietly) {
    Listener listener(0);
    ASSERT_NE(listener.Port(), 0);
    if (!listener.Fill_Queue()) GTEST_SKIP() << "the loopback stack answers every attempt";
    tester.port = listener.Port();
    SetWindowTextW(form->Control(IDC_TXT_COMPUTER), L"127.0.0.1");
    PostMessageW(form->Control(IDC_CMD_CLOSE), BM_CLICK, 0, 0);
    Click(IDC_CMD_DIAGNOSE_REMOTE);
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(TessarineWindow, PortTestStates) {
    Listener listener;
    ASSERT_NE(listener.Port(), 0);
    std::string error;
    EXPECT_EQ(Test_TCP_Port("127.0.0.1", listener.Port(), error), 7);
    EXPECT_EQ(error, "");
    const int port = listener.Port();
    listener.Stop();
    EXPECT_EQ(Test_TCP_Port("127.0.0.1", port, error), 9);
    EXPECT_EQ(error.rfind("10061: ", 0), 0u) << error;  // refused
    std::string empty_error;
    EXPECT_EQ(Test_TCP_Port("", 135, empty_error), 0);
    EXPECT_FALSE(empty_error.empty());
}

TEST_F(TessarineWindow, LocalWmiLogonAndClose) {
    std::string error;
    EXPECT_EQ(Test_WMI_Connection("", ".", "", "", error), 0) << error;
    EXPECT_EQ(error, "");

    Click(IDC_CMD_CLOSE);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(form->Hwnd(), nullptr);
}

}  // namespace
}  // namespace crv::tessarine
