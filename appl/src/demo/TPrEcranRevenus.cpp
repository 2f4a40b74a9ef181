#include "TPrEcranRevenus.h"

#include "Revenus.h"
#include "TFabriqueEcransRevenus.h"
#include "TModeleRevenus.h"

#include "flow/TCinematicManagerAbstract.h"
#include "model/TCompteRendu.h"
#include "model/TMgtModelCmdCalcul.h"
#include "model/TMgtModelCmdDVL.h"
#include "model/TMgtModelCmdLVD.h"
#include "model/TMgtModelCmdSelect.h"
#include "model/TMgtModelInvoker.h"
#include "view/TViewEcranVCL.h"

using namespace revenus;

namespace {

// Help topics: one per screen, two for the fields that need their own.
HelpId kAide[] = {
    {static_cast<short>(TitreEcran(kEcranDeclarant)), kNom, 110, 0, 0},
    {static_cast<short>(TitreEcran(kEcranSalaires)), kSalaire1, 210, 0, 0},
    {static_cast<short>(TitreEcran(kEcranAccueil)), 0, 100, 0, 0},
    {static_cast<short>(TitreEcran(kEcranDeclarant)), 0, 101, 0, 0},
    {static_cast<short>(TitreEcran(kEcranAdresse)), 0, 102, 0, 0},
    {static_cast<short>(TitreEcran(kEcranSituation)), 0, 103, 0, 0},
    {static_cast<short>(TitreEcran(kEcranPersonnes)), 0, 104, 0, 0},
    {static_cast<short>(TitreEcran(kEcranSalaires)), 0, 200, 0, 0},
    {static_cast<short>(TitreEcran(kEcranFoncier)), 0, 201, 0, 0},
    {static_cast<short>(TitreEcran(kEcranBiens)), 0, 202, 0, 0},
    {static_cast<short>(TitreEcran(kEcranCharges)), 0, 300, 0, 0},
    {static_cast<short>(TitreEcran(kEcranRecapitulatif)), 0, 301, 0, 0},
    {static_cast<short>(TitreEcran(kEcranControles)), 0, 302, 0, 0},
    {static_cast<short>(TitreEcran(kEcranSignature)), 0, 400, 0, 0},
    {-1, 0, 1, 0, 0},
};

} // namespace

TPrEcranRevenus::TPrEcranRevenus(TComponent* owner, TPrComposite* parent, TModeleRevenus* modele,
                                 TMgtModelInvoker* invoker,
                                 TCinematicManagerAbstract* cinematicManager)
    : TPrEcranVCL(owner, parent, modele, invoker, cinematicManager), m_modele(modele)
{
    listeFactory.push_back(new TFabriqueEcransRevenus());
    setHelpData(kAide);
}

TPrEcranRevenus::TPrEcranRevenus(const TPrEcranRevenus& other)
    : TPrEcranVCL(other), m_modele(other.m_modele)
{}

TPrEcranRevenus& TPrEcranRevenus::operator=(const TPrEcranRevenus& other)
{
    if (this != &other) {
        TPrEcranVCL::operator=(other);
        m_modele = other.m_modele;
    }
    return *this;
}

TPrEcranRevenus::~TPrEcranRevenus() = default;

bool TPrEcranRevenus::operator==(const TPrEcranRevenus& other) const
{
    return TPrEcranVCL::operator==(other) && m_modele == other.m_modele;
}

void TPrEcranRevenus::SauveDataInit()
{
    if (m_modele)
        m_modele->SauveEtatInitial();
}

void TPrEcranRevenus::RestaureDataInit()
{
    if (m_modele)
        m_modele->RestaureEtatInitial();
}

void TPrEcranRevenus::CheckIsModified()
{
    getCompteRendu()->setModified(m_modele && m_modele->EstModifie());
}

void TPrEcranRevenus::DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic)
{
    TMgtModelCmdDVL commande(getModel(), lettres, lettresStatic);
    getInvoker()->executeCommand(&commande);
}

void TPrEcranRevenus::LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic)
{
    TMgtModelCmdLVD commande(getModel(), lettres, lettresStatic);
    getInvoker()->executeCommand(&commande);
}

void TPrEcranRevenus::Calcul()
{
    TMgtModelCmdCalcul commande(getModel());
    getInvoker()->executeCommand(&commande);
}

void TPrEcranRevenus::Select(structLettre* lettres)
{
    TMgtModelCmdSelect commande(getModel(), lettres);
    getInvoker()->executeCommand(&commande);
}

int TPrEcranRevenus::SelectEcran(int lettrage)
{
    const TCinematicManagerAbstract* flux = getCinematicManager();
    return flux ? flux->getScreenFromLettrage(lettrage) : -1;
}
