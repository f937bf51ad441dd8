#pragma once
// A rebar (coolbar) with bands found by key, each holding one child window
// (a Toolbar created with the rebar's window as parent, a combo box...).
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/controls/control.h"

namespace crv {

struct RebarBand {
    std::string key;
    HWND child = nullptr;
    std::string caption;
    double width_twips = 1440;
    double min_height_twips = 330;
    double min_width_twips = 0;
    bool new_row = false;     // begins a new row
    bool visible = true;
    bool fixed_size = false;  // no gripper, cannot be sized
};

class Rebar : public Control {
public:
    // fixed_order: the user cannot move bands to another place.
    bool Create(HWND parent, int id, bool fixed_order = true);

    void Add_Band(const RebarBand& band);
    std::size_t Band_Count() const { return bands_.size(); }
    // Position of the band in the rebar (0-based), nullopt for an unknown key.
    std::optional<std::size_t> Index_Of(const std::string& key) const;

    // Unknown keys give false / nothing.
    bool Show_Band(const std::string& key, bool visible);
    bool Band_Visible(const std::string& key) const;
    double Band_Width_Twips(const std::string& key) const;
    // The band's least width and its own width in one change: each change
    // lays the whole rebar out again.
    bool Set_Band_Widths(const std::string& key, double min_width_twips, double width_twips);
    bool Set_Band_New_Row(const std::string& key, bool new_row);
    bool Band_New_Row(const std::string& key) const;
    bool Set_Band_Child(const std::string& key, HWND child);
    // The width the band's child needs to show whole; a band given less
    // shows a chevron at its right end, which raises on_chevron_pushed.
    bool Set_Band_Ideal_Width(const std::string& key, int pixels);

    int Height() const;  // pixels
    // The rebar fills its parent's width; call after the parent resized.
    void Fit_Width();

    std::function<void()> on_height_changed;
    // The chevron of the band `key` was pressed; `chevron` in screen pixels.
    std::function<void(const std::string& key, const RECT& chevron)> on_chevron_pushed;

private:
    bool On_Notify(NMHDR& header, LRESULT& result) override;
    std::optional<UINT> Native_Index(const std::string& key) const;
    std::vector<RebarBand> bands_;
};

}  // namespace crv
