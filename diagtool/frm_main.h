#pragma once
// frmMain, Tessarine's one window: the local checks with Fix and Block, the
// remote port test, the version and the web link.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "diagtool/diag_logic.h"

namespace crv::tessarine {

// Message boxes owned by a window, titled as asked.
class Message_Box_Prompts : public Prompts {
public:
    explicit Message_Box_Prompts(HWND* owner) : owner_(owner) {}
    void Tell(const std::string& text, Box_Icon icon, const std::string& title) override;
    bool Ask(const std::string& text, Box_Icon icon) override;

private:
    HWND Owner() const;
    HWND* owner_;
};

class Frm_Main {
public:
    // Address of the maker's web page the link label shows and opens.
    static constexpr const char* Web_Address = "www.veltrane.com";
    static constexpr const char* Web_Link = "https://www.veltrane.com/?sc=tsrn";

    // Without prompts, system or tester the window uses real message boxes,
    // the local computer and the TCP test.
    explicit Frm_Main(HINSTANCE instance, Prompts* prompts = nullptr, Local_System* system = nullptr,
                      Port_Tester* tester = nullptr);
    Frm_Main(const Frm_Main&) = delete;
    Frm_Main& operator=(const Frm_Main&) = delete;
    ~Frm_Main();

    // Creates the window and its controls and runs Form_Load; shown by Show.
    bool Create();
    void Show(int show_command);
    HWND Hwnd() const { return hwnd_; }
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
    // Called once the window is gone (the program ends then).
    void Set_On_Unload(std::function<void()> on_unload) { on_unload_ = std::move(on_unload); }
    const std::string& lblVTWeb_Tag() const { return web_tag_; }
    // The error text of the last remote test press.
    const std::string& Remote_Error_Text() const { return remote_error_text_; }

    void Form_Load();
    void cmdDiagnose_Click();
    void cmdFix_Click();
    void cmdBlockWMI_Click();
    void cmdDiagnoseRemote_Click();
    void lblVTWeb_Click();
    void cmdClose_Click();

private:
    static LRESULT CALLBACK Window_Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    HWND Add(const wchar_t* cls, const char* text, DWORD style, int id, int x, int y, int w, int h, DWORD ex_style = 0);
    void Add_Tool_Tip(HWND button, const wchar_t* text);
    std::string Text_Of(int id) const;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND tool_tip_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH face_brush_ = nullptr;
    std::unique_ptr<Prompts> own_prompts_;
    std::unique_ptr<Local_System> own_system_;
    std::unique_ptr<Port_Tester> own_tester_;
    Prompts* prompts_;
    Local_System* system_;
    Port_Tester* tester_;
    std::function<void()> on_unload_;
    std::string web_tag_;
    std::string remote_error_text_;
};

}  // namespace crv::tessarine
