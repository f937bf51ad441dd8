#include "mainwindow/frm_main_controller.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/common.h"
#include "core/error.h"
#include "mainwindow/system_summary.h"
#include "wmi/collectors.h"
#include "wmi/connection.h"
#include "wmi/format/formatter.h"
#include "wmi/live_lists.h"
#include "store/devices.h"
#include "store/features.h"
#include "store/scans.h"
#include "store/settings.h"
#include "store/store.h"
#include "store/tabular.h"
#include "ui/model/list_helpers.h"
#include "ui/model/list_layouts.h"

namespace crv {

bool Cancel_Requested = false;

namespace {

const std::string kEmpty;
constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool Starts_With(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

std::string Join(std::initializer_list<std::string_view> fields) {
    std::string out;
    bool first = true;
    for (auto f : fields) {
        if (!first) out += Row_Key_Separator;
        out += f;
        first = false;
    }
    return out;
}

bool Is_Wmi_Class_Key(std::string_view key) {
    return Starts_With(key, "MSStorageDriver_") || Starts_With(key, "MSAcpi_") || Starts_With(key, "Win32_") ||
           Starts_With(key, "CIM_") || Starts_With(key, "SC_");
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

StoreDateTime To_Store(const LocalTime& t) { return {t.year, t.month, t.day, t.hour, t.minute, t.second}; }

// Days from the civil date (proleptic Gregorian), for day-boundary counts.
long Day_Number(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The computer's stored credentials and one connection to a namespace; the
// failure comes back in status (and stays pending).
std::unique_ptr<WmiServices> Connect_Device(std::int32_t device_id, const std::string& computer, int ns,
                                            WmiStatus& status) {
    std::string user, password, domain;
    Get_Device_Credentials(device_id, user, password, domain);
    Clear_Error();
    auto services = Connect_WMI(computer, user, password, ns, domain);
    if (!services) {
        status.number = Pending_Error().number;
        status.description = Pending_Error().description;
        if (status.number >= 0) status.number = Wbem_E_Failed;
    }
    return services;
}

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

}  // namespace

// ---------------------------------------------------------------- helpers

const std::string& ComboState::Text() const {
    if (list_index < 0 || list_index >= static_cast<int>(items.size())) return kEmpty;
    return items[static_cast<std::size_t>(list_index)];
}

int Display_Mode_For_Key(std::string_view key) {
    if (Is_Wmi_Class_Key(key)) return 2;
    if (Starts_With(key, "Lic_")) return 2;
    if (key == "RTT_RemoteTaskManager") return 3;
    if (key == "RTT_SCM") return 4;
    if (key == "Cust_InstalledProducts") return 5;
    if (key == "Cust_ProblemDevices") return 2;
    if (Starts_With(key, "Tabu_")) return 6;
    if (key == "[Root...]") return 0;
    return 1;
}

std::int32_t Number_Value(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t v = 0;
    bool any = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        v = v * 10 + (text[i++] - '0');
        any = true;
        if (v > 0x7FFFFFFFLL) return 0;  // does not fit: no such id
    }
    if (!any) return 0;
    return static_cast<std::int32_t>(negative ? -v : v);
}

std::string Scan_Date_Entry(std::string_view s) {
    if (s.size() < 10) return std::string(s);
    int month = (s[3] - '0') * 10 + (s[4] - '0');
    if (month < 1 || month > 12) return std::string(s);
    std::string out(s.substr(0, 2));
    out += '-';
    out += kMonths[month - 1];
    out += '-';
    out += s.substr(s.size() - 4);
    return out;
}

bool Parse_Scan_Date(std::string_view s, int& year, int& month, int& day) {
    // dd-MON-yyyy or dd-mm-yyyy.
    auto dash1 = s.find('-');
    if (dash1 == std::string_view::npos) return false;
    auto dash2 = s.find('-', dash1 + 1);
    if (dash2 == std::string_view::npos) return false;
    std::string_view d = s.substr(0, dash1), m = s.substr(dash1 + 1, dash2 - dash1 - 1), y = s.substr(dash2 + 1);
    auto digits = [](std::string_view t, int& out) {
        if (t.empty() || t.size() > 4) return false;
        out = 0;
        for (char c : t) {
            if (c < '0' || c > '9') return false;
            out = out * 10 + (c - '0');
        }
        return true;
    };
    if (!digits(d, day) || !digits(y, year)) return false;
    if (!digits(m, month)) {
        std::string mu = Upper(std::string(m));
        month = 0;
        for (int i = 0; i < 12; ++i)
            if (mu == kMonths[i]) month = i + 1;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 100) return false;
    static const int days_in[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > days_in[month - 1]) return false;
    if (month == 2 && day == 29 && !((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return false;
    return true;
}

// ---------------------------------------------------------------- state

MainController::MainController() {
    // Every menu item and toolbar button gets its state entry; commands that
    // later work brings stay disabled.
    std::function<void(const std::vector<MenuItem>&)> add = [&](const std::vector<MenuItem>& items) {
        for (const auto& m : items) {
            if (!m.name.empty()) {
                CommandState& s = commands_[Command_Name(m.name, m.index)];
                s.caption = m.caption;
                s.enabled = !Is_Command_Pending(Command_Name(m.name, m.index));
            }
            add(m.children);
        }
    };
    add(Main_Menu_Bar());
    for (const auto& bar : Main_Toolbars()) {
        commands_[bar.name].visible = bar.visible;
        for (const auto& b : bar.buttons) {
            CommandState& s = commands_[Button_Name(bar.name, b.key)];
            s.tooltip = b.tooltip;
            s.enabled = !Is_Command_Pending(Button_Name(bar.name, b.key));
        }
    }
    for (const auto& p : Main_Status_Panels()) panels_.push_back({p.key, p.text, p.tag});
    tmrExpand.interval = 50;
    // The report grid layout fills the saved report through the store.
    Set_Show_Tabular_Report_Hook([](ListModel& list, const std::string& key) { return Show_Tabular_Report(list, key); });
}

MainController::BusyScope::~BusyScope() {
    if (--c.busy_depth_ == 0 && !c.deferred_.empty()) {
        auto pending = std::move(c.deferred_);
        c.deferred_.clear();
        for (auto& f : pending) f();
    }
}

CommandState& MainController::Command(const std::string& name) { return commands_[name]; }

const CommandState* MainController::Find_Command(const std::string& name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : &it->second;
}

bool MainController::Checked(const std::string& name) const {
    const CommandState* s = Find_Command(name);
    return s && s->checked;
}

PanelState* MainController::Panel(std::string_view key) {
    for (auto& p : panels_)
        if (p.key == key) return &p;
    return nullptr;
}

void MainController::Changed(ViewPart part) {
    if (host_) host_->View_Changed(part);
}

int MainController::Message_Box(const std::string& text, int flags) {
    if (!host_) return (flags & Mb_Yes_No) ? Answer_No : Answer_Ok;
    ++modal_depth_;
    int answer = host_->Message_Box(text, flags);
    --modal_depth_;
    return answer;
}

void MainController::Set_Timer(TimerState& timer, bool enabled, int interval) {
    timer.enabled = enabled;
    timer.interval = interval;
    Changed(ViewPart::Timers);
}

void MainController::Run_Or_Defer(std::function<void()> action) {
    // A command that arrives while a listing runs (through the pump) must
    // not start inside it: the running listing is told to stop and the
    // command follows once it has unwound.
    if (busy_depth_ > 0) {
        Cancel_Requested = true;
        deferred_.push_back(std::move(action));
        return;
    }
    action();
}

// ---------------------------------------------------------------- start-up

void MainController::Initialize_Main_Window(bool /*restore_layout*/) {
    // The image lists, the stored layout and the bands are the view's part;
    // it does them before calling here.
    Set_Operations_Mode(2);
    Apply_View_Settings();
    Load_Device_Type_Menu();
    Fill_Device_Tree(tvwDevices);
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
    if (Get_Settings(settings) && settings.Data_Row_Count() >= 1) {
        auto flag = [&](const char* name) {
            auto c = settings.Column_Index(name);
            return c ? settings.Flag(1, *c) : false;
        };
        online = flag("WORK_ONLINE");
        vertical = flag("VERTICAL_LISTING");
        auto_check = flag("AUTO_CHECK_UPDATES");
    }
    if (online)
        mnuWorkOnline_Click();
    else
        mnuWorkOffline_Click();
    if (vertical)
        mnuViewVertical_Click();
    else
        mnuViewHorizontal_Click();
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
    for (TreeNode* n : tvwDevices.Nodes())
        if (Is_Computer_From_Key(n->key)) return n;
    return nullptr;
}

void MainController::Select_Default_Computer() {
    std::string name = host_ ? host_->Local_Computer_Name() : std::string();
    TreeNode* chosen = nullptr;
    std::int32_t index = name.empty() ? -1 : Find_Node_Index_By_Text(tvwDevices, name, true);
    if (index >= 1 && static_cast<std::size_t>(index) <= tvwDevices.Count())
        chosen = tvwDevices.Nodes()[static_cast<std::size_t>(index - 1)];
    if (!chosen) chosen = Find_First_Computer_Node();
    if (!chosen) return;
    tvwDevices_NodeClick(chosen);
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

void MainController::Form_KeyDown(int key_code, int shift) {
    // Ctrl and Shift held (other modifiers not looked at): G adds a member of
    // the first device type, C of the second.
    if ((shift & 3) != 3) return;
    if (key_code == 71) Menu_Click("mnuAddType", 1);
    if (key_code == 67) Menu_Click("mnuAddType", 2);
}

// ---------------------------------------------------------------- public members

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
}

void MainController::Save_Distinct_Features() {
    for (const TreeNode* n : tvwFeatures.Nodes()) {
        if (Starts_With(n->key, "Tabu")) continue;
        const char* type = !n->parent ? "0" : n->Has_Children() ? "1" : "2";
        Save_Feature(n->key, n->text, "", type, n->image, n->parent ? n->parent->key : std::string());
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
    const std::int32_t feature_id = Get_Feature_ID(key);
    const std::string image = node->image;
    const bool online = Checked("mnuWorkOnline");
    const bool vertical = Checked("mnuViewVertical");

    if (Get_Device_Type(device_id) != 2 && !Starts_With(key, "Tabu_")) {
        // Refused: the pane keeps its rows and its descriptor, so the two
        // still describe each other.
        Message_Box("Please choose any computer from the device tree and try again!", Mb_Exclamation);
        return;
    }

    ListModel buffer;
    Node_Clicked_Event_Handler(device_id, device, feature_id, key, image, *this, *node, buffer, scan_date, online);

    if (!Copy_ListView_For_Export(buffer, lvwMain, vertical)) {
        // A list that cannot be turned is shown as it was collected.
        Show_Error_Message(true);
        Copy_ListView_For_Export(buffer, lvwMain, true);
    }
    Carry_Display_Attributes(buffer, lvwMain);
    lvwMain.tag = descriptor;
    lvwMain.Notify();

    if (PanelState* p = Panel("Description")) p->text = node->text;
    Changed(ViewPart::Status);

    const int mode = Display_Mode_For_Key(key);
    Set_Operations_Mode(mode);
    if (mode == 3 || mode == 4) {
        Set_Timer(tmrMain, true, mode == 3 ? 5000 : 10000);
        Refresh_Live_List();  // at once, without waiting an interval
    }

    if (lvwMain.Item_Count() == 0 && cboScanDate.items.empty() && !Starts_With(key, "Tabu_") && !online) {
        if (host_) host_->Do_Events();
        if (Message_Box("The system is not scanned before. Do you want to scan now?", Mb_Yes_No | Mb_Question) ==
            Answer_Yes) {
            Menu_Click("mnuStartScan", -1);
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
                Collect_WQL_To_ListView(lngDeviceID, strDevice, lvwTemp, nodClicked, "Select * From " + key.substr(4));
            else
                Show_Stored_Feature(strScanDate, lngDeviceID, strDevice, lngFeatureID, lvwTemp, nodClicked);
        }
    } else if (key == "RTT_RemoteTaskManager") {
        layout(Layout_Processes, "");
    } else if (key == "RTT_SCM") {
        layout(Layout_Services, "");
    } else if (key == "Cust_InstalledProducts") {
        layout(Layout_Installed_Products, "");
        if (ok) Collect_Installed_Software(lngDeviceID, strDevice, lvwTemp);
    } else if (key == "Cust_ProblemDevices") {
        layout(Layout_Property_List, "");
        if (ok) {
            if (blnOnline)
                Collect_WQL_To_ListView(lngDeviceID, strDevice, lvwTemp, nodClicked,
                                        "Select * From Win32_PNPEntity Where ConfigManagerErrorCode<>0");
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
    if (host_ && !host_->Is_Form_Loaded("frmManageComputers") && !host_->Is_Form_Loaded("frmFullExport") &&
        !host_->Is_Form_Loaded("frmCustomizeReport"))
        host_->Focus_Features();
}

// ---------------------------------------------------------------- listing

void MainController::Add_Bold_Row(ListModel& list, const std::string& caption, const std::string& value,
                                  const std::string& icon) {
    ListItem* row = list.Add_Item("", caption);
    if (row) {
        row->icon = icon;
        row->small_icon = icon;
        row->Set_Sub_Item(1, value);
        row->bold = true;
        row->Set_Sub_Bold(1, true);
    }
    list.Add_Item("", "");
}

void MainController::Show_Live_Feature(std::int32_t lngDeviceID, const std::string& strDevice,
                                       MainController& frmMain, ListModel& lvwTemp, const TreeNode& nodClicked) {
    ProgressState& pr = frmMain.progress;
    pr.value = 0;
    pr.max = 100;
    pr.listed_caption = "Listed 0";
    frmMain.Changed(ViewPart::Progress);
    const std::string& key = nodClicked.key;

    if (!Is_Wmi_Class_Key(key)) {
        if (Starts_With(key, "RTT_")) return;
        for (const TreeNode* child : nodClicked.children) {
            ListItem* row = lvwTemp.Add_Item(child->key, child->text);
            if (!row) continue;
            row->icon = child->image;
            row->small_icon = child->image;
        }
        return;
    }

    std::int32_t n = 0;
    auto fail_row = [&](std::int32_t number, const std::string& description) {
        const bool refused = number == Wbem_E_Not_Supported || number == Wbem_E_Invalid_Query ||
                             number == Wbem_E_Invalid_Namespace || number == Wbem_E_Invalid_Class;
        ListItem* row = lvwTemp.Add_Item(
            std::string(refused ? "NoInfo" : "Error") + std::string(Row_Key_Separator) + std::to_string(n), "Name");
        if (row) {
            row->small_icon = "NoInfo";
            row->Set_Sub_Item(1, refused ? "Feature disabled or not supported by OS" : description);
            row->bold = true;
        }
        Clear_Error();
    };

    std::string cls = key;
    int ns = 0;
    if (Starts_With(key, "SC_")) {
        ns = 3;
        cls = key.substr(3);
    } else if (Starts_With(key, "MSAcpi_") || Starts_With(key, "MSStorageDriver_")) {
        ns = 4;
    }
    const std::string query =
        "SELECT " + Get_Property_Select_List(Number_Value(nodClicked.tag)) + " FROM " + cls;

    WmiStatus status;
    auto services = Connect_Device(lngDeviceID, strDevice, ns, status);
    if (!services) {
        fail_row(status.number, status.description);
        return;
    }
    auto results = services->Exec_Query(query, Wbem_Flag_Return_Immediately | Wbem_Flag_Forward_Only, status);
    if (!results) {
        fail_row(status.number, status.description);
        return;
    }
    results->Set_Wait_Hook([this] {
        if (host_ && host_->Input_Pending()) host_->Do_Events();
        return true;
    });
    pr.visible = true;
    frmMain.Changed(ViewPart::Progress);

    const std::string sep(Row_Key_Separator);
    WmiInstance object;
    while (true) {
        if (!results->Next(object, status)) {
            if (status.Failed()) fail_row(status.number, status.description);
            break;
        }
        ++n;
        const std::string ns_text = std::to_string(n);
        ListItem* header = lvwTemp.Add_Item(key + sep + ns_text, nodClicked.text);
        std::size_t header_index = lvwTemp.Item_Count() - 1;
        if (header) {
            header->icon = nodClicked.image;
            header->small_icon = nodClicked.image;
            header->Set_Sub_Item(1, ns_text);
            header->bold = true;
            header->Set_Sub_Bold(1, true);
        }
        for (const WmiProperty& prop : object.properties) {
            const std::string row_key = prop.name + sep + ns_text;
            if (prop.is_array) {
                Format_Property_Value(prop, lvwTemp, row_key, "    " + Make_Display_Name(prop.name), "");
                continue;
            }
            std::string value = Format_Property_Value(prop, lvwTemp, row_key, "", key);
            if (value.empty()) continue;
            if (prop.name == "CSCreationClassName" || prop.name == "SystemCreationClassName" ||
                prop.name == "CreationClassName")
                continue;
            const bool top = prop.name == "Model" || prop.name == "Manufacturer" || prop.name == "Caption" ||
                             prop.name == "Description" || prop.name == "Name";
            const std::int32_t position = top ? static_cast<std::int32_t>(header_index + 2) : 0;
            ListItem* row = Add_ListItem_Indented(lvwTemp, position, row_key, "    " + Make_Display_Name(prop.name),
                                                  "", "Info", 1);
            if (!row) {
                // A property that repeats in one object keeps its first row.
                Clear_Error();
                continue;
            }
            row->Set_Sub_Item(1, value);
        }
        lvwTemp.Add_Item("Space0" + sep + ns_text, "    ");
        pr.listed_caption = "Listed " + ns_text;
        pr.value = (pr.value + 1) % 100;
        frmMain.Changed(ViewPart::Progress);
        if (Cancel_Requested) break;
        if (host_ && host_->Input_Pending()) host_->Do_Events();
    }
    if (n == 0 && !status.Failed()) {
        ListItem* row = lvwTemp.Add_Item("NoInfo" + sep + "0", "Name");
        if (row) {
            row->small_icon = "NoInfo";
            row->Set_Sub_Item(1, "No Information Available");
            row->bold = true;
        }
    }
    pr.visible = false;
    frmMain.Changed(ViewPart::Progress);
}

void MainController::Show_Stored_Feature(const std::string& strScanDate, std::int32_t lngDeviceID,
                                         const std::string& /*strDevice*/, std::int32_t lngFeatureID,
                                         ListModel& lvwTemp, const TreeNode& /*nodClicked*/) {
    if (cboScanDate.Text().empty()) return;
    StoreDate date;
    if (!Parse_Scan_Date(strScanDate, date.year, date.month, date.day)) {
        Set_Error(13, "Type mismatch");
        ++modal_depth_;
        Show_Error_Message(true);
        --modal_depth_;
        return;
    }
    SqlResult rows;
    if (!Get_Scan_Details(date, lngDeviceID, lngFeatureID, rows)) {
        Clear_Error();
        ListItem* row = lvwTemp.Add_Item("", "Name");
        if (row) {
            row->Set_Sub_Item(1, "No value as on selected scan date");
            row->small_icon = "NoInfo";
        }
        return;
    }
    for (std::size_t r = 1; r <= rows.Data_Row_Count(); ++r) {
        const std::string& name = rows.Text(r, 0);
        const std::string& value = rows.Text(r, 1);
        const std::string& image = rows.Text(r, 2);
        const bool bold = rows.Number(r, 3) != 0;
        ListItem* row = lvwTemp.Add_Item("", bold ? image : "    " + name);
        if (!row) break;
        row->Set_Sub_Item(1, value);
        if (!image.empty()) row->small_icon = image;
    }
}

void MainController::Refresh_MAC_Address(std::int32_t lngDeviceID, const std::string& strDevice) {
    WmiStatus status;
    auto services = Connect_Device(lngDeviceID, strDevice, 0, status);
    if (!services) {
        Clear_Error();
        return;
    }
    auto results = services->Exec_Query(
        std::string("Select") + " * " + "from Win32_NetworkAdapterConfiguration where IPEnabled=true",
        Wbem_Flag_Return_Immediately, status);
    if (!results) {
        Clear_Error();
        return;
    }
    // Adapters without an address add nothing, so the stored list never
    // holds empty entries.
    std::string text;
    WmiInstance object;
    while (results->Next(object, status)) {
        const WmiProperty* mac = object.Find("MACAddress");
        if (!mac || mac->Is_Null() || mac->is_array) continue;
        std::string value = Scalar_To_Text(mac->value);
        if (value.empty()) continue;
        if (!text.empty()) text += ',';
        text += value;
    }
    if (status.Failed()) {
        Clear_Error();
        return;
    }
    if (!text.empty()) Set_Device_MAC(lngDeviceID, text, true);
    Clear_Error();
}

// ---------------------------------------------------------------- operations availability

bool MainController::Report_Parent_Selected() const {
    return tvwFeatures.selected && tvwFeatures.selected->key == "Tabu_0";
}

void MainController::Enable_Toolbar_Buttons(const std::string& toolbar, bool enabled) {
    const ToolbarDef* bar = Find_Toolbar(toolbar);
    if (!bar) return;
    for (const auto& b : bar->buttons) {
        if (b.key.empty()) continue;
        Command(Button_Name(toolbar, b.key)).enabled = enabled;
    }
    if (toolbar == "tlbTabularReport" && Report_Parent_Selected()) {
        Command(Button_Name(toolbar, "TabularRename")).enabled = false;
        Command(Button_Name(toolbar, "TabularDelete")).enabled = false;
    }
}

void MainController::Enable_Process_Menu(bool enabled) { Command("mnuOperationsProcessKill").enabled = enabled; }

void MainController::Enable_Service_Menus(bool enabled) {
    for (int i : {0, 1, 3, 4, 6}) Command(Command_Name("mnuOperationsServiceControl", i)).enabled = enabled;
}

void MainController::Enable_Power_Menus(bool enabled) {
    Command("mnuOperationsPowShutdown").enabled = enabled;
    Command("mnuOperationsPowRestart").enabled = enabled;
    Command("mnuOperationsPowBoot").enabled = enabled;
}

void MainController::Enable_Report_Menus(bool enabled) {
    for (const char* n : {"mnuOperationsReportAdd", "mnuOperationsReportRename", "mnuOperationsReportDelete",
                          "mnuOperationsReportCustomize", "mnuOperationsReportScan"})
        Command(n).enabled = enabled;
    Command(Command_Name("mnuOperationsReportSelectItem", 0)).enabled = enabled;
    Command(Command_Name("mnuOperationsReportSelectItem", 1)).enabled = enabled;
    if (Report_Parent_Selected()) {
        Command("mnuOperationsReportRename").enabled = false;
        Command("mnuOperationsReportDelete").enabled = false;
    }
}

void MainController::Set_Operations_Mode(int mode) {
    if (mode < 0 || mode > 6) return;
    const bool power = mode == 0, process = mode == 3, services = mode == 4, reports = mode == 6;
    Enable_Toolbar_Buttons("tlbProcess", process);
    Enable_Toolbar_Buttons("tlbPower", power);
    Enable_Toolbar_Buttons("tlbServices", services);
    Enable_Toolbar_Buttons("tlbTabularReport", reports);
    Enable_Process_Menu(process);
    Enable_Power_Menus(power);
    Enable_Service_Menus(services);
    Enable_Report_Menus(reports);
    Changed(ViewPart::Commands);
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
    Restore_Features_Expanded();
    if (tvwFeatures.Count() > 0) {
        if (host_) host_->Ensure_Feature_Visible(*tvwFeatures.Nodes().front());
        std::string local = host_ ? host_->Local_Computer_Name() : std::string();
        if (Get_Device_ID(local, 2) == 0) {
            if (Message_Box("This computer is not added to the computer list. Do you want to add this computer to "
                            "the list now?",
                            Mb_Yes_No | Mb_Question) == Answer_Yes)
                Menu_Click("mnuFleManageComputers", -1);
        }
    }
    // The automatic update check asks the maker's server; it comes with the
    // update work and leaves the "Version" panel as start-up set it.
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

// ---------------------------------------------------------------- device tree

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
    const std::int32_t id = Number_Value(Get_Field(sel->tag, 0));
    if (!Rename_Device(id, *new_text)) {
        cancel = true;
        return;
    }
    sel->text = *new_text;
}

void MainController::tvwDevices_KeyDown(int key_code, int /*shift*/) {
    if (key_code == 113) {
        if (tvwDevices.selected && host_) host_->Begin_Device_Label_Edit();
    } else if (key_code == 46) {
        Menu_Click("mnuGroupDelete", -1);
    }
}

void MainController::tvwDevices_MouseDown(int button, TreeNode* hit) {
    if (!hit) return;
    tvwDevices.Select(hit);
    if (button == 2) {
        tvwDevices_NodeClick(hit);
        if (host_) host_->Popup_Device_Menu();
    }
}

void MainController::tvwDevices_DblClick() {
    if (tvwDevices.selected) Menu_Click("mnuGDProperties", -1);
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
    for (std::int32_t f = 0;; ++f) {
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

// ---------------------------------------------------------------- view settings and modes

void MainController::mnuViewRefresh_Click() {
    Run_Or_Defer([this] {
        Initialize_Main_Window(false);
        Select_Default_Computer();
        if (tvwFeatures.selected) tvwFeatures_NodeClick(tvwFeatures.selected);
    });
}

void MainController::mnuViewVertical_Click() {
    Command("mnuViewVertical").checked = true;
    Command("mnuViewHorizontal").checked = false;
    Set_Vertical_Listing(true);
    Changed(ViewPart::Commands);
}

void MainController::mnuViewHorizontal_Click() {
    Command("mnuViewVertical").checked = false;
    Command("mnuViewHorizontal").checked = true;
    Set_Vertical_Listing(false);
    Changed(ViewPart::Commands);
}

void MainController::Work_Mode(bool online) {
    Command("mnuWorkOnline").checked = online;
    Command("mnuWorkOffline").checked = !online;
    CommandState& b = Command(Button_Name("tlbScan", "OnlineOffline"));
    b.value = online ? 0 : 1;
    b.tooltip = online ? "Now working online. Click here to work offline."
                       : "Now working offline. Click here to work online.";
    if (PanelState* p = Panel("OnlineOffline")) p->text = online ? "Mode: Online" : "Mode: Offline";
    Changed(ViewPart::Commands);
    Changed(ViewPart::Status);
    Set_Work_Online(online);

    // The computer stays the root across the rebuild, whichever node the
    // device tree has selected.
    std::string root_text, root_tag;
    if (tvwFeatures.Count() > 0 && tvwFeatures.Nodes().front()->key == "[Root...]") {
        root_text = tvwFeatures.Nodes().front()->text;
        root_tag = tvwFeatures.Nodes().front()->tag;
    }
    tvwFeatures.Select(nullptr);
    if (!Load_Features_Tree(tvwFeatures, online, true)) Clear_Error();
    if (!root_tag.empty() && Get_Device_Type(Number_Value(Get_Field(root_tag, 0))) == 2)
        Set_Features_Root(root_text, root_tag, "");

    if (tvwDevices.Count() > 0 && tvwDevices.selected) tvwDevices_NodeClick(tvwDevices.selected);
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

void MainController::mnuFleSystemSummary_Click() {
    if (tvwFeatures.Count() == 0) return;
    TreeNode* root = tvwFeatures.Nodes().front();
    tvwFeatures.Select(root);
    tvwFeatures_NodeClick(root);
}

void MainController::mnuFleExit_Click(bool& unload) {
    unload = Message_Box("Are you sure you want to close this program?", Mb_Yes_No | Mb_Question) == Answer_Yes;
}

void MainController::mnuAutoCheckUpdates_Click() {
    CommandState& c = Command("mnuAutoCheckUpdates");
    c.checked = !c.checked;
    Set_Auto_Check_Updates(c.checked);
    Changed(ViewPart::Commands);
}

void MainController::mnuToolbars_Click(int index) {
    SqlResult settings;
    if (!Get_Settings(settings)) return;
    CommandState& c = Command(Command_Name("mnuToolbars", index));
    c.checked = !c.checked;
    Changed(ViewPart::Commands);
}

void MainController::mnuOptimizeDB_Click() {
    if (Optimize_Database())
        Message_Box("Successfully optimized data.", Mb_Information);
    else
        Message_Box("Failed to optimzied data at this time.", Mb_Critical);
}

void MainController::mnuDeleteScan_Click() {
    const std::string date = cboScanDate.Text();
    if (date.empty()) {
        Message_Box("No scan information found for the selection!", Mb_Exclamation);
        return;
    }
    if (tvwFeatures.Count() == 0) return;
    const TreeNode* root = tvwFeatures.Nodes().front();
    if (Message_Box("Are you sure you want to delete the saved scan on '" + date + "' for the Computer '" +
                        root->text + "'?",
                    Mb_Yes_No | Mb_Question) != Answer_Yes)
        return;
    StoreDate d;
    const bool ok = Parse_Scan_Date(date, d.year, d.month, d.day) &&
                    Delete_Scan(d, Number_Value(Get_Field(root->tag, 0)));
    if (!ok) {
        Clear_Error();
        Message_Box("Failed to delete the selected scan!", Mb_Exclamation);
        return;
    }
    cboScanDate.items.erase(cboScanDate.items.begin() + cboScanDate.list_index);
    cboScanDate.list_index = cboScanDate.items.empty() ? -1 : 0;
    Changed(ViewPart::Scan_Dates);
}

// Toolbar buttons and the menu commands they run.
static const std::map<std::string, std::pair<std::string, int>>& Button_Dispatch() {
    static const std::map<std::string, std::pair<std::string, int>> dispatch = {
        {"tlbMain.ManageComputers", {"mnuFleManageComputers", -1}},
        {"tlbMain.CRV", {"mnuFleSystemSummary", -1}},
        {"tlbMain.QuickExport", {"mnuFleQuickExport", -1}},
        {"tlbMain.FullExport", {"mnuFleFullExport", -1}},
        {"tlbMain.Report", {"mnuOPReports", -1}},
        {"tlbMain.Refresh", {"mnuViewRefresh", -1}},
        {"tlbMain.Find", {"mnuFindItem", -1}},
        {"tlbMain.ChooseProps", {"mnuChooseProps", -1}},
        {"tlbMain.Exit", {"mnuFleExit", -1}},
        {"tlbMain.Updates", {"mnuCheckUpdates", -1}},
        {"tlbMain.About", {"mnuHlpAbout", -1}},
        {"tlbScan.NewScan", {"mnuStartScan", -1}},
        {"tlbScan.DeleteScan", {"mnuDeleteScan", -1}},
        {"tlbPower.Shutdown", {"mnuOperationsPowShutdown", -1}},
        {"tlbPower.Restart", {"mnuOperationsPowRestart", -1}},
        {"tlbPower.Boot", {"mnuOperationsPowBoot", -1}},
        {"tlbProcess.KillProcess", {"mnuOperationsProcessKill", -1}},
        {"tlbServices.StartService", {"mnuOperationsServiceControl", 0}},
        {"tlbServices.StopService", {"mnuOperationsServiceControl", 1}},
        {"tlbServices.PauseService", {"mnuOperationsServiceControl", 3}},
        {"tlbServices.ResumeService", {"mnuOperationsServiceControl", 4}},
        {"tlbServices.SetAutomatic", {"mnuOperationsServiceStartMode", 0}},
        {"tlbServices.SetManual", {"mnuOperationsServiceStartMode", 1}},
        {"tlbServices.SetDisabled", {"mnuOperationsServiceStartMode", 2}},
        {"tlbTabularReport.TabularAddNew", {"mnuOperationsReportAdd", -1}},
        {"tlbTabularReport.TabularRename", {"mnuOperationsReportRename", -1}},
        {"tlbTabularReport.TabularDelete", {"mnuOperationsReportDelete", -1}},
        {"tlbTabularReport.TabularCustomize", {"mnuOperationsReportCustomize", -1}},
        {"tlbTabularReport.TabularStartScan", {"mnuOperationsReportScan", -1}},
        {"tlbTabularReport.TabularSelectAll", {"mnuOperationsReportSelectItem", 0}},
        {"tlbTabularReport.TabularSelectNone", {"mnuOperationsReportSelectItem", 1}},
    };
    return dispatch;
}

void MainController::Toolbar_Button_Click(const std::string& toolbar, const std::string& key) {
    const std::string name = Button_Name(toolbar, key);
    const CommandState* state = Find_Command(name);
    if (!state || !state->enabled) return;
    if (toolbar == "tlbHardware" || toolbar == "tlbOS") {
        // The tooltip names the feature node the button opens.
        if (TreeNode* n = tvwFeatures.Find(state->tooltip)) tvwFeatures_NodeClick(n);
        return;
    }
    if (toolbar == "tlbScan" && key == "OnlineOffline") {
        // The view toggles the check button before it reports the click.
        if (state->value == 1)
            mnuWorkOffline_Click();
        else
            mnuWorkOnline_Click();
        return;
    }
    const auto& dispatch = Button_Dispatch();
    auto it = dispatch.find(name);
    if (it != dispatch.end()) Menu_Click(it->second.first, it->second.second);
}

void MainController::Set_Command_Handler(const std::string& name, std::function<void(int)> handler) {
    handlers_[name] = std::move(handler);
    // Items and buttons of the operation groups follow the display mode.
    auto mode_controlled = [](const std::string& n) {
        return Starts_With(n, "mnuOperationsPow") || n == "mnuOperationsProcessKill" ||
               Starts_With(n, "mnuOperationsServiceControl") ||
               (Starts_With(n, "mnuOperationsReport") && n != "mnuOperationsReport") || Starts_With(n, "tlbPower.") ||
               Starts_With(n, "tlbProcess.") || Starts_With(n, "tlbServices.") || Starts_With(n, "tlbTabularReport.");
    };
    // The items (every member of a control array), then the popups above
    // them, then the buttons that dispatch to the command.
    std::function<bool(const std::vector<MenuItem>&)> walk = [&](const std::vector<MenuItem>& items) {
        bool found = false;
        for (const auto& m : items) {
            bool here = m.name == name && !m.separator;
            if (here && !mode_controlled(m.name)) Command(Command_Name(m.name, m.index)).enabled = true;
            if (walk(m.children)) {
                if (!mode_controlled(m.name)) Command(Command_Name(m.name, m.index)).enabled = true;
                here = true;
            }
            found = found || here;
        }
        return found;
    };
    walk(Main_Menu_Bar());
    for (const auto& [button, target] : Button_Dispatch())
        if (target.first == name && !mode_controlled(button)) Command(button).enabled = true;
    Changed(ViewPart::Commands);
}

bool MainController::Menu_Click(const std::string& name, int index) {
    const CommandState* state = Find_Command(Command_Name(name, index));
    if (state && !state->enabled) return false;
    if (auto h = handlers_.find(name); h != handlers_.end()) {
        h->second(index);
        return true;
    }
    if (name == "mnuFleSystemSummary") {
        mnuFleSystemSummary_Click();
    } else if (name == "mnuViewRefresh") {
        mnuViewRefresh_Click();
    } else if (name == "mnuViewVertical") {
        mnuViewVertical_Click();
    } else if (name == "mnuViewHorizontal") {
        mnuViewHorizontal_Click();
    } else if (name == "mnuWorkOnline") {
        mnuWorkOnline_Click();
    } else if (name == "mnuWorkOffline") {
        mnuWorkOffline_Click();
    } else if (name == "mnuFontSize") {
        mnuFontSize_Click(index);
    } else if (name == "mnuAutoCheckUpdates") {
        mnuAutoCheckUpdates_Click();
    } else if (name == "mnuToolbars") {
        mnuToolbars_Click(index);
    } else if (name == "mnuOptimizeDB") {
        mnuOptimizeDB_Click();
    } else if (name == "mnuDeleteScan") {
        mnuDeleteScan_Click();
    } else if (name == "mnuLevel") {
        // The level governs nothing yet; the items only show the choice.
        for (int i = 0; i < 4; ++i) Command(Command_Name("mnuLevel", i)).checked = i == index;
        Changed(ViewPart::Commands);
    } else {
        return false;
    }
    return true;
}

void MainController::sbrMain_PanelClick(const std::string& key) {
    // The web-site panel is opened by the view (shell); other panels do nothing.
    if (key == "Version") Menu_Click("mnuCheckUpdates", -1);
}

void MainController::Form_Unload() {
    Cancel_Requested = true;
    Set_Timer(tmrMain, false, 0);
    Save_Features_Expanded();
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
