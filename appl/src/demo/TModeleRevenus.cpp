#include "TModeleRevenus.h"

#include "Revenus.h"

#include "controls/TdCcxEditNum.h"
#include "model/TLieManager.h"

#include "qlettre.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace revenus;

namespace {

using Genre = TDeclarationRevenus::Genre;

bool EstVide(const std::string& texte)
{
    for (unsigned char c : texte) {
        if (!std::isspace(c))
            return false;
    }
    return true;
}

bool CinqChiffres(const std::string& texte)
{
    if (texte.size() != 5)
        return false;
    for (unsigned char c : texte) {
        if (!std::isdigit(c))
            return false;
    }
    return true;
}

// A code among those a combo box offers, else its default.
std::string CodeValide(const std::string& valeur, int premier, int dernier, int defaut)
{
    char* fin = nullptr;
    const long code = std::strtol(valeur.c_str(), &fin, 10);
    if (fin == valeur.c_str() || *fin != '\0' || code < premier || code > dernier)
        return std::to_string(defaut);
    return std::to_string(code);
}

Genre GenreDe(int lettrage)
{
    const TDeclarationRevenus::Champ* champ = TDeclarationRevenus::TrouveChamp(lettrage);
    return champ ? champ->genre : Genre::Calcule;
}

std::string Pluriel(std::size_t nombre, const char* singulier, const char* pluriel)
{
    return std::to_string(nombre) + " " + (nombre > 1 ? pluriel : singulier);
}

} // namespace

TModeleRevenus::TModeleRevenus(TInfoGene* info) : TModelAbstract(info)
{
    LieLettres();
    Calcul();
    SauveEtatInitial();
}

TModeleRevenus::TModeleRevenus(const TModeleRevenus& other)
    : TModelAbstract(other), m_declaration(other.m_declaration), m_initiale(other.m_initiale),
      m_resultat(other.m_resultat)
{}

TModeleRevenus& TModeleRevenus::operator=(const TModeleRevenus& other)
{
    if (this != &other) {
        TModelAbstract::operator=(other);
        m_declaration = other.m_declaration;
        m_initiale = other.m_initiale;
        m_resultat = other.m_resultat;
    }
    return *this;
}

TModeleRevenus::~TModeleRevenus() = default;

bool TModeleRevenus::operator==(const TModeleRevenus& other) const
{
    return TModelAbstract::operator==(other) && m_declaration == other.m_declaration &&
           m_initiale == other.m_initiale;
}

void TModeleRevenus::LieLettres()
{
    // Each pre-filled salary shows the employer's amount until the user corrects it.
    getLieManager()->LierElements(kSalaire1, kSalaire1Prerempli, kSalaire1Etat);
    getLieManager()->LierElements(kSalaire2, kSalaire2Prerempli, kSalaire2Etat);
}

void TModeleRevenus::SetDeclaration(const TDeclarationRevenus& declaration)
{
    m_declaration = declaration;
    Calcul();
}

void TModeleRevenus::RestaureEtatInitial()
{
    m_declaration = m_initiale;
    Calcul();
}

