#include "presenter/TPrListManager.h"

#include "flow/TCinematicManagerAbstract.h"
#include "model/TCompteRendu.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TCreeIHM.h"
#include "presenter/TMdListManager.h"
#include "presenter/TPrComposite.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TView.h"

#include "PresenterDoubles.h"

#include "DesktopMetrics.h"
#include "GestureFlush.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TAction.h"
#include "TInfoGene.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using Answer = DialogSeam::Answer;

// A host's list of elements with a current position, recording the operations it receives.
class FakeList : public TMdListManager
{
public:
    FakeList(Journal& journal, TModelAbstract* model, TMgtModelInvoker* invoker)
        : TMdListManager(model, invoker), m_journal(journal)
    {}

    void AjouteElement() override
    {
        m_journal.add("AjouteElement");
        elements.push_back("Nouveau");
        current = static_cast<int>(elements.size()) - 1;
    }
    void SupprimeElement() override
    {
        m_journal.add("SupprimeElement");
        if (!valid(current))
            return;
        elements.erase(elements.begin() + current);
        if (current >= static_cast<int>(elements.size()))
            current = static_cast<int>(elements.size()) - 1;
    }
    void DupliqueElement() override
    {
        m_journal.add("DupliqueElement");
        if (!valid(current))
            return;
        elements.insert(elements.begin() + current + 1, elements[current] + " (copie)");
        ++current;
    }
    void DeplaceElement(int from, int to) override
    {
        m_journal.add("DeplaceElement(" + std::to_string(from) + "," + std::to_string(to) + ")");
        if (!valid(from) || !valid(to))
            return;
        std::swap(elements[from], elements[to]);
        current = to;
    }
    std::string getLibelleElement() override { return valid(current) ? elements[current] : ""; }
    int getNbElement() override
    {
        return counts ? static_cast<int>(elements.size()) : TMdListManager::getNbElement();
    }
    int getIndexElement() override { return current; }
    void setIndexElement(int index) override
    {
        m_journal.add("setIndexElement(" + std::to_string(index) + ")");
        current = index;
    }

    std::vector<std::string> elements;
    int current = -1;
    bool counts = true; // false: getNbElement left to the base

private:
    bool valid(int index) const { return index >= 0 && index < static_cast<int>(elements.size()); }

    Journal& m_journal;
};

// The element editor: validates or not, as told, and marks what it saw.
class ScriptedEditor : public TCreeIHM
{
public:
    ScriptedEditor(Journal& journal, const FakeList& list) : m_journal(journal), m_list(list) {}

    void CreeIHM(TView* parent, TModelAbstract* model, TMgtModelInvoker* invoker,
                 TCompteRendu& compteRendu) override
    {
        m_journal.add("CreeIHM");
        seenParent = parent;
        seenModel = model;
        seenInvoker = invoker;
        seenCurrent = m_list.current;
        seenUserAction = compteRendu.getUserAction();
        compteRendu.setModified(true);
        if (validates)
            compteRendu.setUserAction(0);
    }

    bool validates = true;
    TView* seenParent = nullptr;
    TModelAbstract* seenModel = nullptr;
    TMgtModelInvoker* seenInvoker = nullptr;
    int seenCurrent = -100;
    int seenUserAction = -100;

private:
    Journal& m_journal;
    const FakeList& m_list;
};

// The screen that shows the list: its refresh rebuilds the tree list, one top-level node per
// element, each with one detail line under it.
class ListScreen : public TPrComposite
{
public:
    ListScreen(Journal& journal, TPrComposite* root, const FakeList& list, TcxKelTreeList& tree)
        : TPrComposite(root, nullptr, nullptr, nullptr), m_journal(journal), m_list(list),
          m_tree(tree)
    {}

