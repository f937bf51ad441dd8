// The computer properties dialog against a fresh store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/frm_properties_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/devices.h"
#include "store/scans.h"
#include "store/tests/test_database.h"

namespace crv {
namespace {

const std::vector<std::string> Row_Names = {
    "DeviceName", "Alias",      "Domain",   "MACAddress", "IPAddress",      "Manufacturer",   "Model",
    "SerialNumber", "UserID",   "UserName", "Department", "Location",       "Tag",            "AssetTag",
    "Specification1", "Specification2", "Specification3", "Specification4", "Specification5", "Remarks"};

class PropertiesTest : public ::testing::Test {
protected:
    void SetUp() override { pc_ = Add_Device("PC-7", "", "", 0, 0, 0, 0, "", 1, 2, "", "t"); }
    void Open(std::int32_t id) {
        c_.ShowThisForm(id);
        c_.Form_Load();
    }
    const std::string& Value(std::size_t row) const { return c_.lvwProperties.Item(row).Sub_Item(1); }
    void Select(std::size_t row) {
        for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i) c_.lvwProperties.Item(i).selected = i == row;
    }
    void Edit(std::size_t row, std::optional<std::string> answer) {
        Select(row);
        host_.input_answers = {std::move(answer)};
        c_.lvwProperties_DblClick();
    }
    std::string Stored(const std::string& column) {
        return db_.Scalar("SELECT " + column + " FROM DEV_SPECS WHERE DEV_ID=" + std::to_string(pc_) +
                          " ORDER BY DEV_SPEC_ID DESC LIMIT 1");
    }
    test::TestDatabase db_{false};
    test::TestDialogHost host_;
    PropertiesController c_{host_};
    std::int32_t pc_ = 0;
};

TEST_F(PropertiesTest, ListsTwentyRowsOfTheNewestRecordWithAbsentValuesEmpty) {
    Open(pc_);
    ASSERT_EQ(c_.lvwProperties.Item_Count(), 20u);
    for (std::size_t i = 0; i < Row_Names.size(); ++i) {
        EXPECT_EQ(c_.lvwProperties.Item(i).text, Row_Names[i]);
        EXPECT_EQ(c_.lvwProperties.Item(i).small_icon, "Properties");
    }
    EXPECT_EQ(Value(0), "PC-7");
    EXPECT_EQ(Value(1), "PC-7");  // the alias starts as the name
    EXPECT_EQ(Value(5), "");      // no asset record yet
    EXPECT_EQ(c_.lvwProperties.tag, std::to_string(pc_));
    EXPECT_EQ(c_.lvwProperties.Column(1).text, "Property Value (double click an item to change value)");
    EXPECT_FALSE(c_.cmdSave_enabled);

    PropertiesController none(host_);
    none.ShowThisForm(9999);
    none.Form_Load();
    EXPECT_EQ(none.lvwProperties.Item_Count(), 0u);
    EXPECT_EQ(none.lvwProperties.tag, "");
    none.cmdSave_Click();
    none.lblRetrieveProps_Click();
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_SPECS"), "0");
}

TEST_F(PropertiesTest, EditingAsksForOneValueAndKeepsAtMostAHundredCharacters) {
    Open(pc_);
    Edit(0, std::string("renamed"));  // the name row is not editable
    EXPECT_TRUE(host_.inputs.empty());
    EXPECT_EQ(Value(0), "PC-7");

    Edit(6, std::nullopt);  // Cancel
    ASSERT_EQ(host_.inputs.size(), 1u);
    EXPECT_EQ(host_.inputs[0].prompt, "Please enter the value for 'Model'");
    EXPECT_EQ(host_.inputs[0].title, "Edit");
    EXPECT_EQ(host_.inputs[0].max_length, 100u);
    EXPECT_FALSE(c_.cmdSave_enabled);
    Edit(1, std::string("PC-7"));  // the same text
    EXPECT_EQ(host_.inputs.back().default_text, "PC-7");
    EXPECT_FALSE(c_.cmdSave_enabled);

    std::string long_value;
    for (int i = 0; i < 150; ++i) long_value += i % 2 ? "ä" : "x";
    Select(6);
    host_.input_answers = {long_value};
    EXPECT_TRUE(c_.lvwProperties_KeyPress(13));  // Enter edits too
    EXPECT_EQ(Value(6), long_value.substr(0, 150));  // 100 characters, 150 bytes
    EXPECT_TRUE(c_.cmdSave_enabled);
    Edit(1, std::string(""));  // emptied with OK
    EXPECT_EQ(Value(1), "");
    EXPECT_FALSE(c_.lvwProperties_KeyPress('a'));
}

TEST_F(PropertiesTest, SavePutsEveryRowInItsOwnColumnAndAppendsARecordEachTime) {
    Open(pc_);
    for (std::size_t row = 1; row < 20; ++row) Edit(row, Row_Names[row] + " v'al");
    c_.cmdSave_Click();
    EXPECT_FALSE(c_.cmdSave_enabled);
    EXPECT_EQ(db_.Scalar("SELECT DEV_ALIAS || '|' || DEV_DOMAIN || '|' || DEV_MAC || '|' || DEV_IP FROM DEV_TBL WHERE "
                         "DEV_ID=" + std::to_string(pc_)),
              "Alias v'al|Domain v'al|MACAddress v'al|IPAddress v'al");
    const std::vector<std::pair<std::string, std::string>> columns = {
        {"MANUFACTURER", "Manufacturer"}, {"MODEL", "Model"},           {"SERIAL_NO", "SerialNumber"},
        {"USER_ID", "UserID"},            {"USER_NAME", "UserName"},     {"DEPARTMENT", "Department"},
        {"LOCATION", "Location"},         {"TAG", "Tag"},                {"ASSET_TAG", "AssetTag"},
        {"SPECS1", "Specification1"},     {"SPECS5", "Specification5"}, {"REMARKS", "Remarks"}};
    for (const auto& [column, row] : columns) EXPECT_EQ(Stored(column), row + " v'al") << column;
    EXPECT_EQ(Stored("ADDED_WUSER"), "tester");

    // Reopened, the dialog shows what was saved; another edit adds a record.
    PropertiesController again(host_);
    again.ShowThisForm(pc_);
    again.Form_Load();
    EXPECT_EQ(again.lvwProperties.Item(13).Sub_Item(1), "AssetTag v'al");
    Edit(12, std::string("T2"));
    c_.cmdSave_Click();
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_SPECS"), "2");
    EXPECT_EQ(Stored("TAG"), "T2");
    EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(PropertiesTest, SaveForAComputerDeletedMeanwhileStoresNothingAndStaysEnabled) {
    Open(pc_);
    Edit(5, std::string("Maker"));
    ASSERT_TRUE(Delete_Device(pc_, true));
    c_.cmdSave_Click();
    EXPECT_TRUE(c_.cmdSave_enabled);
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM DEV_SPECS"), "0");
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);  // the store says why
}

TEST_F(PropertiesTest, RetrieveFillsFiveRowsFromTheNewestSummaryScan) {
    Open(pc_);
    c_.lblRetrieveProps_Click();
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "This computer is not scanned before OR no scanned information found!");
    EXPECT_EQ(host_.boxes[0].flags, box::Exclamation);
    EXPECT_FALSE(c_.cmdSave_enabled);

