#pragma once

// The computation of the tax: global income, parts, gross tax, discount, reductions and net
// tax, all computed; the withholding tax already paid is typed here, and the balance (to pay
// or refunded) follows every key.

#include "TViewRevenus.h"

class TLabel;
class TPanel;
class TcxEditNum;
class TcxKelLabel;

class TViewRecapitulatif : public TViewRevenus
{
    Q_OBJECT

public:
    TViewRecapitulatif(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewRecapitulatif() override;

    TcxEditNum* EditRevenu = nullptr;
    TLabel* LabelParts = nullptr;
    TcxEditNum* EditImpotBrut = nullptr;
    TcxEditNum* EditDecote = nullptr;
    TcxEditNum* EditReductions = nullptr;
    TcxEditNum* EditImpotNet = nullptr;
    TcxEditNum* EditPrelevement = nullptr;
    TcxKelLabel* LabelSolde = nullptr;
    TcxEditNum* EditSolde = nullptr;
    TPanel* PanelTaux = nullptr;

protected:
    void ConstruitEcran() override;
};
