#include "TPrBoutonsRevenus.h"

#include "TServicesRevenus.h"

TPrBoutonsRevenus::TPrBoutonsRevenus(TComponent* owner, TPrComposite* parent, TModelAbstract* model,
                                     TMgtModelInvoker* invoker,
                                     TCinematicManagerAbstract* cinematicManager,
                                     TServicesRevenus* services)
    : TPrManagementButtons(owner, parent, model, invoker, cinematicManager), m_services(services)
{
    TPrBoutonsRevenus::InitService();
}

TPrBoutonsRevenus::TPrBoutonsRevenus(const TPrBoutonsRevenus& other)
    : TPrManagementButtons(other), m_services(other.m_services)
{}

TPrBoutonsRevenus& TPrBoutonsRevenus::operator=(const TPrBoutonsRevenus& other)
{
    if (this != &other) {
        TPrManagementButtons::operator=(other);
        m_services = other.m_services;
    }
    return *this;
}

TPrBoutonsRevenus::~TPrBoutonsRevenus() = default;

bool TPrBoutonsRevenus::operator==(const TPrBoutonsRevenus& other) const
{
    return TPrManagementButtons::operator==(other) && m_services == other.m_services;
}

void TPrBoutonsRevenus::InitService()
{
    // The filters first, then the services that act on the declaration.
    for (int service :
         {kFiltreAuditGeneral, kFiltreAnomalies, kFiltreAvertissement, kFiltreConseils,
          kFiltreMessages, kFiltrePiecesJointes, kServiceModifierDeclaration, kServiceImprimer,
          kServiceImport, kServiceReinitPartielle, kServiceReinitTotale})
        AddService(service);
}

void TPrBoutonsRevenus::GetNavigationButtonName(std::string& name)
{
    name = "&Rubriques";
}

bool TPrBoutonsRevenus::CanLanceEditionAutonome()
{
    return m_services != nullptr;
}

void TPrBoutonsRevenus::LanceEditionAutonome()
{
    if (m_services)
        m_services->Imprime();
}

void TPrBoutonsRevenus::ImportDossier()
{
    if (m_services)
        m_services->Importe();
}

std::string TPrBoutonsRevenus::getLibelleImportDossier() const
{
    return "Imp&orter une d\xE9"
           "claration...";
}

void TPrBoutonsRevenus::ReinitialisationTotale()
{
    if (m_services)
        m_services->ReinitialiseTotalement();
}

void TPrBoutonsRevenus::ReinitialisationPartielle()
{
    if (m_services)
        m_services->ReinitialisePartiellement();
}
