#pragma once

// A plain menu item: a caption that runs OnClick (or its action) when chosen.

#include "TTBCustomItem.h"

class TTBXItem : public TTBCustomItem
{
    Q_OBJECT

public:
    explicit TTBXItem(TComponent* owner = nullptr);
    ~TTBXItem() override;
};
