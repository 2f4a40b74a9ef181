#include "presenter/TPrEcranVCL.h"

#include "controls/TdControl.h"
#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "log/TFrameworkLogger.h"
#include "model/TCompteRendu.h"
#include "model/TFactoryAbstract.h"
#include "model/TModelAbstract.h"
#include "presenter/TCompositeVisitor.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TVisitorFixClientHeight.h"
#include "presenter/TVisitorMajCinematique.h"
#include "view/TMessageManager.h"
#include "view/TViewEcranVCL.h"

#include "MessageBox.h"
#include "MessageQueue.h"
#include "qlettre.h"

#include <log4cxx/level.h>
#include <log4cxx/logger.h>

#include <QPointer>

#include <string>
#include <vector>

#include <QScopeGuard>
#include <QScopedValueRollback>

namespace {

void Trace(const char* message)
{
    FrameworkLog(log4cxx::Level::getInfo(), message, "");
}

} // namespace

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

// The factories go first; the composite then destroys the children, the view and the report.
TPrEcranVCL::~TPrEcranVCL()
{
    std::vector<TFactoryAbstract*> factories;
    factories.swap(listeFactory);
    for (TFactoryAbstract* factory : factories)
        delete factory;
    changedLettrage.clear();
}

TViewEcranVCL* TPrEcranVCL::getViewEcran() const
{
    return dynamic_cast<TViewEcranVCL*>(getView());
}

void TPrEcranVCL::SaveData()
{
    Trace("TPrEcranVCL::SaveData()");
    if (TViewEcranVCL* ecran = getViewEcran()) {
        ecran->EcranVersLettrage();
        LettrageVersDonnees(ecran->getListeLettre(), ecran->getListeLettreStatic());
        Select(ecran->getListeLettre());
        // What the selection changed reaches the data too.
        LettrageVersDonnees(ecran->getListeLettre(), ecran->getListeLettreStatic());
    }
    TPrComposite::SaveData();
}

void TPrEcranVCL::LoadData()
{
    Trace("TPrEcranVCL::LoadData()");
    if (TViewEcranVCL* ecran = getViewEcran()) {
        DonneesVersLettrage(ecran->getListeLettre(), ecran->getListeLettreStatic());
        Select(ecran->getListeLettre());
    }
    TPrComposite::LoadData();
}

void TPrEcranVCL::Accept(TCompositeVisitor* visitor)
{
    if (!visitor)
        return;
    visitor->VisitEcranVCL(this);
    TPrComposite::Accept(visitor);
}

void TPrEcranVCL::Update()
{
    Trace("TPrEcranVCL::Update()");
    const TPrBaseForm::HandlerScope handling(this);
    // What the refresh writes into the widgets must not come back as the user's changes;
    // they count as the user's again once the outermost refresh ends, however it ends.
    const QScopedValueRollback<int> depth(updateDepth, updateDepth + 1);
    enableOnChange = false;
    const auto reopen = qScopeGuard([this] {
        if (updateDepth == 1)
            enableOnChange = true;
    });
    LoadData();
    TPrComposite::Update();
}

void TPrEcranVCL::OnChange()
{
    if (!enableOnChange)
        return;
    Trace("--TViewEcranVCL::OnChangeControl()");
    const TPrBaseForm::HandlerScope handling(this);
    SaveData();
    Calcul();

    TPrComposite* top = getRoot() ? getRoot() : this;
    TVisitorMajCinematique majCinematique;
    top->Accept(&majCinematique);
    if (auto* form = dynamic_cast<TPrBaseForm*>(top))
        form->UpdateInfo();
    if (TCinematicManagerAbstract* flow = getCinematicManager()) {
        flow->Update();
        flow->Update();
    }
    top->Update();
}

