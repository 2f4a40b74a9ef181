#include "TAssistantRevenus.h"

#include "DemoTestHost.h"
#include "Revenus.h"
#include "TFichierDeclaration.h"
#include "TModeleRevenus.h"
#include "TServicesRevenus.h"
#include "TViewDeclarant.h"
#include "TViewSalaires.h"

#include "view/TViewManagementButtons.h"

#include "ScriptedDialogs.h"
#include "TAction.h"
#include "TEdit.h"
#include "TcxEditNum.h"
#include "TcxKelButton.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace revenus;
using namespace demotest;
using Answer = DialogSeam::Answer;
using Icon = DialogSeam::Icon;

namespace {

const std::string kNonModifiee = Fr("\n\nLa déclaration affichée n'a pas été modifiée.");

std::string Guillemets(const std::string& chemin)
{
    return Fr("«~") + TFichierDeclaration::CheminAffiche(chemin) + Fr("~»");
}

std::string Contenu(const std::string& chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fichier), {});
}

class TAssistantRevenusTest : public DemoTest
{
protected:
    void SetUp() override
    {
        DemoTest::SetUp();
        m_assistant = std::make_unique<TAssistantRevenus>(Options(Chemin("declaration.txt")));
        // A declaration that is not the blank one, to see that failures leave it alone.
        m_avant.SetValeur(kNom, "Martin");
        m_avant.SetValeur(kSituationFamille, "1");
        m_assistant->getModele().SetDeclaration(m_avant);
    }

    void TearDown() override
    {
        m_assistant.reset();
        DemoTest::TearDown();
    }

    // The five kinds of bad file, with the message each gives.
    std::vector<std::pair<std::string, std::string>> FichiersIllisibles() const
    {
        const std::string complet = TFichierDeclaration::Texte(m_avant);
        std::vector<std::pair<std::string, std::string>> fichiers;
        for (const std::string& chemin :
             {Chemin("absent.txt"), Ecrit("vide.txt", ""),
              Ecrit("tronque.txt", complet.substr(0, complet.size() - 10)),
              Ecrit("v3.txt", "KELMAR-DECLARATION-REVENUS\nversion=3\nfin=0\n"),
              Ecrit("notes.txt", "Liste des courses\npain\nlait\n")}) {
            TFichierDeclaration fichier(chemin);
            TDeclarationRevenus lue;
            EXPECT_FALSE(fichier.Lit(lue));
            fichiers.emplace_back(chemin, fichier.MessageErreur());
        }
        return fichiers;
    }

    // What a declaration needs to be finished without a question: a birth date, a phone and
    // the certification.
    static void Complete(TAssistantRevenus& assistant)
    {
        TDeclarationRevenus& d = assistant.getModele().Declaration();
        for (const auto& [lettrage, valeur] : {std::pair<int, const char*>{kJourNaissance, "12"},
                                               {kMoisNaissance, "5"},
                                               {kAnneeNaissance, "1980"},
                                               {kTelephone, "01 23 45 67 89"},
                                               {kCertification, "1"}})
            d.SetValeur(lettrage, valeur);
        assistant.getModele().Calcul();
    }

    static void Choisit(TAssistantRevenus& assistant, const std::string& chemin)
    {
        assistant.getServices().choixFichier = [chemin](auto, auto&) { return chemin; };
    }

    std::unique_ptr<TAssistantRevenus> m_assistant;
    TDeclarationRevenus m_avant;
};

