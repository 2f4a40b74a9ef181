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
#include "TViewDeclarant.h"
#include "TViewPersonnesACharge.h"
#include "TViewSalaires.h"

#include "presenter/TPrEcranVCL.h"
#include "view/TViewBaseForm.h"
#include "view/TViewManagementButtons.h"

#include "ScriptedDialogs.h"
#include "TAction.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TcxComboBox.h"
#include "TcxEditNum.h"
#include "TcxKelButton.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include <filesystem>

using namespace revenus;
using namespace demotest;
using Answer = DialogSeam::Answer;
using Icon = DialogSeam::Icon;
using Noms = std::vector<std::string>;

namespace {

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
        m_assistant.getModele().SetDeclaration(m_avant);
    }

    // Runs the wizard; `pendant` runs on its first screen, then the wizard is abandoned.
    void Parcourt(const std::function<void()>& pendant)
    {
        Execute(m_assistant, [&] {
            pendant();
            m_dialogues.answer(Answer::OK);
            Annule(m_assistant);
        });
    }

    TDeclarationRevenus& D() { return m_assistant.getModele().Declaration(); }
    TViewManagementButtons* Boutons() { return Barre(m_assistant); }
    template <class Vue>
    Vue* Affichee()
    {
        return EcranDe<Vue>(m_assistant);
    }

    static void Choisit(TAssistantRevenus& assistant, const std::string& chemin)
    {
        assistant.getServices().choixFichier = [chemin](auto, auto&) { return chemin; };
    }

    ScriptedDialogs m_dialogues;
    // Built before the leak check's count, gone after it.
    TAssistantRevenus m_assistant{Options(Chemin("declaration.txt"))};
    // A declaration that is not the blank one, to see that failures leave it alone.
    const TDeclarationRevenus m_avant = With({}, {{kNom, "Martin"}, {kSituationFamille, "1"}});
};

