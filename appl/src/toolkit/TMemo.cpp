#include "TMemo.h"

TMemo::TMemo(TComponent* owner) : TCustomMemo(owner) {}

TMemo::~TMemo() = default;
