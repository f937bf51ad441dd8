// The computer list manager's Browse, Import and Export against a fresh
// store, the fake browse service and real files of the test's folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/error.h"
#include "core/utf.h"
#include "dialogs/computer_names_file.h"
#include "dialogs/frm_manage_computers_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/devices.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

ServerEntry Server(const std::string& name, std::uint32_t type = 0x1003, const std::string& comment = "") {
    ServerEntry e;
    e.name = name;
    e.platform_id = 500;
    e.server_type = type;
    e.major_version = 6;
    e.minor_version = 1;
    e.comment = comment;
    return e;
}

class ManageComputersNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        c_.network = &net_;
        c_.Form_Load();
    }
    static std::vector<std::string> Rows(const ManageComputersController& c) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < c.lvwComputer.Item_Count(); ++i) names.push_back(c.lvwComputer.Item(i).text);
        return names;
    }
    std::vector<std::string> Rows() const { return Rows(c_); }
    std::string File(const std::string& name) const { return (db_.Folder() / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(db_.Folder() / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(db_.Folder() / name, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    void Import(const std::string& name) {
        host_.open_dialog_answer = File(name);
        c_.cmdImport_Click();
    }
    std::string Stored(const std::string& column, std::int32_t id) {
        return db_.Scalar("SELECT " + column + " FROM DEV_TBL WHERE DEV_ID=" + std::to_string(id));
    }

    test::TestDatabase db_{false};
    test::TestDialogHost host_;
    FakeNetServerPort net_;
    ManageComputersController c_{host_};
};

TEST_F(ManageComputersNamesTest, BrowseAddsTheComputersOfEveryDomainWithTheirNetworkData) {
    net_.domains = FakeNetServerPort::Names({"WORKGROUP", "CORP"});
    net_.servers = {{"WORKGROUP", FakeNetServerPort::Records({Server("ws-1"), Server("WS-2"), Server("WS-3")})},
                    {"CORP", FakeNetServerPort::Records({Server("DC1", 0x9B, "Domain controller"), Server("  "),
                                                         Server("FS1"), Server("APP1")})}};
    bool panel_during = false;
    host_.on_events = [&] { panel_during = panel_during || (c_.Busy() && c_.picProgress_visible); };
    c_.cmdBrowse_Click();
    EXPECT_TRUE(panel_during);
    EXPECT_FALSE(c_.picProgress_visible);
    EXPECT_FALSE(c_.Busy());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"WS-1", "WS-2", "WS-3", "DC1", "FS1", "APP1"}));
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(c_.pbrProgress_max, 1);
    EXPECT_EQ(c_.pbrProgress_value, 0);
    const std::int32_t dc = Get_Device_ID("DC1", 2);
    ASSERT_GT(dc, 0);
    EXPECT_EQ(Stored("DEV_DOMAIN", dc), "CORP");
    EXPECT_EQ(Stored("OS_TYPE", dc), std::to_string(0x9B));
    EXPECT_EQ(Stored("PLATFORM_ID", dc), "500");
    EXPECT_EQ(Stored("MAJOR_VER", dc), "6");
    EXPECT_EQ(Stored("MINOR_VER", dc), "1");
    EXPECT_EQ(Stored("COMMENT", dc), "Domain controller");
    EXPECT_EQ(Stored("PARENT", dc), "1");
    EXPECT_EQ(Stored("ADDED_WUSER", dc), "tester");
    EXPECT_EQ(c_.lvwComputer.Item(3).Sub_Item(1), "");
    EXPECT_EQ(c_.Hidden_Password(c_.lvwComputer.Item(3)), "");
    // One domain call, then one per domain, in order.
    ASSERT_EQ(net_.calls.size(), 3u);
    EXPECT_EQ(net_.calls[1].domain, "WORKGROUP");
    EXPECT_EQ(net_.calls[2].domain, "CORP");
}

