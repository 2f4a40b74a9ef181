#include "TTBXPopupMenu.h"
#include "TAction.h"
#include "TForm.h"
#include "TTBXItem.h"
#include "TTBXSeparatorItem.h"
#include "TTBXSubmenuItem.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>

#include <QMenu>

using ::testing::ElementsAre;

namespace {

// The texts a Qt menu shows, separators as "-".
std::vector<std::string> Shown(const QMenu* menu)
{
    std::vector<std::string> texts;
    for (const QAction* action : menu->actions())
        texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return texts;
}

TTBXItem* Item(const std::string& caption)
{
    auto* item = new TTBXItem();
    item->SetCaption(caption);
    return item;
}

} // namespace

using TTBXPopupMenuTest = WidgetTest;

TEST_F(TTBXPopupMenuTest, ItemsAreShownInOrderRunTheirClickOrActionAndClearDestroysThemAtOnce)
{
    TForm form;
    auto* menu = new TTBXPopupMenu(&form);
    TAction action;
    const qsizetype before = liveQObjectCount();
    TTBCustomItem* items = menu->GetItems();
    TTBXItem* second = Item("Deux");
    items->Add(Item("Un"));
    items->Add(second);
    items->Add(new TTBXSeparatorItem());
    items->Insert(1, Item("Entre"));
    items->Insert(99, Item("Fin"));
    EXPECT_THAT(Shown(menu), ElementsAre("Un", "Entre", "Deux", "-", "Fin"));
    EXPECT_EQ(items->IndexOf(second), 2);
    items->Delete(0);
    EXPECT_THAT(Shown(menu), ElementsAre("Entre", "Deux", "-", "Fin"));
    auto* submenu = new TTBXSubmenuItem();
    auto* deeper = new TTBXSubmenuItem();
    submenu->Add(deeper);
    items->Add(submenu);
    deeper->Add(submenu); // no cycles: an item contains neither itself nor an ancestor
    EXPECT_EQ(submenu->GetParentItem(), items);
    deeper->Add(second = Item("Mobile"));
    submenu->Add(second); // moves from its container
    EXPECT_EQ(deeper->GetCount(), 0);
    EXPECT_THAT(Shown(submenu->menu()), ElementsAre("", "Mobile"));
    // A click runs OnClick with the item, or else the linked action.
    std::vector<std::string> calls;
    action.SetCaption("Voir les &conseils");
    action.OnExecute = [&](TObject*) { calls.push_back("action"); };
    auto* item = new TTBXItem();
    items->Add(item);
    item->SetAction(&action);
    EXPECT_EQ(item->GetAction(), &action);
    EXPECT_EQ(item->GetCaption(), "Voir les &conseils");
    item->trigger();
    item->OnClick = [&](TObject* sender) { calls.push_back(sender == item ? "click" : "?"); };
    item->trigger();
    EXPECT_THAT(calls, ElementsAre("action", "click"));
    action.SetEnabled(false);
    action.SetVisible(false);
    EXPECT_FALSE(item->GetEnabled() || item->GetVisible());
    items->Clear();
    EXPECT_EQ(liveQObjectCount(), before);
    EXPECT_TRUE(menu->actions().isEmpty());
}
