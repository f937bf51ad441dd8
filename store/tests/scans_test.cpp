#include <gtest/gtest.h>

#include <string>

#include "store/devices.h"
#include "store/scans.h"
#include "store/tests/test_database.h"
#include "ui/model/list_model.h"

namespace crv {
namespace {

using test::TestDatabase;

ListItem* Row(ListModel& list, const std::string& key, const std::string& caption, const std::string& value,
              const std::string& icon = "Info", bool bold = false) {
    ListItem* item = list.Add_Item(key, caption);
    item->Set_Sub_Item(1, value);
    item->small_icon = icon;
    item->bold = bold;
    return item;
}

constexpr std::int32_t Feature = 4;  // any class feature of the shipped tree

class Scans : public ::testing::Test {
protected:
    void SetUp() override { dev = Add_Device("SCANNED", "", "", 0, 0, 0, 0, "", 1, 2, "", "me"); }
    TestDatabase db;
    std::int32_t dev = 0;
};

TEST_F(Scans, RowsComeBackInSavedOrderWithTextsUnchanged) {
    ListModel list;
    Row(list, "Header\x0B" "1", "Instance 1", "", "Header", true);
    Row(list, "Zeta\x0B" "1", "  Zeta's value  ", "  O'Brien's PC  ");
    Row(list, "Alpha\x0B" "1", "Zoë", "Пётр");
    Row(list, "Mid\x0B" "2", "Mid", "x'y''z");
    Row(list, "\x0B" "2", "", "", "Blank");
    StoreDate date{2024, 3, 5};
    ASSERT_TRUE(Save_Scan(date, dev, Feature, list));
    SqlResult r;
    ASSERT_TRUE(Get_Scan_Details(date, dev, Feature, r));
    ASSERT_EQ(r.Data_Row_Count(), 5u);
    EXPECT_EQ(r.Text(0, 0), "PROP_NAME");
    EXPECT_EQ(r.Text(1, 0), "Instance 1");
    EXPECT_EQ(r.Text(1, 3), "1");
    EXPECT_EQ(r.Text(2, 0), "Zeta's value");  // trimmed caption
    EXPECT_EQ(r.Text(2, 1), "  O'Brien's PC  ");  // value keeps its blanks
    EXPECT_EQ(r.Text(3, 0), "Zoë");
    EXPECT_EQ(r.Text(3, 1), "Пётр");
    EXPECT_EQ(r.Text(4, 1), "x'y''z");
    EXPECT_EQ(r.Text(5, 2), "Blank");
    EXPECT_EQ(db.Scalar("SELECT GROUP_CONCAT(SECTION_ID) FROM SCAN_DETAILS"), "1,1,1,2,2");
    EXPECT_TRUE(db.reporter.boxes.empty());
}

TEST_F(Scans, SavingAgainReplacesTheScanAndANewScanInheritsNoRows) {
    StoreDate date{2024, 1, 31};
    ListModel first, second;
    Row(first, "A\x0B" "1", "A", "old");
    Row(first, "B\x0B" "1", "B", "old");
    Row(second, "A\x0B" "1", "A", "new");
    ASSERT_TRUE(Save_Scan(date, dev, Feature, first));
    std::string first_id = db.Scalar("SELECT SCAN_ID FROM SCAN_HEAD");
    ASSERT_TRUE(Save_Scan(date, dev, Feature, second));
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM SCAN_HEAD"), "1");
    EXPECT_NE(db.Scalar("SELECT SCAN_ID FROM SCAN_HEAD"), first_id);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM SCAN_DETAILS"), "1");
    SqlResult r;
    ASSERT_TRUE(Get_Scan_Details(date, dev, Feature, r));
    ASSERT_EQ(r.Data_Row_Count(), 1u);
    EXPECT_EQ(r.Text(1, 1), "new");

    // Deleted, then scanned again: the new head's key is fresh and its rows its own.
    ASSERT_TRUE(Delete_Scan(date, dev));
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM SCAN_DETAILS"), "0");
    ListModel empty;
    ASSERT_TRUE(Save_Scan(date, dev, Feature, empty));
    EXPECT_FALSE(Get_Scan_Details(date, dev, Feature, r));
    SqlResult dates;
    ASSERT_TRUE(Get_Scan_Dates(dev, dates));  // an empty scan still has its date
    EXPECT_EQ(dates.Text(1, 0), "31-01-2024");
}

TEST_F(Scans, InfoRowsJoinTheCatalogueOnceAndDisplayFiltersStoredRows) {
    db.Exec("INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) "
            "VALUES ('Known''s', 'Known caption', 'desc', 0, 9001, 9, 1)");
    ListModel list;
    Row(list, "Known's\x0B" "1", "Other caption", "v1");
    Row(list, "Fresh\x0B" "1", "Fresh caption", "v2");
    Row(list, "Header\x0B" "1", "Header", "", "Header");
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 2, 1}, dev, 9001, list));
    SqlResult props = db.Query(
        "SELECT PROP_NAME, PROP_DISP_NAME, ACTIVE, LIST_ORDER, DISPLAY FROM PROPS_TBL WHERE FEATURE_ID=9001 ORDER BY "
        "PROP_ID");
    ASSERT_EQ(props.Data_Row_Count(), 2u);
    EXPECT_EQ(props.Text(1, 1), "Known caption");  // kept as it was
    EXPECT_EQ(props.Text(1, 2), "0");
    EXPECT_EQ(props.Text(2, 0), "Fresh");
    EXPECT_EQ(props.Text(2, 1), "Fresh caption");
    EXPECT_EQ(props.Text(2, 2), "1");
    EXPECT_EQ(props.Text(2, 3), "2");  // its row position
    EXPECT_EQ(props.Text(2, 4), "1");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM SCAN_DETAILS WHERE PROP_ID IS NULL"), "1");

    db.Exec("UPDATE PROPS_TBL SET DISPLAY=0 WHERE PROP_NAME='Fresh'");
    SqlResult r;
    ASSERT_TRUE(Get_Scan_Details(StoreDate{2024, 2, 1}, dev, 9001, r));
    ASSERT_EQ(r.Data_Row_Count(), 2u);
    EXPECT_EQ(r.Text(1, 0), "Other caption");
    EXPECT_EQ(r.Text(2, 0), "Header");
}

