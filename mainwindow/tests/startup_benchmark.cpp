// Times Corvalin from process start to its main window shown and idle (it
// answers a message), beside a bare window with the same manifest and the
// same controls (startup_bare.cpp), and with a network of 5,000 computers in 50 groups
// beside the shipped, empty list. Each start runs from a folder of its own
// with tqdata.dbd and a fresh tqinfo.ocx, and is ended once measured.
//
//   mainwindow_startup_benchmark                 warm wineserver, both goals' runs
//   mainwindow_startup_benchmark --prepare DIR   run folders DIR\empty, DIR\large
//   mainwindow_startup_benchmark --probe T0 DIR  one start from DIR; prints the
//       seconds since T0 (Unix time in nanoseconds, taken before Wine started)
//   mainwindow_startup_benchmark --goal GOAL TARGET P,B ...
//       the GOAL line of program times P against base times B
// The last three serve mainwindow_startup_fresh_benchmark, which starts
// every run with a fresh wineserver.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/error.h"
#include "store/store.h"
#include "tools/bench/bench_support.h"

namespace {

using crv::bench::Goal;
using crv::bench::Spread;
using crv::bench::Spread_Of;

constexpr int Repetitions = 7;

std::wstring Wide(const std::string& s) {
    std::wstring w(s.size(), L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(),
                                      static_cast<int>(w.size()));
    w.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return w;
}

std::string Narrow(const std::wstring& w) {
    std::string s(w.size() * 3, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(),
                                      static_cast<int>(s.size()), nullptr, nullptr);
    s.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return s;
}

std::wstring Program_Folder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L"\\/"));
}

// Unix time in nanoseconds, the clock `date +%s%N` reads outside Wine.
long long Unix_Nanoseconds() {
    FILETIME ft;
    GetSystemTimePreciseAsFileTime(&ft);
    const long long ticks = (static_cast<long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (ticks - 116444736000000000LL) * 100;
}

double Now_Seconds() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

bool Fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    return false;
}

// 50 groups under the root group, 5,000 computers spread over them.
bool Fill_Network(const std::wstring& database) {
    const std::int32_t db = crv::Open_Database(Narrow(database));
    if (!db) return Fail("cannot open " + Narrow(database));
    const char* statements[] = {
        "BEGIN",
        "INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, PARENT, DEV_TYPE_ID) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
        "SELECT i+1 FROM n WHERE i<50) SELECT printf('Group %02d',i), printf('Group %02d',i), 1, 1 FROM n",
        "INSERT INTO DEV_TBL (DEV_NAME, DEV_ALIAS, PARENT, DEV_TYPE_ID) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
        "SELECT i+1 FROM n WHERE i<5000) SELECT printf('PC%04d',i), printf('PC%04d',i), (SELECT DEV_ID FROM DEV_TBL "
        "WHERE DEV_TYPE_ID=1 AND DEV_NAME=printf('Group %02d',(i-1)%50+1)), 2 FROM n",
        "COMMIT",
    };
    bool ok = true;
    for (const char* sql : statements) {
        crv::SqlResult result;
        std::int32_t rows = 0;
        std::string error;
        if (!crv::Run_SQL(db, sql, result, rows, error)) ok = Fail(error);
    }
    crv::Close_Database(db);
    return ok;
}

// A run folder: the program and the access library, the shipped database
// kept aside as tqinfo.ocx.shipped (large: with the network added).
bool Prepare_Folder(const std::wstring& dir, bool large) {
    const std::wstring bin = Program_Folder();
    CreateDirectoryW(dir.c_str(), nullptr);
    for (const wchar_t* file : {L"Corvalin.exe", L"tqdata.dbd"})
        if (!CopyFileW((bin + L"\\" + file).c_str(), (dir + L"\\" + file).c_str(), FALSE))
            return Fail("cannot copy " + Narrow(file));
    const std::wstring shipped = dir + L"\\tqinfo.ocx.shipped";
    if (!CopyFileW((bin + L"\\tqinfo.ocx").c_str(), shipped.c_str(), FALSE)) return Fail("cannot copy tqinfo.ocx");
    return !large || Fill_Network(shipped);
}

// Each start is a first start, as the bare window's is: the per-user
// settings another benchmark or an earlier start left (a tree's expanded
// nodes, the last computer of the other database) are removed, or a start
// would measure what ran before it.
void Forget_User_Settings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, Wide("Software\\" + std::string(crv::Product_Name)).c_str());
}

bool Fresh_Database(const std::wstring& dir) {
    Forget_User_Settings();
    return CopyFileW((dir + L"\\tqinfo.ocx.shipped").c_str(), (dir + L"\\tqinfo.ocx").c_str(), FALSE) != 0;
}

struct Search {
    DWORD pid;
    const wchar_t* window_class;
    HWND found;
};

