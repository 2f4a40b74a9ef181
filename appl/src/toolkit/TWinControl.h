#pragma once

// A control with a window of its own: it can hold other controls, take the focus and carry a
// window identifier.

#include "wizard_toolkit_export.h"

#include "TControl.h"
#include "WinTypes.h"

class WIZARD_TOOLKIT_EXPORT TWinControl : public TControl
{
public:
    using TControl::TControl;
    TWinControl(const TWinControl& other) : TControl(other) {}
    TWinControl& operator=(const TWinControl&) { return *this; }
    ~TWinControl() override;

    bool operator==(const TWinControl& other) const { return this == &other; }

    // The control's window: the widget itself.
    HWND Handle() const;

    // Gives the keyboard focus to the control (and activates its window).
    virtual void SetFocus();
    // Whether SetFocus can succeed: the control and all its parents are enabled and shown,
    // and the control accepts the focus.
    bool CanFocus() const;
    bool Focused() const;

    bool GetTabStop() const;
    void SetTabStop(bool tabStop);
};

// Index of the window identifier for SetWindowLongA / GetWindowLongA.
inline constexpr int GWL_ID = -12;

// Sets a window value and returns the previous one. Only GWL_ID is kept (on the widget itself);
// another index, or a null window, changes nothing and answers 0.
WIZARD_TOOLKIT_EXPORT long SetWindowLongA(HWND window, int index, long value);
// A window value; 0 for a value never set, an unknown index or a null window.
WIZARD_TOOLKIT_EXPORT long GetWindowLongA(HWND window, int index);
