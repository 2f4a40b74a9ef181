// The sample's screens through the real wizard window: conditional screens, the list of
// dependants with its element editor, the date controller, the tax following every key, the
// audit list and its filters, a service that takes the shown screen out of the flow.

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
#include "TViewRecapitulatif.h"
#include "TViewRevenus.h"
#include "TViewSalaires.h"
#include "TViewSignature.h"
#include "TViewSituation.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TPrNavigateTree.h"
#include "view/TViewBaseForm.h"
#include "view/TViewManagementButtons.h"
#include "view/TViewNavigateTree.h"

#include "AccessibilityEvents.h"
#include "Cp1252.h"
#include "DesktopMetrics.h"
#include "Mnemonic.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TAction.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxEditDate.h"
#include "TcxEditNum.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace revenus;
using namespace demotest;
using Answer = DialogSeam::Answer;

namespace {

class TEcransRevenusTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        PrepareQtUneFois();
        SetDesktopSizeOverride(1280, 1024);
        QtLeakCheckedTest::SetUp();
        m_assistant = std::make_unique<TAssistantRevenus>(
            Options((m_dossier.path() + "/declaration.txt").toStdString()));
        // Enough for the declarant's screen to let the user go on.
        TDeclarationRevenus declaration;
        declaration.SetValeur(kNom, "Martin");
        declaration.SetValeur(kSituationFamille, "1");
        m_assistant->getModele().SetDeclaration(declaration);
    }

    void TearDown() override
    {
        m_assistant.reset();
        QtLeakCheckedTest::TearDown();
        SetDesktopSizeOverride(0, 0);
    }

    // Runs the wizard; `pendant` runs on its first screen. The wizard is then abandoned (the
    // abandon question, if any, answered OK).
    void Execute(const std::function<void()>& pendant)
    {
        demotest::Execute(*m_assistant, [&] {
            pendant();
            m_dialogues.answer(Answer::OK);
            Annule(*m_assistant);
        });
    }

    // "Suivant >" until `ecran` is shown (at most ten times).
    bool VaA(int ecran)
    {
        for (int i = 0; i < 10 && EcranActif(*m_assistant) != ecran; ++i)
            Suivant(*m_assistant);
        return EcranActif(*m_assistant) == ecran;
    }

    int LignesNavigation()
    {
        for (TPrComposite* fils : m_assistant->getRacine()->getFils()) {
            if (auto* arbre = dynamic_cast<TPrNavigateTree*>(fils))
                return arbre->getViewNavigateTree()->cxKelTreeList_Navigate->GetAbsoluteCount();
        }
        return -1;
    }

    // Fills the element editor that the next action opens and validates it (or cancels it).
    void Editeur(const QString& prenom, const QString& annee, bool valide = true)
    {
        QTimer::singleShot(0, [prenom, annee, valide] {
            for (QWidget* fenetre : QApplication::topLevelWidgets()) {
                auto* dialogue = qobject_cast<TDialoguePersonne*>(fenetre);
                if (!dialogue || !dialogue->isVisible())
                    continue;
                Tape(dialogue->EditPrenom, prenom);
                Tape(dialogue->EditAnnee, annee);
                (valide ? dialogue->ButtonOk : dialogue->ButtonAnnuler)->Click();
            }
        });
    }

    std::vector<std::string> Prenoms() const
    {
        std::vector<std::string> prenoms;
        for (const auto& personne : m_assistant->getModele().Declaration().Personnes())
            prenoms.push_back(personne.prenom);
        return prenoms;
    }

    QTemporaryDir m_dossier;
    ScriptedDialogs m_dialogues;
    std::unique_ptr<TAssistantRevenus> m_assistant;
};

