// Start-up when the data file is missing or is no database: one box that
// names the file and the folders it is looked for in, and no box after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mainwindow/tests/controller_fixture.h"

namespace crv::test {
namespace {

using StartupDatabaseTest = ControllerTest;

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

TEST_F(StartupDatabaseTest, AGoodFileShowsNothing) {
    Start();
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_TRUE(reporter_.boxes.empty());
}

}  // namespace
}  // namespace crv::test
