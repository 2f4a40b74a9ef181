#pragma once

// Address and contact: a multi-line address, the postcode, the town and a phone number.

#include "TViewRevenus.h"

class TEdit;
class TcxEditTel;
class TcxKelMemo;

class TViewAdresse : public TViewRevenus
{
    Q_OBJECT

public:
    TViewAdresse(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewAdresse() override;

    TcxKelMemo* MemoAdresse = nullptr;
    TEdit* EditCodePostal = nullptr;
    TEdit* EditCommune = nullptr;
    TcxEditTel* EditTelephone = nullptr;

protected:
    void ConstruitEcran() override;
};