TEST_F(TEcransRevenusTest, ReturnAndEscapeInAnOpenListActOnTheListOnly)
{
    const struct
    {
        Qt::Key key;
        int lineMove; // Return picks the highlighted line; Escape keeps the selected one
    } cases[] = {{Qt::Key_Return, 1}, {Qt::Key_Enter, 1}, {Qt::Key_Escape, 0}};
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranDeclarant));
        TcxComboBox* combo = EcranDe<TViewDeclarant>(*m_assistant)->ComboSituation;
        for (const auto& c : cases) {
            const int before = combo->currentIndex();
            combo->showPopup();
            QTRY_VERIFY(QApplication::activePopupWidget());
            QWidget* list = QApplication::activePopupWidget()->focusWidget();
            ASSERT_TRUE(list);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, c.key);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            EXPECT_EQ(combo->currentIndex(), before + c.lineMove) << c.key;
            // Neither the wizard's end nor its abandon question.
            EXPECT_EQ(m_dialogues.count(), 0u) << c.key;
            EXPECT_EQ(EcranActif(*m_assistant), kEcranDeclarant) << c.key;
            EXPECT_TRUE(Barre(*m_assistant)->isVisible()) << c.key;
        }
    });
}

TEST_F(TEcransRevenusTest, ANewScreenTakesWhatIsTypedNextInItsFirstField)
{
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranDeclarant));
        auto* declarant = EcranDe<TViewDeclarant>(*m_assistant);
        EXPECT_EQ(declarant->window()->focusWidget(), declarant->EditNom);
        ASSERT_TRUE(VaA(kEcranSalaires));
        auto* salaires = EcranDe<TViewSalaires>(*m_assistant);
        QWidget* first = salaires->window()->focusWidget();
        EXPECT_TRUE(first && salaires->isAncestorOf(first));
        // An amount without decimals (here a prefilled one the user takes over with F2): the
        // separator and what follows never multiply it.
        TcxEditNum* montant = salaires->EditSalaire1;
        if (!montant->GetActivated())
            QTest::keyClick(montant, Qt::Key_F2);
        ASSERT_TRUE(montant->GetActivated());
        montant->clear();
        QTest::keyClicks(montant, "1234,56");
        emit montant->editingFinished();
        EXPECT_EQ(montant->text(), QStringLiteral("1 234"));
    });
}

TEST_F(TEcransRevenusTest, APartlyTypedDateKeepsTheUserOnItsFieldWithAMessage)
{
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranSignature));
        auto* signature = EcranDe<TViewSignature>(*m_assistant);
        signature->EditDate->clear();
        signature->EditDate->setCursorPosition(0);
        QTest::keyClicks(signature->EditDate, "030620");
        m_dialogues.answer(Answer::OK);
        Barre(*m_assistant)->PB_PRECEDENT->Click();
        ASSERT_EQ(m_dialogues.count(), 1u);
        EXPECT_EQ(m_dialogues.textOf(0), "La date saisie est incompl\xE8te : jj/mm/aaaa");
        EXPECT_EQ(EcranActif(*m_assistant), kEcranSignature);
        EXPECT_EQ(signature->window()->focusWidget(), signature->EditDate);
        EXPECT_EQ(signature->EditDate->GetText(), "03/06/20  ");
    });
}

TEST_F(TEcransRevenusTest, DependantsScreenIsInTheFlowOnlyWhileTheHouseholdDeclaresDependants)
{
    int lignesAvant = 0, lignesAvec = 0, lignesApres = 0;
    int ecranAvec = 0, ecranSans = 0;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranSituation));
        auto* foyer = EcranDe<TViewSituation>(*m_assistant);
        lignesAvant = LignesNavigation();
        foyer->CheckACharge->click();
        lignesAvec = LignesNavigation();
        Suivant(*m_assistant);
        ecranAvec = EcranActif(*m_assistant);
        Barre(*m_assistant)->PB_PRECEDENT->Click();
        EcranDe<TViewSituation>(*m_assistant)->CheckACharge->click();
        lignesApres = LignesNavigation();
        Suivant(*m_assistant);
        ecranSans = EcranActif(*m_assistant);
    });
    EXPECT_EQ(lignesAvec, lignesAvant + 1);
    EXPECT_EQ(lignesApres, lignesAvant);
    EXPECT_EQ(ecranAvec, kEcranPersonnes);
    // The next screen with a title, past the "Vos revenus" heading.
    EXPECT_EQ(ecranSans, kEcranSalaires);
}

