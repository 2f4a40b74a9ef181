#include "controls/TdCcxEditDate.h"

#include "TcxEditDate.h"
#include "qlettre.h"

#include <cstring>
#include <string>

TdCcxEditDate::~TdCcxEditDate() = default;

bool TdCcxEditDate::IsPartlyTyped(const std::string& text)
{
    return text.find(' ') != std::string::npos &&
           text.find_first_of("0123456789") != std::string::npos;
}

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
        } else if (valeur[0] == '\0' &&
                   (m_partlyTyped.empty() || widget->GetText() != m_partlyTyped)) {
            // A partly typed date this control stored as "" stays on screen, for the user to
            // complete (the screen is not left while it is there, see TPrEcranVCL); a "" the
            // model wrote itself (a re-initialisation) empties the field.
            widget->SetText(kBlank);
        }
    }
    m_partlyTyped.clear();
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
    std::string text = widget->GetText();
    // A field showing its result with no entry kept aside stores the date it shows, so that
    // an untouched date comes back the same.
    if (!widget->GetActivated() && text.find_first_of("0123456789") == std::string::npos)
        text = widget->GetCalculateText();
    StoreValue(lettre, text.find(' ') == std::string::npos ? text.c_str() : "");
    m_partlyTyped = IsPartlyTyped(text) ? text : std::string();
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
