#include <gtest/gtest.h>

#include "host_window.h"
#include "platform/win/controls/combo_box.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/progress_bar.h"
#include "platform/win/controls/rebar.h"
#include "platform/win/controls/status_bar.h"
#include "platform/win/controls/timer.h"
#include "platform/win/controls/toolbar.h"

namespace crv {
namespace {

using testing::HostWindow;
using testing::Pump;
using testing::Pump_Until;

TEST(Twips, ConvertAtTheGivenDpi) {
    EXPECT_EQ(Twips_To_Pixels(1440, 96), 96);
    EXPECT_EQ(Twips_To_Pixels(1440, 144), 144);
    EXPECT_EQ(Twips_To_Pixels(330, 96), 22);
    EXPECT_EQ(Twips_To_Pixels(50, 96), 3);  // 3.33 rounds down
    EXPECT_EQ(Twips_To_Pixels(1000, 96), 67);  // 66.7 rounds up
    EXPECT_DOUBLE_EQ(Pixels_To_Twips(96, 96), 1440);
    EXPECT_DOUBLE_EQ(Pixels_To_Twips(1, 120), 12);
    HostWindow host;
    EXPECT_GT(Window_Dpi(host.Handle()), 0);
}

TEST(Icons, EveryBuiltInKeyLoadsFromTheProgramsResources) {
    const auto& keys = Standard_Icon_Keys();
    for (const char* key : {"Info", "NoInfo", "Computer", "Process", "Service", "OpenGroup", "TabularReport",
                            "Info3", "ManageComputers", "OnlineOffline", "HDD", "Chip", "MSI"})
        EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
    for (int size : {16, 32}) {
        ImageList images(size);
        EXPECT_EQ(Load_Standard_Icons(images), keys.size());
        EXPECT_EQ(images.Count(), keys.size());
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images.Handle(), &cx, &cy);
        EXPECT_EQ(cx, size);
        EXPECT_EQ(ImageList_GetImageCount(images.Handle()), static_cast<int>(keys.size()));
        EXPECT_EQ(images.Index_Of("info"), images.Index_Of("Info"));  // keys ignore case
        EXPECT_EQ(images.Index_Of("NoSuchKey"), -1);
        EXPECT_EQ(images.Index_Of(""), -1);
    }
}

// The strip that loads the set in one call must show the same pictures as
// the icons one by one: same order, transparent where the icon is, opaque
// where it is not.
TEST(Icons, TheStripMatchesTheIconsOneByOne) {
    const auto& keys = Standard_Icon_Keys();
    HINSTANCE module = GetModuleHandleW(nullptr);
    for (int size : {16, 32}) {
        const std::wstring strip_name = L"STRIP_" + std::to_wstring(size);
        ASSERT_NE(FindResourceW(module, strip_name.c_str(), MAKEINTRESOURCEW(10)), nullptr);
        ImageList strip(size);
        ASSERT_EQ(Load_Standard_Icons(strip), keys.size());
        ImageList single(size);
        for (const std::string& key : keys) ASSERT_TRUE(single.Add_Icon_Resource(key, module, "IMG_" + key)) << key;

        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, size * 2, size);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, canvas);
        int transparent = 0, opaque = 0, differing = 0;
        for (const std::string& key : {std::string("Info"), std::string("Computer"), keys.back()}) {
            RECT all{0, 0, size * 2, size};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            ASSERT_TRUE(ImageList_Draw(strip.Handle(), strip.Index_Of(key), dc, 0, 0, ILD_TRANSPARENT));
            ASSERT_TRUE(ImageList_Draw(single.Handle(), single.Index_Of(key), dc, size, 0, ILD_TRANSPARENT));
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    COLORREF a = GetPixel(dc, x, y), b = GetPixel(dc, size + x, y);
                    auto apart = [](int p, int q) { return p - q > 48 || q - p > 48; };
                    if (apart(GetRValue(a), GetRValue(b)) || apart(GetGValue(a), GetGValue(b)) ||
                        apart(GetBValue(a), GetBValue(b)))
                        ++differing;
                    (a == RGB(255, 255, 255) ? transparent : opaque)++;
                }
        }
        SelectObject(dc, old);
        DeleteObject(canvas);
        DeleteDC(dc);
        EXPECT_GT(transparent, 0) << size;
        EXPECT_GT(opaque, 0) << size;
        EXPECT_LE(differing, 3 * size) << size;  // edge pixels may blend a little differently
    }
    // A strip goes only into an empty list, and only when its size matches.
    ImageList used(16);
    HICON icon = LoadIconW(nullptr, IDI_INFORMATION);
    ASSERT_TRUE(used.Add_Icon("One", icon));
    std::vector<unsigned char> pixels(16 * 16 * 4, 0);
    EXPECT_FALSE(used.Add_Strip({"Two"}, pixels.data(), pixels.size()));
    ImageList empty(16);
    EXPECT_FALSE(empty.Add_Strip({"One", "Two"}, pixels.data(), pixels.size()));
    EXPECT_TRUE(empty.Add_Strip({"One"}, pixels.data(), pixels.size()));
    EXPECT_EQ(empty.Index_Of("one"), 0);
}

