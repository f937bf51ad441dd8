#include "dialogs/win/frm_full_export.h"

#include <commctrl.h>

#include <map>
#include <memory>
#include <vector>

#include "dialogs/dialog_ids.h"
#include "dialogs/main_window_link.h"
#include "dialogs/win/dialog_view.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/controls/tree_view.h"
#include "platform/win/forms.h"

namespace crv {

std::function<void(HWND, FullExportController&)> frmFullExport::on_opened;

namespace {

constexpr UINT_PTR Selection_Timer = 1;

struct ExportView final : Win32DialogHost {
    explicit ExportView(MainWindowLink& main) : c(*this, main) {}

    FullExportController c;
    ListViewControl lvwComputer;
    TreeViewControl tvwExportFeatures;
    ImageList images{16};
    bool remarks_set = false;
    bool busy = false;  // the Start handler is running
    BusyFocus busy_focus;

    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    HWND Control_By_Name(const std::string& name) override {
        if (name == "lvwComputer") return lvwComputer.Handle();
        if (name == "tvwExportFeatures") return tvwExportFeatures.Handle();
        if (name == "txtSaveTo") return Item(IDC_FE_TXTSAVETO);
        return nullptr;
    }
    int Count_Per_Page(const std::string&) override { return lvwComputer.Count_Per_Page(); }
    void View_Changed() override { Apply(); }

    // The windows a state name stands for.
    std::vector<HWND> Windows_Of(const std::string& name) {
        static const std::map<std::string, std::vector<int>> ids = {
            {"lblScanDate", {IDC_FE_LBLSCANDATE}},
            {"dtpkScanDate", {IDC_FE_DTPKSCANDATE}},
            {"chkSelectAll", {IDC_FE_CHKSELECTALL}},
            {"optExportTo(0)", {IDC_FE_OPTEXPORTTO0}},
            {"optExportTo(1)", {IDC_FE_OPTEXPORTTO1}},
            {"txtSaveTo", {IDC_FE_TXTSAVETO}},
            {"cmdBrowse", {IDC_FE_CMDBROWSE}},
            {"cboExportFormat", {IDC_FE_CBOEXPORTFORMAT}},
            {"cmdExport", {IDC_FE_CMDEXPORT}},
            {"cmdClose", {IDC_FE_CMDCLOSE}},
            {"fraExportOptions",
             {IDC_FE_FRAEXPORTOPTIONS, IDC_FE_LBLEXPORTTO, IDC_FE_OPTEXPORTTO0, IDC_FE_OPTEXPORTTO1, IDC_FE_LBLSAVETO,
              IDC_FE_TXTSAVETO, IDC_FE_CMDBROWSE, IDC_FE_LBLREPORTFORMAT, IDC_FE_CBOEXPORTFORMAT}},
            {"fraNewScan", {IDC_FE_FRANEWSCAN, IDC_FE_TXTSCANREMARKS}},
            {"picProgress", {IDC_FE_LBLHEADER, IDC_FE_LBLPROGRESS, IDC_FE_PBRMAIN, IDC_FE_CMDCANCEL}},
        };
        if (name == "lvwComputer") return {lvwComputer.Handle()};
        if (name == "tvwExportFeatures") return {tvwExportFeatures.Handle()};
        std::vector<HWND> out;
        auto it = ids.find(name);
        if (it != ids.end())
            for (int id : it->second) out.push_back(Item(id));
        return out;
    }

    void Replace_Placeholder(Control& control, int id, bool tree) {
        RECT r = Child_Rect(hwnd, id);
        HWND placeholder = Item(id);
        HWND after = GetWindow(placeholder, GW_HWNDPREV);
        DestroyWindow(placeholder);
        if (tree)
            static_cast<TreeViewControl&>(control).Create(hwnd, id);
        else
            static_cast<ListViewControl&>(control).Create(hwnd, id);
        control.Move(r.left, r.top, r.right - r.left, r.bottom - r.top);
        SetWindowPos(control.Handle(), after ? after : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        if (font) control.Set_Font(font);
    }

    void Init(HWND dialog, const std::string& type, const std::string& key) {
        hwnd = dialog;
        Register_Form(hwnd, "frmFullExport");
        Load_Standard_Icons(images);

        Replace_Placeholder(lvwComputer, IDC_FE_LVWCOMPUTER, false);
        lvwComputer.Set_Image_Lists(&images, &images);
        lvwComputer.Bind(&c.lvwComputer);
        Replace_Placeholder(tvwExportFeatures, IDC_FE_TVWEXPORTFEATURES, true);
        tvwExportFeatures.Set_Image_List(&images);
        tvwExportFeatures.Set_Checkboxes(true);
        tvwExportFeatures.Bind(&c.tvwExportFeatures);
        tvwExportFeatures.on_node_check = [this](TreeNode& node) { c.tvwExportFeatures_NodeCheck(node); };

        HWND combo = Item(IDC_FE_CBOEXPORTFORMAT);
        for (std::size_t i = 0; i < c.cboExportFormat_items.size(); ++i) {
            LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0,
                                      reinterpret_cast<LPARAM>(std::wstring(c.cboExportFormat_items[i].begin(),
                                                                            c.cboExportFormat_items[i].end())
                                                                   .c_str()));
            SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), c.cboExportFormat_item_data[i]);
        }
        // The column fills the list inside its border.
        RECT r{};
        GetClientRect(lvwComputer.Handle(), &r);
        c.twips_per_pixel_x = 1440.0 / lvwComputer.Dpi();
        c.lvwComputer_width = (r.right - r.left) * c.twips_per_pixel_x;

