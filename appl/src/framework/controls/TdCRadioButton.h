#pragma once

// The radio button stores "1" when checked and "0" when not; it shows checked exactly when the
// letter starts with '1'. Not gated: a radio button always follows its letter.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCRadioButton : public TdControl
{
public:
    TdCRadioButton() = default;
    TdCRadioButton(const TdCRadioButton& other) = default;
    TdCRadioButton& operator=(const TdCRadioButton& other) = default;
    ~TdCRadioButton() override;

    bool operator==(const TdCRadioButton& other) const { return TdControl::operator==(other); }

    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    void SetHelpContext(int helpContext) override;
};
