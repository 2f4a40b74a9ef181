#include "presenter/TServiceManager.h"

#include "TAction.h"
#include "TKelActionList.h"

#include "QtLeakCheck.h"

#include <gtest/gtest.h>

#include <QPointer>

#include <stdexcept>
#include <string>

namespace {

class TServiceManagerTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        list = new TKelActionList();
        a = new TAction(list);
        b = new TAction(list);
        c = new TAction(list);
    }
    void TearDown() override
    {
        delete list;
        QtLeakCheckedTest::TearDown();
    }

    TKelActionList* list = nullptr;
    TAction* a = nullptr;
    TAction* b = nullptr;
    TAction* c = nullptr;
};

TEST_F(TServiceManagerTest, WalkingAnEmptyListAnswersFalseAtOnce)
{
    TServiceManager services;
    EXPECT_EQ(services.getCursor(), -1);
    EXPECT_FALSE(services.BeginServiceData());
    EXPECT_EQ(services.getNbService(), 0);
}

TEST_F(TServiceManagerTest, WalkingThreeActionsGivesEachInOrder)
{
    TServiceManager services;
    services.Add(a);
    services.Add(b);
    services.Add(c);

    ASSERT_TRUE(services.BeginServiceData());
    EXPECT_EQ(services.GetServiceData(), a);
    ASSERT_TRUE(services.NextServiceData());
    EXPECT_EQ(services.GetServiceData(), b);
    ASSERT_TRUE(services.NextServiceData());
    EXPECT_EQ(services.GetServiceData(), c);
    EXPECT_FALSE(services.NextServiceData());
}

TEST_F(TServiceManagerTest, ACursorOutsideTheListRaisesTheStandardRangeError)
{
    TServiceManager services;
    services.Add(a);
    try {
        services.GetServiceData(); // cursor -1 before any walk
        FAIL() << "no error";
    } catch (const std::out_of_range& error) {
        EXPECT_NE(std::string(error.what()).find("vector"), std::string::npos);
    }
    services.BeginServiceData();
    services.NextServiceData();
    EXPECT_THROW(services.GetServiceData(), std::out_of_range);
}

TEST_F(TServiceManagerTest, AnActionIsListedOnceAndRemovingKeepsTheOrder)
{
    TServiceManager services;
    services.Add(a);
    services.Add(b);
    services.Add(a);
    services.Add(nullptr);
    services.Add(c);
    EXPECT_EQ(services.getNbService(), 3);

    services.Remove(b);
    services.Remove(b);
    ASSERT_TRUE(services.BeginServiceData());
    EXPECT_EQ(services.GetServiceData(), a);
    services.NextServiceData();
    EXPECT_EQ(services.GetServiceData(), c);
    EXPECT_EQ(services.getNbService(), 2);
    EXPECT_EQ(list->GetActionCount(), 3); // removing destroys nothing
}

TEST_F(TServiceManagerTest, DestroyingTheManagerDestroysTheActionsStillListed)
{
    QPointer<TAction> listed(a);
    QPointer<TAction> removed(b);
    {
        TServiceManager services;
        services.Add(a);
        services.Add(b);
        services.Remove(b);
    }
    EXPECT_TRUE(listed.isNull());
    EXPECT_FALSE(removed.isNull());
    // The destroyed action left its list.
    EXPECT_EQ(list->GetActionCount(), 2);
    EXPECT_EQ(list->IndexOf(b), 0);
}

TEST_F(TServiceManagerTest, ActionsDestroyedElsewhereAreNotDestroyedAgain)
{
    {
        TServiceManager services;
        services.Add(a);
        services.Add(b);
        delete a;
        ASSERT_TRUE(services.BeginServiceData());
        EXPECT_EQ(services.GetServiceData(), nullptr);
    }
    EXPECT_EQ(list->GetActionCount(), 1);
}

TEST_F(TServiceManagerTest, CopiesCompareEqualUntilOneMoves)
{
    TServiceManager services;
    services.Add(a);
    TServiceManager copy(services);
    EXPECT_TRUE(copy == services);
    copy.BeginServiceData();
    EXPECT_FALSE(copy == services);
    services = copy;
    EXPECT_TRUE(copy == services);
    services = services;
    EXPECT_EQ(services.getNbService(), 1);
    // Only one of them may destroy the action: the copy forgets it.
    copy.Remove(a);
}

} // namespace
