#include "TControl.h"

#include "Cp1252.h"
#include "TWinControl.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

TControl::~TControl() = default;

std::string TControl::GetText() const
{
    const QWidget* widget = AsWidget();
    if (!widget)
        return {};
    const QVariant text = widget->property("text");
    if (text.isValid())
        return Cp1252::fromQString(text.toString());
    return Cp1252::fromQString(widget->windowTitle());
}

void TControl::SetText(const std::string& text)
{
    QWidget* widget = AsWidget();
    if (!widget)
        return;
    const QString value = Cp1252::toQString(text);
    if (widget->property("text").isValid())
        widget->setProperty("text", value);
    else
        widget->setWindowTitle(value);
}

bool TControl::GetEnabled() const
{
    const QWidget* widget = AsWidget();
    return widget && !widget->testAttribute(Qt::WA_ForceDisabled);
}

void TControl::SetEnabled(bool enabled)
{
    if (QWidget* widget = AsWidget())
        widget->setEnabled(enabled);
}

bool TControl::GetVisible() const
{
    const QWidget* widget = AsWidget();
    if (!widget)
        return false;
    if (widget->isWindow() || !widget->parentWidget())
        return widget->isVisible();
    return widget->isVisibleTo(widget->parentWidget());
}

void TControl::SetVisible(bool visible)
{
    if (QWidget* widget = AsWidget())
        widget->setVisible(visible);
}

QPalette::ColorRole TControl::ColorRole() const
{
    const QWidget* widget = AsWidget();
    return widget ? widget->backgroundRole() : QPalette::Window;
}

void TControl::SetColor(TColor color)
{
    m_color = color;
    QWidget* widget = AsWidget();
    if (!widget)
        return;
    const QColor painted = TColorToQColor(color, QApplication::palette(widget));
    QPalette palette = widget->palette();
    const QPalette::ColorRole role = ColorRole();
    // Every group: a disabled control keeps the colour it was given, as the toolkit's users
    // expect (TdCEdit paints disabled edits clBtnFace itself).
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, painted);
    widget->setPalette(palette);
    if (FillsBackground())
        widget->setAutoFillBackground(color != clNone);
}

std::string TControl::GetHint() const
{
    const QWidget* widget = AsWidget();
    return widget ? Cp1252::fromQString(widget->toolTip()) : std::string();
}

void TControl::SetHint(const std::string& hint)
{
    if (QWidget* widget = AsWidget())
        widget->setToolTip(Cp1252::toQString(hint));
}

int TControl::GetLeft() const
{
    const QWidget* widget = AsWidget();
    return widget ? widget->x() : 0;
}

void TControl::SetLeft(int left)
{
    if (QWidget* widget = AsWidget())
        widget->move(left, widget->y());
}

int TControl::GetTop() const
{
    const QWidget* widget = AsWidget();
    return widget ? widget->y() : 0;
}

void TControl::SetTop(int top)
{
    if (QWidget* widget = AsWidget())
        widget->move(widget->x(), top);
}

int TControl::GetWidth() const
{
    const QWidget* widget = AsWidget();
    return widget ? widget->width() : 0;
}

void TControl::SetWidth(int width)
{
    if (QWidget* widget = AsWidget())
        widget->resize(width, widget->height());
}

int TControl::GetHeight() const
{
    const QWidget* widget = AsWidget();
    return widget ? widget->height() : 0;
}

void TControl::SetHeight(int height)
{
    if (QWidget* widget = AsWidget())
        widget->resize(widget->width(), height);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (QWidget* widget = AsWidget())
        widget->setGeometry(left, top, width, height);
}

TWinControl* TControl::GetParent() const
{
    const QWidget* widget = AsWidget();
    return widget ? dynamic_cast<TWinControl*>(widget->parentWidget()) : nullptr;
}

void TControl::SetParent(TWinControl* parent)
{
    QWidget* widget = AsWidget();
    if (!widget)
        return;
    QWidget* parentWidget = parent ? parent->AsWidget() : nullptr;
    if (widget->parentWidget() == parentWidget)
        return;
    // setParent hides the widget; a control keeps its Visible flag across the move.
    const bool visible = GetVisible();
    widget->setParent(parentWidget);
    if (visible && parentWidget)
        widget->show();
}

void TControl::Update()
{
    if (QWidget* widget = AsWidget())
        widget->repaint();
}