TEST_F(TEcransRevenusTest, DependantsAreAddedModifiedMovedAndDeletedThroughTheListManager)
{
    m_assistant->getModele().Declaration().SetValeur(kACharge, "1");
    std::vector<std::string> apresAjouts, apresAnnulation, apresMonter, apresRefus,
        apresSuppression;
    std::string question;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranPersonnes));
        auto* vue = EcranDe<TViewPersonnesACharge>(*m_assistant);
        EXPECT_TRUE(vue->ACT_Ajouter->GetEnabled());
        EXPECT_FALSE(vue->ACT_Supprimer->GetEnabled()); // no line focused

        Editeur("L\u00e9a", "2016");
        vue->ACT_Ajouter->Execute();
        Editeur("Hugo", "2019");
        vue->ACT_Ajouter->Execute();
        apresAjouts = Prenoms();
        Editeur("Zo\u00e9", "2020", false);
        vue->ACT_Ajouter->Execute();
        apresAnnulation = Prenoms();

        // Hugo is focused after his addition: he moves up and stays focused.
        vue->ListePersonnes->SetFocusedNode(vue->ListePersonnes->GetItem(1));
        vue->ACT_Monter->Execute();
        apresMonter = Prenoms();
        EXPECT_EQ(vue->ListePersonnes->GetFocusedNode(), vue->ListePersonnes->GetItem(0));
        EXPECT_FALSE(vue->ACT_Monter->GetEnabled());

        m_dialogues.answer(Answer::Cancel);
        vue->ACT_Supprimer->Execute();
        apresRefus = Prenoms();
        question = m_dialogues.textOf(m_dialogues.count() - 1);
        m_dialogues.answer(Answer::OK);
        vue->ACT_Supprimer->Execute();
        apresSuppression = Prenoms();
    });
    EXPECT_EQ(apresAjouts, (std::vector<std::string>{"L\xE9"
                                                     "a",
                                                     "Hugo"}));
    EXPECT_EQ(apresAnnulation, apresAjouts);
    EXPECT_EQ(apresMonter, (std::vector<std::string>{"Hugo", "L\xE9"
                                                             "a"}));
    EXPECT_EQ(apresRefus, apresMonter);
    EXPECT_EQ(question, "Confirmez-vous la suppression de cet \xE9l\xE9ment : Hugo (2019) ?");
    EXPECT_EQ(apresSuppression, (std::vector<std::string>{"L\xE9"
                                                          "a"}));
}

TEST_F(TEcransRevenusTest, ElementEditorRefusesADependantWithoutNameOrWithABadYear)
{
    m_assistant->getModele().Declaration().SetValeur(kACharge, "1");
    std::vector<std::string> messages;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranPersonnes));
        QTimer::singleShot(0, [&] {
            for (QWidget* fenetre : QApplication::topLevelWidgets()) {
                auto* dialogue = qobject_cast<TDialoguePersonne*>(fenetre);
                if (!dialogue || !dialogue->isVisible())
                    continue;
                dialogue->ButtonOk->Click(); // no name
                Tape(dialogue->EditPrenom, "Hugo");
                Tape(dialogue->EditAnnee, "1850");
                dialogue->ButtonOk->Click(); // year out of range
                messages.push_back(dialogue->isVisible() ? "ouvert" : "ferm\xE9");
                dialogue->EditAnnee->SetText("2019");
                dialogue->ButtonOk->Click();
            }
        });
        EcranDe<TViewPersonnesACharge>(*m_assistant)->ACT_Ajouter->Execute();
    });
    ASSERT_EQ(m_dialogues.count(), 3u); // two refusals, then the abandon question
    EXPECT_EQ(m_dialogues.textOf(0),
              "Le pr\xE9nom de la personne \xE0 charge doit \xEAtre renseign\xE9.");
    EXPECT_EQ(m_dialogues.textOf(1), "L'ann\xE9"
                                     "e de naissance doit \xEAtre une ann\xE9"
                                     "e de 1900 \xE0 2024.");
    EXPECT_EQ(m_dialogues.captionOf(0), "Kelmar Revenus");
    EXPECT_EQ(messages, (std::vector<std::string>{"ouvert"}));
}

