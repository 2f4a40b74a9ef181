#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include "GestureFlush.h"
#include "QtLeakCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;

class TcxKelTreeListTest : public QtLeakCheckedTest
{
protected:
    // Qt builds some singletons (an empty model, input devices, scroll animations) the first
    // time a tree view is shown, scrolled and clicked; let that happen before objects are counted.
    static void SetUpTestSuite()
    {
        {
            TcxKelTreeList warmUp;
            warmUp.AddChild()->AddChild();
            for (int i = 0; i < 50; ++i)
                warmUp.AddChild();
            warmUp.resize(200, 100);
            warmUp.show();
            QApplication::processEvents();
            warmUp.SetTopVisibleIndex(20);
            const QPoint point(20, 5);
            QMouseEvent press(QEvent::MouseButtonPress, point,
                              warmUp.viewport()->mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(warmUp.viewport(), &press);
            QMouseEvent release(QEvent::MouseButtonRelease, point,
                                warmUp.viewport()->mapToGlobal(point), Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QApplication::sendEvent(warmUp.viewport(), &release);
            warmUp.hide();
        }
        flushQtEvents();
        flushDeletedGestures();
    }

    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        tree = std::make_unique<TcxKelTreeList>();
    }
    void TearDown() override
    {
        tree.reset();
        flushDeletedGestures();
        QtLeakCheckedTest::TearDown();
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

    std::vector<std::string> AbsoluteTexts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < tree->GetNodes()->GetCount(); ++i)
            texts.push_back(tree->GetNodes()->GetAbsoluteItem(i)->GetValue(0));
        return texts;
    }

    QModelIndex IndexOf(TcxTreeListNode* node, int column = 0) const
    {
        std::vector<int> rows;
        for (TcxTreeListNode* n = node; !n->GetIsRoot(); n = n->GetParent())
            rows.insert(rows.begin(), n->GetIndex());
        QModelIndex index;
        for (int row : rows)
            index = tree->model()->index(row, 0, index);
        return index.siblingAtColumn(column);
    }

    void Click(const QPoint& point)
    {
        QMouseEvent press(QEvent::MouseButtonPress, point, tree->viewport()->mapToGlobal(point),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, point, tree->viewport()->mapToGlobal(point),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &release);
    }

    void ShowTree(int width = 240, int height = 200)
    {
        tree->resize(width, height);
        tree->show();
        QApplication::processEvents();
    }

    std::unique_ptr<TcxKelTreeList> tree;
    TcxTreeListNode* a = nullptr;
    TcxTreeListNode* a1 = nullptr;
    TcxTreeListNode* a1x = nullptr;
    TcxTreeListNode* a2 = nullptr;
    TcxTreeListNode* b = nullptr;
};

TEST_F(TcxKelTreeListTest, NodesKnowTheirPlaceInTheTree)
{
    BuildSmallTree();

    EXPECT_EQ(tree->GetCount(), 2);
    EXPECT_EQ(tree->GetItem(1), b);
    EXPECT_EQ(tree->GetItem(2), nullptr);
    EXPECT_EQ(a->GetParent(), tree->GetRoot());
    EXPECT_EQ(tree->GetNodes()->GetRoot(), tree->GetRoot());
    EXPECT_EQ(a->GetLevel(), 0);
    EXPECT_EQ(a1x->GetLevel(), 2);
    EXPECT_EQ(tree->GetRoot()->GetLevel(), -1);
    EXPECT_EQ(a2->GetIndex(), 1);
    EXPECT_TRUE(a1->GetIsFirst());
    EXPECT_TRUE(a2->GetIsLast());
    EXPECT_EQ(a1->GetNextSibling(), a2);
    EXPECT_EQ(a2->GetPrevSibling(), a1);
    EXPECT_EQ(a->GetFirstChild(), a1);
    EXPECT_EQ(a->GetLastChild(), a2);
    EXPECT_EQ(b->GetTreeList(), tree.get());
}