TEST_F(ManageComputersNamesTest, AStoredComputerKeepsItsCredentialsAndRowAndGetsFreshNetworkData) {
    c_.txtComputer = "fs1";
    c_.txtUserName = "CORP\\admin";
    c_.txtPassword = "s3cret";
    c_.cmdAdd_Click();
    // Stored before the decision on case, in a case of its own.
    const std::int32_t legacy = Add_Device("ZO\xC3\xAB-LAPTOP", "u", "p", 0, 0, 0, 0, "", 1, 2, "", "t");
    ASSERT_GT(legacy, 0);
    ManageComputersController c(host_);
    c.network = &net_;
    c.Form_Load();
    ASSERT_EQ(c.lvwComputer.Item_Count(), 2u);

    net_.domains = FakeNetServerPort::Names({"CORP"});
    net_.servers = {{"CORP", FakeNetServerPort::Records(
                                 {Server("FS1", 0x8003, "Files"), Server("Zo\xC3\xAB-Laptop", 0x1003, "")})}};
    c.cmdBrowse_Click();
    ASSERT_EQ(c.lvwComputer.Item_Count(), 2u);  // nothing new
    const std::int32_t fs1 = Get_Device_ID("FS1", 2);
    std::string user, pwd, domain;
    ASSERT_TRUE(Get_Device_Credentials(fs1, user, pwd, domain));
    EXPECT_EQ(user, "CORP\\admin");
    EXPECT_EQ(pwd, "s3cret");
    EXPECT_EQ(domain, "CORP");
    EXPECT_EQ(Stored("COMMENT", fs1), "Files");
    EXPECT_EQ(Stored("OS_TYPE", fs1), std::to_string(0x8003));
    EXPECT_EQ(Stored("DEV_DOMAIN", legacy), "CORP");
    EXPECT_NE(Stored("COMMENT", legacy), "");  // an empty comment gets the type's names
    EXPECT_EQ(c.lvwComputer.Item(0).Sub_Item(1), "CORP\\admin");
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"), "2");
}

// The store refuses two computers of four (here a trigger; a damaged row
// would do the same), and two of the computers Browse finds. Set Same User
// Name & Password, Delete and Browse each show the store's box once, go on
// with the computers after, and leave the refused ones as they were.
TEST_F(ManageComputersNamesTest, RefusedComputersGiveEachCommandOneBoxAndTheRestIsDone) {
    std::vector<std::int32_t> ids;
    for (const char* name : {"PC-1", "PC-2", "PC-3", "PC-4"})
        ids.push_back(Add_Device(name, "u", "p", 0, 0, 0, 0, "", 1, 2, "", "t"));
    ASSERT_GT(ids.back(), 0);
    for (const char* change : {"UPDATE", "DELETE"})
        db_.Exec(std::string("CREATE TRIGGER refuse_") + change + " BEFORE " + change +
                 " ON DEV_TBL WHEN OLD.DEV_NAME IN ('PC-2','PC-3') BEGIN SELECT RAISE(ABORT, 'refused'); END");
    db_.Exec("CREATE TRIGGER refuse_insert BEFORE INSERT ON DEV_TBL WHEN NEW.DEV_NAME IN ('NEW-1','NEW-2') BEGIN "
             "SELECT RAISE(ABORT, 'refused'); END");
    ManageComputersController c(host_);
    c.network = &net_;
    c.Form_Load();
    net_.domains = FakeNetServerPort::Names({"WORKGROUP", "CORP"});
    net_.servers = {{"WORKGROUP", FakeNetServerPort::Records({Server("NEW-1"), Server("PC-2"), Server("NEW-2")})},
                    {"CORP", FakeNetServerPort::Records({Server("NEW-3")})}};
    auto User_Of = [&](std::int32_t id) {
        std::string user, password, domain;
        EXPECT_TRUE(Get_Device_Credentials(id, user, password, domain));
        return user;
    };

    c.txtUserName = "admin";
    c.txtPassword = "secret";
    c.lblUNPwd_Click();
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(User_Of(ids[0]), "admin");
    EXPECT_EQ(User_Of(ids[2]), "u");
    EXPECT_EQ(User_Of(ids[3]), "admin");
    EXPECT_EQ(c.lvwComputer.Item(2).Sub_Item(1), "u");

    db_.reporter.boxes.clear();
    c.chkSelectAll = 1;
    c.chkSelectAll_Click();
    c.cmdDelete_Click();
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(Rows(c), (std::vector<std::string>{"PC-2", "PC-3"}));
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"), "2");

    db_.reporter.boxes.clear();
    c.cmdBrowse_Click();
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(Rows(c), (std::vector<std::string>{"PC-2", "PC-3", "NEW-3"}));
    EXPECT_EQ(Stored("DEV_DOMAIN", ids[1]), "");
    EXPECT_TRUE(Pending_Error().empty());
    EXPECT_FALSE(c.Busy());
}

