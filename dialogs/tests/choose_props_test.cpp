// The property chooser against a fresh store with the shipped catalogue and
// the fake WMI port answering class definitions.
#include <gtest/gtest.h>

#include "core/error.h"
#include "dialogs/frm_choose_props_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/features.h"
#include "store/tests/test_database.h"
#include "wmi/connection.h"
#include "wmi/fake_wmi.h"

namespace crv {
namespace {

constexpr std::int32_t Processor = 8;  // Win32_Processor in the shipped catalogue

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

WmiInstance Class_Of(std::vector<std::string> names) {
    WmiInstance definition;
    for (auto& n : names) definition.properties.push_back(Wmi_Null(std::move(n)));
    return definition;
}

class ChoosePropsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clear_Error();
        previous_ = Set_Wmi_Port(&wmi_);
        // A stored caption that differs from the name's generated caption.
        db_.Exec("INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, ACTIVE, FEATURE_ID, LIST_ORDER) VALUES "
                 "('Socket_Text', 'Socket Label', 0, 8, 99)");
        stored_ = db_.Query("SELECT PROP_NAME, PROP_DISP_NAME, ACTIVE FROM PROPS_TBL WHERE FEATURE_ID=8 ORDER BY "
                            "LIST_ORDER");
        ASSERT_GE(stored_.Data_Row_Count(), 3u);
        // The class: a stored name, a new one, one whose caption is a stored
        // caption, a stored name in other letter case, another new one.
        wmi_.objects["Win32_Processor"] = Class_Of({stored_.Text(1, 0), "ZetaOne", "SocketLabel", "MANUFACTURER",
                                                    "ZetaTwo"});
    }
    void TearDown() override { Set_Wmi_Port(previous_); }

    void Open(const std::string& key) {
        c_.Show_This_Form(key);
        c_.Form_Load();
    }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i) keys.push_back(c_.lvwProperties.Item(i).key);
        return keys;
    }
    void Select_Row(std::size_t row) {
        for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i) c_.lvwProperties.Item(i).selected = i == row;
    }

    test::TestDatabase db_{true};
    FakeWmiPort wmi_;
    WmiPort* previous_ = nullptr;
    test::TestDialogHost host_;
    ChoosePropsController c_{host_};
    SqlResult stored_;
};

TEST(FeatureClass, KeyPrefixChoosesNamespaceAndClass) {
    std::int32_t ns = -1;
    std::string cls;
    ASSERT_TRUE(Feature_Class_Of_Key("SC_AntiVirusProduct", ns, cls));
    EXPECT_EQ(ns, Namespace_SecurityCenter2);
    EXPECT_EQ(cls, "AntiVirusProduct");
    ASSERT_TRUE(Feature_Class_Of_Key("MSStorageDriver_FailurePredictStatus", ns, cls));
    EXPECT_EQ(ns, Namespace_WMI);
    EXPECT_EQ(cls, "MSStorageDriver_FailurePredictStatus");
    ASSERT_TRUE(Feature_Class_Of_Key("MSAcpi_ThermalZoneTemperature", ns, cls));
    EXPECT_EQ(ns, Namespace_WMI);
    ASSERT_TRUE(Feature_Class_Of_Key("CIM_DMA", ns, cls));
    EXPECT_EQ(ns, Namespace_CIMV2);
    for (const char* key : {"Cust_InstalledProducts", "RTT_SCM", "Tabu_3", "[Root...]", "SC_", "Lic_Thing"})
        EXPECT_FALSE(Feature_Class_Of_Key(key, ns, cls)) << key;
}

TEST_F(ChoosePropsTest, StoredRowsFirstThenTheClassesOtherPropertiesEachOnce) {
    Open("Win32_Processor");
    ASSERT_NE(c_.tvwFeatures.selected, nullptr);
    EXPECT_EQ(c_.tvwFeatures.selected->key, "Win32_Processor");
    EXPECT_TRUE(c_.tvwFeatures.selected->expanded);
    EXPECT_FALSE(c_.cmdSave_enabled);
    const std::size_t n = stored_.Data_Row_Count();
    ASSERT_EQ(c_.lvwProperties.Item_Count(), n + 2) << ::testing::PrintToString(Keys());
    for (std::size_t r = 1; r <= n; ++r) {
        const ListItem& row = c_.lvwProperties.Item(r - 1);
        EXPECT_EQ(row.key, stored_.Text(r, 0));
        EXPECT_EQ(row.text, stored_.Text(r, 1));
        EXPECT_EQ(row.checked, stored_.Flag(r, 2)) << row.key;
        EXPECT_FALSE(row.tag.empty());
        EXPECT_EQ(row.small_icon, "Processor");
    }
    // The duplicates in the middle of the class did not stop the listing.
    EXPECT_EQ(c_.lvwProperties.Item(n).key, "ZetaOne");
    EXPECT_EQ(c_.lvwProperties.Item(n).text, "Zeta One");
    EXPECT_FALSE(c_.lvwProperties.Item(n).checked);
    EXPECT_TRUE(c_.lvwProperties.Item(n).tag.empty());
    EXPECT_EQ(c_.lvwProperties.Item(n + 1).key, "ZetaTwo");
    EXPECT_EQ(wmi_.connects.back().namespace_path, "root\\cimv2");
}

