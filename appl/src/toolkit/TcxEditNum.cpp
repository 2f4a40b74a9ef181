#include "TcxEditNum.h"

#include "AmountText.h"

#include <QPointer>
#include <QValidator>

namespace {

bool IsSpace(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

} // namespace

// Typing: digits, blanks, one decimal separator (',' or '.'), a leading minus; no more digits
// than the field keeps. Several characters at once (a paste, a drop) may be any amount a French
// reader reads: they become the field's own writing of it.
class TcxEditNum::Validator : public QValidator
{
public:
    // Validates `edit`'s input; owned by `edit`.
    explicit Validator(TcxEditNum* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& input, int& pos) const override
    {
        if (!m_edit)
            return Invalid;
        const State typed = Typed(input);
        if (m_edit->SettingText())
            return typed == Invalid ? Intermediate : typed; // the program's text stays whole
        if (typed != Invalid ||
            (!m_edit->Pasting() && input.size() - m_edit->m_acceptedText.size() <= 1))
            return typed;
        double value = 0.0;
        if (!AmountText::Parse(input, value))
            return Invalid;
        QString tidy = AmountText::Format(value, m_edit->m_decimalPlaces);
        if (Typed(tidy) != Acceptable)
            return Invalid; // beyond what the field keeps
        input = tidy;
        pos = static_cast<int>(input.size());
        return Acceptable;
    }

private:
    State Typed(const QString& input) const
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
                if (separator)
                    return Invalid;
                separator = true;
                continue;
            }
            if (c < u'0' || c > u'9')
                return Invalid;
            digits = true;
            // Without decimals, a digit after the separator is refused rather than run on.
            if (separator && ++decimals > m_edit->m_decimalPlaces)
                return Invalid;
            if (!separator && ++integerDigits > TcxEditNum::kMaxIntegerDigits)
                return Invalid;
        }
        return digits || input.isEmpty() ? Acceptable : Intermediate;
    }

    QPointer<TcxEditNum> m_edit;
};

TcxEditNum::TcxEditNum(TComponent* owner) : TcxStaticOrEdit(owner)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The base's text validator gives way to this one.
    const QValidator* replaced = validator();
    setValidator(new Validator(this));
    delete replaced;
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_acceptedText = text; });
    connect(this, &QLineEdit::editingFinished, this, &TcxEditNum::Tidy);
}

TcxEditNum::~TcxEditNum() = default;

double TcxEditNum::GetValue() const
{
    const QString text = EditText();
    if (m_hasExactValue && text == m_exactText)
        return m_exactValue;
    double value = 0.0;
    AmountText::Parse(text, value);
    return value;
}

void TcxEditNum::SetValue(long double value)
{
    const QString text = AmountText::Format(static_cast<double>(value), m_decimalPlaces);
    SetEditText(text);
    // Even a value that is not finite, shown blank, comes back as it was.
    m_hasExactValue = true;
    m_exactValue = static_cast<double>(value);
    m_exactText = text;
}

void TcxEditNum::SetCalculateValue(double value)
{
    m_calculateValue = value;
    SetCalculateText(AmountText::Format(value, m_decimalPlaces));
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
        SetEditText(AmountText::Format(value, m_decimalPlaces));
}

QString TcxEditNum::InitialEditText() const
{
    return AmountText::Format(m_calculateValue, m_decimalPlaces);
}

void TcxEditNum::AfterUserEdit()
{
    // The user's text is the value now, even once it reads as the program's again.
    m_hasExactValue = false;
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
    if (current.isEmpty() || !AmountText::Parse(current, value))
        return;
    if (m_hasExactValue && current == m_exactText)
        return;
    const QString tidy = AmountText::Format(value, m_decimalPlaces);
    if (tidy != current)
        setText(tidy);
}
