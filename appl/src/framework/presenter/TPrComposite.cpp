#include "presenter/TPrComposite.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "log/TFrameworkLogger.h"
#include "model/TCompteRendu.h"
#include "model/TModelAbstract.h"
#include "presenter/TCompositeVisitor.h"
#include "view/TView.h"

#include "DesktopMetrics.h"
#include "TInfoGene.h"

#include <log4cxx/level.h>

#include <QWidget>

#include <algorithm>

namespace {

// A desktop this large has room for the navigation column beside the screen.
constexpr int kWideDesktopWidth = 1024;
constexpr int kWideDesktopHeight = 768;

bool desktopHasRoomForNavigation()
{
    RECT rect{};
    GetWindowRect(GetDesktopWindow(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    return width >= kWideDesktopWidth || height >= kWideDesktopHeight;
}

} // namespace

TPrComposite::TPrComposite(TPrComposite* parent, TModelAbstract* theModel,
                           TMgtModelInvoker* theInvoker, TCinematicManagerAbstract* theManager)
    : model(theModel), invoker(theInvoker), cinematicManager(theManager)
{
    if (parent)
        root = parent->getRoot();
    leftComposite = desktopHasRoomForNavigation();
    compteRendu = new TCompteRendu();
}

TPrComposite::TPrComposite(const TPrComposite& other)
    : root(other.root), model(other.model), invoker(other.invoker),
      cinematicManager(other.cinematicManager),
      compteRendu(other.compteRendu ? new TCompteRendu(*other.compteRendu) : new TCompteRendu()),
      leftComposite(other.leftComposite)
{}

TPrComposite& TPrComposite::operator=(const TPrComposite& other)
{
    if (this == &other)
        return *this;
    root = other.root;
    model = other.model;
    invoker = other.invoker;
    cinematicManager = other.cinematicManager;
    leftComposite = other.leftComposite;
    if (other.compteRendu) {
        if (compteRendu)
            *compteRendu = *other.compteRendu;
        else
            compteRendu = new TCompteRendu(*other.compteRendu);
    }
    return *this;
}

bool TPrComposite::operator==(const TPrComposite& other) const
{
    return getView() == other.getView() && root == other.root && fils == other.fils &&
           model == other.model && invoker == other.invoker &&
           cinematicManager == other.cinematicManager && compteRendu == other.compteRendu &&
           leftComposite == other.leftComposite;
}

TPrComposite::~TPrComposite()
{
    DestroyFils();
    DestroyView();
    delete compteRendu;
    compteRendu = nullptr;
}

void TPrComposite::DestroyFils()
{
    // Detach the list first: a child's destructor must never see itself among our children.
    std::vector<TPrComposite*> children;
    children.swap(fils);
    for (TPrComposite* child : children)
        delete child;
}

void TPrComposite::DestroyView()
{
    TView* doomed = getView();
    view = nullptr;
    viewGuard = nullptr;
    delete doomed;
}

TView* TPrComposite::getView() const
{
    return viewGuard ? view : nullptr;
}

void TPrComposite::setView(TView* newView)
{
    view = newView;
    viewGuard = newView ? newView->AsQObject() : nullptr;
}

void TPrComposite::Add(TPrComposite* child)
{
    if (std::find(fils.begin(), fils.end(), child) == fils.end())
        fils.push_back(child);
}

void TPrComposite::Remove(TPrComposite* child)
{
    const auto found = std::find(fils.begin(), fils.end(), child);
    if (found != fils.end())
        fils.erase(found);
}

bool TPrComposite::isEnable(TPrComposite* child) const
{
    return std::find(fils.begin(), fils.end(), child) != fils.end();
}

void TPrComposite::SaveData()
{
    for (TPrComposite* child : getFils())
        child->SaveData();
}

void TPrComposite::LoadData()
{
    for (TPrComposite* child : getFils())
        child->LoadData();
}

void TPrComposite::Accept(TCompositeVisitor* visitor)
{
    for (TPrComposite* child : getFils())
        child->Accept(visitor);
}

void TPrComposite::Show()
{
    if (TView* own = getView())
        own->Show();
    for (TPrComposite* child : getFils())
        child->Show();
}

void TPrComposite::Hide()
{
    if (TView* own = getView())
        own->Hide();
    for (TPrComposite* child : getFils())
        child->Hide();
}

void TPrComposite::SauveDataInit()
{
    for (TPrComposite* child : getFils())
        child->SauveDataInit();
}

void TPrComposite::RestaureDataInit()
{
    for (TPrComposite* child : getFils())
        child->RestaureDataInit();
}

void TPrComposite::CheckIsModified() {}

void TPrComposite::SetControlHelpContext()
{
    TView* own = getView();
    // Without an active screen there is no help context to give; the children still get theirs.
    const TScreenInformation* active =
        cinematicManager ? cinematicManager->getScreenInformationEcranActif() : nullptr;
    if (own && active)
        own->SetControlHelpContext(active->getIdRessource());
    for (TPrComposite* child : getFils())
        child->SetControlHelpContext();
}

void TPrComposite::Update()
{
    if (TView* own = getView()) {
        if (model && model->getInfoGene())
            own->SetColor(model->getInfoGene()->getCouleur());
        own->Update();
    }
    for (TPrComposite* child : getFils())
        child->Update();
}

void TPrComposite::MiseAJourCompteRendu()
{
    CheckIsModified();
    for (TPrComposite* child : getFils()) {
        child->MiseAJourCompteRendu();
        if (compteRendu && child->getCompteRendu())
            compteRendu->MiseAJour(*child->getCompteRendu());
    }
}

bool TPrComposite::EcranValide(bool afficher)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrComposite::EcranValide()", "");
    bool valide = DonneesValide(afficher);
    for (TPrComposite* child : getFils()) {
        if (!valide)
            break;
        valide = child->EcranValide(afficher);
    }
    return valide;
}

bool TPrComposite::DonneesValide(bool /*afficher*/)
{
    return true;
}

void TPrComposite::FocusControl(int lettrage)
{
    for (TPrComposite* child : getFils())
        child->FocusControl(lettrage);
}

void TPrComposite::SaveControlDisplay()
{
    if (TView* own = getView())
        own->SaveControlDisplay();
    for (TPrComposite* child : getFils())
        child->SaveControlDisplay();
}

void TPrComposite::MoveLeft()
{
    if (TView* own = getView()) {
        QWidget* widget = own->AsWidget();
        widget->move(0, widget->y());
    } else {
        leftComposite = false;
    }
}

void TPrComposite::setHelpContext(long helpContext)
{
    if (TView* own = getView())
        own->SetHelpContext(static_cast<int>(helpContext));
}
