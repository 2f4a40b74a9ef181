#include "TAction.h"
#include "TImageList.h"
#include "TKelActionList.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPixmap>
#include <QPointer>

#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

QIcon Icon(Qt::GlobalColor colour)
{
    QPixmap pixmap(4, 4);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

class TActionTest : public WidgetTest
{};

TEST_F(TActionTest, CaptionKeepsWindows1252AndShowsTheMnemonicToQt)
{
    TAction action;
    action.SetCaption("Voir les pi\xE8"
                      "ces \xE0 &joindre");
    EXPECT_EQ(action.GetCaption(), "Voir les pi\xE8"
                                   "ces \xE0 &joindre");
    EXPECT_EQ(action.text(), QString::fromUtf8("Voir les pièces à &joindre"));

    // A lone '&' stays visible on screen.
    action.SetCaption("Montants & taux");
    EXPECT_EQ(action.text(), QStringLiteral("Montants && taux"));
}

TEST_F(TActionTest, ExecuteUpdatesFirstAndRunsOnlyAnEnabledAction)
{
    TAction action;
    std::vector<std::string> calls;
    bool enabled = false;
    action.OnUpdate = [&](TObject* sender) {
        EXPECT_EQ(sender, &action);
        calls.push_back("update");
        action.SetEnabled(enabled);
    };
    action.OnExecute = [&](TObject* sender) {
        EXPECT_EQ(sender, &action);
        calls.push_back("execute");
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
    EXPECT_FALSE(action.GetEnabled());
    EXPECT_FALSE(action.isEnabled());
}

TEST_F(TActionTest, TriggeringRunsTheActionAndKeepsItsCheckMarkUnlessAutoCheck)
{
    TAction action;
    int executed = 0;
    action.OnExecute = [&](TObject*) { ++executed; };
    action.SetChecked(true);

    action.trigger();
    EXPECT_EQ(executed, 1);
    EXPECT_TRUE(action.GetChecked());
    EXPECT_TRUE(action.isChecked());

    action.SetAutoCheck(true);
    action.trigger();
    EXPECT_EQ(executed, 2);
    EXPECT_FALSE(action.GetChecked());
}

TEST_F(TActionTest, ActionsOfAListAreOwnedByItAndLeaveItWhenDestroyedFirst)
{
    QPointer<TAction> survivor;
    {
        TKelActionList list;
        auto* first = new TAction(&list);
        auto* second = new TAction(&list);
        survivor = new TAction(&list);
        EXPECT_EQ(first->GetActionList(), &list);
        EXPECT_EQ(list.GetActionCount(), 3);

        delete second;
        EXPECT_EQ(list.GetActionCount(), 2);
        EXPECT_EQ(list.GetAction(0), first);
        EXPECT_EQ(list.GetAction(1), survivor.data());
        EXPECT_EQ(list.GetAction(2), nullptr);
        EXPECT_EQ(list.IndexOf(second), -1);
    }
    EXPECT_TRUE(survivor.isNull());
}

TEST_F(TActionTest, AnActionLeavingItsListBelongsToTheCaller)
{
    TKelActionList list;
    auto* action = new TAction(&list);
    action->SetActionList(nullptr);
    EXPECT_EQ(list.GetActionCount(), 0);
    EXPECT_EQ(action->parent(), nullptr);
    delete action;
}

TEST_F(TActionTest, UpdateActionsRunsEveryUpdateInOrderAndSkipsActionsDestroyedOnTheWay)
{
    TKelActionList list;
    std::vector<int> order;
    auto* first = new TAction(&list);
    auto* second = new TAction(&list);
    auto* third = new TAction(&list);
    first->OnUpdate = [&](TObject*) {
        order.push_back(1);
        delete second;
    };
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
    EXPECT_TRUE(action->icon().isNull());

    images.Add(Icon(Qt::red));
    list.SetImages(&images);
    EXPECT_TRUE(action->icon().isNull()); // index 1 is not there yet
    images.Add(Icon(Qt::blue));
    EXPECT_FALSE(action->icon().isNull());

    action->SetImageIndex(-5);
    EXPECT_EQ(action->GetImageIndex(), -1);
    EXPECT_TRUE(action->icon().isNull());
}

TEST_F(TActionTest, ImageListAnswersANullIconOutsideTheList)
{
    TImageList images;
    EXPECT_TRUE(images.GetIcon(0).isNull());
    EXPECT_EQ(images.Add(Icon(Qt::green)), 0);
    EXPECT_FALSE(images.GetIcon(0).isNull());
    EXPECT_TRUE(images.GetIcon(-1).isNull());
    EXPECT_TRUE(images.GetIcon(1).isNull());
    images.Clear();
    EXPECT_EQ(images.GetCount(), 0);
}

} // namespace
