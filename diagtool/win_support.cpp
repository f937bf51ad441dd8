#include "diagtool/win_support.h"

#include "diagtool/diag_logic.h"

namespace crv::tessarine {

namespace {

HWND g_dialog_window = nullptr;

std::string Trim_Line_Ends(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string System_Description(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (n && buffer) text = Trim_Line_Ends(Narrow(std::wstring_view(buffer, n)));
    if (buffer) LocalFree(buffer);
    return text;
}

void Dispatch(MSG& msg) {
    if (g_dialog_window && IsWindow(g_dialog_window) && IsDialogMessageW(g_dialog_window, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string Variant::Text() const {
    if (v_.vt == VT_EMPTY || v_.vt == VT_NULL) return {};
    if (v_.vt == VT_BSTR) return v_.bstrVal ? Narrow(std::wstring_view(v_.bstrVal, SysStringLen(v_.bstrVal))) : std::string();
    VARIANT copy;
    VariantInit(&copy);
    std::string text;
    if (SUCCEEDED(VariantChangeTypeEx(&copy, const_cast<VARIANT*>(&v_), MAKELCID(0x409, SORT_DEFAULT), 0, VT_BSTR)) &&
        copy.bstrVal)
        text = Narrow(std::wstring_view(copy.bstrVal, SysStringLen(copy.bstrVal)));
    VariantClear(&copy);
    return text;
}

std::string Hresult_Error_Text(HRESULT hr) {
    std::string description;
    Com_Ptr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) == S_OK && info) {
        BSTR text = nullptr;
        if (SUCCEEDED(info->GetDescription(&text)) && text)
            description = Trim_Line_Ends(Narrow(std::wstring_view(text, SysStringLen(text))));
        SysFreeString(text);
    }
    if (description.empty()) description = System_Description(static_cast<DWORD>(hr));
    if (description.empty()) description = "Automation error";
    return Error_Text(static_cast<std::int32_t>(hr), description);
}

std::string Win32_Error_Text(DWORD code) {
    std::string description = System_Description(code);
    if (description.empty()) description = "Unknown error";
    return Error_Text(static_cast<std::int64_t>(code), description);
}

void Set_Dialog_Window(HWND window) { g_dialog_window = window; }

bool Yield_To_Message_Loop() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        Dispatch(msg);
    }
    return true;
}

int Run_Message_Loop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

}  // namespace crv::tessarine
