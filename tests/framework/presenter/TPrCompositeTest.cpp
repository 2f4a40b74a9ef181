#include "PresenterDoubles.h"

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
        EXPECT_EQ(root->EcranValide(c.afficher), c.refuses == nullptr);
        std::vector<std::string> expected;
        for (const std::string& name : c.asked)
            expected.push_back(name +
                               (c.afficher ? ".DonneesValide(true)" : ".DonneesValide(false)"));
        EXPECT_EQ(journal.entries(), expected);
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

} // namespace
