// The computer list manager's Import under a refused password and a database
// locked by a second connection, its busy panel and Cancel, and Export then
// Import giving back every name Add accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>

#include "core/utf.h"

#include "dialogs/frm_manage_computers_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/devices.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

class ManageComputersImportTest : public ::testing::Test {
protected:
    void SetUp() override { c_.Form_Load(); }
    std::vector<std::string> Rows() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < c_.lvwComputer.Item_Count(); ++i) names.push_back(c_.lvwComputer.Item(i).text);
        return names;
    }
    std::string File(const std::string& name) const { return (db_.Folder() / name).string(); }
    void Write_Names(const std::string& name, int count) const {
        std::ofstream out(db_.Folder() / name, std::ios::binary);
        for (int i = 0; i < count; ++i) out << "PC-" << i << "\r\n";
    }
    void Import(const std::string& name) {
        host_.open_dialog_answer = File(name);
        c_.cmdImport_Click();
    }
    std::size_t All_Boxes() const { return host_.boxes.size() + db_.reporter.boxes.size(); }
    std::string Stored_Computers() { return db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"); }

    test::TestDatabase db_{false};
    test::TestDialogHost host_;
    ManageComputersController c_{host_};
};

TEST_F(ManageComputersImportTest, ARefusedPasswordIsToldOnceBeforeAnyFileIsRead) {
    Write_Names("many.txt", 1000);
    c_.txtUserName = "admin";
    c_.txtPassword = "pa\tss";
    Import("many.txt");
    ASSERT_EQ(All_Boxes(), 1u);
    ASSERT_EQ(host_.boxes.size(), 1u);  // Add's own message, not the store's
    EXPECT_NE(host_.boxes[0].text.find(Credentials_Control_Character_Text), std::string::npos);
    EXPECT_EQ(host_.boxes[0].flags, box::Exclamation);
    EXPECT_EQ(host_.focus.back().first, "txtPassword");
    EXPECT_TRUE(host_.open_dialog_titles.empty());
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 0u);
    EXPECT_EQ(Stored_Computers(), "0");
    EXPECT_FALSE(c_.Busy());
}

TEST_F(ManageComputersImportTest, ALockTakenMidImportShowsOneBoxAndKeepsTheRowsStoredBeforeIt) {
    Write_Names("long.txt", 1200);
    std::optional<test::DatabaseLock> lock;
    // The lock is taken once the first names are listed.
    host_.on_events = [&] {
        if (!lock && c_.lvwComputer.Item_Count() > 0) lock.emplace(db_);
    };
    Import("long.txt");
    ASSERT_TRUE(lock);
    lock.reset();
    ASSERT_EQ(All_Boxes(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("locked"), std::string::npos);
    const std::size_t listed = c_.lvwComputer.Item_Count();
    EXPECT_GT(listed, 0u);
    EXPECT_LT(listed, 1200u);
    EXPECT_EQ(Stored_Computers(), std::to_string(listed));  // every row shown is stored, and no more
    EXPECT_EQ(c_.lvwComputer.Item(listed - 1).text, "PC-" + std::to_string(listed - 1));
    EXPECT_FALSE(c_.Busy());
    EXPECT_FALSE(c_.picProgress_visible);

    // Once the lock is gone the same file brings the rest.
    host_.on_events = nullptr;
    Import("long.txt");
    EXPECT_EQ(Stored_Computers(), "1200");
}

TEST_F(ManageComputersImportTest, ImportShowsTheBusyPanelWithProgressAndCancelKeepsWhatWasRead) {
    Write_Names("long.txt", 1200);
    c_.txtUserName = "u";
    c_.txtPassword = "p";
    int busy_events = 0, progress = 0;
    host_.on_events = [&] {
        if (c_.Busy() && c_.picProgress_visible) ++busy_events;
        progress = std::max(progress, c_.pbrProgress_value);
        // The user closes the dialog part-way: Close acts as Cancel.
        if (c_.pbrProgress_value == 700) c_.cmdClose_Click();
        // No other command starts inside the loop.
        c_.cmdImport_Click();
        c_.cmdExport_Click();
    };
    Import("long.txt");
    EXPECT_GE(busy_events, 700);  // it yields between names
    EXPECT_EQ(c_.pbrProgress_max, 1200);
    EXPECT_EQ(progress, 700);
    EXPECT_EQ(host_.closes, 0);
    EXPECT_EQ(host_.open_dialog_titles.size(), 1u);
    EXPECT_FALSE(c_.Busy());
    EXPECT_FALSE(c_.picProgress_visible);
    // Every name read before the Cancel is listed and stored, with the typed credentials.
    ASSERT_EQ(c_.lvwComputer.Item_Count(), 700u);
    EXPECT_EQ(Stored_Computers(), "700");
    EXPECT_EQ(c_.lvwComputer.Item(699).text, "PC-699");
    std::string user, pwd, domain;
    ASSERT_TRUE(Get_Device_Credentials(Get_Device_ID("PC-699", 2), user, pwd, domain));
    EXPECT_EQ(user, "u");
    EXPECT_EQ(pwd, "p");
    EXPECT_EQ(All_Boxes(), 0u);

    // The Cancel does not outlive the import: the next one reads to the end.
    host_.on_events = nullptr;
    Import("long.txt");
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 1200u);
    EXPECT_EQ(Stored_Computers(), "1200");
}

