#include "platform/win/controls/toolbar.h"

#include "platform/win/controls/image_list.h"
#include "platform/win/controls/wide.h"

namespace crv {

using controls_detail::Wide;

Toolbar::~Toolbar() = default;

bool Toolbar::Create(HWND parent, int id, bool in_rebar) {
    controls_detail::Init_Common_Controls();
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER;
    if (in_rebar) style |= CCS_NORESIZE | CCS_NOPARENTALIGN;
    HWND hwnd = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 100, 24, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!Attach(hwnd)) return false;
    SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

int Toolbar::Bitmap_Of(const std::string& image) const {
    const int index = images_ ? images_->Index_Of(image) : -1;
    return index >= 0 ? index : I_IMAGENONE;
}

// A change repaints: each is a round trip to the window server under Wine,
// and start-up gives every button its image more than once. What is already
// so is left alone.
bool Toolbar::Change_Bitmap(int command, int index) {
    if (SendMessageW(hwnd_, TB_GETBITMAP, static_cast<WPARAM>(command), 0) == index) return false;
    SendMessageW(hwnd_, TB_CHANGEBITMAP, static_cast<WPARAM>(command), index);
    return true;
}

void Toolbar::Set_Image_List(const ImageList* images) {
    images_ = images;
    if (!hwnd_) return;
    const HIMAGELIST handle = images ? images->Handle() : nullptr;
    bool changed = false;
    if (reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd_, TB_GETIMAGELIST, 0, 0)) != handle) {
        if (images) SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELONG(images->Size(), images->Size()));
        SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(handle));
        changed = true;
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const ToolbarButton& b = buttons_[i];
        if (b.style == ButtonStyle::Separator) continue;
        changed |= Change_Bitmap(static_cast<int>(i) + 1, Bitmap_Of(b.image));
    }
    if (changed) SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
}

void Toolbar::Fill(TBBUTTON& out, std::size_t definition) const {
    const ToolbarButton& b = buttons_[definition];
    out = TBBUTTON{};
    out.idCommand = static_cast<int>(definition) + 1;
    if (b.style == ButtonStyle::Separator) {
        out.fsStyle = BTNS_SEP;
        out.iBitmap = 6;
        return;
    }
    out.iBitmap = Bitmap_Of(b.image);
    out.fsStyle = b.style == ButtonStyle::Check ? BTNS_CHECK : BTNS_BUTTON;
    out.fsState = (b.enabled ? TBSTATE_ENABLED : 0) | (b.checked ? TBSTATE_CHECKED : 0);
    out.iString = -1;
}

void Toolbar::Add_Button(const ToolbarButton& button) { Add_Buttons({button}); }

void Toolbar::Add_Buttons(const std::vector<ToolbarButton>& buttons) {
    std::vector<TBBUTTON> added(buttons.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ToolbarButton& button = buttons[i];
        buttons_.push_back(button);
        if (!hwnd_) continue;
        Fill(added[i], buttons_.size() - 1);
        std::wstring caption = Wide(button.caption);
        if (!caption.empty() && button.style != ButtonStyle::Separator) {
            caption.push_back(L'\0');
            added[i].iString = SendMessageW(hwnd_, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(caption.c_str()));
        }
    }
    if (!hwnd_ || added.empty()) return;
    SendMessageW(hwnd_, TB_ADDBUTTONSW, added.size(), reinterpret_cast<LPARAM>(added.data()));
    SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
}

int Toolbar::Command_Of(const std::string& key) const {
    if (key.empty()) return 0;
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].key == key) return static_cast<int>(i) + 1;
    return 0;
}

const ToolbarButton* Toolbar::By_Command(int command) const {
    if (command < 1 || static_cast<std::size_t>(command) > buttons_.size()) return nullptr;
    return &buttons_[static_cast<std::size_t>(command) - 1];
}

std::size_t Toolbar::Button_Count() const {
    return hwnd_ ? static_cast<std::size_t>(SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0)) : 0;
}

std::optional<std::size_t> Toolbar::Index_Of(const std::string& key) const {
    int command = Command_Of(key);
    if (!command || !hwnd_) return std::nullopt;
    LRESULT position = SendMessageW(hwnd_, TB_COMMANDTOINDEX, command, 0);
    if (position < 0) return std::nullopt;
    return static_cast<std::size_t>(position);
}

