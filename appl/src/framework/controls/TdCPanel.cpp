#include "controls/TdCPanel.h"

#include "TPanel.h"
#include "qlettre.h"

TdCPanel::~TdCPanel() = default;

void TdCPanel::LettrageVersEcran(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TPanel*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetText(lettre->valeur);
    LogTransfer("----TPanel::LettrageVersEcran() lettrage: %d valeur: %s", lettre, kLineSize);
}

void TdCPanel::EcranVersLettrage(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TPanel*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->GetText().c_str());
    LogTransfer("----TPanel::EcranVersLettrage() lettrage: %d valeur: %s", lettre, kLineSize);
}

void TdCPanel::UpdateSelection(structLettre* /*listeLettre*/) {}
