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
#include "Mnemonic.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include <map>
#include <memory>

using namespace revenus;
using namespace demotest;
using Answer = DialogSeam::Answer;
using Noms = std::vector<std::string>;

namespace {

// What a screen reader says of `object`.
QString NomAccessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

class TEcransRevenusTest : public DemoTest
{
protected:
    void SetUp() override
    {
        DemoTest::SetUp();
        m_assistant = std::make_unique<TAssistantRevenus>(Options(Chemin("declaration.txt")));
        // Enough for the declarant's screen to let the user go on.
        D().SetValeur(kNom, "Martin");
        D().SetValeur(kSituationFamille, "1");
    }

    void TearDown() override
    {
        m_assistant.reset();
        DemoTest::TearDown();
    }

    // Runs the wizard; `pendant` runs on its first screen, then the wizard is abandoned.
    void Execute(const std::function<void()>& pendant)
    {
        demotest::Execute(*m_assistant, [&] {
            pendant();
            m_dialogues.answer(Answer::OK);
            Annule(*m_assistant);
        });
    }

    TDeclarationRevenus& D() { return m_assistant->getModele().Declaration(); }
    bool VaA(int ecran) { return demotest::VaA(*m_assistant, ecran); }
    int Actif() { return EcranActif(*m_assistant); }
    TViewManagementButtons* Boutons() { return Barre(*m_assistant); }
    template <class Vue>
    Vue* Affichee()
    {
        return EcranDe<Vue>(*m_assistant);
    }
    TCinematicManagerAbstract* Flux() { return m_assistant->getRacine()->getCinematicManager(); }
    // Shows `ecran` as the navigation tree does.
    void Montre(int ecran)
    {
        Flux()->setEnumEcranActif(ecran);
        m_assistant->getRacine()->ChangeScreen();
    }

    int LignesNavigation()
    {
        for (TPrComposite* fils : m_assistant->getRacine()->getFils()) {
            if (auto* arbre = dynamic_cast<TPrNavigateTree*>(fils))
                return arbre->getViewNavigateTree()->cxKelTreeList_Navigate->GetAbsoluteCount();
        }
        return -1;
    }

    Noms Prenoms()
    {
        Noms prenoms;
        for (const auto& personne : D().Personnes())
            prenoms.push_back(personne.prenom);
        return prenoms;
    }

    ScriptedDialogs m_dialogues;
    std::unique_ptr<TAssistantRevenus> m_assistant;
};

// The declarant's screen: the first field takes the keys, Return and Escape in an open list act
// on the list only, two digits move to the next part of the date, a wrong day is refused.
TEST_F(TEcransRevenusTest, DeclarantScreenTakesKeysAsAUserExpects)
{
    const std::pair<Qt::Key, int> touches[] = {
        {Qt::Key_Return, 1}, {Qt::Key_Enter, 1}, {Qt::Key_Escape, 0}}; // the line moved by
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranDeclarant));
        auto* vue = Affichee<TViewDeclarant>();
        EXPECT_EQ(vue->window()->focusWidget(), vue->EditNom);
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
            // Neither the wizard's end nor its abandon question.
            EXPECT_EQ(m_dialogues.count(), 0u) << touche;
            EXPECT_EQ(Actif(), kEcranDeclarant) << touche;
            EXPECT_TRUE(Boutons()->isVisible()) << touche;
        }
        Tape(vue->EditJour, QStringLiteral("12"));
        EXPECT_TRUE(vue->EditMois->hasFocus());
        Tape(vue->EditMois, QStringLiteral("05"));
        EXPECT_TRUE(vue->EditAnnee->hasFocus());
        // A wrong day is refused when its field is left, and takes the focus back.
        vue->EditJour->SetText("");
        Tape(vue->EditJour, QStringLiteral("32"));
        EXPECT_TRUE(vue->EditJour->hasFocus());
        ASSERT_GE(m_dialogues.count(), 1u);
        EXPECT_EQ(m_dialogues.textOf(0), "Jour incorrect");
        EXPECT_EQ(m_dialogues.captionOf(0), "Erreur de saisie");
    });
}

