#include "model/TLieManager.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TLieElement, DefaultIsUnlinkedAndCopiesCompareEqual)
{
    const TLieElement none;
    EXPECT_EQ(none.getLettrage(), -1);
    EXPECT_EQ(none.getIdValeurSaisie(), -1);
    EXPECT_EQ(none.getIdEtatEdit(), -1);

    TLieElement element(10, 11, 12);
    EXPECT_FALSE(element == none);
    TLieElement copy(element);
    EXPECT_EQ(copy, element);
    copy = none;
    EXPECT_EQ(copy, none);
    copy = copy;
    EXPECT_EQ(copy, none);
    EXPECT_FALSE(TLieElement(10, 11, 12) == TLieElement(10, 11, 13));
}

TEST(TLieManager, EmptyManagerAnswersMinusOne)
{
    const TLieManager manager;
    EXPECT_EQ(manager.getIdValeurSaisie(10), -1);
    EXPECT_EQ(manager.getIdEtatEdit(10), -1);
    EXPECT_EQ(manager.getIdValeurSaisie(-1), -1);
}

TEST(TLieManager, LettrageLinkedTwiceAnswersFromItsFirstLink)
{
    TLieManager manager;
    manager.LierElements(10, 11, 12);
    manager.LierElements(10, 21, 22);
    EXPECT_EQ(manager.getIdValeurSaisie(10), 11);
    EXPECT_EQ(manager.getIdEtatEdit(10), 12);
    EXPECT_EQ(manager.getCount(), 2u);
}

TEST(TLieManager, MissingCompanionIsMinusOneAndCompanionsAreNotKeys)
{
    TLieManager manager;
    manager.LierElements(5, -1, 7);
    manager.LierElements(10, 11, 12);
    EXPECT_EQ(manager.getIdValeurSaisie(5), -1);
    EXPECT_EQ(manager.getIdEtatEdit(5), 7);
    EXPECT_EQ(manager.getIdValeurSaisie(11), -1);
    EXPECT_EQ(manager.getIdEtatEdit(12), -1);
}

TEST(TLieManager, CopiesKeepTheLinksInOrder)
{
    TLieManager manager;
    manager.LierElements(1, 2, 3);
    manager.LierElements(-4, -5, -6);
    TLieManager copy(manager);
    EXPECT_EQ(copy, manager);
    EXPECT_EQ(copy.getElements().back(), TLieElement(-4, -5, -6));
    copy.LierElements(7, 8, 9);
    EXPECT_FALSE(copy == manager);
    EXPECT_EQ(manager.getIdValeurSaisie(7), -1);
    copy = manager;
    EXPECT_EQ(copy, manager);

    // Copies answer from their own links, once the original is gone too.
    auto original = std::make_unique<TLieManager>(manager);
    TLieManager copied(*original);
    TLieManager assigned;
    assigned = *original;
    original.reset();
    EXPECT_EQ(copied.getIdEtatEdit(-4), -6);
    EXPECT_EQ(assigned.getIdValeurSaisie(1), 2);
    EXPECT_EQ(assigned.getIdValeurSaisie(7), -1);
}