const ToolbarButton* Toolbar::Button_At(std::size_t position) const {
    if (!hwnd_) return nullptr;
    TBBUTTON tb{};
    if (!SendMessageW(hwnd_, TB_GETBUTTON, position, reinterpret_cast<LPARAM>(&tb))) return nullptr;
    return By_Command(tb.idCommand);
}

const ToolbarButton* Toolbar::Button(const std::string& key) const { return By_Command(Command_Of(key)); }

void Toolbar::Set_Enabled(const std::string& key, bool enabled) {
    int command = Command_Of(key);
    if (!command) return;
    buttons_[static_cast<std::size_t>(command) - 1].enabled = enabled;
    if (hwnd_) SendMessageW(hwnd_, TB_ENABLEBUTTON, command, MAKELONG(enabled ? TRUE : FALSE, 0));
}

bool Toolbar::Is_Enabled(const std::string& key) const {
    int command = Command_Of(key);
    return command && hwnd_ && SendMessageW(hwnd_, TB_ISBUTTONENABLED, command, 0) != 0;
}

void Toolbar::Set_Enabled_All(bool enabled) {
    for (const ToolbarButton& b : std::vector<ToolbarButton>(buttons_))
        if (!b.key.empty()) Set_Enabled(b.key, enabled);
}

void Toolbar::Set_Checked(const std::string& key, bool checked) {
    int command = Command_Of(key);
    if (!command) return;
    buttons_[static_cast<std::size_t>(command) - 1].checked = checked;
    if (hwnd_) SendMessageW(hwnd_, TB_CHECKBUTTON, command, MAKELONG(checked ? TRUE : FALSE, 0));
}

bool Toolbar::Is_Checked(const std::string& key) const {
    int command = Command_Of(key);
    return command && hwnd_ && SendMessageW(hwnd_, TB_ISBUTTONCHECKED, command, 0) != 0;
}

void Toolbar::Set_Tooltip(const std::string& key, const std::string& tooltip) {
    if (int command = Command_Of(key)) buttons_[static_cast<std::size_t>(command) - 1].tooltip = tooltip;
}

void Toolbar::Set_Image(const std::string& key, const std::string& image) {
    int command = Command_Of(key);
    if (!command) return;
    buttons_[static_cast<std::size_t>(command) - 1].image = image;
    if (hwnd_) Change_Bitmap(command, Bitmap_Of(image));
}

void Toolbar::Renew_Images() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].key.empty() || buttons_[i].style == ButtonStyle::Separator) continue;
        std::string key = buttons_[i].key;
        Set_Image(key, key);
    }
}

RECT Toolbar::Button_Rect(std::size_t position) const {
    RECT r{};
    if (hwnd_) SendMessageW(hwnd_, TB_GETITEMRECT, position, reinterpret_cast<LPARAM>(&r));
    return r;
}

SIZE Toolbar::Ideal_Size() const {
    SIZE size{};
    if (hwnd_) SendMessageW(hwnd_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size;
}

std::vector<std::size_t> Toolbar::Hidden_Positions() const {
    std::vector<std::size_t> hidden;
    if (!hwnd_) return hidden;
    RECT client{};
    GetClientRect(hwnd_, &client);
    for (std::size_t i = 0; i < Button_Count(); ++i) {
        const ToolbarButton* b = Button_At(i);
        if (b && b->style != ButtonStyle::Separator && Button_Rect(i).right > client.right) hidden.push_back(i);
    }
    return hidden;
}

void Toolbar::Press(const std::string& key) {
    const ToolbarButton* b = Button(key);
    if (!b || !Is_Enabled(key)) return;
    if (b->style == ButtonStyle::Check) Set_Checked(key, !Is_Checked(key));
    if (on_button_click) on_button_click(key);
}

bool Toolbar::Save_State(const std::string& app, const std::string& sub_key, const std::string& value_name) {
    if (!hwnd_) return false;
    std::wstring key = L"Software\\" + Wide(app) + L"\\" + Wide(sub_key);
    std::wstring value = Wide(value_name);
    TBSAVEPARAMSW params{HKEY_CURRENT_USER, key.c_str(), value.c_str()};
    SendMessageW(hwnd_, TB_SAVERESTOREW, TRUE, reinterpret_cast<LPARAM>(&params));
    HKEY hkey = nullptr;
    bool stored = RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hkey) == ERROR_SUCCESS &&
                  RegQueryValueExW(hkey, value.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    if (hkey) RegCloseKey(hkey);
    return stored;
}

bool Toolbar::Restore_State(const std::string& app, const std::string& sub_key, const std::string& value_name) {
    if (!hwnd_) return false;
    std::wstring key = L"Software\\" + Wide(app) + L"\\" + Wide(sub_key);
    std::wstring value = Wide(value_name);
    // Without a stored arrangement the control would drop its buttons.
    HKEY hkey = nullptr;
    bool stored = RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hkey) == ERROR_SUCCESS &&
                  RegQueryValueExW(hkey, value.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    if (hkey) RegCloseKey(hkey);
    if (!stored) return false;
    TBSAVEPARAMSW params{HKEY_CURRENT_USER, key.c_str(), value.c_str()};
    bool restored = SendMessageW(hwnd_, TB_SAVERESTOREW, FALSE, reinterpret_cast<LPARAM>(&params)) != 0;
    // Restored buttons come back without our states: put them back.
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const ToolbarButton& b = buttons_[i];
        if (b.style == ButtonStyle::Separator) continue;
        SendMessageW(hwnd_, TB_ENABLEBUTTON, i + 1, MAKELONG(b.enabled ? TRUE : FALSE, 0));
        SendMessageW(hwnd_, TB_CHECKBUTTON, i + 1, MAKELONG(b.checked ? TRUE : FALSE, 0));
    }
    SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
    return restored;
}

