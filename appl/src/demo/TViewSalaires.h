#pragma once

// Salaries: the employer's pre-filled amounts, shown as results until the user corrects them
// (double click or F2), the spouse's only for a couple, and the choice between the 10 %
// deduction and actual expenses. The net taxable salaries follow every key.

#include "TViewRevenus.h"

class TLabel;
class TcxCheckBox;
class TcxEditNum;

class TViewSalaires : public TViewRevenus
{
    Q_OBJECT

public:
    TViewSalaires(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewSalaires() override;

    TcxEditNum* EditSalaire1 = nullptr;
    TcxEditNum* EditSalaire2 = nullptr;
    TcxCheckBox* CheckFraisReels = nullptr;
    TcxEditNum* EditFraisReels = nullptr;
    TcxEditNum* EditSalairesNets = nullptr;
    TLabel* LabelSalaire2 = nullptr;

    // A single declarant has no spouse: the spouse's salary is not shown at all.
    void UpdateSelection() override;

protected:
    void ConstruitEcran() override;
};
