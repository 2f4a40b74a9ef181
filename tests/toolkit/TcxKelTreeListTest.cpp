#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>

#include <QTest>

#include <functional>

using ::testing::ElementsAre;

class TcxKelTreeListTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        tree = std::make_unique<TcxKelTreeList>();
    }
    void TearDown() override
    {
        tree.reset();
        WidgetTest::TearDown();
    }

    // a (a1 (a1x), a2), b
    void BuildSmallTree()
    {
        a = tree->AddChild();
        a1 = a->AddChild();
        a1x = a1->AddChild();
        a2 = a->AddChild();
        b = tree->AddChild();
        for (auto [node, text] :
             {std::pair{a, "a"}, {a1, "a1"}, {a1x, "a1x"}, {a2, "a2"}, {b, "b"}})
            node->SetValue(0, text);
    }

    std::vector<std::string> Walk(int column = 0) const
    {
        std::vector<std::string> texts;
        for (auto* node = tree->GetNodes()->GetAbsoluteItem(0); node; node = node->GetNext()) {
            EXPECT_EQ(node->GetAbsoluteIndex(), static_cast<int>(texts.size()));
            texts.push_back(node->GetValue(column));
        }
        EXPECT_EQ(tree->GetNodes()->GetCount(), static_cast<int>(texts.size()));
        return texts;
    }

    QModelIndex IndexOf(TcxTreeListNode* node, int column = 0) const
    {
        return node->GetIsRoot()
                   ? QModelIndex()
                   : tree->model()->index(node->GetIndex(), column, IndexOf(node->GetParent()));
    }

    std::unique_ptr<TcxKelTreeList> tree;
    TcxTreeListNode *a = nullptr, *a1 = nullptr, *a1x = nullptr, *a2 = nullptr, *b = nullptr;
};

TEST_F(TcxKelTreeListTest, NodesKnowTheirPlaceAndTheAbsoluteOrderIsDepthFirst)
{
    BuildSmallTree();
    EXPECT_EQ(std::vector<int>({tree->GetRoot()->GetLevel(), a->GetLevel(), a1x->GetLevel()}),
              (std::vector<int>{-1, 0, 2}));
    EXPECT_TRUE(a1->GetIsFirst() && a2->GetIsLast() && !a1->GetIsLast() && !a2->GetIsFirst());
    EXPECT_EQ(std::vector({a1->GetNextSibling(), a2->GetPrevSibling(), a->GetLastChild()}),
              std::vector({a2, a1, a2}));
    EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "a1", "a1x", "a2", "b"}));
    a->SetExpanded(true); // a node shows only under expanded, visible parents
    EXPECT_TRUE(a1->GetIsVisible() && !a1x->GetIsVisible() && !tree->GetRoot()->GetIsVisible());
    a->SetVisible(false);
    EXPECT_FALSE(a->GetIsVisible() || a1->GetIsVisible());
    a->SetVisible(true);
    EXPECT_EQ(std::vector({b->GetPrev(), a2->GetPrev(), a->GetPrev()}),
              std::vector<TcxTreeListNode*>({a2, a1x, nullptr}));
    tree->SetColumnCount(2);
    b->SetValue(1, "\xE0 payer \x80");
    b->SetValue(2, "hors colonnes");
    EXPECT_EQ(b->GetValue(1) + b->GetValue(2), "\xE0 payer \x80");
    EXPECT_EQ(tree->model()->data(IndexOf(b, 1)).toString(), QString::fromUtf8("à payer €"));

    TcxKelTreeList other; // nodes of another tree can be neither parents nor focused
    EXPECT_EQ(tree->AddChild(other.AddChild()), nullptr);
    tree->SetFocusedNode(other.GetItem(0));
    EXPECT_EQ(tree->GetFocusedNode(), nullptr);
    a->AddChild()->SetValue(0, "a3"); // in the middle: renumbers
    EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "a1", "a1x", "a2", "a3", "b"}));
    a1->Delete(); // with its subtree
    EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "a2", "a3", "b"}));
    EXPECT_EQ(tree->model()->rowCount(IndexOf(a)), 2);
    tree->GetRoot()->DeleteChildren();
    EXPECT_EQ(tree->model()->rowCount(), 0);
}

