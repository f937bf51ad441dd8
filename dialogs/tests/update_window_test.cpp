// The whole update check under Wine against a server the test runs on
// 127.0.0.1: the request the server sees, the boxes, the download dialog with
// its save dialog and the shell answered by the test, the panel text and the
// exit flag. Nothing reaches the maker's host and nothing downloaded runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/update_check.h"
#include "dialogs/win/dialog_view.h"
#include "dialogs/win/frm_download.h"
#include "platform/win/forms.h"
#include "platform/win/http.h"
#include "platform/win/tests/loopback_http_server.h"
#include "platform/win/text.h"

namespace crv {
namespace {

namespace fs = std::filesystem;
using test::LoopbackHttpServer;

const std::string Service_Line = "GET /fns/genfns.php?fn=getver&pn=crv&pv=4.0.4004 HTTP/1.1";
const std::string Package_Line = "GET /downloads/crv/Corvalin.zip HTTP/1.1";

class UpdateCheck : public ::testing::Test {
protected:
    struct Box {
        std::string text;
        int flags;
    };
    LoopbackHttpServer server;
    std::vector<Box> boxes;
    int offer_answer = 6;
    std::vector<std::string> save_filters;
    std::string save_answer;
    std::vector<std::string> shell_opened;
    bool shell_result = true;
    std::vector<std::string> dialog_texts;  // the download dialog's caption and message
    fs::path folder;

