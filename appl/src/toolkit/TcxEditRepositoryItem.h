#pragma once

// A shared edit setting that host screens give their value columns and fields: the kind of
// value, its alignment and, for amounts, the display format in the toolkit's syntax
// (",0.00 €;-,0.00 €": sections for positive and negative values, '0' a digit always shown,
// '#' a digit shown when significant, '.' the decimal point, ',' thousands grouping, other
// characters and quoted text shown as they stand). Texts are Windows-1252.
// Shared: the host keeps it (usually for the whole run); columns and fields only point to it.

#include "wizard_toolkit_export.h"

#include <string>

enum TAlignment
{
    taLeftJustify,
    taRightJustify,
    taCenter
};

enum TcxEditVertAlignment
{
    taTopJustify,
    taBottomJustify,
    taVCenter
};

enum TcxEditRepositoryKind
{
    erkText,    // text shown as it stands
    erkCurrency // an amount, shown through the display format
};

class WIZARD_TOOLKIT_EXPORT TcxEditRepositoryItem
{
public:
    TcxEditRepositoryItem() = default;
    TcxEditRepositoryItem(TcxEditRepositoryKind kind, TAlignment horz, TcxEditVertAlignment vert,
                          std::string displayFormat = std::string(), int decimalPlaces = -1);
    TcxEditRepositoryItem(const TcxEditRepositoryItem&) = default;
    TcxEditRepositoryItem& operator=(const TcxEditRepositoryItem&) = default;
    virtual ~TcxEditRepositoryItem();

    bool operator==(const TcxEditRepositoryItem&) const = default;

    TcxEditRepositoryKind GetKind() const { return m_kind; }
    TAlignment GetAlignmentHorz() const { return m_horz; }
    TcxEditVertAlignment GetAlignmentVert() const { return m_vert; }
    std::string GetDisplayFormat() const { return m_displayFormat; }
    // Decimals kept while editing; -1 when the editor decides.
    int GetDecimalPlaces() const { return m_decimalPlaces; }

    // `value` as the display format shows it, with a decimal comma and thousands separated by
    // spaces; without a format, as many decimals as needed. Empty for a value that is not
    // finite.
    std::string FormatValue(double value) const;
    // A display format applied to `value` (see the class comment).
    static std::string FormatFloat(const std::string& format, double value);

private:
    TcxEditRepositoryKind m_kind = erkText;
    TAlignment m_horz = taLeftJustify;
    TcxEditVertAlignment m_vert = taTopJustify;
    std::string m_displayFormat;
    int m_decimalPlaces = -1;
};
