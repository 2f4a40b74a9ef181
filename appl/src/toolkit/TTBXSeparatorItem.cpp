#include "TTBXSeparatorItem.h"

TTBXSeparatorItem::TTBXSeparatorItem(TComponent* owner) : TTBCustomItem(owner)
{
    setSeparator(true);
}

TTBXSeparatorItem::~TTBXSeparatorItem() = default;
