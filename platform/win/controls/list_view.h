#pragma once
// A list view that shows a crv::ListModel. The control holds no rows of its
// own (owner data): it asks the model for what it paints, so a model of
// 100,000 rows shows at once. Bold rows and bold sub-items and the fore colour
// are drawn through custom draw; icons come by key from the image lists given;
// column headers follow the model's columns (widths in twips at the window's
// DPI), and widths the user drags are written back into the model. Selection
// is read back into ListItem::selected; check boxes are drawn from
// ListItem::checked and toggled by a click on the box or the space key.
//
// The model is the truth: change it, then call model.Notify() (or Refresh()).
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/controls/control.h"
#include "ui/model/list_model.h"

namespace crv {

class ImageList;

class ListViewControl : public Control, private ListModelListener {
public:
    ListViewControl() = default;
    ~ListViewControl() override;

    // Creates the control (report view, owner data, show-selection-always,
    // editing of labels off) as a child of parent.
    bool Create(HWND parent, int id, DWORD extra_style = 0);

    // Shows this model (nullptr: none) and follows its Notify() calls. The
    // model must outlive the binding.
    void Bind(ListModel* model);
    ListModel* Model() const { return model_; }

    // Small icons serve the report, small-icon and list views, large icons the
    // icon view. The lists must outlive the control's use of them.
    void Set_Image_Lists(const ImageList* small_icons, const ImageList* large_icons);
    // The large icons come from `load` when the icon view is first shown
    // (loading them costs start-up time most sessions never repay); until
    // then the control holds none.
    void Set_Large_Icons_On_Demand(std::function<const ImageList*()> load);
    bool Large_Icons_Loaded() const { return large_icons_ != nullptr; }

    // Applies the model: columns (rebuilt when keys, captions or alignment
    // changed; widths applied when they differ), row count, view mode, check
    // boxes, header visibility, multiple selection, and the rows' selection;
    // then repaints. Bound models call it through Notify().
    void Refresh();
    // Repaints the rows only (texts, icons, bold changed, count unchanged).
    void Redraw_Rows();
    // In the report view the control paints the small icons of rows that are
    // neither selected nor ghosted itself, from icons made once (see
    // ImageList::Icon), instead of leaving each to the image list; `off`
    // leaves them all to the image list, as the other views always do.
    void Set_Own_Icon_Painting(bool on) { own_icons_ = on; }

    // Writes the control's column widths back into the model (twips).
    void Read_Column_Widths();
    double Column_Width_Twips(std::size_t column) const;

    // Selection and focus (0-based row indexes of the model).
    std::vector<std::size_t> Selected_Indexes() const;
    std::optional<std::size_t> Focused_Index() const;
    // Selects a row (and keeps ListItem::selected in step); with only, clears
    // every other selection first.
    void Select(std::size_t index, bool only = true);
    void Clear_Selection();
    void Ensure_Visible(std::size_t index);
    // Row under a point of the client area; on_check_box tells whether the
    // point is on the row's check box.
    std::optional<std::size_t> Hit_Test(int x, int y, bool* on_check_box = nullptr) const;
    // Row under a point in any of its cells (LVM_SUBITEMHITTEST: in report
    // view Hit_Test finds a row only over its first column).
    std::optional<std::size_t> Row_At(int x, int y) const;
    int Count_Per_Page() const;
    // A cell's rectangle in the client area (LVM_GETSUBITEMRECT): for a
    // column above 0 the sub-item's cell, for column 0 the row's label (right
    // of its check box and icon); nullopt for a row or column that is not there.
    std::optional<RECT> Sub_Item_Rect(std::size_t index, std::size_t column) const;
    // Flips a row's check box as a click on it would (fires on_item_check).
    void Toggle_Check(std::size_t index);

    void Set_Extended_Style(DWORD mask, DWORD style);
    DWORD Extended_Style() const;
    void Set_Font(HFONT font) override;

    // Events (indexes are 0-based model rows).
    std::function<void(std::size_t index)> on_item_click;     // left click on a row
    std::function<void(std::size_t column)> on_column_click;  // header clicked
    std::function<void(std::size_t index)> on_item_check;     // after ListItem::checked flipped
    std::function<void()> on_selection_changed;                // after ListItem::selected changed
    // Right click anywhere in the list (row or not), at the pointer; fires
    // when the button is released, as the list reports it.
    std::function<void(const MouseEvent&)> on_right_click;
    // A left or right click released on the list (row or not), at the
    // pointer, as the list reports it; fires before on_right_click.
    std::function<void(const MouseEvent&)> on_click;
    // A character typed (KeyAscii: Enter is 13); return true to swallow it.
    std::function<bool(int key_ascii)> on_key_press;
    // A drag of rows starts: return the text it carries. The drop goes to a
    // control that accepts drops (TreeViewControl::Set_Accept_Drops).
    std::function<std::string()> on_begin_drag;

private:
    void List_Changed() override { Refresh(); }
    bool On_Notify(NMHDR& header, LRESULT& result) override;
    bool On_Own_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool Get_Display_Info(NMLVDISPINFOW& info);
    LRESULT Custom_Draw(NMLVCUSTOMDRAW& draw);
    HICON Own_Icon(std::size_t index, int sub_item) const;
    // Rebuilds the columns (rebuild: keys, captions or alignment changed) or
    // applies their widths.
    void Apply_Columns(bool rebuild);
    bool Columns_Shown() const;
    void Apply_Styles();
    void Apply_Selection();
    void Read_Selection();
    void Make_Bold_Font();

    ListModel* model_ = nullptr;
    const ImageList* small_icons_ = nullptr;
    const ImageList* large_icons_ = nullptr;
    std::function<const ImageList*()> load_large_icons_;
    HFONT bold_font_ = nullptr;
    HFONT base_font_ = nullptr;
    std::vector<ListColumn> shown_columns_;
    std::size_t shown_count_ = 0;
    bool syncing_ = false;
    bool own_icons_ = true;
    int painting_ = 0;  // inside WM_PAINT / WM_PRINTCLIENT
    std::wstring text_buffer_;
};

// Sets the list view's extended style: the style it has, with the bits that
// ListView_ExStyle_For (ui/model/list_helpers.h) adds.
void Set_ListView_ExStyle(HWND list_view);

}  // namespace crv
