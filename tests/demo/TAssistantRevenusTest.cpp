#include "TAssistantRevenus.h"

#include "DemoTestHost.h"
#include "Revenus.h"
#include "TFichierDeclaration.h"
#include "TModeleRevenus.h"
#include "TServicesRevenus.h"
#include "TViewDeclarant.h"
#include "TViewSalaires.h"

#include "view/TViewManagementButtons.h"

#include "DesktopMetrics.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TAction.h"
#include "TEdit.h"
#include "TcxEditNum.h"
#include "TcxKelButton.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

using namespace revenus;
using namespace demotest;
using Answer = DialogSeam::Answer;

namespace {

constexpr const char* kNonModifiee = "\n\nLa d\xE9"
                                     "claration affich\xE9"
                                     "e n'a pas \xE9t\xE9 modifi\xE9"
                                     "e.";

class TAssistantRevenusTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        PrepareQtUneFois();
        SetDesktopSizeOverride(1280, 1024);
        QtLeakCheckedTest::SetUp();
        m_assistant = std::make_unique<TAssistantRevenus>(Options(Chemin("declaration.txt")));
        // A declaration that is not the blank one, to see that failures leave it alone.
        TDeclarationRevenus declaration;
        declaration.SetValeur(kNom, "Martin");
        declaration.SetValeur(kSituationFamille, "1");
        m_assistant->getModele().SetDeclaration(declaration);
        m_avant = declaration;
    }

    void TearDown() override
    {
        m_assistant.reset();
        QtLeakCheckedTest::TearDown();
        SetDesktopSizeOverride(0, 0);
    }

    std::string Chemin(const std::string& nom) const
    {
        return (std::filesystem::path(m_dossier.path().toStdString()) / nom).string();
    }

    std::string Ecrit(const std::string& nom, const std::string& contenu) const
    {
        std::ofstream(Chemin(nom), std::ios::binary) << contenu;
        return Chemin(nom);
    }

    // A complete declaration file of a household named `nom`.
    std::string FichierValide(const std::string& nom) const
    {
        TDeclarationRevenus declaration;
        declaration.SetValeur(kNom, nom);
        declaration.SetValeur(kSituationFamille, "2");
        declaration.SetValeur(kRevenusFonciers, "1");
        return Ecrit("valide.txt", TFichierDeclaration::Texte(declaration));
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
        d.SetValeur(kJourNaissance, "12");
        d.SetValeur(kMoisNaissance, "5");
        d.SetValeur(kAnneeNaissance, "1980");
        d.SetValeur(kTelephone, "01 23 45 67 89");
        d.SetValeur(kCertification, "1");
        assistant.getModele().Calcul();
    }

    // Runs the event loop until `condition` holds, five seconds at most.
    static void Attend(const std::function<bool()>& condition)
    {
        QElapsedTimer chrono;
        chrono.start();
        while (!condition() && chrono.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    QTemporaryDir m_dossier;
    std::unique_ptr<TAssistantRevenus> m_assistant;
    TDeclarationRevenus m_avant;
};

TEST_F(TAssistantRevenusTest, FirstRunStartsOnABlankDeclarationWithoutAWord)
{
    ScriptedDialogs dialogues;
    TAssistantRevenus assistant(Options(Chemin("premiere-fois.txt")));
    EXPECT_TRUE(assistant.OuvreAuDemarrage());
    EXPECT_EQ(dialogues.count(), 0u);
    EXPECT_EQ(assistant.getModele().Declaration(), TDeclarationRevenus());
}

TEST_F(TAssistantRevenusTest, EachBadFileIsExplainedInFrenchAndLeavesTheDeclarationAsItWas)
{
    for (const auto& [chemin, message] : FichiersIllisibles()) {
        SCOPED_TRACE(chemin);
        ScriptedDialogs dialogues;
        EXPECT_FALSE(m_assistant->OuvreDeclaration(chemin));
        ASSERT_EQ(dialogues.count(), 1u);
        EXPECT_EQ(dialogues.textOf(0), message + kNonModifiee);
        EXPECT_EQ(dialogues.captionOf(0), "Erreur");
        EXPECT_EQ(dialogues.last().icon, DialogSeam::Icon::Stop);
        EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
    }
}

TEST_F(TAssistantRevenusTest, UnreadableFileAtStartIsKeptAsideBeforeTheNextSave)
{
    const std::string chemin = Ecrit("declaration.txt", "KELMAR-DECLARATION-REVENUS\nversion=1\n"
                                                        "lettre.101=Mar");
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
    std::ifstream gardee(chemin + ".illisible", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(gardee), {}),
              "KELMAR-DECLARATION-REVENUS\nversion=1\nlettre.101=Mar");
    TDeclarationRevenus relue;
    EXPECT_TRUE(TFichierDeclaration(chemin).Lit(relue));
}

