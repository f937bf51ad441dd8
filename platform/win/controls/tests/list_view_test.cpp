#include "platform/win/controls/list_view.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <algorithm>
#include <string>

#include "host_window.h"
#include "platform/win/controls/drag.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"

namespace crv {
namespace {

using testing::HostWindow;
using testing::Pump;

std::wstring Item_Text(HWND list, int item, int sub_item) {
    wchar_t buffer[260] = {};
    LVITEMW lvi{};
    lvi.iSubItem = sub_item;
    lvi.pszText = buffer;
    lvi.cchTextMax = 260;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lvi));
    return buffer;
}

LVITEMW Item_Info(HWND list, int item, UINT mask, UINT state_mask = 0) {
    LVITEMW lvi{};
    lvi.mask = mask;
    lvi.iItem = item;
    lvi.stateMask = state_mask;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lvi));
    return lvi;
}

std::wstring Column_Caption(HWND list, int column) {
    wchar_t buffer[128] = {};
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_TEXT;
    lvc.pszText = buffer;
    lvc.cchTextMax = 128;
    SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&lvc));
    return buffer;
}

int Header_Count(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(list.Create(host.Handle(), 100));
        list.Move(0, 0, 800, 600);
        small_icons = std::make_unique<ImageList>(16);
        large_icons = std::make_unique<ImageList>(32);
        Load_Standard_Icons(*small_icons);
        Load_Standard_Icons(*large_icons);
        list.Set_Image_Lists(small_icons.get(), large_icons.get());
    }
    void Fill(std::size_t rows) {
        model.Clear_Columns();
        model.Add_Column("Name", "Name", 1440);
        model.Add_Column("Value", "Value", 2880);
        model.Add_Column("Extra", "Extra", 720);
        model.Clear_Items();
        for (std::size_t i = 0; i < rows; ++i) {
            ListItem* item = model.Add_Item("K" + std::to_string(i), "Row " + std::to_string(i));
            item->Set_Sub_Item(1, "Value " + std::to_string(i));
            item->Set_Sub_Item(2, "\xC3\xA9" + std::to_string(i));  // e acute: UTF-8 reaches the control as UTF-16
        }
        list.Bind(&model);
    }

    HostWindow host;
    ListViewControl list;
    ListModel model;
    std::unique_ptr<ImageList> small_icons, large_icons;
};

TEST_F(ListViewTest, ShowsEveryRowOfALargeModelThroughOwnerData) {
    Fill(100000);
    HWND h = list.Handle();
    EXPECT_TRUE(GetWindowLongW(h, GWL_STYLE) & LVS_OWNERDATA);
    EXPECT_EQ(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0), 100000);
    EXPECT_EQ(Item_Text(h, 0, 0), L"Row 0");
    EXPECT_EQ(Item_Text(h, 99999, 0), L"Row 99999");
    EXPECT_EQ(Item_Text(h, 99999, 1), L"Value 99999");
    EXPECT_EQ(Item_Text(h, 54321, 2), L"\u00e954321");
    // A row beyond the model answers nothing rather than stale text.
    EXPECT_EQ(Item_Text(h, 100000, 0), L"");

    // Rows the model loses disappear from the control at the next Notify.
    model.Remove_Item(0);
    model.Notify();
    EXPECT_EQ(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0), 99999);
    EXPECT_EQ(Item_Text(h, 0, 0), L"Row 1");
    model.Clear_Items();
    model.Notify();
    EXPECT_EQ(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, ColumnsFollowTheModelWithTwipsAtTheWindowDpi) {
    Fill(3);
    HWND h = list.Handle();
    int dpi = Window_Dpi(h);
    ASSERT_EQ(Header_Count(h), 3);
    EXPECT_EQ(Column_Caption(h, 0), L"Name");
    EXPECT_EQ(Column_Caption(h, 2), L"Extra");
    EXPECT_EQ(SendMessageW(h, LVM_GETCOLUMNWIDTH, 0, 0), Twips_To_Pixels(1440, dpi));
    EXPECT_EQ(SendMessageW(h, LVM_GETCOLUMNWIDTH, 1, 0), Twips_To_Pixels(2880, dpi));

    // A width set in the model is applied; one set in the control (as a
    // drag of the divider does) goes back into the model.
    model.Column(0).width_twips = 3000;
    model.Notify();
    EXPECT_EQ(SendMessageW(h, LVM_GETCOLUMNWIDTH, 0, 0), Twips_To_Pixels(3000, dpi));
    SendMessageW(h, LVM_SETCOLUMNWIDTH, 1, 150);
    EXPECT_NEAR(model.Column(1).width_twips, Pixels_To_Twips(150, dpi), 0.01);
    EXPECT_NEAR(list.Column_Width_Twips(1), Pixels_To_Twips(150, dpi), 0.01);

    // Another layout: the header is rebuilt with the new captions.
    model.Clear_Columns();
    model.Add_Column("ImageName", "Image Name", 2000);
    model.Add_Column("PID", "PID", 800, 0);  // inserted first
    model.Notify();
    ASSERT_EQ(Header_Count(h), 2);
    EXPECT_EQ(Column_Caption(h, 0), L"PID");
    EXPECT_EQ(Column_Caption(h, 1), L"Image Name");
    EXPECT_EQ(Item_Text(h, 1, 1), L"Value 1");  // cell of column 1 is sub-item 1
}

