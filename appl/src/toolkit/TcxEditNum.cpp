#include "TcxEditNum.h"

#include <QValidator>

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool IsSpace(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Digits, blanks, one decimal separator (',' or '.'), a leading minus.
class AmountValidator : public QValidator
{
public:
    AmountValidator(const int& decimalPlaces, QObject* parent)
        : QValidator(parent), m_decimalPlaces(decimalPlaces)
    {}

    State validate(QString& input, int&) const override
    {
        int integerDigits = 0;
        int decimals = 0;
        bool separator = false;
        bool digits = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (c == u'-' && i == 0)
                continue;
            if (IsSpace(c)) {
                if (separator)
                    return Invalid;
                continue;
            }
            if (c == u',' || c == u'.') {
                if (separator || m_decimalPlaces == 0)
                    return Invalid;
                separator = true;
                continue;
            }
            if (c < u'0' || c > u'9')
                return Invalid;
            digits = true;
            if (separator && ++decimals > m_decimalPlaces)
                return Invalid;
            if (!separator && ++integerDigits > TcxEditNum::kMaxIntegerDigits)
                return Invalid;
        }
        return digits || input.isEmpty() ? Acceptable : Intermediate;
    }

private:
    const int& m_decimalPlaces;
};

} // namespace

TcxEditNum::TcxEditNum(TComponent* owner) : TcxStaticOrEdit(owner)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new AmountValidator(m_decimalPlaces, this));
    connect(this, &QLineEdit::editingFinished, this, &TcxEditNum::Tidy);
}

TcxEditNum::~TcxEditNum() = default;

QString TcxEditNum::FormatAmount(long double value, int decimalPlaces)
{
    const double amount = static_cast<double>(value);
    if (!std::isfinite(amount))
        return {};
    // Enough for the widest double written in fixed notation (309 digits).
    char buffer[400];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, amount,
                                                      std::chars_format::fixed, decimalPlaces);
    if (result.ec != std::errc())
        return {};
    std::string text(buffer, result.ptr);

    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.erase(0, 1);
    }
    std::string integerPart = text;
    std::string decimalPart;
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        integerPart = text.substr(0, point);
        decimalPart = text.substr(point + 1);
        while (!decimalPart.empty() && decimalPart.back() == '0')
            decimalPart.pop_back();
    }
    if (decimalPart.empty() && integerPart.find_first_not_of('0') == std::string::npos)
        negative = false; // no "-0"

    QString shown;
    if (negative)
        shown += u'-';
    const std::size_t length = integerPart.size();
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            shown += u' ';
        shown += QChar(integerPart[i]);
    }
    if (!decimalPart.empty()) {
        shown += u',';
        shown +=
            QString::fromLatin1(decimalPart.data(), static_cast<qsizetype>(decimalPart.size()));
    }
    return shown;
}

bool TcxEditNum::ParseAmount(const QString& text, double& value)
{
    value = 0.0;
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    bool separator = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (IsSpace(c) && !separator)
            continue; // thousands
        if (c == u'-' || c == u'+') {
            if (!ascii.empty())
                break;
            if (c == u'-')
                ascii += '-';
            continue;
        }
        if ((c == u',' || c == u'.') && !separator) {
            separator = true;
            ascii += '.';
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        ascii += static_cast<char>(c.unicode());
    }
    double parsed = 0.0;
    const char* first = ascii.data();
    const char* last = ascii.data() + ascii.size();
    // from_chars reads "5." and ".5" but not a lone sign or separator.
    const std::from_chars_result result = std::from_chars(first, last, parsed);
    if (result.ec == std::errc::result_out_of_range)
        return false;
    if (result.ec != std::errc() || result.ptr == first)
        return false;
    value = parsed;
    return true;
}

double TcxEditNum::GetValue() const
{
    const QString text = EditText();
    if (m_hasExactValue && text == m_exactText)
        return m_exactValue;
    double value = 0.0;
    ParseAmount(text, value);
    return value;
}

void TcxEditNum::SetValue(long double value)
{
    const QString text = FormatAmount(value, m_decimalPlaces);
    SetEditText(text);
    m_hasExactValue = !text.isEmpty();
    m_exactValue = static_cast<double>(value);
    m_exactText = text;
}

void TcxEditNum::SetCalculateValue(double value)
{
    m_calculateValue = value;
    SetCalculateText(FormatAmount(value, m_decimalPlaces));
}

void TcxEditNum::SetDecimalPlaces(int decimalPlaces)
{
    decimalPlaces = decimalPlaces < 0 ? 0 : (decimalPlaces > 6 ? 6 : decimalPlaces);
    if (decimalPlaces == m_decimalPlaces)
        return;
    const bool exact = m_hasExactValue && EditText() == m_exactText;
    const double value = GetValue();
    const bool blank = EditText().isEmpty();
    m_decimalPlaces = decimalPlaces;
    SetCalculateValue(m_calculateValue);
    if (exact)
        SetValue(value);
    else if (!blank)
        SetEditText(FormatAmount(value, m_decimalPlaces));
}

QString TcxEditNum::InitialEditText() const
{
    return FormatAmount(m_calculateValue, m_decimalPlaces);
}

void TcxEditNum::AfterUserEdit()
{
    // A French keypad types a point: it shows as the decimal comma at once.
    const QString current = text();
    if (!current.contains(u'.'))
        return;
    const int cursor = cursorPosition();
    QString withComma = current;
    withComma.replace(u'.', u',');
    setText(withComma);
    setCursorPosition(cursor);
}

void TcxEditNum::Tidy()
{
    if (!GetActivated())
        return;
    const QString current = text();
    double value = 0.0;
    if (current.isEmpty() || !ParseAmount(current, value))
        return;
    if (m_hasExactValue && current == m_exactText)
        return;
    const QString tidy = FormatAmount(value, m_decimalPlaces);
    if (tidy != current)
        setText(tidy);
}
