#include "TDeclarationRevenus.h"

#include "Revenus.h"
#include "TCalculImpot.h"

#include "controls/TdCcxEditNum.h"

#include <cstdio>
#include <cstdlib>

using namespace revenus;

namespace {

// The salaries the employer declared, offered to the user as pre-filled amounts.
constexpr double kSalaire1Employeur = 31250.0;
constexpr double kSalaire2Employeur = 27480.0;

std::string FormatMontant(double montant)
{
    // The amount field's own letter format, whatever the process locale.
    char texte[TCalculImpot::kTailleTexteNombre];
    TdCcxEditNum::WriteAmount(montant, texte, sizeof texte);
    return texte;
}

} // namespace

TDeclarationRevenus::TDeclarationRevenus()
{
    for (const Champ& champ : Champs()) {
        if (champ.genre == Genre::Code || champ.genre == Genre::Etat)
            m_valeurs[champ.lettrage] = "0";
    }
    // Check boxes with the codes '1' / '2' are unchecked with '2'.
    for (int lettrage : {kRevenusFonciers, kRappel, kCertification})
        m_valeurs[lettrage] = "2";
    m_valeurs[kRegimeFoncier] = "1";
    m_valeurs[kSalaire1Etat] = "1";
    m_valeurs[kSalaire2Etat] = "1";
    m_valeurs[kSalaire1Prerempli] = FormatMontant(kSalaire1Employeur);
    m_valeurs[kSalaire2Prerempli] = FormatMontant(kSalaire2Employeur);
}

const std::vector<TDeclarationRevenus::Champ>& TDeclarationRevenus::Champs()
{
    using G = Genre;
    static const std::vector<Champ> champs = {
        {kNom, kEcranDeclarant, G::Texte, "Nom"},
        {kPrenom, kEcranDeclarant, G::Texte, "Pr\xE9nom"},
        {kJourNaissance, kEcranDeclarant, G::Texte, "Jour de naissance"},
        {kMoisNaissance, kEcranDeclarant, G::Texte, "Mois de naissance"},
        {kAnneeNaissance, kEcranDeclarant, G::Texte,
         "Ann\xE9"
         "e de naissance"},
        {kSituationFamille, kEcranDeclarant, G::Code, "Situation de famille"},
        {kAdresse, kEcranAdresse, G::Texte, "Adresse"},
        {kCodePostal, kEcranAdresse, G::Texte, "Code postal"},
        {kCommune, kEcranAdresse, G::Texte, "Commune"},
        {kTelephone, kEcranAdresse, G::Texte, "T\xE9l\xE9phone"},
        {kACharge, kEcranSituation, G::Code, "Personnes \xE0 charge"},
        {kRevenusFonciers, kEcranSituation, G::Code, "Revenus fonciers"},
        {kProprietaire, kEcranSituation, G::Code, "Propri\xE9taire de la r\xE9sidence principale"},
        {kLocataire, kEcranSituation, G::Code, "Locataire de la r\xE9sidence principale"},
        {kHeberge, kEcranSituation, G::Code,
         "H\xE9"
         "berg\xE9 gratuitement"},
        {kRappel, kEcranSituation, G::Code, "Rappel de la date limite"},
        {kSalaire1, kEcranSalaires, G::Montant,
         "Salaires du d\xE9"
         "clarant"},
        {kSalaire2, kEcranSalaires, G::Montant, "Salaires du conjoint"},
        {kFraisReels, kEcranSalaires, G::Code,
         "Option pour les frais r\xE9"
         "els"},
        {kMontantFraisReels, kEcranSalaires, G::Montant,
         "Frais r\xE9"
         "els"},
        {kSalairesNets, kEcranSalaires, G::Calcule, "Salaires nets imposables"},
        {kSalaire1Prerempli, kEcranSalaires, G::Calcule,
         "Salaires du d\xE9"
         "clarant (pr\xE9rempli)"},
        {kSalaire2Prerempli, kEcranSalaires, G::Calcule, "Salaires du conjoint (pr\xE9rempli)"},
        {kSalaire1Etat, kEcranSalaires, G::Etat,
         "Salaires du d\xE9"
         "clarant corrig\xE9s"},
        {kSalaire2Etat, kEcranSalaires, G::Etat, "Salaires du conjoint corrig\xE9s"},
        {kLoyers, kEcranFoncier, G::Montant, "Loyers bruts"},
        {kChargesFoncieres, kEcranFoncier, G::Montant,
         "Charges d\xE9"
         "ductibles"},
        {kRegimeFoncier, kEcranFoncier, G::Code, "R\xE9gime d'imposition"},
        {kFoncierNet, kEcranFoncier, G::Calcule, "Revenu foncier net"},
        {kAdresseBien, kEcranBiens, G::Texte, "Adresse du bien lou\xE9"},
        {kDateAcquisition, kEcranBiens, G::Texte, "Date d'acquisition"},
        {kNombreLogements, kEcranBiens, G::Texte, "Nombre de logements"},
        {kDons, kEcranCharges, G::Montant, "Dons aux associations"},
        {kEmploiDomicile, kEcranCharges, G::Montant, "Emploi \xE0 domicile"},
        {kAvantages, kEcranCharges, G::Calcule,
         "R\xE9"
         "ductions et cr\xE9"
         "dits"},
        {kRevenuBrutGlobal, kEcranRecapitulatif, G::Calcule, "Revenu brut global"},
        {kImpotBrut, kEcranRecapitulatif, G::Calcule, "Imp\xF4t brut"},
        {kDecote, kEcranRecapitulatif, G::Calcule,
         "D\xE9"
         "cote"},
        {kReductions, kEcranRecapitulatif, G::Calcule,
         "R\xE9"
         "ductions et cr\xE9"
         "dits d'imp\xF4t"},
        {kImpotNet, kEcranRecapitulatif, G::Calcule, "Imp\xF4t net"},
        {kPrelevement, kEcranRecapitulatif, G::Montant,
         "Pr\xE9l\xE8vement \xE0 la source d\xE9j\xE0 pay\xE9"},
        {kSolde, kEcranRecapitulatif, G::Calcule, "Solde"},
        {kTauxMoyen, kEcranRecapitulatif, G::Calcule, "Taux moyen d'imposition"},
        {kLieu, kEcranSignature, G::Texte, "Fait \xE0"},
        {kDateSignature, kEcranSignature, G::Texte, "Le"},
        {kCertification, kEcranSignature, G::Code, "Certification"},
        {kObservations, kEcranSignature, G::Texte, "Observations"},
    };
    return champs;
}

