#pragma once

// A memo shows its letter's text, line breaks included; the trace line has room for longer
// texts (1024 bytes).
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCMemo : public TdControl
{
public:
    TdCMemo() = default;
    TdCMemo(const TdCMemo& other) = default;
    TdCMemo& operator=(const TdCMemo& other) = default;
    ~TdCMemo() override;

    bool operator==(const TdCMemo& other) const { return TdControl::operator==(other); }

    void SetIdValue() override;
    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    void SetHelpContext(int helpContext) override;
};
