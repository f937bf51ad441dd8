// Starts the real Tessarine.exe, which sits beside this test program, presses
// its Diagnose button from outside and reads the report box back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagtool/resource.h"

namespace {

std::wstring Program_Path() {
    wchar_t self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, n);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"Tessarine.exe";
}

struct Process {
    HANDLE handle = nullptr;
    DWORD id = 0;
    ~Process() {
        if (!handle) return;
        if (WaitForSingleObject(handle, 0) == WAIT_TIMEOUT) {
            TerminateProcess(handle, 99);
            WaitForSingleObject(handle, 5000);
        }
        CloseHandle(handle);
    }
};

// The first top-level window of the process with that class.
HWND Find_Window(DWORD pid, const wchar_t* cls, DWORD timeout_ms) {
    struct Search {
        DWORD pid;
        const wchar_t* cls;
        HWND found;
    };
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeout_ms) {
        Search s{pid, cls, nullptr};
        EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lp);
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                wchar_t name[64] = {};
                GetClassNameW(w, name, 64);
                if (owner == s->pid && std::wstring(name) == s->cls && IsWindowVisible(w)) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
        Sleep(50);
    }
    return nullptr;
}

std::wstring Text_Of(HWND w) {
    wchar_t text[1024] = {};
    GetWindowTextW(w, text, 1024);
    return text;
}

TEST(TessarineProgram, CarriesItsOwnResources) {
    HMODULE exe = LoadLibraryExW(Program_Path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC manifest = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(exe, manifest)));
    const std::string xml(text, SizeofResource(exe, manifest));
    EXPECT_NE(xml.find("requireAdministrator"), std::string::npos);
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(IDI_TESSARINE), MAKEINTRESOURCEW(14)), nullptr);  // icon group
    FreeLibrary(exe);

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(Program_Path().c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(Program_Path().c_str(), 0, size, info.data()));
    wchar_t* name = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\040904B0\\ProductName", reinterpret_cast<void**>(&name), &length));
    EXPECT_EQ(std::wstring(name), L"Tessarine");
}

TEST(TessarineProgram, DiagnosesAndCloses) {
    std::wstring command = L"\"" + Program_Path() + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    Process p;
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    CloseHandle(pi.hThread);
    p.handle = pi.hProcess;
    p.id = pi.dwProcessId;

    HWND main = Find_Window(p.id, L"TessarineFrmMain", 20000);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Text_Of(main), L"Tessarine");
    PostMessageW(GetDlgItem(main, IDC_CMD_DIAGNOSE), BM_CLICK, 0, 0);

    HWND box = Find_Window(p.id, L"#32770", 20000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Text_Of(box), L"Tessarine");
    EXPECT_EQ(Text_Of(GetDlgItem(box, 0xFFFF)),
              L"The following problems are found that are stopping you from getting WMI remote connections.\r\n\r\n"
              L"1. WMI service is not running\r\n2. Remote administration is not allowed\r\n");
    PostMessageW(box, WM_COMMAND, IDOK, 0);

    const DWORD start = GetTickCount();
    while (IsWindow(box) && GetTickCount() - start < 10000) Sleep(50);
    PostMessageW(GetDlgItem(main, IDC_CMD_CLOSE), BM_CLICK, 0, 0);
    ASSERT_EQ(WaitForSingleObject(p.handle, 20000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(p.handle, &code);
    EXPECT_EQ(code, 0u);
}

}  // namespace
