#pragma once

// A label's letter is a text of the screen's static list, shown as the label's caption.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCLabel : public TdControl
{
public:
    TdCLabel() = default;
    TdCLabel(const TdCLabel& other) = default;
    TdCLabel& operator=(const TdCLabel& other) = default;
    ~TdCLabel() override;

    bool operator==(const TdCLabel& other) const { return TdControl::operator==(other); }

    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
};
