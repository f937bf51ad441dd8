#include "ui/model/list_layouts.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/error.h"

namespace crv {
namespace {

std::vector<std::string> Keys(const ListModel& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.Column_Count(); ++i) out.push_back(list.Column(i).key);
    return out;
}

class ListLayouts : public ::testing::Test {
protected:
    void SetUp() override { Clear_Error(); }
    void TearDown() override { Set_Show_Tabular_Report_Hook({}); }
};

TEST_F(ListLayouts, ColumnSetsOfEachKind) {
    ListModel list;
    ASSERT_TRUE(Setup_ListView_Columns(list, 3, ""));
    ASSERT_EQ(list.Column_Count(), 11u);
    EXPECT_EQ(list.Column(0).key, "ImageName");
    EXPECT_EQ(list.Column(0).text, "Image Name");
    EXPECT_EQ(list.Column(9).key, "Started@");
    EXPECT_EQ(list.Column(9).text, "Started @");
    EXPECT_EQ(list.Column(10).width_twips, 4500);

    ASSERT_TRUE(Setup_ListView_Columns(list, 4, ""));
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"DisplayName", "ServiceName", "State", "StartMode",
                                                    "StartName", "ServiceType", "Description"}));
    EXPECT_EQ(list.Column(6).width_twips, 9000);

    ASSERT_TRUE(Setup_ListView_Columns(list, 5, ""));
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"DisplayName", "Publisher", "DisplayVersion",
                                                    "InstallLocation", "InstallDate", "EstimatedSize"}));
    EXPECT_EQ(list.Column(0).text, "Name");
    EXPECT_EQ(list.Column(1).text, "Vendor");
    EXPECT_EQ(list.Column(5).text, "Install Size");

    list.multi_select = true;
    list.checkboxes = true;
    ASSERT_TRUE(Setup_ListView_Columns(list, 0, "[Root...]"));
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"Name", "Value"}));
    EXPECT_EQ(list.Column(0).width_twips, 5000);
    EXPECT_EQ(list.Column(1).width_twips, 12000);
    EXPECT_FALSE(list.multi_select);
    EXPECT_FALSE(list.checkboxes);
    EXPECT_FALSE(list.hide_column_headers);
    EXPECT_EQ(list.view, ListViewMode::Report);

    ASSERT_TRUE(Setup_ListView_Columns(list, 7, ""));
    ASSERT_EQ(list.Column_Count(), 16u);
    EXPECT_EQ(list.Column(0).key, "Device Name");
    EXPECT_EQ(list.Column(15).key, "Remarks");
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(list.Column(i).key, list.Column(i).text);
        EXPECT_EQ(list.Column(i).width_twips, 2000);
        EXPECT_EQ(list.Column(i).alignment, ColumnAlignment::Left);
    }
    EXPECT_TRUE(list.multi_select);
}

TEST_F(ListLayouts, PropertyLayoutAfterProcessesKeepsRows) {
    ListModel list;
    Setup_ListView_Columns(list, 3, "");
    list.Add_Item("p1", "explorer.exe")->Set_Sub_Item(1, "1234");
    ASSERT_TRUE(Setup_ListView_Columns(list, 2, ""));
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"Name", "Value"}));
    ASSERT_EQ(list.Item_Count(), 1u);
    EXPECT_EQ(list.Item(0).Sub_Item(1), "1234");
}

TEST_F(ListLayouts, IconLayoutKeepsAndHidesColumns) {
    ListModel list;
    Setup_ListView_Columns(list, 3, "");
    list.multi_select = true;
    ASSERT_TRUE(Setup_ListView_Columns(list, 1, ""));
    EXPECT_EQ(list.Column_Count(), 11u);
    EXPECT_TRUE(list.hide_column_headers);
    EXPECT_EQ(list.view, ListViewMode::Icon);
    EXPECT_FALSE(list.multi_select);
    // A later report layout shows the headers again.
    Setup_ListView_Columns(list, 2, "");
    EXPECT_FALSE(list.hide_column_headers);
}

TEST_F(ListLayouts, TabularReportStartsEmptyAndUsesTheHook) {
    std::string seen_key;
    std::size_t rows_seen = 99, columns_seen = 99;
    Set_Show_Tabular_Report_Hook([&](ListModel& l, const std::string& key) {
        seen_key = key;
        rows_seen = l.Item_Count();
        columns_seen = l.Column_Count();
        EXPECT_TRUE(l.checkboxes);
        l.Add_Column("DEV_NAME", "Computer", 2000);
        l.Add_Item("R1", "PC1");
        return true;
    });
    ListModel list;
    Setup_ListView_Columns(list, 7, "");
    list.Add_Item("DEV9", "old row");
    list.hide_column_headers = true;
    list.multi_select = true;
    ASSERT_TRUE(Setup_ListView_Columns(list, 6, "Tabu_12"));
    EXPECT_EQ(seen_key, "Tabu_12");
    EXPECT_EQ(rows_seen, 0u);
    EXPECT_EQ(columns_seen, 0u);
    EXPECT_TRUE(list.checkboxes);
    EXPECT_FALSE(list.hide_column_headers);
    EXPECT_FALSE(list.multi_select);
    EXPECT_EQ(list.view, ListViewMode::Report);
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"DEV_NAME"}));
    ASSERT_EQ(list.Item_Count(), 1u);

    // A failing report display is passed on.
    Set_Show_Tabular_Report_Hook([](ListModel&, const std::string&) {
        Set_Error(1, "no such table");
        return false;
    });
    EXPECT_FALSE(Setup_ListView_Columns(list, 6, "Tabu_12"));
    EXPECT_EQ(Pending_Error().description, "no such table");
    EXPECT_EQ(list.Item_Count(), 0u);

    Set_Show_Tabular_Report_Hook({});
    Clear_Error();
    EXPECT_FALSE(Setup_ListView_Columns(list, 6, "Tabu_1"));
    EXPECT_FALSE(Pending_Error().empty());
}

TEST_F(ListLayouts, UnknownKindsOnlyTurnCheckBoxesOff) {
    for (ListView_Layout kind : {8, 9, 100, -1, -2147483647 - 1}) {
        ListModel list;
        Setup_ListView_Columns(list, 3, "");
        list.Add_Item("x", "row");
        list.checkboxes = true;
        list.multi_select = true;
        list.view = ListViewMode::SmallIcon;
        ASSERT_TRUE(Setup_ListView_Columns(list, kind, ""));
        EXPECT_FALSE(list.checkboxes);
        EXPECT_TRUE(list.multi_select);
        EXPECT_EQ(list.view, ListViewMode::SmallIcon);
        EXPECT_EQ(list.Column_Count(), 11u);
        EXPECT_EQ(list.Item_Count(), 1u);
    }
}

}  // namespace
}  // namespace crv
