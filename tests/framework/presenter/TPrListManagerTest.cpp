#include "presenter/TPrListManager.h"

#include "PresenterDoubles.h"
#include "presenter/TCreeIHM.h"
#include "presenter/TMdListManager.h"

#include "TAction.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <algorithm>
#include <tuple>

namespace {

// A host's list of elements with a current position.
class FakeList : public TMdListManager
{
public:
    using TMdListManager::TMdListManager;
    void AjouteElement() override
    {
        elements.push_back("Nouveau");
        current = size() - 1;
    }
    void SupprimeElement() override
    {
        elements.erase(elements.begin() + current);
        current = std::min(current, size() - 1);
    }
    void DupliqueElement() override
    {
        elements.insert(elements.begin() + current + 1, elements.at(current) + " (copie)");
        ++current;
    }
    void DeplaceElement(int from, int to) override
    {
        std::swap(elements.at(from), elements.at(to));
        current = to;
    }
    std::string getLibelleElement() override { return elements.at(current); }
    int getNbElement() override { return size(); }
    int getIndexElement() override { return current; }
    void setIndexElement(int index) override { current = index; }

    std::vector<std::string> elements{"A", "B", "C"};
    int current = -1;

private:
    int size() const { return static_cast<int>(elements.size()); }
};

// The element editor: validates or not, as told, and keeps what it was given.
class ScriptedEditor : public TCreeIHM
{
public:
    ScriptedEditor(Journal& journal, const FakeList& list) : m_journal(journal), m_list(list) {}
    void CreeIHM(TView* parent, TModelAbstract* model, TMgtModelInvoker* invoker,
                 TCompteRendu& report) override
    {
        m_journal.add("CreeIHM " + std::to_string(m_list.current));
        seen = {parent, model, invoker};
        report.setModified(true);
        if (validates)
            report.setUserAction(0);
    }

    std::tuple<TView*, TModelAbstract*, TMgtModelInvoker*> seen;
    bool validates = true;

private:
    Journal& m_journal;
    const FakeList& m_list;
};

// The screen that shows the list: its refresh rebuilds the tree.
class ListScreen : public TPrComposite
{
public:
    ListScreen(TPrComposite* root, std::function<void()> refresh)
        : TPrComposite(root, nullptr, nullptr, nullptr), m_refresh(std::move(refresh))
    {}
    void Update() override { m_refresh(); }

private:
    std::function<void()> m_refresh;
};

// A root with a view, the list's screen and the buttons bar; the list holds A, B, C, shown in
// the tree one top-level node per element, each with one detail line under it.
struct ListHarness
{
    ListHarness()
    {
        root.setRoot(&root);
        root.setView(new TView());
        root.setCinematicManager(&flow);
        screen = new ListScreen(&root, [this] {
            journal.add("screen.Update");
            Fill();
        });
        root.Add(screen);
        root.Add(new RecordingButtons(journal, &root));
        Fill();
    }
    void Fill()
    {
        tree.Clear();
        for (const std::string& element : list.elements) {
            TcxTreeListNode* node = tree.AddChild();
            node->SetValue(0, element);
            node->AddChild()->SetValue(0, element + " / d\xE9tail");
        }
    }