    void Update() override
    {
        m_journal.add("screen.Update");
        Fill();
    }
    void Fill()
    {
        m_tree.Clear();
        for (const std::string& element : m_list.elements) {
            TcxTreeListNode* node = m_tree.AddChild();
            node->SetValue(0, element);
            node->AddChild()->SetValue(0, element + " / d\xE9tail");
        }
    }

private:
    Journal& m_journal;
    const FakeList& m_list;
    TcxKelTreeList& m_tree;
};

// The buttons bar, whose flow state the add and modify operations refresh.
class FlowButtons : public TPrManagementButtons
{
public:
    FlowButtons(Journal& journal, TPrComposite* root)
        : TPrManagementButtons(nullptr, root, nullptr, nullptr, nullptr), m_journal(journal)
    {}
    void MajCinematique() override { m_journal.add("buttons.MajCinematique"); }
    void Update() override {}

private:
    Journal& m_journal;
};

// The flow, whose screens a change may switch on or off.
class JournalFlow : public TCinematicManagerAbstract
{
public:
    explicit JournalFlow(Journal& journal) : m_journal(journal) {}
    void Update() override { m_journal.add("flow.Update"); }

private:
    Journal& m_journal;
};

class CountingModel : public QuietModel
{
public:
    using QuietModel::QuietModel;
    void Calcul() override { ++calculs; }
    int calculs = 0;
};

// A root with a view, the list's screen and the buttons bar; the list holds A, B, C.
struct ListHarness
{
    ListHarness()
    {
        root = std::make_unique<TPrComposite>(nullptr, &model, &invoker, nullptr);
        root->setRoot(root.get());
        root->setView(new TView());
        root->setCinematicManager(&flow);
        screen = new ListScreen(journal, root.get(), list, tree);
        root->Add(screen);
        root->Add(new FlowButtons(journal, root.get()));
        list.elements = {"A", "B", "C"};
        screen->Fill();
    }

    Journal journal;
    JournalFlow flow{journal};
    TInfoGene info;
    CountingModel model{&info};
    TMgtModelInvoker invoker;
    FakeList list{journal, &model, &invoker};
    ScriptedEditor editor{journal, list};
    TcxKelTreeList tree;
    std::unique_ptr<TPrComposite> root;
    ListScreen* screen = nullptr; // owned by the root
};

class TPrListManagerTest : public QtLeakCheckedTest
{
protected:
    static void SetUpTestSuite()
    {
        SetDesktopSizeOverride(1280, 1024);
        // The first buttons bar of the process makes Qt build its lazy singletons.
        WarmUpShownWindows();
        {
            ListHarness warmUp;
        }
        flushQtEvents();
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
    }

    void SetUp() override
    {
        SetDesktopSizeOverride(1280, 1024);
        QtLeakCheckedTest::SetUp();
        h = std::make_unique<ListHarness>();
        h->journal.clear();
        action = std::make_unique<TAction>();
    }
    void TearDown() override
    {
        action.reset();
        h.reset();
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
        QtLeakCheckedTest::TearDown();
    }

    TPrListManager Manager(bool withEditor = true)
    {
        return TPrListManager(&h->list, h->screen, withEditor ? &h->editor : nullptr);
    }
    void Focus(int top, bool detail = false)
    {
        TcxTreeListNode* node = h->tree.GetItem(top);
        h->tree.SetFocusedNode(detail ? node->GetFirstChild() : node);
    }
    int FocusedTop() const
    {
        const TcxTreeListNode* node = h->tree.GetFocusedNode();
        return node && node->GetLevel() == 0 ? node->GetIndex() : -1;
    }
    std::string FocusedText() const
    {
        return h->tree.GetFocusedNode() ? h->tree.GetFocusedNode()->GetValue(0) : "<none>";
    }

    std::unique_ptr<ListHarness> h;
    std::unique_ptr<TAction> action;
};

// --- Positions ---

