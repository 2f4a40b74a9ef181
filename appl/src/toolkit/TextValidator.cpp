#include "TextValidator.h"

#include "Cp1252.h"

#include <QLineEdit>
#include <QToolTip>

#include <algorithm>

TextValidator::TextValidator(QLineEdit* edit, std::function<bool()> settingText)
    : QValidator(edit), m_edit(edit), m_settingText(std::move(settingText))
{
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_accepted = text;
        const bool program = m_settingText();
        if (program)
            m_longShown.clear();
        if ((program || (m_maxLength > 0 && text.size() > m_maxLength)) &&
            !m_longShown.contains(text))
            m_longShown.append(text);
    });
}

TextValidator::~TextValidator() = default;

QValidator::State TextValidator::validate(QString& input, int& pos) const
{
    if (m_settingText())
        return Acceptable;
    const qsizetype before = input.size();
    const QString refused = Cp1252::takeUnencodable(input);
    if (!refused.isEmpty()) {
        // The refused characters were inserted at the cursor: it moves back by as many.
        pos = static_cast<int>(std::max<qsizetype>(0, pos - (before - input.size())));
        if (m_edit)
            ShowRefused(m_edit,
                        m_edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft(),
                        refused);
    }
    // Typing may not go beyond the maximum, but a longer value shown whole may be shortened, and
    // come back whole by undo.
    const qsizetype limit = std::max<qsizetype>(m_maxLength, m_accepted.size());
    if (m_maxLength > 0 && input.size() > limit && !m_longShown.contains(input))
        return Invalid;
    return Acceptable;
}

void TextValidator::ShowRefused(QWidget* widget, const QPoint& cursor, const QString& refused)
{
    QString list;
    int count = 0;
    for (char32_t codePoint : refused.toUcs4()) {
        if (count++ > 0)
            list += QStringLiteral(", ");
        list += QString::fromUcs4(&codePoint, 1);
    }
    const QString message = Cp1252::toQString(count > 1 ? "Caract\xE8res non autoris\xE9s : "
                                                        : "Caract\xE8re non autoris\xE9 : ") +
                            list;
    QToolTip::showText(widget->mapToGlobal(cursor), message, widget);
}
