#pragma once

// The check box stores a one-character code: m_codeCoche when checked, m_codeNonCoche when
// not ('1' and '2' by default); it shows checked exactly when the letter starts with
// m_codeCoche.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCCheckBox : public TdControl
{
public:
    TdCCheckBox() = default;
    TdCCheckBox(const TdCCheckBox& other) = default;
    TdCCheckBox& operator=(const TdCCheckBox& other) = default;
    ~TdCCheckBox() override;

    bool operator==(const TdCCheckBox& other) const
    {
        return TdControl::operator==(other) && m_codeCoche == other.m_codeCoche &&
               m_codeNonCoche == other.m_codeNonCoche;
    }

    void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) override;
    void UpdateSelection(structLettre* listeLettre) override;
    void SetHelpContext(int helpContext) override;

    // Chooses the pair of codes: '0' gives checked '1' / unchecked '0'; any other character c
    // gives c / c + 1 (so 'A' gives 'A' / 'B').
    void SetOuiNon(char code);

    char m_codeCoche = '1';
    char m_codeNonCoche = '2';
};