TEST_F(ListViewTest, ViewPropertiesFollowTheModel) {
    Fill(2);
    HWND h = list.Handle();
    auto style = [&] { return static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)); };
    EXPECT_EQ(style() & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_TRUE(style() & LVS_SINGLESEL);
    EXPECT_FALSE(style() & LVS_NOCOLUMNHEADER);

    model.view = ListViewMode::Icon;
    model.hide_column_headers = true;
    model.multi_select = true;
    model.checkboxes = true;
    model.Notify();
    EXPECT_EQ(style() & LVS_TYPEMASK, static_cast<DWORD>(LVS_ICON));
    EXPECT_TRUE(style() & LVS_NOCOLUMNHEADER);
    EXPECT_FALSE(style() & LVS_SINGLESEL);
    EXPECT_TRUE(list.Extended_Style() & LVS_EX_CHECKBOXES);

    model.view = ListViewMode::List;
    model.checkboxes = false;
    model.Notify();
    EXPECT_EQ(style() & LVS_TYPEMASK, static_cast<DWORD>(LVS_LIST));
    EXPECT_FALSE(list.Extended_Style() & LVS_EX_CHECKBOXES);
}

TEST_F(ListViewTest, IconsByKeyFromTheListOfTheViewAndIndent) {
    Fill(3);
    model.Item(0).small_icon = "Info";
    model.Item(0).icon = "Computer";
    model.Item(0).indent = 1;
    model.Item(1).small_icon = "NoSuchImage";
    model.Notify();
    HWND h = list.Handle();
    EXPECT_EQ(Item_Info(h, 0, LVIF_IMAGE).iImage, small_icons->Index_Of("Info"));
    EXPECT_EQ(Item_Info(h, 0, LVIF_INDENT).iIndent, 1);
    EXPECT_EQ(Item_Info(h, 1, LVIF_IMAGE).iImage, I_IMAGENONE);
    EXPECT_EQ(Item_Info(h, 1, LVIF_INDENT).iIndent, 0);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(h, LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
              small_icons->Handle());

    model.view = ListViewMode::Icon;
    model.Notify();
    EXPECT_EQ(Item_Info(h, 0, LVIF_IMAGE).iImage, large_icons->Index_Of("Computer"));
    EXPECT_NE(large_icons->Index_Of("Computer"), large_icons->Index_Of("Info"));
}

// The client area as the control paints it, pixel by pixel.
std::vector<std::uint32_t> Render(HWND h) {
    RECT rc{};
    GetClientRect(h, &rc);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = rc.right;
    bi.bmiHeader.biHeight = -rc.bottom;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) {
        DeleteDC(dc);
        return {};
    }
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(rc.right) * rc.bottom);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return pixels;
}

// Pixels whose colour differs by more than rounding (2 in any of red, green
// and blue: two ways of blending the same icon may round apart).
std::size_t Differing_Pixels(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    if (a.size() != b.size()) return std::max(a.size(), b.size());
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16}) {
            const int x = static_cast<int>((a[i] >> shift) & 0xFF), y = static_cast<int>((b[i] >> shift) & 0xFF);
            if (x - y > 2 || y - x > 2) {
                ++n;
                break;
            }
        }
    return n;
}

