#include "view/TViewBaseForm.h"

#include "model/TModelAbstract.h"
#include "presenter/THostGuard.h"
#include "presenter/TPrBaseForm.h"

#include "Accessibility.h"
#include "Cp1252.h"
#include "DesktopMetrics.h"
#include "MessageQueue.h"
#include "TInfoGene.h"
#include "TPanel.h"
#include "TSingletonCouleur.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QWheelEvent>

#include <algorithm>
#include <initializer_list>

namespace {

// A window made without the navigation column loses only this much of its width, not the
// column's 250 pixels: the form keeps the margin it was designed with on the right.
constexpr double kNarrowColumnShrink = 156.25;

// Where Cascade puts the window, from its owner's corner.
constexpr int kCascadeOffset = 22;

// Pixels scrolled by an arrow of a scroll bar.
constexpr int kScrollStep = 20;

// The low four bits of a system command are the system's own.
constexpr WPARAM kSystemCommandMask = 0xFFF0;

} // namespace

TViewBaseForm::TViewBaseForm(TComponent* owner, TPrBaseForm* presenter)
    : TView(owner), m_Presenter(presenter), m_owner(OwnerObject(owner))
{
    BuildLayout();
    SetAutoScroll(true);

    // Without a navigation tree the screen and the buttons take the left edge.
    if (m_Presenter && !m_Presenter->isLeftComposite()) {
        SetClientWidth(static_cast<int>(GetClientWidth() - kNarrowColumnShrink));
        PanelEcranVCL->SetLeft(PanelEcranVCL->GetLeft() - kNavigateTreeWidth);
        PanelManagementButtons->SetLeft(PanelManagementButtons->GetLeft() - kNavigateTreeWidth);
        PanelNavigateTree->SetVisible(false);
        UpdateScrollRange();
    }

    if (m_Presenter && m_Presenter->getModel() && m_Presenter->getModel()->getInfoGene()) {
        const TColor couleur = m_Presenter->getModel()->getInfoGene()->getCouleur();
        for (TPanel* panel : {PanelNavigateTree, PanelEcranVCL, PanelManagementButtons})
            panel->SetColor(couleur);
    }

    m_clientHeight = GetClientHeight();
    m_maximumHeight = GetHeight();
    m_maximumWidth = GetWidth();
    SetConstraintMaxHeight(m_maximumHeight);
    SetConstraintMaxWidth(m_maximumWidth);
    ConstrainResize();

    InitCouleurs();
}

TViewBaseForm::~TViewBaseForm()
{
    // Destroying the children moves the focus and hides widgets: nothing may reach this
    // window's handlers any more.
    if (QCoreApplication* application = QCoreApplication::instance())
        disconnect(application, nullptr, this, nullptr);
    for (TPanel* panel : {PanelNavigateTree, PanelEcranVCL, PanelManagementButtons})
        panel->removeEventFilter(this);
    m_viewport->removeEventFilter(this);
    m_content = nullptr;
}

void TViewBaseForm::BuildLayout()
{
    setObjectName(QStringLiteral("ViewBaseForm"));
    SetCaption("BaseForm");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    SetPosition(poOwnerFormCenter);
    SetColor(clWindow);

    // The panels sit in a scrolled area that fills the window; the window's own background
    // shows through it. (Not a QScrollArea: Qt keeps a touch gesture object of every scroll
    // area alive after the area is gone.)
    m_viewport = new QWidget(this);
    m_viewport->installEventFilter(this);
    m_content = new QWidget(m_viewport);
    m_verticalBar = new QScrollBar(Qt::Vertical, this);
    m_horizontalBar = new QScrollBar(Qt::Horizontal, this);
    for (QScrollBar* bar : {m_verticalBar, m_horizontalBar}) {
        bar->hide();
        bar->setSingleStep(kScrollStep);
        connect(bar, &QScrollBar::valueChanged, this, &TViewBaseForm::ScrollContent);
    }
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        connect(application, &QApplication::focusChanged, this,
                [this](QWidget* /*old*/, QWidget* now) { EnsureVisible(now); });
    }

    const auto makePanel = [this](const char* name, int left, int top, int width, int height) {
        auto* panel = new TPanel(nullptr);
        panel->setParent(m_content);
        panel->setObjectName(QLatin1String(name));
        panel->SetBevelOuter(bvNone);
        panel->SetBounds(left, top, width, height);
        panel->installEventFilter(this);
        return panel;
    };
    // Created in tab order: the screen, the buttons, the navigation tree.
    PanelEcranVCL = makePanel("PanelEcranVCL", kNavigateTreeWidth, 0,
                              kClientWidth - kNavigateTreeWidth, kScreenHeight);
    PanelManagementButtons = makePanel("PanelManagementButtons", kNavigateTreeWidth, kScreenHeight,
                                       kClientWidth - kNavigateTreeWidth, kButtonsHeight);
    PanelNavigateTree = makePanel("PanelNavigateTree", 0, 0, kNavigateTreeWidth, kClientHeight);

    // A status bar of no size: screen readers read it on demand, and hear it change.
    m_statusText = new QStatusBar(this);
    m_statusText->setObjectName(QStringLiteral("StatusText"));
    m_statusText->setSizeGripEnabled(false);
    m_statusText->setGeometry(0, 0, 0, 0);

    resize(kClientWidth, kClientHeight);
    UpdateScrollRange();
}

