#include "controls/TdCComboBox.h"

#include "kelassert.h"
#include "log/TFrameworkLogger.h"
#include "model/TComplexData.h"
#include "qlettre.h"

#include "MessageDlg.h"
#include "TcxComboBox.h"

#include <log4cxx/level.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kLettreAbsente =
    "La lettre de la ComboBox n'existe pas dans la liste de lettre";
constexpr const char* kValeurAbsente =
    "La valeur \xE0 afficher n'est pas pr\xE9sente dans les donn\xE9"
    "es de la ComboBox";
constexpr const char* kIndexNegatif = "L'index de la ComboBox est n\xE9gatif";

// A problem of the transfer, shown to the user at once and ending the operation.
void ShowError(const std::logic_error& error)
{
    MessageDlg(error.what(), mtError, mbOK, 0);
}

// The line code of a text: decimal, 0 when unreadable.
long CodeOf(const std::string& text)
{
    return std::strtol(text.c_str(), nullptr, 10);
}

} // namespace

TdCComboBox& TdCComboBox::operator=(const TdCComboBox& other)
{
    if (this == &other)
        return *this;
    m_lettrage = other.m_lettrage;
    m_component = other.m_component;
    return *this;
}

TdCComboBox::~TdCComboBox() = default;

void TdCComboBox::SetIdValue()
{
    auto* combo = dynamic_cast<TcxComboBox*>(m_component);
    if (!combo)
        return;
    combo->SetIdValue(m_lettrage);
    SetWindowLongA(combo->Handle(), GWL_ID, m_lettrage);
}

void TdCComboBox::LettrageVersEcran(structLettre* listeLettre, structLettre*)
{
    if (!m_complexData)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    auto* combo = dynamic_cast<TcxComboBox*>(m_component);
    if (!lettre || !combo)
        return;
    try {
        if (!lettre->valeur)
            throw std::logic_error(kLettreAbsente);
        std::stringstream stream;
        stream << lettre->valeur;
        m_complexData->getCode(stream);
        if (!ComboSelectCode(combo, CodeOf(stream.str())))
            throw std::logic_error(kValeurAbsente);
        LogTransfer("----TcxComboBox::LettrageVersEcran() lettrage: %d valeur: %s", lettre);
    } catch (const std::logic_error& error) {
        ShowError(error);
    }
}

void TdCComboBox::EcranVersLettrage(structLettre* listeLettre, structLettre*)
{
    if (!m_complexData)
        return;
    structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    auto* combo = dynamic_cast<TcxComboBox*>(m_component);
    if (!lettre || !combo)
        return;
    try {
        long code = 0;
        if (!ComboGetCurrentCode(combo, code))
            throw std::logic_error(kIndexNegatif);
        std::stringstream stream;
        stream << code;
        m_complexData->getLettrage(stream);
        // Out of memory leaves the letter as it was, like the errors above.
        if (!StoreValue(lettre, stream.str().c_str()))
            return;
        LogTransfer("----TcxComboBox::EcranVersLettrage() lettrage: %d valeur: %s", lettre);
    } catch (const std::logic_error& error) {
        ShowError(error);
    }
}

void TdCComboBox::UpdateSelection(structLettre* listeLettre)
{
    EnableFromLetter<TcxComboBox>(listeLettre);
}

void TdCComboBox::Update(TControlDisplayInfo*&)
{
    if (!m_refreshEnabled)
        return;
    // The list data is a precondition of filling; without it the lines stay as they are.
    KEL_ASSERT(m_complexData)
        .add_val("m_complexData", m_complexData)
        .add_val("message", "Le composant combobox n'a pas de ComplexData associ\xE9")
        .error();
    if (!m_complexData)
        return;
    bool current = m_complexData->BeginDonneeComp(m_lettrage);
    auto* combo = dynamic_cast<TcxComboBox*>(m_component);
    if (!combo)
        return;
    combo->GetProperties()->GetItems()->Clear();
    while (current) {
        std::string code;
        m_complexData->GetDonneeComp(m_lettrage, 0, code);
        std::stringstream stream;
        stream << code;
        m_complexData->getCode(stream);
        std::string label;
        m_complexData->GetDonneeComp(m_lettrage, 1, label);
        ComboAdd(combo, label, CodeOf(stream.str()));
        current = m_complexData->NextDonneeComp(m_lettrage);
    }
    FrameworkLog(log4cxx::Level::getInfo(), "----TcxComboBox::Update()", "");
}

void TdCComboBox::SetFocus()
{
    FocusIfEnabled<TcxComboBox>();
}

void TdCComboBox::SetHelpContext(int helpContext)
{
    GiveHelpContext<TcxComboBox>(helpContext);
}

bool TdCComboBox::SelectLine(long code)
{
    return ComboSelectCode(dynamic_cast<TcxComboBox*>(m_component), code);
}
