#include "controls/TdCRadioButton.h"

#include "TcxRadioButton.h"
#include "qlettre.h"

TdCRadioButton::~TdCRadioButton() = default;

void TdCRadioButton::LettrageVersEcran(structLettre* listeLettre,
                                       structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxRadioButton*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetChecked(lettre->valeur[0] == '1');
    LogTransfer("----TRadioButton::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
}

void TdCRadioButton::EcranVersLettrage(structLettre* listeLettre,
                                       structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxRadioButton*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->GetChecked() ? "1" : "0");
    LogTransfer("----TRadioButton::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
}

void TdCRadioButton::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxRadioButton>(listeLettre);
}

void TdCRadioButton::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxRadioButton>(helpContext);
}
