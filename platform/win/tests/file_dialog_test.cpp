#include "platform/win/file_dialog.h"

#include <gtest/gtest.h>

namespace crv {
namespace {

TEST(FileDialog, TheChosenEntryGivesTheExtensionOfANameTypedWithoutOne) {
    const std::string filter = "CSV File(.csv)|*.csv|HTML File(.html)|*.html|Text File(.txt)|*.txt";
    EXPECT_EQ(Filter_Extension(filter, 1), "csv");
    EXPECT_EQ(Filter_Extension(filter, 2), "html");
    EXPECT_EQ(Filter_Extension(filter, 3), "txt");
    // Past the last entry: the last; before the first: the first.
    EXPECT_EQ(Filter_Extension(filter, 7), "txt");
    EXPECT_EQ(Filter_Extension(filter, 0), "csv");
    // One format offered at the index of its place in a longer list.
    EXPECT_EQ(Filter_Extension("HTML File(.html)|*.html", 2), "html");
    EXPECT_EQ(Filter_Extension("All|*.*", 1), "");
    EXPECT_EQ(Filter_Extension("Pictures|*.png;*.jpg", 1), "");
    EXPECT_EQ(Filter_Extension("", 1), "");
    EXPECT_EQ(Filter_Extension("no pattern", 1), "");
}

}  // namespace
}  // namespace crv
