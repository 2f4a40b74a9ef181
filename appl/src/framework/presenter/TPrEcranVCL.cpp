#include "presenter/TPrEcranVCL.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "log/TFrameworkLogger.h"
#include "model/TFactoryAbstract.h"
#include "model/TModelAbstract.h"
#include "presenter/TCompositeVisitor.h"

#include <log4cxx/level.h>

TPrEcranVCL::TPrEcranVCL(TComponent* theOwner, TPrComposite* parent, TModelAbstract* theModel,
                         TMgtModelInvoker* theInvoker, TCinematicManagerAbstract* theManager)
    : TPrComposite(parent, theModel, theInvoker, theManager), owner(theOwner)
{}

TPrEcranVCL::TPrEcranVCL(const TPrEcranVCL& other)
    : TPrComposite(other), owner(other.owner), enableOnChange(other.enableOnChange),
      helpData(other.helpData), changedLettrage(other.changedLettrage)
{}

TPrEcranVCL& TPrEcranVCL::operator=(const TPrEcranVCL& other)
{
    if (this == &other)
        return *this;
    TPrComposite::operator=(other);
    owner = other.owner;
    enableOnChange = other.enableOnChange;
    helpData = other.helpData;
    changedLettrage = other.changedLettrage;
    return *this;
}

bool TPrEcranVCL::operator==(const TPrEcranVCL& other) const
{
    return TPrComposite::operator==(other) && owner == other.owner &&
           listeFactory == other.listeFactory && enableOnChange == other.enableOnChange &&
           helpData == other.helpData && changedLettrage == other.changedLettrage;
}

TPrEcranVCL::~TPrEcranVCL()
{
    for (TFactoryAbstract* factory : listeFactory)
        delete factory;
    listeFactory.clear();
    changedLettrage.clear();
}

void TPrEcranVCL::SaveData()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrEcranVCL::SaveData()", "");
    // TODO: screen to letters and letters to data through the view.
    TPrComposite::SaveData();
}

void TPrEcranVCL::LoadData()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrEcranVCL::LoadData()", "");
    // TODO: data to letters and selection through the view.
    TPrComposite::LoadData();
}

void TPrEcranVCL::Accept(TCompositeVisitor* visitor)
{
    visitor->VisitEcranVCL(this);
    TPrComposite::Accept(visitor);
}

void TPrEcranVCL::Update()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrEcranVCL::Update()", "");
    // The refresh changes the controls: those changes must not come back as the user's.
    enableOnChange = false;
    LoadData();
    TPrComposite::Update();
    enableOnChange = true;
}

bool TPrEcranVCL::DonneesValide(bool /*afficher*/)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrEcranVCL::DonneesValide()", "");
    // TODO: check the view's letters through the model and show its messages.
    return true;
}

void TPrEcranVCL::FocusControl(int /*lettrage*/)
{
    // TODO: the view's SetControlFocus; the children are not asked.
}

void TPrEcranVCL::InitChangedLettrage() {}

void TPrEcranVCL::DonneesVersLettrage(structLettre* /*lettres*/, structLettre* /*lettresStatic*/) {}

void TPrEcranVCL::LettrageVersDonnees(structLettre* /*lettres*/, structLettre* /*lettresStatic*/) {}

void TPrEcranVCL::Calcul() {}

void TPrEcranVCL::Select(structLettre* /*lettres*/) {}

void TPrEcranVCL::ChangeView()
{
    // TODO: save the display state, rebuild the children and the view, fit and show.
}

bool TPrEcranVCL::CreateView()
{
    // TODO: ask the factories for the active screen's view.
    return false;
}

void TPrEcranVCL::OnChange()
{
    // TODO: save, compute, refresh the flow and the whole tree.
}

void TPrEcranVCL::MajUnLibelle(std::string& libelle)
{
    if (TModelAbstract* data = getModel())
        data->MajUnLibelle(libelle);
}

bool TPrEcranVCL::OuvreDeclaration(int /*enumEcran*/, int /*lettrage*/)
{
    return false;
}

int TPrEcranVCL::SelectEcran(int /*lettrage*/)
{
    return -1;
}

void TPrEcranVCL::AfficheEcran(int /*lettrage*/)
{
    // TODO: move to the screen of the lettrage through the relay window.
}

int TPrEcranVCL::getTypeEcran() const
{
    const TCinematicManagerAbstract* flow = getCinematicManager();
    const TScreenInformation* active = flow ? flow->getScreenInformationEcranActif() : nullptr;
    return active ? active->getTypeScreen() : 0;
}

short TPrEcranVCL::getIdValeurSaisie(short lettrage) const
{
    const TModelAbstract* data = getModel();
    return data ? data->getIdValeurSaisie(lettrage) : -1;
}

short TPrEcranVCL::getIdEtatEdit(short lettrage) const
{
    const TModelAbstract* data = getModel();
    return data ? data->getIdEtatEdit(lettrage) : -1;
}
