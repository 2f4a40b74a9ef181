#pragma once

// What the multi-line edits share. Text is Windows-1252 with its line breaks: a memo answers
// its lines joined by the break of the last text it was given ("\r\n", "\n" or "\r"; "\r\n"
// until then), so that a value shown and stored again comes back unchanged. Tab moves the
// focus, as in any form. OnChange tells when the user changes the text.
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

private:
    QString m_lineBreak = QStringLiteral("\r\n");
    bool m_settingText = false;
};
