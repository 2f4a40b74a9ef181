// The sample's screens through the real wizard window: conditional screens, the list of
// dependants with its element editor, the date controller, the tax following every key, the
// audit list and its filters, a service that takes the shown screen out of the flow.

#include "DemoTestHost.h"
#include "Revenus.h"
#include "TDialoguePersonne.h"
#include "TModeleRevenus.h"
#include "TPrAssistantRevenus.h"
#include "TViewControles.h"
#include "TViewDeclarant.h"
#include "TViewPersonnesACharge.h"
#include "TViewRecapitulatif.h"
#include "TViewSalaires.h"
#include "TViewSignature.h"
#include "TViewSituation.h"

#include "presenter/TPrNavigateTree.h"
#include "view/TViewManagementButtons.h"
#include "view/TViewNavigateTree.h"

#include "DesktopMetrics.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TAction.h"
#include "TEdit.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxEditDate.h"
#include "TcxEditNum.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
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
    int ecranApres = 0;
    bool focusAnnee = false;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranControles));
        auto* vue = EcranDe<TViewControles>(*m_assistant);
        const int toutes = vue->ListeMessages->GetAbsoluteCount();
        Barre(*m_assistant)->ACT_Filtre_Anomalies->Execute();
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
              (std::vector<std::string>{"Anomalies (1)", "La date de naissance du d\xE9"
                                                         "clarant "
                                                         "est incompl\xE8te."}));
    EXPECT_EQ(ecranApres, kEcranDeclarant);
    EXPECT_TRUE(focusAnnee);
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
