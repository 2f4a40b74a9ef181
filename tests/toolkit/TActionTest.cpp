#include "TAction.h"
#include "TImageList.h"
#include "TKelActionList.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>

#include <QPixmap>
#include <QPointer>

using ::testing::ElementsAre;

namespace {

QIcon Icon(Qt::GlobalColor colour)
{
    QPixmap pixmap(4, 4);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

using TActionTest = WidgetTest;

TEST_F(TActionTest, CaptionKeepsWindows1252AndShowsTheMnemonicToQt)
{
    TAction action;
    action.SetCaption("Pi\xE8"
                      "ces \xE0 &joindre & taux");
    EXPECT_EQ(action.GetCaption(), "Pi\xE8"
                                   "ces \xE0 &joindre & taux");
    EXPECT_EQ(action.text(), QString::fromUtf8("Pièces à &joindre && taux"));
}

TEST_F(TActionTest, ExecuteUpdatesFirstAndRunsOnlyAnEnabledAction)
{
    TAction action;
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
    EXPECT_THAT(calls, ElementsAre("update", "update", "execute"));
}

TEST_F(TActionTest, AHiddenActionKeepsItsOwnEnabledFlag)
{
    TAction action;
    action.SetVisible(false);
    EXPECT_TRUE(action.GetEnabled()); // Qt answers false for a hidden action
    action.SetEnabled(false);
    action.SetVisible(true);
    EXPECT_FALSE(action.isEnabled());
}

TEST_F(TActionTest, ActionsOfAListAreOwnedByItAndLeaveItWhenDestroyedFirst)
{
    QPointer<TAction> survivor;
    {
        TKelActionList list;
        auto* first = new TAction(&list);
        auto* second = new TAction(&list);
        survivor = new TAction(&list);
        auto* leaving = new TAction(&list);
        EXPECT_EQ(first->GetActionList(), &list);
        leaving->SetActionList(nullptr);
        EXPECT_EQ(leaving->parent(), nullptr);
        delete leaving; // belongs to the caller
        EXPECT_EQ(list.GetActionCount(), 3);
        delete second;
        EXPECT_EQ(list.GetActionCount(), 2);
        EXPECT_EQ(list.GetAction(1), survivor.data());
        EXPECT_EQ(list.GetAction(2), nullptr);
        EXPECT_EQ(list.IndexOf(second), -1);
    }
    EXPECT_TRUE(survivor.isNull());
}

TEST_F(TActionTest, UpdateActionsRunsEveryUpdateInOrderAndSkipsActionsDestroyedOnTheWay)
{
    TKelActionList list;
    std::vector<int> order;
    auto* first = new TAction(&list);
    auto* second = new TAction(&list);
    auto* third = new TAction(&list);
    first->OnUpdate = [&](TObject*) { order.push_back(1), delete second; };
    second->OnUpdate = [&](TObject*) { order.push_back(2); };
    third->OnUpdate = [&](TObject*) { order.push_back(3); };
    list.UpdateActions();
    EXPECT_THAT(order, ElementsAre(1, 3));
}

TEST_F(TActionTest, ImagesComeFromTheListAndFollowItsImageList)
{
    TImageList images;
    TKelActionList list;
    auto* action = new TAction(&list);
    action->SetImageIndex(1);
    EXPECT_EQ(images.Add(Icon(Qt::red)), 0);
    list.SetImages(&images);
    EXPECT_TRUE(action->icon().isNull()); // index 1 is not there yet
    images.Add(Icon(Qt::blue));
    EXPECT_FALSE(action->icon().isNull());
    action->SetImageIndex(-5);
    EXPECT_EQ(action->GetImageIndex(), -1);
    EXPECT_TRUE(action->icon().isNull());
}

} // namespace
