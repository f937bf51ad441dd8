// The HTTP GET and the download against a server the test runs on
// 127.0.0.1; nothing leaves the machine.
#include "platform/win/http.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/win/tests/loopback_http_server.h"
#include "platform/win/text.h"

namespace crv {
namespace {

namespace fs = std::filesystem;
using test::LoopbackHttpServer;

std::string Read_File(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Download : ::testing::Test {
    fs::path folder;
    void SetUp() override {
        folder = fs::temp_directory_path() / ("crv_download_" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

TEST(HttpGet, ReturnsTheBodyOfA200AndSendsTheQuery) {
    LoopbackHttpServer server;
    server.Answer(200, "4.1.0\r\n");
    std::string body = "stale";
    EXPECT_TRUE(Http_Get(server.Address() + "/fns/genfns.php", "fn=getver&pn=crv&pv=4.0.4004", body));
    EXPECT_EQ(body, "4.1.0\r\n");
    // Without a query the address goes alone, with no "?".
    EXPECT_TRUE(Http_Get(server.Address() + "/plain", "", body));
    const auto lines = server.Request_Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "GET /fns/genfns.php?fn=getver&pn=crv&pv=4.0.4004 HTTP/1.1");
    EXPECT_EQ(lines[1], "GET /plain HTTP/1.1");
}

TEST(HttpGet, AnyOtherStatusOrNoServerGivesNothing) {
    LoopbackHttpServer server;
    for (int status : {404, 500}) {
        server.Answer(status, "<html>error page</html>");
        std::string body = "stale";
        EXPECT_FALSE(Http_Get(server.Address() + "/fns/genfns.php", "fn=getver", body)) << status;
        EXPECT_EQ(body, "");
    }
    std::string body = "stale";
    const DWORD start = GetTickCount();
    EXPECT_FALSE(Http_Get("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::Closed_Port()) + "/x", "", body));
    EXPECT_EQ(body, "");
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_FALSE(Http_Get("not an address", "", body));
}

TEST(HttpGet, AServerThatNeverAnswersEndsAtTheLimit) {
    LoopbackHttpServer server;
    server.Stall();
    std::string body = "stale";
    const DWORD start = GetTickCount();
    EXPECT_FALSE(Http_Get(server.Address() + "/fns/genfns.php", "fn=getver", body, 1500));
    const DWORD took = GetTickCount() - start;
    EXPECT_EQ(body, "");
    EXPECT_GE(took, 1400u);
    EXPECT_LT(took, 3000u);
    EXPECT_EQ(server.Request_Lines().size(), 1u);
}

TEST(HttpGet, OnlyAWholeShortReplyCounts) {
    LoopbackHttpServer server;
    const std::string url = server.Address() + "/fns/genfns.php";
    std::string body = "stale";
    // A reply as long as the limit is read whole; one byte more is not read.
    server.Answer(200, std::string(Version_Reply_Limit, '1'));
    EXPECT_TRUE(Http_Get(url, "", body));
    EXPECT_EQ(body.size(), Version_Reply_Limit);
    server.Answer(200, std::string(Version_Reply_Limit + 1, '1'));
    EXPECT_FALSE(Http_Get(url, "", body));
    EXPECT_EQ(body, "");
    server.Answer(200, std::string(1 << 20, '7'));
    EXPECT_FALSE(Http_Get(url, "", body));
    // Shorter than its Content-Length said: not the whole reply.
    server.Answer_Cut_Short("4.0.4005", 100);
    EXPECT_FALSE(Http_Get(url, "", body));
    EXPECT_EQ(body, "");
}

TEST_F(Download, WritesExactlyTheServedBytes) {
    LoopbackHttpServer server;
    std::string package;
    for (int i = 0; i < 300000; ++i) package.push_back(static_cast<char>((i * 7) % 256));  // zeros included
    server.Answer(200, package);
    const fs::path target = folder / "Corvalin Сборка.zip";
    EXPECT_TRUE(Download_File(server.Address() + "/downloads/crv/Corvalin.zip", To_Utf8(target.wstring())));
    EXPECT_EQ(Read_File(target), package);
    ASSERT_EQ(server.Request_Lines().size(), 1u);
    EXPECT_EQ(server.Request_Lines()[0], "GET /downloads/crv/Corvalin.zip HTTP/1.1");
}

TEST_F(Download, AFailedDownloadWritesNothingAndKeepsAnOldFile) {
    LoopbackHttpServer server;
    const fs::path target = folder / "Corvalin.zip";
    const std::string url = server.Address() + "/downloads/crv/Corvalin.zip";

    server.Answer(404, "<html>Not Found</html>");
    EXPECT_FALSE(Download_File(url, target.string()));
    EXPECT_FALSE(fs::exists(target));

    server.Answer(200, "");  // nothing to install
    EXPECT_FALSE(Download_File(url, target.string()));
    EXPECT_FALSE(fs::exists(target));

    std::ofstream(target, std::ios::binary) << "previous";
    server.Answer_Cut_Short("PK\x03\x04 partial", 100000);
    EXPECT_FALSE(Download_File(url, target.string()));
    EXPECT_EQ(Read_File(target), "previous");

    EXPECT_FALSE(Download_File("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::Closed_Port()) + "/p.zip",
                               target.string()));
    EXPECT_EQ(Read_File(target), "previous");

    server.Stall();
    const DWORD start = GetTickCount();
    EXPECT_FALSE(Download_File(url, target.string(), 1000));
    EXPECT_LT(GetTickCount() - start, 2500u);
    EXPECT_EQ(Read_File(target), "previous");

    // A folder that does not exist cannot take the file.
    server.Answer(200, "PK");
    EXPECT_FALSE(Download_File(url, (folder / "missing" / "Corvalin.zip").string()));
}

}  // namespace
}  // namespace crv
