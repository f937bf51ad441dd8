#include "mainwindow/frm_main_controller.h"

#include "store/tabular.h"
#include "ui/model/list_layouts.h"
#include "mainwindow/frm_main_internal.h"

namespace crv {

using namespace main_detail;

bool Cancel_Requested = false;

namespace {

const std::string kEmpty;
constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
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
    // Every menu item and toolbar button gets its state entry; the registry
    // decides which of them are enabled.
    std::function<void(const std::vector<MenuItem>&)> add = [&](const std::vector<MenuItem>& items) {
        for (const auto& m : items) {
            if (!m.name.empty()) commands_[Command_Name(m.name, m.index)].caption = m.caption;
            add(m.children);
        }
    };
    add(Main_Menu_Bar());
    for (const auto& bar : Main_Toolbars()) {
        commands_[bar.name].visible = bar.visible;
        for (const auto& b : bar.buttons) commands_[Button_Name(bar.name, b.key)].tooltip = b.tooltip;
    }
    for (const auto& p : Main_Status_Panels()) panels_.push_back({p.key, p.text, p.tag});
    tmrExpand.interval = 50;
    // The report grid layout fills the saved report through the store.
    Set_Show_Tabular_Report_Hook([](ListModel& list, const std::string& key) { return Show_Tabular_Report(list, key); });
    Register_All_Commands();
}

void MainController::Register_All_Commands() {
    // One line per topic of the window (see command_registry.h).
    Register_Availability_Rules();
    Register_Feature_Commands();
    Register_Menu_Commands();
    Register_View_Commands();
    Register_Quick_Export_Commands();
    Register_Remote_Operation_Commands();
    Register_Tabular_Report_Commands();
    Register_Update_Commands();
    Register_Group_Commands();
    Refresh_Commands();
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

void MainController::Progress_Tick() {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_progress_ < std::chrono::milliseconds(50)) return;
    last_progress_ = now;
    Changed(ViewPart::Progress);
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
    if (busy_depth_ > 0) Cancel_Requested = true;
    Defer(std::move(action));
}

void MainController::Defer(std::function<void()> action) {
    if (busy_depth_ > 0)
        deferred_.push_back(std::move(action));
    else
        action();
}

}  // namespace crv
