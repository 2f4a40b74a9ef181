#include "presenter/TServiceManager.h"

#include "TAction.h"
#include "TKelActionList.h"

#include "PresenterDoubles.h"

#include <stdexcept>

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

TEST_F(TServiceManagerTest, WalksEachListedActionOnceInTheOrderAdded)
{
    TServiceManager services;
    EXPECT_FALSE(services.BeginServiceData());
    EXPECT_THROW(services.GetServiceData(), std::out_of_range);
    for (TAction* action : {a, b, a, static_cast<TAction*>(nullptr), c})
        services.Add(action);
    services.Remove(b);
    services.Remove(b);
    EXPECT_EQ(services.getNbService(), 2);

    std::vector<TAction*> walked;
    for (bool more = services.BeginServiceData(); more; more = services.NextServiceData())
        walked.push_back(services.GetServiceData());
    EXPECT_EQ(walked, (std::vector<TAction*>{a, c}));
    EXPECT_THROW(services.GetServiceData(), std::out_of_range);
    EXPECT_EQ(list->GetActionCount(), 3) << "removing destroys nothing";
}

TEST_F(TServiceManagerTest, GoingItDestroysTheActionsStillListedAndForgetsTheOthers)
{
    QPointer<TAction> listed(a);
    {
        TServiceManager services;
        for (TAction* action : {a, b, c})
            services.Add(action);
        services.Remove(b);
        delete c; // destroyed elsewhere: not destroyed again
        ASSERT_TRUE(services.BeginServiceData());
        services.NextServiceData();
        EXPECT_EQ(services.GetServiceData(), nullptr);
    }
    EXPECT_TRUE(listed.isNull());
    EXPECT_EQ(list->GetActionCount(), 1);
    EXPECT_EQ(list->IndexOf(b), 0);
}

} // namespace
