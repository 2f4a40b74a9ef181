#pragma once

// The base of every data-entry screen. A host screen derives from it, lays its widgets out,
// wraps each widget that shows a letter in a data-bound control and registers it with
// AjouteControl (in its InitControls). The view then does for all its controls at once what
// the screen presenter asks: letters to widgets and back, enabling and selection, audit filter,
// display state, help contexts and focus; and it relays the widgets' change events to the
// presenter.
//
// Construction has two phases. The constructor builds the form and places it in its owner
// (the panel that hosts the screens). InitView then runs the host's part (InitCouleurs,
// InitControls, InitComplexData, SetOnChangeControl) and binds the linked letters: C++ only
// reaches a derived class's overrides once that class is built, and a host screen builds its
// widgets in its own constructor. The screen presenter calls InitView on the view a factory
// made; code that makes a view itself calls it, or uses Create.
//
// Ownership: the view owns its registered controls, its controllers and both letter lists.

#include "wizard_framework_export.h"

#include "view/TView.h"

#include <QPointer>

#include <list>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TComponent;
class TControl;
class TControlController;
class TCustomLabel;
class TcxEditNum;
class TcxEditStr;
class TdControl;
class TObject;
class TPrEcranVCL;
class TSingletonCouleur;
struct structLettre;

// One record of a help-context table: which help topic a screen, or one control of a screen,
// opens. A table is an array of these, ended by a record whose idRessource is -1; the end
// record's helpContext applies wherever nothing else matched.
// Help tables are the host's (usually static arrays); the screen presenter only points to one
// (setHelpData).
struct WIZARD_FRAMEWORK_EXPORT HelpId
{
    short idRessource; // title resource id of the screen
    short lettrage;    // the control's lettrage; 0 = the whole screen
    short helpContext; // help topic number
    short reserve1;    // not used by the framework
    short reserve2;    // not used by the framework

    bool operator==(const HelpId&) const = default;
};
static_assert(sizeof(HelpId) == 10, "help tables are arrays of five 16-bit fields");

class WIZARD_FRAMEWORK_EXPORT TViewEcranVCL : public TView
{
    Q_OBJECT

public:
    using ControlList = std::list<TdControl*>;
    using ControllerList = std::list<TControlController*>;

    // `owner` is the panel that hosts the screen: it becomes the view's parent and deletes it
    // with itself. `presenter` made the view and outlives it.
    TViewEcranVCL(TComponent* owner, TPrEcranVCL* presenter);
    // Builds `View` with `args` and completes its construction (InitView).
    template <class View, class... Args>
    static View* Create(Args&&... args)
    {
        View* view = new View(std::forward<Args>(args)...);
        view->InitView();
        return view;
    }
    // Deletes the controls, the controllers and both letter lists.
    ~TViewEcranVCL() override;

    // A view is a window: it cannot be copied (QWidget), and assignment takes over nothing
    // (the controls and letters keep their single owner). Two screen views are equal only
    // when they are the same view.
    TViewEcranVCL(const TViewEcranVCL&) = delete;
    TViewEcranVCL& operator=(const TViewEcranVCL&) { return *this; }
    bool operator==(const TViewEcranVCL& other) const { return this == &other; }

    // Second phase of the construction, in this order: colours, the host's controls, the
    // renumbering of the letters, the host's list data and change handlers, the linked
    // letters. Runs once; later calls do nothing.
    void InitView();
    bool isInitialised() const { return m_initialised; }

    // TView
    void SaveControlDisplay() override;
    void SetControlHelpContext(long idRessource) override;
    // UpdateControl, LettrageVersEcran, UpdateSelection, in that order.
    void Update() override;
    // Every host screen supplies its colours.
    void InitCouleurs() override = 0;

    // Letters to widgets, widgets to letters, for every control.
    virtual void LettrageVersEcran();
    virtual void EcranVersLettrage();
    // Check-box captions through the presenter's label rewriting, then every control's
    // selection state.
    virtual void UpdateSelection();
    // Every control gets back the display state kept by the wizard form presenter.
    virtual void UpdateControl();
    // Host hooks.
    virtual void Perform();
    virtual void setGeometry(TControl* control);
    using QWidget::setGeometry;
    // Change handler to attach to the widgets of registered controls: the presenter reacts,
    // while the control that changed is not refreshed from its letter.
    virtual void OnChangeControl(TObject* sender);
    // Host hook: attach OnChangeControl / OnControlControl to the widgets' change events.
    virtual void SetOnChangeControl();
    // Focus on the control of that lettrage, when it can take it.
    virtual void SetControlFocus(int lettrage);
    // Every host screen registers its controls here (and may build its letter list).
    virtual void InitControls() = 0;
    // Host hook: list data for the list controls.
    virtual void InitComplexData();

