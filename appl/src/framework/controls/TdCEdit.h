#pragma once

// The edit shows its letter's text; an edit whose letter may not be entered is disabled and
// painted as a button face, so that it reads as a fixed value.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCEdit : public TdControl
{
public:
    TdCEdit() = default;
    TdCEdit(const TdCEdit& other) = default;
    // Takes the other control's lettrage and widget only; everything else stays.
    TdCEdit& operator=(const TdCEdit& other);
    ~TdCEdit() override;

    bool operator==(const TdCEdit& other) const { return TdControl::operator==(other); }

    // The widget's window identifier becomes the lettrage.
    void SetIdValue() override;
    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    void SetFocus() override;
    void SetHelpContext(int helpContext) override;
};
