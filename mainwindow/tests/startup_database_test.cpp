// Start-up when the data file is missing, is no database or is locked: one
// box that names the file and the folders it is looked for in, and no box
// after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/update_check.h"
#include "mainwindow/tests/controller_fixture.h"
#include "store/tests/connection_counter.h"

namespace crv::test {
namespace {

using StartupDatabaseTest = ControllerTest;

struct No_Updates : UpdateHost {
    bool Http_Get(const std::string&, const std::string&, std::string&, const Update_Wait&) override { return false; }
    int Message_Box(const std::string&, int) override { return 1; }
    bool Show_Download(const std::string&, const std::string&, const std::string&, bool, bool&) override {
        return false;
    }
};

std::size_t Critical_Boxes(const TestHost& host) {
    std::size_t n = 0;
    for (const auto& b : host.boxes) n += b.flags == Mb_Critical ? 1 : 0;
    return n;
}

TEST_F(StartupDatabaseTest, AMissingFileIsToldOnceWithTheFoldersLookedIn) {
    std::filesystem::remove(db_.Path());
    Start();
    ASSERT_EQ(host_.boxes.size(), 1u);
    const std::string& text = host_.boxes[0].text;
    EXPECT_EQ(host_.boxes[0].flags, Mb_Critical);
    EXPECT_NE(text.find("tqinfo.ocx"), std::string::npos) << text;
    EXPECT_NE(text.find(db_.Folder().string()), std::string::npos) << text;
    EXPECT_TRUE(reporter_.boxes.empty());
    // The window's own Refresh does not repeat it.
    c_.mnuViewRefresh_Click();
    EXPECT_EQ(host_.boxes.size(), 1u);
}

TEST_F(StartupDatabaseTest, AFileThatIsNoDatabaseIsToldOnceByItsPath) {
    std::ofstream(db_.Path(), std::ios::binary | std::ios::trunc) << std::string(4096, 'x');
    Start();
    ASSERT_EQ(Critical_Boxes(host_), 1u);
    const std::string& text = host_.boxes[0].text;
    EXPECT_NE(text.find(db_.Path()), std::string::npos) << text;
    EXPECT_NE(text.find("cannot"), std::string::npos) << text;
    EXPECT_EQ(reporter_.boxes.size(), 0u) << reporter_.boxes.front();
}

// Another program holds the file locked: each read of the start-up would
// wait out the busy time and show the same box, half a minute in all.
TEST_F(StartupDatabaseTest, ALockedFileIsToldOnceAndStartUpAsksNoMore) {
    {
        DatabaseLock lock(db_);
        ConnectionCounter counter;
        Start();
        // The start-up's second half: the update check it would make reads a setting.
        No_Updates updates;
        c_.Set_Update_Host(&updates);
        c_.tmrExpand_Timer();
        c_.Set_Update_Host(nullptr);
        ASSERT_EQ(Critical_Boxes(host_), 1u);
        EXPECT_NE(host_.boxes[0].text.find("locked"), std::string::npos) << host_.boxes[0].text;
        EXPECT_TRUE(reporter_.boxes.empty()) << reporter_.boxes.front();
        EXPECT_LE(counter.count, 1) << "the store was asked again after its box";
    }
    // Held off for the start-up only: once the file is free the window reads it.
    c_.mnuViewRefresh_Click();
    EXPECT_NE(Feature("Win32_Processor"), nullptr);
    EXPECT_TRUE(reporter_.boxes.empty());
}

// A read of the settings that fails must not be taken for settings never
// written: the flags it could not read are not written back as False.
TEST_F(StartupDatabaseTest, SettingsThatCannotBeReadAreNotOverwritten) {
    Set_Online(true);
    db_.Exec("UPDATE SETTINGS_TBL SET VERTICAL_LISTING='True' WHERE SETTINGS_ID=1");
    // The read names this column; the writes of the flags do not.
    db_.Exec("ALTER TABLE SETTINGS_TBL DROP COLUMN AUTO_CHECK_UPDATES");
    Start();
    EXPECT_EQ(db_.Scalar("SELECT WORK_ONLINE FROM SETTINGS_TBL WHERE SETTINGS_ID=1"), "True");
    EXPECT_EQ(db_.Scalar("SELECT VERTICAL_LISTING FROM SETTINGS_TBL WHERE SETTINGS_ID=1"), "True");
}

// A mode stored in another form is written back in its own; a file that
// refuses that write still starts in the mode it holds, with its features.
TEST_F(StartupDatabaseTest, AModeThatCannotBeWrittenBackIsStillShown) {
    db_.Exec("UPDATE SETTINGS_TBL SET WORK_ONLINE='-1' WHERE SETTINGS_ID=1");
    db_.Exec("CREATE TRIGGER keep BEFORE UPDATE ON SETTINGS_TBL BEGIN SELECT RAISE(ABORT, 'refused'); END");
    Start();
    EXPECT_EQ(c_.Panel("OnlineOffline")->text, "Mode: Online");
    EXPECT_TRUE(c_.Checked("mnuWorkOnline"));
    EXPECT_NE(Feature("Win32_Processor"), nullptr);
    EXPECT_EQ(reporter_.boxes.size(), 1u);
}

TEST_F(StartupDatabaseTest, AGoodFileShowsNothing) {
    Start();
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_TRUE(reporter_.boxes.empty());
}

}  // namespace
}  // namespace crv::test