std::string TModeleRevenus::ValeurLettre(int lettrage) const
{
    const TCalculImpot::Resultat& r = m_resultat;
    auto montant = [](double valeur) {
        char texte[TCalculImpot::kTailleTexteNombre];
        TdCcxEditNum::WriteAmount(valeur, texte, sizeof texte);
        return std::string(texte);
    };
    switch (lettrage) {
    case kBienvenue:
        return "Bienvenue dans #PRODUIT#";
    case kPresentation:
        return "Cet assistant vous guide pas \xE0 pas dans la d\xE9"
               "claration de vos revenus "
               "de 2024.\n\nRenseignez chaque \xE9"
               "cran puis passez au suivant avec "
               "<b>Suivant</b>. Les montants en <i>gris\xE9</i> sont calcul\xE9s ou "
               "pr\xE9remplis : un double-clic ou <b>F2</b> permet de les corriger.\n\n"
               "Votre saisie est enregistr\xE9"
               "e quand vous cliquez sur <b>Terminer</b>.";
    case kNombrePersonnes: {
        const std::size_t n = m_declaration.Personnes().size();
        return n == 0 ? "Aucune personne \xE0 charge n'est saisie."
                      : Pluriel(n, "personne \xE0 charge", "personnes \xE0 charge") + ".";
    }
    case kSalaire1:
    case kSalaire2: {
        const int etat = lettrage == kSalaire1 ? kSalaire1Etat : kSalaire2Etat;
        const int prerempli = lettrage == kSalaire1 ? kSalaire1Prerempli : kSalaire2Prerempli;
        return m_declaration.Code(etat) == 2 ? m_declaration.Valeur(lettrage)
                                             : m_declaration.Valeur(prerempli);
    }
    case kSituationFamille:
        return CodeValide(m_declaration.Valeur(lettrage), kSituationInconnue, kVeuf,
                          kSituationInconnue);
    case kRegimeFoncier:
        return CodeValide(m_declaration.Valeur(lettrage), kMicroFoncier, kRegimeReel,
                          kMicroFoncier);
    case kSalairesNets:
        return montant(r.salairesNets);
    case kFoncierNet:
        return montant(r.foncierNet);
    case kAvantages:
        return "R\xE9"
               "duction pour dons : " +
               TCalculImpot::Euros(r.reductionDons) +
               " ; cr\xE9"
               "dit emploi \xE0 domicile : " +
               TCalculImpot::Euros(r.creditEmploi);
    case kRevenuBrutGlobal:
        return montant(r.revenuBrutGlobal);
    case kNombreParts:
        return "Nombre de parts : " + TCalculImpot::Nombre(r.parts, 2);
    case kImpotBrut:
        return montant(r.impotBrut);
    case kDecote:
        return montant(r.decote);
    case kReductions:
        return montant(r.reductionDons + r.creditEmploi);
    case kImpotNet:
        return montant(r.impotNet);
    case kSolde:
        return montant(std::fabs(r.solde));
    case kSoldeLibelle:
        if (r.solde > 0.5)
            return "<b>Reste \xE0 payer</b>";
        if (r.solde < -0.5)
            return "<b>Remboursement attendu</b>";
        return "<b>Rien \xE0 payer</b>";
    case kTauxMoyen:
        return "Taux moyen d'imposition : " + TCalculImpot::Nombre(r.tauxMoyen, 1) + " %";
    case kNombreMessages: {
        const std::size_t n = Audit().size();
        return n == 0 ? "Aucun message." : Pluriel(n, "message", "messages") + ".";
    }
    default:
        return m_declaration.Valeur(lettrage);
    }
}

bool TModeleRevenus::Saisissable(int lettrage) const
{
    switch (lettrage) {
    case kSalaire2:
    case kSalaire2Prerempli:
    case kSalaire2Etat:
        return TCalculImpot::EstCouple(m_declaration);
    case kMontantFraisReels:
        return m_declaration.Coche(kFraisReels);
    case kChargesFoncieres:
        return m_declaration.Code(kRegimeFoncier) == kRegimeReel;
    default: {
        const TDeclarationRevenus::Champ* champ = TDeclarationRevenus::TrouveChamp(lettrage);
        return !champ || champ->genre != Genre::Calcule;
    }
    }
}

void TModeleRevenus::DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic)
{
    for (structLettre* liste : {lettres, lettresStatic}) {
        for (structLettre* lettre = VaPremiereLettre(liste); !FinListeLettre(lettre);
             lettre = VaLettreSuivante(lettre)) {
            std::string valeur = ValeurLettre(lettre->lettrage);
            if (liste == lettresStatic)
                MajUnLibelle(valeur);
            MetValeurLettre(lettre, valeur.c_str());
        }
    }
}

void TModeleRevenus::LettrageVersDonnees(structLettre* lettres, structLettre* /*lettresStatic*/)
{
    // The edit states first: they say whether a salary letter holds the user's amount or only
    // shows the pre-filled one.
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre)) {
        if (lettre->valeur && GenreDe(lettre->lettrage) == Genre::Etat)
            m_declaration.SetValeur(lettre->lettrage, lettre->valeur);
    }
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre)) {
        const int lettrage = lettre->lettrage;
        const Genre genre = GenreDe(lettrage);
        if (!lettre->valeur || genre == Genre::Calcule || genre == Genre::Etat)
            continue;
        if ((lettrage == kSalaire1 && m_declaration.Code(kSalaire1Etat) != 2) ||
            (lettrage == kSalaire2 && m_declaration.Code(kSalaire2Etat) != 2))
            m_declaration.SetValeur(lettrage, std::string());
        else
            m_declaration.SetValeur(lettrage, lettre->valeur);
    }
}

