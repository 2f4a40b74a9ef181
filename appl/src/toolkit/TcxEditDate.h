#pragma once

// A date as day, month and four-digit year separated by '/'; blank, it shows "  /  /    ".
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TcxStaticOrEdit.h"

class WIZARD_TOOLKIT_EXPORT TcxEditDate : public TcxStaticOrEdit
{
    Q_OBJECT

public:
    explicit TcxEditDate(TComponent* owner = nullptr);
    ~TcxEditDate() override;

    // The result shown while the field is not activated (Windows-1252), as given.
    void SetCalculateValue(const std::string& value);

protected:
    // A result that is a date fits the mask; anything else leaves the entry blank.
    QString InitialEditText() const override;
};