TEST_F(Scans, DatesSortNewestFirstAcrossMonthsAndTheLastDateIsTheLatest) {
    StoreEnvironment env;
    std::string folder = db.Folder().string();
    env.program_folder = [folder] { return folder; };
    env.now = [] { return StoreDateTime{2025, 6, 7, 12, 0, 0}; };
    Set_Store_Environment(env);
    EXPECT_EQ(Get_Last_Scan_Date(dev), (StoreDate{2025, 6, 7}));  // never scanned: today

    ListModel list;
    Row(list, "A\x0B" "1", "A", "v");
    for (StoreDate d : {StoreDate{2024, 1, 31}, StoreDate{2024, 3, 5}, StoreDate{2023, 12, 31}})
        ASSERT_TRUE(Save_Scan(d, dev, Feature, list));
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 3, 5}, dev, Feature + 1, list));
    SqlResult dates;
    ASSERT_TRUE(Get_Scan_Dates(dev, dates));
    ASSERT_EQ(dates.Data_Row_Count(), 3u);
    EXPECT_EQ(dates.Text(0, 0), "SCAN_DATE1");
    EXPECT_EQ(dates.Text(1, 0), "05-03-2024");
    EXPECT_EQ(dates.Text(2, 0), "31-01-2024");
    EXPECT_EQ(dates.Text(3, 0), "31-12-2023");
    EXPECT_EQ(Get_Last_Scan_Date(dev), (StoreDate{2024, 3, 5}));

    SqlResult devices;
    EXPECT_EQ(Get_Scanned_Devices(StoreDate{2024, 3, 5}, devices), 1);
    EXPECT_EQ(devices.Text(1, 0), "SCANNED");
    EXPECT_EQ(Get_Scanned_Devices(StoreDate{2024, 3, 6}, devices), 0);

    // Deleting a date takes every feature of that date, no other date.
    ASSERT_TRUE(Delete_Scan(StoreDate{2024, 3, 5}, dev));
    ASSERT_TRUE(Get_Scan_Dates(dev, dates));
    EXPECT_EQ(dates.Data_Row_Count(), 2u);
    EXPECT_EQ(dates.Text(1, 0), "31-01-2024");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM SCAN_DETAILS"), "2");
}

