// The device tree: groups and computers, their listing, renaming and moving.
#include "mainwindow/frm_main_controller.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/error.h"
#include "core/names.h"
#include "mainwindow/frm_main_internal.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "ui/model/list_layouts.h"

namespace crv {

using namespace main_detail;

namespace {

StoreDateTime To_Store(const LocalTime& t) { return {t.year, t.month, t.day, t.hour, t.minute, t.second}; }

constexpr std::size_t Top_Level = static_cast<std::size_t>(-1);

// Where each row of the device list goes: the row of the group it sits
// under (Top_Level: a root node), listed so that a group always comes before
// its members and otherwise in the store's order. The store orders groups
// by their parent's id, which after a move can put a group before its own
// parent; every device still lands under its stored parent. A device whose
// parent is missing or no group, and one link of each loop of stored
// parents (the member with the lowest id), goes under the root group
// instead, so nothing drops out of view.
std::vector<std::pair<std::size_t, std::size_t>> Device_Tree_Order(const SqlResult& devices) {
    const std::size_t n = devices.Data_Row_Count();
    std::unordered_map<std::string, std::size_t> row_of;
    row_of.reserve(n);
    for (std::size_t r = 1; r <= n; ++r) row_of.emplace(devices.Text(r, 3), r);
    const auto root = row_of.find("1");
    const std::size_t root_row = root == row_of.end() ? Top_Level : root->second;

    std::vector<std::size_t> up(n + 1, Top_Level);
    for (std::size_t r = 1; r <= n; ++r) {
        if (r == root_row) continue;
        const auto p = row_of.find(devices.Text(r, 5));
        up[r] = p != row_of.end() && p->second != r && devices.Text(p->second, 4) == "1" ? p->second : root_row;
    }

    // Walk up from each row once; a walk that meets its own path is a loop.
    enum : char { Unseen, On_Path, Placed };
    std::vector<char> state(n + 1, Unseen);
    std::vector<std::size_t> path;
    for (std::size_t r = 1; r <= n; ++r) {
        path.clear();
        std::size_t at = r;
        while (at != Top_Level && state[at] == Unseen) {
            state[at] = On_Path;
            path.push_back(at);
            at = up[at];
        }
        if (at != Top_Level && state[at] == On_Path) {
            std::size_t lowest = at;
            for (auto it = std::find(path.begin(), path.end(), at); it != path.end(); ++it)
                if (devices.Number(*it, 3) < devices.Number(lowest, 3)) lowest = *it;
            up[lowest] = root_row;
        }
        for (std::size_t p : path) state[p] = Placed;
    }

    // A member that comes before its group waits for it.
    std::vector<std::vector<std::size_t>> waiting(n + 1);
    std::vector<bool> added(n + 1, false);
    std::vector<std::pair<std::size_t, std::size_t>> order;
    order.reserve(n);
    std::vector<std::size_t> ready;
    for (std::size_t r = 1; r <= n; ++r) {
        if (up[r] != Top_Level && !added[up[r]]) {
            waiting[up[r]].push_back(r);
            continue;
        }
        ready.push_back(r);
        while (!ready.empty()) {
            const std::size_t next = ready.back();
            ready.pop_back();
            order.emplace_back(next, up[next]);
            added[next] = true;
            ready.insert(ready.end(), waiting[next].rbegin(), waiting[next].rend());
            waiting[next].clear();
        }
    }
    return order;
}

}  // namespace

void MainController::Fill_Device_Tree(TreeModel& tree) {
    // Read before the tree is emptied: a file that cannot be read leaves the
    // tree as it was.
    std::int32_t count = 0;
    SqlResult devices;
    if (!Get_Device_List(count, devices, 0)) return;
    tree.Clear();
    std::vector<TreeNode*> node_of(devices.Data_Row_Count() + 1, nullptr);
    for (const auto& [r, parent_row] : Device_Tree_Order(devices)) {
        const std::string& name = devices.Text(r, 0);
        const std::string& id = devices.Text(r, 3);
        const std::string& type = devices.Text(r, 4);
        const std::string& pic = devices.Text(r, 6);
        TreeNode* node = parent_row != Top_Level ? tree.Add_Child(node_of[parent_row], "DEV" + id, name, pic)
                                                 : tree.Add_Root("DEV" + id, name, pic);
        if (!node) {
            Set_Error(35602, "Key is not unique in collection");
            Show_Error_Message(true);
            return;
        }
        node_of[r] = node;
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
    Device_Node_Click(*node, std::nullopt);
}

void MainController::Device_Node_Click(TreeNode& node, std::optional<bool> is_computer) {
    const std::int32_t id = Number_Value(Get_Field(node.tag, 0));
    // A type that could not be read is no group's: the pane keeps what it
    // shows rather than a member listing that would fail the same way.
    StoreFailureScope store;
    if (!is_computer) is_computer = Is_Computer_From_Key(node.key);
    if (store.Failed()) return;
    Set_Operations_Mode(2);
    if (*is_computer) {
        Set_Features_Root(node.text, node.tag, node.key);
    } else {
        // A group listing replaces whatever the pane showed, the live
        // refresh included.
        Set_Timer(tmrMain, false, 0);
        List_Group_Members(id, "tvwDevices", node.text, node.tag, node.key);
    }
    if (PanelState* p = Panel("Information")) p->text = node.text;
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
    // The shipped root's tag is a FEATURE_ID, which may equal a group's id.
    if (id > 0 && Features_Computer_ID() == id) {
        TreeNode* root = tvwFeatures.Nodes().front();
        root->text = *new_text;
        tvwFeatures.Changed(*root);
        if (host_) host_->Save_Setting("Login", "Computer", *new_text);
    }
    if (PanelState* p = Panel("Information"); p && p->text == old_name) {
        p->text = *new_text;
        Changed(ViewPart::Status);
    }
}

std::string MainController::Label_Refusal(const TreeNode& node, const std::string& text) const {
    if (Get_Field(node.tag, 1) != "2") return text.empty() ? "Please enter a valid group name!" : "";
    // The rules the computer list manager applies to a name it adds.
    if (!Is_Valid_Computer_Name(text)) return "Please enter a valid computer name!";
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
    // The left button is the control's own: it selects on the press and
    // reports the click. Selecting here first would make the press land on
    // the selected item, which the control takes as the start of a rename.
    if (button == 1) return;
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
    std::vector<std::string> keys;
    for (std::int32_t f = 0;; ++f) {
        std::string key = Get_Field(data, f);
        if (key.empty()) break;
        keys.push_back(std::move(key));
    }
    BusyScope busy(*this);
    Begin_Row_Walk(keys.size());
    // Many dragged rows, one locked file: one box, and the drop stops. A
    // move refused for its own reason leaves the rows after it to the store.
    StoreFailureScope store;
    bool moved = false;
    for (const std::string& key : keys) {
        if (store.File_Refused() || !Row_Walk_Step()) break;
        TreeNode* dragged = tvwDevices.Find(key);
        if (!dragged) continue;
        if (!dragged->parent) continue;
        // Already there (groups may share a name: the node decides, not its text).
        if (dragged->parent == target) continue;
        if (Is_Node_Under(dragged, target)) continue;
        const std::int32_t device_id = Number_Value(Get_Field(dragged->tag, 0));
        const std::int32_t old_group = Number_Value(Get_Field(dragged->parent->tag, 0));
        const LocalTime now = host_ ? host_->Now() : LocalTime{};
        const std::string user = host_ ? host_->Environment_Value("USERNAME") : std::string();
        if (Move_Device(device_id, target_id, old_group, To_Store(now), user, "")) {
            tvwDevices.Move(dragged, target);
            moved = true;
        }
    }
    End_Row_Walk();
    // A drop that moved nothing leaves the pane as it was; the listing of
    // one that moved some runs once the walk has ended (the busy scope
    // defers it).
    if (moved && tvwDevices.selected) tvwDevices_NodeClick(tvwDevices.selected);
}

}  // namespace crv
