#include "PresenterDoubles.h"

#include "flow/TCinematicManagerAbstract.h"
#include "model/TCompteRendu.h"
#include "presenter/TPrComposite.h"

#include "DesktopMetrics.h"
#include "TInfoGene.h"
#include "TPanel.h"

#include "LogCapture.h"
#include "QtLeakCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

// A tree of recording presenters:
//
//   root
//   +-- a
//   |   +-- a1
//   |   +-- a2
//   +-- b
class TPrCompositeTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        WarmUpShownWindows();
        QtLeakCheckedTest::SetUp();
        SetDesktopSizeOverride(1280, 1024);
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
        SetDesktopSizeOverride(0, 0);
        QtLeakCheckedTest::TearDown();
    }

    Journal journal;
    TInfoGene info;
    QuietModel model{&info};
    RecordingPresenter* root = nullptr;
    RecordingPresenter* a = nullptr;
    RecordingPresenter* b = nullptr;
    RecordingPresenter* a1 = nullptr;
    RecordingPresenter* a2 = nullptr;
};

TEST_F(TPrCompositeTest, ChildrenTakeTheRootOfTheirParentButAreNotAddedByTheConstructor)
{
    EXPECT_EQ(a->getRoot(), root);
    EXPECT_EQ(a1->getRoot(), root);

    RecordingPresenter orphan(journal, "orphan", a);
    EXPECT_EQ(orphan.getRoot(), root);
    EXPECT_FALSE(a->isEnable(&orphan));
    EXPECT_EQ(a->getFils(), (std::vector<TPrComposite*>{a1, a2}));

    RecordingPresenter noParent(journal, "noParent", nullptr);
    EXPECT_EQ(noParent.getRoot(), nullptr);
}

TEST_F(TPrCompositeTest, ANewNodeHasNoViewAFreshReportAndItsLinks)
{
    TCinematicManagerAbstract flow;
    RecordingPresenter node(journal, "node", root, &model, &flow);
    EXPECT_EQ(node.getView(), nullptr);
    ASSERT_NE(node.getCompteRendu(), nullptr);
    EXPECT_EQ(*node.getCompteRendu(), TCompteRendu());
    EXPECT_EQ(node.getModel(), &model);
    EXPECT_EQ(node.getInvoker(), nullptr);
    EXPECT_EQ(node.getCinematicManager(), &flow);
    EXPECT_TRUE(node.getFils().empty());
}

TEST_F(TPrCompositeTest, AddKeepsEachChildOnceAndRemoveKeepsTheOrderOfTheOthers)
{
    RecordingPresenter* c = new RecordingPresenter(journal, "c", root);
    root->Add(c);
    root->Add(a);
    root->Add(c);
    EXPECT_EQ(root->getFils(), (std::vector<TPrComposite*>{a, b, c}));

    root->Remove(b);
    EXPECT_EQ(root->getFils(), (std::vector<TPrComposite*>{a, c}));
    EXPECT_FALSE(root->isEnable(b));
    EXPECT_TRUE(root->isEnable(c));
    EXPECT_EQ(journal.count("b.~"), 0u) << "a removed child is not destroyed";

    RecordingPresenter stranger(journal, "stranger", root);
    root->Remove(&stranger);
    EXPECT_EQ(root->getFils(), (std::vector<TPrComposite*>{a, c}));
    delete b;
}

TEST_F(TPrCompositeTest, TreeOperationsReachEachNodeBeforeItsChildrenInInsertionOrder)
{
    const std::vector<std::pair<std::string, std::function<void()>>> operations = {
        {"SaveData", [&] { root->SaveData(); }},
        {"LoadData", [&] { root->LoadData(); }},
        {"SauveDataInit", [&] { root->SauveDataInit(); }},
        {"RestaureDataInit", [&] { root->RestaureDataInit(); }},
        {"Show", [&] { root->Show(); }},
        {"Hide", [&] { root->Hide(); }},
        {"Update", [&] { root->Update(); }},
        {"SetControlHelpContext", [&] { root->SetControlHelpContext(); }},
        {"FocusControl(7)", [&] { root->FocusControl(7); }},
    };
    for (const auto& [name, run] : operations) {
        journal.clear();
        run();
        EXPECT_THAT(journal.entries(), ElementsAre("root." + name, "a." + name, "a1." + name,
                                                   "a2." + name, "b." + name))
            << name;
    }
}

