// Editing credentials in the computer list: the in-place editor and the
// same user name and password for all computers.
#include <gtest/gtest.h>

#include "dialogs/frm_manage_computers_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/devices.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

// Column edges of the list the clicks are given in: column 2 from 100 to
// 200, column 3 from 200 to 280.
constexpr double L2 = 100, L3 = 200, W3 = 80;

std::string Mask(int characters) {
    std::string mask;
    for (int i = 0; i < characters; ++i) mask += Password_Bullet;
    return mask;
}

class ManageCredentialsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"PC-A", "PC-B", "PC-C"})
            ASSERT_GT(Add_Device(name, std::string("u-") + name, "pw", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
        c_.Form_Load();
    }
    std::pair<std::string, std::string> Stored(const std::string& name) {
        std::string user, pwd, domain;
        EXPECT_TRUE(Get_Device_Credentials(Get_Device_ID(name, 2), user, pwd, domain));
        return {user, pwd};
    }
    void Click(std::size_t row, double x) { c_.lvwComputer_MouseUp(row, x, L2, L3, W3); }

    test::TestDatabase db_{false};
    test::TestDialogHost host_;
    ManageComputersController c_{host_};
};

TEST_F(ManageCredentialsTest, TheClickedColumnDecidesWhatTheEditorOpensOn) {
    Click(1, 150);
    EXPECT_TRUE(c_.txtUName_visible);
    EXPECT_FALSE(c_.txtUName_masked);
    EXPECT_EQ(c_.txtUName, "u-PC-B");
    EXPECT_EQ(c_.txtUName_tag, 1);
    EXPECT_EQ(c_.lvwComputer_tag, Get_Device_ID("PC-B", 2));
    EXPECT_EQ(host_.focus.back(), (std::pair<std::string, bool>("txtUName", true)));
    c_.txtUName_LostFocus();

    Click(2, 250);
    EXPECT_TRUE(c_.txtUName_masked);
    EXPECT_EQ(c_.txtUName, "pw");  // the clear password, masked in the editor
    EXPECT_EQ(c_.txtUName_tag, 2);
    c_.txtUName_LostFocus();

    // The name column, the edges themselves and the space right of the last
    // column open nothing, but the row is remembered all the same.
    for (double x : {10.0, L2, L3, L3 + W3, 400.0}) {
        Click(0, x);
        EXPECT_FALSE(c_.txtUName_visible) << x;
        EXPECT_EQ(c_.lvwComputer_tag, Get_Device_ID("PC-A", 2)) << x;
    }
    const std::size_t focus_moves = host_.focus.size();
    c_.lvwComputer_MouseUp(std::nullopt, 150, L2, L3, W3);  // no row: nothing
    EXPECT_EQ(c_.lvwComputer_tag, Get_Device_ID("PC-A", 2));
    EXPECT_EQ(host_.focus.size(), focus_moves);
}

TEST_F(ManageCredentialsTest, LeavingTheEditorSavesTheComputersCredentials) {
    Click(1, 250);
    c_.txtUName = "n3w'pass";
    c_.txtUName_LostFocus();
    EXPECT_FALSE(c_.txtUName_visible);
    EXPECT_EQ(Stored("PC-B"), (std::pair<std::string, std::string>("u-PC-B", "n3w'pass")));
    const ListItem& row = c_.lvwComputer.Item(1);
    EXPECT_EQ(row.Sub_Item(2), Mask(8));
    EXPECT_EQ(c_.Hidden_Password(row), "n3w'pass");

    // Clearing the user name saves an empty one.
    Click(1, 150);
    c_.txtUName.clear();
    c_.txtUName_LostFocus();
    EXPECT_EQ(Stored("PC-B"), (std::pair<std::string, std::string>("", "n3w'pass")));
    EXPECT_EQ(c_.lvwComputer.Item(1).Sub_Item(1), "");

    // An editor left unchanged still writes the row's credentials again.
    db_.Exec("UPDATE DEV_TBL SET SCAN_USER='', SCAN_PWD='' WHERE DEV_NAME='PC-C'");
    Click(2, 150);
    c_.txtUName_LostFocus();
    EXPECT_EQ(Stored("PC-C"), (std::pair<std::string, std::string>("u-PC-C", "pw")));
}

TEST_F(ManageCredentialsTest, ControlCharactersAreRefusedOnceAndNothingChanges) {
    // The in-place editor: one box, the row and the store keep their values.
    Click(1, 250);
    c_.txtUName = "abcdefgh\tij";
    c_.txtUName_LostFocus();
    EXPECT_FALSE(c_.txtUName_visible);
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_NE(host_.Last_Box().find("control characters"), std::string::npos);
    EXPECT_EQ(Stored("PC-B"), (std::pair<std::string, std::string>("u-PC-B", "pw")));
    EXPECT_EQ(c_.Hidden_Password(c_.lvwComputer.Item(1)), "pw");
    EXPECT_TRUE(db_.reporter.boxes.empty());  // refused before the store was asked

    // The same credentials for all: one box for all computers, none changed.
    host_.answers.push_back(box::Answer_Yes);
    c_.txtUserName = "admin\n";
    c_.txtPassword = "pw";
    c_.lblUNPwd_Click();
    EXPECT_EQ(host_.boxes.size(), 3u);  // the question, then the refusal
    EXPECT_NE(host_.Last_Box().find("control characters"), std::string::npos);
    EXPECT_EQ(host_.focus.back().first, "txtUserName");
    for (const char* name : {"PC-A", "PC-B", "PC-C"}) EXPECT_EQ(Stored(name).first, std::string("u-") + name);
    EXPECT_TRUE(db_.reporter.boxes.empty());
}