TEST_F(ChoosePropsTest, AStoredTwinInOtherCaseIsListedOnce) {
    db_.Exec("INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, ACTIVE, FEATURE_ID, LIST_ORDER) VALUES ('" +
             Upper(stored_.Text(1, 0)) + "', 'Twin caption', 1, 8, 0)");
    Open("Win32_Processor");
    const std::size_t n = stored_.Data_Row_Count();
    ASSERT_EQ(c_.lvwProperties.Item_Count(), n + 2) << ::testing::PrintToString(Keys());
    EXPECT_EQ(c_.lvwProperties.Item(0).key, stored_.Text(1, 0));
    for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i)
        EXPECT_NE(c_.lvwProperties.Item(i).text, "Twin caption");
}

TEST_F(ChoosePropsTest, FeaturesWithoutAClassListOnlyStoredRows) {
    Open("Cust_InstalledProducts");
    const auto stored = db_.Scalar("SELECT COUNT(*) FROM PROPS_TBL WHERE FEATURE_ID=116");
    EXPECT_EQ(std::to_string(c_.lvwProperties.Item_Count()), stored);
    EXPECT_TRUE(wmi_.connects.empty());

    // A Security Center class is read from its own namespace, without "SC_".
    wmi_.objects["AntiVirusProduct"] = Class_Of({"displayName", "productState"});
    TreeNode* av = c_.tvwFeatures.Find("SC_AntiVirusProduct");
    ASSERT_NE(av, nullptr);
    c_.tvwFeatures_NodeClick(*av);
    EXPECT_EQ(wmi_.connects.back().namespace_path, "root\\SecurityCenter2");
    EXPECT_NE(c_.lvwProperties.Find_Item("productState"), nullptr);

    // A class the computer does not have adds nothing and shows nothing.
    wmi_.objects.clear();
    c_.tvwFeatures_NodeClick(*av);
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_TRUE(db_.reporter.boxes.empty());
    EXPECT_TRUE(Pending_Error().empty());

    // A key that names no feature leaves nothing selected and the list empty.
    ChoosePropsController other{host_};
    other.Show_This_Form("No_Such_Feature");
    other.Form_Load();
    EXPECT_EQ(other.tvwFeatures.selected, nullptr);
    EXPECT_EQ(other.lvwProperties.Item_Count(), 0u);
    EXPECT_GT(other.tvwFeatures.Count(), 10u);
}

TEST_F(ChoosePropsTest, ASaveChangesWhatTheNextListingSelects) {
    Open("Win32_Processor");
    const std::string before = Get_Property_Select_List(Processor);
    ASSERT_NE(before, "*");
    // Only ZetaTwo and the second stored row, ZetaTwo first.
    for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i) c_.lvwProperties.Item(i).checked = false;
    const std::size_t last = c_.lvwProperties.Item_Count() - 1;
    c_.lvwProperties.Item(last).checked = true;
    c_.lvwProperties.Item(1).checked = true;
    c_.lvwProperties_ItemCheck();
    EXPECT_TRUE(c_.cmdSave_enabled);
    Select_Row(last);
    for (std::size_t i = 0; i < last - 1; ++i) c_.cmdMoveUp_Click();
    EXPECT_EQ(c_.lvwProperties.Item(1).key, "ZetaTwo");
    EXPECT_TRUE(c_.lvwProperties.Item(1).selected);
    EXPECT_TRUE(c_.lvwProperties.Item(1).checked);
    c_.cmdSave_Click();
    EXPECT_FALSE(c_.cmdSave_enabled);
    EXPECT_EQ(Get_Property_Select_List(Processor), "ZetaTwo, " + stored_.Text(2, 0));
    EXPECT_EQ(db_.Scalar("SELECT PROP_DISP_NAME FROM PROPS_TBL WHERE FEATURE_ID=8 AND PROP_NAME='ZetaTwo'"),
              "Zeta Two");

    // Reset order lists the class alone, unchecked; saving nothing checked
    // switches off every stored property and keeps their order.
    const std::string order = db_.Scalar("SELECT group_concat(PROP_NAME) FROM (SELECT PROP_NAME FROM PROPS_TBL "
                                         "WHERE FEATURE_ID=8 ORDER BY LIST_ORDER)");
    c_.cmdResetOrder_Click();
    EXPECT_FALSE(c_.cmdSave_enabled);
    ASSERT_EQ(c_.lvwProperties.Item_Count(), 5u);
    EXPECT_EQ(c_.lvwProperties.Item(0).key, stored_.Text(1, 0));
    for (std::size_t i = 0; i < 5; ++i) EXPECT_FALSE(c_.lvwProperties.Item(i).checked);
    c_.cmdSave_Click();
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) FROM PROPS_TBL WHERE FEATURE_ID=8 AND ACTIVE<>0"), "0");
    EXPECT_EQ(Get_Property_Select_List(Processor), "*");
    EXPECT_EQ(db_.Scalar("SELECT group_concat(PROP_NAME) FROM (SELECT PROP_NAME FROM PROPS_TBL WHERE FEATURE_ID=8 "
                         "ORDER BY LIST_ORDER)"),
              order);
}

