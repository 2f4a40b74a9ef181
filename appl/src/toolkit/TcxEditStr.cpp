#include "TcxEditStr.h"

#include "Cp1252.h"

TcxEditStr::TcxEditStr(TComponent* owner) : TcxStaticOrEdit(owner) {}

TcxEditStr::~TcxEditStr() = default;

void TcxEditStr::SetCalculateValue(const std::string& value)
{
    SetCalculateText(Cp1252::toQString(value));
}