        c.ShowThisForm(type, key);
        if (c.full_export_layout) Full_Export_Layout();
        Watch_Escape(hwnd, &busy);
        SetTimer(hwnd, Selection_Timer, 200, nullptr);
        Apply();
        if (frmFullExport::on_opened) frmFullExport::on_opened(hwnd, c);
    }

    // The date row goes; the lists move up into its place.
    void Full_Export_Layout() {
        RECT picker = Child_Rect(hwnd, IDC_FE_DTPKSCANDATE);
        RECT label = Child_Rect(hwnd, IDC_FE_LBLSCANDATE);
        RECT check = Child_Rect(hwnd, IDC_FE_CHKSELECTALL);
        RECT list = lvwComputer.Bounds();
        RECT header = Child_Rect(hwnd, IDC_FE_LBLHEADERTEXT);
        RECT tree = tvwExportFeatures.Bounds();
        const int top = picker.top;
        const int height = check.top - label.top - lvwComputer.To_Pixels(80);
        lvwComputer.Move(list.left, top, list.right - list.left, height);
        const int header_h = header.bottom - header.top;
        MoveWindow(Item(IDC_FE_LBLHEADERTEXT), header.left, top, header.right - header.left, header_h, TRUE);
        tvwExportFeatures.Move(tree.left, top + header_h, tree.right - tree.left, height - header_h);
    }

