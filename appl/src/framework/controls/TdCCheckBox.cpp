#include "controls/TdCCheckBox.h"

#include "TcxCheckBox.h"
#include "qlettre.h"

TdCCheckBox::~TdCCheckBox() = default;

void TdCCheckBox::LettrageVersEcran(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    if (!m_refreshEnabled)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxCheckBox*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetChecked(lettre->valeur[0] == m_codeCoche);
    LogTransfer("----TCheckBox::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
}

void TdCCheckBox::EcranVersLettrage(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxCheckBox*>(m_component);
    if (!widget)
        return;
    const char code[2] = {widget->GetChecked() ? m_codeCoche : m_codeNonCoche, '\0'};
    StoreValue(lettre, code);
    LogTransfer("----TCheckBox::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
}

void TdCCheckBox::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxCheckBox>(listeLettre);
}

void TdCCheckBox::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxCheckBox>(helpContext);
}

void TdCCheckBox::SetOuiNon(char code)
{
    if (code == '0') {
        m_codeCoche = '1';
        m_codeNonCoche = '0';
    } else {
        m_codeCoche = code;
        m_codeNonCoche = static_cast<char>(code + 1);
    }
}
