#include "PresenterDoubles.h"

#include "presenter/TPrNavigateTree.h"
#include "presenter/TVisitorChangeView.h"
#include "presenter/TVisitorFixClientHeight.h"
#include "presenter/TVisitorMajCinematique.h"

namespace {

// A tree of recording presenters: root { a { a1, a2 }, b }.
class TPrCompositeTest : public PresenterTest
{
protected:
    void SetUp() override
    {
        PresenterTest::SetUp();
        root = new RecordingPresenter(journal, "root", nullptr, &model);
        root->setRoot(root);
        a = new RecordingPresenter(journal, "a", root, &model);
        b = new RecordingPresenter(journal, "b", root, &model);
        a1 = new RecordingPresenter(journal, "a1", a, &model);
        a2 = new RecordingPresenter(journal, "a2", a, &model);
        root->Add(a);
        root->Add(b);
        a->Add(a1);
        a->Add(a2);
    }
    void TearDown() override
    {
        delete root;
        PresenterTest::TearDown();
    }

    std::vector<std::pair<RecordingPresenter*, std::string>> named() const
    {
        return {{root, "root"}, {a, "a"}, {a1, "a1"}, {a2, "a2"}, {b, "b"}};
    }

    Journal journal;
    TInfoGene info;
    TestModel model{&info};
    RecordingPresenter* root = nullptr;
    RecordingPresenter* a = nullptr;
    RecordingPresenter* b = nullptr;
    RecordingPresenter* a1 = nullptr;
    RecordingPresenter* a2 = nullptr;
};

TEST_F(TPrCompositeTest, ChildrenTakeTheRootOfTheirParentAndAreAddedOnceByAdd)
{
    auto* c = new RecordingPresenter(journal, "c", a);
    EXPECT_EQ(c->getRoot(), root);
    for (TPrComposite* child : {c, a, c})
        root->Add(child);
    root->Remove(b);
    EXPECT_EQ(root->getFils(), (std::vector<TPrComposite*>{a, c}));
    EXPECT_FALSE(root->isEnable(b));
    EXPECT_TRUE(root->isEnable(c));
    EXPECT_EQ(journal.count("b.~"), 0u) << "a removed child is not destroyed";
    delete b;
}

// Every node but `a` has a view: the view operations skip it and still reach its children.
TEST_F(TPrCompositeTest, OperationsReachEachNodeOrItsViewBeforeItsChildrenInInsertionOrder)
{
    TPanel panel;
    TCinematicManagerAbstract flow;
    flow.InitScreen(5, 42, "", TScreenInformation::SELECTION_NON, TScreenInformation::ON,
                    TScreenInformation::FAMILLE_DEFAUT);
    flow.setEnumEcranActif(5);
    for (const auto& [node, name] : named()) {
        node->setCinematicManager(&flow);
        if (node != a)
            node->setView(new RecordingView(journal, name, &panel));
    }
    const std::vector<std::pair<std::string, std::function<void()>>> operations = {
        {"SaveData", [&] { root->SaveData(); }},
        {"LoadData", [&] { root->LoadData(); }},
        {"SauveDataInit", [&] { root->SauveDataInit(); }},
        {"FocusControl 7", [&] { root->FocusControl(7); }},
        {"CheckIsModified", [&] { root->MiseAJourCompteRendu(); }},
        {"view.Show", [&] { root->Show(); }},
        {"view.Hide", [&] { root->Hide(); }},
        {"view.Update", [&] { root->Update(); }},
        {"view.SaveControlDisplay", [&] { root->SaveControlDisplay(); }},
        {"view.Help 42", [&] { root->SetControlHelpContext(); }},
    };
    for (const auto& [name, run] : operations) {
        journal.clear();
        run();
        std::vector<std::string> expected;
        for (const auto& [node, prefix] : named())
            if (node != a || name.rfind("view.", 0) != 0)
                expected.push_back(prefix + "." + name);
        EXPECT_EQ(journal.entries(), expected);
    }
}

TEST_F(TPrCompositeTest, ReportsAreCheckedOwnFirstAndMergedBottomUp)
{
    a2->modifies = true;
    b->modifies = true;
    b->getCompteRendu()->setFige(true);
    b->getCompteRendu()->setFigeType(2);

    root->MiseAJourCompteRendu();
    EXPECT_TRUE(a->getCompteRendu()->isModified()) << "a absorbed a2";
    EXPECT_FALSE(a->getCompteRendu()->isFige());
    EXPECT_FALSE(a1->getCompteRendu()->isModified());
    EXPECT_TRUE(root->getCompteRendu()->isModified());
    EXPECT_TRUE(root->getCompteRendu()->isFige()) << "root absorbed b";
    EXPECT_EQ(root->getCompteRendu()->getFigeType(), 2);
    EXPECT_EQ(b->getCompteRendu()->getFigeType(), 2) << "a child's report is left as it is";
}

TEST_F(TPrCompositeTest, EcranValideAsksEachNodeInPreOrderAndStopsAtTheFirstRefusal)
{
    struct Case
    {
        RecordingPresenter* refuses;
        bool afficher;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {nullptr, false, {"root", "a", "a1", "a2", "b"}},
        {a, true, {"root", "a"}},
        {a1, true, {"root", "a", "a1"}},
    };
    for (const Case& c : cases) {
        for (const auto& [node, name] : named())
            node->valid = node != c.refuses;
        journal.clear();
        LogCapture log;
        EXPECT_EQ(root->EcranValide(c.afficher), c.refuses == nullptr);
        std::vector<std::string> expected;
        for (const std::string& name : c.asked)
            expected.push_back(name +
                               (c.afficher ? ".DonneesValide(true)" : ".DonneesValide(false)"));
        EXPECT_EQ(journal.entries(), expected);
        EXPECT_EQ(log.count("TPrComposite::EcranValide()"), c.asked.size());
    }
}

// The view of `a` goes with its panel first: it is neither used nor destroyed again.
TEST_F(TPrCompositeTest, DestroyingTheRootDestroysChildrenThenTheViewOfEachNodeOnce)
{
    auto* panel = new TPanel(nullptr);
    for (const auto& [node, name] : named())
        node->setView(new RecordingView(journal, name, node == a ? panel : nullptr));
    delete panel;
    EXPECT_EQ(a->getView(), nullptr);
    root->Show();
    EXPECT_EQ(journal.count("a.view.Show"), 0u);
    journal.clear();
    delete root;
    root = nullptr;
    EXPECT_THAT(journal.entries(), ElementsAre("root.~", "a.~", "a1.~", "a1.~view", "a2.~",
                                               "a2.~view", "b.~", "b.~view", "root.~view"));
}

// A screen presenter of a host, recording the rebuilding of its view.
class RecordingScreenPresenter : public TPrEcranVCL
{
public:
    RecordingScreenPresenter(Journal& journal, std::string name, TPrComposite* parent)
        : TPrEcranVCL(nullptr, parent, nullptr, nullptr, nullptr), m_journal(journal),
          m_name(std::move(name))
    {}
    void SauveDataInit() override {}
    void RestaureDataInit() override {}
    void CheckIsModified() override {}
    void InitDonnees() override {}
    void ChangeView() override { m_journal.add(m_name + ".ChangeView"); }

private:
    Journal& m_journal;
    std::string m_name;
};

// Names every presenter it visits, with the kind of visit it received.
class RecordingVisitor : public TCompositeVisitor
{
public:
    explicit RecordingVisitor(Journal& journal) : m_journal(journal) {}
    void VisitBaseForm(TPrBaseForm*) override { m_journal.add("BaseForm"); }
    void VisitEcranVCL(TPrEcranVCL*) override { m_journal.add("EcranVCL"); }
    void VisitManagementButtons(TPrManagementButtons*) override { m_journal.add("Buttons"); }
    void VisitNavigateTree(TPrNavigateTree*) override { m_journal.add("NavigateTree"); }

private:
    Journal& m_journal;
};

// The four kinds of presenters as a wizard builds them:
// form { tree, screen { inner }, buttons }.
class TCompositeVisitorTest : public PresenterTest
{
protected:
    void SetUp() override
    {
        PresenterTest::SetUp();
        form = new TPrBaseForm(nullptr, &model, nullptr);
        tree = new TPrNavigateTree(form->getPanelNavigateTree(), form, &model, nullptr, nullptr);
        screen = new RecordingScreenPresenter(journal, "screen", form);
        inner = new RecordingScreenPresenter(journal, "inner", screen);
        buttons = new RecordingButtons(journal, form);
        form->Add(tree);
        form->Add(screen);
        screen->Add(inner);
        form->Add(buttons);
    }
    void TearDown() override
    {
        delete form;
        PresenterTest::TearDown();
    }

