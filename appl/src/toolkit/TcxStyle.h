#pragma once

// A look for the rows of a tree list: background colour, text colour and font. Only what a
// style assigns is applied; everything it leaves unset stays as the widget would draw it, so
// styles can be layered (content, then the level's style, then the style-event's choice).
// Shared: the host keeps it (usually for the whole run); tree lists only point to it.

#include "wizard_toolkit_export.h"

#include "TColor.h"

#include <optional>
#include <string>

class QFont;

class WIZARD_TOOLKIT_EXPORT TcxStyle
{
public:
    TcxStyle() = default;
    TcxStyle(const TcxStyle&) = default;
    TcxStyle& operator=(const TcxStyle&) = default;
    virtual ~TcxStyle();

    bool operator==(const TcxStyle&) const = default;

    // clDefault while unset.
    TColor GetColor() const { return m_color.value_or(clDefault); }
    void SetColor(TColor color) { m_color = color; }
    TColor GetTextColor() const { return m_textColor.value_or(clDefault); }
    void SetTextColor(TColor color) { m_textColor = color; }

    // Empty while unset.
    std::string GetFontName() const { return m_fontName.value_or(std::string()); }
    void SetFontName(const std::string& name) { m_fontName = name; }
    // A negative height is the character height in pixels, a positive one the cell height
    // (character plus internal leading), as the font dialogs of the desktop count them;
    // 0 while unset.
    int GetFontHeight() const { return m_fontHeight.value_or(0); }
    void SetFontHeight(int height);
    bool GetFontBold() const { return m_fontBold.value_or(false); }
    void SetFontBold(bool bold) { m_fontBold = bold; }

    bool HasColor() const { return m_color.has_value(); }
    bool HasTextColor() const { return m_textColor.has_value(); }
    bool HasFont() const { return m_fontName || m_fontHeight || m_fontBold; }

    // Copies onto this style every value that `over` assigns.
    void Merge(const TcxStyle& over);
    // `base` with this style's font values applied.
    QFont ApplyFont(const QFont& base) const;

private:
    std::optional<TColor> m_color;
    std::optional<TColor> m_textColor;
    std::optional<std::string> m_fontName;
    std::optional<int> m_fontHeight;
    std::optional<bool> m_fontBold;
};
