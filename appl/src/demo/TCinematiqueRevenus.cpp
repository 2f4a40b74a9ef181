#include "TCinematiqueRevenus.h"

#include "Revenus.h"
#include "TDeclarationRevenus.h"
#include "TModeleRevenus.h"

#include "flow/TScreenInformation.h"

using namespace revenus;

namespace {

struct Definition
{
    int ecran;
    long ressource;
    int niveau;
    const char* nom;
};

// The flow, in order. A heading has a title resource of 0 or below.
constexpr Definition kEcrans[] = {
    {kEcranAccueil, TitreEcran(kEcranAccueil), 1, "Accueil"},
    {kRubriqueFoyer, kTitreRubriqueFoyer, 1, "Foyer"},
    {kEcranDeclarant, TitreEcran(kEcranDeclarant), 2, "Declarant"},
    {kEcranAdresse, TitreEcran(kEcranAdresse), 2, "Adresse"},
    {kEcranSituation, TitreEcran(kEcranSituation), 2, "Situation"},
    {kEcranPersonnes, TitreEcran(kEcranPersonnes), 3, "PersonnesACharge"},
    {kRubriqueRevenus, kTitreRubriqueRevenus, 1, "Revenus"},
    {kEcranSalaires, TitreEcran(kEcranSalaires), 2, "Salaires"},
    {kEcranFoncier, TitreEcran(kEcranFoncier), 2, "RevenusFonciers"},
    {kEcranBiens, TitreEcran(kEcranBiens), 3, "BiensLoues"},
    {kRubriqueImpot, kTitreRubriqueImpot, 1, "Impot"},
    {kEcranCharges, TitreEcran(kEcranCharges), 2, "Charges"},
    {kEcranRecapitulatif, TitreEcran(kEcranRecapitulatif), 2, "Recapitulatif"},
    {kEcranControles, TitreEcran(kEcranControles), 2, "Controles"},
    {kEcranSignature, TitreEcran(kEcranSignature), 1, "Signature"},
};

} // namespace

TCinematiqueRevenus::TCinematiqueRevenus(TModeleRevenus* modele, const std::string& moduleTitres)
    : m_modele(modele)
{
    std::string nom = moduleTitres;
    setScreenDllName(nom);
}

TCinematiqueRevenus& TCinematiqueRevenus::operator=(const TCinematiqueRevenus& other)
{
    if (this != &other) {
        TCinematicManagerAbstract::operator=(other);
        m_modele = other.m_modele;
    }
    return *this;
}

TCinematiqueRevenus::~TCinematiqueRevenus() = default;

bool TCinematiqueRevenus::operator==(const TCinematiqueRevenus& other) const
{
    return TCinematicManagerAbstract::operator==(other) && m_modele == other.m_modele;
}

void TCinematiqueRevenus::Init()
{
    using Info = TScreenInformation;
    for (const Definition& definition : kEcrans) {
        InitScreen(definition.ecran, definition.ressource, definition.nom, Info::SELECTION_OUI,
                   Info::ON, Info::FAMILLE_DEFAUT);
        TScreenInformation* info = GetInfoEcran(definition.ecran);
        info->setNiveau(definition.niveau);
        info->setScreenName(definition.nom);
    }

    InitLettrageToScreens();
    for (const TDeclarationRevenus::Champ& champ : TDeclarationRevenus::Champs())
        addScreenFromLettrageEntry(champ.lettrage, champ.ecran);
    addScreenFromLettrageEntry(kListePersonnes, kEcranPersonnes);
    addScreenFromLettrageEntry(kJustificatifs, kEcranCharges);
    addScreenFromLettrageEntry(kListeAudit, kEcranControles);
    Update();
}

void TCinematiqueRevenus::Update()
{
    if (!m_modele)
        return;
    const TDeclarationRevenus& declaration = m_modele->Declaration();
    auto bascule = [this](int ecran, bool present) {
        if (present)
            SetON(ecran);
        else
            SetOFF(ecran);
    };
    bascule(kEcranPersonnes, declaration.Coche(kACharge));
    bascule(kEcranFoncier, declaration.Coche(kRevenusFonciers));
    bascule(kEcranBiens, declaration.Coche(kRevenusFonciers));
}
