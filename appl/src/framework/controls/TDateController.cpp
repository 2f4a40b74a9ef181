#include "controls/TDateController.h"

#include "MessageBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TcxStaticOrEdit.h"

#include <cstdlib>
#include <string>

namespace {

const char* const kTitle = "Erreur de saisie";
const char* const kJourIncorrect = "Jour incorrect";
const char* const kMoisIncorrect = "Mois incorrect";
const char* const kDateIncorrecte = "Date incorrecte";
const char* const kAnneeIncorrecte = "Ann\xE9"
                                     "e incorrecte";

constexpr long kFirstYear = 1850; // earliest year accepted, and what three digits become
constexpr long kCentury = 1900;   // what a one- or two-digit year is completed with

// The control whose text holds a date part, or null for a widget of another class.
TControl* dateField(TObject* control)
{
    if (dynamic_cast<TEdit*>(control) || dynamic_cast<TcxStaticOrEdit*>(control) ||
        dynamic_cast<TLabel*>(control))
        return dynamic_cast<TControl*>(control);
    return nullptr;
}

} // namespace

TDateController::TDateController(HWND owner, TComponent* day, TComponent* month, TComponent* year,
                                 short anneeFiscale)
    : m_owner(owner), m_dayControl(day), m_monthControl(month), m_yearControl(year),
      m_anneeFiscale(anneeFiscale)
{}

TDateController::TDateController(const TDateController& other)
    : TControlController(other), m_owner(other.m_owner), m_dayControl(other.m_dayControl),
      m_monthControl(other.m_monthControl), m_yearControl(other.m_yearControl),
      m_anneeFiscale(other.m_anneeFiscale)
{}

TDateController& TDateController::operator=(const TDateController& other)
{
    if (this != &other) {
        TControlController::operator=(other);
        m_owner = other.m_owner;
        m_dayControl = other.m_dayControl;
        m_monthControl = other.m_monthControl;
        m_yearControl = other.m_yearControl;
        m_anneeFiscale = other.m_anneeFiscale;
    }
    return *this;
}

TDateController::~TDateController() = default;

bool TDateController::operator==(const TDateController& other) const
{
    return m_owner == other.m_owner && m_dayControl == other.m_dayControl &&
           m_monthControl == other.m_monthControl && m_yearControl == other.m_yearControl &&
           m_anneeFiscale == other.m_anneeFiscale;
}

bool TDateController::isContain(TComponent* component)
{
    return component == m_dayControl || component == m_monthControl || component == m_yearControl;
}

bool TDateController::Control()
{
    long day = 0;
    long month = 0;
    long year = 0;

    if (!getEltDate(m_dayControl, &day, 31)) {
        Refuse(kJourIncorrect, m_dayControl);
        return false;
    }
    if (!getEltDate(m_monthControl, &month, 12)) {
        Refuse(kMoisIncorrect, m_monthControl);
        return false;
    }
    const bool yearRead = getEltDate(m_yearControl, &year, static_cast<long>(m_anneeFiscale) + 1);
    if (yearRead && (year == 0 || year >= kFirstYear)) {
        if (day == 0 || month == 0 || year == 0)
            return false; // still being typed
        if (verifDate(day, month, year))
            return false;
        Refuse(kDateIncorrecte, m_dayControl);
        return false;
    }

    // A failed read left 0; otherwise the year lies below the first accepted one.
    if (year >= 1 && year <= 99) {
        year += kCentury;
        setEltDate(m_yearControl, &year);
        return true;
    }
    if (year >= 100 && year <= 999) {
        year = kFirstYear;
        setEltDate(m_yearControl, &year);
        return true;
    }
    Refuse(kAnneeIncorrecte, m_yearControl);
    return false;
}

bool TDateController::getEltDate(TObject* control, long* value, long max)
{
    if (!control)
        return true;
    if (!value)
        return false;
    *value = 0;
    const TControl* field = dateField(control);
    const std::string text = field ? field->GetText() : std::string();
    const std::string::size_type start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return true;
    // strtol reads what atol would, but saturates instead of overflowing; only the leading
    // number counts, however long the text.
    const long n = std::strtol(text.c_str() + start, nullptr, 10);
    if (n < 1 || n > max)
        return false;
    *value = n;
    return true;
}

void TDateController::setEltDate(TObject* control, long* value)
{
    if (!control || !value)
        return;
    if (TControl* field = dateField(control))
        field->SetText(std::to_string(*value));
}

bool TDateController::verifDate(long day, long month, long year)
{
    const bool leap = year % 4 == 0;
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return day <= 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return day <= 30;
    case 2:
        return day <= (leap ? 29 : 28);
    default:
        return false;
    }
}

void TDateController::Refuse(const char* message, TComponent* faulty) const
{
    MessageBoxA(m_owner, message, kTitle, MB_OK | MB_ICONINFORMATION);
    if (auto* windowed = dynamic_cast<TWinControl*>(faulty))
        windowed->SetFocus();
}
