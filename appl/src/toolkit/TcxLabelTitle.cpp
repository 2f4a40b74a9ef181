#include "TcxLabelTitle.h"

#include <QFont>

TcxLabelTitle::TcxLabelTitle(TComponent* owner) : TCustomLabel(owner)
{
    QFont titleFont = font();
    titleFont.setBold(true);
    if (titleFont.pointSizeF() > 0)
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    else if (titleFont.pixelSize() > 0)
        titleFont.setPixelSize(titleFont.pixelSize() * 6 / 5);
    setFont(titleFont);
}

TcxLabelTitle::~TcxLabelTitle() = default;
