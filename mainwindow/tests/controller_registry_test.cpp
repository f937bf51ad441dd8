// The whole command registry walked: every menu item, toolbar button,
// window-wide key and status-bar panel that shows as enabled does something
// observable, and every one that does not stays without effect.
#include <sstream>

#include "mainwindow/tests/controller_fixture.h"

namespace crv::test {
namespace {

class RegistryWalk : public ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        // Every feature node a hardware or operating-system button opens.
        for (const char* bar : {"tlbHardware", "tlbOS"})
            for (const auto& b : Find_Toolbar(bar)->buttons)
                ASSERT_TRUE(Save_Feature(b.tooltip, b.tooltip, "", "1", b.key, "[Root...]"));
        FakeWmiPort::QueryAnswer cpu;
        cpu.objects.push_back(Instance({Wmi_Text("Name", "CPU0")}));
        wmi_.Set_Answer("SELECT * FROM Win32_Processor", cpu);
        ASSERT_TRUE(Set_Vertical_Listing(false));
        Set_Online(true);
        Start();
    }

    // Everything a command can change that a user or a later run could see.
    std::string Observed() {
        std::ostringstream o;
        o << host_.boxes.size() << '|' << host_.pages.size() << '|' << host_.closes << '|' << host_.popups.size()
          << '|' << reporter_.boxes.size() << '|';
        for (const auto& [k, v] : host_.settings) o << k << '=' << v << ';';
        for (const auto& [name, s] : c_.Commands()) o << name << s.checked << s.value << s.tooltip << ';';
        for (const auto& p : c_.Panels()) o << p.text << ';';
        o << c_.lvwMain.tag << '|' << c_.lvwMain.Item_Count() << '|' << wmi_.queries.size() << '|'
          << wmi_.connects.size() << '|' << c_.font_size << '|' << c_.cboScanDate.items.size() << '|'
          << db_.Scalar("SELECT VERTICAL_LISTING || '/' || WORK_ONLINE || '/' || AUTO_CHECK_UPDATES || '/' || "
                        "IFNULL(LAST_OPTIMIZE, '') FROM SETTINGS_TBL");
        return o.str();
    }

    // The same starting point for each command: online, the processors listed.
    void Baseline() {
        if (!c_.Checked("mnuWorkOnline")) c_.mnuWorkOnline_Click();
        Click("Win32_Processor");
    }

    struct Entry {
        std::string what;
        bool enabled;
        std::function<void()> click;
    };
    std::vector<Entry> Every_Entry() {
        std::vector<Entry> out;
        std::function<void(const std::vector<MenuItem>&)> menus = [&](const std::vector<MenuItem>& items) {
            for (const auto& m : items) {
                if (!m.children.empty()) {
                    menus(m.children);
                    continue;
                }
                if (m.separator || m.name.empty()) continue;
                const std::string name = Command_Name(m.name, m.index);
                out.push_back({"menu " + name, c_.Command(name).enabled,
                               [this, n = m.name, i = m.index] { c_.Run_Command(n, i); }});
            }
        };
        menus(Main_Menu_Bar());
        for (const auto& bar : Main_Toolbars())
            for (const auto& b : bar.buttons)
                out.push_back({"button " + Button_Name(bar.name, b.key), c_.Command(Button_Name(bar.name, b.key)).enabled,
                               [this, t = bar.name, k = b.key] { c_.Toolbar_Button_Click(t, k); }});
        for (const auto& k : Window_Accelerators())
            out.push_back({"key " + k.shortcut, c_.Command_Enabled(k.command),
                           [this, k] { c_.Run_Command(k.command, k.index); }});
        for (const auto& p : Main_Status_Panels())
            out.push_back({"panel " + p.key, !p.command.empty() && c_.Command_Enabled(p.command),
                           [this, key = p.key] { c_.sbrMain_PanelClick(key); }});
        return out;
    }
};

TEST_F(RegistryWalk, EveryEnabledCommandActsAndEveryOtherDoesNothing) {
    int enabled = 0, disabled = 0;
    // Enabled states are read at the starting point of each command.
    const std::size_t count = Every_Entry().size();
    for (std::size_t i = 0; i < count; ++i) {
        Baseline();
        Entry e = Every_Entry()[i];
        const std::string before = Observed();
        e.click();
        const std::string after = Observed();
        if (e.enabled) {
            ++enabled;
            EXPECT_NE(before, after) << e.what << " is enabled but did nothing";
        } else {
            ++disabled;
            EXPECT_EQ(before, after) << e.what << " is disabled but acted";
        }
    }
    // The pending commands of other work are there, disabled; the built ones enabled.
    EXPECT_GT(enabled, 40);
    EXPECT_GT(disabled, 30);
}

