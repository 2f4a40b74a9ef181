#pragma once

// Rental income: gross rents, the regime (micro-foncier or actual), the deductible charges
// (actual regime only) and the computed net rental income.

#include "TViewRevenus.h"

class TcxComboBox;
class TcxEditNum;

class TViewRevenusFonciers : public TViewRevenus
{
    Q_OBJECT

public:
    TViewRevenusFonciers(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewRevenusFonciers() override;

    TcxEditNum* EditLoyers = nullptr;
    TcxComboBox* ComboRegime = nullptr;
    TcxEditNum* EditCharges = nullptr;
    TcxEditNum* EditFoncierNet = nullptr;

protected:
    void ConstruitEcran() override;
};
