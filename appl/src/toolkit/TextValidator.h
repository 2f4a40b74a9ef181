#pragma once

// What a single-line text field takes from the user: only characters Windows-1252 holds (the
// letters store nothing else), the others refused with a tool tip saying so rather than stored
// as '?'; and, with a maximum length, no typing or pasting beyond it (refused, never cut). A text
// the program sets is never cut: a value longer than the maximum shows whole, the user may
// shorten it, and undoing brings it back whole.

#include "wizard_toolkit_export.h"

#include <QPointer>
#include <QStringList>
#include <QValidator>

#include <functional>

class QLineEdit;
class QWidget;

class WIZARD_TOOLKIT_EXPORT TextValidator : public QValidator
{
    Q_OBJECT

public:
    // Validates `edit`'s input; owned by `edit`. `settingText` tells whether the program is
    // setting the text (it reaches the edit through a guarded pointer, not a reference).
    TextValidator(QLineEdit* edit, std::function<bool()> settingText);
    ~TextValidator() override;

    // 0: no limit.
    void SetMaxLength(int maxLength) { m_maxLength = maxLength < 0 ? 0 : maxLength; }

    State validate(QString& input, int& pos) const override;

    // Tells the user, at `widget`'s text cursor `cursor`, that `refused` cannot be entered.
    static void ShowRefused(QWidget* widget, const QPoint& cursor, const QString& refused);

private:
    QPointer<QLineEdit> m_edit;
    std::function<bool()> m_settingText;
    int m_maxLength = 0;
    QString m_accepted; // the text before the edit being validated
    // The program's last text and the texts beyond the maximum shown since (undo may bring them
    // back).
    QStringList m_longShown;
};