TEST_F(TEcransRevenusTest, DateOfBirthIsCheckedWhenOneOfItsFieldsIsLeft)
{
    bool focusRendu = false;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranDeclarant));
        auto* vue = EcranDe<TViewDeclarant>(*m_assistant);
        Tape(vue->EditJour, "32");
        vue->EditMois->setFocus(Qt::TabFocusReason);
        focusRendu = vue->EditJour->hasFocus();
    });
    ASSERT_GE(m_dialogues.count(), 1u);
    EXPECT_EQ(m_dialogues.textOf(0), "Jour incorrect");
    EXPECT_EQ(m_dialogues.captionOf(0), "Erreur de saisie");
    EXPECT_TRUE(focusRendu);
}

TEST_F(TEcransRevenusTest, BalanceFollowsEveryKeyOfTheWithholdingTax)
{
    std::vector<double> soldes;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranRecapitulatif));
        auto* vue = EcranDe<TViewRecapitulatif>(*m_assistant);
        soldes.push_back(vue->EditSolde->GetValue());
        for (const char* touche : {"1", "0", "0"}) {
            Tape(vue->EditPrelevement, touche);
            soldes.push_back(vue->EditSolde->GetValue());
        }
    });
    // 1 768 to pay, then less 1, 10 and 100 euros.
    EXPECT_EQ(soldes, (std::vector<double>{1768, 1767, 1758, 1668}));
}

TEST_F(TEcransRevenusTest, AuditFilterShowsOneKindAndAMessageLeadsToItsField)
{
    std::vector<std::string> lignesFiltrees;
    std::string ligneNombre;
    int ecranApres = 0;
    bool focusAnnee = false;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranControles));
        auto* vue = EcranDe<TViewControles>(*m_assistant);
        const int toutes = vue->ListeMessages->GetAbsoluteCount();
        Barre(*m_assistant)->ACT_Filtre_Anomalies->Execute();
        ligneNombre = vue->LabelNombre->GetText();
        for (int i = 0; i < vue->ListeMessages->GetAbsoluteCount(); ++i)
            lignesFiltrees.push_back(vue->ListeMessages->GetAbsoluteItem(i)->GetValue(0));
        EXPECT_LT(vue->ListeMessages->GetAbsoluteCount(), toutes);

        vue->ListeMessages->SetFocusedNode(vue->ListeMessages->GetAbsoluteItem(1));
        vue->ButtonAller->Click();
        // The screen changes from the message loop, after the click.
        QApplication::processEvents();
        ecranApres = EcranActif(*m_assistant);
        if (auto* declarant = EcranDe<TViewDeclarant>(*m_assistant))
            focusAnnee = declarant->focusWidget() == declarant->EditAnnee;
    });
    EXPECT_EQ(lignesFiltrees,
              (std::vector<std::string>{"Anomalies (2)",
                                        "La date de naissance du d\xE9"
                                        "clarant est incompl\xE8te.",
                                        "La case de certification n'est pas coch\xE9"
                                        "e."}));
    // The count line says what the filter lets through.
    EXPECT_EQ(ligneNombre.rfind("2 messages affich\xE9s sur ", 0), 0u) << ligneNombre;
    EXPECT_EQ(ecranApres, kEcranDeclarant);
    EXPECT_TRUE(focusAnnee);
}