// The balance follows every key of the withholding tax; a partly typed date keeps the user on
// its field with a message.
TEST_F(TEcransRevenusTest, SummaryFollowsEveryKeyAndSignatureRefusesAPartlyTypedDate)
{
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranRecapitulatif));
        auto* recapitulatif = Affichee<TViewRecapitulatif>();
        std::vector<double> soldes = {recapitulatif->EditSolde->GetValue()};
        for (const char* touche : {"1", "0", "0"}) {
            Tape(recapitulatif->EditPrelevement, touche);
            soldes.push_back(recapitulatif->EditSolde->GetValue());
        }
        // 1 768 to pay, then less 1, 10 and 100 euros.
        EXPECT_EQ(soldes, (std::vector<double>{1768, 1767, 1758, 1668}));

        Montre(kEcranSignature);
        auto* signature = Affichee<TViewSignature>();
        signature->EditDate->clear();
        signature->EditDate->setCursorPosition(0);
        QTest::keyClicks(signature->EditDate, "030620");
        m_dialogues.answer(Answer::OK);
        Boutons()->PB_PRECEDENT->Click();
        ASSERT_EQ(m_dialogues.count(), 1u);
        EXPECT_EQ(m_dialogues.textOf(0), Fr("La date saisie est incomplète : jj/mm/aaaa"));
        EXPECT_EQ(Actif(), kEcranSignature);
        EXPECT_EQ(signature->window()->focusWidget(), signature->EditDate);
        EXPECT_EQ(signature->EditDate->GetText(), "03/06/20  ");
    });
}

TEST_F(TEcransRevenusTest, DependantsScreenIsInTheFlowOnlyWhileTheHouseholdDeclaresDependants)
{
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranSituation));
        const int lignes = LignesNavigation();
        Affichee<TViewSituation>()->CheckACharge->click();
        EXPECT_EQ(LignesNavigation(), lignes + 1);
        Suivant(*m_assistant);
        EXPECT_EQ(Actif(), kEcranPersonnes);
        Boutons()->PB_PRECEDENT->Click();
        Affichee<TViewSituation>()->CheckACharge->click();
        EXPECT_EQ(LignesNavigation(), lignes);
        Suivant(*m_assistant);
        // The next screen with a title, past the "Vos revenus" heading.
        EXPECT_EQ(Actif(), kEcranSalaires);
    });
}

TEST_F(TEcransRevenusTest, AuditFilterShowsOneKindAndAMessageLeadsToItsField)
{
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranControles));
        TcxKelTreeList* liste = Affichee<TViewControles>()->ListeMessages;
        const int toutes = liste->GetAbsoluteCount();
        Boutons()->ACT_Filtre_Anomalies->Execute();
        // The count line says what the filter lets through.
        EXPECT_EQ(Affichee<TViewControles>()->LabelNombre->GetText().rfind(
                      Fr("2 messages affichés sur "), 0),
                  0u);
        Noms lignes;
        for (int i = 0; i < liste->GetAbsoluteCount(); ++i)
            lignes.push_back(liste->GetAbsoluteItem(i)->GetValue(0));
        EXPECT_LT(liste->GetAbsoluteCount(), toutes);
        EXPECT_EQ(lignes,
                  (Noms{"Anomalies (2)", Fr("La date de naissance du déclarant est incomplète."),
                        Fr("La case de certification n'est pas cochée.")}));
        liste->SetFocusedNode(liste->GetAbsoluteItem(1));
        Affichee<TViewControles>()->ButtonAller->Click();
        // The screen changes from the message loop, after the click.
        QTRY_VERIFY(Affichee<TViewDeclarant>());
        EXPECT_EQ(Actif(), kEcranDeclarant);
        EXPECT_EQ(Affichee<TViewDeclarant>()->focusWidget(), Affichee<TViewDeclarant>()->EditAnnee);
    });
}

