#include "TEdit.h"

#include "Cp1252.h"
#include "TextValidator.h"

#include <QPointer>
#include <QScopedValueRollback>

#include <limits>

TEdit::TEdit(TComponent* owner)
    : QLineEdit(OwnerWidget(owner)), TWinControl(clWindow),
      m_validator(new TextValidator(
          this, [edit = QPointer<TEdit>(this)] { return edit && edit->m_settingText; }))
{
    setValidator(m_validator);
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
    const QScopedValueRollback<bool> setting(m_settingText, true);
    setText(Cp1252::toQString(text));
}

void TEdit::SetMaxLength(int maxLength)
{
    m_maxLength = maxLength < 0 ? 0 : maxLength;
    m_validator->SetMaxLength(m_maxLength);
}
