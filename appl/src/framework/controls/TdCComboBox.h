#pragma once

// The data-bound control of a drop-down list (TcxComboBox): the letter holds the code of the
// chosen line, the widget shows its label. Update fills the lines from the list data (column 0
// the code, column 1 the label). Unlike the other controls it tells the user when the letter
// and the lines do not match, in an error dialog; the letter is then left as it was.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCComboBox : public TdControl
{
public:
    TdCComboBox() = default;
    // Like every control, a copy never takes the list data (it stays with the original).
    TdCComboBox(const TdCComboBox& other) = default;
    // Takes the lettrage and the widget only.
    TdCComboBox& operator=(const TdCComboBox& other);
    ~TdCComboBox() override;

    bool operator==(const TdCComboBox& other) const { return TdControl::operator==(other); }

    // The widget's identifier, and its window identifier, become the lettrage.
    void SetIdValue() override;
    // Selects the line of the letter's code. Without list data nothing is touched.
    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    // Stores the selected line's code in the letter. Without list data nothing is touched.
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    // Refills the lines; the display state is not used.
    void Update(TControlDisplayInfo*& info) override;
    void SetFocus() override;
    void SetHelpContext(int helpContext) override;

    // Selects the line with that code; false when there is none.
    bool SelectLine(long code);
};
