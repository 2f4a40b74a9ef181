#include "controls/TControlDisplayInfo.h"

#include <gtest/gtest.h>

#include <vector>

using Framework::TNodeInfo;

TEST(TControlDisplayInfo, EntriesKeepTheirOrderAndAreHeldOnce)
{
    TControlDisplayInfo record;
    auto* first = new TNodeInfo(1, true);
    auto* second = new TNodeInfo(2, false);
    record.AddNodeInfo(first);
    record.AddNodeInfo(second);
    record.AddNodeInfo(first);   // already held: not a second owner
    record.AddNodeInfo(nullptr); // ignored
    EXPECT_EQ(record.getNodeInfoList(), (std::vector<TNodeInfo*>{first, second}));

    // The usual pattern: read the entries, build the new list, hand back what was left out.
    auto* added = new TNodeInfo(3, false);
    record.setNodeInfoList({added, first, added, nullptr});
    EXPECT_EQ(record.getNodeInfoList(), (std::vector<TNodeInfo*>{added, first}))
        << "repeats and nulls are dropped: no entry is freed twice";
    delete second;
    record.AddNodeInfo(first);
    EXPECT_EQ(record.getNodeInfoList().size(), 2u) << "the new list is the one held";

    record.ClearNodeInfoList();
    EXPECT_TRUE(record.getNodeInfoList().empty());
    record.AddNodeInfo(first = new TNodeInfo(4, true));
    EXPECT_EQ(record.getNodeInfoList(), std::vector<TNodeInfo*>{first}) << "held no longer";
}
