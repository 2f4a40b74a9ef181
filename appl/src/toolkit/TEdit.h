#pragma once

// The single-line edit. Its text is Windows-1252: the user cannot enter a character it does not
// hold (TextValidator). OnChange tells when the user changes it (not when the program does, so
// that showing data never looks like an entry).
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QLineEdit>

class TextValidator;

class WIZARD_TOOLKIT_EXPORT TEdit : public QLineEdit, public TWinControl
{
    Q_OBJECT

public:
    explicit TEdit(TComponent* owner = nullptr);
    ~TEdit() override;

    std::string GetText() const override;
    void SetText(const std::string& text) override;

    // What the user may type or paste at most; 0: no limit. A longer text set by the program
    // shows whole.
    int GetMaxLength() const { return m_maxLength; }
    void SetMaxLength(int maxLength);
    bool GetReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

    TNotifyEvent OnChange;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    bool FillsBackground() const override { return false; }

private:
    int m_maxLength = 0;
    bool m_settingText = false;
    TextValidator* m_validator; // owned by this edit
};
