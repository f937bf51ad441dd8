// The computer properties dialog, its input box and the modeless find dialog
// as real windows under Wine, driven through their messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "core/common.h"
#include "dialogs/tests/dialog_window_fixture.h"
#include "dialogs/win/frm_find.h"
#include "dialogs/win/frm_properties.h"
#include "platform/win/com.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/system.h"
#include "store/devices.h"
#include "ui/model/list_layouts.h"
#include "wmi/com/com_wmi.h"
#include "wmi/live_lists.h"

namespace crv {
namespace {

using test::Click;
using test::Selected_Rows;

void Later(HWND window, std::function<void()> step) { test::Later(window, 50, std::move(step)); }
// A key as the keyboard sends it: through the queue, so the loop's hooks see it.
void Post_Key(HWND target, WPARAM key) {
    test::Post_Key(target, key);
    test::Pump_Queued();
}

class PropertiesFindWindowTest : public test::DialogWindowFixture {
protected:
    PropertiesFindWindowTest() : DialogWindowFixture(false, 700, 500) {}
    static void SetUpTestSuite() {
        Ensure_Com_Initialized();
        Install_Com_Wmi_Port();
        DialogWindowFixture::SetUpTestSuite();
    }
    void TearDown() override {
        frmProperties::on_opened = nullptr;
        frmFind::on_opened = nullptr;
        DialogWindowFixture::TearDown();
    }
};

TEST_F(PropertiesFindWindowTest, PropertiesEditThroughTheInputBoxSaveAndAskOnTheCloseBox) {
    const std::int32_t id = Add_Device("DESK-1", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    ASSERT_GT(id, 0);
    std::vector<std::string> steps;
    std::string box_title, box_prompt;
    LRESULT limit = 0;
    wchar_t typed = L'm';
    Set_Input_Box_Opened_Hook([&](HWND box) {
        box_title = Window_Text(box);
        box_prompt = Window_Text(GetDlgItem(box, IDC_IB_PROMPT));
        HWND edit = GetDlgItem(box, IDC_IB_TEXT);
        limit = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
        // Typed past the limit: the box keeps the first 100 characters.
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::wstring(140, typed++).c_str()));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    frmProperties::on_opened = [&](HWND dlg, PropertiesController& c) {
        EXPECT_EQ(Window_Text(dlg), "Additional Properties");
        EXPECT_FALSE(IsWindowEnabled(owner_));  // modal to the main window
        HWND list = GetDlgItem(dlg, IDC_PR_LVWPROPERTIES);
        EXPECT_EQ(ListView_GetItemCount(list), 20);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_PR_CMDSAVE)));
        Later(dlg, [&, dlg, list] {
            // Double-click the Model row.
            ListView_SetItemState(list, 6, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            RECT r{};
            ListView_GetItemRect(list, 6, &r, LVIR_LABEL);
            SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2));
            steps.push_back(c.lvwProperties.Item(6).Sub_Item(1));
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_PR_CMDSAVE)));
            Click(dlg, IDC_PR_CMDSAVE);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_PR_CMDSAVE)));
            // Another edit, then the close box: No keeps the dialog, Yes closes.
            ListView_SetItemState(list, 6, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            answers_ = {7};
            SetFocus(list);
            SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);  // Enter in the list
            SendMessageW(dlg, WM_CLOSE, 0, 0);
            steps.push_back(IsWindow(dlg) ? "still open" : "closed");
            answers_ = {6};
            PostMessageW(dlg, WM_CLOSE, 0, 0);
        });
    };
    EXPECT_EQ(frmProperties::ShowThisForm(id), 0);
    EXPECT_TRUE(IsWindowEnabled(owner_));
    EXPECT_FALSE(Is_Form_Loaded("frmProperties"));
    EXPECT_EQ(box_title, "Edit");
    EXPECT_EQ(box_prompt, "Please enter the value for 'Model'");
    EXPECT_EQ(limit, 100);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], std::string(100, 'm'));
    EXPECT_EQ(steps[1], "still open");
    EXPECT_EQ(db_.Scalar("SELECT MODEL FROM DEV_SPECS WHERE DEV_ID=" + std::to_string(id)), std::string(100, 'm'));
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0], "Are you sure you want to close with out saving the data?");
    EXPECT_EQ(typed, L'o');  // two edits: the double click and Enter
}