TEST_F(ManageComputersNamesTest, AFailedDomainAddsNothingAndPartialDataIsTaken) {
    NetServerEnumAnswer partial = FakeNetServerPort::Records({Server("P1"), Server("P2")});
    partial.status = Net_Status_More_Data;
    NetServerEnumAnswer refused;
    refused.status = 5;  // access denied
    refused.entries_read = 4;
    net_.domains = FakeNetServerPort::Names({"DENIED", "PARTIAL", "MISSING"});
    net_.servers = {{"DENIED", refused}, {"PARTIAL", partial}};
    c_.cmdBrowse_Click();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"P1", "P2"}));
    EXPECT_EQ(net_.calls.size(), 4u);
    EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(ManageComputersNamesTest, CancelStopsBeforeTheNextComputerAndCloseActsAsCancel) {
    net_.domains = FakeNetServerPort::Names({"ONE", "TWO"});
    net_.servers = {{"ONE", FakeNetServerPort::Records({Server("A1"), Server("A2"), Server("A3")})},
                    {"TWO", FakeNetServerPort::Records({Server("B1")})}};
    // The user closes the dialog while the first domain's computers are added.
    host_.on_events = [&] {
        if (c_.lvwComputer.Item_Count() == 1) {
            c_.cmdClose_Click();
            c_.Form_KeyPress(27);
        }
    };
    c_.cmdBrowse_Click();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A1"}));  // a long domain is not waited out
    EXPECT_EQ(host_.closes, 0);
    EXPECT_EQ(net_.calls.size(), 2u);  // TWO was never asked
    EXPECT_FALSE(c_.Busy());

    // The flag does not outlive the browse: the next one goes through.
    host_.on_events = nullptr;
    c_.cmdBrowse_Click();
    EXPECT_EQ(Rows().back(), "B1");
}

TEST_F(ManageComputersNamesTest, NoDomainIsSilentAndACountWithoutNamesSaysSo) {
    net_.domains.status = 6118;
    int events = 0;
    host_.on_events = [&] { events += c_.picProgress_visible ? 1 : 0; };
    c_.cmdBrowse_Click();
    EXPECT_EQ(events, 1);
    EXPECT_FALSE(c_.picProgress_visible);
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 0u);

    net_.domains = NetServerEnumAnswer{};
    net_.domains.entries_read = 2;  // reported, none delivered
    c_.cmdBrowse_Click();
    EXPECT_EQ(host_.Last_Box(), "Could not find any domain(s)!");
    EXPECT_EQ(host_.boxes.back().flags, box::Information);
    EXPECT_FALSE(c_.picProgress_visible);
}

TEST_F(ManageComputersNamesTest, ExportWritesOneCrLfLineEachAndImportingThemAgainAddsNothing) {
    for (const char* name : {"PC-B", "PC-A", "PC-C"}) {
        c_.txtComputer = name;
        c_.cmdAdd_Click();
    }
    host_.save_dialog_answer = File("names.txt");
    c_.cmdExport_Click();
    EXPECT_EQ(host_.save_dialog_filter, "Text Files|*.txt|All Files|*.*");
    EXPECT_EQ(Read("names.txt"), "PC-B\r\nPC-A\r\nPC-C\r\n");  // list order
    EXPECT_TRUE(host_.boxes.empty());

    Import("names.txt");
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 3u);
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(host_.open_dialog_titles.back(), "Import computer names from a text file");

    // Export replaces the file it is given.
    c_.lvwComputer.Item(2).checked = true;
    c_.cmdDelete_Click();
    host_.boxes.clear();
    c_.cmdExport_Click();
    EXPECT_EQ(Read("names.txt"), "PC-B\r\nPC-A\r\n");
}

