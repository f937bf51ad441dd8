// The New Scan and Full Export dialog against a fresh store with the shipped
// feature catalogue, the fake WMI port and a main-window stand-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <fstream>
#include <optional>
#include <sstream>

#include "core/common.h"
#include "core/error.h"
#include "core/names.h"
#include "core/tests/read_all.h"
#include "dialogs/frm_full_export_controller.h"
#include "dialogs/main_window_link.h"
#include "mainwindow/frm_main_controller.h"
#include "dialogs/tests/dialog_test_support.h"
#include "store/devices.h"
#include "store/features.h"
#include "store/scans.h"
#include "store/tests/test_database.h"
#include "wmi/collectors.h"
#include "wmi/fake_wmi.h"

namespace crv {
namespace {

namespace fs = std::filesystem;

class FullExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_port_ = Set_Wmi_Port(&wmi_);
        Clear_Error();
        pc1_ = Add_Device("PC1", "u", "p", 0, 0, 0, 0, "", 1, 2, "", "t");
        pc2_ = Add_Device("PC2", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
        pc3_ = Add_Device("PC3", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
        ASSERT_GT(pc3_, 0);
    }
    void TearDown() override { Set_Wmi_Port(previous_port_); }

    void Open(const std::string& mode) {
        c_ = std::make_unique<FullExportController>(host_, main_);
        c_->ShowThisForm(mode, "");
        c_->tmrSelection_Timer();
    }
    // The run most tests make: PC1 and PC2, the BIOS and the processors.
    void Open_Two_By_Two(const std::string& mode) {
        Open(mode);
        Check_Computer("PC1");
        Check_Computer("PC2");
        Check_Feature("Win32_BIOS");
        Check_Feature("Win32_Processor");
    }
    void Check_Computer(const std::string& name) {
        for (std::size_t i = 0; i < c_->lvwComputer.Item_Count(); ++i)
            if (c_->lvwComputer.Item(i).text == name) c_->lvwComputer.Item(i).checked = true;
    }
    void Check_Feature(const std::string& key, bool on = true) {
        TreeNode* n = c_->tvwExportFeatures.Find(key);
        ASSERT_NE(n, nullptr) << key;
        n->checked = on;
        c_->tvwExportFeatures_NodeCheck(*n);
    }
    std::int32_t Feature_Id(const std::string& key) { return Get_Feature_ID(key); }
    // What Scans_Of gives for a computer scanned with the BIOS and the processors.
    std::string Bios_And_Processor_Scans() {
        const std::int32_t bios = Feature_Id("Win32_BIOS"), processor = Feature_Id("Win32_Processor");
        return std::to_string(std::min(bios, processor)) + "," + std::to_string(std::max(bios, processor));
    }
    std::string Scans_Of(std::int32_t dev, const std::string& date) {
        auto r = db_.Query("SELECT FEATURE_ID FROM SCAN_HEAD WHERE DEV_ID=" + std::to_string(dev) +
                           " AND SCAN_DATE='" + date + "' ORDER BY FEATURE_ID");
        std::string ids;
        for (std::size_t i = 1; i <= r.Data_Row_Count(); ++i) ids += (ids.empty() ? "" : ",") + r.Text(i, 0);
        return ids;
    }

    test::TestDatabase db_{true};
    FakeWmiPort wmi_;
    WmiPort* previous_port_ = nullptr;
    test::TestDialogHost host_;
    test::FakeMainLink main_;
    std::unique_ptr<FullExportController> c_;
    std::int32_t pc1_ = 0, pc2_ = 0, pc3_ = 0;
};

TEST_F(FullExportTest, TheTwoModesLookAndLoadDifferently) {
    Open("NewScan");
    EXPECT_EQ(c_->caption, "New Scan - Corvalin");
    EXPECT_EQ(c_->cmdExport_caption, "Start Scan");
    EXPECT_EQ(c_->fraFullExport_caption, "Choose Settings");
    EXPECT_FALSE(c_->Control("fraExportOptions").visible);
    EXPECT_TRUE(c_->Control("fraNewScan").visible);
    EXPECT_TRUE(c_->Control("dtpkScanDate").visible);
    EXPECT_FALSE(c_->full_export_layout);
    EXPECT_EQ(c_->dtpkScanDate, (StoreDate{2012, 5, 3}));
    EXPECT_EQ(c_->tvwExportFeatures.Find("RTT_SCM"), nullptr);  // not storable
    EXPECT_NE(c_->tvwExportFeatures.Find("Win32_BIOS"), nullptr);
    EXPECT_EQ(c_->txtScanRemarks.substr(0, 54), "1. Choose the computers and features to be scanned. \r\n");
    EXPECT_EQ(c_->lvwComputer.Item_Count(), 3u);
    EXPECT_EQ(c_->lvwComputer.Column(0).text, "Select Computers");
    EXPECT_EQ(c_->lvwComputer.Item(0).key, "DEV" + std::to_string(pc1_));
    std::size_t scan_nodes = c_->tvwExportFeatures.Count();

    Open("FullExport");
    EXPECT_EQ(c_->caption, "Full Export - Corvalin");
    EXPECT_EQ(c_->cmdExport_caption, "Start Export");
    EXPECT_TRUE(c_->Control("fraExportOptions").visible);
    EXPECT_FALSE(c_->Control("fraNewScan").visible);
    EXPECT_FALSE(c_->Control("dtpkScanDate").visible);
    EXPECT_FALSE(c_->Control("lblScanDate").visible);
    EXPECT_TRUE(c_->full_export_layout);
    EXPECT_NE(c_->tvwExportFeatures.Find("RTT_SCM"), nullptr);
    EXPECT_EQ(c_->tvwExportFeatures.Count(), scan_nodes + 2);
    EXPECT_EQ(c_->tvwExportFeatures.Find("Tabu_0"), nullptr);
    // Always "Single File" on opening, the folder box off.
    EXPECT_EQ(c_->optExportTo, 0);
    EXPECT_FALSE(c_->Control("txtSaveTo").enabled);
    c_->optExportTo_Click(1);
    EXPECT_TRUE(c_->Control("txtSaveTo").enabled);
    EXPECT_TRUE(c_->Control("cmdBrowse").enabled);
}

TEST_F(FullExportTest, FeatureChecksAreKeptPerFeatureAcrossModes) {
    Open("FullExport");
    Check_Feature("RTT_SCM");
    Check_Feature("Win32_BIOS");
    c_->txtSaveTo = "C:\\Inv";
    c_->Request_Unload();
    EXPECT_EQ(host_.closes, 1);
    EXPECT_EQ(host_.setting_writes, (std::vector<std::string>{"ExportTo", "FilePath", "Features", "ReportFormat"}));
    EXPECT_GE(main_.cancels, 1);  // a close raises the main window's Cancel

    Open("NewScan");
    EXPECT_TRUE(c_->tvwExportFeatures.Find("Win32_BIOS")->checked);
    EXPECT_FALSE(c_->tvwExportFeatures.Find("Win32_Processor")->checked);
    EXPECT_EQ(c_->txtSaveTo, "C:\\Inv");
    Check_Feature("Win32_BIOS", false);
    Check_Feature("Win32_Processor");
    c_->Request_Unload();

    Open("FullExport");
    EXPECT_TRUE(c_->tvwExportFeatures.Find("RTT_SCM")->checked);  // the scan tree has no such node
    EXPECT_FALSE(c_->tvwExportFeatures.Find("Win32_BIOS")->checked);
    EXPECT_TRUE(c_->tvwExportFeatures.Find("Win32_Processor")->checked);

    // Checking a group reaches every depth.
    TreeNode* root = c_->tvwExportFeatures.Nodes()[0];
    root->checked = true;
    c_->tvwExportFeatures_NodeCheck(*root);
    EXPECT_EQ(Count_Checked_Nodes(c_->tvwExportFeatures), static_cast<std::int32_t>(c_->tvwExportFeatures.Count()));
}

TEST_F(FullExportTest, RefusalsAndTheDateWarningNameOnlyCheckedComputers) {
    Open("NewScan");
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Please select atleast one computer!");
    Check_Computer("PC1");
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Please select atleast one feature!");
    EXPECT_TRUE(main_.calls.empty());

    db_.Exec("INSERT INTO SCAN_HEAD (DEV_ID, FEATURE_ID, SCAN_DATE) VALUES (" + std::to_string(pc1_) +
             ", 1, '2012-05-03')");
    db_.Exec("INSERT INTO SCAN_HEAD (DEV_ID, FEATURE_ID, SCAN_DATE) VALUES (" + std::to_string(pc2_) +
             ", 1, '2012-05-03')");
    Check_Feature("Win32_BIOS");
    host_.boxes.clear();
    host_.answers = {box::Answer_No};
    c_->cmdExport_Click();
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text,
              "The computer(s) PC1 already have scanned data on the selected date. Any existing data will be "
              "updated.\r\n\r\nAre you sure you want to continue?");
    EXPECT_TRUE(main_.calls.empty());

