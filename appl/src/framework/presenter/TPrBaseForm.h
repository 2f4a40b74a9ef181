#pragma once

// The wizard form presenter: the root of the presenter tree and the presenter of the wizard
// window. It starts the wizard (Execute), changes the screen when the flow's active screen
// changed, decides whether the window may close and with which outcome, and keeps what
// outlives a screen change: the saved display state of the controls and the message relay
// window. The host derives its own wizard presenter and may supply LanceDeclaration and
// UpdateInfo.
//
// Ownership: besides what every presenter owns (children, view, report), this presenter owns
// the flow manager once the host has set it, the relay window and the display records.

#include "wizard_framework_export.h"

#include "presenter/TPrComposite.h"

#include "TForm.h"

#include <QPointer>

#include <vector>

class TComponent;
class TControlDisplayInfo;
class TMessageManager;
class TObject;
class TPanel;

class WIZARD_FRAMEWORK_EXPORT TPrBaseForm : public TPrComposite
{
public:
    using DisplayInfoList = std::vector<TControlDisplayInfo*>;

    // The report's user action after an Execute that could not run (a wiring error of the
    // host), told apart from 0 (finished) and 1 (abandoned).
    static constexpr int kUserActionNotRun = -1;

    // Makes the wizard window and the relay window with `owner`; the presenter is its own root.
    TPrBaseForm(TComponent* owner, TModelAbstract* model, TMgtModelInvoker* invoker);
    // Presenters are never copied by the framework. A copy shares the links of the composite
    // and the outcome flags; the window, the relay window and the records keep their single
    // owner, so the copy starts without them.
    TPrBaseForm(const TPrBaseForm& other);
    TPrBaseForm& operator=(const TPrBaseForm& other);
    bool operator==(const TPrBaseForm& other) const;

    ~TPrBaseForm() override;
    void Accept(TCompositeVisitor* visitor) override;

    // Chooses the first screen (the one the general information asks for, else the flow's
    // first), builds it, shows the children and runs the window modally; returns once the
    // window has closed, the outcome in the report (user action 0 finished, 1 abandoned).
    // What the host throws while the first screen is built is reported (THostGuard) and the
    // window opens on what could be built. A wizard that cannot run at all returns at once
    // with an ERROR trace line and the user action kUserActionNotRun: no flow manager, no
    // model on this presenter or on a screen presenter, or a window already freed by a
    // previous run.
    virtual void Execute();
    // Every screen presenter rebuilds its view for the flow's active screen.
    virtual void ChangeScreen();
    // Asks whether to abandon (dialog seam). OK puts back the data saved at the start and
    // lets the window close; any other answer clears the report's modified flag.
    virtual void Cancel();
    // The user finished: user action 0, and the window may close.
    virtual void Ok();
    // The window closes: freed when finishing or abandoning is settled or nothing changed,
    // otherwise after a confirmed abandon; kept open when the abandon is declined.
    virtual void OnClose(TObject* sender, TCloseAction& action);
    // Gathers the reports; an abandoned wizard may always close, a finished one only when
    // every screen accepts its data.
    virtual void OnCloseQuery(bool& canClose);
    // Host hook: one of the three launch messages reached the relay window; `message` is its
    // number.
    virtual void LanceDeclaration(int message);
    // Host hook: runs after each change of a control.
    virtual void UpdateInfo();

    // The three panels of the wizard window, owners of the other presenters' views.
    TPanel* getPanelEcranVCL() const;
    TPanel* getPanelNavigateTree() const;
    TPanel* getPanelManagementButtons() const;
    void CascadeWindow();
    void CenterWindow();

    // The relay window, or null when there is none or the toolkit has already destroyed it.
    TMessageManager* getMessageManager() const;
    // Takes ownership of `manager`; the previous relay window goes back to the caller.
    void setMessageManager(TMessageManager* manager);

    DisplayInfoList getControlDisplayInfoList() const { return controlDisplayInfoList; }
    // Replaces the list; the records previously held go back to the caller, the given ones
    // are owned from now on.
    void setControlDisplayInfoList(const DisplayInfoList& list) { controlDisplayInfoList = list; }
    // Takes ownership of `info`; a null record or one already held is ignored.
    void AddControlDisplayInfo(TControlDisplayInfo* info);
    // The first record kept for the control `ctrlId`, or getControlDisplayInfoEnd() when none.
    // The position is valid until the next record is added.
    DisplayInfoList::iterator getControlDisplayInfo(int ctrlId);
    DisplayInfoList::iterator getControlDisplayInfoEnd();

    bool isCloseAllowed() const { return closeAllowed; }
    bool isClosed() const { return closed; }

    // Whether a handler of this wizard is on the stack (a road entered through THostGuard, a
    // change notification, a validation, a refresh): the relay window then keeps its messages
    // until the outermost one has returned. Enter and Leave go in pairs; THostGuard and the
    // HandlerScope below make them.
    bool isInHandler() const { return handlerDepth > 0; }
    void EnterHandler() { ++handlerDepth; }
    void LeaveHandler();

    // Marks the wizard of `presenter`'s tree (when its root is a wizard form presenter) as
    // running a handler for the scope's lifetime.
    class HandlerScope
    {
    public:
        explicit HandlerScope(TPrComposite* presenter);
        ~HandlerScope();
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        TPrBaseForm* m_form;
    };

protected:
    // For a host whose OnCloseQuery refuses a finish the framework accepted: the window then
    // stays open as after a refused screen, and closing it later asks about the changes again.
    void setCloseAllowed(bool allowed) { closeAllowed = allowed; }

private:
    // Execute's steps before the modal loop.
    void Start(TCinematicManagerAbstract& flow);
    // Why this wizard cannot run (the ERROR trace line), or null when it can.
    const char* WiringError() const;

    int handlerDepth = 0;
    DisplayInfoList controlDisplayInfoList;
    bool closeAllowed = false;
    bool closed = false;
    TMessageManager* messageManager = nullptr;
    // The relay window is also a child of its Qt owner: if the owner goes first, the window
    // goes with it and must not be used or deleted again.
    QPointer<QObject> messageManagerGuard;
};