// The dependants through the list manager and its editor (refusals, an editor over the wizard
// opened by a double click, Delete after the question) and whatever else changes the data (an
// import, a re-initialisation) refresh what a keystroke refreshes: the caption's tax and the
// count lines. A re-initialisation that takes the shown screen out goes back to the first one.
TEST_F(TEcransRevenusTest, EveryRoadThatChangesTheDataRefreshesTheCaptionAndTheCounts)
{
    D().SetValeur(kACharge, "1");
    TDeclarationRevenus importee;
    importee.SetValeur(kNom, "Durand");
    importee.SetValeur(kSituationFamille, "2");
    importee.SetValeur(kACharge, "1");
    importee.Personnes().push_back({"Jules", "2012", false});
    const std::string fichier = Chemin("importee.txt");
    ASSERT_TRUE(TFichierDeclaration(fichier).Ecrit(importee));
    m_assistant->getServices().choixFichier = [fichier](auto, auto&) { return fichier; };
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranPersonnes));
        auto* vue = Affichee<TViewPersonnesACharge>();
        TcxKelTreeList* liste = vue->ListePersonnes;
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
        bool ouvertApresRefus = false;
        SurEditeur([&](TDialoguePersonne* dialogue) {
            dialogue->ButtonOk->Click(); // no name
            Tape(dialogue->EditPrenom, "Hugo");
            Tape(dialogue->EditAnnee, "1850");
            dialogue->ButtonOk->Click(); // year out of range
            ouvertApresRefus = dialogue->isVisible();
            dialogue->EditAnnee->SetText("2019");
            dialogue->ButtonOk->Click();
        });
        vue->ACT_Ajouter->Execute();
        releve("add");
        EXPECT_TRUE(ouvertApresRefus);
        ASSERT_EQ(m_dialogues.count(), 2u);
        EXPECT_EQ(m_dialogues.textOf(0),
                  Fr("Le prénom de la personne à charge doit être renseigné."));
        EXPECT_EQ(m_dialogues.textOf(1),
                  Fr("L'année de naissance doit être une année de 1900 à 2024."));
        EXPECT_EQ(m_dialogues.captionOf(0), "Kelmar Revenus");
        Editeur("L\u00e9a", "2016");
        vue->ACT_Ajouter->Execute();
        // Léa moves up and stays focused.
        liste->SetFocusedNode(liste->GetItem(1));
        vue->ACT_Monter->Execute();
        releve("move");
        EXPECT_EQ(Prenoms(), (Noms{Fr("Léa"), "Hugo"}));
        EXPECT_EQ(liste->GetFocusedNode(), liste->GetItem(0));
        vue->ACT_Dupliquer->Execute();
        releve("duplicate");
        EXPECT_EQ(Prenoms(), (Noms{Fr("Léa"), Fr("Léa"), "Hugo"}));
        m_dialogues.answer(Answer::OK);
        vue->ACT_Supprimer->Execute();
        releve("delete");
        EXPECT_EQ(Prenoms(), (Noms{Fr("Léa"), "Hugo"}));
        EXPECT_EQ(m_dialogues.textOf(2),
                  Fr("Confirmez-vous la suppression de cet élément : Léa (2016) ?"));

        liste->SetFocusedNode(liste->GetItem(1));
        QPoint ecart(99, 99);
        SurEditeur([&](TDialoguePersonne* dialogue) {
            ecart =
                dialogue->frameGeometry().center() - racine->getView()->frameGeometry().center();
            dialogue->ButtonAnnuler->Click();
        });
        emit liste->doubleClicked(liste->currentIndex());
        EXPECT_LE(ecart.manhattanLength(), 2);
        m_dialogues.answer(Answer::OK);
        QKeyEvent suppr(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        liste->setFocus();
        QApplication::sendEvent(liste, &suppr);
        EXPECT_EQ(m_dialogues.count(), 4u);
        EXPECT_EQ(Prenoms(), Noms{Fr("Léa")});
        releve("delete key");

        Boutons()->ACT_Services_Import->Execute();
        releve("import");
        for (TAction* reinit :
             {Boutons()->ACT_Services_ReinitPartielle, Boutons()->ACT_Services_ReintTotale}) {
            m_dialogues.answer(Answer::OK);
            reinit->Execute();
            releve(reinit->GetCaption().c_str());
        }
        // After a total re-initialisation the caption gives the tax of the blank declaration.
        EXPECT_NE(legende.find(Fr("1~768~€")), std::string::npos) << legende;
        EXPECT_EQ(Actif(), kEcranAccueil);
    });
    // Abandoned: the declaration of the start is back.
    EXPECT_TRUE(D().Coche(kACharge));
}

