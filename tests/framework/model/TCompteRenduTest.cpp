#include "model/TCompteRendu.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Report = std::tuple<bool, bool, int>; // modified, fige, kind of freeze

TCompteRendu report(const Report& fields)
{
    TCompteRendu r;
    r.setModified(std::get<0>(fields));
    r.setFige(std::get<1>(fields));
    r.setFigeType(std::get<2>(fields)); // from 3 (none yet) the store takes any value
    return r;
}

} // namespace

TEST(TCompteRendu, ASecondKindMakesTheFreezeMixedAndMergingPassesOnAChildsFreeze)
{
    // The kinds stored one after the other into a fresh report, and the kind it keeps.
    const std::pair<std::vector<int>, int> cases[] = {{{}, 3},     {{2}, 2},       {{2, 2}, 2},
                                                      {{2, 1}, 0}, {{2, 1, 2}, 0}, {{2, 1, 3}, 0},
                                                      {{1, 3}, 0}, {{7}, 7},       {{7, 1}, 1}};
    for (const auto& [stored, kind] : cases) {
        TCompteRendu r;
        for (int k : stored)
            r.setFigeType(k);
        EXPECT_EQ(r.getFigeType(), kind) << ::testing::PrintToString(stored);
    }

    // Merging passes on Modified and the freeze of a frozen child.
    const Report fresh{false, false, 3};
    // Parent, child, parent after the merge.
    std::vector<std::tuple<Report, Report, Report>> merges = {
        {fresh, {true, false, 3}, {true, false, 3}},
        {{true, false, 3}, fresh, {true, false, 3}},  // Modified is never cleared
        {fresh, {true, false, 2}, {true, false, 3}},  // an unfrozen child leaves the freeze
        {fresh, {false, true, 2}, {false, false, 2}}, // untouched: the kind only
        {fresh, {true, true, 1}, {true, true, 1}},
    };
    for (int kind : {0, 1, 2, 3})
        merges.push_back(
            {{false, true, kind}, {true, false, kind == 1 ? 2 : 1}, {true, true, kind}});
    // Two frozen reports: parent's kind, child's kind, resulting kind.
    const int kinds[][3] = {
        {1, 1, 1}, {1, 2, 0}, {1, 0, 0}, {1, 3, 1}, {2, 2, 2}, {2, 1, 0},
        {2, 0, 0}, {2, 3, 2}, {3, 1, 1}, {3, 2, 2}, {3, 0, 0}, {3, 3, 3},
        {0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {5, 1, 5}, {5, 2, 5}, // a host's own kind is left alone
    };
    for (const auto& k : kinds)
        merges.push_back({{false, true, k[0]}, {false, true, k[1]}, {false, true, k[2]}});
    for (const auto& [parent, child, merged] : merges) {
        SCOPED_TRACE(::testing::PrintToString(parent) + " <- " + ::testing::PrintToString(child));
        TCompteRendu r = report(parent);
        TCompteRendu c = report(child);
        r.MiseAJour(c);
        EXPECT_TRUE(r == report(merged));
        EXPECT_TRUE(c == report(child)) << "the merged report is left as it is";
    }
}
