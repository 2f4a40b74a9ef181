#include "TPrAssistantRevenus.h"

#include "TCalculImpot.h"
#include "TModeleRevenus.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "model/TCompteRendu.h"
#include "presenter/TPrEcranVCL.h"
#include "view/TViewBaseForm.h"

TPrAssistantRevenus::TPrAssistantRevenus(TComponent* owner, TModeleRevenus* modele,
                                         TMgtModelInvoker* invoker)
    : TPrBaseForm(owner, modele, invoker), m_modele(modele)
{
    MajTitre();
}

TPrAssistantRevenus::TPrAssistantRevenus(const TPrAssistantRevenus& other)
    : TPrBaseForm(other), m_modele(other.m_modele)
{}

TPrAssistantRevenus& TPrAssistantRevenus::operator=(const TPrAssistantRevenus& other)
{
    if (this != &other) {
        TPrBaseForm::operator=(other);
        m_modele = other.m_modele;
    }
    return *this;
}

TPrAssistantRevenus::~TPrAssistantRevenus() = default;

bool TPrAssistantRevenus::operator==(const TPrAssistantRevenus& other) const
{
    return TPrBaseForm::operator==(other) && m_modele == other.m_modele;
}

std::string TPrAssistantRevenus::Titre() const
{
    std::string titre = "D\xE9"
                        "claration des revenus 2024";
    const TCinematicManagerAbstract* flux = getCinematicManager();
    const TScreenInformation* ecran = flux ? flux->getScreenInformationEcranActif() : nullptr;
    if (ecran) {
        std::string nom;
        flux->GetTitleScreen(ecran->getIdRessource(), nom);
        if (!nom.empty())
            titre += " - " + nom;
    }
    if (m_modele)
        titre += " - " + TCalculImpot::ImpotNet(m_modele->Resultat());
    return titre;
}

void TPrAssistantRevenus::MajTitre()
{
    auto* fenetre = qobject_cast<TViewBaseForm*>(getView());
    if (!fenetre)
        return;
    fenetre->setScreenName(Titre());
    fenetre->Update();
}

void TPrAssistantRevenus::ChangeScreen()
{
    TPrBaseForm::ChangeScreen();
    MajTitre();
    if (m_apresChangement)
        m_apresChangement();
}

void TPrAssistantRevenus::OnCloseQuery(bool& canClose)
{
    TPrBaseForm::OnCloseQuery(canClose);
    TCompteRendu* report = getCompteRendu();
    if (!canClose || !report || report->getUserAction() != TCompteRendu::kUserActionFinished ||
        !m_finition)
        return;
    if (!m_finition()) {
        canClose = false;
        // Not finished after all: closing the window later is an abandon, which asks.
        report->setUserAction(TCompteRendu::kUserActionAbandoned);
        setCloseAllowed(false);
    }
}

void TPrAssistantRevenus::AfficheChamp(short lettrage)
{
    for (TPrComposite* fils : getFils()) {
        if (auto* ecran = dynamic_cast<TPrEcranVCL*>(fils)) {
            ecran->AfficheEcran(lettrage);
            return;
        }
    }
}

void TPrAssistantRevenus::UpdateInfo()
{
    MajTitre();
}
