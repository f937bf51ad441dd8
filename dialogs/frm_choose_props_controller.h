#pragma once
// The property chooser's controller: per feature, which properties are
// collected and shown and in which order. The stored properties come first,
// then the further properties of the feature's WMI class on the local
// computer, unchecked. Portable; the Win32 view (win/frm_choose_props.h)
// shows it modally.
#include <cstdint>
#include <string>

#include "dialogs/dialog_host.h"
#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

// The namespace index and class of a feature key whose class the chooser
// can read ("SC_" in root\SecurityCenter2 without the prefix; "MSAcpi_" and
// "MSStorageDriver_" in root\WMI; "Win32_" and "CIM_" in root\cimv2); false
// for custom, live and report features.
bool Feature_Class_Of_Key(const std::string& key, std::int32_t& namespace_index, std::string& class_name);

class ChoosePropsController {
public:
    explicit ChoosePropsController(DialogHost& host) : host_(host) {}

    // ---- controls ----
    TreeModel tvwFeatures;
    ListModel lvwProperties;
    int chkSelectAllItems = 0;
    bool cmdSave_enabled = false;
    std::string lblLink = std::string(Maker_Host);

    // ---- public member ----
    // Keeps the feature key the form opens on (the view then shows it).
    void Show_This_Form(const std::string& strSelectKey) { select_key_ = strSelectKey; }

    // ---- event handlers ----
    void Form_Load();
    void tvwFeatures_NodeClick(const TreeNode& node);
    // After the view changed the row's check box.
    void lvwProperties_ItemCheck();
    void chkSelectAllItems_Click();
    void cmdMoveUp_Click();
    void cmdMoveDown_Click();
    void cmdResetOrder_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    // Esc (27) closes; true when the key was used.
    bool Form_KeyPress(int key_ascii);
    // from_code: the Close button or Esc (the close box asks nothing).
    // True cancels the unload.
    bool Form_QueryUnload(bool from_code);

private:
    void Load_Feature_Properties(std::int32_t featureId, const std::string& featureKey, const std::string& image,
                                 bool stored);
    void Load_Stored_Properties(std::int32_t featureId, const std::string& image, ListModel& list, bool clear);
    void Add_Class_Properties(const std::string& computer, const std::string& featureKey, const std::string& image,
                              ListModel& list, bool clear);
    // Moves the selected row by one place (-1 up, +1 down).
    void Move_Selected(int step);

    DialogHost& host_;
    std::string select_key_;
};

}  // namespace crv
