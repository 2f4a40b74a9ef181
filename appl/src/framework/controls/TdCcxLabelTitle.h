#pragma once

// A title's letter is a text of the screen's static list, shown as the title.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCcxLabelTitle : public TdControl
{
public:
    TdCcxLabelTitle() = default;
    TdCcxLabelTitle(const TdCcxLabelTitle& other) = default;
    TdCcxLabelTitle& operator=(const TdCcxLabelTitle& other) = default;
    ~TdCcxLabelTitle() override;

    bool operator==(const TdCcxLabelTitle& other) const { return TdControl::operator==(other); }

    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
};