    Check_Computer("PC2");
    host_.boxes.clear();
    host_.answers = {box::Answer_Yes, box::Answer_No};
    c_->cmdExport_Click();
    ASSERT_EQ(host_.boxes.size(), 2u);
    EXPECT_NE(host_.boxes[0].text.find("The computer(s) PC1,PC2 already"), std::string::npos);
    EXPECT_EQ(host_.boxes[1].text.substr(0, 30), "Full Export may take several m");

    host_.boxes.clear();
    c_->dtpkScanDate = {2012, 5, 4};  // nothing stored that day: one question only
    host_.answers = {box::Answer_No};
    c_->cmdExport_Click();
    EXPECT_EQ(host_.boxes.size(), 1u);
}

TEST_F(FullExportTest, NewScanStoresUnderThePickerDateAndCountsUnreachableComputers) {
    wmi_.connect_result = [](const WmiConnectRequest& r) {
        return r.server == "PC1" ? WmiStatus::Error(Rpc_S_Server_Unavailable, "The RPC server is unavailable.")
                                 : WmiStatus{};
    };
    Open_Two_By_Two("NewScan");
    c_->dtpkScanDate = {2011, 12, 31};
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports. Skipped 1 Computers due to Connection Error!");
    EXPECT_EQ(host_.boxes.back().flags, box::Exclamation);
    ASSERT_EQ(main_.calls.size(), 2u);
    EXPECT_EQ(main_.calls[0].device, "PC2");
    EXPECT_TRUE(main_.calls[0].online);
    EXPECT_EQ(Scans_Of(pc1_, "2011-12-31"), "");
    EXPECT_EQ(Scans_Of(pc2_, "2011-12-31"), Bios_And_Processor_Scans());
    SqlResult details;
    ASSERT_TRUE(Get_Scan_Details({2011, 12, 31}, pc2_, Feature_Id("Win32_BIOS"), details));
    EXPECT_GE(details.Data_Row_Count(), 3u);
    EXPECT_FALSE(c_->Busy());
    EXPECT_TRUE(c_->Control("cmdExport").enabled);
    EXPECT_FALSE(c_->Control("picProgress").visible);

    // All reachable: the plain success text.
    wmi_.connect_result = nullptr;
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.");
    EXPECT_EQ(host_.boxes.back().flags, box::Information);
}

TEST_F(FullExportTest, OnlyCheckedLeavesAndTheFirstNodeAreCollected) {
    Open("NewScan");
    Check_Computer("PC3");
    TreeNode* bios = c_->tvwExportFeatures.Find("Win32_BIOS");
    ASSERT_NE(bios->parent, nullptr);
    bios->parent->checked = true;  // a group without its children
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.");
    EXPECT_TRUE(main_.calls.empty());

    c_->tvwExportFeatures.Nodes()[0]->checked = true;  // the root, which has children
    c_->cmdExport_Click();
    ASSERT_EQ(main_.calls.size(), 1u);
    EXPECT_EQ(main_.calls[0].key, "[Root...]");
    EXPECT_EQ(main_.calls[0].feature_id, 1);
}

TEST_F(FullExportTest, CancelDuringAFeatureStoresNoHalfScanAndStopsTheRun) {
    Open_Two_By_Two("NewScan");
    Check_Feature("Win32_BaseBoard");
    // An earlier complete scan of the second feature on the same date.
    std::vector<TreeNode*> order;
    for (TreeNode* n : c_->tvwExportFeatures.Nodes())
        if (n->checked) order.push_back(n);
    ASSERT_EQ(order.size(), 3u);
    const std::int32_t second = static_cast<std::int32_t>(Text_Number(order[1]->tag));
    {
        ListModel old;
        old.Add_Column("Name", "Name", 1);
        old.Add_Column("Value", "Value", 1);
        old.Add_Item("Old", "Old")->Set_Sub_Item(1, "kept");
        ASSERT_TRUE(Save_Scan({2012, 5, 3}, pc1_, second, old));
    }
    host_.on_events = [&] { EXPECT_TRUE(c_->Busy()); };
    bool refused = false;
    main_.during = [&](const test::FakeMainLink::Call& call, ListModel&) {
        if (call.feature_id != second) return;
        c_->Form_QueryUnload(refused);  // the close box while busy acts as Cancel
    };
    c_->cmdExport_Click();
    EXPECT_TRUE(refused);
    EXPECT_EQ(host_.closes, 0);
    ASSERT_EQ(main_.calls.size(), 2u);  // no third feature, no second computer
    EXPECT_EQ(Scans_Of(pc1_, "2012-05-03"), std::to_string(std::min<std::int32_t>(
                                                  second, static_cast<std::int32_t>(Text_Number(order[0]->tag)))) +
                                                  "," +
                                                  std::to_string(std::max<std::int32_t>(
                                                      second, static_cast<std::int32_t>(Text_Number(order[0]->tag)))));
    SqlResult details;
    ASSERT_TRUE(Get_Scan_Details({2012, 5, 3}, pc1_, second, details));
    EXPECT_EQ(details.Data_Row_Count(), 1u);
    EXPECT_EQ(details.Text(1, 1), "kept");
    EXPECT_EQ(Scans_Of(pc2_, "2012-05-03"), "");
    EXPECT_EQ(host_.Last_Box(),
              "The scan was cancelled. Only the features collected in full before the cancel were stored.");
    EXPECT_FALSE(c_->Export_Cancel_Requested);  // cleared when the loop ends
    EXPECT_FALSE(c_->Busy());
}

TEST_F(FullExportTest, FileNamesAndTargets) {
    EXPECT_EQ(Full_Export_File_Name("D:\\Inv", "PC7", {2012, 5, 3, 14, 2, 9}, 2),
              "D:\\Inv\\CRV_PC7(2012-05-03)(14-02-09).html");
    EXPECT_EQ(Full_Export_File_Name("D:\\Inv", "PC7", {2012, 11, 23, 0, 0, 0}, 1),
              "D:\\Inv\\CRV_PC7(2012-11-23)(00-00-00).csv");
    EXPECT_EQ(Full_Export_File_Name("F", "X", {2012, 1, 2, 3, 4, 5}, 3), "F\\CRV_X(2012-01-02)(03-04-05).txt");
    EXPECT_EQ(Format_Extension("HTML File(.html)"), ".html");

    Open("FullExport");
    Check_Computer("PC1");
    Check_Computer("PC2");
    Check_Feature("Win32_BIOS");

    // Single File: a cancelled Save dialog runs nothing and says so.
    c_->cboExportFormat_index = 1;
    host_.save_dialog_answer = "";
    c_->cmdExport_Click();
    EXPECT_EQ(host_.save_dialog_filter, "HTML File(.html)|*.html");
    EXPECT_EQ(host_.Last_Box(), "No export file was chosen. Nothing was exported.");
    EXPECT_TRUE(main_.calls.empty());

    // One File Per Computer: folders only.
    const std::string folder = (db_.Folder() / "out").string();
    fs::create_directories(folder);
    c_->optExportTo_Click(1);
    c_->txtSaveTo = folder;
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "The specified export path does not exist! Please select a different path.");

