#include "controls/TdCcxKelLabel.h"

#include "TcxKelLabel.h"
#include "qlettre.h"

TdCcxKelLabel::~TdCcxKelLabel() = default;

void TdCcxKelLabel::LettrageVersEcran(structLettre* /*listeLettre*/,
                                      structLettre* listeLettreStatic)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettreStatic);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxKelLabel*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetTextWithTag(lettre->valeur);
    LogTransfer("----TcxKelLabel::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
}

void TdCcxKelLabel::EcranVersLettrage(structLettre* /*listeLettre*/,
                                      structLettre* listeLettreStatic)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettreStatic);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxKelLabel*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->m_text.c_str());
    LogTransfer("----TcxKelLabel::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
}

void TdCcxKelLabel::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxKelLabel>(listeLettre);
}
