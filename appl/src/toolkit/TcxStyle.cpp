#include "TcxStyle.h"

#include "Cp1252.h"

#include <QFont>

#include <algorithm>

TcxStyle::~TcxStyle() = default;

void TcxStyle::SetFontHeight(int height)
{
    if (height == 0)
        m_fontHeight.reset();
    else
        m_fontHeight = height;
}

void TcxStyle::Merge(const TcxStyle& over)
{
    if (&over == this)
        return;
    if (over.m_color)
        m_color = over.m_color;
    if (over.m_textColor)
        m_textColor = over.m_textColor;
    if (over.m_fontName)
        m_fontName = over.m_fontName;
    if (over.m_fontHeight)
        m_fontHeight = over.m_fontHeight;
    if (over.m_fontBold)
        m_fontBold = over.m_fontBold;
}

QFont TcxStyle::ApplyFont(const QFont& base) const
{
    QFont font(base);
    if (m_fontName && !m_fontName->empty())
        font.setFamily(Cp1252::toQString(*m_fontName));
    if (m_fontHeight) {
        // A cell height holds about a fifth of internal leading above the character.
        const int height = *m_fontHeight;
        font.setPixelSize(height < 0 ? -height : std::max(1, height * 4 / 5));
    }
    if (m_fontBold)
        font.setBold(*m_fontBold);
    return font;
}