TEST_F(TAssistantRevenusTest, SaveThatCannotBeWrittenIsExplained)
{
    const std::string ordinaire = Ecrit("ordinaire", "x");
    TAssistantRevenus assistant(Options(ordinaire + "/declaration.txt"));
    ScriptedDialogs dialogues;
    EXPECT_FALSE(assistant.EnregistreDeclaration());
    ASSERT_EQ(dialogues.count(), 1u);
    TFichierDeclaration fichier(ordinaire + "/declaration.txt");
    fichier.Ecrit(TDeclarationRevenus());
    EXPECT_EQ(dialogues.textOf(0), fichier.MessageErreur());
}

TEST_F(TAssistantRevenusTest, PrintWritesARealPdfOrExplainsWhyNot)
{
    TServicesRevenus& services = m_assistant->getServices();
    const std::string ordinaire = Ecrit("ordinaire", "x");
    for (const std::string& chemin : {ordinaire + "/declaration.pdf",
                                      std::string("/dossier/qui/n/existe/pas/declaration.pdf")}) {
        SCOPED_TRACE(chemin);
        services.choixFichier = [chemin](TServicesRevenus::Operation, const std::string&) {
            return chemin;
        };
        ScriptedDialogs dialogues;
        EXPECT_FALSE(services.Imprime());
        ASSERT_EQ(dialogues.count(), 1u);
        EXPECT_EQ(dialogues.textOf(0), "Impossible d'imprimer la d\xE9"
                                       "claration dans \xAB\xA0" +
                                           TFichierDeclaration::CheminAffiche(chemin) +
                                           "\xA0\xBB : le dossier n'existe pas ou n'est pas "
                                           "accessible en \xE9"
                                           "criture.");
        EXPECT_EQ(dialogues.last().icon, DialogSeam::Icon::Stop);
        EXPECT_FALSE(std::filesystem::exists(chemin));
    }

    const std::string pdf = Chemin("imprimee.pdf");
    services.choixFichier = [pdf](TServicesRevenus::Operation, const std::string&) { return pdf; };
    ScriptedDialogs dialogues;
    ASSERT_TRUE(services.Imprime());
    EXPECT_EQ(services.GetDernierPdf(), pdf);
    QFile fichier(QString::fromStdString(pdf));
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    EXPECT_TRUE(fichier.read(5) == "%PDF-");
    EXPECT_GT(fichier.size(), 1000);
    EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
}

TEST_F(TAssistantRevenusTest, BadImportLeavesTheWindowAndTheDeclarationAsTheyWere)
{
    const auto illisibles = FichiersIllisibles();
    const std::string valide = FichierValide("Durand");
    ScriptedDialogs dialogues;
    std::string nomAffiche;
    std::string nomApresImport;
    const TAssistantRevenus::Issue issue = Execute(*m_assistant, [&] {
        Suivant(*m_assistant);
        auto* vue = EcranDe<TViewDeclarant>(*m_assistant);
        ASSERT_NE(vue, nullptr);
        TViewManagementButtons* barre = Barre(*m_assistant);
        for (const auto& [chemin, message] : illisibles) {
            const std::string choisi = chemin;
            m_assistant->getServices().choixFichier =
                [choisi](TServicesRevenus::Operation, const std::string&) { return choisi; };
            const std::size_t avant = dialogues.count();
            barre->ACT_Services_Import->Execute();
            ASSERT_EQ(dialogues.count(), avant + 1);
            EXPECT_EQ(dialogues.textOf(avant), message + kNonModifiee);
            EXPECT_EQ(vue->EditNom->GetText(), "Martin");
            EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
        }
        nomAffiche = vue->EditNom->GetText();

        // A good file replaces the declaration in the window.
        m_assistant->getServices().choixFichier = [valide](TServicesRevenus::Operation,
                                                           const std::string&) { return valide; };
        barre->ACT_Services_Import->Execute();
        nomApresImport = vue->EditNom->GetText();
        // Abandoning puts the declaration of the start back.
        dialogues.answer(Answer::OK);
        Annule(*m_assistant);
    });
    EXPECT_EQ(nomAffiche, "Martin");
    EXPECT_EQ(nomApresImport, "Durand");
    EXPECT_FALSE(issue.termine);
    EXPECT_TRUE(issue.modifie);
    EXPECT_FALSE(issue.enregistre);
    EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
    EXPECT_FALSE(std::filesystem::exists(Chemin("declaration.txt")));
}

