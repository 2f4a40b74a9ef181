#include "TModeleRevenus.h"

#include "Revenus.h"
#include "TCalculImpot.h"
#include "TCinematiqueRevenus.h"
#include "TMdPersonnesACharge.h"

#include "TInfoGene.h"
#include "qlettre.h"

#include "DemoTestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <tuple>

using namespace revenus;
using demotest::Fr;
using demotest::With;
using R = TCalculImpot::Resultat;

namespace {

// A household; one child per flag (alternating residence when set), then `valeurs` typed.
TDeclarationRevenus Foyer(Situation situation, const std::vector<bool>& enfants = {},
                          const std::vector<std::pair<int, std::string>>& valeurs = {})
{
    TDeclarationRevenus declaration;
    declaration.SetValeur(kSituationFamille, std::to_string(situation));
    declaration.SetValeur(kACharge, enfants.empty() ? "0" : "1");
    for (bool alternee : enfants)
        declaration.Personnes().push_back({"Enfant", "2015", alternee});
    return With(declaration, valeurs);
}

// A letter list with one letter per lettrage, freed with the object.
class Lettres
{
public:
    Lettres(std::initializer_list<int> lettrages)
    {
        for (int lettrage : lettrages)
            AjouteLettre(&m_tete, static_cast<short>(lettrage), 0, 0, 0, 1, 0);
    }
    ~Lettres() { LibereLettre(&m_tete); }
    Lettres(const Lettres&) = delete;
    Lettres& operator=(const Lettres&) = delete;

