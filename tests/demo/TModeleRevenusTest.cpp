#include "TModeleRevenus.h"

#include "Revenus.h"
#include "TCinematiqueRevenus.h"

#include "flow/TScreenInformation.h"

#include "TInfoGene.h"
#include "qlettre.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace revenus;

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

class TModeleRevenusTest : public ::testing::Test
{
protected:
    static TInfoGene Info()
    {
        TInfoGene info;
        info.setApplicationName("Kelmar Revenus");
        return info;
    }

    // The model reads the product's name when it is built.
    TInfoGene m_info = Info();
    TModeleRevenus m_modele{&m_info};
};

TEST_F(TModeleRevenusTest, LettersShowTheDeclarationAndItsResults)
{
    m_modele.Declaration().SetValeur(kNom, "Martin");
    m_modele.Calcul();
    Lettres lettres{kNom,          kPrenom,   kSalaire1,        kSalaire1Prerempli,
                    kSalaire1Etat, kImpotNet, kSituationFamille};
    Lettres statiques{kBienvenue, kNombreParts};
    m_modele.DonneesVersLettrage(lettres.tete(), statiques.tete());

    EXPECT_EQ(lettres.valeur(kNom), "Martin");
    EXPECT_EQ(lettres.valeur(kPrenom), ""); // never null: controls keep their widget otherwise
    // Until corrected, the salary shows the employer's amount.
    EXPECT_EQ(lettres.valeur(kSalaire1), "31250.000000");
    EXPECT_EQ(lettres.valeur(kSalaire1Etat), "1");
    EXPECT_EQ(lettres.valeur(kImpotNet), "1768.000000");
    EXPECT_EQ(lettres.valeur(kSituationFamille), "0");
    // Labels take the product's name.
    EXPECT_EQ(statiques.valeur(kBienvenue), "Bienvenue dans Kelmar Revenus");
    EXPECT_EQ(statiques.valeur(kNombreParts), "Nombre de parts : 1");
}

TEST_F(TModeleRevenusTest, UnknownCodesShowAsTheDefaultSoThatComboBoxesFindTheirLine)
{
    m_modele.Declaration().SetValeur(kSituationFamille, "9");
    m_modele.Declaration().SetValeur(kRegimeFoncier, "x");
    EXPECT_EQ(m_modele.ValeurLettre(kSituationFamille), "0");
    EXPECT_EQ(m_modele.ValeurLettre(kRegimeFoncier), "1");
    m_modele.Declaration().SetValeur(kSituationFamille, "5");
    EXPECT_EQ(m_modele.ValeurLettre(kSituationFamille), "5");
}

TEST_F(TModeleRevenusTest, StoringKeepsTypedValuesAndIgnoresComputedOnes)
{
    Lettres lettres{kNom, kSalaire1, kSalaire1Etat, kImpotNet, kSalaire1Prerempli};
    lettres.met(kNom, "Durand");
    lettres.met(kImpotNet, "999.000000");
    lettres.met(kSalaire1Prerempli, "1.000000");
    // The salary still shows the pre-filled amount: it is not the user's.
    lettres.met(kSalaire1, "31250.000000");
    lettres.met(kSalaire1Etat, "1");
    m_modele.LettrageVersDonnees(lettres.tete(), nullptr);
    EXPECT_EQ(m_modele.Declaration().Valeur(kNom), "Durand");
    EXPECT_FALSE(m_modele.Declaration().Contient(kSalaire1));
    EXPECT_FALSE(m_modele.Declaration().Contient(kImpotNet));
    EXPECT_EQ(m_modele.Declaration().Montant(kSalaire1Prerempli), 31250);

    // Corrected: the letter holds the user's amount.
    lettres.met(kSalaire1, "32400.000000");
    lettres.met(kSalaire1Etat, "2");
    m_modele.LettrageVersDonnees(lettres.tete(), nullptr);
    EXPECT_EQ(m_modele.Declaration().Valeur(kSalaire1), "32400.000000");
    EXPECT_EQ(m_modele.Declaration().Code(kSalaire1Etat), 2);
}

