#include "TEdit.h"

#include "Cp1252.h"

#include <limits>

TEdit::TEdit(TComponent* owner) : QLineEdit(OwnerWidget(owner)), TWinControl(clWindow)
{
    // Qt cuts texts at 32767 characters by default.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (OnChange)
            OnChange(this);
    });
}

TEdit::~TEdit() = default;

std::string TEdit::GetText() const
{
    return Cp1252::fromQString(text());
}

void TEdit::SetText(const std::string& text)
{
    setText(Cp1252::toQString(text));
}

void TEdit::SetMaxLength(int maxLength)
{
    m_maxLength = maxLength < 0 ? 0 : maxLength;
    setMaxLength(m_maxLength > 0 ? m_maxLength : std::numeric_limits<int>::max());
}