TViewBaseForm& TViewBaseForm::operator=(const TViewBaseForm& other)
{
    if (this != &other)
        m_screenName = other.m_screenName;
    return *this;
}

bool TViewBaseForm::operator==(const TViewBaseForm& other) const
{
    return m_Presenter == other.m_Presenter && m_screenName == other.m_screenName;
}

void TViewBaseForm::Update()
{
    SetCaption(m_screenName);
    Accessibility::SetName(m_statusText, Cp1252::toQString(m_screenName));
}

void TViewBaseForm::Reduce()
{
    if (m_Presenter && !m_Presenter->isLeftComposite())
        return;
    if (PanelNavigateTree->isHidden())
        return; // the column is already gone
    PanelEcranVCL->SetLeft(PanelEcranVCL->GetLeft() - kNavigateTreeWidth);
    PanelManagementButtons->SetLeft(PanelManagementButtons->GetLeft() - kNavigateTreeWidth);
    PanelNavigateTree->SetVisible(false);
    UpdateScrollRange();
    SetClientWidth(GetClientWidth() - kNavigateTreeWidth);
    m_maximumWidth = GetWidth();
    SetConstraintMaxWidth(m_maximumWidth);
    ConstrainResize();
}

void TViewBaseForm::FixClientHeight(int height)
{
    // A negative screen height is taken as an empty screen.
    const int screenHeight = height < 0 ? 0 : height;
    const int newClientHeight = PanelManagementButtons->GetHeight() + screenHeight;
    if (newClientHeight == m_clientHeight)
        return;

    m_maximumHeight = 0;
    SetConstraintMaxHeight(0);
    const auto placePanels = [&] {
        PanelManagementButtons->SetTop(screenHeight);
        PanelEcranVCL->SetHeight(screenHeight);
        PanelNavigateTree->SetHeight(newClientHeight);
        UpdateScrollRange();
    };
    const auto fitWindow = [&] {
        SetClientHeight(newClientHeight);
        m_maximumHeight = GetHeight();
        SetConstraintMaxHeight(m_maximumHeight);
        ConstrainResize();
    };
    // Shrinking moves the panels before the window, growing the window before the panels, so
    // that the content never hangs outside the window on the way.
    if (newClientHeight < m_clientHeight) {
        placePanels();
        fitWindow();
    } else {
        fitWindow();
        placePanels();
    }
    m_clientHeight = newClientHeight;
}

void TViewBaseForm::InitCouleurs()
{
    TSingletonCouleur* couleurs = TSingletonCouleur::GetInstance();
    InitConfigcolors(*couleurs);
    SetColor(*couleurs->getColors(couleurFondAssistant));
}

void TViewBaseForm::Cascade()
{
    SetPosition(poDesigned);
    int ownerLeft = 0;
    int ownerTop = 0;
    if (const auto* control = dynamic_cast<const TControl*>(TComponent::FromQObject(m_owner))) {
        ownerLeft = control->GetLeft();
        ownerTop = control->GetTop();
    }
    SetTop(ownerTop + kCascadeOffset);
    SetLeft(ownerLeft + kCascadeOffset);
}

void TViewBaseForm::Center()
{
    SetPosition(poMainFormCenter);
}

// The roads of closing the window. A close whose checks threw keeps the window open, with
// what the user typed.
void TViewBaseForm::OnClose(TObject* Sender, TCloseAction& Action)
{
    if (!m_Presenter)
        return;
    if (!THostGuard::Run("TViewBaseForm::OnClose()", m_Presenter,
                         [&] { m_Presenter->OnClose(Sender, Action); }))
        Action = caNone;
}

void TViewBaseForm::FormCloseQuery(TObject* /*Sender*/, bool& CanClose)
{
    if (!m_Presenter)
        return;
    if (!THostGuard::Run("TViewBaseForm::FormCloseQuery()", m_Presenter,
                         [&] { m_Presenter->OnCloseQuery(CanClose); }))
        CanClose = false;
}