// The report view paints the icons of plain rows itself: the rows must look
// exactly as the image list would have drawn them, indents, a selected row
// and a ghosted one included.
TEST_F(ListViewTest, OwnIconPaintingLooksLikeTheImageListsOwn) {
    Fill(4);
    model.Item(0).small_icon = "Info";
    model.Item(0).indent = 1;
    model.Item(1).small_icon = "Computer";
    model.Item(2).small_icon = "Info";
    model.Item(2).selected = true;
    model.Item(3).small_icon = "Computer";
    model.Item(3).ghosted = true;
    model.Notify();
    HWND h = list.Handle();

    list.Set_Own_Icon_Painting(false);
    const std::vector<std::uint32_t> by_list = Render(h);
    list.Set_Own_Icon_Painting(true);
    const std::vector<std::uint32_t> by_control = Render(h);
    ASSERT_FALSE(by_list.empty());
    EXPECT_EQ(Differing_Pixels(by_list, by_control), 0u);
    // Asked outside a paint, a row still names its icon.
    EXPECT_EQ(Item_Info(h, 1, LVIF_IMAGE).iImage, small_icons->Index_Of("Computer"));

    // The comparison sees icons at all: without them the rows look otherwise.
    for (std::size_t r = 0; r < 4; ++r) model.Item(r).small_icon.clear();
    model.Notify();
    EXPECT_GT(Differing_Pixels(Render(h), by_control), 100u);
}

// The large icons load once, when the icon view is first shown, and serve
// it as if they had been there from the start.
TEST_F(ListViewTest, LargeIconsOnDemandLoadWithTheFirstIconView) {
    ImageList late(32);
    int loads = 0;
    list.Set_Image_Lists(small_icons.get(), nullptr);
    list.Set_Large_Icons_On_Demand([&]() -> const ImageList* {
        ++loads;
        Load_Standard_Icons(late);
        return &late;
    });
    Fill(2);
    model.Item(0).icon = "Computer";
    model.view = ListViewMode::SmallIcon;
    model.Notify();
    HWND h = list.Handle();
    EXPECT_EQ(loads, 0);
    EXPECT_FALSE(list.Large_Icons_Loaded());
    EXPECT_EQ(SendMessageW(h, LVM_GETIMAGELIST, LVSIL_NORMAL, 0), 0);

    model.view = ListViewMode::Icon;
    model.Notify();
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(list.Large_Icons_Loaded());
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(h, LVM_GETIMAGELIST, LVSIL_NORMAL, 0)), late.Handle());
    EXPECT_EQ(Item_Info(h, 0, LVIF_IMAGE).iImage, late.Index_Of("Computer"));
    EXPECT_NE(late.Index_Of("Computer"), -1);

    model.view = ListViewMode::Report;
    model.Notify();
    model.view = ListViewMode::Icon;
    model.Notify();
    EXPECT_EQ(loads, 1);
}