TEST(Icons, ImageListsAddFromFilesAndReplaceByKey) {
    ImageList images(16);
    EXPECT_FALSE(images.Add_Icon_File("Missing", "Z:\\no\\such\\file.ico"));
    EXPECT_EQ(images.Count(), 0u);
    HICON icon = LoadIconW(nullptr, IDI_INFORMATION);
    ASSERT_TRUE(images.Add_Icon("One", icon));
    ASSERT_TRUE(images.Add_Icon("Two", icon));
    ASSERT_TRUE(images.Add_Icon("ONE", icon));  // the same key again: replaced in place
    EXPECT_EQ(images.Count(), 2u);
    EXPECT_EQ(images.Index_Of("one"), 0);
    EXPECT_EQ(images.Index_Of("Two"), 1);
    EXPECT_EQ(ImageList_GetImageCount(images.Handle()), 2);
    // A folder of .ico files, keyed by file name: the build's converted icons.
    const char* data = std::getenv("CORVALIN_ICON_DIR");
    ASSERT_NE(data, nullptr);
    ImageList folder(16);
    EXPECT_EQ(folder.Load_Folder(data), Standard_Icon_Keys().size());
    EXPECT_GE(folder.Index_Of("Computer"), 0);
    EXPECT_EQ(folder.Load_Folder("Z:\\no\\such\\folder"), 0u);
}

class BarsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Load_Standard_Icons(images);
        ASSERT_TRUE(rebar.Create(host.Handle(), 300));
        rebar.Move(0, 0, 800, 60);
        ASSERT_TRUE(toolbar.Create(rebar.Handle(), 301));
        toolbar.Set_Image_List(&images);
        toolbar.Add_Button({"ManageComputers", "", "Manage Computers", "ManageComputers"});
        toolbar.Add_Button({"", "", "", "", ButtonStyle::Separator});
        toolbar.Add_Button({"Refresh", "", "Refresh", "Refresh"});
        toolbar.Add_Button({"OnlineOffline", "", "Work Online/Offline", "OnlineOffline", ButtonStyle::Check});
    }
    HostWindow host;
    ImageList images{16};
    Rebar rebar;
    Toolbar toolbar;
};

