#include "controls/TControlDisplayInfo.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using Framework::TNodeInfo;

namespace {

std::vector<TNodeInfo> contents(const TControlDisplayInfo& record)
{
    std::vector<TNodeInfo> nodes;
    for (const TNodeInfo* info : record.getNodeInfoList())
        nodes.push_back(*info);
    return nodes;
}

} // namespace

TEST(TNodeInfo, DefaultNodeIsUnknownAndCollapsed)
{
    TNodeInfo node;
    EXPECT_EQ(node.getNodeId(), -1);
    EXPECT_FALSE(node.getExpanded());
    node.setNodeId(12);
    node.setExpanded(true);
    EXPECT_TRUE(node == TNodeInfo(12, true));
    EXPECT_FALSE(node == TNodeInfo(12, false));
}

TEST(TControlDisplayInfo, NewRecordHasControlZeroAndNoEntry)
{
    const TControlDisplayInfo record;
    EXPECT_EQ(record.getCtrlId(), 0);
    EXPECT_TRUE(record.getNodeInfoList().empty());
}

TEST(TControlDisplayInfo, EntriesKeepTheirOrderAndBelongToTheRecord)
{
    TControlDisplayInfo record;
    record.setCtrlId(-300);
    auto* first = new TNodeInfo(1, true);
    auto* second = new TNodeInfo(2, false);
    record.AddNodeInfo(first);
    record.AddNodeInfo(second);
    record.AddNodeInfo(first);   // already held: not a second owner
    record.AddNodeInfo(nullptr); // ignored
    EXPECT_EQ(record.getCtrlId(), -300);
    EXPECT_EQ(record.getNodeInfoList(), (std::vector<TNodeInfo*>{first, second}));
}

TEST(TControlDisplayInfo, EqualityNeedsTheSameEntriesNotEqualOnes)
{
    TControlDisplayInfo a;
    TControlDisplayInfo b;
    a.setCtrlId(7);
    b.setCtrlId(7);
    EXPECT_TRUE(a == b);
    a.AddNodeInfo(new TNodeInfo(1, true));
    EXPECT_FALSE(a == b) << "lists of different length";
    b.AddNodeInfo(new TNodeInfo(1, true));
    EXPECT_FALSE(a == b) << "separately created entries of equal content";
    EXPECT_TRUE(a == a);
}

TEST(TControlDisplayInfo, CopiesOwnTheirOwnEntries)
{
    auto original = std::make_unique<TControlDisplayInfo>();
    original->setCtrlId(4);
    original->AddNodeInfo(new TNodeInfo(10, true));
    original->AddNodeInfo(new TNodeInfo(11, false));

    TControlDisplayInfo copy(*original);
    TControlDisplayInfo assigned;
    assigned.AddNodeInfo(new TNodeInfo(99, true)); // replaced and freed by the assignment
    assigned = *original;
    TControlDisplayInfo& alias = assigned;
    assigned = alias;

    const std::vector<TNodeInfo> expected = {TNodeInfo(10, true), TNodeInfo(11, false)};
    EXPECT_EQ(contents(copy), expected);
    EXPECT_EQ(contents(assigned), expected);
    EXPECT_EQ(copy.getCtrlId(), 4);
    EXPECT_EQ(assigned.getCtrlId(), 4);
    EXPECT_NE(copy.getNodeInfoList()[0], original->getNodeInfoList()[0]);

    // Each record frees only its own entries: the copies outlive the original untouched.
    original.reset();
    EXPECT_EQ(contents(copy), expected);
    copy.getNodeInfoList()[0]->setExpanded(false);
    EXPECT_TRUE(assigned.getNodeInfoList()[0]->getExpanded());
}

TEST(TControlDisplayInfo, SetNodeInfoListTakesTheGivenEntriesAndHandsBackTheOthers)
{
    TControlDisplayInfo record;
    auto* kept = new TNodeInfo(1, true);
    auto* dropped = new TNodeInfo(2, true);
    record.AddNodeInfo(kept);
    record.AddNodeInfo(dropped);

    // The usual pattern: read the entries, build the new list, hand back what was left out.
    std::vector<TNodeInfo*> list = record.getNodeInfoList();
    auto* added = new TNodeInfo(3, false);
    record.setNodeInfoList({added, kept, added, nullptr});
    EXPECT_EQ(record.getNodeInfoList(), (std::vector<TNodeInfo*>{added, kept}))
        << "repeats and nulls are dropped: no entry is freed twice";
    for (TNodeInfo* info : list) {
        if (info != kept)
            delete info;
    }
}

TEST(TControlDisplayInfo, SavingAfreshReplacesWhateverTheRecordHeld)
{
    TControlDisplayInfo record;
    record.AddNodeInfo(new TNodeInfo(1, true));
    record.AddNodeInfo(new TNodeInfo(2, true));
    record.ClearNodeInfoList();
    EXPECT_TRUE(record.getNodeInfoList().empty());
    for (int id = 0; id < 5; ++id)
        record.AddNodeInfo(new TNodeInfo(id, id % 2 == 0));
    ASSERT_EQ(record.getNodeInfoList().size(), 5u);
    EXPECT_EQ(record.getNodeInfoList()[4]->getNodeId(), 4);
}
