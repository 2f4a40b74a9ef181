#include "presenter/TServiceManager.h"

#include "TAction.h"
#include "TKelActionList.h"

#include "PresenterDoubles.h"

#include <stdexcept>

namespace {

using TServiceManagerTest = QtLeakCheckedTest;

TEST_F(TServiceManagerTest, WalksEachActionOnceInTheOrderAddedAndDestroysThoseStillListed)
{
    TKelActionList list;
    auto* a = new TAction(&list);
    auto* b = new TAction(&list);
    auto* c = new TAction(&list);
    auto* d = new TAction(&list);
    QPointer<TAction> listed(a);
    {
        TServiceManager services;
        EXPECT_FALSE(services.BeginServiceData());
        EXPECT_THROW(services.GetServiceData(), std::out_of_range);
        for (TAction* action : {a, b, a, static_cast<TAction*>(nullptr), c, d})
            services.Add(action);
        services.Remove(b);
        services.Remove(b);
        EXPECT_EQ(services.getNbService(), 3);
        delete d; // destroyed elsewhere: not destroyed again

        std::vector<TAction*> walked;
        for (bool more = services.BeginServiceData(); more; more = services.NextServiceData())
            walked.push_back(services.GetServiceData());
        EXPECT_EQ(walked, (std::vector<TAction*>{a, c, nullptr}));
        EXPECT_THROW(services.GetServiceData(), std::out_of_range);
        EXPECT_EQ(list.GetActionCount(), 3) << "removing destroys nothing";
    }
    EXPECT_TRUE(listed.isNull());
    EXPECT_EQ(list.GetActionCount(), 1);
    EXPECT_EQ(list.IndexOf(b), 0);
}

} // namespace
