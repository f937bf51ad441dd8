#include "dialogs/win/frm_manage_computers.h"

#include <commctrl.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/forms.h"
#include "platform/win/text.h"

namespace crv {

std::function<void(HWND, ManageComputersController&)> frmManageComputers::on_opened;

namespace {

struct ManageView final : Win32DialogHost {
    ManageComputersController c{*this};
    ListViewControl lvwComputer;
    ImageList ilsCustom{16};
    HWND tips = nullptr;
    HICON import_icon = nullptr, export_icon = nullptr;

    ~ManageView() override {
        if (import_icon) DestroyIcon(import_icon);
        if (export_icon) DestroyIcon(export_icon);
    }

    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    HWND Control_By_Name(const std::string& name) override {
        if (name == "txtComputer") return Item(IDC_MC_TXTCOMPUTER);
        if (name == "txtUserName") return Item(IDC_MC_TXTUSERNAME);
        if (name == "txtPassword") return Item(IDC_MC_TXTPASSWORD);
        if (name == "lvwComputer") return lvwComputer.Handle();
        return nullptr;
    }
    int Count_Per_Page(const std::string&) override { return lvwComputer.Count_Per_Page(); }
    void View_Changed() override { Apply(); }

    void Add_Tip(int id, const wchar_t* text) {
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd;
        ti.uId = reinterpret_cast<UINT_PTR>(Item(id));
        ti.lpszText = const_cast<wchar_t*>(text);
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }

    void Init(HWND dialog) {
        hwnd = dialog;
        Register_Form(hwnd, "frmManageComputers");
        Load_Standard_Icons(ilsCustom);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));

        // Set_Button_Pictures
        if (ilsCustom.Has("File")) import_icon = ImageList_GetIcon(ilsCustom.Handle(), ilsCustom.Index_Of("File"), ILD_NORMAL);
        if (ilsCustom.Has("QuickExport"))
            export_icon = ImageList_GetIcon(ilsCustom.Handle(), ilsCustom.Index_Of("QuickExport"), ILD_NORMAL);
        SendDlgItemMessageW(hwnd, IDC_MC_CMDIMPORT, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(import_icon));
        SendDlgItemMessageW(hwnd, IDC_MC_CMDEXPORT, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(export_icon));
        tips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        Add_Tip(IDC_MC_CMDBROWSE, L"Browse for computers in the network.");
        Add_Tip(IDC_MC_CMDIMPORT, L"Import computers from a text file");
        Add_Tip(IDC_MC_CMDEXPORT, L"Export computers to a text file");

        // The list takes its placeholder's place.
        RECT r = Child_Rect(hwnd, IDC_MC_LVWCOMPUTER);
        DestroyWindow(Item(IDC_MC_LVWCOMPUTER));
        lvwComputer.Create(hwnd, IDC_MC_LVWCOMPUTER);
        lvwComputer.Move(r.left, r.top, r.right - r.left, r.bottom - r.top);
        SetWindowPos(lvwComputer.Handle(), Item(IDC_MC_TXTCOMPUTER), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (font) lvwComputer.Set_Font(font);
        lvwComputer.Set_Image_Lists(&ilsCustom, &ilsCustom);
        lvwComputer.Bind(&c.lvwComputer);

        // The store keeps 255 characters of each credential.
        SendDlgItemMessageW(hwnd, IDC_MC_TXTUSERNAME, EM_LIMITTEXT, Credential_Max_Length, 0);
        SendDlgItemMessageW(hwnd, IDC_MC_TXTPASSWORD, EM_LIMITTEXT, Credential_Max_Length, 0);
        SendDlgItemMessageW(hwnd, IDC_MC_TXTPASSWORD, EM_SETPASSWORDCHAR, 0x2022, 0);
        SendDlgItemMessageW(hwnd, IDC_MC_TXTUNAME, EM_LIMITTEXT, Credential_Max_Length, 0);

        RECT t = Child_Rect(hwnd, IDC_MC_TXTCOMPUTER);
        const double tpp = 1440.0 / lvwComputer.Dpi();
        c.twips_per_pixel_x = tpp;
        c.txtComputer_width = (t.right - t.left) * tpp;
        RECT inside{};
        GetClientRect(lvwComputer.Handle(), &inside);
        c.lvwComputer_width = (inside.right - inside.left) * tpp;
        c.Form_Load();
        Apply();
        if (frmManageComputers::on_opened) frmManageComputers::on_opened(hwnd, c);
    }

    void Read() {
        c.txtComputer = Window_Text(Item(IDC_MC_TXTCOMPUTER));
        c.txtUserName = Window_Text(Item(IDC_MC_TXTUSERNAME));
        c.txtPassword = Window_Text(Item(IDC_MC_TXTPASSWORD));
        c.chkSelectAll = IsDlgButtonChecked(hwnd, IDC_MC_CHKSELECTALL) == BST_CHECKED ? 1 : 0;
    }
    void Apply() {
        if (!hwnd) return;
        Set_Window_Text(Item(IDC_MC_TXTCOMPUTER), c.txtComputer);
        Set_Window_Text(Item(IDC_MC_TXTUSERNAME), c.txtUserName);
        Set_Window_Text(Item(IDC_MC_TXTPASSWORD), c.txtPassword);
    }

    bool Command(WORD id, WORD code) {
        switch (id) {
        case IDC_MC_CMDADD:
            Read();
            c.cmdAdd_Click();
            return true;
        case IDC_MC_CMDDELETE:
            Read();
            c.cmdDelete_Click();
            return true;
        case IDC_MC_CHKSELECTALL:
            Read();
            c.chkSelectAll_Click();
            return true;
        case IDC_MC_CMDCLOSE:
            c.cmdClose_Click();
            return true;
        case IDC_MC_LBLLINK:
            if (code == STN_CLICKED) c.lblLink_Click();
            return true;
        case IDCANCEL:
            c.Form_KeyPress(27);
            return true;
        case IDOK: {
            // Enter: the box that has the focus decides.
            Read();
            HWND focus = GetFocus();
            for (const char* name : {"txtComputer", "txtUserName", "txtPassword"})
                if (focus == Control_By_Name(name)) {
                    c.Text_KeyPress(name, 13);
                    break;
                }
            return true;
        }
        case IDC_MC_TXTCOMPUTER:
        case IDC_MC_TXTUSERNAME:
        case IDC_MC_TXTPASSWORD:
            if (code == EN_SETFOCUS) SendDlgItemMessageW(hwnd, id, EM_SETSEL, 0, -1);
            return true;
        default:
            return false;
        }
    }
};

INT_PTR CALLBACK Manage_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<ManageView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        reinterpret_cast<ManageView*>(lp)->Init(hwnd);
        return TRUE;
    case WM_COMMAND:
        if (view) return view->Command(LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
        return FALSE;
    case WM_CLOSE:
        if (view) view->c.cmdClose_Click();
        return TRUE;
    case WM_DESTROY:
        if (view) view->lvwComputer.Bind(nullptr);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void frmManageComputers::Show(HWND owner) {
    ManageView view;
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MANAGE_COMPUTERS), Dialog_Owner(owner),
                    Manage_Proc, reinterpret_cast<LPARAM>(&view));
}

}  // namespace crv