TEST_F(TcxKelTreeListTest, AbsoluteOrderIsDepthFirstAndGetNextWalksIt)
{
    BuildSmallTree();

    EXPECT_EQ(AbsoluteTexts(), (std::vector<std::string>{"a", "a1", "a1x", "a2", "b"}));
    std::vector<TcxTreeListNode*> walked;
    for (TcxTreeListNode* node = tree->GetNodes()->GetAbsoluteItem(0); node; node = node->GetNext())
        walked.push_back(node);
    EXPECT_EQ(walked, (std::vector<TcxTreeListNode*>{a, a1, a1x, a2, b}));
    EXPECT_EQ(b->GetPrev(), a2);
    EXPECT_EQ(a2->GetPrev(), a1x);
    EXPECT_EQ(a->GetPrev(), nullptr);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(walked[static_cast<std::size_t>(i)]->GetAbsoluteIndex(), i);
    EXPECT_EQ(tree->GetNodes()->GetAbsoluteItem(5), nullptr);
    EXPECT_EQ(tree->GetNodes()->GetAbsoluteItem(-1), nullptr);
}

TEST_F(TcxKelTreeListTest, AddingInTheMiddleRenumbersTheAbsoluteOrder)
{
    BuildSmallTree();
    ASSERT_EQ(b->GetAbsoluteIndex(), 4);

    TcxTreeListNode* a3 = a->AddChild();
    a3->SetValue(0, "a3");

    EXPECT_EQ(a3->GetAbsoluteIndex(), 4);
    EXPECT_EQ(b->GetAbsoluteIndex(), 5);
    EXPECT_EQ(AbsoluteTexts(), (std::vector<std::string>{"a", "a1", "a1x", "a2", "a3", "b"}));
}

TEST_F(TcxKelTreeListTest, DeletingANodeRemovesItsSubtreeAndRenumbers)
{
    BuildSmallTree();
    a1->Delete();

    EXPECT_EQ(AbsoluteTexts(), (std::vector<std::string>{"a", "a2", "b"}));
    EXPECT_EQ(a2->GetIndex(), 0);
    EXPECT_TRUE(a2->GetIsFirst());
    EXPECT_EQ(tree->model()->rowCount(IndexOf(a)), 1);

    tree->GetRoot()->DeleteChildren();
    EXPECT_EQ(tree->GetNodes()->GetCount(), 0);
    EXPECT_EQ(tree->model()->rowCount(), 0);
}

TEST_F(TcxKelTreeListTest, ValuesArePerColumnInWindows1252)
{
    tree->SetColumnCount(3);
    TcxTreeListNode* node = tree->AddChild();
    node->SetValue(0, "Imp\xF4t \x80");
    node->SetValue(2, "\xE0 payer");
    node->SetValue(3, "hors colonnes");
    node->SetValue(-1, "hors colonnes");

    EXPECT_EQ(node->GetValueCount(), 3);
    EXPECT_EQ(node->GetValue(0), "Imp\xF4t \x80");
    EXPECT_EQ(node->GetTexts(1), "");
    EXPECT_EQ(node->GetValue(2), "\xE0 payer");
    EXPECT_EQ(node->GetValue(3), "");
    EXPECT_EQ(tree->model()->data(IndexOf(node, 0)).toString(), QString::fromUtf8("Impôt €"));
    EXPECT_EQ(tree->model()->data(IndexOf(node, 2)).toString(), QString::fromUtf8("à payer"));
}

TEST_F(TcxKelTreeListTest, DataAndImageIndexesAreKeptPerNode)
{
    TcxTreeListNode* node = tree->AddChild();
    EXPECT_EQ(node->GetData(), 0);
    EXPECT_EQ(node->GetNodeImageIndex(tlitStateIndex), -1);
    node->SetData(-42);
    node->SetNodeImageIndex(tlitStateIndex, 3);
    EXPECT_EQ(node->GetData(), -42);
    EXPECT_EQ(node->GetStateIndex(), 3);
    EXPECT_EQ(node->GetNodeImageIndex(tlitImageIndex), -1);
}

TEST_F(TcxKelTreeListTest, ExpandingRaisesOneEventPerChangeAndShowsInTheView)
{
    BuildSmallTree();
    std::vector<std::string> events;
    tree->OnExpanded = [&](TObject*, TcxTreeListNode* n) {
        events.push_back("+" + n->GetValue(0));
    };
    tree->OnCollapsed = [&](TObject*, TcxTreeListNode* n) {
        events.push_back("-" + n->GetValue(0));
    };

    a->SetExpanded(true);
    a->SetExpanded(true);
    EXPECT_TRUE(tree->isExpanded(IndexOf(a)));
    a->SetExpanded(false);

    EXPECT_EQ(events, (std::vector<std::string>{"+a", "-a"}));
    EXPECT_FALSE(tree->isExpanded(IndexOf(a)));
}

