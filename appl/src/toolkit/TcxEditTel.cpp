#include "TcxEditTel.h"

TcxEditTel::TcxEditTel(TComponent* owner) : TcxStaticOrEdit(owner)
{
    SetMaskTemplate(QStringLiteral("##.##.##.##.##"));
}

TcxEditTel::~TcxEditTel() = default;
