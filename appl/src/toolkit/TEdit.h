#pragma once

// The single-line edit. Its text is Windows-1252; OnChange tells when the user changes it
// (not when the program does, so that showing data never looks like an entry).
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QLineEdit>

class WIZARD_TOOLKIT_EXPORT TEdit : public QLineEdit, public TWinControl
{
    Q_OBJECT

public:
    explicit TEdit(TComponent* owner = nullptr);
    ~TEdit() override;

    std::string GetText() const override;
    void SetText(const std::string& text) override;

    // 0: no limit (the default: a shown value is never cut).
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
};
