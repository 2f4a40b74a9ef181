#pragma once

// The desktop and the system metrics, re-expressed on Qt: the desktop is the primary screen,
// and the metrics come from the application's style, so that sizes computed from them match
// what the widgets really draw.

#include "wizard_toolkit_export.h"

#include "TRect.h"
#include "WinTypes.h"

// The desktop window. It is a handle, not a widget: only the calls of this toolkit that take a
// window (GetWindowRect, PostMessageA) may be given it; it must never be dereferenced.
WIZARD_TOOLKIT_EXPORT HWND GetDesktopWindow();

// The window's rectangle in screen coordinates, frame included for a top-level window; for the
// desktop, the primary screen's geometry (or the overriding size). False, leaving `rect`
// untouched, for a null window or a null rect.
WIZARD_TOOLKIT_EXPORT bool GetWindowRect(HWND window, RECT* rect);

// Lets tests and demonstrations lay the wizard out for a given desktop: while set, the desktop
// reads as width x height at (0, 0), for GetWindowRect and the screen metrics. A width or height
// of 0 or less goes back to the real screen.
WIZARD_TOOLKIT_EXPORT void SetDesktopSizeOverride(int width, int height);

// Indices of GetSystemMetrics (the values of the Windows constants).
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CXFIXEDFRAME = SM_CXDLGFRAME;
inline constexpr int SM_CYFIXEDFRAME = SM_CYDLGFRAME;
inline constexpr int SM_CYVTHUMB = 9;
inline constexpr int SM_CXHTHUMB = 10;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXFULLSCREEN = 16;
inline constexpr int SM_CYFULLSCREEN = 17;
inline constexpr int SM_MOUSEPRESENT = 19;
inline constexpr int SM_CYVSCROLL = 20;
inline constexpr int SM_CXHSCROLL = 21;
inline constexpr int SM_SWAPBUTTON = 23;
inline constexpr int SM_CXSIZE = 30;
inline constexpr int SM_CYSIZE = 31;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXSIZEFRAME = SM_CXFRAME;
inline constexpr int SM_CYSIZEFRAME = SM_CYFRAME;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
inline constexpr int SM_CYSMCAPTION = 51;
inline constexpr int SM_CXMAXIMIZED = 61;
inline constexpr int SM_CYMAXIMIZED = 62;
inline constexpr int SM_CXVIRTUALSCREEN = 78;
inline constexpr int SM_CYVIRTUALSCREEN = 79;
inline constexpr int SM_CMONITORS = 80;

// The metric in pixels (or the count or flag it stands for); 0 for an index not listed above
// or when no QApplication exists, as Windows answers for an unknown index.
WIZARD_TOOLKIT_EXPORT int GetSystemMetrics(int index);
