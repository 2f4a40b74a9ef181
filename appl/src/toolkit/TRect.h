#pragma once

// Rectangles in pixels: RECT as window calls fill it, TRect as the widget layer speaks of it.
// Right and Bottom lie one past the last pixel, so Width() = Right - Left.
// Both are values.

#include "wizard_toolkit_export.h"

// A rectangle as window calls fill it; a value.
struct WIZARD_TOOLKIT_EXPORT RECT
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const RECT&) const = default;
};

struct WIZARD_TOOLKIT_EXPORT TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    TRect() = default;
    TRect(int left, int top, int right, int bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom)
    {}
    TRect(const RECT& r) : Left(r.left), Top(r.top), Right(r.right), Bottom(r.bottom) {}
    TRect(const TRect&) = default;
    TRect& operator=(const TRect&) = default;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    operator RECT() const { return RECT{Left, Top, Right, Bottom}; }

    bool operator==(const TRect&) const = default;
};
