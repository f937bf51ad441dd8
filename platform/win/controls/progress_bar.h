#pragma once
#include <windows.h>

#include "platform/win/controls/control.h"

namespace crv {

class ProgressBar : public Control {
public:
    bool Create(HWND parent, int id);
    // Values beyond the range are clamped.
    void Set_Range(int minimum, int maximum);
    void Set_Value(int value);
    int Value() const;
    int Minimum() const;
    int Maximum() const;
};

}  // namespace crv