    host_.folders.insert(folder);
    host_.now = {2012, 5, 3, 14, 2, 9};
    c_->cboExportFormat_index = 0;
    c_->cmdExport_Click();
    ASSERT_EQ(c_->Last_Run().files.size(), 2u);
    EXPECT_EQ(c_->Last_Run().files[0], folder + "\\CRV_PC1(2012-05-03)(14-02-09).csv");
    EXPECT_EQ(c_->Last_Run().files[1], folder + "\\CRV_PC2(2012-05-03)(14-02-09).csv");
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.");
    for (const auto& f : c_->Last_Run().files) EXPECT_TRUE(fs::exists(f)) << f;
    for (const auto& f : c_->Last_Run().files) fs::remove(f);
}

// The file of a UTF-8 path, as the controller names its files.
std::string Read_All(const std::string& path) {
    return test::Read_All(fs::path(std::u8string(path.begin(), path.end())));
}

std::string Html_Unescaped(const std::string& text) {
    const std::pair<std::string_view, char> entities[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&amp;", '&'}};
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        bool replaced = false;
        for (const auto& [entity, c] : entities)
            if (text.compare(at, entity.size(), entity) == 0) {
                out += c;
                at += entity.size();
                replaced = true;
                break;
            }
        if (!replaced) out += text[at++];
    }
    return out;
}

