#pragma once
// Stand-in main window for builds without the main-window library: a real
// top-level window titled with the product name, registered as "frmMain".
#include <cstdint>

namespace crv {

class frmMain {
public:
    static frmMain& Instance();
    // Creates the window once and shows it; mode 0 is modeless.
    bool ShowThisForm(int mode);
    std::uintptr_t hWnd() const { return hwnd_; }

private:
    frmMain() = default;
    std::uintptr_t hwnd_ = 0;
};

}  // namespace crv
