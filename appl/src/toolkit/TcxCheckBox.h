#pragma once

// The check box. Its caption is its Text ('&' marks the mnemonic, a lone '&' shows as is);
// OnChange tells when the user ticks or unticks it.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QCheckBox>
#include <QString>

class WIZARD_TOOLKIT_EXPORT TcxCheckBox : public QCheckBox, public TWinControl
{
    Q_OBJECT

public:
    explicit TcxCheckBox(TComponent* owner = nullptr);
    ~TcxCheckBox() override;

    // The caption exactly as given.
    std::string GetText() const override;
    void SetText(const std::string& text) override;

    bool GetChecked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }

    TNotifyEvent OnChange;

private:
    QString m_caption;
};