TEST_F(TPrCompositeTest, ShowAndHideGoToTheOwnViewBeforeTheChildrenAndSkipNodesWithoutView)
{
    // Views are owned by the panels of the wizard window.
    TPanel panel;
    root->setView(new RecordingView(journal, "root", &panel));
    a1->setView(new RecordingView(journal, "a1", &panel));

    root->Show();
    EXPECT_THAT(journal.entries(), ElementsAre("root.Show", "root.view.Show", "a.Show", "a1.Show",
                                               "a1.view.Show", "a2.Show", "b.Show"));
    EXPECT_TRUE(root->getView()->GetVisible());
    EXPECT_TRUE(a1->getView()->GetVisible());

    journal.clear();
    root->Hide();
    EXPECT_THAT(journal.entries(), ElementsAre("root.Hide", "root.view.Hide", "a.Hide", "a1.Hide",
                                               "a1.view.Hide", "a2.Hide", "b.Hide"));
    EXPECT_FALSE(root->getView()->GetVisible());
    EXPECT_FALSE(a1->getView()->GetVisible());
}

TEST_F(TPrCompositeTest, UpdatePaintsTheViewInTheHostColourBeforeUpdatingIt)
{
    info.setCouleur(0x00336699);
    a->setView(new RecordingView(journal, "a"));

    root->Update();
    EXPECT_EQ(a->getView()->GetColor(), TColor(0x00336699));
    EXPECT_THAT(journal.entries(), ElementsAre("root.Update", "a.Update", "a.view.Update",
                                               "a1.Update", "a2.Update", "b.Update"));
}

TEST_F(TPrCompositeTest, UpdateWithoutAModelStillUpdatesTheView)
{
    RecordingPresenter lone(journal, "lone", nullptr);
    lone.setView(new RecordingView(journal, "lone"));
    const TColor before = lone.getView()->GetColor();
    lone.Update();
    EXPECT_EQ(lone.getView()->GetColor(), before);
    EXPECT_EQ(journal.count("lone.view.Update"), 1u);
}

TEST_F(TPrCompositeTest, HelpContextsComeFromTheActiveScreensResource)
{
    TCinematicManagerAbstract flow;
    flow.InitScreen(5, 42, "", TScreenInformation::SELECTION_NON, TScreenInformation::ON,
                    TScreenInformation::FAMILLE_DEFAUT);
    flow.setEnumEcranActif(5);
    for (TPrComposite* node : {static_cast<TPrComposite*>(root), static_cast<TPrComposite*>(a2)})
        node->setCinematicManager(&flow);
    root->setView(new RecordingView(journal, "root"));
    a2->setView(new RecordingView(journal, "a2"));

    root->SetControlHelpContext();
    EXPECT_THAT(journal.endingWith(")"), ElementsAre("root.view.SetControlHelpContext(42)",
                                                     "a2.view.SetControlHelpContext(42)"));
}

TEST_F(TPrCompositeTest, HelpContextsWithoutActiveScreenSkipTheViewsButReachTheChildren)
{
    TCinematicManagerAbstract flow; // nothing active
    root->setCinematicManager(&flow);
    root->setView(new RecordingView(journal, "root"));
    a2->setView(new RecordingView(journal, "a2")); // a2 has no flow manager at all

    root->SetControlHelpContext();
    EXPECT_TRUE(journal.endingWith(")").empty());
    EXPECT_EQ(journal.count("b.SetControlHelpContext"), 1u);
}

TEST_F(TPrCompositeTest, ReportsAreCheckedOwnFirstAndMergedBottomUp)
{
    a2->setModifies(true);
    b->getCompteRendu()->setFige(true);
    b->getCompteRendu()->setModified(true);
    b->getCompteRendu()->setFigeType(2);

    root->MiseAJourCompteRendu();

    EXPECT_THAT(journal.entries(),
                ElementsAre("root.CheckIsModified", "a.CheckIsModified", "a1.CheckIsModified",
                            "a2.CheckIsModified", "b.CheckIsModified"));
    EXPECT_TRUE(a->getCompteRendu()->isModified()) << "a absorbed a2";
    EXPECT_FALSE(a->getCompteRendu()->isFige());
    EXPECT_FALSE(a1->getCompteRendu()->isModified());
    EXPECT_TRUE(root->getCompteRendu()->isModified());
    EXPECT_TRUE(root->getCompteRendu()->isFige()) << "root absorbed b";
    EXPECT_EQ(root->getCompteRendu()->getFigeType(), 2);
    EXPECT_EQ(b->getCompteRendu()->getFigeType(), 2) << "a child's report is left as it is";
}

TEST_F(TPrCompositeTest, AReportMergedTwiceGivesTheSameAnswer)
{
    a1->getCompteRendu()->setFige(true);
    a1->getCompteRendu()->setModified(true);
    a1->getCompteRendu()->setFigeType(1);
    root->MiseAJourCompteRendu();
    const TCompteRendu once = *root->getCompteRendu();
    root->MiseAJourCompteRendu();
    EXPECT_EQ(*root->getCompteRendu(), once);
}