// Whatever changes the data (a list action, an import, a re-initialisation) refreshes what a
// keystroke refreshes: the caption's tax, the computed fields and the count lines.
TEST_F(TEcransRevenusTest, EveryRoadThatChangesTheDataRefreshesTheCaptionAndTheCounts)
{
    m_assistant->getModele().Declaration().SetValeur(kACharge, "1");
    TDeclarationRevenus importee;
    importee.SetValeur(kNom, "Durand");
    importee.SetValeur(kSituationFamille, "2");
    importee.SetValeur(kACharge, "1");
    importee.Personnes().push_back({"Jules", "2012", false});
    const std::string fichier = (m_dossier.path() + "/importee.txt").toStdString();
    ASSERT_TRUE(TFichierDeclaration(fichier).Ecrit(importee));
    m_assistant->getServices().choixFichier = [fichier](TServicesRevenus::Operation,
                                                        const std::string&) { return fichier; };

    struct Etat
    {
        std::string route, legende, titre, nombre, attendu;
    };
    std::vector<Etat> etats;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranPersonnes));
        auto* vue = EcranDe<TViewPersonnesACharge>(*m_assistant);
        TPrAssistantRevenus* racine = m_assistant->getRacine();
        auto releve = [&](const std::string& route) {
            auto* fenetre = qobject_cast<TViewBaseForm*>(racine->getView());
            auto* personnes = EcranDe<TViewPersonnesACharge>(*m_assistant);
            etats.push_back({route, fenetre->getScreenName(), racine->Titre(),
                             personnes ? personnes->LabelNombre->GetText() : std::string(),
                             m_assistant->getModele().ValeurLettre(kNombrePersonnes)});
        };
        Editeur("L\u00e9a", "2016");
        vue->ACT_Ajouter->Execute();
        releve("ajout");
        vue->ListePersonnes->SetFocusedNode(vue->ListePersonnes->GetItem(0));
        vue->ACT_Dupliquer->Execute();
        releve("duplication");
        vue->ListePersonnes->SetFocusedNode(vue->ListePersonnes->GetItem(1));
        vue->ACT_Monter->Execute();
        releve("d\xE9placement");
        m_dialogues.answer(Answer::OK);
        vue->ACT_Supprimer->Execute();
        releve("suppression");
        Barre(*m_assistant)->ACT_Services_Import->Execute();
        releve("import");
        m_dialogues.answer(Answer::OK);
        Barre(*m_assistant)->ACT_Services_ReinitPartielle->Execute();
        releve("r\xE9initialisation partielle");
        m_dialogues.answer(Answer::OK);
        Barre(*m_assistant)->ACT_Services_ReintTotale->Execute();
        releve("r\xE9initialisation totale");
    });
    ASSERT_EQ(etats.size(), 7u);
    for (const Etat& etat : etats) {
        SCOPED_TRACE(etat.route);
        EXPECT_EQ(etat.legende, etat.titre);
        if (!etat.nombre.empty()) {
            EXPECT_EQ(etat.nombre, etat.attendu);
        }
    }
    // After a total re-initialisation the caption gives the tax of the blank declaration.
    EXPECT_NE(etats.back().legende.find("1\xA0"
                                        "768\xA0\x80"),
              std::string::npos)
        << etats.back().legende;
}

