// The report customiser as a real window under Wine: its check boxes and
// buttons driven through their messages, over a fresh database.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "dialogs/tests/dialog_window_fixture.h"
#include "dialogs/win/frm_customize_report.h"
#include "store/devices.h"
#include "store/tabular.h"

namespace crv {
namespace {

void Click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

class CustomizeReportWindow : public test::DialogWindowFixture {
protected:
    CustomizeReportWindow() : DialogWindowFixture(true) {}
    void TearDown() override {
        frmCustomizeReport::on_opened = nullptr;
        DialogWindowFixture::TearDown();
    }
};

TEST_F(CustomizeReportWindow, SelectAllAndDefaultsThenSaveStoresTheReport) {
    std::int32_t report = 0;
    std::string name, visibility;
    ASSERT_TRUE(Add_Tabular_Report_Name(0, report, name, visibility));
    std::int32_t a = Add_Device("ALPHA", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    std::int32_t b = Add_Device("BETA", "", "", 0, 0, 0, 0, "", 1, 2, "", "t");
    int refreshes = 0;
    bool save_enabled_at_open = true, save_enabled_after_check = false, save_enabled_after_save = true;
    std::string caption;
    int computer_rows = 0, property_rows = 0;
    frmCustomizeReport::on_opened = [&](HWND dlg, CustomizeReportController&) {
        EXPECT_FALSE(IsWindowEnabled(owner_));
        caption = Window_Text(dlg);
        computer_rows = static_cast<int>(SendDlgItemMessageW(dlg, IDC_CR_LVWCOMPUTERS, LVM_GETITEMCOUNT, 0, 0));
        property_rows = static_cast<int>(SendDlgItemMessageW(dlg, IDC_CR_LVWPROPERTIES, LVM_GETITEMCOUNT, 0, 0));
        save_enabled_at_open = IsWindowEnabled(GetDlgItem(dlg, IDC_CR_CMDSAVE));
        Click(dlg, IDC_CR_CHKCMPSELECTALL);
        Click(dlg, IDC_CR_CHKPROPRTYSELECTDEFAULT);
        save_enabled_after_check = IsWindowEnabled(GetDlgItem(dlg, IDC_CR_CMDSAVE));
        Click(dlg, IDC_CR_CMDSAVE);
        save_enabled_after_save = IsWindowEnabled(GetDlgItem(dlg, IDC_CR_CMDSAVE));
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);  // Esc
    };
    frmCustomizeReport::Show_This_Form(report, name, [&] { ++refreshes; }, owner_);
    EXPECT_TRUE(IsWindowEnabled(owner_));

    EXPECT_EQ(caption, "Customize Report - " + name + " - Corvalin");
    EXPECT_EQ(computer_rows, 2);
    EXPECT_EQ(property_rows, static_cast<int>(db_.Query("SELECT * FROM TABULAR_REPORT_TBL WHERE TR_ID=-5").Column_Count()) - 4);
    EXPECT_FALSE(save_enabled_at_open);
    EXPECT_TRUE(save_enabled_after_check);
    EXPECT_FALSE(save_enabled_after_save);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_TRUE(Is_Computer_In_Tabular_Report(report, a));
    EXPECT_TRUE(Is_Computer_In_Tabular_Report(report, b));
    // The shipped defaults: the first property column is shown by default.
    std::vector<std::string> flags;
    ASSERT_TRUE(Get_Report_Visibility(report, flags));
    EXPECT_EQ(flags[4], db_.Scalar("SELECT CS_MANUFACTURER FROM TABULAR_REPORT_TBL WHERE TR_ID=-5"));
    EXPECT_EQ(flags.size(), static_cast<std::size_t>(property_rows) + 4);
}

}  // namespace
}  // namespace crv