TEST_F(BarsTest, ToolbarButtonsByKeyWithStateImagesAndTooltips) {
    HWND h = toolbar.Handle();
    EXPECT_EQ(SendMessageW(h, TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_EQ(toolbar.Index_Of("Refresh"), std::optional<std::size_t>(2));
    EXPECT_EQ(toolbar.Index_Of("Nothing"), std::nullopt);
    ASSERT_NE(toolbar.Button_At(3), nullptr);
    EXPECT_EQ(toolbar.Button_At(3)->key, "OnlineOffline");

    TBBUTTON tb{};
    SendMessageW(h, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&tb));
    EXPECT_EQ(tb.iBitmap, images.Index_Of("Refresh"));
    toolbar.Set_Image("Refresh", "Find");
    SendMessageW(h, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&tb));
    EXPECT_EQ(tb.iBitmap, images.Index_Of("Find"));
    toolbar.Renew_Images();  // back to the image of its own key
    SendMessageW(h, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&tb));
    EXPECT_EQ(tb.iBitmap, images.Index_Of("Refresh"));

    int command = tb.idCommand;
    EXPECT_TRUE(SendMessageW(h, TB_ISBUTTONENABLED, command, 0));
    toolbar.Set_Enabled("Refresh", false);
    EXPECT_FALSE(SendMessageW(h, TB_ISBUTTONENABLED, command, 0));
    EXPECT_FALSE(toolbar.Is_Enabled("Refresh"));
    toolbar.Set_Enabled_All(true);
    EXPECT_TRUE(toolbar.Is_Enabled("Refresh"));
    toolbar.Set_Checked("OnlineOffline", true);
    EXPECT_TRUE(toolbar.Is_Checked("OnlineOffline"));
    toolbar.Set_Checked("OnlineOffline", false);
    EXPECT_FALSE(toolbar.Is_Checked("OnlineOffline"));
    EXPECT_FALSE(toolbar.Is_Enabled("Nothing"));

    // The tooltip the toolbar asks for, as its tooltip window asks.
    HWND tips = reinterpret_cast<HWND>(SendMessageW(h, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    NMTTDISPINFOW info{};
    info.hdr = {tips, static_cast<UINT_PTR>(command), static_cast<UINT>(TTN_GETDISPINFOW)};
    SendMessageW(rebar.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, L"Refresh");

    RECT last = toolbar.Button_Rect(3);
    EXPECT_GT(last.right, last.left);
    EXPECT_GE(toolbar.Ideal_Size().cx, last.right);
}

// The tooltip windows of this thread.
int Tooltip_Windows() {
    int n = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM lp) -> BOOL {
            wchar_t name[64];
            if (GetClassNameW(w, name, 64) && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) ++*reinterpret_cast<int*>(lp);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&n));
    return n;
}

