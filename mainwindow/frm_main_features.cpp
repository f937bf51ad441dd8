// Feature selection: a click on the feature tree (or a button, or a dialog
// through the public members) chooses the listing and fills the list pane.
#include "mainwindow/frm_main_controller.h"

#include "core/error.h"
#include "mainwindow/frm_main_internal.h"
#include "mainwindow/system_summary.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/features.h"
#include "ui/model/list_helpers.h"
#include "ui/model/list_layouts.h"
#include "wmi/collectors.h"
#include "wmi/connection.h"
#include "wmi/live_lists.h"

namespace crv {

using namespace main_detail;

namespace {

// The list copier carries texts, icons and bold rows; a straight copy also
// keeps the column tags (the feature descriptor), indents and bold cells the
// listing made, which the pane shows.
void Carry_Display_Attributes(const ListModel& source, ListModel& target) {
    if (source.Column_Count() != target.Column_Count() || source.Item_Count() != target.Item_Count()) return;
    for (std::size_t c = 0; c < source.Column_Count(); ++c) {
        if (source.Column(c).key != target.Column(c).key) return;
        target.Column(c).tag = source.Column(c).tag;
    }
    for (std::size_t r = 0; r < source.Item_Count(); ++r) {
        const ListItem& from = source.Item(r);
        ListItem& to = target.Item(r);
        if (from.key != to.key || from.text != to.text) return;
        to.indent = from.indent;
        to.checked = from.checked;
        to.sub_bold = from.sub_bold;
    }
}

// A catalogue node carries the FEATURE_ID it was read with (ids never
// change once given); the root carries the device, a report its own id.
std::int32_t Feature_Id_Of(const TreeNode& node) {
    const std::int32_t tagged_id = node.parent && !Starts_With(node.key, "Tabu_") ? Number_Value(node.tag) : 0;
    return tagged_id > 0 ? tagged_id : Get_Feature_ID(node.key);
}

}  // namespace

void MainController::Show_Listing(ListModel& buffer, bool vertical) {
    if (Export_Copy_Is_Straight(buffer, vertical)) {
        // The rows move into the pane as they are: a large listing is not
        // copied. They end as a straight copy would leave them, with the
        // indents, checks and bold cells the pane keeps.
        lvwMain.view = buffer.view;
        lvwMain.checkboxes = buffer.checkboxes;
        lvwMain.small_icons = buffer.small_icons;
        lvwMain.icons = buffer.icons;
        lvwMain.Take_Rows_From(buffer);
        const std::size_t subs = lvwMain.Column_Count() > 0 ? lvwMain.Column_Count() - 1 : 0;
        for (std::size_t r = 0; r < lvwMain.Item_Count(); ++r) {
            ListItem& row = lvwMain.Item(r);
            if (row.sub_items.size() > subs) row.sub_items.resize(subs);
            row.ghosted = false;
            row.selected = false;
        }
        return;
    }
    if (!Copy_ListView_For_Export(buffer, lvwMain, vertical)) {
        // A list that cannot be turned is shown as it was collected.
        Show_Error_Message(true);
        Copy_ListView_For_Export(buffer, lvwMain, true);
    }
    Carry_Display_Attributes(buffer, lvwMain);
}

void MainController::Register_Feature_Commands() {
    Register_Command("mnuFleSystemSummary", [this](int) { mnuFleSystemSummary_Click(); });
    // The hardware and operating-system buttons open the feature node whose
    // key is their tooltip, selected first so that commands reading the
    // selected node act on the feature shown; none there: nothing happens.
    for (const char* name : {"tlbHardware", "tlbOS"}) {
        const ToolbarDef* bar = Find_Toolbar(name);
        for (const auto& b : bar->buttons) {
            const std::string node_key = b.tooltip;
            Register_Command(b.command, [this, node_key](int) {
                if (TreeNode* n = tvwFeatures.Find(node_key)) {
                    tvwFeatures.Select(n);
                    tvwFeatures_NodeClick(n);
                }
            });
            // Enabled only while the feature tree holds that node.
            CommandRule present;
            present.also = [this, node_key] { return tvwFeatures.Find(node_key) != nullptr; };
            Set_Command_Rule(b.command, present);
        }
    }
}

void MainController::cmdCancel_Click() { Cancel_Requested = true; }

bool MainController::Is_Group_From_ID(std::int32_t id) { return Get_Device_Type(id) == 1; }

bool MainController::Is_Group_From_Key(const std::string& key) {
    return Get_Device_Type(Number_Value(key.size() > 3 ? std::string_view(key).substr(3) : std::string_view())) == 1;
}

bool MainController::Is_Computer_From_Key(const std::string& key) {
    return Get_Device_Type(Number_Value(key.size() > 3 ? std::string_view(key).substr(3) : std::string_view())) == 2;
}

std::int32_t MainController::Get_ID_From_Key(const std::string& key) {
    return Number_Value(key.size() > 1 ? std::string_view(key).substr(1) : std::string_view());
}

void MainController::Set_Features_Root(const std::string& strDevice, const std::string& strTag,
                                       const std::string& /*strKey*/) {
    // No features loaded: there is no root to name.
    if (tvwFeatures.Count() == 0) return;
    TreeNode* root = tvwFeatures.Nodes().front();
    root->text = strDevice;
    root->tag = strTag;
    if (root->key != "[Root...]") tvwFeatures.Rekey(root, "[Root...]");
    tvwFeatures.Changed(*root);
    if (host_) host_->Save_Setting("Login", "Computer", strDevice);
    Fill_Scan_Dates(Number_Value(Get_Field(strTag, 0)));
    Follow_Features_Root();
}

void MainController::Follow_Features_Root() {
    if (listed_ != Listed::Feature || Starts_With(listed_key_, "Tabu_") || tvwFeatures.Count() == 0) return;
    const TreeNode* root = tvwFeatures.Nodes().front();
    if (Get_Field(lvwMain.tag, 0) == Get_Field(root->tag, 0)) return;  // still this computer's rows
    TreeNode* node = tvwFeatures.Find(listed_key_);
    const int mode = Display_Mode_For_Key(listed_key_);
    if (node && mode == 1) {
        // Child features as icons: nothing of the computer, only its name.
        lvwMain.tag = Join({root->tag, root->text, node->tag, node->text});
        return;
    }
    // Online the listing waits for a click on a feature: a click in the
    // device tree never waits on a remote computer. Offline the stored scan
    // is a cheap read.
    if (!node || Checked("mnuWorkOnline") || (mode != 0 && mode != 2)) {
        Clear_List_Pane();
        return;
    }
    BusyScope busy(*this);
    Set_Timer(tmrMain, false, 0);
    const std::string descriptor = Join({root->tag, root->text, node->tag, node->text});
    ListModel buffer;
    filling_pane_ = keep_focus_ = true;
    Node_Clicked_Event_Handler(Number_Value(Get_Field(root->tag, 0)), root->text, Feature_Id_Of(*node), node->key,
                               node->image, *this, *node, buffer, cboScanDate.Text(), false);
    filling_pane_ = keep_focus_ = false;
    Show_Listing(buffer, Checked("mnuViewVertical"));
    lvwMain.tag = descriptor;
    lvwMain.Notify();
    Note_Listing(Listed::Feature, node->key);
    if (PanelState* p = Panel("Description")) p->text = node->text;
    Changed(ViewPart::Status);
}

void MainController::Save_Distinct_Features() {
    // One box for the walk; a file the store cannot use refuses every node
    // alike, so the walk stops there.
    StoreFailureScope store;
    for (const TreeNode* n : tvwFeatures.Nodes()) {
        if (Starts_With(n->key, "Tabu")) continue;
        const char* type = !n->parent ? "0" : n->Has_Children() ? "1" : "2";
        Save_Feature(n->key, n->text, "", type, n->image, n->parent ? n->parent->key : std::string());
        if (store.File_Refused()) break;
    }
}

void MainController::tvwFeatures_NodeClick(TreeNode* node) {
    if (!node || tvwFeatures.Count() == 0) return;
    if (busy_depth_ > 0) {
        // Re-find the node by key when the deferred click runs: the tree may
        // have been rebuilt meanwhile.
        std::string key = node->key;
        Run_Or_Defer([this, key] {
            if (TreeNode* n = tvwFeatures.Find(key)) tvwFeatures_NodeClick(n);
        });
        return;
    }
    BusyScope busy(*this);

    Set_Timer(tmrMain, false, 0);
    lvwMain.multi_select = true;

    const TreeNode* root = tvwFeatures.Nodes().front();
    const std::string descriptor = Join({root->tag, root->text, node->tag, node->text});
    const std::int32_t device_id = Number_Value(Get_Field(descriptor, 0));
    const std::string device = root->text;
    const std::string scan_date = cboScanDate.Text();
    const std::string key = node->key;
    const std::string image = node->image;
    const bool online = Checked("mnuWorkOnline");
    const bool vertical = Checked("mnuViewVertical");

    // A file that fails shows one box for the click, the reads after it do
    // not wait for the lock again, and the pane keeps what it showed: a
    // listing built on reads that failed is not this feature's. The scope
    // ends before the question below, whose scan dialog reports on its own.
    bool failed = false;
    {
        StoreFailureScope store;
        const std::int32_t feature_id = Feature_Id_Of(*node);
        if (Kept_Device_Type(device_id) != 2 && !Starts_With(key, "Tabu_")) {
            // Refused: the pane keeps its rows and its descriptor, so the two
            // still describe each other.
            if (!store.Failed())
                Message_Box("Please choose any computer from the device tree and try again!", Mb_Exclamation);
            return;
        }

        ListModel buffer;
        filling_pane_ = true;
        Node_Clicked_Event_Handler(device_id, device, feature_id, key, image, *this, *node, buffer, scan_date, online);
        filling_pane_ = false;
        if (store.Failed()) return;

        if (listing_ready_probe) listing_ready_probe();
        Show_Listing(buffer, vertical);
        if (first_column_twips > 0 && lvwMain.Column_Count() > 0) lvwMain.Column(0).width_twips = first_column_twips;
        first_column_twips = 0;
        lvwMain.tag = descriptor;
        lvwMain.Notify();
        Note_Listing(Listed::Feature, key);

        if (PanelState* p = Panel("Description")) p->text = node->text;
        Changed(ViewPart::Status);

        const int mode = Display_Mode_For_Key(key);
        Set_Operations_Mode(mode);
        if (mode == 3 || mode == 4) {
            Set_Timer(tmrMain, true, mode == 3 ? 5000 : 10000);
            Refresh_Live_List();  // at once, without waiting an interval
        }
        failed = store.Failed();
    }

    if (!failed && lvwMain.Item_Count() == 0 && cboScanDate.items.empty() && !Starts_With(key, "Tabu_") && !online) {
        if (host_) host_->Do_Events();
        if (Message_Box("The system is not scanned before. Do you want to scan now?", Mb_Yes_No | Mb_Question) ==
            Answer_Yes) {
            Run_Command("mnuStartScan");
        }
    }
    if (PanelState* p = Panel("Information")) p->text = node->text;
    Changed(ViewPart::Status);
}

void MainController::Node_Clicked_Event_Handler(std::int32_t lngDeviceID, const std::string& strDevice,
                                                std::int32_t lngFeatureID, const std::string& strFeatureKey,
                                                const std::string& strFeatureImage, MainController& frmMain,
                                                const TreeNode& nodClicked, ListModel& lvwTemp,
                                                const std::string& strScanDate, bool blnOnline) {
    BusyScope busy(*this);
    lvwTemp.icons = "ilsListViewMain";
    lvwTemp.small_icons = "ilsMain";
    lvwTemp.Clear_Items();
    lvwTemp.sorted = false;
    Cancel_Requested = false;

    const std::string& key = strFeatureKey;
    bool ok = true;
    auto layout = [&](ListView_Layout kind, const std::string& third) {
        if (!Setup_ListView_Columns(lvwTemp, kind, third)) ok = false;
    };

    if (Is_Wmi_Class_Key(key)) {
        layout(Layout_Property_List, "");
        if (ok) {
            if (blnOnline)
                Show_Live_Feature(lngDeviceID, strDevice, frmMain, lvwTemp, nodClicked);
            else
                Show_Stored_Feature(strScanDate, lngDeviceID, strDevice, lngFeatureID, lvwTemp, nodClicked);
        }
    } else if (Starts_With(key, "Lic_")) {
        layout(Layout_Property_List, "");
        if (ok) {
            if (blnOnline)
                Collect_Class_To_ListView(lngDeviceID, strDevice, lvwTemp, nodClicked, key.substr(4),
                                          Feature_Property_Order(lngFeatureID));
            else
                Show_Stored_Feature(strScanDate, lngDeviceID, strDevice, lngFeatureID, lvwTemp, nodClicked);
        }
    } else if (key == "RTT_RemoteTaskManager" || key == "RTT_SCM") {
        const bool processes = key == "RTT_RemoteTaskManager";
        layout(processes ? Layout_Processes : Layout_Services, "");
        // Only the pane is refreshed by the timer: any other list (an export
        // or a scan) gets the rows of one refresh now. A failure is its row.
        if (ok && blnOnline && !filling_pane_) {
            const bool filled = processes ? Refresh_Process_List(lvwTemp, lngDeviceID)
                                          : Refresh_Service_List(lvwTemp, lngDeviceID);
            if (!filled) Clear_Error();
        }
    } else if (key == "Cust_InstalledProducts") {
        layout(Layout_Installed_Products, "");
        if (ok) Collect_Installed_Software(lngDeviceID, strDevice, lvwTemp);
    } else if (key == "Cust_ProblemDevices") {
        layout(Layout_Property_List, "");
        if (ok) {
            if (blnOnline)
                Collect_WQL_To_ListView(lngDeviceID, strDevice, lvwTemp, nodClicked,
                                        "Select * From Win32_PNPEntity Where ConfigManagerErrorCode<>0",
                                        Feature_Property_Order(lngFeatureID));
            else
                Show_Stored_Feature(strScanDate, lngDeviceID, strDevice, lngFeatureID, lvwTemp, nodClicked);
        }
    } else if (Starts_With(key, "Tabu_")) {
        layout(Layout_Tabular_Report, key);
    } else if (key == "[Root...]") {
        layout(Layout_Root_Summary, "[Root...]");
        if (ok) {
            if (blnOnline) {
                const bool connected = Show_System_Summary(lngDeviceID, strDevice, lvwTemp, frmMain.progress.visible);
                frmMain.Changed(ViewPart::Progress);
                if (connected) Refresh_MAC_Address(lngDeviceID, strDevice);
            } else {
                Show_Stored_Feature(strScanDate, lngDeviceID, strDevice, lngFeatureID, lvwTemp, nodClicked);
            }
        }
    } else {
        layout(Layout_Feature_Group, "");
        if (ok) Show_Live_Feature(lngDeviceID, strDevice, frmMain, lvwTemp, nodClicked);
    }

    if (!ok) {
        if (Pending_Error().number == Wbem_E_Invalid_Class) {
            Clear_Error();
            Message_Box("This feature is either disabled OR is not supported by the computer!", Mb_Exclamation);
        } else if (!Pending_Error().empty()) {
            ++modal_depth_;
            Show_Error_Message(true);
            --modal_depth_;
        }
    }

    if (lvwTemp.Column_Count() > 1) {
        lvwTemp.Column(0).tag = Join({std::to_string(lngDeviceID), strDevice, std::to_string(lngFeatureID),
                                      strFeatureKey, strFeatureImage});
    }
    if (host_ && !keep_focus_ && !host_->Is_Form_Loaded("frmManageComputers") && !host_->Is_Form_Loaded("frmFullExport") &&
        !host_->Is_Form_Loaded("frmCustomizeReport"))
        host_->Focus_Features();
}

void MainController::mnuFleSystemSummary_Click() {
    if (tvwFeatures.Count() == 0) return;
    TreeNode* root = tvwFeatures.Nodes().front();
    tvwFeatures.Select(root);
    tvwFeatures_NodeClick(root);
}

}  // namespace crv
