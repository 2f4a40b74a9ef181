#pragma once

// What every label of the toolkit shares: a caption in Windows-1252 where '&' marks the
// keyboard mnemonic ("&&" shows one '&'), an optional control that the mnemonic focuses,
// and automatic sizing to the caption.

#include "TControl.h"

#include <QLabel>
#include <QString>

class TWinControl;

class TCustomLabel : public QLabel, public TControl
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

    // The caption as Qt's mnemonic syntax wants it: a lone '&' (not before a letter, a digit
    // or another '&') is kept as a visible '&' instead of vanishing.
    static QString ToQtMnemonic(const QString& caption);
    // The caption as read on screen, without mnemonic marks.
    static QString WithoutMnemonic(const QString& caption);

protected:
    // Shows `caption` (a Qt string, so that derived labels can feed it directly).
    void ShowCaption(const QString& caption);
    const QString& Caption() const { return m_caption; }
    bool FillsBackground() const override { return true; }

private:
    void Refresh();

    QString m_caption;
    bool m_autoSize = true;
};