TEST_F(TPrListManagerTest, NodeIndexIsThePositionOfTheFocusedNodesTopLevelAncestor)
{
    TPrListManager manager = Manager();
    Focus(1);
    EXPECT_EQ(manager.getNodeIndex(&h->tree), 1);
    Focus(2, true);
    EXPECT_EQ(manager.getNodeIndex(&h->tree), 2);

    h->tree.SetFocusedNode(nullptr);
    EXPECT_EQ(manager.getNodeIndex(&h->tree), -1);
    EXPECT_EQ(manager.getNodeIndex(nullptr), -1);
}

TEST_F(TPrListManagerTest, FocusNodeFocusesATopLevelNodeAndIgnoresPositionsWithoutOne)
{
    TPrListManager manager = Manager();
    manager.focusNode(&h->tree, 2);
    EXPECT_EQ(FocusedText(), "C");

    manager.focusNode(&h->tree, -1);
    manager.focusNode(&h->tree, 3);
    manager.focusNode(nullptr, 0);
    EXPECT_EQ(FocusedText(), "C");
}

// --- Add ---

TEST_F(TPrListManagerTest, AddWithAValidatedEditorKeepsTheElementRefreshesAndFocusesIt)
{
    TPrListManager manager = Manager();

    manager.AjouteElementExecute(&h->tree);

    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "C", "Nouveau"));
    EXPECT_THAT(h->journal.entries(),
                ElementsAre("AjouteElement", "CreeIHM", "buttons.MajCinematique", "flow.Update",
                            "flow.Update", "screen.Update"));
    // The editor works on the new element, over the root's view, with the list's model.
    EXPECT_EQ(h->editor.seenCurrent, 3);
    EXPECT_EQ(h->editor.seenParent, h->root->getView());
    EXPECT_EQ(h->editor.seenModel, &h->model);
    EXPECT_EQ(h->editor.seenInvoker, &h->invoker);
    EXPECT_EQ(h->editor.seenUserAction, 1);
    EXPECT_TRUE(h->screen->getCompteRendu()->isModified());
    EXPECT_EQ(FocusedText(), "Nouveau");
}

TEST_F(TPrListManagerTest, AddWithACancelledEditorRemovesTheElementButKeepsTheEditorsReport)
{
    TPrListManager manager = Manager();
    h->editor.validates = false;
    Focus(1);

    manager.AjouteElementExecute(&h->tree);

    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "C"));
    EXPECT_THAT(h->journal.entries(),
                ElementsAre("AjouteElement", "CreeIHM", "SupprimeElement", "buttons.MajCinematique",
                            "flow.Update", "flow.Update", "screen.Update"));
    EXPECT_TRUE(h->screen->getCompteRendu()->isModified());
    EXPECT_EQ(FocusedText(), "C"); // the list's current position after the removal
}

TEST_F(TPrListManagerTest, AddWithoutAnEditorAppendsWithoutRefreshing)
{
    TPrListManager manager = Manager(false);
    Focus(0);

    manager.AjouteElementExecute(&h->tree);

    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "C", "Nouveau"));
    EXPECT_THAT(h->journal.entries(), ElementsAre("AjouteElement"));
    // The tree has no line for it until the host refreshes: the focus stays.
    EXPECT_EQ(FocusedText(), "A");
    h->screen->Fill();
    manager.focusNode(&h->tree, h->list.getIndexElement());
    EXPECT_EQ(FocusedText(), "Nouveau");
}

// --- Duplicate ---

TEST_F(TPrListManagerTest, DuplicateCopiesTheCurrentElementComputesAndFocusesTheCopy)
{
    TPrListManager manager = Manager();
    Focus(1);
    h->list.current = 1;

    manager.DupliqueElementExecute(&h->tree);

    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "B (copie)", "C"));
    EXPECT_EQ(h->model.calculs, 1);
    EXPECT_THAT(h->journal.entries(), ElementsAre("DupliqueElement", "buttons.MajCinematique",
                                                  "flow.Update", "flow.Update", "screen.Update"));
    EXPECT_EQ(FocusedText(), "B (copie)");
}

