#pragma once

// An action: a command with a caption, a state (enabled, visible, checked) and two handlers,
// shared by every button and menu item linked to it. OnExecute does the work; OnUpdate brings
// the state up to date and runs whenever the action list updates its actions (see
// TKelActionList). Linked controls follow every change of the caption and state.
//
// An action that belongs to an action list is owned by it; destroying the action first takes
// it out of the list.

#include "wizard_toolkit_export.h"

#include "TComponent.h"

#include <QAction>
#include <QString>

#include <string>

class TKelActionList;

class WIZARD_TOOLKIT_EXPORT TAction : public QAction, public TComponent
{
    Q_OBJECT

public:
    // When `owner` is an action list, the action joins it; any other owner is the Qt parent.
    explicit TAction(TComponent* owner = nullptr);
    // An action is an identity shared by its controls: it is never copied.
    TAction(const TAction&) = delete;
    TAction& operator=(const TAction&) = delete;
    ~TAction() override;

    bool operator==(const TAction& other) const { return this == &other; }

    // Windows-1252, '&' marking the mnemonic (see Mnemonic.h); given back exactly as set.
    std::string GetCaption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    std::string GetHint() const;
    void SetHint(const std::string& hint);

    // The action's own flag: Qt also disables an action while it is hidden.
    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool GetVisible() const { return isVisible(); }
    void SetVisible(bool visible) { setVisible(visible); }
    bool GetChecked() const { return m_checked; }
    void SetChecked(bool checked);
    // When set, running the action from a control toggles Checked; off by default.
    bool GetAutoCheck() const { return m_autoCheck; }
    void SetAutoCheck(bool autoCheck);

    int GetTag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    int GetHelpContext() const { return m_helpContext; }
    void SetHelpContext(int helpContext) { m_helpContext = helpContext; }
    std::string GetCategory() const { return m_category; }
    void SetCategory(const std::string& category) { m_category = category; }
    // Index in the images of the action's list; -1 for none.
    int GetImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);

    TKelActionList* GetActionList() const { return m_actionList; }
    // Moves the action into `list` (which then owns it) or, with null, out of any list (the
    // caller then owns it).
    void SetActionList(TKelActionList* list);

    // Runs OnUpdate; true when there is one.
    virtual bool Update();
    // Updates the action, then runs OnExecute if the action is enabled; true when it ran.
    virtual bool Execute();

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

    // The caption in Qt's mnemonic syntax, for the controls that show it.
    QString QtCaption() const;
    // Takes the image again from the list's images (after a change of either).
    void RefreshImage();

private:
    void Triggered();

    std::string m_caption;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_autoCheck = false;
    int m_tag = 0;
    int m_helpContext = 0;
    int m_imageIndex = -1;
    std::string m_category;
    TKelActionList* m_actionList = nullptr;
};