const TDeclarationRevenus::Champ* TDeclarationRevenus::TrouveChamp(int lettrage)
{
    for (const Champ& champ : Champs()) {
        if (champ.lettrage == lettrage)
            return &champ;
    }
    return nullptr;
}

std::string TDeclarationRevenus::Valeur(int lettrage) const
{
    const auto found = m_valeurs.find(lettrage);
    return found == m_valeurs.end() ? std::string() : found->second;
}

void TDeclarationRevenus::SetValeur(int lettrage, const std::string& valeur)
{
    // An empty value and no value are the same, so that comparing two declarations compares
    // what the user typed.
    if (valeur.empty())
        m_valeurs.erase(lettrage);
    else
        m_valeurs[lettrage] = valeur;
}

double TDeclarationRevenus::Montant(int lettrage) const
{
    return TdCcxEditNum::ReadAmount(Valeur(lettrage).c_str());
}

void TDeclarationRevenus::SetMontant(int lettrage, double montant)
{
    m_valeurs[lettrage] = FormatMontant(montant);
}

bool TDeclarationRevenus::Coche(int lettrage, char code) const
{
    const std::string valeur = Valeur(lettrage);
    return !valeur.empty() && valeur[0] == code;
}

int TDeclarationRevenus::Code(int lettrage) const
{
    return static_cast<int>(std::strtol(Valeur(lettrage).c_str(), nullptr, 10));
}

double TDeclarationRevenus::Salaire(int lettrage, int lettragePrerempli, int lettrageEtat) const
{
    return Code(lettrageEtat) == 2 ? Montant(lettrage) : Montant(lettragePrerempli);
}

void TDeclarationRevenus::EffaceMontants()
{
    const TDeclarationRevenus vierge;
    for (const Champ& champ : Champs()) {
        if (champ.genre == Genre::Montant || champ.genre == Genre::Etat ||
            champ.genre == Genre::Calcule)
            SetValeur(champ.lettrage, vierge.Valeur(champ.lettrage));
    }
}
