#pragma once

// Checks a date typed in three fields (day, month, year): each part in its range, the year at
// most one above the tax year, the day within its month. A two- or three-digit year is
// completed in the field. A refused date is explained in a message box (owned by the owner
// window) and the focus goes back to the faulty field.
//
// Fields may be TEdit, TLabel or a static-or-edit field (TcxEditStr and its family); a widget
// of any other class reads as empty and is never written. No widget is owned.

#include "wizard_framework_export.h"

#include "controls/TControlController.h"

#include "WinTypes.h"

class TComponent;
class TObject;

class WIZARD_FRAMEWORK_EXPORT TDateController : public TControlController
{
public:
    TDateController(HWND owner, TComponent* day, TComponent* month, TComponent* year,
                    short anneeFiscale);
    TDateController(const TDateController& other);
    TDateController& operator=(const TDateController& other);
    ~TDateController() override;

    bool operator==(const TDateController& other) const;

    TComponent* get_dayControl() const { return m_dayControl; }
    void set_dayControl(TComponent* control) { m_dayControl = control; }
    TComponent* get_monthControl() const { return m_monthControl; }
    void set_monthControl(TComponent* control) { m_monthControl = control; }
    TComponent* get_yearControl() const { return m_yearControl; }
    void set_yearControl(TComponent* control) { m_yearControl = control; }
    short get_anneeFiscaleControl() const { return m_anneeFiscale; }
    void set_anneeFiscaleControl(short anneeFiscale) { m_anneeFiscale = anneeFiscale; }

    // True when `component` is the day, the month or the year field.
    bool isContain(TComponent* component) override;

    // Checks the date. Answers true only when it completed the year field; false otherwise,
    // whether the date is valid, incomplete or refused (a refusal shows its message and
    // moves the focus).
    bool Control() override;

    // Reads one part into `value`: 0 for an empty (or all-blank) field, else the leading
    // number, which must lie in 1..max (false otherwise, `value` then 0). A null control
    // answers true and leaves `value` alone; a null `value` answers false.
    static bool getEltDate(TObject* control, long* value, long max);
    // Writes one part in decimal. A null control or value writes nothing.
    static void setEltDate(TObject* control, long* value);
    // The calendar check of day and month (every year divisible by 4 is a leap year). The
    // day's lower bound is not tested: reading already demands at least 1.
    static bool verifDate(long day, long month, long year);

private:
    void Refuse(const char* message, TComponent* faulty) const;

    HWND m_owner;               // owner of the message boxes
    TComponent* m_dayControl;   // not owned
    TComponent* m_monthControl; // not owned
    TComponent* m_yearControl;  // not owned
    short m_anneeFiscale;
};
