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

using TTBXPopupMenuTest = WidgetTest;

TEST_F(TTBXPopupMenuTest, ItemsAndSubmenusAreShownInTheirOrderAndClearDestroysThemAtOnce)
{
    TForm form;
    auto* menu = new TTBXPopupMenu(&form);
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
    items->Remove(second);
    EXPECT_EQ(second->GetParentItem(), nullptr);
    delete second; // handed back to the caller
    items->Delete(0);
    EXPECT_THAT(Shown(menu), ElementsAre("Entre", "-", "Fin"));

    auto* submenu = new TTBXSubmenuItem();
    submenu->SetCaption("Revenus");
    submenu->Add(Item("Salaires"));
    auto* deeper = new TTBXSubmenuItem();
    deeper->Add(Item("Feuille"));
    submenu->Add(deeper);
    items->Add(submenu);
    EXPECT_EQ(submenu->GetDisplayMenu(), submenu->menu());
    EXPECT_THAT(Shown(submenu->menu()), ElementsAre("Salaires", ""));
    EXPECT_EQ(submenu->menu()->title(), QStringLiteral("Revenus"));
    items->Clear();
    EXPECT_EQ(liveQObjectCount(), before);
    EXPECT_TRUE(menu->actions().isEmpty());
}

TEST_F(TTBXPopupMenuTest, AnItemMovesFromItsContainerButCannotContainItselfOrAnAncestor)
{
    TForm form;
    auto* menu = new TTBXPopupMenu(&form);
    auto* outer = new TTBXSubmenuItem();
    auto* inner = new TTBXSubmenuItem();
    outer->Add(inner);
    menu->GetItems()->Add(outer);
    inner->Add(outer);
    outer->Add(outer);
    outer->Add(nullptr);
    EXPECT_EQ(inner->GetCount(), 0);
    EXPECT_EQ(outer->GetCount(), 1);
    EXPECT_EQ(outer->GetParentItem(), menu->GetItems());
    TTBXItem* moving = Item("Mobile");
    outer->Add(moving);
    inner->Add(moving);
    EXPECT_EQ(outer->menu()->actions().size(), 1);
    EXPECT_THAT(Shown(inner->menu()), ElementsAre("Mobile"));
}

TEST_F(TTBXPopupMenuTest, ClickRunsOnClickWithTheItemOrElseTheLinkedAction)
{
    TForm form;
    auto* menu = new TTBXPopupMenu(&form);
    TAction action;
    action.SetCaption("Voir les &conseils");
    std::vector<std::string> calls;
    action.OnExecute = [&](TObject*) { calls.push_back("action"); };
    auto* item = new TTBXItem();
    menu->GetItems()->Add(item);
    item->SetAction(&action);
    EXPECT_EQ(item->GetAction(), &action);
    EXPECT_EQ(item->GetCaption(), "Voir les &conseils");
    item->trigger();
    item->OnClick = [&](TObject* sender) { calls.push_back(sender == item ? "click" : "?"); };
    item->trigger();
    EXPECT_THAT(calls, ElementsAre("action", "click"));
    action.SetEnabled(false);
    action.SetVisible(false);
    EXPECT_FALSE(item->GetEnabled());
    EXPECT_FALSE(item->GetVisible());
}

} // namespace
