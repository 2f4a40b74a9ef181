#pragma once

// A panel: a framed container that hosts other controls (the wizard's views are embedded in
// panels) and shows its caption centred behind them.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QFrame>
#include <QString>

enum TBevelCut
{
    bvNone,
    bvLowered,
    bvRaised,
    bvSpace
};

class WIZARD_TOOLKIT_EXPORT TPanel : public QFrame, public TWinControl
{
    Q_OBJECT

public:
    explicit TPanel(TComponent* owner = nullptr);
    ~TPanel() override;

    std::string GetText() const override;
    void SetText(const std::string& text) override;

    TBevelCut GetBevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut bevel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    TBevelCut m_bevelOuter = bvRaised;
};
