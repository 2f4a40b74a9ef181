#pragma once

// The household: dependants and rental income (each brings its screens into the flow), the
// main residence as three radio buttons, and a reminder whose caption names the product.

#include "TViewRevenus.h"

class TcxCheckBox;
class TcxRadioButton;

class TViewSituation : public TViewRevenus
{
    Q_OBJECT

public:
    TViewSituation(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewSituation() override;

    TcxCheckBox* CheckACharge = nullptr;
    TcxCheckBox* CheckFonciers = nullptr;
    TcxRadioButton* RadioProprietaire = nullptr;
    TcxRadioButton* RadioLocataire = nullptr;
    TcxRadioButton* RadioHeberge = nullptr;
    TcxCheckBox* CheckRappel = nullptr;

protected:
    void ConstruitEcran() override;
};
