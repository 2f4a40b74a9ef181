#pragma once

// A separator line between menu items.

#include "TTBCustomItem.h"

class TTBXSeparatorItem : public TTBCustomItem
{
    Q_OBJECT

public:
    explicit TTBXSeparatorItem(TComponent* owner = nullptr);
    ~TTBXSeparatorItem() override;
};
