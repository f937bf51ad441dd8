#pragma once
// The main window's controller: the state of the device tree, the feature
// tree, the list pane, the scan-date box, the menus, toolbars, status bar,
// progress pane and timers, and every handler by its event name. It is
// portable: the Win32 view (frm_main.h) mirrors this state into the real
// controls and forwards the controls' events here; boxes, the message pump,
// the clock, the settings store and the other window-side services come in
// through the one MainHost interface, which a test replaces.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/pump_frame.h"
#include "export/ansi_encoder.h"
#include "export/export_file.h"
#include "mainwindow/command_registry.h"
#include "mainwindow/main_commands.h"
#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

class DatagramSender;
class UpdateHost;
class SqlResult;

// Set by the Cancel button (cmdCancel_Click); tested by the long loops and
// the feature handler, which clears it when it starts.
extern bool Cancel_Requested;

// Message box buttons and icons, and the answers.
enum : int {
    Mb_Ok = 0,
    Mb_Yes_No = 4,
    Mb_Critical = 16,
    Mb_Question = 32,
    Mb_Exclamation = 48,
    Mb_Information = 64,
};
enum : int { Answer_Ok = 1, Answer_Yes = 6, Answer_No = 7 };

struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// What changed, so the view re-reads only that part.
enum class ViewPart {
    Commands,    // enabled / checked / visible / caption of menu items and buttons
    Status,      // status-bar panels
    Progress,    // picMain, pbrMain, lblListedCount
    Scan_Dates,  // cboScanDate
    Fonts,       // the trees' and the list's font size
    Add_Menu,    // the run-time members of mnuAddType
    Timers,      // tmrMain / tmrExpand
};

// Everything the controller needs from the window side.
class MainHost : public WaitingHost {
public:
    // Message_Box (answers Answer_*) and Do_Events come from WaitingHost.
    // True when mouse or keyboard input waits (GetInputState).
    virtual bool Input_Pending() = 0;
    virtual LocalTime Now() = 0;
    virtual std::string Local_Computer_Name() = 0;
    virtual std::string Environment_Value(const std::string& name) = 0;
    // The per-user settings store under the product name.
    virtual std::string Get_Setting(const std::string& section, const std::string& key,
                                    const std::string& default_value) = 0;
    virtual void Save_Setting(const std::string& section, const std::string& key, const std::string& value) = 0;
    // True when a window of that form name is loaded.
    virtual bool Is_Form_Loaded(const std::string& name) = 0;
    virtual void View_Changed(ViewPart part) = 0;
    // Paint lock of the list pane during a refresh.
    virtual void Lock_List_Painting(bool locked) = 0;
    virtual void Focus_Features() = 0;
    virtual void Ensure_Feature_Visible(const TreeNode& node) = 0;
    // While held, the feature tree changes out of sight and paints once when
    // let go (a bulk expansion); the focus stays where it was.
    virtual void Hold_Features_Painting(bool /*held*/) {}
    // Starts in-place editing of the device tree's selected node.
    virtual void Begin_Device_Label_Edit() = 0;
    // Opens the submenu of that name (mnuGroup, mnuOperationsProcess ...) as
    // a pop-up menu at the pointer; its items dispatch like menu items.
    virtual void Popup_Menu(const std::string& name) = 0;
    // Shows or hides a band of the coolbar clbMain ("Hardware", "OS", ...)
    // together with its toolbar.
    virtual void Show_Toolbar_Band(const std::string& /*band*/, bool /*visible*/) {}
    // Opens a web page or mail link with the associated program.
    virtual void Open_Page(const std::string& address) = 0;
    // Closes the main window as the user would (its unload runs).
    virtual void Close_Window() = 0;
    // Closes every other window of the program (at shutdown).
    virtual void Unload_All_Forms() {}
    // Starts in-place editing of the feature tree's selected node.
    virtual void Begin_Feature_Label_Edit() {}

    // ---- Quick Export ----
    // The Save dialog, with the filter index the user left it on.
    virtual SaveFileChoice Choose_Save_File(const std::string& /*title*/, const std::string& /*filter*/,
                                            int /*filter_index*/, const std::string& /*file_name*/) {
        return {};
    }
    // The code-page conversion of export files (none by default: a write fails).
    virtual Ansi_Encoder Export_Encoder() { return {}; }
    // ---- group management and list pane (frm_main_groups.cpp, frm_main_list_pane.cpp) ----
    // Scroll a list pane row or a device tree node into view.
    virtual void Ensure_Row_Visible(std::size_t /*index*/) {}
    virtual void Ensure_Device_Visible(const TreeNode& /*node*/) {}
};

