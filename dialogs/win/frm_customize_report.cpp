#include "dialogs/win/frm_customize_report.h"

#include <commctrl.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/forms.h"

namespace crv {

std::function<void(HWND, CustomizeReportController&)> frmCustomizeReport::on_opened;

namespace {

struct CustomizeView final : Win32DialogHost {
    CustomizeView(std::function<void()> refresh) : c(*this, std::move(refresh)) {}

    CustomizeReportController c;
    ListViewControl lvwComputers;
    ListViewControl lvwProperties;
    ImageList ilsCustom{16};
    HWND tips = nullptr;
    HICON width_icon = nullptr;

    ~CustomizeView() override {
        if (width_icon) DestroyIcon(width_icon);
    }

    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    HWND Control_By_Name(const std::string& name) override {
        if (name == "lvwComputers") return lvwComputers.Handle();
        if (name == "lvwProperties") return lvwProperties.Handle();
        return nullptr;
    }
    int Count_Per_Page(const std::string& name) override {
        return name == "lvwProperties" ? lvwProperties.Count_Per_Page() : lvwComputers.Count_Per_Page();
    }
    void View_Changed() override { Apply(); }

    void Place_List(ListViewControl& list, int id, HFONT font, ListModel& model) {
        RECT r = Child_Rect(hwnd, id);
        DestroyWindow(Item(id));
        list.Create(hwnd, id);
        list.Move(r.left, r.top, r.right - r.left, r.bottom - r.top);
        if (font) list.Set_Font(font);
        list.Set_Image_Lists(&ilsCustom, &ilsCustom);
        list.Bind(&model);
    }

    double Client_Width_Twips(const ListViewControl& list) const {
        RECT inside{};
        GetClientRect(list.Handle(), &inside);
        return (inside.right - inside.left) * 1440.0 / list.Dpi();
    }

    void Init(HWND dialog) {
        hwnd = dialog;
        Register_Form(hwnd, "frmCustomizeReport");
        Load_Standard_Icons(ilsCustom);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        Place_List(lvwComputers, IDC_CR_LVWCOMPUTERS, font, c.lvwComputers);
        Place_List(lvwProperties, IDC_CR_LVWPROPERTIES, font, c.lvwProperties);
        // Both lists sit before the check boxes in the tab order.
        SetWindowPos(lvwComputers.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetWindowPos(lvwProperties.Handle(), Item(IDC_CR_CHKCMPSELECTALL), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        lvwComputers.on_item_check = [this](std::size_t) { c.lvwComputers_ItemCheck(); };
        lvwProperties.on_item_check = [this](std::size_t) { c.lvwProperties_ItemCheck(); };

        if (ilsCustom.Has("Refresh"))
            width_icon = ImageList_GetIcon(ilsCustom.Handle(), ilsCustom.Index_Of("Refresh"), ILD_NORMAL);
        SendDlgItemMessageW(hwnd, IDC_CR_CMDSETDEFAULTWIDTH, BM_SETIMAGE, IMAGE_ICON,
                            reinterpret_cast<LPARAM>(width_icon));
        tips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd;
        ti.uId = reinterpret_cast<UINT_PTR>(Item(IDC_CR_CMDSETDEFAULTWIDTH));
        ti.lpszText = const_cast<wchar_t*>(L"Set every column of the report back to the default width");
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));

        c.twips_per_pixel_x = 1440.0 / lvwComputers.Dpi();
        c.lvwComputers_width = Client_Width_Twips(lvwComputers);
        c.lvwProperties_width = Client_Width_Twips(lvwProperties);
        c.Form_Load();
        Apply();
        if (frmCustomizeReport::on_opened) frmCustomizeReport::on_opened(hwnd, c);
    }

    void Read() {
        c.chkCmpSelectAll = IsDlgButtonChecked(hwnd, IDC_CR_CHKCMPSELECTALL) == BST_CHECKED ? 1 : 0;
        c.chkProprtySelectDefault = IsDlgButtonChecked(hwnd, IDC_CR_CHKPROPRTYSELECTDEFAULT) == BST_CHECKED ? 1 : 0;
    }
    void Apply() {
        if (!hwnd) return;
        Set_Window_Text(hwnd, c.caption);
        EnableWindow(Item(IDC_CR_CMDSAVE), c.cmdSave_enabled ? TRUE : FALSE);
    }

    bool Command(WORD id, WORD code) {
        switch (id) {
        case IDC_CR_CHKCMPSELECTALL:
            Read();
            c.chkCmpSelectAll_Click();
            return true;
        case IDC_CR_CHKPROPRTYSELECTDEFAULT:
            Read();
            c.chkProprtySelectDefault_Click();
            return true;
        case IDC_CR_CMDSAVE:
            c.cmdSave_Click();
            return true;
        case IDC_CR_CMDSETDEFAULTWIDTH:
            c.cmdSetDefaultWidth_Click();
            return true;
        case IDC_CR_CMDCLOSE:
            c.cmdClose_Click();
            return true;
        case IDC_CR_LBLLINK:
            if (code == STN_CLICKED) c.lblLink_Click();
            return true;
        case IDCANCEL:
            c.Form_KeyPress(27);
            return true;
        case IDOK:
            return true;
        default:
            return false;
        }
    }
};

INT_PTR CALLBACK Customize_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<CustomizeView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        reinterpret_cast<CustomizeView*>(lp)->Init(hwnd);
        return TRUE;
    case WM_COMMAND:
        if (view) return view->Command(LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
        return FALSE;
    case WM_CLOSE:
        if (view) view->c.cmdClose_Click();
        return TRUE;
    case WM_DESTROY:
        if (view) {
            view->lvwComputers.Bind(nullptr);
            view->lvwProperties.Bind(nullptr);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void frmCustomizeReport::Show_This_Form(std::int32_t lngGroupID, const std::string& strReport,
                                        std::function<void()> refresh_report, HWND owner) {
    CustomizeView view(std::move(refresh_report));
    view.c.Show_This_Form(lngGroupID, strReport);
    Run_Modal_Dialog(IDD_CUSTOMIZE_REPORT, Dialog_Owner(owner), Customize_Proc, reinterpret_cast<LPARAM>(&view));
}

}  // namespace crv
