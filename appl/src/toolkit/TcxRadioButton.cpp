#include "TcxRadioButton.h"

#include "Cp1252.h"
#include "Mnemonic.h"

TcxRadioButton::TcxRadioButton(TComponent* owner)
    : QRadioButton(OwnerWidget(owner)), TWinControl(clBtnFace)
{
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (OnChange)
            OnChange(this);
    });
}

TcxRadioButton::~TcxRadioButton() = default;

std::string TcxRadioButton::GetText() const
{
    return Cp1252::fromQString(m_caption);
}

void TcxRadioButton::SetText(const std::string& text)
{
    m_caption = Cp1252::toQString(text);
    setText(Mnemonic::ToQt(m_caption));
}

void TcxRadioButton::SetChecked(bool checked)
{
    if (checked || !isChecked()) {
        setChecked(checked);
        return;
    }
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}