TEST_F(Scans, RowsWithoutSeparatorAreStoredAsNamesInSectionZero) {
    ListModel list;
    Row(list, "Microsoft Office 2019", "Microsoft Office 2019", "16.0", "Software");
    Row(list, "Error", "Error", "Access denied", "Info");
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 4, 1}, dev, 9002, list));
    EXPECT_EQ(db.Scalar("SELECT GROUP_CONCAT(SECTION_ID) FROM SCAN_DETAILS"), "0,0");
    EXPECT_EQ(db.Scalar("SELECT PROP_NAME FROM PROPS_TBL WHERE FEATURE_ID=9002"), "Error");
    EXPECT_TRUE(db.reporter.boxes.empty());
}

TEST_F(Scans, SummaryReadsTheNewestSystemSummaryScan) {
    SqlResult r;
    ASSERT_TRUE(Get_Scan_Summary(dev, r));
    EXPECT_EQ(r.Data_Row_Count(), 0u);

    ListModel older, newer;
    Row(older, "m\x0B" "1", "Computer Model", "Old model", "");
    Row(newer, "c\x0B" "1", "Computer Manufacturer", "Dell's", "");
    Row(newer, "p\x0B" "1", "Processor Name", "CPU 0", "");
    Row(newer, "p\x0B" "2", "Processor Name", "CPU 1", "");
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 5, 1}, dev, 1, older));
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 4, 1}, dev, 1, newer));  // saved last, earlier date
    ASSERT_TRUE(Get_Scan_Summary(dev, r));
    ASSERT_EQ(r.Data_Row_Count(), 2u);  // one row per processor
    EXPECT_EQ(r.Number(1, 0), dev);
    EXPECT_EQ(r.Text(1, 1), "Dell's");
    EXPECT_EQ(r.Text(1, 2), "");  // the newer scan has no model
    EXPECT_EQ(r.Text(1, 6) + "|" + r.Text(2, 6), "CPU 0|CPU 1");
}

