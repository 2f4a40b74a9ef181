#include "controls/TdCLabel.h"

#include "TLabel.h"
#include "qlettre.h"

TdCLabel::~TdCLabel() = default;

void TdCLabel::LettrageVersEcran(structLettre* /*listeLettre*/, structLettre* listeLettreStatic)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettreStatic);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TLabel*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetText(lettre->valeur);
    LogTransfer("----TLabel::LettrageVersEcran() lettrage: %d valeur: %s", lettre, kLineSize);
}

void TdCLabel::EcranVersLettrage(structLettre* /*listeLettre*/, structLettre* listeLettreStatic)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettreStatic);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TLabel*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->GetText().c_str());
    LogTransfer("----TLabel::EcranVersLettrage() lettrage: %d valeur: %s", lettre, kLineSize);
}

void TdCLabel::UpdateSelection(structLettre* /*listeLettre*/) {}
