// View settings and modes: refresh, listing direction, work online or
// offline, font size, level and the visible toolbars.
#include "mainwindow/frm_main_controller.h"

#include <iterator>

#include "core/common.h"
#include "core/error.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/features.h"
#include "store/settings.h"

namespace crv {

namespace {

// The coolbar band of Tools Visible item n.
constexpr const char* kToolbarBands[] = {"Hardware", "OS", "Power", "Process", "Services", "TabularReport"};
constexpr int kToolbarItems = static_cast<int>(std::size(kToolbarBands));
// What the database ships with: every toolbar but Hardware and OS.
constexpr std::int32_t kShippedToolbarMask = 60;

// TLB_VISIBILITY of the settings row; the shipped mask when the row or a
// number in it is missing.
std::int32_t Stored_Toolbar_Mask(const SqlResult& settings) {
    const auto column = settings.Column_Index("TLB_VISIBILITY");
    if (!column || settings.Data_Row_Count() < 1) return kShippedToolbarMask;
    if (settings.Text(1, *column).find_first_of("0123456789") == std::string::npos) return kShippedToolbarMask;
    return static_cast<std::int32_t>(settings.Number(1, *column));
}

}  // namespace

void MainController::Register_View_Commands() {
    Register_Command("mnuViewRefresh", [this](int) { mnuViewRefresh_Click(); });
    Register_Command("mnuWorkOnline", [this](int) { mnuWorkOnline_Click(); });
    Register_Command("mnuWorkOffline", [this](int) { mnuWorkOffline_Click(); });
    // The pressed state after the click chooses: pressed is offline.
    Register_Command(Button_Name("tlbScan", "OnlineOffline"), [this](int) {
        if (Command(Button_Name("tlbScan", "OnlineOffline")).value == 1)
            mnuWorkOffline_Click();
        else
            mnuWorkOnline_Click();
    });
    // These only change how the next listing looks.
    CommandRule anytime;
    anytime.during_listing = true;
    Register_Command("mnuViewVertical", [this](int) { mnuViewVertical_Click(); });
    Register_Command("mnuViewHorizontal", [this](int) { mnuViewHorizontal_Click(); });
    Register_Command("mnuFontSize", [this](int index) { mnuFontSize_Click(index); });
    Register_Command("mnuLevel", [this](int index) { mnuLevel_Click(index); });
    for (const char* n : {"mnuViewVertical", "mnuViewHorizontal", "mnuFontSize", "mnuLevel"}) Set_Command_Rule(n, anytime);
}

void MainController::mnuViewRefresh_Click() {
    Run_Or_Defer([this] {
        // The rebuild below must not list on its own: the pane is listed
        // once, after it, from the rebuilt trees.
        const Listed kind = listed_;
        const std::string key = listed_key_;
        const int serial = listing_serial_;
        relist_paused_ = true;
        // A locked file: the store's box once, and the trees, the mode and
        // the pane stay as they were rather than emptied by reads that fail.
        // The relisting runs outside the scope: the feature click may open
        // the scan dialog, whose runs report on their own.
        bool failed = false;
        {
            StoreFailureScope store;
            Initialize_Main_Window(false);
            if (!store.Failed()) Select_Default_Computer();
            failed = store.Failed();
        }
        relist_paused_ = false;
        if (!failed && listing_serial_ == serial) Relist_Pane(kind, key);
    });
}

void MainController::Note_Listing(Listed kind, const std::string& key) {
    listed_ = kind;
    listed_key_ = key;
    ++listing_serial_;
}

void MainController::Relist_Pane(Listed kind, const std::string& key) {
    if (kind == Listed::Nothing) return;
    if (kind == Listed::Feature) {
        TreeNode* node = tvwFeatures.Find(key);
        const TreeNode* root = tvwFeatures.Count() > 0 ? tvwFeatures.Nodes().front() : nullptr;
        const bool computer = root && Get_Device_Type(Number_Value(Get_Field(root->tag, 0))) == 2;
        if (node && (computer || key.rfind("Tabu_", 0) == 0)) {
            tvwFeatures.Select(node);
            tvwFeatures_NodeClick(node);
            return;
        }
    } else if (TreeNode* group = tvwDevices.Find(key)) {
        List_Group_Members(Number_Value(Get_Field(group->tag, 0)), "tvwDevices", group->text, group->tag, group->key);
        return;
    }
    Clear_List_Pane();
}

void MainController::Clear_List_Pane() {
    Set_Timer(tmrMain, false, 0);
    lvwMain.Clear_Items();
    lvwMain.Clear_Columns();
    lvwMain.tag.clear();
    lvwMain.Notify();
    listed_ = Listed::Nothing;
    listed_key_.clear();
    Set_Operations_Mode(2);
}

void MainController::Show_Listing_Direction(bool vertical) {
    Command("mnuViewVertical").checked = vertical;
    Command("mnuViewHorizontal").checked = !vertical;
    Changed(ViewPart::Commands);
}

void MainController::mnuViewVertical_Click() {
    Set_Vertical_Listing(true);
    Show_Listing_Direction(true);
}

void MainController::mnuViewHorizontal_Click() {
    Set_Vertical_Listing(false);
    Show_Listing_Direction(false);
}

void MainController::Work_Mode(bool online, bool save) {
    Listed kind = listed_;
    std::string key;
    int serial = 0;
    // A file that fails shows one box: the reads after it are left out and
    // the trees stay as they were. The relisting runs outside the scope: the
    // feature click may open the scan dialog, whose runs report on their own.
    bool failed = false;
    {
        StoreFailureScope store;
        // A switch to a mode that could not be stored is not made: the
        // toolbar button the click pressed shows the mode the window is
        // still in. Start-up, which shows no mode yet, shows the one it read.
        const bool shown = Checked("mnuWorkOnline") || Checked("mnuWorkOffline");
        if (save && !Set_Work_Online(online) && shown) {
            Command(Button_Name("tlbScan", "OnlineOffline")).value = Checked("mnuWorkOnline") ? 0 : 1;
            Changed(ViewPart::Commands);
            return;
        }
        Command("mnuWorkOnline").checked = online;
        Command("mnuWorkOffline").checked = !online;
        CommandState& b = Command(Button_Name("tlbScan", "OnlineOffline"));
        b.value = online ? 0 : 1;
        b.tooltip = online ? "Now working online. Click here to work offline."
                           : "Now working offline. Click here to work online.";
        if (PanelState* p = Panel("OnlineOffline")) p->text = online ? "Mode: Online" : "Mode: Offline";
        Changed(ViewPart::Commands);
        Changed(ViewPart::Status);

        // The computer stays the root across the rebuild, whichever node the
        // device tree has selected.
        std::string root_text, root_tag;
        if (tvwFeatures.Count() > 0 && tvwFeatures.Nodes().front()->key == "[Root...]") {
            root_text = tvwFeatures.Nodes().front()->text;
            root_tag = tvwFeatures.Nodes().front()->tag;
        }
        tvwFeatures.Select(nullptr);
        if (!Load_Features_Tree(tvwFeatures, online, true)) Clear_Error();
        if (!store.Failed() && !root_tag.empty() && Get_Device_Type(Number_Value(Get_Field(root_tag, 0))) == 2)
            Set_Features_Root(root_text, root_tag, "");

        // Feature buttons follow the nodes of the rebuilt tree.
        Refresh_Commands();
        Changed(ViewPart::Commands);

        kind = listed_;
        key = listed_key_;
        serial = listing_serial_;
        if (!store.Failed() && tvwDevices.Count() > 0 && tvwDevices.selected) tvwDevices_NodeClick(tvwDevices.selected);
        failed = store.Failed();
    }
    // Unless the device click listed a group, the pane shows what it showed,
    // in the new mode (or nothing, when the new tree lacks it).
    if (!failed && !relist_paused_ && listing_serial_ == serial) Relist_Pane(kind, key);
    Set_Timer(tmrExpand, true, 50);
}

void MainController::mnuWorkOnline_Click() {
    Run_Or_Defer([this] { Work_Mode(true); });
}

void MainController::mnuWorkOffline_Click() {
    Run_Or_Defer([this] { Work_Mode(false); });
}

void MainController::Apply_Font_Size(int size) {
    for (int i : {8, 9, 10}) Command(Command_Name("mnuFontSize", i)).checked = i == size;
    if (size >= 8 && size <= 10) {
        font_size = size;
        Changed(ViewPart::Fonts);
    }
    Changed(ViewPart::Commands);
}

void MainController::mnuFontSize_Click(int index) {
    if (host_) host_->Save_Setting("View", "Font", std::to_string(index));
    Apply_Font_Size(index);
}

void MainController::mnuLevel_Click(int index) {
    // The level governs nothing yet; the items only show the choice.
    for (int i = 0; i < 4; ++i) Command(Command_Name("mnuLevel", i)).checked = i == index;
    Changed(ViewPart::Commands);
}

void MainController::Apply_Toolbar_Visibility(const SqlResult& settings) {
    const std::int32_t mask = Stored_Toolbar_Mask(settings);
    for (int n = 0; n < kToolbarItems; ++n) {
        const bool shown = (mask & (1 << n)) != 0;
        Command(Command_Name("mnuToolbars", n)).checked = shown;
        if (host_) host_->Show_Toolbar_Band(kToolbarBands[n], shown);
    }
    Changed(ViewPart::Commands);
}

void MainController::mnuToolbars_Click(int index) {
    if (index < 0 || index >= kToolbarItems) return;
    SqlResult settings;
    if (!Get_Settings(settings) || settings.Data_Row_Count() < 1) return;
    CommandState& c = Command(Command_Name("mnuToolbars", index));
    c.checked = !c.checked;
    Set_Toolbar_Visibility(Set_Mask_Bit(Stored_Toolbar_Mask(settings), 1 << index, c.checked));
    if (host_) host_->Show_Toolbar_Band(kToolbarBands[index], c.checked);
    Changed(ViewPart::Commands);
}

}  // namespace crv
