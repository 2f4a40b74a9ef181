#pragma once

// The presenter of the bar of management buttons under the screen: previous, next, finish,
// cancel, the navigation button of small desktops, and the services. It moves through the
// screen flow once the screens accepted their data, records the outcome (finish or abandon) in
// the root's report, and keeps the services the bar offers. The host derives its own buttons
// presenter and gives the services their effect through the hooks below.
//
// Ownership: besides what every presenter owns, the service manager.

#include "presenter/TPrComposite.h"

#include <string>

class TAction;
class TComponent;
class TServiceManager;

class TPrManagementButtons : public TPrComposite
{
public:
    // `owner` is the wizard window's bottom panel, owner of the bar's view.
    TPrManagementButtons(TComponent* owner, TPrComposite* parent, TModelAbstract* model,
                         TMgtModelInvoker* invoker, TCinematicManagerAbstract* cinematicManager);
    // A copy shares the links and the flags; the view and the service manager keep their
    // single owner, so the copy starts without them.
    TPrManagementButtons(const TPrManagementButtons& other);
    TPrManagementButtons& operator=(const TPrManagementButtons& other);
    bool operator==(const TPrManagementButtons& other) const;

    ~TPrManagementButtons() override;
    void Accept(TCompositeVisitor* visitor) override;

    virtual void InitCinematique();
    // Refreshes what the bar knows of the flow; runs after every change of the data.
    virtual void MajCinematique();
    virtual void InitService();
    virtual void NextScreen();
    virtual void PreviousScreen();
    virtual void FirstScreen();
    virtual void LastScreen();
    virtual void Cancel();
    virtual void Ok();
    virtual void GetNavigationButtonName(std::string& name);
    virtual bool CanLanceEditionAutonome();
    virtual bool CacherImprimer();
    virtual void LanceEditionAutonome();
    virtual void ImportDossier();
    virtual std::string getLibelleImportDossier() const;
    virtual void ReinitialisationTotale();
    virtual void ReinitialisationPartielle();

    bool IsFirstScreen() const;
    bool IsLastScreen() const;

    bool isButtonNavigation() const { return buttonNavigation; }
    void setButtonNavigation(bool navigation) { buttonNavigation = navigation; }
    bool isButtonAudit() const { return buttonAudit; }
    void setButtonAudit(bool audit) { buttonAudit = audit; }
    TServiceManager* getServiceManager() const { return serviceManager; }
    // Takes ownership of `manager`; the previous one goes back to the caller.
    void setServiceManager(TServiceManager* manager) { serviceManager = manager; }

private:
    TPrComposite* Top();

    TServiceManager* serviceManager = nullptr;
    bool buttonNavigation = false;
    bool buttonAudit = false;
};
