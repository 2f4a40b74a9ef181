#pragma once

// A menu item that opens a submenu of its children (titled with the item's caption).
// Choosing it only opens the submenu.

#include "TTBCustomItem.h"

class TTBXSubmenuItem : public TTBCustomItem
{
    Q_OBJECT

public:
    explicit TTBXSubmenuItem(TComponent* owner = nullptr);
    // Destroys the children, then the submenu.
    ~TTBXSubmenuItem() override;
};
