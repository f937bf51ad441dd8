#include "dialogs/frm_download_controller.h"

#include <gtest/gtest.h>

#include "core/update_check.h"
#include "dialogs/tests/dialog_test_support.h"

namespace crv {
namespace {

struct FakePort : DownloadPort {
    bool download_ok = true;
    bool open_ok = true;
    std::vector<std::pair<std::string, std::string>> downloads;
    std::vector<std::string> opened;
    bool Download_File(const std::string& url, const std::string& path) override {
        downloads.emplace_back(url, path);
        return download_ok;
    }
    bool Open_Package(const std::string& path) override {
        opened.push_back(path);
        return open_ok;
    }
};

struct DownloadDialog : ::testing::Test {
    test::TestDialogHost host;
    FakePort port;
    DownloadController c{host, port};
    void SetUp() override {
        c.strMessage = "Downloading Corvalin...";
        c.strDLLink = "http://127.0.0.1:9/downloads/crv/Corvalin.zip";
        c.strExtn = ".zip";
        c.blnInstall = true;
        c.Form_Load();
    }
};

TEST_F(DownloadDialog, SavesDownloadsOpensAndAsksToEnd) {
    EXPECT_EQ(c.lblMessage, "Downloading Corvalin...");
    host.save_dialog_answer = "C:\\Temp\\Corvalin.zip";
    c.tmrDownload_Timer();
    EXPECT_EQ(host.save_dialog_filter, ".zip|*.zip");
    ASSERT_EQ(port.downloads.size(), 1u);
    EXPECT_EQ(port.downloads[0].first, "http://127.0.0.1:9/downloads/crv/Corvalin.zip");
    EXPECT_EQ(port.downloads[0].second, "C:\\Temp\\Corvalin.zip");
    EXPECT_EQ(port.opened, std::vector<std::string>{"C:\\Temp\\Corvalin.zip"});
    EXPECT_TRUE(c.blnDownloaded);
    EXPECT_TRUE(c.blnExitProgram);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.closes, 1);
    // The timer runs once.
    c.tmrDownload_Timer();
    EXPECT_EQ(port.downloads.size(), 1u);
    EXPECT_FALSE(c.tmrDownload_Enabled);
}

TEST_F(DownloadDialog, ANameWithoutExtensionTakesTheDialogs) {
    host.save_dialog_answer = "C:\\My.Folder\\Update";
    c.tmrDownload_Timer();
    ASSERT_EQ(port.downloads.size(), 1u);
    EXPECT_EQ(port.downloads[0].second, "C:\\My.Folder\\Update.zip");
    EXPECT_EQ(c.strFilePath, "C:\\My.Folder\\Update.zip");
}

TEST_F(DownloadDialog, AFailedDownloadIsReportedAndNothingOpens) {
    host.save_dialog_answer = "C:\\Temp\\Corvalin.zip";
    port.download_ok = false;
    c.tmrDownload_Timer();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, std::string(Download_Failed_Text));
    EXPECT_EQ(host.boxes[0].flags, 48);
    EXPECT_TRUE(port.opened.empty());
    EXPECT_FALSE(c.blnDownloaded);
    EXPECT_FALSE(c.blnExitProgram);
    EXPECT_EQ(host.closes, 1);
}

TEST_F(DownloadDialog, ShellRefusalOrNoInstallKeepsTheProgram) {
    host.save_dialog_answer = "C:\\Temp\\Corvalin.zip";
    port.open_ok = false;
    c.tmrDownload_Timer();
    EXPECT_TRUE(c.blnDownloaded);
    EXPECT_FALSE(c.blnExitProgram);

    FakePort quiet;
    DownloadController keep{host, quiet};
    keep.strExtn = ".zip";
    keep.blnInstall = false;
    keep.tmrDownload_Timer();
    EXPECT_TRUE(keep.blnDownloaded);
    EXPECT_TRUE(quiet.opened.empty());
    EXPECT_FALSE(keep.blnExitProgram);
}

TEST_F(DownloadDialog, CancelledSaveDialogClosesWithoutDownloading) {
    host.save_dialog_answer = "";
    c.tmrDownload_Timer();
    EXPECT_TRUE(port.downloads.empty());
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(c.blnDownloaded);
    EXPECT_FALSE(c.blnExitProgram);
    EXPECT_EQ(host.closes, 1);
}

}  // namespace
}  // namespace crv
