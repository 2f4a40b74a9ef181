// The sample through its real wizard window: files opened, saved, kept aside and recovered,
// the services, and what its screens do with keys, lists, filters and Alt letters.

#include "TAssistantRevenus.h"

#include "DemoTestHost.h"
#include "Revenus.h"
#include "TDialoguePersonne.h"
#include "TFichierDeclaration.h"
#include "TModeleRevenus.h"
#include "TPrAssistantRevenus.h"
#include "TServicesRevenus.h"
#include "TViewControles.h"
#include "TViewDeclarant.h"
#include "TViewPersonnesACharge.h"
#include "TViewSalaires.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "presenter/TPrEcranVCL.h"
#include "view/TViewBaseForm.h"
#include "view/TViewManagementButtons.h"

#include "Mnemonic.h"
#include "ScriptedDialogs.h"
#include "TAction.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TcxComboBox.h"
#include "TcxEditNum.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <filesystem>
#include <map>
#include <memory>

using namespace revenus;
using namespace demotest;
using Answer = DialogSeam::Answer;
using Icon = DialogSeam::Icon;
using Noms = std::vector<std::string>;

namespace {

const std::string kNonModifiee = Fr("\n\nLa déclaration affichée n'a pas été modifiée.");

// What a screen reader says of `object`.
QString NomAccessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
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

    // Runs the wizard; `pendant` runs on its first screen, then the wizard is abandoned.
    void Parcourt(const std::function<void()>& pendant)
    {
        Execute(*m_assistant, [&] {
            pendant();
            m_dialogues.answer(Answer::OK);
            Annule(*m_assistant);
        });
    }

    TDeclarationRevenus& D() { return m_assistant->getModele().Declaration(); }
    int Actif() { return EcranActif(*m_assistant); }
    TViewManagementButtons* Boutons() { return Barre(*m_assistant); }
    template <class Vue>
    Vue* Affichee()
    {
        return EcranDe<Vue>(*m_assistant);
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

    ScriptedDialogs m_dialogues;
    std::unique_ptr<TAssistantRevenus> m_assistant;
    TDeclarationRevenus m_avant;
};

// A file that does not exist yet is a blank declaration: said in one line when the user named
// it; a folder named instead is explained and never kept aside.
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
               {Chemin("dossier"), true, 1, Icon::Exclamation}};
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
                                               Cite(nouvelle) +
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
    TAssistantRevenus assistant(Options(chemin));
    EXPECT_FALSE(assistant.OuvreAuDemarrage());
    ASSERT_EQ(m_dialogues.count(), 1u);
    TFichierDeclaration fichier(chemin);
    TDeclarationRevenus lue;
    EXPECT_FALSE(fichier.Lit(lue));
    EXPECT_EQ(m_dialogues.textOf(0).rfind(fichier.MessageErreur() + "\n\n", 0), 0u);
    EXPECT_NE(m_dialogues.textOf(0).find(".illisible"), std::string::npos);
    EXPECT_EQ(assistant.getModele().Declaration(), TDeclarationRevenus());

    ASSERT_TRUE(assistant.EnregistreDeclaration());
    EXPECT_EQ(Contenu(chemin + ".illisible"), abime);
    EXPECT_TRUE(TFichierDeclaration(chemin).Lit(lue));
}

TEST_F(TAssistantRevenusTest, SaveOrPrintThatCannotBeWrittenIsExplained)
{
    const std::string impossible = Ecrit("ordinaire", "x") + "/declaration.pdf";
    TAssistantRevenus assistant(Options(Chemin("ordinaire/declaration.txt")));
    EXPECT_FALSE(assistant.EnregistreDeclaration());
    Choisit(*m_assistant, impossible);
    EXPECT_FALSE(m_assistant->getServices().Imprime());
    ASSERT_EQ(m_dialogues.count(), 2u);
    TFichierDeclaration fichier(Chemin("ordinaire/declaration.txt"));
    fichier.Ecrit(TDeclarationRevenus());
    EXPECT_EQ(m_dialogues.textOf(0), fichier.MessageErreur());
    EXPECT_EQ(m_dialogues.textOf(1),
              Fr("Impossible d'imprimer la déclaration dans ") + Cite(impossible) +
                  Fr(" : le dossier n'existe pas ou n'est pas accessible en écriture."));
    EXPECT_EQ(m_dialogues.last().icon, Icon::Stop);
    EXPECT_EQ(m_assistant->getModele().Declaration(), m_avant);
}