BOOL CALLBACK Find_Shown(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    wchar_t name[64];
    if (pid == s->pid && IsWindowVisible(h) && GetClassNameW(h, name, 64) && wcscmp(name, s->window_class) == 0) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

// Starts the program and waits until its window of that class is shown and
// answers a message (its start-up has returned to the message loop); the
// program is then ended. Seconds from the start, or a negative number.
double Start_To_Window(const std::wstring& exe, const wchar_t* window_class, double started) {
    const std::wstring dir = exe.substr(0, exe.find_last_of(L"\\/"));
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
        Fail("cannot start " + Narrow(exe));
        return -1;
    }
    WaitForInputIdle(pi.hProcess, 60000);
    Search s{pi.dwProcessId, window_class, nullptr};
    const double give_up = Now_Seconds() + 60;
    while (!s.found && Now_Seconds() < give_up && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
        EnumWindows(Find_Shown, reinterpret_cast<LPARAM>(&s));
        if (!s.found) Sleep(1);
    }
    double elapsed = -1;
    DWORD_PTR answer = 0;
    if (s.found && SendMessageTimeoutW(s.found, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer))
        elapsed = Now_Seconds() - started;
    else
        Fail("no window from " + Narrow(exe));
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 60000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

double Start_Corvalin(const std::wstring& dir) {
    if (!Fresh_Database(dir)) return Fail("cannot copy the database"), -1;
    return Start_To_Window(dir + L"\\Corvalin.exe", L"CorvalinMain", Now_Seconds());
}

double Start_Bare() { return Start_To_Window(Program_Folder() + L"\\mainwindow_startup_bare.exe", L"CorvalinBare", Now_Seconds()); }

Spread Ratios(const std::vector<double>& program, const std::vector<double>& base) {
    std::vector<double> r;
    for (std::size_t i = 0; i < program.size() && i < base.size(); ++i) r.push_back(program[i] / base[i]);
    return Spread_Of(r);
}

void Print_Times(const char* what, const std::vector<double>& times) {
    const Spread s = Spread_Of(times);
    std::printf("%-44s min %7.1f ms  median %7.1f ms\n", what, s.min * 1000, s.median * 1000);
}

int Warm_Run() {
    const std::wstring root = Program_Folder() + L"\\startup-runs";
    CreateDirectoryW(root.c_str(), nullptr);
    const std::wstring empty = root + L"\\empty", large = root + L"\\large";
    if (!Prepare_Folder(empty, false) || !Prepare_Folder(large, true)) return 1;
    // One start of each first: the files are then in the cache for all.
    if (Start_Bare() < 0 || Start_Corvalin(empty) < 0 || Start_Corvalin(large) < 0) return 1;
    std::vector<double> bare, plain, network;
    for (int i = 0; i < Repetitions; ++i) {
        bare.push_back(Start_Bare());
        plain.push_back(Start_Corvalin(empty));
        network.push_back(Start_Corvalin(large));
        if (bare.back() < 0 || plain.back() < 0 || network.back() < 0) return 1;
    }
    Print_Times("bare window, the same controls", bare);
    Print_Times("Corvalin, empty list", plain);
    Print_Times("Corvalin, 5,000 computers in 50 groups", network);
    Goal("start-up to window (warm wineserver) / bare window with the same controls", Ratios(plain, bare), 1.5);
    Goal("start-up, 5,000 computers in 50 groups / empty list (warm wineserver)", Ratios(network, plain), 1.5);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Warm_Run();
    if (args[0] == "--prepare" && args.size() == 2) {
        const std::wstring root = Wide(args[1]);
        CreateDirectoryW(root.c_str(), nullptr);
        return Prepare_Folder(root + L"\\empty", false) && Prepare_Folder(root + L"\\large", true) ? 0 : 1;
    }
    if (args[0] == "--probe" && args.size() == 3) {
        // Seconds since T0 on this process's own clock: T0 as the clock read now.
        const double waited = static_cast<double>(Unix_Nanoseconds() - std::atoll(args[1].c_str())) / 1e9;
        const std::wstring dir = Wide(args[2]);
        Forget_User_Settings();
        const double t = Start_To_Window(dir + L"\\Corvalin.exe", L"CorvalinMain", Now_Seconds() - waited);
        if (t < 0) return 1;
        std::printf("%.6f\n", t);
        return 0;
    }
    if (args[0] == "--goal" && args.size() >= 3) {
        std::vector<double> program, base;
        for (std::size_t i = 3; i < args.size(); ++i) {
            double p = 0, b = 0;
            if (std::sscanf(args[i].c_str(), "%lf,%lf", &p, &b) != 2 || p <= 0 || b <= 0) return 1;
            program.push_back(p);
            base.push_back(b);
        }
        Print_Times("Corvalin, 5,000 computers in 50 groups", program);
        Print_Times("Corvalin, empty list", base);
        Goal(args[1].c_str(), Ratios(program, base), std::atof(args[2].c_str()));
        return 0;
    }
    std::fprintf(stderr, "usage: see the head of startup_benchmark.cpp\n");
    return 2;
}