TEST_F(TModeleRevenusTest, SelectionFollowsTheDeclaration)
{
    Lettres lettres{kNom, kSalaire2, kMontantFraisReels, kChargesFoncieres, kImpotNet};
    m_modele.Select(lettres.tete());
    EXPECT_EQ(lettres.selection(kNom), 1);
    EXPECT_EQ(lettres.selection(kImpotNet), 2);
    EXPECT_EQ(lettres.selection(kSalaire2), 2);          // single
    EXPECT_EQ(lettres.selection(kMontantFraisReels), 2); // 10 % deduction
    EXPECT_EQ(lettres.selection(kChargesFoncieres), 2);  // micro-foncier

    m_modele.Declaration().SetValeur(kSituationFamille, "3");
    m_modele.Declaration().SetValeur(kFraisReels, "1");
    m_modele.Declaration().SetValeur(kRegimeFoncier, "2");
    m_modele.Select(lettres.tete());
    EXPECT_EQ(lettres.selection(kSalaire2), 1);
    EXPECT_EQ(lettres.selection(kMontantFraisReels), 1);
    EXPECT_EQ(lettres.selection(kChargesFoncieres), 1);
}

TEST_F(TModeleRevenusTest, ChecksGiveErrorsFirstThenWarnings)
{
    m_modele.Declaration().SetValeur(kFraisReels, "1");
    m_modele.Declaration().SetMontant(kMontantFraisReels, 20000);
    Lettres lettres{kMontantFraisReels, kNom, kCodePostal};
    m_modele.Declaration().SetValeur(kCodePostal, "6900");
    const std::vector<Message> messages = Messages(m_modele.ControleLettres(lettres.tete()));
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], (Message{kNom, 1,
                                    "Le nom du d\xE9"
                                    "clarant doit \xEAtre renseign\xE9."}));
    EXPECT_EQ(messages[1], (Message{kCodePostal, 1, "Le code postal doit comporter 5 chiffres."}));
    EXPECT_EQ(messages[2].lettrage, kMontantFraisReels);
    EXPECT_EQ(messages[2].type, 4);
    EXPECT_EQ(messages[2].texte, "Vos frais r\xE9"
                                 "els (20\xA0"
                                 "000\xA0\x80) d\xE9passent 30 % de "
                                 "vos salaires : gardez-en les justificatifs.");
}

TEST_F(TModeleRevenusTest, ChecksOnlyLookAtTheLettersOfTheScreen)
{
    Lettres lettres{kAdresse, kCommune};
    EXPECT_EQ(m_modele.ControleLettres(lettres.tete()), nullptr);
    m_modele.Declaration().SetValeur(kNom, "Martin");
    m_modele.Declaration().SetValeur(kSituationFamille, "1");
    Lettres declarant{kNom, kSituationFamille};
    EXPECT_EQ(m_modele.ControleLettres(declarant.tete()), nullptr);
}

