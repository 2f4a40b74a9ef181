#include "controls/TdCTreeList.h"

#include "TableComplexData.h"

#include "controls/TControlDisplayInfo.h"

#include "TPanel.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include "GestureFlush.h"
#include "LogCapture.h"
#include "QtLeakCheck.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kLettrage = 21;

using Line = TableComplexData::Line;

// One line: identifier, level (0: no level column), text, and optional filter code and
// initial expansion (empty: no such column).
Line MakeLine(int id, int level, const std::string& text, const std::string& code = "",
              const std::string& expand = "")
{
    Line line{{-3, std::to_string(id)}, {0, text}};
    if (level > 0)
        line[-2] = std::to_string(level);
    if (!code.empty())
        line[-1] = code;
    if (!expand.empty())
        line[-4] = expand;
    return line;
}

class TdCTreeListTest : public QtLeakCheckedTest
{
protected:
    static void SetUpTestSuite()
    {
        {
            TcxKelTreeList warmUp;
            warmUp.AddChild()->AddChild();
        }
        flushQtEvents();
        flushDeletedGestures();
    }

    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        tree = std::make_unique<TcxKelTreeList>();
        control.m_lettrage = kLettrage;
        control.m_component = tree.get();
        data = new TableComplexData();
        control.m_complexData = data; // owned by the control
    }

    void TearDown() override
    {
        tree.reset();
        flushDeletedGestures();
        QtLeakCheckedTest::TearDown();
    }

    // Update with the record, which the test keeps (as the wizard form would).
    void Rebuild()
    {
        TControlDisplayInfo* info = record.get();
        control.Update(info);
        if (!record)
            record.reset(info);
    }

    TcxTreeListNode* Node(int id) const
    {
        for (TcxTreeListNode* node = tree->GetNodes()->GetAbsoluteItem(0); node;
             node = node->GetNext()) {
            if (node->GetData() == id)
                return node;
        }
        return nullptr;
    }

    // Every node as "id<parent id" in absolute order (parent 0: the root).
    std::vector<std::string> Shape() const
    {
        std::vector<std::string> shape;
        for (TcxTreeListNode* node = tree->GetNodes()->GetAbsoluteItem(0); node;
             node = node->GetNext()) {
            const TcxTreeListNode* parent = node->GetParent();
            shape.push_back(std::to_string(node->GetData()) + "<" +
                            std::to_string(parent->GetIsRoot() ? 0 : parent->GetData()));
        }
        return shape;
    }

    std::vector<std::pair<int, bool>> Entries() const
    {
        std::vector<std::pair<int, bool>> entries;
        for (const Framework::TNodeInfo* info : record->getNodeInfoList())
            entries.emplace_back(info->getNodeId(), info->getExpanded());
        return entries;
    }

    std::unique_ptr<TcxKelTreeList> tree;
    TdCTreeList control;
    TableComplexData* data = nullptr;
    std::unique_ptr<TControlDisplayInfo> record;
};

using EntryList = std::vector<std::pair<int, bool>>;
using ShapeList = std::vector<std::string>;

} // namespace

TEST_F(TdCTreeListTest, LinesGoUnderTheLastNodeOfTheLevelAbove)
{
    data->lines() = {MakeLine(1, 1, "a"), MakeLine(2, 2, "b"), MakeLine(3, 2, "c"),
                     MakeLine(4, 1, "d"), MakeLine(5, 3, "e")};
    LogCapture log;
    Rebuild();

    EXPECT_EQ(Shape(), (ShapeList{"1<0", "2<1", "3<1", "5<3", "4<0"}));
    EXPECT_EQ(Node(5)->GetLevel(), 2);
    EXPECT_EQ(data->lastList, kLettrage);
    EXPECT_EQ(log.messages(), std::vector<std::string>{"----TdCTreeList::Update()"});
}

TEST_F(TdCTreeListTest, FourLevelsDeep)
{
    data->lines() = {MakeLine(1, 1, "a"), MakeLine(2, 2, "b"), MakeLine(3, 3, "c"),
                     MakeLine(4, 4, "d"), MakeLine(5, 4, "e")};
    Rebuild();
    EXPECT_EQ(Shape(), (ShapeList{"1<0", "2<1", "3<2", "4<3", "5<3"}));
}