TEST_F(TcxKelTreeListTest, AUserCollapseReachesTheNodeAndItsEvent)
{
    BuildSmallTree();
    a->SetExpanded(true);
    TcxTreeListNode* collapsed = nullptr;
    tree->OnCollapsed = [&](TObject*, TcxTreeListNode* n) { collapsed = n; };

    tree->collapse(IndexOf(a)); // what a click on the button or the left arrow key does

    EXPECT_FALSE(a->GetExpanded());
    EXPECT_EQ(collapsed, a);
}

TEST_F(TcxKelTreeListTest, TheViewCatchesUpWithABatchAtEndUpdate)
{
    tree->BeginUpdate();
    BuildSmallTree();
    a->SetExpanded(true);
    b->SetVisible(false);
    a2->SetFocused(true);
    EXPECT_TRUE(tree->IsUpdateLocked());
    tree->EndUpdate();

    EXPECT_FALSE(tree->IsUpdateLocked());
    EXPECT_EQ(tree->model()->rowCount(), 2);
    EXPECT_TRUE(tree->isExpanded(IndexOf(a)));
    EXPECT_FALSE(tree->isExpanded(IndexOf(a1)));
    EXPECT_TRUE(tree->isRowHidden(1, QModelIndex()));
    EXPECT_EQ(tree->currentIndex(), IndexOf(a2));
    EXPECT_EQ(tree->GetFocusedNode(), a2);
}

TEST_F(TcxKelTreeListTest, NestedUpdatesEndWithTheOutermost)
{
    tree->BeginUpdate();
    tree->BeginUpdate();
    tree->AddChild()->SetValue(0, "x");
    tree->EndUpdate();
    EXPECT_TRUE(tree->IsUpdateLocked());
    tree->EndUpdate();
    tree->EndUpdate(); // one too many: ignored
    EXPECT_EQ(tree->model()->rowCount(), 1);
}

TEST_F(TcxKelTreeListTest, ANodeHasARowOnlyUnderExpandedVisibleParents)
{
    BuildSmallTree();
    EXPECT_TRUE(a->GetIsVisible());
    EXPECT_FALSE(a1->GetIsVisible());
    EXPECT_EQ(tree->GetVisibleCount(), 2);

    a->SetExpanded(true);
    EXPECT_TRUE(a1->GetIsVisible());
    EXPECT_FALSE(a1x->GetIsVisible());
    EXPECT_EQ(tree->GetVisibleCount(), 4);

    a->SetVisible(false);
    EXPECT_TRUE(tree->isRowHidden(0, QModelIndex()));
    EXPECT_FALSE(a1->GetIsVisible());
    EXPECT_EQ(tree->GetVisibleCount(), 1);
    EXPECT_EQ(tree->GetNodes()->GetCount(), 5); // hidden nodes keep their place
}

TEST_F(TcxKelTreeListTest, FocusFollowsCodeAndTheView)
{
    BuildSmallTree();
    std::vector<std::pair<TcxTreeListNode*, TcxTreeListNode*>> moves;
    tree->OnFocusedNodeChanged = [&](TObject*, TcxTreeListNode* from, TcxTreeListNode* to) {
        moves.emplace_back(from, to);
    };

    b->SetFocused(true);
    EXPECT_TRUE(b->GetFocused());
    EXPECT_EQ(tree->currentIndex(), IndexOf(b));
    EXPECT_EQ(tree->GetText(), "b");

    tree->setCurrentIndex(IndexOf(a));
    EXPECT_EQ(tree->GetFocusedNode(), a);

    a->SetFocused(false);
    EXPECT_EQ(tree->GetFocusedNode(), nullptr);
    using Move = std::pair<TcxTreeListNode*, TcxTreeListNode*>;
    EXPECT_EQ(moves, (std::vector<Move>{{nullptr, b}, {b, a}, {a, nullptr}}));
}

TEST_F(TcxKelTreeListTest, DeletingOrClearingTheFocusedNodeLeavesNoFocus)
{
    BuildSmallTree();
    a1x->SetFocused(true);
    a1->Delete();
    EXPECT_EQ(tree->GetFocusedNode(), nullptr);

    b->SetFocused(true);
    tree->Clear();
    EXPECT_EQ(tree->GetFocusedNode(), nullptr);
    EXPECT_EQ(tree->GetCount(), 0);
    EXPECT_EQ(tree->GetNodes()->GetAbsoluteItem(0), nullptr);
}

