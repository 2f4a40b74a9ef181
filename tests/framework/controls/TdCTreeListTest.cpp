#include "controls/TdCTreeList.h"

#include "TableComplexData.h"

#include "controls/TControlDisplayInfo.h"

#include "ControlTest.h"

#include <memory>
#include <tuple>
#include <utility>

namespace {

constexpr int kLettrage = 21;

using Line = TableComplexData::Line;
using EntryList = std::vector<std::pair<int, bool>>;
using ShapeList = std::vector<std::string>;

// One line: identifier, level (0: no level column), optional filter code and initial expansion
// (empty: no such column).
Line L(int id, int level, const std::string& code = "", const std::string& expand = "")
{
    Line line{{-3, std::to_string(id)}, {0, "t"}};
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

    TcxTreeListNode* Item(int index) const { return tree->GetNodes()->GetAbsoluteItem(index); }

    // Every node as "id<parent id" in absolute order (parent 0: the root).
    ShapeList Shape() const
    {
        ShapeList shape;
        for (auto* node = Item(0); node; node = node->GetNext()) {
            const TcxTreeListNode* parent = node->GetParent();
            shape.push_back(std::to_string(node->GetData()) + "<" +
                            std::to_string(parent->GetIsRoot() ? 0 : parent->GetData()));
        }
        return shape;
    }

    static EntryList Entries(const TControlDisplayInfo& saved)
    {
        EntryList entries;
        for (const Framework::TNodeInfo* info : saved.getNodeInfoList())
            entries.emplace_back(info->getNodeId(), info->getExpanded());
        return entries;
    }

    TcxKelTreeList* tree = nullptr;
    TdCTreeList control; // owns the data
    TableComplexData* data = nullptr;
    std::unique_ptr<TControlDisplayInfo> record;
};

} // namespace

TEST_F(TdCTreeListTest, LinesGoUnderTheLastShownNodeOfTheLevelAbove)
{
    // Lines, filter (0: none), tree shape.
    const std::tuple<std::vector<Line>, int, ShapeList> cases[] = {
        {{L(1, 1), L(2, 2), L(3, 2), L(4, 1), L(5, 3)}, 0, {"1<0", "2<1", "3<1", "5<3", "4<0"}},
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
    EXPECT_EQ(data->lastList, kLettrage);
    control.m_refreshEnabled = false;
    data->lines.clear();
    Rebuild();
    EXPECT_EQ(Shape().size(), 2u) << "refresh off: nothing changes";
    control.m_refreshEnabled = true;
    Rebuild();
    EXPECT_EQ(tree->GetNodes()->GetCount(), 0);
}

TEST_F(TdCTreeListTest, NodesCarryTheTextsOfTheWidgetsColumnsUpToTheSeventh)
{
    tree->SetColumnCount(9);
    Line line = {{0, "Imp\xF4t \x80"}};
    for (int column = 1; column <= 8; ++column)
        line[column] = "c" + std::to_string(column);
    data->lines = {line};
    Rebuild();
    EXPECT_EQ(Item(0)->GetValue(0), "Imp\xF4t \x80");
    EXPECT_EQ(Item(0)->GetValue(6), "c6");
    EXPECT_EQ(Item(0)->GetValue(7), "");
}

TEST_F(TdCTreeListTest, AFirstDisplayRecordsTheSourcesExpansionsAndTheUsersSurviveARebuild)
{
    data->lines = {L(1, 1, "", "1"), L(2, 2), L(3, 1, "", "0"), L(4, 2), L(5, 1, "", "7")};
    std::vector<bool> refreshSeen;
    tree->OnExpanded = [&](TObject*, TcxTreeListNode*) {
        refreshSeen.push_back(control.m_refreshEnabled);
    };
    Rebuild();
    EXPECT_EQ(refreshSeen, (std::vector<bool>{false, false})) << "refresh is off meanwhile";
    EXPECT_TRUE(control.m_refreshEnabled);
    EXPECT_EQ(record->getCtrlId(), kLettrage);
    EXPECT_EQ(Entries(*record),
              (EntryList{{1, true}, {2, false}, {3, false}, {4, false}, {5, true}}));
    EXPECT_TRUE(tree->isExpanded(tree->model()->index(0, 0)));

    Item(0)->SetExpanded(false); // the user closes 1 and opens 3
    Item(2)->SetExpanded(true);
    control.SaveControlDisplay(record.get());
    EXPECT_EQ(Entries(*record),
              (EntryList{{1, false}, {2, false}, {3, true}, {4, false}, {5, true}}));
    Rebuild();
    EXPECT_FALSE(Item(0)->GetExpanded());
    EXPECT_TRUE(Item(2)->GetExpanded());
    EXPECT_EQ(Entries(*record).size(), 5u) << "a rebuild with a record adds no entries";
}

TEST_F(TdCTreeListTest, RecordEntriesAreFoundWhateverTheirOrderAndUnknownOnesIgnored)
{
    data->lines = {L(1, 1), L(2, 2), L(3, 3), L(4, 1), L(5, 2), L(6, 1)};
    record = std::make_unique<TControlDisplayInfo>();
    for (auto [id, expanded] :
         EntryList{{99, true}, {5, true}, {4, true}, {2, true}, {1, true}, {3, false}})
        record->AddNodeInfo(new Framework::TNodeInfo(id, expanded));
    Rebuild();
    for (int i = 0; i < 6; ++i) // 6 has no entry: closed
        EXPECT_EQ(Item(i)->GetExpanded(), i != 2 && i != 5) << i;
}
