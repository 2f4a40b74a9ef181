#pragma once

// The plain multi-line edit.

#include "wizard_toolkit_export.h"

#include "TCustomMemo.h"

class WIZARD_TOOLKIT_EXPORT TMemo : public TCustomMemo
{
    Q_OBJECT

public:
    explicit TMemo(TComponent* owner = nullptr);
    ~TMemo() override;
};