// Opened or imported, a bad file is explained in French and changes nothing; a good one
// replaces the declaration in the window; abandoning puts the declaration of the start back.
TEST_F(TAssistantRevenusTest, BadFileLeavesTheWindowAndTheDeclarationAsTheyWere)
{
    const std::string abime = Ecrit("notes.txt", "Liste des courses\npain\n");
    TFichierDeclaration lu(abime);
    EXPECT_FALSE(lu.Lit(D()));
    const std::string message = lu.MessageErreur() + kNonModifiee;
    EXPECT_FALSE(m_assistant->OuvreDeclaration(abime));
    ASSERT_EQ(m_dialogues.count(), 1u);
    EXPECT_EQ(m_dialogues.textOf(0), message);
    EXPECT_EQ(m_dialogues.captionOf(0), "Erreur");
    EXPECT_EQ(m_dialogues.last().icon, Icon::Stop);
    TDeclarationRevenus valide;
    valide.SetValeur(kNom, "Durand");
    const std::string fichierValide = Ecrit("valide.txt", TFichierDeclaration::Texte(valide));
    const TAssistantRevenus::Issue issue = Execute(*m_assistant, [&] {
        Suivant(*m_assistant);
        auto* vue = Affichee<TViewDeclarant>();
        Choisit(*m_assistant, abime);
        Boutons()->ACT_Services_Import->Execute();
        ASSERT_EQ(m_dialogues.count(), 2u);
        EXPECT_EQ(m_dialogues.textOf(1), message);
        EXPECT_EQ(vue->EditNom->GetText(), "Martin");
        EXPECT_EQ(D(), m_avant);
        Choisit(*m_assistant, fichierValide);
        Boutons()->ACT_Services_Import->Execute();
        EXPECT_EQ(vue->EditNom->GetText(), "Durand");
        m_dialogues.answer(Answer::OK);
        Annule(*m_assistant);
    });
    EXPECT_FALSE(issue.termine);
    EXPECT_TRUE(issue.modifie);
    EXPECT_FALSE(issue.enregistre);
    EXPECT_EQ(D(), m_avant);
    EXPECT_FALSE(std::filesystem::exists(Chemin("declaration.txt")));
}

TEST_F(TAssistantRevenusTest, ReinitialisationsAskFirstAndClearWhatTheySay)
{
    TServicesRevenus& services = m_assistant->getServices();
    D().SetMontant(kDons, 300);
    D().SetValeur(kSalaire1Etat, "2");
    const TDeclarationRevenus remplie = D();
    m_dialogues.answer({Answer::Cancel, Answer::Cancel, Answer::OK, Answer::OK});
    EXPECT_FALSE(services.ReinitialisePartiellement());
    EXPECT_FALSE(services.ReinitialiseTotalement());
    EXPECT_EQ(D(), remplie);
    EXPECT_EQ(m_dialogues.last().buttons, DialogSeam::Buttons::OKCancel);
    EXPECT_TRUE(services.ReinitialisePartiellement());
    EXPECT_EQ(D().Valeur(kNom), "Martin");
    EXPECT_FALSE(D().Contient(kDons));
    EXPECT_EQ(D().Code(kSalaire1Etat), 1);
    EXPECT_TRUE(services.ReinitialiseTotalement());
    EXPECT_EQ(D(), TDeclarationRevenus());
}

TEST_F(TAssistantRevenusTest, ModifyingTheDeclarationOpensThePreFilledAmountsForEntry)
{
    const TAssistantRevenus::Issue issue = Execute(*m_assistant, [&] {
        ASSERT_TRUE(VaA(*m_assistant, kEcranSalaires));
        TcxEditNum* salaire = Affichee<TViewSalaires>()->EditSalaire1;
        EXPECT_FALSE(salaire->GetActivated());
        Boutons()->ACT_Modifier_Declaration->Execute();
        EXPECT_TRUE(salaire->GetActivated());
        EXPECT_EQ(D().Code(kSalaire1Etat), 2);
        // An amount has no decimals: the separator and what follows never multiply it.
        salaire->clear();
        Tape(salaire, QStringLiteral("1234,56"));
        emit salaire->editingFinished();
        EXPECT_EQ(salaire->text(), QStringLiteral("1 234"));
        // The window stays on the abandon question answered Cancel, then is abandoned.
        m_dialogues.answer({Answer::Cancel, Answer::OK});
        Annule(*m_assistant);
        EXPECT_NE(Boutons(), nullptr);
        Annule(*m_assistant);
    });
    EXPECT_FALSE(issue.termine);
    EXPECT_EQ(D(), m_avant);
}

