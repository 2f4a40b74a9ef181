#pragma once

// The plain multi-line edit.

#include "TCustomMemo.h"

class TMemo : public TCustomMemo
{
    Q_OBJECT

public:
    explicit TMemo(TComponent* owner = nullptr);
    ~TMemo() override;
};