TEST_F(TcxKelTreeListTest, ANodeOfAnotherTreeCannotBeFocusedOrParented)
{
    TcxKelTreeList other;
    TcxTreeListNode* foreign = other.AddChild();
    tree->SetFocusedNode(foreign);
    EXPECT_EQ(tree->GetFocusedNode(), nullptr);
    EXPECT_EQ(tree->AddChild(foreign), nullptr);
    EXPECT_EQ(other.GetNodes()->GetCount(), 1);
}

TEST_F(TcxKelTreeListTest, TopVisibleIndexScrollsAndSurvivesARebuild)
{
    for (int i = 0; i < 100; ++i)
        tree->AddChild()->SetValue(0, std::to_string(i));
    ShowTree(200, 150);

    tree->SetTopVisibleIndex(40);
    EXPECT_EQ(tree->GetTopVisibleIndex(), 40);
    EXPECT_EQ(tree->indexAt(QPoint(5, 2)).row(), 40);

    tree->Clear();
    tree->BeginUpdate();
    for (int i = 0; i < 100; ++i)
        tree->AddChild()->SetValue(0, std::to_string(i));
    tree->EndUpdate();
    tree->SetTopVisibleIndex(40);
    EXPECT_EQ(tree->GetTopVisibleIndex(), 40);

    tree->SetTopVisibleIndex(1000); // as far as the list goes
    EXPECT_EQ(tree->GetTopVisibleIndex(), tree->verticalScrollBar()->maximum());
    EXPECT_LT(tree->GetTopVisibleIndex(), 100);
}

TEST_F(TcxKelTreeListTest, HitTestTellsTheExpandButtonFromTheRow)
{
    BuildSmallTree();
    ShowTree();
    const QRect row = tree->visualRect(IndexOf(a));
    const QPoint onButton(row.left() - tree->indentation() / 2, row.center().y());
    const QPoint onText(row.left() + 10, row.center().y());

    TcxTreeListHitTest* hit = tree->GetHitTest();
    hit->ReCalculate(onButton);
    EXPECT_EQ(hit->GetHitNode(), a);
    EXPECT_TRUE(hit->GetState(tlhc_HitAtNode));
    EXPECT_TRUE(hit->GetState(tlhc_HitAtButton));

    hit->ReCalculate(onText);
    EXPECT_EQ(hit->GetHitNode(), a);
    EXPECT_FALSE(hit->GetState(tlhc_HitAtButton));
    EXPECT_TRUE(hit->GetState(tlhc_HitAtCell));

    // b has no children: no button in front of it.
    const QRect rowB = tree->visualRect(IndexOf(b));
    hit->ReCalculate(QPoint(rowB.left() - tree->indentation() / 2, rowB.center().y()));
    EXPECT_FALSE(hit->GetState(tlhc_HitAtButton));
    EXPECT_TRUE(hit->GetState(tlhc_HitAtIndent));

    hit->ReCalculate(QPoint(10, tree->viewport()->height() - 2));
    EXPECT_EQ(hit->GetHitNode(), nullptr);
    EXPECT_TRUE(hit->GetState(tlhc_HitAtBackground));
    EXPECT_FALSE(hit->GetState(tlhc_HitAtNode));
}

TEST_F(TcxKelTreeListTest, AClickFocusesTheRowAndRaisesOnClickWithItsHitTest)
{
    BuildSmallTree();
    ShowTree();
    TcxTreeListNode* clickedNode = nullptr;
    bool onButton = true;
    int clicks = 0;
    tree->OnClick = [&](TObject*) {
        ++clicks;
        clickedNode = tree->GetHitTest()->GetHitNode();
        onButton = tree->GetHitTest()->GetState(tlhc_HitAtButton);
    };

    const QRect rowB = tree->visualRect(IndexOf(b));
    Click(QPoint(rowB.left() + 10, rowB.center().y()));

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clickedNode, b);
    EXPECT_FALSE(onButton);
    EXPECT_EQ(tree->GetFocusedNode(), b);
}