TEST_F(TcxKelTreeListTest, ASortedColumnOrdersTheChildrenOfEveryNodeAndABatchShowsAtItsEnd)
{
    tree->SetColumnCount(2);
    tree->SetSortedColumn(1);
    // Filled one by one, then in a batch: each node takes its place once its text is set.
    for (const char* code : {"1000", "300", "99", "101"})
        tree->AddChild()->SetValue(1, code);
    tree->BeginUpdate();
    tree->BeginUpdate(); // the view catches up at the outermost end
    TcxTreeListNode* middle = tree->AddChild();
    middle->SetValue(1, "205");
    for (const char* code : {"b", "a"})
        middle->AddChild()->SetValue(1, code);
    middle->SetExpanded(true);
    middle->SetFocused(true);
    tree->EndUpdate();
    EXPECT_TRUE(tree->IsUpdateLocked());
    tree->EndUpdate();
    tree->EndUpdate(); // one too many: ignored
    EXPECT_FALSE(tree->IsUpdateLocked());
    EXPECT_TRUE(tree->isExpanded(IndexOf(middle)));
    EXPECT_THAT(Walk(1), ElementsAre("99", "101", "205", "a", "b", "300", "1000"));
    // Changed codes move their nodes all at once: a loop over the nodes meets each once.
    for (int i = 0; i < 5; ++i)
        tree->GetItem(i)->SetValue(1, std::to_string(10 - i));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tree->GetItem(0)->GetValue(1) == "6"; }));
    EXPECT_THAT(Walk(1), ElementsAre("6", "7", "8", "a", "b", "9", "10"));
    EXPECT_EQ(tree->GetFocusedNode(), middle);
    EXPECT_EQ(tree->currentIndex(), IndexOf(middle));
}

TEST_F(TcxKelTreeListTest, NodesAddedAfterARemovalStartWithNothingOfTheRemovedOnes)
{
    tree->SetColumnCount(2);
    const std::function<void()> removals[] = {
        [this] { a->Delete(); },
        [this] { a->DeleteChildren(); },
        [this] { tree->Clear(); },
        [this] { tree->BeginUpdate(), tree->Clear(), tree->EndUpdate(); },
    };
    for (const auto& remove : removals) {
        SCOPED_TRACE(&remove - removals);
        tree->Clear();
        BuildSmallTree();
        for (TcxTreeListNode* node : {a, a1, a1x, a2}) {
            node->SetValue(1, "old");
            node->SetData(7);
            node->SetNodeImageIndex(tlitStateIndex, 2);
            node->SetExpanded(true);
            node->SetVisible(false);
        }
        a1x->SetFocused(true);
        const int before = tree->GetNodes()->GetCount();
        remove();
        EXPECT_EQ(tree->GetFocusedNode(), nullptr);
        TcxTreeListNode* parent = tree->AddChild();
        std::vector<TcxTreeListNode*> added{parent};
        for (int i = 0; i < before; ++i)
            added.push_back(parent->AddChild());
        for (TcxTreeListNode* node : added) {
            EXPECT_EQ(node->GetValue(0) + node->GetValue(1) + std::to_string(node->GetData()) +
                          std::to_string(node->GetStateIndex()) + (node->GetExpanded() ? "+" : "") +
                          (node->GetVisible() ? "" : "hidden"),
                      "0-1");
            EXPECT_EQ(node->GetParent(), node == parent ? tree->GetRoot() : parent);
        }
        EXPECT_EQ(tree->model()->rowCount(IndexOf(parent)), before);
    }
}
