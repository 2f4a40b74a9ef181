#include "presenter/TPrManagementButtons.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "log/TFrameworkLogger.h"
#include "model/TCompteRendu.h"
#include "presenter/TCompositeVisitor.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TServiceManager.h"
#include "presenter/TVisitorOk.h"
#include "view/TViewManagementButtons.h"

#include <log4cxx/level.h>

TPrManagementButtons::TPrManagementButtons(TComponent* owner, TPrComposite* parent,
                                           TModelAbstract* theModel, TMgtModelInvoker* theInvoker,
                                           TCinematicManagerAbstract* theManager)
    : TPrComposite(parent, theModel, theInvoker, theManager)
{
    // Without the navigation column, the bar offers the screens through its own button.
    if (!isLeftComposite())
        setButtonNavigation(true);
    setView(new TViewManagementButtons(owner, this));
    serviceManager = new TServiceManager();
}

TPrManagementButtons::TPrManagementButtons(const TPrManagementButtons& other)
    : TPrComposite(other), buttonNavigation(other.buttonNavigation), buttonAudit(other.buttonAudit)
{}

TPrManagementButtons& TPrManagementButtons::operator=(const TPrManagementButtons& other)
{
    if (this == &other)
        return *this;
    TPrComposite::operator=(other);
    buttonNavigation = other.buttonNavigation;
    buttonAudit = other.buttonAudit;
    return *this;
}

bool TPrManagementButtons::operator==(const TPrManagementButtons& other) const
{
    return TPrComposite::operator==(other) && serviceManager == other.serviceManager &&
           buttonNavigation == other.buttonNavigation && buttonAudit == other.buttonAudit;
}

TPrManagementButtons::~TPrManagementButtons()
{
    delete serviceManager;
    serviceManager = nullptr;
}

void TPrManagementButtons::Accept(TCompositeVisitor* visitor)
{
    visitor->VisitManagementButtons(this);
    TPrComposite::Accept(visitor);
}

void TPrManagementButtons::InitCinematique() {}

void TPrManagementButtons::MajCinematique() {}

void TPrManagementButtons::InitService() {}

void TPrManagementButtons::NextScreen()
{
    MoveScreen("TPresenterAbstract::NextScreen()", &TCinematicManagerAbstract::NextScreen, true);
}

void TPrManagementButtons::PreviousScreen()
{
    MoveScreen("TPresenterAbstract::PreviousScreen()", &TCinematicManagerAbstract::PreviousScreen,
               true);
}

void TPrManagementButtons::FirstScreen()
{
    MoveScreen("TPresenterAbstract::FirstScreen()", &TCinematicManagerAbstract::FirstScreen, false);
}

void TPrManagementButtons::LastScreen()
{
    MoveScreen("TPresenterAbstract::LastScreen()", &TCinematicManagerAbstract::LastScreen, false);
}

void TPrManagementButtons::MoveScreen(const char* trace, Move move, bool passHeadings)
{
    TPrComposite* top = Top();
    if (!top->EcranValide(true))
        return;
    FrameworkLog(log4cxx::Level::getInfo(), trace, "");
    if (TCinematicManagerAbstract* flow = getCinematicManager()) {
        (flow->*move)();
        // A heading screen has a line in the navigation but no page of its own: go on in the
        // same direction until a screen with a page, or until the flow ends.
        while (passHeadings) {
            const TScreenInformation* active = flow->getScreenInformationEcranActif();
            if (!active || active->getIdRessource() > 0)
                break;
            const int before = flow->getEnumEcranActif();
            (flow->*move)();
            if (flow->getEnumEcranActif() == before)
                break;
        }
    }
    if (auto* form = dynamic_cast<TPrBaseForm*>(top))
        form->ChangeScreen();
}

void TPrManagementButtons::Cancel()
{
    if (TCompteRendu* report = Top()->getCompteRendu())
        report->setUserAction(1);
}

void TPrManagementButtons::Ok()
{
    if (TCompteRendu* report = Top()->getCompteRendu())
        report->setUserAction(0);
    TVisitorOk visitor;
    Top()->Accept(&visitor);
}

TPrComposite* TPrManagementButtons::Top() const
{
    return getRoot() ? getRoot() : const_cast<TPrManagementButtons*>(this);
}

void TPrManagementButtons::GetNavigationButtonName(std::string& /*name*/) {}

bool TPrManagementButtons::CanLanceEditionAutonome()
{
    return false;
}

bool TPrManagementButtons::CacherImprimer()
{
    return false;
}

void TPrManagementButtons::LanceEditionAutonome() {}

void TPrManagementButtons::ImportDossier() {}

std::string TPrManagementButtons::getLibelleImportDossier() const
{
    // The framework has no import of its own to name.
    return std::string();
}

void TPrManagementButtons::ReinitialisationTotale() {}

void TPrManagementButtons::ReinitialisationPartielle() {}

bool TPrManagementButtons::IsFirstScreen() const
{
    const TCinematicManagerAbstract* flow = getCinematicManager();
    return flow ? flow->IsFirstScreen() : true;
}

bool TPrManagementButtons::IsLastScreen() const
{
    const TCinematicManagerAbstract* flow = getCinematicManager();
    return flow ? flow->IsLastScreen() : true;
}

TAction* TPrManagementButtons::ServiceAction(int service) const
{
    auto* bar = dynamic_cast<TViewManagementButtons*>(getView());
    if (!bar)
        return nullptr;
    switch (service) {
    case kServiceImprimer:
        return bar->ACT_Services_Imprimer;
    case kServiceReinitPartielle:
        return bar->ACT_Services_ReinitPartielle;
    case kServiceReinitTotale:
        return bar->ACT_Services_ReintTotale;
    case kServiceModifierDeclaration:
        return bar->ACT_Modifier_Declaration;
    case kFiltreAuditGeneral:
        return bar->ACT_Filtre_AuditGeneral;
    case kFiltreAnomalies:
        return bar->ACT_Filtre_Anomalies;
    case kFiltreAvertissement:
        return bar->ACT_Filtre_Avertissement;
    case kFiltreConseils:
        return bar->ACT_Filtre_Conseils;
    case kFiltreMessages:
        return bar->ACT_Filtre_Messages;
    case kFiltrePiecesJointes:
        return bar->ACT_Filtre_PiecesJointes;
    case kServiceImport:
        return bar->ACT_Services_Import;
    default:
        return nullptr;
    }
}

void TPrManagementButtons::AddService(int service)
{
    if (TAction* action = ServiceAction(service); action && serviceManager)
        serviceManager->Add(action);
}

void TPrManagementButtons::RemoveService(int service)
{
    if (TAction* action = ServiceAction(service); action && serviceManager)
        serviceManager->Remove(action);
}

bool TPrManagementButtons::BeginServiceButtonData()
{
    return serviceManager && serviceManager->BeginServiceData();
}

bool TPrManagementButtons::NextServiceButtonData()
{
    return serviceManager && serviceManager->NextServiceData();
}

TAction* TPrManagementButtons::GetServiceButtonData() const
{
    return serviceManager ? serviceManager->GetServiceData() : nullptr;
}
