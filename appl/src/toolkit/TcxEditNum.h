#pragma once

// An amount, read and written by AmountText: a decimal comma and thousands separated by spaces
// ("1 234,5"), at most DecimalPlaces decimals, trailing zeros dropped. Typing takes a comma or a
// point as the decimal separator (a point becomes a comma); a field without decimals takes the
// separator but no digit after it, so that "1234,56" never becomes 123456. A pasted or dropped
// amount is read as a French reader reads it ("1 234,56 EUR", "1234.56", "1.234,56") and
// rounded to the field's decimals. The typed text is tidied when the user leaves the field.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TcxStaticOrEdit.h"

class WIZARD_TOOLKIT_EXPORT TcxEditNum : public TcxStaticOrEdit
{
    Q_OBJECT

public:
    explicit TcxEditNum(TComponent* owner = nullptr);
    ~TcxEditNum() override;

    // The amount entered: 0 for a blank field. A value given with SetValue comes back exactly
    // as long as the user has not changed the text, even beyond the decimals shown, and even
    // when it is not finite (shown blank).
    double GetValue() const;
    void SetValue(long double value);

    // The result shown while the field is not activated.
    void SetCalculateValue(double value);
    double GetCalculateValue() const { return m_calculateValue; }

    int GetDecimalPlaces() const { return m_decimalPlaces; }
    // 0 to 6; the text is shown again with the new count.
    void SetDecimalPlaces(int decimalPlaces);

    // Integer digits an entry may hold (beyond, a double no longer keeps every unit).
    static constexpr int kMaxIntegerDigits = 15;

protected:
    QString InitialEditText() const override;
    void AfterUserEdit() override;

private:
    class Validator;

    void Tidy();

    int m_decimalPlaces = 2;
    double m_calculateValue = 0.0;
    bool m_hasExactValue = false;
    double m_exactValue = 0.0;
    QString m_exactText;
    QString m_acceptedText; // the text before the edit being validated
};
