#include "dialogs/frm_choose_props_controller.h"

#include <cctype>
#include <optional>
#include <unordered_set>
#include <utility>

#include "core/common.h"
#include "core/error.h"
#include "store/features.h"
#include "wmi/connection.h"

namespace crv {

namespace {

bool Starts_With(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

// Captions and property names are matched as the list control finds text
// and keys: letter case does not count.
std::string Folded(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::optional<std::size_t> Selected_Row(const ListModel& list) {
    for (std::size_t i = 0; i < list.Item_Count(); ++i)
        if (list.Item(i).selected) return i;
    return std::nullopt;
}

}  // namespace

bool Feature_Class_Of_Key(const std::string& key, std::int32_t& namespace_index, std::string& class_name) {
    if (Starts_With(key, "SC_")) {
        namespace_index = Namespace_SecurityCenter2;
        class_name = key.substr(3);
    } else if (Starts_With(key, "MSStorageDriver_") || Starts_With(key, "MSAcpi_")) {
        namespace_index = Namespace_WMI;
        class_name = key;
    } else if (Starts_With(key, "Win32_") || Starts_With(key, "CIM_")) {
        namespace_index = Namespace_CIMV2;
        class_name = key;
    } else {
        return false;
    }
    return !class_name.empty();
}

void ChoosePropsController::Form_Load() {
    Load_Features_Tree(tvwFeatures, true, false);
    Clear_Error();  // a tree that cannot be filled stays empty, as the list does
    if (TreeNode* node = tvwFeatures.Find(select_key_)) {
        tvwFeatures.Select(node);
        tvwFeatures_NodeClick(*node);
        node->expanded = true;
        tvwFeatures.Changed(*node);
    }
    cmdSave_enabled = false;
    host_.View_Changed();
}

void ChoosePropsController::tvwFeatures_NodeClick(const TreeNode& node) {
    Load_Feature_Properties(static_cast<std::int32_t>(Text_Number(node.tag)), node.key, node.image, true);
}

void ChoosePropsController::Load_Feature_Properties(std::int32_t featureId, const std::string& featureKey,
                                                    const std::string& image, bool stored) {
    if (stored) {
        Load_Stored_Properties(featureId, image, lvwProperties, true);
        Add_Class_Properties(".", featureKey, image, lvwProperties, false);
    } else {
        Add_Class_Properties(".", featureKey, image, lvwProperties, true);
    }
    lvwProperties.Notify();
    host_.View_Changed();
}

void ChoosePropsController::Load_Stored_Properties(std::int32_t featureId, const std::string& image,
                                                   ListModel& list, bool clear) {
    if (clear) list.Clear_Items();
    if (list.Column_Count() == 0) list.Add_Column("Properties", "Properties", 4000);
    SqlResult rows;
    if (!Get_Feature_Props(featureId, rows, false)) return;
    for (std::size_t r = 1; r <= rows.Data_Row_Count(); ++r) {
        ListItem* item = list.Add_Item(rows.Text(r, 1), rows.Text(r, 2));
        if (!item) continue;  // a name stored twice is listed once
        item->small_icon = image;
        item->tag = rows.Text(r, 0);
        item->checked = rows.Flag(r, 4);
    }
}

void ChoosePropsController::Add_Class_Properties(const std::string& computer, const std::string& featureKey,
                                                 const std::string& image, ListModel& list, bool clear) {
    if (clear) list.Clear_Items();
    if (list.Column_Count() == 0) list.Add_Column("Properties", "Properties", 4000);
    std::int32_t ns = 0;
    std::string class_name;
    if (!Feature_Class_Of_Key(featureKey, ns, class_name)) return;
    // The class definition on this computer; a class or namespace it does
    // not have adds nothing and shows nothing.
    std::unique_ptr<WmiServices> services = Connect_WMI(computer, "", "", ns, "");
    WmiInstance definition;
    WmiStatus status;
    if (!services || !services->Get_Object(class_name, definition, status)) {
        Clear_Error();
        return;
    }
    std::unordered_set<std::string> keys, captions;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        keys.insert(Folded(list.Item(i).key));
        captions.insert(Folded(list.Item(i).text));
    }
    // A property already listed (by its caption or its name) is skipped and
    // the rest still come: stored captions often differ from the generated
    // ones, so stopping at the first match would cut the list short.
    for (const WmiProperty& property : definition.properties) {
        const std::string caption = Make_Display_Name(property.name);
        if (!captions.insert(Folded(caption)).second || !keys.insert(Folded(property.name)).second) continue;
        ListItem* item = list.Add_Item(property.name, caption);
        if (!item) continue;
        item->small_icon = image;
    }
}

void ChoosePropsController::lvwProperties_ItemCheck() {
    cmdSave_enabled = true;
    host_.View_Changed();
}

void ChoosePropsController::chkSelectAllItems_Click() {
    const bool check = chkSelectAllItems != 0;
    for (std::size_t i = 0; i < lvwProperties.Item_Count(); ++i) lvwProperties.Item(i).checked = check;
    lvwProperties.Notify();
    cmdSave_enabled = true;
    host_.View_Changed();
}

void ChoosePropsController::Move_Selected(int step) {
    const std::optional<std::size_t> at = Selected_Row(lvwProperties);
    if (!at) return;
    if (step < 0 && *at == 0) return;
    if (step > 0 && *at + 1 >= lvwProperties.Item_Count()) return;
    const std::size_t to = step < 0 ? *at - 1 : *at + 1;
    ListItem moved = lvwProperties.Item(*at);
    lvwProperties.Remove_Item(*at);
    ListItem* item = lvwProperties.Add_Item(moved.key, moved.text, to);
    if (!item) return;
    *item = std::move(moved);
    for (std::size_t i = 0; i < lvwProperties.Item_Count(); ++i) lvwProperties.Item(i).selected = i == to;
    lvwProperties.Notify();
    host_.View_Changed();
}

void ChoosePropsController::cmdMoveUp_Click() { Move_Selected(-1); }
void ChoosePropsController::cmdMoveDown_Click() { Move_Selected(+1); }

void ChoosePropsController::cmdResetOrder_Click() {
    const TreeNode* node = tvwFeatures.selected;
    if (!node) return;
    Load_Feature_Properties(static_cast<std::int32_t>(Text_Number(node->tag)), node->key, node->image, false);
}

void ChoosePropsController::cmdSave_Click() {
    const TreeNode* node = tvwFeatures.selected;
    if (!node) return;  // no feature to save the choice of
    const auto featureId = static_cast<std::int32_t>(Text_Number(node->tag));
    bool any_checked = false;
    for (std::size_t i = 0; i < lvwProperties.Item_Count() && !any_checked; ++i)
        any_checked = lvwProperties.Item(i).checked;
    const bool saved =
        any_checked ? Save_Feature_Props(lvwProperties, featureId) : Set_Feature_Props_Active(featureId, false);
    if (saved) cmdSave_enabled = false;
    host_.View_Changed();
}

void ChoosePropsController::cmdClose_Click() {
    if (Form_QueryUnload(true)) return;
    host_.Close();
}

bool ChoosePropsController::Form_KeyPress(int key_ascii) {
    if (key_ascii != 27) return false;
    cmdClose_Click();
    return true;
}

bool ChoosePropsController::Form_QueryUnload(bool from_code) {
    if (!from_code || !cmdSave_enabled) return false;
    return host_.Message_Box("You have made some changes. Are you sure you want to close with out saving the changes?",
                             box::Yes_No | box::Question) != box::Answer_Yes;
}

}  // namespace crv