TEST_F(TPrListManagerTest, DuplicateWithoutAFocusedNodeOnlyFocusesTheCurrentElement)
{
    TPrListManager manager = Manager();
    h->list.current = 2;

    manager.DupliqueElementExecute(&h->tree);

    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "C"));
    EXPECT_EQ(h->model.calculs, 0);
    EXPECT_THAT(h->journal.entries(), IsEmpty());
    EXPECT_EQ(FocusedText(), "C");
}

// --- Modify ---

TEST_F(TPrListManagerTest, ModifyOpensTheEditorOnTheFocusedElementAndRefreshes)
{
    TPrListManager manager = Manager();
    Focus(2, true); // a detail line stands for its element

    manager.ModifieElementExecute(&h->tree);

    EXPECT_EQ(h->editor.seenCurrent, 2);
    EXPECT_THAT(h->journal.entries(),
                ElementsAre("setIndexElement(2)", "CreeIHM", "buttons.MajCinematique",
                            "flow.Update", "flow.Update", "screen.Update"));
    EXPECT_TRUE(h->screen->getCompteRendu()->isModified());
    EXPECT_EQ(FocusedText(), "C");
}

TEST_F(TPrListManagerTest, ModifyWithACancelledEditorRemovesNothing)
{
    TPrListManager manager = Manager();
    h->editor.validates = false;
    Focus(0);

    manager.ModifieElementExecute(&h->tree);

    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "C"));
    EXPECT_EQ(h->journal.count("SupprimeElement"), 0u);
    EXPECT_EQ(FocusedText(), "A");
}

TEST_F(TPrListManagerTest, ModifyWithoutAnEditorOnlyMakesTheFocusedElementCurrent)
{
    TPrListManager manager = Manager(false);
    Focus(1);

    manager.ModifieElementExecute(&h->tree);

    EXPECT_THAT(h->journal.entries(), ElementsAre("setIndexElement(1)"));
    EXPECT_EQ(FocusedText(), "B");
}

// --- Delete ---

TEST_F(TPrListManagerTest, DeleteAsksWithTheElementsLabelAndRemovesItOnOk)
{
    TPrListManager manager = Manager();
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::OK);
    Focus(1);

    manager.SupprimeElementExecute(&h->tree);

    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), "Confirmez-vous la suppression de cet \xE9l\xE9ment : B ?");
    EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::OKCancel);
    EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Information);
    EXPECT_THAT(h->list.elements, ElementsAre("A", "C"));
    EXPECT_THAT(h->journal.entries(),
                ElementsAre("setIndexElement(1)", "SupprimeElement", "buttons.MajCinematique",
                            "flow.Update", "flow.Update", "screen.Update"));
    EXPECT_EQ(FocusedText(), "C");
}

TEST_F(TPrListManagerTest, DeleteOfTheLastElementFocusesTheListsPositionAfterwards)
{
    TPrListManager manager = Manager();
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::OK);
    Focus(2);

    manager.SupprimeElementExecute(&h->tree);

    EXPECT_THAT(h->list.elements, ElementsAre("A", "B"));
    EXPECT_EQ(FocusedText(), "B");
}

TEST_F(TPrListManagerTest, DeleteDeclinedOnlyMakesTheFocusedElementCurrent)
{
    TPrListManager manager = Manager();
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::Cancel);
    h->list.current = 0;
    Focus(2);

    manager.SupprimeElementExecute(&h->tree);

    EXPECT_EQ(dialogs.count(), 1u);
    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "C"));
    EXPECT_THAT(h->journal.entries(), ElementsAre("setIndexElement(2)"));
    EXPECT_EQ(h->list.current, 2);
    EXPECT_EQ(FocusedText(), "C");
}

TEST_F(TPrListManagerTest, DeleteWithoutAFocusedNodeAsksNothingAndDeletesNothing)
{
    TPrListManager manager = Manager();
    ScriptedDialogs dialogs;
    h->list.current = 1;

    manager.SupprimeElementExecute(&h->tree);
    manager.SupprimeElementExecute(nullptr);

    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "C"));
    EXPECT_THAT(h->journal.entries(), IsEmpty());
    EXPECT_EQ(FocusedText(), "B");
}

