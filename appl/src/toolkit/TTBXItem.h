#pragma once

// A plain menu item: a caption that runs OnClick (or its action) when chosen.
// Belongs to the container it is added to (see TTBCustomItem).

#include "wizard_toolkit_export.h"

#include "TTBCustomItem.h"

class WIZARD_TOOLKIT_EXPORT TTBXItem : public TTBCustomItem
{
    Q_OBJECT

public:
    explicit TTBXItem(TComponent* owner = nullptr);
    ~TTBXItem() override;
};
