#pragma once

// Qt's own dialogs and buttons (file dialogs, standard buttons, context menus of the edits)
// speak the user's language once Qt's translations are loaded: a host calls this once, after
// creating its QApplication and before showing any window. On Debian the translations come
// with the package qt6-translations-l10n.

#include "wizard_toolkit_export.h"

#include <QLocale>

// Loads Qt's translation of `locale` (the system's by default: "qtbase_fr" under fr_FR) from
// Qt's translations folder and installs it in the application, which owns it. False, nothing
// installed, when there is no application or no such translation (English needs none).
WIZARD_TOOLKIT_EXPORT bool InstallQtTranslations(const QLocale& locale = QLocale::system());