// Computers named to break things: quotes, letters beyond ASCII, markup, and
// names that climb out of the export folder. Their names and a scanned
// value holding the same texts survive the store and all three formats, and
// every file lands in the chosen folder.
TEST_F(FullExportTest, HostileNamesSurviveTheScanAndEveryFormatInsideTheFolder) {
    const std::vector<std::string> names = {"O'Brien's PC", "Zo\xC3\xAB-Laptop",
                                            "\xD0\x9A\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB-\xD0\x9F\xD0\x9A",
                                            "<b>bold</b>&amp;"};
    const std::vector<std::string> climbers = {"..\\..\\..\\ESCAPED", "../../../ESCAPED2"};
    std::map<std::string, std::int32_t> ids;
    for (const auto& n : names) ids[n] = Add_Device(n, "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    for (const auto& n : climbers) ids[n] = Add_Device(n, "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    std::string all_texts;
    for (const auto& n : names) all_texts += (all_texts.empty() ? "" : " | ") + n;

    // A scan whose service display name holds every text.
    main_.during = [&](const test::FakeMainLink::Call&, ListModel& list) {
        ListItem* row = list.Add_Item("DisplayName", "    Display Name");
        row->Set_Sub_Item(1, all_texts);
        row->small_icon = "Info";
    };
    Open("NewScan");
    for (const auto& n : names) Check_Computer(n);
    Check_Feature("Win32_BIOS");
    c_->dtpkScanDate = {2012, 5, 3};
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.");
    SqlResult devices;
    std::int32_t rows = 0;
    ASSERT_TRUE(Get_Device_List(rows, devices, 2));
    for (const auto& n : names) {
        bool listed = false;
        for (std::size_t r = 1; r <= devices.Data_Row_Count(); ++r) listed |= devices.Text(r, 0) == n;
        EXPECT_TRUE(listed) << n;
        SqlResult details;
        ASSERT_TRUE(Get_Scan_Details({2012, 5, 3}, ids[n], Feature_Id("Win32_BIOS"), details)) << n;
        bool stored = false;
        for (std::size_t r = 1; r <= details.Data_Row_Count(); ++r) stored |= details.Text(r, 1) == all_texts;
        EXPECT_TRUE(stored) << n;
    }

    // Export what the scans hold, to one file per computer, in every format.
    main_.during = [&](const test::FakeMainLink::Call& call, ListModel& list) {
        list.Clear_Items();
        SqlResult details;
        if (!Get_Scan_Details({2012, 5, 3}, call.device_id, Feature_Id("Win32_BIOS"), details)) return;
        for (std::size_t r = 1; r <= details.Data_Row_Count(); ++r)
            list.Add_Item("", details.Text(r, 0))->Set_Sub_Item(1, details.Text(r, 1));
        main_.cancel_flag = true;  // the list is complete
    };
    const fs::path deep = db_.Folder() / "a" / "b" / "c" / "out";
    fs::create_directories(deep);
    const std::string folder = deep.string();
    Open("FullExport");
    for (const auto& n : names) Check_Computer(n);
    for (const auto& n : climbers) Check_Computer(n);
    Check_Feature("Win32_BIOS");
    c_->optExportTo_Click(1);
    c_->txtSaveTo = folder;
    host_.folders.insert(folder);
    for (int format = 0; format < 3; ++format) {
        c_->cboExportFormat_index = format;
        host_.now = {2012, 5, 3, 14, 2, 9 + format};
        c_->cmdExport_Click();
        EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.") << format;
        ASSERT_EQ(c_->Last_Run().files.size(), names.size() + climbers.size()) << format;
        auto file_of = [&](const std::string& computer) {
            for (const std::string& file : c_->Last_Run().files)
                if (file.rfind(folder + "\\CRV_" + Clean_File_Name(computer) + "(", 0) == 0) return file;
            return std::string();
        };
        for (const std::string& file : c_->Last_Run().files) {
            // Straight inside the folder: nothing after it separates folders.
            ASSERT_EQ(file.rfind(folder + "\\CRV_", 0), 0u) << file;
            EXPECT_EQ(file.find_first_of("\\/", folder.size() + 1), std::string::npos) << file;
            EXPECT_EQ(Read_All(file).rfind("\xEF\xBB\xBF", 0), 0u) << file;
        }
        for (const std::string& computer : names) {
            const std::string file = file_of(computer);
            ASSERT_FALSE(file.empty()) << computer;
            const std::string text = Read_All(file);
            const std::string readable = format == 1 ? Html_Unescaped(text) : text;
            // The title carries the computer's own name, every character intact.
            EXPECT_NE(readable.find(format == 0 ? "(" + computer + ")" : " (" + computer + ")"), std::string::npos)
                << computer << " " << format;
            // The text table fits the value to its 47 characters; the others carry it whole.
            const std::string value = format == 2 ? all_texts.substr(0, 44) : all_texts;
            EXPECT_NE(readable.find(value), std::string::npos) << computer << " " << format;
        }
        EXPECT_FALSE(file_of(climbers[0]).empty());
        EXPECT_FALSE(file_of(climbers[1]).empty());
    }
    EXPECT_NE(std::find(c_->Last_Run().files.begin(), c_->Last_Run().files.end(),
                        folder + "\\CRV_.._.._.._ESCAPED(2012-05-03)(14-02-11).txt"),
              c_->Last_Run().files.end());
    EXPECT_NE(std::find(c_->Last_Run().files.begin(), c_->Last_Run().files.end(),
                        folder + "\\CRV__b_bold__b_&amp;(2012-05-03)(14-02-11).txt"),
              c_->Last_Run().files.end());
    // Nothing was written anywhere but in the folder. (Natively "\\" is no
    // separator: the files are named "out\\CRV_..." beside the folder.)
#ifdef _WIN32
    const fs::path home = deep;
#else
    const fs::path home = deep.parent_path();
#endif
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(db_.Folder() / "a")) {
        if (!entry.is_regular_file()) continue;
        ++files;
        EXPECT_EQ(entry.path().parent_path(), home) << entry.path().string();
        EXPECT_EQ(entry.path().filename().string().find("ESCAPED)"), std::string::npos);
    }
    EXPECT_EQ(files, 3 * (names.size() + climbers.size()));
}