// Alt and a letter reaches one thing only: no screen takes a letter of the rest of the window or
// twice, and no two entries of the Services menu share one.
TEST_F(TEcransRevenusTest, NoAltLetterIsTakenTwice)
{
    TDeclarationRevenus& d = m_assistant->getModele().Declaration();
    d.SetValeur(kACharge, "1");
    d.SetValeur(kRevenusFonciers, "1");
    d.SetValeur(kSituationFamille, "2");
    std::vector<std::string> conflits;
    Execute([&] {
        TViewManagementButtons* barre = Barre(*m_assistant);
        const TPrEcranVCL* ecrans = nullptr;
        for (TPrComposite* fils : m_assistant->getRacine()->getFils())
            if (const auto* ecran = dynamic_cast<const TPrEcranVCL*>(fils))
                ecrans = ecran;
        ASSERT_NE(ecrans, nullptr);

        std::map<QChar, std::string> menu;
        for (const TAction* action :
             {barre->ACT_Filtre_AuditGeneral, barre->ACT_Filtre_Anomalies,
              barre->ACT_Filtre_Avertissement, barre->ACT_Filtre_Conseils,
              barre->ACT_Filtre_Messages, barre->ACT_Filtre_PiecesJointes,
              barre->ACT_Modifier_Declaration, barre->ACT_Services_Imprimer,
              barre->ACT_Services_Import, barre->ACT_Services_ReinitPartielle,
              barre->ACT_Services_ReintTotale}) {
            const QChar c = Mnemonic::KeyOf(Cp1252::toQString(action->GetCaption()));
            if (!menu.emplace(c, action->GetCaption()).second)
                conflits.push_back(action->GetCaption() + " / " + menu[c]);
        }

        for (int ecran = kEcranAccueil; ecran <= kEcranSignature; ++ecran) {
            TCinematicManagerAbstract* flux = m_assistant->getRacine()->getCinematicManager();
            const TScreenInformation* info = flux->GetInfoEcran(ecran);
            if (!info || !info->IsValid() || info->getIdRessource() <= 0)
                continue; // out of the flow, or a heading
            flux->setEnumEcranActif(ecran);
            m_assistant->getRacine()->ChangeScreen();
            // Against the rest of the window, as the framework checks it.
            for (const std::string& conflit : ecrans->MnemonicClashes())
                conflits.push_back(conflit);
            std::map<QChar, QString> lettres;
            auto note = [&](const QString& texte) {
                const QChar c = Mnemonic::KeyOf(texte);
                if (c.isNull())
                    return;
                if (!lettres.emplace(c, texte).second)
                    conflits.push_back(Cp1252::fromQString(texte + " / " + lettres[c]));
            };
            const TViewRevenus* vue = demotest::Ecran(*m_assistant);
            ASSERT_NE(vue, nullptr) << ecran;
            for (const QLabel* libelle : vue->findChildren<QLabel*>())
                note(libelle->text());
            for (const QAbstractButton* bouton : vue->findChildren<QAbstractButton*>())
                note(bouton->text());
        }
    });
    EXPECT_TRUE(conflits.empty()) << ::testing::PrintToString(conflits);
}

// The gestures a user tries: two digits move to the next part of the date, the spouse's salary
// is not there for a single declarant, a double click modifies a dependant, Delete deletes it
// after the confirmation, and the dependant's editor opens over the wizard.
TEST_F(TEcransRevenusTest, GesturesDoWhatAUserExpects)
{
    m_assistant->getModele().Declaration().SetValeur(kACharge, "1");
    m_assistant->getModele().Declaration().Personnes().push_back({"Hugo", "2019", false});
    bool moisApresJour = false, anneeApresMois = false, conjointVisible = true;
    bool editeurCentre = false;
    std::vector<std::string> apresSuppression;
    std::size_t questions = 0;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranDeclarant));
        auto* declarant = EcranDe<TViewDeclarant>(*m_assistant);
        Tape(declarant->EditJour, QStringLiteral("12"));
        moisApresJour = declarant->EditMois->hasFocus();
        Tape(declarant->EditMois, QStringLiteral("05"));
        anneeApresMois = declarant->EditAnnee->hasFocus();
        Tape(declarant->EditAnnee, QStringLiteral("1980"));

        ASSERT_TRUE(VaA(kEcranPersonnes));
        auto* vue = EcranDe<TViewPersonnesACharge>(*m_assistant);
        vue->ListePersonnes->SetFocusedNode(vue->ListePersonnes->GetItem(0));
        QTimer::singleShot(0, [&] {
            for (QWidget* fenetre : QApplication::topLevelWidgets()) {
                auto* dialogue = qobject_cast<TDialoguePersonne*>(fenetre);
                if (!dialogue || !dialogue->isVisible())
                    continue;
                const QPoint ecart = dialogue->frameGeometry().center() -
                                     m_assistant->getRacine()->getView()->frameGeometry().center();
                editeurCentre = ecart.manhattanLength() <= 2;
                dialogue->ButtonAnnuler->Click();
            }
        });
        const QModelIndex ligne = vue->ListePersonnes->currentIndex();
        emit vue->ListePersonnes->doubleClicked(ligne);
        const std::size_t avant = m_dialogues.count();
        m_dialogues.answer(Answer::OK);
        QKeyEvent suppr(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        vue->ListePersonnes->setFocus();
        QApplication::sendEvent(vue->ListePersonnes, &suppr);
        questions = m_dialogues.count() - avant;
        apresSuppression = Prenoms();

        ASSERT_TRUE(VaA(kEcranSalaires));
        conjointVisible = EcranDe<TViewSalaires>(*m_assistant)->EditSalaire2->isVisible();
    });
    EXPECT_TRUE(moisApresJour);
    EXPECT_TRUE(anneeApresMois);
    EXPECT_TRUE(editeurCentre);
    EXPECT_EQ(questions, 1u);
    EXPECT_TRUE(apresSuppression.empty());
    EXPECT_FALSE(conjointVisible);
}

