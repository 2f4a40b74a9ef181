#include "TcxEditDate.h"

#include "Cp1252.h"

TcxEditDate::TcxEditDate(TComponent* owner) : TcxStaticOrEdit(owner)
{
    SetMaskTemplate(QStringLiteral("##/##/####"));
}

TcxEditDate::~TcxEditDate() = default;

void TcxEditDate::SetCalculateValue(const std::string& value)
{
    SetCalculateText(Cp1252::toQString(value));
}

QString TcxEditDate::InitialEditText() const
{
    return FitsMask(CalculateText()) ? CalculateText() : QString();
}