TEST_F(TcxKelTreeListTest, AClickOnTheButtonExpandsWithoutMovingTheFocus)
{
    BuildSmallTree();
    ShowTree();
    b->SetFocused(true);
    bool onButton = false;
    tree->OnClick = [&](TObject*) { onButton = tree->GetHitTest()->GetState(tlhc_HitAtButton); };
    int expanded = 0;
    tree->OnExpanded = [&](TObject*, TcxTreeListNode*) { ++expanded; };

    const QRect rowA = tree->visualRect(IndexOf(a));
    Click(QPoint(rowA.left() - tree->indentation() / 2, rowA.center().y()));

    EXPECT_TRUE(onButton);
    EXPECT_TRUE(a->GetExpanded());
    EXPECT_EQ(expanded, 1);
    EXPECT_EQ(tree->GetFocusedNode(), b);
}

TEST_F(TcxKelTreeListTest, TheContentStyleEventReplacesOneNodesStyle)
{
    BuildSmallTree();
    TcxStyle content;
    content.SetColor(clWhite);
    tree->SetContentStyle(content);
    TcxStyle bold;
    bold.SetColor(13497851);
    bold.SetFontBold(true);
    tree->OnGetContentStyle = [&](TObject*, int, TcxTreeListNode* node, const TcxStyle*& style) {
        if (node->GetAbsoluteIndex() == 4)
            style = &bold;
    };

    const QVariant boldFont = tree->model()->data(IndexOf(b), Qt::FontRole);
    ASSERT_TRUE(boldFont.isValid());
    EXPECT_TRUE(boldFont.value<QFont>().bold());
    EXPECT_EQ(tree->model()->data(IndexOf(b), Qt::BackgroundRole).value<QBrush>().color(),
              QColor(251, 245, 205));

    EXPECT_FALSE(tree->model()->data(IndexOf(a), Qt::FontRole).isValid());
    EXPECT_EQ(tree->model()->data(IndexOf(a), Qt::BackgroundRole).value<QBrush>().color(),
              QColor(Qt::white));
}

TEST_F(TcxKelTreeListTest, LevelStylesApplyByDepthTheLastServingDeeperLevels)
{
    BuildSmallTree();
    TcxStyle top;
    top.SetTextColor(clNavy);
    TcxStyle deeper;
    deeper.SetTextColor(clRed);
    tree->SetLevelStyles({top, deeper});

    EXPECT_EQ(tree->ContentStyleFor(a, 0).GetTextColor(), clNavy);
    EXPECT_EQ(tree->ContentStyleFor(a1, 0).GetTextColor(), clRed);
    EXPECT_EQ(tree->ContentStyleFor(a1x, 0).GetTextColor(), clRed);
}

TEST_F(TcxKelTreeListTest, ASortedColumnOrdersTheChildrenOfEveryNode)
{
    tree->SetColumnCount(2);
    tree->SetSortedColumn(1);
    // Filled one by one, then in a batch: each node takes its place once its text is set.
    for (const char* code : {"1000", "300", "99", "101"})
        tree->AddChild()->SetValue(1, code);
    tree->BeginUpdate();
    TcxTreeListNode* middle = tree->AddChild();
    middle->SetValue(1, "205");
    for (const char* code : {"b", "a"})
        middle->AddChild()->SetValue(1, code);
    tree->EndUpdate();
    middle->SetFocused(true);

    std::vector<std::string> codes;
    for (TcxTreeListNode* node = tree->GetNodes()->GetAbsoluteItem(0); node; node = node->GetNext())
        codes.push_back(node->GetValue(1));
    EXPECT_THAT(codes, ElementsAre("99", "101", "205", "a", "b", "300", "1000"));
    EXPECT_EQ(middle->GetIndex(), 2);
    EXPECT_EQ(tree->model()->data(IndexOf(middle, 1)).toString(), QStringLiteral("205"));

    // Changed codes move their nodes all at once: a loop setting the codes of the nodes it
    // walks meets each node once.
    for (int i = 0; i < 5; ++i)
        tree->GetItem(i)->SetValue(1, std::to_string(10 - i));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tree->GetItem(0)->GetValue(1) == "6"; }));
    codes.clear();
    for (int i = 0; i < 5; ++i)
        codes.push_back(tree->GetItem(i)->GetValue(1));
    EXPECT_THAT(codes, ElementsAre("6", "7", "8", "9", "10"));
    EXPECT_EQ(middle->GetIndex(), 2);
    EXPECT_EQ(tree->GetFocusedNode(), middle);
    EXPECT_EQ(tree->currentIndex(), IndexOf(middle));
}

