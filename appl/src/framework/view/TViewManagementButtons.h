#pragma once

// The bar of management buttons under the current screen of the wizard window: previous,
// next, finish and cancel, a "Services" button (a plain button for one service, a drop-down
// menu for several, hidden for none), a "Navigation" drop-down menu listing the screens in up
// to four levels (small desktops, where the window has no navigation column), the audit
// filters and the services as actions, and a small go-to panel to reach an entry by its
// lettering. Its presenter takes every decision; the bar asks it about the flow and the
// services and forwards every click to it.
//
// The services and navigation menus are rebuilt from scratch at every Update; their items are
// owned by the menus.

#include "wizard_framework_export.h"

#include "view/TView.h"

#include "TcxEditRepositoryItem.h"
#include "TcxStyle.h"
#include "TcxTreeListStyleSheet.h"

#include <string>

class QEvent;
class TAction;
class TComplexDataNavigateTree;
class TImageList;
class TKelActionList;
class TPanel;
class TPrComposite;
class TPrManagementButtons;
class TTBXItem;
class TTBXPopupMenu;
class TTBXSubmenuItem;
class TTimer;
class TcxKelButton;
class TcxKelTreeList;

class WIZARD_FRAMEWORK_EXPORT TViewManagementButtons : public TView
{
    Q_OBJECT

public:
    // Layout of the bar, in pixels.
    static constexpr int kClientWidth = 642;
    static constexpr int kClientHeight = 64;
    // The audit filter values of the filter actions.
    static constexpr int kFiltreTous = -1;
    static constexpr int kFiltreConseils = 0;
    static constexpr int kFiltreAnomalies = 1;
    static constexpr int kFiltreMessages = 2;
    static constexpr int kFiltrePiecesJointes = 3;
    static constexpr int kFiltreAvertissement = 4;
    // Key code of Enter in AllerA_KeyDown.
    static constexpr unsigned short VK_RETURN = 13;

    // `owner` is the wizard window's bottom panel: it becomes the bar's parent and deletes it
    // with itself. `presenter` (not owned) made the bar and outlives it.
    TViewManagementButtons(TComponent* owner, TPrManagementButtons* presenter);
    // A window cannot be duplicated.
    TViewManagementButtons(const TViewManagementButtons&) = delete;
    // Takes the other bar's filter in force; the widgets and the navigation data stay.
    TViewManagementButtons& operator=(const TViewManagementButtons& other);
    // Destroys the navigation data.
    ~TViewManagementButtons() override;

    // Same presenter and same filter in force.
    bool operator==(const TViewManagementButtons& other) const;

    // TView
    // Previous and next, the services, the navigation menu, then the actions' states.
    void Update() override;
    // The buttons' face from the colour table.
    void InitCouleurs() override;

    // Host hook: go to the entry whose code was chosen in the go-to panel.
    virtual void ActionAllerA(std::string code);

    // Takes ownership of `data` (the previous data are destroyed).
    void SetComplexData(TComplexDataNavigateTree* data);
    TComplexDataNavigateTree* GetComplexData() const { return m_complexData; }
    // Without a navigation button, the buttons close up the gap it leaves.
    void InitButtonsPosition();
    // A navigation entry: its caption from the navigation data, `index` as its tag, bold for
    // the active screen.
    void InitItem(TTBXItem* item, int index);
    // Places `item` under `parent`, which becomes a submenu in its container first; answers
    // that submenu, which stands for the parent from then on (the plain item is destroyed).
    TTBXSubmenuItem* AddItem(TTBXItem* parent, TTBXItem* item);
    void AddItem(TTBXSubmenuItem* parent, TTBXItem* item);

    int getFilter() const { return m_filter; }
    TPrManagementButtons* getPresenter() const { return m_Presenter; }

    // Event handlers, as the layout attaches them.
    void OnPrevious(TObject* Sender);
    void OnNext(TObject* Sender);
    // Not attached: offered to the host.
    void OnShow(TObject* Sender);
    void cmOk(TObject* Sender);
    void cmCancel(TObject* Sender);
    // A navigation entry was chosen; `Sender` is its item.
    void LancerNavigation(TObject* Sender);
    // Opens or closes the go-to panel.
    void AllerAButtonClick(TObject* Sender);
    void AllerA_DblClick(TObject* Sender);
    void AllerA_KeyDown(TObject* Sender, unsigned short& Key, Qt::KeyboardModifiers Shift);

