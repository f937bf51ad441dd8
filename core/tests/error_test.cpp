#include "core/error.h"
#include "core/pump_frame.h"

#include <gtest/gtest.h>

#include <thread>
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

TEST_F(ErrorTest, NegativeNumbersWithoutDescriptionAndPerThreadRecords) {
    crv::Set_Error(INT32_MIN, "");
    crv::Show_Error_Message(false);
    crv::Set_Error(-1, "first");
    crv::Set_Error(static_cast<std::int32_t>(0x80070005u), "");  // replaces, never appends
    crv::Show_Error_Message(true);
    ASSERT_EQ(reporter.shown.size(), 2u);
    EXPECT_EQ(reporter.shown[0], "-2147483648: ");
    EXPECT_EQ(reporter.shown[1], "-2147024891: ");

    // Each thread has its own pending error.
    crv::Set_Error(7, "main thread");
    bool other_was_empty = false;
    std::thread([&] {
        other_was_empty = crv::Pending_Error().empty();
        crv::Set_Error(8, "worker");
    }).join();
    EXPECT_TRUE(other_was_empty);
    EXPECT_EQ(crv::Pending_Error().number, 7);
    EXPECT_EQ(crv::Pending_Error().description, "main thread");
}

}  // namespace

namespace {

// A run shows an error every item meets alike once. A command that a pump or
// a box runs meanwhile is no part of the run: it shows the same error as its
// own, once, and the run still does not show it again.
TEST_F(ErrorTest, ADistinctErrorShownByARunIsShownAgainByACommandItsPumpRuns) {
    auto fail = [] {
        crv::Set_Error(-2147217396, "Provider is not capable of the attempted operation");
        crv::Show_Distinct_Error_Message();
    };
    crv::DistinctErrorScope run;
    fail();
    {
        crv::PumpFrame pump;
        crv::DistinctErrorScope pumped;
        fail();
        fail();
    }
    fail();
    EXPECT_EQ(reporter.shown.size(), 2u);
    EXPECT_TRUE(crv::Pending_Error().empty());
}

}  // namespace
