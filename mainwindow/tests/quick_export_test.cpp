// Quick Export: the name offered, the file replaced, the writer of the
// chosen format, and the command reached from the menu and the toolbar.
#include "core/tests/read_all.h"
#include "mainwindow/tests/controller_fixture.h"

namespace crv::test {
namespace {

class QuickExportTest : public ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        Start();
        // What the pane shows; no listing needs to run for an export.
        c_.lvwMain.Clear_Items();
        c_.lvwMain.Clear_Columns();
        c_.lvwMain.Add_Column("Name", "Name", 3000);
        c_.lvwMain.Add_Column("Value", "Value", 3000);
        c_.lvwMain.Add_Item("a", "Display Name")->Set_Sub_Item(1, "Tool, \"new\"");
        c_.lvwMain.Add_Item("b", "Version")->Set_Sub_Item(1, "2.1");
    }
    void Select(const std::string& key) {
        TreeNode* n = Feature(key);
        ASSERT_NE(n, nullptr);
        c_.tvwFeatures.Select(n);
    }
    std::string File(const std::string& name) const {
        auto s = (db_.Folder() / name).u8string();
        return std::string(s.begin(), s.end());
    }
    TestHost& export_host_ = host_;
};

TEST_F(QuickExportTest, OffersACleanNameAndReplacesTheChosenFile) {
    ASSERT_GT(c_.tvwFeatures.Count(), 0u);
    c_.tvwFeatures.Nodes().front()->text = "fe80::1";
    Select("Cust_InstalledProducts");
    {
        std::ofstream old(db_.Folder() / "quick.csv", std::ios::binary);
        old << "\"An earlier export\"\r\n";
    }
    export_host_.save_answer = File("quick.csv");
    c_.mnuFleQuickExport_Click();
    EXPECT_EQ(export_host_.save_title, "Quick Export - Corvalin");
    EXPECT_EQ(export_host_.save_filter, "CSV File(.csv)|*.csv|HTML File(.html)|*.html|Text File(.txt)|*.txt");
    EXPECT_EQ(export_host_.save_offered, "Installed_Products(fe80__1)");
    const std::string csv = Read_All(db_.Folder() / "quick.csv");
    EXPECT_EQ(csv.find("earlier"), std::string::npos);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF\"Installed Products(fe80::1)\"\r\n\"Name\",\"Value\"\r\n", 0), 0u) << csv;
    EXPECT_NE(csv.find("\"Tool, \"\"new\"\"\""), std::string::npos);
    ASSERT_EQ(export_host_.boxes.size(), 1u);
    EXPECT_EQ(export_host_.boxes[0].text, "Successfully exported data to the file.");
    EXPECT_EQ(export_host_.boxes[0].flags, Mb_Information);

    // The same export again gives the same file, not two exports in one.
    c_.mnuFleQuickExport_Click();
    EXPECT_EQ(Read_All(db_.Folder() / "quick.csv"), csv);
}

TEST_F(QuickExportTest, FilterIndexChoosesTheWriterAndCancelWritesNothing) {
    Select("Win32_Processor");
    export_host_.save_answer = "";
    c_.mnuFleQuickExport_Click();
    EXPECT_EQ(export_host_.save_dialogs, 1);
    EXPECT_TRUE(export_host_.boxes.empty());

    export_host_.save_answer = File("q.html");
    export_host_.save_index = 2;
    c_.mnuFleQuickExport_Click();
    const std::string html = Read_All(db_.Folder() / "q.html");
    EXPECT_NE(html.find("<b>Processors (PC7)</b>"), std::string::npos) << html;
    EXPECT_NE(html.find("</table>"), std::string::npos);

    // Text: the feature's layout, then the footer with its time line.
    export_host_.save_answer = File("q.txt");
    export_host_.save_index = 3;
    c_.mnuFleQuickExport_Click();
    const std::string text = Read_All(db_.Folder() / "q.txt");
    EXPECT_NE(text.find("Processors (PC7)"), std::string::npos) << text;
    EXPECT_NE(text.find(" Display Name"), std::string::npos);
    EXPECT_NE(text.find("[Report Taken @ "), std::string::npos);
    EXPECT_EQ(export_host_.boxes.size(), 2u);
}

TEST_F(QuickExportTest, WithoutAFeatureNodeTheListIsStillWritten) {
    c_.tvwFeatures.Select(nullptr);
    export_host_.save_answer = File("plain.txt");
    export_host_.save_index = 3;
    c_.mnuFleQuickExport_Click();
    EXPECT_EQ(export_host_.save_offered, "Corvalin");
    EXPECT_NE(Read_All(db_.Folder() / "plain.txt").find("Version"), std::string::npos);
    ASSERT_EQ(export_host_.boxes.size(), 1u);
    EXPECT_EQ(export_host_.boxes[0].text, "Successfully exported data to the file.");
}

TEST_F(QuickExportTest, AFileThatCannotBeWrittenIsNoSuccess) {
    Select("Win32_Processor");
    export_host_.save_answer = File("no-such-folder/q.csv");
    c_.mnuFleQuickExport_Click();
    EXPECT_TRUE(export_host_.boxes.empty());
    EXPECT_EQ(reporter_.boxes.size(), 1u);
}

TEST_F(QuickExportTest, MenuAndToolbarReachTheCommand) {
    EXPECT_TRUE(c_.Command_Enabled("mnuFleQuickExport"));
    export_host_.save_answer = "";
    EXPECT_TRUE(c_.Run_Command("mnuFleQuickExport"));
    c_.Toolbar_Button_Click("tlbMain", "QuickExport");
    EXPECT_EQ(export_host_.save_dialogs, 2);
}

}  // namespace
}  // namespace crv::test
