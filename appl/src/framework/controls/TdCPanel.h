#pragma once

// A panel shows its letter as its caption.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCPanel : public TdControl
{
public:
    TdCPanel() = default;
    TdCPanel(const TdCPanel& other) = default;
    TdCPanel& operator=(const TdCPanel& other) = default;
    ~TdCPanel() override;

    bool operator==(const TdCPanel& other) const { return TdControl::operator==(other); }

    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
};
