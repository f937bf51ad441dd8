#include "platform/win/forms.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win/window_hook.h"

namespace crv {
namespace {

struct FormEntry {
    HWND hwnd;
    std::string name;
    bool closing = false;
};

// One user-interface thread owns every form.
std::vector<FormEntry>& Forms() {
    static std::vector<FormEntry> forms;
    return forms;
}
bool quit_when_last_closes = true;
MessageFilter message_filter;

constexpr UINT_PTR Form_Subclass_Id = 0x43525646;  // "CRVF"

FormEntry* Find_Entry(HWND hwnd) {
    auto& forms = Forms();
    auto it = std::find_if(forms.begin(), forms.end(), [&](const FormEntry& e) { return e.hwnd == hwnd; });
    return it == forms.end() ? nullptr : &*it;
}

LRESULT CALLBACK Form_Subclass_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_DESTROY) {
        if (FormEntry* e = Find_Entry(hwnd)) e->closing = true;
    } else if (msg == WM_NCDESTROY) {
        Unhook_Window(hwnd, Form_Subclass_Proc, id);
        auto& forms = Forms();
        const auto before = forms.size();
        forms.erase(std::remove_if(forms.begin(), forms.end(), [&](const FormEntry& e) { return e.hwnd == hwnd; }),
                    forms.end());
        if (before != forms.size() && forms.empty() && quit_when_last_closes) PostQuitMessage(0);
    }
    return Hook_Next(hwnd, msg, wp, lp);
}

}  // namespace

bool Register_Form(HWND hwnd, std::string name) {
    if (!hwnd || !IsWindow(hwnd) || Find_Entry(hwnd)) return false;
    if (!Hook_Window(hwnd, Form_Subclass_Proc, Form_Subclass_Id, 0)) return false;
    Forms().push_back({hwnd, std::move(name)});
    return true;
}

bool Is_Form_Loaded(std::string_view form_name) {
    for (const FormEntry& e : Forms()) {
        if (e.name == form_name) return true;
    }
    return false;
}

void Unload_All_Forms() {
    // Destroying one form may take others with it (owned windows) or change
    // the list from inside their handlers: walk a copy, re-check each.
    const std::vector<HWND> snapshot = Loaded_Forms();
    for (HWND hwnd : snapshot) {
        const FormEntry* e = Find_Entry(hwnd);
        if (!e || e->closing) continue;
        DestroyWindow(hwnd);
    }
}

std::vector<HWND> Loaded_Forms() {
    std::vector<HWND> out;
    for (const FormEntry& e : Forms()) out.push_back(e.hwnd);
    return out;
}

std::string Form_Name(HWND hwnd) {
    const FormEntry* e = Find_Entry(hwnd);
    return e ? e->name : std::string();
}

HWND Find_Form(std::string_view form_name) {
    for (const FormEntry& e : Forms()) {
        if (e.name == form_name) return e.hwnd;
    }
    return nullptr;
}

void Set_Quit_When_Last_Form_Closes(bool quit) { quit_when_last_closes = quit; }

void Set_Message_Filter(MessageFilter filter) { message_filter = std::move(filter); }

int Run_Message_Loop() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got == -1) return -1;
        if (message_filter && message_filter(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace crv