void TViewBaseForm::FormConstrainedResize(TObject* /*Sender*/, int& /*MinWidth*/,
                                          int& /*MinHeight*/, int& MaxWidth, int& MaxHeight)
{
    if (m_maximumHeight == 0 || m_maximumWidth == 0)
        return;
    // A window cut in one direction shows a scroll bar across the other: leave room for it.
    MaxWidth =
        m_maximumWidth + (GetHeight() < m_maximumHeight ? GetSystemMetrics(SM_CXVSCROLL) : 1);
    MaxHeight =
        m_maximumHeight + (GetWidth() < m_maximumWidth ? GetSystemMetrics(SM_CYHSCROLL) : 1);
    SetConstraintMaxWidth(MaxWidth);
    SetConstraintMaxHeight(MaxHeight);
}

void TViewBaseForm::FormResize(TObject* /*Sender*/)
{
    if (m_maximumWidth != 0 && GetWidth() >= m_maximumWidth && GetConstraintMaxWidth() > GetWidth())
        SetWidth(GetConstraintMaxWidth());
    if (m_maximumHeight != 0 && GetHeight() >= m_maximumHeight &&
        GetConstraintMaxHeight() > GetHeight())
        SetHeight(GetConstraintMaxHeight());
}

void TViewBaseForm::Dispatch(void* message)
{
    if (!message)
        return;
    TMessage& msg = *static_cast<TMessage*>(message);
    switch (msg.Msg) {
    case WM_NCLBUTTONDBLCLK:
        MDIDblClickBar(msg);
        break;
    case WM_SYSCOMMAND:
        MDIMaximize(msg);
        break;
    default:
        TMessageTarget::Dispatch(message);
        break;
    }
}

void TViewBaseForm::MDIDblClickBar(TMessage& message)
{
    if (message.WParam != HTCAPTION) {
        TMessageTarget::Dispatch(&message);
        return;
    }
    TMessage maximize;
    maximize.Msg = WM_SYSCOMMAND;
    maximize.WParam = SC_MAXIMIZE;
    MDIMaximize(maximize);
    message.Result = maximize.Result;
}

void TViewBaseForm::MDIMaximize(TMessage& message)
{
    if ((message.WParam & kSystemCommandMask) != SC_MAXIMIZE) {
        TMessageTarget::Dispatch(&message);
        return;
    }
    SetWindowState(wsNormal);
    // Without a limit (only while a height is being fitted) there is no largest size.
    if (m_maximumHeight > 0)
        SetHeight(m_maximumHeight);
    if (m_maximumWidth > 0)
        SetWidth(m_maximumWidth);
    message.Result = 0;
}

void TViewBaseForm::DefaultHandler(void* message)
{
    if (!message)
        return;
    const TMessage& msg = *static_cast<TMessage*>(message);
    if (msg.Msg == WM_SYSCOMMAND) {
        switch (msg.WParam & kSystemCommandMask) {
        case SC_CLOSE:
            Close();
            break;
        case SC_MINIMIZE:
            SetWindowState(wsMinimized);
            break;
        case SC_RESTORE:
            SetWindowState(wsNormal);
            break;
        default:
            break;
        }
    }
    TMessageTarget::DefaultHandler(message);
}

bool TViewBaseForm::CloseQuery()
{
    bool canClose = true;
    FormCloseQuery(this, canClose);
    return canClose;
}

void TViewBaseForm::DoClose(TCloseAction& action)
{
    OnClose(this, action);
}

void TViewBaseForm::resizeEvent(QResizeEvent* event)
{
    ConstrainResize();
    TView::resizeEvent(event);
    LayoutScrolling();
    FormResize(this);
}

void TViewBaseForm::changeEvent(QEvent* event)
{
    TView::changeEvent(event);
    // The window manager maximizes on its own (button, caption double click); turn it into
    // the maximize command, once the state change is over.
    if (event->type() == QEvent::WindowStateChange &&
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        PostMessageA(Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
}

bool TViewBaseForm::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel over the panels scrolls them, when nothing inside took it.
    if (watched == m_viewport && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const bool across = wheel->angleDelta().x() != 0 && wheel->angleDelta().y() == 0;
        QScrollBar* bar = across ? m_horizontalBar : m_verticalBar;
        if (bar->isVisible())
            return QCoreApplication::sendEvent(bar, event);
        return false;
    }
    if (watched == m_viewport)
        return TView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        UpdateScrollRange();
        break;
    case QEvent::ChildAdded:
        ScheduleTabOrder();
        break;
    default:
        break;
    }
    return TView::eventFilter(watched, event);
}

