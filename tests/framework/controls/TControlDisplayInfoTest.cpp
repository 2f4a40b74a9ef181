#include "controls/TControlDisplayInfo.h"

#include <gtest/gtest.h>

#include <vector>

using Framework::TNodeInfo;

TEST(TControlDisplayInfo, EntriesKeepTheirOrderAndAreHeldOnce)
{
    TControlDisplayInfo record;
    auto* first = new TNodeInfo(1, true);
    auto* second = new TNodeInfo(2, false);
    for (TNodeInfo* info : {first, second, first, static_cast<TNodeInfo*>(nullptr)})
        record.AddNodeInfo(info); // a repeat is not a second owner, a null is ignored
    EXPECT_EQ(record.getNodeInfoList(), (std::vector<TNodeInfo*>{first, second}));

    // The usual pattern: read the entries, build the new list, hand back what was left out.
    auto* added = new TNodeInfo(3, false);
    record.setNodeInfoList({added, first, added, nullptr});
    EXPECT_EQ(record.getNodeInfoList(), (std::vector<TNodeInfo*>{added, first}))
        << "repeats and nulls are dropped: no entry is freed twice";
    delete second;
    record.AddNodeInfo(first);
    EXPECT_EQ(record.getNodeInfoList().size(), 2u) << "the new list is the one held";
}
