// The computer list manager against a fresh store.
#include <gtest/gtest.h>

#include "dialogs/frm_manage_computers_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/devices.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

class ManageComputersTest : public ::testing::Test {
protected:
    void Open() {
        c_.txtComputer_width = 2000;
        c_.lvwComputer_width = 8000;
        c_.twips_per_pixel_x = 15;
        c_.Form_Load();
    }
    void Add(const std::string& name, const std::string& user = "", const std::string& pwd = "") {
        c_.txtComputer = name;
        c_.txtUserName = user;
        c_.txtPassword = pwd;
        c_.cmdAdd_Click();
    }
    test::TestDatabase db_{false};
    test::TestDialogHost host_;
    ManageComputersController c_{host_};
};

TEST_F(ManageComputersTest, OpensWithStoredComputersAndOffersTheMissingLocalComputer) {
    ASSERT_GT(Add_Device("ZED", "u2", "p'w", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    ASSERT_GT(Add_Device("ALPHA", "u1", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    ASSERT_GT(Add_Device("GroupX", "", "", 0, 0, 0, 0, "", 1, 1, "", "t"), 0);
    Open();
    ASSERT_EQ(c_.lvwComputer.Item_Count(), 2u);  // computers only, by name
    EXPECT_EQ(c_.lvwComputer.Item(0).text, "ALPHA");
    EXPECT_EQ(c_.lvwComputer.Item(1).text, "ZED");
    EXPECT_EQ(c_.lvwComputer.Item(1).Sub_Item(1), "u2");
    EXPECT_EQ(c_.lvwComputer.Item(1).Sub_Item(2), "\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2");
    EXPECT_EQ(c_.Hidden_Password(c_.lvwComputer.Item(1)), "p'w");
    EXPECT_EQ(c_.lvwComputer.Item(0).Sub_Item(2), "");
    EXPECT_EQ(c_.lvwComputer.Item(0).small_icon, "Computer");
    EXPECT_EQ(c_.lvwComputer.Item(0).tag, std::to_string(Get_Device_ID("ALPHA", 2)));
    ASSERT_EQ(c_.lvwComputer.Column_Count(), 3u);
    EXPECT_EQ(c_.lvwComputer.Column(0).width_twips, 2020);
    EXPECT_EQ(c_.lvwComputer.Column(1).width_twips, 2990);
    EXPECT_EQ(c_.lvwComputer.Column(2).width_twips, 2940);
    EXPECT_EQ(c_.txtComputer, "LOCALPC");

    ManageComputersController again(host_);
    ASSERT_GT(Add_Device("LOCALPC", "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    again.Form_Load();
    EXPECT_EQ(again.txtComputer, "");
}

TEST_F(ManageComputersTest, AddTrimsUpperCasesAndRefusesDuplicatesAndBadNames) {
    Open();
    Add("  pc-01 ", "admin", "secret12");
    ASSERT_EQ(c_.lvwComputer.Item_Count(), 1u);
    EXPECT_EQ(c_.lvwComputer.Item(0).text, "PC-01");
    std::int32_t id = Get_Device_ID("PC-01", 2);
    ASSERT_GT(id, 0);
    std::string user, pwd, domain;
    ASSERT_TRUE(Get_Device_Credentials(id, user, pwd, domain));
    EXPECT_EQ(user, "admin");
    EXPECT_EQ(pwd, "secret12");
    EXPECT_EQ(c_.txtComputer, "");
    EXPECT_EQ(c_.txtUserName, "admin");  // kept for the next add
    EXPECT_EQ(db_.Scalar("SELECT PARENT FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id)), "1");
    EXPECT_EQ(db_.Scalar("SELECT ADDED_WUSER FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id)), "tester");

    Add("pc-01");
    EXPECT_EQ(host_.Last_Box(), "Computer already exists.");
    EXPECT_EQ(host_.boxes.back().flags, box::Information);
    EXPECT_EQ(host_.focus.back(), (std::pair<std::string, bool>("txtComputer", true)));

    for (std::string bad : {std::string("pc 02"), std::string(""), std::string("   "), std::string(101, 'A')}) {
        host_.boxes.clear();
        Add(bad);
        EXPECT_EQ(host_.Last_Box(), "Please enter a valid computer name!") << bad;
    }
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 1u);
    Add(std::string(100, 'b'));
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 2u);
    EXPECT_EQ(c_.lvwComputer.Item(1).text, std::string(100, 'B'));
}

TEST_F(ManageComputersTest, CredentialsAreCutToWhatTheStoreKeeps) {
    Open();
    std::string long_user(300, 'u');
    std::string long_pwd;
    for (int i = 0; i < 260; ++i) long_pwd += "\xC3\xA9";  // é, two bytes each
    Add("PC9", long_user, long_pwd);
    std::string user, pwd, domain;
    ASSERT_TRUE(Get_Device_Credentials(Get_Device_ID("PC9", 2), user, pwd, domain));
    EXPECT_EQ(user.size(), 255u);
    EXPECT_EQ(Character_Count(pwd), 255u);
    EXPECT_EQ(c_.Hidden_Password(c_.lvwComputer.Item(0)), pwd);
}

TEST_F(ManageComputersTest, CredentialsWithControlCharactersAreRefusedWithABox) {
    Open();
    Add("PC10", "admin", "abcdefgh\tij");
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 0u);
    EXPECT_EQ(Get_Device_ID("PC10", 2), 0);
    EXPECT_NE(host_.Last_Box().find("control characters"), std::string::npos) << host_.Last_Box();
    ASSERT_FALSE(host_.focus.empty());
    EXPECT_EQ(host_.focus.back().first, "txtPassword");
    EXPECT_EQ(c_.txtComputer, "PC10");  // kept for another try
    Add("PC10", "ad\nmin", "pw");
    EXPECT_EQ(host_.focus.back().first, "txtUserName");
    EXPECT_EQ(Get_Device_ID("PC10", 2), 0);
    // The same text with a blank instead of the tab is stored and read back intact.
    Add("PC10", "admin", "abcdefgh ij");
    std::string user, pwd, domain;
    ASSERT_TRUE(Get_Device_Credentials(Get_Device_ID("PC10", 2), user, pwd, domain));
    EXPECT_EQ(pwd, "abcdefgh ij");
}

TEST_F(ManageComputersTest, SeventeenRowRuleAndDeletingCheckedRowsOnly) {
    for (int i = 0; i < 16; ++i)
        ASSERT_GT(Add_Device("PC" + std::to_string(10 + i), "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    Open();
    const double wide = c_.lvwComputer.Column(2).width_twips;
    Add("PC90");
    EXPECT_EQ(c_.lvwComputer.Column(2).width_twips, wide - 17 * 15);
    Add("PC91");
    EXPECT_EQ(c_.lvwComputer.Column(2).width_twips, wide - 17 * 15);

    // A scan and an asset record of PC10 go with it; PC90's stay.
    std::int32_t pc10 = Get_Device_ID("PC10", 2);
    std::int32_t pc90 = Get_Device_ID("PC90", 2);
    for (std::int32_t id : {pc10, pc90}) {
        db_.Exec("INSERT INTO SCAN_HEAD (DEV_ID, FEATURE_ID, SCAN_DATE) VALUES (" + std::to_string(id) +
                 ", 1, '2024-01-01')");
        db_.Exec("INSERT INTO DEV_SPECS (DEV_ID, MODEL) VALUES (" + std::to_string(id) + ", 'm')");
    }

    host_.answers = {box::Answer_No};
    c_.lvwComputer.Item(0).checked = true;
    c_.cmdDelete_Click();
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 18u);

    host_.boxes.clear();
    c_.chkSelectAll = 0;
    c_.chkSelectAll_Click();
    c_.cmdDelete_Click();  // nothing checked: still asks
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "Are you sure you want to delete the selected computers?");
    EXPECT_EQ(host_.boxes[0].flags, box::Yes_No | box::Question);
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 18u);

    c_.lvwComputer.Item(0).checked = true;   // PC10
    c_.lvwComputer.Item(17).checked = true;  // PC91
    c_.cmdDelete_Click();
    ASSERT_EQ(c_.lvwComputer.Item_Count(), 16u);
    EXPECT_EQ(c_.lvwComputer.Column(2).width_twips, wide);  // widened once, at 17 rows
    EXPECT_EQ(Get_Device_ID("PC10", 2), 0);
    EXPECT_EQ(Get_Device_ID("PC91", 2), 0);
    EXPECT_GT(Get_Device_ID("PC90", 2), 0);
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM SCAN_HEAD WHERE DEV_ID=" + std::to_string(pc10)), "0");
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_SPECS WHERE DEV_ID=" + std::to_string(pc10)), "0");
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM SCAN_HEAD WHERE DEV_ID=" + std::to_string(pc90)), "1");
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_SPECS WHERE DEV_ID=" + std::to_string(pc90)), "1");
}

TEST_F(ManageComputersTest, KeyboardPathAndValidators) {
    Open();
    EXPECT_TRUE(c_.Text_KeyPress("txtComputer", 13));
    EXPECT_EQ(host_.focus.back().first, "txtUserName");
    EXPECT_TRUE(c_.Text_KeyPress("txtUserName", 13));
    EXPECT_EQ(host_.focus.back().first, "txtPassword");
    c_.txtComputer = "kb1";
    EXPECT_TRUE(c_.Text_KeyPress("txtPassword", 13));
    EXPECT_GT(Get_Device_ID("KB1", 2), 0);
    EXPECT_FALSE(c_.Text_KeyPress("txtPassword", 'a'));
    EXPECT_TRUE(c_.Form_KeyPress(27));
    EXPECT_EQ(host_.closes, 1);

    EXPECT_TRUE(ManageComputersController::Is_Valid_Password(std::string(20, 'x')));
    EXPECT_FALSE(ManageComputersController::Is_Valid_Password(std::string(21, 'x')));
    EXPECT_FALSE(ManageComputersController::Is_Valid_Password("a'b"));
    EXPECT_FALSE(ManageComputersController::Is_Valid_UserName(""));
    // A tab cannot travel through the names file.
    EXPECT_FALSE(ManageComputersController::Is_Valid_Computer("A\tB"));
    c_.Increase_ProgressBar_Status(false);
    c_.Increase_ProgressBar_Status(true);
    EXPECT_EQ(c_.pbrProgress_max, 1);
    EXPECT_EQ(c_.pbrProgress_value, 2);
}

}  // namespace
}  // namespace crv
