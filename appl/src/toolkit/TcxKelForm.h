#pragma once

// The in-house skinned form: a TForm that every framework view derives from.

#include "TForm.h"

class TcxKelForm : public TForm
{
    Q_OBJECT

public:
    explicit TcxKelForm(TComponent* owner = nullptr);
    ~TcxKelForm() override;
};
