#pragma once

// An amount. It shows a decimal comma and thousands separated by spaces ("1 234,5"), takes a
// comma or a point as the decimal separator when typed (a point becomes a comma), and shows at
// most DecimalPlaces decimals, trailing zeros dropped. The typed text is tidied when the user
// leaves the field. Conversions never depend on the process locale.
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
    // as long as the user has not changed the text, even beyond the decimals shown.
    double GetValue() const;
    void SetValue(long double value);

    // The result shown while the field is not activated.
    void SetCalculateValue(double value);
    double GetCalculateValue() const { return m_calculateValue; }

    int GetDecimalPlaces() const { return m_decimalPlaces; }
    // 0 to 6; the text is shown again with the new count.
    void SetDecimalPlaces(int decimalPlaces);

    // The text of an amount: "-1 234 567,89"; empty for a value that is not finite.
    static QString FormatAmount(long double value, int decimalPlaces);
    // The amount a text stands for, read as far as it makes a number ("12,5 €" gives 12.5);
    // false, with 0, when nothing of it does.
    static bool ParseAmount(const QString& text, double& value);

    // Integer digits an entry may hold (beyond, a double no longer keeps every unit).
    static constexpr int kMaxIntegerDigits = 15;

protected:
    QString InitialEditText() const override;
    void AfterUserEdit() override;

private:
    void Tidy();

    int m_decimalPlaces = 2;
    double m_calculateValue = 0.0;
    bool m_hasExactValue = false;
    double m_exactValue = 0.0;
    QString m_exactText;
};
