#pragma once

// The phone field shows its letter, a blank number ("" or the short blank "  .  .  .  .")
// as the full blank mask, and stores the field's text as it shows it.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCcxEditTel : public TdControl
{
public:
    TdCcxEditTel() = default;
    TdCcxEditTel(const TdCcxEditTel& other) = default;
    TdCcxEditTel& operator=(const TdCcxEditTel& other) = default;
    ~TdCcxEditTel() override;

    bool operator==(const TdCcxEditTel& other) const { return TdControl::operator==(other); }

    // The widget's window identifier becomes the lettrage.
    void SetIdValue() override;
    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    void SetFocus() override;
    void SetHelpContext(int helpContext) override;

    static constexpr const char* kBlank = "  .  .  .  .  ";
};
