#include "diagtool/tcp_socket.h"  // winsock2.h before windows.h

#include "diagtool/mod_main.h"

#include <commctrl.h>
#include <shellapi.h>

#include "diagtool/mod_registry.h"
#include "diagtool/mod_wmi.h"
#include "diagtool/win_support.h"

namespace crv::tessarine {

namespace {

// The first Win32_Service row of that name, from a forward-only query.
Com_Ptr<IWbemClassObject> Find_Service(IWbemServices* services, const std::string& service, HRESULT& hr) {
    Com_Ptr<IWbemClassObject> row;
    Com_Ptr<IEnumWbemClassObject> rows;
    Bstr language("WQL"), query("Select * from Win32_Service Where Name='" + service + "'");
    hr = services->ExecQuery(language.Get(), query.Get(), WBEM_FLAG_RETURN_IMMEDIATELY | WBEM_FLAG_FORWARD_ONLY, nullptr,
                             rows.Put());
    if (FAILED(hr)) return row;
    CoSetProxyBlanket(rows.Get(), RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_DEFAULT, COLE_DEFAULT_PRINCIPAL, RPC_C_AUTHN_LEVEL_DEFAULT,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    ULONG got = 0;
    hr = rows->Next(WBEM_INFINITE, 1, row.Put(), &got);
    if (FAILED(hr) || got == 0) row.Reset();
    return row;
}

}  // namespace

bool Init_Common_Controls() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0x8FE;  // tree view, bar, tab, up-down, progress, hot-key, animate, internet classes
    return InitCommonControlsEx(&controls) != FALSE;
}

bool Is_WMI_Installed(std::string& error_text) {
    // The WMI folder under this system's own system folder, wherever
    // Windows was installed.
    wchar_t folder[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        error_text = Win32_Error_Text(GetLastError());
        return false;
    }
    const std::wstring wbem = std::wstring(folder, n) + L"\\wbem";
    const DWORD attributes = GetFileAttributesW(wbem.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string Get_Service_Status(const std::string& service, std::string& /*error_text*/) {
    HRESULT hr = S_OK;
    auto services = Connect_Cimv2(".", hr);
    if (!services) return {};
    auto row = Find_Service(services.Get(), service, hr);
    if (!row) return {};
    Variant state;
    if (FAILED(row->Get(L"State", 0, state.Put(), nullptr, nullptr))) return {};
    return state.Text();
}

bool Is_Service_Running(const std::string& service, std::string& error_text) {
    return Get_Service_Status(service, error_text) == "Running";
}

bool Start_Service(const std::string& service, std::string& error_text) {
    HRESULT hr = S_OK;
    auto services = Connect_Cimv2(".", hr);
    if (!services) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    auto row = Find_Service(services.Get(), service, hr);
    if (FAILED(hr)) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    if (!row) return false;
    Variant path;
    hr = row->Get(L"__PATH", 0, path.Put(), nullptr, nullptr);
    if (FAILED(hr) || path.Get().vt != VT_BSTR) {
        error_text = Hresult_Error_Text(FAILED(hr) ? hr : static_cast<HRESULT>(WBEM_E_NOT_FOUND));
        return false;
    }
    Bstr method("StartService");
    Com_Ptr<IWbemClassObject> out;
    hr = services->ExecMethod(path.Get().bstrVal, method.Get(), 0, nullptr, nullptr, out.Put(), nullptr);
    if (FAILED(hr)) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    if (!out) return false;
    Variant result;
    if (FAILED(out->Get(L"ReturnValue", 0, result.Put(), nullptr, nullptr))) return false;
    const std::string code = result.Text();
    return code == "0";
}

bool Is_Elevated(std::string& error_text) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    if (!CreatePipe(&read_end, &write_end, &inherit, 0)) {
        error_text = Win32_Error_Text(GetLastError());
        return false;
    }
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = nul;
    si.hStdOutput = write_end;
    si.hStdError = nul;
    PROCESS_INFORMATION pi = {};
    std::wstring command = L"whoami.exe /groups";
    const BOOL started =
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    const DWORD start_error = started ? 0 : GetLastError();
    CloseHandle(write_end);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!started) {
        CloseHandle(read_end);
        error_text = Win32_Error_Text(start_error);
        return false;
    }
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
    CloseHandle(read_end);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return Has_High_Integrity(output);
}

bool Is_Token_Filter_Policy_On(std::string& /*error_text*/) { return Policy_Text_Is_On(Reg_Read(Policy_Value_Path)); }

bool Set_Token_Filter_Policy(bool on) { return Reg_Write(Policy_Value_Path, on ? "1" : "0", "REG_DWORD"); }

std::int32_t Test_TCP_Port(const std::string& host, std::int32_t port, std::string& error_text) {
    // The attempt ends as soon as it has an outcome; while it has none, each
    // round lets the window's messages through. The round count and a time
    // bound keep an unanswered attempt from holding the window for long.
    constexpr int Max_Rounds = 1000;
    constexpr DWORD Max_Wait_Ms = 5000;
    std::int32_t state = Socket_Closed;
    Tcp_Socket_Control control;
    if (!control.Set_Protocol(0, error_text)) return state;
    control.Close();
    if (!control.Connect(host, port, error_text)) return Socket_Closed;
    const DWORD start = GetTickCount();
    for (int round = 0; round <= Max_Rounds; ++round) {
        state = control.State();
        if (!Socket_Still_Pending(state)) break;
        if (!Yield_To_Message_Loop()) break;
        if (GetTickCount() - start > Max_Wait_Ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    state = control.State();
    if (state == Socket_Error && control.Last_Error() != 0) error_text = Win32_Error_Text(static_cast<DWORD>(control.Last_Error()));
    control.Close();
    return state;
}

INT_PTR Open_Web_Link(const std::string& target) {
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", Widen(target).c_str(), L"", L"", SW_SHOWNORMAL));
}

std::string Win_Local_System::Get_OS_Version(const std::string& computer) {
    return tessarine::Get_OS_Version(computer, prompts_);
}

}  // namespace crv::tessarine
