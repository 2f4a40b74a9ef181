#pragma once

// How an amount reads and prints, in one place: the amount field, the display formats of the
// edit repository and anything else that shows a number call these. A French reader's
// conventions whatever the process locale: a decimal comma, thousands separated by a space
// ("-1 234 567,89"). Pure functions of their arguments.

#include "wizard_toolkit_export.h"

#include <QString>
#include <QStringView>

#include <string>

namespace AmountText {

// Decimals an amount may carry at most.
inline constexpr int kMaxDecimals = 15;

// How the digits of a magnitude are laid out.
struct Layout
{
    int minDecimals = 0;      // decimals always shown, trailing zeros included
    int maxDecimals = 2;      // the value is rounded to this many decimals
    int minIntegerDigits = 1; // leading zeros up to this count ("0,5"; 0 gives ",5")
    bool grouped = true;      // thousands separated by a space
};

// The digits of `magnitude` (its sign is ignored) laid out as `layout` says, in ASCII:
// "1 234,5". `isZero` tells whether the rounded value is zero. Empty when not finite.
WIZARD_TOOLKIT_EXPORT std::string Digits(double magnitude, const Layout& layout, bool& isZero);

// An amount as it is shown: a '-' for a negative value that does not round to zero, grouped
// digits, at most `decimals` decimals (0 to kMaxDecimals), trailing zeros dropped.
// Empty for a value that is not finite.
WIZARD_TOOLKIT_EXPORT QString Format(double value, int decimals);

// `value` rounded to `decimals` decimals, exactly as Format shows it.
WIZARD_TOOLKIT_EXPORT double Round(double value, int decimals);

// The amount a whole text stands for, as a French reader sees it: a leading sign, digits,
// blanks of any kind (ignored) and a trailing euro sign (U+20AC or "EUR"). A single ',' or '.'
// is the decimal separator ("1234.56", "1 234,56 EUR"). When both appear, the last one is the
// decimal separator and the other groups thousands ("1.234,56", "1,234.56"); one of them
// appearing several times groups thousands ("1.234.567"). Grouping is checked: a group has
// three digits. False, with 0, when the text is not such an amount or is too large.
WIZARD_TOOLKIT_EXPORT bool Parse(QStringView text, double& value);

} // namespace AmountText
