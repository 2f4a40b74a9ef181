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
    // Without a flow manager, or once the window has been freed by a previous run, it returns
    // at once and leaves the report as it is.
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

private:
    DisplayInfoList controlDisplayInfoList;
    bool closeAllowed = false;
    bool closed = false;
    TMessageManager* messageManager = nullptr;
    // The relay window is also a child of its Qt owner: if the owner goes first, the window
    // goes with it and must not be used or deleted again.
    QPointer<QObject> messageManagerGuard;
};