TEST_F(FullExportTest, AFailedListingNeverReplacesAStoredScan) {
    Open("NewScan");
    Check_Computer("PC1");
    Check_Feature("Win32_BIOS");
    Check_Feature("Win32_Processor");
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.");
    const std::int32_t bios = Feature_Id("Win32_BIOS");
    SqlResult before;
    ASSERT_TRUE(Get_Scan_Details({2012, 5, 3}, pc1_, bios, before));

    // Now the BIOS query is refused: its list holds only the failure row.
    main_.during = [&](const test::FakeMainLink::Call& call, ListModel& list) {
        if (call.feature_id != bios) return;
        list.Clear_Items();
        ListItem* row = list.Add_Item("Error\x0B" "0", "Name");
        row->small_icon = "NoInfo";
        row->bold = true;
        row->Set_Sub_Item(1, "Access denied");
        list.Add_Item("", "");
        main_.cancel_flag = true;
    };
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "The scan ended, but 1 feature(s) could not be stored. Their earlier scans were "
                                "kept.\r\n\r\nFeatures not stored:\r\nPC1 - " + c_->tvwExportFeatures.Find("Win32_BIOS")->text);
    EXPECT_EQ(c_->Last_Run().failures, 1);
    SqlResult after;
    ASSERT_TRUE(Get_Scan_Details({2012, 5, 3}, pc1_, bios, after));
    ASSERT_EQ(after.Data_Row_Count(), before.Data_Row_Count());
    for (std::size_t r = 1; r <= after.Data_Row_Count(); ++r) EXPECT_EQ(after.Text(r, 1), before.Text(r, 1));
    // The other feature was scanned again as usual.
    EXPECT_EQ(Scans_Of(pc1_, "2012-05-03"), std::to_string(std::min(bios, Feature_Id("Win32_Processor"))) + "," +
                                                std::to_string(std::max(bios, Feature_Id("Win32_Processor"))));
}

TEST_F(FullExportTest, SingleFileHtmlHoldsEachComputersTablesThenItsFooter) {
    fs::path file = db_.Folder() / "all.html";
    Open("FullExport");
    Check_Computer("PC1");
    Check_Computer("PC3");
    Check_Feature("Win32_BIOS");
    Check_Feature("Win32_Processor");
    c_->cboExportFormat_index = 1;
    host_.save_dialog_answer = file.string();
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.");
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string html = ss.str();
    // Per computer: two tables, then the footer.
    std::vector<std::string> seen;
    for (std::size_t at = 0;;) {
        std::size_t t = html.find("<table", at);
        if (t == std::string::npos) break;
        std::size_t pc1 = html.find("PC1", t), pc3 = html.find("PC3", t);
        seen.push_back(pc1 < pc3 ? "1" : "3");
        at = t + 6;
    }
    EXPECT_EQ(seen.size(), 6u);  // 2 features + footer, twice
    EXPECT_EQ(main_.calls.size(), 4u);
}

// A file that cannot be written is one failure however many features go to
// it: its box comes once, the run goes on, and the end says it fell short.
TEST_F(FullExportTest, AFileThatCannotBeWrittenShowsItsBoxOnce) {
    const std::string folder = (db_.Folder() / "out").string();
    fs::create_directories(folder);
    host_.folders.insert(folder);
    Open_Two_By_Two("FullExport");
    c_->cboExportFormat_index = 1;
    c_->optExportTo_Click(1);
    c_->txtSaveTo = folder;
    // A folder where each computer's file would go: no file can be made there.
    for (const char* pc : {"PC1", "PC2"}) {
        const std::string name = Full_Export_File_Name(folder, pc, host_.now, 2);
        fs::create_directories(fs::path(std::u8string(name.begin(), name.end())));
    }
    c_->cmdExport_Click();
    EXPECT_EQ(main_.calls.size(), 4u);
    ASSERT_EQ(db_.reporter.boxes.size(), 2u);
    EXPECT_NE(db_.reporter.boxes[0].find("CRV_PC1"), std::string::npos) << db_.reporter.boxes[0];
    EXPECT_NE(db_.reporter.boxes[1].find("CRV_PC2"), std::string::npos) << db_.reporter.boxes[1];
    EXPECT_EQ(host_.Last_Box(), "The export ended, but some reports could not be written.");
}