    // Registers a control at the front of the list; the view owns it from now on.
    void AjouteControl(TdControl* control);
    // Pairs `champ` with the label that captions it, for a field that is not the label's
    // focus control: screen readers name the field after the label.
    void AssocieLibelle(TCustomLabel* libelle, TComponent* champ);
    // The screen's title, which screen readers announce as the name of the screen.
    void setTitreEcran(const std::string& titre);
    // Registers a cross-field checker; the view owns it from now on.
    void AjouteControlController(TControlController* controller);
    void setFilter(int filter);
    // Renumbers the letters and their controls by the presenter's lettrage replacements.
    void ChangeLettrageEcran();
    // Adds the entered-value and edit-state letters each control is linked to.
    void CreeLettrageEcranLie();
    // Change handler for the fields of a cross-field check (e.g. a date triple): the change
    // road of OnChangeControl, then the checks of the controllers that hold the sender.
    void OnControlControl(TObject* sender);
    // Helpers for SetOnChangeControl: make a widget's change notification (edits, memos, check
    // boxes, radio buttons, static-or-edit fields, combo boxes) call OnChangeControl or
    // OnControlControl. False for a widget without change notification. The handler does
    // nothing once the view is gone.
    bool AttachOnChangeControl(TComponent* widget);
    bool AttachOnControlControl(TComponent* widget);
    // Attaches every registered control's widget: OnControlControl when a controller checks
    // it, OnChangeControl otherwise.
    void AttachOnChangeControls();

    // The look of a computed result: no border, the parent's background, and a disabled text
    // that does not look greyed.
    void ApplyResultStyle(TcxEditNum* edit);
    void ApplyResultStyle(TcxEditStr* edit);
    // The same look for the disabled state only.
    void ApplyEditableResultStyle(TcxEditNum* edit);
    // The codes a check-box control stores (see TdCCheckBox::SetOuiNon); any other component
    // is left alone.
    void SetCheckBoxMode(TComponent* component, char mode);

    structLettre* getListeLettre() const { return ListeLettre; }
    // Replaces the letter list: the view takes ownership of `liste` and frees the previous
    // one. The linked letters are added to the list in place when InitView binds them, so a
    // host sets its list in InitControls.
    void setListeLettre(structLettre* liste);
    structLettre* getListeLettreStatic() const { return ListeLettreStatic; }
    // The view takes ownership of `liste`; the previous static list is freed.
    void setListeLettreStatic(structLettre* liste);

    // A copy of the list (the pointers; the controls stay the view's).
    ControlList getListeControl() const { return ListeControl; }
    ControllerList getListeControlController() const { return ListeControlController; }
    // The first control with that lettrage / wrapping that component (the last registered
    // one, since registration inserts at the front), or getControlEnd().
    ControlList::iterator getControl(int lettrage);
    ControlList::iterator getControl(TComponent* component);
    ControlList::iterator getControlEnd() { return ListeControl.end(); }
    // The same lookups as plain pointers, null when no control matches.
    TdControl* FindControl(int lettrage);
    TdControl* FindControl(TComponent* component);

    TPrEcranVCL* getPresenter() const { return m_Presenter; }

    // Gives the focus to the first data field in tab order that takes typing (enabled, shown,
    // not read-only); false when the screen has none.
    bool FocusFirstControl();
    // The first date field, in tab order, that holds a partly typed date ("03/06/    "): such a
    // date is stored as "" (see TdCcxEditDate). Null when there is none.
    TdControl* FindIncompleteDate();
    // The Alt letters this screen's captions share with the rest of the window (the buttons
    // bar, its menus): one line per clash, "Alt+P : \"&Pr\xE9nom\" et \"< &Pr\xE9c\xE9dent\"".
    // Such a letter only moves the focus between the two, and what is typed next is lost.
    std::vector<std::string> MnemonicClashes() const;

protected:
    structLettre* ListeLettre = nullptr;       // owned
    structLettre* ListeLettreStatic = nullptr; // owned
    ControlList ListeControl;                  // owned controls
    ControllerList ListeControlController;     // owned controllers
    TSingletonCouleur* m_Couleurs = nullptr;   // the shared colour table
    TPrEcranVCL* m_Presenter = nullptr;        // not owned

private:
    void FreeLetterLists();
    // Gives every registered widget that has none the accessible name of its caption: the
    // label whose focus control it is, else the label paired with it. The fields of a date
    // triple take the date's caption followed by the part they hold.
    void NommeControles();
    std::string LibelleDe(const TComponent* champ) const;
    bool Attach(TComponent* widget, void (TViewEcranVCL::*handler)(TObject*));

    std::map<const TComponent*, QPointer<TCustomLabel>> m_libelles; // the form owns the labels
    bool m_initialised = false;
    bool m_destroying = false; // change events arriving while the view is destroyed are ignored
};
