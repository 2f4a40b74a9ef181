#pragma once

// What every label of the toolkit shares: a caption in Windows-1252 where '&' marks the
// keyboard mnemonic (see Mnemonic.h), an optional control that the mnemonic focuses, and
// automatic sizing to the caption.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TControl.h"

#include <QLabel>
#include <QString>

class TWinControl;

class WIZARD_TOOLKIT_EXPORT TCustomLabel : public QLabel, public TControl
{
    Q_OBJECT

public:
    explicit TCustomLabel(TComponent* owner = nullptr);
    ~TCustomLabel() override;

    // The caption exactly as given, '&' included.
    std::string GetText() const override;
    void SetText(const std::string& text) override;

    // The control that Alt + mnemonic focuses (null: none); not owned.
    TWinControl* GetFocusControl() const;
    void SetFocusControl(TWinControl* control);

    bool GetAutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

protected:
    // Shows `caption` (a Qt string, so that derived labels can feed it directly).
    void ShowCaption(const QString& caption);
    const QString& Caption() const { return m_caption; }
    bool FillsBackground() const override { return true; }
    // Puts the caption on screen again (after a change of caption or of focus control).
    virtual void Refresh();

private:
    QString m_caption;
    bool m_autoSize = true;
};
