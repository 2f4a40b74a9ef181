#pragma once

// The date field: a complete date (no blank, two characters at least) goes to the result
// while the field is not activated and to the entry once it is; an empty letter shows the
// blank mask. Only a fully typed date is stored: a text with a blank stores "". A field that
// is not activated and keeps no entry aside stores the result it shows, so that an untouched
// date comes back the same;
// a partly typed date stored as "" stays on screen when the letter comes back "", for the user
// to complete, once: a letter the model empties itself empties the field.
//
// A letter without a value leaves the field as it was, as does a one-character value or a
// value holding a blank.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

#include <string>

class WIZARD_FRAMEWORK_EXPORT TdCcxEditDate : public TdControl
{
public:
    TdCcxEditDate() = default;
    TdCcxEditDate(const TdCcxEditDate& other) = default;
    TdCcxEditDate& operator=(const TdCcxEditDate& other) = default;
    ~TdCcxEditDate() override;

    bool operator==(const TdCcxEditDate& other) const { return TdControl::operator==(other); }

    // The widget's own SetIdValue receives the lettrage.
    void SetIdValue() override;
    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    void SetFocus() override;
    void SetHelpContext(int helpContext) override;

    static constexpr const char* kBlank = "  /  /    ";
    // A text holding both digits and blanks ("03/06/    ").
    static bool IsPartlyTyped(const std::string& text);

private:
    std::string m_partlyTyped; // the text the last store wrote as "", until the next refresh
};