TEST_F(TEcransRevenusTest, ReinitialisationThatRemovesTheShownScreenGoesBackToTheFirstOne)
{
    m_assistant->getModele().Declaration().SetValeur(kACharge, "1");
    int ecran = 0;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranPersonnes));
        m_dialogues.answer(Answer::OK);
        Barre(*m_assistant)->ACT_Services_ReintTotale->Execute();
        ecran = EcranActif(*m_assistant);
    });
    EXPECT_EQ(ecran, kEcranAccueil);
    // Abandoned: the declaration of the start is back.
    EXPECT_TRUE(m_assistant->getModele().Declaration().Coche(kACharge));
}

} // namespace

namespace {

// What a screen reader says of `object`.
QString NomAccessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

TEST_F(TEcransRevenusTest, EveryFocusableWidgetOfEveryScreenIsNamedAndEachScreenAfterItsTitle)
{
    m_assistant->getModele().Declaration().SetValeur(kACharge, "1");
    m_assistant->getModele().Declaration().SetValeur(kRevenusFonciers, "1");
    std::vector<std::string> sansNom;
    std::vector<int> ecrans;
    QStringList titres, nomsEcrans;
    std::map<std::string, QString> noms; // "screen/widget" -> name, for the table below
    QString valeurSituation;
    QAccessible::Role roleFenetre{}, roleEcran{};
    Execute([&] {
        TCinematicManagerAbstract* flux = m_assistant->getRacine()->getCinematicManager();
        for (int index = 0; flux->GetDisplayScreenInfo(index); ++index) {
            const TScreenInformation* info = flux->GetDisplayScreenInfo(index);
            if (info->getIdRessource() <= 0)
                continue; // a heading
            flux->setEnumEcranActif(info->getIdScreen());
            m_assistant->getRacine()->ChangeScreen();
            TViewRevenus* ecran = demotest::Ecran(*m_assistant);
            ASSERT_NE(ecran, nullptr);
            ecrans.push_back(EcranActif(*m_assistant));
            std::string titre;
            flux->GetTitleScreen(info->getIdRessource(), titre);
            titres << QString::fromLatin1(titre.c_str());
            nomsEcrans << NomAccessible(ecran);
            // The whole window: the screen, the buttons bar and the navigation tree.
            QWidget* fenetre = ecran->window();
            for (QWidget* widget : fenetre->findChildren<QWidget*>()) {
                if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(fenetre) ||
                    widget->isWindow())
                    continue;
                const std::string cle = std::to_string(EcranActif(*m_assistant)) + "/" +
                                        widget->objectName().toStdString() +
                                        widget->metaObject()->className();
                const QString nom = NomAccessible(widget);
                if (nom.isEmpty())
                    sansNom.push_back(cle);
            }
            if (auto* declarant = qobject_cast<TViewDeclarant*>(ecran)) {
                for (auto [cle, widget] :
                     {std::pair<const char*, QWidget*>{"nom", declarant->EditNom},
                      {"jour", declarant->EditJour},
                      {"mois", declarant->EditMois},
                      {"annee", declarant->EditAnnee},
                      {"situation", declarant->ComboSituation}})
                    noms[cle] = NomAccessible(widget);
                valeurSituation = QAccessible::queryAccessibleInterface(declarant->ComboSituation)
                                      ->text(QAccessible::Value);
                roleEcran = QAccessible::queryAccessibleInterface(ecran)->role();
                roleFenetre = QAccessible::queryAccessibleInterface(ecran->window())->role();
            }
            if (auto* salaires = qobject_cast<TViewSalaires*>(ecran)) {
                noms["salaire"] = NomAccessible(salaires->EditSalaire1);
                noms["nets"] = NomAccessible(salaires->EditSalairesNets);
            }
        }
    });
    EXPECT_EQ(sansNom, std::vector<std::string>{});
    EXPECT_EQ(ecrans.size(), 12u);
    EXPECT_EQ(nomsEcrans, titres);
    const std::map<std::string, QString> attendus = {
        {"nom", "Nom"},
        {"jour", "Date de naissance, jour"},
        {"mois", "Date de naissance, mois"},
        {"annee", QString::fromUtf8("Date de naissance, année")},
        {"situation", "Situation de famille"},
        {"salaire", QString::fromUtf8("Salaires du déclarant")},
        {"nets", "Salaires nets imposables"}};
    EXPECT_EQ(noms, attendus);
    EXPECT_EQ(valeurSituation, QString::fromUtf8("Célibataire"));
    EXPECT_EQ(roleEcran, QAccessible::Pane);
    EXPECT_EQ(roleFenetre, QAccessible::Dialog);
}

