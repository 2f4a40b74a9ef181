#pragma once

// The rented property: its address (a text edit), its date of acquisition (a date edit) and
// its number of dwellings.

#include "TViewRevenus.h"

class TEdit;
class TcxEditDate;
class TcxEditStr;

class TViewBiensLoues : public TViewRevenus
{
    Q_OBJECT

public:
    TViewBiensLoues(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewBiensLoues() override;

    TcxEditStr* EditAdresseBien = nullptr;
    TcxEditDate* EditDateAcquisition = nullptr;
    TEdit* EditLogements = nullptr;

protected:
    void ConstruitEcran() override;
};
