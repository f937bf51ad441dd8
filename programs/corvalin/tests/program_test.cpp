// Starts the real Corvalin.exe, which sits beside this test program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/handles.h"

namespace {

std::wstring Program_Path() {
    wchar_t self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, n);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"Corvalin.exe";
}

// A started copy; one still running when the test leaves is ended, so a
// failed check never leaves a window behind.
struct Process {
    crv::UniqueHandle handle;
    DWORD id = 0;
    Process() = default;
    Process(Process&&) = default;
    Process& operator=(Process&&) = default;
    ~Process() {
        if (handle && WaitForSingleObject(handle.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(handle.Get(), 99);
            WaitForSingleObject(handle.Get(), 5000);
        }
    }
};

Process Start() {
    std::wstring command = L"\"" + Program_Path() + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    Process p;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        p.handle.Reset(pi.hProcess);
        p.id = pi.dwProcessId;
    }
    return p;
}

// Top-level windows of a process that are not message boxes or dialogs.
std::vector<HWND> Main_Windows(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (owner == s->pid && std::wstring(cls) != L"#32770" && GetWindow(hwnd, GW_OWNER) == nullptr)
                s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> Wait_For_Windows(const Process& p, DWORD timeout_ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeout_ms) {
        auto found = Main_Windows(p.id);
        if (!found.empty()) return found;
        if (WaitForSingleObject(p.handle.Get(), 50) == WAIT_OBJECT_0) break;
    }
    return {};
}

// The start-up may show other windows of its own first; the main window is
// the one titled with the product name.
HWND Find_Main_Window(DWORD pid, DWORD timeout_ms) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeout_ms; Sleep(50)) {
        for (HWND w : Main_Windows(pid)) {
            wchar_t title[64] = {};
            GetWindowTextW(w, title, 64);
            if (std::wstring(title).rfind(L"Corvalin", 0) == 0) return w;
        }
    }
    return nullptr;
}

// A start-up question (add the local computer?) may be open, or open soon:
// answer No, so closing the main window ends the copy.
void Answer_Questions_No(DWORD pid) {
    for (int round = 0; round < 3; ++round) {
        EnumWindows(
            [](HWND hwnd, LPARAM owner_pid) -> BOOL {
                DWORD owner = 0;
                GetWindowThreadProcessId(hwnd, &owner);
                wchar_t cls[16] = {};
                GetClassNameW(hwnd, cls, 16);
                if (owner == static_cast<DWORD>(owner_pid) && std::wstring(cls) == L"#32770")
                    PostMessageW(hwnd, WM_COMMAND, IDNO, 0);
                return TRUE;
            },
            static_cast<LPARAM>(pid));
        Sleep(200);
    }
}

TEST(CorvalinProgram, ASecondCopyEndsAtOnceWhileTheFirstRuns) {
    Process first = Start();
    ASSERT_TRUE(first.handle) << "cannot start Corvalin.exe";
    const auto windows = Wait_For_Windows(first, 30000);
    ASSERT_FALSE(windows.empty()) << "the first copy shows no window";
    HWND main = Find_Main_Window(first.id, 30000);
    ASSERT_NE(main, nullptr) << "the first copy shows no main window";

    Process second = Start();
    ASSERT_TRUE(second.handle);
    ASSERT_EQ(WaitForSingleObject(second.handle.Get(), 15000), WAIT_OBJECT_0) << "the second copy keeps running";
    DWORD code = 1;
    GetExitCodeProcess(second.handle.Get(), &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(WaitForSingleObject(first.handle.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the first copy ended";
    EXPECT_TRUE(IsWindow(main)) << "the second copy closed the first one's window";

    Answer_Questions_No(first.id);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(first.handle.Get(), 15000), WAIT_OBJECT_0) << "the first copy does not end when its window closes";
    GetExitCodeProcess(first.handle.Get(), &code);
    EXPECT_EQ(code, 0u);

    // With the first gone, a new copy may start again.
    Process third = Start();
    ASSERT_TRUE(third.handle);
    const auto again = Wait_For_Windows(third, 30000);
    EXPECT_FALSE(again.empty());
    HWND third_main = Find_Main_Window(third.id, 30000);
    EXPECT_NE(third_main, nullptr);
    Answer_Questions_No(third.id);
    if (third_main) PostMessageW(third_main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(third.handle.Get(), 15000), WAIT_OBJECT_0) << "the third copy does not end";
}

}  // namespace

namespace {

TEST(CorvalinProgram, CarriesIconManifestAndVersion) {
    const std::wstring path = Program_Path();
    HMODULE image = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
    HRSRC manifest = FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(image, manifest)));
    const std::string xml(text, SizeofResource(image, manifest));
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(xml.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(xml.find("requireAdministrator"), std::string::npos);
    FreeLibrary(image);

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length));
    EXPECT_EQ(HIWORD(info->dwFileVersionMS), 4u);
    EXPECT_EQ(LOWORD(info->dwFileVersionMS), 0u);
    EXPECT_EQ(HIWORD(info->dwFileVersionLS), 4004u);
}

}  // namespace