TEST_F(ListViewTest, SelectionIsKeptInStepBothWays) {
    Fill(10);
    model.multi_select = true;
    model.Notify();
    HWND h = list.Handle();
    int changes = 0;
    list.on_selection_changed = [&] { ++changes; };

    ListView_SetItemState(h, 4, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(h, 7, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(model.Item(4).selected);
    EXPECT_TRUE(model.Item(7).selected);
    EXPECT_FALSE(model.Item(5).selected);
    EXPECT_GE(changes, 2);
    EXPECT_EQ(list.Selected_Indexes(), (std::vector<std::size_t>{4, 7}));
    ListView_SetItemState(h, -1, 0, LVIS_SELECTED);
    EXPECT_FALSE(model.Item(4).selected);
    EXPECT_FALSE(model.Item(7).selected);

    // The model's selection shows after Notify.
    model.Item(2).selected = true;
    model.Notify();
    EXPECT_EQ(ListView_GetNextItem(h, -1, LVNI_SELECTED), 2);
    EXPECT_EQ(ListView_GetNextItem(h, 2, LVNI_SELECTED), -1);

    // A refill of the model starts with nothing selected.
    Fill(10);
    EXPECT_EQ(ListView_GetNextItem(h, -1, LVNI_SELECTED), -1);
}

TEST_F(ListViewTest, CheckBoxesAreDrawnFromTheModelAndToggledByClickAndSpace) {
    Fill(5);
    model.checkboxes = true;
    model.Item(1).checked = true;
    model.Notify();
    HWND h = list.Handle();
    auto state_image = [&](int i) {
        return (Item_Info(h, i, LVIF_STATE, LVIS_STATEIMAGEMASK).state & LVIS_STATEIMAGEMASK) >> 12;
    };
    EXPECT_EQ(state_image(0), 1u);
    EXPECT_EQ(state_image(1), 2u);

    std::vector<std::size_t> checked;
    list.on_item_check = [&](std::size_t i) { checked.push_back(i); };

    // Find the box of row 0 by hit testing along the row.
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(h, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    int y = (row.top + row.bottom) / 2;
    int box_x = -1;
    for (int x = row.left; x < row.left + 60 && box_x < 0; ++x) {
        bool on_box = false;
        if (list.Hit_Test(x, y, &on_box) == std::optional<std::size_t>(0) && on_box) box_x = x;
    }
    ASSERT_GE(box_x, 0);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, testing::Point_Param(box_x, y));
    SendMessageW(h, WM_LBUTTONUP, 0, testing::Point_Param(box_x, y));
    EXPECT_TRUE(model.Item(0).checked);
    EXPECT_EQ(state_image(0), 2u);
    ASSERT_EQ(checked, (std::vector<std::size_t>{0}));

    // Space flips the selected row.
    list.Select(1);
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(h, WM_CHAR, L' ', 0);
    EXPECT_FALSE(model.Item(1).checked);
    EXPECT_EQ(state_image(1), 1u);
    EXPECT_EQ(checked, (std::vector<std::size_t>{0, 1}));
    // A click beside the box checks nothing.
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, testing::Point_Param(row.left + 200, y));
    SendMessageW(h, WM_LBUTTONUP, 0, testing::Point_Param(row.left + 200, y));
    Pump();
    EXPECT_TRUE(model.Item(0).checked);
    EXPECT_EQ(checked.size(), 2u);
}

TEST_F(ListViewTest, CustomDrawUsesBoldFontsAndForeColourOfTheModel) {
    Fill(2);
    model.Item(0).bold = true;
    model.Item(0).Set_Sub_Bold(1, true);
    model.Item(1).fore_color = RGB(200, 0, 0);
    model.Notify();
    HWND h = list.Handle();
    HDC dc = CreateCompatibleDC(nullptr);
    auto draw = [&](DWORD stage, int item, int sub_item, COLORREF* colour = nullptr) {
        NMLVCUSTOMDRAW cd{};
        cd.nmcd.hdr.hwndFrom = h;
        cd.nmcd.hdr.idFrom = 100;
        cd.nmcd.hdr.code = NM_CUSTOMDRAW;
        cd.nmcd.dwDrawStage = stage;
        cd.nmcd.hdc = dc;
        cd.nmcd.dwItemSpec = static_cast<DWORD_PTR>(item);
        cd.iSubItem = sub_item;
        cd.clrText = CLR_DEFAULT;
        LRESULT r = SendMessageW(host.Handle(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&cd));
        if (colour) *colour = cd.clrText;
        return r;
    };
    auto weight = [&] {
        LOGFONTW lf{};
        GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(lf), &lf);
        return lf.lfWeight;
    };
    EXPECT_EQ(draw(CDDS_PREPAINT, 0, 0), CDRF_NOTIFYITEMDRAW);
    EXPECT_EQ(draw(CDDS_ITEMPREPAINT, 0, 0), CDRF_NOTIFYSUBITEMDRAW);
    EXPECT_EQ(draw(CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 0), CDRF_NEWFONT);
    EXPECT_EQ(weight(), FW_BOLD);
    draw(CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 1);
    EXPECT_EQ(weight(), FW_BOLD);  // bold sub-item
    draw(CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 2);
    EXPECT_LT(weight(), FW_BOLD);  // a plain sub-item of a bold row
    COLORREF colour = 0;
    draw(CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 0, &colour);
    EXPECT_LT(weight(), FW_BOLD);
    EXPECT_EQ(colour, RGB(200, 0, 0));
    draw(CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 0, &colour);
    EXPECT_EQ(colour, static_cast<COLORREF>(CLR_DEFAULT));  // no colour: the control's own
    DeleteDC(dc);
}

