#include "TCustomMemo.h"

#include "Cp1252.h"
#include "TextValidator.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QTextDocument>

#include <memory>

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
    if (text == m_givenShown)
        return m_given;
    text.replace(QChar::ParagraphSeparator, m_lineBreak);
    text.replace(QChar::LineSeparator, m_lineBreak);
    return Cp1252::fromQString(text);
}

void TCustomMemo::SetText(const std::string& text)
{
    QString value = Cp1252::toQString(text);
    const qsizetype breakAt = value.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (breakAt < 0)
        m_lineBreak = QStringLiteral("\r\n");
    else if (value.at(breakAt) == u'\n')
        m_lineBreak = QStringLiteral("\n");
    else if (breakAt + 1 < value.size() && value.at(breakAt + 1) == u'\n')
        m_lineBreak = QStringLiteral("\r\n");
    else
        m_lineBreak = QStringLiteral("\r");
    value.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    value.replace(u'\r', u'\n');
    {
        const QScopedValueRollback<bool> setting(m_settingText, true);
        setPlainText(value);
    }
    m_given = text;
    m_givenShown = document()->toRawText();
}

bool TCustomMemo::Accepts(const QString& text)
{
    QString kept = text;
    const QString refused = Cp1252::takeUnencodable(kept);
    if (refused.isEmpty())
        return true;
    TextValidator::ShowRefused(this, cursorRect().bottomLeft(), refused);
    return false;
}

void TCustomMemo::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly() && !event->text().isEmpty() && !Accepts(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TCustomMemo::inputMethodEvent(QInputMethodEvent* event)
{
    if (!isReadOnly() && !event->commitString().isEmpty() && !Accepts(event->commitString())) {
        QInputMethodEvent refused(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&refused);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TCustomMemo::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // What can be stored of a pasted text goes in; the user is told what could not.
    QString text = source->text();
    if (Accepts(text)) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    Cp1252::takeUnencodable(text);
    const auto kept = std::make_unique<QMimeData>();
    kept->setText(text);
    QPlainTextEdit::insertFromMimeData(kept.get());
}
