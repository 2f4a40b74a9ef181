#include "PresenterDoubles.h"

#include "controls/TdCcxEditNum.h"
#include "model/TLieManager.h"
#include "presenter/TVisitorFixClientHeight.h"
#include "view/TMessageManager.h"

#include "TForm.h"
#include "TcxCheckBox.h"
#include "TcxEditNum.h"

#include <QApplication>

using namespace screentest;

namespace {

using Answer = DialogSeam::Answer;

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

// The wizard's tree as a host builds it: the form presenter at the root with a flow of three
// screens, the screen presenter (factory f1 knows screens 1 and 2) and the buttons presenter.
class TPrEcranVCLTest : public PresenterTest
{
protected:
    void SetUp() override
    {
        // No window of an earlier test stays active: activating ours must not release it.
        QApplication::setActiveWindow(nullptr);
        PresenterTest::SetUp();
        info.setApplicationName("Kelmar");
        model = std::make_unique<TestModel>(&info);
        model->getLieManager()->LierElements(kMontant, kMontantSaisi, -1);
        panel = new TPanel();
        form = new RecordingForm(journal, model.get(), &invoker);
        flow = new RecordingFlow(journal, 3);
        form->setCinematicManager(flow);
        presenter = new TestScreenPresenter(journal, panel, form, model.get(), &invoker, flow);
        form->Add(presenter);
        form->Add(new RecordingButtons(journal, form));
        presenter->addFactory(new TestFactory(journal, "f1", {1, 2}));
    }
    void TearDown() override
    {
        QApplication::setActiveWindow(nullptr);
        delete form;
        delete panel;
        model.reset();
        PresenterTest::TearDown();
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
};

// The factories are asked in order until one makes the view.
TEST_F(TPrEcranVCLTest, ChangeViewSavesDisplayReplacesTheViewFitsShowsAndRefreshesInThatOrder)
{
    show();
    QPointer<TestScreen> old = screen();
    presenter->Add(new RecordingPresenter(journal, "child", presenter));
    presenter->addFactory(new TestFactory(journal, "f2", {3}));
    presenter->addFactory(new TestFactory(journal, "f3", {3}));
    flow->setEnumEcranActif(3);

    presenter->ChangeView();
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(presenter->getFils().empty());
    EXPECT_TRUE(screen()->isInitialised());
    EXPECT_THAT(journal.entries(),
                ElementsAre("save", "child.~", "~screen", "f1.CreeVue 3", "f2.CreeVue 3", "fit 240",
                            "show", "help 103", "form.Update", "DonneesVersLettrage", "Select",
                            "buttons.Update"));
    const auto* window = dynamic_cast<TForm*>(form->getView());
    EXPECT_EQ(window->GetClientHeight(), form->getPanelManagementButtons()->GetHeight() + 240);
}

TEST_F(TPrEcranVCLTest, AScreenNoFactoryKnowsLeavesThePresenterWithoutView)
{
    show();
    flow->setEnumEcranActif(3);
    EXPECT_FALSE(presenter->CreateView());
    presenter->ChangeView();
    EXPECT_EQ(presenter->getView(), nullptr);

    // Without a view the data operations only trace and reach the children.
    presenter->Add(new RecordingPresenter(journal, "child", presenter));
    presenter->SaveData();
    EXPECT_TRUE(presenter->DonneesValide(true));
    EXPECT_EQ(model->controles, 0);
    EXPECT_EQ(journal.count("child.SaveData"), 1u);
}

TEST_F(TPrEcranVCLTest, SaveDataStoresSelectsAndStoresAgainLoadDataFillsOnlyTheLetters)
{
    TestScreen* view = show();
    view->nom->SetText("Martin");
    view->coche->SetChecked(false);
    presenter->SaveData();
    EXPECT_THAT(journal.entries(),
                ElementsAre("SaveData", "LettrageVersDonnees", "Select", "LettrageVersDonnees"));
    EXPECT_EQ(model->donnees[kNom], "Martin");
    EXPECT_EQ(model->donnees[kCoche], "2");

    journal.clear();
    model->donnees[kNom] = "Durand";
    presenter->LoadData();
    EXPECT_THAT(journal.entries(), ElementsAre("DonneesVersLettrage", "Select"));
    EXPECT_EQ(Valeur(view->getListeLettre(), kNom), "Durand");
    EXPECT_EQ(view->nom->GetText(), "Martin");
}

TEST_F(TPrEcranVCLTest, ChangesDuringAnUpdateEvenNestedAreNotTakenForAnEntry)
{
    TestScreen* view = show();
    presenter->setEnableOnChange(false);
    std::vector<bool> enabledDuringLoad;
    presenter->loadHook = [&] {
        enabledDuringLoad.push_back(presenter->isEnableOnChange());
        if (enabledDuringLoad.size() == 1)
            presenter->Update(); // a refresh inside a refresh
        view->OnChangeControl(view->nom);
    };
    presenter->Update();
    EXPECT_THAT(enabledDuringLoad, ElementsAre(false, false));
    EXPECT_EQ(journal.count("OnChange"), 2u);
    EXPECT_EQ(journal.count("SaveData"), 0u);
    EXPECT_EQ(model->calculs, 0);
    EXPECT_TRUE(presenter->isEnableOnChange());
}

TEST_F(TPrEcranVCLTest, TypingSavesComputesRefreshesTheFlowAndTheWholeTree)
{
    TestScreen* view = show();
    QTest::keyClicks(view->montant, "2");

    EXPECT_THAT(journal.entries(),
                ElementsAre("OnChange", "SaveData", "LettrageVersDonnees", "Select",
                            "LettrageVersDonnees", "Calcul", "buttons.MajCinematique", "UpdateInfo",
                            "flow.Update", "flow.Update", "form.Update", "DonneesVersLettrage",
                            "Select", "buttons.Update"));
    EXPECT_DOUBLE_EQ(TdCcxEditNum::ReadAmount(model->donnees[kMontant].c_str()), 2.0);
    EXPECT_DOUBLE_EQ(view->total->GetValue(), 4.0);
    EXPECT_EQ(view->montant->GetText(), "2");
}

TEST_F(TPrEcranVCLTest, AnErrorOrTheWarningTheUserGoesBackToRefusesAndTakesTheFocus)
{
    show();
    panel->show();
    QApplication::setActiveWindow(panel);
    const auto focused = [] { return QApplication::focusWidget(); };
    using Messages = std::vector<TestModel::Message>;
    const Messages none;
    const Messages errorFirst = {{kMontant, 1, "Montant obligatoire"}, {kNom, 4, "Nom ?"}};
    const Messages warnings = {{kNom, 4, "Premier"}, {kMontant, 4, "Second"}, {kJour, 4, "Fin"}};
    const Messages general = {{0, 1, "Erreur g\xE9n\xE9rale"}}; // no control to focus
    struct Case
    {
        bool controleNull;
        const Messages& messages;
        bool afficher;
        const char* answers; // N: no, Y: yes
        bool valid;
        std::size_t shown; // the first messages, in order
        bool focusMontant;
    };
    const Case cases[] = {
        {false, none, true, "", true, 0, false},
        {false, errorFirst, false, "", false, 0, false},
        {false, errorFirst, true, "", false, 1, true},
        {false, warnings, false, "", true, 0, false},
        {false, warnings, true, "NNN", true, 3, false},
        {false, warnings, true, "NY", false, 2, true},
        {false, general, true, "", false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(&c - cases));
        ScriptedDialogs dialogs;
        for (const char* answer = c.answers; *answer; ++answer)
            dialogs.answer(*answer == 'Y' ? Answer::Yes : Answer::No);
        model->controleNull = c.controleNull;
        model->messages = c.messages;
        model->controles = 0;
        screen()->nom->setFocus();
        EXPECT_EQ(presenter->DonneesValide(c.afficher), c.valid);
        EXPECT_EQ(model->controles, 1);
        ASSERT_EQ(dialogs.count(), c.shown);
        for (std::size_t i = 0; i < c.shown; ++i) {
            EXPECT_EQ(dialogs.textOf(i).rfind(c.messages[i].texte, 0), 0u) << dialogs.textOf(i);
            EXPECT_EQ(dialogs.captionOf(i), "Kelmar");
        }
        EXPECT_EQ(focused(), c.focusMontant ? static_cast<QWidget*>(screen()->montant)
                                            : static_cast<QWidget*>(screen()->nom));
    }
    // Focusing a control is the view's: the children are not asked.
    presenter->Add(new RecordingPresenter(journal, "child", presenter));
    presenter->FocusControl(kMontant);
    EXPECT_EQ(focused(), screen()->montant);
    EXPECT_EQ(journal.count("child.FocusControl 30"), 0u);
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return journal.count("f1.CreeVue 2") == 1; }));
}

TEST_F(TPrEcranVCLTest, AfficheEcranOnAOneScreenWizardOpensTheDeclaration)
{
    auto* single = new RecordingFlow(journal, 1);
    delete form->getCinematicManager();
    form->setCinematicManager(single);
    presenter->setCinematicManager(single);
    presenter->ecranDeLettrage = {{kNom, 1}};
    const int pending = PendingPostedMessages();

    presenter->AfficheEcran(kNom);
    EXPECT_EQ(journal.count("OuvreDeclaration 1 10"), 1u);
    EXPECT_FALSE(presenter->getCompteRendu()->isModified());

    presenter->ouvreDeclaration = true;
    presenter->AfficheEcran(kNom);
    EXPECT_TRUE(presenter->getCompteRendu()->isModified());
    EXPECT_EQ(PendingPostedMessages(), pending);
}

} // namespace
