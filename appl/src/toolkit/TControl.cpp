#include "TControl.h"

#include "Cp1252.h"
#include "TWinControl.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace {

// Keeps an anchored widget at its distances to the anchored sides of its parent: resizing the
// parent by so many pixels moves (or, anchored to both sides, stretches) the widget by as many.
// A child of the widget, so it goes with it.
class AnchorKeeper : public QObject
{
public:
    explicit AnchorKeeper(QWidget* widget) : QObject(widget), m_widget(widget)
    {
        setObjectName(kName);
        widget->installEventFilter(this);
    }

    void SetAnchors(TAnchors anchors)
    {
        m_anchors = anchors;
        Watch();
    }

    // Follows the parent's size change since the last call (nothing when it kept its size).
    void Follow()
    {
        if (!m_parent)
            return;
        const QSize size = m_parent->size();
        const int dx = size.width() - m_size.width();
        const int dy = size.height() - m_size.height();
        m_size = size;
        if (dx == 0 && dy == 0)
            return;
        QRect geometry = m_widget->geometry();
        if (m_anchors & akRight) {
            if (m_anchors & akLeft)
                geometry.setWidth(geometry.width() + dx);
            else
                geometry.moveLeft(geometry.left() + dx);
        }
        if (m_anchors & akBottom) {
            if (m_anchors & akTop)
                geometry.setHeight(geometry.height() + dy);
            else
                geometry.moveTop(geometry.top() + dy);
        }
        m_widget->setGeometry(geometry);
    }

    // The keepers of the children of `parent`, after the toolkit resized it: a hidden widget
    // hears of its new size only once shown.
    static void FollowChildren(QWidget* parent)
    {
        for (QObject* child : parent->children())
            if (auto* widget = qobject_cast<QWidget*>(child))
                if (auto* keeper = Of(widget))
                    keeper->Follow();
    }

    static AnchorKeeper* Of(QWidget* widget)
    {
        // Found by name: without a meta-object of its own, findChild<AnchorKeeper*> would match
        // any child.
        return dynamic_cast<AnchorKeeper*>(
            widget->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_widget && event->type() == QEvent::ParentChange)
            Watch();
        else if (watched == m_parent && event->type() == QEvent::Resize)
            Follow();
        return false;
    }

private:
    static inline const QString kName = QStringLiteral("TControl::AnchorKeeper");

    void Watch()
    {
        if (m_parent)
            m_parent->removeEventFilter(this);
        m_parent = m_widget->parentWidget();
        if (m_parent) {
            m_parent->installEventFilter(this);
            m_size = m_parent->size();
        }
    }

    QWidget* m_widget;
    QPointer<QWidget> m_parent;
    QSize m_size;
    TAnchors m_anchors = akLeft | akTop;
};

} // namespace

TControl::~TControl() = default;

void TControl::SetAnchors(TAnchors anchors)
{
    m_anchors = anchors;
    QWidget* widget = AsWidget();
    if (!widget)
        return;
    AnchorKeeper* keeper = AnchorKeeper::Of(widget);
    if (anchors == (akLeft | akTop)) {
        delete keeper; // the default: the widget stays where it is
        return;
    }
    if (!keeper)
        keeper = new AnchorKeeper(widget);
    keeper->SetAnchors(anchors);
}

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
    if (QWidget* widget = AsWidget()) {
        widget->resize(width, widget->height());
        AnchorKeeper::FollowChildren(widget);
    }
}

int TControl::GetHeight() const
{
    const QWidget* widget = AsWidget();
    return widget ? widget->height() : 0;
}

void TControl::SetHeight(int height)
{
    if (QWidget* widget = AsWidget()) {
        widget->resize(widget->width(), height);
        AnchorKeeper::FollowChildren(widget);
    }
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (QWidget* widget = AsWidget()) {
        widget->setGeometry(left, top, width, height);
        AnchorKeeper::FollowChildren(widget);
    }
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
