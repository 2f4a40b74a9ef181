#pragma once

// The in-house skinned form: a TForm that every framework view derives from.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TForm.h"

class WIZARD_TOOLKIT_EXPORT TcxKelForm : public TForm
{
    Q_OBJECT

public:
    explicit TcxKelForm(TComponent* owner = nullptr);
    ~TcxKelForm() override;
};
