#include "controls/TdControl.h"

#include "TcxStaticOrEdit.h"
#include "controls/TControlDisplayInfo.h"
#include "log/TFrameworkLogger.h"
#include "model/TComplexData.h"
#include "qlettre.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <log4cxx/level.h>
#include <vector>

TdControl::TdControl(const TdControl& other)
    : m_lettrage(other.m_lettrage), m_lettrageCalcul(other.m_lettrageCalcul),
      m_lettrageActivation(other.m_lettrageActivation), m_component(other.m_component),
      m_complexData(nullptr), m_displayInfo(other.m_displayInfo),
      m_refreshEnabled(other.m_refreshEnabled)
{}

TdControl& TdControl::operator=(const TdControl& other)
{
    if (this == &other)
        return *this;
    m_lettrage = other.m_lettrage;
    m_lettrageCalcul = other.m_lettrageCalcul;
    m_lettrageActivation = other.m_lettrageActivation;
    m_component = other.m_component;
    m_displayInfo = other.m_displayInfo;
    m_refreshEnabled = other.m_refreshEnabled;
    return *this;
}

TdControl::~TdControl()
{
    delete m_complexData;
    m_complexData = nullptr;
}

bool TdControl::operator==(const TdControl& other) const
{
    return m_lettrage == other.m_lettrage && m_lettrageCalcul == other.m_lettrageCalcul &&
           m_lettrageActivation == other.m_lettrageActivation && m_component == other.m_component &&
           m_complexData == other.m_complexData && m_displayInfo == other.m_displayInfo &&
           m_refreshEnabled == other.m_refreshEnabled;
}

bool TdControl::StoreValue(structLettre* lettre, const char* text)
{
    if (!lettre)
        return false;
    if (!text)
        text = "";
    const std::size_t size = std::strlen(text) + 1;
    // The text may be the letter's own value (or a part of it): copy it before realloc moves it.
    if (lettre->valeur && text >= lettre->valeur &&
        text <= lettre->valeur + std::strlen(lettre->valeur)) {
        const std::vector<char> copy(text, text + size);
        return StoreValue(lettre, copy.data());
    }
    char* resized = static_cast<char*>(std::realloc(lettre->valeur, size));
    if (!resized)
        return false;
    std::memcpy(resized, text, size);
    lettre->valeur = resized;
    return true;
}

void TdControl::LogTransfer(const char* format, const structLettre* lettre, std::size_t bufferSize)
{
    LogTransfer(format, lettre, lettre ? lettre->valeur : nullptr, bufferSize);
}

void TdControl::LogTransfer(const char* format, const structLettre* lettre, const char* value,
                            std::size_t bufferSize)
{
    char line[kMemoLineSize];
    const std::size_t size = bufferSize == 0 || bufferSize > sizeof line ? sizeof line : bufferSize;
    const short lettrage = lettre ? lettre->lettrage : static_cast<short>(-1);
    FrameworkLog(
        log4cxx::Level::getInfo(),
        FormatLogLine(line, size, format, static_cast<int>(lettrage), value ? value : "(null)"),
        "");
}

TdControl::LetterSelection TdControl::SelectionFromLetter(structLettre* listeLettre) const
{
    const structLettre* lettre = TrouveLettre(m_lettrage, listeLettre);
    if (!lettre)
        return LetterSelection::Missing;
    if (!lettre->valeur)
        return LetterSelection::Keep;
    return lettre->select == 1 ? LetterSelection::Enable : LetterSelection::Disable;
}

void TdControl::SyncActivation(TcxStaticOrEdit* widget, structLettre* listeLettre) const
{
    if (!widget || !widget->Switchable)
        return;
    const structLettre* etat = TrouveLettre(m_lettrageActivation, listeLettre);
    // strtol reads as atol does ("02" and "2x" are 2) without atol's overflow hazard.
    const bool activated = etat && etat->valeur && std::strtol(etat->valeur, nullptr, 10) == 2;
    if (widget->GetActivated() != activated)
        widget->SetActivated(activated);
}

void TdControl::StoreActivation(TcxStaticOrEdit* widget, structLettre* listeLettre) const
{
    if (!widget || !widget->Switchable)
        return;
    structLettre* etat = TrouveLettre(m_lettrageActivation, listeLettre);
    if (!etat || !etat->valeur)
        return;
    char code[24];
    std::snprintf(code, sizeof code, "%ld", widget->GetActivated() ? 2L : 1L);
    StoreValue(etat, code); // resizes a value shorter than the code
}