TEST_F(ManageComputersNamesTest, ExportOfAnEmptyListCancelAndTheTextExtension) {
    host_.save_dialog_filter = "untouched";
    c_.cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "There is no item to export!");
    EXPECT_EQ(host_.boxes.back().flags, box::Exclamation);
    EXPECT_EQ(host_.save_dialog_filter, "untouched");  // no dialog

    c_.txtComputer = "PC1";
    c_.cmdAdd_Click();
    host_.boxes.clear();
    host_.save_dialog_answer = "";
    c_.cmdExport_Click();  // cancelled: nothing, silently
    EXPECT_TRUE(host_.boxes.empty());

    host_.save_dialog_answer = File("list");
    c_.cmdExport_Click();
    EXPECT_EQ(Read("list.txt"), "PC1\r\n");
    EXPECT_FALSE(fs::exists(db_.Folder() / "list"));
    EXPECT_TRUE(host_.boxes.empty());  // nothing there to replace

    // Replacing the completed name asks first; No keeps the file.
    Write("list.txt", "keep");
    host_.answers = {box::Answer_No};
    c_.cmdExport_Click();
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, File("list.txt") + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(host_.boxes[0].flags, box::Yes_No | box::Question);
    EXPECT_EQ(Read("list.txt"), "keep");
    c_.cmdExport_Click();  // Yes
    EXPECT_EQ(Read("list.txt"), "PC1\r\n");

    // A folder that cannot be written shows the error box.
    host_.save_dialog_answer = File("no such folder/names.txt");
    c_.cmdExport_Click();
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("no such folder"), std::string::npos);
}

// A host whose code page is Latin-1: what does not fit turns into "?".
struct Latin1Host : test::TestDialogHost {
    Ansi_Encoder Export_Encoder() override {
        return [](std::string_view utf8, std::string& out) {
            std::u16string wide = Utf8_To_Utf16(utf8);
            for (char16_t ch : wide) out += ch < 0x100 ? static_cast<char>(ch) : '?';
            return true;
        };
    }
    std::string From_Ansi(const std::string& bytes) override {
        std::u16string wide;
        for (unsigned char b : bytes) wide += static_cast<char16_t>(b);
        return Utf16_To_Utf8(wide);
    }
};

TEST_F(ManageComputersNamesTest, NamesTheCodePageCannotHoldAreWrittenAsMarkedUtf8) {
    Latin1Host latin;
    ManageComputersController c(latin);
    c.Form_Load();
    c.txtComputer = "zo\xC3\xAB-pc";
    c.cmdAdd_Click();
    latin.save_dialog_answer = File("ansi.txt");
    c.cmdExport_Click();
    EXPECT_EQ(Read("ansi.txt"), "ZO\xCB-PC\r\n");  // one byte in the code page

    c.txtComputer = "\xD0\xBA\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB-\xD0\xBF\xD0\xBA";  // кирилл-пк
    c.cmdAdd_Click();
    latin.save_dialog_answer = File("utf8.txt");
    c.cmdExport_Click();
    EXPECT_EQ(Read("utf8.txt"), "\xEF\xBB\xBFZO\xC3\x8B-PC\r\n\xD0\x9A\xD0\x98\xD0\xA0\xD0\x98\xD0\x9B\xD0\x9B-\xD0\x9F\xD0\x9A\r\n");

    // Both files read back into an empty list name for name.
    for (const char* file : {"ansi.txt", "utf8.txt"}) {
        c.lvwComputer.Item(0).checked = true;
        if (c.lvwComputer.Item_Count() > 1) c.lvwComputer.Item(1).checked = true;
        c.cmdDelete_Click();
        ASSERT_EQ(c.lvwComputer.Item_Count(), 0u);
        latin.open_dialog_answer = File(file);
        c.cmdImport_Click();
        ASSERT_GE(c.lvwComputer.Item_Count(), 1u) << file;
        EXPECT_EQ(c.lvwComputer.Item(0).text, "ZO\xC3\x8B-PC") << file;
    }
    EXPECT_EQ(c.lvwComputer.Item_Count(), 2u);
}

TEST_F(ManageComputersNamesTest, ImportTakesQuotedAndPaddedNamesOnceWithTheTypedCredentials) {
    Write("names.txt", "\"pc-1\",  pc-2  ,PC 3\r\npc-2\r\nPC-1,\"pc-4\"\r\n\r\nbad\tname,pc-5");
    c_.txtUserName = "admin";
    c_.txtPassword = "pw";
    Import("names.txt");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"PC-1", "PC-2", "PC-4", "PC-5"}));
    EXPECT_TRUE(host_.boxes.empty());
    std::string user, pwd, domain;
    ASSERT_TRUE(Get_Device_Credentials(Get_Device_ID("PC-4", 2), user, pwd, domain));
    EXPECT_EQ(user, "admin");
    EXPECT_EQ(pwd, "pw");
    EXPECT_EQ(c_.lvwComputer.Item(0).Sub_Item(2), "\xE2\x80\xA2\xE2\x80\xA2");
    EXPECT_EQ(c_.Hidden_Password(c_.lvwComputer.Item(0)), "pw");
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"), "4");

    // With both boxes empty the computers get empty credentials; the Open
    // dialog starts at the file last used.
    c_.txtUserName.clear();
    c_.txtPassword.clear();
    Write("more.txt", "pc-6");
    Import("more.txt");
    EXPECT_EQ(host_.open_dialog_start, File("names.txt"));
    ASSERT_TRUE(Get_Device_Credentials(Get_Device_ID("PC-6", 2), user, pwd, domain));
    EXPECT_EQ(user, "");
    EXPECT_EQ(pwd, "");

    // Cancel in the Open dialog ends the command silently.
    host_.open_dialog_answer = "";
    c_.cmdImport_Click();
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 5u);
}

