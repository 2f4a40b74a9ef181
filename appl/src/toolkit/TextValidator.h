#pragma once

// What a single-line text field takes from the user: only characters Windows-1252 holds (the
// letters store nothing else), the others refused with a tool tip saying so rather than stored
// as '?'; and, with a maximum length, no typing or pasting beyond it. A text the program sets
// is never cut: a value longer than the maximum shows whole, and the user may shorten it.

#include "wizard_toolkit_export.h"

#include <QPointer>
#include <QValidator>

class QLineEdit;
class QWidget;

WIZARD_TOOLKIT_EXPORT class TextValidator : public QValidator
{
    Q_OBJECT

public:
    // Validates `edit`'s input; owned by `edit`. `settingText` is true while the program sets
    // the text.
    TextValidator(QLineEdit* edit, const bool& settingText);
    ~TextValidator() override;

    // 0: no limit.
    void SetMaxLength(int maxLength) { m_maxLength = maxLength < 0 ? 0 : maxLength; }

    State validate(QString& input, int& pos) const override;

    // Tells the user, at `widget`'s text cursor `cursor`, that `refused` cannot be entered.
    static void ShowRefused(QWidget* widget, const QPoint& cursor, const QString& refused);

private:
    QPointer<QLineEdit> m_edit;
    const bool& m_settingText;
    int m_maxLength = 0;
    QString m_accepted; // the text before the edit being validated
};
