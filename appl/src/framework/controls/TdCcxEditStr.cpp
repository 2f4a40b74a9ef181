#include "controls/TdCcxEditStr.h"

#include "TcxEditStr.h"
#include "qlettre.h"

TdCcxEditStr::~TdCcxEditStr() = default;

void TdCcxEditStr::SetIdValue()
{
    if (auto* widget = dynamic_cast<TcxEditStr*>(m_component))
        widget->SetIdValue(m_lettrage);
}

void TdCcxEditStr::LettrageVersEcran(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    if (!m_refreshEnabled)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxEditStr*>(m_component);
    if (!widget)
        return;
    if (widget->Switchable) {
        SyncActivation(widget, listeLettre);
        const structLettre* calcul = TrouveLettre(m_lettrageCalcul, listeLettre);
        if (calcul && calcul->valeur)
            widget->SetCalculateValue(calcul->valeur);
    }
    if (lettre->valeur)
        widget->SetText(lettre->valeur);
    LogTransfer("----TcxEditStr::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
}

void TdCcxEditStr::EcranVersLettrage(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxEditStr*>(m_component);
    if (!widget)
        return;
    StoreActivation(widget, listeLettre);
    StoreValue(lettre, widget->GetText().c_str());
    LogTransfer("----TcxEditStr::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
}

void TdCcxEditStr::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxEditStr>(listeLettre);
}

void TdCcxEditStr::SetFocus()
{
    FocusIfEnabled<TcxEditStr>();
}

void TdCcxEditStr::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxEditStr>(helpContext);
}
