#pragma once

// Gifts and home employment: two amounts, the reduction and credit they give (a computed
// text), and the list of the supporting documents to keep, in a list box.

#include "TViewRevenus.h"

class TcxEditNum;
class TcxEditStr;
class TcxListBox;

class TViewCharges : public TViewRevenus
{
    Q_OBJECT

public:
    TViewCharges(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewCharges() override;

    TcxEditNum* EditDons = nullptr;
    TcxEditNum* EditEmploi = nullptr;
    TcxEditStr* EditAvantages = nullptr;
    TcxListBox* ListeJustificatifs = nullptr;

protected:
    void ConstruitEcran() override;
};
