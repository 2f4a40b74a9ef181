#include "view/TViewBaseForm.h"

#include "model/TModelAbstract.h"
#include "presenter/TPrBaseForm.h"

#include "DesktopMetrics.h"
#include "MessageQueue.h"
#include "TInfoGene.h"
#include "TPanel.h"
#include "TSingletonCouleur.h"

#include <QEvent>
#include <QList>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

// A window made without the navigation column loses only this much of its width, not the
// column's 250 pixels: the form keeps the margin it was designed with on the right.
constexpr double kNarrowColumnShrink = 156.25;

// Where Cascade puts the window, from its owner's corner.
constexpr int kCascadeOffset = 22;

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
    for (TPanel* panel : {PanelNavigateTree, PanelEcranVCL, PanelManagementButtons})
        panel->removeEventFilter(this);
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
    // shows through it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->viewport()->setAutoFillBackground(false);
    // Scrolled by its bars and the wheel only: a touch pan gesture would leave Qt a gesture
    // object per window to free at some later time.
    m_scrollArea->viewport()->ungrabGesture(Qt::PanGesture);
    m_content = new QWidget();
    m_content->setAutoFillBackground(false);
    m_scrollArea->setWidget(m_content);
    layout->addWidget(m_scrollArea);

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

void TViewBaseForm::OnClose(TObject* Sender, TCloseAction& Action)
{
    if (m_Presenter)
        m_Presenter->OnClose(Sender, Action);
}

void TViewBaseForm::FormCloseQuery(TObject* /*Sender*/, bool& CanClose)
{
    if (m_Presenter)
        m_Presenter->OnCloseQuery(CanClose);
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
}

void TViewBaseForm::ScheduleTabOrder()
{
    if (m_tabOrderPending)
        return;
    m_tabOrderPending = true;
    QMetaObject::invokeMethod(this, &TViewBaseForm::FixTabOrder, Qt::QueuedConnection);
}

void TViewBaseForm::FixTabOrder()
{
    m_tabOrderPending = false;
    // The window's focus chain, panel by panel in tab order, each panel's widgets keeping
    // their own order.
    QList<QWidget*> chain;
    for (TPanel* panel : {PanelEcranVCL, PanelManagementButtons, PanelNavigateTree}) {
        for (QWidget* widget = nextInFocusChain(); widget && widget != this;
             widget = widget->nextInFocusChain()) {
            if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
                panel->isAncestorOf(widget))
                chain.append(widget);
        }
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}
