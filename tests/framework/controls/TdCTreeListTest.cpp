#include "controls/TdCTreeList.h"

#include "TableComplexData.h"

#include "controls/TControlDisplayInfo.h"

#include "ControlTest.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
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

class TdCTreeListTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        tree = Bind(control, kLettrage, new TcxKelTreeList(m_panel));
        control.m_complexData = data = new TableComplexData();
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

    std::vector<std::pair<int, bool>> Entries(const TControlDisplayInfo* saved = nullptr) const
    {
        std::vector<std::pair<int, bool>> entries;
        for (const Framework::TNodeInfo* info : (saved ? saved : record.get())->getNodeInfoList())
            entries.emplace_back(info->getNodeId(), info->getExpanded());
        return entries;
    }

    TcxKelTreeList* tree = nullptr;
    TdCTreeList control; // owns the data
    TableComplexData* data = nullptr;
    std::unique_ptr<TControlDisplayInfo> record;
};

using EntryList = std::vector<std::pair<int, bool>>;
using ShapeList = std::vector<std::string>;

} // namespace

TEST_F(TdCTreeListTest, LinesGoUnderTheLastShownNodeOfTheLevelAbove)
{
    const auto L = [](int id, int level, const char* code = "") {
        return MakeLine(id, level, "t", code);
    };
    // Lines, filter (0: none), tree shape.
    const std::tuple<std::vector<Line>, int, ShapeList> cases[] = {
        {{L(1, 1), L(2, 2), L(3, 2), L(4, 1), L(5, 3)}, 0, {"1<0", "2<1", "3<1", "5<3", "4<0"}},
        {{L(1, 1), L(2, 2), L(3, 3), L(4, 4), L(5, 4)}, 0, {"1<0", "2<1", "3<2", "4<3", "5<3"}},
        // A line without level takes the level of the line before.
        {{L(1, 0), L(2, 1), L(3, 2), L(4, 0)}, 0, {"1<0", "2<0", "3<2", "4<2"}},
        // Without a parent level or with an unknown level, under the root; line 1 still
        // counts as the last node of level 3.
        {{L(1, 3), L(2, 1), L(3, 5), L(4, 2), L(5, 4)}, 0, {"1<0", "5<1", "2<0", "4<2", "3<0"}},
        // The filter keeps its code and the lines without code.
        {{L(1, 1, "3"), L(2, 1, "2"), L(3, 1), L(4, 1, "3")}, 3, {"1<0", "3<0", "4<0"}},
        {{L(1, 1, "3"), L(2, 1, "2"), L(3, 1), L(4, 1, "3")}, -1, {"1<0", "2<0", "3<0", "4<0"}},
        // A filtered-out line leaves the level as it was.
        {{L(1, 1, "3"), L(2, 2, "2"), L(3, 0, "3")}, 3, {"1<0", "3<0"}},
    };
    for (const auto& [lines, filter, shape] : cases) {
        SCOPED_TRACE(::testing::PrintToString(shape));
        data->lines = lines;
        control.setFilter(filter);
        Rebuild();
        EXPECT_EQ(Shape(), shape);
    }
    EXPECT_EQ(Node(1)->GetStateIndex(), 3);
    data->lines = std::get<0>(cases[0]);
    LogCapture log;
    Rebuild();
    EXPECT_EQ(Node(5)->GetLevel(), 2);
    EXPECT_EQ(data->lastList, kLettrage);
    EXPECT_EQ(log.messages(), std::vector<std::string>{"----TdCTreeList::Update()"});
}

TEST_F(TdCTreeListTest, NodesCarryTheTextsOfTheWidgetsColumnsUpToTheSeventh)
{
    data->lines = {{{-3, "1"}, {0, "a"}, {1, "b"}}};
    Rebuild();
    EXPECT_EQ(tree->GetColumnCount(), 1);
    EXPECT_EQ(Node(1)->GetValue(0), "a");

    tree->SetColumnCount(9);
    Line line = MakeLine(8, 1, "Imp\xF4t \x80");
    for (int column = 1; column <= 8; ++column)
        line[column] = "c" + std::to_string(column);
    data->lines = {line};
    Rebuild();
    TcxTreeListNode* node = Node(8);
    EXPECT_EQ(node->GetValue(0), "Imp\xF4t \x80");
    EXPECT_EQ(tree->model()->data(tree->model()->index(0, 0)).toString(),
              QString::fromUtf8("Impôt €"));
    EXPECT_EQ(node->GetValue(6), "c6");
    EXPECT_EQ(node->GetValue(7), "");
    EXPECT_EQ(node->GetValue(8), "");
}