    // Action handlers.
    void ACT_Filtre_AuditGeneralExecute(TObject* Sender);
    void ACT_Filtre_AnomaliesExecute(TObject* Sender);
    void ACT_Filtre_AvertissementExecute(TObject* Sender);
    void ACT_Filtre_ConseilsExecute(TObject* Sender);
    void ACT_Filtre_MessagesExecute(TObject* Sender);
    void ACT_Filtre_PiecesJointesExecute(TObject* Sender);
    // Every filter action: enabled unless its filter is in force.
    void ACT_FiltreUpdate(TObject* Sender);
    void ACT_Modifier_DeclarationExecute(TObject* Sender);
    void ACT_Modifier_DeclarationUpdate(TObject* Sender);
    void ACT_Services_ImprimerExecute(TObject* Sender);
    void ACT_Services_ImprimerUpdate(TObject* Sender);
    void ACT_Services_ImportExecute(TObject* Sender);
    void ACT_Services_ImportUpdate(TObject* Sender);
    void ACT_Services_ReintTotaleExecute(TObject* Sender);
    void ACT_Services_ReinitPartielleExecute(TObject* Sender);

    // The layout; every widget belongs to the bar.
    TcxKelButton* ButtonNavigation = nullptr;
    TcxKelButton* ButtonServices = nullptr;
    TcxKelButton* PB_PRECEDENT = nullptr;
    TcxKelButton* PB_SUIVANT = nullptr;
    TcxKelButton* IDOK_ = nullptr;
    TcxKelButton* IDCANCEL_ = nullptr;
    TPanel* IDC_BORSHADE_PAIEMENT = nullptr;
    TPanel* AllerAPanel = nullptr;
    TcxKelButton* AllerAButton = nullptr;
    TcxKelTreeList* AllerA_ = nullptr;
    // Columns of AllerA_.
    static constexpr int ColonneInfoCode = 0;
    static constexpr int ColonneInfoLibelle = 1;
    // Enabled while the go-to panel is open; what a tick does is the host's (OnTimer).
    TTimer* m_TimerAllerA = nullptr;

    TImageList* ImagesAudit = nullptr;
    TImageList* ImageListAllerA = nullptr;
    TKelActionList* List_Declaration = nullptr;
    TAction* ACT_Filtre_AuditGeneral = nullptr;
    TAction* ACT_Filtre_Anomalies = nullptr;
    TAction* ACT_Filtre_Avertissement = nullptr;
    TAction* ACT_Filtre_Conseils = nullptr;
    TAction* ACT_Filtre_Messages = nullptr;
    TAction* ACT_Filtre_PiecesJointes = nullptr;
    TAction* ACT_Modifier_Declaration = nullptr;
    TAction* ACT_Services_Imprimer = nullptr;
    TAction* ACT_Services_Import = nullptr;
    TAction* ACT_Services_ReinitPartielle = nullptr;
    TAction* ACT_Services_ReintTotale = nullptr;
    TTBXPopupMenu* Menu_Navigation = nullptr;
    TTBXPopupMenu* Menu_Services = nullptr;

    // Edit repository for host screens.
    TcxEditRepositoryItem alignLeft;
    TcxEditRepositoryItem alignCenter;
    TcxEditRepositoryItem alignRight;
    TcxEditRepositoryItem alignPourcentage;
    TcxEditRepositoryItem alignEuro;
    TcxEditRepositoryItem alignEuroDeuxDec;
    TcxEditRepositoryItem alignDeuxDec;
    // Style repository for host screens' tree lists.
    TcxStyle KelStyle_L0;
    TcxStyle KelStyle_L1;
    TcxStyle KelStyle_L2;
    TcxStyle KelStyle_Ln;
    TcxStyle KelStyle_L0_nocolor;
    TcxStyle KelStyle_L1_nocolor;
    TcxStyle KelStyle_L1_nocolor_bold;
    TcxStyle KelStyle_Highlight;
    TcxTreeListStyleSheet cxKelTLStSh_Default;
    TcxTreeListStyleSheet cxKelTLStSh_Highlight;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The road of every button, menu item and action of the bar: `work` runs through
    // THostGuard under the name `edge`.
    template <class Work>
    void OnBar(const char* edge, Work&& work);
    // Makes a click on `clickable` run the host's service `action` on the bar's road.
    template <class Clickable>
    void RunThroughBar(Clickable* clickable, TAction* action);
    void BuildLayout();
    void BuildActions();
    void BuildMenus();
    void BuildRepositories();
    void UpdateServices();
    void UpdateNavigation();
    // The filter actions' common work: the filter goes to every screen, then all is refreshed.
    void ApplyFilter(int filter);
    // The filter value of a filter action, or -2 for another action.
    int FilterOf(const TObject* action) const;
    void OpenAllerA();
    void CloseAllerA();
    // The presenter tree's root (the presenter itself when it has none), or null.
    TPrComposite* Root() const;

    TPrManagementButtons* m_Presenter = nullptr; // not owned
    int m_filter = kFiltreTous;
    TComplexDataNavigateTree* m_complexData = nullptr; // owned
};
