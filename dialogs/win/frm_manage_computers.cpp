#include "dialogs/win/frm_manage_computers.h"

#include <commctrl.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/forms.h"
#include "platform/win/text.h"
#include "wmi/win/net_server_port.h"

namespace crv {

std::function<void(HWND, ManageComputersController&)> frmManageComputers::on_opened;

namespace {

struct ManageView final : Win32DialogHost {
    ManageComputersController c{*this};
    ListViewControl lvwComputer;
    ImageList ilsCustom{16};
    HWND tips = nullptr;
    HICON import_icon = nullptr, export_icon = nullptr;
    bool editor_shown = false;  // the editor's text was set when it opened
    BusyFocus busy_focus;
    bool destroyed = false;     // WM_DESTROY has run: no control is touched

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
        if (name == "txtUName") return Item(IDC_MC_TXTUNAME);
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
        lvwComputer.on_click = [this](const MouseEvent& e) { List_Mouse_Up(e); };
        lvwComputer.on_mouse_up = [this](const MouseEvent& e) {
            if (e.button == Mouse_Middle) List_Mouse_Up(e);
        };
        c.network = &Net_Api_Server_Port();

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
        if (c.Busy() || destroyed) return;
        if (c.txtUName_visible) c.txtUName = Window_Text(Item(IDC_MC_TXTUNAME));
        c.txtComputer = Window_Text(Item(IDC_MC_TXTCOMPUTER));
        c.txtUserName = Window_Text(Item(IDC_MC_TXTUSERNAME));
        c.txtPassword = Window_Text(Item(IDC_MC_TXTPASSWORD));
        c.chkSelectAll = IsDlgButtonChecked(hwnd, IDC_MC_CHKSELECTALL) == BST_CHECKED ? 1 : 0;
    }
    void Apply() {
        if (!hwnd || destroyed) return;
        Set_Window_Text(Item(IDC_MC_TXTCOMPUTER), c.txtComputer);
        Set_Window_Text(Item(IDC_MC_TXTUSERNAME), c.txtUserName);
        Set_Window_Text(Item(IDC_MC_TXTPASSWORD), c.txtPassword);
        Apply_Busy();
        Apply_Editor();
    }

    // While Browse runs the busy panel shows and only its Cancel works.
    void Apply_Busy() {
        const bool busy = c.Busy();
        busy_focus.Note(busy);
        for (int id : {IDC_MC_LBLHEADER, IDC_MC_LBLPROGRESS, IDC_MC_PBRPROGRESS, IDC_MC_CMDCANCEL}) {
            HWND w = Item(id);
            if (c.picProgress_visible) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            ShowWindow(w, c.picProgress_visible ? SW_SHOWNA : SW_HIDE);
        }
        SendDlgItemMessageW(hwnd, IDC_MC_PBRPROGRESS, PBM_SETRANGE32, c.pbrProgress_min, c.pbrProgress_max);
        SendDlgItemMessageW(hwnd, IDC_MC_PBRPROGRESS, PBM_SETPOS, c.pbrProgress_value, 0);
        for (int id : {IDC_MC_TXTCOMPUTER, IDC_MC_TXTUSERNAME, IDC_MC_TXTPASSWORD, IDC_MC_CMDADD, IDC_MC_CMDBROWSE,
                       IDC_MC_CMDIMPORT, IDC_MC_CMDEXPORT, IDC_MC_CHKSELECTALL, IDC_MC_CMDDELETE, IDC_MC_LBLUNPWD,
                       IDC_MC_LBLLINK, IDC_MC_CMDCLOSE})
            EnableWindow(Item(id), busy ? FALSE : TRUE);
        lvwComputer.Enable(!busy);
        busy_focus.Apply(hwnd, Item(IDC_MC_CMDCANCEL), busy);
    }