TEST_F(TAssistantRevenusTest, ReinitialisationsAskFirstAndClearWhatTheySay)
{
    TServicesRevenus& services = m_assistant->getServices();
    m_assistant->getModele().Declaration().SetMontant(kDons, 300);
    m_assistant->getModele().Declaration().SetValeur(kSalaire1Etat, "2");
    m_assistant->getModele().Declaration().SetMontant(kSalaire1, 40000);
    const TDeclarationRevenus remplie = m_assistant->getModele().Declaration();

    ScriptedDialogs dialogues;
    dialogues.answer({Answer::Cancel, Answer::Cancel});
    EXPECT_FALSE(services.ReinitialisePartiellement());
    EXPECT_FALSE(services.ReinitialiseTotalement());
    EXPECT_EQ(m_assistant->getModele().Declaration(), remplie);
    EXPECT_EQ(dialogues.last().buttons, DialogSeam::Buttons::OKCancel);

    dialogues.answer(Answer::OK);
    EXPECT_TRUE(services.ReinitialisePartiellement());
    const TDeclarationRevenus& partielle = m_assistant->getModele().Declaration();
    EXPECT_EQ(partielle.Valeur(kNom), "Martin");
    EXPECT_FALSE(partielle.Contient(kDons));
    EXPECT_EQ(partielle.Code(kSalaire1Etat), 1);

    dialogues.answer(Answer::OK);
    EXPECT_TRUE(services.ReinitialiseTotalement());
    EXPECT_EQ(m_assistant->getModele().Declaration(), TDeclarationRevenus());
}

