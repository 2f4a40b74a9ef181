#include "TModeleRevenus.h"

#include "Revenus.h"
#include "TCinematiqueRevenus.h"
#include "TDonneesListe.h"
#include "TDonneesNavigation.h"
#include "TImpressionDeclaration.h"
#include "TMdPersonnesACharge.h"

#include "flow/TScreenInformation.h"

#include "qlettre.h"

#include "DemoTestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace revenus;
using demotest::Fr;
using Lignes = std::vector<std::pair<std::string, std::string>>;

namespace {

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

struct Message
{
    short lettrage;
    short type;
    std::string texte;
    bool operator==(const Message&) const = default;
};

std::vector<Message> Messages(structMessage* liste)
{
    std::vector<Message> messages;
    for (structMessage* m = VaPremierMessage(liste); !FinListeMessage(m); m = VaMessageSuivant(m))
        messages.push_back({m->lettrage, m->type, LitTexteMessage(m)});
    LibereListeMessage(&liste);
    return messages;
}

class TModeleRevenusTest : public demotest::ModeleTest
{
protected:
    TDeclarationRevenus& d = m_modele.Declaration();
};

TEST(TDeclarationRevenus, BlankDeclarationHoldsCodesAndThePreFilledSalariesOnly)
{
    TDeclarationRevenus declaration;
    // Check boxes store '1' / '2' (rental income) or '1' / '0' (dependants).
    EXPECT_EQ(std::vector<std::string>({declaration.Valeur(kSituationFamille),
                                        declaration.Valeur(kRevenusFonciers),
                                        declaration.Valeur(kACharge)}),
              (std::vector<std::string>{"0", "2", "0"}));
    EXPECT_EQ(declaration.Montant(kSalaire1Prerempli), 31250);
    EXPECT_FALSE(declaration.Contient(kNom));
    EXPECT_TRUE(declaration.Personnes().empty());
    // An empty value is no value, so that comparing compares what was typed.
    declaration.SetValeur(kNom, "Martin");
    declaration.SetValeur(kNom, "");
    EXPECT_FALSE(declaration.Contient(kNom));
    EXPECT_EQ(declaration, TDeclarationRevenus());

    // Erasing the amounts keeps texts and codes.
    declaration.SetValeur(kNom, "Martin");
    declaration.SetValeur(kFraisReels, "1");
    declaration.SetMontant(kDons, 300);
    declaration.SetMontant(kSalaire1, 40000);
    declaration.SetValeur(kSalaire1Etat, "2");
    declaration.SetMontant(kSalaire1Prerempli, 1);
    declaration.EffaceMontants();
    EXPECT_EQ(declaration.Valeur(kNom), "Martin");
    EXPECT_TRUE(declaration.Coche(kFraisReels));
    EXPECT_FALSE(declaration.Contient(kDons));
    EXPECT_FALSE(declaration.Contient(kSalaire1));
    EXPECT_EQ(declaration.Code(kSalaire1Etat), 1);
    EXPECT_EQ(declaration.Montant(kSalaire1Prerempli), 31250);
}

// Every line and column a list asks for, until the cursor has none.
Lignes Parcourt(TDonneesListe& donnees, int lettrage, std::initializer_list<int> colonnes)
{
    Lignes lignes;
    for (bool encore = donnees.BeginDonneeComp(lettrage); encore;
         encore = donnees.NextDonneeComp(lettrage)) {
        for (int colonne : colonnes) {
            std::string texte = "-";
            donnees.GetDonneeComp(lettrage, colonne, texte);
            lignes.emplace_back(std::to_string(colonne), texte);
        }
    }
    std::string texte;
    EXPECT_FALSE(donnees.GetDonneeComp(lettrage, 0, texte)); // past the last line
    return lignes;
}

TEST(TDonneesListe, CursorAnswersTheColumnsOfTheCurrentLineOnly)
{
    int appels = 0;
    TDonneesListe donnees([&appels] {
        ++appels;
        return std::vector<TDonneesListe::Ligne>{{{0, "a"}, {-3, "7"}}, {{0, "b"}}};
    });
    std::string texte = Fr("inchangé");
    EXPECT_FALSE(donnees.GetDonneeComp(0, 0, texte)); // no line before Begin
    // A column the line does not have leaves the text as it was.
    EXPECT_EQ(Parcourt(donnees, 0, {0, -3}),
              (Lignes{{"0", "a"}, {"-3", "7"}, {"0", "b"}, {"-3", "-"}}));
    EXPECT_FALSE(donnees.NextDonneeComp(0));
    EXPECT_EQ(texte, Fr("inchangé"));
    // Each filling asks the source again: the list follows the declaration.
    Parcourt(donnees, 0, {});
    EXPECT_EQ(appels, 2);
    std::unique_ptr<TDonneesListe> codes(TDonneesListe::Codes({{2, Fr("Marié(e)")}}));
    EXPECT_EQ(Parcourt(*codes, 106, {0, 1}), (Lignes{{"0", "2"}, {"1", Fr("Marié(e)")}}));
}

TEST_F(TModeleRevenusTest, NavigationLinesCarryTheTitlesOfTheModuleAndTheLevelsOfTheFlow)
{
    TCinematiqueRevenus flux(&m_modele, WIZARD_DEMO_TITLES);
    flux.Init();
    TDonneesNavigation lignes(&m_modele, &flux);
    std::vector<std::string> vues;
    for (bool encore = lignes.BeginDonneeComp(0); encore; encore = lignes.NextDonneeComp(0)) {
        std::string titre, niveau;
        EXPECT_TRUE(lignes.GetDonneeComp(0, 0, titre));
        EXPECT_TRUE(lignes.GetDonneeComp(0, -2, niveau));
        vues.push_back(niveau + " " + titre);
    }
    // Without dependants nor rental income: twelve lines, headings included.
    ASSERT_EQ(vues.size(), 12u);
    EXPECT_EQ(vues[0], "1 Bienvenue");
    EXPECT_EQ(vues[2], Fr("2 Déclarant"));
    EXPECT_EQ(vues[10], Fr("2 Contrôles de la déclaration"));
}

TEST_F(TModeleRevenusTest, ListModelKeepsACurrentDependantAndComputesAfterEachChange)
{
    TMdPersonnesACharge liste(&m_modele, nullptr);
    d.SetValeur(kACharge, "1");
    liste.SupprimeElement(); // nothing current: nothing happens
    liste.AjouteElement();
    *liste.Courante() = {Fr("Léa"), "2016"};
    EXPECT_EQ(liste.getLibelleElement(), Fr("Léa (2016)"));
    liste.AjouteElement();
    liste.Courante()->prenom = "Hugo";
    EXPECT_EQ(liste.getIndexElement(), 1);
    EXPECT_DOUBLE_EQ(m_modele.Resultat().parts, 2.5); // single parent of two
    liste.DeplaceElement(1, 0);
    EXPECT_EQ(d.Personnes()[0].prenom, "Hugo");
    EXPECT_EQ(liste.getIndexElement(), 0);
    liste.DupliqueElement();
    EXPECT_EQ(liste.getNbElement(), 3);
    EXPECT_EQ(liste.getIndexElement(), 1);
    EXPECT_EQ(d.Personnes()[1].prenom, "Hugo");
    EXPECT_DOUBLE_EQ(m_modele.Resultat().parts, 3.5);
    liste.setIndexElement(2);
    liste.SupprimeElement();
    EXPECT_EQ(liste.getIndexElement(), 1); // the last one went: the one before is current
    liste.setIndexElement(7);              // out of the list: ignored
    EXPECT_EQ(liste.getIndexElement(), 1);
    liste.DeplaceElement(0, 5);
    EXPECT_EQ(d.Personnes()[0].prenom, "Hugo");
}

TEST_F(TModeleRevenusTest, PrintedDeclarationShowsTheValuesAsTheUserReadsThem)
{
    d.SetValeur(kNom, "Martin <& fils>");
    d.SetValeur(kSituationFamille, "2");
    d.SetValeur(kRevenusFonciers, "1");
    d.SetMontant(kLoyers, 9600);
    m_modele.Calcul();
    const std::string html = TImpressionDeclaration::Html(m_modele);
    for (const std::string& texte :
         {std::string("Martin &lt;&amp; fils&gt;"), std::string(Fr("Marié(e)")),
          std::string(Fr("9~600~€")), std::string("<h2>Revenus fonciers</h2>")})
        EXPECT_NE(html.find(texte), std::string::npos) << texte;
    // Rental income not declared: no rental section.
    d.SetValeur(kRevenusFonciers, "2");
    EXPECT_EQ(TImpressionDeclaration::Html(m_modele).find("<h2>Revenus fonciers</h2>"),
              std::string::npos);
}

TEST_F(TModeleRevenusTest, LettersShowTheDeclarationAndStoreWhatTheUserTyped)
{
    d.SetValeur(kNom, "Martin");
    m_modele.Calcul();
    Lettres lettres{kNom,          kPrenom,   kSalaire1,        kSalaire1Prerempli,
                    kSalaire1Etat, kImpotNet, kSituationFamille};
    Lettres statiques{kBienvenue, kNombreParts};
    m_modele.DonneesVersLettrage(lettres.tete(), statiques.tete());
    // A letter is never null (controls keep their widget otherwise); until corrected the salary
    // shows the employer's amount; labels take the product's name.
    const std::pair<const Lettres&, std::pair<int, std::string>> attendus[] = {
        {lettres, {kNom, "Martin"}},
        {lettres, {kPrenom, ""}},
        {lettres, {kSalaire1, "31250.000000"}},
        {lettres, {kSalaire1Etat, "1"}},
        {lettres, {kImpotNet, "1768.000000"}},
        {statiques, {kBienvenue, "Bienvenue dans Kelmar Revenus"}},
        {statiques, {kNombreParts, "Nombre de parts : 1"}}};
    for (const auto& [liste, attendu] : attendus)
        EXPECT_EQ(liste.valeur(attendu.first), attendu.second) << attendu.first;

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

    // Restoring puts back the declaration of the start.
    m_modele.SauveEtatInitial();
    EXPECT_FALSE(m_modele.EstModifie());
    d.SetValeur(kNom, "Dupont");
    d.Personnes().push_back({"Hugo", "2019", false});
    EXPECT_TRUE(m_modele.EstModifie());
    m_modele.RestaureEtatInitial();
    EXPECT_FALSE(m_modele.EstModifie());
    EXPECT_EQ(d.Valeur(kNom), "Durand");
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
    for (const auto& [lettrage, valeur] : {std::pair<int, const char*>{kSituationFamille, "3"},
                                           {kFraisReels, "1"},
                                           {kRegimeFoncier, "2"},
                                           {kACharge, "1"},
                                           {kRevenusFonciers, "1"}})
        d.SetValeur(lettrage, valeur);
    flux.Update();
    EXPECT_EQ(releve(), (std::vector<int>{1, 2, 1, 1, 1, 1, 1, 1, 1}));
    // Headings are displayable lines of level 1; their screens sit below.
    EXPECT_EQ(flux.GetInfoEcran(kRubriqueRevenus)->getIdRessource(), kTitreRubriqueRevenus);
    EXPECT_EQ(flux.GetInfoEcran(kEcranBiens)->getNiveau(), 3);
    // A letter leads to its screen.
    EXPECT_EQ(flux.getScreenFromLettrage(kLoyers), kEcranFoncier);
    EXPECT_EQ(flux.getScreenFromLettrage(kListeAudit), kEcranControles);
}

TEST_F(TModeleRevenusTest, ChecksOfAScreenGiveErrorsFirstThenWarningsAndTheAuditAll)
{
    Lettres adresse{kAdresse, kCommune};
    EXPECT_EQ(m_modele.ControleLettres(adresse.tete()), nullptr);
    d.SetValeur(kFraisReels, "1");
    d.SetMontant(kMontantFraisReels, 20000);
    d.SetValeur(kCodePostal, "6900");
    Lettres lettres{kMontantFraisReels, kNom, kCodePostal};
    EXPECT_EQ(Messages(m_modele.ControleLettres(lettres.tete())),
              (std::vector<Message>{{kNom, 1, Fr("Le nom du déclarant doit être renseigné.")},
                                    {kCodePostal, 1, "Le code postal doit comporter 5 chiffres."},
                                    {kMontantFraisReels, 4,
                                     Fr("Vos frais réels (20~000~€) dépassent 30 % de vos salaires "
                                        ": gardez-en les justificatifs.")}}));
    d.SetValeur(kNom, "Martin");
    d.SetValeur(kSituationFamille, "1");
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
        std::vector<std::pair<int, std::string>> valeurs;
        short lettrage; // the field refused, 0 for none
        std::string texte;
    } cas[] = {
        {{{kSalaire1Etat, "2"}, {kSalaire1, "-1000.000000"}},
         kSalaire1,
         Fr("Le montant «~Salaires du déclarant~» ne peut pas être négatif.")},
        {{{kRevenusFonciers, "1"}, {kDateAcquisition, "31/02/2024"}},
         kDateAcquisition,
         Fr("La date 31/02/2024 n'existe pas : vérifiez le jour et le mois.")},
        {{{kJourNaissance, "12"}, {kAnneeNaissance, "1980"}},
         kMoisNaissance,
         Fr("La date de naissance du déclarant est incomplète : renseignez le jour, le mois et "
            "l'année.")},
        {{{kJourNaissance, "31"}, {kMoisNaissance, "2"}, {kAnneeNaissance, "1980"}},
         kJourNaissance,
         Fr("La date de naissance du déclarant est incorrecte.")},
        {{{kJourNaissance, "3"}, {kMoisNaissance, "5"}, {kAnneeNaissance, "2024"}},
         kAnneeNaissance,
         Fr("Le déclarant ne peut pas être né en 2024 ou après : vérifiez l'année de naissance.")},
        {{{kRevenusFonciers, "1"}, {kNombreLogements, "2a"}},
         kNombreLogements,
         Fr("Le nombre de logements doit être un nombre entier, 1 au moins.")},
        // Accepted: a real date, a whole number, rental fields while there is no rental income.
        {{{kRevenusFonciers, "1"}, {kDateAcquisition, "29/02/2024"}, {kNombreLogements, "2"}},
         0,
         ""},
        {{{kRevenusFonciers, "2"}, {kNombreLogements, "2a"}}, 0, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        TDeclarationRevenus declaration;
        for (const auto& [lettrage, valeur] : c.valeurs)
            declaration.SetValeur(lettrage, valeur);
        m_modele.SetDeclaration(declaration);
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

} // namespace
