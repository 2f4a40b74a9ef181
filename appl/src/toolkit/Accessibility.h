#pragma once

// What the toolkit tells assistive technologies (screen readers) beyond Qt's defaults:
// - a combo box is named by its label (accessible name or buddy), its current line being its
//   value only; Qt on Linux would name it after its current line;
// - a form shown as a window is a dialog when modal, a window otherwise (Qt exposes a plain
//   widget as a "client", which AT-SPI shows as a filler); a form embedded in a panel is a
//   pane, named by its accessible name;
// - every focusable widget of a form draws a focus mark (FocusMarkStyleSheet).

#include "wizard_toolkit_export.h"

#include <QString>

class QObject;
class QWidget;

namespace Accessibility {

// Installs the toolkit's accessible interfaces; the widgets that need them call it, once is
// enough and later calls do nothing.
WIZARD_TOOLKIT_EXPORT void Install();

// The accessible name of a caption: mnemonic marks removed ("&&" read as '&'), then the
// blanks and the colon that end a caption ("Nom :" gives "Nom").
WIZARD_TOOLKIT_EXPORT QString NameFromCaption(const QString& caption);

// Names `widget` (the text of an assistive technology's "name"), raising a name change when
// the name changes.
WIZARD_TOOLKIT_EXPORT void SetName(QWidget* widget, const QString& name);

// The colour of the focus mark: neither the blue of a selected line nor the frame of a
// default button.
inline constexpr const char* kFocusMarkColor = "#e35d00";
// Width of the focus mark, in pixels.
inline constexpr int kFocusMarkWidth = 2;
// The style sheet that gives every focusable widget under a form its focus mark.
WIZARD_TOOLKIT_EXPORT QString FocusMarkStyleSheet();

} // namespace Accessibility