    void Read() {
        if (c.Busy()) return;
        c.chkSelectAll = IsDlgButtonChecked(hwnd, IDC_FE_CHKSELECTALL) == BST_CHECKED ? 1 : 0;
        c.optExportTo = IsDlgButtonChecked(hwnd, IDC_FE_OPTEXPORTTO1) == BST_CHECKED ? 1 : 0;
        c.txtSaveTo = Window_Text(Item(IDC_FE_TXTSAVETO));
        LRESULT sel = SendDlgItemMessageW(hwnd, IDC_FE_CBOEXPORTFORMAT, CB_GETCURSEL, 0, 0);
        c.cboExportFormat_index = sel == CB_ERR ? -1 : static_cast<int>(sel);
        SYSTEMTIME t{};
        if (SendDlgItemMessageW(hwnd, IDC_FE_DTPKSCANDATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)) ==
            GDT_VALID)
            c.dtpkScanDate = {t.wYear, t.wMonth, t.wDay};
    }

    void Apply() {
        if (!hwnd) return;
        busy_focus.Note(c.Busy());
        Set_Window_Text(hwnd, c.caption);
        Set_Window_Text(Item(IDC_FE_CMDEXPORT), c.cmdExport_caption);
        Set_Window_Text(Item(IDC_FE_FRAFULLEXPORT), c.fraFullExport_caption);
        if (!remarks_set) {
            Set_Window_Text(Item(IDC_FE_TXTSCANREMARKS), c.txtScanRemarks);
            remarks_set = true;
        }
        Set_Window_Text(Item(IDC_FE_LBLPROGRESS), c.lblProgress);
        SendDlgItemMessageW(hwnd, IDC_FE_PBRMAIN, PBM_SETRANGE32, c.pbrMain_min, c.pbrMain_max);
        SendDlgItemMessageW(hwnd, IDC_FE_PBRMAIN, PBM_SETPOS, c.pbrMain_value, 0);
        if (!c.Busy()) {
            Set_Window_Text(Item(IDC_FE_TXTSAVETO), c.txtSaveTo);
            SendDlgItemMessageW(hwnd, IDC_FE_CBOEXPORTFORMAT, CB_SETCURSEL, static_cast<WPARAM>(c.cboExportFormat_index), 0);
            CheckDlgButton(hwnd, IDC_FE_OPTEXPORTTO0, c.optExportTo == 0 ? BST_CHECKED : BST_UNCHECKED);
            CheckDlgButton(hwnd, IDC_FE_OPTEXPORTTO1, c.optExportTo == 1 ? BST_CHECKED : BST_UNCHECKED);
            CheckDlgButton(hwnd, IDC_FE_CHKSELECTALL, c.chkSelectAll ? BST_CHECKED : BST_UNCHECKED);
            SYSTEMTIME t{};
            t.wYear = static_cast<WORD>(c.dtpkScanDate.year);
            t.wMonth = static_cast<WORD>(c.dtpkScanDate.month);
            t.wDay = static_cast<WORD>(c.dtpkScanDate.day);
            if (t.wYear > 1600) SendDlgItemMessageW(hwnd, IDC_FE_DTPKSCANDATE, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
        }
        // Frames first (their members follow them), then each control's own state.
        for (const char* frame : {"fraExportOptions", "fraNewScan", "picProgress"}) {
            const DialogControlState& st = c.Control(frame);
            for (HWND w : Windows_Of(frame)) ShowWindow(w, st.visible ? SW_SHOWNA : SW_HIDE);
        }
        for (const auto& [name, st] : c.Controls()) {
            if (name == "fraExportOptions" || name == "fraNewScan" || name == "picProgress") continue;
            for (HWND w : Windows_Of(name)) {
                if (!w) continue;
                if (!st.visible) ShowWindow(w, SW_HIDE);
                EnableWindow(w, st.enabled ? TRUE : FALSE);
            }
        }
        busy_focus.Apply(hwnd, Item(IDC_FE_CMDCANCEL), c.Busy());
    }

    void Selection_Timer_Fired() {
        KillTimer(hwnd, Selection_Timer);
        Read();
        c.tmrSelection_Timer();
        Apply();
        for (TreeNode* node : c.tvwExportFeatures.Nodes())
            if (node->checked) tvwExportFeatures.Ensure_Visible(node);
        if (c.tvwExportFeatures.Count() > 0) tvwExportFeatures.Ensure_Visible(c.tvwExportFeatures.Nodes()[0]);
    }

    bool Command(WORD id, WORD code) {
        switch (id) {
        case IDC_FE_CMDEXPORT: {
            Read();
            busy = true;
            c.cmdExport_Click();
            busy = false;
            return true;
        }
        case IDC_FE_CMDCANCEL:
            c.cmdCancel_Click();
            return true;
        case IDC_FE_CMDCLOSE:
            Read();
            c.cmdClose_Click();
            return true;
        case IDCANCEL:
            Read();
            c.Form_KeyPress(27);
            return true;
        case IDOK:
            return true;  // Enter closes nothing
        case IDC_FE_CHKSELECTALL:
            Read();
            c.chkSelectAll_Click();
            return true;
        case IDC_FE_OPTEXPORTTO0:
        case IDC_FE_OPTEXPORTTO1:
            if (code == BN_CLICKED && !c.Busy()) {
                Read();
                c.optExportTo_Click(id == IDC_FE_OPTEXPORTTO0 ? 0 : 1);
            }
            return true;
        case IDC_FE_CMDBROWSE:
            Read();
            c.cmdBrowse_Click();
            return true;
        case IDC_FE_TXTSAVETO:
            if (code == EN_SETFOCUS) SendDlgItemMessageW(hwnd, id, EM_SETSEL, 0, -1);
            return true;
        case IDC_FE_LBLLINK:
            if (code == STN_CLICKED) c.lblLink_Click();
            return true;
        default:
            return false;
        }
    }
};

struct InitArgs {
    ExportView* view;
    std::string type;
    std::string key;
};

INT_PTR CALLBACK Export_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* view = reinterpret_cast<ExportView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        auto* args = reinterpret_cast<InitArgs*>(lp);
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(args->view));
        args->view->Init(hwnd, args->type, args->key);
        return TRUE;
    }
    case WM_COMMAND:
        if (view) return view->Command(LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
        return FALSE;
    case WM_TIMER:
        if (view && wp == Selection_Timer) view->Selection_Timer_Fired();
        return TRUE;
    case WM_CLOSE:
        // The close box: while a run is busy it cancels the run instead.
        if (view) {
            view->Read();
            view->c.Request_Unload();
        }
        return TRUE;
    case WM_DESTROY:
        if (view) {
            view->lvwComputer.Bind(nullptr);
            view->tvwExportFeatures.Bind(nullptr);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void frmFullExport::ShowThisForm(const std::string& strType, const std::string& strDefaultKey, MainWindowLink& main,
                                 HWND owner) {
    ExportView view(main);
    InitArgs args{&view, strType, strDefaultKey};
    Run_Modal_Dialog(IDD_FULL_EXPORT, Dialog_Owner(owner), Export_Proc, reinterpret_cast<LPARAM>(&args));
}

void frmFullExport::ShowThisForm(const std::string& strType, const std::string& strDefaultKey, MainController& main,
                                 HWND owner) {
    MainControllerLink link(main);
    ShowThisForm(strType, strDefaultKey, link, owner);
}

}  // namespace crv