// The listing keeps the select list in memory; a save must make it anew.
TEST_F(ChoosePropsTest, ASaveRenewsTheSelectListTheListingKeeps) {
    std::string wql;
    ASSERT_TRUE(Build_Feature_Query(Processor, "Win32_Processor", wql));
    EXPECT_EQ(wql, "SELECT " + Get_Property_Select_List(Processor) + " FROM Win32_Processor");
    Open("Win32_Processor");
    for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i)
        c_.lvwProperties.Item(i).checked = c_.lvwProperties.Item(i).key == "ZetaOne";
    c_.lvwProperties_ItemCheck();
    c_.cmdSave_Click();
    ASSERT_TRUE(Build_Feature_Query(Processor, "Win32_Processor", wql));
    EXPECT_EQ(wql, "SELECT ZetaOne FROM Win32_Processor");

    // Saving nothing checked switches every property off: all of them.
    for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i) c_.lvwProperties.Item(i).checked = false;
    c_.lvwProperties_ItemCheck();
    c_.cmdSave_Click();
    ASSERT_TRUE(Build_Feature_Query(Processor, "Win32_Processor", wql));
    EXPECT_EQ(wql, "SELECT * FROM Win32_Processor");
}

TEST_F(ChoosePropsTest, MovingSelectAllAndClosing) {
    Open("Win32_Processor");
    const std::vector<std::string> keys = Keys();
    Select_Row(0);
    c_.cmdMoveUp_Click();
    EXPECT_EQ(Keys(), keys);
    Select_Row(keys.size() - 1);
    c_.cmdMoveDown_Click();
    EXPECT_EQ(Keys(), keys);
    c_.cmdMoveDown_Click();  // moving is no change to save
    EXPECT_FALSE(c_.cmdSave_enabled);

    c_.chkSelectAllItems = 0;
    c_.chkSelectAllItems_Click();
    for (std::size_t i = 0; i < c_.lvwProperties.Item_Count(); ++i) EXPECT_FALSE(c_.lvwProperties.Item(i).checked);
    EXPECT_TRUE(c_.cmdSave_enabled);

    // The close box asks nothing; Close and Esc ask, and No keeps the form.
    EXPECT_FALSE(c_.Form_QueryUnload(false));
    EXPECT_TRUE(host_.boxes.empty());
    host_.answers = {box::Answer_No};
    c_.cmdClose_Click();
    EXPECT_EQ(host_.closes, 0);
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text,
              "You have made some changes. Are you sure you want to close with out saving the changes?");
    EXPECT_EQ(host_.boxes[0].flags, box::Yes_No | box::Question);
    EXPECT_TRUE(c_.Form_KeyPress(27));
    EXPECT_EQ(host_.closes, 1);
    EXPECT_FALSE(c_.Form_KeyPress('a'));
}

TEST_F(ChoosePropsTest, SaveWithoutAFeatureDoesNothing) {
    Open("No_Such_Feature");
    c_.lvwProperties.Add_Column("Properties", "Properties", 4000);
    c_.lvwProperties.Add_Item("Name", "Name")->checked = true;
    const std::string props = db_.Scalar("SELECT COUNT(*) || '/' || SUM(ACTIVE) FROM PROPS_TBL");
    c_.cmdSave_Click();
    EXPECT_EQ(db_.Scalar("SELECT COUNT(*) || '/' || SUM(ACTIVE) FROM PROPS_TBL"), props);
    EXPECT_TRUE(db_.reporter.boxes.empty());
}

}  // namespace
}  // namespace crv