    Journal journal;
    TInfoGene info;
    TestModel model{&info};
    TPrBaseForm* form = nullptr;
    TPrNavigateTree* tree = nullptr;
    RecordingScreenPresenter* screen = nullptr;
    RecordingScreenPresenter* inner = nullptr;
    RecordingButtons* buttons = nullptr;
};

TEST_F(TCompositeVisitorTest, TheWalkVisitsEveryPresenterOnceInPreOrderWithTheVisitOfItsKind)
{
    // Children under every kind, and under a plain node, which is not visited itself.
    tree->Add(new RecordingScreenPresenter(journal, "underTree", tree));
    buttons->Add(new RecordingScreenPresenter(journal, "underButtons", buttons));
    auto* plain = new RecordingPresenter(journal, "plain", form);
    form->Add(plain);
    plain->Add(new RecordingScreenPresenter(journal, "underPlain", plain));

    RecordingVisitor visitor(journal);
    form->Accept(&visitor);
    EXPECT_THAT(journal.entries(), ElementsAre("BaseForm", "NavigateTree", "EcranVCL", "EcranVCL",
                                               "EcranVCL", "Buttons", "EcranVCL", "EcranVCL"));
}

TEST_F(TCompositeVisitorTest, EachVisitorActsOnItsKindOfPresenterOnly)
{
    delete form->getView();
    form->setView(new RecordingView(journal, "form"));
    TVisitorChangeView changeView;
    TVisitorMajCinematique majCinematique;
    TVisitorFixClientHeight fit(321);
    const std::vector<std::pair<std::function<void()>, std::vector<std::string>>> cases = {
        {[&] { form->Accept(&changeView); }, {"screen.ChangeView", "inner.ChangeView"}},
        {[&] { form->ChangeScreen(); }, {"screen.ChangeView", "inner.ChangeView"}},
        {[&] { form->Accept(&majCinematique); }, {"buttons.MajCinematique"}},
        {[&] { form->Accept(&fit); }, {"form.view.Fix 321"}},
        {[&] {
             delete form->getView(); // a window already closed has nothing left to fit
             form->Accept(&fit);
         },
         {"form.~view"}},
    };
    for (const auto& [run, expected] : cases) {
        journal.clear();
        run();
        EXPECT_EQ(journal.entries(), expected) << expected.front();
    }
}

} // namespace