    static void SetUpTestSuite() { Set_Quit_When_Last_Form_Closes(false); }
    void SetUp() override {
        Set_Update_Server_Address(server.Address());
        folder = fs::temp_directory_path() / ("crv_update_" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(folder);
        save_answer = To_Utf8((folder / "Corvalin.zip").wstring());
        Set_Dialog_Box_Answerer([this](const std::string& text, int flags) {
            boxes.push_back({text, flags});
            return (flags & 4) ? offer_answer : 1;
        });
        Set_Dialog_Save_Answerer([this](const std::string& filter) {
            save_filters.push_back(filter);
            return save_answer;
        });
        Set_Download_Shell_Answerer([this](const std::string& path) {
            shell_opened.push_back(path);
            return shell_result;
        });
        frmDownload::on_opened = [this](HWND dialog, DownloadController&) {
            wchar_t text[200] = {};
            GetWindowTextW(dialog, text, 200);
            dialog_texts.push_back(To_Utf8(text));
            dialog_texts.push_back(Window_Text(GetDlgItem(dialog, 1701)));
        };
    }
    void TearDown() override {
        Set_Update_Server_Address("");
        Set_Dialog_Box_Answerer(nullptr);
        Set_Dialog_Save_Answerer(nullptr);
        Set_Download_Shell_Answerer(nullptr);
        frmDownload::on_opened = nullptr;
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    std::string Run(bool show_messages, bool& exit_program) { return Check_For_Update(show_messages, exit_program); }

    std::string Read_Download() {
        std::ifstream in(folder / "Corvalin.zip", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

void Serve_Version_Then(LoopbackHttpServer& server, const std::string& version, int package_status,
                        const std::string& package) {
    server.Answer(200, version);
    server.Then_Answer(package_status, package);
}

TEST_F(UpdateCheck, NewerVersionDownloadsOpensAndEndsTheProgram) {
    std::string package = "PK\x03\x04";
    for (int i = 0; i < 70000; ++i) package.push_back(static_cast<char>(i % 251));
    Serve_Version_Then(server, "4.1.0\r\n", 200, package);
    bool exit_program = false;
    EXPECT_EQ(Run(false, exit_program), "Update Available: 4.1.0");
    ASSERT_EQ(boxes.size(), 1u);  // the offer, even without messages
    EXPECT_EQ(boxes[0].text, Update_Offer_Text("4.1.0"));
    EXPECT_EQ(boxes[0].flags, 68);
    EXPECT_EQ(dialog_texts, (std::vector<std::string>{"Download", "Downloading Corvalin..."}));
    EXPECT_EQ(save_filters, std::vector<std::string>{".zip|*.zip"});
    EXPECT_EQ(Read_Download(), package);
    EXPECT_EQ(shell_opened, std::vector<std::string>{save_answer});
    EXPECT_TRUE(exit_program);
    EXPECT_EQ(server.Request_Lines(), (std::vector<std::string>{Service_Line, Package_Line}));
    EXPECT_FALSE(Is_Form_Loaded("frmDownload"));
}

TEST_F(UpdateCheck, NewerVersionDeclinedOrNotDownloadedKeepsTheProgram) {
    server.Answer(200, "4.0.4005");
    offer_answer = 7;
    bool exit_program = false;
    EXPECT_EQ(Run(true, exit_program), "Update Available: 4.0.4005");
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(dialog_texts.empty());
    EXPECT_FALSE(exit_program);
    EXPECT_EQ(server.Request_Lines(), std::vector<std::string>{Service_Line});

    // Yes, and the package is missing: reported, nothing opened, no exit.
    boxes.clear();
    offer_answer = 6;
    LoopbackHttpServer other;
    Set_Update_Server_Address(other.Address());
    Serve_Version_Then(other, "5.0", 404, "<html>Not Found</html>");
    EXPECT_EQ(Run(true, exit_program), "Update Available: 5.0");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, std::string(Download_Failed_Text));
    EXPECT_EQ(boxes[1].flags, 48);
    EXPECT_TRUE(shell_opened.empty());
    EXPECT_FALSE(fs::exists(folder / "Corvalin.zip"));
    EXPECT_FALSE(exit_program);
    EXPECT_EQ(other.Request_Lines(), (std::vector<std::string>{Service_Line, Package_Line}));
}

TEST_F(UpdateCheck, EqualOrOlderVersionIsTheMostRecent) {
    for (const char* version : {"4.0.4004", "4.0.999", "3.12"}) {
        boxes.clear();
        server.Answer(200, version);
        bool exit_program = false;
        EXPECT_EQ(Run(true, exit_program), "Version: 4.0.4004") << version;
        ASSERT_EQ(boxes.size(), 1u) << version;
        EXPECT_EQ(boxes[0].text, "You are running the most recent version (ver. 4.0.4004) of Corvalin!");
        EXPECT_EQ(boxes[0].flags, 64);
        EXPECT_FALSE(exit_program);
        // At start-up: nothing shown.
        EXPECT_EQ(Run(false, exit_program), "Version: 4.0.4004");
        EXPECT_EQ(boxes.size(), 1u);
    }
    EXPECT_EQ(server.Request_Lines(), std::vector<std::string>(6, Service_Line));
}

TEST_F(UpdateCheck, NoVersionInTheReplyIsNoUpdateInformation) {
    struct Case {
        int status;
        const char* body;
    };
    for (Case c : {Case{404, "<html>Not Found</html>"}, Case{200, ""}, Case{200, "<html><body>4.1.0</body></html>"}}) {
        boxes.clear();
        server.Answer(c.status, c.body);
        bool exit_program = false;
        EXPECT_EQ(Run(true, exit_program), "Version: 4.0.4004") << c.body;
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Unable to get update information at this time! Try again later.");
        EXPECT_EQ(boxes[0].flags, 48);
        EXPECT_EQ(Run(false, exit_program), "Version: 4.0.4004");
        EXPECT_EQ(boxes.size(), 1u);
        EXPECT_FALSE(exit_program);
    }
    EXPECT_EQ(server.Request_Lines(), std::vector<std::string>(6, Service_Line));
}

TEST_F(UpdateCheck, AnOverlongOrCutShortReplyIsNoUpdateInformation) {
    bool exit_program = false;
    server.Answer(200, std::string(1 << 20, '9'));
    EXPECT_EQ(Run(true, exit_program), "Version: 4.0.4004");
    server.Answer_Cut_Short("4.0.4005", 100);
    EXPECT_EQ(Run(true, exit_program), "Version: 4.0.4004");
    ASSERT_EQ(boxes.size(), 2u);
    for (const Box& b : boxes) EXPECT_EQ(b.text, std::string(No_Update_Information_Text));
    EXPECT_TRUE(dialog_texts.empty());
    EXPECT_EQ(server.Request_Lines(), std::vector<std::string>(2, Service_Line));
}

// Ticks of a thread timer while the package is waited for; they arrive only
// through a pump that runs during the wait.
struct PackageWait {
    LoopbackHttpServer* server = nullptr;
    HWND dialog = nullptr;
    int ticks = 0;
};
PackageWait* package_wait = nullptr;

void CALLBACK Package_Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!package_wait || package_wait->server->Request_Lines().size() < 2 || !IsWindow(package_wait->dialog)) return;
    // The close box, once the dialog has shown it answers.
    if (++package_wait->ticks == 3) PostMessageW(package_wait->dialog, WM_CLOSE, 0, 0);
}

TEST_F(UpdateCheck, TheDialogAnswersWhileThePackageIsWaitedForAndItsCloseBoxEndsTheWait) {
    server.Answer(200, "9.0");
    PackageWait wait;
    wait.server = &server;
    package_wait = &wait;
    frmDownload::on_opened = [&](HWND dialog, DownloadController&) { wait.dialog = dialog; };
    // The package never comes.
    Set_Dialog_Save_Answerer([this](const std::string&) {
        server.Stall();
        return save_answer;
    });
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, Package_Tick);
    bool exit_program = false;
    const DWORD start = GetTickCount();
    EXPECT_EQ(Run(true, exit_program), "Update Available: 9.0");
    const DWORD took = GetTickCount() - start;
    KillTimer(nullptr, timer);
    package_wait = nullptr;
    EXPECT_GE(wait.ticks, 3);
    EXPECT_LT(took, 5000u);  // far inside the download's own 15 s
    // Given up as the user asked: no failure box, nothing saved or opened.
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, Update_Offer_Text("9.0"));
    EXPECT_TRUE(shell_opened.empty());
    EXPECT_FALSE(fs::exists(folder / "Corvalin.zip"));
    EXPECT_FALSE(exit_program);
    EXPECT_FALSE(Is_Form_Loaded("frmDownload"));
    EXPECT_EQ(server.Request_Lines(), (std::vector<std::string>{Service_Line, Package_Line}));
}

TEST_F(UpdateCheck, ClosedPortAndSilentServerEndWithinTheLimit) {
    Set_Update_Server_Address("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::Closed_Port()));
    bool exit_program = false;
    DWORD start = GetTickCount();
    EXPECT_EQ(Run(true, exit_program), "Version: 4.0.4004");
    EXPECT_LT(GetTickCount() - start, 5000u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].flags, 48);

    Set_Update_Server_Address(server.Address());
    server.Stall();
    start = GetTickCount();
    EXPECT_EQ(Run(false, exit_program), "Version: 4.0.4004");
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(took, Http_Time_Limit_Ms - 200);
    EXPECT_LT(took, Http_Time_Limit_Ms + 3000);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(exit_program);
    EXPECT_EQ(server.Request_Lines(), std::vector<std::string>{Service_Line});
}

}  // namespace
}  // namespace crv
