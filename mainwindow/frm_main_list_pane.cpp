// The list pane's own events: sorting by a column, drill-down, the Delete
// and Enter keys, the pop-up menus that fit the listing, dragging rows to
// the device tree and storing a tabular report's column widths.
#include "mainwindow/frm_main_controller.h"

#include <cmath>

#include "core/common.h"
#include "mainwindow/frm_main_internal.h"
#include "store/store.h"
#include "ui/model/list_sort.h"

namespace crv {

using namespace main_detail;

namespace {

// The smallest column width the report grid stores, in twips.
constexpr double Smallest_Stored_Width = 500;

// A grid column name as the report table has it (letters, digits, "_").
bool Is_Column_Name(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

}  // namespace

void MainController::lvwMain_ColumnClick(std::size_t column) {
    const std::string node_key = tvwFeatures.selected ? tvwFeatures.selected->key : std::string();
    // Property rows under section headers (vertical listing) keep their order.
    const bool sortable = Starts_With(Get_Field(lvwMain.tag, 5), "DEV") || Starts_With(node_key, "Tabu_") ||
                          Starts_With(node_key, "RTT_") || node_key == "Cust_InstalledProducts" ||
                          Checked("mnuViewHorizontal");
    if (sortable) Sort_List_By_Column(lvwMain, column, !lvwMain.sort_descending);
    // Rows a live refresh adds later are not kept in order.
    lvwMain.sorted = false;
}

void MainController::lvwMain_DblClick() {
    std::string key;
    for (std::size_t i = 0; i < lvwMain.Item_Count() && key.empty(); ++i)
        if (lvwMain.Item(i).selected) key = lvwMain.Item(i).key;
    if (key.empty()) return;
    if (Group_Listing_Shown()) {
        TreeNode* node = tvwDevices.Find(key);
        if (!node) return;
        tvwDevices.Select(node);
        if (host_) host_->Ensure_Device_Visible(*node);
        tvwDevices_NodeClick(node);
        Run_Command("mnuGDProperties");
        return;
    }
    // A feature group's child: selected only, shown once clicked.
    if (TreeNode* node = tvwFeatures.Find(key)) {
        tvwFeatures.Select(node);
        if (host_) host_->Ensure_Feature_Visible(*node);
    }
}

void MainController::lvwMain_KeyDown(int key_code, int /*shift*/) {
    if (key_code == 46) Run_Command("mnuGroupDelete");
}

bool MainController::lvwMain_KeyPress(int key_ascii) {
    if (key_ascii != 13) return false;
    lvwMain_DblClick();
    return true;
}

void MainController::lvwMain_MouseUp(int button, int /*shift*/, int /*x*/, int /*y*/) {
    if (button != 2 || !host_) return;
    if (Group_Listing_Shown()) {
        // Its items follow the rows selected now.
        Refresh_Commands();
        Changed(ViewPart::Commands);
        host_->Popup_Menu("mnuGroup");
        return;
    }
    if (!tvwFeatures.selected) return;
    const std::string& node_key = tvwFeatures.selected->key;
    bool any_selected = false;
    for (std::size_t i = 0; i < lvwMain.Item_Count() && !any_selected; ++i) any_selected = lvwMain.Item(i).selected;
    if (node_key == "RTT_SCM") {
        if (any_selected) host_->Popup_Menu("mnuOperationsService");
    } else if (node_key == "RTT_RemoteTaskManager") {
        if (any_selected) host_->Popup_Menu("mnuOperationsProcess");
    } else if (Starts_With(node_key, "Tabu_")) {
        Show_Report_Menu(true);  // the list's variant
    }
}

std::string MainController::lvwMain_OLEStartDrag(int& allowed_effects) {
    std::string data;
    for (std::size_t i = 0; i < lvwMain.Item_Count(); ++i) {
        const ListItem& row = lvwMain.Item(i);
        if (!row.selected) continue;
        if (!data.empty()) data += Row_Key_Separator;
        data += row.key;
    }
    allowed_effects = 1;
    return data;
}

void MainController::lvwMain_LostFocus() { Save_Tabular_Column_Widths(); }

void MainController::Save_Tabular_Column_Widths() {
    if (!tvwFeatures.selected || lvwMain.Column_Count() < 2) return;
    if (!Starts_With(tvwFeatures.selected->key, "Tabu_") || lvwMain.Column(0).key != "DEV_NAME") return;
    std::string sql = "UPDATE TABULAR_REPORT_TBL SET ";
    bool any = false;
    for (std::size_t i = 0; i < lvwMain.Column_Count(); ++i) {
        const ListColumn& column = lvwMain.Column(i);
        if (!Is_Column_Name(column.key)) continue;
        const double width = column.width_twips > Smallest_Stored_Width ? std::round(column.width_twips)
                                                                        : Smallest_Stored_Width;
        sql += column.key + "='" + std::to_string(static_cast<long long>(width)) + "',";
        any = true;
    }
    if (!any) return;
    sql.pop_back();
    sql += " WHERE TR_ID=-4";
    Execute_SQL(sql);
}

}  // namespace crv