// The find dialog over a real list view showing the live service list.
struct ServiceWindow : FindLink {
    ListModel services;
    TreeModel tree;
    ListViewControl view;
    std::string active = "lvwMain";
    std::string Active_Control() override { return active; }
    ListModel* List(const std::string& name) override { return name == "lvwMain" ? &services : nullptr; }
    TreeModel* Tree(const std::string& name) override { return name == "tvwDevices" ? &tree : nullptr; }
    void Show_Row(const std::string&, std::size_t index) override { view.Ensure_Visible(index); }
    void Show_Node(const std::string&, TreeNode&) override {}
};

TEST_F(PropertiesFindWindowTest, FindLocatesAServiceByItsDisplayNameAndKeepsItsKeysToItself) {
    const std::int32_t id = Add_Device(Get_Local_Computer_Name(), "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    ASSERT_GT(id, 0);
    auto owned = std::make_unique<ServiceWindow>();
    ServiceWindow& w = *owned;
    Setup_ListView_Columns(w.services, Layout_Services, "");
    w.services.tag = std::to_string(id) + std::string(Row_Key_Separator) + "tvwFeatures";
    ASSERT_TRUE(Refresh_Service_List(w.services));
    ASSERT_GT(w.services.Item_Count(), 3u);
    ASSERT_TRUE(w.view.Create(owner_, 500));
    w.view.Move(0, 0, 600, 200);  // a few rows per page: the match must scroll in
    w.view.Bind(&w.services);
    std::size_t wanted = w.services.Item_Count();
    for (std::size_t i = 0; i < w.services.Item_Count(); ++i)
        if (w.services.Item(i).text.find("Management Instrumentation") != std::string::npos) wanted = i;
    ASSERT_LT(wanted, w.services.Item_Count()) << "Wine lists winmgmt";
    ListView_SetItemState(w.view.Handle(), 0, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(w.view.Handle(), 1, LVIS_SELECTED, LVIS_SELECTED);

    HWND opened = nullptr;
    frmFind::on_opened = [&](HWND dlg, FindController&) { opened = dlg; };
    frmFind::Show(std::move(owned), owner_);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(frmFind::Window(), opened);
    EXPECT_EQ(Window_Text(opened), "Find - Corvalin");
    EXPECT_EQ(GetWindow(opened, GW_OWNER), owner_);
    EXPECT_TRUE(IsWindowEnabled(owner_));  // modeless
    EXPECT_TRUE(Is_Form_Loaded("frmFind"));

    HWND text = GetDlgItem(opened, IDC_FD_TXTFIND);
    Set_Window_Text(text, "windows MANAGEMENT instr");
    Post_Key(text, VK_RETURN);  // Enter in the text box finds
    EXPECT_EQ(Selected_Rows(w.view.Handle()), std::vector<int>{static_cast<int>(wanted)});
    const int top = ListView_GetTopIndex(w.view.Handle());
    const int page = ListView_GetCountPerPage(w.view.Handle());
    EXPECT_TRUE(static_cast<int>(wanted) >= top && static_cast<int>(wanted) < top + page);

    // A second Find command brings the same dialog back.
    frmFind::Show(nullptr, owner_);
    EXPECT_EQ(frmFind::Window(), opened);
    // Esc closes it through the dialog's own handling.
    Post_Key(text, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(opened));
    EXPECT_EQ(frmFind::Window(), nullptr);
    EXPECT_FALSE(Is_Form_Loaded("frmFind"));
}

}  // namespace
}  // namespace crv
