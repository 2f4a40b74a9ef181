#include "TcxKelForm.h"

TcxKelForm::TcxKelForm(TComponent* owner) : TForm(owner)
{
    // The skinned forms paint their own background, so that SetColor shows at once.
    setAutoFillBackground(true);
}

TcxKelForm::~TcxKelForm() = default;
