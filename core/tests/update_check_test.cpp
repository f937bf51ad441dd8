#include "core/update_check.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/maker.h"
#include "core/runtime_files.h"

namespace {

using namespace crv;

struct FakeUpdateHost : UpdateHost {
    struct Box {
        std::string text;
        int style;
    };
    struct Download {
        std::string message, link, extension;
        bool install;
    };
    bool http_ok = true;
    std::string body;
    std::vector<std::string> requests;  // url "?" query
    std::vector<Box> boxes;
    std::deque<int> answers;  // empty: Yes
    std::vector<Download> downloads;
    bool download_sets_exit = false;
    int waits = 0;  // calls of the wait before the reply comes
    bool ignores_end = false;  // a host that answers though the wait said stop

    bool Http_Get(const std::string& url, const std::string& query, std::string& response,
                  const Update_Wait& wait) override {
        requests.push_back(url + "?" + query);
        for (int i = 0; i < waits; ++i)
            if (wait && !wait() && !ignores_end) return false;
        response = http_ok ? body : "";
        return http_ok;
    }
    int Message_Box(const std::string& text, int style) override {
        boxes.push_back({text, style});
        if (answers.empty()) return 6;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    bool Show_Download(const std::string& message, const std::string& link, const std::string& extension,
                       bool install, bool& exit_program) override {
        downloads.push_back({message, link, extension, install});
        exit_program = download_sets_exit;
        return download_sets_exit;
    }
};

struct ServerAddress : ::testing::Test {
    void SetUp() override { Set_Update_Server_Address("http://127.0.0.1:8123"); }
    void TearDown() override { Set_Update_Server_Address(""); }
};

TEST(UpdateVersions, ComparedPartByPartAsNumbers) {
    // Reading the digits as one number would make 4.1.0 (410) older than
    // 4.0.4004 (404004).
    EXPECT_TRUE(Is_Newer_Version("4.0.4004", "4.1.0"));
    EXPECT_TRUE(Is_Newer_Version("1.10.0", "2.0.0"));
    EXPECT_FALSE(Is_Newer_Version("1.10.0", "1.9.5"));
    EXPECT_TRUE(Is_Newer_Version("1.2.3", "1.2.4"));
    EXPECT_FALSE(Is_Newer_Version("1.2.3", "1.2.3"));
    EXPECT_FALSE(Is_Newer_Version("1.2.3", "1.2.2"));
    // Missing parts read 0; leading zeros do not count.
    EXPECT_EQ(Compare_Versions("4", "4.0.0"), 0);
    EXPECT_EQ(Compare_Versions("4.0.0.1", "4.0.0"), 1);
    EXPECT_EQ(Compare_Versions("4.01", "4.1"), 0);
    EXPECT_EQ(Compare_Versions("5.0", "4.9999"), 1);
}

TEST(UpdateVersions, ReplyCountsOnlyAsDigitGroups) {
    EXPECT_EQ(Parse_Version_Reply("4.1.0"), "4.1.0");
    EXPECT_EQ(Parse_Version_Reply("  4.1.0\r\n"), "4.1.0");
    EXPECT_EQ(Parse_Version_Reply("\xEF\xBB\xBF" "5.0\n"), "5.0");
    EXPECT_EQ(Parse_Version_Reply("7"), "7");
    EXPECT_EQ(Parse_Version_Reply("1.2.3.4"), "1.2.3.4");
    EXPECT_FALSE(Parse_Version_Reply(""));
    EXPECT_FALSE(Parse_Version_Reply(" \r\n"));
    EXPECT_FALSE(Parse_Version_Reply("1.2.3.4.5"));
    EXPECT_FALSE(Parse_Version_Reply("1..2"));
    EXPECT_FALSE(Parse_Version_Reply(".1.2"));
    EXPECT_FALSE(Parse_Version_Reply("1.2."));
    EXPECT_FALSE(Parse_Version_Reply("1.2 beta"));
    EXPECT_FALSE(Parse_Version_Reply("-1.2"));
    EXPECT_FALSE(Parse_Version_Reply("<html><body>4.1.0</body></html>"));
    // Groups of up to nine digits; a longer run is no version number.
    EXPECT_EQ(Parse_Version_Reply("999999999.0.123456789"), "999999999.0.123456789");
    EXPECT_FALSE(Parse_Version_Reply("1234567890"));
    EXPECT_FALSE(Parse_Version_Reply("4.0.4005000000"));
    EXPECT_FALSE(Parse_Version_Reply(std::string(1 << 20, '7')));
}

TEST_F(ServerAddress, AReplyLongerThanAVersionIsNoUpdateInformation) {
    FakeUpdateHost host;
    host.body = std::string(Version_Reply_Limit - 9, ' ') + "9.0.0.1\r\n";
    bool exit_program = false;
    EXPECT_EQ(Check_For_Update(host, false, exit_program), "Update Available: 9.0.0.1");
    host.body += " ";
    host.boxes.clear();
    EXPECT_EQ(Check_For_Update(host, true, exit_program), "Version: 4.0.4004");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, std::string(No_Update_Information_Text));
}

TEST_F(ServerAddress, AWaitThatEndsShowsNothingAndAsksNoMore) {
    // The window closes while the server is waited for: no box and no offer,
    // even from a host that answers anyway, and the wait is not asked again.
    FakeUpdateHost host;
    host.body = "9.0";
    host.waits = 5;
    host.ignores_end = true;
    int asked = 0;
    bool exit_program = false;
    EXPECT_EQ(Check_For_Update(host, true, exit_program, [&] { return ++asked < 3; }), "Version: 4.0.4004");
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.downloads.empty());
}

