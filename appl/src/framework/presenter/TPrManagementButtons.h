#pragma once

// The presenter of the bar of management buttons under the screen: previous, next, finish,
// cancel, the navigation button of small desktops, and the services. It moves through the
// screen flow once the screens accepted their data, records the outcome (finish or abandon) in
// the root's report, and keeps the services the bar offers. The host derives its own buttons
// presenter and gives the services their effect through the hooks below.
//
// Ownership: besides what every presenter owns (children, view, report), the service manager.

#include "wizard_framework_export.h"

#include "presenter/TPrComposite.h"

#include <string>

class TAction;
class TComponent;
class TServiceManager;

class WIZARD_FRAMEWORK_EXPORT TPrManagementButtons : public TPrComposite
{
public:
    // Service codes of AddService / RemoveService.
    enum Service
    {
        kServiceImprimer = 0,
        kServiceReinitPartielle = 1,
        kServiceReinitTotale = 2,
        kServiceModifierDeclaration = 3,
        kFiltreAuditGeneral = 4,
        kFiltreAnomalies = 5,
        kFiltreAvertissement = 6,
        kFiltreConseils = 7,
        kFiltreMessages = 8,
        kFiltrePiecesJointes = 9,
        kServiceImport = 11
    };

    // `owner` is the wizard window's bottom panel, owner of the bar's view (made here).
    TPrManagementButtons(TComponent* owner, TPrComposite* parent, TModelAbstract* model,
                         TMgtModelInvoker* invoker, TCinematicManagerAbstract* cinematicManager);
    // A copy shares the links and the flags; the view and the service manager keep their
    // single owner, so the copy starts without them.
    TPrManagementButtons(const TPrManagementButtons& other);
    TPrManagementButtons& operator=(const TPrManagementButtons& other);
    bool operator==(const TPrManagementButtons& other) const;

    // Destroys the service manager (and the actions it still lists), then what every
    // presenter owns.
    ~TPrManagementButtons() override;
    void Accept(TCompositeVisitor* visitor) override;

    // Host hooks.
    virtual void InitCinematique();
    // Refreshes what the bar knows of the flow; runs after every change of the data.
    virtual void MajCinematique();
    virtual void InitService();
    // Moves once every screen accepted its data, passing over the heading screens (no
    // positive title resource), then rebuilds the screens. A refusal changes nothing.
    virtual void NextScreen();
    virtual void PreviousScreen();
    // The same to the flow's first / last screen, heading or not.
    virtual void FirstScreen();
    virtual void LastScreen();
    // The root's report says abandon; the window's close protocol does the rest.
    virtual void Cancel();
    // The root's report says finished, and the wizard form presenter allows closing.
    virtual void Ok();
    // Caption of the navigation button; the name comes in as the button shows it.
    virtual void GetNavigationButtonName(std::string& name);
    virtual bool CanLanceEditionAutonome();
    virtual bool CacherImprimer();
    virtual void LanceEditionAutonome();
    virtual void ImportDossier();
    // The caption of the import service; a host offering it names it.
    virtual std::string getLibelleImportDossier() const;
    virtual void ReinitialisationTotale();
    virtual void ReinitialisationPartielle();

    bool IsFirstScreen() const;
    bool IsLastScreen() const;

    // The bar's action for a service code joins / leaves the services; a code outside the
    // table, or a presenter without its bar, changes nothing.
    void AddService(int service);
    void RemoveService(int service);
    // The bar's walk over the services (see TServiceManager).
    bool BeginServiceButtonData();
    bool NextServiceButtonData();
    TAction* GetServiceButtonData() const;

    bool isButtonNavigation() const { return buttonNavigation; }
    void setButtonNavigation(bool navigation) { buttonNavigation = navigation; }
    bool isButtonAudit() const { return buttonAudit; }
    void setButtonAudit(bool audit) { buttonAudit = audit; }
    TServiceManager* getServiceManager() const { return serviceManager; }
    // Takes ownership of `manager`; the previous one goes back to the caller undestroyed.
    void setServiceManager(TServiceManager* manager) { serviceManager = manager; }

private:
    // The root of the tree; a presenter built without a parent stands for its own tree.
    TPrComposite* Top() const;
    // The bar's action for a service code, or null.
    TAction* ServiceAction(int service) const;
    // The screen moves shared by Next, Previous, First and Last.
    using Move = void (TCinematicManagerAbstract::*)();
    void MoveScreen(const char* trace, Move move, bool passHeadings);

    TServiceManager* serviceManager = nullptr;
    bool buttonNavigation = false;
    bool buttonAudit = false;
};