TEST_F(TAssistantRevenusTest, ModifyingTheDeclarationOpensThePreFilledAmountsForEntry)
{
    ScriptedDialogs dialogues;
    bool preremplisAvant = false;
    bool saisisApres = false;
    const TAssistantRevenus::Issue issue = Execute(*m_assistant, [&] {
        for (int i = 0; i < 4; ++i)
            Suivant(*m_assistant); // welcome, declarant, address, household
        auto* vue = EcranDe<TViewSalaires>(*m_assistant);
        ASSERT_NE(vue, nullptr);
        preremplisAvant = !vue->EditSalaire1->GetActivated();
        Barre(*m_assistant)->ACT_Modifier_Declaration->Execute();
        saisisApres = vue->EditSalaire1->GetActivated() &&
                      m_assistant->getModele().Declaration().Code(kSalaire1Etat) == 2;
        dialogues.answer(Answer::Cancel); // keep the window on the abandon question...
        Annule(*m_assistant);
        dialogues.answer(Answer::OK); // ...then abandon
        Annule(*m_assistant);
    });
    EXPECT_TRUE(preremplisAvant);
    EXPECT_TRUE(saisisApres);
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
    EXPECT_EQ(dialogues.textOf(0),
              "La d\xE9"
              "claration a \xE9t\xE9 enregistr\xE9"
              "e dans \xAB\xA0" +
                  TFichierDeclaration::CheminAffiche(Chemin("declaration.txt")) + "\xA0\xBB.");
    EXPECT_EQ(dialogues.last().icon, DialogSeam::Icon::Information);
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
    int ecranApres = 0;
    bool ouverte = false;
    Execute(assistant, [&] {
        dialogues.answer(Answer::Yes); // go to the field
        Barre(assistant)->IDOK_->Click();
        ouverte = assistant.getRacine() != nullptr;
        Attend([&] { return EcranActif(assistant) == kEcranDeclarant; });
        ecranApres = EcranActif(assistant);
        Annule(assistant);
    });
    EXPECT_TRUE(ouverte);
    EXPECT_EQ(ecranApres, kEcranDeclarant);
    ASSERT_GE(dialogues.count(), 1u);
    EXPECT_EQ(dialogues.textOf(0).rfind("La d\xE9"
                                        "claration ne peut pas \xEAtre termin\xE9"
                                        "e :\n- Le nom du d\xE9"
                                        "clarant n'est pas renseign\xE9.",
                                        0),
              0u)
        << dialogues.textOf(0);
    EXPECT_NE(dialogues.textOf(0).find("certification"), std::string::npos);
    EXPECT_EQ(dialogues.requests()[0].icon, DialogSeam::Icon::Stop);
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
    std::string nomGarde;
    const TAssistantRevenus::Issue issue = Execute(assistant, [&] {
        Suivant(assistant);
        Tape(EcranDe<TViewDeclarant>(assistant)->EditNom, "-Dupont");
        // Try again (fails again), then neither again nor elsewhere: back to the wizard.
        dialogues.answer({Answer::Retry, Answer::Cancel, Answer::No});
        Barre(assistant)->IDOK_->Click();
        auto* vue = EcranDe<TViewDeclarant>(assistant);
        nomGarde = vue ? vue->EditNom->GetText()
                       : "<fen\xEAtre ferm\xE9"
                         "e>";
        // Elsewhere, through the file dialog.
        dialogues.answer({Answer::Cancel, Answer::Yes});
        Barre(assistant)->IDOK_->Click();
    });
    EXPECT_EQ(nomGarde, "Martin-Dupont");
    ASSERT_EQ(dialogues.count(), 6u);
    for (std::size_t i : {0u, 1u, 3u}) {
        EXPECT_EQ(dialogues.requests()[i].buttons, DialogSeam::Buttons::RetryCancel);
        EXPECT_EQ(dialogues.requests()[i].icon, DialogSeam::Icon::Stop);
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
    EXPECT_EQ(dialogues.textOf(0).rfind("Une saisie n'a pas \xE9t\xE9 termin\xE9"
                                        "e.\nReprendre la saisie interrompue du ",
                                        0),
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

// A file named with --declaration that does not exist yet is a new declaration, said in one
// line; a folder or a device given instead is explained and never kept aside.
TEST_F(TAssistantRevenusTest, NamedFileMissingOrNotAFileIsExplainedAtStart)
{
    std::filesystem::create_directory(Chemin("dossier"));
    for (const std::string& chemin :
         {Chemin("nouvelle.txt"), Chemin("dossier"), std::string("/dev/zero")}) {
        SCOPED_TRACE(chemin);
        TAssistantRevenus::Options options = Options(chemin);
        options.fichierDemande = true;
        TAssistantRevenus assistant(options);
        ScriptedDialogs dialogues;
        assistant.OuvreAuDemarrage();
        ASSERT_EQ(dialogues.count(), 1u);
        if (chemin == Chemin("nouvelle.txt")) {
            EXPECT_EQ(dialogues.textOf(0), "Nouvelle d\xE9"
                                           "claration : le fichier \xAB\xA0" +
                                               TFichierDeclaration::CheminAffiche(chemin) +
                                               "\xA0\xBB sera cr\xE9\xE9 quand vous terminerez.");
            EXPECT_EQ(dialogues.last().icon, DialogSeam::Icon::Information);
        } else {
            EXPECT_EQ(dialogues.textOf(0).find(".illisible"), std::string::npos);
            EXPECT_EQ(dialogues.last().icon, DialogSeam::Icon::Exclamation);
        }
        EXPECT_EQ(assistant.getModele().Declaration(), TDeclarationRevenus());
    }
    EXPECT_TRUE(std::filesystem::is_directory(Chemin("dossier")));
}

} // namespace
