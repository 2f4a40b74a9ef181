#include "TForm.h"

#include "Accessibility.h"
#include "Cp1252.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QShowEvent>

TForm::TForm(TComponent* owner) : QWidget(OwnerWidget(owner), Qt::Window), TWinControl(clBtnFace)
{
    Accessibility::Install();
    // Every focusable widget of the form shows where the keyboard is.
    setStyleSheet(Accessibility::FocusMarkStyleSheet());
}

TForm::~TForm()
{
    if (m_modalLoop)
        m_modalLoop->exit();
}

std::string TForm::GetText() const
{
    return Cp1252::fromQString(windowTitle());
}

void TForm::SetText(const std::string& text)
{
    setWindowTitle(Cp1252::toQString(text));
}

void TForm::SetClientWidth(int width)
{
    resize(width, height());
}

void TForm::SetClientHeight(int height)
{
    resize(width(), height);
}

void TForm::SetConstraintMaxWidth(int maxWidth)
{
    m_maxWidth = maxWidth < 0 ? 0 : maxWidth;
    ApplyConstraints();
}

void TForm::SetConstraintMaxHeight(int maxHeight)
{
    m_maxHeight = maxHeight < 0 ? 0 : maxHeight;
    ApplyConstraints();
}

void TForm::ApplyConstraints()
{
    setMaximumSize(m_maxWidth > 0 ? m_maxWidth : QWIDGETSIZE_MAX,
                   m_maxHeight > 0 ? m_maxHeight : QWIDGETSIZE_MAX);
}

void TForm::SetPosition(TPosition position)
{
    m_position = position;
}

TWindowState TForm::GetWindowState() const
{
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized)
        return wsMinimized;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return wsMaximized;
    return wsNormal;
}

void TForm::SetWindowState(TWindowState state)
{
    switch (state) {
    case wsNormal:
        setWindowState(windowState() &
                       ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
        break;
    case wsMinimized:
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case wsMaximized:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    }
}

void TForm::SetParent(TWinControl* parent)
{
    QWidget* parentWidget = parent ? parent->AsWidget() : nullptr;
    if (parentWidget) {
        if (parentWidget == this->parentWidget() && !isWindow())
            return;
        const bool visible = !isHidden();
        setParent(parentWidget, windowFlags() & ~Qt::Window);
        // A form shows when told to, never merely because its new parent shows.
        setVisible(visible);
        return;
    }
    if (isWindow())
        return;
    // Back to a window of its own, still deleted with its last Qt parent.
    setParent(this->parentWidget(), windowFlags() | Qt::Window);
}

TModalResult TForm::ShowModal()
{
    if (m_modalLoop)
        return mrNone; // already modal: a second loop on the same form would never end
    m_modalResult = mrNone;
    const Qt::WindowModality previousModality = windowModality();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();

    QPointer<TForm> guard(this);
    QEventLoop loop;
    m_modalLoop = &loop;
    // The loop may end by an exception from a handler: the form never keeps a loop that has
    // ended, and a form deleted while modal is not touched.
    const auto leave = qScopeGuard([&] {
        if (!guard)
            return;
        m_modalLoop = nullptr;
        hide();
        setWindowModality(previousModality);
    });
    loop.exec(QEventLoop::DialogExec);
    if (!guard)
        return mrCancel; // deleted while modal
    return m_modalResult;
}

void TForm::SetModalResult(TModalResult result)
{
    m_modalResult = result;
    if (m_modalLoop && result != mrNone)
        close();
}

void TForm::Close()
{
    close();
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TForm::closeEvent(QCloseEvent* event)
{
    TCloseAction action = caHide;
    if (CloseQuery())
        DoClose(action);
    else
        action = caNone;

    switch (action) {
    case caNone:
        event->ignore();
        m_modalResult = mrNone; // a refused close leaves a modal form running
        return;
    case caMinimize:
        event->ignore();
        if (!m_modalLoop)
            showMinimized();
        m_modalResult = mrNone;
        return;
    case caFree:
        deleteLater();
        [[fallthrough]];
    case caHide:
        event->accept();
        break;
    }
    if (m_modalLoop) {
        if (m_modalResult == mrNone)
            m_modalResult = mrCancel;
        m_modalLoop->exit();
    }
}

void TForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (OnResize)
        OnResize(this);
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        PlaceOnShow();
        if (OnShow)
            OnShow(this);
    }
}

void TForm::PlaceOnShow()
{
    if (!isWindow())
        return;
    const QWidget* around = nullptr;
    switch (m_position) {
    case poMainFormCenter:
        around = QApplication::activeWindow();
        if (around == this)
            around = nullptr;
        if (!around)
            around = parentWidget() ? parentWidget()->window() : nullptr;
        break;
    case poOwnerFormCenter:
        around = parentWidget() ? parentWidget()->window() : nullptr;
        break;
    case poScreenCenter:
    case poDesktopCenter:
        break;
    default:
        return;
    }
    QRect area;
    if (around)
        area = around->frameGeometry();
    else if (const QScreen* screen =
                 this->screen() ? this->screen() : QApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}
