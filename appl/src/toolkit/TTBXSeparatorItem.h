#pragma once

// A separator line between menu items.
// Belongs to the container it is added to (see TTBCustomItem).

#include "wizard_toolkit_export.h"

#include "TTBCustomItem.h"

class WIZARD_TOOLKIT_EXPORT TTBXSeparatorItem : public TTBCustomItem
{
    Q_OBJECT

public:
    explicit TTBXSeparatorItem(TComponent* owner = nullptr);
    ~TTBXSeparatorItem() override;
};