TEST_F(ManageCredentialsTest, TheEditorFollowsItsComputerNotARowPosition) {
    Click(2, 150);  // PC-C
    c_.txtUName = "moved";
    // The rows above move before the edit is saved.
    c_.lvwComputer.Remove_Item(0);
    c_.txtUName_LostFocus();
    EXPECT_EQ(Stored("PC-C").first, "moved");
    EXPECT_EQ(Stored("PC-B").first, "u-PC-B");
    EXPECT_EQ(c_.lvwComputer.Item(1).Sub_Item(1), "moved");
}

TEST_F(ManageCredentialsTest, CloseAndEscSaveAnOpenEditorOnce) {
    for (bool by_escape : {false, true}) {
        Click(0, 150);
        c_.txtUName = by_escape ? "esc" : "close";
        if (by_escape)
            c_.Form_KeyPress(27);
        else
            c_.cmdClose_Click();
        EXPECT_EQ(Stored("PC-A").first, by_escape ? "esc" : "close");
        EXPECT_FALSE(c_.txtUName_visible);
        // The focus then leaves the editor of the closing window: nothing more is written.
        db_.Exec("UPDATE DEV_TBL SET SCAN_USER='' WHERE DEV_NAME='PC-A'");
        c_.txtUName_LostFocus();
        EXPECT_EQ(Stored("PC-A").first, "");
    }
    EXPECT_EQ(host_.closes, 2);
}

TEST_F(ManageCredentialsTest, AFailedSaveKeepsTheRow) {
    db_.Exec("CREATE TRIGGER no_update BEFORE UPDATE ON DEV_TBL BEGIN SELECT RAISE(ABORT, 'locked'); END");
    Click(0, 250);
    c_.txtUName = "other";
    c_.txtUName_LostFocus();
    EXPECT_EQ(c_.Hidden_Password(c_.lvwComputer.Item(0)), "pw");
    EXPECT_EQ(c_.lvwComputer.Item(0).Sub_Item(2), Mask(2));
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);  // the store's box

    host_.boxes.clear();
    c_.txtUserName = "x";
    c_.txtPassword = "y";
    c_.lblUNPwd_Click();
    EXPECT_EQ(c_.lvwComputer.Item(2).Sub_Item(1), "u-PC-C");
    EXPECT_EQ(db_.reporter.boxes.size(), 2u);  // one for the loop over every computer
}

TEST_F(ManageCredentialsTest, SameCredentialsForAllAsksFirstThenChecksTheBoxes) {
    c_.txtUserName = "";
    c_.txtPassword = "";
    host_.answers = {box::Answer_No};
    c_.lblUNPwd_Click();
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text,
              "Are you sure you want to set the same user name and password for all the computers in the list?");
    EXPECT_EQ(host_.boxes[0].flags, box::Yes_No | box::Question);

    c_.lblUNPwd_Click();
    EXPECT_EQ(host_.Last_Box(), "User name can not be empty! Please provide a valid user name.");
    EXPECT_EQ(host_.boxes.back().flags, box::Exclamation);
    EXPECT_EQ(host_.focus.back().first, "txtUserName");
    c_.txtUserName = "admin";
    host_.boxes.clear();
    c_.lblUNPwd_Click();
    ASSERT_EQ(host_.boxes.size(), 2u);  // the question came first
    EXPECT_EQ(host_.boxes[1].text, "Password can not be empty! Please provide a valid password.");
    EXPECT_EQ(host_.focus.back().first, "txtPassword");
    EXPECT_EQ(Stored("PC-A").first, "u-PC-A");

    // Blanks are text: taken as typed, for every row, checked or not.
    c_.txtUserName = " admin ";
    c_.txtPassword = "   ";
    c_.lvwComputer.Item(1).checked = true;
    c_.lblUNPwd_Click();
    for (const char* name : {"PC-A", "PC-B", "PC-C"})
        EXPECT_EQ(Stored(name), (std::pair<std::string, std::string>(" admin ", "   "))) << name;
    EXPECT_EQ(c_.lvwComputer.Item(2).Sub_Item(1), " admin ");
    EXPECT_EQ(c_.Hidden_Password(c_.lvwComputer.Item(2)), "   ");
}

TEST_F(ManageCredentialsTest, SameCredentialsWithAnEmptyListChangesNothing) {
    for (std::size_t i = 0; i < c_.lvwComputer.Item_Count(); ++i) c_.lvwComputer.Item(i).checked = true;
    c_.cmdDelete_Click();
    ASSERT_EQ(c_.lvwComputer.Item_Count(), 0u);
    host_.boxes.clear();
    c_.txtUserName = "a";
    c_.txtPassword = "b";
    c_.lblUNPwd_Click();
    ASSERT_EQ(host_.boxes.size(), 1u);  // the question only
    EXPECT_TRUE(db_.reporter.boxes.empty());
}

}  // namespace
}  // namespace crv
