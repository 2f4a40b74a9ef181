#include "TCalculImpot.h"

#include "Revenus.h"
#include "TDeclarationRevenus.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

using namespace revenus;

namespace {

// The scale of the income of 2024: lower bound of each bracket and its rate.
struct Tranche
{
    double plancher;
    double taux;
};
constexpr Tranche kTranches[] = {
    {0.0, 0.0}, {11497.0, 0.11}, {29315.0, 0.30}, {83823.0, 0.41}, {180294.0, 0.45}};

constexpr double kAbattementMinimum = 495.0;
constexpr double kAbattementMaximum = 14171.0;
constexpr double kPlafondMicroFoncier = 15000.0;
constexpr double kPlafondDemiPart = 1791.0;
constexpr double kSeuilDecoteSeul = 1964.0;
constexpr double kSeuilDecoteCouple = 3248.0;
constexpr double kDecoteSeul = 889.0;
constexpr double kDecoteCouple = 1470.0;
constexpr double kTauxDecote = 0.4525;

double Arrondi(double montant)
{
    return std::round(montant);
}

// The 10 % deduction of one salary, within its bounds and never above the salary.
double Abattement(double salaire)
{
    if (salaire <= 0)
        return 0;
    return std::min(salaire, std::clamp(salaire * 0.10, kAbattementMinimum, kAbattementMaximum));
}

} // namespace

std::string TCalculImpot::Nombre(double valeur, int decimales)
{
    // Room for the largest double written in full.
    // to_chars writes a point whatever the process locale (snprintf writes a comma under a
    // French one).
    char texte[kTailleTexteNombre];
    const std::to_chars_result ecrit =
        std::to_chars(texte, texte + sizeof texte, valeur, std::chars_format::fixed, decimales);
    const std::string brut(texte, ecrit.ec == std::errc() ? ecrit.ptr : texte);
    if (brut.empty())
        return {};
    const std::size_t debut = brut[0] == '-' ? 1 : 0;
    const std::size_t point = std::min(brut.find('.'), brut.size());
    std::string resultat = brut.substr(0, debut);
    // Thousands apart, with non-breaking spaces.
    for (std::size_t i = debut; i < point; ++i) {
        if (i > debut && (point - i) % 3 == 0)
            resultat += '\xA0';
        resultat += brut[i];
    }
    // "2,50" reads "2,5"; "2,00" reads "2".
    std::string fraction = point < brut.size() ? brut.substr(point + 1) : std::string();
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        resultat += "," + fraction;
    return resultat;
}

std::string TCalculImpot::Euros(double montant)
{
    return Nombre(std::round(montant), 0) + "\xA0\x80";
}

bool TCalculImpot::EstCouple(const TDeclarationRevenus& declaration)
{
    const int situation = declaration.Code(kSituationFamille);
    return situation == kMarie || situation == kPacse;
}

double TCalculImpot::NombreDeParts(const TDeclarationRevenus& declaration)
{
    const bool couple = EstCouple(declaration);
    double parts = couple ? 2.0 : 1.0;
    if (!declaration.Coche(kACharge))
        return parts;
    int rang = 0;
    for (const TDeclarationRevenus::Personne& personne : declaration.Personnes()) {
        ++rang;
        const double part = rang <= 2 ? 0.5 : 1.0;
        parts += personne.gardeAlternee ? part / 2 : part;
    }
    // A parent bringing up children alone gets half a part more.
    if (!couple && rang > 0)
        parts += 0.5;
    return parts;
}

double TCalculImpot::Bareme(double quotient)
{
    double impot = 0;
    for (std::size_t i = 0; i < std::size(kTranches); ++i) {
        const double plafond = i + 1 < std::size(kTranches) ? kTranches[i + 1].plancher : quotient;
        if (quotient <= kTranches[i].plancher)
            break;
        impot += (std::min(quotient, plafond) - kTranches[i].plancher) * kTranches[i].taux;
    }
    return impot;
}

TCalculImpot::Resultat TCalculImpot::Calcule(const TDeclarationRevenus& declaration) const
{
    Resultat r;
    const bool couple = EstCouple(declaration);

    const double salaire1 = declaration.Salaire(kSalaire1, kSalaire1Prerempli, kSalaire1Etat);
    const double salaire2 =
        couple ? declaration.Salaire(kSalaire2, kSalaire2Prerempli, kSalaire2Etat) : 0;
    const double deduction = declaration.Coche(kFraisReels)
                                 ? declaration.Montant(kMontantFraisReels)
                                 : Abattement(salaire1) + Abattement(salaire2);
    r.salairesNets = Arrondi(std::max(0.0, salaire1 + salaire2 - deduction));

    if (declaration.Coche(kRevenusFonciers)) {
        const double loyers = declaration.Montant(kLoyers);
        const bool micro =
            declaration.Code(kRegimeFoncier) != kRegimeReel && loyers <= kPlafondMicroFoncier;
        r.foncierNet = Arrondi(
            micro ? loyers * 0.70 : std::max(0.0, loyers - declaration.Montant(kChargesFoncieres)));
    }
    r.revenuBrutGlobal = r.salairesNets + r.foncierNet;

    // Family quotient, its advantage capped per half part above the household's own parts.
    r.parts = NombreDeParts(declaration);
    const double partsFoyer = couple ? 2.0 : 1.0;
    const double impotFoyer = partsFoyer * Bareme(r.revenuBrutGlobal / partsFoyer);
    const double impotParts = r.parts * Bareme(r.revenuBrutGlobal / r.parts);
    const double avantageMaximum = kPlafondDemiPart * (r.parts - partsFoyer) * 2;
    r.impotBrut = Arrondi(std::max(impotParts, impotFoyer - avantageMaximum));

    const double seuil = couple ? kSeuilDecoteCouple : kSeuilDecoteSeul;
    if (r.impotBrut > 0 && r.impotBrut < seuil) {
        const double forfait = couple ? kDecoteCouple : kDecoteSeul;
        r.decote = Arrondi(std::clamp(forfait - kTauxDecote * r.impotBrut, 0.0, r.impotBrut));
    }
    const double apresDecote = r.impotBrut - r.decote;

    // Gifts: 66 %, on at most 20 % of the income, never more than the tax.
    const double dons = std::min(declaration.Montant(kDons), r.revenuBrutGlobal * 0.20);
    r.reductionDons = Arrondi(std::min(apresDecote, std::max(0.0, dons) * 0.66));
    // Home employment: 50 % of 12 000 euros plus 1 500 per dependant, at most 15 000.
    const double nbPersonnes =
        declaration.Coche(kACharge) ? static_cast<double>(declaration.Personnes().size()) : 0;
    const double plafondEmploi = std::min(15000.0, 12000.0 + 1500.0 * nbPersonnes);
    r.creditEmploi =
        Arrondi(std::clamp(declaration.Montant(kEmploiDomicile), 0.0, plafondEmploi) * 0.50);

    r.impotNet = apresDecote - r.reductionDons - r.creditEmploi;
    r.prelevement = Arrondi(std::max(0.0, declaration.Montant(kPrelevement)));
    r.solde = r.impotNet - r.prelevement;
    r.tauxMoyen = r.revenuBrutGlobal > 0
                      ? std::round(std::max(0.0, r.impotNet) / r.revenuBrutGlobal * 1000) / 10
                      : 0;
    return r;
}
