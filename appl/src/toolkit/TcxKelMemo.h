#pragma once

// The in-house multi-line edit, which knows the lettrage of the letter it shows.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TCustomMemo.h"

class WIZARD_TOOLKIT_EXPORT TcxKelMemo : public TCustomMemo
{
    Q_OBJECT

public:
    explicit TcxKelMemo(TComponent* owner = nullptr);
    ~TcxKelMemo() override;

    // Remembers the lettrage, which also becomes the window identifier (GWL_ID).
    void SetIdValue(int idValue);
    int GetIdValue() const { return m_idValue; }

private:
    int m_idValue = -1;
};