void TModeleRevenus::Calcul()
{
    m_resultat = TCalculImpot().Calcule(m_declaration);
}

void TModeleRevenus::Select(structLettre* lettres)
{
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre))
        MetSelectionLettre(lettre, Saisissable(lettre->lettrage) ? 1 : 2);
}

structMessage* TModeleRevenus::ControleLettres(structLettre* lettres)
{
    struct Message
    {
        short lettrage;
        short type;
        std::string texte;
    };
    std::vector<Message> erreurs;
    std::vector<Message> avertissements;
    const TDeclarationRevenus& d = m_declaration;

    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre)) {
        const short l = lettre->lettrage;
        switch (l) {
        case kNom:
            if (EstVide(d.Valeur(kNom)))
                erreurs.push_back({l, 1,
                                   "Le nom du d\xE9"
                                   "clarant doit \xEAtre renseign\xE9."});
            break;
        case kSituationFamille:
            if (d.Code(kSituationFamille) == kSituationInconnue)
                erreurs.push_back({l, 1, "Choisissez votre situation de famille."});
            break;
        case kCodePostal:
            if (!d.Valeur(kCodePostal).empty() && !CinqChiffres(d.Valeur(kCodePostal)))
                erreurs.push_back({l, 1, "Le code postal doit comporter 5 chiffres."});
            break;
        case kListePersonnes:
            if (d.Coche(kACharge) && d.Personnes().empty())
                avertissements.push_back(
                    {l, 4,
                     "Vous avez indiqu\xE9 des personnes \xE0 charge mais n'en avez "
                     "saisi aucune."});
            break;
        case kMontantFraisReels: {
            const double salaires = d.Salaire(kSalaire1, kSalaire1Prerempli, kSalaire1Etat) +
                                    (TCalculImpot::EstCouple(d)
                                         ? d.Salaire(kSalaire2, kSalaire2Prerempli, kSalaire2Etat)
                                         : 0);
            const double frais = d.Montant(kMontantFraisReels);
            if (d.Coche(kFraisReels) && frais > salaires * 0.30)
                avertissements.push_back({l, 4,
                                          "Vos frais r\xE9"
                                          "els (" +
                                              TCalculImpot::Euros(frais) +
                                              ") d\xE9passent 30 % de vos salaires : gardez-en les "
                                              "justificatifs."});
            break;
        }
        case kLoyers:
            if (d.Code(kRegimeFoncier) != kRegimeReel && d.Montant(kLoyers) > 15000)
                erreurs.push_back({l, 1,
                                   "Le r\xE9gime micro-foncier est r\xE9serv\xE9 aux "
                                   "loyers bruts de 15\xA0"
                                   "000\xA0\x80 au plus : "
                                   "choisissez le r\xE9gime r\xE9"
                                   "el."});
            break;
        case kDons:
            if (d.Montant(kDons) > m_resultat.revenuBrutGlobal * 0.20)
                avertissements.push_back({l, 4,
                                          "Vos dons d\xE9passent 20 % de votre revenu : l'exc\xE9"
                                          "dent ne "
                                          "r\xE9"
                                          "duit pas l'imp\xF4t de cette ann\xE9"
                                          "e."});
            break;
        case kCertification:
            if (!d.Coche(kCertification))
                erreurs.push_back({l, 1,
                                   "Cochez la case de certification avant de terminer "
                                   "la d\xE9"
                                   "claration."});
            break;
        default:
            break;
        }
    }

    structMessage* liste = nullptr;
    for (const std::vector<Message>* groupe : {&erreurs, &avertissements}) {
        for (const Message& message : *groupe)
            AjouteMessage(&liste, message.lettrage, message.type, message.texte.c_str());
    }
    return liste;
}

structMessage* TModeleRevenus::ControleDeclaration()
{
    structMessage* liste = nullptr;
    for (const MessageAudit& message : Audit()) {
        if (message.categorie == kAnomalie || message.categorie == kAvertissement)
            AjouteMessage(&liste, message.lettrage, message.categorie == kAnomalie ? 1 : 4,
                          message.texte.c_str());
    }
    return liste;
}

char* TModeleRevenus::TexteDuMessage(structMessage* message, char** texte)
{
    char* copie = DupliqueTexte(LitTexteMessage(message));
    if (texte)
        *texte = copie;
    return copie;
}