TEST_F(TModeleRevenusTest, AuditListsTheWholeDeclarationByKind)
{
    m_modele.Declaration().SetMontant(kDons, 200);
    m_modele.Calcul();
    const std::vector<TModeleRevenus::MessageAudit> audit = m_modele.Audit();
    auto compte = [&audit](int categorie) {
        int n = 0;
        for (const TModeleRevenus::MessageAudit& message : audit)
            n += message.categorie == categorie ? 1 : 0;
        return n;
    };
    EXPECT_EQ(compte(kAnomalie), 4); // name, family situation, date of birth, certification
    EXPECT_EQ(compte(kPieceJointe), 1);
    EXPECT_EQ(compte(kRemarque), 2); // the average rate, the discount
    const auto anomalies = Messages(m_modele.ControleDeclaration());
    EXPECT_EQ(anomalies.size(), 5u); // the 4 anomalies and the missing phone's warning
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
         "Le montant \xAB\xA0Salaires du d\xE9"
         "clarant\xA0\xBB ne peut pas \xEAtre n\xE9gatif."},
        {{{kDons, "-5.000000"}},
         kDons,
         "Le montant \xAB\xA0"
         "Dons aux associations\xA0\xBB ne peut pas \xEAtre n\xE9gatif."},
        {{{kRevenusFonciers, "1"}, {kDateAcquisition, "31/02/2024"}},
         kDateAcquisition,
         "La date 31/02/2024 n'existe pas : v\xE9rifiez le jour et le mois."},
        {{{kJourNaissance, "12"}, {kAnneeNaissance, "1980"}},
         kMoisNaissance,
         "La date de naissance du d\xE9"
         "clarant est incompl\xE8te : renseignez le jour, le mois et l'ann\xE9"
         "e."},
        {{{kJourNaissance, "31"}, {kMoisNaissance, "2"}, {kAnneeNaissance, "1980"}},
         kJourNaissance,
         "La date de naissance du d\xE9"
         "clarant est incorrecte."},
        {{{kJourNaissance, "3"}, {kMoisNaissance, "5"}, {kAnneeNaissance, "2024"}},
         kAnneeNaissance,
         "Le d\xE9"
         "clarant ne peut pas \xEAtre n\xE9 en 2024 ou apr\xE8s : v\xE9rifiez l'ann\xE9"
         "e de naissance."},
        {{{kRevenusFonciers, "1"}, {kNombreLogements, "2a"}},
         kNombreLogements,
         "Le nombre de logements doit \xEAtre un nombre entier, 1 au moins."},
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
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], (Message{c.lettrage, 1, c.texte}));
        const auto audit = m_modele.Audit();
        EXPECT_NE(std::find(audit.begin(), audit.end(),
                            TModeleRevenus::MessageAudit{kAnomalie, c.lettrage, c.texte}),
                  audit.end());
    }
}

TEST_F(TModeleRevenusTest, RestoringPutsBackTheDeclarationOfTheStart)
{
    m_modele.Declaration().SetValeur(kNom, "Martin");
    m_modele.SauveEtatInitial();
    EXPECT_FALSE(m_modele.EstModifie());
    m_modele.Declaration().SetValeur(kNom, "Durand");
    m_modele.Declaration().Personnes().push_back({"Hugo", "2019", false});
    EXPECT_TRUE(m_modele.EstModifie());
    m_modele.RestaureEtatInitial();
    EXPECT_FALSE(m_modele.EstModifie());
    EXPECT_EQ(m_modele.Declaration().Valeur(kNom), "Martin");
}

TEST_F(TModeleRevenusTest, FlowShowsConditionalScreensOnlyWhenDeclared)
{
    TCinematiqueRevenus flux(&m_modele, "aucun-module");
    flux.Init();
    EXPECT_FALSE(flux.ExistScreen(kEcranPersonnes));
    EXPECT_FALSE(flux.ExistScreen(kEcranFoncier));
    EXPECT_FALSE(flux.ExistScreen(kEcranBiens));
    EXPECT_TRUE(flux.ExistScreen(kEcranSalaires));

    m_modele.Declaration().SetValeur(kACharge, "1");
    m_modele.Declaration().SetValeur(kRevenusFonciers, "1");
    flux.Update();
    EXPECT_TRUE(flux.ExistScreen(kEcranPersonnes));
    EXPECT_TRUE(flux.ExistScreen(kEcranBiens));
    // Headings are displayable lines of level 1; their screens sit below.
    EXPECT_EQ(flux.GetInfoEcran(kRubriqueRevenus)->getIdRessource(), kTitreRubriqueRevenus);
    EXPECT_EQ(flux.GetInfoEcran(kEcranBiens)->getNiveau(), 3);
    // A letter leads to its screen.
    EXPECT_EQ(flux.getScreenFromLettrage(kLoyers), kEcranFoncier);
    EXPECT_EQ(flux.getScreenFromLettrage(kListeAudit), kEcranControles);
}

} // namespace
