#pragma once

// The signature: place and date, the certification without which the declaration cannot be
// finished, and free observations.

#include "TViewRevenus.h"

class TEdit;
class TMemo;
class TcxCheckBox;
class TcxEditDate;

class TViewSignature : public TViewRevenus
{
    Q_OBJECT

public:
    TViewSignature(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewSignature() override;

    TEdit* EditLieu = nullptr;
    TcxEditDate* EditDate = nullptr;
    TcxCheckBox* CheckCertification = nullptr;
    TMemo* MemoObservations = nullptr;

protected:
    void ConstruitEcran() override;
};
