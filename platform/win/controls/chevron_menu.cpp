#include "platform/win/controls/chevron_menu.h"

#include <string>
#include <vector>

#include "platform/win/controls/wide.h"

namespace crv {

namespace {

std::function<UINT(HMENU)>& Answerer() {
    static std::function<UINT(HMENU)> answerer;
    return answerer;
}

// A menu item's text shows "&" only doubled.
std::wstring Menu_Text(const std::string& text) {
    std::wstring out;
    for (wchar_t c : controls_detail::Wide(text)) {
        out.push_back(c);
        if (c == L'&') out.push_back(L'&');
    }
    return out;
}

}  // namespace

void Set_Chevron_Menu_Answerer(std::function<UINT(HMENU)> answerer) { Answerer() = std::move(answerer); }

void Show_Chevron_Menu(Toolbar& bar, HWND owner, const RECT& chevron) {
    const std::vector<std::size_t> hidden = bar.Hidden_Positions();
    if (hidden.empty()) return;
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    // Item ids are the button's place in `hidden` + 1.
    std::vector<std::string> keys;
    for (std::size_t position : hidden) {
        const ToolbarButton* b = bar.Button_At(position);
        if (!b) continue;
        keys.push_back(b->key);
        UINT flags = MF_STRING;
        if (!bar.Is_Enabled(b->key)) flags |= MF_GRAYED;
        if (b->style == ButtonStyle::Check && bar.Is_Checked(b->key)) flags |= MF_CHECKED;
        const std::wstring text = Menu_Text(b->tooltip.empty() ? b->key : b->tooltip);
        AppendMenuW(menu, flags, keys.size(), text.c_str());
    }
    UINT chosen = 0;
    if (Answerer()) {
        chosen = Answerer()(menu);
    } else {
        TPMPARAMS keep_clear{sizeof keep_clear, chevron};
        chosen = static_cast<UINT>(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL,
                                                    chevron.left, chevron.bottom, owner, &keep_clear));
    }
    DestroyMenu(menu);
    if (chosen >= 1 && chosen <= keys.size()) bar.Press(keys[chosen - 1]);
}

}  // namespace crv