    // The editor lies over the cell it edits (one pixel over its grid lines).
    void Apply_Editor() {
        HWND editor = Item(IDC_MC_TXTUNAME);
        if (!c.txtUName_visible) {
            editor_shown = false;
            ShowWindow(editor, SW_HIDE);
            return;
        }
        auto index = c.lvwComputer.Index_Of("DEV" + std::to_string(c.lvwComputer_tag));
        auto cell = index ? lvwComputer.Sub_Item_Rect(*index, static_cast<std::size_t>(c.txtUName_tag))
                          : std::optional<RECT>();
        if (!cell) return;
        MapWindowPoints(lvwComputer.Handle(), hwnd, reinterpret_cast<POINT*>(&*cell), 2);
        if (!editor_shown) {
            SendMessageW(editor, EM_SETPASSWORDCHAR, c.txtUName_masked ? 0x2022 : 0, 0);
            Set_Window_Text(editor, c.txtUName);
            editor_shown = true;
        }
        SetWindowPos(editor, HWND_TOP, cell->left, cell->top, cell->right - cell->left + 1,
                     cell->bottom - cell->top + 1, SWP_SHOWWINDOW);
        InvalidateRect(editor, nullptr, TRUE);
    }

    void List_Mouse_Up(const MouseEvent& e) {
        if (c.Busy() || destroyed) return;
        auto row = lvwComputer.Row_At(e.x, e.y);
        double l2 = 0, l3 = 0, w3 = 0;
        if (row) {
            auto c2 = lvwComputer.Sub_Item_Rect(*row, 1);
            auto c3 = lvwComputer.Sub_Item_Rect(*row, 2);
            if (c2 && c3) {
                l2 = c2->left;
                l3 = c3->left;
                w3 = c3->right - c3->left;
            }
        }
        Read();
        c.lvwComputer_MouseUp(row, e.x, l2, l3, w3);
    }

    bool Command(WORD id, WORD code) {
        if (destroyed) return true;
        // No command starts inside Browse's loop; Close and Esc cancel it.
        if (c.Busy() && id != IDC_MC_CMDCANCEL && id != IDCANCEL && id != IDC_MC_CMDCLOSE) return true;
        switch (id) {
        case IDC_MC_CMDBROWSE:
            Read();
            c.cmdBrowse_Click();
            return true;
        case IDC_MC_CMDCANCEL:
            c.cmdCancel_Click();
            return true;
        case IDC_MC_CMDIMPORT:
            Read();
            c.cmdImport_Click();
            return true;
        case IDC_MC_CMDEXPORT:
            Read();
            c.cmdExport_Click();
            return true;
        case IDC_MC_LBLUNPWD:
            if (code == STN_CLICKED) {
                Read();
                c.lblUNPwd_Click();
            }
            return true;
        case IDC_MC_TXTUNAME:
            if (code == EN_KILLFOCUS && c.txtUName_visible) {
                Read();
                c.txtUName_LostFocus();
            }
            return true;
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
            Read();
            c.cmdClose_Click();
            return true;
        case IDC_MC_LBLLINK:
            if (code == STN_CLICKED) c.lblLink_Click();
            return true;
        case IDCANCEL:
            Read();
            c.Form_KeyPress(27);
            return true;
        case IDOK: {
            // Enter: the box that has the focus decides; in the editor it
            // ends the edit (the list takes the focus, the edit is saved).
            Read();
            HWND focus = GetFocus();
            if (focus == Item(IDC_MC_TXTUNAME)) {
                lvwComputer.Focus();
                return true;
            }
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
        // The close box: while Browse runs it cancels instead.
        if (view) {
            view->Read();
            view->c.cmdClose_Click();
        }
        return TRUE;
    case WM_DESTROY:
        if (view) {
            view->destroyed = true;
            view->lvwComputer.Bind(nullptr);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void frmManageComputers::Show(HWND owner) {
    ManageView view;
    Run_Modal_Dialog(IDD_MANAGE_COMPUTERS, Dialog_Owner(owner), Manage_Proc, reinterpret_cast<LPARAM>(&view));
}

}  // namespace crv
