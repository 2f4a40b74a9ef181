#include "TPanel.h"

#include "Cp1252.h"

#include <QPainter>

TPanel::TPanel(TComponent* owner) : QFrame(OwnerWidget(owner)), TWinControl(clBtnFace)
{
    setAutoFillBackground(true);
    SetBevelOuter(bvRaised);
}

TPanel::~TPanel() = default;

std::string TPanel::GetText() const
{
    return Cp1252::fromQString(m_caption);
}

void TPanel::SetText(const std::string& text)
{
    const QString caption = Cp1252::toQString(text);
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TPanel::SetBevelOuter(TBevelCut bevel)
{
    m_bevelOuter = bevel;
    switch (bevel) {
    case bvNone:
    case bvSpace:
        setFrameStyle(QFrame::NoFrame);
        break;
    case bvLowered:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case bvRaised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}