// Command state by name (Command_Name / Button_Name).
struct CommandState {
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    int value = 0;  // a check button: 1 pressed
    std::string caption;
    std::string tooltip;
    std::string tag;
};

struct PanelState {
    std::string key;
    std::string text;
    std::string tag;
};

struct ProgressState {
    bool visible = false;  // picMain
    int value = 0;         // pbrMain
    int max = 100;
    std::string listed_caption = "Listed 0";  // lblListedCount
};

struct TimerState {
    bool enabled = false;
    int interval = 0;  // ms
};

struct ComboState {
    std::vector<std::string> items;
    int list_index = -1;
    const std::string& Text() const;
};

// A run-time member of mnuAddType.
struct AddTypeItem {
    int index = 0;
    std::string caption;
    std::string tag;  // DEV_TYPE_ID
    bool visible = true;
};

// Display_Mode of a feature key (first match wins, exact and case-sensitive).
int Display_Mode_For_Key(std::string_view key);
// "05-11-2023" -> "05-NOV-2023".
std::string Scan_Date_Entry(std::string_view dd_mm_yyyy);
// "05-NOV-2023" (also "05-11-2023") -> year, month, day; false when it does not convert.
bool Parse_Scan_Date(std::string_view text, int& year, int& month, int& day);
// The whole-number value of a text the way the window reads tags and keys:
// leading blanks, a sign, digits; 0 when none.
std::int32_t Number_Value(std::string_view text);

class MainController {
public:
    MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    void Set_Host(MainHost* host) { host_ = host; }
    MainHost* Host() const { return host_; }

    // ---- controls' state (frm_main_controller.cpp) ----
    TreeModel tvwDevices;
    TreeModel tvwFeatures;
    ListModel lvwMain;
    ComboState cboScanDate;
    ProgressState progress;
    TimerState tmrMain;
    TimerState tmrExpand;
    std::vector<AddTypeItem> mnuAddType;  // run-time members (index >= 1)
    bool mnuAddType0_visible = true;
    int font_size = 9;
    int level = 1;
    // The window's active control for the Edit commands: "tvwDevices", "lvwMain" or "".
    std::string active_control;
    // The stored width of the list's first column, given to the first
    // listing after start-up (0: none).
    double first_column_twips = 0;

    CommandState& Command(const std::string& name);
    const CommandState* Find_Command(const std::string& name) const;
    const std::map<std::string, CommandState>& Commands() const { return commands_; }
    std::vector<PanelState>& Panels() { return panels_; }
    PanelState* Panel(std::string_view key);
    bool Checked(const std::string& name) const;
    // A message box through the host; timer refreshes pause while it is open.
    int Message_Box(const std::string& text, int flags);
    bool Listing_Running() const { return busy_depth_ > 0; }
    // Runs the action now, or, while a listing or refresh runs, asks it to
    // stop and runs the action once it has unwound.
    void Run_Or_Defer(std::function<void()> action);
    // Called when a feature's listing is complete and about to go into the
    // list pane: the benchmarks time the pane from here. Empty in the program.
    std::function<void()> listing_ready_probe;

    // ---- commands and dispatch (frm_main_commands.cpp; see command_registry.h) ----
    void Register_Command(const std::string& name, CommandHandler handler);
    void Set_Command_Rule(const std::string& name, CommandRule rule);
    // Has a handler and the current display mode allows it; `name` is the
    // registered name ("mnuAddType", not "mnuAddType(2)").
    bool Command_Enabled(const std::string& name) const;
    // Runs a command by name (index for control arrays, -1 otherwise) from a
    // menu item, accelerator, pop-up item or code; false when it is disabled.
    bool Run_Command(const std::string& name, int index = -1);
    // Runs the command the button stands for. Keys that no row names do nothing.
    void Toolbar_Button_Click(const std::string& toolbar, const std::string& key);
    void sbrMain_PanelClick(const std::string& key);
    // Recomputes every menu item's and button's enabled state.
    void Refresh_Commands();
    const CommandRegistry& Registry() const { return registry_; }
    void mnuFleExit_Click();
    void mnuOptimizeDB_Click();
    void mnuDeleteScan_Click();
    void mnuAutoCheckUpdates_Click();

