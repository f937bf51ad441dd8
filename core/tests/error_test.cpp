#include "core/error.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RecordingReporter : crv::ErrorReporter {
    std::vector<std::string> shown;
    void Report_Error(const std::string& text) override { shown.push_back(text); }
};

class ErrorTest : public ::testing::Test {
protected:
    void SetUp() override { crv::Set_Error_Reporter(&reporter); crv::Clear_Error(); }
    void TearDown() override { crv::Set_Error_Reporter(nullptr); crv::Clear_Error(); }
    RecordingReporter reporter;
};

TEST_F(ErrorTest, ShowsSignedNumberAndDescriptionAndClearsOnRequest) {
    crv::Set_Error(static_cast<std::int32_t>(0x80041015u), "Error code: 0x80041015");
    crv::Show_Error_Message(false);
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(reporter.shown[0], "-2147217387: Error code: 0x80041015");
    EXPECT_FALSE(crv::Pending_Error().empty());
    crv::Show_Error_Message(true);
    EXPECT_TRUE(crv::Pending_Error().empty());
}

TEST_F(ErrorTest, EmptyDescriptionKeepsTheSeparator) {
    crv::Set_Error(5, "");
    crv::Show_Error_Message(true);
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(reporter.shown[0], "5: ");
}

}  // namespace
