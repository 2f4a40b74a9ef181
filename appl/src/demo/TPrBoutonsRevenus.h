#pragma once

// The buttons presenter of the sample: offers every service of the bar (print, import, both
// re-initialisations, modifying the declaration and the six audit filters) and gives them
// their effect through the sample's services.

#include "presenter/TPrManagementButtons.h"

#include <string>

class TServicesRevenus;

class TPrBoutonsRevenus : public TPrManagementButtons
{
public:
    // `services` (not owned) carries out print, import and re-initialisation.
    TPrBoutonsRevenus(TComponent* owner, TPrComposite* parent, TModelAbstract* model,
                      TMgtModelInvoker* invoker, TCinematicManagerAbstract* cinematicManager,
                      TServicesRevenus* services);
    TPrBoutonsRevenus(const TPrBoutonsRevenus& other);
    TPrBoutonsRevenus& operator=(const TPrBoutonsRevenus& other);
    ~TPrBoutonsRevenus() override;
    bool operator==(const TPrBoutonsRevenus& other) const;

    // Registers the services with the bar.
    void InitService() override;
    void GetNavigationButtonName(std::string& name) override;
    bool CanLanceEditionAutonome() override;
    void LanceEditionAutonome() override;
    void ImportDossier() override;
    std::string getLibelleImportDossier() const override;
    void ReinitialisationTotale() override;
    void ReinitialisationPartielle() override;

private:
    TServicesRevenus* m_services = nullptr; // not owned
};
