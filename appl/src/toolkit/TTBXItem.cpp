#include "TTBXItem.h"

TTBXItem::TTBXItem(TComponent* owner) : TTBCustomItem(owner) {}

TTBXItem::~TTBXItem() = default;
