#include "controls/TdCcxEditDate.h"

#include "TcxEditDate.h"
#include "qlettre.h"

#include <cstring>
#include <string>

TdCcxEditDate::~TdCcxEditDate() = default;

void TdCcxEditDate::SetIdValue()
{
    if (auto* widget = dynamic_cast<TcxEditDate*>(m_component))
        widget->SetIdValue(m_lettrage);
}

void TdCcxEditDate::LettrageVersEcran(structLettre* listeLettre,
                                      structLettre* /*listeLettreStatic*/)
{
    if (!m_refreshEnabled)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxEditDate*>(m_component);
    if (!widget)
        return;
    if (widget->Switchable)
        SyncActivation(widget, listeLettre);
    if (const char* valeur = lettre->valeur) {
        if (!std::strchr(valeur, ' ') && std::strlen(valeur) >= 2) {
            if (!widget->GetActivated())
                widget->SetCalculateValue(valeur);
            else
                widget->SetText(valeur);
        } else if (valeur[0] == '\0') {
            widget->SetText(kBlank);
        }
    }
    LogTransfer("----TcxEditDate::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
}

void TdCcxEditDate::EcranVersLettrage(structLettre* listeLettre,
                                      structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxEditDate*>(m_component);
    if (!widget)
        return;
    StoreActivation(widget, listeLettre);
    const std::string text = widget->GetText();
    StoreValue(lettre, text.find(' ') == std::string::npos ? text.c_str() : "");
    LogTransfer("----TcxEditDate::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
}

void TdCcxEditDate::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxEditDate>(listeLettre);
}

void TdCcxEditDate::SetFocus()
{
    FocusIfEnabled<TcxEditDate>();
}

void TdCcxEditDate::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxEditDate>(helpContext);
}