TEST_F(ManageComputersNamesTest, BinaryLargeAndMissingFilesAddNothing) {
    static const char png[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR,LOOKS-LIKE-A-NAME";
    Write("picture.png", std::string(png, sizeof png - 1));
    Import("picture.png");
    EXPECT_EQ(host_.Last_Box(), "The file is not a text file of computer names. Nothing was imported.");
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 0u);

    std::string big;
    while (big.size() <= Names_File_Max_Bytes) big += "PC" + std::to_string(big.size()) + "\r\n";
    Write("big.txt", big);
    Import("big.txt");
    EXPECT_EQ(host_.Last_Box(),
              "The file is larger than 1 MB, too large for a list of computer names. Nothing was imported.");
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 0u);

    Import("missing.txt");
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("missing.txt"), std::string::npos);
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_TBL WHERE DEV_TYPE_ID=2"), "0");
}

TEST_F(ManageComputersNamesTest, ImportNarrowsThePasswordColumnOnceWhenTheRowsOverflowThePage) {
    host_.per_page = 3;
    const double wide = c_.lvwComputer.Column(2).width_twips;
    Write("a.txt", "A1,A2,A3");
    Import("a.txt");
    EXPECT_EQ(c_.lvwComputer.Column(2).width_twips, wide);
    Write("b.txt", "B1,B2");
    Import("b.txt");
    EXPECT_EQ(c_.lvwComputer.Column(2).width_twips, wide - 250);  // at the 4th row only
    for (int i = 0; i < 11; ++i) {  // and not the 17-row rule
        Write("c.txt", std::string(1, static_cast<char>('A' + i)) + "9");
        Import("c.txt");
    }
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 16u);
    Write("d.txt", "D17");
    Import("d.txt");
    EXPECT_EQ(c_.lvwComputer.Item_Count(), 17u);
    EXPECT_EQ(c_.lvwComputer.Column(2).width_twips, wide - 250);
}

TEST_F(ManageComputersNamesTest, NamesCompareIgnoringCaseByTheSystemsRulesForEveryLetter) {
    c_.txtComputer = " Zo\xC3\xAB-Laptop ";
    c_.cmdAdd_Click();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"ZO\xC3\x8B-LAPTOP"}));
    EXPECT_GT(Get_Device_ID("ZO\xC3\x8B-LAPTOP", 2), 0);
    c_.txtComputer = "ZO\xC3\x8B-LAPTOP";
    c_.cmdAdd_Click();
    EXPECT_EQ(host_.Last_Box(), "Computer already exists.");

    // A name stored in a case of its own is the same computer too.
    ASSERT_GT(Add_Device("ZO\xC3\xB6-PC", "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    ManageComputersController c(host_);
    c.Form_Load();
    EXPECT_TRUE(c.Is_Already_In_List("zo\xC3\x96-pc"));
    EXPECT_TRUE(c.Is_Already_In_List("zo\xC3\xAB-laptop"));
    EXPECT_FALSE(c.Is_Already_In_List("ZOE-LAPTOP"));
    Write("case.txt", "ZO\xC3\x96-PC,zo\xC3\xAB-laptop");
    host_.open_dialog_answer = File("case.txt");
    c.cmdImport_Click();
    EXPECT_EQ(c.lvwComputer.Item_Count(), 2u);
    EXPECT_EQ(c.txtComputer, "LOCALPC");  // not listed yet

    // The local computer stored in another case is not offered again.
    ASSERT_GT(Add_Device("LocalPc", "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    ManageComputersController again(host_);
    again.Form_Load();
    EXPECT_EQ(again.txtComputer, "");
}

}  // namespace
}  // namespace crv
