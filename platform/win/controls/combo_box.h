#pragma once
// A drop-down list of texts.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "platform/win/controls/control.h"

namespace crv {

class ComboBox : public Control {
public:
    // drop_list: the user can only pick an entry (no typing).
    bool Create(HWND parent, int id, bool drop_list = true);

    void Clear();
    std::size_t Add(const std::string& text);  // appended; returns its index
    std::size_t Count() const;
    std::string Item(std::size_t index) const;
    std::optional<std::size_t> Selected() const;
    // nullopt clears the selection.
    void Select(std::optional<std::size_t> index);
    // The selected entry's text, or the edit text; "" with nothing selected.
    std::string Text() const;

    // The user picked another entry.
    std::function<void()> on_selection_changed;

private:
    bool On_Command(WORD code, WORD id, LRESULT& result) override;
};

}  // namespace crv
