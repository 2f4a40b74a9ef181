#include "TTBXSubmenuItem.h"

#include <QMenu>

TTBXSubmenuItem::TTBXSubmenuItem(TComponent* owner) : TTBCustomItem(owner)
{
    // The submenu is a pop-up window of its own, owned by the item (never by a widget, so
    // that it goes exactly when the item goes).
    auto* menu = new QMenu();
    SetDisplayMenu(menu, true);
    setMenu(menu);
}

TTBXSubmenuItem::~TTBXSubmenuItem() = default;
