#include "controls/TdCEdit.h"

#include "TEdit.h"
#include "qlettre.h"

TdCEdit& TdCEdit::operator=(const TdCEdit& other)
{
    if (this != &other) {
        m_lettrage = other.m_lettrage;
        m_component = other.m_component;
    }
    return *this;
}

TdCEdit::~TdCEdit() = default;

void TdCEdit::SetIdValue()
{
    if (auto* widget = dynamic_cast<TEdit*>(m_component))
        SetWindowLongA(widget->Handle(), GWL_ID, m_lettrage);
}

void TdCEdit::LettrageVersEcran(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    if (!m_refreshEnabled)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TEdit*>(m_component);
    if (!widget)
        return;
    if (lettre->valeur)
        widget->SetText(lettre->valeur);
    LogTransfer("----TEdit::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
}

void TdCEdit::EcranVersLettrage(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TEdit*>(m_component);
    if (!widget)
        return;
    StoreValue(lettre, widget->GetText().c_str());
    LogTransfer("----TEdit::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
}

void TdCEdit::UpdateSelection(structLettre* listeLettre)
{
    // The colour always follows the enabled state, even when the letter left it as it was.
    if (auto* widget = EnableFromLetter<TEdit>(listeLettre))
        widget->SetColor(widget->GetEnabled() ? clWindow : clBtnFace);
}

void TdCEdit::SetFocus()
{
    FocusIfEnabled<TEdit>();
}

void TdCEdit::SetHelpContext(int helpContext)
{
    GiveHelpContext<TEdit>(helpContext);
}
