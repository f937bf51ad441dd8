// The real main window under Wine with every toolbar shown, in its default
// 1024-pixel width: each button of every coolbar band can be reached, either
// where it shows or through its band's chevron, whose menu runs the button's
// command; and the scan-date box ends inside its pane.
#include <gtest/gtest.h>

#include <algorithm>

#include "mainwindow/main_commands.h"
#include "mainwindow/tests/window_test_support.h"
#include "platform/win/controls/chevron_menu.h"
#include "store/features.h"
#include "store/settings.h"

namespace crv {
namespace {

std::vector<std::string> Menu_Texts(HMENU menu) {
    std::vector<std::string> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        std::string t = To_Utf8(text);
        // "&&" shows one "&".
        for (std::size_t p = t.find("&&"); p != std::string::npos; p = t.find("&&", p + 1)) t.erase(p, 1);
        out.push_back(t);
    }
    return out;
}

// Clicks where the band's chevron is: just right of its toolbar, as the
// coolbar lays it out. Returns the texts of the menu that came up (none: no
// menu), choosing the item `choose` when it is there.
std::vector<std::string> Click_Chevron(const std::string& toolbar, const std::string& choose = "") {
    std::vector<std::string> offered;
    Set_Chevron_Menu_Answerer([&](HMENU menu) -> UINT {
        offered = Menu_Texts(menu);
        for (std::size_t i = 0; i < offered.size(); ++i)
            if (offered[i] == choose) return GetMenuItemID(menu, static_cast<int>(i));
        return 0;
    });
    RECT bar{};
    GetWindowRect(H(toolbar), &bar);
    POINT p{bar.right + 5, (bar.top + bar.bottom) / 2};
    ScreenToClient(H("clbMain"), &p);
    SendMessageW(H("clbMain"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageW(H("clbMain"), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    Pump(20);
    Set_Chevron_Menu_Answerer(nullptr);
    return offered;
}

// Tooltips of the toolbar's buttons that show whole inside the window.
std::vector<std::string> Shown_Buttons(const ToolbarDef& def) {
    std::vector<std::string> shown;
    RECT client{}, window{};
    GetClientRect(H(def.name), &client);
    GetClientRect(Main(), &window);
    for (std::size_t i = 0; i < def.buttons.size(); ++i) {
        RECT r{};
        SendMessageW(H(def.name), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        POINT right{r.right, r.top};
        MapWindowPoints(H(def.name), Main(), &right, 1);
        if (r.right <= client.right && right.x <= window.right) shown.push_back(def.buttons[i].tooltip);
    }
    return shown;
}

class ChevronWindowTest : public MainWindowFixture {
protected:
    static void SetUpTestSuite() {
        Prepare_Main_Window();
        Open_Store();
        Add_Local_Computer();
        Save_Feature("[Root...]", "Computer", "", "0", "Computer", "");
        Save_Feature("Software", "Software", "", "1", "Windows", "[Root...]");
        // The last OS button's feature, so that the button is enabled.
        Save_Feature("Windows Product Activation", "Windows Product Activation", "", "1", "Windows", "Software");
        Set_Work_Online(true);
        Set_Toolbar_Visibility(63);  // every band of Tools Visible shows
        Record_Main_Boxes(boxes_);
        Show_Main_Window();
    }
};

TEST_F(ChevronWindowTest, EveryButtonOfEveryBandShowsOrIsOfferedByTheChevron) {
    RECT r{};
    GetWindowRect(Main(), &r);
    ASSERT_EQ(r.right - r.left, 1024);
    std::size_t offered_in_all = 0;
    for (const ToolbarDef& def : Main_Toolbars()) {
        if (def.band_key.empty()) continue;
        ASSERT_TRUE(IsWindowVisible(H(def.name))) << def.name;
        const std::vector<std::string> shown = Shown_Buttons(def);
        std::vector<std::string> hidden;
        for (const auto& b : def.buttons)
            if (std::find(shown.begin(), shown.end(), b.tooltip) == shown.end()) hidden.push_back(b.tooltip);
        // The chevron offers exactly what does not show, in the bar's order.
        EXPECT_EQ(Click_Chevron(def.name), hidden) << def.name;
        offered_in_all += hidden.size();
    }
    // The narrow bands of this window do hide some (the OS band most).
    EXPECT_GT(offered_in_all, 0u);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(ChevronWindowTest, AChosenItemRunsItsButtonsCommand) {
    const std::vector<std::string> offered = Click_Chevron("tlbOS", "Windows Product Activation");
    ASSERT_FALSE(offered.empty());
    EXPECT_EQ(offered.back(), "Windows Product Activation");
    ASSERT_NE(C().tvwFeatures.selected, nullptr);
    EXPECT_EQ(C().tvwFeatures.selected->key, "Windows Product Activation");
}

TEST_F(ChevronWindowTest, TheScanDateBoxEndsInsideItsPane) {
    RECT pane{}, box{};
    GetWindowRect(H("clbScan"), &pane);
    GetWindowRect(H("cboScanDate"), &box);
    EXPECT_LE(box.right, pane.right);
    // Still wide enough for its arrow and some of the date.
    EXPECT_GE(box.right - box.left, 2 * GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace
}  // namespace crv
