#pragma once
// A toolbar whose buttons are found by key: captions, images by key from an
// image list, tooltips, enabled and checked state by key, and one click
// callback that gets the clicked button's key. Works on its own or as the
// child of a Rebar band (create it with the rebar's window as parent).
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/controls/control.h"

namespace crv {

class ImageList;

enum class ButtonStyle { Normal, Check, Separator };

struct ToolbarButton {
    std::string key;      // "" for a separator
    std::string caption;  // text under the image; "" for none
    std::string tooltip;
    std::string image;    // image key; "" for none
    ButtonStyle style = ButtonStyle::Normal;
    bool enabled = true;
    bool checked = false;  // check buttons: pressed
};

class Toolbar : public Control {
public:
    ~Toolbar() override;
    // Flat, with tooltips; in_rebar leaves the placement to the rebar band.
    bool Create(HWND parent, int id, bool in_rebar = true);

    // The list must outlive the toolbar's use of it.
    void Set_Image_List(const ImageList* images);
    void Add_Button(const ToolbarButton& button);
    // Appends several buttons in one go (one layout of the bar for all).
    void Add_Buttons(const std::vector<ToolbarButton>& buttons);
    // Buttons as the toolbar shows them now (a restored arrangement may
    // differ from the order they were added in).
    std::size_t Button_Count() const;
    // 0-based position; nullopt when no shown button has the key.
    std::optional<std::size_t> Index_Of(const std::string& key) const;
    // The button at a position (nullptr beyond the last), or with a key.
    const ToolbarButton* Button_At(std::size_t position) const;
    const ToolbarButton* Button(const std::string& key) const;

    // Unknown keys are ignored (false / nothing).
    void Set_Enabled(const std::string& key, bool enabled);
    bool Is_Enabled(const std::string& key) const;
    void Set_Enabled_All(bool enabled);
    void Set_Checked(const std::string& key, bool checked);
    bool Is_Checked(const std::string& key) const;
    void Set_Tooltip(const std::string& key, const std::string& tooltip);
    void Set_Image(const std::string& key, const std::string& image);
    // Every button with a key gets the image of that key (none when the image
    // list lacks it); separators are left alone.
    void Renew_Images();

    // Rectangle of the button at a position, in the toolbar's client pixels.
    RECT Button_Rect(std::size_t position) const;
    // The width and height the toolbar needs to show every button.
    SIZE Ideal_Size() const;
    // Positions of the buttons (separators left out) that reach past the
    // toolbar's own width, as a coolbar band narrower than the toolbar
    // leaves them.
    std::vector<std::size_t> Hidden_Positions() const;
    // Does what a click on the button does (a check button flips first);
    // unknown keys and disabled buttons do nothing.
    void Press(const std::string& key);

    // The toolbar's own save and restore of its button arrangement, kept in
    // the registry under HKEY_CURRENT_USER\Software\<app>\<sub_key>, value
    // <value_name>. Restore answers false when nothing was stored.
    bool Save_State(const std::string& app, const std::string& sub_key, const std::string& value_name);
    bool Restore_State(const std::string& app, const std::string& sub_key, const std::string& value_name);

    // A button was clicked (for a check button, after its state flipped).
    std::function<void(const std::string& key)> on_button_click;

private:
    bool On_Command(WORD code, WORD id, LRESULT& result) override;
    bool On_Notify(NMHDR& header, LRESULT& result) override;
    bool Claims_Notification(const NMHDR& header) const override;
    // Each button's command id is its place in buttons_ + 1.
    int Command_Of(const std::string& key) const;
    const ToolbarButton* By_Command(int command) const;
    void Fill(TBBUTTON& out, std::size_t definition) const;
    // The toolbar's index of the image key, I_IMAGENONE when it has none.
    int Bitmap_Of(const std::string& image) const;
    // Gives the button of `command` the image `index`; true when it had
    // another one.
    bool Change_Bitmap(int command, int index);

    const ImageList* images_ = nullptr;
    std::vector<ToolbarButton> buttons_;
    std::wstring tip_buffer_;
};

}  // namespace crv
