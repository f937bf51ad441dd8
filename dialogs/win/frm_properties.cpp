#include "dialogs/win/frm_properties.h"

#include <commctrl.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/forms.h"

namespace crv {

std::function<void(HWND, PropertiesController&)> frmProperties::on_opened;

namespace {

struct PropertiesView final : Win32DialogHost {
    PropertiesController c{*this};
    ListViewControl lvwProperties;
    ImageList ilsProperties{16};
    HFONT link_font = nullptr;

    ~PropertiesView() override {
        if (link_font) DeleteObject(link_font);
    }

    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    HWND Control_By_Name(const std::string& name) override {
        if (name == "lvwProperties") return lvwProperties.Handle();
        if (name == "cmdSave") return Item(IDC_PR_CMDSAVE);
        if (name == "cmdClose") return Item(IDC_PR_CMDCLOSE);
        return nullptr;
    }
    int Count_Per_Page(const std::string&) override { return lvwProperties.Count_Per_Page(); }
    void View_Changed() override { Apply(); }

    void Init(HWND dialog) {
        hwnd = dialog;
        Register_Form(hwnd, "frmProperties");
        Load_Standard_Icons(ilsProperties);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));

        // The list takes its placeholder's place, first in the tab order.
        RECT r = Child_Rect(hwnd, IDC_PR_LVWPROPERTIES);
        DestroyWindow(Item(IDC_PR_LVWPROPERTIES));
        lvwProperties.Create(hwnd, IDC_PR_LVWPROPERTIES);
        lvwProperties.Move(r.left, r.top, r.right - r.left, r.bottom - r.top);
        SetWindowPos(lvwProperties.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (font) lvwProperties.Set_Font(font);
        lvwProperties.Set_Extended_Style(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                                         LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        lvwProperties.Set_Image_Lists(&ilsProperties, &ilsProperties);
        lvwProperties.Bind(&c.lvwProperties);
        lvwProperties.on_double_click = [this] { c.lvwProperties_DblClick(); };
        lvwProperties.on_key_press = [this](int key_ascii) { return c.lvwProperties_KeyPress(key_ascii); };

        // The retrieve label reads as a link.
        LOGFONTW lf{};
        if (font && GetObjectW(font, sizeof lf, &lf)) {
            lf.lfUnderline = TRUE;
            link_font = CreateFontIndirectW(&lf);
            SendDlgItemMessageW(hwnd, IDC_PR_LBLRETRIEVEPROPS, WM_SETFONT, reinterpret_cast<WPARAM>(link_font), 0);
        }

        c.Form_Load();
        Apply();
        SetFocus(lvwProperties.Handle());
        if (frmProperties::on_opened) frmProperties::on_opened(hwnd, c);
    }

    void Apply() {
        if (!hwnd) return;
        EnableWindow(Item(IDC_PR_CMDSAVE), c.cmdSave_enabled ? TRUE : FALSE);
    }

    bool Command(WORD id, WORD code) {
        switch (id) {
        case IDC_PR_CMDSAVE:
            c.cmdSave_Click();
            return true;
        case IDC_PR_CMDCLOSE:
            c.cmdClose_Click();
            return true;
        case IDC_PR_LBLRETRIEVEPROPS:
            if (code == STN_CLICKED) c.lblRetrieveProps_Click();
            return true;
        case IDCANCEL:  // Esc
            c.Form_KeyPress(27);
            return true;
        case IDOK:  // Enter in the list edits the selected row
            if (GetFocus() == lvwProperties.Handle()) c.lvwProperties_KeyPress(13);
            return true;
        default:
            return false;
        }
    }
};

INT_PTR CALLBACK Properties_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<PropertiesView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        reinterpret_cast<PropertiesView*>(lp)->Init(hwnd);
        return FALSE;  // the focus is set
    case WM_COMMAND:
        if (view) return view->Command(LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
        return FALSE;
    case WM_CTLCOLORSTATIC:
        // The link label in the link colour.
        if (reinterpret_cast<HWND>(lp) == GetDlgItem(hwnd, IDC_PR_LBLRETRIEVEPROPS)) {
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, RGB(0, 0, 255));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return FALSE;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wp) == GetDlgItem(hwnd, IDC_PR_LBLRETRIEVEPROPS)) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:  // the close box asks like Close
        if (view) view->c.cmdClose_Click();
        return TRUE;
    case WM_DESTROY:
        if (view) view->lvwProperties.Bind(nullptr);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

int frmProperties::ShowThisForm(std::int32_t lngDeviceID, HWND owner) {
    PropertiesView view;
    view.c.ShowThisForm(lngDeviceID);
    Run_Modal_Dialog(IDD_PROPERTIES, Dialog_Owner(owner), Properties_Proc, reinterpret_cast<LPARAM>(&view));
    return 0;
}

}  // namespace crv