// The two answers a computer can give that are not data: "not supported"
// is stored and counts as done; a real failure keeps the earlier scan and
// is named in the end message.
TEST_F(FullExportTest, NotSupportedIsStoredAndRealFailuresAreNamed) {
    const std::int32_t bios = Feature_Id("Win32_BIOS");
    main_.during = [&](const test::FakeMainLink::Call& call, ListModel& list) {
        list.Clear_Items();
        ListItem* row = call.feature_id == bios ? list.Add_Item("NoInfo\x0B" "0", "Name")
                                                : list.Add_Item("Error\x0B" "0", "Error");
        row->small_icon = "NoInfo";
        row->bold = true;
        row->Set_Sub_Item(1, call.feature_id == bios ? Not_Supported_Text : "Access is denied.");
        main_.cancel_flag = true;  // the listing ends with its failure row
    };
    Open("NewScan");
    Check_Computer("PC1");
    Check_Feature("Win32_BIOS");
    Check_Feature("Win32_Processor");
    c_->cmdExport_Click();
    const std::string cpu_caption = c_->tvwExportFeatures.Find("Win32_Processor")->text;
    EXPECT_EQ(host_.Last_Box(), "The scan ended, but 1 feature(s) could not be stored. Their earlier scans were "
                                "kept.\r\n\r\nFeatures not stored:\r\nPC1 - " + cpu_caption);
    EXPECT_EQ(Scans_Of(pc1_, "2012-05-03"), std::to_string(bios));
    SqlResult details;
    ASSERT_TRUE(Get_Scan_Details({2012, 5, 3}, pc1_, bios, details));
    EXPECT_EQ(details.Text(1, 1), Not_Supported_Text);  // what the offline view shows
    EXPECT_EQ(c_->Last_Run().failed_features, std::vector<std::string>{"PC1 - " + cpu_caption});

    // A Full Export writes the failure row in the feature's section and
    // names the feature at the end, as New Scan does, rather than success.
    Open("FullExport");
    Check_Computer("PC1");
    Check_Feature("Win32_BIOS");
    Check_Feature("Win32_Processor");
    host_.save_dialog_answer = (db_.Folder() / "all.csv").string();
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "The export ended, but some features could not be collected. Their sections in the "
                                "file hold the error.\r\n\r\nFeatures not collected:\r\nPC1 - " + cpu_caption);
    std::ifstream in(db_.Folder() / "all.csv", std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_NE(written.str().find("Access is denied."), std::string::npos);
}

TEST_F(FullExportTest, SingleFileReplacesTheFileTheUserAgreedToReplace) {
    const fs::path file = db_.Folder() / "all.csv";
    { std::ofstream(file, std::ios::binary) << "OLD CONTENT OF THE FILE\r\n"; }
    Open("FullExport");
    Check_Computer("PC1");
    Check_Feature("Win32_BIOS");
    host_.save_dialog_answer = file.string();
    // No at the last question: the old file stays as it was.
    host_.answers = {box::Answer_No};
    c_->cmdExport_Click();
    EXPECT_EQ(Read_All(file.string()), "OLD CONTENT OF THE FILE\r\n");
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.");
    const std::string text = Read_All(file.string());
    EXPECT_EQ(text.find("OLD CONTENT"), std::string::npos);
    EXPECT_NE(text.find("Win32_BIOS on PC1"), std::string::npos);
    c_->cmdExport_Click();  // a second run into the same file: this run's text alone
    EXPECT_EQ(Read_All(file.string()), text);
}

TEST_F(FullExportTest, ComputersWhoseNamesCleanAlikeGetFilesOfTheirOwn) {
    EXPECT_EQ(Numbered_File_Name("D:\\a.b\\CRV_x_(2012-05-03)(14-02-09).csv", 2),
              "D:\\a.b\\CRV_x_(2012-05-03)(14-02-09)(2).csv");
    EXPECT_EQ(Numbered_File_Name("D:\\a.b\\CRV_x", 3), "D:\\a.b\\CRV_x(3)");
    for (const char* n : {"x.", "x_", "X_"}) ASSERT_GT(Add_Device(n, "", "", 0, 0, 0, 0, "", 1, 2, "", "t"), 0);
    const std::string folder = (db_.Folder() / "out").string();
    fs::create_directories(folder);
    host_.folders.insert(folder);
    host_.now = {2012, 5, 3, 14, 2, 9};
    Open("FullExport");
    for (const char* n : {"x.", "x_", "X_"}) Check_Computer(n);
    Check_Feature("Win32_BIOS");
    c_->optExportTo_Click(1);
    c_->txtSaveTo = folder;
    c_->cmdExport_Click();
    EXPECT_EQ(host_.Last_Box(), "Successfully exported reports.");
    // Listed by name, "X_" first; Windows tells no case apart in file names.
    const std::string stamp = "(2012-05-03)(14-02-09)";
    ASSERT_EQ(c_->Last_Run().files,
              (std::vector<std::string>{folder + "\\CRV_X_" + stamp + ".csv", folder + "\\CRV_x_" + stamp + "(2).csv",
                                        folder + "\\CRV_x_" + stamp + "(3).csv"}));
    // Each file holds its own computer alone (the list is ordered by name).
    std::vector<std::string> owners;
    for (const std::string& f : c_->Last_Run().files) {
        const std::string text = Read_All(f);
        std::string owner;
        for (const char* n : {"x.", "x_", "X_"})
            if (text.find(std::string("Win32_BIOS on ") + n) != std::string::npos) owner += n;
        owners.push_back(owner);
    }
    std::sort(owners.begin(), owners.end());
    EXPECT_EQ(owners, (std::vector<std::string>{"X_", "x.", "x_"}));
}

