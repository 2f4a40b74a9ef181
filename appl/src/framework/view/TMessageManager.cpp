#include "view/TMessageManager.h"

#include "presenter/THostGuard.h"
#include "presenter/TPrBaseForm.h"

#include <QMetaObject>

#include <QFont>

TMessageManager::TMessageManager(TComponent* owner, TPrBaseForm* presenter)
    : TForm(owner), m_Presenter(presenter)
{
    BuildLayout();
}

TMessageManager::TMessageManager(const TMessageManager& other)
    : TForm(TComponent::FromQObject(other.parent())), TMessageTarget(other),
      m_Presenter(other.m_Presenter)
{
    BuildLayout();
}

TMessageManager& TMessageManager::operator=(const TMessageManager& other)
{
    if (this != &other)
        m_Presenter = other.m_Presenter;
    return *this;
}

TMessageManager::~TMessageManager() = default;

bool TMessageManager::operator==(const TMessageManager& other) const
{
    return m_Presenter == other.m_Presenter;
}

// The form "MessageManager": borderless, 104 x 0, never shown.
void TMessageManager::BuildLayout()
{
    setObjectName(QStringLiteral("MessageManager"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    SetAutoScroll(false);
    SetClientWidth(104);
    SetClientHeight(0);
    SetColor(clBtnFace);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
}

void TMessageManager::Dispatch(void* message)
{
    if (!message)
        return;
    TMessage& msg = *static_cast<TMessage*>(message);
    switch (msg.Msg) {
    case kMsgChangeView:
    case kMsgChangeFocus:
    case kMsgLanceDeclarationFirst:
    case kMsgLanceDeclarationSecond:
    case kMsgLanceDeclarationThird:
        if (MustWait())
            m_held.push_back(msg);
        else
            Route(msg);
        break;
    default:
        TMessageTarget::Dispatch(message);
        break;
    }
}

bool TMessageManager::MustWait() const
{
    // Behind those already waiting, so that the posting order holds.
    return !m_held.empty() || (m_Presenter && m_Presenter->isInHandler());
}

void TMessageManager::Route(TMessage& message)
{
    THostGuard::Run("TMessageManager::Dispatch()", m_Presenter, [this, &message] {
        switch (message.Msg) {
        case kMsgChangeView:
            MsgChangeView(message);
            break;
        case kMsgChangeFocus:
            MsgChangeFocus(message);
            break;
        default:
            MsgLanceDeclaration(message);
            break;
        }
    });
}

void TMessageManager::ReleaseHeld()
{
    if (m_held.empty())
        return;
    // From the event loop: the handler that just ended may still have callers on the stack.
    QMetaObject::invokeMethod(
        this, [this] { DeliverHeld(); }, Qt::QueuedConnection);
}

void TMessageManager::DeliverHeld()
{
    while (!m_held.empty() && !(m_Presenter && m_Presenter->isInHandler())) {
        TMessage message = m_held.front();
        m_held.pop_front();
        Route(message);
    }
}

void TMessageManager::MsgChangeView(TMessage& message)
{
    if (m_Presenter)
        m_Presenter->ChangeScreen();
    MsgChangeFocus(message);
}

void TMessageManager::MsgChangeFocus(TMessage& message)
{
    // The lettrage travels as a word; narrowing gives back a negative one unchanged.
    if (m_Presenter && message.WParam != 0)
        m_Presenter->FocusControl(static_cast<int>(message.WParam));
}

void TMessageManager::MsgLanceDeclaration(TMessage& message)
{
    if (m_Presenter)
        m_Presenter->LanceDeclaration(static_cast<int>(message.Msg));
}