    // ---- start-up and timers (frm_main_startup.cpp) ----
    // Everything of the window's initialisation that is not geometry:
    // operations mode 2, view settings, the Add menu, the device tree, the
    // version panel.
    void Initialize_Main_Window(bool restore_layout);
    void Apply_View_Settings();
    void Load_Device_Type_Menu();
    bool HasIndex(int index) const;  // mnuAddType
    void Select_Default_Computer();
    TreeNode* Find_First_Computer_Node();
    void Fill_Scan_Dates(std::int32_t device_id);
    void tmrExpand_Timer();
    void tmrMain_Timer();
    void Restore_Features_Expanded();
    void Save_Features_Expanded();
    // Shutdown (Form_Unload's non-geometric part): stops tmrMain, stores the
    // tree expansion, compacts the database when due.
    void Form_Unload();

    // ---- feature selection and listing (frm_main_features.cpp, frm_main_listing.cpp) ----
    void cmdCancel_Click();
    void tvwFeatures_NodeClick(TreeNode* node);
    void Node_Clicked_Event_Handler(std::int32_t lngDeviceID, const std::string& strDevice, std::int32_t lngFeatureID,
                                    const std::string& strFeatureKey, const std::string& strFeatureImage,
                                    MainController& frmMain, const TreeNode& nodClicked, ListModel& lvwTemp,
                                    const std::string& strScanDate, bool blnOnline);
    bool Is_Group_From_ID(std::int32_t lngDeviceID);
    bool Is_Group_From_Key(const std::string& strKey);
    bool Is_Computer_From_Key(const std::string& strKey);
    std::int32_t Get_ID_From_Key(const std::string& strKey);
    void Set_Features_Root(const std::string& strDevice, const std::string& strTag, const std::string& strKey);
    void Save_Distinct_Features();
    void mnuFleSystemSummary_Click();
    void Show_Live_Feature(std::int32_t lngDeviceID, const std::string& strDevice, MainController& frmMain,
                           ListModel& lvwTemp, const TreeNode& nodClicked);
    void Show_Stored_Feature(const std::string& strScanDate, std::int32_t lngDeviceID, const std::string& strDevice,
                             std::int32_t lngFeatureID, ListModel& lvwTemp, const TreeNode& nodClicked);
    void Refresh_MAC_Address(std::int32_t lngDeviceID, const std::string& strDevice);
    void Add_Bold_Row(ListModel& list, const std::string& caption, const std::string& value, const std::string& icon);

    // ---- operation availability (frm_main_availability.cpp) ----
    // Chooses the operation group that fits Display_Mode `mode` (0 to 6;
    // other values change nothing).
    void Set_Operations_Mode(int mode);
    int Operations_Mode() const { return display_mode_; }

    // ---- device tree (frm_main_device_tree.cpp) ----
    void Fill_Device_Tree(TreeModel& tree);
    static bool Node_Exists(const TreeModel& tree, const std::string& key);
    static bool Is_Node_Under(const TreeNode* group, const TreeNode* node);
    void List_Group_Members(std::int32_t group_id, const std::string& source, const std::string& group_text,
                            const std::string& group_tag, const std::string& group_key);
    void tvwDevices_NodeClick(TreeNode* node);
    // `new_text` null: the edit was abandoned.
    void tvwDevices_AfterLabelEdit(bool& cancel, const std::string* new_text);
    void tvwDevices_KeyDown(int key_code, int shift);
    void tvwDevices_MouseDown(int button, TreeNode* hit);
    void tvwDevices_DblClick();
    std::string tvwDevices_OLEStartDrag(int& allowed_effects);
    void tvwDevices_OLEDragDrop(const std::string& data, TreeNode* target);

    // ---- view settings and pane arrangement (frm_main_view_settings.cpp) ----
    void mnuViewRefresh_Click();
    void mnuViewVertical_Click();
    void mnuViewHorizontal_Click();
    void mnuWorkOnline_Click();
    void mnuWorkOffline_Click();
    void Apply_Font_Size(int size);
    void mnuFontSize_Click(int index);
    void mnuLevel_Click(int index);
    // View > Tools Visible item n (Hardware, OS, Power, Process, Services,
    // Tabular) shows or hides its coolbar band; bit n of the settings row's
    // TLB_VISIBILITY keeps the choice.
    void mnuToolbars_Click(int index);
    // The bands and check marks as the settings row says (a row that cannot
    // be read gives the shipped choice: Hardware and OS hidden).
    void Apply_Toolbar_Visibility(const SqlResult& settings);
    // Empties the list pane (columns, rows, descriptor) and stops its refresh.
    void Clear_List_Pane();