TEST_F(TPrCompositeTest, EcranValideStopsAtTheFirstNodeThatRefuses)
{
    LogCapture log;
    a->setValid(false);

    EXPECT_FALSE(root->EcranValide(true));
    EXPECT_THAT(journal.entries(), ElementsAre("root.EcranValide", "root.DonneesValide(true)",
                                               "a.EcranValide", "a.DonneesValide(true)"));
    EXPECT_EQ(log.count("TPrComposite::EcranValide()"), 2u) << "one line per node reached";
}

TEST_F(TPrCompositeTest, EcranValideAsksEveryNodeWhenAllAccept)
{
    LogCapture log;
    EXPECT_TRUE(root->EcranValide(false));
    EXPECT_THAT(journal.endingWith("(false)"),
                ElementsAre("root.DonneesValide(false)", "a.DonneesValide(false)",
                            "a1.DonneesValide(false)", "a2.DonneesValide(false)",
                            "b.DonneesValide(false)"));
    EXPECT_EQ(log.messages(), std::vector<std::string>(5, "TPrComposite::EcranValide()"));
}

TEST_F(TPrCompositeTest, ARefusingLeafStopsItsLaterSiblingsAndCousins)
{
    a1->setValid(false);
    EXPECT_FALSE(root->EcranValide(true));
    EXPECT_EQ(journal.count("a2.EcranValide"), 0u);
    EXPECT_EQ(journal.count("b.EcranValide"), 0u);
}