// Every screen of a household with everything: each focusable widget of the window is named
// for a screen reader, each screen after its title; Alt and a letter reaches one thing only (no
// screen takes a letter of the rest of the window or twice, no two menu entries share one).
TEST_F(TEcransRevenusTest, EveryScreenIsNamedAndTakesEachAltLetterOnce)
{
    D().SetValeur(kACharge, "1");
    D().SetValeur(kRevenusFonciers, "1");
    D().SetValeur(kSituationFamille, "2");
    Noms sansNom, conflits;
    QStringList titres, nomsEcrans;
    std::map<std::string, QString> noms;
    Execute([&] {
        TViewManagementButtons* barre = Boutons();
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
        const TPrEcranVCL* ecrans = nullptr;
        for (TPrComposite* fils : m_assistant->getRacine()->getFils())
            if (const auto* ecran = dynamic_cast<const TPrEcranVCL*>(fils))
                ecrans = ecran;
        ASSERT_NE(ecrans, nullptr);
        for (int index = 0; const TScreenInformation* info = Flux()->GetDisplayScreenInfo(index);
             ++index) {
            if (info->getIdRessource() <= 0)
                continue; // a heading
            Montre(info->getIdScreen());
            TViewRevenus* ecran = demotest::Ecran(*m_assistant);
            ASSERT_NE(ecran, nullptr);
            std::string titre;
            Flux()->GetTitleScreen(info->getIdRessource(), titre);
            titres << QString::fromLatin1(titre.c_str());
            nomsEcrans << NomAccessible(ecran);
            // The whole window: the screen, the buttons bar and the navigation tree.
            QWidget* fenetre = ecran->window();
            for (QWidget* widget : fenetre->findChildren<QWidget*>()) {
                if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(fenetre) &&
                    !widget->isWindow() && NomAccessible(widget).isEmpty())
                    sansNom.push_back(std::to_string(Actif()) + "/" +
                                      widget->objectName().toStdString() +
                                      widget->metaObject()->className());
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
                    conflits.push_back(Cp1252::fromQString(texte + " / " + lettres[c]));
            }
            if (auto* declarant = qobject_cast<TViewDeclarant*>(ecran)) {
                for (auto [cle, widget] :
                     {std::pair<const char*, QWidget*>{"nom", declarant->EditNom},
                      {"jour", declarant->EditJour},
                      {"mois", declarant->EditMois},
                      {"annee", declarant->EditAnnee},
                      {"situation", declarant->ComboSituation}})
                    noms[cle] = NomAccessible(widget);
                EXPECT_EQ(QAccessible::queryAccessibleInterface(declarant->ComboSituation)
                              ->text(QAccessible::Value),
                          QString::fromUtf8("Marié(e)"));
                EXPECT_EQ(QAccessible::queryAccessibleInterface(ecran)->role(), QAccessible::Pane);
                EXPECT_EQ(QAccessible::queryAccessibleInterface(fenetre)->role(),
                          QAccessible::Dialog);
            }
            if (auto* salaires = qobject_cast<TViewSalaires*>(ecran)) {
                noms["salaire"] = NomAccessible(salaires->EditSalaire1);
                noms["nets"] = NomAccessible(salaires->EditSalairesNets);
            }
        }
    });
    EXPECT_TRUE(conflits.empty()) << ::testing::PrintToString(conflits);
    EXPECT_EQ(sansNom, Noms{});
    EXPECT_EQ(titres.size(), 12);
    EXPECT_EQ(nomsEcrans, titres);
    EXPECT_EQ(noms, (std::map<std::string, QString>{
                        {"nom", "Nom"},
                        {"jour", "Date de naissance, jour"},
                        {"mois", "Date de naissance, mois"},
                        {"annee", QString::fromUtf8("Date de naissance, année")},
                        {"situation", "Situation de famille"},
                        {"salaire", QString::fromUtf8("Salaires du déclarant")},
                        {"nets", "Salaires nets imposables"}}));
}

// The salaries of a single declarant take whole amounts; typing is heard only from the field
// and the running estimate, a screen change by its title.
TEST_F(TEcransRevenusTest, SalariesAreTypedWholeAndHeardFromTheFieldAndTheEstimateOnly)
{
    AccessibilityEvents evenements;
    Execute([&] {
        ASSERT_TRUE(VaA(kEcranSalaires));
        auto* vue = Affichee<TViewSalaires>();
        QWidget* premier = vue->window()->focusWidget();
        EXPECT_TRUE(premier && vue->isAncestorOf(premier));
        // A single declarant: no spouse's salary.
        EXPECT_FALSE(vue->EditSalaire2->isVisible());
        // A pre-filled amount the user takes over with F2: every key changes the estimated tax.
        TcxEditNum* champ = vue->EditSalaire1;
        EXPECT_FALSE(champ->GetActivated());
        QTest::keyClick(champ, Qt::Key_F2);
        ASSERT_TRUE(champ->GetActivated());
        champ->clear();
        QStatusBar* statut = qobject_cast<TViewBaseForm*>(vue->window())->getStatusText();
        evenements.Clear();
        Tape(champ, QStringLiteral("1234,56"));
        EXPECT_TRUE(champ->hasFocus());
        Noms focusAilleurs;
        for (const auto& e : evenements.Of(QAccessible::Focus))
            if (e.object != champ)
                focusAilleurs.push_back(e.object ? e.object->metaObject()->className() : "?");
        EXPECT_EQ(focusAilleurs, Noms{});
        EXPECT_FALSE(
            evenements
                .Of(QAccessible::NameChanged,
                    [&](const AccessibilityEvents::Event& e) { return e.object == statut; })
                .empty());
        EXPECT_TRUE(NomAccessible(statut).contains(QString::fromUtf8("impôt net estimé")));
        // An amount has no decimals: the separator and what follows never multiply it.
        emit champ->editingFinished();
        EXPECT_EQ(champ->text(), QStringLiteral("1 234"));

        evenements.Clear();
        Suivant(*m_assistant);
        QString titreAnnonce;
        for (const auto& e : evenements.Of(QAccessible::NameChanged))
            if (e.object == demotest::Ecran(*m_assistant))
                titreAnnonce = e.name;
        EXPECT_FALSE(titreAnnonce.isEmpty());
    });
}

} // namespace
