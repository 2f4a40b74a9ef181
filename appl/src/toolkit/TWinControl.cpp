#include "TWinControl.h"

#include <QVariant>
#include <QWidget>

namespace {
// The window identifier travels with the widget, so that any code holding only the window
// (as Windows code holds an HWND) finds it.
constexpr const char* kWindowIdProperty = "wizardWindowId";
} // namespace

TWinControl::~TWinControl() = default;

HWND TWinControl::Handle() const
{
    return const_cast<QWidget*>(AsWidget());
}

void TWinControl::SetFocus()
{
    QWidget* widget = AsWidget();
    if (!widget)
        return;
    if (QWidget* window = widget->window(); window && window->isVisible())
        window->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::CanFocus() const
{
    const QWidget* widget = AsWidget();
    if (!widget || widget->focusPolicy() == Qt::NoFocus)
        return false;
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (w->testAttribute(Qt::WA_ForceDisabled))
            return false;
        if (w->parentWidget() && !w->isWindow() && !w->isVisibleTo(w->parentWidget()))
            return false;
    }
    return true;
}

bool TWinControl::Focused() const
{
    const QWidget* widget = AsWidget();
    return widget && widget->hasFocus();
}

bool TWinControl::GetTabStop() const
{
    const QWidget* widget = AsWidget();
    return widget && (widget->focusPolicy() & Qt::TabFocus);
}

void TWinControl::SetTabStop(bool tabStop)
{
    QWidget* widget = AsWidget();
    if (!widget)
        return;
    Qt::FocusPolicy policy = widget->focusPolicy();
    if (tabStop)
        policy = static_cast<Qt::FocusPolicy>(policy | Qt::TabFocus);
    else
        policy = static_cast<Qt::FocusPolicy>(policy & ~Qt::TabFocus);
    widget->setFocusPolicy(policy);
}

long SetWindowLongA(HWND window, int index, long value)
{
    if (!window || index != GWL_ID)
        return 0;
    const long previous = GetWindowLongA(window, index);
    window->setProperty(kWindowIdProperty, QVariant::fromValue<qlonglong>(value));
    return previous;
}

long GetWindowLongA(HWND window, int index)
{
    if (!window || index != GWL_ID)
        return 0;
    return static_cast<long>(window->property(kWindowIdProperty).toLongLong());
}