TEST_F(TdCTreeListTest, AFirstDisplayRecordsTheSourcesExpansionsAndTheUsersSurviveARebuild)
{
    data->lines = {MakeLine(1, 1, "a", "", "1"), MakeLine(2, 2, "a1"), MakeLine(3, 1, "b", "", "0"),
                   MakeLine(4, 2, "b1"), MakeLine(5, 1, "c", "", "7")};
    std::vector<bool> refreshSeen;
    tree->OnExpanded = [&](TObject*, TcxTreeListNode*) {
        refreshSeen.push_back(control.m_refreshEnabled);
    };
    Rebuild();
    EXPECT_EQ(refreshSeen, (std::vector<bool>{false, false})) << "refresh is off meanwhile";
    EXPECT_TRUE(control.m_refreshEnabled);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->getCtrlId(), kLettrage);
    EXPECT_EQ(control.m_displayInfo, record.get());
    EXPECT_EQ(Entries(), (EntryList{{1, true}, {2, false}, {3, false}, {4, false}, {5, true}}));
    EXPECT_TRUE(Node(1)->GetExpanded());
    EXPECT_FALSE(Node(3)->GetExpanded());
    EXPECT_TRUE(tree->isExpanded(tree->model()->index(0, 0)));

    Node(1)->SetExpanded(false); // the user closes a and opens b
    Node(3)->SetExpanded(true);
    control.SaveControlDisplay(record.get());
    EXPECT_EQ(Entries(), (EntryList{{1, false}, {2, false}, {3, true}, {4, false}, {5, true}}));
    Rebuild();
    EXPECT_TRUE(control.hasSavedState());
    EXPECT_FALSE(Node(1)->GetExpanded());
    EXPECT_TRUE(Node(3)->GetExpanded());
    EXPECT_EQ(Entries().size(), 5u) << "a rebuild with a record adds no entries";
}

TEST_F(TdCTreeListTest, RecordEntriesAreFoundWhateverTheirOrderAndUnknownOnesIgnored)
{
    data->lines = {MakeLine(1, 1, "a"), MakeLine(2, 2, "a1"), MakeLine(3, 3, "a11"),
                   MakeLine(4, 1, "b"), MakeLine(5, 2, "b1"), MakeLine(6, 1, "c"),
                   MakeLine(7, 2, "c1")};
    record = std::make_unique<TControlDisplayInfo>();
    for (auto [id, expanded] :
         EntryList{{99, true}, {5, true}, {4, true}, {2, true}, {1, true}, {3, false}})
        record->AddNodeInfo(new Framework::TNodeInfo(id, expanded));
    Rebuild();
    for (int id : {1, 2, 4, 5})
        EXPECT_TRUE(Node(id)->GetExpanded()) << id;
    EXPECT_FALSE(Node(3)->GetExpanded());
    EXPECT_FALSE(Node(6)->GetExpanded()) << "no entry: closed";

    // Saving records every node in absolute order, whatever the record held.
    TControlDisplayInfo other;
    for (int id : {7, 8, 9, 10, 11, 12, 13, 14, 15})
        other.AddNodeInfo(new Framework::TNodeInfo(id, true));
    control.SaveControlDisplay(&other);
    std::vector<std::pair<int, bool>> saved;
    for (const Framework::TNodeInfo* info : other.getNodeInfoList())
        saved.emplace_back(info->getNodeId(), info->getExpanded());
    EXPECT_EQ(saved,
              (EntryList{
                  {1, true}, {2, true}, {3, false}, {4, true}, {5, true}, {6, false}, {7, false}}));
    EXPECT_EQ(control.m_displayInfo, &other);
    control.m_displayInfo = nullptr;
    control.SaveControlDisplay(nullptr); // no record: nothing to do
}

TEST_F(TdCTreeListTest, RefreshOffChangesNothingAndAnEmptySourceEmptiesTheTreeSilently)
{
    data->lines = {MakeLine(1, 1, "a")};
    tree->AddChild()->SetData(42);
    control.m_refreshEnabled = false;
    LogCapture log;
    Rebuild();
    EXPECT_EQ(record, nullptr);
    EXPECT_EQ(Shape(), ShapeList{"42<0"});
    EXPECT_EQ(data->begins, 0);

    control.m_refreshEnabled = true;
    data->lines.clear();
    Rebuild();
    EXPECT_EQ(tree->GetNodes()->GetCount(), 0);
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(log.messages().empty());
    control.SetHelpContext(12);
    EXPECT_EQ(tree->GetHelpContext(), 12);
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
    noData.m_component = tree;
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
}

TEST_F(TdCTreeListTest, HundredsOfLinesRebuildAndRestore)
{
    for (int i = 1; i <= 400; ++i)
        data->lines.push_back(MakeLine(i, i % 4 == 1 ? 1 : 2, "ligne " + std::to_string(i), "",
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