// A second connection holds the file locked (another program, a backup):
// the run shows the store's error once and never reports success.
TEST_F(FullExportTest, AFullExportOnALockedDatabaseStopsWithOneBoxAndWritesNothing) {
    const fs::path file = db_.Folder() / "all.html";
    Open_Two_By_Two("FullExport");
    c_->cboExportFormat_index = 1;
    host_.save_dialog_answer = file.string();
    // Locked once the credentials are read: the listing direction cannot be.
    std::optional<test::DatabaseLock> lock;
    wmi_.connect_result = [&](const WmiConnectRequest&) {
        if (!lock) lock.emplace(db_);
        return WmiStatus{};
    };
    c_->cmdExport_Click();
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("database is locked"), std::string::npos) << db_.reporter.boxes[0];
    EXPECT_TRUE(main_.calls.empty());  // no feature exported in a layout it did not choose
    EXPECT_EQ(Read_All(file.string()), "");
    EXPECT_EQ(host_.Last_Box(), "The export did not complete: the inventory database could not be read. The files "
                                "hold only what was written before the failure.");
    EXPECT_TRUE(c_->Last_Run().store_failed);
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(FullExportTest, OpeningOnALockedDatabaseShowsTheStoresErrorAlone) {
    {
        test::DatabaseLock lock(db_);
        Open("NewScan");
    }
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("database is locked"), std::string::npos);
    EXPECT_TRUE(host_.boxes.empty());  // no "No computers are added" over it
    EXPECT_EQ(c_->lvwComputer.Item_Count(), 0u);
}

TEST_F(FullExportTest, ANewScanOnALockedDatabaseAsksNothingAndStoresNothing) {
    db_.Exec("INSERT INTO SCAN_HEAD (DEV_ID, FEATURE_ID, SCAN_DATE) VALUES (" + std::to_string(pc1_) +
             ", 1, '2012-05-03')");
    Open("NewScan");
    Check_Computer("PC1");
    Check_Feature("Win32_BIOS");
    {
        test::DatabaseLock lock(db_);
        c_->cmdExport_Click();
    }
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_NE(db_.reporter.boxes[0].find("database is locked"), std::string::npos);
    // Neither question: not knowing what would be replaced, nothing runs.
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.Last_Box(), "The scan was not started: the stored scans of the selected date could not be "
                                "read. Nothing was stored.");
    EXPECT_FALSE(c_->Last_Run().ran);
    EXPECT_TRUE(main_.calls.empty());
    EXPECT_EQ(Scans_Of(pc1_, "2012-05-03"), "1");
}

// Two computers by two features, the file locked during the first
// feature: one store box, the run stops, and the end message says so.
TEST_F(FullExportTest, ALockDuringANewScanGivesOneBoxAndStopsTheRun) {
    Open_Two_By_Two("NewScan");
    std::optional<test::DatabaseLock> lock;
    std::string first_caption;
    main_.during = [&](const test::FakeMainLink::Call& call, ListModel&) {
        if (lock) return;
        lock.emplace(db_);
        for (TreeNode* n : c_->tvwExportFeatures.Nodes())
            if (Text_Number(n->tag) == call.feature_id) first_caption = n->text;
    };
    c_->cmdExport_Click();
    lock.reset();
    ASSERT_EQ(db_.reporter.boxes.size(), 1u);
    EXPECT_EQ(main_.calls.size(), 1u);
    EXPECT_EQ(host_.Last_Box(), "The scan did not complete: the inventory database could not be read or written. "
                                "Only the features stored before the failure were kept.\r\n\r\nFeatures not stored:\r\nPC1 - " +
                                    first_caption);
    EXPECT_EQ(host_.boxes.back().flags, box::Exclamation);
    EXPECT_EQ(Scans_Of(pc1_, "2012-05-03"), "");
    EXPECT_EQ(Scans_Of(pc2_, "2012-05-03"), "");
    EXPECT_TRUE(Pending_Error().empty());
    EXPECT_FALSE(c_->Busy());
    EXPECT_TRUE(c_->Control("cmdExport").enabled);
}

// The file locked once every question is answered, at the run's first
// pump: the credentials of the first computer cannot be read. Whichever
// read fails, the run ends with its failure text, never with success.
TEST_F(FullExportTest, ALockTakenAfterTheQuestionsEndsEitherModeWithItsFailureText) {
    db_.Exec("INSERT INTO SCAN_HEAD (DEV_ID, FEATURE_ID, SCAN_DATE) VALUES (" + std::to_string(pc1_) + ", " +
             std::to_string(Feature_Id("Win32_BIOS")) + ", '2012-05-03')");
    const fs::path file = db_.Folder() / "all.csv";
    struct Mode {
        const char* type;
        const char* failure;
        std::size_t questions;  // New Scan also asks about the stored scan
    };
    for (Mode m : {Mode{"FullExport", "The export did not complete: the inventory database could not be read. The "
                                      "files hold only what was written before the failure.",
                        1},
                   Mode{"NewScan", "The scan did not complete: the inventory database could not be read or "
                                   "written. Only the features stored before the failure were kept.",
                        2}}) {
        SCOPED_TRACE(m.type);
        Open_Two_By_Two(m.type);
        host_.boxes.clear();
        db_.reporter.boxes.clear();
        host_.save_dialog_answer = file.string();
        std::optional<test::DatabaseLock> lock;
        host_.on_events = [&] {
            if (!lock) lock.emplace(db_);
        };
        c_->cmdExport_Click();
        host_.on_events = nullptr;
        lock.reset();
        ASSERT_EQ(db_.reporter.boxes.size(), 1u);
        EXPECT_NE(db_.reporter.boxes[0].find("database is locked"), std::string::npos) << db_.reporter.boxes[0];
        ASSERT_EQ(host_.boxes.size(), m.questions + 1);
        EXPECT_EQ(host_.Last_Box(), m.failure);
        for (const auto& b : host_.boxes) EXPECT_EQ(b.text.find("Successfully"), std::string::npos) << b.text;
        EXPECT_TRUE(main_.calls.empty());
        EXPECT_TRUE(c_->Last_Run().store_failed);
        EXPECT_EQ(Scans_Of(pc1_, "2012-05-03"), std::to_string(Feature_Id("Win32_BIOS")));
        EXPECT_EQ(Scans_Of(pc2_, "2012-05-03"), "");
        EXPECT_EQ(Read_All(file.string()), "");
        EXPECT_TRUE(Pending_Error().empty());
        EXPECT_FALSE(c_->Busy());
    }
}