bool TPrEcranVCL::DonneesValide(bool afficher)
{
    Trace("TPrEcranVCL::DonneesValide()");
    const TPrBaseForm::HandlerScope handling(this);
    bool bloquant = false;
    int lettrageFocus = 0;
    TViewEcranVCL* ecran = getViewEcran();
    TModelAbstract* modele = getModel();
    if (!ecran || !modele)
        return true;
    if (!SaisiesCompletes(afficher))
        return false;
    // Fetched again for a host whose SaisiesCompletes runs events (its own message box).
    ecran = getViewEcran();
    if (!ecran)
        return true;

    structMessage* messages = modele->ControleLettres(ecran->getListeLettre());
    if (!messages)
        return true;

    const bool aDire = !FinListeMessage(messages);
    if (aDire)
        bloquant = messages->type == 1;
    if (afficher && aDire) {
        if (bloquant) {
            modele->AfficheLeMessage(messages, ecran->Handle());
            lettrageFocus = messages->lettrage;
        } else {
            // Warnings one after the other, until the user chooses to go back to one.
            for (structMessage* message = VaPremierMessage(messages); !FinListeMessage(message);
                 message = VaMessageSuivant(message)) {
                if (modele->AfficheLeMessage(message, ecran->Handle())) {
                    lettrageFocus = message->lettrage;
                    bloquant = true;
                    break;
                }
            }
        }
    }
    LibereListeMessage(&messages);

    if (bloquant && afficher && lettrageFocus != 0) {
        // The dialogs may have run events: the view is asked again.
        if (TViewEcranVCL* encore = getViewEcran())
            encore->SetControlFocus(lettrageFocus);
    }
    return !bloquant;
}

void TPrEcranVCL::FocusControl(int lettrage)
{
    if (TViewEcranVCL* ecran = getViewEcran())
        ecran->SetControlFocus(lettrage);
}

void TPrEcranVCL::InitChangedLettrage() {}

void TPrEcranVCL::DonneesVersLettrage(structLettre*, structLettre*) {}

void TPrEcranVCL::LettrageVersDonnees(structLettre*, structLettre*) {}

void TPrEcranVCL::Calcul() {}

void TPrEcranVCL::Select(structLettre*) {}

bool TPrEcranVCL::CreateView()
{
    const TCinematicManagerAbstract* flow = getCinematicManager();
    const TScreenInformation* active = flow ? flow->getScreenInformationEcranActif() : nullptr;
    const int idScreen = active ? active->getIdScreen() : -1;
    const std::vector<TFactoryAbstract*> factories = listeFactory;
    for (TFactoryAbstract* factory : factories) {
        if (factory && factory->CreeVue(idScreen, owner, this)) {
            // A factory builds the view; its host part (controls, linked letters) is completed
            // here, once the host class is fully built.
            if (TViewEcranVCL* ecran = getViewEcran())
                ecran->InitView();
            return true;
        }
    }
    return false;
}

void TPrEcranVCL::ChangeView()
{
    if (listeFactory.empty())
        return;
    TPrComposite* top = getRoot() ? getRoot() : this;
    // Before anything is destroyed: the controls' display states outlive the screen.
    top->SaveControlDisplay();
    DestroyFils();
    DestroyView();
    if (!CreateView())
        return;

    const TViewEcranVCL* ecran = getViewEcran();
    TVisitorFixClientHeight fixClientHeight(ecran ? ecran->GetClientHeight() : 0);
    top->Accept(&fixClientHeight);
    Show();
    AnnonceTitre();
    top->SetControlHelpContext();
    top->Update();

    if (TViewEcranVCL* shown = getViewEcran()) {
        WarnMnemonicClashes(*shown);
        // What the user types next goes into the screen, not into the button or the tree
        // line that changed it.
        shown->FocusFirstControl();
    }
}