// Toolbars side by side in one rebar hear each other's notifications and the
// rebar's. Putting them in bands and painting them makes no tooltip window
// that no pointer asked for, and each toolbar answers its own tooltip only.
TEST_F(BarsTest, NotificationsOfOneToolbarNeitherMakeNorAnswerAnothersTooltip) {
    const int tooltips = Tooltip_Windows();
    Toolbar other;
    ASSERT_TRUE(other.Create(rebar.Handle(), 302));
    other.Set_Image_List(&images);
    other.Add_Button({"Shutdown", "", "Shutdown Computer", "Shutdown"});
    for (Toolbar* bar : {&toolbar, &other}) {
        RebarBand band;
        band.key = bar == &toolbar ? "first" : "second";
        band.child = bar->Handle();
        rebar.Add_Band(band);
    }
    ShowWindow(host.Handle(), SW_SHOWNA);
    RedrawWindow(host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    NMHDR drawn{other.Handle(), 302, static_cast<UINT>(NM_CUSTOMDRAW)};
    SendMessageW(rebar.Handle(), WM_NOTIFY, 302, reinterpret_cast<LPARAM>(&drawn));
    EXPECT_EQ(Tooltip_Windows(), tooltips);

    // The second toolbar's tooltip asks about its first button: the answer is
    // "Shutdown Computer", not the first toolbar's button of the same number.
    HWND tips = reinterpret_cast<HWND>(SendMessageW(other.Handle(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    NMTTDISPINFOW info{};
    info.hdr = {tips, 1, static_cast<UINT>(TTN_GETDISPINFOW)};
    SendMessageW(rebar.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, L"Shutdown Computer");
    EXPECT_LE(Tooltip_Windows(), tooltips + 1);  // the one asked for, if it was not made before
}

// Buttons added in one go come out as those added one by one: in order, with
// their images, states and captions, and the bar sized to hold them.
TEST_F(BarsTest, ButtonsAddedTogetherMatchButtonsAddedOneByOne) {
    Toolbar together;
    ASSERT_TRUE(together.Create(rebar.Handle(), 302));
    together.Set_Image_List(&images);
    ToolbarButton shut{"Shutdown", "Off", "Shutdown Computer", "Shutdown"};
    shut.enabled = false;
    ToolbarButton online{"OnlineOffline", "", "Work Online/Offline", "OnlineOffline", ButtonStyle::Check};
    online.checked = true;
    together.Add_Buttons({{"Refresh", "", "Refresh", "Refresh"}, {"", "", "", "", ButtonStyle::Separator}, shut, online});
    HWND h = together.Handle();
    ASSERT_EQ(SendMessageW(h, TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_EQ(together.Index_Of("Shutdown"), std::optional<std::size_t>(2));
    TBBUTTON tb{};
    SendMessageW(h, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&tb));
    EXPECT_EQ(tb.iBitmap, images.Index_Of("Refresh"));
    SendMessageW(h, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&tb));
    EXPECT_TRUE(tb.fsStyle & BTNS_SEP);
    SendMessageW(h, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&tb));
    EXPECT_EQ(tb.iBitmap, images.Index_Of("Shutdown"));
    EXPECT_FALSE(together.Is_Enabled("Shutdown"));
    wchar_t caption[64] = {};
    SendMessageW(h, TB_GETBUTTONTEXTW, tb.idCommand, reinterpret_cast<LPARAM>(caption));
    EXPECT_STREQ(caption, L"Off");
    EXPECT_TRUE(together.Is_Checked("OnlineOffline"));
    EXPECT_TRUE(together.Is_Enabled("OnlineOffline"));
    EXPECT_GE(together.Ideal_Size().cx, together.Button_Rect(3).right);
    together.Add_Buttons({});
    EXPECT_EQ(SendMessageW(h, TB_BUTTONCOUNT, 0, 0), 4);
}

TEST_F(BarsTest, ToolbarClicksReportTheKeyAndCheckButtonsFlipFirst) {
    HWND h = toolbar.Handle();
    std::vector<std::string> clicks;
    bool checked_when_clicked = false;
    toolbar.on_button_click = [&](const std::string& key) {
        clicks.push_back(key);
        if (key == "OnlineOffline") checked_when_clicked = toolbar.Is_Checked(key);
    };
    auto click = [&](std::size_t position) {
        RECT r = toolbar.Button_Rect(position);
        LPARAM at = testing::Point_Param((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(h, WM_LBUTTONUP, 0, at);
        Pump();
    };
    click(2);
    click(3);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Refresh", "OnlineOffline"}));
    EXPECT_TRUE(checked_when_clicked);
    toolbar.Set_Enabled("Refresh", false);
    click(2);  // a disabled button does nothing
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(BarsTest, ToolbarArrangementIsSavedAndRestored) {
    const std::string app = "CorvalinControlTests";
    EXPECT_FALSE(toolbar.Restore_State(app, "tlbNever", "tlbNever"));
    EXPECT_EQ(toolbar.Button_Count(), 4u);  // nothing stored: the buttons stay
    ASSERT_TRUE(toolbar.Save_State(app, "tlbTest", "tlbTest"));
    // Move a button, then restore what was stored.
    SendMessageW(toolbar.Handle(), TB_MOVEBUTTON, 0, 3);
    EXPECT_EQ(toolbar.Button_At(3)->key, "ManageComputers");
    toolbar.Set_Enabled("Refresh", false);
    EXPECT_TRUE(toolbar.Restore_State(app, "tlbTest", "tlbTest"));
    ASSERT_EQ(toolbar.Button_Count(), 4u);
    EXPECT_EQ(toolbar.Button_At(0)->key, "ManageComputers");
    EXPECT_EQ(toolbar.Button_At(3)->key, "OnlineOffline");
    EXPECT_FALSE(toolbar.Is_Enabled("Refresh"));  // states survive the restore
    TBBUTTON tb{};
    SendMessageW(toolbar.Handle(), TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&tb));
    EXPECT_EQ(tb.iBitmap, images.Index_Of("Refresh"));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\CorvalinControlTests");
}

TEST_F(BarsTest, RebarBandsByKey) {
    Toolbar second;
    ASSERT_TRUE(second.Create(rebar.Handle(), 302));
    second.Set_Image_List(&images);
    second.Add_Button({"Shutdown", "", "Shutdown Computer", "Shutdown"});
    rebar.Add_Band({"Main", toolbar.Handle(), "", 3375, 330});
    rebar.Add_Band({"Hardware", second.Handle(), "", 4500, 330, 0, true, false});
    HWND h = rebar.Handle();
    EXPECT_EQ(SendMessageW(h, RB_GETBANDCOUNT, 0, 0), 2);
    EXPECT_EQ(rebar.Index_Of("Hardware"), std::optional<std::size_t>(1));
    EXPECT_TRUE(rebar.Band_Visible("Main"));
    EXPECT_FALSE(rebar.Band_Visible("Hardware"));
    EXPECT_TRUE(rebar.Band_New_Row("Hardware"));
    EXPECT_FALSE(rebar.Band_New_Row("Main"));

    int main_only = rebar.Height();
    int height_changes = 0;
    rebar.on_height_changed = [&] { ++height_changes; };
    EXPECT_TRUE(rebar.Show_Band("Hardware", true));
    EXPECT_TRUE(rebar.Band_Visible("Hardware"));
    EXPECT_GT(rebar.Height(), main_only);  // a second row
    EXPECT_GE(height_changes, 1);
    EXPECT_TRUE(rebar.Set_Band_New_Row("Hardware", false));
    EXPECT_FALSE(rebar.Band_New_Row("Hardware"));

    int dpi = rebar.Dpi();
    EXPECT_TRUE(rebar.Set_Band_Widths("Hardware", 0, 2800));
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_SIZE | RBBIM_CHILDSIZE;
    SendMessageW(h, RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(static_cast<int>(info.cyMinChild), Twips_To_Pixels(330, dpi));
    // Least and own width together, the child's height kept.
    EXPECT_TRUE(rebar.Set_Band_Widths("Hardware", 1500, 3000));
    SendMessageW(h, RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(static_cast<int>(info.cxMinChild), Twips_To_Pixels(1500, dpi));
    EXPECT_EQ(static_cast<int>(info.cx), Twips_To_Pixels(3000, dpi));
    EXPECT_EQ(static_cast<int>(info.cyMinChild), Twips_To_Pixels(330, dpi));
    EXPECT_FALSE(rebar.Set_Band_Widths("Nothing", 1, 1));
    EXPECT_FALSE(rebar.Show_Band("Nothing", true));
    EXPECT_EQ(rebar.Band_Width_Twips("Nothing"), 0);
}

TEST(StatusBarTest, PanelsByKeyWithTextWidthsAndClicks) {
    HostWindow host(800, 600);
    StatusBar bar;
    ASSERT_TRUE(bar.Create(host.Handle(), 400));
    bar.Add_Panel({"Description", "Corvalin", "", 3000});
    bar.Add_Panel({"OnlineOffline", "Mode: Online", "", 1800});
    bar.Add_Panel({"Information", "", "", 0, true});
    bar.Add_Panel({"Version", "", "", 2500});
    HWND h = bar.Handle();
    EXPECT_EQ(SendMessageW(h, SB_GETPARTS, 0, 0), 4);
    bar.Set_Text("Version", "Version: 4.0 Build:4004");
    bar.Set_Text("Nothing", "ignored");
    wchar_t buffer[128] = {};
    SendMessageW(h, SB_GETTEXTW, 3, reinterpret_cast<LPARAM>(buffer));
    EXPECT_STREQ(buffer, L"Version: 4.0 Build:4004");
    EXPECT_EQ(bar.Text("Version"), "Version: 4.0 Build:4004");
    SendMessageW(h, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(buffer));
    EXPECT_STREQ(buffer, L"Mode: Online");
    bar.Set_Tag("Version", "tag");
    EXPECT_EQ(bar.Tag("Version"), "tag");

    // Fixed panels keep their twips; the spring one takes the rest, also
    // after the window changes size.
    auto edges = [&] {
        int e[4] = {};
        SendMessageW(h, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(e));
        return std::vector<int>(e, e + 4);
    };
    int dpi = bar.Dpi();
    RECT client{};
    GetClientRect(h, &client);
    std::vector<int> before = edges();
    EXPECT_EQ(before[0], Twips_To_Pixels(3000, dpi));
    EXPECT_EQ(before[1], Twips_To_Pixels(4800, dpi));
    EXPECT_EQ(before[2], client.right - Twips_To_Pixels(2500, dpi));
    SetWindowPos(host.Handle(), nullptr, 0, 0, 1000, 600, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GT(edges()[2], before[2]);

    std::vector<std::string> clicks;
    bar.on_panel_click = [&](const std::string& key) { clicks.push_back(key); };
    NMMOUSE mouse{};
    mouse.hdr = {h, 400, static_cast<UINT>(NM_CLICK)};
    mouse.dwItemSpec = 3;
    SendMessageW(host.Handle(), WM_NOTIFY, 400, reinterpret_cast<LPARAM>(&mouse));
    mouse.dwItemSpec = 0;
    SendMessageW(host.Handle(), WM_NOTIFY, 400, reinterpret_cast<LPARAM>(&mouse));
    EXPECT_EQ(clicks, (std::vector<std::string>{"Version", "Description"}));
}

TEST(SmallControls, ProgressBarAndComboBox) {
    HostWindow host;
    ProgressBar progress;
    ASSERT_TRUE(progress.Create(host.Handle(), 500));
    progress.Set_Range(0, 250);
    progress.Set_Value(100);
    EXPECT_EQ(SendMessageW(progress.Handle(), PBM_GETPOS, 0, 0), 100);
    progress.Set_Value(1000);
    EXPECT_EQ(progress.Value(), 250);
    EXPECT_EQ(progress.Maximum(), 250);

    ComboBox combo;
    ASSERT_TRUE(combo.Create(host.Handle(), 501));
    EXPECT_EQ(combo.Selected(), std::nullopt);
    EXPECT_EQ(combo.Text(), "");
    combo.Add("02-JAN-2024");
    combo.Add("05-NOV-2023");
    EXPECT_EQ(SendMessageW(combo.Handle(), CB_GETCOUNT, 0, 0), 2);
    combo.Select(0);
    EXPECT_EQ(combo.Text(), "02-JAN-2024");
    EXPECT_EQ(combo.Item(1), "05-NOV-2023");
    int changes = 0;
    combo.on_selection_changed = [&] { ++changes; };
    SendMessageW(host.Handle(), WM_COMMAND, MAKEWPARAM(501, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.Handle()));
    EXPECT_EQ(changes, 1);
    combo.Clear();
    EXPECT_EQ(combo.Count(), 0u);
    EXPECT_EQ(combo.Text(), "");
}

TEST(TimerTest, TicksWhileEnabledWithAnIntervalAndStops) {
    Timer timer;
    int ticks = 0;
    timer.on_tick = [&] { ++ticks; };
    timer.Set_Enabled(true);  // no interval yet: nothing runs
    EXPECT_FALSE(timer.Running());
    timer.Set_Interval(20);
    EXPECT_TRUE(timer.Running());
    EXPECT_TRUE(Pump_Until([&] { return ticks >= 3; }, 3000));
    timer.Set_Enabled(false);
    EXPECT_FALSE(timer.Running());
    int stopped_at = ticks;
    Pump(150);
    EXPECT_EQ(ticks, stopped_at);
    timer.Set_Enabled(true);
    timer.Set_Interval(0);  // an interval of 0 stops it as well
    EXPECT_FALSE(timer.Running());
    Pump(100);
    EXPECT_EQ(ticks, stopped_at);
    {
        Timer gone;
        gone.on_tick = [&] { ++ticks; };
        gone.Set_Interval(10);
        gone.Set_Enabled(true);
    }  // destroyed while running: never ticks afterwards
    Pump(100);
    EXPECT_EQ(ticks, stopped_at);
}

}  // namespace
}  // namespace crv