char* TModeleRevenus::LibelleDeLaLettre(short lettrage, char** libelle)
{
    const TDeclarationRevenus::Champ* champ = TDeclarationRevenus::TrouveChamp(lettrage);
    char* copie = DupliqueTexte(champ ? champ->libelle : "");
    if (libelle)
        *libelle = copie;
    return copie;
}

std::vector<TModeleRevenus::MessageAudit> TModeleRevenus::Audit() const
{
    std::vector<MessageAudit> audit;
    const TDeclarationRevenus& d = m_declaration;
    const TCalculImpot::Resultat& r = m_resultat;

    if (EstVide(d.Valeur(kNom)))
        audit.push_back({kAnomalie, kNom,
                         "Le nom du d\xE9"
                         "clarant n'est pas renseign\xE9."});
    if (d.Code(kSituationFamille) == kSituationInconnue)
        audit.push_back({kAnomalie, kSituationFamille,
                         "La situation de famille n'est pas indiqu\xE9"
                         "e."});
    if (EstVide(d.Valeur(kAnneeNaissance)))
        audit.push_back({kAnomalie, kAnneeNaissance,
                         "La date de naissance du d\xE9"
                         "clarant est incompl\xE8te."});
    if (!d.Valeur(kCodePostal).empty() && !CinqChiffres(d.Valeur(kCodePostal)))
        audit.push_back({kAnomalie, kCodePostal, "Le code postal doit comporter 5 chiffres."});
    if (d.Coche(kRevenusFonciers) && d.Code(kRegimeFoncier) != kRegimeReel &&
        d.Montant(kLoyers) > 15000)
        audit.push_back(
            {kAnomalie, kLoyers, "Les loyers d\xE9passent le plafond du r\xE9gime micro-foncier."});

    if (d.Coche(kACharge) && d.Personnes().empty())
        audit.push_back({kAvertissement, kACharge,
                         "Des personnes \xE0 charge sont annonc\xE9"
                         "es mais aucune n'est saisie."});
    if (d.Coche(kFraisReels) && d.Montant(kMontantFraisReels) <= 0)
        audit.push_back({kAvertissement, kMontantFraisReels,
                         "L'option pour les frais r\xE9"
                         "els est choisie sans montant."});
    if (EstVide(d.Valeur(kTelephone)) ||
        d.Valeur(kTelephone).find_first_of("0123456789") == std::string::npos)
        audit.push_back({kAvertissement, kTelephone,
                         "Aucun num\xE9ro de t\xE9l\xE9phone : l'administration ne pourra pas "
                         "vous joindre."});

    if (d.Code(kSalaire1Etat) != 2)
        audit.push_back(
            {kConseil, kSalaire1, "V\xE9rifiez le salaire pr\xE9rempli par votre employeur."});
    if (d.Montant(kDons) <= 0)
        audit.push_back({kConseil, kDons,
                         "Vos dons aux associations r\xE9"
                         "duisent l'imp\xF4t de 66 % de leur "
                         "montant."});
    if (d.Coche(kRevenusFonciers) && d.Code(kRegimeFoncier) == kMicroFoncier &&
        d.Montant(kChargesFoncieres) > d.Montant(kLoyers) * 0.30)
        audit.push_back({kConseil, kRegimeFoncier,
                         "Vos charges d\xE9passent 30 % des loyers : le r\xE9gime r\xE9"
                         "el "
                         "serait plus favorable."});

    audit.push_back(
        {kRemarque, 0,
         "Votre taux moyen d'imposition est de " + TCalculImpot::Nombre(r.tauxMoyen, 1) + " %."});
    if (r.decote > 0)
        audit.push_back({kRemarque, kDecote,
                         "Vous b\xE9n\xE9"
                         "ficiez d'une d\xE9"
                         "cote de " +
                             TCalculImpot::Euros(r.decote) + "."});

    if (d.Montant(kDons) > 0)
        audit.push_back({kPieceJointe, kDons, "Re\xE7us fiscaux des dons"});
    if (d.Montant(kEmploiDomicile) > 0)
        audit.push_back({kPieceJointe, kEmploiDomicile,
                         "Attestation de l'organisme de services \xE0 la personne"});
    if (d.Coche(kFraisReels))
        audit.push_back({kPieceJointe, kMontantFraisReels,
                         "Justificatifs des frais r\xE9"
                         "els"});
    if (d.Coche(kRevenusFonciers))
        audit.push_back({kPieceJointe, kLoyers, "Baux et quittances de loyer"});
    return audit;
}
