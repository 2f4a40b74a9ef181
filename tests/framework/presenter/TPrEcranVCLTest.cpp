#include "../view/ScreenTestHost.h"

#include "controls/TdCcxEditNum.h"
#include "flow/TScreenInformation.h"
#include "model/TCompteRendu.h"
#include "model/TLieManager.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TCompositeVisitor.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrManagementButtons.h"
#include "presenter/TVisitorFixClientHeight.h"
#include "view/TMessageManager.h"
#include "view/TViewEcranVCL.h"

#include "DesktopMetrics.h"
#include "DialogSeam.h"
#include "MessageQueue.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TcxCheckBox.h"
#include "TcxEditNum.h"
#include "TcxKelButton.h"
#include "qlettre.h"

#include "LogCapture.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace screentest;
using ::testing::ElementsAre;

namespace {

// A flow that records the host's Update calls.
class RecordingFlow : public TCinematicManagerAbstract
{
public:
    RecordingFlow(Journal& journal, int count) : m_journal(journal) { RemplitFlux(*this, count); }
    void Update() override { m_journal.add("flow.Update"); }

private:
    Journal& m_journal;
};

// A wizard form presenter that records the host hook run after each change, the refreshes of
// the tree and the fitting of its window to a screen.
class RecordingForm : public TPrBaseForm
{
public:
    RecordingForm(Journal& journal, TModelAbstract* model, TMgtModelInvoker* invoker)
        : TPrBaseForm(nullptr, model, invoker), m_journal(journal)
    {}
    void UpdateInfo() override { m_journal.add("UpdateInfo"); }
    void Update() override
    {
        m_journal.add("form.Update");
        TPrBaseForm::Update();
    }
    void Accept(TCompositeVisitor* visitor) override
    {
        if (auto* fit = dynamic_cast<TVisitorFixClientHeight*>(visitor))
            m_journal.add("fit " + std::to_string(fit->getHeight()));
        TPrBaseForm::Accept(visitor);
    }

private:
    Journal& m_journal;
};

// A buttons presenter that records the flow refreshes and the refreshes it is asked for.
class RecordingButtons : public TPrManagementButtons
{
public:
    RecordingButtons(Journal& journal, TPrComposite* parent, TModelAbstract* model,
                     TMgtModelInvoker* invoker, TCinematicManagerAbstract* flow)
        : TPrManagementButtons(nullptr, parent, model, invoker, flow), m_journal(journal)
    {}
    void MajCinematique() override { m_journal.add("buttons.MajCinematique"); }
    void Update() override
    {
        m_journal.add("buttons.Update");
        TPrManagementButtons::Update();
    }

private:
    Journal& m_journal;
};

// A child presenter that says when it is destroyed.
class WatchedChild : public TPrComposite
{
public:
    WatchedChild(Journal& journal, TPrComposite* parent)
        : TPrComposite(parent, nullptr, nullptr, nullptr), m_journal(journal)
    {}
    ~WatchedChild() override { m_journal.add("~child"); }
    void FocusControl(int lettrage) override
    {
        m_journal.add("child.FocusControl " + std::to_string(lettrage));
    }
    void Accept(TCompositeVisitor*) override { m_journal.add("child.Accept"); }

private:
    Journal& m_journal;
};

class JournalVisitor : public TCompositeVisitor
{
public:
    explicit JournalVisitor(Journal& journal) : m_journal(journal) {}
    void VisitEcranVCL(TPrEcranVCL*) override { m_journal.add("VisitEcranVCL"); }

private:
    Journal& m_journal;
};

// The wizard's tree as a host builds it: the form presenter at the root with a flow of three
// screens, the screen presenter (factory f1 knows screens 1 and 2) and the buttons presenter.
class TPrEcranVCLTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        WarmUpWidgetsOnce();
        SetDesktopSizeOverride(1280, 1024);
        // Qt keeps for good what the first wizard builds (window styles, caches).
        static bool warm = false;
        if (!warm) {
            warm = true;
            build();
            QTest::keyClicks(show()->montant, "1");
            destroy();
        }
        // No window of an earlier test stays active: activating ours must not release it.
        QApplication::setActiveWindow(nullptr);
        flushQtEvents();
        FlushGestures();
        QtLeakCheckedTest::SetUp();
        build();
    }
    void TearDown() override
    {
        QApplication::setActiveWindow(nullptr);
        destroy();
        SetDesktopSizeOverride(0, 0);
        FlushGestures();
        QtLeakCheckedTest::TearDown();
    }

    void build()
    {
        info.setApplicationName("Kelmar");
        info.setCouleur(clAqua);
        model = std::make_unique<TestModel>(&info);
        model->getLieManager()->LierElements(kMontant, kMontantSaisi, -1);
        panel = new TPanel();
        panel->resize(420, 300);
        form = new RecordingForm(journal, model.get(), &invoker);
        flow = new RecordingFlow(journal, 3);
        form->setCinematicManager(flow);
        presenter = new TestScreenPresenter(journal, panel, form, model.get(), &invoker, flow);
        buttons = new RecordingButtons(journal, form, model.get(), &invoker, flow);
        form->Add(presenter);
        form->Add(buttons);
        presenter->addFactory(new TestFactory(journal, "f1", {1, 2}));
    }
    void destroy()
    {
        delete form;
        delete panel;
        model.reset();
        journal.clear();
    }

    TestScreen* screen() const { return dynamic_cast<TestScreen*>(presenter->getView()); }

    // Builds the view of the active screen and clears the records.
    TestScreen* show()
    {
        presenter->ChangeView();
        journal.clear();
        return screen();
    }

    Journal journal;
    TInfoGene info;
    std::unique_ptr<TestModel> model;
    TMgtModelInvoker invoker;
    TPanel* panel = nullptr;
    RecordingForm* form = nullptr;
    RecordingFlow* flow = nullptr;
    TestScreenPresenter* presenter = nullptr;
    RecordingButtons* buttons = nullptr;
};

