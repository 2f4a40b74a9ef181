#pragma once

// The plain label.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TCustomLabel.h"

class WIZARD_TOOLKIT_EXPORT TLabel : public TCustomLabel
{
    Q_OBJECT

public:
    explicit TLabel(TComponent* owner = nullptr);
    ~TLabel() override;
};