// A file that does not exist yet is a blank declaration: said in one line when the user named
// it; a folder named instead is explained and never kept aside.
TEST_F(TAssistantRevenusTest, StartOnAMissingOrOddFileGivesABlankDeclaration)
{
    std::filesystem::create_directory(Chemin("dossier"));
    const std::string nouvelle = Chemin("nouvelle.txt");
    const std::tuple<std::string, bool, std::string> cas[] = {
        {Chemin("premiere-fois.txt"), false, ""},
        {nouvelle, true,
         Fr("Nouvelle déclaration : le fichier ") + Cite(nouvelle) +
             Fr(" sera créé quand vous terminerez.")},
        {Chemin("dossier"), true,
         Cite(Chemin("dossier")) + Fr(" est un dossier et non un fichier de déclaration.")}};
    for (const auto& [chemin, demande, message] : cas) {
        SCOPED_TRACE(chemin);
        TAssistantRevenus::Options options = Options(chemin);
        options.fichierDemande = demande;
        TAssistantRevenus assistant(options);
        ScriptedDialogs dialogues;
        EXPECT_TRUE(assistant.OuvreAuDemarrage() || demande);
        EXPECT_EQ(assistant.getModele().Declaration(), TDeclarationRevenus());
        ASSERT_EQ(dialogues.count(), message.empty() ? 0u : 1u);
        for (std::size_t i = 0; i < dialogues.count(); ++i)
            EXPECT_EQ(dialogues.textOf(i).rfind(message, 0), 0u) << dialogues.textOf(i);
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
    EXPECT_NE(m_dialogues.textOf(0).find(".illisible"), std::string::npos);
    EXPECT_EQ(assistant.getModele().Declaration(), TDeclarationRevenus());

    ASSERT_TRUE(assistant.EnregistreDeclaration());
    EXPECT_EQ(Contenu(chemin + ".illisible"), abime);
    TDeclarationRevenus lue;
    EXPECT_TRUE(TFichierDeclaration(chemin).Lit(lue));
}

// A bad file is explained in French and changes nothing, so does a print that cannot be
// written; a good file imported shows in the window; amounts open for entry on request;
// re-initialisations ask first; a confirmed abandon puts the declaration of the start back.
TEST_F(TAssistantRevenusTest, ServicesChangeTheDeclarationInTheWindowUntilItIsAbandoned)
{
    const std::string abime = Ecrit("notes.txt", "Liste des courses\npain\n");
    TFichierDeclaration lu(abime);
    EXPECT_FALSE(lu.Lit(D()));
    EXPECT_FALSE(m_assistant.OuvreDeclaration(abime));
    ASSERT_EQ(m_dialogues.count(), 1u);
    EXPECT_EQ(m_dialogues.textOf(0),
              lu.MessageErreur() + Fr("\n\nLa déclaration affichée n'a pas été modifiée."));
    EXPECT_EQ(m_dialogues.last().icon, Icon::Stop);
    const TDeclarationRevenus valide = With(m_avant, {{kNom, "Durand"}, {kDons, "300"}});
    const std::string pdf = Ecrit("ordinaire", "x") + "/declaration.pdf";
    const std::string importe = Ecrit("valide.txt", TFichierDeclaration::Texte(valide));
    m_assistant.getServices().choixFichier = [&](TServicesRevenus::Operation operation, auto&) {
        return operation == TServicesRevenus::Operation::Imprimer ? pdf : importe;
    };
    const TAssistantRevenus::Issue issue = Execute(m_assistant, [&] {
        Suivant(m_assistant);
        TViewManagementButtons* barre = Boutons();
        barre->ACT_Services_Import->Execute();
        EXPECT_EQ(Affichee<TViewDeclarant>()->EditNom->GetText(), "Durand");
        barre->ACT_Services_Imprimer->Execute();
        ASSERT_EQ(m_dialogues.count(), 3u);
        EXPECT_EQ(m_dialogues.textOf(1),
                  Fr("La déclaration ") + Cite(importe) + Fr(" a été importée."));
        EXPECT_EQ(m_dialogues.textOf(2),
                  Fr("Impossible d'imprimer la déclaration dans ") + Cite(pdf) +
                      Fr(" : le dossier n'existe pas ou n'est pas accessible en écriture."));
        ASSERT_TRUE(VaA(m_assistant, kEcranSalaires));
        TcxEditNum* salaire = Affichee<TViewSalaires>()->EditSalaire1;
        EXPECT_FALSE(salaire->GetActivated());
        barre->ACT_Modifier_Declaration->Execute();
        EXPECT_TRUE(salaire->GetActivated());
        EXPECT_EQ(D().Code(kSalaire1Etat), 2);
        const TDeclarationRevenus modifiee = D();
        m_dialogues.answer({Answer::Cancel, Answer::Cancel, Answer::OK});
        barre->ACT_Services_ReinitPartielle->Execute();
        barre->ACT_Services_ReintTotale->Execute();
        EXPECT_EQ(D(), modifiee);
        EXPECT_EQ(m_dialogues.last().buttons, DialogSeam::Buttons::OKCancel);
        barre->ACT_Services_ReinitPartielle->Execute();
        EXPECT_EQ(D().Valeur(kNom), "Durand");
        EXPECT_FALSE(D().Contient(kDons));
        EXPECT_EQ(D().Code(kSalaire1Etat), 1);
        // The window stays on the abandon question answered Cancel, then is abandoned.
        m_dialogues.answer({Answer::Cancel, Answer::OK});
        Annule(m_assistant);
        EXPECT_NE(Boutons(), nullptr);
        Annule(m_assistant);
    });
    EXPECT_FALSE(issue.termine);
    EXPECT_TRUE(issue.modifie);
    EXPECT_FALSE(issue.enregistre);
    EXPECT_EQ(D(), m_avant);
    EXPECT_FALSE(std::filesystem::exists(Chemin("declaration.txt")));
}

// A save that fails at the end keeps the window and what was typed, and offers to try again,
// to save elsewhere or to go back; saved elsewhere, it says where.
TEST_F(TAssistantRevenusTest, SaveFailureAtFinishKeepsTheWindowAndTheData)
{
    const std::string impossible = Ecrit("ordinaire", "x") + "/declaration.txt";
    const std::string ailleurs = Chemin("ailleurs.txt");
    TAssistantRevenus assistant(Options(impossible));
    assistant.getModele().SetDeclaration(With(m_avant, {{kJourNaissance, "12"},
                                                        {kMoisNaissance, "5"},
                                                        {kAnneeNaissance, "1980"},
                                                        {kTelephone, "01 23 45 67 89"},
                                                        {kCertification, "1"}}));
    Choisit(assistant, ailleurs);
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
    for (std::size_t i : {0u, 1u, 3u})
        EXPECT_EQ(m_dialogues.requests()[i].buttons, DialogSeam::Buttons::RetryCancel);
    EXPECT_NE(m_dialogues.textOf(0).find("Rien de ce que vous avez saisi n'est perdu"),
              std::string::npos);
    EXPECT_EQ(m_dialogues.requests()[2].buttons, DialogSeam::Buttons::YesNo);
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
    m_dialogues.answer(Answer::Yes);
    relance.OuvreAuDemarrage();
    ASSERT_EQ(m_dialogues.count(), 2u); // the abandon's question, then the offer
    EXPECT_EQ(m_dialogues.textOf(1).rfind(
                  Fr("Une saisie n'a pas été terminée.\nReprendre la saisie interrompue du "), 0),
              0u);
    EXPECT_EQ(m_dialogues.last().buttons, DialogSeam::Buttons::YesNo);
    EXPECT_EQ(relance.getModele().Declaration().Valeur(kNom), "Martin-Dupont");

    // Declined, the copy goes and the declaration on disk stays.
    TAssistantRevenus refus(options);
    m_dialogues.answer(Answer::No);
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

// The editor refuses what it cannot keep; an element added refreshes the caption's tax and the
// count line as a keystroke does; a re-initialisation that takes the shown screen out goes
// back to the first one.
TEST_F(TAssistantRevenusTest, EveryRoadThatChangesTheDataRefreshesTheCaptionAndTheCounts)
{
    D().SetValeur(kACharge, "1");
    Parcourt([&] {
        ASSERT_TRUE(VaA(m_assistant, kEcranPersonnes));
        TPrAssistantRevenus* racine = m_assistant.getRacine();
        auto legende = [&] {
            return qobject_cast<TViewBaseForm*>(racine->getView())->getScreenName();
        };
        const std::string avant = legende();
        SurEditeur([&](TDialoguePersonne* dialogue) {
            dialogue->ButtonOk->Click(); // no name
            Tape(dialogue->EditPrenom, "Hugo");
            Tape(dialogue->EditAnnee, "1850");
            dialogue->ButtonOk->Click(); // year out of range
            dialogue->EditAnnee->SetText("2019");
            dialogue->ButtonOk->Click();
        });
        auto* vue = Affichee<TViewPersonnesACharge>();
        vue->ACT_Ajouter->Execute();
        EXPECT_NE(legende(), avant);
        EXPECT_EQ(legende(), racine->Titre());
        EXPECT_EQ(vue->LabelNombre->GetText(),
                  m_assistant.getModele().ValeurLettre(kNombrePersonnes));
        ASSERT_EQ(m_dialogues.count(), 2u);
        EXPECT_EQ(m_dialogues.textOf(0),
                  Fr("Le prénom de la personne à charge doit être renseigné."));
        EXPECT_EQ(m_dialogues.textOf(1),
                  Fr("L'année de naissance doit être une année de 1900 à 2024."));
        m_dialogues.answer(Answer::OK);
        Boutons()->ACT_Services_ReintTotale->Execute();
        EXPECT_EQ(legende(), racine->Titre());
        EXPECT_NE(legende().find(Fr("1~768~€")), std::string::npos); // a blank declaration's tax
        EXPECT_EQ(EcranActif(m_assistant), kEcranAccueil);
    });
    // Abandoned: the declaration of the start is back.
    EXPECT_TRUE(D().Coche(kACharge));
}

// The declarant's screen: its fields are named for a screen reader after their label (or
// their row's), none of its Alt letters is taken by the rest of the window, and a wrong day is
// refused when its field is left, taking the focus back.
TEST_F(TAssistantRevenusTest, DeclarantScreenIsNamedAndRefusesAWrongDay)
{
    Parcourt([&] {
        ASSERT_TRUE(VaA(m_assistant, kEcranDeclarant));
        auto* vue = Affichee<TViewDeclarant>();
        EXPECT_EQ(NomAccessible(vue->EditNom), "Nom");
        EXPECT_EQ(NomAccessible(vue->EditJour), "Date de naissance, jour");
        EXPECT_EQ(NomAccessible(vue->ComboSituation), "Situation de famille");
        for (TPrComposite* fils : m_assistant.getRacine()->getFils()) {
            const auto* ecran = dynamic_cast<const TPrEcranVCL*>(fils);
            EXPECT_EQ(ecran ? ecran->MnemonicClashes() : Noms{}, Noms{});
        }
        Tape(vue->EditJour, QStringLiteral("32"));
        EXPECT_TRUE(vue->EditJour->hasFocus());
        ASSERT_EQ(m_dialogues.count(), 1u);
        EXPECT_EQ(m_dialogues.textOf(0), "Jour incorrect");
    });
}

} // namespace
