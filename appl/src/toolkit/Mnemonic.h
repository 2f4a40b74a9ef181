#pragma once

// Captions mark their keyboard mnemonic with '&' ("&Suivant >"), and "&&" stands for one '&'.
// Qt reads the same marks, except that it also swallows a lone '&' (before a blank, a
// punctuation sign or the end), which the toolkit's captions show as a plain '&'.

#include "wizard_toolkit_export.h"

#include <QString>

namespace Mnemonic {

// The caption in Qt's syntax: every lone '&' doubled so that it stays visible.
WIZARD_TOOLKIT_EXPORT QString ToQt(const QString& caption);

// The caption as read on screen: marks removed, "&&" shown as '&', a lone '&' kept.
WIZARD_TOOLKIT_EXPORT QString Strip(const QString& caption);

// The mnemonic key of a caption in Qt's syntax ("&Suivant >" gives 'S'), upper case; a null
// character when it has none.
WIZARD_TOOLKIT_EXPORT QChar KeyOf(const QString& qtCaption);

} // namespace Mnemonic
