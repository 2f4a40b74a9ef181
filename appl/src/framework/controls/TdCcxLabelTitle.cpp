#include "controls/TdCcxLabelTitle.h"

#include "TcxLabelTitle.h"
#include "qlettre.h"

TdCcxLabelTitle::~TdCcxLabelTitle() = default;

void TdCcxLabelTitle::LettrageVersEcran(structLettre* /*listeLettre*/,
                                        structLettre* listeLettreStatic)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettreStatic);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxLabelTitle*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetText(lettre->valeur);
    LogTransfer("----TdCcxLabelTitle::LettrageVersEcran() lettrage: %d valeur: %s", lettre,
                kLineSize);
}

void TdCcxLabelTitle::EcranVersLettrage(structLettre* /*listeLettre*/,
                                        structLettre* listeLettreStatic)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettreStatic);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxLabelTitle*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->GetText().c_str());
    LogTransfer("----TdCcxLabelTitle::EcranVersLettrage() lettrage: %d valeur: %s", lettre,
                kLineSize);
}

void TdCcxLabelTitle::UpdateSelection(structLettre* /*listeLettre*/) {}