    structLettre* tete() const { return m_tete; }
    std::string valeur(int lettrage) const
    {
        const char* valeur = LitValeurLettre(TrouveLettre(lettrage, m_tete));
        return valeur ? valeur : "<null>";
    }
    void met(int lettrage, const char* valeur)
    {
        MetValeurLettre(TrouveLettre(lettrage, m_tete), valeur);
    }
    short selection(int lettrage) const { return TrouveLettre(lettrage, m_tete)->select; }

private:
    structLettre* m_tete = nullptr;
};

using Message = std::tuple<short, short, std::string>; // lettrage, type, text

std::vector<Message> Messages(structMessage* liste)
{
    std::vector<Message> messages;
    for (structMessage* m = VaPremierMessage(liste); !FinListeMessage(m); m = VaMessageSuivant(m))
        messages.emplace_back(m->lettrage, m->type, LitTexteMessage(m));
    LibereListeMessage(&liste);
    return messages;
}

class TModeleRevenusTest : public ::testing::Test
{
protected:
    TInfoGene m_info;
    TModeleRevenus m_modele{&m_info};
    TDeclarationRevenus& d = m_modele.Declaration();
};

TEST_F(TModeleRevenusTest, ListModelKeepsACurrentDependantAndComputesAfterEachChange)
{
    TMdPersonnesACharge liste(&m_modele, nullptr);
    d.SetValeur(kACharge, "1");
    liste.SupprimeElement(); // nothing current: nothing happens
    liste.AjouteElement();
    *liste.Courante() = {Fr("Léa"), "2016"};
    EXPECT_EQ(liste.getLibelleElement(), Fr("Léa (2016)"));
    liste.DupliqueElement();
    EXPECT_DOUBLE_EQ(m_modele.Resultat().parts, 2.5); // single parent of two
    liste.SupprimeElement();
    EXPECT_EQ(liste.getIndexElement(), 0); // the last one went: the one before is current
    EXPECT_DOUBLE_EQ(m_modele.Resultat().parts, 2);
}

TEST_F(TModeleRevenusTest, LettersShowTheDeclarationAndStoreWhatTheUserTyped)
{
    // An empty value is no value, so that comparing compares what was typed.
    d.SetValeur(kPrenom, "Claire");
    d.SetValeur(kPrenom, "");
    EXPECT_EQ(d, TDeclarationRevenus());
    d.SetValeur(kNom, "Martin");
    m_modele.Calcul();
    Lettres lettres{kNom,          kPrenom,   kSalaire1,        kSalaire1Prerempli,
                    kSalaire1Etat, kImpotNet, kSituationFamille};
    Lettres statiques{kNombreParts};
    m_modele.DonneesVersLettrage(lettres.tete(), statiques.tete());
    // A letter is never null (controls keep their widget otherwise); until corrected the salary
    // shows the employer's amount; labels take the figures.
    EXPECT_EQ(lettres.valeur(kNom), "Martin");
    EXPECT_EQ(lettres.valeur(kPrenom), "");
    EXPECT_EQ(lettres.valeur(kSalaire1), "31250.000000");
    EXPECT_EQ(lettres.valeur(kImpotNet), "1768.000000");
    EXPECT_EQ(statiques.valeur(kNombreParts), "Nombre de parts : 1");

    // Unknown codes show as the default, so that combo boxes find their line.
    d.SetValeur(kSituationFamille, "9");
    EXPECT_EQ(m_modele.ValeurLettre(kSituationFamille), "0");
    d.SetValeur(kSituationFamille, "5");
    EXPECT_EQ(m_modele.ValeurLettre(kSituationFamille), "5");

    // Storing keeps typed values and ignores computed ones; the salary still showing the
    // pre-filled amount is not the user's.
    lettres.met(kNom, "Durand");
    lettres.met(kImpotNet, "999.000000");
    lettres.met(kSalaire1Prerempli, "1.000000");
    lettres.met(kSalaire1, "31250.000000");
    m_modele.LettrageVersDonnees(lettres.tete(), nullptr);
    EXPECT_EQ(d.Valeur(kNom), "Durand");
    EXPECT_FALSE(d.Contient(kSalaire1));
    EXPECT_FALSE(d.Contient(kImpotNet));
    EXPECT_EQ(d.Montant(kSalaire1Prerempli), 31250);
    // Corrected: the letter holds the user's amount.
    lettres.met(kSalaire1, "32400.000000");
    lettres.met(kSalaire1Etat, "2");
    m_modele.LettrageVersDonnees(lettres.tete(), nullptr);
    EXPECT_EQ(d.Valeur(kSalaire1), "32400.000000");
    EXPECT_EQ(d.Code(kSalaire1Etat), 2);
}

TEST_F(TModeleRevenusTest, SelectionAndScreensFollowTheDeclaration)
{
    Lettres lettres{kNom, kSalaire2, kMontantFraisReels, kChargesFoncieres, kImpotNet};
    TCinematiqueRevenus flux(&m_modele, "aucun-module");
    flux.Init();
    // Single, 10 % deduction, micro-foncier, neither dependants nor rental income.
    const int ecrans[] = {kEcranPersonnes, kEcranFoncier, kEcranBiens, kEcranSalaires};
    auto releve = [&] {
        m_modele.Select(lettres.tete());
        std::vector<int> vu;
        for (int lettrage : {kNom, kImpotNet, kSalaire2, kMontantFraisReels, kChargesFoncieres})
            vu.push_back(lettres.selection(lettrage));
        for (int ecran : ecrans)
            vu.push_back(flux.ExistScreen(ecran));
        return vu;
    };
    EXPECT_EQ(releve(), (std::vector<int>{1, 2, 2, 2, 2, 0, 0, 0, 1}));
    d = With(d, {{kSituationFamille, "3"},
                 {kFraisReels, "1"},
                 {kRegimeFoncier, "2"},
                 {kACharge, "1"},
                 {kRevenusFonciers, "1"}});
    flux.Update();
    EXPECT_EQ(releve(), (std::vector<int>{1, 2, 1, 1, 1, 1, 1, 1, 1}));
    // A letter leads to its screen.
    EXPECT_EQ(flux.getScreenFromLettrage(kLoyers), kEcranFoncier);
    EXPECT_EQ(flux.getScreenFromLettrage(kListeAudit), kEcranControles);
}

TEST_F(TModeleRevenusTest, ChecksOfAScreenGiveErrorsFirstThenWarningsAndTheAuditAll)
{
    d = With(d, {{kFraisReels, "1"}, {kMontantFraisReels, "20000"}, {kCodePostal, "6900"}});
    Lettres lettres{kMontantFraisReels, kNom, kCodePostal};
    EXPECT_EQ(Messages(m_modele.ControleLettres(lettres.tete())),
              (std::vector<Message>{{kNom, 1, Fr("Le nom du déclarant doit être renseigné.")},
                                    {kCodePostal, 1, "Le code postal doit comporter 5 chiffres."},
                                    {kMontantFraisReels, 4,
                                     Fr("Vos frais réels (20~000~€) dépassent 30 % de vos salaires "
                                        ": gardez-en les justificatifs.")}}));
    d = With(d, {{kNom, "Martin"}, {kSituationFamille, "1"}});
    Lettres declarant{kNom, kSituationFamille};
    EXPECT_EQ(m_modele.ControleLettres(declarant.tete()), nullptr);

    m_modele.SetDeclaration(TDeclarationRevenus());
    d.SetMontant(kDons, 200);
    m_modele.Calcul();
    const std::vector<TModeleRevenus::MessageAudit> audit = m_modele.Audit();
    std::vector<int> parCategorie;
    for (int categorie : {kAnomalie, kPieceJointe, kRemarque})
        parCategorie.push_back(std::count_if(
            audit.begin(), audit.end(), [&](const auto& m) { return m.categorie == categorie; }));
    // Anomalies: name, family situation, date of birth, certification; remarks: the average
    // rate, the discount.
    EXPECT_EQ(parCategorie, (std::vector<int>{4, 1, 2}));
    // The 4 anomalies and the missing phone's warning.
    EXPECT_EQ(Messages(m_modele.ControleDeclaration()).size(), 5u);
}

// What cannot be right is refused on its screen, with the focus on its field, and blocks the
// end of the declaration.
TEST_F(TModeleRevenusTest, ImpossibleEntriesAreErrorsOfTheirField)
{
    const struct
    {
        short lettrage; // the field refused, 0 for none
        std::string texte;
        std::vector<std::pair<int, std::string>> valeurs;
    } cas[] = {
        {kSalaire1,
         Fr("Le montant «~Salaires du déclarant~» ne peut pas être négatif."),
         {{kSalaire1Etat, "2"}, {kSalaire1, "-1000.000000"}}},
        {kDateAcquisition,
         Fr("La date 31/02/2024 n'existe pas : vérifiez le jour et le mois."),
         {{kRevenusFonciers, "1"}, {kDateAcquisition, "31/02/2024"}}},
        {kMoisNaissance,
         Fr("La date de naissance du déclarant est incomplète : renseignez le jour, le mois et "
            "l'année."),
         {{kJourNaissance, "12"}, {kAnneeNaissance, "1980"}}},
        {kAnneeNaissance,
         Fr("Le déclarant ne peut pas être né en 2024 ou après : vérifiez l'année de naissance."),
         {{kJourNaissance, "3"}, {kMoisNaissance, "5"}, {kAnneeNaissance, "2024"}}},
        {kNombreLogements,
         Fr("Le nombre de logements doit être un nombre entier, 1 au moins."),
         {{kRevenusFonciers, "1"}, {kNombreLogements, "2a"}}},
        // Accepted: a real date, a whole number, rental fields while there is no rental income.
        {0,
         "",
         {{kRevenusFonciers, "1"}, {kDateAcquisition, "29/02/2024"}, {kNombreLogements, "2"}}},
        {0, "", {{kRevenusFonciers, "2"}, {kNombreLogements, "2a"}}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        m_modele.SetDeclaration(With({}, c.valeurs));
        Lettres ecran{kSalaire1,      kDons,           kDateAcquisition, kJourNaissance,
                      kMoisNaissance, kAnneeNaissance, kNombreLogements};
        const std::vector<Message> messages = Messages(m_modele.ControleLettres(ecran.tete()));
        if (c.lettrage == 0) {
            EXPECT_TRUE(messages.empty());
            continue;
        }
        EXPECT_EQ(messages, (std::vector<Message>{{c.lettrage, 1, c.texte}}));
        const auto audit = m_modele.Audit();
        EXPECT_NE(std::find(audit.begin(), audit.end(),
                            TModeleRevenus::MessageAudit{kAnomalie, c.lettrage, c.texte}),
                  audit.end());
    }
}

TEST(TCalculImpot, ResultsFollowTheHouseholdItsIncomeAndItsReductions)
{
    const auto loue = Foyer(kCelibataire, {}, {{kLoyers, "10000"}, {kChargesFoncieres, "4000"}});
    const auto corrige = Foyer(kCelibataire, {}, {{kSalaire1Etat, "2"}, {kSalaire1, "40000"}});
    const auto frais = With(corrige, {{kFraisReels, "1"}, {kMontantFraisReels, "7000"}});
    const auto dons = Foyer(kCelibataire, {}, {{kDons, "5000"}});
    const auto emploi = With(dons, {{kEmploiDomicile, "2000"}, {kPrelevement, "300"}});
    const std::tuple<TDeclarationRevenus, double R::*, double> cas[] = {
        // A single declarant: 31 250 less 10 %, a discount of 889 - 45.25 % of 1 829.
        {Foyer(kCelibataire), &R::salairesNets, 28125},
        {Foyer(kCelibataire), &R::impotBrut, 1829},
        {Foyer(kCelibataire), &R::decote, 61},
        // A couple of two: 31 250 + 27 480, less 3 125 and 2 748.
        {Foyer(kMarie, {false, false}), &R::salairesNets, 52857},
        {Foyer(kMarie, {false, false}), &R::parts, 3},
        {Foyer(kMarie, {false, false}), &R::decote, 556},
        {Foyer(kPacse), &R::parts, 2},
        {Foyer(kDivorce, {false}), &R::parts, 2},             // a single parent's half part
        {Foyer(kMarie, {false, false, false}), &R::parts, 4}, // the third child's whole one
        {Foyer(kMarie, {true}), &R::parts, 2.25},
        // Exclusive residence ranks first, whatever the order typed.
        {Foyer(kMarie, {true, false, false}), &R::parts, 3.5},
        {Foyer(kDivorce, {true, true}), &R::parts, 1.75},
        {Foyer(kMarie, {false, false}, {{kACharge, "0"}}), &R::parts, 2}, // not declared
        {corrige, &R::salairesNets, 36000},
        {frais, &R::salairesNets, 33000},
        {loue, &R::foncierNet, 0}, // not declared
        {With(loue, {{kRevenusFonciers, "1"}}), &R::foncierNet, 7000},
        {With(loue, {{kRevenusFonciers, "1"}, {kRegimeFoncier, "2"}}), &R::foncierNet, 6000},
        {Foyer(kCelibataire, {}, {{kDons, "100"}}), &R::reductionDons, 66},
        {dons, &R::reductionDons, 1768},  // never more than the tax
        {emploi, &R::creditEmploi, 1000}, // paid back beyond the tax
        {emploi, &R::solde, -1300},
    };
    for (const auto& [declaration, champ, attendu] : cas) {
        EXPECT_DOUBLE_EQ(TCalculImpot().Calcule(declaration).*champ, attendu) << attendu;
        if (champ == &R::parts) {
            EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(declaration), attendu);
        }
    }
    const std::pair<double, double> bareme[] = {
        {11497, 0},
        {29315, 17818 * 0.11},
        {30315, 17818 * 0.11 + 1000 * 0.30},
        {200000, 17818 * 0.11 + 54508 * 0.30 + 96471 * 0.41 + 19706 * 0.45}};
    for (const auto& [quotient, impot] : bareme)
        EXPECT_NEAR(TCalculImpot::Bareme(quotient), impot, 1e-6) << quotient;
    // The advantage of the children is capped.
    const R r = TCalculImpot().Calcule(
        Foyer(kMarie, {false, false}, {{kSalaire1Etat, "2"}, {kSalaire1, "250000"}}));
    EXPECT_DOUBLE_EQ(r.impotBrut,
                     std::round(2 * TCalculImpot::Bareme(r.revenuBrutGlobal / 2) - 2 * 1791));
}

// Every figure is written the same under the French C locale, which puts its own decimal comma
// into printf's output ("3 ,25").
TEST(TCalculImpot, FiguresReadTheFrenchWayUnderTheFrenchLocale)
{
    const std::string avant = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "fr_FR.UTF-8 is not installed";
    const struct
    {
        double valeur;
        int decimales;
        std::string texte;
    } nombres[] = {{3.25, 2, "3,25"}, {2.5, 2, "2,5"},   {3, 2, "3"},
                   {7.26, 1, "7,3"},  {-999, 0, "-999"}, {-0.04, 1, "0"}};
    for (const auto& n : nombres)
        EXPECT_EQ(TCalculImpot::Nombre(n.valeur, n.decimales), n.texte) << n.valeur;
    EXPECT_EQ(TCalculImpot::Euros(1234567.4), Fr("1~234~567~€"));
    // Amounts kept in letters always take a point, and read back whole.
    EXPECT_EQ(TDeclarationRevenus::FormatMontant(1234.5), "1234.500000");
    EXPECT_DOUBLE_EQ(TDeclarationRevenus::LitMontant("1234.500000"), 1234.5);
    EXPECT_DOUBLE_EQ(TDeclarationRevenus::LitMontant("1234,5"), 1234.5);

    // The summary, the caption and the print say the same of the balance.
    const struct
    {
        double impotNet, solde;
        std::string impot, texteSolde;
    } soldes[] = {
        {3500, 3500, Fr("impôt net estimé : 3~500~€"), Fr("Reste à payer : 3~500~€")},
        {-1500, -1500, Fr("remboursement estimé : 1~500~€"), Fr("Remboursement attendu : 1~500~€")},
        {200, 0, Fr("impôt net estimé : 200~€"), Fr("Rien à payer")},
    };
    for (const auto& s : soldes) {
        R r;
        r.impotNet = s.impotNet;
        r.solde = s.solde;
        EXPECT_EQ(TCalculImpot::ImpotNet(r), s.impot);
        EXPECT_EQ(TCalculImpot::Solde(r), s.texteSolde);
    }
    std::setlocale(LC_ALL, avant.c_str());
}

} // namespace