// --- Reorder ---

TEST_F(TPrListManagerTest, AMoveSwapsWithTheNeighbourWhichKeepsTheFocus)
{
    // The list model leaves its count to the base (0): the tree alone tells the neighbours.
    h->list.counts = false;
    struct Case
    {
        void (TPrListManager::*move)(TcxKelTreeList*);
        std::vector<std::string> elements;
        std::string call;
        int focused;
    };
    const Case cases[] = {
        {&TPrListManager::MoveUpElementExecute, {"B", "A", "C"}, "DeplaceElement(1,0)", 0},
        {&TPrListManager::MoveDownElementExecute, {"A", "C", "B"}, "DeplaceElement(1,2)", 2},
    };
    TPrListManager manager = Manager();
    for (const Case& c : cases) {
        h->list.elements = {"A", "B", "C"};
        h->screen->Fill();
        h->journal.clear();
        Focus(1);

        (manager.*c.move)(&h->tree);

        EXPECT_EQ(h->list.elements, c.elements);
        EXPECT_THAT(h->journal.entries(),
                    ElementsAre(c.call, "buttons.MajCinematique", "flow.Update", "flow.Update",
                                "screen.Update"));
        EXPECT_EQ(FocusedTop(), c.focused);
        EXPECT_EQ(FocusedText(), "B");
    }
}

TEST_F(TPrListManagerTest, TheFirstElementDoesNotMoveUpNorTheLastDown)
{
    TPrListManager manager = Manager();
    Focus(0);
    manager.MoveUpElementExecute(&h->tree);
    EXPECT_EQ(FocusedText(), "A");
    Focus(2);
    manager.MoveDownElementExecute(&h->tree);
    EXPECT_EQ(FocusedText(), "C");
    h->tree.SetFocusedNode(nullptr);
    manager.MoveUpElementExecute(&h->tree);
    manager.MoveDownElementExecute(&h->tree);

    EXPECT_THAT(h->list.elements, ElementsAre("A", "B", "C"));
    EXPECT_THAT(h->journal.entries(), IsEmpty());
}

// --- Enablers ---

TEST_F(TPrListManagerTest, AddIsAlwaysEnabled)
{
    TPrListManager manager = Manager();
    action->SetEnabled(false);
    manager.AjouteElementUpdate(action.get());
    EXPECT_TRUE(action->GetEnabled());
    manager.AjouteElementUpdate(nullptr);
}

TEST_F(TPrListManagerTest, DuplicateModifyAndDeleteNeedAFocusedNode)
{
    TPrListManager manager = Manager();
    using Update = void (TPrListManager::*)(TcxKelTreeList*, TAction*);
    for (Update update :
         {&TPrListManager::DupliqueElementUpdate, &TPrListManager::ModifieElementUpdate,
          &TPrListManager::SupprimeElementUpdate}) {
        h->tree.SetFocusedNode(nullptr);
        (manager.*update)(&h->tree, action.get());
        EXPECT_FALSE(action->GetEnabled());
        Focus(1, true);
        (manager.*update)(&h->tree, action.get());
        EXPECT_TRUE(action->GetEnabled());
        (manager.*update)(nullptr, action.get());
        EXPECT_FALSE(action->GetEnabled());
        (manager.*update)(&h->tree, nullptr);
    }
}

TEST_F(TPrListManagerTest, MoveUpNeedsATopLevelNodeAfterTheFirst)
{
    TPrListManager manager = Manager();
    const auto enabledOn = [&](int top, bool detail) {
        Focus(top, detail);
        manager.MoveUpElementUpdate(&h->tree, action.get());
        return action->GetEnabled();
    };
    EXPECT_FALSE(enabledOn(0, false));
    EXPECT_TRUE(enabledOn(1, false));
    EXPECT_TRUE(enabledOn(2, false));
    EXPECT_FALSE(enabledOn(1, true)); // a detail line
    h->tree.SetFocusedNode(nullptr);
    manager.MoveUpElementUpdate(&h->tree, action.get());
    EXPECT_FALSE(action->GetEnabled());
}

