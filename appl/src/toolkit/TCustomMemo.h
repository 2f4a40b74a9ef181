#pragma once

// What the multi-line edits share. Text is Windows-1252 with its line breaks: a memo the user
// has not changed answers the very text it was given, line breaks included, even mixed
// ("a\r\nb\nc"); once changed, its lines are joined by the first break of that text ("\r\n",
// "\n" or "\r"; "\r\n" when it had none). The user cannot enter a character Windows-1252
// does not hold: it is refused with a tool tip. Tab moves the focus, as in any form; Return
// makes a new line. OnChange tells when the user changes the text.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QPlainTextEdit>
#include <QString>

class WIZARD_TOOLKIT_EXPORT TCustomMemo : public QPlainTextEdit, public TWinControl
{
    Q_OBJECT

public:
    explicit TCustomMemo(TComponent* owner = nullptr);
    ~TCustomMemo() override;

    std::string GetText() const override;
    void SetText(const std::string& text) override;

    bool GetReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

    TNotifyEvent OnChange;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    bool FillsBackground() const override { return false; }

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Whether `text` may be entered; if not, the user is told why.
    bool Accepts(const QString& text);

    QString m_lineBreak = QStringLiteral("\r\n");
    bool m_settingText = false;
    std::string m_given;  // the text last given, as given
    QString m_givenShown; // the document's raw text right after it was given
};
