#pragma once

// The message relay window: a hidden window of the wizard form presenter that turns posted
// window messages into calls on that presenter, so that a handler asking for a screen change,
// a focus move or the launch of a declaration gets it done after it has returned, from the
// message loop, in posting order. Senders post to its Handle() with PostMessageA.
// Owned by the wizard form presenter.

#include "wizard_framework_export.h"

#include "TForm.h"
#include "TMessageTarget.h"

#include <deque>

class TPrBaseForm;

// The relay window's messages.
// Screen change: wParam = lettrage of the control to focus afterwards (0 = none), lParam = 0.
inline constexpr UINT kMsgChangeView = 11225;
// Focus change: wParam = lettrage of the control to focus (0 = none); lParam is not read.
inline constexpr UINT kMsgChangeFocus = 11232;
// Launch of a declaration: the presenter's LanceDeclaration receives the number itself,
// which tells the three requests apart; wParam and lParam are not read.
inline constexpr UINT kMsgLanceDeclarationFirst = 11039;
inline constexpr UINT kMsgLanceDeclarationSecond = 11099;
inline constexpr UINT kMsgLanceDeclarationThird = 11147;

class WIZARD_FRAMEWORK_EXPORT TMessageManager : public TForm, public TMessageTarget
{
    Q_OBJECT

public:
    // `owner` deletes the window when it is deleted itself (as any component); `presenter`
    // receives the calls and is not owned.
    TMessageManager(TComponent* owner, TPrBaseForm* presenter);
    // A window cannot be duplicated: the copy is a new relay window with the same owner,
    // serving the same presenter.
    TMessageManager(const TMessageManager& other);
    // Makes this window serve the other's presenter.
    TMessageManager& operator=(const TMessageManager& other);
    ~TMessageManager() override;

    // Two relay windows are equal when they serve the same presenter.
    bool operator==(const TMessageManager& other) const;

    TPrBaseForm* getPresenter() const { return m_Presenter; }

    // Routes the five relay messages to their handlers and every other one to the inherited
    // dispatch. A null message is ignored. A relay message that arrives while a handler of the
    // wizard is on the stack (a modal dialog opened by a change notification runs the loop
    // that delivers it) waits, with every later one, until that handler has returned.
    void Dispatch(void* message) override;
    // The presenter's outermost handler returned: the waiting messages are delivered from the
    // event loop, in posting order.
    void ReleaseHeld();
    // Number of relay messages waiting for a handler to return.
    int HeldCount() const { return static_cast<int>(m_held.size()); }

    // The presenter's ChangeScreen, then the focus as MsgChangeFocus.
    void MsgChangeView(TMessage& message);
    // The presenter's FocusControl with wParam, unless wParam is 0.
    void MsgChangeFocus(TMessage& message);
    // The presenter's LanceDeclaration with the message number.
    void MsgLanceDeclaration(TMessage& message);

private:
    void BuildLayout();
    // The handler of one relay message, as the road into the wizard it is.
    void Route(TMessage& message);
    void DeliverHeld();
    bool MustWait() const;

    std::deque<TMessage> m_held;

    TPrBaseForm* m_Presenter; // not owned
};