TEST_F(RegistryWalk, EnabledMeansAHandlerAndAModeThatAllowsIt) {
    for (int mode = 0; mode <= 6; ++mode) {
        c_.Set_Operations_Mode(mode);
        std::function<bool(const std::vector<MenuItem>&)> walk = [&](const std::vector<MenuItem>& items) {
            bool any = false;
            for (const auto& m : items) {
                if (m.separator) continue;
                const bool has = m.children.empty() ? c_.Registry().Has_Handler(m.name) : walk(m.children);
                EXPECT_EQ(c_.Command(Command_Name(m.name, m.index)).enabled,
                          has && c_.Registry().Allows(m.name, mode))
                    << Command_Name(m.name, m.index) << " in mode " << mode;
                any = any || has;
            }
            return any;
        };
        walk(Main_Menu_Bar());
        for (const auto& bar : Main_Toolbars())
            for (const auto& b : bar.buttons)
                EXPECT_EQ(c_.Command(Button_Name(bar.name, b.key)).enabled, c_.Command_Enabled(b.command))
                    << Button_Name(bar.name, b.key);
    }
    // Each button names a command of the menus or one of its own.
    for (const auto& bar : Main_Toolbars())
        for (const auto& b : bar.buttons)
            EXPECT_TRUE(Find_Menu_Item(Main_Menu_Bar(), b.command, b.index) || b.command == Button_Name(bar.name, b.key))
                << Button_Name(bar.name, b.key) << " -> " << b.command;
}

TEST_F(RegistryWalk, AFeatureButtonIsEnabledOnlyWhileItsNodeIsThere) {
    EXPECT_TRUE(c_.Command("tlbOS.COM").enabled);
    db_.Exec("UPDATE FEATURE_TBL SET OFFLINE=0 WHERE FEATURE_KEY='COM'");
    c_.mnuWorkOffline_Click();
    EXPECT_FALSE(c_.Command("tlbOS.COM").enabled);
    EXPECT_TRUE(c_.Command("tlbOS.Desktop").enabled);
    c_.mnuWorkOnline_Click();
    EXPECT_TRUE(c_.Command("tlbOS.COM").enabled);
}

TEST(CommandRegistry, RulesHandlersAndNames) {
    CommandRegistry r;
    EXPECT_FALSE(r.Enabled("mnuX", 2));
    EXPECT_TRUE(r.Allows("mnuX", 2));  // no rule: every mode
    CommandRule only_three;
    only_three.modes = Mode_Bit(3);
    r.Set_Rule("mnuX", only_three);
    EXPECT_FALSE(r.Has_Handler("mnuX"));
    EXPECT_TRUE(r.Names().empty());
    int runs = 0;
    r.Add("mnuX", [&](int index) { runs += index; });
    EXPECT_FALSE(r.Enabled("mnuX", 2));
    EXPECT_TRUE(r.Enabled("mnuX", 3));
    EXPECT_FALSE(r.Enabled("mnuX", 7));
    EXPECT_FALSE(r.Enabled("mnuX", -1));
    // A new handler keeps the rule.
    r.Add("mnuX", [&](int index) { runs += 10 * index; });
    EXPECT_FALSE(r.Enabled("mnuX", 2));
    (*r.Handler("mnuX"))(2);
    EXPECT_EQ(runs, 20);
    bool allowed = false;
    CommandRule conditional;
    conditional.also = [&] { return allowed; };
    r.Set_Rule("mnuY", conditional);
    r.Add("mnuY", [](int) {});
    EXPECT_FALSE(r.Enabled("mnuY", 0));
    allowed = true;
    EXPECT_TRUE(r.Enabled("mnuY", 0));
    EXPECT_EQ(r.Names(), (std::vector<std::string>{"mnuX", "mnuY"}));
    EXPECT_EQ(r.Handler("mnuZ"), nullptr);
}

}  // namespace
}  // namespace crv::test
