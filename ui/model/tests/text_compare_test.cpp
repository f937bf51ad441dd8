// Case-insensitive matching and the value order of column cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/model/list_sort.h"
#include "ui/model/text_compare.h"

namespace crv {
namespace {

TEST(TextCompare, FoldingCoversLettersBeyondAsciiAndLeavesTheRestAlone) {
    EXPECT_EQ(Fold_Case("Windows UPDATE"), "windows update");
    EXPECT_EQ(Fold_Case("ÄÖÜ ÉÈ Ø ×"), "äöü éè ø ×");
    EXPECT_EQ(Fold_Case("ŁÓDŹ Ÿ"), "łódź ÿ");
    EXPECT_EQ(Fold_Case("ΣΩ Пётр ЁЖ"), "σω пётр ёж");
    EXPECT_EQ(Fold_Case("ß 日本 123"), "ß 日本 123");
    // A cut sequence is not read past the end.
    EXPECT_EQ(Fold_Case(std::string("\xC3" "B")), "\xEF\xBF\xBD" "b");

    EXPECT_TRUE(Contains_Folded("Windows Management Instrumentation", Fold_Case("MANAGEMENT")));
    EXPECT_TRUE(Contains_Folded("Служба ПЕЧАТИ", Fold_Case("печати")));
    EXPECT_FALSE(Contains_Folded("Spooler", Fold_Case("spoolers")));
    EXPECT_TRUE(Contains_Folded("", ""));
}

int Order(const std::string& a, const std::string& b) { return Compare_Cell_Keys(Cell_Sort_Key(a), Cell_Sort_Key(b)); }

TEST(TextCompare, NumbersSizesAndDatesSortByValue) {
    EXPECT_LT(Order("9", "10"), 0);
    EXPECT_LT(Order("-3", "2"), 0);
    EXPECT_LT(Order("2.5", "10"), 0);
    EXPECT_EQ(Order("007", "7"), 0);
    EXPECT_LT(Order("900.00 KB", "1.00 MB"), 0);
    EXPECT_LT(Order("1023 bytes", "1.00 KB"), 0);
    EXPECT_LT(Order("8.00 GB(8589934592 bytes)", "9.00 GB(9663676416 bytes)"), 0);
    EXPECT_GT(Order("1.00 TB", "999.00 GB"), 0);
    // WMI dates month first, scan dates day first, across years.
    EXPECT_LT(Order("12/31/2023 23:59:59", "01/01/2024 00:00:00"), 0);
    EXPECT_LT(Order("02/03/2024", "02/03/2024 00:00:01"), 0);
    EXPECT_LT(Order("31-12-2023", "01-01-2024"), 0);
    EXPECT_LT(Order("05-NOV-2023", "04-dec-2023"), 0);
    // Texts in natural order, case ignored; empty first, then values, then texts.
    EXPECT_LT(Order("Process 9", "process 10"), 0);
    EXPECT_LT(Order("10.0.0.2", "10.0.0.10"), 0);
    EXPECT_LT(Order("2.40 GHz", "10.00 GHz"), 0);
    EXPECT_EQ(Order("Alpha", "ALPHA"), 0);
    EXPECT_LT(Order("apple", "Banana"), 0);
    EXPECT_LT(Order("", "0"), 0);
    EXPECT_LT(Order("  ", "-1"), 0);
    EXPECT_LT(Order("99999", "Auto"), 0);
    EXPECT_GT(Order("13/45/2024x", "5"), 0);  // not a date: a text
}

void Fill(ListModel& list, const std::vector<std::pair<std::string, std::string>>& rows) {
    list.Add_Column("Name", "Name", 1000);
    list.Add_Column("PID", "PID", 1000);
    for (const auto& [name, pid] : rows) list.Add_Item(name, name)->Set_Sub_Item(1, pid);
}

std::vector<std::string> Keys(const ListModel& list) {
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) keys.push_back(list.Item(i).key);
    return keys;
}

struct CountingListener : ListModelListener {
    int changes = 0;
    void List_Changed() override { ++changes; }
};

TEST(ListSort, SortsByNumericAndTextColumnsKeepingRowsWhole) {
    ListModel list;
    Fill(list, {{"svchost.exe", "10"}, {"Idle", "0"}, {"explorer.exe", "9"}, {"csrss.exe", "120"}, {"ghost", ""}});
    list.Item(2).selected = true;
    list.Item(2).tag = "kept";
    CountingListener listener;
    list.Set_Listener(&listener);

    Sort_List_By_Column(list, 1, false);
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"ghost", "Idle", "explorer.exe", "svchost.exe", "csrss.exe"}));
    EXPECT_EQ(list.sort_key, 1u);
    EXPECT_FALSE(list.sort_descending);
    EXPECT_EQ(listener.changes, 1);
    const ListItem* moved = list.Find_Item("explorer.exe");
    ASSERT_NE(moved, nullptr);
    EXPECT_TRUE(moved->selected);
    EXPECT_EQ(moved->tag, "kept");
    EXPECT_EQ(moved->Sub_Item(1), "9");
    EXPECT_EQ(list.Index_Of("csrss.exe"), 4u);  // the key index follows the new order

    Sort_List_By_Column(list, 1, true);
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"csrss.exe", "svchost.exe", "explorer.exe", "Idle", "ghost"}));
    Sort_List_By_Column(list, 0, false);
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"csrss.exe", "explorer.exe", "ghost", "Idle", "svchost.exe"}));
    // A column past the last cell: every row is empty, the order stays.
    Sort_List_By_Column(list, 7, true);
    EXPECT_EQ(Keys(list), (std::vector<std::string>{"csrss.exe", "explorer.exe", "ghost", "Idle", "svchost.exe"}));
    list.Set_Listener(nullptr);
}

TEST(ListSort, EqualCellsKeepTheirOrderAndRowsWithoutKeysSurvive) {
    ListModel list;
    list.Add_Column("State", "State", 1000);
    for (const char* s : {"Running", "Stopped", "running", "Stopped", "Running"}) list.Add_Item("", s);
    list.Item(2).tag = "third";
    Sort_List_By_Column(list, 0, true);
    ASSERT_EQ(list.Item_Count(), 5u);
    EXPECT_EQ(list.Item(0).text, "Stopped");
    EXPECT_EQ(list.Item(2).text, "Running");
    EXPECT_EQ(list.Item(3).tag, "third");  // equal to "Running", after the first of them
}

}  // namespace
}  // namespace crv
