#pragma once

// The plain label.

#include "TCustomLabel.h"

class TLabel : public TCustomLabel
{
    Q_OBJECT

public:
    explicit TLabel(TComponent* owner = nullptr);
    ~TLabel() override;
};