    // ---- Quick Export (frm_main_quick_export.cpp) ----
    void mnuFleQuickExport_Click();

    // ---- remote operations (frm_main_remote_operations.cpp) ----
    void mnuOperationsPowShutdown_Click();
    void mnuOperationsPowRestart_Click();
    void mnuOperationsPowBoot_Click();
    void mnuOperationsProcessKill_Click();
    void mnuOperationsServiceControl_Click(int index);
    void mnuOperationsServiceStartMode_Click(int index);
    // The socket Boot Through LAN sends through (the window's Winsock
    // sender); without one the command reports the missing control.
    void Set_Wake_On_Lan_Sender(DatagramSender* sender) { wol_sender_ = sender; }

    // ---- tabular reports (tabular_reports.cpp) ----
    // The Operations menu drops down.
    void mnuOperations_Click();
    void mnuOperationsReportAdd_Click();
    void mnuOperationsReportRename_Click();
    void mnuOperationsReportDelete_Click();
    void mnuOperationsReportCustomize_Click();
    void mnuOperationsReportScan_Click();
    void mnuOperationsReportSelectItem_Click(int index);
    // The scan of the listed report's ticked rows, under the busy guard.
    void Scan_Tabular_Report(std::int32_t report_id);
    // Attaches the report customiser (the dialogs' side): shown modally for
    // a report's TN_ID and name. Customize Report is enabled from then on.
    void Set_Customize_Report_Dialog(std::function<void(std::int32_t, const std::string&)> show);
    // `new_text` is trimmed in place; cancel keeps the node's old text.
    void tvwFeatures_AfterLabelEdit(bool& cancel, std::string& new_text);
    // Label editing is allowed on saved report nodes only.
    bool tvwFeatures_BeforeLabelEdit(const TreeNode& node) const;
    void tvwFeatures_MouseDown(int button, TreeNode* hit);
    void tvwFeatures_KeyDown(int key_code, int shift);
    void Show_Report_Menu(bool fromList);
    void Set_Report_Menu_State(bool visible);
    TreeNode* Find_Feature_Node_By_Text(const std::string& text);

    // ---- update check (frm_main_updates.cpp) ----
    // The window side of the check (HTTP, boxes, the download dialog); the
    // Check Updates command is enabled only once one is set.
    void Set_Update_Host(UpdateHost* host);
    void mnuCheckUpdates_Click();
    // Step 4 of tmrExpand: with the automatic check on, the check without
    // messages, its text in the "Version" panel.
    void Startup_Update_Check();

    // ---- group management (frm_main_groups.cpp) ----
    // Adds a device of the Add menu member's type under the selected group.
    void mnuAddType_Click(int Index);
    void mnuGroupEdit_Click();
    // Deletes the selected devices, each with all its stored information.
    void mnuGroupDelete_Click();
    // The computer the Properties command opens (the dialogs register
    // "mnuGDProperties" and open it): the selected device, 0 for a group or
    // no selection.
    std::int32_t Properties_Device_ID();
    bool Delete_Device_By_Key(const std::string& strKey);
    void Remove_Device_From_Views(const std::string& strKey);
    // The DEV_ID of the computer the feature tree shows (0: none).
    std::int32_t Features_Computer_ID() const;
    // The active pane's selected device: the device tree's node, or the
    // group listing's first selected row; false when there is none.
    bool Selected_Device(std::string& key, std::string& tag) const;
    // The list pane shows the members of a group.
    bool Group_Listing_Shown() const;
    // A device renamed in the tree shows its new name in the group listing.
    void Show_Device_Name(const std::string& strKey, const std::string& strName);

    // ---- list pane events (frm_main_list_pane.cpp) ----
    void lvwMain_ColumnClick(std::size_t column);
    void lvwMain_DblClick();
    void lvwMain_KeyDown(int key_code, int shift);
    // True when the key was used (Enter goes no further).
    bool lvwMain_KeyPress(int key_ascii);
    void lvwMain_MouseUp(int button, int shift, int x, int y);
    std::string lvwMain_OLEStartDrag(int& allowed_effects);
    void lvwMain_LostFocus();
    void Save_Tabular_Column_Widths();

private:
    void Register_Group_Commands();