TEST_F(TdCTreeListTest, ALineWithoutLevelTakesTheLevelOfTheLineBefore)
{
    data->lines() = {MakeLine(1, 0, "sans niveau"), MakeLine(2, 1, "a"), MakeLine(3, 2, "b"),
                     MakeLine(4, 0, "comme b")};
    Rebuild();
    EXPECT_EQ(Shape(), (ShapeList{"1<0", "2<0", "3<2", "4<2"}));
}

TEST_F(TdCTreeListTest, ALineWithoutParentLevelOrWithAnUnknownLevelGoesUnderTheRoot)
{
    data->lines() = {MakeLine(1, 3, "niveau 3 d'abord"), MakeLine(2, 1, "a"),
                     MakeLine(3, 5, "niveau 5"), MakeLine(4, 2, "b"), MakeLine(5, 4, "sans 3")};
    Rebuild();
    // Line 1 still counts as the last node of level 3, so the level-4 line 5 goes under it.
    EXPECT_EQ(Shape(), (ShapeList{"1<0", "5<1", "2<0", "4<2", "3<0"}));
}

TEST_F(TdCTreeListTest, TheFilterKeepsItsCodeAndTheLinesWithoutCode)
{
    data->lines() = {MakeLine(1, 1, "a", "3"), MakeLine(2, 1, "b", "2"), MakeLine(3, 1, "c"),
                     MakeLine(4, 1, "d", "3")};
    control.setFilter(3);
    Rebuild();
    EXPECT_EQ(Shape(), (ShapeList{"1<0", "3<0", "4<0"}));
    EXPECT_EQ(Node(1)->GetStateIndex(), 3);

    control.setFilter(-1);
    Rebuild();
    EXPECT_EQ(Shape().size(), 4u);
}

TEST_F(TdCTreeListTest, AFilteredOutLineLeavesTheLevelAsItWas)
{
    data->lines() = {MakeLine(1, 1, "a", "3"), MakeLine(2, 2, "b", "2"), MakeLine(3, 0, "c", "3")};
    control.setFilter(3);
    Rebuild();
    // c has no level of its own and takes a's, not the level of the line left out.
    EXPECT_EQ(Shape(), (ShapeList{"1<0", "3<0"}));
}

TEST_F(TdCTreeListTest, NodesCarryTheirTextsUpToTheSeventhColumn)
{
    tree->SetColumnCount(9);
    Line line = MakeLine(8, 1, "Imp\xF4t \x80");
    for (int column = 1; column <= 8; ++column)
        line[column] = "c" + std::to_string(column);
    data->lines() = {line};
    Rebuild();

    TcxTreeListNode* node = Node(8);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->GetValue(0), "Imp\xF4t \x80");
    EXPECT_EQ(tree->model()->data(tree->model()->index(0, 0)).toString(),
              QString::fromUtf8("Impôt €"));
    EXPECT_EQ(node->GetValue(6), "c6");
    EXPECT_EQ(node->GetValue(7), "");
    EXPECT_EQ(node->GetValue(8), "");
}

TEST_F(TdCTreeListTest, OnlyTheWidgetsColumnsAreRead)
{
    data->lines() = {{{-3, "1"}, {0, "a"}, {1, "b"}}};
    Rebuild();
    EXPECT_EQ(tree->GetColumnCount(), 1);
    EXPECT_EQ(Node(1)->GetValue(0), "a");
}

TEST_F(TdCTreeListTest, AFirstDisplayRecordsAndAppliesTheSourcesExpansions)
{
    data->lines() = {MakeLine(1, 1, "a", "", "1"), MakeLine(2, 2, "a1"),
                     MakeLine(3, 1, "b", "", "0"), MakeLine(4, 2, "b1"),
                     MakeLine(5, 1, "c", "", "7")};
    Rebuild();

    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->getCtrlId(), kLettrage);
    EXPECT_EQ(control.m_displayInfo, record.get());
    EXPECT_EQ(Entries(), (EntryList{{1, true}, {2, false}, {3, false}, {4, false}, {5, true}}));
    EXPECT_TRUE(Node(1)->GetExpanded());
    EXPECT_FALSE(Node(3)->GetExpanded());
    EXPECT_TRUE(tree->isExpanded(tree->model()->index(0, 0)));
}