    ListModel summary;
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"  Computer Manufacturer", "Contoso"}, {"Computer Model", "CX-1"},   {"Identifying Number", "SN42"},
        {"Computer Name", "OTHER"},             {"Computer User Name", "DOM\\ann"},
        {"Processor Name", "Core i7"},          {"Processor Manufacturer", "GenuineIntel"}};
    for (const auto& [label, value] : rows) summary.Add_Item("", label)->Set_Sub_Item(1, value);
    ASSERT_TRUE(Save_Scan(StoreDate{2024, 5, 1}, pc_, 1, summary));
    c_.lblRetrieveProps_Click();
    EXPECT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(Value(5), "Contoso");
    EXPECT_EQ(Value(6), "CX-1");
    EXPECT_EQ(Value(7), "SN42");
    EXPECT_EQ(Value(8), "");  // UserID
    EXPECT_EQ(Value(9), "DOM\\ann");
    EXPECT_EQ(Value(14), "Core i7, GenuineIntel, ");  // no description stored
    EXPECT_EQ(Value(0), "PC-7");
    EXPECT_TRUE(c_.cmdSave_enabled);
}

TEST_F(PropertiesTest, EveryWayOfClosingAsksAboutUnsavedChanges) {
    Open(pc_);
    c_.cmdClose_Click();  // nothing changed: closes without a question
    EXPECT_EQ(host_.closes, 1);
    EXPECT_TRUE(host_.boxes.empty());

    Edit(2, std::string("CORP"));
    host_.answers = {box::Answer_No};
    EXPECT_TRUE(c_.Form_KeyPress(27));
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, "Are you sure you want to close with out saving the data?");
    EXPECT_EQ(host_.boxes[0].flags, box::Yes_No | box::Question);
    EXPECT_EQ(host_.closes, 1);
    host_.answers = {box::Answer_No};
    EXPECT_FALSE(c_.Form_Unload());  // the close box
    host_.answers = {box::Answer_Yes};
    c_.cmdClose_Click();
    EXPECT_EQ(host_.closes, 2);
    EXPECT_FALSE(c_.Form_KeyPress('x'));
}

}  // namespace
}  // namespace crv