// Terminer on the welcome screen of a fresh start checks the whole declaration: its errors
// block, and lead to the field on request; nothing is saved.
TEST_F(TAssistantRevenusTest, FinishingChecksTheWholeDeclarationNotOnlyTheScreenShown)
{
    TAssistantRevenus assistant(Options(Chemin("neuve.txt")));
    Execute(assistant, [&] {
        m_dialogues.answer(Answer::Yes); // go to the field
        Barre(assistant)->IDOK_->Click();
        ASSERT_NE(assistant.getRacine(), nullptr);
        QTRY_COMPARE(EcranActif(assistant), int(kEcranDeclarant));
        Annule(assistant);
    });
    ASSERT_GE(m_dialogues.count(), 1u);
    EXPECT_EQ(m_dialogues.textOf(0).rfind(Fr("La déclaration ne peut pas être terminée :\n- Le "
                                             "nom du déclarant n'est pas renseigné."),
                                          0),
              0u);
    EXPECT_NE(m_dialogues.textOf(0).find("certification"), std::string::npos);
    EXPECT_EQ(m_dialogues.requests()[0].icon, Icon::Stop);
    EXPECT_FALSE(std::filesystem::exists(Chemin("neuve.txt")));
}

// A save that fails at the end keeps the window and what was typed, and offers to try again,
// to save elsewhere or to go back; saved elsewhere, it says where.
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
    const TAssistantRevenus::Issue issue = Execute(assistant, [&] {
        Suivant(assistant);
        Tape(EcranDe<TViewDeclarant>(assistant)->EditNom, "-Dupont");
        // Try again (fails again), then neither again nor elsewhere: back to the wizard.
        m_dialogues.answer({Answer::Retry, Answer::Cancel, Answer::No});
        Barre(assistant)->IDOK_->Click();
        auto* vue = EcranDe<TViewDeclarant>(assistant);
        ASSERT_NE(vue, nullptr);
        EXPECT_EQ(vue->EditNom->GetText(), "Martin-Dupont");
        // Elsewhere, through the file dialog.
        m_dialogues.answer({Answer::Cancel, Answer::Yes});
        Barre(assistant)->IDOK_->Click();
    });
    ASSERT_EQ(m_dialogues.count(), 6u);
    for (std::size_t i : {0u, 1u, 3u}) {
        EXPECT_EQ(m_dialogues.requests()[i].buttons, DialogSeam::Buttons::RetryCancel);
        EXPECT_EQ(m_dialogues.requests()[i].icon, Icon::Stop);
        EXPECT_NE(m_dialogues.textOf(i).find("Rien de ce que vous avez saisi n'est perdu"),
                  std::string::npos);
    }
    EXPECT_EQ(m_dialogues.requests()[2].buttons, DialogSeam::Buttons::YesNo);
    EXPECT_EQ(proposition, impossible);
    EXPECT_EQ(m_dialogues.textOf(5),
              Fr("La déclaration a été enregistrée dans ") + Cite(ailleurs) + ".");
    EXPECT_EQ(m_dialogues.last().icon, Icon::Information);
    EXPECT_TRUE(issue.termine);
    EXPECT_TRUE(issue.modifie);
    EXPECT_TRUE(issue.enregistre);
    TDeclarationRevenus relue;
    ASSERT_TRUE(TFichierDeclaration(ailleurs).Lit(relue));
    EXPECT_EQ(relue.Valeur(kNom), "Martin-Dupont");
    EXPECT_EQ(relue, assistant.getModele().Declaration());
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
        ASSERT_TRUE(assistant.OuvreAuDemarrage());
        Execute(assistant, [&] {
            Suivant(assistant);
            Tape(EcranDe<TViewDeclarant>(assistant)->EditNom, "-Dupont");
            Suivant(assistant);
            // What a killed process leaves behind.
            std::filesystem::copy_file(options.fichierReprise, Chemin("laissee.txt"));
            m_dialogues.answer(Answer::OK);
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

// Return and Escape in an open list act on the list only, never on the wizard; a wrong day is
// refused when its field is left, and takes the focus back.
TEST_F(TAssistantRevenusTest, DeclarantScreenTakesKeysAsAUserExpects)
{
    const std::pair<Qt::Key, int> touches[] = {{Qt::Key_Return, 1}, {Qt::Key_Escape, 0}};
    Parcourt([&] {
        ASSERT_TRUE(VaA(*m_assistant, kEcranDeclarant));
        auto* vue = Affichee<TViewDeclarant>();
        for (const auto& [touche, deplacement] : touches) {
            const int avant = vue->ComboSituation->currentIndex();
            vue->ComboSituation->showPopup();
            QTRY_VERIFY(QApplication::activePopupWidget());
            QWidget* liste = QApplication::activePopupWidget()->focusWidget();
            ASSERT_TRUE(liste);
            QTest::keyClick(liste, Qt::Key_Down);
            QTest::keyClick(liste, touche);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            EXPECT_EQ(vue->ComboSituation->currentIndex(), avant + deplacement) << touche;
            EXPECT_EQ(m_dialogues.count(), 0u) << touche;
            EXPECT_TRUE(Boutons()->isVisible()) << touche;
        }
        Tape(vue->EditJour, QStringLiteral("32"));
        EXPECT_TRUE(vue->EditJour->hasFocus());
        ASSERT_GE(m_dialogues.count(), 1u);
        EXPECT_EQ(m_dialogues.textOf(0), "Jour incorrect");
        EXPECT_EQ(m_dialogues.captionOf(0), "Erreur de saisie");
    });
}

TEST_F(TAssistantRevenusTest, AuditFilterShowsOneKindAndAMessageLeadsToItsField)
{
    Parcourt([&] {
        ASSERT_TRUE(VaA(*m_assistant, kEcranControles));
        TcxKelTreeList* liste = Affichee<TViewControles>()->ListeMessages;
        Boutons()->ACT_Filtre_Anomalies->Execute();
        Noms lignes;
        for (int i = 0; i < liste->GetAbsoluteCount(); ++i)
            lignes.push_back(liste->GetAbsoluteItem(i)->GetValue(0));
        EXPECT_EQ(lignes,
                  (Noms{"Anomalies (2)", Fr("La date de naissance du déclarant est incomplète."),
                        Fr("La case de certification n'est pas cochée.")}));
        liste->SetFocusedNode(liste->GetAbsoluteItem(1));
        Affichee<TViewControles>()->ButtonAller->Click();
        // The screen changes from the message loop, after the click.
        QTRY_VERIFY(Affichee<TViewDeclarant>());
        EXPECT_EQ(Affichee<TViewDeclarant>()->focusWidget(), Affichee<TViewDeclarant>()->EditAnnee);
    });
}

// The editor refuses what it cannot keep; whatever changes the data (an element, an import,
// a re-initialisation) refreshes the caption's tax and the count line as a keystroke does. A
// re-initialisation that takes the shown screen out goes back to the first one.
TEST_F(TAssistantRevenusTest, EveryRoadThatChangesTheDataRefreshesTheCaptionAndTheCounts)
{
    D().SetValeur(kACharge, "1");
    TDeclarationRevenus importee = D();
    importee.SetValeur(kSituationFamille, "2");
    importee.Personnes().push_back({"Jules", "2012", false});
    Choisit(*m_assistant, Chemin("importee.txt"));
    ASSERT_TRUE(TFichierDeclaration(Chemin("importee.txt")).Ecrit(importee));
    Parcourt([&] {
        ASSERT_TRUE(VaA(*m_assistant, kEcranPersonnes));
        TPrAssistantRevenus* racine = m_assistant->getRacine();
        std::string legende;
        auto releve = [&](const char* route) {
            SCOPED_TRACE(route);
            legende = qobject_cast<TViewBaseForm*>(racine->getView())->getScreenName();
            EXPECT_EQ(legende, racine->Titre());
            if (auto* personnes = Affichee<TViewPersonnesACharge>()) {
                EXPECT_EQ(personnes->LabelNombre->GetText(),
                          m_assistant->getModele().ValeurLettre(kNombrePersonnes));
            }
        };
        SurEditeur([&](TDialoguePersonne* dialogue) {
            dialogue->ButtonOk->Click(); // no name
            Tape(dialogue->EditPrenom, "Hugo");
            Tape(dialogue->EditAnnee, "1850");
            dialogue->ButtonOk->Click(); // year out of range
            dialogue->EditAnnee->SetText("2019");
            dialogue->ButtonOk->Click();
        });
        Affichee<TViewPersonnesACharge>()->ACT_Ajouter->Execute();
        releve("add");
        ASSERT_EQ(m_dialogues.count(), 2u);
        EXPECT_EQ(m_dialogues.textOf(0),
                  Fr("Le prénom de la personne à charge doit être renseigné."));
        EXPECT_EQ(m_dialogues.textOf(1),
                  Fr("L'année de naissance doit être une année de 1900 à 2024."));
        Boutons()->ACT_Services_Import->Execute();
        releve("import");
        m_dialogues.answer(Answer::OK);
        Boutons()->ACT_Services_ReintTotale->Execute();
        releve("total");
        // The tax of the blank declaration.
        EXPECT_NE(legende.find(Fr("1~768~€")), std::string::npos) << legende;
        EXPECT_EQ(Actif(), kEcranAccueil);
    });
    // Abandoned: the declaration of the start is back.
    EXPECT_TRUE(D().Coche(kACharge));
}

// Every screen of a household with everything: each focusable widget of the window is named
// for a screen reader (a field after its label, a field without one after its row), each
// screen after its title; Alt and a letter reaches one thing only.
TEST_F(TAssistantRevenusTest, EveryScreenIsNamedAndTakesEachAltLetterOnce)
{
    D().SetValeur(kACharge, "1");
    D().SetValeur(kRevenusFonciers, "1");
    D().SetValeur(kSituationFamille, "2");
    Noms sansNom, conflits;
    QStringList titres, nomsEcrans, noms;
    Parcourt([&] {
        TCinematicManagerAbstract* flux = m_assistant->getRacine()->getCinematicManager();
        const TPrEcranVCL* ecrans = nullptr;
        for (TPrComposite* fils : m_assistant->getRacine()->getFils())
            if (const auto* ecran = dynamic_cast<const TPrEcranVCL*>(fils))
                ecrans = ecran;
        ASSERT_NE(ecrans, nullptr);
        for (int index = 0; const TScreenInformation* info = flux->GetDisplayScreenInfo(index);
             ++index) {
            if (info->getIdRessource() <= 0)
                continue; // a heading
            flux->setEnumEcranActif(info->getIdScreen());
            m_assistant->getRacine()->ChangeScreen();
            TViewRevenus* ecran = demotest::Ecran(*m_assistant);
            std::string titre;
            flux->GetTitleScreen(info->getIdRessource(), titre);
            titres << QString::fromLatin1(titre.c_str());
            nomsEcrans << NomAccessible(ecran);
            // The whole window: the screen, the buttons bar and the navigation tree.
            for (QWidget* widget : ecran->window()->findChildren<QWidget*>()) {
                if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(ecran->window()) &&
                    !widget->isWindow() && NomAccessible(widget).isEmpty())
                    sansNom.push_back(widget->objectName().toStdString());
            }
            // Against the rest of the window, as the framework checks it, and within the screen.
            for (const std::string& conflit : ecrans->MnemonicClashes())
                conflits.push_back(conflit);
            std::map<QChar, QString> lettres;
            QStringList textes;
            for (const QLabel* libelle : ecran->findChildren<QLabel*>())
                textes << libelle->text();
            for (const QAbstractButton* bouton : ecran->findChildren<QAbstractButton*>())
                textes << bouton->text();
            for (const QString& texte : textes) {
                const QChar c = Mnemonic::KeyOf(texte);
                if (!c.isNull() && !lettres.emplace(c, texte).second)
                    conflits.push_back(texte.toStdString() + " / " + lettres[c].toStdString());
            }
            if (auto* declarant = qobject_cast<TViewDeclarant*>(ecran))
                noms << NomAccessible(declarant->EditNom) << NomAccessible(declarant->EditJour)
                     << NomAccessible(declarant->ComboSituation);
            if (auto* salaires = qobject_cast<TViewSalaires*>(ecran))
                noms << NomAccessible(salaires->EditSalaire1);
        }
    });
    EXPECT_EQ(conflits, Noms{});
    EXPECT_EQ(sansNom, Noms{});
    EXPECT_EQ(titres.size(), 12);
    EXPECT_EQ(nomsEcrans, titres);
    EXPECT_EQ(noms, (QStringList{"Nom", "Date de naissance, jour", "Situation de famille",
                                 QString::fromUtf8("Salaires du déclarant")}));
}

} // namespace