    Journal journal;
    RecordingFlow flow{journal, 0};
    TInfoGene info;
    TestModel model{&info};
    TMgtModelInvoker invoker;
    FakeList list{&model, &invoker};
    ScriptedEditor editor{journal, list};
    TcxKelTreeList tree;
    TPrComposite root{nullptr, &model, &invoker, nullptr};
    ListScreen* screen = nullptr; // owned by the root
};

class TPrListManagerTest : public PresenterTest
{
protected:
    void SetUp() override
    {
        PresenterTest::SetUp();
        h = std::make_unique<ListHarness>();
    }
    void TearDown() override
    {
        h.reset();
        PresenterTest::TearDown();
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
    std::string FocusedText() const
    {
        return h->tree.GetFocusedNode() ? h->tree.GetFocusedNode()->GetValue(0) : "<none>";
    }

    std::unique_ptr<ListHarness> h;
};

// Lists are written "A|B|C".
std::string Joined(const std::vector<std::string>& parts)
{
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : "|") + part;
    return joined;
}

TEST_F(TPrListManagerTest, EachOperationChangesTheListRefreshesTheTreeAndFocusesItsElement)
{
    using Op = void (TPrListManager::*)(TcxKelTreeList*);
    struct Case
    {
        Op run;
        int focus;   // the top-level node focused first (10 + n: its detail line), -1 none
        int current; // the list's current element before
        char editor; // 'v' validates, 'c' cancels (and declines the deletion), '-' none
        const char* elements;
        const char* opened; // what the editor was opened on, then the tree's refresh
        bool refreshed;
        const char* focused;
    };
    const Op add = &TPrListManager::AjouteElementExecute;
    const Op duplicate = &TPrListManager::DupliqueElementExecute;
    const Op modify = &TPrListManager::ModifieElementExecute;
    const Op remove = &TPrListManager::SupprimeElementExecute;
    const Op up = &TPrListManager::MoveUpElementExecute;
    const Op down = &TPrListManager::MoveDownElementExecute;
    const Case cases[] = {
        {add, 1, -1, 'c', "A|B|C", "CreeIHM 3", true, "C"},
        // The tree has no line for the new element until the host refreshes: the focus stays.
        {add, 0, -1, '-', "A|B|C|Nouveau", "", false, "A"},
        {duplicate, 1, 1, 'v', "A|B|B (copie)|C", "", true, "B (copie)"},
        {duplicate, -1, 2, 'v', "A|B|C", "", false, "C"},
        {modify, 12, -1, 'c', "A|B|C", "CreeIHM 2", true, "C"},
        {modify, 1, -1, '-', "A|B|C", "", false, "B"},
        {remove, 2, -1, 'v', "A|B", "", true, "B"},
        {remove, 1, 0, 'c', "A|B|C", "", false, "B"},
        {remove, -1, 1, 'v', "A|B|C", "", false, "B"},
        {down, 1, -1, 'v', "A|C|B", "", true, "B"},
        {up, 0, -1, 'v', "A|B|C", "", false, "A"},
        {down, 2, -1, 'v', "A|B|C", "", false, "C"},
        {down, -1, -1, 'v', "A|B|C", "", false, "<none>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(&c - cases));
        h = std::make_unique<ListHarness>();
        TPrListManager manager = Manager(c.editor != '-');
        h->editor.validates = c.editor == 'v';
        h->list.current = c.current;
        if (c.focus >= 0)
            Focus(c.focus % 10, c.focus >= 10);
        ScriptedDialogs dialogs;
        dialogs.answer(c.editor == 'v' ? DialogSeam::Answer::OK : DialogSeam::Answer::Cancel);

        (manager.*c.run)(&h->tree);

        EXPECT_EQ(Joined(h->list.elements), c.elements);
        std::vector<std::string> calls;
        if (*c.opened)
            calls.push_back(c.opened);
        if (c.refreshed)
            calls.insert(calls.end(), {"buttons.MajCinematique", "flow.Update", "flow.Update",
                                       "screen.Update", "buttons.Update"});
        EXPECT_EQ(h->journal.entries(), calls);
        if (*c.opened) {
            EXPECT_EQ(h->editor.seen, std::tuple(h->root.getView(), &h->model, &h->invoker));
        }
        EXPECT_EQ(FocusedText(), c.focused);
        EXPECT_EQ(h->model.calculs, c.run == duplicate && c.refreshed ? 1 : 0);
        EXPECT_EQ(h->screen->getCompteRendu()->isModified(), *c.opened != 0) << "editor's report";
        const bool asked = c.run == remove && c.focus >= 0;
        EXPECT_EQ(dialogs.count(), asked ? 1u : 0u);
    }
}

TEST_F(TPrListManagerTest, AddIsAlwaysEnabledTheOthersFollowTheFocusedNode)
{
    TPrListManager manager = Manager();
    TAction action;
    action.SetEnabled(false);
    manager.AjouteElementUpdate(&action);
    EXPECT_TRUE(action.GetEnabled());

    // Focus, one letter each: no tree, no node, top-level 0, 1, 2, detail of 0, detail of 1.
    using Update = void (TPrListManager::*)(TcxKelTreeList*, TAction*);
    const std::pair<Update, std::string> cases[] = {
        {&TPrListManager::DupliqueElementUpdate, "--TTTTT"},
        {&TPrListManager::ModifieElementUpdate, "--TTTTT"},
        {&TPrListManager::SupprimeElementUpdate, "--TTTTT"},
        {&TPrListManager::MoveUpElementUpdate, "---TT--"},
        {&TPrListManager::MoveDownElementUpdate, "--TT---"},
    };
    for (const auto& [update, expected] : cases) {
        for (int state = 0; state < 7; ++state) {
            if (state == 1)
                h->tree.SetFocusedNode(nullptr);
            else if (state > 1)
                Focus(state < 5 ? state - 2 : state - 5, state >= 5);
            const bool enabled = expected[state] == 'T';
            action.SetEnabled(!enabled);
            (manager.*update)(state == 0 ? nullptr : &h->tree, &action);
            EXPECT_EQ(action.GetEnabled(), enabled) << expected << " at " << state;
        }
    }
}

} // namespace