TEST_F(TdCTreeListTest, AUserCollapseSurvivesSavingAndRebuilding)
{
    data->lines() = {MakeLine(1, 1, "a", "", "1"), MakeLine(2, 2, "a1"),
                     MakeLine(3, 1, "b", "", "1"), MakeLine(4, 2, "b1")};
    Rebuild();
    Node(1)->SetExpanded(false); // the user closes a
    control.SaveControlDisplay(record.get());
    EXPECT_EQ(Entries(), (EntryList{{1, false}, {2, false}, {3, true}, {4, false}}));

    Rebuild();

    EXPECT_TRUE(control.hasSavedState());
    EXPECT_FALSE(Node(1)->GetExpanded());
    EXPECT_TRUE(Node(3)->GetExpanded());
    EXPECT_EQ(Entries().size(), 4u); // a rebuild with a record adds no entries
}

TEST_F(TdCTreeListTest, UnknownEntriesAreIgnoredAndNodesWithoutEntryStayClosed)
{
    data->lines() = {MakeLine(1, 1, "a"), MakeLine(2, 2, "a1"), MakeLine(3, 1, "b"),
                     MakeLine(4, 2, "b1")};
    record = std::make_unique<TControlDisplayInfo>();
    record->setCtrlId(kLettrage);
    record->AddNodeInfo(new Framework::TNodeInfo(99, true));
    record->AddNodeInfo(new Framework::TNodeInfo(3, true));

    Rebuild();

    EXPECT_FALSE(Node(1)->GetExpanded());
    EXPECT_TRUE(Node(3)->GetExpanded());
}

TEST_F(TdCTreeListTest, EntriesAreFoundWhateverTheirOrder)
{
    data->lines() = {MakeLine(1, 1, "a"), MakeLine(2, 2, "a1"), MakeLine(3, 3, "a11"),
                     MakeLine(4, 1, "b"), MakeLine(5, 2, "b1")};
    record = std::make_unique<TControlDisplayInfo>();
    for (auto [id, expanded] : EntryList{{5, true}, {4, true}, {2, true}, {1, true}, {3, false}})
        record->AddNodeInfo(new Framework::TNodeInfo(id, expanded));

    Rebuild();

    for (int id : {1, 2, 4, 5})
        EXPECT_TRUE(Node(id)->GetExpanded()) << id;
    EXPECT_FALSE(Node(3)->GetExpanded());
}

TEST_F(TdCTreeListTest, RefreshIsOffWhileExpansionsAreRestored)
{
    data->lines() = {MakeLine(1, 1, "a", "", "1"), MakeLine(2, 2, "a1")};
    std::vector<bool> refreshSeen;
    tree->OnExpanded = [&](TObject*, TcxTreeListNode*) {
        refreshSeen.push_back(control.m_refreshEnabled);
    };
    Rebuild();
    EXPECT_EQ(refreshSeen, std::vector<bool>{false});
    EXPECT_TRUE(control.m_refreshEnabled);
}

