#include "dialogs/win/frm_choose_props.h"

#include <commctrl.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/controls/tree_view.h"
#include "platform/win/forms.h"

namespace crv {

std::function<void(HWND, ChoosePropsController&)> frmChooseProps::on_opened;

namespace {

struct ChoosePropsView final : Win32DialogHost {
    ChoosePropsController c{*this};
    TreeViewControl tvwFeatures;
    ListViewControl lvwProperties;
    ImageList ilsMain{16};

    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    HWND Control_By_Name(const std::string& name) override {
        if (name == "tvwFeatures") return tvwFeatures.Handle();
        if (name == "lvwProperties") return lvwProperties.Handle();
        return nullptr;
    }
    int Count_Per_Page(const std::string&) override { return lvwProperties.Count_Per_Page(); }
    void View_Changed() override { Apply(); }

    void Init(HWND dialog, const std::string& key) {
        hwnd = dialog;
        Register_Form(hwnd, "frmChooseProps");
        Load_Standard_Icons(ilsMain);
        Replace_Placeholder(hwnd, tvwFeatures, IDC_CP_TVWFEATURES, [this] { tvwFeatures.Create(hwnd, IDC_CP_TVWFEATURES); });
        tvwFeatures.Set_Image_List(&ilsMain);
        tvwFeatures.Bind(&c.tvwFeatures);
        tvwFeatures.on_node_click = [this](TreeNode& node) { c.tvwFeatures_NodeClick(node); };
        Replace_Placeholder(hwnd, lvwProperties, IDC_CP_LVWPROPERTIES,
                            [this] { lvwProperties.Create(hwnd, IDC_CP_LVWPROPERTIES); });
        lvwProperties.Set_Image_Lists(&ilsMain, &ilsMain);
        c.lvwProperties.checkboxes = true;
        lvwProperties.Bind(&c.lvwProperties);
        lvwProperties.on_item_check = [this](std::size_t) { c.lvwProperties_ItemCheck(); };
        c.Show_This_Form(key);
        c.Form_Load();
        // The one column fills the list inside its border.
        RECT inside{};
        GetClientRect(lvwProperties.Handle(), &inside);
        if (c.lvwProperties.Column_Count() > 0) {
            c.lvwProperties.Column(0).width_twips = lvwProperties.To_Twips(inside.right - inside.left - 4);
            c.lvwProperties.Notify();
        }
        if (c.tvwFeatures.selected) {
            tvwFeatures.Expand(c.tvwFeatures.selected);
            tvwFeatures.Ensure_Visible(c.tvwFeatures.selected);
        }
        Apply();
        if (frmChooseProps::on_opened) frmChooseProps::on_opened(hwnd, c);
    }

    void Apply() {
        if (!hwnd) return;
        EnableWindow(Item(IDC_CP_CMDSAVE), c.cmdSave_enabled ? TRUE : FALSE);
        Set_Window_Text(Item(IDC_CP_LBLLINK), c.lblLink);
    }

    bool Command(WORD id, WORD code) {
        switch (id) {
        case IDC_CP_CHKSELECTALLITEMS:
            if (code != BN_CLICKED) return true;
            c.chkSelectAllItems = IsDlgButtonChecked(hwnd, id) == BST_CHECKED ? 1 : 0;
            c.chkSelectAllItems_Click();
            return true;
        case IDC_CP_CMDMOVEUP:
            c.cmdMoveUp_Click();
            return true;
        case IDC_CP_CMDMOVEDOWN:
            c.cmdMoveDown_Click();
            return true;
        case IDC_CP_CMDRESETORDER:
            c.cmdResetOrder_Click();
            return true;
        case IDC_CP_CMDSAVE:
            c.cmdSave_Click();
            return true;
        case IDC_CP_CMDCLOSE:
            c.cmdClose_Click();
            return true;
        case IDCANCEL:
            c.Form_KeyPress(27);
            return true;
        case IDOK:
            return true;  // Enter closes nothing
        default:
            return false;
        }
    }
};

struct InitArgs {
    ChoosePropsView* view;
    std::string key;
};

INT_PTR CALLBACK Choose_Props_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<ChoosePropsView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        auto* args = reinterpret_cast<InitArgs*>(lp);
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(args->view));
        args->view->Init(hwnd, args->key);
        return TRUE;
    }
    case WM_COMMAND:
        if (view) return view->Command(LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
        return FALSE;
    case WM_CLOSE:
        // The close box asks nothing.
        if (view && !view->c.Form_QueryUnload(false)) view->Close();
        return TRUE;
    case WM_DESTROY:
        if (view) {
            view->tvwFeatures.Bind(nullptr);
            view->lvwProperties.Bind(nullptr);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void frmChooseProps::Show_This_Form(const std::string& strSelectKey, HWND owner) {
    ChoosePropsView view;
    InitArgs args{&view, strSelectKey};
    Run_Modal_Dialog(IDD_CHOOSE_PROPS, Dialog_Owner(owner), Choose_Props_Proc, reinterpret_cast<LPARAM>(&args));
}

}  // namespace crv