void TViewBaseForm::ConstrainResize()
{
    int minWidth = minimumWidth();
    int minHeight = minimumHeight();
    int maxWidth = GetConstraintMaxWidth();
    int maxHeight = GetConstraintMaxHeight();
    FormConstrainedResize(this, minWidth, minHeight, maxWidth, maxHeight);
}

void TViewBaseForm::UpdateScrollRange()
{
    if (!m_content || !PanelNavigateTree || !PanelEcranVCL || !PanelManagementButtons)
        return; // still building the layout
    int width = 0;
    int height = 0;
    for (TPanel* panel : {PanelNavigateTree, PanelEcranVCL, PanelManagementButtons}) {
        if (panel->isHidden())
            continue;
        width = std::max(width, panel->GetLeft() + panel->GetWidth());
        height = std::max(height, panel->GetTop() + panel->GetHeight());
    }
    m_content->resize(width, height);
    LayoutScrolling();
}

void TViewBaseForm::LayoutScrolling()
{
    if (!m_viewport || !m_content)
        return;
    // The bars are as wide as the room the size constraints leave for them.
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const QSize content = m_content->size();
    bool vertical = content.height() > height();
    const bool horizontal = content.width() > width() - (vertical ? barWidth : 0);
    if (horizontal && !vertical)
        vertical = content.height() > height() - barHeight;
    const int viewWidth = std::max(0, width() - (vertical ? barWidth : 0));
    const int viewHeight = std::max(0, height() - (horizontal ? barHeight : 0));

    m_viewport->setGeometry(0, 0, viewWidth, viewHeight);
    m_verticalBar->setGeometry(viewWidth, 0, barWidth, viewHeight);
    m_horizontalBar->setGeometry(0, viewHeight, viewWidth, barHeight);
    m_verticalBar->setRange(0, std::max(0, content.height() - viewHeight));
    m_verticalBar->setPageStep(std::max(1, viewHeight));
    m_horizontalBar->setRange(0, std::max(0, content.width() - viewWidth));
    m_horizontalBar->setPageStep(std::max(1, viewWidth));
    m_verticalBar->setVisible(vertical);
    m_horizontalBar->setVisible(horizontal);
    ScrollContent();
}

void TViewBaseForm::ScrollContent()
{
    if (m_content)
        m_content->move(-m_horizontalBar->value(), -m_verticalBar->value());
}

void TViewBaseForm::EnsureVisible(QWidget* widget)
{
    if (!widget || !m_content || !m_content->isAncestorOf(widget))
        return;
    const QRect area(widget->mapTo(m_content, QPoint(0, 0)), widget->size());
    const auto follow = [](QScrollBar* bar, int start, int end, int visible) {
        if (start < bar->value())
            bar->setValue(start);
        else if (end > bar->value() + visible)
            bar->setValue(std::min(start, end - visible));
    };
    follow(m_verticalBar, area.top(), area.top() + area.height(), m_viewport->height());
    follow(m_horizontalBar, area.left(), area.left() + area.width(), m_viewport->width());
}

void TViewBaseForm::ScheduleTabOrder()
{
    if (m_tabOrderPending)
        return;
    m_tabOrderPending = true;
    QMetaObject::invokeMethod(this, &TViewBaseForm::FixTabOrder, Qt::QueuedConnection);
}

QList<QWidget*> TViewBaseForm::TabStops() const
{
    // The window's focus chain, panel by panel in tab order, each panel's widgets keeping
    // their own order.
    QList<QWidget*> stops;
    for (const TPanel* panel : {PanelEcranVCL, PanelManagementButtons, PanelNavigateTree}) {
        for (QWidget* widget = nextInFocusChain(); widget && widget != this;
             widget = widget->nextInFocusChain()) {
            if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
                panel->isAncestorOf(widget))
                stops.append(widget);
        }
    }
    return stops;
}

void TViewBaseForm::FixTabOrder()
{
    m_tabOrderPending = false;
    // The chain is a ring: this makes the screen's last stop lead to the buttons, and the
    // buttons' last to the tree, wherever the ring starts.
    const QList<QWidget*> stops = TabStops();
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

void TViewBaseForm::showEvent(QShowEvent* event)
{
    TView::showEvent(event);
    if (event->spontaneous() || focusWidget())
        return;
    // A window opens with the focus on the screen's first field, whichever view was made
    // first.
    FixTabOrder();
    for (QWidget* stop : TabStops()) {
        if (stop->isEnabled() && stop->isVisibleTo(this)) {
            stop->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}