// A file that does not exist yet is a blank declaration: said in one line when the user named
// it; a folder or a device named instead is explained and never kept aside.
TEST_F(TAssistantRevenusTest, StartOnAMissingOrOddFileGivesABlankDeclaration)
{
    std::filesystem::create_directory(Chemin("dossier"));
    const std::string nouvelle = Chemin("nouvelle.txt");
    const struct
    {
        std::string chemin;
        bool demande;
        std::size_t messages;
        Icon icone;
    } cas[] = {{Chemin("premiere-fois.txt"), false, 0, {}},
               {nouvelle, true, 1, Icon::Information},
               {Chemin("dossier"), true, 1, Icon::Exclamation},
               {"/dev/zero", true, 1, Icon::Exclamation}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.chemin);
        TAssistantRevenus::Options options = Options(c.chemin);
        options.fichierDemande = c.demande;
        TAssistantRevenus assistant(options);
        ScriptedDialogs dialogues;
        EXPECT_TRUE(assistant.OuvreAuDemarrage() || c.demande);
        ASSERT_EQ(dialogues.count(), c.messages);
        EXPECT_EQ(assistant.getModele().Declaration(), TDeclarationRevenus());
        if (c.messages == 0)
            continue;
        EXPECT_EQ(dialogues.last().icon, c.icone);
        if (c.chemin == nouvelle)
            EXPECT_EQ(dialogues.textOf(0), Fr("Nouvelle déclaration : le fichier ") +
                                               Guillemets(nouvelle) +
                                               Fr(" sera créé quand vous terminerez."));
        else
            EXPECT_EQ(dialogues.textOf(0).find(".illisible"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::is_directory(Chemin("dossier")));
}

TEST_F(TAssistantRevenusTest, UnreadableFileAtStartIsKeptAsideBeforeTheNextSave)
{
    const std::string abime = "KELMAR-DECLARATION-REVENUS\nversion=1\nlettre.101=Mar";
    const std::string chemin = Ecrit("declaration.txt", abime);
    ScriptedDialogs dialogues;
    TAssistantRevenus assistant(Options(chemin));
    EXPECT_FALSE(assistant.OuvreAuDemarrage());
    ASSERT_EQ(dialogues.count(), 1u);
    TFichierDeclaration fichier(chemin);
    TDeclarationRevenus lue;
    EXPECT_FALSE(fichier.Lit(lue));
    EXPECT_EQ(dialogues.textOf(0).rfind(fichier.MessageErreur() + "\n\n", 0), 0u);
    EXPECT_NE(dialogues.textOf(0).find(".illisible"), std::string::npos);
    EXPECT_EQ(assistant.getModele().Declaration(), TDeclarationRevenus());

    ASSERT_TRUE(assistant.EnregistreDeclaration());
    EXPECT_EQ(Contenu(chemin + ".illisible"), abime);
    EXPECT_TRUE(TFichierDeclaration(chemin).Lit(lue));
}

TEST_F(TAssistantRevenusTest, SaveOrPrintThatCannotBeWrittenIsExplained)
{
    const std::string ordinaire = Ecrit("ordinaire", "x");
    TAssistantRevenus assistant(Options(ordinaire + "/declaration.txt"));
    ScriptedDialogs dialogues;
    EXPECT_FALSE(assistant.EnregistreDeclaration());
    ASSERT_EQ(dialogues.count(), 1u);
    TFichierDeclaration fichier(ordinaire + "/declaration.txt");
    fichier.Ecrit(TDeclarationRevenus());
    EXPECT_EQ(dialogues.textOf(0), fichier.MessageErreur());

    for (const std::string& chemin : {ordinaire + "/declaration.pdf",
                                      std::string("/dossier/qui/n/existe/pas/declaration.pdf")}) {
        SCOPED_TRACE(chemin);
        Choisit(*m_assistant, chemin);
        ScriptedDialogs impression;
        EXPECT_FALSE(m_assistant->getServices().Imprime());
        ASSERT_EQ(impression.count(), 1u);
        EXPECT_EQ(impression.textOf(0),
                  Fr("Impossible d'imprimer la déclaration dans ") + Guillemets(chemin) +
                      Fr(" : le dossier n'existe pas ou n'est pas accessible en écriture."));
        EXPECT_EQ(impression.last().icon, Icon::Stop);
        EXPECT_FALSE(std::filesystem::exists(chemin));
    }
    Choisit(*m_assistant, Chemin("imprimee.pdf"));
    ASSERT_TRUE(m_assistant->getServices().Imprime());
    EXPECT_EQ(m_assistant->getServices().GetDernierPdf(), Chemin("imprimee.pdf"));
    EXPECT_EQ(Contenu(Chemin("imprimee.pdf")).substr(0, 5), "%PDF-");
    EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
}

// Opened or imported, a bad file is explained in French and changes nothing.
TEST_F(TAssistantRevenusTest, BadFileLeavesTheWindowAndTheDeclarationAsTheyWere)
{
    const auto illisibles = FichiersIllisibles();
    for (const auto& [chemin, message] : illisibles) {
        SCOPED_TRACE(chemin);
        ScriptedDialogs dialogues;
        EXPECT_FALSE(m_assistant->OuvreDeclaration(chemin));
        ASSERT_EQ(dialogues.count(), 1u);
        EXPECT_EQ(dialogues.textOf(0), message + kNonModifiee);
        EXPECT_EQ(dialogues.captionOf(0), "Erreur");
        EXPECT_EQ(dialogues.last().icon, Icon::Stop);
        EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
    }
    TDeclarationRevenus valide;
    valide.SetValeur(kNom, "Durand");
    valide.SetValeur(kSituationFamille, "2");
    valide.SetValeur(kRevenusFonciers, "1");
    const std::string fichierValide = Ecrit("valide.txt", TFichierDeclaration::Texte(valide));
    ScriptedDialogs dialogues;
    const TAssistantRevenus::Issue issue = Execute(*m_assistant, [&] {
        Suivant(*m_assistant);
        auto* vue = EcranDe<TViewDeclarant>(*m_assistant);
        ASSERT_NE(vue, nullptr);
        for (const auto& [chemin, message] : illisibles) {
            Choisit(*m_assistant, chemin);
            const std::size_t avant = dialogues.count();
            Barre(*m_assistant)->ACT_Services_Import->Execute();
            ASSERT_EQ(dialogues.count(), avant + 1);
            EXPECT_EQ(dialogues.textOf(avant), message + kNonModifiee);
            EXPECT_EQ(vue->EditNom->GetText(), "Martin");
            EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
        }
        // A good file replaces the declaration in the window.
        Choisit(*m_assistant, fichierValide);
        Barre(*m_assistant)->ACT_Services_Import->Execute();
        EXPECT_EQ(vue->EditNom->GetText(), "Durand");
        // Abandoning puts the declaration of the start back.
        dialogues.answer(Answer::OK);
        Annule(*m_assistant);
    });
    EXPECT_FALSE(issue.termine);
    EXPECT_TRUE(issue.modifie);
    EXPECT_FALSE(issue.enregistre);
    EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
    EXPECT_FALSE(std::filesystem::exists(Chemin("declaration.txt")));
}

TEST_F(TAssistantRevenusTest, ReinitialisationsAskFirstAndClearWhatTheySay)
{
    TServicesRevenus& services = m_assistant->getServices();
    TDeclarationRevenus& d = m_assistant->getModele().Declaration();
    d.SetMontant(kDons, 300);
    d.SetValeur(kSalaire1Etat, "2");
    d.SetMontant(kSalaire1, 40000);
    const TDeclarationRevenus remplie = d;

    ScriptedDialogs dialogues;
    dialogues.answer({Answer::Cancel, Answer::Cancel});
    EXPECT_FALSE(services.ReinitialisePartiellement());
    EXPECT_FALSE(services.ReinitialiseTotalement());
    EXPECT_EQ(m_assistant->getModele().Declaration(), remplie);
    EXPECT_EQ(dialogues.last().buttons, DialogSeam::Buttons::OKCancel);

    dialogues.answer({Answer::OK, Answer::OK});
    EXPECT_TRUE(services.ReinitialisePartiellement());
    EXPECT_EQ(m_assistant->getModele().Declaration().Valeur(kNom), "Martin");
    EXPECT_FALSE(m_assistant->getModele().Declaration().Contient(kDons));
    EXPECT_EQ(m_assistant->getModele().Declaration().Code(kSalaire1Etat), 1);
    EXPECT_TRUE(services.ReinitialiseTotalement());
    EXPECT_EQ(m_assistant->getModele().Declaration(), TDeclarationRevenus());
}

TEST_F(TAssistantRevenusTest, ModifyingTheDeclarationOpensThePreFilledAmountsForEntry)
{
    ScriptedDialogs dialogues;
    const TAssistantRevenus::Issue issue = Execute(*m_assistant, [&] {
        ASSERT_TRUE(VaA(*m_assistant, kEcranSalaires));
        TcxEditNum* salaire = EcranDe<TViewSalaires>(*m_assistant)->EditSalaire1;
        EXPECT_FALSE(salaire->GetActivated());
        Barre(*m_assistant)->ACT_Modifier_Declaration->Execute();
        EXPECT_TRUE(salaire->GetActivated());
        EXPECT_EQ(m_assistant->getModele().Declaration().Code(kSalaire1Etat), 2);
        // The window stays on the abandon question answered Cancel, then is abandoned.
        dialogues.answer({Answer::Cancel, Answer::OK});
        Annule(*m_assistant);
        EXPECT_NE(Barre(*m_assistant), nullptr);
        Annule(*m_assistant);
    });
    EXPECT_FALSE(issue.termine);
    EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
}

TEST_F(TAssistantRevenusTest, FinishingSavesTheDeclarationAndSaysWhere)
{
    Complete(*m_assistant);
    ScriptedDialogs dialogues;
    const TAssistantRevenus::Issue issue = Execute(*m_assistant, [&] {
        Suivant(*m_assistant);
        Tape(EcranDe<TViewDeclarant>(*m_assistant)->EditNom, "-Dupont");
        Barre(*m_assistant)->IDOK_->Click();
    });
    EXPECT_TRUE(issue.termine);
    EXPECT_TRUE(issue.modifie);
    EXPECT_TRUE(issue.enregistre);
    ASSERT_EQ(dialogues.count(), 1u);
    EXPECT_EQ(dialogues.textOf(0), Fr("La déclaration a été enregistrée dans ") +
                                       Guillemets(Chemin("declaration.txt")) + ".");
    EXPECT_EQ(dialogues.last().icon, Icon::Information);
    TDeclarationRevenus relue;
    ASSERT_TRUE(TFichierDeclaration(Chemin("declaration.txt")).Lit(relue));
    EXPECT_EQ(relue.Valeur(kNom), "Martin-Dupont");
    EXPECT_EQ(relue, m_assistant->getModele().Declaration());
}

// Terminer on the welcome screen of a fresh start checks the whole declaration: its errors
// block, and lead to the field on request; nothing is saved.
TEST_F(TAssistantRevenusTest, FinishingChecksTheWholeDeclarationNotOnlyTheScreenShown)
{
    TAssistantRevenus assistant(Options(Chemin("neuve.txt")));
    ScriptedDialogs dialogues;
    Execute(assistant, [&] {
        dialogues.answer(Answer::Yes); // go to the field
        Barre(assistant)->IDOK_->Click();
        ASSERT_NE(assistant.getRacine(), nullptr);
        QTRY_COMPARE(EcranActif(assistant), int(kEcranDeclarant));
        Annule(assistant);
    });
    ASSERT_GE(dialogues.count(), 1u);
    EXPECT_EQ(dialogues.textOf(0).rfind(Fr("La déclaration ne peut pas être terminée :\n- Le nom "
                                           "du déclarant n'est pas renseigné."),
                                        0),
              0u)
        << dialogues.textOf(0);
    EXPECT_NE(dialogues.textOf(0).find("certification"), std::string::npos);
    EXPECT_EQ(dialogues.requests()[0].icon, Icon::Stop);
    EXPECT_FALSE(std::filesystem::exists(Chemin("neuve.txt")));
}

// A save that fails at the end keeps the window and what was typed, and offers to try again,
// to save elsewhere or to go back.
TEST_F(TAssistantRevenusTest, SaveFailureAtFinishKeepsTheWindowAndTheData)
{
    const std::string impossible = Ecrit("ordinaire", "x") + "/declaration.txt";
    const std::string ailleurs = Chemin("ailleurs.txt");
    TAssistantRevenus assistant(Options(impossible));
    assistant.getModele().SetDeclaration(m_avant);
    Complete(assistant);
    std::string proposition;
    assistant.getServices().choixFichier = [&](TServicesRevenus::Operation operation,
                                               const std::string& propose) {
        proposition = propose;
        return operation == TServicesRevenus::Operation::Enregistrer ? ailleurs : std::string();
    };
    ScriptedDialogs dialogues;
    const TAssistantRevenus::Issue issue = Execute(assistant, [&] {
        Suivant(assistant);
        Tape(EcranDe<TViewDeclarant>(assistant)->EditNom, "-Dupont");
        // Try again (fails again), then neither again nor elsewhere: back to the wizard.
        dialogues.answer({Answer::Retry, Answer::Cancel, Answer::No});
        Barre(assistant)->IDOK_->Click();
        auto* vue = EcranDe<TViewDeclarant>(assistant);
        ASSERT_NE(vue, nullptr);
        EXPECT_EQ(vue->EditNom->GetText(), "Martin-Dupont");
        // Elsewhere, through the file dialog.
        dialogues.answer({Answer::Cancel, Answer::Yes});
        Barre(assistant)->IDOK_->Click();
    });
    ASSERT_EQ(dialogues.count(), 6u);
    for (std::size_t i : {0u, 1u, 3u}) {
        EXPECT_EQ(dialogues.requests()[i].buttons, DialogSeam::Buttons::RetryCancel);
        EXPECT_EQ(dialogues.requests()[i].icon, Icon::Stop);
        EXPECT_NE(dialogues.textOf(i).find("Rien de ce que vous avez saisi n'est perdu"),
                  std::string::npos);
    }
    EXPECT_EQ(dialogues.requests()[2].buttons, DialogSeam::Buttons::YesNo);
    EXPECT_EQ(proposition, impossible);
    EXPECT_NE(dialogues.textOf(5).find("ailleurs.txt"), std::string::npos);
    EXPECT_TRUE(issue.termine);
    EXPECT_TRUE(issue.enregistre);
    TDeclarationRevenus relue;
    ASSERT_TRUE(TFichierDeclaration(ailleurs).Lit(relue));
    EXPECT_EQ(relue.Valeur(kNom), "Martin-Dupont");
}

// The process killed between two screens: what was typed until the last screen change is
// offered at the next start, and taken up as a change to save.
TEST_F(TAssistantRevenusTest, RecoveryIsOfferedAfterTheWizardWasKilledBetweenTwoScreens)
{
    TAssistantRevenus::Options options = Options(Chemin("declaration.txt"));
    options.fichierReprise = Chemin("reprise.txt");
    ASSERT_TRUE(TFichierDeclaration(options.fichierDeclaration).Ecrit(m_avant));
    {
        TAssistantRevenus assistant(options);
        ScriptedDialogs dialogues;
        ASSERT_TRUE(assistant.OuvreAuDemarrage());
        Execute(assistant, [&] {
            Suivant(assistant);
            Tape(EcranDe<TViewDeclarant>(assistant)->EditNom, "-Dupont");
            Suivant(assistant);
            // What a killed process leaves behind.
            std::filesystem::copy_file(options.fichierReprise, Chemin("laissee.txt"));
            dialogues.answer(Answer::OK);
            Annule(assistant);
        });
        // An abandon confirmed by the user takes the recovery copy away.
        EXPECT_FALSE(std::filesystem::exists(options.fichierReprise));
    }
    std::filesystem::rename(Chemin("laissee.txt"), options.fichierReprise);

    TAssistantRevenus relance(options);
    ScriptedDialogs dialogues;
    dialogues.answer(Answer::Yes);
    relance.OuvreAuDemarrage();
    ASSERT_EQ(dialogues.count(), 1u);
    EXPECT_EQ(dialogues.textOf(0).rfind(
                  Fr("Une saisie n'a pas été terminée.\nReprendre la saisie interrompue du "), 0),
              0u);
    EXPECT_EQ(dialogues.last().buttons, DialogSeam::Buttons::YesNo);
    EXPECT_EQ(relance.getModele().Declaration().Valeur(kNom), "Martin-Dupont");

    // Declined, the copy goes and the declaration on disk stays.
    TAssistantRevenus refus(options);
    dialogues.answer(Answer::No);
    refus.OuvreAuDemarrage();
    EXPECT_EQ(refus.getModele().Declaration(), m_avant);
    EXPECT_FALSE(std::filesystem::exists(options.fichierReprise));

    // A copy written before the changes were taken back goes at the next screen change.
    TAssistantRevenus inchange(options);
    ASSERT_TRUE(inchange.OuvreAuDemarrage());
    Execute(inchange, [&] {
        std::filesystem::copy_file(options.fichierDeclaration, options.fichierReprise);
        Suivant(inchange);
        EXPECT_FALSE(std::filesystem::exists(options.fichierReprise));
        Annule(inchange);
    });
}

} // namespace