TEST_F(TPrListManagerTest, MoveDownNeedsATopLevelNodeBeforeTheLast)
{
    TPrListManager manager = Manager();
    const auto enabledOn = [&](int top, bool detail) {
        Focus(top, detail);
        manager.MoveDownElementUpdate(&h->tree, action.get());
        return action->GetEnabled();
    };
    EXPECT_TRUE(enabledOn(0, false));
    EXPECT_TRUE(enabledOn(1, false));
    EXPECT_FALSE(enabledOn(2, false));
    EXPECT_FALSE(enabledOn(0, true)); // a detail line
    h->tree.SetFocusedNode(nullptr);
    manager.MoveDownElementUpdate(&h->tree, action.get());
    EXPECT_FALSE(action->GetEnabled());
}

// --- Without a list model or a presenter ---

TEST_F(TPrListManagerTest, WithoutAListModelEveryOperationDoesNothing)
{
    TPrListManager manager(nullptr, h->screen, &h->editor);
    Focus(1);
    ScriptedDialogs dialogs;

    manager.AjouteElementExecute(&h->tree);
    manager.DupliqueElementExecute(&h->tree);
    manager.ModifieElementExecute(&h->tree);
    manager.SupprimeElementExecute(&h->tree);
    manager.MoveUpElementExecute(&h->tree);
    manager.MoveDownElementExecute(&h->tree);

    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_THAT(h->journal.entries(), IsEmpty());
    EXPECT_EQ(FocusedText(), "B");
}

TEST_F(TPrListManagerTest, WithoutAPresenterTheEditorHasNoParentAndNothingIsRefreshed)
{
    TPrListManager manager(&h->list, nullptr, &h->editor);

    manager.AjouteElementExecute(&h->tree);

    EXPECT_EQ(h->editor.seenParent, nullptr);
    EXPECT_THAT(h->journal.entries(), ElementsAre("AjouteElement", "CreeIHM"));
}

TEST(TPrListManagerCopyTest, CopiesShareTheThreeLinksAndCompareByThem)
{
    Journal journal;
    FakeList list(journal, nullptr, nullptr);
    TCreeIHM editor;
    TPrListManager manager(&list, nullptr, &editor);
    TPrListManager copy(manager);
    EXPECT_TRUE(copy == manager);
    EXPECT_EQ(copy.getMdListManager(), &list);
    EXPECT_EQ(copy.getCreeIHM(), &editor);

    TPrListManager other;
    EXPECT_FALSE(other == manager);
    other = manager;
    EXPECT_TRUE(other == manager);
    const TPrListManager& same = other;
    other = same;
    EXPECT_TRUE(other == manager);
}

TEST(TMdListManagerTest, TheBaseIsAnEmptyListBoundToItsModelAndInvoker)
{
    TInfoGene info;
    QuietModel model(&info);
    TMgtModelInvoker invoker;
    TMdListManager list(&model, &invoker);
    EXPECT_EQ(list.getModel(), &model);
    EXPECT_EQ(list.getInvoker(), &invoker);
    EXPECT_EQ(list.getNbElement(), 0);
    EXPECT_EQ(list.getIndexElement(), -1);
    EXPECT_EQ(list.getLibelleElement(), "");

    TMdListManager copy(list);
    EXPECT_TRUE(copy == list);
    EXPECT_FALSE(TMdListManager() == list);
}

TEST(TCreeIHMTest, TheBaseEditorLeavesTheReportCancelled)
{
    TCreeIHM editor;
    TCompteRendu report;
    editor.CreeIHM(nullptr, nullptr, nullptr, report);
    EXPECT_EQ(report.getUserAction(), 1);
}

} // namespace
