#include <gtest/gtest.h>

#include "store/settings.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

using test::TestDatabase;

TEST(Settings, FlagsAreWrittenAsWordsAndReadInEveryStoredForm) {
    TestDatabase db;
    ASSERT_TRUE(Set_Work_Online(true));
    EXPECT_EQ(db.Scalar("SELECT WORK_ONLINE FROM SETTINGS_TBL WHERE SETTINGS_ID=1"), "True");
    ASSERT_TRUE(Set_Vertical_Listing(false));
    EXPECT_EQ(db.Scalar("SELECT VERTICAL_LISTING FROM SETTINGS_TBL WHERE SETTINGS_ID=1"), "False");
    EXPECT_FALSE(Get_Vertical_Listing());
    ASSERT_TRUE(Set_Auto_Check_Updates(true));
    EXPECT_TRUE(Get_Auto_Check_Updates());

    SqlResult row;
    ASSERT_TRUE(Get_Settings(row));
    EXPECT_EQ(row.Text(0, 0), "WORK_ONLINE");
    EXPECT_EQ(row.Text(0, 4), "AUTO_CHECK_UPDATES");
    EXPECT_TRUE(row.Flag(1, 0));
    EXPECT_FALSE(row.Flag(1, 3));

    // Older files hold the numeric forms.
    for (const char* form : {"-1", "1", "True"}) {
        db.Exec(std::string("UPDATE SETTINGS_TBL SET VERTICAL_LISTING='") + form + "'");
        EXPECT_TRUE(Get_Vertical_Listing()) << form;
    }
    for (const char* form : {"0", "False"}) {
        db.Exec(std::string("UPDATE SETTINGS_TBL SET VERTICAL_LISTING='") + form + "'");
        EXPECT_FALSE(Get_Vertical_Listing()) << form;
    }
    EXPECT_TRUE(db.reporter.boxes.empty());
    db.Exec("UPDATE SETTINGS_TBL SET AUTO_CHECK_UPDATES='maybe'");
    EXPECT_FALSE(Get_Auto_Check_Updates());
    ASSERT_EQ(db.reporter.boxes.size(), 1u);
    EXPECT_NE(db.reporter.boxes[0].find("maybe"), std::string::npos);
}

TEST(Settings, AMissingRowReadsFalseAndAFailedReadShowsTheBox) {
    TestDatabase db;
    db.Exec("DELETE FROM SETTINGS_TBL");
    EXPECT_FALSE(Get_Vertical_Listing());
    EXPECT_TRUE(Set_Work_Online(false));  // changes nothing, still ran
    EXPECT_TRUE(db.reporter.boxes.empty());
    db.Exec("DROP TABLE SETTINGS_TBL");
    EXPECT_FALSE(Get_Auto_Check_Updates());
    EXPECT_FALSE(Set_Vertical_Listing(true));
    EXPECT_EQ(db.reporter.boxes.size(), 2u);
}

}  // namespace
}  // namespace crv
