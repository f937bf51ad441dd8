#include "dialogs/win/frm_reports.h"

#include <commctrl.h>

#include <memory>
#include <tuple>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/text.h"

namespace crv {

std::function<void(HWND, ReportsController&)> frmReports::on_opened;

namespace {

SYSTEMTIME To_System_Time(const StoreDate& d) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(d.year);
    t.wMonth = static_cast<WORD>(d.month);
    t.wDay = static_cast<WORD>(d.day);
    return t;
}

struct ReportsView final : ModelessDialogHost {
    ReportsController c{*this};
    ListViewControl lvwReports;
    ImageList ilsSmallIcons{16};

    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    HWND Control_By_Name(const std::string& name) override {
        if (name == "cboReports") return Item(IDC_RP_CBOREPORTS);
        if (name == "lvwReports") return lvwReports.Handle();
        return nullptr;
    }
    int Count_Per_Page(const std::string&) override { return lvwReports.Count_Per_Page(); }
    void View_Changed() override { Apply(); }

    void Init() override {
        Load_Standard_Icons(ilsSmallIcons);
        Replace_Placeholder(hwnd, lvwReports, IDC_RP_LVWREPORTS, [this] { lvwReports.Create(hwnd, IDC_RP_LVWREPORTS); });
        lvwReports.Set_Image_Lists(&ilsSmallIcons, &ilsSmallIcons);
        lvwReports.Set_Extended_Style(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        lvwReports.Bind(&c.lvwReports);
        lvwReports.on_column_click = [this](std::size_t column) { c.lvwReports_ColumnClick(column); };
        Read_Geometry();
        c.Form_Load();
        Apply_Size();
        if (frmReports::on_opened) frmReports::on_opened(hwnd, c);
    }

    // The form's width and inner height and the list's place, in twips.
    void Read_Geometry() {
        RECT window{}, client{};
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        const RECT list = lvwReports.Bounds();
        c.form_width = lvwReports.To_Twips(window.right - window.left);
        c.form_inner_height = lvwReports.To_Twips(client.bottom - client.top);
        c.lvwReports_left = lvwReports.To_Twips(list.left);
        c.lvwReports_top = lvwReports.To_Twips(list.top);
    }
    void Apply_Size() {
        if (c.lvwReports_width <= 0 && c.lvwReports_height <= 0) return;
        lvwReports.Move_Twips(c.lvwReports_left, c.lvwReports_top, c.lvwReports_width, c.lvwReports_height);
    }

    void Read() {
        const LRESULT sel = SendDlgItemMessageW(hwnd, IDC_RP_CBOREPORTS, CB_GETCURSEL, 0, 0);
        c.cboReports_index = sel == CB_ERR ? -1 : static_cast<int>(sel);
        SYSTEMTIME t{};
        if (SendDlgItemMessageW(hwnd, IDC_RP_DTPKFROM, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)) == GDT_VALID)
            c.dtpkFrom = {t.wYear, t.wMonth, t.wDay};
        if (SendDlgItemMessageW(hwnd, IDC_RP_DTPKTO, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)) == GDT_VALID)
            c.dtpkTo = {t.wYear, t.wMonth, t.wDay};
    }

    void Apply() {
        if (!hwnd) return;
        HWND combo = Item(IDC_RP_CBOREPORTS);
        const auto count = static_cast<std::size_t>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        bool same = count == c.cboReports.size();
        for (std::size_t i = 0; same && i < count; ++i) {
            const auto n = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
            std::wstring text(static_cast<std::size_t>(n < 0 ? 0 : n) + 1, L'\0');
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<std::size_t>(n < 0 ? 0 : n));
            same = To_Utf8(text) == c.cboReports[i];
        }
        if (!same) {
            SendMessageW(combo, CB_RESETCONTENT, 0, 0);
            for (const std::string& name : c.cboReports)
                SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(To_Wide(name).c_str()));
        }
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(c.cboReports_index), 0);
        for (auto [id, date, enabled] : {std::tuple{IDC_RP_DTPKFROM, c.dtpkFrom, c.dtpkFrom_enabled},
                                         std::tuple{IDC_RP_DTPKTO, c.dtpkTo, c.dtpkTo_enabled}}) {
            SYSTEMTIME t = To_System_Time(date);
            if (t.wYear > 1600) SendDlgItemMessageW(hwnd, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
            EnableWindow(Item(id), enabled ? TRUE : FALSE);
        }
    }

    INT_PTR Dialog_Message(UINT msg, WPARAM wp, LPARAM) override {
        switch (msg) {
        case WM_COMMAND:
            switch (LOWORD(wp)) {
            case IDC_RP_CBOREPORTS:
                if (HIWORD(wp) == CBN_SELCHANGE) {
                    Read();
                    c.cboReports_Click();
                }
                return TRUE;
            case IDC_RP_CMDVIEW:
            case IDOK:
                Read();
                c.cmdView_Click();
                return TRUE;
            case IDC_RP_CMDCLEAR:
                c.cmdClear_Click();
                return TRUE;
            case IDM_RP_FILEEXPORT:
                c.mnuFileExport_Click();
                return TRUE;
            case IDCANCEL:
                Close();  // Esc, as the close box
                return TRUE;
            default:
                return FALSE;
            }
        case WM_SIZE:
            if (wp == SIZE_MINIMIZED) return TRUE;
            Read_Geometry();
            c.Form_Resize();
            Apply_Size();
            return TRUE;
        case WM_CLOSE:
            Close();
            return TRUE;
        case WM_DESTROY:
            lvwReports.Bind(nullptr);
            return FALSE;
        default:
            return FALSE;
        }
    }
};

}  // namespace

HWND frmReports::Show(HWND owner) {
    return Show_Modeless_Dialog(std::make_unique<ReportsView>(), IDD_REPORTS, "frmReports", owner);
}

}  // namespace crv
