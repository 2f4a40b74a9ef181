#include "TDeclarationRevenus.h"

#include "Revenus.h"
#include "TCinematiqueRevenus.h"
#include "TDonneesListe.h"
#include "TDonneesNavigation.h"
#include "TImpressionDeclaration.h"
#include "TMdPersonnesACharge.h"
#include "TModeleRevenus.h"

#include "TInfoGene.h"

#include <gtest/gtest.h>

#include <string>

using namespace revenus;

namespace {

TEST(TDeclarationRevenus, BlankDeclarationHoldsCodesAndThePreFilledSalariesOnly)
{
    const TDeclarationRevenus vierge;
    EXPECT_EQ(vierge.Valeur(kSituationFamille), "0");
    EXPECT_EQ(vierge.Valeur(kRevenusFonciers), "2"); // a check box storing '1' / '2'
    EXPECT_EQ(vierge.Valeur(kACharge), "0");         // a check box storing '1' / '0'
    EXPECT_EQ(vierge.Montant(kSalaire1Prerempli), 31250);
    EXPECT_FALSE(vierge.Contient(kNom));
    EXPECT_TRUE(vierge.Personnes().empty());
}

TEST(TDeclarationRevenus, EmptyValueIsNoValueSoThatComparingComparesWhatWasTyped)
{
    TDeclarationRevenus declaration;
    declaration.SetValeur(kNom, "Martin");
    declaration.SetValeur(kNom, "");
    EXPECT_FALSE(declaration.Contient(kNom));
    EXPECT_EQ(declaration, TDeclarationRevenus());
}

TEST(TDeclarationRevenus, ErasingTheAmountsKeepsTextsAndCodes)
{
    TDeclarationRevenus declaration;
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

TEST(TDeclarationRevenus, EveryFieldBelongsToAScreenAndIsFoundByItsLettrage)
{
    for (const TDeclarationRevenus::Champ& champ : TDeclarationRevenus::Champs()) {
        EXPECT_EQ(TDeclarationRevenus::TrouveChamp(champ.lettrage), &champ);
        EXPECT_GE(champ.ecran, kEcranDeclarant);
        EXPECT_LE(champ.ecran, kEcranSignature);
    }
    EXPECT_EQ(TDeclarationRevenus::TrouveChamp(kBienvenue), nullptr);
}

TEST(TDonneesListe, CursorAnswersTheColumnsOfTheCurrentLineOnly)
{
    int appels = 0;
    TDonneesListe donnees([&appels] {
        ++appels;
        return std::vector<TDonneesListe::Ligne>{{{0, "a"}, {-3, "7"}}, {{0, "b"}}};
    });
    std::string texte = "inchang\xE9";
    EXPECT_FALSE(donnees.GetDonneeComp(0, 0, texte)); // no line before Begin
    ASSERT_TRUE(donnees.BeginDonneeComp(0));
    EXPECT_EQ(appels, 1);
    EXPECT_TRUE(donnees.GetDonneeComp(0, -3, texte));
    EXPECT_EQ(texte, "7");
    ASSERT_TRUE(donnees.NextDonneeComp(0));
    texte = "inchang\xE9";
    EXPECT_FALSE(donnees.GetDonneeComp(0, -3, texte));
    EXPECT_EQ(texte, "inchang\xE9");
    EXPECT_FALSE(donnees.NextDonneeComp(0));
    EXPECT_FALSE(donnees.NextDonneeComp(0));
    EXPECT_FALSE(donnees.GetDonneeComp(0, 0, texte));
    // Each filling asks the source again: the list follows the declaration.
    donnees.BeginDonneeComp(0);
    EXPECT_EQ(appels, 2);

    std::unique_ptr<TDonneesListe> codes(TDonneesListe::Codes({{2, "Mari\xE9(e)"}}));
    ASSERT_TRUE(codes->BeginDonneeComp(106));
    EXPECT_TRUE(codes->GetDonneeComp(106, 0, texte));
    EXPECT_EQ(texte, "2");
    EXPECT_TRUE(codes->GetDonneeComp(106, 1, texte));
    EXPECT_EQ(texte, "Mari\xE9(e)");
}

class TModeleDemoTest : public ::testing::Test
{
protected:
    static TInfoGene Info()
    {
        TInfoGene info;
        info.setApplicationName("Kelmar Revenus");
        return info;
    }

    TInfoGene m_info = Info();
    TModeleRevenus m_modele{&m_info};
};

TEST_F(TModeleDemoTest, NavigationLinesCarryTheTitlesOfTheModuleAndTheLevelsOfTheFlow)
{
    TCinematiqueRevenus flux(&m_modele, WIZARD_DEMO_TITLES);
    flux.Init();
    TDonneesNavigation lignes(&m_modele, &flux);
    std::vector<std::pair<std::string, std::string>> vues;
    for (bool encore = lignes.BeginDonneeComp(0); encore; encore = lignes.NextDonneeComp(0)) {
        std::string titre, niveau;
        EXPECT_TRUE(lignes.GetDonneeComp(0, 0, titre));
        EXPECT_TRUE(lignes.GetDonneeComp(0, -2, niveau));
        vues.emplace_back(titre, niveau);
    }
    // Without dependants nor rental income: twelve lines, headings included.
    ASSERT_EQ(vues.size(), 12u);
    EXPECT_EQ(vues[0], (std::pair<std::string, std::string>{"Bienvenue", "1"}));
    EXPECT_EQ(vues[1], (std::pair<std::string, std::string>{"Votre foyer", "1"}));
    EXPECT_EQ(vues[2], (std::pair<std::string, std::string>{"D\xE9"
                                                            "clarant",
                                                            "2"}));
    EXPECT_EQ(vues[10], (std::pair<std::string, std::string>{"Contr\xF4les de la d\xE9"
                                                             "claration",
                                                             "2"}));
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
    liste.Courante()->prenom = "L\xE9"
                               "a";
    liste.Courante()->anneeNaissance = "2016";
    EXPECT_EQ(liste.getLibelleElement(), "L\xE9"
                                         "a (2016)");
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
    EXPECT_NE(html.find("Martin &lt;&amp; fils&gt;"), std::string::npos);
    EXPECT_NE(html.find("Mari\xE9(e)"), std::string::npos);
    EXPECT_NE(html.find("9\xA0"
                        "600\xA0\x80"),
              std::string::npos);
    EXPECT_NE(html.find("<h2>Revenus fonciers</h2>"), std::string::npos);
    // Rental income not declared: no rental section.
    m_modele.Declaration().SetValeur(kRevenusFonciers, "2");
    EXPECT_EQ(TImpressionDeclaration::Html(m_modele).find("<h2>Revenus fonciers</h2>"),
              std::string::npos);
}

} // namespace