TEST_F(Scans, OnlyWqlNamesJoinTheCatalogue) {
    ListModel list;
    Row(list, "X FROM Win32_Process WHERE Name\x0B" "1", "    Hostile", "v1");
    Row(list, "Good_Name1\x0B" "1", "    Good", "v2");
    Row(list, "Bad,Name\x0B" "99999999999999999999", "    Bad", "v3");
    StoreDate date{2024, 6, 1};
    ASSERT_TRUE(Save_Scan(date, dev, Feature, list));
    const std::string f = std::to_string(Feature);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM PROPS_TBL WHERE FEATURE_ID=" + f + " AND PROP_NAME='Good_Name1'"), "1");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM PROPS_TBL WHERE PROP_NAME LIKE '%FROM%' OR PROP_NAME LIKE '%,%'"), "0");
    // The rows themselves are kept, shown as rows without a catalogue entry.
    SqlResult r;
    ASSERT_TRUE(Get_Scan_Details(date, dev, Feature, r));
    ASSERT_EQ(r.Data_Row_Count(), 3u);
    EXPECT_EQ(r.Text(1, 1), "v1");
    // A section number past the range is clamped, not wrapped.
    EXPECT_EQ(db.Scalar("SELECT MAX(SECTION_ID) FROM SCAN_DETAILS"), "2147483647");
    EXPECT_TRUE(db.reporter.boxes.empty());
}

}  // namespace
TEST_F(Scans, PropertyNamesMatchTheCatalogueIgnoringCase) {
    // Another provider spells the shipped names of feature 71 in other case;
    // feature 45 already holds a twin that an older scan added.
    const std::string process = db.Scalar("SELECT PROP_ID FROM PROPS_TBL WHERE FEATURE_ID=71 AND PROP_NAME='ProcessId'");
    const std::string adapter = db.Scalar("SELECT PROP_ID FROM PROPS_TBL WHERE FEATURE_ID=45 AND PROP_NAME='AdapterTypeId'");
    ASSERT_FALSE(process.empty());
    ASSERT_FALSE(adapter.empty());
    db.Exec("INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, FEATURE_ID, LIST_ORDER) VALUES ('AdapterTypeID', "
            "'Adapter Type ID', 45, 99)");
    ListModel processes, adapters;
    Row(processes, "PROCESSID\x0B" "1", "Process ID", "4");
    Row(processes, "ProcessID\x0B" "2", "Process ID", "8");
    Row(processes, "parentprocessid\x0B" "2", "Parent Process ID", "4");
    Row(adapters, "AdapterTypeID\x0B" "1", "Adapter Type ID", "0");
    StoreDate date{2024, 7, 1};
    ASSERT_TRUE(Save_Scan(date, dev, 71, processes));
    ASSERT_TRUE(Save_Scan(date, dev, 45, adapters));
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM PROPS_TBL WHERE FEATURE_ID=71 AND PROP_NAME LIKE '%processid'"), "2");
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM PROPS_TBL WHERE FEATURE_ID=45 AND PROP_NAME LIKE 'AdapterTypeId'"), "2");
    // The rows point at the shipped property (the oldest of twins).
    EXPECT_EQ(db.Scalar("SELECT GROUP_CONCAT(PROP_ID) FROM SCAN_DETAILS WHERE FEATURE_ID=71 AND PROP_NAME='Process ID'"),
              process + "," + process);
    EXPECT_EQ(db.Scalar("SELECT PROP_ID FROM SCAN_DETAILS WHERE FEATURE_ID=45"), adapter);
    EXPECT_TRUE(db.reporter.boxes.empty());
}

TEST_F(Scans, ANewPropertyJoinsAtItsFirstInfoRowAndTextsLoseTheirNuls) {
    ListModel list;
    Row(list, "Fresh\x0B" "1\x0B" "h", "Fresh header", "", "Header", true);  // before the catalogue has it
    Row(list, "Fresh\x0B" "1", std::string("  Fr\0esh  ", 10), std::string("v\0al", 4));
    Row(list, "FRESH\x0B" "2", "Again", "x");
    Row(list, "Other\x0B" "2", "Other", "y");
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 8, 1}, dev, 9003, list));
    EXPECT_EQ(db.Scalar("SELECT GROUP_CONCAT(PROP_NAME || '/' || PROP_DISP_NAME || '/' || LIST_ORDER, '|') FROM "
                        "(SELECT * FROM PROPS_TBL WHERE FEATURE_ID=9003 ORDER BY PROP_ID)"),
              "Fresh/Fresh/2|Other/Other/4");
    EXPECT_EQ(db.Scalar("SELECT GROUP_CONCAT(IFNULL(D.PROP_ID - (SELECT MIN(PROP_ID) FROM PROPS_TBL WHERE "
                        "FEATURE_ID=9003), 'none')) FROM SCAN_DETAILS D"),
              "none,0,0,1");
    EXPECT_EQ(db.Scalar("SELECT GROUP_CONCAT(PROP_NAME || '=' || VALUE, '|') FROM SCAN_DETAILS"),
              "Fresh header=|Fresh=val|Again=x|Other=y");
}

}  // namespace crv