TEST_F(TcxKelTreeListTest, AlternatingRowStylesFollowTheRowsShown)
{
    BuildSmallTree(); // a (a1 (a1x), a2), b
    TcxStyle even;
    even.SetColor(clWhite);
    TcxStyle odd;
    odd.SetColor(clYellow);
    tree->SetContentEvenStyle(even);
    tree->SetContentOddStyle(odd);
    TcxStyle top;
    top.SetTextColor(clNavy);
    tree->SetLevelStyles({top, TcxStyle()});

    const auto colours = [&] {
        std::vector<TColor> result;
        for (TcxTreeListNode* node : {a, a1, a1x, a2, b})
            result.push_back(tree->ContentStyleFor(node, 0).GetColor());
        return result;
    };
    // Rows a, b; then a, a1, a2, b once a is open. A node without a row takes no parity.
    EXPECT_THAT(colours(), ElementsAre(clWhite, clDefault, clDefault, clDefault, clYellow));
    a->SetExpanded(true);
    EXPECT_THAT(colours(), ElementsAre(clWhite, clYellow, clDefault, clWhite, clYellow));
    // The level styles still apply over the parity.
    EXPECT_EQ(tree->ContentStyleFor(b, 0).GetTextColor(), clNavy);
}

TEST_F(TcxKelTreeListTest, HundredsOfNodesFillAndWalkInAbsoluteOrder)
{
    tree->BeginUpdate();
    for (int i = 0; i < 300; ++i) {
        TcxTreeListNode* parent = tree->AddChild();
        parent->SetData(i);
        for (int j = 0; j < 3; ++j)
            parent->AddChild()->SetData(1000 * i + j);
    }
    tree->EndUpdate();

    ASSERT_EQ(tree->GetNodes()->GetCount(), 1200);
    int index = 0;
    for (TcxTreeListNode* node = tree->GetNodes()->GetAbsoluteItem(0); node;
         node = node->GetNext(), ++index)
        ASSERT_EQ(node->GetAbsoluteIndex(), index);
    EXPECT_EQ(tree->GetNodes()->GetAbsoluteItem(1199)->GetData(), 299002);
}

TEST_F(TcxKelTreeListTest, NodesAddedAfterARemovalStartWithNothingOfTheRemovedOnes)
{
    tree->SetColumnCount(2);
    const std::vector<std::pair<const char*, std::function<void()>>> removals = {
        {"Delete", [this] { a->Delete(); }},
        {"DeleteChildren", [this] { a->DeleteChildren(); }},
        {"Clear", [this] { tree->Clear(); }},
        {"Clear during an update",
         [this] { tree->BeginUpdate(), tree->Clear(), tree->EndUpdate(); }},
    };
    for (const auto& [name, remove] : removals) {
        SCOPED_TRACE(name);
        tree->Clear();
        BuildSmallTree();
        for (TcxTreeListNode* node : {a, a1, a1x, a2}) {
            node->SetValue(1, "old");
            node->SetData(7);
            node->SetNodeImageIndex(tlitStateIndex, 2);
            node->SetExpanded(true);
            node->SetVisible(false);
        }
        const int before = tree->GetNodes()->GetCount();
        remove();
        const int kept = tree->GetNodes()->GetCount();
        TcxTreeListNode* parent = tree->AddChild();
        std::vector<TcxTreeListNode*> added{parent};
        for (int i = 0; i < before; ++i)
            added.push_back(parent->AddChild());

        EXPECT_EQ(tree->GetNodes()->GetCount(), kept + before + 1);
        EXPECT_EQ(parent->GetCount(), before);
        for (TcxTreeListNode* node : added) {
            EXPECT_EQ(node->GetValue(0) + node->GetValue(1), "");
            EXPECT_EQ(node->GetData(), 0);
            EXPECT_EQ(node->GetStateIndex(), -1);
            EXPECT_FALSE(node->GetExpanded());
            EXPECT_TRUE(node->GetVisible());
            EXPECT_EQ(node->GetCount(), node == parent ? before : 0);
            EXPECT_EQ(node->GetParent(), node == parent ? tree->GetRoot() : parent);
        }
        EXPECT_EQ(tree->model()->rowCount(IndexOf(parent)), before);
    }
}
