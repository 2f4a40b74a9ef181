#pragma once

// The vocabulary of the sample declaration: its screens, the lettrages of its letters and the
// codes their values take. A letter's value is always Windows-1252 text; amounts are written
// the way the amount edits store them ("%f", a point before the decimals).

namespace revenus {

// The tax year of the declaration (the income of 2024, declared in 2025).
inline constexpr short kAnneeFiscale = 2024;

// Screen enumerators, in flow order.
enum Ecran
{
    kEcranAccueil = 1,
    kRubriqueFoyer = 2, // heading
    kEcranDeclarant = 3,
    kEcranAdresse = 4,
    kEcranSituation = 5,
    kEcranPersonnes = 6,  // only with dependants
    kRubriqueRevenus = 7, // heading
    kEcranSalaires = 8,
    kEcranFoncier = 9,   // only with rental income
    kEcranBiens = 10,    // only with rental income
    kRubriqueImpot = 11, // heading
    kEcranCharges = 12,
    kEcranRecapitulatif = 13,
    kEcranControles = 14,
    kEcranSignature = 15
};

// Title resources of the title module: a screen's is 1000 + its enumerator; the headings have
// identifiers of 0 or below, so that the navigation passes over them.
inline constexpr long kTitreAssistant = 1;
inline constexpr long TitreEcran(int ecran)
{
    return 1000 + ecran;
}
inline constexpr long kTitreRubriqueFoyer = -2;
inline constexpr long kTitreRubriqueRevenus = -3;
inline constexpr long kTitreRubriqueImpot = -4;

// Lettrages. The hundreds follow the screens.
enum Lettrage : short
{
    // Welcome screen (static letters: labels only)
    kBienvenue = 10,
    kPresentation = 11,

    // Declarant
    kNom = 101,
    kPrenom = 102,
    kJourNaissance = 103,
    kMoisNaissance = 104,
    kAnneeNaissance = 105,
    kSituationFamille = 106, // code of kSituations

    // Address
    kAdresse = 201,
    kCodePostal = 202,
    kCommune = 203,
    kTelephone = 204,

    // Household
    kACharge = 301,         // check box, codes '1' / '0'
    kRevenusFonciers = 302, // check box, codes '1' / '2'
    kProprietaire = 303,    // three radio buttons, "1" / "0" each
    kLocataire = 304,
    kHeberge = 305,
    kRappel = 306, // check box, codes '1' / '2'

    // Dependants
    kListePersonnes = 401,  // tree list (list number of its data)
    kNombrePersonnes = 402, // static label

    // Salaries: each pre-filled amount has its entered-value and edit-state companions
    kSalaire1 = 501,
    kSalaire2 = 502,
    kFraisReels = 503, // check box, codes '1' / '0'
    kMontantFraisReels = 504,
    kSalairesNets = 505, // computed
    kSalaire1Prerempli = 511,
    kSalaire2Prerempli = 512,
    kSalaire1Etat = 521, // "1" pre-filled amount kept, "2" amount corrected
    kSalaire2Etat = 522,

    // Rental income
    kLoyers = 601,
    kChargesFoncieres = 602,
    kRegimeFoncier = 603, // code of kRegimes
    kFoncierNet = 604,    // computed

    // Rented property
    kAdresseBien = 701,
    kDateAcquisition = 702,
    kNombreLogements = 703,

    // Charges
    kDons = 801,
    kEmploiDomicile = 802,
    kJustificatifs = 803, // list box (list number of its data)
    kAvantages = 804,     // computed text

    // Tax
    kRevenuBrutGlobal = 901,
    kNombreParts = 902, // static label
    kImpotBrut = 903,
    kDecote = 904,
    kReductions = 905,
    kImpotNet = 906,
    kPrelevement = 907, // entered: withholding tax already paid
    kSolde = 908,
    kSoldeLibelle = 909, // static tagged label
    kTauxMoyen = 910,    // panel

    // Checks
    kListeAudit = 1001,     // tree list (list number of its data)
    kNombreMessages = 1002, // static label

    // Signature
    kLieu = 1101,
    kDateSignature = 1102,
    kCertification = 1103, // check box, codes '1' / '2'
    kObservations = 1104
};

// Codes of the family situation (kSituationFamille). 0: not chosen yet.
enum Situation
{
    kSituationInconnue = 0,
    kCelibataire = 1,
    kMarie = 2,
    kPacse = 3,
    kDivorce = 4,
    kVeuf = 5
};

// Codes of the rental income regime (kRegimeFoncier).
enum Regime
{
    kMicroFoncier = 1,
    kRegimeReel = 2
};

// Audit message categories: the filter codes of the buttons bar's audit filters.
enum CategorieAudit
{
    kConseil = 0,
    kAnomalie = 1,
    kRemarque = 2,
    kPieceJointe = 3,
    kAvertissement = 4
};

} // namespace revenus
