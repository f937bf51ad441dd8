// Imports a names file of 20,000 computers through the real computer list
// manager (its Import button, the busy panel, the real message pump) beside
// the bare limit of the same work: the same rows inserted by one bound
// statement in one transaction through the access library, in the same
// process and file. Also tells whether the busy panel's bar and Cancel were
// shown while the import ran.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/dialog_ids.h"
#include "dialogs/win/dialog_view.h"
#include "dialogs/win/frm_manage_computers.h"
#include "platform/win/forms.h"
#include "store/access.h"
#include "store/tests/test_database.h"
#include "tools/bench/bench_support.h"

namespace {

using namespace crv;

constexpr int Names = 20000;

std::string Name(int i) {
    char text[16];
    std::snprintf(text, sizeof text, "PC-%05d", i);
    return text;
}

struct Seen {
    bool panel = false;
    bool cancel = false;
    int position = 0;
};
Seen g_seen;
HWND g_dialog = nullptr;

// Runs inside the import's own pump: what the user sees at that moment.
void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
    HWND bar = GetDlgItem(g_dialog, IDC_MC_PBRPROGRESS);
    HWND cancel = GetDlgItem(g_dialog, IDC_MC_CMDCANCEL);
    g_seen.panel = g_seen.panel || IsWindowVisible(bar);
    g_seen.cancel = g_seen.cancel || (IsWindowVisible(cancel) && IsWindowEnabled(cancel));
    g_seen.position = std::max(g_seen.position, static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)));
}

std::function<void(HWND)> g_step;
void CALLBACK Step(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    auto step = std::move(g_step);
    g_step = nullptr;
    if (step) step(hwnd);
}

// The dialog opened, Import clicked and timed, the dialog closed.
double Import_Through_The_Dialog(HWND owner, std::size_t& listed) {
    double seconds = 0;
    frmManageComputers::on_opened = [&](HWND dlg, ManageComputersController& c) {
        g_step = [&, dlg](HWND) {
            g_dialog = dlg;
            const UINT_PTR look = SetTimer(nullptr, 0, 20, Look);
            seconds = bench::Seconds([&] {
                SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_MC_CMDIMPORT, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_MC_CMDIMPORT)));
            });
            KillTimer(nullptr, look);
            listed = c.lvwComputer.Item_Count();
            PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_MC_CMDCLOSE, BN_CLICKED), 0);
        };
        SetTimer(dlg, 71, 10, Step);
    };
    frmManageComputers::Show(owner);
    frmManageComputers::on_opened = nullptr;
    return seconds;
}

// The bare limit: one bound INSERT per name in one transaction.
bool Bare_Insert(const std::string& path, const std::vector<std::string>& names) {
    const AccessLibrary* lib = Access_Library();
    if (!lib || !lib->exec_rows) return false;
    const std::int32_t handle = Open_Database(path);
    if (!handle) return false;
    const char* error = nullptr;
    const char* const* table = nullptr;
    std::int32_t columns = 0;
    std::vector<const char*> cells;
    for (const auto& n : names) cells.push_back(n.c_str());
    const char* sql =
        "INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, SCAN_USER,SCAN_PWD, PARENT, DEV_TYPE_ID, PLATFORM_ID, OS_TYPE, "
        "MAJOR_VER, MINOR_VER, COMMENT, DEV_DOMAIN, ADDED_WUSER, ADDED_CMP) VALUES(?1,?1,'','',1,2,0,0,0,0,'','',"
        "'tester','BENCH')";
    bool ok = lib->get_table(handle, "BEGIN", &table, &columns, &error) == 0 &&
              lib->exec_rows(handle, &sql, 1, "", 1, static_cast<std::int32_t>(cells.size()), cells.data(),
                             &error) == 0 &&
              lib->get_table(handle, "COMMIT", &table, &columns, &error) == 0;
    Close_Database(handle);
    return ok;
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    Set_Quit_When_Last_Form_Closes(false);
    test::TestDatabase db(false);
    const std::string file = (db.Folder() / "names.txt").string();
    std::vector<std::string> names;
    {
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < Names; ++i) {
            names.push_back(Name(i));
            out << names.back() << "\r\n";
        }
    }
    int boxes = 0;
    Set_Dialog_Box_Answerer([&](const std::string& text, int flags) {
        ++boxes;
        std::printf("box: %s\n", text.c_str());
        return (flags & 4) ? 6 : 1;
    });
    Set_Dialog_Open_Answerer([&](const std::string&) { return file; });
    HWND owner = CreateWindowExW(0, L"STATIC", L"Corvalin", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    Register_Form(owner, "frmMain");

    bool ok = true;
    std::vector<double> seconds;
    auto clear = [&] { db.Exec("DELETE FROM DEV_TBL WHERE DEV_TYPE_ID=2"); };
    const bench::Spread ratio = bench::Ratio(
        5,
        [&] {
            clear();
            std::size_t listed = 0;
            seconds.push_back(Import_Through_The_Dialog(owner, listed));
            ok &= listed == names.size();
        },
        [&] {
            clear();
            ok &= Bare_Insert(db.Path(), names);
        });
    bench::Goal("Import of a 20,000-name file under the dialog, seconds", bench::Spread_Of(seconds), 5.0, " s");
    bench::Info("Import of a 20,000-name file / bound inserts in one transaction", ratio);
    std::printf("busy panel shown: %s, Cancel usable: %s, bar reached %d of %d\n", g_seen.panel ? "yes" : "NO",
                g_seen.cancel ? "yes" : "NO", g_seen.position, Names);

    Set_Dialog_Box_Answerer(nullptr);
    Set_Dialog_Open_Answerer(nullptr);
    DestroyWindow(owner);
    if (!ok || boxes != 0) std::printf("an import did not list every name or showed a box\n");
    return ok && boxes == 0 ? 0 : 1;
}
