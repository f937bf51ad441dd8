// The bare limit of Corvalin's start-up: the same manifest and the same
// controls as the main window, made the shortest way and shown idle: the
// menus from the program's own tables, the eight toolbars in their two
// rebars (the scan toolbar on its panel with the date box), the image list
// from the program's one strip, both tree views, the owner-data list, the status bar with the
// program's panels and the (hidden) progress panel. The start-up benchmark
// times it beside the real program.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "mainwindow/main_commands.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"

namespace {

std::wstring W(const std::string& s) {
    std::wstring w(s.size(), L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(),
                                      static_cast<int>(w.size()));
    w.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return w;
}

int next_id = 1000;

void Build_Menu(HMENU parent, const std::vector<crv::MenuItem>& items) {
    for (const crv::MenuItem& m : items) {
        if (m.separator) {
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        } else if (!m.children.empty()) {
            HMENU sub = CreatePopupMenu();
            Build_Menu(sub, m.children);
            AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), W(m.caption).c_str());
        } else {
            std::string caption = m.caption;
            if (!m.shortcut.empty()) caption += "\t" + m.shortcut;
            AppendMenuW(parent, MF_STRING, static_cast<UINT_PTR>(next_id++), W(caption).c_str());
        }
    }
}

HWND Make_Toolbar(HWND parent, const crv::ToolbarDef& def, HIMAGELIST images) {
    HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                   CCS_NODIVIDER | CCS_NOPARENTALIGN,
                               0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    std::vector<TBBUTTON> buttons;
    for (std::size_t i = 0; i < def.buttons.size(); ++i) {
        TBBUTTON b{};
        b.iBitmap = static_cast<int>(i);
        b.idCommand = next_id++;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = static_cast<BYTE>(def.buttons[i].check_button ? BTNS_CHECK : BTNS_BUTTON);
        buttons.push_back(b);
    }
    SendMessageW(bar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(bar, TB_AUTOSIZE, 0, 0);
    return bar;
}

void Add_Band(HWND rebar, HWND child, int width, bool new_row, bool visible) {
    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
    band.fStyle = RBBS_CHILDEDGE | (new_row ? RBBS_BREAK : 0) | (visible ? 0 : RBBS_HIDDEN);
    band.hwndChild = child;
    band.cxMinChild = 0;
    band.cyMinChild = 22;
    band.cx = width;
    SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

HWND Make_Rebar(HWND top) {
    return CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                               RBS_BANDBORDERS | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                           0, 0, 1000, 30, top, nullptr, GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(h, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                                          ICC_COOL_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = inst;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"CorvalinBare";
    RegisterClassExW(&wc);
    HMENU menu = CreateMenu();
    Build_Menu(menu, crv::Main_Menu_Bar());
    HWND top = CreateWindowExW(0, L"CorvalinBare", L"Corvalin", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                               CW_USEDEFAULT, 1024, 720, nullptr, menu, inst, nullptr);
    crv::ImageList image_list;
    crv::Load_Standard_Icons(image_list);  // the built strip, in one call
    HIMAGELIST images = image_list.Handle();

    HWND main_bar = Make_Rebar(top), scan_bar = Make_Rebar(top);
    for (const crv::ToolbarDef& def : crv::Main_Toolbars()) {
        if (def.band_key.empty()) {
            HWND panel = CreateWindowExW(0, L"CorvalinBare", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 320,
                                         26, scan_bar, nullptr, inst, nullptr);
            HWND bar = Make_Toolbar(panel, def, images);
            SIZE ideal{};
            SendMessageW(bar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
            MoveWindow(bar, 0, 0, ideal.cx, ideal.cy, FALSE);
            HWND label = CreateWindowExW(0, L"STATIC", L"Scan Date:", WS_CHILD | WS_VISIBLE, ideal.cx + 4, 5, 64, 18,
                                         panel, nullptr, inst, nullptr);
            HWND date = CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
                                        ideal.cx + 70, 1, 120, 200, panel, nullptr, inst, nullptr);
            (void)label;
            (void)date;
            Add_Band(scan_bar, panel, MulDiv(4755, 96, 1440), false, true);
            continue;
        }
        HWND bar = Make_Toolbar(main_bar, def, images);
        Add_Band(main_bar, bar, MulDiv(static_cast<int>(def.band_width_twips), 96, 1440), def.new_row, def.visible);
    }
    RECT bars;
    GetWindowRect(main_bar, &bars);
    const int y = bars.bottom - bars.top;
    const DWORD tree_style = WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    HWND devices = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", tree_style, 0, y, 300, 300, top, nullptr,
                                   inst, nullptr);
    HWND features = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", tree_style, 0, y + 300, 300, 320, top,
                                    nullptr, inst, nullptr);
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 304, y, 700,
                                620, top, nullptr, inst, nullptr);
    for (HWND tree : {devices, features}) SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 200;
        column.pszText = const_cast<wchar_t*>(c ? L"Value" : L"Property");
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, top,
                                  nullptr, inst, nullptr);
    std::vector<int> edges;
    for (std::size_t i = 0; i < crv::Main_Status_Panels().size(); ++i) edges.push_back(150 * static_cast<int>(i + 1));
    if (!edges.empty()) edges.back() = -1;
    SendMessageW(status, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < crv::Main_Status_Panels().size(); ++i)
        SendMessageW(status, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(W(crv::Main_Status_Panels()[i].text).c_str()));

    // The progress panel: made, not shown, as the program's.
    HWND panel = CreateWindowExW(WS_EX_DLGMODALFRAME, L"STATIC", L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 300, 90, top,
                                 nullptr, inst, nullptr);
    HWND progress = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 270, 18, panel, nullptr,
                                    inst, nullptr);
    SendMessageW(progress, PBM_SETRANGE32, 0, 100);
    CreateWindowExW(0, L"STATIC", L"Listed 0", WS_CHILD | WS_VISIBLE, 10, 34, 180, 18, panel, nullptr, inst, nullptr);
    CreateWindowExW(0, L"BUTTON", L"Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 200, 32, 80, 24, panel, nullptr,
                    inst, nullptr);

    ShowWindow(top, SW_SHOW);
    UpdateWindow(top);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
