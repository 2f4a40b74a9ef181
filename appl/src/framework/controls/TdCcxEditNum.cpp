#include "controls/TdCcxEditNum.h"

#include "TcxEditNum.h"
#include "qlettre.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <stdlib.h>

TdCcxEditNum::~TdCcxEditNum() = default;

double TdCcxEditNum::ReadAmount(const char* text)
{
    if (!text)
        return 0.0;
    // atof is strtod, which follows LC_NUMERIC: Qt sets it from the environment at start-up.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (!cLocale)
        return std::strtod(text, nullptr);
    return strtod_l(text, nullptr, cLocale);
}

std::size_t TdCcxEditNum::WriteAmount(double value, char* buffer, std::size_t size)
{
    char whole[kWideAmountSize + 16];
    const std::to_chars_result result =
        std::to_chars(whole, whole + sizeof whole, value, std::chars_format::fixed, 6);
    const std::size_t length =
        result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - whole) : 0;
    if (buffer && size > 0) {
        const std::size_t copied = length < size ? length : size - 1;
        std::memcpy(buffer, whole, copied);
        buffer[copied] = '\0';
    }
    return length;
}

structLettre* TdCcxEditNum::WorkLetter(structLettre* listeLettre) const
{
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (lettre && m_lettrageActivation == -1 && m_lettrageCalcul > 0 && lettre->select == 2)
        return TrouveLettre(m_lettrageCalcul, listeLettre);
    return lettre;
}

void TdCcxEditNum::SetIdValue()
{
    if (auto* widget = dynamic_cast<TcxEditNum*>(m_component))
        widget->SetIdValue(m_lettrage);
}

void TdCcxEditNum::LettrageVersEcran(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    if (!m_refreshEnabled)
        return;
    structLettre* lettre = WorkLetter(listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxEditNum*>(m_component);
    if (!widget)
        return;
    if (widget->Switchable) {
        SyncActivation(widget, listeLettre);
        const structLettre* calcul = TrouveLettre(m_lettrageCalcul, listeLettre);
        if (calcul && calcul->valeur)
            widget->SetCalculateValue(ReadAmount(calcul->valeur));
    }
    if (lettre->valeur)
        widget->SetValue(ReadAmount(lettre->valeur));
    LogTransfer("----TcxEditNum::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
}

void TdCcxEditNum::EcranVersLettrage(structLettre* listeLettre, structLettre* /*listeLettreStatic*/)
{
    structLettre* lettre = WorkLetter(listeLettre);
    if (!lettre)
        return;
    auto* widget = dynamic_cast<TcxEditNum*>(m_component);
    if (!widget)
        return;
    StoreActivation(widget, listeLettre);
    const double value = widget->GetValue();
    if (!std::isfinite(value)) {
        // Only a letter the field could not show ("inf", "nan", "1e309") gives such a value,
        // and only until the user types: it stays as it was rather than become a number.
        LogTransfer("----TcxEditNum::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
        return;
    }
    // Amounts of 10^12 and beyond do not fit the usual 20 bytes: they are written whole in
    // the wide buffer, which holds any double.
    char amount[kAmountSize];
    char wide[kWideAmountSize];
    const char* text = amount;
    if (WriteAmount(value, amount, sizeof amount) >= sizeof amount) {
        WriteAmount(value, wide, sizeof wide);
        text = wide;
    }
    StoreValue(lettre, text);
    LogTransfer("----TcxEditNum::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
}

void TdCcxEditNum::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxEditNum>(listeLettre);
}

void TdCcxEditNum::SetFocus()
{
    FocusIfEnabled<TcxEditNum>();
}

void TdCcxEditNum::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxEditNum>(helpContext);
}
