#include "controls/TdCMemo.h"

#include "TMemo.h"
#include "qlettre.h"

TdCMemo::~TdCMemo() = default;

void TdCMemo::SetIdValue()
{
    if (auto* widget = dynamic_cast<TMemo*>(m_component))
        SetWindowLongA(widget->Handle(), GWL_ID, m_lettrage);
}

void TdCMemo::LettrageVersEcran(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    if (!m_refreshEnabled)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TMemo*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetText(lettre->valeur);
    LogTransfer("----TMemo::LettrageVersEcran() lettrage: %d valeur: %s", lettre, kMemoLineSize);
}

void TdCMemo::EcranVersLettrage(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TMemo*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->GetText().c_str());
    LogTransfer("----TMemo::EcranVersLettrage() lettrage: %d valeur: %s", lettre, kMemoLineSize);
}

void TdCMemo::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TMemo>(listeLettre);
}

void TdCMemo::SetHelpContext(int helpContext)
{
    GiveHelpContext<TMemo>(helpContext);
}
