#include "presenter/TPrManagementButtons.h"

#include "flow/TCinematicManagerAbstract.h"
#include "model/TCompteRendu.h"
#include "presenter/TCompositeVisitor.h"
#include "presenter/TVisitorOk.h"

TPrManagementButtons::TPrManagementButtons(TComponent* /*owner*/, TPrComposite* parent,
                                           TModelAbstract* theModel, TMgtModelInvoker* theInvoker,
                                           TCinematicManagerAbstract* theManager)
    : TPrComposite(parent, theModel, theInvoker, theManager)
{
    // Without the navigation column, the bar offers the screens through its own button.
    if (!isLeftComposite())
        setButtonNavigation(true);
    // TODO: the bar's view (TViewManagementButtons) in `owner`, and the service manager.
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
    // TODO: destroy the service manager once it exists.
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
    // TODO: validate, move forward over the headings, change the screen.
}

void TPrManagementButtons::PreviousScreen()
{
    // TODO: validate, move backward over the headings, change the screen.
}

void TPrManagementButtons::FirstScreen()
{
    // TODO: validate, go to the flow's first screen, change the screen.
}

void TPrManagementButtons::LastScreen()
{
    // TODO: validate, go to the flow's last screen, change the screen.
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

TPrComposite* TPrManagementButtons::Top()
{
    // A presenter built without a parent has no root: it stands for its own tree.
    return getRoot() ? getRoot() : this;
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
    // A host that offers the import service names it.
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