// A host whose code page is Latin-1 both ways.
struct Latin1Host : test::TestDialogHost {
    Ansi_Encoder Export_Encoder() override {
        return [](std::string_view utf8, std::string& out) {
            for (char16_t ch : Utf8_To_Utf16(utf8)) out += ch < 0x100 ? static_cast<char>(ch) : '?';
            return true;
        };
    }
    std::string From_Ansi(const std::string& bytes) override {
        std::u16string wide;
        for (unsigned char b : bytes) wide += static_cast<char16_t>(b);
        return Utf16_To_Utf8(wide);
    }
};

TEST_F(ManageComputersImportTest, EveryNameAddAcceptsComesBackFromExportThenImport) {
    Latin1Host latin;
    ManageComputersController c(latin);
    c.Form_Load();
    // "\xC3\x83\xC2\xA9" is two Latin-1 letters whose code-page bytes also
    // read as one UTF-8 letter.
    const std::vector<std::string> names = {"A,B", "\"Q\"", "X\"Y", "Q'UOTE", ",", "\"\"\"", "PC-1", "\xC3\x83\xC2\xA9"};
    for (const std::string& name : names) {
        c.txtComputer = name;
        c.cmdAdd_Click();
    }
    ASSERT_TRUE(latin.boxes.empty()) << latin.Last_Box();
    ASSERT_EQ(c.lvwComputer.Item_Count(), names.size());
    latin.save_dialog_answer = File("names.txt");
    c.cmdExport_Click();
    for (std::size_t i = 0; i < names.size(); ++i) c.lvwComputer.Item(i).checked = true;
    c.cmdDelete_Click();
    ASSERT_EQ(c.lvwComputer.Item_Count(), 0u);
    latin.open_dialog_answer = File("names.txt");
    c.cmdImport_Click();
    std::vector<std::string> back;
    for (std::size_t i = 0; i < c.lvwComputer.Item_Count(); ++i) back.push_back(c.lvwComputer.Item(i).text);
    EXPECT_EQ(back, names);
    EXPECT_EQ(latin.boxes.size(), 1u);  // the delete's question only
}

TEST_F(ManageComputersImportTest, NamesTheFileCannotCarryAreRefusedByAdd) {
    for (const std::string bad : {"A\nB", "A\r\nB", "A\x0B" "B", "A\tB", "A\x1F", "A\x7F", "A\xC2\x85"}) {
        host_.boxes.clear();
        c_.txtComputer = bad;
        c_.cmdAdd_Click();
        ASSERT_EQ(host_.boxes.size(), 1u) << bad;
        EXPECT_EQ(host_.boxes[0].text, "Please enter a valid computer name!");
        EXPECT_EQ(host_.boxes[0].flags, box::Exclamation);
        EXPECT_FALSE(ManageComputersController::Is_Valid_Computer(bad));
    }
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 0u);
    EXPECT_EQ(Stored_Computers(), "0");
}

}  // namespace
}  // namespace crv