// --- Views from the factories ---

TEST_F(TPrEcranVCLTest, ChangeViewBuildsShowsAndFillsTheActiveScreensView)
{
    HelpId table[] = {{101, kNom, 11, 0, 0}, {101, 0, 10, 0, 0}, {-1, 0, 1, 0, 0}};
    presenter->setHelpData(table);
    model->donnees[kNom] = "Dupont";
    model->donnees[kCoche] = "1";

    LogCapture log;
    presenter->ChangeView();
    TestScreen* view = screen();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isInitialised());
    EXPECT_EQ(view->parentWidget(), panel);
    EXPECT_TRUE(view->GetVisible());
    EXPECT_EQ(view->nom->GetText(), "Dupont");
    EXPECT_TRUE(view->coche->GetChecked());
    EXPECT_EQ(view->coche->GetText(), "&Client de Kelmar");
    EXPECT_EQ(view->nom->GetHelpContext(), 11);
    EXPECT_EQ(view->coche->GetHelpContext(), 10);
    EXPECT_EQ(view->GetColor(), clAqua);
    EXPECT_TRUE(presenter->isEnableOnChange());
    EXPECT_TRUE(log.contains("--TViewEcranVCL::SetControlHelpContext()"));
    // The linked entered-value letter was bound once the host's controls existed.
    EXPECT_NE(TrouveLettre(kMontantSaisi, view->getListeLettre()), nullptr);
}

TEST_F(TPrEcranVCLTest, ChangeViewSavesDisplayReplacesTheViewFitsShowsAndRefreshesInThatOrder)
{
    show();
    QPointer<TestScreen> old = screen();
    presenter->Add(new WatchedChild(journal, presenter));
    flow->setEnumEcranActif(2);

    presenter->ChangeView();
    EXPECT_TRUE(old.isNull());
    ASSERT_NE(screen(), nullptr);
    EXPECT_TRUE(presenter->getFils().empty());
    EXPECT_THAT(journal.entries(), ElementsAre("save", "~child", "~screen", "f1.CreeVue 2",
                                               "fit 240", "show", "help 102", "form.Update",
                                               "DonneesVersLettrage", "Select", "buttons.Update"));
}

