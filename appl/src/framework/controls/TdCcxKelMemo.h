#pragma once

// The in-house memo shows its letter's text, line breaks included; the trace line has room
// for longer texts (1024 bytes).
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCcxKelMemo : public TdControl
{
public:
    TdCcxKelMemo() = default;
    TdCcxKelMemo(const TdCcxKelMemo& other) = default;
    TdCcxKelMemo& operator=(const TdCcxKelMemo& other) = default;
    ~TdCcxKelMemo() override;

    bool operator==(const TdCcxKelMemo& other) const { return TdControl::operator==(other); }

    void SetIdValue() override;
    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    // Nothing to fill or restore in a memo.
    void Update(TControlDisplayInfo*& /*info*/) override {}
    void SetHelpContext(int helpContext) override;
};
