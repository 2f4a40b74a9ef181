#pragma once

// The radio button. Buttons of one parent exclude each other when the user picks one; the
// program may still uncheck any of them (Qt alone refuses to uncheck the checked one).
// OnChange tells when the user picks it.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QRadioButton>
#include <QString>

class WIZARD_TOOLKIT_EXPORT TcxRadioButton : public QRadioButton, public TWinControl
{
    Q_OBJECT

public:
    explicit TcxRadioButton(TComponent* owner = nullptr);
    ~TcxRadioButton() override;

    std::string GetText() const override;
    void SetText(const std::string& text) override;

    bool GetChecked() const { return isChecked(); }
    void SetChecked(bool checked);

    TNotifyEvent OnChange;

private:
    QString m_caption;
};