TEST_F(TPrEcranVCLTest, ChangeViewWithoutFactoriesTouchesNothing)
{
    TestScreenPresenter alone(journal, panel, form, model.get(), &invoker, flow);
    auto* view = new RecordingScreen(journal, panel, &alone);
    view->InitView();
    alone.setView(view);
    alone.Add(new WatchedChild(journal, &alone));
    journal.clear();

    alone.ChangeView();
    EXPECT_EQ(alone.getView(), view);
    EXPECT_EQ(alone.getFils().size(), 1u);
    EXPECT_TRUE(journal.entries().empty());
}

TEST_F(TPrEcranVCLTest, FactoriesAreAskedInOrderUntilOneMakesTheView)
{
    presenter->addFactory(new TestFactory(journal, "f2", {3}));
    presenter->addFactory(new TestFactory(journal, "f3", {3}));
    flow->setEnumEcranActif(3);
    EXPECT_TRUE(presenter->CreateView());
    EXPECT_THAT(journal.entries(), ElementsAre("f1.CreeVue 3", "f2.CreeVue 3"));
    ASSERT_NE(screen(), nullptr);
    EXPECT_TRUE(screen()->isInitialised());
    EXPECT_EQ(presenter->getListeFactory().size(), 3u);
}

TEST_F(TPrEcranVCLTest, AScreenNoFactoryKnowsLeavesThePresenterWithoutView)
{
    show();
    flow->setEnumEcranActif(3);
    presenter->ChangeView();
    EXPECT_EQ(presenter->getView(), nullptr);

    // Without a view the data operations only trace and reach the children.
    LogCapture log;
    presenter->SaveData();
    presenter->LoadData();
    EXPECT_TRUE(presenter->DonneesValide(true));
    presenter->FocusControl(kNom);
    EXPECT_THAT(log.messages(), ElementsAre("TPrEcranVCL::SaveData()", "TPrEcranVCL::LoadData()",
                                            "TPrEcranVCL::DonneesValide()"));
    EXPECT_EQ(model->controles, 0);
    EXPECT_EQ(journal.count("LettrageVersDonnees"), 0u);
}

TEST_F(TPrEcranVCLTest, TheFactoriesGoWithThePresenter)
{
    auto* alone = new TestScreenPresenter(journal, panel, nullptr, model.get(), &invoker, flow);
    alone->addFactory(new TestFactory(journal, "g1", {1}));
    alone->addFactory(new TestFactory(journal, "g2", {}));
    delete alone;
    EXPECT_EQ(journal.count("~g1"), 1u);
    EXPECT_EQ(journal.count("~g2"), 1u);
}

// --- Data ---

TEST_F(TPrEcranVCLTest, SaveDataStoresTheScreenSelectsAndStoresAgain)
{
    TestScreen* view = show();
    view->nom->SetText("Martin");
    view->coche->SetChecked(false);
    presenter->Add(new WatchedChild(journal, presenter));

    LogCapture log;
    presenter->SaveData();
    EXPECT_THAT(journal.entries(),
                ElementsAre("SaveData", "LettrageVersDonnees", "Select", "LettrageVersDonnees"));
    EXPECT_EQ(model->donnees[kNom], "Martin");
    EXPECT_EQ(model->donnees[kCoche], "2");
    const std::vector<std::string> lines = log.messages();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "TPrEcranVCL::SaveData()");
    EXPECT_EQ(lines[1], "--TViewEcranVCL::EcranVersLettrage()");
    EXPECT_EQ(log.count("TMgtModelCmdLVD::execute()"), 2u);
    EXPECT_EQ(log.count("TMgtModelCmdSelect::execute()"), 1u);
}

TEST_F(TPrEcranVCLTest, LoadDataFillsTheLettersButNotTheWidgets)
{
    TestScreen* view = show();
    model->donnees[kNom] = "Durand";
    LogCapture log;
    presenter->LoadData();
    EXPECT_THAT(journal.entries(), ElementsAre("DonneesVersLettrage", "Select"));
    EXPECT_EQ(Valeur(view->getListeLettre(), kNom), "Durand");
    EXPECT_EQ(view->nom->GetText(), "");
    EXPECT_EQ(log.messages().front(), "TPrEcranVCL::LoadData()");
}