void TPrEcranVCL::WarnMnemonicClashes(const TViewEcranVCL& ecran)
{
    const TCinematicManagerAbstract* flow = getCinematicManager();
    const TScreenInformation* active = flow ? flow->getScreenInformationEcranActif() : nullptr;
    if (!active || !mnemonicsChecked.insert(active->getIdScreen()).second)
        return;
    const std::vector<std::string> clashes = ecran.MnemonicClashes();
    if (clashes.empty())
        return;
    // A logger of its own below the framework's: the framework's trace keeps its vocabulary,
    // and a host's configuration of it applies here too.
    static const log4cxx::LoggerPtr logger =
        log4cxx::Logger::getLogger("fr.kelmar.framework.mnemonics");
    std::string line = "TPrEcranVCL::ChangeView()  lettres Alt en double, idScreen " +
                       std::to_string(active->getIdScreen()) + " : ";
    for (std::size_t i = 0; i < clashes.size(); ++i)
        line += (i ? " ; " : "") + clashes[i];
    LOG4CXX_WARN(logger, line);
}

std::vector<std::string> TPrEcranVCL::MnemonicClashes() const
{
    const TViewEcranVCL* ecran = getViewEcran();
    return ecran ? ecran->MnemonicClashes() : std::vector<std::string>();
}

bool TPrEcranVCL::SaisiesCompletes(bool afficher)
{
    TViewEcranVCL* ecran = getViewEcran();
    TdControl* date = ecran ? ecran->FindIncompleteDate() : nullptr;
    if (!date)
        return true;
    if (afficher) {
        const int lettrage = date->m_lettrage;
        const QPointer<TViewEcranVCL> alive(ecran);
        MessageBoxA(ecran->Handle(), "La date saisie est incompl\xE8te : jj/mm/aaaa",
                    "Erreur de saisie", MB_OK | MB_ICONEXCLAMATION);
        if (alive)
            alive->SetControlFocus(lettrage);
    }
    return false;
}

void TPrEcranVCL::AnnonceTitre()
{
    TViewEcranVCL* ecran = getViewEcran();
    const TCinematicManagerAbstract* flow = getCinematicManager();
    const TScreenInformation* active = flow ? flow->getScreenInformationEcranActif() : nullptr;
    if (!ecran || !active)
        return;
    std::string titre;
    flow->GetTitleScreen(active->getIdRessource(), titre);
    ecran->setTitreEcran(titre);
}

void TPrEcranVCL::MajUnLibelle(std::string& libelle)
{
    if (TModelAbstract* modele = getModel())
        modele->MajUnLibelle(libelle);
}

bool TPrEcranVCL::OuvreDeclaration(int, int)
{
    return false;
}

int TPrEcranVCL::SelectEcran(int)
{
    return -1;
}

void TPrEcranVCL::AfficheEcran(int lettrage)
{
    const int enumEcran = SelectEcran(lettrage);
    TCinematicManagerAbstract* flow = getCinematicManager();
    if (flow && flow->getNbScreen() > 1) {
        if (!flow->ExistScreen(enumEcran))
            return;
        flow->setEnumEcranActif(enumEcran);
        // The screen change runs from the message loop, never inside the caller's handler.
        auto* form = dynamic_cast<TPrBaseForm*>(getRoot());
        if (TMessageManager* relay = form ? form->getMessageManager() : nullptr)
            PostMessageA(relay->Handle(), kMsgChangeView, static_cast<WPARAM>(lettrage), 0);
        return;
    }
    if (OuvreDeclaration(enumEcran, lettrage)) {
        Update();
        if (TCompteRendu* report = getCompteRendu())
            report->setModified(true);
    }
}

int TPrEcranVCL::getTypeEcran() const
{
    const TCinematicManagerAbstract* flow = getCinematicManager();
    const TScreenInformation* active = flow ? flow->getScreenInformationEcranActif() : nullptr;
    return active ? active->getTypeScreen() : 0;
}

short TPrEcranVCL::getIdValeurSaisie(short lettrage) const
{
    const TModelAbstract* modele = getModel();
    return modele ? modele->getIdValeurSaisie(lettrage) : -1;
}

short TPrEcranVCL::getIdEtatEdit(short lettrage) const
{
    const TModelAbstract* modele = getModel();
    return modele ? modele->getIdEtatEdit(lettrage) : -1;
}
