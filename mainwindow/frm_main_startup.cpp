// Start-up of the main window, its two timers and its shutdown.
#include "mainwindow/frm_main_controller.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "core/common.h"
#include "core/error.h"
#include "store/database_check.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/scans.h"
#include "store/settings.h"
#include "store/store.h"
#include "ui/model/list_helpers.h"
#include "wmi/live_lists.h"

namespace crv {

namespace {

// Days from the civil date (proleptic Gregorian), for day-boundary counts.
long Day_Number(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

// ---------------------------------------------------------------- start-up

void MainController::Initialize_Main_Window(bool restore_layout) {
    // The image lists, the stored layout and the bands are the view's part;
    // it does them before calling here.
    // Start-up (the one call that restores the layout) says once why the
    // store cannot be used; every store routine after it fails without a box
    // and without asking the file again.
    std::optional<StoreHeldOff> held_off;
    if (restore_layout)
        if (auto problem = Database_Problem()) {
            Message_Box(*problem, Mb_Critical);
            held_off.emplace();
            start_held_off_ = true;
        }
    // A file that fails on the way (locked by another program meanwhile, or
    // at a refresh) shows one box; the reads after it are left out, and
    // what the window shows stays as it was.
    StoreFailureScope store;
    Set_Operations_Mode(2);
    Apply_View_Settings();
    if (!store.Failed()) Load_Device_Type_Menu();
    if (!store.Failed()) Fill_Device_Tree(tvwDevices);
    if (PanelState* p = Panel("Version")) p->text = Get_Version_Text();
    Changed(ViewPart::Status);
}

void MainController::Apply_View_Settings() {
    std::string stored = host_ ? host_->Get_Setting("View", "Font", "9") : "9";
    // The numeric value rounded; non-numeric text reads as 0.
    double value = 0;
    {
        std::string t = stored;
        char* end = nullptr;
        value = std::strtod(t.c_str(), &end);
        if (end == t.c_str()) value = 0;
    }
    int size = static_cast<int>(std::lround(value));
    if (size < 8 || size > 10) size = 8;
    Apply_Font_Size(size);
    std::string level_text = host_ ? host_->Get_Setting("View", "Level", "1") : "1";
    level = Number_Value(level_text);
    if (level > 3 || level < 0) level = 0;

    SqlResult settings;
    bool online = false, vertical = false, auto_check = false;
    // A flag already stored in the form it is written in is not written back.
    bool online_stored = false, vertical_stored = false;
    // Flags that could not be read are not written back: the stored ones
    // may be anything.
    const bool read = Get_Settings(settings) && settings.Data_Row_Count() >= 1;
    // A refresh that cannot read the settings keeps the mode, the toolbars
    // and the listing direction the window shows: the stored ones are not
    // known, and offline is no answer.
    if (!read && (Checked("mnuWorkOnline") || Checked("mnuWorkOffline"))) return;
    if (read) {
        auto flag = [&](const char* name, bool* stored) {
            auto c = settings.Column_Index(name);
            if (!c) return false;
            const bool value = settings.Flag(1, *c);
            if (stored) *stored = !settings.Is_Null(1, *c) && settings.Text(1, *c) == (value ? "True" : "False");
            return value;
        };
        online = flag("WORK_ONLINE", &online_stored);
        vertical = flag("VERTICAL_LISTING", &vertical_stored);
        auto_check = flag("AUTO_CHECK_UPDATES", nullptr);
    }
    Apply_Toolbar_Visibility(settings);
    Run_Or_Defer([this, online, save = read && !online_stored] { Work_Mode(online, save); });
    if (read && !vertical_stored) Set_Vertical_Listing(vertical);
    Show_Listing_Direction(vertical);
    if (auto_check) {
        Command("mnuAutoCheckUpdates").checked = true;
        Changed(ViewPart::Commands);
    }
}

bool MainController::HasIndex(int index) const {
    if (index == 0) return true;
    for (const auto& m : mnuAddType)
        if (m.index == index) return true;
    return false;
}

void MainController::Load_Device_Type_Menu() {
    SqlResult types;
    if (!Get_Device_Types(types)) return;
    for (std::size_t r = 1; r <= types.Data_Row_Count(); ++r) {
        int index = static_cast<int>(r);
        if (HasIndex(index)) continue;
        AddTypeItem item;
        item.index = index;
        item.tag = types.Text(r, 0);
        item.caption = types.Text(r, 1);
        item.visible = true;
        mnuAddType.push_back(item);
    }
    mnuAddType0_visible = false;
    Changed(ViewPart::Add_Menu);
}

TreeNode* MainController::Find_First_Computer_Node() {
    // One failed read answers for every node after it: the search stops.
    StoreFailureScope store;
    for (TreeNode* n : tvwDevices.Nodes()) {
        // A device keeps its type for life: a node the tree fill tagged with
        // another type is no computer, and costs no store call (a network
        // would otherwise make one for each group before its first computer).
        const std::string type = Get_Field(n->tag, 1);
        if (!type.empty() && type != "2") continue;
        if (Is_Computer_From_Key(n->key)) return n;
        if (store.Failed()) break;
    }
    return nullptr;
}

void MainController::Select_Default_Computer() {
    std::string name = host_ ? host_->Local_Computer_Name() : std::string();
    TreeNode* chosen = nullptr;
    std::int32_t index = name.empty() ? -1 : Find_Node_Index_By_Text(tvwDevices, name, true);
    if (index >= 1 && static_cast<std::size_t>(index) <= tvwDevices.Count())
        chosen = tvwDevices.Nodes()[static_cast<std::size_t>(index - 1)];
    const bool found_by_name = chosen != nullptr;
    // The search has just read its type: the click need not read it again.
    if (!chosen) chosen = Find_First_Computer_Node();
    if (!chosen) return;
    // The click itself, not one deferred: at the end of a walk that deleted
    // the computer shown, the choice is made and shown at once.
    Device_Node_Click(*chosen, found_by_name ? std::nullopt : std::optional<bool>(true));
}

void MainController::Fill_Scan_Dates(std::int32_t device_id) {
    cboScanDate.items.clear();
    cboScanDate.list_index = -1;
    SqlResult dates;
    if (Get_Scan_Dates(device_id, dates)) {
        for (std::size_t r = 1; r <= dates.Data_Row_Count(); ++r)
            cboScanDate.items.push_back(Scan_Date_Entry(dates.Text(r, 0)));
    }
    if (!cboScanDate.items.empty()) cboScanDate.list_index = 0;
    Changed(ViewPart::Scan_Dates);
}

// ---------------------------------------------------------------- timers

void MainController::Restore_Features_Expanded() {
    std::string marks = host_ ? host_->Get_Setting("LeftTopPane", "Expanded", "1") : "1";
    const auto& nodes = tvwFeatures.Nodes();
    for (std::size_t i = 0; i < nodes.size() && i < marks.size(); ++i) {
        if (marks[i] == '1' && !nodes[i]->expanded) {
            nodes[i]->expanded = true;
            tvwFeatures.Changed(*nodes[i]);
        }
    }
}

void MainController::Save_Features_Expanded() {
    std::string marks;
    for (const TreeNode* n : tvwFeatures.Nodes()) marks += n->expanded ? '1' : '0';
    if (host_) host_->Save_Setting("LeftTopPane", "Expanded", marks);
}

void MainController::tmrExpand_Timer() {
    // Not inside a listing or a box: the timer stays on and comes again.
    if (modal_depth_ > 0 || busy_depth_ > 0) return;
    Set_Timer(tmrExpand, false, tmrExpand.interval);
    std::optional<StoreHeldOff> held_off;
    if (std::exchange(start_held_off_, false)) held_off.emplace();
    if (host_) host_->Hold_Features_Painting(true);
    Restore_Features_Expanded();
    if (host_ && tvwFeatures.Count() > 0) host_->Ensure_Feature_Visible(*tvwFeatures.Nodes().front());
    if (host_) host_->Hold_Features_Painting(false);
    // A lookup that failed is no list without this computer, and after its
    // box the update check's read would wait out the same lock. The scope
    // ends before the question: the dialog it opens reports on its own.
    bool offer = false, failed = false;
    {
        StoreFailureScope store;
        const std::string local = host_ ? host_->Local_Computer_Name() : std::string();
        offer = tvwFeatures.Count() > 0 && Get_Device_ID(local, 2) == 0 && !store.Failed();
        failed = store.Failed();
    }
    if (offer && Message_Box("This computer is not added to the computer list. Do you want to add this computer to "
                             "the list now?",
                             Mb_Yes_No | Mb_Question) == Answer_Yes)
        Run_Command("mnuFleManageComputers");
    if (!failed) Startup_Update_Check();
}

void MainController::tmrMain_Timer() {
    // A tick that arrives while a box is open or a listing runs waits for
    // the next one: a refresh must not run inside either.
    if (modal_depth_ > 0 || busy_depth_ > 0) return;
    BusyScope busy(*this);
    Refresh_Live_List();
}

void MainController::Refresh_Live_List() {
    if (host_) host_->Lock_List_Painting(true);
    bool ok = true;
    const TreeNode* sel = tvwFeatures.selected;
    if (sel && sel->key == "RTT_RemoteTaskManager")
        ok = Refresh_Process_List(lvwMain);
    else if (sel && sel->key == "RTT_SCM")
        ok = Refresh_Service_List(lvwMain);
    if (!ok) {
        Clear_Error();
        Set_Timer(tmrMain, false, 0);
    }
    lvwMain.Notify();
    if (host_) host_->Lock_List_Painting(false);
}

// ---------------------------------------------------------------- shutdown

void MainController::Form_Unload() {
    Cancel_Requested = true;
    Set_Timer(tmrMain, false, 0);
    Save_Features_Expanded();
    // The other windows close before the database is compacted under them.
    if (host_) host_->Unload_All_Forms();
    SqlResult settings;
    if (!Get_Settings(settings) || settings.Data_Row_Count() < 1) return;
    auto col = settings.Column_Index("LAST_OPTIMIZE");
    bool due = true;
    if (col && !settings.Is_Null(1, *col) && !settings.Text(1, *col).empty()) {
        const std::string& t = settings.Text(1, *col);
        int y = 0, m = 0, d = 0;
        if (t.size() >= 10 && std::sscanf(t.c_str(), "%4d-%2d-%2d", &y, &m, &d) == 3) {
            LocalTime now = host_ ? host_->Now() : LocalTime{};
            due = Day_Number(now.year, now.month, now.day) - Day_Number(y, m, d) >= 16;
        }
    }
    if (due) Optimize_Database();
}

}  // namespace crv
