#include "model/TCompteRendu.h"

#include <gtest/gtest.h>

namespace {

TCompteRendu report(bool modified, bool fige, int figeType)
{
    TCompteRendu r;
    r.setModified(modified);
    r.setFige(fige);
    // FigeType is set through its merging store, which takes any value from 3.
    r.setFigeType(figeType);
    return r;
}

} // namespace

TEST(TCompteRendu, FreshReportsAreEqualAndNeitherFrozenNorChosen)
{
    const TCompteRendu a;
    const TCompteRendu b;
    EXPECT_TRUE(a == b);
    EXPECT_EQ(a.getAppele(), 1);
    EXPECT_EQ(a.getUserAction(), 1);
    EXPECT_FALSE(a.isModified());
    EXPECT_FALSE(a.isFige());
    EXPECT_EQ(a.getFigeType(), 3);
}

TEST(TCompteRendu, EveryFieldTakesPartInEqualityAndCopies)
{
    TCompteRendu changed;
    changed.setAppele(0);
    EXPECT_FALSE(changed == TCompteRendu());
    changed = TCompteRendu();
    changed.setUserAction(0);
    EXPECT_FALSE(changed == TCompteRendu());
    EXPECT_FALSE(report(true, false, 3) == TCompteRendu());
    EXPECT_FALSE(report(false, true, 3) == TCompteRendu());
    EXPECT_FALSE(report(false, false, 1) == TCompteRendu());

    const TCompteRendu original = report(true, true, 2);
    TCompteRendu copy(original);
    EXPECT_TRUE(copy == original);
    TCompteRendu& alias = copy;
    copy = alias;
    EXPECT_TRUE(copy == original);
}

TEST(TCompteRendu, SecondKindOfFreezeMakesItMixedForGood)
{
    TCompteRendu r;
    r.setFigeType(2);
    EXPECT_EQ(r.getFigeType(), 2);
    r.setFigeType(2);
    EXPECT_EQ(r.getFigeType(), 2) << "the same kind again changes nothing";
    r.setFigeType(1);
    EXPECT_EQ(r.getFigeType(), 0);
    r.setFigeType(2);
    EXPECT_EQ(r.getFigeType(), 0);
    r.setFigeType(3);
    EXPECT_EQ(r.getFigeType(), 0);
}

TEST(TCompteRendu, AnyOtherValueOnAKindMakesItMixed)
{
    TCompteRendu r = report(false, false, 1);
    r.setFigeType(3);
    EXPECT_EQ(r.getFigeType(), 0);

    // Above 3 counts as "none yet": the next value replaces it.
    r = report(false, false, 7);
    EXPECT_EQ(r.getFigeType(), 7);
    r.setFigeType(1);
    EXPECT_EQ(r.getFigeType(), 1);
}

TEST(TCompteRendu, MergeCopiesModifiedButNeverClearsIt)
{
    TCompteRendu parent;
    const TCompteRendu untouched;
    TCompteRendu modified = report(true, false, 3);
    parent.MiseAJour(modified);
    EXPECT_TRUE(parent.isModified());
    TCompteRendu child = untouched;
    parent.MiseAJour(child);
    EXPECT_TRUE(parent.isModified());
    EXPECT_TRUE(child == untouched) << "the merged report is left as it is";
}

TEST(TCompteRendu, MergingAnUnfrozenChildNeverTouchesTheFreeze)
{
    for (int figeType : {0, 1, 2, 3}) {
        TCompteRendu parent = report(false, true, figeType);
        TCompteRendu child = report(true, false, figeType == 1 ? 2 : 1);
        parent.MiseAJour(child);
        EXPECT_TRUE(parent.isFige());
        EXPECT_EQ(parent.getFigeType(), figeType);
    }
    TCompteRendu parent;
    TCompteRendu child = report(true, false, 2);
    parent.MiseAJour(child);
    EXPECT_FALSE(parent.isFige());
    EXPECT_EQ(parent.getFigeType(), 3);
}

TEST(TCompteRendu, FrozenChildFreezesAnUnfrozenParentOnlyWhenModified)
{
    TCompteRendu parent;
    TCompteRendu untouchedChild = report(false, true, 2);
    parent.MiseAJour(untouchedChild);
    EXPECT_FALSE(parent.isFige());
    EXPECT_EQ(parent.getFigeType(), 2) << "the kind is passed on all the same";
    EXPECT_FALSE(parent.isModified());

    TCompteRendu other;
    TCompteRendu modifiedChild = report(true, true, 1);
    other.MiseAJour(modifiedChild);
    EXPECT_TRUE(other.isModified());
    EXPECT_TRUE(other.isFige());
    EXPECT_EQ(other.getFigeType(), 1);
}

TEST(TCompteRendu, TwoFrozenReportsMergeTheirKinds)
{
    struct Case
    {
        int parent;
        int child;
        int result;
    };
    const Case cases[] = {
        {1, 1, 1}, {1, 2, 0}, {1, 0, 0}, {1, 3, 1}, //
        {2, 2, 2}, {2, 1, 0}, {2, 0, 0}, {2, 3, 2}, //
        {3, 1, 1}, {3, 2, 2}, {3, 0, 0}, {3, 3, 3}, //
        {0, 1, 0}, {0, 2, 0}, {0, 3, 0},            //
        {5, 1, 5}, {5, 2, 5},                       // a host's own kind is left alone
    };
    for (const Case& c : cases) {
        TCompteRendu parent = report(false, true, c.parent);
        TCompteRendu child = report(false, true, c.child);
        parent.MiseAJour(child);
        EXPECT_EQ(parent.getFigeType(), c.result) << c.parent << " <- " << c.child;
        EXPECT_TRUE(parent.isFige());
    }
}