// The first computer is scanned whole; the second one's credentials cannot
// be read: its turn and the run stop there, and the end says so.
TEST_F(FullExportTest, UnreadCredentialsOfTheSecondComputerStopTheRunWithTheFailureText) {
    Open_Two_By_Two("NewScan");
    std::optional<test::DatabaseLock> lock;
    host_.on_events = [&] {
        if (!lock && c_->lblProgress == "PC2 - Exporting Properties") lock.emplace(db_);
    };
    c_->cmdExport_Click();
    host_.on_events = nullptr;
    lock.reset();
    EXPECT_EQ(db_.reporter.boxes.size(), 1u);
    ASSERT_EQ(main_.calls.size(), 2u);
    EXPECT_EQ(main_.calls[1].device, "PC1");
    EXPECT_EQ(host_.Last_Box(), "The scan did not complete: the inventory database could not be read or written. "
                                "Only the features stored before the failure were kept.");
    EXPECT_EQ(host_.boxes.back().flags, box::Exclamation);
    EXPECT_EQ(Scans_Of(pc1_, "2012-05-03"), Bios_And_Processor_Scans());
    EXPECT_EQ(Scans_Of(pc2_, "2012-05-03"), "");
}

}  // namespace
}  // namespace crv

namespace crv {
namespace {

// The real feature handler of the main window's controller behind the link.
struct SilentMainHost : MainHost {
    int Show_Box(const std::string&, int) override { return Answer_Ok; }
    void Pump_Messages() override {}
    bool Input_Pending() override { return false; }
    LocalTime Now() override { return {}; }
    std::string Local_Computer_Name() override { return "LOCALPC"; }
    std::string Environment_Value(const std::string&) override { return {}; }
    std::string Get_Setting(const std::string&, const std::string&, const std::string& d) override { return d; }
    void Save_Setting(const std::string&, const std::string&, const std::string&) override {}
    bool Is_Form_Loaded(const std::string& name) override { return name == "frmFullExport"; }
    void View_Changed(ViewPart) override {}
    void Lock_List_Painting(bool) override {}
    void Focus_Features() override { ++focus_moves; }
    void Ensure_Feature_Visible(const TreeNode&) override {}
    void Begin_Device_Label_Edit() override {}
    void Popup_Menu(const std::string&) override {}
    void Open_Page(const std::string&) override {}
    void Close_Window() override {}
    int focus_moves = 0;
};

TEST(FullExportWithMainWindow, ScansThroughTheFeatureHandlerAndReportsAFailedSave) {
    test::TestDatabase db(true);
    FakeWmiPort wmi;
    WmiPort* previous = Set_Wmi_Port(&wmi);
    const std::int32_t pc = Add_Device("PC5", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    ASSERT_GT(pc, 0);
    SilentMainHost main_host;
    MainController main;
    main.Set_Host(&main_host);
    MainControllerLink link(main);
    test::TestDialogHost host;
    auto scan = [&] {
        FullExportController c(host, link);
        c.ShowThisForm("NewScan", "");
        c.tmrSelection_Timer();
        c.lvwComputer.Item(0).checked = true;
        c.tvwExportFeatures.Find("Win32_BIOS")->checked = true;
        c.cmdExport_Click();
    };
    scan();
    std::string wql;
    for (const auto& q : wmi.queries)
        if (q.find("Win32_BIOS") != std::string::npos) wql = q;
    ASSERT_FALSE(wql.empty());
    WmiInstance bios;
    bios.class_name = "Win32_BIOS";
    bios.properties = {Wmi_Text("Manufacturer", "ACME"), Wmi_Text("Name", "Firmware 7")};
    wmi.Set_Objects(wql, {bios});
    scan();  // the same date: replaces the first scan
    EXPECT_EQ(host.Last_Box(), "Successfully exported reports.");
    EXPECT_EQ(main_host.focus_moves, 0);  // the dialog is loaded: focus stays
    SqlResult rows;
    ASSERT_TRUE(Get_Scan_Details({2012, 5, 3}, pc, Get_Feature_ID("Win32_BIOS"), rows));
    bool found = false;
    for (std::size_t r = 1; r <= rows.Data_Row_Count(); ++r) found |= rows.Text(r, 1) == "ACME";
    EXPECT_TRUE(found);

    // A refused query leaves only the failure row: the stored scan stays.
    FakeWmiPort::QueryAnswer refused;
    refused.exec_error = WmiStatus::Error(Wbem_E_Access_Denied, "Access denied");
    wmi.Set_Answer(wql, refused);
    scan();
    EXPECT_EQ(host.Last_Box(), "The scan ended, but 1 feature(s) could not be stored. Their earlier scans were "
                               "kept.\r\n\r\nFeatures not stored:\r\nPC5 - BIOS");
    ASSERT_TRUE(Get_Scan_Details({2012, 5, 3}, pc, Get_Feature_ID("Win32_BIOS"), rows));
    found = false;
    for (std::size_t r = 1; r <= rows.Data_Row_Count(); ++r) found |= rows.Text(r, 1) == "ACME";
    EXPECT_TRUE(found);
    wmi.Set_Objects(wql, {bios});

    // A save that fails is not reported as success.
    db.Exec("DROP TABLE SCAN_DETAILS");
    scan();
    EXPECT_EQ(host.Last_Box(), "The scan did not complete: the inventory database could not be read or written. "
                               "Only the features stored before the failure were kept.\r\n\r\nFeatures not stored:\r\nPC5 - BIOS");
    EXPECT_FALSE(db.reporter.boxes.empty());  // the store's own box came first
    Set_Wmi_Port(previous);
}

}  // namespace
}  // namespace crv
