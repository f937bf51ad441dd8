#pragma once
// A status bar with panels found by key: text, tag and width by key, and a
// click callback that gets the clicked panel's key. The bar follows its
// parent's size by itself.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/controls/control.h"

namespace crv {

struct StatusPanel {
    std::string key;
    std::string text;
    std::string tag;
    double width_twips = 1440;
    bool spring = false;  // takes the width the fixed panels leave
};

class StatusBar : public Control {
public:
    bool Create(HWND parent, int id);

    void Add_Panel(const StatusPanel& panel);
    std::size_t Panel_Count() const { return panels_.size(); }
    std::optional<std::size_t> Index_Of(const std::string& key) const;
    const StatusPanel* Panel(const std::string& key) const;

    // Unknown keys are ignored ("" when read).
    void Set_Text(const std::string& key, const std::string& text);
    std::string Text(const std::string& key) const;
    void Set_Tag(const std::string& key, const std::string& tag);
    std::string Tag(const std::string& key) const;
    void Set_Width_Twips(const std::string& key, double width_twips);

    // Recomputes the panel edges from the bar's width.
    void Layout();
    int Height() const;  // pixels

    std::function<void(const std::string& key)> on_panel_click;

private:
    bool On_Notify(NMHDR& header, LRESULT& result) override;
    void On_Parent_Message(UINT msg, WPARAM wp, LPARAM lp) override;
    std::vector<StatusPanel> panels_;
};

}  // namespace crv
