#include "controls/TdCcxEditTel.h"

#include "TcxEditTel.h"
#include "qlettre.h"

#include <cstring>

TdCcxEditTel::~TdCcxEditTel() = default;

void TdCcxEditTel::SetIdValue()
{
    if (auto* widget = dynamic_cast<TcxEditTel*>(m_component))
        SetWindowLongA(widget->Handle(), GWL_ID, m_lettrage);
}

void TdCcxEditTel::LettrageVersEcran(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    if (!m_refreshEnabled)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxEditTel*>(m_component);
    if (!widget)
        return;
    if (const char* valeur = lettre->valeur) {
        const bool blank = std::strcmp(valeur, "") == 0 || std::strcmp(valeur, "  .  .  .  .") == 0;
        widget->SetText(blank ? kBlank : valeur);
    }
    LogTransfer("----TEditTel::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
}

void TdCcxEditTel::EcranVersLettrage(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxEditTel*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->GetText().c_str());
    LogTransfer("----TcxEditTel::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
}

void TdCcxEditTel::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxEditTel>(listeLettre);
}

void TdCcxEditTel::SetFocus()
{
    FocusIfEnabled<TcxEditTel>();
}

void TdCcxEditTel::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxEditTel>(helpContext);
}