TEST_F(TPrEcranVCLTest, AChangeDuringUpdateIsNotTakenForAnEntry)
{
    TestScreen* view = show();
    std::vector<bool> enabledDuringLoad;
    presenter->loadHook = [&] {
        enabledDuringLoad.push_back(presenter->isEnableOnChange());
        view->OnChangeControl(view->nom);
    };
    LogCapture log;
    presenter->Update();
    EXPECT_THAT(enabledDuringLoad, ElementsAre(false));
    EXPECT_EQ(journal.count("OnChange"), 1u);
    EXPECT_EQ(journal.count("SaveData"), 0u);
    EXPECT_EQ(journal.count("Calcul"), 0u);
    EXPECT_EQ(model->calculs, 0);
    EXPECT_TRUE(presenter->isEnableOnChange());
    EXPECT_EQ(log.messages().front(), "TPrEcranVCL::Update()");
}

TEST_F(TPrEcranVCLTest, UpdateEndsWithChangesAllowedEvenWhenNested)
{
    show();
    presenter->setEnableOnChange(false);
    presenter->loadHook = [&] {
        presenter->loadHook = nullptr;
        presenter->Update(); // a refresh inside a refresh
        EXPECT_FALSE(presenter->isEnableOnChange());
    };
    presenter->Update();
    EXPECT_TRUE(presenter->isEnableOnChange());
}

TEST_F(TPrEcranVCLTest, OnChangeIgnoredWhileChangesAreOff)
{
    show();
    presenter->setEnableOnChange(false);
    LogCapture log;
    presenter->OnChange();
    EXPECT_EQ(journal.count("SaveData"), 0u);
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(TPrEcranVCLTest, TypingSavesComputesRefreshesTheFlowAndTheWholeTree)
{
    TestScreen* view = show();
    LogCapture log;
    QTest::keyClicks(view->montant, "2");

    // One keystroke, in this order: the screen saved, the computation, the buttons' flow
    // state, the host hook, the flow twice, then the whole tree.
    EXPECT_THAT(journal.entries(),
                ElementsAre("OnChange", "SaveData", "LettrageVersDonnees", "Select",
                            "LettrageVersDonnees", "Calcul", "buttons.MajCinematique", "UpdateInfo",
                            "flow.Update", "flow.Update", "form.Update", "DonneesVersLettrage",
                            "Select", "buttons.Update"));
    EXPECT_DOUBLE_EQ(TdCcxEditNum::ReadAmount(model->donnees[kMontant].c_str()), 2.0);
    EXPECT_DOUBLE_EQ(view->total->GetValue(), 4.0);
    EXPECT_FALSE(view->total->isEnabled()); // a computed letter is not enterable
    EXPECT_EQ(view->montant->GetText(), "2");
    const std::vector<std::string> lines = log.messages();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "--TViewEcranVCL::OnChangeControl()");
}

TEST_F(TPrEcranVCLTest, TheFieldBeingTypedIsNotOverwrittenByTheRefresh)
{
    TestScreen* view = show();
    // The model keeps names in capitals: the refresh brings them back to the letters, but the
    // field the user is typing in keeps what he typed.
    model->majuscules = true;
    QTest::keyClicks(view->nom, "ab");
    EXPECT_EQ(view->nom->GetText(), "ab");
    EXPECT_EQ(Valeur(view->getListeLettre(), kNom), "AB");
    EXPECT_EQ(model->donnees[kNom], "AB");
}

TEST_F(TPrEcranVCLTest, ACompletedYearIsSavedThroughTheDateController)
{
    TestScreen* view = show();
    ScriptedDialogs dialogs;
    view->jour->SetText("12");
    view->mois->SetText("3");
    QTest::keyClicks(view->annee, "5");
    EXPECT_EQ(view->annee->GetText(), "1905");
    EXPECT_EQ(model->donnees[kAnnee], "1905");
    EXPECT_EQ(dialogs.count(), 0u);
}

// --- Validation ---

