#include "TCustomLabel.h"

#include "Cp1252.h"
#include "Mnemonic.h"
#include "TWinControl.h"

TCustomLabel::TCustomLabel(TComponent* owner) : QLabel(OwnerWidget(owner)), TControl(clBtnFace)
{
    setTextFormat(Qt::PlainText);
}

TCustomLabel::~TCustomLabel() = default;

std::string TCustomLabel::GetText() const
{
    return Cp1252::fromQString(m_caption);
}

void TCustomLabel::SetText(const std::string& text)
{
    ShowCaption(Cp1252::toQString(text));
}

void TCustomLabel::ShowCaption(const QString& caption)
{
    m_caption = caption;
    Refresh();
}

TWinControl* TCustomLabel::GetFocusControl() const
{
    return dynamic_cast<TWinControl*>(buddy());
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    setBuddy(control ? control->AsWidget() : nullptr);
    Refresh();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize)
        adjustSize();
}

void TCustomLabel::Refresh()
{
    // Qt underlines the mnemonic only for a label that has a buddy; without one it would draw
    // the '&' itself, so the marks are taken out.
    setText(buddy() ? Mnemonic::ToQt(m_caption) : Mnemonic::Strip(m_caption));
    if (m_autoSize)
        adjustSize();
}
