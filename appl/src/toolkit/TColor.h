#pragma once

// A colour as the framework stores it: 0x00BBGGRR for an explicit colour, or a system colour
// (0x80000000 | index) resolved against the widget palette when it is applied.

#include "wizard_toolkit_export.h"

#include <QPalette>

class QColor;

using TColor = int;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// "No colour" (transparent) and "the control's default colour".
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// System colours (Windows COLOR_* indices).
inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;
inline constexpr TColor clHotLight = clSystemColor | 26;

inline constexpr bool IsSystemColor(TColor color)
{
    return (static_cast<unsigned>(color) & 0xFF000000u) == 0x80000000u;
}

// Where a system colour lives in a Qt palette.
// A value.
struct WIZARD_TOOLKIT_EXPORT TSystemColorRole
{
    QPalette::ColorGroup group = QPalette::Active;
    QPalette::ColorRole role = QPalette::Window;
};

// The palette entry of a system colour; false for an explicit colour or an unknown index.
WIZARD_TOOLKIT_EXPORT bool SystemColorRole(TColor color, TSystemColorRole& where);

// The colour to paint: explicit colours are decoded from 0x00BBGGRR, system colours looked up
// in `palette` (the application's palette by default). clNone gives a transparent colour,
// clDefault and unknown system indices the palette's window colour.
WIZARD_TOOLKIT_EXPORT QColor TColorToQColor(TColor color);
WIZARD_TOOLKIT_EXPORT QColor TColorToQColor(TColor color, const QPalette& palette);

// The explicit TColor of a Qt colour (alpha is dropped).
WIZARD_TOOLKIT_EXPORT TColor QColorToTColor(const QColor& color);