class TPrEcranVCLValidationTest : public TPrEcranVCLTest
{
protected:
    void SetUp() override
    {
        TPrEcranVCLTest::SetUp();
        show();
        panel->show();
        QApplication::setActiveWindow(panel);
        model->controleNull = false;
    }
    void TearDown() override
    {
        panel->hide();
        TPrEcranVCLTest::TearDown();
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
};

TEST_F(TPrEcranVCLValidationTest, NoMessagesAcceptsTheScreen)
{
    ScriptedDialogs dialogs;
    model->controleNull = true;
    EXPECT_TRUE(presenter->DonneesValide(true));
    EXPECT_EQ(model->controles, 1);

    model->controleNull = false; // an empty list
    EXPECT_TRUE(presenter->DonneesValide(true));
    EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(TPrEcranVCLValidationTest, AnErrorFirstRefusesShowingItOnlyWhenAsked)
{
    ScriptedDialogs dialogs;
    model->messages = {{kMontant, 1, "Montant obligatoire"}, {kNom, 4, "Nom ?"}};
    screen()->nom->setFocus();

    LogCapture log;
    EXPECT_FALSE(presenter->DonneesValide(false));
    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_EQ(focused(), screen()->nom);
    EXPECT_EQ(log.messages().front(), "TPrEcranVCL::DonneesValide()");

    EXPECT_FALSE(presenter->DonneesValide(true));
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), "Montant obligatoire");
    EXPECT_EQ(dialogs.captionOf(0), "Kelmar");
    EXPECT_EQ(focused(), screen()->montant);
}

TEST_F(TPrEcranVCLValidationTest, WarningsDeclinedAcceptTheScreen)
{
    ScriptedDialogs dialogs;
    dialogs.answer({DialogSeam::Answer::No, DialogSeam::Answer::No});
    model->messages = {{kNom, 4, "Nom court"}, {kMontant, 4, "Montant rond"}};
    EXPECT_TRUE(presenter->DonneesValide(true));
    EXPECT_EQ(dialogs.count(), 2u);
}

TEST_F(TPrEcranVCLValidationTest, TheWarningAcceptedStopsTheListAndTakesTheFocus)
{
    ScriptedDialogs dialogs;
    dialogs.answer({DialogSeam::Answer::No, DialogSeam::Answer::Yes});
    model->messages = {{kNom, 4, "Premier"}, {kMontant, 4, "Second"}, {kJour, 4, "Troisieme"}};
    screen()->nom->setFocus();
    EXPECT_FALSE(presenter->DonneesValide(true));
    ASSERT_EQ(dialogs.count(), 2u);
    EXPECT_EQ(dialogs.textOf(1).rfind("Second", 0), 0u);
    EXPECT_EQ(focused(), screen()->montant);
}

