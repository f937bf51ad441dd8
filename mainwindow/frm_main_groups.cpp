// Group management: the Edit > Group/Devices commands (also the device
// context menu and its keys) on the selection of the device tree or of a
// group listing in the list pane, whichever is the window's active control.
#include "mainwindow/frm_main_controller.h"

#include "core/common.h"
#include "core/error.h"
#include "mainwindow/frm_main_internal.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/features.h"

namespace crv {

using namespace main_detail;

namespace {

// MB_DEFBUTTON2: the delete question defaults to No.
constexpr int Mb_Default_Second = 256;

}  // namespace

void MainController::Register_Group_Commands() {
    // Adding, renaming and Properties need a device selected in the active
    // pane; Delete always asks first.
    auto selected = [this] {
        std::string key, tag;
        return Selected_Device(key, tag) && Starts_With(key, "DEV");
    };
    CommandRule add;
    add.also = selected;
    Set_Command_Rule("mnuAddType", add);
    CommandRule edit;
    edit.also = [this, selected] {
        std::string key, tag;
        return selected() && Selected_Device(key, tag) && tvwDevices.Find(key) != nullptr;
    };
    Set_Command_Rule("mnuGroupEdit", edit);
    CommandRule properties;
    properties.also = [this] { return Properties_Device_ID() > 0; };
    Set_Command_Rule("mnuGDProperties", properties);
    Register_Command("mnuAddType", [this](int index) { mnuAddType_Click(index); });
    Register_Command("mnuGroupEdit", [this](int) { mnuGroupEdit_Click(); });
    Register_Command("mnuGroupDelete", [this](int) { mnuGroupDelete_Click(); });
}

bool MainController::Group_Listing_Shown() const { return Get_Field(lvwMain.tag, 1) == "tvwDevices"; }

bool MainController::Selected_Device(std::string& key, std::string& tag) const {
    if (active_control == "tvwDevices") {
        if (!tvwDevices.selected) return false;
        key = tvwDevices.selected->key;
        tag = tvwDevices.selected->tag;
        return true;
    }
    if (active_control == "lvwMain" && Group_Listing_Shown()) {
        for (std::size_t i = 0; i < lvwMain.Item_Count(); ++i) {
            const ListItem& row = lvwMain.Item(i);
            if (!row.selected) continue;
            key = row.key;
            tag = row.tag;
            return true;
        }
    }
    return false;
}

void MainController::mnuAddType_Click(int Index) {
    std::string key, tag;
    if (!Selected_Device(key, tag) || !Starts_With(key, "DEV")) return;
    if (!Is_Group_From_Key(key)) {
        Message_Box("Cannot add a group or device under another device!", Mb_Exclamation);
        return;
    }
    const AddTypeItem* type = nullptr;
    for (const AddTypeItem& m : mnuAddType)
        if (m.index == Index) type = &m;
    if (!type) return;
    const std::int32_t type_id = Number_Value(type->tag);
    std::string name;
    Get_Next_New_Name(type_id, type->caption, name);
    const std::int32_t parent = Number_Value(Get_Field(tag, 0));
    const std::string user = host_ ? host_->Environment_Value("USERNAME") : std::string();
    const std::int32_t id = Add_Device(name, "", "", 0, 0, 0, 0, "", parent, type_id, "", user);
    if (id <= 0) return;

    // The node as the store holds the row; a row that cannot be read back
    // shows after the next Refresh.
    SqlResult info;
    if (!Get_Device_Info(id, info) || info.Data_Row_Count() == 0) return;
    TreeNode* parent_node = tvwDevices.Find("DEV" + info.Text(1, 5));
    if (!parent_node) return;
    TreeNode* node = tvwDevices.Add_Child(parent_node, "DEV" + std::to_string(id), info.Text(1, 0), info.Text(1, 6));
    if (!node) return;
    node->selected_image = info.Text(1, 6);
    node->tag = Join({std::to_string(id), type->tag});
    tvwDevices.Changed(*node);
}

void MainController::mnuGroupEdit_Click() {
    if (active_control == "tvwDevices") {
        if (tvwDevices.selected && host_) host_->Begin_Device_Label_Edit();
        return;
    }
    // A row of a group listing is renamed in the device tree, whose end of
    // editing stores the name.
    std::string key, tag;
    if (!Selected_Device(key, tag)) return;
    TreeNode* node = tvwDevices.Find(key);
    if (!node || !host_) return;
    tvwDevices.Select(node);
    host_->Ensure_Device_Visible(*node);
    host_->Begin_Device_Label_Edit();
}

void MainController::mnuGroupDelete_Click() {
    if (Message_Box("Are you sure you want to delete the selected item(s)?\r\n\r\nPlease take note that the full "
                    "information related to this item will be deleted, which may include Saved Scan Information, "
                    "Tabular Report Information, Transfer Track and so on.",
                    Mb_Yes_No | Mb_Exclamation | Mb_Default_Second) != Answer_Yes)
        return;
    if (active_control == "tvwDevices") {
        // The top-level root group stays.
        if (tvwDevices.selected && tvwDevices.selected->parent) Delete_Device_By_Key(tvwDevices.selected->key);
        return;
    }
    if (active_control != "lvwMain" || !Group_Listing_Shown()) return;
    std::vector<std::string> keys;
    for (std::size_t i = lvwMain.Item_Count(); i-- > 0;)
        if (lvwMain.Item(i).selected) keys.push_back(lvwMain.Item(i).key);
    BusyScope busy(*this);
    Begin_Row_Walk(keys.size());
    {
        // A file the store cannot use (locked, say) refuses every row alike:
        // one box, then stop. A row refused for its own reason leaves the
        // rows after it to the store.
        StoreFailureScope store;
        // The computer the feature tree shows moves once, when the walk
        // ends: a computer chosen while rows are still going could be one
        // of them.
        const std::int32_t shown = Features_Computer_ID();
        for (const std::string& key : keys) {
            if (!Row_Walk_Step()) break;
            Delete_One_Device(key);
            if (store.File_Refused()) break;
        }
        if (shown > 0 && !tvwDevices.Find("DEV" + std::to_string(shown))) Move_Features_Off(shown);
    }
    End_Row_Walk();
}

void MainController::Begin_Row_Walk(std::size_t rows) {
    Cancel_Requested = false;
    progress.visible = true;
    progress.value = 0;
    progress.max = static_cast<int>(rows);
    progress.listed_caption = "Processed: 0";
    Changed(ViewPart::Progress);
}

bool MainController::Row_Walk_Step() {
    if (host_) host_->Do_Events();
    if (Cancel_Requested) return false;
    progress.listed_caption = "Processed: " + std::to_string(progress.value++);
    Progress_Tick();
    return true;
}

void MainController::End_Row_Walk() {
    progress.visible = false;
    Changed(ViewPart::Progress);
}

bool MainController::Delete_Device_By_Key(const std::string& strKey) {
    // A copy: the caller's key may live in the node this removes.
    const std::string key = strKey;
    const std::int32_t id = Delete_One_Device(key);
    if (id == 0) return false;
    Move_Features_Off(id);
    return true;
}

std::int32_t MainController::Delete_One_Device(const std::string& key) {
    if (!Starts_With(key, "DEV")) return 0;
    const std::int32_t id = Number_Value(std::string_view(key).substr(3));
    if (id <= 1) return 0;  // the root group holds the tree
    std::int32_t rows = 0;
    StoreFailureScope store;
    const std::int32_t members = Count_Group_Members(id, rows);
    // An unread count is no empty group: its members would lose their parent.
    if (store.Failed()) return 0;
    if (members >= 1) {
        Message_Box("You cannot delete a group containing sub-items. Please remove all the sub-items and try again!",
                    Mb_Exclamation);
        return 0;
    }
    if (!Delete_Device(id, true)) return 0;
    Remove_Device_From_Views(key);

    // A listing of the device's own data (a computer's feature, a group's
    // members) goes with it, and its live refresh stops.
    if (Number_Value(Get_Field(lvwMain.tag, 0)) == id) {
        Set_Timer(tmrMain, false, 0);
        lvwMain.Clear_Items();
        lvwMain.tag.clear();
        lvwMain.Notify();
    }
    return id;
}

std::int32_t MainController::Features_Computer_ID() const {
    if (tvwFeatures.Count() == 0) return 0;
    // A root that names a computer carries its device node's tag (DEV_ID and
    // type); the shipped root carries its FEATURE_ID alone.
    const TreeNode& root = *tvwFeatures.Nodes().front();
    if (root.key != "[Root...]" || Get_Field(root.tag, 1) != "2") return 0;
    return Number_Value(Get_Field(root.tag, 0));
}

void MainController::Move_Features_Off(std::int32_t id) {
    if (id <= 0 || Features_Computer_ID() != id) return;
    // The default computer, as at start-up; with no computer left the tree
    // names none, so no scan can be stored for this one.
    if (Find_First_Computer_Node()) {
        const std::string active = active_control;
        Select_Default_Computer();
        active_control = active;
    } else {
        tvwFeatures.Select(nullptr);
        if (!Load_Features_Tree(tvwFeatures, Checked("mnuWorkOnline"), true)) Clear_Error();
    }
    // A store that could not be read for the move leaves no tree naming a
    // computer that is gone: it shows nothing until the next Refresh.
    if (Features_Computer_ID() == id) {
        tvwFeatures.Select(nullptr);
        tvwFeatures.Clear();
    }
    // No computer named, no dates of one offered.
    if (Features_Computer_ID() == 0) {
        cboScanDate.items.clear();
        cboScanDate.list_index = -1;
        Changed(ViewPart::Scan_Dates);
    }
}

void MainController::Remove_Device_From_Views(const std::string& strKey) {
    const std::string key = strKey;
    TreeNode* node = tvwDevices.Find(key);
    if (!node) return;
    tvwDevices.Remove(node);
    if (auto row = lvwMain.Index_Of(key)) {
        lvwMain.Remove_Item(*row);
        lvwMain.Notify();
    }
}

void MainController::Show_Device_Name(const std::string& strKey, const std::string& strName) {
    if (!Group_Listing_Shown()) return;
    ListItem* row = lvwMain.Find_Item(strKey);
    if (!row) return;
    row->text = strName;
    row->tag = Join({Get_Field(row->tag, 0), strName});
    lvwMain.Notify();
}

std::int32_t MainController::Properties_Device_ID() {
    std::string key, tag;
    if (!Selected_Device(key, tag)) return 0;
    const std::int32_t id = Number_Value(Get_Field(tag, 0));
    if (id == 0 || Is_Group_From_ID(id)) return 0;
    return id;
}

}  // namespace crv
