#pragma once

// The plain multi-line edit.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TCustomMemo.h"

class WIZARD_TOOLKIT_EXPORT TMemo : public TCustomMemo
{
    Q_OBJECT

public:
    explicit TMemo(TComponent* owner = nullptr);
    ~TMemo() override;
};
