#pragma once

// The in-house tagged label shows its letter (a text of the screen's static list) with its
// formatting tags, and gives back the tagged text it holds.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCcxKelLabel : public TdControl
{
public:
    TdCcxKelLabel() = default;
    TdCcxKelLabel(const TdCcxKelLabel& other) = default;
    TdCcxKelLabel& operator=(const TdCcxKelLabel& other) = default;
    ~TdCcxKelLabel() override;

    bool operator==(const TdCcxKelLabel& other) const { return TdControl::operator==(other); }

    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
};
