#include "TcxCheckBox.h"

#include "Cp1252.h"
#include "Mnemonic.h"

TcxCheckBox::TcxCheckBox(TComponent* owner) : QCheckBox(OwnerWidget(owner)), TWinControl(clBtnFace)
{
    // clicked comes from the user (mouse, space bar, mnemonic), never from setChecked.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (OnChange)
            OnChange(this);
    });
}

TcxCheckBox::~TcxCheckBox() = default;

std::string TcxCheckBox::GetText() const
{
    return Cp1252::fromQString(m_caption);
}

void TcxCheckBox::SetText(const std::string& text)
{
    m_caption = Cp1252::toQString(text);
    setText(Mnemonic::ToQt(m_caption));
}
