#include "TCustomMemo.h"

#include "Cp1252.h"

#include <QTextDocument>

TCustomMemo::TCustomMemo(TComponent* owner)
    : QPlainTextEdit(OwnerWidget(owner)), TWinControl(clWindow)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText && OnChange)
            OnChange(this);
    });
}

TCustomMemo::~TCustomMemo() = default;

std::string TCustomMemo::GetText() const
{
    // The raw text keeps non-breaking spaces (toPlainText turns them into spaces); blocks are
    // separated by U+2029.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, m_lineBreak);
    text.replace(QChar::LineSeparator, m_lineBreak);
    return Cp1252::fromQString(text);
}

void TCustomMemo::SetText(const std::string& text)
{
    QString value = Cp1252::toQString(text);
    if (value.contains(QLatin1StringView("\r\n")))
        m_lineBreak = QStringLiteral("\r\n");
    else if (value.contains(u'\n'))
        m_lineBreak = QStringLiteral("\n");
    else if (value.contains(u'\r'))
        m_lineBreak = QStringLiteral("\r");
    value.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    value.replace(u'\r', u'\n');
    m_settingText = true;
    setPlainText(value);
    m_settingText = false;
}