TEST(UpdateAddresses, JoinedWithOneSlash) {
    EXPECT_EQ(Join_Web_Address("https://www.example.com/", "/fns/genfns.php"), "https://www.example.com/fns/genfns.php");
    EXPECT_EQ(Join_Web_Address("https://www.example.com", "fns/genfns.php"), "https://www.example.com/fns/genfns.php");
    EXPECT_EQ(Join_Web_Address("http://127.0.0.1:80//", "//downloads/crv/Corvalin.zip"),
              "http://127.0.0.1:80/downloads/crv/Corvalin.zip");
    // Without a test server the maker's own address serves both.
    Set_Update_Server_Address("");
    EXPECT_EQ(Update_Server_Address(), std::string(Maker_Web_Address));
    EXPECT_EQ(Version_Service_Address().find("//fns"), std::string::npos);
    EXPECT_EQ(Update_Package_Address(), Join_Web_Address(Maker_Web_Address, "downloads/crv/Corvalin.zip"));
    EXPECT_EQ(Version_Query("crv", "4.0.4004"), "fn=getver&pn=crv&pv=4.0.4004");
    EXPECT_EQ(Version_Query("c r&v", "1.0"), "fn=getver&pn=c%20r%26v&pv=1.0");
}

TEST(UpdateTexts, AsTheUserReadsThem) {
    EXPECT_EQ(Running_Version(), "4.0.4004");
    EXPECT_EQ(Update_Offer_Text("4.1.0"),
              "A new version (ver. 4.1.0) is available for download. Do you want to download & install the new "
              "version?");
    EXPECT_EQ(Most_Recent_Version_Text("4.0.4004"), "You are running the most recent version (ver. 4.0.4004) of Corvalin!");
    EXPECT_EQ(Download_Message_Text(), "Downloading Corvalin...");
    EXPECT_EQ(Version_Panel_Text("4.0.4004"), "Version: 4.0.4004");
    EXPECT_EQ(Update_Available_Panel_Text("4.1.0"), "Update Available: 4.1.0");
}

