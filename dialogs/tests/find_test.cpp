// The find dialog over a stand-in of the main window's list and trees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/frm_find_controller.h"

namespace crv {
namespace {

struct FakeWindow : FindLink {
    std::string active = "lvwMain";
    ListModel lvwMain;
    TreeModel tvwFeatures;
    TreeModel tvwDevices;
    std::vector<std::string> shown;

    std::string Active_Control() override { return active; }
    ListModel* List(const std::string& name) override { return name == "lvwMain" ? &lvwMain : nullptr; }
    TreeModel* Tree(const std::string& name) override {
        if (name == "tvwFeatures") return &tvwFeatures;
        if (name == "tvwDevices") return &tvwDevices;
        return nullptr;
    }
    void Show_Row(const std::string& list, std::size_t index) override {
        shown.push_back(list + ":" + std::to_string(index));
    }
    void Show_Node(const std::string& tree, TreeNode& node) override { shown.push_back(tree + ":" + node.key); }
};

class FindTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto& l = w_.lvwMain;
        l.Add_Column("DisplayName", "Display Name", 4000);
        l.Add_Column("ServiceName", "Service Name", 2000);
        const std::vector<std::pair<std::string, std::string>> rows = {
            {"Print Spooler", "Spooler"}, {"Windows Event Log", "EventLog"}, {"Plug and Play", "PlugPlay"},
            {"Remote Procedure Call (RPC)", "RpcSs"}, {"Windows Management Instrumentation", "winmgmt"}};
        for (const auto& [display, name] : rows) l.Add_Item(name, display)->Set_Sub_Item(1, name);
        l.Item(2).Set_Sub_Item(3, "hidden beyond the columns");
    }
    std::vector<std::size_t> Selected() const {
        std::vector<std::size_t> rows;
        for (std::size_t i = 0; i < w_.lvwMain.Item_Count(); ++i)
            if (w_.lvwMain.Item(i).selected) rows.push_back(i);
        return rows;
    }
    void Find(const std::string& text) {
        c_.txtFind = text;
        c_.cmdFind_Click();
    }
    FakeWindow w_;
    FindController c_{w_};
};

TEST_F(FindTest, FindsIgnoringCaseInTextAndColumnsAndWalksThroughAllMatches) {
    Find("windows");
    EXPECT_EQ(Selected(), std::vector<std::size_t>{1});
    EXPECT_EQ(w_.shown.back(), "lvwMain:1");
    Find("windows");
    EXPECT_EQ(Selected(), std::vector<std::size_t>{4});
    Find("windows");  // wraps round to the top
    EXPECT_EQ(Selected(), std::vector<std::size_t>{1});
    Find("RPCSS");  // a service name column only
    EXPECT_EQ(Selected(), std::vector<std::size_t>{3});
    Find("beyond");  // a cell past the list's columns does not count
    EXPECT_EQ(Selected(), std::vector<std::size_t>{3});
    EXPECT_EQ(w_.shown.size(), 4u);
}

TEST_F(FindTest, WrapsRoundToTheSelectedRowAndSelectsOnlyTheFoundRow) {
    w_.lvwMain.Item(4).selected = true;
    Find("plug");  // the only match lies before the selection
    EXPECT_EQ(Selected(), std::vector<std::size_t>{2});
    Find("PLUG");  // the only match is the selected row itself
    EXPECT_EQ(Selected(), std::vector<std::size_t>{2});

    for (std::size_t i : {0, 1, 3}) w_.lvwMain.Item(i).selected = true;
    Find("Print");  // searched after the last selected row, then round
    EXPECT_EQ(Selected(), std::vector<std::size_t>{0});
    EXPECT_EQ(FindController::Find_In_ListView(w_.lvwMain, "no such text"), std::nullopt);
}

TEST_F(FindTest, TreesMatchNodeTextsInCollectionOrder) {
    TreeModel& t = w_.tvwDevices;
    TreeNode* root = t.Add_Root("DEV1", "All Computers");
    TreeNode* office = t.Add_Child(root, "DEV2", "Office");
    t.Add_Child(office, "DEV4", "office-pc");
    t.Add_Child(root, "DEV3", "LAB-PC");
    t.Add(office, TreeRelation::First_Child, "DEV5", "Reception PC");  // added last, shown first
    w_.active = "tvwDevices";
    Find("pc");
    ASSERT_NE(t.selected, nullptr);
    EXPECT_EQ(t.selected->key, "DEV4");
    Find("pc");
    EXPECT_EQ(t.selected->key, "DEV3");
    Find("pc");
    EXPECT_EQ(t.selected->key, "DEV5");
    Find("Pc");
    EXPECT_EQ(t.selected->key, "DEV4");
    EXPECT_EQ(w_.shown.back(), "tvwDevices:DEV4");
    Find("DEV3");  // keys do not count
    EXPECT_EQ(t.selected->key, "DEV4");

    w_.active = "tvwFeatures";
    w_.tvwFeatures.Add_Root("Win32_Service", "Services");
    Find("serv");
    ASSERT_NE(w_.tvwFeatures.selected, nullptr);
    EXPECT_EQ(w_.tvwFeatures.selected->key, "Win32_Service");
    EXPECT_EQ(t.selected->key, "DEV4");  // the other tree keeps its selection
}

TEST_F(FindTest, OtherControlsAndAnEmptyTextDoNothing) {
    w_.lvwMain.Item(0).selected = true;
    w_.active = "cboScanDate";
    Find("windows");
    w_.active = "";
    Find("windows");
    w_.active = "lvwMain";
    Find("");
    EXPECT_EQ(Selected(), std::vector<std::size_t>{0});
    EXPECT_TRUE(w_.shown.empty());
    c_.txtFind = "event";
    EXPECT_TRUE(c_.txtFind_KeyPress(13));
    EXPECT_EQ(Selected(), std::vector<std::size_t>{1});
    EXPECT_FALSE(c_.txtFind_KeyPress('e'));
}

}  // namespace
}  // namespace crv
