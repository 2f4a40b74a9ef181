#pragma once

// The amount field. Letters hold amounts as "%f" writes them ("12.500000"), read back as atof
// reads them; both conversions here are those of the C locale whatever the process locale, so
// a French desktop never turns the point into a comma. A letter that is no finite number
// ("inf", "nan", "1e309") shows blank and is stored back unchanged until the user types.
//
// Substitution: with no edit-state letter (m_lettrageActivation -1), an entered-value letter
// (m_lettrageCalcul > 0) and the own letter in state 2, the control reads and writes the
// entered-value letter instead of its own.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

#include <cstddef>

class WIZARD_FRAMEWORK_EXPORT TdCcxEditNum : public TdControl
{
public:
    TdCcxEditNum() = default;
    TdCcxEditNum(const TdCcxEditNum& other) = default;
    TdCcxEditNum& operator=(const TdCcxEditNum& other) = default;
    ~TdCcxEditNum() override;

    bool operator==(const TdCcxEditNum& other) const { return TdControl::operator==(other); }

    // The widget's own SetIdValue receives the lettrage.
    void SetIdValue() override;
    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    void SetFocus() override;
    void SetHelpContext(int helpContext) override;

    // atof in the C locale: leading blanks skipped, the longest number read, 0 when none.
    static double ReadAmount(const char* text);
    // "%f" in the C locale into `buffer`, cut (never overflowed) when `size` is too small;
    // returns the length the whole text needs, as snprintf does.
    static std::size_t WriteAmount(double value, char* buffer, std::size_t size);

    // The amount's usual buffer, enough up to 10^12 excluded ("999999999999.000000").
    static constexpr std::size_t kAmountSize = 20;
    // Enough for any double written with "%f" (309 digits, sign, point, six decimals).
    static constexpr std::size_t kWideAmountSize = 330;

private:
    // The letter the control works on: its own, or the entered-value letter (see above).
    structLettre* WorkLetter(structLettre* listeLettre) const;
};
