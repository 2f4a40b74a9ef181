#pragma once

// The text field: a switchable field follows its edit-state letter and shows its entered-value
// letter as the result; the field's text is the control's own letter.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCcxEditStr : public TdControl
{
public:
    TdCcxEditStr() = default;
    TdCcxEditStr(const TdCcxEditStr& other) = default;
    TdCcxEditStr& operator=(const TdCcxEditStr& other) = default;
    ~TdCcxEditStr() override;

    bool operator==(const TdCcxEditStr& other) const { return TdControl::operator==(other); }

    // The widget's own SetIdValue receives the lettrage.
    void SetIdValue() override;
    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    void SetFocus() override;
    void SetHelpContext(int helpContext) override;
};
