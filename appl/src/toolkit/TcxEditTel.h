#pragma once

// A French phone number: five pairs of digits separated by dots; blank, it shows
// "  .  .  .  .  ".
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TcxStaticOrEdit.h"

class WIZARD_TOOLKIT_EXPORT TcxEditTel : public TcxStaticOrEdit
{
    Q_OBJECT

public:
    explicit TcxEditTel(TComponent* owner = nullptr);
    ~TcxEditTel() override;
};
