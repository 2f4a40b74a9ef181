#include "TAction.h"
#include "TImageList.h"
#include "TKelActionList.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>

#include <QPixmap>
#include <QPointer>

using ::testing::ElementsAre;

namespace {

using TActionTest = WidgetTest;

TEST_F(TActionTest, ExecuteUpdatesFirstAndRunsOnlyAnEnabledAction)
{
    TAction action;
    action.SetCaption("Pi\xE8"
                      "ces & &joindre");
    EXPECT_EQ(action.text(), QString::fromUtf8("Pièces && &joindre"));
    std::vector<std::string> calls;
    bool enabled = false;
    action.OnUpdate = [&](TObject* sender) {
        calls.push_back(sender == &action ? "update" : "?");
        action.SetEnabled(enabled);
    };
    action.OnExecute = [&](TObject* sender) {
        calls.push_back(sender == &action ? "execute" : "?");
    };
    EXPECT_FALSE(action.Execute());
    enabled = true;
    EXPECT_TRUE(action.Execute());
    action.trigger();
    EXPECT_THAT(calls, ElementsAre("update", "update", "execute", "execute"));
    action.SetVisible(false);
    EXPECT_TRUE(action.GetEnabled()); // Qt answers false for a hidden action
}

TEST_F(TActionTest, ActionsOfAListAreOwnedByItAndUpdatedInOrderSkippingThoseDestroyed)
{
    QPointer<TAction> survivor;
    std::vector<int> order;
    {
        TKelActionList list;
        auto* first = new TAction(&list);
        auto* second = new TAction(&list);
        survivor = new TAction(&list);
        auto* leaving = new TAction(&list);
        leaving->SetActionList(nullptr);
        EXPECT_EQ(leaving->parent(), nullptr);
        delete leaving; // belongs to the caller
        first->OnUpdate = [&](TObject*) { order.push_back(1), delete second; };
        second->OnUpdate = [&](TObject*) { order.push_back(2); };
        survivor->OnUpdate = [&](TObject*) { order.push_back(3); };
        list.UpdateActions();
        EXPECT_EQ(list.GetActionCount(), 2);
        EXPECT_EQ(list.GetAction(1), survivor.data());
        EXPECT_EQ(list.IndexOf(second), -1);
    }
    EXPECT_THAT(order, ElementsAre(1, 3));
    EXPECT_TRUE(survivor.isNull());
}

TEST_F(TActionTest, ImagesComeFromTheListAndFollowItsImageList)
{
    QPixmap pixmap(4, 4);
    pixmap.fill(Qt::red);
    TImageList images;
    TKelActionList list;
    auto* action = new TAction(&list);
    action->SetImageIndex(1);
    images.Add(QIcon(pixmap));
    list.SetImages(&images);
    EXPECT_TRUE(action->icon().isNull()); // index 1 is not there yet
    EXPECT_EQ(images.Add(QIcon(pixmap)), 1);
    EXPECT_FALSE(action->icon().isNull());
    action->SetImageIndex(-5);
    EXPECT_EQ(action->GetImageIndex(), -1);
    EXPECT_TRUE(action->icon().isNull());
}

} // namespace