TEST_F(ListViewTest, NotificationsReachTheCallbacks) {
    Fill(5);
    HWND h = list.Handle();
    std::vector<std::string> events;
    list.on_column_click = [&](std::size_t c) { events.push_back("column " + std::to_string(c)); };
    list.on_item_click = [&](std::size_t i) { events.push_back("click " + std::to_string(i)); };
    list.on_right_click = [&](const MouseEvent& e) {
        events.push_back("right " + std::to_string(e.x) + "," + std::to_string(e.y));
    };
    list.on_key_down = [&](int key, int) {
        events.push_back("key " + std::to_string(key));
        return key == VK_DELETE;
    };
    list.on_key_press = [&](int ascii) {
        events.push_back("press " + std::to_string(ascii));
        return ascii == 13;
    };
    list.on_begin_drag = [&] {
        events.push_back("drag");
        return std::string("K1");
    };
    list.on_double_click = [&] { events.push_back("double " + std::to_string(list.Selected_Indexes().at(0))); };

    NMLISTVIEW nm{};
    nm.hdr = {h, 100, static_cast<UINT>(LVN_COLUMNCLICK)};
    nm.iItem = -1;
    nm.iSubItem = 2;
    SendMessageW(host.Handle(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&nm));
    NMITEMACTIVATE act{};
    act.hdr = {h, 100, static_cast<UINT>(NM_CLICK)};
    act.iItem = 3;
    SendMessageW(host.Handle(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&act));
    act.hdr.code = NM_RCLICK;
    act.ptAction = {12, 34};
    SendMessageW(host.Handle(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&act));
    SendMessageW(h, WM_KEYDOWN, VK_DELETE, 0);
    SendMessageW(h, WM_CHAR, 13, 0);
    nm.hdr.code = LVN_BEGINDRAG;
    nm.iItem = 1;
    SendMessageW(host.Handle(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&nm));
    EXPECT_TRUE(Drag_In_Progress());
    End_Text_Drag(POINT{}, true);
    EXPECT_FALSE(Drag_In_Progress());

    // A double click on a row: it is selected when the handler runs.
    RECT row{};
    row.left = LVIR_LABEL;
    SendMessageW(h, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    LPARAM at = testing::Point_Param(row.left + 5, (row.top + row.bottom) / 2);
    PostMessageW(h, WM_LBUTTONUP, 0, at);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Pump();
    SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    Pump();

    EXPECT_EQ(events, (std::vector<std::string>{"column 2", "click 3", "right 12,34", "key 46", "press 13", "drag",
                                                "click 2", "double 2"}));
}

TEST_F(ListViewTest, CellRectanglesFollowTheColumnsAndClicksReportThePointer) {
    Fill(4);
    HWND h = list.Handle();
    auto header_left = [&](int column) {
        RECT r{};
        HWND header = reinterpret_cast<HWND>(SendMessageW(h, LVM_GETHEADER, 0, 0));
        SendMessageW(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
        return r;
    };
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(h, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    for (int column : {1, 2}) {
        auto cell = list.Sub_Item_Rect(2, static_cast<std::size_t>(column));
        ASSERT_TRUE(cell.has_value()) << column;
        RECT head = header_left(column);
        EXPECT_EQ(cell->left, head.left) << column;
        EXPECT_EQ(cell->right - cell->left, list.To_Pixels(model.Column(column).width_twips)) << column;
        EXPECT_EQ(cell->top, row.top);
        EXPECT_EQ(cell->bottom, row.bottom);
    }
    auto label = list.Sub_Item_Rect(2, 0);
    ASSERT_TRUE(label.has_value());
    EXPECT_LT(label->right, header_left(1).left + 1);
    EXPECT_FALSE(list.Sub_Item_Rect(4, 1).has_value());  // no such row
    EXPECT_FALSE(list.Sub_Item_Rect(0, 3).has_value());  // no such column
    // Any cell of a row finds it; below the last row, none.
    auto cell_2_2 = *list.Sub_Item_Rect(2, 2);
    EXPECT_EQ(list.Row_At(cell_2_2.left + 3, cell_2_2.top + 2), std::optional<std::size_t>(2));
    EXPECT_EQ(list.Row_At(cell_2_2.left + 3, cell_2_2.top + 4 * (cell_2_2.bottom - cell_2_2.top)), std::nullopt);

    std::vector<std::string> events;
    list.on_click = [&](const MouseEvent& e) {
        events.push_back(std::to_string(e.button) + "@" + std::to_string(e.x) + "," + std::to_string(e.y));
    };
    list.on_right_click = [&](const MouseEvent&) { events.push_back("right"); };
    auto cell = *list.Sub_Item_Rect(1, 2);
    const int x = cell.left + 7, y = (cell.top + cell.bottom) / 2;
    LPARAM at = testing::Point_Param(x, y);
    PostMessageW(h, WM_LBUTTONUP, 0, at);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Pump();
    NMITEMACTIVATE act{};
    act.hdr = {h, 100, static_cast<UINT>(NM_RCLICK)};
    act.iItem = -1;
    act.ptAction = {3, 4};
    SendMessageW(host.Handle(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&act));
    const std::string left = "1@" + std::to_string(x) + "," + std::to_string(y);
    EXPECT_EQ(events, (std::vector<std::string>{left, "2@3,4", "right"}));
}

std::vector<WPARAM> redraw_log;

LRESULT CALLBACK Log_Redraw(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_SETREDRAW) redraw_log.push_back(wp);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST_F(ListViewTest, AnOwnersPaintingLockSurvivesModelUpdates) {
    Fill(3);
    HWND h = list.Handle();
    SetWindowSubclass(h, Log_Redraw, 77, 0);
    redraw_log.clear();
    // New columns: painting is held while they are rebuilt, then resumed.
    model.Add_Column("More", "More", 720);
    model.Notify();
    ASSERT_FALSE(redraw_log.empty());
    EXPECT_EQ(redraw_log.front(), static_cast<WPARAM>(FALSE));
    EXPECT_EQ(redraw_log.back(), static_cast<WPARAM>(TRUE));
    EXPECT_GT(list.Column_Width_Twips(3), 0);
    // New rows alone are shown without holding painting at all.
    redraw_log.clear();
    model.Add_Item("K8", "Row 8");
    model.Notify();
    EXPECT_TRUE(redraw_log.empty());
    EXPECT_EQ(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0), 4);
    model.Remove_Item(3);
    model.Notify();

    list.Set_Redraw(false);
    redraw_log.clear();
    model.Add_Item("K9", "Row 9");
    model.Notify();
    EXPECT_EQ(std::count(redraw_log.begin(), redraw_log.end(), static_cast<WPARAM>(TRUE)), 0);
    EXPECT_EQ(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0), 4);
    list.Set_Redraw(true);
    EXPECT_EQ(redraw_log.back(), static_cast<WPARAM>(TRUE));
    RemoveWindowSubclass(h, Log_Redraw, 77);
}

TEST_F(ListViewTest, ExtendedStyleKeepsTheOldBitsAndAddsBorderSelect) {
    list.Set_Extended_Style(LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    Set_ListView_ExStyle(list.Handle());
    DWORD style = list.Extended_Style();
    EXPECT_TRUE(style & LVS_EX_GRIDLINES);
    EXPECT_TRUE(style & LVS_EX_BORDERSELECT);
    // Bits that change how items look (hidden labels, one row) stay off.
    EXPECT_FALSE(style & LVS_EX_HIDELABELS);
    EXPECT_FALSE(style & LVS_EX_SINGLEROW);
}

TEST(ListModelSort, SortsRowsByTheCellTextsOfAColumnIgnoringCase) {
    ListModel model;
    model.Add_Column("A", "A", 100);
    model.Add_Column("B", "B", 100);
    const char* rows[][2] = {{"b", "10"}, {"A", "9"}, {"c", "2"}, {"a", "1"}};
    for (auto& r : rows) model.Add_Item("", r[0])->Set_Sub_Item(1, r[1]);
    model.sort_key = 1;
    model.Sort_Items();
    // As text: "1" < "10" < "2" < "9".
    EXPECT_EQ(model.Item(0).Sub_Item(1), "1");
    EXPECT_EQ(model.Item(1).Sub_Item(1), "10");
    EXPECT_EQ(model.Item(3).Sub_Item(1), "9");
    model.sort_key = 0;
    model.sort_descending = true;
    model.Sort_Items();
    EXPECT_EQ(model.Item(0).text, "c");
    EXPECT_EQ(model.Item(1).text, "b");
    // Equal texts keep their order ("a" came before "A" after the last sort).
    EXPECT_EQ(model.Item(2).text, "a");
    EXPECT_EQ(model.Item(3).text, "A");
    // Keys still find their rows after the rows moved.
    ListModel keyed;
    keyed.Add_Item("x", "zz");
    keyed.Add_Item("y", "aa");
    keyed.Sort_Items();
    EXPECT_EQ(keyed.Index_Of("y"), std::optional<std::size_t>(0));
}

}  // namespace
}  // namespace crv