    // The one list of topic registrations (frm_main_controller.cpp). A new
    // topic adds its member here and one line to that list.
    void Register_All_Commands();
    void Register_Feature_Commands();
    void Register_Availability_Rules();
    void Register_Menu_Commands();
    void Register_View_Commands();
    void Register_Quick_Export_Commands();
    void Register_Remote_Operation_Commands();
    void Register_Tabular_Report_Commands();
    std::function<void(std::int32_t, const std::string&)> customize_report_;
    void Register_Update_Commands();
    // Delete_Device_By_Key without moving the feature tree off the device:
    // the DEV_ID deleted, 0 when nothing was.
    std::int32_t Delete_One_Device(const std::string& key);
    // A feature tree that shows the deleted computer `id` moves to the
    // default computer, or names none when none is left or none can be read.
    void Move_Features_Off(std::int32_t id);
    // The check with the window answering while it waits; the panel text.
    std::string Run_Update_Check(bool show_messages, bool& exit_program);

    // What the list pane shows, so a mode switch or a refresh can list it
    // again: a feature node's key or a group node's key.
    enum class Listed { Nothing, Feature, Group };
    void Note_Listing(Listed kind, const std::string& key);
    // Lists it again from the current trees, or clears the pane when it is gone.
    void Relist_Pane(Listed kind, const std::string& key);
    // The refusal text for a new device-tree label, or "" when it may be stored.
    std::string Label_Refusal(const TreeNode& node, const std::string& text) const;

    // Runs the action now, or once the running loop has unwound, without
    // asking that loop to stop (work the loop itself brings).
    void Defer(std::function<void()> action);
    void Changed(ViewPart part);
    void Set_Timer(TimerState& timer, bool enabled, int interval);
    // save=false: the store already holds the mode (start-up shows what it
    // has just read and writes nothing back).
    void Work_Mode(bool online, bool save = true);
    // The device click once the node's type is known (read here when not):
    // a caller that has just read it spares the store a second read.
    void Device_Node_Click(TreeNode& node, std::optional<bool> is_computer);
    void Show_Listing_Direction(bool vertical);
    void Refresh_Live_List();
    // Shows a long loop's progress, at most every 50 ms: a repaint per row
    // costs more than the row itself.
    void Progress_Tick();
    // A walk over many rows of a pane (deleting them, a drop, a report
    // scan), under a BusyScope: the progress pane counts the rows, the
    // window answers between them, and Cancel (or Close) stops the walk.
    void Begin_Row_Walk(std::size_t rows);
    // Before each row: false once Cancel was pressed.
    bool Row_Walk_Step();
    void End_Row_Walk();
    // Puts a finished listing into the list pane (moved, or turned into
    // records when the listing direction asks for it); the buffer is spent.
    void Show_Listing(ListModel& buffer, bool vertical);
    // After the feature tree's root became another computer: the pane drops
    // the rows of the one before (offline it shows the new one's stored scan).
    void Follow_Features_Root();
    bool Report_Parent_Selected() const;

    struct BusyScope {
        MainController& c;
        explicit BusyScope(MainController& owner) : c(owner) { ++c.busy_depth_; }
        ~BusyScope();
    };

    MainHost* host_ = nullptr;
    CommandRegistry registry_;
    std::map<std::string, CommandState> commands_;
    std::vector<PanelState> panels_;
    int display_mode_ = 2;
    Listed listed_ = Listed::Nothing;
    std::string listed_key_;
    int listing_serial_ = 0;  // counts fillings of the pane
    bool relist_paused_ = false;
    // Set while the feature handler fills the pane's buffer: the live process
    // and service rows of the pane come from the refresh timer instead.
    bool filling_pane_ = false;
    bool keep_focus_ = false;  // a device-tree click relists: the focus stays there
    // The start-up box said the data file cannot be used: the start-up's
    // timer, its second half, leaves the store alone too.
    bool start_held_off_ = false;
    int busy_depth_ = 0;
    std::chrono::steady_clock::time_point last_progress_{};
    int modal_depth_ = 0;
    std::vector<std::function<void()>> deferred_;
    std::string dragged_key_;
    DatagramSender* wol_sender_ = nullptr;
    UpdateHost* update_host_ = nullptr;
};

}  // namespace crv
