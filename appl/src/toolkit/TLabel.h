#pragma once

// The plain label.

#include "wizard_toolkit_export.h"

#include "TCustomLabel.h"

class WIZARD_TOOLKIT_EXPORT TLabel : public TCustomLabel
{
    Q_OBJECT

public:
    explicit TLabel(TComponent* owner = nullptr);
    ~TLabel() override;
};