TEST_F(TdCTreeListTest, UpdateWhileRefreshIsOffChangesNothingAndCreatesNoRecord)
{
    data->lines() = {MakeLine(1, 1, "a")};
    tree->AddChild()->SetData(42);
    control.m_refreshEnabled = false;
    LogCapture log;

    Rebuild();

    EXPECT_EQ(record, nullptr);
    EXPECT_EQ(Shape(), ShapeList{"42<0"});
    EXPECT_EQ(data->begins, 0);
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(TdCTreeListTest, AnEmptySourceEmptiesTheTreeWithoutATraceLine)
{
    tree->AddChild();
    LogCapture log;
    Rebuild();
    EXPECT_EQ(tree->GetNodes()->GetCount(), 0);
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(TdCTreeListTest, SavingRecordsEveryNodeInAbsoluteOrderWhateverTheRecordHeld)
{
    data->lines() = {MakeLine(1, 1, "a"), MakeLine(2, 2, "a1"), MakeLine(3, 3, "a11"),
                     MakeLine(4, 1, "b"), MakeLine(5, 1, "c")};
    Rebuild();
    Node(2)->SetExpanded(true);
    Node(4)->SetExpanded(true);
    TControlDisplayInfo other;
    for (int id : {7, 8, 9, 10, 11, 12, 13})
        other.AddNodeInfo(new Framework::TNodeInfo(id, true));

    control.SaveControlDisplay(&other);

    std::vector<std::pair<int, bool>> saved;
    for (const Framework::TNodeInfo* info : other.getNodeInfoList())
        saved.emplace_back(info->getNodeId(), info->getExpanded());
    EXPECT_EQ(saved, (EntryList{{1, false}, {2, true}, {3, false}, {4, true}, {5, false}}));
    EXPECT_EQ(control.m_displayInfo, &other);
    control.m_displayInfo = nullptr;
}

TEST_F(TdCTreeListTest, AnotherWidgetOrNoDataGetsARecordButLeavesTheWidgetAlone)
{
    TPanel panel;
    TdCTreeList other;
    other.m_lettrage = kLettrage;
    other.m_component = &panel;
    auto* source = new TableComplexData({MakeLine(1, 1, "a")});
    other.m_complexData = source;
    TdCTreeList noData;
    noData.m_lettrage = kLettrage;
    noData.m_component = tree.get();
    tree->AddChild();

    // The record comes first, then the source is started, then the widget is looked at.
    for (TdCTreeList* control : {&other, &noData}) {
        TControlDisplayInfo* info = nullptr;
        control->Update(info);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->getCtrlId(), kLettrage);
        EXPECT_EQ(control->m_displayInfo, info);
        EXPECT_TRUE(info->getNodeInfoList().empty());
        control->m_displayInfo = nullptr;
        delete info;
    }
    EXPECT_EQ(source->begins, 1);
    EXPECT_EQ(tree->GetNodes()->GetCount(), 1);

    TControlDisplayInfo saved;
    saved.AddNodeInfo(new Framework::TNodeInfo(3, true));
    other.SaveControlDisplay(&saved);
    EXPECT_EQ(saved.getNodeInfoList().size(), 1u);
    control.SaveControlDisplay(nullptr); // no record: nothing to do
}

TEST_F(TdCTreeListTest, CopiesTakeTheFilterButNeverTheListData)
{
    control.setFilter(4);
    const TdCTreeList copy(control);
    EXPECT_EQ(copy.m_complexData, nullptr);
    EXPECT_EQ(copy.getFilter(), 4);
    EXPECT_EQ(copy.m_component, tree.get());

    TdCTreeList assigned;
    assigned = control;
    EXPECT_EQ(assigned.getFilter(), 4);
    EXPECT_EQ(assigned.m_lettrage, kLettrage);
    EXPECT_EQ(assigned.m_complexData, nullptr);
}

TEST_F(TdCTreeListTest, HundredsOfLinesRebuildAndRestore)
{
    for (int i = 1; i <= 400; ++i)
        data->lines().push_back(MakeLine(i, i % 4 == 1 ? 1 : 2, "ligne " + std::to_string(i), "",
                                         i % 8 == 1 ? "1" : "0"));
    Rebuild();
    Node(9)->SetExpanded(false);
    control.SaveControlDisplay(record.get());
    Rebuild();

    EXPECT_EQ(tree->GetNodes()->GetCount(), 400);
    EXPECT_EQ(tree->GetCount(), 100);
    EXPECT_TRUE(Node(1)->GetExpanded());
    EXPECT_FALSE(Node(9)->GetExpanded());
    EXPECT_TRUE(Node(17)->GetExpanded());
}

TEST_F(TdCTreeListTest, HelpContextReachesTheWidget)
{
    control.SetHelpContext(12);
    EXPECT_EQ(tree->GetHelpContext(), 12);
}