// Besides the toolbar's own, only its tooltip's notifications are ours. The
// tooltip is told by the tool it reports on, not by asking the toolbar for
// its tooltip: that makes the tooltip window when there is none yet, and
// every toolbar of a rebar would make one at the first notification any of
// them sent (its first paint), each a window costing a hundred round trips
// to the server under Wine, though no pointer has rested on a button.
bool Toolbar::Claims_Notification(const NMHDR& header) const {
    if (header.hwndFrom == hwnd_) return true;
    if (header.code > TTN_FIRST || header.code < TTN_LAST || !header.hwndFrom) return false;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    return SendMessageW(header.hwndFrom, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) && tool.hwnd == hwnd_;
}

bool Toolbar::On_Command(WORD code, WORD id, LRESULT& result) {
    const ToolbarButton* button = By_Command(id);
    if (!button) return false;
    std::size_t definition = static_cast<std::size_t>(id) - 1;
    if (button->style == ButtonStyle::Check) buttons_[definition].checked = Is_Checked(button->key);
    std::string key = button->key;
    if (on_button_click && !key.empty()) on_button_click(key);
    result = 0;
    return true;
}

bool Toolbar::On_Notify(NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
    case TTN_GETDISPINFOW: {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        const ToolbarButton* button = By_Command(static_cast<int>(info.hdr.idFrom));
        if (!button) return false;
        tip_buffer_ = Wide(button->tooltip);
        info.lpszText = tip_buffer_.data();
        info.hinst = nullptr;
        return true;
    }
    case TBN_GETINFOTIPW: {
        auto& tip = reinterpret_cast<NMTBGETINFOTIPW&>(header);
        const ToolbarButton* button = By_Command(tip.iItem);
        if (!button || !tip.pszText || tip.cchTextMax <= 0) return false;
        lstrcpynW(tip.pszText, Wide(button->tooltip).c_str(), tip.cchTextMax);
        return true;
    }
    case TBN_GETBUTTONINFOW: {
        // Restoring a stored arrangement asks for the buttons the toolbar can hold.
        auto& info = reinterpret_cast<NMTOOLBARW&>(header);
        if (info.iItem < 0 || static_cast<std::size_t>(info.iItem) >= buttons_.size()) {
            result = FALSE;
            return true;
        }
        Fill(info.tbButton, static_cast<std::size_t>(info.iItem));
        if (info.pszText && info.cchText > 0) {
            lstrcpynW(info.pszText, Wide(buttons_[static_cast<std::size_t>(info.iItem)].caption).c_str(),
                      info.cchText);
        }
        result = TRUE;
        return true;
    }
    case TBN_RESTORE: {
        auto& restore = reinterpret_cast<NMTBRESTORE&>(header);
        if (restore.iItem >= 0) {
            int command = restore.tbButton.idCommand;
            if (By_Command(command)) {
                Fill(restore.tbButton, static_cast<std::size_t>(command) - 1);
            }
        }
        result = 0;
        return true;
    }
    case TBN_QUERYINSERT:
    case TBN_QUERYDELETE:
        result = TRUE;
        return true;
    default:
        return false;
    }
}

}  // namespace crv
