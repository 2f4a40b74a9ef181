#pragma once

// The declarant: name, first name, date of birth in three fields checked together by a date
// controller, and the family situation chosen in a combo box.

#include "TViewRevenus.h"

class TEdit;
class TcxComboBox;
class TcxEditStr;

class TViewDeclarant : public TViewRevenus
{
    Q_OBJECT

public:
    TViewDeclarant(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewDeclarant() override;

    TEdit* EditNom = nullptr;
    TcxEditStr* EditPrenom = nullptr;
    TEdit* EditJour = nullptr;
    TEdit* EditMois = nullptr;
    TEdit* EditAnnee = nullptr;
    TcxComboBox* ComboSituation = nullptr;

protected:
    void ConstruitEcran() override;
};
