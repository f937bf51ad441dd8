// The device tree: groups and computers, their listing, renaming and moving.
#include "mainwindow/frm_main_controller.h"

#include "core/error.h"
#include "dialogs/frm_manage_computers_controller.h"
#include "mainwindow/frm_main_internal.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "ui/model/list_layouts.h"

namespace crv {

using namespace main_detail;

namespace {

StoreDateTime To_Store(const LocalTime& t) { return {t.year, t.month, t.day, t.hour, t.minute, t.second}; }

}  // namespace

void MainController::Fill_Device_Tree(TreeModel& tree) {
    tree.Clear();
    std::int32_t count = 0;
    SqlResult devices;
    if (!Get_Device_List(count, devices, 0)) return;
    for (std::size_t r = 1; r <= devices.Data_Row_Count(); ++r) {
        const std::string& name = devices.Text(r, 0);
        const std::string& id = devices.Text(r, 3);
        const std::string& type = devices.Text(r, 4);
        const std::string& parent = devices.Text(r, 5);
        const std::string& pic = devices.Text(r, 6);
        TreeNode* parent_node = tree.Find("DEV" + parent);
        if (!parent_node && type != "1") parent_node = tree.Find("DEV1");
        TreeNode* node = parent_node ? tree.Add_Child(parent_node, "DEV" + id, name, pic)
                                     : tree.Add_Root("DEV" + id, name, pic);
        if (!node) {
            Set_Error(35602, "Key is not unique in collection");
            Show_Error_Message(true);
            return;
        }
        node->selected_image = type == "1" ? "OpenGroup" : pic;
        node->tag = Join({id, type});
        tree.Changed(*node);
    }
    if (tree.Count() > 0) {
        tree.Nodes().front()->expanded = true;
        tree.Changed(*tree.Nodes().front());
    }
}

bool MainController::Node_Exists(const TreeModel& tree, const std::string& key) { return tree.Find(key) != nullptr; }

bool MainController::Is_Node_Under(const TreeNode* group, const TreeNode* node) {
    for (const TreeNode* n = node; n; n = n->parent)
        if (n == group) return true;
    return false;
}

void MainController::List_Group_Members(std::int32_t group_id, const std::string& source,
                                        const std::string& group_text, const std::string& group_tag,
                                        const std::string& group_key) {
    lvwMain.Clear_Items();
    Setup_ListView_Columns(lvwMain, Layout_Group_Members, "");
    lvwMain.tag = Join({std::to_string(group_id), source, group_text, group_tag, group_key});
    std::int32_t count = 0;
    SqlResult members;
    if (Get_Group_Inventory(group_id, count, members, 0)) {
        for (std::size_t r = 1; r <= members.Data_Row_Count(); ++r) {
            ListItem* row = lvwMain.Add_Item("DEV" + members.Text(r, 0), members.Text(r, 4));
            if (!row) continue;
            row->icon = members.Text(r, 3);
            row->small_icon = members.Text(r, 3);
            row->tag = Join({members.Text(r, 0), members.Text(r, 4)});
            for (std::size_t k = 1; k <= 15; ++k) row->Set_Sub_Item(k, members.Text(r, 4 + k));
        }
    }
    lvwMain.Notify();
    Note_Listing(Listed::Group, group_key);
}

void MainController::tvwDevices_NodeClick(TreeNode* node) {
    if (!node) return;
    if (busy_depth_ > 0) {
        std::string key = node->key;
        Run_Or_Defer([this, key] {
            if (TreeNode* n = tvwDevices.Find(key)) tvwDevices_NodeClick(n);
        });
        return;
    }
    const std::int32_t id = Number_Value(Get_Field(node->tag, 0));
    Set_Operations_Mode(2);
    if (Is_Computer_From_Key(node->key)) {
        Set_Features_Root(node->text, node->tag, node->key);
    } else {
        // A group listing replaces whatever the pane showed, the live
        // refresh included.
        Set_Timer(tmrMain, false, 0);
        List_Group_Members(id, "tvwDevices", node->text, node->tag, node->key);
    }
    if (PanelState* p = Panel("Information")) p->text = node->text;
    Changed(ViewPart::Status);
}

void MainController::tvwDevices_AfterLabelEdit(bool& cancel, const std::string* new_text) {
    if (!new_text) return;
    TreeNode* sel = tvwDevices.selected;
    if (!sel) return;
    const std::string refusal = Label_Refusal(*sel, *new_text);
    if (!refusal.empty()) {
        Message_Box(refusal, Mb_Exclamation);
        cancel = true;
        return;
    }
    const std::int32_t id = Number_Value(Get_Field(sel->tag, 0));
    if (!Rename_Device(id, *new_text)) {
        cancel = true;
        return;
    }
    const std::string old_name = sel->text;
    sel->text = *new_text;
    // The computer the feature tree shows carries the new name there too.
    if (tvwFeatures.Count() > 0) {
        TreeNode* root = tvwFeatures.Nodes().front();
        if (Number_Value(Get_Field(root->tag, 0)) == id) {
            root->text = *new_text;
            tvwFeatures.Changed(*root);
            if (host_) host_->Save_Setting("Login", "Computer", *new_text);
        }
    }
    if (PanelState* p = Panel("Information"); p && p->text == old_name) {
        p->text = *new_text;
        Changed(ViewPart::Status);
    }
}

std::string MainController::Label_Refusal(const TreeNode& node, const std::string& text) const {
    if (Get_Field(node.tag, 1) != "2") return text.empty() ? "Please enter a valid group name!" : "";
    // The rules the computer list manager applies to a name it adds.
    if (!ManageComputersController::Is_Valid_Computer(text)) return "Please enter a valid computer name!";
    auto lower = [](std::string s) {
        for (char& ch : s)
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        return s;
    };
    const std::string wanted = lower(text);
    for (const TreeNode* n : tvwDevices.Nodes())
        if (n != &node && Get_Field(n->tag, 1) == "2" && lower(n->text) == wanted) return "Computer already exists.";
    return "";
}

void MainController::tvwDevices_KeyDown(int key_code, int /*shift*/) {
    if (key_code == 113) {
        if (tvwDevices.selected && host_) host_->Begin_Device_Label_Edit();
    } else if (key_code == 46) {
        Run_Command("mnuGroupDelete");
    }
}

void MainController::tvwDevices_MouseDown(int button, TreeNode* hit) {
    if (!hit) return;
    tvwDevices.Select(hit);
    if (button == 2) {
        tvwDevices_NodeClick(hit);
        if (host_) host_->Popup_Menu("mnuGroup");
    }
}

void MainController::tvwDevices_DblClick() {
    if (tvwDevices.selected) Run_Command("mnuGDProperties");
}

std::string MainController::tvwDevices_OLEStartDrag(int& allowed_effects) {
    std::string data;
    if (tvwDevices.selected) {
        data = tvwDevices.selected->key;
        dragged_key_ = data;
        allowed_effects = 1;
    }
    return data;
}

void MainController::tvwDevices_OLEDragDrop(const std::string& data, TreeNode* target) {
    if (data.empty() || !target) return;
    if (!Is_Group_From_Key(target->key)) return;
    const std::int32_t target_id = Number_Value(Get_Field(target->tag, 0));
    // Many dragged rows, one locked file: one box, and the drop stops.
    StoreFailureScope store;
    for (std::int32_t f = 0; !store.Failed(); ++f) {
        const std::string key = Get_Field(data, f);
        if (key.empty()) break;
        TreeNode* dragged = tvwDevices.Find(key);
        if (!dragged) continue;
        if (!dragged->parent) continue;
        if (dragged->parent->text == target->text) return;  // the drop ends here, no refresh
        if (Is_Node_Under(dragged, target)) continue;
        const std::int32_t device_id = Number_Value(Get_Field(dragged->tag, 0));
        const std::int32_t old_group = Number_Value(Get_Field(dragged->parent->tag, 0));
        const LocalTime now = host_ ? host_->Now() : LocalTime{};
        const std::string user = host_ ? host_->Environment_Value("USERNAME") : std::string();
        if (Move_Device(device_id, target_id, old_group, To_Store(now), user, "")) tvwDevices.Move(dragged, target);
    }
    if (tvwDevices.selected) tvwDevices_NodeClick(tvwDevices.selected);
}

}  // namespace crv
