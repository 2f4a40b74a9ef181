#pragma once

// A text field whose result is a text.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TcxStaticOrEdit.h"

class WIZARD_TOOLKIT_EXPORT TcxEditStr : public TcxStaticOrEdit
{
    Q_OBJECT

public:
    explicit TcxEditStr(TComponent* owner = nullptr);
    ~TcxEditStr() override;

    // The result shown while the field is not activated (Windows-1252).
    void SetCalculateValue(const std::string& value);
};