TEST(TPrCompositeBase, PlainCompositeAcceptsItsData)
{
    SetDesktopSizeOverride(1280, 1024);
    TPrComposite plain(nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(plain.DonneesValide(true));
    EXPECT_TRUE(plain.EcranValide(true));
    SetDesktopSizeOverride(0, 0);
}

TEST_F(TPrCompositeTest, SaveControlDisplayCoversTheWholeSubtreeOwnViewFirst)
{
    a->setView(new RecordingView(journal, "a"));
    a2->setView(new RecordingView(journal, "a2"));
    root->SaveControlDisplay();
    EXPECT_THAT(journal.entries(),
                ElementsAre("a.view.SaveControlDisplay", "a2.view.SaveControlDisplay"));
}

TEST_F(TPrCompositeTest, DestroyingTheRootDestroysEveryPresenterViewAndReportOnce)
{
    bool modelDestroyed = false;
    QuietModel ownModel(&info, &modelDestroyed);
    const std::vector<std::pair<RecordingPresenter*, std::string>> nodes = {
        {root, "root"}, {a, "a"}, {b, "b"}, {a1, "a1"}, {a2, "a2"}};
    for (const auto& [node, name] : nodes) {
        node->setModel(&ownModel);
        node->setView(new RecordingView(journal, name));
        InstallRecordingReport(*node, journal, name);
    }

    delete root;
    root = nullptr;

    for (const auto& [node, name] : nodes) {
        EXPECT_EQ(journal.count(name + ".~"), 1u) << name;
        EXPECT_EQ(journal.count(name + ".~view"), 1u) << name;
        EXPECT_EQ(journal.count(name + ".~report"), 1u) << name;
    }
    // Children go before the node's own view, the view before the report.
    EXPECT_LT(journal.indexOf("a2.~report"), journal.indexOf("a.~view"));
    EXPECT_LT(journal.indexOf("b.~report"), journal.indexOf("root.~view"));
    EXPECT_LT(journal.indexOf("root.~view"), journal.indexOf("root.~report"));
    EXPECT_FALSE(modelDestroyed);
    EXPECT_EQ(ownModel.getInfoGene(), &info);
}

TEST_F(TPrCompositeTest, AViewDestroyedWithItsPanelIsNeitherUsedNorDestroyedAgain)
{
    auto* panel = new TPanel(nullptr);
    a->setView(new RecordingView(journal, "a", panel));
    ASSERT_NE(a->getView(), nullptr);

    delete panel;
    EXPECT_EQ(journal.count("a.~view"), 1u);
    EXPECT_EQ(a->getView(), nullptr);

    root->Show();
    root->Update();
    delete root;
    root = nullptr;
    EXPECT_EQ(journal.count("a.~view"), 1u);
}

TEST_F(TPrCompositeTest, SettersHandOwnershipOverWithoutDestroyingWhatTheyReplace)
{
    TCompteRendu* previousReport = a1->getCompteRendu();
    a1->setCompteRendu(new TCompteRendu());
    EXPECT_NE(a1->getCompteRendu(), previousReport);
    delete previousReport; // ours again

    auto* view = new RecordingView(journal, "first");
    a1->setView(view);
    a1->setView(nullptr);
    EXPECT_EQ(journal.count("first.~view"), 0u);
    delete view;

    const std::vector<TPrComposite*> previousChildren = a->getFils();
    a->setFils({});
    EXPECT_EQ(journal.count("a1.~"), 0u);
    for (TPrComposite* child : previousChildren)
        delete child;
    EXPECT_EQ(journal.count("a1.~"), 1u);
}

TEST_F(TPrCompositeTest, MoveLeftPutsTheViewAtTheLeftEdgeOrDropsTheNavigationColumn)
{
    auto* view = new RecordingView(journal, "a");
    view->move(30, 12);
    a->setView(view);
    a->MoveLeft();
    EXPECT_EQ(view->x(), 0);
    EXPECT_EQ(view->y(), 12);
    EXPECT_TRUE(a->isLeftComposite());

    b->MoveLeft();
    EXPECT_FALSE(b->isLeftComposite());
}

TEST_F(TPrCompositeTest, SetHelpContextReachesOnlyTheOwnView)
{
    a->setView(new RecordingView(journal, "a"));
    a->setHelpContext(1234);
    EXPECT_EQ(a->getView()->GetHelpContext(), 1234);
    b->setHelpContext(99); // no view: nothing to do
}

struct DesktopCase
{
    int width;
    int height;
    bool leftComposite;
};

class TPrCompositeDesktopTest : public ::testing::TestWithParam<DesktopCase>
{
protected:
    void TearDown() override { SetDesktopSizeOverride(0, 0); }
};

TEST_P(TPrCompositeDesktopTest, NavigationColumnNeedsAWideOrTallDesktop)
{
    SetDesktopSizeOverride(GetParam().width, GetParam().height);
    TPrComposite node(nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(node.isLeftComposite(), GetParam().leftComposite);
}

INSTANTIATE_TEST_SUITE_P(Desktops, TPrCompositeDesktopTest,
                         ::testing::Values(DesktopCase{1024, 600, true},
                                           DesktopCase{800, 768, true},
                                           DesktopCase{1023, 767, false},
                                           DesktopCase{800, 600, false},
                                           DesktopCase{1920, 1080, true}));

TEST_F(TPrCompositeTest, ACopySharesTheLinksButOwnsNeitherViewNorChildren)
{
    TCinematicManagerAbstract flow;
    a->setCinematicManager(&flow);
    a->setView(new RecordingView(journal, "a"));
    a->getCompteRendu()->setModified(true);

    {
        TPrComposite copy(*a);
        EXPECT_EQ(copy.getRoot(), root);
        EXPECT_EQ(copy.getModel(), &model);
        EXPECT_EQ(copy.getCinematicManager(), &flow);
        EXPECT_EQ(copy.getView(), nullptr);
        EXPECT_TRUE(copy.getFils().empty());
        ASSERT_NE(copy.getCompteRendu(), a->getCompteRendu());
        EXPECT_EQ(*copy.getCompteRendu(), *a->getCompteRendu());
        EXPECT_FALSE(copy == *a);
    }
    EXPECT_EQ(journal.count("a1.~"), 0u);
    EXPECT_EQ(journal.count("a.~view"), 0u);
    EXPECT_NE(a->getView(), nullptr);
}

TEST_F(TPrCompositeTest, AssignmentCopiesLinksAndReportValuesAndIgnoresSelf)
{
    b->getCompteRendu()->setUserAction(0);
    b->setLeftComposite(false);
    TPrComposite target(nullptr, nullptr, nullptr, nullptr);
    TCompteRendu* ownReport = target.getCompteRendu();
    target = *b;
    EXPECT_EQ(target.getRoot(), root);
    EXPECT_EQ(target.getModel(), &model);
    EXPECT_FALSE(target.isLeftComposite());
    EXPECT_EQ(target.getCompteRendu(), ownReport);
    EXPECT_EQ(target.getCompteRendu()->getUserAction(), 0);

    TPrComposite& self = target;
    target = self;
    EXPECT_EQ(target.getCompteRendu(), ownReport);
}

TEST_F(TPrCompositeTest, EqualityComparesEveryLinkByIdentity)
{
    TPrComposite left(nullptr, &model, nullptr, nullptr);
    EXPECT_TRUE(left == left);
    TPrComposite right(left);
    EXPECT_FALSE(left == right) << "each has its own report";
    TCompteRendu* rightReport = right.getCompteRendu();
    right.setCompteRendu(left.getCompteRendu());
    EXPECT_TRUE(left == right);
    right.setLeftComposite(!left.isLeftComposite());
    EXPECT_FALSE(left == right);
    right.setCompteRendu(rightReport);
}

} // namespace
