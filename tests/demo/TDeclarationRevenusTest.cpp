#include "TDeclarationRevenus.h"

#include "Revenus.h"
#include "TCinematiqueRevenus.h"
#include "TDonneesListe.h"
#include "TDonneesNavigation.h"
#include "TImpressionDeclaration.h"
#include "TMdPersonnesACharge.h"

#include "DemoTestHost.h"

#include <gtest/gtest.h>

#include <string>

using namespace revenus;
using demotest::Fr;
using Lignes = std::vector<std::pair<std::string, std::string>>;

namespace {

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

    for (const TDeclarationRevenus::Champ& champ : TDeclarationRevenus::Champs()) {
        EXPECT_EQ(TDeclarationRevenus::TrouveChamp(champ.lettrage), &champ);
        EXPECT_GE(champ.ecran, kEcranDeclarant);
        EXPECT_LE(champ.ecran, kEcranSignature);
    }
    EXPECT_EQ(TDeclarationRevenus::TrouveChamp(kBienvenue), nullptr);
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

using TModeleDemoTest = demotest::ModeleTest;

TEST_F(TModeleDemoTest, NavigationLinesCarryTheTitlesOfTheModuleAndTheLevelsOfTheFlow)
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
    EXPECT_EQ(vues[1], "1 Votre foyer");
    EXPECT_EQ(vues[2], Fr("2 Déclarant"));
    EXPECT_EQ(vues[10], Fr("2 Contrôles de la déclaration"));
    std::string texte;
    EXPECT_FALSE(lignes.GetDonneeComp(0, 0, texte));
}

TEST_F(TModeleDemoTest, ListModelKeepsACurrentDependantAndComputesAfterEachChange)
{
    TMdPersonnesACharge liste(&m_modele, nullptr);
    m_modele.Declaration().SetValeur(kACharge, "1");
    EXPECT_EQ(liste.getIndexElement(), -1);
    liste.SupprimeElement(); // nothing current: nothing happens
    liste.AjouteElement();
    *liste.Courante() = {Fr("Léa"), "2016"};
    EXPECT_EQ(liste.getLibelleElement(), Fr("Léa (2016)"));
    liste.AjouteElement();
    liste.Courante()->prenom = "Hugo";
    EXPECT_EQ(liste.getIndexElement(), 1);
    EXPECT_DOUBLE_EQ(m_modele.Resultat().parts, 2.5); // single parent of two
    liste.DeplaceElement(1, 0);
    EXPECT_EQ(m_modele.Declaration().Personnes()[0].prenom, "Hugo");
    EXPECT_EQ(liste.getIndexElement(), 0);
    liste.DupliqueElement();
    EXPECT_EQ(liste.getNbElement(), 3);
    EXPECT_EQ(liste.getIndexElement(), 1);
    EXPECT_EQ(m_modele.Declaration().Personnes()[1].prenom, "Hugo");
    EXPECT_DOUBLE_EQ(m_modele.Resultat().parts, 3.5);
    liste.setIndexElement(2);
    liste.SupprimeElement();
    EXPECT_EQ(liste.getIndexElement(), 1); // the last one went: the one before is current
    liste.setIndexElement(7);              // out of the list: ignored
    EXPECT_EQ(liste.getIndexElement(), 1);
    liste.DeplaceElement(0, 5);
    EXPECT_EQ(m_modele.Declaration().Personnes()[0].prenom, "Hugo");
}

TEST_F(TModeleDemoTest, PrintedDeclarationShowsTheValuesAsTheUserReadsThem)
{
    m_modele.Declaration().SetValeur(kNom, "Martin <& fils>");
    m_modele.Declaration().SetValeur(kSituationFamille, "2");
    m_modele.Declaration().SetValeur(kRevenusFonciers, "1");
    m_modele.Declaration().SetMontant(kLoyers, 9600);
    m_modele.Calcul();
    const std::string html = TImpressionDeclaration::Html(m_modele);
    for (const std::string& texte :
         {std::string("Martin &lt;&amp; fils&gt;"), std::string(Fr("Marié(e)")),
          std::string(Fr("9~600~€")), std::string("<h2>Revenus fonciers</h2>")})
        EXPECT_NE(html.find(texte), std::string::npos) << texte;
    // Rental income not declared: no rental section.
    m_modele.Declaration().SetValeur(kRevenusFonciers, "2");
    EXPECT_EQ(TImpressionDeclaration::Html(m_modele).find("<h2>Revenus fonciers</h2>"),
              std::string::npos);
}

} // namespace