TEST_F(ServerAddress, NewerVersionOffersTheDownload) {
    FakeUpdateHost host;
    host.body = "4.1.0\r\n";
    host.download_sets_exit = true;
    bool exit_program = false;
    EXPECT_EQ(Check_For_Update(host, true, exit_program), "Update Available: 4.1.0");
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_EQ(host.requests[0], "http://127.0.0.1:8123/fns/genfns.php?fn=getver&pn=crv&pv=4.0.4004");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].style, 68);
    EXPECT_EQ(host.boxes[0].text, Update_Offer_Text("4.1.0"));
    ASSERT_EQ(host.downloads.size(), 1u);
    EXPECT_EQ(host.downloads[0].message, "Downloading Corvalin...");
    EXPECT_EQ(host.downloads[0].link, "http://127.0.0.1:8123/downloads/crv/Corvalin.zip");
    EXPECT_EQ(host.downloads[0].extension, ".zip");
    EXPECT_TRUE(host.downloads[0].install);
    EXPECT_TRUE(exit_program);
}

TEST_F(ServerAddress, OfferDeclinedOrDownloadNotOpenedKeepsTheProgram) {
    FakeUpdateHost host;
    host.body = "4.1.0";
    host.answers = {7};
    bool exit_program = false;
    EXPECT_EQ(Check_For_Update(host, false, exit_program), "Update Available: 4.1.0");
    EXPECT_EQ(host.boxes.size(), 1u);  // the offer is made even without messages
    EXPECT_TRUE(host.downloads.empty());
    EXPECT_FALSE(exit_program);

    FakeUpdateHost failing;
    failing.body = "4.1.0";
    failing.download_sets_exit = false;
    EXPECT_EQ(Check_For_Update(failing, true, exit_program), "Update Available: 4.1.0");
    EXPECT_EQ(failing.downloads.size(), 1u);
    EXPECT_FALSE(exit_program);
}

TEST_F(ServerAddress, EqualOrOlderVersionSaysSoOnlyWithMessages) {
    for (const char* body : {"4.0.4004", "4.0.4003", "3.9.9999", "4.0"}) {
        FakeUpdateHost host;
        host.body = body;
        bool exit_program = false;
        EXPECT_EQ(Check_For_Update(host, true, exit_program), "Version: 4.0.4004") << body;
        ASSERT_EQ(host.boxes.size(), 1u) << body;
        EXPECT_EQ(host.boxes[0].text, "You are running the most recent version (ver. 4.0.4004) of Corvalin!");
        EXPECT_EQ(host.boxes[0].style, 64);
        EXPECT_TRUE(host.downloads.empty());

        FakeUpdateHost quiet;
        quiet.body = body;
        EXPECT_EQ(Check_For_Update(quiet, false, exit_program), "Version: 4.0.4004");
        EXPECT_TRUE(quiet.boxes.empty());
        EXPECT_FALSE(exit_program);
    }
}

TEST_F(ServerAddress, NoUsableReplyIsNoUpdateInformation) {
    // A failed request and a 200 whose body is no version read the same: an
    // empty body must not claim the running version is the latest.
    struct Case {
        bool ok;
        const char* body;
    };
    for (Case c : {Case{false, ""}, Case{true, ""}, Case{true, "<html>Not here</html>"}, Case{true, "latest"}}) {
        FakeUpdateHost host;
        host.http_ok = c.ok;
        host.body = c.body;
        bool exit_program = false;
        EXPECT_EQ(Check_For_Update(host, true, exit_program), "Version: 4.0.4004") << c.body;
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].text, "Unable to get update information at this time! Try again later.");
        EXPECT_EQ(host.boxes[0].style, 48);

        FakeUpdateHost quiet;
        quiet.http_ok = c.ok;
        quiet.body = c.body;
        EXPECT_EQ(Check_For_Update(quiet, false, exit_program), "Version: 4.0.4004");
        EXPECT_TRUE(quiet.boxes.empty());
        std::string latest = "stale";
        EXPECT_FALSE(Get_Latest_Version(quiet, "crv", "4.0.4004", latest));
        EXPECT_EQ(latest, "");
    }
}

}  // namespace
