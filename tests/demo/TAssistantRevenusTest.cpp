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

#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
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

TEST_F(TAssistantRevenusTest, FinishingSavesTheDeclarationAndReportsIt)
{
    ScriptedDialogs dialogues;
    const TAssistantRevenus::Issue issue = Execute(*m_assistant, [&] {
        Suivant(*m_assistant);
        Tape(EcranDe<TViewDeclarant>(*m_assistant)->EditNom, "-Dupont");
        Barre(*m_assistant)->IDOK_->Click();
    });
    EXPECT_TRUE(issue.termine);
    EXPECT_TRUE(issue.modifie);
    EXPECT_TRUE(issue.enregistre);
    EXPECT_EQ(dialogues.count(), 0u);
    TDeclarationRevenus relue;
    ASSERT_TRUE(TFichierDeclaration(Chemin("declaration.txt")).Lit(relue));
    EXPECT_EQ(relue.Valeur(kNom), "Martin-Dupont");
    EXPECT_EQ(relue, m_assistant->getModele().Declaration());
}

} // namespace
