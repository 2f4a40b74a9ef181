#include "controls/TdCcxKelMemo.h"

#include "TcxKelMemo.h"
#include "qlettre.h"

TdCcxKelMemo::~TdCcxKelMemo() = default;

void TdCcxKelMemo::SetIdValue()
{
    if (auto* widget = dynamic_cast<TcxKelMemo*>(m_component))
        widget->SetIdValue(m_lettrage);
}

void TdCcxKelMemo::LettrageVersEcran(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    if (!m_refreshEnabled)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxKelMemo*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetText(lettre->valeur);
    LogTransfer("----TcxKelMemo::LettrageVersEcran() lettrage: %d valeur: %s", lettre,
                kMemoLineSize);
}

void TdCcxKelMemo::EcranVersLettrage(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxKelMemo*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->GetText().c_str());
    LogTransfer("----TcxKelMemo::EcranVersLettrage() lettrage: %d valeur: %s", lettre,
                kMemoLineSize);
}

void TdCcxKelMemo::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxKelMemo>(listeLettre);
}

void TdCcxKelMemo::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxKelMemo>(helpContext);
}
