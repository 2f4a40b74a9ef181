#pragma once

// The label that titles a screen or a group of fields: a plain label in a bold, larger font.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TCustomLabel.h"

class WIZARD_TOOLKIT_EXPORT TcxLabelTitle : public TCustomLabel
{
    Q_OBJECT

public:
    explicit TcxLabelTitle(TComponent* owner = nullptr);
    ~TcxLabelTitle() override;
};