TEST_F(TEcransRevenusTest,
       TypingIsHeardOnlyFromTheFieldAndTheRunningEstimateAndAScreenChangeByItsTitle)
{
    AccessibilityEvents evenements;
    std::vector<std::string> focusAilleurs;
    std::size_t changementsEstimation = 0;
    QString statut, titreAnnonce;
    bool focusGarde = false;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranSalaires));
        auto* vue = EcranDe<TViewSalaires>(*m_assistant);
        // A pre-filled amount, opened for entry: every key changes the estimated tax.
        QWidget* champ = vue->EditSalaire1;
        vue->EditSalaire1->SetActivated(true);
        champ->setFocus(Qt::TabFocusReason);
        for (QDeadlineTimer delai(2000); !champ->hasFocus() && !delai.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(champ->hasFocus());
        QStatusBar* barreStatut = qobject_cast<TViewBaseForm*>(vue->window())->getStatusText();
        evenements.Clear();
        Tape(champ, QStringLiteral("12345"));
        focusGarde = champ->hasFocus();
        for (const auto& e : evenements.Of(QAccessible::Focus))
            if (e.object != champ)
                focusAilleurs.push_back(e.object ? e.object->metaObject()->className() : "?");
        changementsEstimation =
            evenements
                .Of(QAccessible::NameChanged,
                    [&](const AccessibilityEvents::Event& e) { return e.object == barreStatut; })
                .size();
        statut = NomAccessible(barreStatut);

        evenements.Clear();
        Suivant(*m_assistant);
        for (const auto& e : evenements.Of(QAccessible::NameChanged))
            if (e.object == demotest::Ecran(*m_assistant))
                titreAnnonce = e.name;
    });
    EXPECT_EQ(focusAilleurs, std::vector<std::string>{});
    EXPECT_TRUE(focusGarde);
    EXPECT_GE(changementsEstimation, 1u);
    EXPECT_TRUE(statut.contains(QString::fromUtf8("impôt net estimé"))) << statut.toStdString();
    EXPECT_FALSE(titreAnnonce.isEmpty());
}