TEST_F(TPrEcranVCLValidationTest, WarningsAreNotShownWhenNotAsked)
{
    ScriptedDialogs dialogs;
    model->messages = {{kNom, 4, "Nom court"}};
    EXPECT_TRUE(presenter->DonneesValide(false));
    EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(TPrEcranVCLValidationTest, AnErrorWithoutLettrageMovesNoFocus)
{
    ScriptedDialogs dialogs;
    model->messages = {{0, 1, "Erreur g\xE9n\xE9rale"}};
    screen()->nom->setFocus();
    EXPECT_FALSE(presenter->DonneesValide(true));
    EXPECT_EQ(dialogs.textOf(0), "Erreur g\xE9n\xE9rale");
    EXPECT_EQ(focused(), screen()->nom);
}

TEST_F(TPrEcranVCLValidationTest, FocusControlGoesToTheViewNotTheChildren)
{
    presenter->Add(new WatchedChild(journal, presenter));
    presenter->FocusControl(kMontant);
    EXPECT_EQ(focused(), screen()->montant);
    EXPECT_EQ(journal.count("child.FocusControl 30"), 0u);
}

// --- Tree, queries, posted screen changes ---

TEST_F(TPrEcranVCLTest, AcceptVisitsThePresenterBeforeItsChildren)
{
    presenter->Add(new WatchedChild(journal, presenter));
    JournalVisitor visitor(journal);
    presenter->Accept(&visitor);
    EXPECT_THAT(journal.entries(), ElementsAre("VisitEcranVCL", "child.Accept"));
}

TEST_F(TPrEcranVCLTest, QueriesForwardToTheFlowAndTheModel)
{
    EXPECT_EQ(presenter->getTypeEcran(), 0);
    flow->GetInfoEcran(1)->setTypeScreen(2);
    EXPECT_EQ(presenter->getTypeEcran(), 2);
    EXPECT_EQ(presenter->getIdValeurSaisie(kMontant), kMontantSaisi);
    EXPECT_EQ(presenter->getIdEtatEdit(kMontant), -1);
    EXPECT_EQ(presenter->getIdValeurSaisie(kNom), -1);

    TestScreenPresenter unlinked(journal, panel, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(unlinked.getTypeEcran(), 0);
    EXPECT_EQ(unlinked.getIdValeurSaisie(kMontant), -1);

    std::string libelle = "#PRODUIT# 2005";
    presenter->MajUnLibelle(libelle);
    EXPECT_EQ(libelle, "Kelmar 2005");
}

TEST_F(TPrEcranVCLTest, AfficheEcranPostsTheScreenChangeToTheRelayWindow)
{
    show();
    presenter->ecranDeLettrage = {{kNom, 2}, {999, 7}};
    const int pending = PendingPostedMessages();
    presenter->AfficheEcran(999); // screen 7 does not exist: nothing
    EXPECT_EQ(PendingPostedMessages(), pending);
    EXPECT_EQ(flow->getEnumEcranActif(), 1);

    presenter->AfficheEcran(kNom);
    EXPECT_EQ(flow->getEnumEcranActif(), 2);
    EXPECT_EQ(PendingPostedMessages(), pending + 1);
    EXPECT_EQ(journal.count("f1.CreeVue 2"), 0u); // not before the message loop runs

    flushQtEvents();
    EXPECT_EQ(journal.count("f1.CreeVue 2"), 1u);
    EXPECT_NE(screen(), nullptr);
}

TEST_F(TPrEcranVCLTest, AfficheEcranOnAOneScreenWizardOpensTheDeclaration)
{
    auto* single = new RecordingFlow(journal, 1);
    delete form->getCinematicManager();
    form->setCinematicManager(single);
    presenter->setCinematicManager(single);
    buttons->setCinematicManager(single);
    flow = single;
    presenter->ecranDeLettrage = {{kNom, 1}};
    const int pending = PendingPostedMessages();

    presenter->AfficheEcran(kNom);
    EXPECT_EQ(journal.count("OuvreDeclaration 1 10"), 1u);
    EXPECT_FALSE(presenter->getCompteRendu()->isModified());

    presenter->ouvreDeclaration = true;
    LogCapture log;
    presenter->AfficheEcran(kNom);
    EXPECT_TRUE(presenter->getCompteRendu()->isModified());
    EXPECT_TRUE(log.contains("TPrEcranVCL::Update()"));
    EXPECT_EQ(PendingPostedMessages(), pending);
}

TEST_F(TPrEcranVCLTest, TheFrameworkAnswersOfTheHostHooks)
{
    TestScreenPresenter plain(journal, panel, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(plain.TPrEcranVCL::SelectEcran(kNom), -1);
    EXPECT_FALSE(plain.TPrEcranVCL::OuvreDeclaration(1, kNom));
    EXPECT_EQ(plain.getOwner(), panel);
    EXPECT_TRUE(plain.getListeFactory().empty());
    EXPECT_EQ(plain.getHelpData(), nullptr);
    plain.setChangedLettrage({{1, 2}, {1, 3}});
    EXPECT_EQ(plain.getChangedLettrage().count(1), 2u);
}

// --- A whole wizard run ---

class TPrEcranVCLWizardTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        WarmUpWidgetsOnce();
        SetDesktopSizeOverride(1280, 1024);
        FlushGestures();
        QtLeakCheckedTest::SetUp();
    }
    void TearDown() override
    {
        SetDesktopSizeOverride(0, 0);
        FlushGestures();
        QtLeakCheckedTest::TearDown();
    }
};

TEST_F(TPrEcranVCLWizardTest, TheScreenRunsInTheWizardWindowAndKeepsWhatIsTyped)
{
    Journal journal;
    TInfoGene info;
    TestModel model(&info);
    TMgtModelInvoker invoker;
    {
        TPrBaseForm wizard(nullptr, &model, &invoker);
        auto* flow = new RecordingFlow(journal, 2);
        wizard.setCinematicManager(flow);
        auto* ecran = new TestScreenPresenter(journal, wizard.getPanelEcranVCL(), &wizard, &model,
                                              &invoker, flow);
        wizard.Add(ecran);
        ecran->addFactory(new TestFactory(journal, "f1", {1, 2}));

        bool shownInPanel = false;
        QTimer::singleShot(0, [&] {
            auto* view = dynamic_cast<TestScreen*>(ecran->getView());
            shownInPanel =
                view && view->parentWidget() == wizard.getPanelEcranVCL() && view->isVisible();
            if (view)
                QTest::keyClicks(view->nom, "Paul");
            wizard.Ok();
            wizard.getView()->Close();
        });
        wizard.Execute();
        EXPECT_TRUE(shownInPanel);
        EXPECT_EQ(wizard.getCompteRendu()->getUserAction(), 0);
        flushQtEvents();
    }
    EXPECT_EQ(model.donnees[kNom], "Paul");
}

TEST_F(TPrEcranVCLWizardTest, EachScreenOpensOnItsFirstFieldAndWarnsOnceOfAnAltLetterTaken)
{
    Journal journal;
    TInfoGene info;
    TestModel model(&info);
    TMgtModelInvoker invoker;
    LogCapture warnings("fr.kelmar.framework.mnemonics");
    {
        TPrBaseForm wizard(nullptr, &model, &invoker);
        auto* flow = new RecordingFlow(journal, 2);
        wizard.setCinematicManager(flow);
        auto* ecran = new TestScreenPresenter(journal, wizard.getPanelEcranVCL(), &wizard, &model,
                                              &invoker, flow);
        wizard.Add(ecran);
        ecran->addFactory(new TestFactory(journal, "f1", {1, 2}));
        // Neither a hidden button nor a menu entry (its letter works only while it is open).
        auto* hidden = new TcxKelButton(wizard.getView());
        hidden->SetText("&Cacher");
        hidden->hide();
        (new QMenu(hidden->parentWidget()))->addAction(QStringLiteral("&Copier"));
        // A button of the window that takes the screen's Alt+C ("&Client de ...").
        (new TcxKelButton(wizard.getView()))->SetText("&Continuer");

        std::vector<bool> focusOnFirstField;
        QTimer::singleShot(0, [&] {
            // Screens 1, 2, then 1 again: each opens on its name field.
            for (const int move : {0, 1, -1}) {
                if (move > 0)
                    flow->NextScreen();
                if (move < 0)
                    flow->PreviousScreen();
                if (move != 0)
                    wizard.ChangeScreen();
                auto* view = dynamic_cast<TestScreen*>(ecran->getView());
                focusOnFirstField.push_back(view && view->window()->focusWidget() == view->nom);
            }
            EXPECT_THAT(ecran->MnemonicClashes(),
                        ElementsAre("Alt+C : \"&Client de \" et \"&Continuer\""));
            wizard.Ok();
            wizard.getView()->Close();
        });
        wizard.Execute();
        EXPECT_THAT(focusOnFirstField, ElementsAre(true, true, true));
        flushQtEvents();
    }
    ASSERT_EQ(warnings.lines().size(), 2u); // once per screen
    EXPECT_EQ(warnings.lines()[0].level, log4cxx::Level::getWarn());
    EXPECT_THAT(warnings.messages(),
                ElementsAre("TPrEcranVCL::ChangeView()  lettres Alt en double, idScreen 1 : "
                            "Alt+C : \"&Client de \" et \"&Continuer\"",
                            "TPrEcranVCL::ChangeView()  lettres Alt en double, idScreen 2 : "
                            "Alt+C : \"&Client de \" et \"&Continuer\""));
}

} // namespace
