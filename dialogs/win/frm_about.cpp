#include "dialogs/win/frm_about.h"

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/forms.h"

namespace crv {

std::function<void(HWND, AboutController&)> frmAbout::on_opened;

namespace {

constexpr int Link_Ids[] = {IDC_AB_LBLLINK0, IDC_AB_LBLLINK1, IDC_AB_LBLLINK2};

struct AboutView final : Win32DialogHost {
    AboutController c{*this};
    ImageList logo{32};
    HICON logo_icon = nullptr;
    HCURSOR hand = LoadCursorW(nullptr, MAKEINTRESOURCEW(32649));  // IDC_HAND

    ~AboutView() override {
        if (logo_icon) DestroyIcon(logo_icon);
    }
    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    HWND Control_By_Name(const std::string&) override { return nullptr; }
    int Count_Per_Page(const std::string&) override { return 0; }
    void View_Changed() override { Apply(); }

    void Init(HWND dialog) {
        hwnd = dialog;
        Register_Form(hwnd, "frmAbout");
        // The program's own artwork stands for the maker's logo.
        Load_Standard_Icons(logo);
        if (logo.Has("Computer")) logo_icon = ImageList_GetIcon(logo.Handle(), logo.Index_Of("Computer"), ILD_NORMAL);
        if (logo_icon) SendDlgItemMessageW(hwnd, IDC_AB_IMGLOGO, STM_SETICON, reinterpret_cast<WPARAM>(logo_icon), 0);
        // Dates and numbers in U.S. English, as the rest of the program.
        SetThreadLocale(MAKELCID(0x0409, SORT_DEFAULT));
        c.Form_Load();
        Apply();
        if (frmAbout::on_opened) frmAbout::on_opened(hwnd, c);
    }

    void Apply() {
        if (!hwnd) return;
        Set_Window_Text(Item(IDC_AB_LBLPRODUCT), c.lblProduct);
        Set_Window_Text(Item(IDC_AB_LBLVERSION), c.lblVersion);
        for (std::size_t i = 0; i < 3; ++i) Set_Window_Text(Item(Link_Ids[i]), c.lblLink_caption[i]);
    }

    bool Command(WORD id, WORD code) {
        if (id == IDC_AB_CMDOK || id == IDOK) {
            c.cmdOK_Click();
            return true;
        }
        if (id == IDCANCEL) {
            c.Form_KeyPress(27);
            return true;
        }
        if (code != STN_CLICKED) return false;
        if (id == IDC_AB_IMGLOGO) {
            c.imgLogo_Click();
            return true;
        }
        for (int i = 0; i < 3; ++i)
            if (id == Link_Ids[i]) {
                c.lblLink_Click(i);
                return true;
            }
        return false;
    }

    // The logo and the links show the hand pointer.
    bool Set_Cursor(HWND over) {
        const int id = GetDlgCtrlID(over);
        if (id != IDC_AB_IMGLOGO && id != IDC_AB_LBLLINK0 && id != IDC_AB_LBLLINK1 && id != IDC_AB_LBLLINK2)
            return false;
        SetCursor(hand);
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, TRUE);
        return true;
    }
};

INT_PTR CALLBACK About_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<AboutView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        reinterpret_cast<AboutView*>(lp)->Init(hwnd);
        return TRUE;
    case WM_COMMAND:
        if (view) return view->Command(LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
        return FALSE;
    case WM_SETCURSOR:
        return view && view->Set_Cursor(reinterpret_cast<HWND>(wp)) ? TRUE : FALSE;
    case WM_CLOSE:
        if (view) view->c.cmdOK_Click();
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void frmAbout::Show(HWND owner) {
    AboutView view;
    Run_Modal_Dialog(IDD_ABOUT, Dialog_Owner(owner), About_Proc, reinterpret_cast<LPARAM>(&view));
}

}  // namespace crv
