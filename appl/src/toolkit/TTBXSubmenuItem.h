#pragma once

// A menu item that opens a submenu of its children (titled with the item's caption).
// Choosing it only opens the submenu.
// Belongs to the container it is added to (see TTBCustomItem).

#include "wizard_toolkit_export.h"

#include "TTBCustomItem.h"

class WIZARD_TOOLKIT_EXPORT TTBXSubmenuItem : public TTBCustomItem
{
    Q_OBJECT

public:
    explicit TTBXSubmenuItem(TComponent* owner = nullptr);
    // Destroys the children, then the submenu.
    ~TTBXSubmenuItem() override;
};
